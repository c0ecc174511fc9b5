// Cost of one playback step on Track.htm (statement built, sent, drawn), one statement in flight at a
// time as the playback sends them, against an empty statement's round trip in the same run.
// Run: QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 build/bench/bench_mapa [calls]
#include "argumentosscript.h"
#include "entorno.h"
#include "puentemapa.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWebEngineView>
#include <cstdio>
#include <functional>

namespace {
QString paso(int i)
{
    const QString loc = QStringLiteral("COCHE1");
    return QStringLiteral("ponermapa('") + ArgumentoScript(QStringLiteral("Zona %1").arg(i % 9)) + "','" +
           QString::number(40.4 + i * 2e-5, 'f', 6) + "|','" + QString::number(-3.7 + i * 2e-5, 'f', 6) + "|','" +
           loc + "|','" + QStringLiteral("45,%1").arg(i % 100, 2, 10, QLatin1Char('0')) + "|','09:05:07<br>','12/05/2010 9:05:07','" +
           loc + "','SI',16,'" + (i % 351 == 350 ? "SI" : "NO") + "','00:12:40','3,27');";
}

// Sends n statements, each when the previous one has run; answers the milliseconds taken.
double rondas(PuenteMapa &puente, int n, const std::function<QString(int)> &sentencia)
{
    int enviadas = 0, hechas = 0;
    QObject ctx;
    QObject::connect(&puente, &PuenteMapa::SentenciaEjecutada, &ctx, [&](quint64) {
        if (++hechas < n)
            puente.Ejecutar(sentencia(++enviadas));
    });
    QElapsedTimer t;
    t.start();
    puente.Ejecutar(sentencia(enviadas));
    while (hechas < n)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return t.nsecsElapsed() / 1e6;
}
}

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const int n = argc > 1 ? std::max(1, atoi(argv[1])) : 5000;
    EstablecerCarpetaAplicacion(QStringLiteral(VARDEN_APPDIR));
    QWebEngineView vista;
    vista.resize(1200, 800);
    vista.show();
    PuenteMapa puente(&vista);
    bool cargada = false;
    QObject::connect(&puente, &PuenteMapa::DocumentoCompleto, &app, [&](bool ok) { cargada = ok; });
    puente.AbrirPagina(QStringLiteral("Track.htm"));
    QElapsedTimer espera;
    espera.start();
    while (!cargada && espera.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (!cargada) {
        std::fprintf(stderr, "Track.htm did not load from %s\n", qPrintable(PuenteMapa::DireccionPagina("Track.htm")));
        return 1;
    }
    puente.Ejecutar(QStringLiteral("asignaicono('coche1.png');"));
    rondas(puente, 200, [](int) { return QStringLiteral(";"); }); // warm-up
    const double vacio = rondas(puente, n, [](int) { return QStringLiteral(";"); });
    const double mapa = rondas(puente, n, paso);
    std::printf("calls: %d\n", n);
    std::printf("empty statement round trip: %.3f ms/call (baseline)\n", vacio / n);
    std::printf("ponermapa round:            %.3f ms/call\n", mapa / n);
    std::printf("ratio ponermapa / empty:    %.2f\n", mapa / vacio);
    std::printf("steps per second sustained: %.0f (the fastest playback setting asks for 1000)\n", n * 1000.0 / mapa);
    return 0;
}
