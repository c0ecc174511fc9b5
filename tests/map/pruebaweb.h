#pragma once
// Helpers for tests that drive pages in the real engine, headless.
#include "puentemapa.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QVariant>
#include <QtTest>

namespace PruebaWeb {

// Lets the engine work until listo() holds or ms pass.
template <typename F> bool esperar(F listo, int ms = 15000)
{
    QElapsedTimer t;
    t.start();
    while (!listo() && t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return listo();
}

// Evaluates an expression through the bridge's queue and waits for the answer.
inline QVariant evaluar(PuenteMapa &puente, const QString &expresion)
{
    QObject contexto;
    bool listo = false;
    QVariant r;
    puente.Evaluar(expresion, &contexto, [&](const QVariant &v) {
        r = v;
        listo = true;
    });
    esperar([&] { return listo; });
    return r;
}

// Opens a page of the application folder and waits for its load.
inline bool abrir(PuenteMapa &puente, const QString &pagina)
{
    QSignalSpy cargada(&puente, &PuenteMapa::DocumentoCompleto);
    puente.AbrirPagina(pagina);
    return esperar([&] { return !cargada.isEmpty(); }) && cargada.first().first().toBool();
}

// Waits until every statement sent so far has run (an empty read behind them answers).
inline void vaciarCola(PuenteMapa &puente) { evaluar(puente, QStringLiteral("0")); }

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
