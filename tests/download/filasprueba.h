#pragma once
// Known rows for the download tests: service positions and local rows of given days.
#include "carpetaprueba.h"
#include "esquema.h"
#include "proveedor.h"
#include "serviciodemo.h"

#include <QDate>
#include <QStringList>

namespace FilasPrueba {

inline QString iso(const QDate &dia, int segundos)
{
    return QDateTime(dia, QTime(0, 0)).addSecs(segundos).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

// n service positions of the holder on the day, one every 7 seconds from 08:00 (first from `desde`).
inline QStringList remotas(const QDate &dia, int n, const QString &titular = Demo::Titular, int desde = 0,
                           const QString &imei = QStringLiteral("356000000000001"))
{
    QStringList s;
    for (int i = desde; i < desde + n; ++i)
        s << QStringLiteral("INSERT INTO POSICIONES VALUES ('%1','%2','40.41%3','-3.70%3','%4','GPS','Nave 1','%5')")
                 .arg(imei, iso(dia, 8 * 3600 + 7 * i))
                 .arg(i, 4, 10, QLatin1Char('0'))
                 .arg(i % 90)
                 .arg(titular);
    return s;
}

// The same positions as remotas(), already in the local file.
inline QStringList locales(const QDate &dia, int n, int desde = 0,
                           const QString &imei = QStringLiteral("356000000000001"))
{
    QStringList s;
    for (int i = desde; i < desde + n; ++i)
        s << QStringLiteral("INSERT INTO DATOS (IMEI, FECHA, LATITUD, LONGITUD, VELOCIDAD, INFORMACION, ZONA) "
                            "VALUES ('%1','%2','40.41%3','-3.70%3','%4','GPS','Nave 1')")
                 .arg(imei, iso(dia, 8 * 3600 + 7 * i))
                 .arg(i, 4, 10, QLatin1Char('0'))
                 .arg(i % 90);
    return s;
}

inline bool remoto(const QStringList &s) { return CarpetaPrueba::ejecutarEn(RutaServicioDemo(), s); }
inline bool local(const QStringList &s) { return CarpetaPrueba::ejecutarEn(RutaBaseLocal(), s); }

// SQL texts of an instance that start with a given text.
inline int contar(const QStringList &enviados, const QString &inicio)
{
    int n = 0;
    for (const QString &t : enviados)
        n += t.startsWith(inicio) ? 1 : 0;
    return n;
}
}
