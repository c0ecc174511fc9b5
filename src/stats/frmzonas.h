#pragma once
// "Total Impactos por Zonas": the zones of a statistic by zones on track2.htm, each labelled
// with its total.
#include <QDialog>

class PuenteMapa;
class QFrame;
class QLabel;
class QPushButton;
class QTimer;
class QWebEngineView;

class frmzonas : public QDialog {
    Q_OBJECT
public:
    explicit frmzonas(QWidget *parent = nullptr);
    ~frmzonas() override;

    // The zone map text, set before the window is shown.
    QString argumento;

    QFrame *pnlestadistica = nullptr;
    QWebEngineView *WebBrowser1 = nullptr;
    QPushButton *btncerrarestadistica = nullptr;
    QLabel *Label1 = nullptr;
    QTimer *Timer1 = nullptr;

    PuenteMapa *Puente() const { return puente; }
    // Sends visualizamapa with argumento, once per window; the bridge runs it as soon as the
    // page has loaded.
    void Timer1_Timer();

protected:
    void showEvent(QShowEvent *e) override;

private:
    PuenteMapa *puente = nullptr;
    bool mostrado = false;
};
