#pragma once
// What every test shares: waiting on the event loop for a condition, finding a named child, and
// the main() of tests that run the web engine.
#include <QApplication>
#include <QObject>
#include <QString>
#include <QtTest>

#include <functional>

class QAbstractButton;

namespace Prueba {

// Lets events run until listo() holds or ms pass; answers listo().
bool esperar(const std::function<bool()> &listo, int ms = 15000);

// The child of padre with that object name (null when there is none or it has another type).
template <class T> T *hijo(const QObject &padre, const QString &nombre)
{
    return padre.findChild<T *>(nombre);
}

// Clicks abre, which shows a window modally. As soon as events run inside that window's modal
// loop, notes the modal window's name, clicks otro (a control of a window underneath) as the
// window system would deliver it, then closes the modal window. Answers the name, followed by
// " y el llamador responde" when otro reacted; empty when no modal loop ran.
QString abiertaModal(QAbstractButton *abre, QAbstractButton *otro);

}

// Qt WebEngine needs shared GL contexts requested before the application exists.
#define VARDEN_TEST_WEB_MAIN(Clase)                                                                          \
    int main(int argc, char *argv[])                                                                         \
    {                                                                                                        \
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);                                          \
        QApplication app(argc, argv);                                                                        \
        Clase prueba;                                                                                        \
        return QTest::qExec(&prueba, argc, argv);                                                            \
    }
