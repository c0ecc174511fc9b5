#pragma once
// A table as a view shows it, ready to be written to a file: the column captions, then every
// row's cell texts with the cell's font weight, text colour and background. Read from any item
// model (a QTableWidget's too, through its model()).
#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

class QAbstractItemModel;

struct CeldaExportada {
    QString texto;
    bool negrita = false;
    bool derecha = false;  // right-aligned
    QColor color;  // invalid: the default
    QColor fondo;  // invalid: none
    bool operator==(const CeldaExportada &) const = default;
};

struct TablaExportada {
    QString titulo;
    QStringList encabezados;
    QList<QList<CeldaExportada>> filas;

    static TablaExportada DeModelo(const QAbstractItemModel &modelo, const QString &titulo = QString());
};

// A cell's text read as a number for a spreadsheet: plain figures with an optional sign and one
// decimal point or comma. Figures of an identifier (a leading zero, more than 12 digits) stay text.
bool NumeroDeCelda(const QString &texto, double &valor);
