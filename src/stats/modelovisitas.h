#pragma once
// The visits grids: the summary (one row per locator and zone, then the totals row) or the detail
// (the visits of the chosen summary row), read from the engine's result. Cell texts are the ones
// the report and any export use (DisplayRole); EditRole gives the raw numbers (seconds, counts).
#include "motorvisitas.h"

#include <QAbstractTableModel>

class ModeloVisitas : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Vista { Resumen, Detalle };
    ModeloVisitas(const MotorVisitas &motor, Vista vista, QObject *parent = nullptr);

    // The engine's result changed.
    void Recargar();
    // The detail shows the visits of this summary row (the totals row: every visit).
    void Seleccionar(int filaResumen);
    bool EsTotales(int fila) const { return vista == Vista::Resumen && fila == int(m.Filas.size()); }

    int rowCount(const QModelIndex &padre = QModelIndex()) const override;
    int columnCount(const QModelIndex &padre = QModelIndex()) const override;
    QVariant data(const QModelIndex &i, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int seccion, Qt::Orientation o, int rol = Qt::DisplayRole) const override;

    static const QColor kTextoTotales, kFondoTotales;

private:
    const MotorVisitas &m;
    Vista vista;
    std::vector<Visita> detalle;
    QVariant Resumen(int fila, int columna, int rol) const;
    QVariant Detalle(int fila, int columna, int rol) const;
};
