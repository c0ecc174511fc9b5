#include "module1.h"

#include <cmath>

namespace Module1 {
namespace {
constexpr double Pi = 3.14159265358979;
constexpr double RadioTierraKm = 6378;

double signo(double v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }
double aRadianes(double grados) { return grados * 2 * Pi / 360; }
}

double Atan2(double y, double x)
{
    if (x > 0)
        return std::atan(y / x);
    if (x < 0)
        return (Pi - std::atan(std::fabs(y / x))) * signo(y);
    return y == 0 ? 0 : signo(y) * Pi / 2;
}

double DistanciaKm(double latitud1, double longitud1, double latitud2, double longitud2)
{
    const double dLat = aRadianes(latitud2 - latitud1);
    const double dLon = aRadianes(longitud2 - longitud1);
    const double lat1 = aRadianes(latitud1);
    const double lat2 = aRadianes(latitud2);
    const double sLat = std::sin(dLat / 2), sLon = std::sin(dLon / 2);
    double a = sLat * sLat + std::cos(lat1) * std::cos(lat2) * sLon * sLon;
    // Rounding can push a a hair past 1 for antipodal points; the square root below must stay real.
    if (a > 1)
        a = 1;
    const double c = 2 * Atan2(std::sqrt(a), std::sqrt(1 - a));
    return RadioTierraKm * c;
}
}
