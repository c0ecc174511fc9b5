#include "lineatiempo.h"

#include "regional.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QToolTip>

LineaTiempo::LineaTiempo(QWidget *padre) : QSlider(Qt::Horizontal, padre)
{
    setObjectName(QStringLiteral("sldlinea"));
    setAccessibleName(QStringLiteral("Línea de tiempo"));
    setToolTip(QStringLiteral("Línea de tiempo: arrastre o haga clic para ir a ese momento"));
    setMouseTracking(true);
    setRange(1, 1);
    setPageStep(8);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QSlider::valueChanged, this, [this](int v) {
        if (!siguiendo)
            Q_EMIT PuntoPedido(v);
    });
}

void LineaTiempo::Poner(const QList<PuntoRecorrido> &p, const QList<TramoRecorrido> &s, const QList<TramoRecorrido> &h)
{
    puntos = p;
    paradas = s;
    huecos = h;
    siguiendo = true;
    setRange(1, qMax(1, int(p.size())));
    setValue(1);
    siguiendo = false;
    update();
}

void LineaTiempo::Seguir(int n)
{
    if (isSliderDown())
        return;
    siguiendo = true;
    setValue(n);
    siguiendo = false;
}

QString LineaTiempo::TextoPunto(int n) const
{
    if (n < 1 || n > puntos.size())
        return QString();
    const PuntoRecorrido &p = puntos[n - 1];
    return p.fecha.toString(QStringLiteral("HH:mm:ss")) + QStringLiteral(" · ") + Regional::NumeroDecimales(p.kmh, 2) +
           QStringLiteral(" km/h");
}

int LineaTiempo::valorEn(int x) const
{
    QStyleOptionSlider o;
    initStyleOption(&o);
    const QRect surco = style()->subControlRect(QStyle::CC_Slider, &o, QStyle::SC_SliderGroove, this);
    const QRect asa = style()->subControlRect(QStyle::CC_Slider, &o, QStyle::SC_SliderHandle, this);
    return QStyle::sliderValueFromPosition(minimum(), maximum(), x - surco.x() - asa.width() / 2,
                                           surco.width() - asa.width());
}

void LineaTiempo::paintEvent(QPaintEvent *e)
{
    QStyleOptionSlider o;
    initStyleOption(&o);
    const QRect surco = style()->subControlRect(QStyle::CC_Slider, &o, QStyle::SC_SliderGroove, this);
    const QRect asa = style()->subControlRect(QStyle::CC_Slider, &o, QStyle::SC_SliderHandle, this);
    const int ancho = surco.width() - asa.width();
    auto x = [&](int punto) {
        return surco.x() + asa.width() / 2 + QStyle::sliderPositionFromValue(minimum(), maximum(), punto, ancho);
    };
    QPainter g(this);
    auto bandas = [&](const QList<TramoRecorrido> &l, const QColor &c) {
        for (const TramoRecorrido &t : l)
            g.fillRect(QRect(QPoint(x(t.desde + 1), surco.top()), QPoint(qMax(x(t.hasta + 1), x(t.desde + 1) + 2), surco.bottom())), c);
    };
    bandas(paradas, QColor(255, 152, 0, 170));
    bandas(huecos, QColor(120, 120, 120, 150));
    g.end();
    QSlider::paintEvent(e);
}

void LineaTiempo::mousePressEvent(QMouseEvent *e)
{
    // A click on the groove moves playback there, not one page towards it.
    QStyleOptionSlider o;
    initStyleOption(&o);
    const QRect asa = style()->subControlRect(QStyle::CC_Slider, &o, QStyle::SC_SliderHandle, this);
    if (e->button() == Qt::LeftButton && !asa.contains(e->position().toPoint())) {
        setValue(valorEn(int(e->position().x())));
        e->accept();
        return;
    }
    QSlider::mousePressEvent(e);
}

void LineaTiempo::mouseMoveEvent(QMouseEvent *e)
{
    QSlider::mouseMoveEvent(e);
    const QString t = TextoPunto(valorEn(int(e->position().x())));
    if (!t.isEmpty())
        QToolTip::showText(e->globalPosition().toPoint(), t, this);
}

bool LineaTiempo::event(QEvent *e)
{
    // The hover text replaces the control's general tip while a track is loaded.
    if (e->type() == QEvent::ToolTip && !puntos.isEmpty()) {
        auto *h = static_cast<QHelpEvent *>(e);
        QToolTip::showText(h->globalPos(), TextoPunto(valorEn(h->pos().x())), this);
        return true;
    }
    return QSlider::event(e);
}
