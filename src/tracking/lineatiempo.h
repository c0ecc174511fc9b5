#pragma once
// The timeline under the playback map: a slider over the loaded track's points (1 to the count)
// whose handle follows playback; the stops and gaps are coloured bands on it, and hovering tells
// the time and speed there. Moving it by hand (drag, click, keys) reports the point asked for.
#include "analisisrecorrido.h"

#include <QSlider>

class LineaTiempo : public QSlider {
    Q_OBJECT
public:
    explicit LineaTiempo(QWidget *padre);

    // A new track (empty: nothing loaded).
    void Poner(const QList<PuntoRecorrido> &puntos, const QList<TramoRecorrido> &paradas, const QList<TramoRecorrido> &huecos);
    // Playback has reached point n (from 1): the handle follows without reporting a move.
    void Seguir(int n);
    // "09:05:07 · 45,50 km/h" for point n (from 1).
    QString TextoPunto(int n) const;

Q_SIGNALS:
    void PuntoPedido(int n);

protected:
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    bool event(QEvent *e) override;

private:
    int valorEn(int x) const;

    QList<PuntoRecorrido> puntos;
    QList<TramoRecorrido> paradas, huecos;
    bool siguiendo = false;
};
