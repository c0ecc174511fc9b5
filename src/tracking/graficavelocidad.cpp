#include "graficavelocidad.h"

#include <QDateTimeAxis>
#include <QLineSeries>
#include <QMouseEvent>
#include <QValueAxis>
#include <algorithm>

namespace {
// The profile draws at most this many points: each keeps the top speed of its stretch.
constexpr int PuntosDibujados = 2000;
}

GraficaVelocidad::GraficaVelocidad(QWidget *padre) : QChartView(padre)
{
    setObjectName(QStringLiteral("grafvelocidad"));
    setAccessibleName(QStringLiteral("Perfil de velocidad"));
    setToolTip(QStringLiteral("Velocidad (km/h) a lo largo del recorrido: haga clic para ir a ese momento"));
    setRenderHint(QPainter::Antialiasing);
    auto *c = new QChart;
    c->legend()->hide();
    c->setMargins(QMargins(2, 2, 2, 2));
    c->setBackgroundRoundness(0);
    serie = new QLineSeries(c);
    cursor = new QLineSeries(c);
    QPen p(QColor(211, 47, 47));
    p.setWidth(2);
    cursor->setPen(p);
    c->addSeries(serie);
    c->addSeries(cursor);
    ejeX = new QDateTimeAxis(c);
    ejeX->setFormat(QStringLiteral("HH:mm"));
    ejeX->setTickCount(7);
    ejeY = new QValueAxis(c);
    ejeY->setLabelFormat(QStringLiteral("%d"));
    ejeY->setTickCount(3);
    QFont f = font();
    f.setPointSizeF(f.pointSizeF() * 0.85);
    ejeX->setLabelsFont(f);
    ejeY->setLabelsFont(f);
    ejeY->setTitleFont(f);
    ejeY->setTitleText(QStringLiteral("km/h"));
    c->addAxis(ejeX, Qt::AlignBottom);
    c->addAxis(ejeY, Qt::AlignLeft);
    for (QLineSeries *s : {serie, cursor}) {
        s->attachAxis(ejeX);
        s->attachAxis(ejeY);
    }
    setChart(c);
}

void GraficaVelocidad::Poner(const QList<PuntoRecorrido> &puntos)
{
    tiempos.clear();
    tiempos.reserve(puntos.size());
    QList<QPointF> v;
    maxima = 1;
    const qsizetype paso = qMax<qsizetype>(1, (puntos.size() + PuntosDibujados - 1) / PuntosDibujados);
    for (qsizetype i = 0; i < puntos.size(); ++i) {
        tiempos << puntos[i].fecha.toMSecsSinceEpoch();
        maxima = qMax(maxima, puntos[i].kmh);
        if (i % paso == 0) {
            double tope = 0;
            for (qsizetype k = i; k < qMin(puntos.size(), i + paso); ++k)
                tope = qMax(tope, puntos[k].kmh);
            v << QPointF(double(tiempos.last()), tope);
        }
    }
    serie->replace(v);
    if (!tiempos.isEmpty()) {
        ejeX->setRange(QDateTime::fromMSecsSinceEpoch(tiempos.first(), Qt::UTC),
                       QDateTime::fromMSecsSinceEpoch(qMax(tiempos.last(), tiempos.first() + 60000), Qt::UTC));
    }
    ejeY->setRange(0, std::ceil(maxima / 10) * 10);
    Seguir(1);
}

void GraficaVelocidad::Seguir(int n)
{
    if (n < 1 || n > tiempos.size()) {
        cursor->clear();
        return;
    }
    tiempoCursor = tiempos[n - 1];
    cursor->replace({QPointF(double(tiempoCursor), 0), QPointF(double(tiempoCursor), ejeY->max())});
}

int GraficaVelocidad::PuntoEnTiempo(qint64 ms) const
{
    if (tiempos.isEmpty())
        return 0;
    const auto i = std::lower_bound(tiempos.begin(), tiempos.end(), ms);
    qsizetype k = i - tiempos.begin();
    if (k == tiempos.size() || (k > 0 && ms - tiempos[k - 1] < tiempos[k] - ms))
        --k;
    return int(k) + 1;
}

void GraficaVelocidad::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && !tiempos.isEmpty()) {
        const QPointF v = chart()->mapToValue(chart()->mapFromScene(mapToScene(e->position().toPoint())), serie);
        Q_EMIT PuntoPedido(PuntoEnTiempo(qint64(v.x())));
        return;
    }
    QChartView::mousePressEvent(e);
}
