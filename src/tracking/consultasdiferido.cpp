#include "consultasdiferido.h"

#include "comillas.h"
#include "recordset.h"
#include "regional.h"

#include <QRegularExpression>

namespace ConsultasDiferido {

QString SqlLocalizadores() { return QStringLiteral("Select DISTINCT IMEI FROM DATOS"); }

QString SqlIconoLocalizador(const QString &localizador)
{
    return QStringLiteral("SELECT * FROM LOCALIZADORES WHERE NOMBRE='") + EscaparComillas(localizador) + u'\'';
}

QString SqlDiasLocalizador(const QString &localizador)
{
    return QStringLiteral("SELECT DISTINCT CONVERT(nvarchar(11), FECHA, 101) as F1 FROM   DATOS where IMEI='") +
           EscaparComillas(localizador) + QStringLiteral("' order by F1 ");
}

QString SqlHoraDia(const QString &diaMDA, bool ultima)
{
    return QStringLiteral("SELECT CONVERT(nvarchar(5), FECHA, 114) from Datos Where CONVERT(nvarchar(11), FECHA, 101)='") +
           EscaparComillas(diaMDA) + (ultima ? QStringLiteral("' order by fecha DESC ") : QStringLiteral("' order by fecha ASC "));
}

QString SqlRecorrido(const QString &localizador, const QString &inicio, const QString &fin)
{
    return QStringLiteral("SELECT * FROM DATOS WHERE IMEI='") + EscaparComillas(localizador) +
           QStringLiteral("' AND FECHA BETWEEN ") + inicio + QStringLiteral(" AND ") + fin +
           QStringLiteral(" ORDER BY FECHA ASC");
}

QTime LeerHoraEscrita(const QString &texto, bool *doceHoras, bool *conSegundos)
{
    // H:mm[:ss] as typed, or an hour of the 12-hour clock with AM / PM ("8:00 PM", "8 p.m.").
    static const QRegularExpression re(
        QStringLiteral(R"(^\s*(\d{1,2})(?::(\d{1,2})(?::(\d{1,2}))?)?\s*(?:([ap])\.?\s*m\.?)?\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = re.match(texto);
    if (!m.hasMatch())
        return QTime();
    const bool ampm = !m.captured(4).isEmpty();
    if (!ampm && m.captured(2).isEmpty())
        return QTime();  // a bare number is no time
    int h = m.captured(1).toInt();
    if (ampm) {
        if (h < 1 || h > 12)
            return QTime();
        h = h % 12 + (m.captured(4).compare(QLatin1String("p"), Qt::CaseInsensitive) == 0 ? 12 : 0);
    }
    if (doceHoras)
        *doceHoras = ampm;
    if (conSegundos)
        *conSegundos = !m.captured(3).isEmpty();
    return QTime(h, m.captured(2).toInt(), m.captured(3).toInt());
}

QString LimitePeriodo(const QString &fechaTexto, const QString &horaTexto, bool fin)
{
    const QDate d = Regional::LeerFecha(fechaTexto);
    QString hora = horaTexto.trimmed();
    // A time of the 12-hour clock goes in the 24-hour form that both databases read alike.
    bool doceHoras = false, conSegundos = false;
    const QTime t = LeerHoraEscrita(hora, &doceHoras, &conSegundos);
    if (doceHoras && t.isValid())
        hora = t.toString(conSegundos ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm"));
    // "19:12" as an end covers 19:12:00 to 19:12:59: the day click writes the last position's
    // minute, and that position must be part of the track.
    static const QRegularExpression sinSegundos(QStringLiteral(R"(^\d{1,2}:\d{1,2}$)"));
    if (fin && sinSegundos.match(hora).hasMatch())
        hora += QStringLiteral(":59");
    return u'\'' + QString::number(d.month()) + u'/' + QString::number(d.day()) + u'/' + QString::number(d.year()) +
           u' ' + hora + u'\'';
}

CajaPeriodo ComprobarPeriodo(const QString &fechaInicio, const QString &fechaFin, const QString &horaInicio,
                             const QString &horaFin)
{
    // A date box must hold a date; a time box a time of day (a date there would make a broken bound).
    auto esFecha = [](const QString &t) { return !t.trimmed().isEmpty() && Regional::EsFecha(t); };
    auto esHora = [](const QString &t) { return LeerHoraEscrita(t).isValid(); };
    if (!esFecha(fechaInicio))
        return CajaPeriodo::FechaInicio;
    if (!esFecha(fechaFin))
        return CajaPeriodo::FechaFin;
    if (!esHora(horaInicio))
        return CajaPeriodo::HoraInicio;
    if (!esHora(horaFin))
        return CajaPeriodo::HoraFin;
    return CajaPeriodo::Ninguna;
}

namespace {
// "mm/dd/yyyy" read by hand (a locator may have thousands of days); any other text is no day.
QDate DiaMesPrimero(QStringView t)
{
    if (t.size() != 10 || t[2] != u'/' || t[5] != u'/')
        return QDate();
    for (int i : {0, 1, 3, 4, 6, 7, 8, 9})
        if (!t[i].isDigit())
            return QDate();
    return QDate(t.mid(6, 4).toInt(), t.mid(0, 2).toInt(), t.mid(3, 2).toInt());
}
}

DiasRegistrados LeerDiasRegistrados(Recordset &filas)
{
    DiasRegistrados r;
    for (filas.MoveFirst(); !filas.Eof(); filas.MoveNext()) {
        const QDate d = DiaMesPrimero(filas.Texto(0).trimmed());
        if (!d.isValid())
            continue;
        r.dias << d;
        if (!r.primero.isValid() || d < r.primero)
            r.primero = d;
        if (!r.ultimo.isValid() || d > r.ultimo)
            r.ultimo = d;
    }
    return r;
}

QString TextoResumen(const QString &localizador, const DiasRegistrados &d)
{
    return QStringLiteral(" El localizador ") + localizador + QStringLiteral(" ha registrado ") +
           QString::number(d.Cuenta()) + QStringLiteral(" días con posiciones de localización.") +
           QStringLiteral("\r\n") + QStringLiteral(" Primer Día registrado: ") + Regional::FechaLarga(d.primero) +
           QStringLiteral("\r\n") + QStringLiteral(" Ultimo Día registrado: ") + Regional::FechaLarga(d.ultimo);
}
}
