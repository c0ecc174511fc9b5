#pragma once
// Beside the playback map: the whole-track button, the track's summary and its stops; a click on
// a stop asks for its first point.
#include "analisisrecorrido.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTreeWidget;

class PanelRecorrido : public QWidget {
    Q_OBJECT
public:
    explicit PanelRecorrido(QWidget *padre);

    QPushButton *btncompleto;
    QLabel *lblresumen;
    QTreeWidget *lstparadas;

    void Poner(const ResumenRecorrido &r, const QList<TramoRecorrido> &paradas);
    void Vaciar();

Q_SIGNALS:
    void PuntoPedido(int n);  // from 1

private:
    QList<TramoRecorrido> tramos;
};
