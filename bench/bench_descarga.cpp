// One service day of 100,000 positions downloaded into an empty local file, over several rounds:
// the whole day (rows written as they arrive, progress shown in the download window) against a
// plain SQLite copy of the same rows, read from the service file and inserted with one prepared
// statement in one transaction (the baseline, interleaved in the same run), and the peak
// resident memory the day adds (VmHWM).
// Run: ./bench_descarga [rows] [rounds]
#include "comparacion.h"
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
#include <QListWidget>
#include <QProcess>
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

// The floor of a day's download: the service's rows of the day read straight from its file and
// inserted into the local file, one prepared insert, one transaction; ms from the open connections
// to the commit, as the program's day is timed.
bool copiar(const QString &servicio, const QString &local, const QDate &dia, const QString &titular, double &ms)
{
    QElapsedTimer t;
    bool ok = true;
    {
        QSqlDatabase origen = QSqlDatabase::addDatabase("QSQLITE", "origen");
        origen.setDatabaseName(servicio);
        QSqlDatabase destino = QSqlDatabase::addDatabase("QSQLITE", "destino");
        destino.setDatabaseName(local);
        ok = origen.open() && destino.open() && RegistrarColacionTSQL(origen) && RegistrarColacionTSQL(destino);
        t.start();
        QSqlQuery leer(origen);
        leer.setForwardOnly(true);
        ok = ok && leer.prepare("SELECT NOMBRE,FECHA,LATITUD,LONGITUD,VELOCIDAD,INFORMACION,ZONA FROM POSICIONES "
                                "WHERE FECHA >= ? AND FECHA < ? AND TITULAR = ?");
        leer.bindValue(0, dia.toString("yyyy-MM-dd"));
        leer.bindValue(1, dia.addDays(1).toString("yyyy-MM-dd"));
        leer.bindValue(2, titular);
        ok = ok && destino.transaction() && leer.exec();
        QSqlQuery escribir(destino);
        ok = ok && escribir.prepare("INSERT INTO DATOS (IMEI, FECHA, LATITUD, LONGITUD, VELOCIDAD, INFORMACION, ZONA) VALUES (?,?,?,?,?,?,?)");
        while (ok && leer.next()) {
            for (int i = 0; i < 7; ++i)
                escribir.bindValue(i, leer.value(i));
            ok = escribir.exec();
        }
        ok = destino.commit() && ok;
        ms = t.nsecsElapsed() / 1e6;
    }
    QSqlDatabase::removeDatabase("origen");
    QSqlDatabase::removeDatabase("destino");
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

// The download window shown (it draws into the offscreen screen), with the moments the day's
// writing began and ended noted on the way.
struct VistaBench : VistaDescarga {
    frmdownload &ventana;
    QElapsedTimer reloj;
    double grabando = -1, fin = -1;
    QStringList lineas;
    explicit VistaBench(frmdownload &ventana) : ventana(ventana) {}
    void MostrarEstado(const QString &t) override
    {
        if (t.startsWith("Grabando en Local"))
            grabando = reloj.nsecsElapsed() / 1e6;
        ventana.MostrarEstado(t);
    }
    void AnadirLinea(const QString &t) override
    {
        fin = reloj.nsecsElapsed() / 1e6;
        lineas << t;
        ventana.AnadirLinea(t);
    }
    void MostrarInsertados(qint32 total) override { ventana.MostrarInsertados(total); }
    void EstablecerPorcentaje(double p) override { ventana.EstablecerPorcentaje(p); }
    void Repintar() override { ventana.Repintar(); }
    bool PreguntarContinuar() override { return false; }
};

// Shows the window without its own download: hidden again before its first turn of events, it
// does not start one, and a later show never does.
void mostrarSinDescarga(frmdownload &ventana)
{
    ventana.show();
    ventana.hide();
    QCoreApplication::processEvents();
    ventana.show();
    QCoreApplication::processEvents();
}
}

// The child that measures memory: one day into a fresh local file of the given application folder;
// prints the peak resident size the day added over the idle program, in KiB.
int memoriaDeUnDia(const QString &carpeta)
{
    EstablecerCarpetaAplicacion(carpeta);
    ADOSQLSERVER::EstablecerServidorRemoto(QString());
    Module1::CodigoTitular = Demo::Titular;
    QString error;
    QFile::remove(RutaBaseLocal());
    if (!CrearBaseLocal(RutaBaseLocal(), error) || !Module1::ServidorRemoto().ConectarMERLAN() ||
        !Module1::BaseLocal().ConectarLOCAL())
        return 1;
    frmdownload ventana;
    mostrarSinDescarga(ventana);
    VistaBench vista(ventana);
    DescargaPosiciones descarga(vista);
    Module1::FechaDescarga = QDateTime(QDate::currentDate(), QTime(0, 0));
    const long antes = kbDe("VmRSS:");
    const bool bajado = descarga.BajarDia() == DescargaPosiciones::Dia::Bajado;
    std::printf("%ld\n", kbDe("VmHWM:") - antes);
    Module1::LiberarConexiones();
    return bajado ? 0 : 2;
}

int main(int argc, char **argv)
{
    FijarZonaHoraria();  // as the program does
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 2 && QByteArray(argv[1]) == "--memoria")
        return memoriaDeUnDia(QString::fromLocal8Bit(argv[2]));
    const int n = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    const int rondas = argc > 2 ? QByteArray(argv[2]).toInt() : 9;
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QTemporaryDir dir;
    EstablecerCarpetaAplicacion(dir.path());
    ADOSQLSERVER::EstablecerServidorRemoto(QString());
    const QDate hoy = QDate::currentDate();
    const QList<Posicion> filas = posiciones(hoy, n);

    QString error;
    double ms = 0;
    if (!CrearServicioVacio(RutaServicioDemo(), error) ||
        !insertar(RutaServicioDemo(), "INSERT INTO POSICIONES VALUES (?,?,?,?,?,?,?,?)", filas, Demo::Titular, ms)) {
        std::fprintf(stderr, "setup: %s\n", qPrintable(error));
        return 1;
    }
    Module1::CodigoTitular = Demo::Titular;
    frmdownload ventana;  // the progress label and panel that the fetch writes into
    mostrarSinDescarga(ventana);
    const QString otra = dir.filePath("DATOS/base.sdf");

    Comparacion dia("descarga_dia_vs_copia", 1.5), memoria("descarga_memoria_mib", 16);
    bool bien = true;
    for (int r = 0; r < rondas && bien; ++r) {
        // The program: one day into an empty local file, fetched, written and committed.
        auto programa = [&]() -> double {
            Module1::LiberarConexiones();
            QFile::remove(RutaBaseLocal());
            if (!CrearBaseLocal(RutaBaseLocal(), error) || !Module1::ServidorRemoto().ConectarMERLAN() ||
                !Module1::BaseLocal().ConectarLOCAL())
                return bien = false, 1;
            VistaBench vista(ventana);
            DescargaPosiciones descarga(vista);
            Module1::FechaDescarga = QDateTime(hoy, QTime(0, 0));
            vista.reloj.start();
            const auto resultado = descarga.BajarDia();
            const double total = vista.reloj.nsecsElapsed() / 1e6;
            const qint32 locales = Module1::BaseLocal().NumRegistros("SELECT Count(*) FROM DATOS");
            bien = resultado == DescargaPosiciones::Dia::Bajado && locales == n;
            std::printf("  day of %d rows: %d written (%s), commit from %.0f ms\n", n, locales,
                        qPrintable(vista.lineas.value(0)), vista.grabando);
            return total;
        };
        // The baseline: the same rows copied straight into another empty local file.
        auto base = [&]() -> double {
            QFile::remove(otra);
            if (!CrearBaseLocal(otra, error))
                return bien = false, 1;
            double ms = 0;
            if (!copiar(RutaServicioDemo(), otra, hoy, Demo::Titular, ms))
                return bien = false, 1;
            return ms;
        };
        dia.Ronda(r, programa, base);
    }
    Module1::LiberarConexiones();
    // The peak memory of a day, each in a fresh process so that no earlier round's heap hides it.
    for (int r = 0; r < 3 && bien; ++r) {
        QProcess hijo;
        hijo.start(QCoreApplication::applicationFilePath(), {"--memoria", dir.path()});
        bien = hijo.waitForFinished(600000) && hijo.exitCode() == 0;
        const double mib = hijo.readAllStandardOutput().trimmed().toLong() / 1024.0;
        std::printf("  peak memory of a day, round %d: +%.1f MiB\n", r + 1, mib);
        memoria.Anadir(mib);
    }
    if (!bien)
        std::fprintf(stderr, "a round failed: %s\n", qPrintable(error));
    dia.Imprimir();
    memoria.Imprimir();
    return bien ? 0 : 2;
}
