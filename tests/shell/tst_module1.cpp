#include "carpetaprueba.h"
#include "module1.h"

#include <QtTest>

class TstModule1 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void convFechaDMA_data();
    void convFechaDMA();
    void instanciasCreadasAlUsarlas();
};

void TstModule1::convFechaDMA_data()
{
    QTest::addColumn<QDate>("fecha");
    QTest::addColumn<QString>("texto");
    QTest::newRow("5 marzo 2010") << QDate(2010, 3, 5) << "05/03/2010";
    QTest::newRow("1 enero 2011") << QDate(2011, 1, 1) << "01/01/2011";
    QTest::newRow("31 diciembre 1999") << QDate(1999, 12, 31) << "31/12/1999";
}

void TstModule1::convFechaDMA()
{
    QFETCH(QDate, fecha);
    QFETCH(QString, texto);
    QCOMPARE(Module1::ConvFechaDMA(fecha), texto);
    QCOMPARE(Module1::ConvFechaDMA(QDateTime(fecha, QTime(23, 59, 59)).date()), texto);
}

void TstModule1::instanciasCreadasAlUsarlas()
{
    CarpetaPrueba carpeta;
    QVERIFY(carpeta.crearBaseLocal());
    ADOSQLSERVER *a = &Module1::BaseLocal();
    QCOMPARE(&Module1::BaseLocal(), a);
    QVERIFY(&Module1::ServidorRemoto() != a);
    QVERIFY(!a->Conectado());
    QVERIFY(!a->DevuelveRecordset("Select * from [TITULAR]"));
    QVERIFY(a->ConectarLOCAL());
    QVERIFY(a->Conectado());
    // Releasing closes the connection: the file can be replaced right away.
    Module1::LiberarConexiones();
    QVERIFY(QFile::remove(carpeta.archivo("DATOS/datoslocalizador.sdf")));
    QVERIFY(!Module1::BaseLocal().Conectado());
}

QTEST_GUILESS_MAIN(TstModule1)
#include "tst_module1.moc"
