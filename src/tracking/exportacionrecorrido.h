#pragma once
// The track loaded in the playback window, as a file: its rows turned into points (a row whose
// position does not read as numbers is left out, as playback skips it) and written as GPX, KML or
// CSV, the format following the name the user gives.
#include "escritorrecorrido.h"

class Recordset;

namespace ExportacionRecorrido {
RecorridoExportado DeRecordset(const Recordset &rs, const QString &imei, const QString &nombre);
// Asks for the file, writes it and tells the user; answers the path written (empty otherwise).
QString Exportar(const RecorridoExportado &r);
}
