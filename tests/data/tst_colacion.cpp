// The local and demo files open in the standard sqlite3 tool, while the program keeps SQL Server's
// text comparison; a file in the older schema (collation "TSQL" named in its tables) is converted
// on its first opening with every row kept.
#include "carpetaprueba.h"
#include "esquema.h"
#include "module1.h"
#include "posiciones.h"
#include "proveedor.h"
#include "traductortsql.h"

#include <QProcess>
#include <QtTest>

using Module1::BaseLocal;

namespace {
// What `sqlite3 archivo sql` prints, trimmed; the error text when it fails.
QString sqlite3(const QString &archivo, const QString &sql)
{
    QProcess p;
    p.start(QStringLiteral("sqlite3"), {archivo, sql});
    if (!p.waitForFinished(60000))
        return QStringLiteral("sqlite3 no responde");
    return QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError()).trimmed();
}

const QStringList kEsquemaAntiguo = {
    "CREATE TABLE DATOS (IMEI TEXT COLLATE TSQL NOT NULL, FECHA TEXT NOT NULL, LATITUD TEXT, LONGITUD TEXT, "
    "VELOCIDAD TEXT, INFORMACION TEXT, ZONA TEXT COLLATE TSQL)",
    "CREATE UNIQUE INDEX IX_DATOS_IMEI_FECHA ON DATOS (IMEI, FECHA)",
    "CREATE INDEX IX_DATOS_FECHA ON DATOS (FECHA)",
    "CREATE TABLE LOCALIZADORES (NOMBRE TEXT COLLATE TSQL NOT NULL UNIQUE, Icono TEXT)",
    "CREATE TABLE Titular (TITULAR TEXT COLLATE TSQL NOT NULL)",
};
// The engine's plan of what the program sends for the locators and a locator's days.
QString planes()
{
    QStringList r;
    for (const char *tsql : {"Select DISTINCT IMEI FROM DATOS",
                             "SELECT DISTINCT CONVERT(nvarchar(11), FECHA, 101) as F1 FROM DATOS where IMEI='ABC' order by F1"})
        for (auto rs = BaseLocal().DevuelveRecordset("EXPLAIN QUERY PLAN " + TraducirTSQL(tsql).sql); rs && !rs->Eof(); rs->MoveNext())
            r << rs->Texto(3);
    return r.join(' ');
}

const QString kTodas = QStringLiteral("SELECT IMEI, FECHA, LATITUD, ZONA FROM DATOS ORDER BY FECHA, LATITUD");
}

class TstColacion : public QObject {
    Q_OBJECT
    std::unique_ptr<CarpetaPrueba> carpeta;

private Q_SLOTS:
    void init() { carpeta = std::make_unique<CarpetaPrueba>(); }
    void cleanup() { carpeta.reset(); }

    void archivosNuevos()
    {
        QVERIFY(carpeta->crearBaseLocal() && carpeta->crearServicioVacio());
        QVERIFY(Posiciones::guardarLocal(Posiciones::recta(QDateTime(QDate(2010, 3, 5), QTime(8, 0)), 3)));
        QCOMPARE(sqlite3(RutaBaseLocal(), "PRAGMA integrity_check"), QStringLiteral("ok"));
        QCOMPARE(sqlite3(RutaServicioDemo(), "PRAGMA integrity_check"), QStringLiteral("ok"));
    }

    void archivoAntiguoConvertido()
    {
        QVERIFY(QDir().mkpath(carpeta->archivo("DATOS")));
        QStringList s = kEsquemaAntiguo;
        // Locators and zones written in different letter case and trailing blanks: one each for SQL Server.
        s << "INSERT INTO DATOS VALUES ('abc', '2010-03-05 07:00:00', '40.1', '-3.7', '10', '', 'Nave 1')"
          << "INSERT INTO DATOS VALUES ('ABC ', '2010-03-05 08:00:00', '40.2', '-3.7', '10', '', 'NAVE 1 ')"
          << "INSERT INTO DATOS VALUES ('xyz', '2010-03-06 09:00:00', '40.3', '-3.7', '10', 'o''k', NULL)"
          << "INSERT INTO LOCALIZADORES VALUES ('abc', 'coche')" << "INSERT INTO Titular VALUES ('B84512370')";
        QVERIFY(CarpetaPrueba::ejecutarEn(RutaBaseLocal(), s));
        // The standard tool cannot check it as it is.
        QVERIFY(sqlite3(RutaBaseLocal(), "PRAGMA integrity_check").contains("no such collation sequence: TSQL"));
        const QString filasAntes = sqlite3(RutaBaseLocal(), kTodas);
        QCOMPARE(filasAntes.count('\n'), 2);

        QVERIFY(BaseLocal().ConectarLOCAL());
        Module1::LiberarConexiones();
        QCOMPARE(sqlite3(RutaBaseLocal(), "PRAGMA integrity_check"), QStringLiteral("ok"));
        QCOMPARE(sqlite3(RutaBaseLocal(), "SELECT count(*) FROM sqlite_master WHERE sql LIKE '%COLLATE%'"), QStringLiteral("0"));
        QCOMPARE(sqlite3(RutaBaseLocal(), kTodas), filasAntes);

        // The program still compares as SQL Server does.
        QVERIFY(BaseLocal().ConectarLOCAL());
        QCOMPARE(BaseLocal().NumRegistros("SELECT Count(*) FROM DATOS WHERE IMEI='Abc'"), 2);
        QCOMPARE(BaseLocal().NumRegistros("SELECT Count(*) FROM LOCALIZADORES WHERE NOMBRE='ABC  '"), 1);
        QCOMPARE(BaseLocal().DevuelveRecordset("Select DISTINCT IMEI FROM DATOS")->RecordCount(), 2);
        const QString plan = planes();
        QVERIFY2(plan.contains("SEARCH DATOS USING INDEX") && !plan.contains("SCAN DATOS"), qPrintable(plan));
        QCOMPARE(BaseLocal().DevuelveRecordset("SELECT Zona, Count(*) FROM DATOS Group By zona order by Zona")->RecordCount(), 2);
        // Two positions of a locator within one second are both kept now.
        QCOMPARE(BaseLocal().Execute("INSERT INTO DATOS (IMEI, FECHA) VALUES ('abc', '03/05/2010 07:00:00')"), 1);
        Module1::LiberarConexiones();
    }

    // A file of the present tables made before the index of a locator's days gets it on opening.
    void indiceAnadido()
    {
        QVERIFY(QDir().mkpath(carpeta->archivo("DATOS")));
        QStringList s = EsquemaLocal();
        QVERIFY(s.removeAll(IndiceLocalizadorFecha()) == 1);
        s << "INSERT INTO DATOS (IMEI, FECHA) VALUES ('abc', '2010-03-05 07:00:00'), ('ABC ', '2010-03-06 07:00:00')";
        QVERIFY(CarpetaPrueba::ejecutarEn(RutaBaseLocal(), s));
        QVERIFY(BaseLocal().ConectarLOCAL());
        const QString plan = planes();
        QVERIFY2(plan.contains("SEARCH DATOS USING INDEX") && !plan.contains("SCAN DATOS"), qPrintable(plan));
        QCOMPARE(BaseLocal().DevuelveRecordset("SELECT DISTINCT CONVERT(nvarchar(11), FECHA, 101) as F1 FROM DATOS where IMEI='Abc' order by F1")
                     ->RecordCount(), 2);
        Module1::LiberarConexiones();
        QCOMPARE(sqlite3(RutaBaseLocal(), "PRAGMA integrity_check"), QStringLiteral("ok"));
    }
};

QTEST_GUILESS_MAIN(TstColacion)
#include "tst_colacion.moc"
