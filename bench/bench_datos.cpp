// Data access costs against hand-written SQLite on the same file, in the same run:
//  1. the local day count (the program's T-SQL through the translation) vs an indexed range count;
//  2. 100,000 inserts through ADOSQLSERVER::Execute in one transaction vs a raw prepared insert.
// The two sides alternate over several rounds. Run: ./bench_datos [rounds]
#include "adosqlserver.h"
#include "llenadocrudo.h"
#include "comparacion.h"
#include "entorno.h"
#include "esquema.h"
#include "fechastexto.h"
#include "module1.h"
#include "proveedor.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
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

struct Fila {
    QString imei, fecha, lat, lon, vel;
};

// n rows of 6 locators, one row every 8 s each, their values already as text.
QList<Fila> filasDe(int n, const QDateTime &inicio)
{
    QList<Fila> r;
    r.reserve(n);
    for (int i = 0; i < n; ++i)
        r << Fila{QStringLiteral("35693803564380%1").arg(i % 6),
                  inicio.addSecs(qint64(i / 6) * 8).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                  QStringLiteral("40.%1").arg(i % 999999, 6, 10, QLatin1Char('0')),
                  QStringLiteral("-3.%1").arg((i * 7) % 999999, 6, 10, QLatin1Char('0')), QString::number(i % 40)};
    return r;
}

// Writes the rows into DATOS straight through SQLite: one prepared insert, one transaction.
void llenarCrudo(const QString &ruta, const QList<Fila> &filas)
{
    LlenarDatosCrudo(ruta, int(filas.size()), [&](QSqlQuery &q, int i) {
        const Fila &f = filas[i];
        q.bindValue(0, f.imei);
        q.bindValue(1, f.fecha);
        q.bindValue(2, f.lat);
        q.bindValue(3, f.lon);
        q.bindValue(4, f.vel);
        q.bindValue(5, QStringLiteral("En ruta"));
        q.bindValue(6, QStringLiteral("Centro"));
    });
}

void vaciar(const QString &ruta)
{
    QString error;
    QFile::remove(ruta);
    CrearBaseLocal(ruta, error);
}
}

int main(int argc, char **argv)
{
    FijarZonaHoraria();  // as the program does
    QCoreApplication app(argc, argv);
    const int rondas = argc > 1 ? QByteArray(argv[1]).toInt() : 5;
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QTemporaryDir dir;
    EstablecerCarpetaAplicacion(dir.path());
    QString error;
    if (!CrearBaseLocal(RutaBaseLocal(), error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const QDateTime inicio(QDate(2010, 1, 1), QTime(0, 0));
    const int filas = 1000000;
    llenarCrudo(RutaBaseLocal(), filasDe(filas, inicio));  // ~15 days of 6 locators
    ADOSQLSERVER &base = Module1::BaseLocal();
    base.ConectarLOCAL();

    // 1. Day counts: both sides get their texts or bounds built before the clock starts.
    const int dias = 16, vueltas = 5;
    QStringList textos, desde, hasta;
    for (int d = 0; d < dias; ++d) {
        textos << QStringLiteral("SELECT Count(*) from [DATOS] Where CONVERT(nVarChar(100), FECHA, 103) = CONVERT(nVarChar(100),'") +
                      ConvFechaDMA(inicio.date().addDays(d)) + QStringLiteral("', 103)");
        desde << inicio.date().addDays(d).toString(QStringLiteral("yyyy-MM-dd"));
        hasta << inicio.date().addDays(d + 1).toString(QStringLiteral("yyyy-MM-dd"));
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("cuenta"));
    db.setDatabaseName(RutaBaseLocal());
    db.open();
    qint64 total = 0, totalCrudo = 0;
    Comparacion cuentas("datos_cuenta_dia", 1.2);
    {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT count(*) FROM DATOS WHERE FECHA >= ? AND FECHA < ?"));
        for (int r = 0; r < rondas; ++r)
            cuentas.Ronda(
                r,
                [&] {
                    for (int v = 0; v < vueltas; ++v)
                        for (const QString &t : textos)
                            total += base.NumRegistros(t);
                },
                [&] {
                    for (int v = 0; v < vueltas; ++v)
                        for (int d = 0; d < dias; ++d) {
                            q.bindValue(0, desde[d]);
                            q.bindValue(1, hasta[d]);
                            q.exec();
                            q.next();
                            totalCrudo += q.value(0).toLongLong();
                        }
                });
        q.finish();
    }
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("cuenta"));
    std::printf("day count over %d rows, %d queries a round (counts %s)\n", filas, dias * vueltas,
                total == totalCrudo ? "equal" : "DIFFER");

    // 2. Inserts: the program's T-SQL texts through Execute against a raw prepared insert, each into
    // an empty file, with every text and value built before the clock starts.
    base.CerrarMERLAN();
    const int n = 100000;
    const QList<Fila> nuevas = filasDe(n, inicio);
    QStringList inserciones;
    inserciones.reserve(n);
    for (int i = 0; i < n; ++i)
        inserciones << insertTSQL(i, inicio.addSecs(qint64(i / 6) * 8));
    const QString otra = dir.filePath(QStringLiteral("DATOS/crudo.sdf"));
    int insertadas = 0;
    Comparacion inserts("datos_insert_execute", 3);
    for (int r = 0; r < rondas; ++r) {
        vaciar(RutaBaseLocal());
        vaciar(otra);
        base.ConectarLOCAL();
        inserts.Ronda(
            r,
            [&] {
                insertadas = 0;
                TransaccionLocal tr(base);
                for (const QString &s : inserciones)
                    insertadas += base.Execute(s);
                tr.Confirmar();
            },
            [&] { llenarCrudo(otra, nuevas); });
        base.CerrarMERLAN();
    }
    std::printf("%d inserts a round (%d inserted)\n", n, insertadas);
    Module1::LiberarConexiones();
    cuentas.Imprimir();
    inserts.Imprimir();
    return total == totalCrudo && insertadas == n ? 0 : 2;
}
