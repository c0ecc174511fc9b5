#include "fechaflotante.h"

#include <QByteArray>
#include <QString>
#include <ctime>

QDateTime FechaFlotante(const QDate &dia, const QTime &hora) { return QDateTime(dia, hora, Qt::UTC); }

QDateTime AFlotante(const QDateTime &fecha)
{
    if (!fecha.isValid())
        return QDateTime();
    return fecha.timeSpec() == Qt::UTC ? fecha : QDateTime(fecha.date(), fecha.time(), Qt::UTC);
}

namespace {
// The value of n decimal digits, or -1 when one is not a digit.
int cifras(const QChar *c, int n)
{
    int v = 0;
    for (int i = 0; i < n; ++i) {
        const char16_t d = c[i].unicode();
        if (d < u'0' || d > u'9')
            return -1;
        v = v * 10 + (d - u'0');
    }
    return v;
}
} // namespace

// Read by hand: this runs once per position read, and QDateTime::fromString is several times slower.
QDateTime FlotanteDeISO(const QString &s)
{
    if ((s.size() != 19 && s.size() != 23) || s[4] != '-' || s[7] != '-' || s[10] != ' ' || s[13] != ':' ||
        s[16] != ':' || (s.size() == 23 && s[19] != '.'))
        return QDateTime();
    const QChar *c = s.constData();
    const int anio = cifras(c, 4), mes = cifras(c + 5, 2), dia = cifras(c + 8, 2);
    const int hora = cifras(c + 11, 2), minuto = cifras(c + 14, 2), segundo = cifras(c + 17, 2);
    const int ms = s.size() == 23 ? cifras(c + 20, 3) : 0;
    const QDate fecha(anio, mes, dia);
    if (anio < 0 || mes < 0 || dia < 0 || hora < 0 || minuto < 0 || segundo < 0 || ms < 0 || !fecha.isValid() ||
        !QTime::isValid(hora, minuto, segundo, ms))
        return QDateTime();
    return QDateTime(fecha, QTime(hora, minuto, segundo, ms), Qt::UTC);
}

SinZonaLocal::SinZonaLocal() : anterior(qgetenv("TZ")), habia(qEnvironmentVariableIsSet("TZ"))
{
    qputenv("TZ", "UTC0");
    tzset();
}

SinZonaLocal::~SinZonaLocal()
{
    if (habia)
        qputenv("TZ", anterior);
    else
        qunsetenv("TZ");
    tzset();
}
