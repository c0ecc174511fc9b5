#pragma once
// The zone map text handed to visualizamapa of track2.htm: for every zone whose outline is known,
// name "|" outline without its first and last character "|" total "<sig>".
// In the name, "&" and "<" travel as "&amp;" and "&lt;" (the page reads them back), so a name
// holding "<sig>" cannot split its record; ordinary names are written as they stand.
#include "resultadoestadistica.h"

#include <QString>
#include <functional>

namespace MapaZonas {
QString Registro(const QString &nombre, const QString &contorno, const QString &total);
// Rows 0 to MaxFilas - 1; coordenadas answers a zone's stored vertex list (empty: not placed).
QString Texto(const ResultadoEstadistica &r, const std::function<QString(const QString &)> &coordenadas);
// The statement for the page.
QString Sentencia(const QString &argumento);
}
