#include "filtroestadistica.h"

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
}
