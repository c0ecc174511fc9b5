// The filter checks of the statistics window and the exact texts of its three queries.
#include "filtroestadistica.h"

#include <QtTest>

using namespace FiltroEstadistica;

class TstFiltroEstadistica : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void validar_data();
    void validar();
    void periodo_data();
    void periodo();
    void textoConsulta_data();
    void textoConsulta();
    void comillasDobladas();
};

Q_DECLARE_METATYPE(FiltroEstadistica::Foco)

void TstFiltroEstadistica::validar_data()
{
    QTest::addColumn<QString>("t1");
    QTest::addColumn<QString>("t2");
    QTest::addColumn<bool>("valida");
    QTest::addColumn<QString>("mensaje");
    QTest::addColumn<Foco>("foco");
    QTest::newRow("ambas vacias") << "" << "" << false << "Debe realizar algún filtro" << Foco::Ninguno;
    QTest::newRow("solo la primera") << "01/12/2026" << "" << false << "Fecha 2 sin concretar!" << Foco::Fecha2;
    QTest::newRow("solo la segunda") << "" << "01/12/2026" << false << "Fecha 1 sin concretar!" << Foco::Fecha1;
    QTest::newRow("primera invalida y segunda invalida")
        << "32/13/2026" << "abc" << false << "Fecha 1 Incorrecta" << Foco::Fecha1;
    QTest::newRow("primera invalida, segunda vacia") << "hoy" << "" << false << "Fecha 1 Incorrecta" << Foco::Fecha1;
    QTest::newRow("segunda invalida") << "01/12/2026" << "31/02/2026" << false << "Fecha 2 Incorrecta" << Foco::Fecha2;
    QTest::newRow("vacia y segunda invalida") << "" << "x" << false << "Fecha 2 Incorrecta" << Foco::Fecha2;
    QTest::newRow("misma fecha") << "05/12/2026" << "05/12/2026" << true << "" << Foco::Ninguno;
    QTest::newRow("invertidas") << "20/12/2026" << "05/12/2026" << true << "" << Foco::Ninguno;
    QTest::newRow("31 dias tambien pasa la validacion") << "01/12/2026" << "01/01/2027" << true << "" << Foco::Ninguno;
}

void TstFiltroEstadistica::validar()
{
    QFETCH(QString, t1);
    QFETCH(QString, t2);
    QFETCH(bool, valida);
    QFETCH(QString, mensaje);
    QFETCH(Foco, foco);
    const Validacion v = Validar(t1, t2);
    QCOMPARE(v.valida, valida);
    QCOMPARE(v.mensaje, mensaje);
    QCOMPARE(v.foco, foco);
}

void TstFiltroEstadistica::periodo_data()
{
    QTest::addColumn<QString>("t1");
    QTest::addColumn<QString>("t2");
    QTest::addColumn<bool>("excesivo");
    QTest::newRow("30 dias") << "01/12/2026" << "31/12/2026" << false;
    QTest::newRow("30 dias al reves") << "31/12/2026" << "01/12/2026" << false;
    QTest::newRow("31 dias") << "01/12/2026" << "01/01/2027" << true;
    QTest::newRow("31 dias al reves") << "01/01/2027" << "01/12/2026" << true;
    QTest::newRow("30 dias por febrero bisiesto") << "15/02/2028" << "16/03/2028" << false;
    QTest::newRow("31 dias por febrero bisiesto") << "15/02/2028" << "17/03/2028" << true;
    QTest::newRow("misma fecha") << "05/12/2026" << "05/12/2026" << false;
    QTest::newRow("con horas, dias enteros") << "01/12/2026 23:00" << "31/12/2026 22:00" << false;
}

void TstFiltroEstadistica::periodo()
{
    QFETCH(QString, t1);
    QFETCH(QString, t2);
    QFETCH(bool, excesivo);
    QCOMPARE(PeriodoExcesivo(t1, t2), excesivo);
}

void TstFiltroEstadistica::textoConsulta_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("localizador");
    QTest::addColumn<QString>("zona");
    QTest::addColumn<QString>("esperado");
    const QString periodo =
        "Fecha>CONVERT(DateTime, '01/12/2026', 103)    And Fecha<CONVERT(DateTime, '15/12/2026', 103) ";
    QTest::newRow("dias, todos con tres localizadores")
        << 1 << "Todos" << ""
        << "SELECT  convert(nvarchar(11), fecha, 101),DatePart(hh, fecha),Count(*) FROM [DATOS] WHERE ( IMEI='A1' OR  "
           "IMEI='B2' OR  IMEI='C3') and " + periodo +
               " Group By convert(nvarchar(11), fecha, 101),DatePart(hh, fecha) order by convert(nvarchar(11), fecha, "
               "101),DatePart(hh, fecha)";
    QTest::newRow("zonas, todos con tres localizadores")
        << 2 << "Todos" << ""
        << "SELECT  Zona ,DatePart(hh, fecha),Count(*) FROM [DATOS] WHERE ( IMEI='A1' OR  IMEI='B2' OR  IMEI='C3') and " +
               periodo + " Group By zona,DatePart(hh, fecha) order by Zona,DatePart(hh, fecha)";
    QTest::newRow("localizadores, todos con tres localizadores")
        << 3 << "Todos" << ""
        << "SELECT  Imei,Zona ,DatePart(hh, fecha),Count(*) FROM [DATOS] WHERE ( IMEI='A1' OR  IMEI='B2' OR  "
           "IMEI='C3') and " + periodo +
               " Group By Imei,zona,DatePart(hh, fecha) order by Imei,Zona,DatePart(hh, fecha)";
    QTest::newRow("dias, un localizador y una zona")
        << 1 << "B2" << "Nave 1"
        << "SELECT  convert(nvarchar(11), fecha, 101),DatePart(hh, fecha),Count(*) FROM [DATOS]   where IMEI='B2' and " +
               periodo + " and Zona='Nave 1' Group By convert(nvarchar(11), fecha, 101),DatePart(hh, fecha) order by "
                         "convert(nvarchar(11), fecha, 101),DatePart(hh, fecha)";
    QTest::newRow("zonas, un localizador y una zona")
        << 2 << "B2" << "Nave 1"
        << "SELECT  Zona,DatePart(hh, fecha),Count(*) FROM [DATOS]   where IMEI='B2' and " + periodo +
               " and Zona='Nave 1' Group By zona,DatePart(hh, fecha) order by Zona,DatePart(hh, fecha)";
    QTest::newRow("localizadores, un localizador y una zona")
        << 3 << "B2" << "Nave 1"
        << "SELECT  Imei,Zona,DatePart(hh, fecha),Count(*) FROM [DATOS]   where IMEI='B2' and " + periodo +
               " and Zona='Nave 1' Group By Imei,zona,DatePart(hh, fecha) order by Imei,Zona,DatePart(hh, fecha)";
}

void TstFiltroEstadistica::textoConsulta()
{
    QFETCH(int, tipo);
    QFETCH(QString, localizador);
    QFETCH(QString, zona);
    QFETCH(QString, esperado);
    const QStringList entradas{"Todos", "A1", "B2", "C3"};
    QCOMPARE(TextoConsulta(tipo, entradas, localizador, "01/12/2026", "15/12/2026", zona), esperado);
}

void TstFiltroEstadistica::comillasDobladas()
{
    const QString todos = TextoConsulta(2, {"Todos", "O'Neil"}, "Todos", "01/12/2026", "02/12/2026", "Muelle d'Or");
    QVERIFY(todos.contains("( IMEI='O''Neil') and"));
    QVERIFY(todos.contains(" and Zona='Muelle d''Or' Group By"));
    const QString uno = TextoConsulta(1, {"Todos", "X"}, "a' OR '1'='1", "01/12/2026", "02/12/2026", "");
    QVERIFY(uno.contains("where IMEI='a'' OR ''1''=''1' and Fecha>"));
    // With no locator besides "Todos" the condition list stays empty: the engine refuses the text.
    QVERIFY(TextoConsulta(1, {"Todos"}, "Todos", "01/12/2026", "02/12/2026", "").contains("WHERE () and Fecha>"));
}

QTEST_APPLESS_MAIN(TstFiltroEstadistica)
#include "tst_filtroestadistica.moc"
