#pragma once
// The one way a file leaves the program: the user names it (the format follows its extension),
// an existing file is replaced only when the user says so, the content goes to a temporary file
// beside the target that is then renamed over it, and the user is told the path written or why
// it failed. Tables come from any item model (the statistics grid, a QTableWidget's model).
#include <QByteArray>
#include <QString>

#include <functional>

class QAbstractItemModel;

namespace Exportacion {
enum class Formato { Ninguno, Csv, Xlsx, Gpx, Kml, Pdf };
Formato FormatoDeRuta(const QString &ruta);

// The save dialog, then the question when the file exists. Empty when the user gave up.
QString PedirRuta(const QString &titulo, const QString &filtro, const QString &nombrePropuesto);

// Writes datos as the whole file at ruta, atomically.
bool EscribirBytes(const QString &ruta, const QByteArray &datos, QString &error);
// Lets escribir fill a temporary file beside ruta (its path is the argument), then renames it
// over ruta. Nothing is left behind on failure.
bool EscribirConTemporal(const QString &ruta, const std::function<bool(const QString &, QString &)> &escribir,
                         QString &error);
// Tells the user where the file went, or why it did not.
void Informar(const QString &ruta, bool escrito, const QString &error);

// Asks, writes and tells: a table as CSV or XLSX, as the view shows it. Answers the path written
// (empty when cancelled or failed).
QString ExportarTabla(const QAbstractItemModel &modelo, const QString &titulo, const QString &nombrePropuesto);
// Asks, lets pintar write a PDF at a temporary path, and tells.
QString ExportarPdf(const QString &nombrePropuesto, const std::function<bool(const QString &)> &pintar);

// Messages, as the user reads them.
QString MensajeReemplazar(const QString &ruta);
QString MensajeEscrito(const QString &ruta);
QString MensajeFallo(const QString &ruta, const QString &motivo);
}
