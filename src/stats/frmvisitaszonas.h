#pragma once
// "Visitas a Zonas": per locator and zone, the visits of a period (entries, exits, time inside,
// average and longest visit, first entry, last exit), a totals row, the visits of the chosen row,
// a chart of the time inside per zone and a printed report. Zones are found by the service's stamp
// on each position or by the zones' outlines. The statistics window opens it with its filter.
#include "modelovisitas.h"
#include "motorvisitas.h"

#include <QDialog>

class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableView;

class frmvisitaszonas : public QDialog {
    Q_OBJECT
public:
    explicit frmvisitaszonas(QWidget *parent = nullptr);

    // Set by the caller before the modal show.
    FiltroVisitas Filtro;

    MotorVisitas Motor;
    // The grids' models (the summary with its totals row, the chosen row's visits).
    ModeloVisitas *Resumen;
    ModeloVisitas *Detalle;

    QLabel *lblfiltro;
    QComboBox *cmbzonasegun;
    QSpinBox *txtpausa;
    QPushButton *btncalcular;
    QLabel *lblmensaje;
    QTableView *grdvisitas;
    QTableView *grddetalle;
    QChartView *grafica;
    QPushButton *btninforme;
    QPushButton *btnsalir;

    void btncalcular_Click();
    void btninforme_Click();
    // The report on the summary as shown.
    QString TextoFiltro() const;

protected:
    void showEvent(QShowEvent *e) override;

private:
    bool mostrada = false;
    void LlenarGrafica();
};
