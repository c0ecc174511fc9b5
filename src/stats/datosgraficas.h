#pragma once
// The chart data texts: items each followed by "|". An item holding "|" or "\" carries them as
// "\|" and "\\" (numbers and ordinary names are written as they stand), so a zone name with a
// "|" still labels one category.
#include "resultadoestadistica.h"

#include <QString>
#include <QStringList>

namespace DatosGraficas {
// Cells (L, 1) to (L, 25) of the totals row L = MaxFilas - 1.
QString PreparadatosResumen1(const ResultadoEstadistica &r);
// Column 25 of rows 0 to MaxFilas (the row after the totals row only when the table has it).
QString PreparadatosResumen2(const ResultadoEstadistica &r);
// Column 0 of rows 0 to MaxFilas.
QString PreparadatosZonas(const ResultadoEstadistica &r);

QString Item(const QString &texto);
// Splits at every "|" that is not escaped: the items, then the empty piece after the last "|".
QStringList Partir(const QString &texto);
}
