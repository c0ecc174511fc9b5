#include "regional.h"
#include "fechaflotante.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace Regional {

namespace {
const char *const kMeses[] = {"enero", "febrero", "marzo", "abril", "mayo", "junio", "julio",
                              "agosto", "septiembre", "octubre", "noviembre", "diciembre"};
const char *const kDias[] = {"lunes", "martes", "miércoles", "jueves", "viernes", "sábado", "domingo"};

QString dos(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

QString agruparMiles(const QString &enteros)
{
    QString r;
    int n = enteros.size();
    for (int i = 0; i < n; ++i) {
        r += enteros[i];
        int quedan = n - i - 1;
        if (quedan > 0 && quedan % 3 == 0)
            r += QLatin1Char('.');
    }
    return r;
}
}

QString FechaCorta(const QDate &d)
{
    if (!d.isValid())
        return QString();
    return dos(d.day()) + '/' + dos(d.month()) + '/' + QString::number(d.year());
}

QString FechaGeneral(const QDateTime &dt)
{
    if (!dt.isValid())
        return QString();
    if (dt.time() == QTime(0, 0))
        return FechaCorta(dt.date());
    return FechaCorta(dt.date()) + ' ' + HoraLarga(dt.time());
}

QString FechaLarga(const QDate &d)
{
    if (!d.isValid())
        return QString();
    return NombreDia(d.dayOfWeek()) + QStringLiteral(", ") + QString::number(d.day()) + QStringLiteral(" de ") +
           NombreMes(d.month()) + QStringLiteral(" de ") + QString::number(d.year());
}

QString HoraCorta(const QTime &t) { return t.isValid() ? dos(t.hour()) + ':' + dos(t.minute()) : QString(); }

QString HoraLarga(const QTime &t)
{
    return t.isValid() ? QString::number(t.hour()) + ':' + dos(t.minute()) + ':' + dos(t.second()) : QString();
}

QString NombreMes(int mes) { return mes >= 1 && mes <= 12 ? QString::fromUtf8(kMeses[mes - 1]) : QString(); }
QString NombreDia(int d) { return d >= 1 && d <= 7 ? QString::fromUtf8(kDias[d - 1]) : QString(); }

QString NumeroDecimales(double v, int decimales)
{
    QString t = QString::number(v, 'f', decimales);
    if (t.startsWith('-') && t.count(QRegularExpression("[1-9]")) == 0)
        t.remove(0, 1);  // no "-0,00"
    t.replace('.', ',');
    return t;
}

QString NumeroEstandar(double v)
{
    QString t = NumeroDecimales(v, 2);
    bool negativo = t.startsWith('-');
    if (negativo)
        t.remove(0, 1);
    int coma = t.indexOf(',');
    QString r = agruparMiles(t.left(coma)) + t.mid(coma);
    return negativo ? '-' + r : r;
}

QLocale LocaleNumeros()
{
    // Qt's Spanish locale groups only from five digits (and Qt 6.4 writes 1234567 as "1234.567");
    // Catalan of Spain writes numbers exactly as the program does.
    return QLocale(QLocale::Catalan, QLocale::Spain);
}

double LeerNumero(const QString &texto, bool *ok)
{
    QString t = texto.trimmed();
    if (ok)
        *ok = false;
    if (t.isEmpty())
        return 0;
    // With both separators present the last one is the decimal separator.
    int punto = t.lastIndexOf('.'), coma = t.lastIndexOf(',');
    if (punto >= 0 && coma >= 0) {
        QChar miles = punto > coma ? ',' : '.';
        t.remove(miles);
    }
    t.replace(',', '.');
    bool bien = false;
    double v = t.toDouble(&bien);
    if (ok)
        *ok = bien && std::isfinite(v);
    return bien && std::isfinite(v) ? v : 0;
}

QDate DateSerial(int anio, int mes, int dia)
{
    // Month overflow first, then the day counted from the 1st, as VB does.
    int m0 = mes - 1;
    anio += m0 >= 0 ? m0 / 12 : -((11 - m0) / 12);
    m0 = ((m0 % 12) + 12) % 12;
    QDate base(anio, m0 + 1, 1);
    return base.isValid() ? base.addDays(dia - 1) : QDate();
}

QTime LeerHora(const QString &texto)
{
    static const QRegularExpression re(QStringLiteral(R"(^\s*(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?\s*$)"));
    auto m = re.match(texto);
    if (!m.hasMatch())
        return QTime();
    int h = m.captured(1).toInt(), mi = m.captured(2).toInt(), s = m.captured(3).isEmpty() ? 0 : m.captured(3).toInt();
    QTime t(h, mi, s);
    return t;
}

bool LeerFechaHora(const QString &texto, QDateTime &resultado, Siglo siglo)
{
    static const QRegularExpression re(QStringLiteral(
        R"(^\s*(?:(\d{1,2})([/.\-])(\d{1,2})\2(\d{1,4}))?\s*(?:(?:^|\s)(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?)?\s*$)"));
    const QString t = texto.trimmed();
    if (t.isEmpty())
        return false;
    auto m = re.match(t);
    if (!m.hasMatch())
        return false;
    const bool hayFecha = !m.captured(1).isEmpty();
    const bool hayHora = !m.captured(5).isEmpty();
    if (!hayFecha && !hayHora)
        return false;
    QDate d(1899, 12, 30);
    if (hayFecha) {
        int dia = m.captured(1).toInt(), mes = m.captured(3).toInt();
        const QString a = m.captured(4);
        int anio = a.toInt();
        if (a.size() <= 2)
            anio += anio < (siglo == Siglo::SqlServer ? 50 : 30) ? 2000 : 1900;
        else if (a.size() == 3)
            return false;
        if (anio < 100 || anio > 9999)
            return false;
        d = QDate(anio, mes, dia);
        if (!d.isValid())
            return false;
    }
    QTime h(0, 0);
    if (hayHora) {
        h = QTime(m.captured(5).toInt(), m.captured(6).toInt(), m.captured(7).isEmpty() ? 0 : m.captured(7).toInt());
        if (!h.isValid())
            return false;
    }
    resultado = FechaFlotante(d, h);
    return true;
}

bool EsFecha(const QString &texto)
{
    QDateTime dt;
    return LeerFechaHora(texto, dt);
}

QDate LeerFecha(const QString &texto)
{
    QDateTime dt;
    return LeerFechaHora(texto, dt) ? dt.date() : QDate();
}

}  // namespace Regional
