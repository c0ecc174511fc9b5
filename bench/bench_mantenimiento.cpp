// Maintenance costs against plain baselines on the same file, in the same run (1,000,000 positions):
//  1. the purge of half the positions through the window's DELETE text vs a hand-written DELETE on
//     the same index, on two identical copies of the file;
//  2. the compaction of the purged file vs a copy of that same file followed by fsync;
//  3. the engine's compaction (VACUUM INTO) of the purged rows in the present schema vs the same rows
//     in the schema files had before (collation "TSQL" named in the tables, a unique (IMEI, FECHA) key).
// The two sides alternate over several rounds. Run: ./bench_mantenimiento [rounds]
#include "adosqlserver.h"
#include "llenadocrudo.h"
#include "archivos.h"
#include "comparacion.h"
#include "dialogosguion.h"
#include "entorno.h"
#include "esquema.h"
#include "module1.h"
#include "operacionesmantenimiento.h"
#include "proveedor.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <cstdio>
#include <unistd.h>

namespace {
const int kFilas = 1000000, kLocalizadores = 6, kDias = 16;

// n rows of 6 locators spread evenly over 16 days, straight through SQLite.
void llenar(const QString &ruta, const QDateTime &inicio)
{
    const qint64 porLocalizador = kFilas / kLocalizadores, segundos = qint64(kDias) * 86400;
    LlenarDatosCrudo(ruta, kFilas, [&](QSqlQuery &q, int i) {
        q.bindValue(0, QStringLiteral("35693803564380%1").arg(i % kLocalizadores));
        q.bindValue(1, inicio.addSecs(qint64(i / kLocalizadores) * segundos / porLocalizador).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        q.bindValue(2, QStringLiteral("40.%1").arg(i % 999999, 6, 10, QLatin1Char('0')));
        q.bindValue(3, QStringLiteral("-3.%1").arg((i * 7) % 999999, 6, 10, QLatin1Char('0')));
        q.bindValue(4, QString::number(i % 40));
        q.bindValue(5, QStringLiteral("En ruta"));
        q.bindValue(6, QStringLiteral("Centro"));
    });
}

double mb(const QString &ruta) { return QFileInfo(ruta).size() / (1024.0 * 1024.0); }

// A copy made durable: the file copied, then its data flushed to the disk (the compaction syncs too).
bool copiarDuradero(const QString &origen, const QString &destino)
{
    QFile::remove(destino);
    if (!CopiarArchivo(origen, destino))
        return false;
    QFile f(destino);
    return f.open(QIODevice::ReadWrite) && ::fsync(f.handle()) == 0;
}
}

int main(int argc, char **argv)
{
    FijarZonaHoraria();  // as the program does
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);  // the data-access class shows its compaction message through the dialog layer
    const int rondas = argc > 1 ? QByteArray(argv[1]).toInt() : 3;
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    DialogosGuion dialogos;
    QTemporaryDir dir;
    EstablecerCarpetaAplicacion(dir.path());
    QString error;
    const QString llena = QDir(dir.path()).filePath(QStringLiteral("llena.sdf"));
    QDir().mkpath(QFileInfo(RutaBaseLocal()).path());
    if (!CrearBaseLocal(llena, error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const QDateTime inicio(QDate(2010, 3, 1), QTime(0, 0));
    llenar(llena, inicio);
    const QString gemela = QDir(dir.path()).filePath(QStringLiteral("gemela.sdf"));
    const QString purgada = QDir(dir.path()).filePath(QStringLiteral("purgada.sdf"));
    const QString copia = QDir(dir.path()).filePath(QStringLiteral("copia.sdf"));
    const double tamLleno = mb(llena);
    ADOSQLSERVER &base = Module1::BaseLocal();
    bool iguales = true, bien = true;

    // 1. Purge of the first 8 of 16 days: each round on two fresh copies of the filled file.
    const QDate corte = inicio.date().addDays(kDias / 2);
    Comparacion purga("mantenimiento_purga", 1.2);
    int borradas = 0;
    for (int r = 0; r < rondas; ++r) {
        QFile::remove(RutaBaseLocal());
        QFile::remove(gemela);
        CopiarArchivo(llena, RutaBaseLocal());
        CopiarArchivo(llena, gemela);
        base.ConectarLOCAL();
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("purga"));
        db.setDatabaseName(gemela);
        db.open();
        qint64 borradasCrudo = -1;
        {
            QSqlQuery q(db);
            q.prepare(QStringLiteral("DELETE FROM DATOS WHERE FECHA < ?"));
            q.bindValue(0, corte.toString(QStringLiteral("yyyy-MM-dd")));
            purga.Ronda(
                r, [&] { borradas = base.Execute(TextoPurga(corte)); },
                [&] {
                    if (q.exec())
                        borradasCrudo = q.numRowsAffected();
                    else
                        std::fprintf(stderr, "hand-written DELETE: %s\n", qPrintable(q.lastError().text()));
                });
            q.finish();
        }
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("purga"));
        iguales = iguales && borradas == borradasCrudo;
        base.CerrarMERLAN();
    }
    std::printf("purge of %d of %d rows (counts %s)\n", borradas, kFilas, iguales ? "equal" : "DIFFER");
    CopiarArchivo(RutaBaseLocal(), purgada);
    const double tamPurgado = mb(purgada);

    // 2. Compaction of the purged file against a durable copy of that same file.
    Comparacion compactacion("mantenimiento_compactacion", 3);
    int quedan = 0;
    for (int r = 0; r < rondas; ++r) {
        QFile::remove(RutaBaseLocal());
        CopiarArchivo(purgada, RutaBaseLocal());
        compactacion.Ronda(
            r,
            [&] {
                base.Compactar();
                bien = bien && !base.UltimaOperacionFallida();
            },
            [&] { bien = copiarDuradero(purgada, copia) && bien; });
        base.ConectarLOCAL();
        quedan = base.NumRegistros(QStringLiteral("SELECT Count(*) FROM DATOS"));
        base.CerrarMERLAN();
    }
    std::printf("compaction %s, %d rows kept\n", bien ? "ok" : "FAILED", quedan);

    // 3. The same rows in the older schema, compacted on a connection that knows its collation.
    const QString antigua = QDir(dir.path()).filePath(QStringLiteral("antigua.sdf"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("antigua"));
        db.setDatabaseName(antigua);
        db.open();
        RegistrarColacionTSQL(db);
        QSqlQuery q(db);
        for (const char *sql : {"CREATE TABLE DATOS (IMEI TEXT COLLATE TSQL NOT NULL, FECHA TEXT NOT NULL, LATITUD TEXT, "
                                "LONGITUD TEXT, VELOCIDAD TEXT, INFORMACION TEXT, ZONA TEXT COLLATE TSQL)",
                                "CREATE UNIQUE INDEX IX_DATOS_IMEI_FECHA ON DATOS (IMEI, FECHA)",
                                "CREATE INDEX IX_DATOS_FECHA ON DATOS (FECHA)"})
            bien = q.exec(QLatin1String(sql)) && bien;
        bien = q.exec(QStringLiteral("ATTACH DATABASE '%1' AS p").arg(purgada)) &&
               q.exec(QStringLiteral("INSERT INTO DATOS SELECT * FROM p.DATOS")) && bien;
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("antigua"));
    auto vaciar = [&](const QString &origen) {
        const QString nombre = QStringLiteral("vaciar"), destino = origen + QStringLiteral(".vacia");
        QFile::remove(destino);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nombre);
            db.setDatabaseName(origen);
            db.open();
            RegistrarColacionTSQL(db);
            bien = QSqlQuery(db).exec(QStringLiteral("VACUUM INTO '%1'").arg(destino)) && bien;
            db.close();
        }
        QSqlDatabase::removeDatabase(nombre);
    };
    Comparacion esquema("mantenimiento_compactacion_frente_esquema_antiguo", 1.0);
    for (int r = 0; r < rondas; ++r)
        esquema.Ronda(r, [&] { vaciar(purgada); }, [&] { vaciar(antigua); });
    std::printf("purged rows compacted: present schema %.1f MB, older schema %.1f MB\n", mb(purgada + ".vacia"),
                mb(antigua + ".vacia"));
    std::printf("file sizes: filled %.1f MB, after the purge %.1f MB, after the compaction %.1f MB\n", tamLleno,
                tamPurgado, mb(RutaBaseLocal()));
    Module1::LiberarConexiones();
    purga.Imprimir();
    compactacion.Imprimir();
    esquema.Imprimir();
    return iguales && bien ? 0 : 2;
}
