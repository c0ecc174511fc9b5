#include "filtroestadistica.h"

#include "regional.h"

#include <QDate>
#include <QDateTime>

namespace FiltroEstadistica {

bool LeerFecha(const QString &texto, QDateTime &fecha)
{
    // The query reads the text as SQL Server does: its two-digit years, and nothing before 1753.
    return Regional::LeerFechaHora(texto, fecha, Regional::Siglo::SqlServer) && fecha.date().year() >= 1753;
}

namespace {
bool esFecha(const QString &texto)
{
    QDateTime f;
    return LeerFecha(texto, f);
}
}

Validacion Validar(const QString &t1, const QString &t2)
{
    auto rechazo = [](const QString &m, Foco f) { return Validacion{false, m, f}; };
    if (!t1.isEmpty() && !esFecha(t1))
        return rechazo(kFecha1Incorrecta, Foco::Fecha1);
    if (!t2.isEmpty() && !esFecha(t2))
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
    if (!LeerFecha(t1, a) || !LeerFecha(t2, b))
        return false;
    // Whole days: the calendar days between the two, the times of day left aside.
    return qAbs(a.date().daysTo(b.date())) > 30;
}
}
