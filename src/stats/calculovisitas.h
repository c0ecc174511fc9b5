#pragma once
// Visits of locators to zones, from positions in time order. A visit starts at the first position
// inside a zone and ends at the first position outside it; a pause of more than PausaMaxima seconds
// between a position inside and the next one ends the visit at the last position before the pause,
// and the end of the data ends it at its last position. Zones may overlap: each is followed on its own.
// Inside is either the zone the service stamped on the position, or the point tested against the
// zone's outlines (a zone may have several records of the same name: inside any of them).
#include "geometriazona.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

struct PosicionVisita {
    int localizador = 0;  // index into the locator names
    qint64 segundos = 0;  // wall-clock time as seconds (no time zone)
    double lat = 0, lon = 0;
    int zona = -1;  // the service's stamp as an index into the zone names; -1 none
};

struct Visita {
    int localizador = 0, zona = 0;
    qint64 entrada = 0, salida = 0;
    bool entradaVista = false;  // the position before was outside, within the pause
    bool salidaVista = false;   // ended by a position outside, within the pause
    qint64 Duracion() const { return salida - entrada; }
};

struct ResumenVisitas {
    int localizador = -1, zona = -1;  // -1 in the totals row
    int entradas = 0, salidas = 0, visitas = 0;
    qint64 total = 0, maxima = 0, primeraEntrada = 0, ultimaSalida = 0;
    qint64 Media() const { return visitas ? total / visitas : 0; }
    void Sumar(const Visita &v);
};

class CalculoVisitas {
public:
    enum class Modo { Servicio, Poligonos };

    qint64 PausaMaxima = 30 * 60;
    // The zones, by name; in polygon mode the outlines of each (Geometrias.size() == Zonas.size()).
    QStringList Zonas;
    QList<QList<GeometriaZona>> Geometrias;
    // Only this zone (an index into Zonas), or every zone when -1.
    int SoloZona = -1;

    // Positions ordered by locator, then time.
    std::vector<Visita> Calcular(Modo modo, const std::vector<PosicionVisita> &posiciones) const;

    // One row per locator and zone, in the order of the visits (ordered by locator, then zone index).
    static QList<ResumenVisitas> Resumir(const std::vector<Visita> &visitas);
    static ResumenVisitas Totales(const QList<ResumenVisitas> &filas);
};
