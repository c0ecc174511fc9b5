#pragma once
// What the printed reports share: the landscape A4 page, the report font and the modal preview
// window with its "Guardar PDF" action.
#include <QFont>
#include <QPageLayout>
#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace PaginaInforme {
// A4 landscape with the same margin on every side, in millimetres.
QPageLayout Apaisada(qreal margenMm);
// Arial at that size.
QFont Fuente(qreal puntos, bool negrita = false);
// The preview (maximised, modal) of a report painted by `pintar`; "Guardar PDF" asks for a file
// (proposing `nombrePdf` in the home folder) and hands it to `guardarPdf`, saying so when it fails.
void VistaPrevia(QWidget *padre, const QString &titulo, qreal margenMm, const std::function<void(QPrinter *)> &pintar,
                 const QString &nombrePdf, const std::function<bool(const QString &)> &guardarPdf);
}
