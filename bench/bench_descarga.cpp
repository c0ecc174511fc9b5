// One service day of 100,000 positions downloaded into an empty local file: the whole day, its
// write phase, and the write phase against a plain prepared SQLite insert of the same rows in
// one transaction (the baseline, measured in the same run). Also the peak memory while the day
// is held. Run: QT_QPA_PLATFORM=offscreen ./bench_descarga [rows]
#include "descargaposiciones.h"
#include "entorno.h"
#include "esquema.h"
#include "frmdownload.h"
#include "module1.h"
#include "proveedor.h"
#include "serviciodemo.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>

namespace {
struct Posicion {
    QString imei, fecha, lat, lon, vel, info, zona;
};

QList<Posicion> posiciones(const QDate &dia, int n)
{
    QList<Posicion> r;
    r.reserve(n);
    const QStringList imeis = Demo::Localizadores();
    for (int i = 0; i < n; ++i) {
        const int segundo = i / imeis.size();  // every locator once a second, all day long
        Posicion p;
        p.imei = imeis[i % imeis.size()];
        p.fecha = QDateTime(dia, QTime(0, 0)).addSecs(segundo % 86400).toString("yyyy-MM-dd HH:mm:ss");
        p.lat = QString::number(40.4 + (i % 1000) * 1e-5, 'f', 10);
        p.lon = QString::number(-3.7 - (i % 977) * 1e-5, 'f', 10);
        p.vel = QString::number(i % 120);
        p.info = QStringLiteral("GPS fijo, 9 satélites");
        p.zona = i % 3 ? QStringLiteral("Nave 1") : QString();
        r << p;
    }
    return r;
}

// Inserts the rows with one prepared statement in one transaction; extra columns after the seven.
bool insertar(const QString &archivo, const QString &sql, const QList<Posicion> &filas, const QString &titular,
              double &ms)
{
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "bench");
        db.setDatabaseName(archivo);
        ok = db.open();
        RegistrarColacionTSQL(db);
        QElapsedTimer t;
        t.start();
        db.transaction();
        QSqlQuery q(db);
        ok = ok && q.prepare(sql);
        for (const Posicion &p : filas) {
            if (!ok)
                break;
            q.bindValue(0, p.imei);
            q.bindValue(1, p.fecha);
            q.bindValue(2, p.lat);
            q.bindValue(3, p.lon);
            q.bindValue(4, p.vel);
            q.bindValue(5, p.info);
            q.bindValue(6, p.zona.isEmpty() ? QVariant() : QVariant(p.zona));
            if (!titular.isEmpty())
                q.bindValue(7, titular);
            ok = q.exec();
        }
        if (!ok)
            std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text()));
        ok = db.commit() && ok;
        ms = t.nsecsElapsed() / 1e6;
        db.close();
    }
    QSqlDatabase::removeDatabase("bench");
    return ok;
}

long kbDe(const char *campo)
{
    QFile f("/proc/self/status");
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &l : f.readAll().split('\n'))
        if (l.startsWith(campo))
            return l.mid(qstrlen(campo)).trimmed().split(' ').first().toLong();
    return -1;
}

struct VistaBench : VistaDescarga {
    QElapsedTimer reloj;
    double grabando = -1, fin = -1;
    QStringList lineas;
    void MostrarEstado(const QString &t) override
    {
        if (t.startsWith("Grabando en Local"))
            grabando = reloj.nsecsElapsed() / 1e6;
    }
    void AnadirLinea(const QString &t) override
    {
        fin = reloj.nsecsElapsed() / 1e6;
        lineas << t;
    }
    void MostrarInsertados(qint32) override {}
    void EstablecerPorcentaje(double) override {}
    void Repintar() override {}
    bool PreguntarContinuar() override { return false; }
};
}

int main(int argc, char **argv)
{
    FijarZonaHoraria();  // as the program does
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int n = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    QTemporaryDir dir;
    EstablecerCarpetaAplicacion(dir.path());
    ADOSQLSERVER::EstablecerServidorRemoto(QString());
    const QDate hoy = QDate::currentDate();
    const QList<Posicion> filas = posiciones(hoy, n);

    QString error;
    double ms = 0;
    if (!CrearServicioVacio(RutaServicioDemo(), error) || !CrearBaseLocal(RutaBaseLocal(), error) ||
        !insertar(RutaServicioDemo(), "INSERT INTO POSICIONES VALUES (?,?,?,?,?,?,?,?)", filas, Demo::Titular, ms)) {
        std::fprintf(stderr, "setup: %s\n", qPrintable(error));
        return 1;
    }
    Module1::CodigoTitular = Demo::Titular;
    if (!Module1::ServidorRemoto().ConectarMERLAN() || !Module1::BaseLocal().ConectarLOCAL())
        return 1;

    frmdownload ventana;  // the progress label and panel that the fetch writes into
    VistaBench vista;
    DescargaPosiciones descarga(vista);
    Module1::FechaDescarga = QDateTime(hoy, QTime(0, 0));

    QFile reinicio("/proc/self/clear_refs");  // resets the peak resident size
    if (reinicio.open(QIODevice::WriteOnly))
        reinicio.write("5");
    reinicio.close();
    const long antes = kbDe("VmRSS:");
    vista.reloj.start();
    const auto dia = descarga.BajarDia();
    const double total = vista.reloj.nsecsElapsed() / 1e6;
    const long pico = kbDe("VmHWM:");
    const double escritura = vista.fin - vista.grabando;
    const qint32 locales = Module1::BaseLocal().NumRegistros("SELECT Count(*) FROM DATOS");
    Module1::LiberarConexiones();

    // Baseline: the same rows into another empty local file, one prepared insert, one transaction.
    const QString otra = dir.filePath("DATOS/base.sdf");
    double base = 0;
    if (!CrearBaseLocal(otra, error) ||
        !insertar(otra, "INSERT INTO DATOS (IMEI, FECHA, LATITUD, LONGITUD, VELOCIDAD, INFORMACION, ZONA) VALUES (?,?,?,?,?,?,?)",
                  filas, QString(), base)) {
        std::fprintf(stderr, "baseline: %s\n", qPrintable(error));
        return 1;
    }

    std::printf("rows in the day:                %d (written: %d, %s)\n", n, locales,
                dia == DescargaPosiciones::Dia::Bajado ? qPrintable(vista.lineas.value(0)) : "FAILED");
    std::printf("whole day (count+fetch+write):  %.0f ms\n", total);
    std::printf("  fetch phase:                  %.0f ms\n", vista.grabando);
    std::printf("  write phase:                  %.0f ms\n", escritura);
    std::printf("baseline prepared insert:       %.0f ms\n", base);
    std::printf("write phase / baseline:         %.2f (target <= 2)\n", escritura / base);
    std::printf("resident before the day:        %ld KiB\n", antes);
    std::printf("peak resident while held:       %ld KiB (+%ld KiB, %.0f bytes/row)\n", pico, pico - antes,
                (pico - antes) * 1024.0 / qMax(1, n));
    return locales == n ? 0 : 2;
}
