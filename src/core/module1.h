#pragma once
// Process-wide state shared by every window: the holder, the two shared database instances,
// the download's day and count, and the distance routines of the playback.
#include "adosqlserver.h"

#include <QDateTime>
#include <QString>

namespace Module1 {
extern QString CodigoTitular;
extern QString NombreTitular;
extern QString ClaveAcceso;

// Created on first use: an unconnected instance until start-up connects it.
ADOSQLSERVER &ServidorRemoto();
ADOSQLSERVER &BaseLocal();
// Releases both instances, closing their connections (program end, and tests).
void LiberarConexiones();

// The day the download is working on and the service's count of rows for it.
extern qint32 TotalRemotoDia;
extern QDateTime FechaDescarga;

// Arc tangent of y / x in the right quadrant, written out as the program has always done it.
double Atan2(double y, double x);
// Haversine distance in kilometres on a sphere of radius 6378 km; arguments in degrees.
double DistanciaKm(double latitud1, double longitud1, double latitud2, double longitud2);
}
