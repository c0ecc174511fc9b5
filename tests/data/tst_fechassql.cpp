// The SQL date conventions and SQL Server's text comparison, checked as answers on a real local file.
#include "carpetaprueba.h"
#include "module1.h"

#include <QtTest>

using Module1::BaseLocal;

namespace {
QString insertar(const QString &imei, const QString &fechaMesPrimero, const QString &zona = QString())
{
    return QStringLiteral("INSERT INTO DATOS (IMEI, FECHA, LATITUD, LONGITUD, VELOCIDAD, INFORMACION, ZONA) VALUES('%1','%2','40.1','-3.7','10','','%3')")
        .arg(imei, fechaMesPrimero, zona);
}
QStringList columna(std::unique_ptr<Recordset> rs, int i = 0)
{
    QStringList r;
    if (!rs)
        return r;
    for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext())
        r << rs->Fields(i).toString();
    return r;
}
}

class TstFechasSQL : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void diaPrimeroYMesPrimero();
    void filasSegundosAparte();
    void purgaEnMedianoche();
    void estilos101y114();
    void estadisticaPorDiaYHora();
    void comparacionSinMayusculasNiBlancos();
    void cuentaDelDiaUsaIndice();

private:
    std::unique_ptr<CarpetaPrueba> carpeta;
};

void TstFechasSQL::init()
{
    carpeta = std::make_unique<CarpetaPrueba>();
    QVERIFY(carpeta->crearBaseLocal());
    QVERIFY(BaseLocal().ConectarLOCAL());
}

void TstFechasSQL::cleanup() { carpeta.reset(); }

void TstFechasSQL::diaPrimeroYMesPrimero()
{
    // Inserted month-first: 5 March 2010.
    QCOMPARE(BaseLocal().Execute(insertar("A", "03/05/2010 10:00:00")), 1);
    const QString estilo103 = "SELECT Count(*) from [DATOS] Where CONVERT(nVarChar(100), FECHA, 103) = CONVERT(nVarChar(100),'%1', 103)";
    QCOMPARE(BaseLocal().NumRegistros(estilo103.arg("05/03/2010")), 1);   // day-first: 5 March
    QCOMPARE(BaseLocal().NumRegistros(estilo103.arg("03/05/2010")), 0);   // would be 3 May
    // Compared directly with FECHA the same text is month-first: 3 May.
    QCOMPARE(BaseLocal().NumRegistros("SELECT Count(*) FROM DATOS WHERE FECHA < '05/03/2010'"), 1);
    QCOMPARE(BaseLocal().NumRegistros("SELECT Count(*) FROM DATOS WHERE FECHA < '03/05/2010'"), 0);
    // The value reads back as a date and time.
    auto rs = BaseLocal().DevuelveRecordset("SELECT FECHA FROM DATOS");
    QVERIFY(rs);
    QCOMPARE(rs->Fields(0).toDateTime(), QDateTime(QDate(2010, 3, 5), QTime(10, 0)));
}

void TstFechasSQL::filasSegundosAparte()
{
    QCOMPARE(BaseLocal().Execute(insertar("A", "03/05/2010 10:00:00")), 1);
    QCOMPARE(BaseLocal().Execute(insertar("A", "03/05/2010 10:00:03")), 1);
    QCOMPARE(BaseLocal().Execute(insertar("A", "03/05/2010 10:00:03")), 0);  // the same pair again
    QCOMPARE(BaseLocal().NumRegistros("SELECT Count(*) from [DATOS] Where CONVERT(nVarChar(100), FECHA, 103) = CONVERT(nVarChar(100),'05/03/2010', 103)"), 2);
}

void TstFechasSQL::purgaEnMedianoche()
{
    for (const char *f : {"02/28/2010 23:59:59", "03/01/2010 00:00:00", "03/01/2010 12:00:00", "01/15/2009 08:00:00"})
        QCOMPARE(BaseLocal().Execute(insertar("A", f)), 1);
    QCOMPARE(BaseLocal().Execute("DELETE  Datos  WHERE  FECHA < '03/01/2010'"), 2);
    QCOMPARE(columna(BaseLocal().DevuelveRecordset("SELECT CONVERT(nvarchar(20), FECHA, 120) FROM DATOS ORDER BY FECHA")),
             (QStringList{"2010-03-01 00:00:00", "2010-03-01 12:00:00"}));
    QCOMPARE(BaseLocal().Execute("DELETE  Datos  WHERE  FECHA < '03/01/2010'"), 0);
}

void TstFechasSQL::estilos101y114()
{
    QCOMPARE(BaseLocal().Execute(insertar("A", "03/05/2010 07:04:09")), 1);
    QCOMPARE(BaseLocal().Execute(insertar("A", "03/05/2010 18:30:00")), 1);
    QCOMPARE(BaseLocal().Execute(insertar("A", "12/31/2010 09:00:00")), 1);
    QCOMPARE(columna(BaseLocal().DevuelveRecordset("SELECT DISTINCT CONVERT(nvarchar(11), FECHA, 101) as F1 FROM   DATOS where IMEI='A' order by F1 ")),
             (QStringList{"03/05/2010", "12/31/2010"}));
    QCOMPARE(columna(BaseLocal().DevuelveRecordset("SELECT CONVERT(nvarchar(5), FECHA, 114) from Datos Where CONVERT(nvarchar(11), FECHA, 101)='03/05/2010' order by fecha ASC ")),
             (QStringList{"07:04", "18:30"}));
    QCOMPARE(columna(BaseLocal().DevuelveRecordset("SELECT CONVERT(nvarchar(12), FECHA, 114) from Datos order by fecha DESC")).first(),
             QStringLiteral("09:00:00:000"));
    QCOMPARE(columna(BaseLocal().DevuelveRecordset("SELECT CONVERT(VarChar(100), FECHA, 103) from Datos order by fecha")),
             (QStringList{"05/03/2010", "05/03/2010", "31/12/2010"}));
}

void TstFechasSQL::estadisticaPorDiaYHora()
{
    for (const char *f : {"03/05/2010 07:04:09", "03/05/2010 07:59:59", "03/05/2010 08:00:00", "03/06/2010 07:10:00"})
        QCOMPARE(BaseLocal().Execute(insertar("A", f, "Nave 1")), 1);
    auto rs = BaseLocal().DevuelveRecordset(
        "SELECT  convert(nvarchar(11), fecha, 101),DatePart(hh, fecha),Count(*) FROM [DATOS]   where IMEI='A' and Fecha>CONVERT(DateTime, '01/03/2010', 103)  "
        "  And Fecha<CONVERT(DateTime, '31/03/2010', 103)  Group By convert(nvarchar(11), fecha, 101),DatePart(hh, fecha) order by convert(nvarchar(11), fecha, 101),DatePart(hh, fecha)");
    QVERIFY(rs);
    QStringList filas;
    for (; !rs->Eof(); rs->MoveNext())
        filas << QStringLiteral("%1 %2 %3").arg(rs->Texto(0)).arg(rs->Fields(1).toInt()).arg(rs->Fields(2).toInt());
    QCOMPARE(filas, (QStringList{"03/05/2010 7 2", "03/05/2010 8 1", "03/06/2010 7 1"}));
}

void TstFechasSQL::comparacionSinMayusculasNiBlancos()
{
    QCOMPARE(BaseLocal().Execute(insertar("abc", "03/05/2010 07:00:00", "Nave 1")), 1);
    QCOMPARE(BaseLocal().Execute(insertar("ABC ", "03/05/2010 08:00:00", "NAVE 1 ")), 1);
    QCOMPARE(BaseLocal().Execute(insertar("abc", "03/05/2010 09:00:00", "Almacén")), 1);
    QCOMPARE(BaseLocal().Execute(insertar("abc", "03/05/2010 10:00:00", "ALMACÉN")), 1);
    // The same locator written twice with the same instant is one position.
    QCOMPARE(BaseLocal().Execute(insertar("ABC  ", "03/05/2010 07:00:00")), 0);
    QCOMPARE(BaseLocal().NumRegistros("SELECT Count(*) FROM DATOS WHERE IMEI='Abc'"), 4);
    QCOMPARE(BaseLocal().NumRegistros("SELECT Count(*) FROM DATOS WHERE ZONA='nave 1'"), 2);
    QCOMPARE(columna(BaseLocal().DevuelveRecordset("Select DISTINCT IMEI FROM DATOS")).size(), 1);
    QCOMPARE(columna(BaseLocal().DevuelveRecordset("SELECT  Zona ,DatePart(hh, fecha),Count(*) FROM [DATOS] WHERE ( IMEI='abc') Group By zona order by Zona"), 2),
             (QStringList{"2", "2"}));
    QCOMPARE(BaseLocal().Execute("INSERT INTO LOCALIZADORES VALUES('abc','coche')"), 1);
    QCOMPARE(BaseLocal().Execute("INSERT INTO LOCALIZADORES VALUES('ABC ','camion')"), 0);
}

void TstFechasSQL::cuentaDelDiaUsaIndice()
{
    auto plan = BaseLocal().DevuelveRecordset(
        "EXPLAIN QUERY PLAN SELECT Count(*) from [DATOS] Where CONVERT(nVarChar(100), FECHA, 103) = CONVERT(nVarChar(100),'05/03/2010', 103)");
    QVERIFY(plan);
    const QString detalle = columna(std::move(plan), 3).join(' ');
    QVERIFY2(detalle.contains("USING") && detalle.contains("INDEX") && detalle.contains("FECHA>?"), qPrintable(detalle));
}

QTEST_GUILESS_MAIN(TstFechasSQL)
#include "tst_fechassql.moc"
