#pragma once
// A floating child panel that belongs to a text box (a date picker under its date box): shown
// bordered, just under the box (above it when there is no room below) and inside the window, so it
// never covers the box that keeps the keyboard focus. While shown it asks to be closed
// (CierrePedido) on Escape, on a click outside the panel and its box, and when the focus moves to a
// control outside both; the owner decides how to close it.
#include <QObject>
#include <QPointer>

class QWidget;

class PanelDesplegable : public QObject {
    Q_OBJECT
public:
    explicit PanelDesplegable(QWidget *panel);

    // Places the panel for caja and shows it on top.
    void Mostrar(QWidget *caja);
    QWidget *Caja() const { return caja; }

Q_SIGNALS:
    // enCaja: the focus was inside the panel, so the owner should give it back to the box.
    void CierrePedido(bool enCaja);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    QWidget *panel;
    QPointer<QWidget> caja;

    bool dentro(const QWidget *w) const;
    void focoCambiado(QWidget *nuevo);
};
