#pragma once
// A recorded track as GPX 1.1 (one trk with its trkpt: position, time and the speed in m/s in
// Garmin's TrackPointExtension), KML (the path as a LineString and every point as a Placemark with
// its time) and CSV for a Spanish spreadsheet. Times are wall-clock times of this machine's zone,
// written with their offset.
#include "puntorecorrido.h"

#include <QByteArray>
#include <QList>

struct RecorridoExportado {
    QString nombre;       // how the locator is called on screen
    QString localizador;  // its IMEI
    QList<PuntoRecorrido> puntos;  // only points that read
};

namespace EscritorRecorrido {
QByteArray Gpx(const RecorridoExportado &r);
QByteArray Kml(const RecorridoExportado &r);
QByteArray Csv(const RecorridoExportado &r);
// The point's time as xsd:dateTime with this machine's offset on that day: 2026-12-05T09:00:00+01:00.
QString Instante(const QDateTime &paredSinZona);
}
