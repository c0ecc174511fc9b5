#include "posicionesdias.h"

#include "comillas.h"
#include "recordset.h"
#include "regional.h"

#include <QDateTime>
#include <algorithm>

namespace PosicionesDias {
namespace {
QString mesPrimero(const QDate &d) { return QStringLiteral("'%1/%2/%3'").arg(d.month()).arg(d.day()).arg(d.year()); }

// " FROM DATOS WHERE <the locator> AND FECHA >= 'day' AND FECHA < 'next day'"
QString delDia(const QString &localizador, const QDate &d)
{
    // On ASCII keys the local file's index on LOWER(RTRIM(IMEI)), FECHA finds exactly the rows the
    // comparison finds (letter case and trailing blanks ignored), and the day is one range on it.
    // Other keys are compared as they are.
    const QString imei = EscaparComillas(localizador);
    const bool ascii = std::all_of(imei.begin(), imei.end(), [](QChar c) { return c.unicode() < 0x80; });
    return (ascii ? QStringLiteral(" FROM DATOS WHERE LOWER(RTRIM(IMEI)) = LOWER(RTRIM('%1'))")
                  : QStringLiteral(" FROM DATOS WHERE IMEI = '%1'")).arg(imei) +
           QStringLiteral(" AND FECHA >= ") + mesPrimero(d) + QStringLiteral(" AND FECHA < ") + mesPrimero(d.addDays(1));
}

QTime hora(const QVariant &v)
{
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().time();
    return QTime::fromString(v.toString().right(8), QStringLiteral("HH:mm:ss"));
}
}

QString SqlCuentas(const QString &localizador, const QList<QDate> &dias)
{
    QStringList partes;
    for (const QDate &d : dias)
        if (d.isValid())
            partes << QStringLiteral("SELECT '%1' AS DIA, (SELECT COUNT(*)%2) AS POSICIONES")
                          .arg(d.toString(QStringLiteral("yyyyMMdd")), delDia(localizador, d));
    return partes.join(QStringLiteral(" UNION ALL "));
}

QString SqlHoras(const QString &localizador, const QDate &dia)
{
    // MIN and MAX alone, so that each is one seek.
    return QStringLiteral("SELECT (SELECT MIN(FECHA)%1) AS PRIMERA, (SELECT MAX(FECHA)%1) AS ULTIMA").arg(delDia(localizador, dia));
}

QHash<QDate, PosicionesDia> LeerCuentas(Recordset &filas)
{
    QHash<QDate, PosicionesDia> r;
    for (filas.MoveFirst(); !filas.Eof(); filas.MoveNext()) {
        const QDate d = QDate::fromString(filas.Texto(0), QStringLiteral("yyyyMMdd"));
        const int n = filas.Fields(1).toInt();
        if (d.isValid() && n > 0)
            r.insert(d, {n, {}, {}});
    }
    return r;
}

void LeerHoras(Recordset &fila, PosicionesDia &dia)
{
    fila.MoveFirst();
    if (fila.Eof())
        return;
    dia.primera = hora(fila.Fields(0));
    dia.ultima = hora(fila.Fields(1));
}

QString TextoCelda(int posiciones)
{
    if (posiciones < 10000)
        return QString::number(posiciones);
    return QString::number(posiciones / 1000) + QStringLiteral(" mil");
}

QString TextoConsejo(const PosicionesDia &p)
{
    QString t = Regional::NumeroEstandar(p.posiciones).section(u',', 0, 0) +
                (p.posiciones == 1 ? QStringLiteral(" posición") : QStringLiteral(" posiciones"));
    if (p.primera.isValid() && p.ultima.isValid())
        t += QStringLiteral("\nPrimera: ") + p.primera.toString(QStringLiteral("HH:mm:ss")) + QStringLiteral(" · Última: ") +
             p.ultima.toString(QStringLiteral("HH:mm:ss"));
    return t;
}
}
