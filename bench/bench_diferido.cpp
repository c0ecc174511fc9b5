// Playback of a 20,000-point track at "Muy Rápido" against the page Track.htm, in one run:
//  1. the step's own work: the engine's step alone (read-outs and the ponermapa text), no page;
//  2. the window's timer handler as it runs during playback (labels, its event pumping);
//  3. the page round trip: one ponermapa sent, run, reported back, through the same bridge;
//  4. the achieved playback rate, timer-driven, one statement in flight.
// Run headless: QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 build/bench/bench_diferido
#include "adosqlserver.h"
#include "llenadocrudo.h"
#include "consultasdiferido.h"
#include "dialogosguion.h"
#include "entorno.h"
#include "esquema.h"
#include "frmdiferido.h"
#include "module1.h"
#include "motordiferido.h"
#include "proveedor.h"
#include "puentemapa.h"
#include "regional.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <cstdio>

namespace {
int Puntos = 20000;  // a first argument plays a shorter track
const QString Localizador = QStringLiteral("356938035643809");
const QDate Dia(2010, 5, 12);

void llenar(const QString &ruta)
{
    const QDateTime inicio(Dia, QTime(0, 0));
    LlenarDatosCrudo(ruta, Puntos, [&](QSqlQuery &q, int i) {
        // A car going round a 2 km wide loop, a point every 4 s.
        const double a = i * 0.01;
        q.bindValue(0, Localizador);
        q.bindValue(1, inicio.addSecs(qint64(i) * 4).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        q.bindValue(2, QString::number(40.4168 + 0.01 * std::sin(a), 'f', 6));
        q.bindValue(3, QString::number(-3.7038 + 0.013 * std::cos(a), 'f', 6));
        q.bindValue(4, QString::number(20 + i % 17));
        q.bindValue(5, QStringLiteral("En ruta"));
        q.bindValue(6, i % 3 ? QStringLiteral("Centro") : QString());
    });
}

QString sqlPista()
{
    using namespace ConsultasDiferido;
    return SqlRecorrido(Localizador, LimitePeriodo(Regional::FechaCorta(Dia), QStringLiteral("0:00"), false),
                        LimitePeriodo(Regional::FechaCorta(Dia), QStringLiteral("23:59"), true));
}

AjustesPaso ajustes()
{
    AjustesPaso a;
    a.velocidad = QStringLiteral("Muy Rápido");
    a.zoom = QStringLiteral("Mediano");
    a.seguimiento = QStringLiteral("Todos los puntos");
    a.localizador = Localizador;
    return a;
}

template <typename F> bool esperar(F listo, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!listo() && t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return listo();
}

// Times the timer's handler each time it fires: the timer event is delivered from here.
// Also splits the time between ticks: from the handler's end to the page's report of its
// statement (the round trip as playback sees it), and from that report to the next tick.
class RelojPasos : public QObject {
public:
    QElapsedTimer reloj;
    qint64 ns = 0, finPaso = -1, informe = -1, idaYVuelta = 0, espera = 0;
    int pasos = 0, vueltas = 0, esperas = 0;
    RelojPasos() { reloj.start(); }
    void alInforme()
    {
        informe = reloj.nsecsElapsed();
        if (finPaso >= 0) {
            idaYVuelta += informe - finPaso;
            ++vueltas;
            finPaso = -1;
        }
    }
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() != QEvent::Timer)
            return false;
        const qint64 inicio = reloj.nsecsElapsed();
        if (informe >= 0) {
            espera += inicio - informe;
            ++esperas;
            informe = -1;
        }
        o->removeEventFilter(this);
        o->event(e);
        o->installEventFilter(this);
        finPaso = reloj.nsecsElapsed();
        ns += finPaso - inicio;
        ++pasos;
        return true;
    }
};
}

int main(int argc, char *argv[])
{
    FijarZonaHoraria();  // as the program does
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    if (argc > 1 && QByteArray(argv[1]).toInt() > 0)
        Puntos = QByteArray(argv[1]).toInt();
    QTemporaryDir carpeta;
    EstablecerCarpetaAplicacion(carpeta.path());
    const QString gps = qEnvironmentVariable("VARDEN_GPS_DIR", QStringLiteral(VARDEN_GPS_CONSTRUIDO));
    if (!QFile::link(gps, carpeta.filePath(QStringLiteral("GPS")))) {
        std::fprintf(stderr, "no map pages at %s\n", qPrintable(gps));
        return 1;
    }
    QString error;
    if (!CrearBaseLocal(RutaBaseLocal(), error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    llenar(RutaBaseLocal());
    if (!Module1::BaseLocal().ConectarLOCAL())
        return 1;
    DialogosGuion dialogos;

    // 1. The engine's step alone.
    QElapsedTimer t;
    t.start();
    auto rs = Module1::BaseLocal().DevuelveRecordset(sqlPista());
    const double cargaMs = t.nsecsElapsed() / 1e6;
    if (!rs || rs->RecordCount() != Puntos) {
        std::fprintf(stderr, "track not loaded\n");
        return 1;
    }
    MotorDiferido motor;
    motor.Cargar(std::move(rs));
    const AjustesPaso a = ajustes();
    QStringList muestras;  // statements for the round-trip baseline
    int pasosMotor = 0;
    t.restart();
    for (;;) {
        MotorDiferido::Paso p = motor.GestionSigPunto(a);
        if (p.resultado != MotorDiferido::Resultado::Punto)
            break;
        ++pasosMotor;
        if (muestras.size() < 3000)
            muestras << p.sentencias.last().texto;
    }
    const double motorUs = t.nsecsElapsed() / 1e3 / pasosMotor;

    // The window, its page loaded.
    frmdiferido w;
    w.show();
    if (!esperar([&] { return w.Mapa()->Cargada(); }, 30000)) {
        std::fprintf(stderr, "page did not load\n");
        return 1;
    }

    // 2 and 4. Timer-driven playback of the whole track at "Muy Rápido".
    auto *lista = w.findChild<QListWidget *>(QStringLiteral("lbldiferido"));
    lista->setCurrentRow(0);
    w.findChild<QLineEdit *>(QStringLiteral("txtfechainicio"))->setText(Regional::FechaCorta(Dia));
    w.findChild<QLineEdit *>(QStringLiteral("txtfechafin"))->setText(Regional::FechaCorta(Dia));
    w.findChild<QLineEdit *>(QStringLiteral("txthorainicio"))->setText(QStringLiteral("0:00"));
    w.findChild<QLineEdit *>(QStringLiteral("txthorafin"))->setText(QStringLiteral("23:59"));
    w.findChild<QComboBox *>(QStringLiteral("cmbspeedinicial"))->setCurrentText(QStringLiteral("Muy Rápido"));
    RelojPasos reloj;
    w.timerdiferido->installEventFilter(&reloj);
    QObject::connect(w.Mapa(), &PuenteMapa::SentenciaEjecutada, &reloj, [&reloj] { reloj.alInforme(); });
    t.restart();
    w.findChild<QToolButton *>(QStringLiteral("btninicia"))->click();
    const bool acabado = esperar([&] { return !dialogos.mensajes.isEmpty(); }, 600000);
    const double totalS = t.nsecsElapsed() / 1e9;
    if (!acabado || dialogos.mensajes.first().texto != QStringLiteral("Finalizó el seguimiento!")) {
        std::fprintf(stderr, "playback did not finish (%d steps)\n", reloj.pasos);
        return 1;
    }
    const double ventanaUs = reloj.ns / 1e3 / reloj.pasos;

    // 3. Page round trip with the map shown as it was during playback: one ponermapa at a time,
    // each sent when the previous has run.
    PuenteMapa *mapa = w.Mapa();
    quint64 esperado = 0;
    bool hecho = false;
    QObject::connect(mapa, &PuenteMapa::SentenciaEjecutada, &app, [&](quint64 id) {
        if (id == esperado)
            hecho = true;
    });
    const int vueltas = int(muestras.size());
    t.restart();
    for (const QString &s : muestras) {
        hecho = false;
        esperado = mapa->Ejecutar(s);
        while (!hecho)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    const double vueltaUs = t.nsecsElapsed() / 1e3 / vueltas;
    mapa->Ejecutar(QStringLiteral("limpiamapa();"), QStringLiteral("JavaScript"));


    std::printf("Track: %d points, read once in %.1f ms\n", Puntos, cargaMs);
    std::printf("1. engine step (own work, no page):    %8.2f us/step  (%d steps)\n", motorUs, pasosMotor);
    std::printf("2. window timer handler during play:   %8.2f us/step  (%d ticks)\n", ventanaUs, reloj.pasos);
    std::printf("3. page round trip of one ponermapa:   %8.2f us       (%d round trips, baseline)\n", vueltaUs, vueltas);
    std::printf("   engine step / round trip:           %8.2f %%  (target < 10 %%)\n", 100 * motorUs / vueltaUs);
    std::printf("   window handler / round trip:        %8.2f %%\n", 100 * ventanaUs / vueltaUs);
    std::printf("   during playback: statement run and reported %.2f us after the step, next tick %.2f us later\n",
                reloj.idaYVuelta / 1e3 / qMax(1, reloj.vueltas), reloj.espera / 1e3 / qMax(1, reloj.esperas));
    std::printf("4. achieved at \"Muy Rápido\":          %8.0f steps/s  (%d points in %.2f s; bound by the page: %.0f/s)\n",
                Puntos / totalS, Puntos, totalS, 1e6 / vueltaUs);
    Module1::LiberarConexiones();
    return 0;
}
