#include "contorno.h"

#include <QPainter>

Contorno::Contorno(const QString &nombre, const QColor &color, int grosor, QWidget *parent)
    : QWidget(parent), colorLinea(color), grosorLinea(grosor)
{
    setObjectName(nombre);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Contorno::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(colorLinea, grosorLinea);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const double m = grosorLinea / 2.0;
    p.drawRect(QRectF(rect()).adjusted(m, m, -m, -m));
}
