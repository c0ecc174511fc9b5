// Replay with the map shown, at each speed setting: steps per second achieved against the
// setting's nominal rate, through the window's player and the page Track.htm. At "Muy Rápido" the
// player (paced by the clock, every due step in one statement) is interleaved over several rounds
// with the one-step-per-round-trip protocol as baseline, on the same page in the same run.
// Run: QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 build/bench/bench_mapa
#include "analisisrecorrido.h"
#include "comparacion.h"
#include "entorno.h"
#include "paginarecorrido.h"
#include "puentemapa.h"
#include "reproductordiferido.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWebEngineView>
#include <cmath>
#include <cstdio>

namespace {
constexpr int Puntos = 20000;

std::unique_ptr<Recordset> pista()
{
    QList<QVariantList> filas;
    filas.reserve(Puntos);
    const QDateTime inicio(QDate(2010, 5, 12), QTime(6, 0), Qt::UTC);
    for (int i = 0; i < Puntos; ++i)
        filas << QVariantList{inicio.addSecs(i * 7), QString::number(40.4 + i * 2e-5, 'f', 6),
                              QString::number(-3.7 + (i % 500) * 2e-5, 'f', 6), QStringLiteral("24,3"),
                              QStringLiteral("Zona %1").arg(i % 9)};
    return std::make_unique<Recordset>(QStringList{"FECHA", "LATITUD", "LONGITUD", "VELOCIDAD", "ZONA"}, filas);
}

AjustesPaso ajustes(const QString &velocidad)
{
    AjustesPaso a;
    a.velocidad = velocidad;
    a.zoom = QStringLiteral("Mediano");
    a.seguimiento = QStringLiteral("Todos los puntos");
    a.etiquetas = true;
    a.localizador = QStringLiteral("COCHE1");
    return a;
}

void esperar(const std::function<bool()> &listo)
{
    while (!listo())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

// The player as the window runs it, its clock running `escala` times faster than the wall clock
// (1: as in the program; more: the player is asked for more than it can give, which measures what
// it sustains). Answers steps per second of wall-clock time, from the first statement sent to the
// last one run.
double reproductor(PuenteMapa &puente, const QString &velocidad, int pasos, int escala = 1)
{
    std::unique_ptr<Recordset> filas = pista();
    quint64 ultimo = 0, hecho = 0;
    QElapsedTimer t;
    qint64 primero = -1;
    int posPrimero = 0;
    ReproductorDiferido *rp = nullptr;
    ReproductorDiferido r(
        [&](const SentenciaPagina &s) {
            if (primero < 0) {
                primero = t.nsecsElapsed();
                posPrimero = 1;
            }
            return ultimo = puente.Ejecutar(s.texto, s.lenguaje);
        },
        [&] { return ajustes(velocidad); });
    rp = &r;
    t.start();
    r.PonerReloj([&t, escala] { return t.elapsed() * escala; });
    QObject ctx;
    QObject::connect(&puente, &PuenteMapa::SentenciaEjecutada, &ctx, [&](quint64 id) {
        hecho = id;
        rp->SentenciaEjecutada(id);
    });
    r.Cargar(std::move(filas), velocidad);
    esperar([&] { return r.Motor().posicion() > pasos && hecho == ultimo; });
    const double s = (t.nsecsElapsed() - primero) / 1e9;
    r.Pausar();
    puente.Ejecutar(QStringLiteral("limpiamapa();"));
    // The first statement's steps were sent at its start: the rate counts those after it.
    return (r.Motor().posicion() - 1 - posPrimero) / s;
}

// Baseline: one step per statement, the next armed 1 ms after the page has run it.
double unoPorVuelta(PuenteMapa &puente, int pasos)
{
    MotorDiferido m;
    m.Cargar(pista());
    const AjustesPaso a = ajustes(QStringLiteral("Muy Rápido"));
    QTimer timer;
    timer.setSingleShot(true);
    quint64 esperado = 0;
    int hechos = 0;
    QObject ctx;
    QObject::connect(&timer, &QTimer::timeout, &ctx, [&] {
        QString s;
        for (const SentenciaPagina &p : m.GestionSigPunto(a).sentencias)
            s += p.texto;
        esperado = puente.Ejecutar(s);
    });
    QObject::connect(&puente, &PuenteMapa::SentenciaEjecutada, &ctx, [&](quint64 id) {
        if (id == esperado && ++hechos < pasos)
            timer.start(1);
    });
    QElapsedTimer t;
    t.start();
    timer.start(1);
    esperar([&] { return hechos >= pasos; });
    const double s = t.nsecsElapsed() / 1e9;
    puente.Ejecutar(QStringLiteral("limpiamapa();"));
    return hechos / s;
}
}

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    EstablecerCarpetaAplicacion(QStringLiteral(VARDEN_APPDIR));
    QWebEngineView vista;
    vista.resize(1366, 600);
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
    reproductor(puente, QStringLiteral("Muy Rápido"), 500);  // warm-up

    // What the player and the page sustain at "Muy Rápido" (its clock 10 times fast), interleaved
    // with the one-step-per-round-trip protocol on the same page.
    // "recorrido" as first argument: only the whole track and the stops.
    const bool soloRecorrido = argc > 1 && QByteArray(argv[1]) == "recorrido";
    const int rondas = soloRecorrido ? 0 : 5;
    Comparacion capacidad("replay/muy-rapido-sustained-steps-per-s", 1000, false);
    QList<double> base;
    for (int i = 0; i < rondas; ++i) {
        double p = 0, b = 0;
        if (i % 2 == 0) {
            p = reproductor(puente, QStringLiteral("Muy Rápido"), 5000, 10);
            b = unoPorVuelta(puente, 300);
        } else {
            b = unoPorVuelta(puente, 300);
            p = reproductor(puente, QStringLiteral("Muy Rápido"), 5000, 10);
        }
        capacidad.Anadir(p);
        base << b;
        std::printf("  Muy Rápido sustained round %d: player %.0f steps/s, one step per round trip %.0f steps/s, ratio %.2f\n",
                    i + 1, p, b, p / b);
    }
    // Every setting as the program paces it: achieved against nominal (1000 / interval).
    struct Ajuste { const char *texto, *camino; int intervalo, pasos; };
    const Ajuste ajustes[] = {{"Muy Rápido", "replay/muy-rapido-achieved-vs-nominal", 1, 3000},
                              {"Rápido", "replay/rapido-achieved-vs-nominal", 20, 100},
                              {"Normal", "replay/normal-achieved-vs-nominal", 300, 10},
                              {"Lento", "replay/lento-achieved-vs-nominal", 1000, 4},
                              {"Muy Lento", "replay/muy-lento-achieved-vs-nominal", 1800, 3}};
    QList<Comparacion> otras;
    for (const Ajuste &a : ajustes)
        otras.append(Comparacion(a.camino, 0.95, false));
    for (int i = 0; i < (soloRecorrido ? 0 : 3); ++i)
        for (int k = 0; k < 5; ++k) {
            const double v = reproductor(puente, QString::fromUtf8(ajustes[k].texto), ajustes[k].pasos);
            const double nominal = 1000.0 / ajustes[k].intervalo;
            otras[k].Anadir(v / nominal);
            std::printf("  %s round %d: %.2f steps/s, nominal %.2f, achieved/nominal %.3f\n", ajustes[k].texto, i + 1, v,
                        nominal, v / nominal);
        }
    // The whole track (100k points) drawn at once with its summary, against drawing the same
    // points as a Leaflet polyline (the baseline); and the stops of 1M positions against one pass
    // of the distances between consecutive points.
    QList<PuntoRecorrido> cien;
    for (int i = 0; i < 100000; ++i)
        cien << PuntoRecorrido{QDateTime(QDate(2010, 5, 12), QTime(0, 0), Qt::UTC).addSecs(i * 3),
                               40.4 + (i % 2000) * 2e-5, -3.7 + (i / 2000) * 2e-4, double(i % 90), QStringLiteral("Nave")};
    auto correr = [&](const QString &sentencia) {
        bool listo = false;
        QObject ctx;
        const quint64 id = puente.Ejecutar(sentencia);
        QObject::connect(&puente, &PuenteMapa::SentenciaEjecutada, &ctx, [&](quint64 n) { listo = listo || n == id; });
        esperar([&] { return listo; });
    };
    Comparacion completo("whole-track/100k-drawn-with-summary-ms", 1000);
    auto programa = [&] {
        QElapsedTimer t;
        t.start();
        const ResumenRecorrido r = AnalisisRecorrido::Resumir(cien);
        const double resumenMs = t.nsecsElapsed() / 1e6;
        const QString sentencia = PaginaRecorrido::SentenciaVerRecorrido(cien, r.saltos);
        const double textoMs = t.nsecsElapsed() / 1e6 - resumenMs;
        correr(sentencia + QStringLiteral("estadoMapa();"));
        QCoreApplication::processEvents();
        std::printf("  (summary %.0f ms, statement %.0f ms, %lld characters)\n", resumenMs, textoMs, qlonglong(sentencia.size()));
        return t.nsecsElapsed() / 1e6;
    };
    auto polilinea = [&] {
        QElapsedTimer t;
        t.start();
        QString c;
        for (const PuntoRecorrido &q : cien)
            c += (c.isEmpty() ? QString() : QStringLiteral(",")) + u'[' + QString::number(q.latitud, 'f', 6) + u',' +
                 QString::number(q.longitud, 'f', 6) + u']';
        correr(QStringLiteral("limpiamapa();var _l=L.polyline([") + c + QStringLiteral("]).addTo(capa);mapa.fitBounds(_l.getBounds());"));
        QCoreApplication::processEvents();
        return t.nsecsElapsed() / 1e6;
    };
    for (int i = 0; i < 7; ++i) {
        // Each side goes first every other round.
        double p = 0, b = 0;
        if (i % 2 == 0) {
            p = programa();
            correr(QStringLiteral("limpiamapa();"));
            b = polilinea();
        } else {
            b = polilinea();
            correr(QStringLiteral("limpiamapa();"));
            p = programa();
        }
        correr(QStringLiteral("limpiamapa();"));
        completo.Anadir(p);
        std::printf("  whole track round %d: %.0f ms (polyline baseline %.0f ms)\n", i + 1, p, b);
    }
    QList<PuntoRecorrido> millon;
    millon.reserve(1000000);
    for (int i = 0; i < 1000000; ++i)
        millon << PuntoRecorrido{QDateTime(QDate(2010, 5, 12), QTime(0, 0), Qt::UTC).addSecs(i * 7),
                                 40.4 + (i % 5000) * 1e-4, -3.7, (i / 300) % 3 == 0 ? 0.0 : 40.0, {}};
    Comparacion paradas("stops/1M-positions-ms", 500);
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer t;
        t.start();
        const qsizetype n = AnalisisRecorrido::Paradas(millon).size();
        const double p = t.nsecsElapsed() / 1e6;
        t.restart();
        double km = 0;
        for (qsizetype k = 1; k < millon.size(); ++k)
            km += std::abs(millon[k].latitud - millon[k - 1].latitud);
        const double b = t.nsecsElapsed() / 1e6;
        paradas.Anadir(p);
        std::printf("  stops of 1M round %d: %.0f ms, %lld stops (one pass of differences: %.1f ms, %.0f)\n", i + 1, p,
                    qlonglong(n), b, km);
    }
    if (!soloRecorrido) {
        std::sort(base.begin(), base.end());
        std::printf("baseline (one step per round trip) median: %.0f steps/s\n", base[base.size() / 2]);
        capacidad.Imprimir();
        for (const Comparacion &c : otras)
            c.Imprimir();
    }
    completo.Imprimir();
    paradas.Imprimir();
    return 0;
}
