#include "paginainforme.h"

#include "dialogos.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

namespace PaginaInforme {

QPageLayout Apaisada(qreal m)
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(m, m, m, m), QPageLayout::Millimeter);
}

QFont Fuente(qreal puntos, bool negrita)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(puntos);
    f.setBold(negrita);
    return f;
}

void VistaPrevia(QWidget *padre, const QString &titulo, qreal margenMm, const std::function<void(QPrinter *)> &pintar,
                 const QString &nombrePdf, const std::function<bool(const QString &)> &guardarPdf)
{
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setPageLayout(Apaisada(margenMm));
    QPrintPreviewDialog vista(&impresora, padre);
    vista.setObjectName(QStringLiteral("VistaPrevia"));
    vista.setWindowTitle(titulo);
    vista.setWindowState(Qt::WindowMaximized);
    QObject::connect(&vista, &QPrintPreviewDialog::paintRequested, &vista, pintar);
    if (auto *barra = vista.findChild<QToolBar *>()) {
        auto *guardar = barra->addAction(QStringLiteral("Guardar PDF"));
        guardar->setObjectName(QStringLiteral("GuardarPdf"));
        QObject::connect(guardar, &QAction::triggered, &vista, [&vista, nombrePdf, guardarPdf] {
            const QString ruta = QFileDialog::getSaveFileName(&vista, QStringLiteral("Guardar PDF"),
                                                              QDir::home().filePath(nombrePdf), QStringLiteral("PDF (*.pdf)"));
            if (!ruta.isEmpty() && !guardarPdf(ruta))
                MsgBox(QStringLiteral("No se ha podido escribir el PDF en %1").arg(ruta), vb::vbExclamation, QString());
        });
    }
    vista.exec();
}
}
