#pragma once
// CSV for a spreadsheet in Spanish: ";" between fields, decimal comma, UTF-8 with a byte order
// mark, lines ending in CR LF. Texts are quoted as RFC 4180 says (a quote inside doubled);
// numbers and empty cells go bare.
#include <QByteArray>
#include <QString>
#include <QStringList>

struct TablaExportada;

namespace EscritorCsv {
// One text field, always quoted.
QString Texto(const QString &texto);
// A number with the decimal comma and no thousands separator; decimales < 0: as few as needed.
QString Numero(double valor, int decimales = -1);
// A cell of a table: bare when it reads as a number, quoted otherwise, nothing when empty.
QString Celda(const QString &texto);
// Joins the fields of one line (without its line end).
QString Linea(const QStringList &campos);
// The whole file: the byte order mark, then every line followed by CR LF.
QByteArray Archivo(const QStringList &lineas);
// A table: the captions, then the rows.
QByteArray DeTabla(const TablaExportada &tabla);
}
