#pragma once
// Shared fixtures of the maintenance tests: positions in a local file, whole-file reads.
#include "carpetaprueba.h"
#include "esquema.h"

#include <QDir>
#include <QFile>
#include <QStringList>

namespace fixtura {
// One position row in the stored form (FECHA as ISO text).
inline QString fila(const QString &imei, const QString &fechaIso, const QString &info = QStringLiteral("En ruta"))
{
    return QStringLiteral("INSERT INTO DATOS VALUES ('%1', '%2', '40.41', '-3.70', '12', '%3', 'Centro')")
        .arg(imei, fechaIso, QString(info).replace('\'', QStringLiteral("''")));
}

// A database of the program at ruta with the given rows.
inline bool baseCon(const QString &ruta, const QStringList &sentencias)
{
    QString error;
    QDir().mkpath(QFileInfo(ruta).absolutePath());
    return CrearBaseLocal(ruta, error) && CarpetaPrueba::ejecutarEn(ruta, sentencias);
}

inline QByteArray contenido(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool escribir(const QString &ruta, const QByteArray &datos)
{
    QFile f(ruta);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(datos) == datos.size();
}
}
