#include "filtroestadistica.h"

#include "comillas.h"
#include "regional.h"

#include <QDate>
#include <QDateTime>

namespace FiltroEstadistica {

Validacion Validar(const QString &t1, const QString &t2)
{
    auto rechazo = [](const QString &m, Foco f) { return Validacion{false, m, f}; };
    if (!t1.isEmpty() && !Regional::EsFecha(t1))
        return rechazo(kFecha1Incorrecta, Foco::Fecha1);
    if (!t2.isEmpty() && !Regional::EsFecha(t2))
        return rechazo(kFecha2Incorrecta, Foco::Fecha2);
    if (t1.isEmpty() && t2.isEmpty())
        return rechazo(kSinFiltro, Foco::Ninguno);
    if (t2.isEmpty())
        return rechazo(kFecha2SinConcretar, Foco::Fecha2);
    if (t1.isEmpty())
        return rechazo(kFecha1SinConcretar, Foco::Fecha1);
    return Validacion{true, QString(), Foco::Ninguno};
}

bool PeriodoExcesivo(const QString &t1, const QString &t2)
{
    QDateTime a, b;
    if (!Regional::LeerFechaHora(t1, a) || !Regional::LeerFechaHora(t2, b))
        return false;
    // Whole days: the calendar days between the two, the times of day left aside.
    return qAbs(a.date().daysTo(b.date())) > 30;
}

namespace {
struct Textos {
    const char *cabezaTodos;
    const char *cabezaUno;
    const char *cola;
};

const Textos &TextosDe(int tipo)
{
    static const Textos dias{
        "SELECT  convert(nvarchar(11), fecha, 101),DatePart(hh, fecha),Count(*) FROM [DATOS] WHERE (",
        "SELECT  convert(nvarchar(11), fecha, 101),DatePart(hh, fecha),Count(*) FROM [DATOS]   where IMEI='",
        " Group By convert(nvarchar(11), fecha, 101),DatePart(hh, fecha) order by convert(nvarchar(11), fecha, "
        "101),DatePart(hh, fecha)"};
    static const Textos zonas{"SELECT  Zona ,DatePart(hh, fecha),Count(*) FROM [DATOS] WHERE (",
                              "SELECT  Zona,DatePart(hh, fecha),Count(*) FROM [DATOS]   where IMEI='",
                              " Group By zona,DatePart(hh, fecha) order by Zona,DatePart(hh, fecha)"};
    static const Textos localizadores{
        "SELECT  Imei,Zona ,DatePart(hh, fecha),Count(*) FROM [DATOS] WHERE (",
        "SELECT  Imei,Zona,DatePart(hh, fecha),Count(*) FROM [DATOS]   where IMEI='",
        " Group By Imei,zona,DatePart(hh, fecha) order by Imei,Zona,DatePart(hh, fecha)"};
    return tipo == 2 ? zonas : tipo == 3 ? localizadores : dias;
}
}

QString TextoConsulta(int tipo, const QStringList &entradas, const QString &localizador, const QString &d1,
                      const QString &d2, const QString &zona)
{
    const Textos &t = TextosDe(tipo);
    QString sql;
    if (localizador == kTodos) {
        sql = QLatin1String(t.cabezaTodos);
        for (qsizetype i = 1; i < entradas.size(); ++i) {
            if (i >= 2)
                sql += QLatin1String(" OR ");
            sql += QLatin1String(" IMEI='") + EscaparComillas(entradas.at(i)) + QLatin1Char('\'');
        }
        sql += QLatin1String(") and Fecha>CONVERT(DateTime, '");
    } else {
        sql = QLatin1String(t.cabezaUno) + EscaparComillas(localizador) + QLatin1Char('\'') +
              QLatin1String(" and Fecha>CONVERT(DateTime, '");
    }
    sql += d1 + QLatin1String("', 103)  ") + QLatin1String("  And Fecha<CONVERT(DateTime, '") + d2 +
           QLatin1String("', 103) ");
    if (!zona.isEmpty())
        sql += QLatin1String(" and Zona='") + EscaparComillas(zona) + QLatin1Char('\'');
    sql += QLatin1String(t.cola);
    return sql;
}
}
