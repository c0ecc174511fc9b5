#pragma once
// "Seguimiento Diferido": replays the recorded positions of one locator over a period on the map
// page Track.htm. The selection frame chooses the locator, the day (on the recorded-days calendar)
// and the period; the map frame plays the track point by point.
//
// Playback keeps exactly one ponermapa in flight: a step sends its statement and the timer is
// armed again only when the page reports it has run and nothing stopped playback meanwhile.
#include "motordiferido.h"

#include <QDialog>
#include <QString>

class KVCalen;
class PuenteMapa;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;
class QToolButton;
class QWebEngineView;

class frmdiferido : public QDialog {
    Q_OBJECT
public:
    explicit frmdiferido(QWidget *parent = nullptr);
    ~frmdiferido() override;

    // Selection frame (its objectName is "frmdiferido", like the window's).
    QGroupBox *fraSeleccion;
    QListWidget *lbldiferido;
    KVCalen *KVCalen1;
    QLineEdit *txtfechainicio, *txthorainicio, *txtfechafin, *txthorafin;
    QComboBox *cmbspeedinicial, *cmbseguiminetoen;
    QToolButton *btninicia;
    QLabel *sspanelcaption;
    QLabel *lblcliente;
    QPushButton *Command5;

    // Map frame.
    QGroupBox *frmmapa;
    QWebEngineView *WebBrowser1;
    QComboBox *cmbspeed, *cmbzoom;
    QCheckBox *chkveretiquetas;
    QToolButton *ImagePlay, *ImageStop;
    QPushButton *MyButton1, *XPButton4, *XPButton6, *XPButton7, *Command1, *btnvolver;
    QLineEdit *txthora;
    QLabel *lblposicion, *lblfecha, *lblvelocidad, *lblzona, *lblkilometros, *lbltiempoparcial,
        *lblvelocidadmedia, *lbllocalizadorseguimiento;
    QTimer *timerdiferido;

    // Routines of the selection.
    void MeterLocalizadores();
    QString DameImagenLocalizador(const QString &localizador);
    void ReseteaCalendario();
    void PreparaCalendario();
    // The first / last time (Short Time) recorded on a day given in the short date form.
    QString DameHoraInicial(QString Fecha);
    QString DameHoraFinal(QString Fecha);
    QString IconoLocalizador() const { return iconoLocalizador; }

    const MotorDiferido &Motor() const { return motor; }
    PuenteMapa *Mapa() const { return mapa; }
    // Playback is under way: steps go on when the timer fires.
    bool Reproduciendo() const { return reproduciendo; }
    // The id of the ponermapa whose run the next tick waits for (0: none).
    quint64 SentenciaEnCurso() const { return enCurso; }

public Q_SLOTS:
    // One playback step: the handler of timerdiferido.
    void GestionSigPunto();
    void done(int r) override;

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void crearSeleccion();
    void crearMapa();
    void colocar();
    void disponer();

    void lbldiferido_Click();
    void KVCalen1_Click();
    void btninicia_Click();
    void ImagePlay_Click();
    void ImageStop_Click();
    void MyButton1_Click();
    void XPButton4_Click();
    void XPButton6_Click();
    void XPButton7_Click();
    void Command1_Click();
    void btnvolver_Click();

    QString dameHora(const QString &Fecha, bool ultima);
    AjustesPaso ajustes() const;
    void mostrarLecturas();
    quint64 enviar(const QList<SentenciaPagina> &sentencias);
    void mostrarReproduciendo(bool si);
    void armarTimer();
    void pararReproduccion();
    void finDelRecorrido();
    void alEjecutarse(quint64 id);

    MotorDiferido motor;
    PuenteMapa *mapa = nullptr;
    QString iconoLocalizador;
    bool reproduciendo = false;
    bool enPaso = false;
    bool paginaFallida = false;
    quint64 enCurso = 0;
};
