#pragma once
// A table as an Excel workbook (libxlsxwriter): one sheet, the captions in a frozen first row with
// an autofilter over the table, numbers as numbers, and each cell's bold, alignment, text colour
// and background as the view shows them.
#include <QString>

struct TablaExportada;

namespace EscritorXlsx {
// Writes the workbook at ruta; on failure answers false with the reason in error.
bool Escribir(const TablaExportada &tabla, const QString &ruta, QString &error);
// A sheet name Excel accepts: no []:*?/\ and at most 31 characters; "Hoja1" when nothing is left.
QString NombreHoja(const QString &titulo);
}
