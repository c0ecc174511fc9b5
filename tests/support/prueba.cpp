#include "prueba.h"

#include <QElapsedTimer>

namespace Prueba {
bool esperar(const std::function<bool()> &listo, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!listo() && t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return listo();
}
}
