#include "paneldesplegable.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

PanelDesplegable::PanelDesplegable(QWidget *panel_) : QObject(panel_), panel(panel_)
{
    panel->setAttribute(Qt::WA_StyledBackground);
    panel->setStyleSheet(panel->styleSheet() +
                         QStringLiteral("#%1 { border: 1px solid #44607a; background: white; }").arg(panel->objectName()));
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *nuevo) { focoCambiado(nuevo); });
}

void PanelDesplegable::Mostrar(QWidget *caja_)
{
    caja = caja_;
    QWidget *ventana = panel->parentWidget();
    const QRect rc(caja->mapTo(ventana, QPoint(0, 0)), caja->size());
    const QSize t = panel->size();
    int y = rc.bottom() + 3;
    if (y + t.height() > ventana->height() && rc.top() - 3 - t.height() >= 0)
        y = rc.top() - 3 - t.height();
    const int x = qBound(0, rc.left(), qMax(0, ventana->width() - t.width()));
    panel->move(x, y);
    panel->show();
    panel->raise();
}

bool PanelDesplegable::dentro(const QWidget *w) const
{
    return w && (w == panel || panel->isAncestorOf(w) || w == caja);
}

void PanelDesplegable::focoCambiado(QWidget *nuevo)
{
    if (panel->isVisible() && nuevo && !dentro(nuevo) && nuevo->window() == panel->window())
        Q_EMIT CierrePedido(false);
}

bool PanelDesplegable::eventFilter(QObject *objeto, QEvent *evento)
{
    if (!panel->isVisible() || !objeto->isWidgetType())
        return false;
    auto *w = static_cast<QWidget *>(objeto);
    switch (evento->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent *>(evento)->key() == Qt::Key_Escape && dentro(w)) {
            Q_EMIT CierrePedido(w != caja);
            return true;  // Escape closes the panel, not the window under it
        }
        break;
    case QEvent::MouseButtonPress: {
        // Judged by where the click falls: an ignored press travels on to the parents.
        const QPoint p = static_cast<QMouseEvent *>(evento)->globalPosition().toPoint();
        auto sobre = [&p](const QWidget *x) { return x && QRect(x->mapToGlobal(QPoint(0, 0)), x->size()).contains(p); };
        if (w->window() == panel->window() && !sobre(panel) && !sobre(caja))
            Q_EMIT CierrePedido(false);
        break;
    }
    default:
        break;
    }
    return false;
}
