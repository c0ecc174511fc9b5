// The T-SQL texts the program sends, translated for SQLite: the texts themselves, the date
// literals inside them, and the answers they give on a real local file (what SQL Server answers).
#include "carpetaprueba.h"
#include "literalesfecha.h"
#include "module1.h"
#include "traductortsql.h"

#include <QtTest>

using Module1::BaseLocal;

namespace {
QString insertar(const QString &imei, const QString &fechaMesPrimero, const QString &zona = QString())
{
    return QStringLiteral("INSERT INTO DATOS (IMEI, FECHA, LATITUD, LONGITUD, VELOCIDAD, INFORMACION, ZONA) VALUES('%1','%2','40.1','-3.7','10','','%3')")
        .arg(imei, fechaMesPrimero, zona);
}
// Each row's fields joined by "|".
QStringList filas(std::unique_ptr<Recordset> rs)
{
    QStringList r;
    for (; rs && !rs->Eof(); rs->MoveNext()) {
        QStringList campos;
        for (int i = 0; i < rs->FieldCount(); ++i)
            campos << rs->Texto(i);
        r << campos.join('|');
    }
    return r;
}
const QString kDia103 = QStringLiteral("SELECT Count(*) from [DATOS] Where CONVERT(nVarChar(100), FECHA, 103) = CONVERT(nVarChar(100),'%1', 103)");
}

class TstTraductorTSQL : public QObject {
    Q_OBJECT
    std::unique_ptr<CarpetaPrueba> carpeta;

private Q_SLOTS:
    void init()
    {
        carpeta = std::make_unique<CarpetaPrueba>();
        QVERIFY(carpeta->crearBaseLocal());
        QVERIFY(BaseLocal().ConectarLOCAL());
    }
    void cleanup();

    void traduce_data()
    {
        QTest::addColumn<QString>("tsql");
        QTest::addColumn<QString>("sqlite");  // empty: the text cannot run
        // A date inside a value is no date to read; a doubled quote stays inside its literal.
        QTest::newRow("insercion sin columnas")
            << "INSERT INTO DATOS VALUES('1','12/31/2010 23:59:59','40','3','0','03/05/2010','Z')"
            << "INSERT INTO DATOS VALUES('1','2010-12-31 23:59:59','40','3','0','03/05/2010','Z')";
        QTest::newRow("comillas dobladas intactas")
            << "SELECT * FROM Zonas WHERE [Descripcion zona]='O''Donnell' and TITULAR LIKE 'B1'"
            << "SELECT * FROM Zonas WHERE [Descripcion zona] COLLATE TSQL='O''Donnell' and TITULAR LIKE 'B1'";
        QTest::newRow("literal N") << "SELECT * FROM Titular WHERE TITULAR = N'B1'" << "SELECT * FROM Titular WHERE TITULAR COLLATE TSQL = 'B1'";
        QTest::newRow("fecha entre corchetes a la derecha")
            << "SELECT 1 FROM DATOS WHERE '03/01/2010' <= [FECHA]" << "SELECT 1 FROM DATOS WHERE '2010-03-01 00:00:00' <= [FECHA]";
        // Never in a SET.
        QTest::newRow("SET intacto") << "UPDATE DATOS SET ZONA='' WHERE (ZONA='a')" << "UPDATE DATOS SET ZONA='' WHERE (ZONA COLLATE TSQL='a')";
        QTest::newRow("mes 13 en la purga") << "DELETE Datos WHERE FECHA < '13/01/2010'" << QString();
        QTest::newRow("dia primero insertado") << "INSERT INTO DATOS (IMEI, FECHA) VALUES('1','31/12/2010 10:00:00')" << QString();
        QTest::newRow("entre imposible") << "SELECT * FROM DATOS WHERE FECHA BETWEEN '1/1/2010 10:00' AND '2/30/2010 10:00'" << QString();
        QTest::newRow("estilo 103 imposible") << "SELECT 1 FROM DATOS WHERE Fecha>CONVERT(DateTime, '12/31/2010', 103)" << QString();
        QTest::newRow("comilla sin cerrar") << "SELECT * FROM DATOS WHERE IMEI='a" << QString();
    }

    void traduce()
    {
        QFETCH(QString, tsql);
        QFETCH(QString, sqlite);
        const Traduccion t = TraducirTSQL(tsql);
        QCOMPARE(t.ok(), !sqlite.isEmpty());
        if (t.ok())
            QCOMPARE(t.sql, sqlite);
    }

    void literales_data()
    {
        QTest::addColumn<QString>("literal");
        QTest::addColumn<QString>("mesPrimero");
        QTest::addColumn<QString>("diaPrimero");
        QTest::newRow("05/03/2010") << "05/03/2010" << "2010-05-03 00:00:00" << "2010-03-05 00:00:00";
        QTest::newRow("con hora") << "03/05/2010 07:04:09" << "2010-03-05 07:04:09" << "2010-05-03 07:04:09";
        QTest::newRow("sin ceros") << "3/5/2010 8:00" << "2010-03-05 08:00:00" << "2010-05-03 08:00:00";
        QTest::newRow("milisegundos") << "03/05/2010 07:04:09.5" << "2010-03-05 07:04:09.500" << "2010-05-03 07:04:09.500";
        QTest::newRow("puntos") << "05.03.2010" << "2010-05-03 00:00:00" << "2010-03-05 00:00:00";
        QTest::newRow("solo vale dia primero") << "31/12/2010" << "" << "2010-12-31 00:00:00";
        QTest::newRow("ISO") << "2010-03-05 07:04" << "2010-03-05 07:04:00" << "2010-03-05 07:04:00";
        QTest::newRow("antes de 1753") << "1/1/1752" << "" << "";
        QTest::newRow("hora imposible") << "3/5/2010 24:00" << "" << "";
        QTest::newRow("no es fecha") << "Nave 1" << "" << "";
    }

    void literales()
    {
        QFETCH(QString, literal);
        QFETCH(QString, mesPrimero);
        QFETCH(QString, diaPrimero);
        QCOMPARE(LiteralMesPrimeroAISO(literal), mesPrimero);
        QCOMPARE(LiteralDiaPrimeroAISO(literal), diaPrimero);
    }

    void respuestas_data()
    {
        QTest::addColumn<QString>("consulta");
        QTest::addColumn<QStringList>("esperadas");
        QTest::newRow("103 lee dia primero") << kDia103.arg("05/03/2010") << QStringList{"4"};
        QTest::newRow("103 no lee mes primero") << kDia103.arg("03/05/2010") << QStringList{"0"};
        QTest::newRow("103 sin ceros no es el dia") << kDia103.arg("5/3/2010") << QStringList{"0"};
        QTest::newRow("contra FECHA es mes primero") << "SELECT Count(*) FROM DATOS WHERE FECHA < '05/03/2010'" << QStringList{"7"};
        QTest::newRow("contra FECHA no es dia primero") << "SELECT Count(*) FROM DATOS WHERE FECHA < '03/05/2010'" << QStringList{"1"};
        QTest::newRow("se lee como fecha y hora") << "SELECT FECHA FROM DATOS WHERE FECHA < '03/02/2010'" << QStringList{"2010-03-01T00:00:00.000Z"};
        // Read as a floating date and time (UTC standing for no zone), milliseconds kept.
        QTest::newRow("con milisegundos") << "SELECT FECHA FROM DATOS WHERE FECHA > '12/01/2010'" << QStringList{"2010-12-31T09:00:00.250Z"};
        QTest::newRow("dias grabados 101") << "SELECT DISTINCT CONVERT(nvarchar(11), FECHA, 101) as F1 FROM   DATOS where IMEI='A' order by F1 "
                                           << QStringList{"03/01/2010", "03/05/2010", "03/06/2010", "03/31/2010", "12/31/2010"};
        QTest::newRow("horas del dia 114") << "SELECT CONVERT(nvarchar(5), FECHA, 114) from Datos Where CONVERT(nvarchar(11), FECHA, 101)='03/05/2010' order by fecha ASC "
                                           << QStringList{"07:04", "07:59", "08:00", "18:30"};
        QTest::newRow("114 entero") << "SELECT CONVERT(nvarchar(12), FECHA, 114) from Datos Where CONVERT(nvarchar(11), FECHA, 101)='03/06/2010'"
                                    << QStringList{"07:10:00:000"};
        QTest::newRow("103 como texto") << "SELECT CONVERT(VarChar(100), FECHA, 103) from Datos WHERE FECHA > '12/01/2010'" << QStringList{"31/12/2010"};
        QTest::newRow("estadistica por dia y hora, limites fuera")
            << "SELECT  convert(nvarchar(11), fecha, 101),DatePart(hh, fecha),Count(*) FROM [DATOS]   where IMEI='A' and Fecha>CONVERT(DateTime, '01/03/2010', 103)  "
               "  And Fecha<CONVERT(DateTime, '31/03/2010', 103)  Group By convert(nvarchar(11), fecha, 101),DatePart(hh, fecha) order by convert(nvarchar(11), fecha, 101),DatePart(hh, fecha)"
            << QStringList{"03/05/2010|7|2", "03/05/2010|8|1", "03/05/2010|18|1", "03/06/2010|7|1"};
    }

    void respuestas()
    {
        QFETCH(QString, consulta);
        QFETCH(QStringList, esperadas);
        // Seconds apart are two positions; the statistics bounds fall on the first and last.
        for (const char *f : {"03/01/2010 00:00:00", "03/05/2010 07:04:09", "03/05/2010 07:59:59", "03/05/2010 08:00:00",
                              "03/05/2010 18:30:00", "03/06/2010 07:10:00", "03/31/2010 00:00:00", "12/31/2010 09:00:00.25"})
            QCOMPARE(BaseLocal().Execute(insertar("A", f)), 1);
        QCOMPARE(filas(BaseLocal().DevuelveRecordset(consulta)), esperadas);
    }

    void comparacionSinMayusculasNiBlancos()
    {
        QCOMPARE(BaseLocal().Execute(insertar("abc", "03/05/2010 07:00:00", "Nave 1")), 1);
        QCOMPARE(BaseLocal().Execute(insertar("ABC ", "03/05/2010 08:00:00", "NAVE 1 ")), 1);
        QCOMPARE(BaseLocal().Execute(insertar("abc", "03/05/2010 09:00:00", "Almacén")), 1);
        QCOMPARE(BaseLocal().Execute(insertar("abc", "03/05/2010 10:00:00", "ALMACÉN")), 1);
        QCOMPARE(BaseLocal().NumRegistros("SELECT Count(*) FROM DATOS WHERE IMEI='Abc'"), 4);
        QCOMPARE(BaseLocal().NumRegistros("SELECT Count(*) FROM DATOS WHERE ZONA='nave 1'"), 2);
        QCOMPARE(filas(BaseLocal().DevuelveRecordset("Select DISTINCT IMEI FROM DATOS")).size(), 1);
        QCOMPARE(filas(BaseLocal().DevuelveRecordset("Select DISTINCT ZONA FROM DATOS")).size(), 2);
        const QStringList porZona = filas(BaseLocal().DevuelveRecordset(
            "SELECT  Zona ,DatePart(hh, fecha),Count(*) FROM [DATOS] WHERE ( IMEI='abc') Group By zona order by Zona"));
        QCOMPARE(porZona.size(), 2);
        QVERIFY(porZona[0].endsWith("|2") && porZona[1].endsWith("|2"));
        QCOMPARE(BaseLocal().NumRegistros("SELECT Count(*) FROM DATOS WHERE 'ABC ' = IMEI AND ZONA IN ('almacén')"), 2);
        // Letters that share their first byte are still told apart (é and ñ).
        QCOMPARE(BaseLocal().NumRegistros("SELECT Count(*) FROM DATOS WHERE ZONA = 'almacñn'"), 0);
    }

    void porIndice_data()
    {
        QTest::addColumn<QString>("consulta");
        QTest::addColumn<QStringList>("esperadas");
        // Empty, or the index seek that reaches each next answer row: no scan of DATOS, no reading of
        // every row of a locator.
        QTest::addColumn<QString>("busqueda");
        const QString dias = QStringLiteral("SELECT DISTINCT CONVERT(nvarchar(11), FECHA, 101) as F1 FROM   DATOS where IMEI='%1' order by F1 ");
        QTest::newRow("localizadores, orden sin mayúsculas") << "Select DISTINCT IMEI FROM DATOS" << QStringList{"a", "B", "C ", "É"} << "<expr>>?";
        QTest::newRow("días de un localizador") << dias.arg("b") << QStringList{"03/05/2010", "03/06/2010", "12/31/2009"} << "<expr>=? AND FECHA>?";
        QTest::newRow("días, sin blancos finales") << dias.arg("C") << QStringList{"03/06/2010"} << "<expr>=? AND FECHA>?";
        QTest::newRow("días, letra no ASCII") << dias.arg("é") << QStringList{"03/07/2010", "03/08/2010"} << "";
        QTest::newRow("días de nadie") << dias.arg("Z") << QStringList{} << "<expr>=? AND FECHA>?";
        QTest::newRow("días 103 al revés")
            << "SELECT DISTINCT CONVERT(varchar(10), FECHA, 103) F1 FROM DATOS WHERE IMEI = 'B' ORDER BY F1 DESC;"
            << QStringList{"31/12/2009", "06/03/2010", "05/03/2010"} << "<expr>=? AND FECHA>?";
        QTest::newRow("cuenta del día") << kDia103.arg("05/03/2010") << QStringList{"3"} << "FECHA>?";
        // Other conditions or columns keep the plain reading, with every condition applied.
        QTest::newRow("días con otra condición") << QString(dias.arg("B")).replace("order", "and ZONA='Nave 1' order")
                                                 << QStringList{"03/06/2010"} << "";
        QTest::newRow("horas no son días") << "SELECT DISTINCT CONVERT(nvarchar(5), FECHA, 114) FROM DATOS WHERE IMEI='a'"
                                           << QStringList{"23:59"} << "";
    }

    void porIndice()
    {
        QFETCH(QString, consulta);
        QFETCH(QStringList, esperadas);
        QFETCH(QString, busqueda);
        // Days meet at midnight; a locator's rows lie between another's.
        for (auto [imei, fecha, zona] : {std::tuple{"B", "12/31/2009 23:59:59", ""}, {"a", "03/05/2010 23:59:00", ""},
                                         {"B", "03/05/2010 00:00:00", ""}, {"B", "03/05/2010 23:59:59", ""},
                                         {"C ", "03/06/2010 00:00:00", ""}, {"B", "03/06/2010 12:00:00", "Nave 1"},
                                         {"É", "03/07/2010 08:00:00", ""}, {"é", "03/08/2010 08:00:00", ""}})
            QCOMPARE(BaseLocal().Execute(insertar(imei, fecha, zona)), 1);
        QCOMPARE(filas(BaseLocal().DevuelveRecordset(consulta)), esperadas);
        if (!busqueda.isEmpty()) {
            const QString plan = filas(BaseLocal().DevuelveRecordset("EXPLAIN QUERY PLAN " + TraducirTSQL(consulta).sql)).join(' ');
            QVERIFY2(plan.contains(busqueda) && !plan.contains("SCAN DATOS"), qPrintable(plan));
        }
    }
};

void TstTraductorTSQL::cleanup() { carpeta.reset(); }

QTEST_GUILESS_MAIN(TstTraductorTSQL)
#include "tst_traductortsql.moc"
