#pragma once
// The track loaded in the playback window, as a file: its points (a row whose position or time did
// not read is left out, as playback skips it) written as GPX, KML or CSV, the format following the
// name the user gives.
#include "escritorrecorrido.h"

namespace ExportacionRecorrido {
RecorridoExportado DePuntos(const QList<PuntoRecorrido> &puntos, const QString &imei, const QString &nombre);
// Asks for the file, writes it and tells the user; answers the path written (empty otherwise).
QString Exportar(const RecorridoExportado &r);
}
