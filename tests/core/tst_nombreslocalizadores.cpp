// Locators by name: the service's description, the local alias over it, and the texts sent.
#include "carpetaprueba.h"
#include "dialogosguion.h"
#include "module1.h"
#include "nombreslocalizadores.h"
#include "proveedor.h"

#include <QtTest>

namespace {
const QString kTitular = QStringLiteral("B84512370");
const QString kImei1 = QStringLiteral("356000000000001");
const QString kImei2 = QStringLiteral("356000000000002");
const QString kImei3 = QStringLiteral("356000000000003");
}

class TstNombresLocalizadores : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void nombreMostrado_data();
    void nombreMostrado();
    void aliasGuardadoSobreviveAlReabrir();
    void unaConsultaPorBase();

private:
    std::unique_ptr<CarpetaPrueba> carpeta;
    std::unique_ptr<DialogosGuion> dialogos;
};

void TstNombresLocalizadores::init()
{
    carpeta = std::make_unique<CarpetaPrueba>();
    dialogos = std::make_unique<DialogosGuion>();
    QVERIFY(carpeta->crearServicioVacio());
    QVERIFY(carpeta->crearBaseLocal());
    QVERIFY(CarpetaPrueba::ejecutarEn(RutaServicioDemo(), {
        QStringLiteral("INSERT INTO LOCALIZADORES (TITULAR, NOMBRE, DESCRIPCION) VALUES ('%1', '%2', 'Furgoneta 1 - Reparto')").arg(kTitular, kImei1),
        QStringLiteral("INSERT INTO LOCALIZADORES (TITULAR, NOMBRE, DESCRIPCION) VALUES ('%1', '%2', NULL)").arg(kTitular, kImei2),
        // Another holder's locator: its description never reaches this client.
        QStringLiteral("INSERT INTO LOCALIZADORES (TITULAR, NOMBRE, DESCRIPCION) VALUES ('A28999111', '%1', 'Ajeno')").arg(kImei3),
    }));
    QVERIFY(carpeta->conectarLocal());
    QVERIFY(carpeta->conectarRemoto());
    Module1::CodigoTitular = kTitular;
}

void TstNombresLocalizadores::cleanup()
{
    Module1::LiberarConexiones();
    dialogos.reset();
    carpeta.reset();
}

void TstNombresLocalizadores::nombreMostrado_data()
{
    QTest::addColumn<QString>("imei");
    QTest::addColumn<QString>("alias");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("descripcion del servicio") << kImei1 << QString() << QStringLiteral("Furgoneta 1 - Reparto (356000000000001)");
    QTest::newRow("alias sobre la descripcion") << kImei1 << QStringLiteral("Pepe's van") << QStringLiteral("Pepe's van (356000000000001)");
    QTest::newRow("sin descripcion: el IMEI") << kImei2 << QString() << kImei2;
    QTest::newRow("alias sin descripcion") << kImei2 << QStringLiteral("Camión ñ") << QStringLiteral("Camión ñ (356000000000002)");
    QTest::newRow("de otro titular") << kImei3 << QString() << kImei3;
    QTest::newRow("IMEI con blancos detras") << kImei1 + QStringLiteral("  ") << QString()
                                             << QStringLiteral("Furgoneta 1 - Reparto (356000000000001  )");
}

void TstNombresLocalizadores::nombreMostrado()
{
    QFETCH(QString, imei);
    QFETCH(QString, alias);
    QFETCH(QString, esperado);
    NombresLocalizadores n;
    if (!alias.isEmpty())
        QVERIFY(n.GuardarAlias(Module1::BaseLocal(), imei.trimmed(), alias));
    n.Cargar();
    QCOMPARE(n.Mostrar(imei), esperado);
}

void TstNombresLocalizadores::aliasGuardadoSobreviveAlReabrir()
{
    NombresLocalizadores n;
    QVERIFY(n.GuardarAlias(Module1::BaseLocal(), kImei1, QStringLiteral("  Primero  ")));
    QVERIFY(n.GuardarAlias(Module1::BaseLocal(), kImei1, QStringLiteral("Segundo")));
    QCOMPARE(n.Alias(kImei1), QStringLiteral("Segundo"));
    NombresLocalizadores otra;
    otra.Cargar();
    QCOMPARE(otra.Mostrar(kImei1), QStringLiteral("Segundo (356000000000001)"));
    // An empty alias gives the service's description back.
    QVERIFY(otra.GuardarAlias(Module1::BaseLocal(), kImei1, QStringLiteral("  ")));
    NombresLocalizadores tercera;
    tercera.Cargar();
    QCOMPARE(tercera.Mostrar(kImei1), QStringLiteral("Furgoneta 1 - Reparto (356000000000001)"));
}

void TstNombresLocalizadores::unaConsultaPorBase()
{
    const qsizetype remotos = Module1::ServidorRemoto().TextosEnviados().size();
    const qsizetype locales = Module1::BaseLocal().TextosEnviados().size();
    NombresLocalizadores n;
    n.Cargar();
    QCOMPARE(Module1::ServidorRemoto().TextosEnviados().mid(remotos),
             QStringList{QStringLiteral("SELECT * from LOCALIZADORES WHERE TITULAR LIKE 'B84512370'")});
    QCOMPARE(Module1::BaseLocal().TextosEnviados().size() - locales, 1);
    // Storing an alias makes its own table.
    QVERIFY(n.GuardarAlias(Module1::BaseLocal(), kImei1, QStringLiteral("x")));
    auto alias = Module1::BaseLocal().DevuelveRecordset(NombresLocalizadores::SqlAlias());
    QVERIFY(alias);
    QCOMPARE(alias->FieldCount(), 2);
}

QTEST_MAIN(TstNombresLocalizadores)
#include "tst_nombreslocalizadores.moc"
