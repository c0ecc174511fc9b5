// The selection's SQL texts, the period checks and bounds, and the recorded days, against the
// local file.
#include "consultasdiferido.h"
#include "module1.h"
#include "pistaprueba.h"
#include "recordset.h"
#include "regional.h"

#include <QtTest>

using namespace ConsultasDiferido;
using PistaPrueba::Punto;

class TstConsultasDiferido : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void textosSql();
    void convFechas();
    void limites_data();
    void limites();
    void comprobarPeriodo_data();
    void comprobarPeriodo();
    void periodoSinCerosYFinDeMinuto();
    void diasRegistradosEnCambioDeAnio();
    void horasDelDia();
    void comillasEnElLocalizador();

private:
    std::unique_ptr<CarpetaPrueba> carpeta;
};

void TstConsultasDiferido::init()
{
    carpeta = std::make_unique<CarpetaPrueba>();
    QVERIFY(carpeta->crearBaseLocal());
    QVERIFY(carpeta->conectarLocal());
}

void TstConsultasDiferido::cleanup() { carpeta.reset(); }

void TstConsultasDiferido::textosSql()
{
    QCOMPARE(SqlLocalizadores(), QStringLiteral("Select DISTINCT IMEI FROM DATOS"));
    QCOMPARE(SqlIconoLocalizador("COCHE1"), QStringLiteral("SELECT * FROM LOCALIZADORES WHERE NOMBRE='COCHE1'"));
    QCOMPARE(SqlDiasLocalizador("COCHE1"),
             QStringLiteral("SELECT DISTINCT CONVERT(nvarchar(11), FECHA, 101) as F1 FROM   DATOS where IMEI='COCHE1' order by F1 "));
    QCOMPARE(SqlHoraDia("05/12/2010", false),
             QStringLiteral("SELECT CONVERT(nvarchar(5), FECHA, 114) from Datos Where CONVERT(nvarchar(11), FECHA, 101)='05/12/2010' order by fecha ASC "));
    QCOMPARE(SqlHoraDia("05/12/2010", true),
             QStringLiteral("SELECT CONVERT(nvarchar(5), FECHA, 114) from Datos Where CONVERT(nvarchar(11), FECHA, 101)='05/12/2010' order by fecha DESC "));
    QCOMPARE(SqlRecorrido("COCHE1", "'3/5/2010 08:00'", "'3/5/2010 19:12:59'"),
             QStringLiteral("SELECT * FROM DATOS WHERE IMEI='COCHE1' AND FECHA BETWEEN '3/5/2010 08:00' AND '3/5/2010 19:12:59' ORDER BY FECHA ASC"));
}

void TstConsultasDiferido::convFechas()
{
    QCOMPARE(ConvFecha1(QDate(2010, 12, 5)), QStringLiteral("12/05/2010"));
    QCOMPARE(ConvFecha1(QDate(2011, 1, 1)), QStringLiteral("01/01/2011"));
    QCOMPARE(ConvFecha2(QStringLiteral("12/05/2010")), QStringLiteral("05/12/2010"));
    QCOMPARE(ConvFecha2(ConvFecha1(QDate(1999, 12, 31))), QStringLiteral("31/12/1999"));
}

void TstConsultasDiferido::limites_data()
{
    QTest::addColumn<QString>("fecha");
    QTest::addColumn<QString>("hora");
    QTest::addColumn<bool>("fin");
    QTest::addColumn<QString>("limite");
    QTest::newRow("ejemplo") << "05/03/2010" << "08:00" << false << "'3/5/2010 08:00'";
    QTest::newRow("sin ceros") << "01/02/2011" << "00:00" << false << "'2/1/2011 00:00'";
    QTest::newRow("hora como se escribe") << "1/2/2011" << "8:00" << false << "'2/1/2011 8:00'";
    QTest::newRow("fin sin segundos cubre el minuto") << "12/05/2010" << "19:12" << true << "'5/12/2010 19:12:59'";
    QTest::newRow("fin con segundos tal cual") << "12/05/2010" << "19:12:30" << true << "'5/12/2010 19:12:30'";
    QTest::newRow("fin de año") << "31/12/2010" << "23:59" << true << "'12/31/2010 23:59:59'";
}

void TstConsultasDiferido::limites()
{
    QFETCH(QString, fecha);
    QFETCH(QString, hora);
    QFETCH(bool, fin);
    QFETCH(QString, limite);
    QCOMPARE(LimitePeriodo(fecha, hora, fin), limite);
}

void TstConsultasDiferido::comprobarPeriodo_data()
{
    QTest::addColumn<QStringList>("cajas");  // fecha inicio, fecha fin, hora inicio, hora fin
    QTest::addColumn<int>("fallo");
    using C = CajaPeriodo;
    QTest::newRow("correcto") << QStringList{"12/05/2010", "12/05/2010", "07:58", "19:12"} << int(C::Ninguna);
    QTest::newRow("fin 24:00") << QStringList{"12/05/2010", "12/05/2010", "07:58", "24:00"} << int(C::HoraFin);
    QTest::newRow("fin abc") << QStringList{"12/05/2010", "12/05/2010", "07:58", "abc"} << int(C::HoraFin);
    QTest::newRow("fin vacío") << QStringList{"12/05/2010", "12/05/2010", "07:58", ""} << int(C::HoraFin);
    QTest::newRow("inicio vacío antes que las horas") << QStringList{"", "12/05/2010", "x", "y"} << int(C::FechaInicio);
    QTest::newRow("fecha fin antes que las horas") << QStringList{"12/05/2010", "31/02/2010", "x", "y"} << int(C::FechaFin);
    QTest::newRow("hora inicio antes que la de fin") << QStringList{"12/05/2010", "12/05/2010", "7:60", "abc"} << int(C::HoraInicio);
    QTest::newRow("una fecha en la hora") << QStringList{"12/05/2010", "12/05/2010", "12/05/2010", "19:12"} << int(C::HoraInicio);
    QTest::newRow("horas sin cero") << QStringList{"1/2/2011", "1/2/2011", "8:00", "9:05:07"} << int(C::Ninguna);
}

void TstConsultasDiferido::comprobarPeriodo()
{
    QFETCH(QStringList, cajas);
    QFETCH(int, fallo);
    QCOMPARE(int(ComprobarPeriodo(cajas[0], cajas[1], cajas[2], cajas[3])), fallo);
}

void TstConsultasDiferido::periodoSinCerosYFinDeMinuto()
{
    const QDate dia(2010, 5, 12);
    QList<Punto> p = {{QDateTime(dia, QTime(7, 58, 10)), "40", "-3", "1", "A"},
                      {QDateTime(dia, QTime(8, 0, 0)), "40", "-3", "1", "A"},
                      {QDateTime(dia, QTime(19, 12, 34)), "40", "-3", "1", "A"},
                      {QDateTime(dia, QTime(19, 13, 0)), "40", "-3", "1", "A"}};
    QVERIFY(PistaPrueba::guardar("COCHE1", p));
    QVERIFY(PistaPrueba::guardar("OTRO", p));
    auto filas = [](const QString &desde, const QString &hasta) {
        auto rs = Module1::BaseLocal().DevuelveRecordset(
            SqlRecorrido("COCHE1", LimitePeriodo("12/05/2010", desde, false), LimitePeriodo("12/05/2010", hasta, true)));
        QStringList r;
        if (rs)
            for (; !rs->Eof(); rs->MoveNext())
                r << rs->Fields("FECHA").toDateTime().toString("HH:mm:ss");
        return r;
    };
    // "8:00" and "08:00" are the same instant.
    QCOMPARE(filas("8:00", "19:12"), QStringList({"08:00:00", "19:12:34"}));
    QCOMPARE(filas("08:00", "19:12"), QStringList({"08:00:00", "19:12:34"}));
    QCOMPARE(filas("07:58", "19:13"), QStringList({"07:58:10", "08:00:00", "19:12:34", "19:13:00"}));
    QCOMPARE(filas("08:00:01", "19:12:33"), QStringList());
}

void TstConsultasDiferido::diasRegistradosEnCambioDeAnio()
{
    QList<Punto> p = {{QDateTime(QDate(2010, 12, 30), QTime(9, 0)), "40", "-3", "1", "A"},
                      {QDateTime(QDate(2010, 12, 30), QTime(18, 0)), "40", "-3", "1", "A"},
                      {QDateTime(QDate(2011, 1, 2), QTime(7, 58)), "40", "-3", "1", "A"},
                      {QDateTime(QDate(2011, 1, 2), QTime(19, 12, 34)), "40", "-3", "1", "A"}};
    QVERIFY(PistaPrueba::guardar("COCHE1", p));
    QVERIFY(PistaPrueba::guardar("OTRO", {{QDateTime(QDate(2011, 3, 1), QTime(9, 0)), "40", "-3", "1", "A"}}));
    auto rs = Module1::BaseLocal().DevuelveRecordset(SqlDiasLocalizador("coche1 "));  // case and blanks ignored
    QVERIFY(rs);
    const DiasRegistrados d = LeerDiasRegistrados(*rs);
    QCOMPARE(d.Cuenta(), 2);
    QCOMPARE(d.primero, QDate(2010, 12, 30));
    QCOMPARE(d.ultimo, QDate(2011, 1, 2));
    QCOMPARE(TextoResumen("COCHE1", d),
             QStringLiteral(" El localizador COCHE1 ha registrado 2 días con posiciones de localización.\r\n"
                            " Primer Día registrado: jueves, 30 de diciembre de 2010\r\n"
                            " Ultimo Día registrado: domingo, 2 de enero de 2011"));
    DiasRegistrados uno;
    uno.dias = {QDate(2011, 3, 1)};
    uno.primero = uno.ultimo = QDate(2011, 3, 1);
    QVERIFY(TextoResumen("OTRO", uno).startsWith(" El localizador OTRO ha registrado 1 días con posiciones de localización.\r\n"));
}

void TstConsultasDiferido::horasDelDia()
{
    QList<Punto> p = {{QDateTime(QDate(2010, 5, 12), QTime(7, 58, 40)), "40", "-3", "1", "A"},
                      {QDateTime(QDate(2010, 5, 12), QTime(19, 12, 34)), "40", "-3", "1", "A"},
                      {QDateTime(QDate(2010, 5, 13), QTime(6, 0)), "40", "-3", "1", "A"}};
    QVERIFY(PistaPrueba::guardar("COCHE1", p));
    auto primera = Module1::BaseLocal().DevuelveRecordset(SqlHoraDia(ConvFecha1(QDate(2010, 5, 12)), false));
    auto ultima = Module1::BaseLocal().DevuelveRecordset(SqlHoraDia(ConvFecha1(QDate(2010, 5, 12)), true));
    QVERIFY(primera && ultima);
    QCOMPARE(primera->Texto(0), QStringLiteral("07:58"));
    QCOMPARE(ultima->Texto(0), QStringLiteral("19:12"));
    QVERIFY(!Module1::BaseLocal().DevuelveRecordset(SqlHoraDia(ConvFecha1(QDate(2010, 5, 14)), false)));
}

void TstConsultasDiferido::comillasEnElLocalizador()
{
    QVERIFY(PistaPrueba::guardar("O'Brien", {{QDateTime(QDate(2010, 5, 12), QTime(9, 0)), "40", "-3", "1", "A"}}));
    QVERIFY(CarpetaPrueba::ejecutarEn(RutaBaseLocal(), {"INSERT INTO LOCALIZADORES VALUES ('O''Brien', 'moto1')"}));
    auto dias = Module1::BaseLocal().DevuelveRecordset(SqlDiasLocalizador("O'Brien"));
    QVERIFY(dias);
    QCOMPARE(LeerDiasRegistrados(*dias).Cuenta(), 1);
    auto icono = Module1::BaseLocal().DevuelveRecordset(SqlIconoLocalizador("O'Brien"));
    QVERIFY(icono);
    QCOMPARE(icono->Texto(1), QStringLiteral("moto1"));
    auto rs = Module1::BaseLocal().DevuelveRecordset(
        SqlRecorrido("O'Brien", LimitePeriodo("12/05/2010", "0:00", false), LimitePeriodo("12/05/2010", "23:59", true)));
    QVERIFY(rs);
    QCOMPARE(rs->RecordCount(), 1);
}

QTEST_GUILESS_MAIN(TstConsultasDiferido)
#include "tst_consultasdiferido.moc"
