#include "carpetaprueba.h"
#include "module1.h"

#include <QtTest>

class TstModule1 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void instanciasCreadasAlUsarlas();
};

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
