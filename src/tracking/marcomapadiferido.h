#pragma once
// The map frame of "Seguimiento Diferido" (objectName "frmmapa"): the browser with the map page,
// the playback controls and the read-outs. It shows what the player tells it and hands the player
// the settings a step reads.
#include "motordiferido.h"

#include <QGroupBox>

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

private:
    QWidget *controles;
};
