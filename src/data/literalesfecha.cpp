#include "literalesfecha.h"

#include <QRegularExpression>
#include <QTime>

#include <cstdio>

namespace {

QString aISO(int anio, int mes, int dia, const QString &h, const QString &mi, const QString &se, const QString &ms)
{
    const QDate d(anio, mes, dia);
    if (!d.isValid() || anio < 1753)
        return QString();
    const QTime t(h.isEmpty() ? 0 : h.toInt(), mi.isEmpty() ? 0 : mi.toInt(), se.isEmpty() ? 0 : se.toInt());
    if (!t.isValid())
        return QString();
    QString r = d.toString(QStringLiteral("yyyy-MM-dd")) + ' ' + t.toString(QStringLiteral("HH:mm:ss"));
    if (!ms.isEmpty())
        r += '.' + ms.leftJustified(3, '0');
    return r;
}

QString literalAISO(const QString &lit, bool diaPrimero)
{
    static const QRegularExpression barras(QStringLiteral(
        R"(^\s*(\d{1,2})[/\-.](\d{1,2})[/\-.](\d{4}|\d{1,2})(?:\s+(\d{1,2}):(\d{1,2})(?::(\d{1,2})(?:\.(\d{1,3}))?)?)?\s*$)"));
    static const QRegularExpression iso(QStringLiteral(
        R"(^\s*(\d{4})-(\d{1,2})-(\d{1,2})(?:[ T](\d{1,2}):(\d{1,2})(?::(\d{1,2})(?:\.(\d{1,3}))?)?)?\s*$)"));
    auto m = barras.match(lit);
    if (m.hasMatch()) {
        const int a = m.captured(1).toInt(), b = m.captured(2).toInt();
        // A two-digit year as SQL Server reads it: 00-49 are 20xx, 50-99 are 19xx.
        int anio = m.captured(3).toInt();
        if (m.captured(3).size() <= 2)
            anio += anio < 50 ? 2000 : 1900;
        return aISO(anio, diaPrimero ? b : a, diaPrimero ? a : b, m.captured(4), m.captured(5),
                    m.captured(6), m.captured(7));
    }
    m = iso.match(lit);
    if (m.hasMatch())
        return aISO(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(), m.captured(4),
                    m.captured(5), m.captured(6), m.captured(7));
    return QString();
}

}  // namespace

QString LiteralMesPrimeroAISO(const QString &literal) { return literalAISO(literal, false); }
QString LiteralDiaPrimeroAISO(const QString &literal) { return literalAISO(literal, true); }

QDate DiaDeDiezCifras(const QString &texto, bool diaPrimero)
{
    static const QRegularExpression exacto(QStringLiteral(R"(^(\d\d)/(\d\d)/(\d{4})$)"));
    const auto m = exacto.match(texto);
    if (!m.hasMatch())
        return QDate();
    const int a = m.captured(1).toInt(), b = m.captured(2).toInt(), anio = m.captured(3).toInt();
    return diaPrimero ? QDate(anio, b, a) : QDate(anio, a, b);
}

QString FechaAISO(const QDateTime &fecha)
{
    if (!fecha.isValid() || fecha.date().year() < 1753)
        return QString();
    // Written by hand: the download writes one for every row.
    const QDate d = fecha.date();
    const QTime t = fecha.time();
    char b[96];
    int n = std::snprintf(b, sizeof b, "%04d-%02d-%02d %02d:%02d:%02d", d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second());
    if (t.msec())
        n += std::snprintf(b + n, sizeof b - size_t(n), ".%03d", t.msec());
    return QString::fromLatin1(b, n);
}

QString TextoFechaFueraDeIntervalo(const QString &valor)
{
    return QStringLiteral("La conversión del tipo de datos varchar en datetime produjo un valor fuera del intervalo: '%1'.")
        .arg(valor);
}
