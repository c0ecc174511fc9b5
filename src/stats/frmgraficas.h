#pragma once
// "IMPACTOS POR HORAS": the totals of the last statistic per hour of the day.
#include <QDialog>

class QChartView;
class QFrame;
class QPushButton;

// Fills a chart with one bar series "Total Impactos" over the given categories; an empty or
// unreadable value counts as 0.
// horizontal: bars along the value axis, categories down the left side, where long names fit whole.
void LlenarGrafica(QChartView *vista, const QStringList &categorias, const QStringList &valores,
                   bool horizontal = false);

class frmgraficas : public QDialog {
    Q_OBJECT
public:
    explicit frmgraficas(QWidget *parent = nullptr);

    QString Datos;

    void PreparaGrafica();

    QFrame *SSPanel1 = nullptr;
    QPushButton *Command1 = nullptr;
    QChartView *MSChart1 = nullptr;

    static QStringList CategoriasHoras();

protected:
    void showEvent(QShowEvent *e) override;
};
