#pragma once
// The statistics grid's model: answers from the window's result table, bounded by MaxFilas
// rows and MaxColumnas columns, cell by cell (the table is never copied). Rows are addressed
// by bookmarks, the row index written with a leading space (" 12").
#include "resultadoestadistica.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <QString>

class ModeloEstadistica : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Estilo { Ninguno, EstiloFila, EstiloTotales, EstiloSubtotal };

    explicit ModeloEstadistica(const ResultadoEstadistica &resultado, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Bookmarks. A null QString is a null bookmark.
    static QString MarcaDeIndice(int indice);
    int IndiceDeMarca(const QString &marca, int desplazamiento) const;
    QString MarcaRelativa(const QString &marca, int desplazamiento) const;
    // The cell's text, or a null QString outside MaxFilas x MaxColumnas.
    QString ValorCelda(const QString &marca, int columna) const;
    static constexpr int kMarcaInvalida = -9999;

    // Row and cell rules, decided from the result table.
    Estilo EstiloDeFila(int fila) const;
    bool AlineadaDerecha(int fila, int columna) const;

    // The columns of a kind: caption and width in twips.
    static QString Encabezado(int tipo, int columna);
    static int AnchoTwips(int tipo, int columna);
    int TipoColumnas() const { return tipoColumnas; }
    // A column's width in pixels: the design width. A count wider than its column is drawn in a
    // smaller font; a name is elided in the grid and shown whole in its tooltip.
    int AnchoColumna(int columna) const;
    static constexpr int kMargenCelda = 6;  // the view's padding around a cell's text
    // The zone cell of a data row whose zone is empty: shown as "(sin zona)".
    bool SinZona(int fila, int columna) const;

    // Row styling (FetchRowStyle): off until the first filter runs.
    void EstilosPorFila(bool activo);

    // The window changes the result table only between these two calls.
    void AntesDeCambiar();
    void DespuesDeCambiar();
    // Rebuilds the columns for the kind of the result now held.
    void ConfigurarColumnas(int tipo);

    static QFont FuenteColumnas();
    static QFont FuenteEstilo();
    static const QColor kTextoTotales, kFondoTotales, kTextoSubtotal, kFondoSubtotal, kFondoColumnaSubTotal;

private:
    const ResultadoEstadistica &r;
    int tipoColumnas = 0;
    bool estilosPorFila = false;
    bool cambiando = false;

    int columnas() const;
};
