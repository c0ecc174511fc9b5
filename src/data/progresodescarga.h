#pragma once
// The part of Module1's shared state that the download shares with DameRecordset while it runs.
// The references are guarded: once the download window is gone they read as null and the
// fetch goes on without a progress display.
#include <QDateTime>
#include <QLabel>
#include <QPointer>
#include <QWidget>

// What the download window offers DameRecordset: the fill percentage of its progress panel.
class ProgresoDescarga {
public:
    virtual ~ProgresoDescarga() = default;
    virtual void EstablecerPorcentaje(double porcentaje) = 0;
};

namespace Module1 {
extern qint32 TotalRemotoDia;
extern QDateTime FechaDescarga;
extern QPointer<QLabel> EtiquetaProgreso;
extern QPointer<QWidget> FormularioDescarga;  // a window that also implements ProgresoDescarga
}
