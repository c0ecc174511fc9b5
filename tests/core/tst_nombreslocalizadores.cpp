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
    std::unique_ptr<CarpetaPrueba> carpeta;
    std::unique_ptr<DialogosGuion> dialogos;

private Q_SLOTS:
    void init()
    {
        carpeta = std::make_unique<CarpetaPrueba>();
        dialogos = std::make_unique<DialogosGuion>();
        QVERIFY(carpeta->crearServicioVacio());
        QVERIFY(carpeta->crearBaseLocal());
        QVERIFY(CarpetaPrueba::ejecutarEn(RutaServicioDemo(), {
            // Another holder's locator: its description never reaches this client.
            QStringLiteral("INSERT INTO LOCALIZADORES (TITULAR, NOMBRE, DESCRIPCION) VALUES ('%1', '%2', 'Furgoneta 1 - Reparto'), "
                           "('%1', '%3', NULL), ('A28999111', '%4', 'Ajeno')").arg(kTitular, kImei1, kImei2, kImei3),
        }));
        QVERIFY(carpeta->conectarLocal());
        QVERIFY(carpeta->conectarRemoto());
        Module1::CodigoTitular = kTitular;
    }

    void cleanup()
    {
        Module1::LiberarConexiones();
        dialogos.reset();
        carpeta.reset();
    }

    void nombreMostrado_data()
    {
        QTest::addColumn<QString>("imei");
        QTest::addColumn<QStringList>("alias");  // saved in turn, each by a window of its own
        QTest::addColumn<QString>("esperado");
        QTest::newRow("descripcion del servicio") << kImei1 << QStringList() << "Furgoneta 1 - Reparto (356000000000001)";
        QTest::newRow("el ultimo alias, sin blancos") << kImei1 << QStringList{"Primero", " Pepe's van "} << "Pepe's van (356000000000001)";
        QTest::newRow("alias vacio: la descripcion") << kImei1 << QStringList{"x", "  "} << "Furgoneta 1 - Reparto (356000000000001)";
        QTest::newRow("sin descripcion: el IMEI") << kImei2 << QStringList() << kImei2;
        QTest::newRow("alias sin descripcion") << kImei2 << QStringList{"Camión ñ"} << "Camión ñ (356000000000002)";
        QTest::newRow("de otro titular") << kImei3 << QStringList() << kImei3;
        QTest::newRow("IMEI con blancos detras") << kImei1 + "  " << QStringList() << "Furgoneta 1 - Reparto (356000000000001  )";
    }

    void nombreMostrado()
    {
        QFETCH(QString, imei);
        QFETCH(QStringList, alias);
        QFETCH(QString, esperado);
        for (const QString &a : alias)
            QVERIFY(NombresLocalizadores().GuardarAlias(Module1::BaseLocal(), imei, a));
        NombresLocalizadores n;
        n.Cargar();
        QCOMPARE(n.Mostrar(imei), esperado);
    }

    void unaConsultaPorBase()
    {
        const qsizetype remotos = Module1::ServidorRemoto().TextosEnviados().size();
        const qsizetype locales = Module1::BaseLocal().TextosEnviados().size();
        NombresLocalizadores().Cargar();
        QCOMPARE(Module1::ServidorRemoto().TextosEnviados().mid(remotos),
                 QStringList{"SELECT * from LOCALIZADORES WHERE TITULAR LIKE 'B84512370'"});
        QCOMPARE(Module1::BaseLocal().TextosEnviados().size() - locales, 1);
    }
};

QTEST_MAIN(TstNombresLocalizadores)
#include "tst_nombreslocalizadores.moc"
