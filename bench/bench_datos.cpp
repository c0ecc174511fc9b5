// Data access costs against hand-written SQLite on the same file, in the same run:
//  1. the local day count (the program's T-SQL through the translation) vs an indexed range count;
//  2. 100,000 inserts through ADOSQLSERVER::Execute in one transaction vs a raw prepared insert.
#include "adosqlserver.h"
#include "entorno.h"
#include "esquema.h"
#include "fechastexto.h"
#include "module1.h"
#include "proveedor.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <cstdio>

namespace {
QString insertTSQL(int i, const QDateTime &t)
{
    return QStringLiteral("INSERT INTO DATOS (IMEI, FECHA, LATITUD, LONGITUD, VELOCIDAD, INFORMACION, ZONA) VALUES('%1','%2','40.%3','-3.%4','%5','En ruta','Centro')")
        .arg(QStringLiteral("35693803564380%1").arg(i % 6))
        .arg(t.toString(QStringLiteral("MM/dd/yyyy HH:mm:ss")))
        .arg(i % 999999, 6, 10, QLatin1Char('0'))
        .arg((i * 7) % 999999, 6, 10, QLatin1Char('0'))
        .arg(i % 40);
}

// Fills DATOS with n rows (6 locators, one row every 8 s each) straight through SQLite.
void llenarCrudo(const QString &ruta, int n, const QDateTime &inicio, double *segundos)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("crudo"));
    db.setDatabaseName(ruta);
    db.open();
    RegistrarColacionTSQL(db);
    QElapsedTimer t;
    t.start();
    db.transaction();
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO DATOS VALUES (?,?,?,?,?,?,?)"));
    for (int i = 0; i < n; ++i) {
        q.bindValue(0, QStringLiteral("35693803564380%1").arg(i % 6));
        q.bindValue(1, inicio.addSecs(qint64(i / 6) * 8).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        q.bindValue(2, QStringLiteral("40.%1").arg(i % 999999, 6, 10, QLatin1Char('0')));
        q.bindValue(3, QStringLiteral("-3.%1").arg((i * 7) % 999999, 6, 10, QLatin1Char('0')));
        q.bindValue(4, QString::number(i % 40));
        q.bindValue(5, QStringLiteral("En ruta"));
        q.bindValue(6, QStringLiteral("Centro"));
        q.exec();
    }
    db.commit();
    if (segundos)
        *segundos = t.nsecsElapsed() / 1e9;
    q.finish();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("crudo"));
}
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    EstablecerCarpetaAplicacion(dir.path());
    QString error;
    if (!CrearBaseLocal(RutaBaseLocal(), error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const QDateTime inicio(QDate(2010, 1, 1), QTime(0, 0));
    const int filas = 1000000;
    llenarCrudo(RutaBaseLocal(), filas, inicio, nullptr);  // ~15 days of 6 locators
    ADOSQLSERVER &base = Module1::BaseLocal();
    base.ConectarLOCAL();

    // 1. Day counts.
    const int dias = 16, vueltas = 20;
    QElapsedTimer t;
    qint64 total = 0;
    t.start();
    for (int v = 0; v < vueltas; ++v)
        for (int d = 0; d < dias; ++d)
            total += base.NumRegistros(QStringLiteral("SELECT Count(*) from [DATOS] Where CONVERT(nVarChar(100), FECHA, 103) = CONVERT(nVarChar(100),'")
                                       + ConvFechaDMA(inicio.date().addDays(d)) + QStringLiteral("', 103)"));
    const double programa = t.nsecsElapsed() / 1e9;
    qint64 totalCrudo = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("cuenta"));
        db.setDatabaseName(RutaBaseLocal());
        db.open();
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT count(*) FROM DATOS WHERE FECHA >= ? AND FECHA < ?"));
        t.restart();
        for (int v = 0; v < vueltas; ++v)
            for (int d = 0; d < dias; ++d) {
                q.bindValue(0, inicio.date().addDays(d).toString(QStringLiteral("yyyy-MM-dd")));
                q.bindValue(1, inicio.date().addDays(d + 1).toString(QStringLiteral("yyyy-MM-dd")));
                q.exec();
                q.next();
                totalCrudo += q.value(0).toLongLong();
            }
        q.finish();
    }
    const double crudo = t.nsecsElapsed() / 1e9;
    QSqlDatabase::removeDatabase(QStringLiteral("cuenta"));
    std::printf("day count over %d rows: program %.2f ms/query, hand-written %.2f ms/query, ratio %.2f (counts %s)\n", filas,
                programa * 1000 / (dias * vueltas), crudo * 1000 / (dias * vueltas), programa / crudo,
                total == totalCrudo ? "equal" : "DIFFER");

    // 2. Inserts.
    base.CerrarMERLAN();
    QFile::remove(RutaBaseLocal());
    CrearBaseLocal(RutaBaseLocal(), error);
    base.ConectarLOCAL();
    const int n = 100000;
    QStringList textos;
    textos.reserve(n);
    for (int i = 0; i < n; ++i)
        textos << insertTSQL(i, inicio.addSecs(qint64(i / 6) * 8));
    t.restart();
    int insertadas = 0;
    {
        TransaccionLocal tr(base);
        for (const QString &s : textos)
            insertadas += base.Execute(s);
        tr.Confirmar();
    }
    const double porExecute = t.nsecsElapsed() / 1e9;
    base.CerrarMERLAN();
    QFile::remove(RutaBaseLocal());
    CrearBaseLocal(RutaBaseLocal(), error);
    double porCrudo = 0;
    llenarCrudo(RutaBaseLocal(), n, inicio, &porCrudo);
    std::printf("%d inserts: Execute %.3f s, raw prepared %.3f s, ratio %.2f (%d inserted)\n", n, porExecute, porCrudo,
                porExecute / porCrudo, insertadas);
    Module1::LiberarConexiones();
    return 0;
}
