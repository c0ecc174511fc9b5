#pragma once
// What a loaded track tells at a glance: its stops, its gaps, the GPS jumps to leave out of the
// distance, and the summary figures of the whole period. Plain functions over the track's points.
//
// A stop: from a point, the following points stay within UmbralesRecorrido::metros of it or report
// a speed under kmhParada (the speed only when no gap comes before the point); when that run lasts
// minutosParada or more it is a stop (a gap inside it does not split it: a vehicle parked with its
// locator asleep is still parked). A gap: two
// consecutive points minutosHueco or more apart. A jump: a point whose distance from both
// neighbours implies more than kmhSalto.
#include "puntorecorrido.h"

#include <QList>

class Recordset;


struct UmbralesRecorrido {
    double metros = 50;
    double kmhParada = 3;
    int minutosParada = 5;
    int minutosHueco = 10;
    double kmhSalto = 250;
};

// A stop or a gap: the points desde..hasta of the track (for a gap, the two around it).
struct TramoRecorrido {
    int desde = 0, hasta = 0;
    QDateTime inicio, fin;
    QString zona;
    qint64 Segundos() const { return inicio.secsTo(fin); }
};

struct ResumenRecorrido {
    double km = 0;                  // jumps left out
    qint64 segundosMovimiento = 0;  // between points outside stops, gaps left out
    qint64 segundosParado = 0;      // the stops' durations
    int paradas = 0;
    double kmhMaxima = 0;           // recorded speed outside stops and jumps
    double kmhMedia = 0;            // km / moving time
    PuntoRecorrido primero, ultimo;
    QList<int> saltos;              // the jumps' point numbers, from 0
};

namespace AnalisisRecorrido {
// The track's rows (FECHA, LATITUD, LONGITUD, VELOCIDAD in knots, ZONA), one point per row; a row
// that cannot be read takes the place and time of the one before it.
QList<PuntoRecorrido> LeerPuntos(const Recordset &filas);
QList<TramoRecorrido> Paradas(const QList<PuntoRecorrido> &p, const UmbralesRecorrido &u = {});
QList<TramoRecorrido> Huecos(const QList<PuntoRecorrido> &p, const UmbralesRecorrido &u = {});
QList<int> Saltos(const QList<PuntoRecorrido> &p, const UmbralesRecorrido &u = {});
ResumenRecorrido Resumir(const QList<PuntoRecorrido> &p, const UmbralesRecorrido &u = {});
// "1 h 05 min", "12 min", "45 s".
QString TextoDuracion(qint64 segundos);
}
