#pragma once
// The statements that show a whole track, its stops and the follow mode on Track.htm, and the
// summary panel's text.
#include "analisisrecorrido.h"

#include <QString>

namespace PaginaRecorrido {
// verrecorrido(first second of the day,'positions','seconds','km/h',[zones],'zone of each','jumps');
// each quoted text a list of whole numbers separated by commas.
QString SentenciaVerRecorrido(const QList<PuntoRecorrido> &puntos, const QList<int> &saltos);
// marcarparadas([[lat,lon,'HH:mm','duration'],...]);
QString SentenciaParadas(const QList<PuntoRecorrido> &puntos, const QList<TramoRecorrido> &paradas);
QString SentenciaSeguir(bool si);
// The summary panel: distance, moving and stopped time, stops, speeds, first and last position.
QString TextoResumen(const ResumenRecorrido &r);
}
