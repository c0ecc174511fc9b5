#pragma once
// The statistics window's filter: the checks on the two date boxes and the messages of a run.
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace FiltroEstadistica {

// Which date box gets the focus after a refused filter.
enum class Foco { Ninguno, Fecha1, Fecha2 };

struct Validacion {
    bool valida = false;  // the filter may run
    QString mensaje;      // the caption for lblmensaje when it may not
    Foco foco = Foco::Ninguno;
};

// A date box's text read as the query will read it; false when it is no date the query can use.
bool LeerFecha(const QString &texto, QDateTime &fecha);

// The rules in their order: the first one that applies wins.
Validacion Validar(const QString &t1, const QString &t2);

// Whether the two dates are more than 30 whole days apart, in either order.
// Both texts must be valid dates (Validar has passed).
bool PeriodoExcesivo(const QString &t1, const QString &t2);

inline const QString kFecha1Incorrecta = QStringLiteral("Fecha 1 Incorrecta");
inline const QString kFecha2Incorrecta = QStringLiteral("Fecha 2 Incorrecta");
inline const QString kSinFiltro = QStringLiteral("Debe realizar algún filtro");
inline const QString kFecha2SinConcretar = QStringLiteral("Fecha 2 sin concretar!");
inline const QString kFecha1SinConcretar = QStringLiteral("Fecha 1 sin concretar!");
inline const QString kPeriodoExcesivo = QStringLiteral("La diferencia no puede ser de más de 30 días!");
inline const QString kSinPosiciones = QStringLiteral("No hay Posiciones para el filtro configurado");
inline const QString kTodos = QStringLiteral("Todos");
}
