#include "iconosmenu.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// A map pin: a round head over a point, drawn with the painter's brush.
void pin(QPainter &p, QPointF punta, const QRectF &cabeza, double desde, double barrido)
{
    QPainterPath camino;
    camino.moveTo(punta);
    camino.arcTo(cabeza, desde, barrido);
    camino.closeSubpath();
    p.drawPath(camino);
}

void dibujar(QPainter &p, const QString &clave, const QRectF &r, bool activo)
{
    const double s = r.width() / 64.0;
    p.save();
    p.translate(r.topLeft());
    p.scale(s, s);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor tinta = activo ? QColor(0x1f, 0x4e, 0x79) : QColor(0x9a, 0xa3, 0xad);
    const QColor acento = activo ? QColor(0x2e, 0x9c, 0xca) : QColor(0xc4, 0xca, 0xd0);
    const QColor rojo = activo ? QColor(0xd9, 0x4f, 0x3d) : QColor(0xc4, 0xca, 0xd0);
    QPen pen(tinta, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    if (clave == "bajardatos") {
        // A cloud with an arrow down into a tray.
        QPainterPath nube;
        nube.addEllipse(QRectF(10, 12, 22, 18));
        nube.addEllipse(QRectF(24, 6, 26, 24));
        nube.addEllipse(QRectF(38, 14, 18, 16));
        p.setBrush(acento.lighter(150));
        p.setPen(QPen(acento, 3));
        p.drawPath(nube.simplified());
        p.setPen(pen);
        p.drawLine(QPointF(32, 24), QPointF(32, 48));
        p.drawPolyline(QPolygonF({QPointF(23, 39), QPointF(32, 48), QPointF(41, 39)}));
        p.drawPolyline(QPolygonF({QPointF(12, 46), QPointF(12, 56), QPointF(52, 56), QPointF(52, 46)}));
    } else if (clave == "diferido") {
        // A dotted track between two pins, with a clock.
        p.setPen(QPen(acento, 3, Qt::DotLine, Qt::RoundCap));
        QPainterPath ruta(QPointF(12, 52));
        ruta.cubicTo(QPointF(20, 20), QPointF(40, 60), QPointF(50, 22));
        p.drawPath(ruta);
        p.setPen(pen);
        p.setBrush(rojo);
        pin(p, QPointF(50, 26), QRectF(42, 6, 16, 16), 210, -240);
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(4, 38, 22, 22));
        p.drawLine(QPointF(15, 49), QPointF(15, 42));
        p.drawLine(QPointF(15, 49), QPointF(20, 52));
    } else if (clave == "estadisticas") {
        p.drawLine(QPointF(8, 56), QPointF(58, 56));
        p.drawLine(QPointF(8, 56), QPointF(8, 8));
        p.setBrush(acento);
        p.setPen(QPen(tinta, 2.5));
        p.drawRect(QRectF(14, 36, 9, 20));
        p.drawRect(QRectF(27, 22, 9, 34));
        p.setBrush(rojo);
        p.drawRect(QRectF(40, 12, 9, 44));
    } else if (clave == "administrar") {
        // A database drum with a gear.
        p.setBrush(acento.lighter(160));
        p.drawRect(QRectF(8, 14, 34, 36));
        p.drawEllipse(QRectF(8, 44, 34, 12));
        p.setBrush(acento.lighter(130));
        p.drawEllipse(QRectF(8, 8, 34, 12));
        p.drawArc(QRectF(8, 25, 34, 12), 180 * 16, 180 * 16);
        p.setBrush(Qt::white);
        p.save();
        p.translate(46, 46);
        QPainterPath rueda;
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.rotate(i * 45);
            p.drawRect(QRectF(-3, -15, 6, 6));
            p.restore();
        }
        rueda.addEllipse(QPointF(0, 0), 11, 11);
        rueda.addEllipse(QPointF(0, 0), 4, 4);
        p.setBrush(rojo);
        p.drawPath(rueda);
        p.restore();
    } else if (clave == "zonas") {
        QPolygonF zona({QPointF(10, 20), QPointF(34, 8), QPointF(56, 22), QPointF(48, 52), QPointF(16, 50)});
        p.setBrush(QColor(acento.red(), acento.green(), acento.blue(), 90));
        p.setPen(QPen(rojo, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolygon(zona);
        p.setPen(QPen(tinta, 2));
        p.setBrush(Qt::white);
        for (const QPointF &v : zona)
            p.drawEllipse(v, 4, 4);
    } else if (clave == "tiemporeal") {
        // A locator sending: waves around a pin.
        p.setBrush(rojo);
        pin(p, QPointF(32, 58), QRectF(20, 18, 24, 24), 215, -250);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(32, 30), 4.5, 4.5);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(acento, 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(12, 10, 40, 40), 30 * 16, 120 * 16);
        p.drawArc(QRectF(4, 2, 56, 56), 35 * 16, 110 * 16);
    } else if (clave == "salir") {
        p.setPen(QPen(rojo, 5, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(10, 12, 44, 44), 120 * 16, 300 * 16);
        p.drawLine(QPointF(32, 6), QPointF(32, 32));
    } else {  // aplicacion
        p.setBrush(tinta);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(2, 2, 60, 60));
        p.setBrush(rojo);
        pin(p, QPointF(32, 54), QRectF(18, 10, 28, 28), 215, -250);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(32, 24), 6, 6);
    }
    p.restore();
}

class Motor : public QIconEngine {
public:
    explicit Motor(QString c) : clave(std::move(c)) {}
    void paint(QPainter *p, const QRect &r, QIcon::Mode modo, QIcon::State) override
    {
        const int lado = qMin(r.width(), r.height());
        QRectF cuadro(r.x() + (r.width() - lado) / 2.0, r.y() + (r.height() - lado) / 2.0, lado, lado);
        dibujar(*p, clave, cuadro, modo != QIcon::Disabled);
    }
    QPixmap pixmap(const QSize &tamano, QIcon::Mode modo, QIcon::State estado) override
    {
        QPixmap pm(tamano);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(0, 0), tamano), modo, estado);
        return pm;
    }
    QIconEngine *clone() const override { return new Motor(clave); }

private:
    QString clave;
};

}  // namespace

QIcon IconoMenu(const QString &clave) { return QIcon(new Motor(clave)); }
