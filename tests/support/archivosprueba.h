#pragma once
// Whole-file reads and writes for tests that compare files byte for byte.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace Prueba {

// The file's bytes; empty when it does not exist or cannot be read.
inline QByteArray leerArchivo(const QString &ruta)
{
    QFile f(ruta);
    return f.exists() && f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes datos as the whole file, making its folder first.
inline bool escribirArchivo(const QString &ruta, const QByteArray &datos)
{
    QFile f(ruta);
    return QDir().mkpath(QFileInfo(ruta).absolutePath()) && f.open(QIODevice::WriteOnly) && f.write(datos) == datos.size();
}

}
