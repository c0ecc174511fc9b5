#pragma once
// Module1's distance routines: the great-circle distance between two positions. They live beside
// the playback, their only user.
namespace Module1 {
// Arc tangent of y / x in the right quadrant, written out as the program has always done it.
double Atan2(double y, double x);
// Haversine distance in kilometres on a sphere of radius 6378 km; arguments in degrees.
double DistanciaKm(double latitud1, double longitud1, double latitud2, double longitud2);
}
