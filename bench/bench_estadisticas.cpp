// The three statistics over 30 days of 5,000,000 positions (6 locators, 90 days), all locators:
// the window's T-SQL text through the translation and ADOSQLSERVER, against a hand-written
// SQLite GROUP BY over the same rows and index, fetched the same way; then the table fill.
// Usage: bench_estadisticas [positions] (default 5000000). The file is kept in the temp folder
// between runs and rebuilt when its row count differs.
#include "adosqlserver.h"
#include "comparacion.h"
#include "consultasestadisticas.h"
#include "entorno.h"
#include "esquema.h"
#include "filtroestadistica.h"
#include "module1.h"
#include "proveedor.h"
#include "resultadoestadistica.h"
#include "traductortsql.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>
#include <cstdio>

namespace {
const QStringList kImeis{"356938035643809", "356938035643817", "356938035643825",
                         "356938035643833", "356938035643841", "356938035643858"};
const QStringList kZonas{"", "Almacén Norte", "Centro", "Polígono Sur", "Puerto", "Aeropuerto", "Nave 1", "Taller"};
const QDateTime kInicio(QDate(2026, 9, 1), QTime(0, 0));
constexpr double kSegundos = 90.0 * 86400;

qint64 contar(QSqlDatabase &db)
{
    QSqlQuery q(db);
    return q.exec(QStringLiteral("SELECT COUNT(*) FROM DATOS")) && q.next() ? q.value(0).toLongLong() : -1;
}

bool llenar(const QString &ruta, qint64 n)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("llenado"));
    db.setDatabaseName(ruta);
    bool ok = db.open() && RegistrarColacionTSQL(db);
    if (ok) {
        QSqlQuery p(db);
        p.exec(QStringLiteral("PRAGMA synchronous=OFF"));
        db.transaction();
        QSqlQuery q(db);
        q.prepare(QStringLiteral("INSERT INTO DATOS VALUES (?,?,?,?,?,?,?)"));
        const qint64 porLocalizador = n / kImeis.size();
        // In time order, the six locators interleaved, as the download writes them.
        for (qint64 i = 0; i < porLocalizador; ++i) {
            const QDateTime t = kInicio.addSecs(qint64(double(i) * kSegundos / double(porLocalizador)));
            const QString fecha = t.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
            for (int l = 0; l < kImeis.size(); ++l) {
                q.bindValue(0, kImeis[l]);
                q.bindValue(1, fecha);
                q.bindValue(2, QStringLiteral("40.%1").arg((i * 7 + l) % 999999, 6, 10, QLatin1Char('0')));
                q.bindValue(3, QStringLiteral("-3.%1").arg((i * 13 + l) % 999999, 6, 10, QLatin1Char('0')));
                q.bindValue(4, QString::number((i + l) % 60));
                q.bindValue(5, QString());
                q.bindValue(6, kZonas[(l + t.time().hour() / 3 + t.date().day()) % kZonas.size()]);
                if (!q.exec())
                    ok = false;
            }
        }
        ok = db.commit() && ok;
        q.finish();
        QSqlQuery a(db);
        a.exec(QStringLiteral("ANALYZE"));
    }
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("llenado"));
    return ok;
}

// The hand-written SQLite for a kind: the same columns, filter, grouping and order. Zones and
// locators are grouped and ordered as SQL Server compares them (case and trailing blanks ignored),
// as the window's answer is: the files declare no collation, so it is named here.
QString aMano(int tipo, const QString &desde, const QString &hasta)
{
    QStringList imeis;
    for (const QString &i : kImeis)
        imeis << QLatin1Char('\'') + i + QLatin1Char('\'');
    const QString hora = QStringLiteral("CAST(substr(FECHA, 12, 2) AS INTEGER)");
    const QString dia = QStringLiteral("substr(FECHA, 6, 2) || '/' || substr(FECHA, 9, 2) || '/' || substr(FECHA, 1, 4)");
    const QString donde = QStringLiteral(" FROM DATOS WHERE IMEI IN (%1) AND FECHA > '%2' AND FECHA < '%3' ")
                              .arg(imeis.join(','), desde, hasta);
    switch (tipo) {
    case 1: return QStringLiteral("SELECT %1 AS d, %2 AS h, COUNT(*)").arg(dia, hora) + donde + QStringLiteral("GROUP BY d, h ORDER BY d, h");
    case 2:
        return QStringLiteral("SELECT ZONA, %1 AS h, COUNT(*)").arg(hora) + donde +
               QStringLiteral("GROUP BY ZONA COLLATE TSQL, h ORDER BY ZONA COLLATE TSQL, h");
    default:
        return QStringLiteral("SELECT IMEI, ZONA, %1 AS h, COUNT(*)").arg(hora) + donde +
               QStringLiteral("GROUP BY IMEI COLLATE TSQL, ZONA COLLATE TSQL, h ORDER BY IMEI COLLATE TSQL, ZONA COLLATE TSQL, h");
    }
}

QList<QVariantList> filasDe(QSqlQuery &q)
{
    QList<QVariantList> r;
    const int n = q.record().count();
    while (q.next()) {
        QVariantList f;
        f.reserve(n);
        for (int i = 0; i < n; ++i)
            f << q.value(i);
        r << f;
    }
    return r;
}
}

int main(int argc, char **argv)
{
    FijarZonaHoraria();  // as the program does
    QCoreApplication app(argc, argv);
    const qint64 n = argc > 1 ? QByteArray(argv[1]).toLongLong() : 5000000;
    const QString carpeta = QDir::temp().filePath(QStringLiteral("varden-bench-estadisticas"));
    QDir().mkpath(carpeta);
    EstablecerCarpetaAplicacion(carpeta);
    const QString ruta = RutaBaseLocal();
    const qint64 esperadas = (n / kImeis.size()) * kImeis.size();

    bool valida = false;
    if (QFile::exists(ruta)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("cuenta"));
        db.setDatabaseName(ruta);
        valida = db.open() && contar(db) == esperadas;
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("cuenta"));
    }
    if (!valida) {
        QFile::remove(ruta);
        QString error;
        if (!CrearBaseLocal(ruta, error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        QElapsedTimer t;
        t.start();
        if (!llenar(ruta, n)) {
            std::fprintf(stderr, "fill failed\n");
            return 1;
        }
        std::printf("built %lld positions in %.1f s (%s)\n", esperadas, t.nsecsElapsed() / 1e9, qPrintable(ruta));
    }

    ADOSQLSERVER &base = Module1::BaseLocal();
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    if (!base.ConectarLOCAL())
        return 1;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("a-mano"));
    db.setDatabaseName(ruta);
    if (!db.open() || !RegistrarColacionTSQL(db))
        return 1;

    // 30 days in the middle of the 90: 01/10/2026 to 31/10/2026, both bounds exclusive.
    const QString d1 = QStringLiteral("01/10/2026"), d2 = QStringLiteral("31/10/2026");
    const QStringList entradas = QStringList{FiltroEstadistica::kTodos} + kImeis;
    const int vueltas = 5;
    std::printf("%lld positions, 6 locators, 90 days; period %s-%s, all locators; %d rounds, window and hand-written interleaved\n", esperadas,
                qPrintable(d1), qPrintable(d2), vueltas);
    std::printf("%-22s %10s %10s %7s %10s %7s %10s %9s\n", "kind", "window ms", "hand ms", "ratio",
                "engine ms", "rows", "fill ms", "fill/hand");
    bool iguales = true;
    QList<Comparacion> comparaciones{{"estadisticas_dias_horas", 1.3}, {"estadisticas_zonas", 1.3},
                                     {"estadisticas_localizador_zona", 1.3}};
    for (int tipo = 1; tipo <= 3; ++tipo) {
        const QString sql = ConsultasEstadisticas::SqlEstadistica(tipo, entradas, FiltroEstadistica::kTodos, d1, d2, QString());
        const QString mano = aMano(tipo, QStringLiteral("2026-10-01 00:00:00"), QStringLiteral("2026-10-31 00:00:00"));
        double mejorVentana = 1e18, mejorMano = 1e18, mejorLlenado = 1e18, mejorMotor = 1e18;
        const QString traducida = TraducirTSQL(sql).sql;
        QList<QVariantList> filasVentana, filasMano;
        for (int v = 0; v < vueltas; ++v) {
            bool falta = false;
            comparaciones[tipo - 1].Ronda(
                v,
                [&]() -> double {
                    QElapsedTimer t;
                    t.start();
                    auto rs = base.DevuelveRecordset(sql);
                    const double ms = t.nsecsElapsed() / 1e6;
                    falta = falta || !rs;
                    if (rs)
                        filasVentana = rs->Filas();
                    mejorVentana = qMin(mejorVentana, ms);
                    return ms;
                },
                [&]() -> double {
                    QElapsedTimer t;
                    t.start();
                    QSqlQuery q(db);
                    q.setForwardOnly(true);
                    falta = falta || !q.exec(mano);
                    filasMano = filasDe(q);
                    const double ms = t.nsecsElapsed() / 1e6;
                    mejorMano = qMin(mejorMano, ms);
                    return ms;
                });
            if (falta) {
                std::fprintf(stderr, "kind %d: no rows (%s)\n", tipo, qPrintable(base.UltimoError()));
                return 1;
            }

            // The translated text run straight on SQLite: the engine's share of the window's time.
            QElapsedTimer t;
            t.start();
            QSqlQuery m(db);
            m.setForwardOnly(true);
            m.exec(traducida);
            filasDe(m);
            mejorMotor = qMin(mejorMotor, t.nsecsElapsed() / 1e6);

            ResultadoEstadistica r;
            t.restart();
            r.Llenar(tipo, filasVentana);
            mejorLlenado = qMin(mejorLlenado, t.nsecsElapsed() / 1e6);
        }
        // Both queries must answer the same counts.
        if (filasVentana.size() != filasMano.size())
            iguales = false;
        else
            for (qsizetype i = 0; i < filasVentana.size(); ++i)
                if (filasVentana[i].last().toLongLong() != filasMano[i].last().toLongLong())
                    iguales = false;
        const char *nombres[] = {"", "1 days and hours", "2 zones", "3 locator and zone"};
        std::printf("%-22s %10.1f %10.1f %7.2f %10.1f %7lld %10.2f %9.4f\n", nombres[tipo], mejorVentana, mejorMano,
                    mejorVentana / mejorMano, mejorMotor, qint64(filasVentana.size()), mejorLlenado,
                    mejorLlenado / mejorMano);
        if (tipo == 1)
            std::printf("  translated: %s\n", qPrintable(traducida));
    }
    std::printf("same rows and counts from both queries: %s\n", iguales ? "yes" : "NO");
    db.close();
    Module1::LiberarConexiones();
    for (const Comparacion &c : comparaciones)
        c.Imprimir();
    return iguales ? 0 : 2;
}
