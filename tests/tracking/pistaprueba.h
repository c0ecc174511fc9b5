#pragma once
// Known tracks for the playback tests: rows in the local file, or a record set built in memory.
#include "carpetaprueba.h"
#include "esquema.h"
#include "recordset.h"

#include <QDateTime>
#include <QList>
#include <QStringList>
#include <memory>

namespace PistaPrueba {

struct Punto {
    QDateTime fecha;
    QString latitud, longitud, velocidad, zona;
};

inline QString iso(const QDateTime &f) { return f.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")); }

inline QString citar(const QString &v) { return u'\'' + QString(v).replace(u'\'', QStringLiteral("''")) + u'\''; }

// INSERT statements for the local DATOS table.
inline QStringList inserciones(const QString &imei, const QList<Punto> &puntos)
{
    QStringList s;
    for (const Punto &p : puntos)
        s << QStringLiteral("INSERT INTO DATOS (IMEI, FECHA, LATITUD, LONGITUD, VELOCIDAD, INFORMACION, ZONA) "
                            "VALUES (%1,%2,%3,%4,%5,'GPS',%6)")
                 .arg(citar(imei), citar(iso(p.fecha)), citar(p.latitud), citar(p.longitud), citar(p.velocidad),
                      p.zona.isNull() ? QStringLiteral("NULL") : citar(p.zona));
    return s;
}

inline bool guardar(const QString &imei, const QList<Punto> &puntos)
{
    // One transaction: a long track is written at once.
    return CarpetaPrueba::ejecutarEn(RutaBaseLocal(), QStringList{QStringLiteral("BEGIN")} + inserciones(imei, puntos) +
                                                          QStringList{QStringLiteral("COMMIT")});
}

// n points from `desde`, one every `segundos` s, moving north by `pasoGrados` of latitude each.
inline QList<Punto> recta(const QDateTime &desde, int n, int segundos = 7, double pasoGrados = 0.001,
                          const QString &velocidad = QStringLiteral("10"))
{
    QList<Punto> r;
    for (int i = 0; i < n; ++i)
        r << Punto{desde.addSecs(qint64(i) * segundos), QString::number(40.0 + i * pasoGrados, 'f', 7),
                   QStringLiteral("-3.7"), velocidad, QStringLiteral("Nave 1")};
    return r;
}

// The same rows as the local file gives them to playback, without a file.
inline std::unique_ptr<Recordset> enMemoria(const QList<Punto> &puntos)
{
    QList<QVariantList> filas;
    filas.reserve(puntos.size());
    for (const Punto &p : puntos)
        filas << QVariantList{QStringLiteral("356000000000001"), p.fecha, p.latitud, p.longitud, p.velocidad,
                              QStringLiteral("GPS"), p.zona.isNull() ? QVariant() : QVariant(p.zona)};
    return std::make_unique<Recordset>(
        QStringList{"IMEI", "FECHA", "LATITUD", "LONGITUD", "VELOCIDAD", "INFORMACION", "ZONA"}, filas);
}
}
