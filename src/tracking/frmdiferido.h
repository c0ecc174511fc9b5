#pragma once
// "Seguimiento Diferido": replays the recorded positions of one locator over a period on the map
// page Track.htm. The selection frame chooses the locator, the day (on the recorded-days calendar)
// and the period; the map frame shows the track that the player plays point by point. The window
// wires the two frames, the page and the player together and loads the track.
#include "marcomapadiferido.h"
#include "marcoselecciondiferido.h"
#include "reproductordiferido.h"

#include "analisisrecorrido.h"

#include <QDialog>

class PuenteMapa;
class QTimer;

class frmdiferido : public QDialog {
    Q_OBJECT
public:
    explicit frmdiferido(QWidget *parent = nullptr);

    // The selection frame (objectName "frmdiferido", like the window's) and the map frame.
    MarcoSeleccionDiferido *fraSeleccion;
    MarcoMapaDiferido *frmmapa;
    // The player's timer.
    QTimer *timerdiferido;

    ReproductorDiferido *Reproductor() const { return reproductor; }
    PuenteMapa *Mapa() const { return mapa; }

public Q_SLOTS:
    void done(int r) override;

protected:
    void resizeEvent(QResizeEvent *e) override;

private:
    void disponer();
    void btninicia_Click();
    void XPButton7_Click();
    void btnvolver_Click();
    void btnexportar_Click();
    // The loaded track's analysis on the timeline, the profile, the panel and the page.
    void analizar(const Recordset &filas);
    void verCompleto();
    void irAPunto(int n);
    // A request the page leaves in its title ("continuar|...").
    void peticionPagina(const QString &titulo);

    PuenteMapa *mapa;
    ReproductorDiferido *reproductor;
    QList<PuntoRecorrido> puntos;
    ResumenRecorrido resumen;
};
