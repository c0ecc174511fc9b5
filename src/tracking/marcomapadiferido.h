#pragma once
// The map frame of "Seguimiento Diferido" (objectName "frmmapa"): the browser with the map page,
// the playback controls and the read-outs. It shows what the player tells it and hands the player
// the settings a step reads.
#include "motordiferido.h"

#include <QGroupBox>

class GraficaVelocidad;
class LineaTiempo;
class PanelRecorrido;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWebEngineView;

class MarcoMapaDiferido : public QGroupBox {
    Q_OBJECT
public:
    explicit MarcoMapaDiferido(QWidget *padre);

    QWebEngineView *WebBrowser1;
    QComboBox *cmbspeed, *cmbzoom;
    QCheckBox *chkveretiquetas;
    // Around the written controls: follow the locator, the timeline, the speed profile, and the
    // panel with the whole-track button, the summary and the stops.
    QCheckBox *chkseguir;
    LineaTiempo *sldlinea;
    GraficaVelocidad *grafvelocidad;
    PanelRecorrido *pnlrecorrido;
    QToolButton *ImagePlay, *ImageStop;
    QPushButton *MyButton1, *XPButton4, *XPButton6, *XPButton7, *Command1, *btnvolver;
    QLineEdit *txthora;
    // The IMEI of the track shown (lbllocalizadorseguimiento shows its name).
    QString LocalizadorSeguimiento;
    QPushButton *btnexportar;
    QLabel *lblposicion, *lblfecha, *lblvelocidad, *lblzona, *lblkilometros, *lbltiempoparcial,
        *lblvelocidadmedia, *lbllocalizadorseguimiento;

    // What this frame's settings hold now, for a playback step (the thinning is on the selection).
    AjustesPaso Ajustes() const;
    // The time typed in txthora: shown in black and answered; an invalid one is shown in red and
    // takes the focus.
    bool LeerHoraSalto(QTime &hora);
    // Frame and browser sizes in twips: the browser leaves room below for the controls.
    void Disponer(int anchoTwips, int altoTwips);

    void MostrarLecturas(const LecturasDiferido &l);
    void MostrarReproduciendo(bool si);

Q_SIGNALS:
    // Keyboard: one point forward, 8 back.
    void Adelante1();
    void Atras8();

private:
    void atajos();

    QWidget *controles;
};
