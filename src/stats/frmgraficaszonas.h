#pragma once
// "IMPACTOS POR HORAS" and "IMPACTOS POR ZONAS": the hour totals and each zone's total of a
// statistic by zones.
#include <QDialog>

class QChartView;
class QFrame;
class QPushButton;

class frmgraficaszonas : public QDialog {
    Q_OBJECT
public:
    explicit frmgraficaszonas(QWidget *parent = nullptr);

    QString Datos1;
    qint16 NumFilas2 = 0;
    QString Zonas;
    QString Datos2;

    void PreparaGrafica();
    void PreparaGraficaZonas();

    QFrame *SSPanel1 = nullptr;
    QPushButton *Command1 = nullptr;
    QChartView *MSChart2 = nullptr;
    QChartView *MSChart1 = nullptr;

protected:
    void showEvent(QShowEvent *e) override;
};
