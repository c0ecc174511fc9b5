// The T-SQL texts the program sends, translated for SQLite: the texts themselves, and the
// answers they give on a real file compared with what SQL Server answers.
#include "literalesfecha.h"
#include "traductortsql.h"

#include <QtTest>

class TstTraductorTSQL : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void traduce_data();
    void traduce();
    void literales_data();
    void literales();
    void rechazaFechasImposibles_data();
    void rechazaFechasImposibles();
};

void TstTraductorTSQL::traduce_data()
{
    QTest::addColumn<QString>("tsql");
    QTest::addColumn<QString>("sqlite");

    QTest::newRow("cuenta local del dia (rango de indice)")
        << "SELECT Count(*) from [DATOS] Where CONVERT(nVarChar(100), FECHA, 103) = CONVERT(nVarChar(100),'05/03/2010', 103)"
        << "SELECT Count(*) from [DATOS] Where (FECHA >= '2010-03-05' AND FECHA < '2010-03-06')";
    QTest::newRow("cuenta remota del dia")
        << "SELECT Count(*) from [CONSULTA GPS DETALLE] Where CONVERT(VarChar(100), FECHA, 103) = CONVERT(VarChar(100),'31/12/2009', 103) and TITULAR='B1'"
        << "SELECT Count(*) from [CONSULTA GPS DETALLE] Where (FECHA >= '2009-12-31' AND FECHA < '2010-01-01') and TITULAR='B1'";
    QTest::newRow("dia 101 contra texto")
        << "SELECT CONVERT(nvarchar(5), FECHA, 114) from Datos Where CONVERT(nvarchar(11), FECHA, 101)='03/05/2010' order by fecha ASC "
        << "SELECT substr((strftime('%H:%M:%S', FECHA) || ':' || substr(strftime('%f', FECHA), 4, 3)), 1, 5) from Datos Where (FECHA >= '2010-03-05' AND FECHA < '2010-03-06') order by fecha ASC ";
    QTest::newRow("dia sin ceros no es rango")
        << "SELECT Count(*) from DATOS Where CONVERT(nVarChar(100), FECHA, 103) = CONVERT(nVarChar(100),'5/3/2010', 103)"
        << "SELECT Count(*) from DATOS Where substr(strftime('%d/%m/%Y', FECHA), 1, 100) = '5/3/2010'";
    QTest::newRow("insercion mes primero")
        << "INSERT INTO DATOS (IMEI, FECHA, LATITUD, LONGITUD, VELOCIDAD, INFORMACION, ZONA) VALUES('1','03/05/2010 07:04:09','40.1','-3.2','0','a','')"
        << "INSERT INTO DATOS (IMEI, FECHA, LATITUD, LONGITUD, VELOCIDAD, INFORMACION, ZONA) VALUES('1','2010-03-05 07:04:09','40.1','-3.2','0','a','')";
    QTest::newRow("insercion sin columnas")
        << "INSERT INTO DATOS VALUES('1','12/31/2010 23:59:59','40','3','0','03/05/2010','Z')"
        << "INSERT INTO DATOS VALUES('1','2010-12-31 23:59:59','40','3','0','03/05/2010','Z')";
    QTest::newRow("purga")
        << "DELETE  Datos  WHERE  FECHA < '03/01/2010'"
        << "DELETE FROM  Datos  WHERE  FECHA < '2010-03-01 00:00:00'";
    QTest::newRow("recorrido sin ceros ni segundos")
        << "SELECT * FROM DATOS WHERE IMEI='X' AND FECHA BETWEEN '3/5/2010 08:00' AND '3/5/2010 23:59' ORDER BY FECHA ASC"
        << "SELECT * FROM DATOS WHERE IMEI='X' AND FECHA BETWEEN '2010-03-05 08:00:00' AND '2010-03-05 23:59:00' ORDER BY FECHA ASC";
    QTest::newRow("dias grabados")
        << "SELECT DISTINCT CONVERT(nvarchar(11), FECHA, 101) as F1 FROM   DATOS where IMEI='X' order by F1 "
        << "SELECT DISTINCT substr(strftime('%m/%d/%Y', FECHA), 1, 11) as F1 FROM   DATOS where IMEI='X' order by F1 ";
    QTest::newRow("estadistica por dia y hora")
        << "SELECT  convert(nvarchar(11), fecha, 101),DatePart(hh, fecha),Count(*) FROM [DATOS]   where IMEI='X' and Fecha>CONVERT(DateTime, '01/03/2010', 103)    And Fecha<CONVERT(DateTime, '31/03/2010', 103)  Group By convert(nvarchar(11), fecha, 101),DatePart(hh, fecha)"
        << "SELECT  substr(strftime('%m/%d/%Y', fecha), 1, 11),CAST(strftime('%H', fecha) AS INTEGER),Count(*) FROM [DATOS]   where IMEI='X' and Fecha>'2010-03-01 00:00:00'    And Fecha<'2010-03-31 00:00:00'  Group By substr(strftime('%m/%d/%Y', fecha), 1, 11),CAST(strftime('%H', fecha) AS INTEGER)";
    QTest::newRow("comillas dobladas intactas")
        << "SELECT * FROM Zonas WHERE [Descripcion zona]='O''Donnell' and TITULAR LIKE 'B1'"
        << "SELECT * FROM Zonas WHERE [Descripcion zona]='O''Donnell' and TITULAR LIKE 'B1'";
    QTest::newRow("literal N")
        << "SELECT * FROM Titular WHERE TITULAR = N'B1'"
        << "SELECT * FROM Titular WHERE TITULAR = 'B1'";
    QTest::newRow("fecha entre corchetes a la derecha")
        << "SELECT 1 FROM DATOS WHERE '03/01/2010' <= [FECHA]"
        << "SELECT 1 FROM DATOS WHERE '2010-03-01 00:00:00' <= [FECHA]";
    QTest::newRow("sin nada que traducir")
        << "Select * from [TITULAR]" << "Select * from [TITULAR]";
}

void TstTraductorTSQL::traduce()
{
    QFETCH(QString, tsql);
    QFETCH(QString, sqlite);
    Traduccion t = TraducirTSQL(tsql);
    QVERIFY2(t.ok(), qPrintable(t.error));
    QCOMPARE(t.sql, sqlite);
}

void TstTraductorTSQL::literales_data()
{
    QTest::addColumn<QString>("literal");
    QTest::addColumn<QString>("mesPrimero");
    QTest::addColumn<QString>("diaPrimero");
    QTest::newRow("05/03/2010") << "05/03/2010" << "2010-05-03 00:00:00" << "2010-03-05 00:00:00";
    QTest::newRow("con hora") << "03/05/2010 07:04:09" << "2010-03-05 07:04:09" << "2010-05-03 07:04:09";
    QTest::newRow("sin ceros") << "3/5/2010 8:00" << "2010-03-05 08:00:00" << "2010-05-03 08:00:00";
    QTest::newRow("milisegundos") << "03/05/2010 07:04:09.5" << "2010-03-05 07:04:09.500" << "2010-05-03 07:04:09.500";
    QTest::newRow("solo vale dia primero") << "31/12/2010" << "" << "2010-12-31 00:00:00";
    QTest::newRow("ISO") << "2010-03-05 07:04" << "2010-03-05 07:04:00" << "2010-03-05 07:04:00";
    QTest::newRow("no es fecha") << "Nave 1" << "" << "";
}

void TstTraductorTSQL::literales()
{
    QFETCH(QString, literal);
    QFETCH(QString, mesPrimero);
    QFETCH(QString, diaPrimero);
    QCOMPARE(LiteralMesPrimeroAISO(literal), mesPrimero);
    QCOMPARE(LiteralDiaPrimeroAISO(literal), diaPrimero);
}

void TstTraductorTSQL::rechazaFechasImposibles_data()
{
    QTest::addColumn<QString>("tsql");
    QTest::newRow("mes 13 en la purga") << "DELETE Datos WHERE FECHA < '13/01/2010'";
    QTest::newRow("dia primero insertado") << "INSERT INTO DATOS (IMEI, FECHA) VALUES('1','31/12/2010 10:00:00')";
    QTest::newRow("entre imposible") << "SELECT * FROM DATOS WHERE FECHA BETWEEN '1/1/2010 10:00' AND '2/30/2010 10:00'";
    QTest::newRow("estilo 103 imposible") << "SELECT 1 FROM DATOS WHERE Fecha>CONVERT(DateTime, '12/31/2010', 103)";
    QTest::newRow("comilla sin cerrar") << "SELECT * FROM DATOS WHERE IMEI='a";
}

void TstTraductorTSQL::rechazaFechasImposibles()
{
    QFETCH(QString, tsql);
    QVERIFY(!TraducirTSQL(tsql).ok());
}

QTEST_GUILESS_MAIN(TstTraductorTSQL)
#include "tst_traductortsql.moc"
