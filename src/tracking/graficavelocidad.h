#pragma once
// The speed profile of the loaded track: km/h against time, with a cursor on the point playback
// has reached; a click on the chart asks for the point at that time.
#include "analisisrecorrido.h"

#include <QChartView>

class QLineSeries;
class QDateTimeAxis;
class QValueAxis;

class GraficaVelocidad : public QChartView {
    Q_OBJECT
public:
    explicit GraficaVelocidad(QWidget *padre);

    void Poner(const QList<PuntoRecorrido> &puntos);
    // The cursor on point n (from 1).
    void Seguir(int n);
    // The point (from 1) whose time is nearest to ms (since the epoch, as the time axis holds it).
    int PuntoEnTiempo(qint64 ms) const;
    // The x the cursor is drawn at, in the chart's time axis (ms); for tests.
    qint64 TiempoCursor() const { return tiempoCursor; }

Q_SIGNALS:
    void PuntoPedido(int n);

protected:
    void mousePressEvent(QMouseEvent *e) override;

private:
    QList<qint64> tiempos;  // each point's time, ms
    QLineSeries *serie, *cursor;
    QDateTimeAxis *ejeX;
    QValueAxis *ejeY;
    double maxima = 1;
    qint64 tiempoCursor = 0;
};
