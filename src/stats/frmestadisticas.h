#pragma once
// "Estadísticas": counts of positions per hour of the day, grouped by day, by zone or by
// locator and zone, over a period of at most 30 days, shown in a grid with totals. The window
// wires its controls to MotorEstadisticas, which does the work.
#include "modelonombreslocalizadores.h"
#include "motorestadisticas.h"
#include "nombreslocalizadores.h"

#include <QDialog>
#include <QPointer>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QFrame;
class MiniCalendar;
class PanelDesplegable;

class frmestadisticas : public QDialog {
    Q_OBJECT
public:
    explicit frmestadisticas(QWidget *parent = nullptr);
    ~frmestadisticas() override;

    MotorEstadisticas Motor;
    // The result that the grid shows and that the chart, report and map windows read:
    // TablaEstadistica, MaxFilas, MaxColumnas, TipoEstadistica and TipoResultado.
    ResultadoEstadistica &Resultado = Motor.Resultado;
    int VecesActivado = 0;
    // How the locators are called on screen (read at the first activation); the grid shows the
    // kind-3 IMEIs through ModeloRejilla.
    NombresLocalizadores Nombres;
    ModeloNombresLocalizadores *ModeloRejilla = nullptr;

    bool DameLocalizadores();
    bool DameZonas();
    void RealizaConsulta();
    void RealizaConsultaPorZonas();
    void RealizaConsultaPorLocalizadoresyZonas();

    // Controls (objectName = member name).
    QFrame *Frame1 = nullptr;
    QLabel *lblcliente = nullptr;
    QLineEdit *txtfecha1 = nullptr;
    QLineEdit *txtfecha2 = nullptr;
    QComboBox *lstlocalizadores = nullptr;
    QComboBox *lstzonas = nullptr;
    QComboBox *DropDownList1 = nullptr;
    QPushButton *btnfiltrar = nullptr;
    QLabel *lblmensaje = nullptr;
    QPushButton *btnestadisticas = nullptr;
    QPushButton *btnvergoogle = nullptr;
    QPushButton *btnmapa = nullptr;
    QPushButton *btnsalir = nullptr;
    QPushButton *btnexportar = nullptr;  // the grid as CSV or XLSX
    QPushButton *btnpdf = nullptr;       // the report straight to a PDF file
    QPushButton *btnvisitas = nullptr;
    QLabel *lbltitulorejilla = nullptr;
    QTableView *TDBGrid1 = nullptr;
    QGroupBox *frmcalendario = nullptr;
    MiniCalendar *MiniCalendar1 = nullptr;
    QPushButton *XPButton1 = nullptr;
    // The date box that the calendar fills.
    QPointer<QLineEdit> CajaFecha;

public Q_SLOTS:
    void btnfiltrar_Click();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

public Q_SLOTS:
    // The chart (btnestadisticas), report (btnvergoogle) and zone map (btnmapa) windows.
    void btnestadisticas_Click();
    void btnvergoogle_Click();
    void btnmapa_Click();
    void btnexportar_Click();
    void btnpdf_Click();
    // The visits window, on the period, locator and zone chosen here.
    void btnvisitas_Click();

private:
    bool cerrandoCalendario = false;
    PanelDesplegable *desplegable = nullptr;

    void CrearControles();
    void Disponer();
    void AbrirCalendario(QLineEdit *caja);
    void MiniCalendar1_Click();
    void CerrarCalendario();
    FiltroPantalla Filtro() const;
    void Mostrar(const MotorEstadisticas::Salida &s);
    void MostrarRejilla(bool visible);
    void AplicarColumnas();
};
