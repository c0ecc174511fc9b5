#pragma once
// One recorded position of a locator's track, as playback analyses it and exports write it.
#include <QDateTime>
#include <QString>

struct PuntoRecorrido {
    QDateTime fecha;  // wall-clock time, no zone
    double latitud = 0, longitud = 0;
    double kmh = 0;   // recorded speed
    QString zona;
    QString informacion = {};
    bool leido = true;  // false: the row's position or time did not read; it stands where the point before it was
};
