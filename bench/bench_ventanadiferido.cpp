// The playback window on a local file of 5,000,000 positions (5 locators, 1,000 days each): its
// opening (every start-up step, the map page left loading behind) and a click on another locator
// (calendar marks and the shown days' positions, summary, the day's first and last times),
// absolute goals in seconds; and the reading of a 20-day track (20,000 rows) against the same rows
// read raw through Qt SQL. The file is made once, straight through SQLite, and kept in the
// temporary folder for later runs.
// Run: ./bench_ventanadiferido [rounds]
#include "comparacion.h"
#include "dialogosguion.h"
#include "entorno.h"
#include "esquema.h"
#include "frmdiferido.h"
#include "kvcalen.h"
#include "llenadocrudo.h"
#include "marcoselecciondiferido.h"
#include "proveedor.h"
#include "module1.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <cstdio>

namespace {
constexpr int Localizadores = 5, Dias = 1000, PorDia = 1000;  // 5,000,000 rows

QString dos(int n) { return QString(QChar(u'0' + n / 10)) + QChar(u'0' + n % 10); }

// The cached application folder with its local file, made when missing.
bool preparar(const QString &carpeta)
{
    const QString ruta = QDir(carpeta).filePath("DATOS/datoslocalizador.sdf");
    if (QFile::exists(ruta))
        return true;
    QDir().mkpath(QFileInfo(ruta).absolutePath());
    const QString parcial = ruta + ".parcial";
    QFile::remove(parcial);
    QString error;
    if (!CrearBaseLocal(parcial, error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    QElapsedTimer t;
    t.start();
    const QDate primero = QDate::currentDate().addDays(-Dias);
    QStringList dias;
    for (int d = 0; d < Dias; ++d)
        dias << primero.addDays(d).toString("yyyy-MM-dd ");
    QStringList horas;
    for (int k = 0; k < PorDia; ++k) {
        const int s = k * 86;  // one position every 86 s
        horas << dos(s / 3600) + ':' + dos(s / 60 % 60) + ':' + dos(s % 60);
    }
    const QString info = QStringLiteral("GPS fijo");
    LlenarDatosCrudo(parcial, Localizadores * Dias * PorDia, [&](QSqlQuery &q, int i) {
        const int imei = i % Localizadores, k = i / Localizadores % PorDia, d = i / Localizadores / PorDia;
        q.bindValue(0, QStringLiteral("35698010000000%1").arg(imei));
        q.bindValue(1, dias[d] + horas[k]);
        q.bindValue(2, QStringLiteral("40.41"));
        q.bindValue(3, QStringLiteral("-3.70"));
        q.bindValue(4, QStringLiteral("12"));
        q.bindValue(5, info);
        q.bindValue(6, QString());
    });
    std::printf("  made the 5M-row file in %.0f s\n", t.elapsed() / 1000.0);
    return QFile::rename(parcial, ruta);
}
}

int main(int argc, char **argv)
{
    FijarZonaHoraria();  // as the program does
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const int rondas = argc > 1 ? QByteArray(argv[1]).toInt() : 7;
    const QString carpeta = QDir::temp().filePath("varden-bench-diferido-5m");
    if (!preparar(carpeta))
        return 1;
    EstablecerCarpetaAplicacion(carpeta);
    QFile::remove(QDir(carpeta).filePath("GPS"));
    QFile::link(QStringLiteral(VARDEN_GPS_CONSTRUIDO), QDir(carpeta).filePath("GPS"));
    if (!Module1::BaseLocal().ConectarLOCAL())
        return 1;
    DialogosGuion dialogos;

    Comparacion apertura("diferido_apertura_5m_s", 0.3), clic("diferido_clic_localizador_5m_s", 0.1);
    bool bien = true;
    for (int r = 0; r < rondas && bien; ++r) {
        QElapsedTimer t;
        t.start();
        auto w = std::make_unique<frmdiferido>();
        const double abrir = t.nsecsElapsed() / 1e9;
        QListWidget *lista = w->fraSeleccion->lbldiferido;
        bien = lista->count() == Localizadores && !w->fraSeleccion->txthorafin->text().isEmpty();
        t.restart();
        lista->setCurrentRow(1 + r % (Localizadores - 1));
        const double pulsar = t.nsecsElapsed() / 1e9;
        bien = bien && w->fraSeleccion->sspanelcaption->text().contains(QString::number(Dias));
        // The click also writes the positions of each shown day in its cell.
        const KVCalen *cal = w->fraSeleccion->KVCalen1;
        bien = bien && cal->DevuelveEtiqueta2(cal->FechaActual()) == QString::number(PorDia);
        std::printf("  round %d: opening %.3f s, locator click %.3f s\n", r + 1, abrir, pulsar);
        // The first opening also starts the web engine: later ones show the window's own cost.
        if (r > 0) {
            apertura.Anadir(abrir);
            clic.Anadir(pulsar);
        }
        w.reset();
        QCoreApplication::processEvents();
    }
    // A track of 20 days of the first locator: the record set the start button loads, against a
    // forward-only raw reading of the same rows (values as stored, no translation, no date parse).
    const QDate hoy = QDate::currentDate();
    const QString imei = QStringLiteral("356980100000000");
    const QString sql = QStringLiteral("SELECT * FROM DATOS WHERE IMEI='%1' AND FECHA BETWEEN '%2 00:00' AND '%3 23:59:59' ORDER BY FECHA ASC")
                            .arg(imei, hoy.addDays(-30).toString("M/d/yyyy"), hoy.addDays(-11).toString("M/d/yyyy"));
    Comparacion pista("diferido_lectura_pista_20000", 1.5);
    QSqlDatabase cruda = QSqlDatabase::addDatabase("QSQLITE", "cruda");
    cruda.setDatabaseName(RutaBaseLocal());
    bien = bien && cruda.open() && RegistrarColacionTSQL(cruda);
    for (int r = 0; r < rondas && bien; ++r) {
        qsizetype leidas = 0, crudas = 0;
        auto programa = [&] {
            auto rs = Module1::BaseLocal().DevuelveRecordset(sql);
            leidas = rs ? rs->RecordCount() : 0;
        };
        auto base = [&] {
            QSqlQuery q(cruda);
            q.setForwardOnly(true);
            q.prepare("SELECT * FROM DATOS WHERE IMEI = ? AND FECHA >= ? AND FECHA <= ? ORDER BY FECHA");
            q.bindValue(0, imei);
            q.bindValue(1, hoy.addDays(-30).toString("yyyy-MM-dd 00:00:00"));
            q.bindValue(2, hoy.addDays(-11).toString("yyyy-MM-dd 23:59:59"));
            q.exec();
            QList<QVariantList> filas;
            while (q.next()) {
                QVariantList f;
                for (int i = 0; i < 7; ++i)
                    f << q.value(i);
                filas << f;
            }
            crudas = filas.size();
        };
        pista.Ronda(r, programa, base);
        bien = leidas == 20 * PorDia && crudas == leidas;
    }
    cruda.close();
    cruda = QSqlDatabase();
    QSqlDatabase::removeDatabase("cruda");
    Module1::LiberarConexiones();
    if (!bien)
        std::fprintf(stderr, "a round failed\n");
    apertura.Imprimir();
    clic.Imprimir();
    pista.Imprimir();
    return bien ? 0 : 2;
}
