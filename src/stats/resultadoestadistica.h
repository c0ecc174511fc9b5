#pragma once
// The statistics window's result: the table of text cells that the grid, the report, the
// charts and the zone map read, the running totals, and the three ways of filling it from
// the grouped rows of a statistics query.
#include <QList>
#include <QString>
#include <QVariantList>
#include <array>
#include <vector>

// A table of text cells, 31 columns wide, that grows as rows are written (an empty text is
// an empty cell; a cell never written reads as empty).
class TablaTextos {
public:
    static constexpr int Columnas = 31;
    static constexpr int FilasIniciales = 1001;

    TablaTextos() { Limpiar(); }
    const QString &Celda(int fila, int columna) const;
    void PonerCelda(int fila, int columna, const QString &texto);
    int Filas() const { return int(filas.size()); }
    // Makes sure rows 0 to n - 1 exist.
    void Asegurar(int n);
    // Empties every cell and goes back to the initial size.
    void Limpiar();

private:
    std::vector<std::array<QString, Columnas>> filas;
};

class ResultadoEstadistica {
public:
    using Ranuras = std::array<QString, TablaTextos::Columnas>;

    // Kind of the statistic last started: 1 days and hours, 2 zones, 3 locator and zone; 0 before any.
    int TipoEstadistica = 0;
    // Kind of the result the table holds (0: none). Set when a run completes: the grid styles,
    // charts, report and map work on this one, not on a refused or empty later run.
    int TipoResultado = 0;
    TablaTextos TablaEstadistica;
    Ranuras Totales;
    Ranuras SubTotalesZona;
    Ranuras SubTotalesLocalizador;
    int MaxFilas = 200;
    QString MaxColumnas = QStringLiteral("4");

    void LimpiaArray();
    void LimpiarSubTotalesZonas() { SubTotalesZona.fill(QString()); }
    void LimpiarSubTotalesLocalizadores() { SubTotalesLocalizador.fill(QString()); }

    // Fills the table from the rows of the kind's query (fields in the query's order), then
    // builds the totals row and sets MaxFilas, MaxColumnas and TipoResultado. Reading stops
    // at the first row that cannot be read (the rows before it are shown). Answers the
    // number of rows read.
    int Llenar(int tipo, const QList<QVariantList> &filas);
    int LlenarPorDias(const QList<QVariantList> &filas);                     // kind 1
    int LlenarPorZonas(const QList<QVariantList> &filas);             // kind 2
    int LlenarPorLocalizadoresyZonas(const QList<QVariantList> &filas); // kind 3

    // The grid's caption for a kind.
    static QString Titulo(int tipo);
};
