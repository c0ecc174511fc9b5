// Maintenance costs against plain baselines on the same file, in the same run (1,000,000 positions):
//  1. the purge of half the positions through the window's DELETE text vs a hand-written DELETE on
//     the same index, on two identical copies of the file;
//  2. the compaction of the purged file vs a plain copy of that same file.
#include "adosqlserver.h"
#include "archivos.h"
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

namespace {
const int kFilas = 1000000, kLocalizadores = 6, kDias = 16;

// n rows of 6 locators spread evenly over 16 days, straight through SQLite.
void llenar(const QString &ruta, const QDateTime &inicio)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("llenar"));
        db.setDatabaseName(ruta);
        db.open();
        RegistrarColacionTSQL(db);
        db.transaction();
        QSqlQuery q(db);
        q.prepare(QStringLiteral("INSERT INTO DATOS VALUES (?,?,?,?,?,?,?)"));
        const qint64 porLocalizador = kFilas / kLocalizadores, segundos = qint64(kDias) * 86400;
        for (int i = 0; i < kFilas; ++i) {
            q.bindValue(0, QStringLiteral("35693803564380%1").arg(i % kLocalizadores));
            q.bindValue(1, inicio.addSecs(qint64(i / kLocalizadores) * segundos / porLocalizador).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
            q.bindValue(2, QStringLiteral("40.%1").arg(i % 999999, 6, 10, QLatin1Char('0')));
            q.bindValue(3, QStringLiteral("-3.%1").arg((i * 7) % 999999, 6, 10, QLatin1Char('0')));
            q.bindValue(4, QString::number(i % 40));
            q.bindValue(5, QStringLiteral("En ruta"));
            q.bindValue(6, QStringLiteral("Centro"));
            q.exec();
        }
        db.commit();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("llenar"));
}

double mb(const QString &ruta) { return QFileInfo(ruta).size() / (1024.0 * 1024.0); }
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);  // the data-access class shows its compaction message through the dialog layer
    DialogosGuion dialogos;
    QTemporaryDir dir;
    EstablecerCarpetaAplicacion(dir.path());
    QString error;
    if (!CrearBaseLocal(RutaBaseLocal(), error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const QDateTime inicio(QDate(2010, 3, 1), QTime(0, 0));
    llenar(RutaBaseLocal(), inicio);
    const QString gemela = QDir(dir.path()).filePath(QStringLiteral("gemela.sdf"));
    CopiarArchivo(RutaBaseLocal(), gemela);
    const double tamLleno = mb(RutaBaseLocal());

    // 1. Purge of the first 8 of 16 days.
    const QDate corte = inicio.date().addDays(kDias / 2);
    ADOSQLSERVER &base = Module1::BaseLocal();
    base.ConectarLOCAL();
    QElapsedTimer t;
    t.start();
    const int borradas = base.Execute(TextoPurga(corte));
    const double programa = t.nsecsElapsed() / 1e9;
    qint64 borradasCrudo = -1;
    double crudo = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("purga"));
        db.setDatabaseName(gemela);
        db.open();
        RegistrarColacionTSQL(db);  // the (IMEI, FECHA) key uses it
        QSqlQuery q(db);
        q.prepare(QStringLiteral("DELETE FROM DATOS WHERE FECHA < ?"));
        q.bindValue(0, corte.toString(QStringLiteral("yyyy-MM-dd")));
        t.restart();
        if (q.exec())
            borradasCrudo = q.numRowsAffected();
        else
            std::fprintf(stderr, "hand-written DELETE: %s\n", qPrintable(q.lastError().text()));
        crudo = t.nsecsElapsed() / 1e9;
        q.finish();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("purga"));
    std::printf("purge of %d of %d rows: window's DELETE %.3f s, hand-written DELETE %.3f s, ratio %.2f (counts %s)\n",
                borradas, kFilas, programa, crudo, programa / crudo, borradas == borradasCrudo ? "equal" : "DIFFER");
    const double tamPurgado = mb(RutaBaseLocal());

    // 2. Compaction of the purged file against a plain copy of it.
    base.CerrarMERLAN();
    const QString copia = QDir(dir.path()).filePath(QStringLiteral("copia.sdf"));
    t.restart();
    const bool copiada = bool(CopiarArchivo(RutaBaseLocal(), copia));
    const double porCopia = t.nsecsElapsed() / 1e9;
    t.restart();
    base.Compactar();
    const double porCompactar = t.nsecsElapsed() / 1e9;
    const bool compactada = !base.UltimaOperacionFallida();
    base.ConectarLOCAL();
    const int quedan = base.NumRegistros(QStringLiteral("SELECT Count(*) FROM DATOS"));
    std::printf("compaction: %.3f s, plain file copy %.3f s, ratio %.2f (%s, %d rows kept)\n", porCompactar, porCopia,
                porCompactar / porCopia, compactada && copiada ? "ok" : "FAILED", quedan);
    std::printf("file sizes: filled %.1f MB, after the purge %.1f MB, after the compaction %.1f MB\n", tamLleno,
                tamPurgado, mb(RutaBaseLocal()));
    Module1::LiberarConexiones();
    return 0;
}
