#pragma once
// The texts a chart draws once laid out, but its title and legend (for tests that link Qt Charts).
#include <QChartView>
#include <QGraphicsItemGroup>
#include <QGraphicsTextItem>
#include <QLegend>

namespace Prueba {
struct TextosGrafica {
    QStringList barras;  // the values written on the bars, sorted
    QStringList ejes;    // the axes' labels, sorted
};

inline TextosGrafica textosGrafica(const QChartView &vista)
{
    TextosGrafica r;
    for (QGraphicsItem *i : vista.scene()->items())
        if (auto *t = dynamic_cast<QGraphicsTextItem *>(i); t && t->isVisible() && !t->toPlainText().isEmpty() &&
                                                            t->parentItem() != vista.chart() &&
                                                            !vista.chart()->legend()->isAncestorOf(t))
            (dynamic_cast<QGraphicsItemGroup *>(t->parentItem()) ? r.ejes : r.barras) << t->toPlainText();
    r.barras.sort();
    r.ejes.sort();
    return r;
}
}
