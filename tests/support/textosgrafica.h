#pragma once
// The texts a chart draws, read from its scene once it is laid out (for tests that link Qt Charts).
#include <QChart>
#include <QChartView>
#include <QGraphicsItemGroup>
#include <QGraphicsTextItem>
#include <QLegend>
#include <QStringList>
#include <algorithm>

namespace Prueba {
struct TextosGrafica {
    QStringList barras;  // the values written on the bars
    QStringList ejes;    // the axes' labels, bottom to top, then left to right
};

inline TextosGrafica textosGrafica(const QChartView &vista)
{
    TextosGrafica r;
    QList<QGraphicsTextItem *> ejes;
    for (QGraphicsItem *i : vista.scene()->items()) {
        auto *t = dynamic_cast<QGraphicsTextItem *>(i);
        if (!t || !t->isVisible() || t->toPlainText().isEmpty() || t->parentItem() == vista.chart() ||
            vista.chart()->legend()->isAncestorOf(t))
            continue;  // the title and the legend
        if (dynamic_cast<QGraphicsItemGroup *>(t->parentItem()))
            ejes << t;
        else
            r.barras << t->toPlainText();
    }
    std::sort(ejes.begin(), ejes.end(), [](QGraphicsTextItem *a, QGraphicsTextItem *b) {
        const QPointF p = a->scenePos(), q = b->scenePos();
        return p.y() != q.y() ? p.y() > q.y() : p.x() < q.x();
    });
    for (QGraphicsTextItem *t : ejes)
        r.ejes << t->toPlainText();
    r.barras.sort();
    return r;
}
}
