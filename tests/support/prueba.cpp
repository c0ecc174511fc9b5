#include "prueba.h"

#include <QAbstractButton>
#include <QDialog>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTimer>

namespace Prueba {
bool esperar(const std::function<bool()> &listo, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!listo() && t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return listo();
}

QString abiertaModal(QAbstractButton *abre, QAbstractButton *otro)
{
    QWidget *llamador = abre->window();
    QSignalSpy pulsado(otro, &QAbstractButton::clicked);
    QString vista;
    bool primera = true;
    QTimer vigia;
    vigia.setInterval(0);
    QObject::connect(&vigia, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (primera) {
            primera = false;
            vista = modal ? modal->objectName() : QStringLiteral("ninguna");
            QWidget *fondo = otro->window();
            const QPoint centro = otro->mapTo(fondo, otro->rect().center());
            QTest::mouseClick(fondo->windowHandle(), Qt::LeftButton, {}, centro);
            if (!pulsado.isEmpty())
                vista += QStringLiteral(" y el llamador responde");
        }
        // The window under test closes once it is the modal one (a later load step may still run).
        if (modal && modal != llamador && modal->isVisible()) {
            if (auto *d = qobject_cast<QDialog *>(modal))
                d->reject();
            else
                modal->close();
        }
    });
    vigia.start();
    abre->click();
    return vista;
}
}
