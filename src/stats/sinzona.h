#pragma once
// Positions outside every zone carry an empty zone. What the user reads (grid, charts, printed
// report) names them; the stored value and the report data file keep it empty.
#include <QString>

inline QString NombreZona(const QString &zona)
{
    return zona.trimmed().isEmpty() ? QStringLiteral("(sin zona)") : zona;
}
