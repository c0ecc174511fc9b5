#pragma once
// The report data file: the grid's captions and cells, written by the statistics window's
// report button and read back by the three printed reports.
//
// Format: one line per grid row after a header line of captions; every field is written as a
// double quote, the text, a double quote and ";"; lines end with CR LF and the file ends with
// one empty line. UTF-8 without BOM. A double quote inside a text is written doubled, and the
// reader takes a ";" inside quotes as part of the field.
#include <QList>
#include <QString>
#include <QStringList>

class QAbstractItemModel;

namespace ArchivoInforme {
// The one name of the file, in the application folder.
inline constexpr char kNombre[] = "TempReport.txt";
// Its full path.
QString Ruta();
}

// The whole content of the file except its final line end: the captions of the model's columns,
// then every row's cells as the grid shows them.
QString CadenaGrid(const QAbstractItemModel &rejilla);
// Creates or truncates nombrearchivo and writes str followed by one line end.
bool GrabarArchivoTexto(const QString &nombrearchivo, const QString &str);

// The delimited-text source: the file's first line gives the field names, each later non-empty
// line is one record. Fields are reachable by position or by name (letter case ignored).
class DatosInforme {
public:
    bool Abrir(const QString &ruta);
    void Leer(const QString &texto);

    QStringList Campos;
    QList<QStringList> Registros;

    int IndiceCampo(const QString &nombre) const;
    // The named field of a record, or an empty text when the name is not in the header.
    QString Valor(const QStringList &registro, const QString &nombre) const;
    static QString Posicion(const QStringList &registro, int i);
};
