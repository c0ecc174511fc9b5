#pragma once
// A rectangle outline laid over a calendar cell (the selection and today outlines). It lets mouse
// clicks through to the calendar beneath.
#include <QColor>
#include <QWidget>

class Contorno : public QWidget {
    Q_OBJECT
public:
    Contorno(const QString &nombre, const QColor &color, int grosor, QWidget *parent);
    QColor color() const { return colorLinea; }
    int grosor() const { return grosorLinea; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QColor colorLinea;
    int grosorLinea;
};
