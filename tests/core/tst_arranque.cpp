// Start-up without a window: the shared instances, connecting both databases and identifying
// the holder (the first start included).
#include "archivosprueba.h"
#include "carpetaprueba.h"
#include "dialogosguion.h"
#include "esquema.h"
#include "identificaciontitular.h"
#include "module1.h"
#include "proveedor.h"

#include <QTcpServer>
#include <QtTest>

namespace {
const QString kCodigo = QStringLiteral("B11111111");
}

class TstArranque : public QObject {
    Q_OBJECT
    std::unique_ptr<CarpetaPrueba> carpeta;
    std::unique_ptr<DialogosGuion> dialogos;

private Q_SLOTS:
    void init()
    {
        carpeta = std::make_unique<CarpetaPrueba>();
        dialogos = std::make_unique<DialogosGuion>();
        QVERIFY(carpeta->crearServicioVacio());
        QVERIFY(CarpetaPrueba::ejecutarEn(RutaServicioDemo(), {
            QStringLiteral("INSERT INTO TITULARES VALUES ('%1', 'Frutas Ñoño S.A.', 'x')").arg(kCodigo),
            QStringLiteral("INSERT INTO TITULARES VALUES ('B22222222', 'Otro', 'otra')"),
        }));
        Module1::CodigoTitular.clear();
    }

    void cleanup()
    {
        dialogos.reset();
        carpeta.reset();
    }

    // Releasing closes the connection: the file can be replaced right away.
    void liberarCierraLaBase()
    {
        QVERIFY(carpeta->crearBaseLocal() && Module1::BaseLocal().ConectarLOCAL());
        Module1::LiberarConexiones();
        QVERIFY(QFile::remove(RutaBaseLocal()));
        QVERIFY(!Module1::BaseLocal().Conectado());
    }

    void remotoInalcanzableNoTocaLoLocal()
    {
        QTcpServer s;  // a loopback port where nothing listens
        QVERIFY(s.listen(QHostAddress::LocalHost));
        const quint16 puerto = s.serverPort();
        s.close();
        ADOSQLSERVER::EstablecerServidorRemoto(QStringLiteral("127.0.0.1,%1").arg(puerto));
        const bool conectadas = ConectarBases();
        ADOSQLSERVER::EstablecerServidorRemoto(QString());
        QVERIFY(!conectadas);
        QCOMPARE(dialogos->mensajes.size(), 1);  // once, naming the service as the part at fault
        QVERIFY2(dialogos->mensajes[0].texto.startsWith("No se puede conectar con el servidor del servicio de localización.\nMotivo: ") &&
                 dialogos->mensajes[0].texto.contains("Compruebe la conexión"), qPrintable(dialogos->mensajes[0].texto));
        QVERIFY(!QFile::exists(RutaBaseLocal()));  // a missing local file is made only after the service answered
    }

    void primerArranqueGuardaElTitularUnaVez()
    {
        QVERIFY(ConectarBases());  // a fresh machine: the local file is made here
        // Cancelled: the program ends, nothing kept.
        QCOMPARE(IdentificarTitular(), ResultadoIdentificacion::Salir);
        QVERIFY(dialogos->preguntas.size() == 1 && Module1::CodigoTitular.isEmpty());
        dialogos->preguntas.clear();
        // Only a CIF/NIF form is taken, and only when the service knows it.
        dialogos->respuestasInputBox << "B1111111%" << "B_1111111" << "B11111" << "B99999999" << " b11111111 ";
        QCOMPARE(IdentificarTitular(), ResultadoIdentificacion::Bien);
        QCOMPARE(dialogos->preguntas.size(), 5);
        QCOMPARE(dialogos->mensajes.size(), 4);
        for (int i = 0; i < 3; ++i)
            QVERIFY(dialogos->mensajes[i].texto.startsWith("El código de titular debe ser un CIF o NIF"));
        QVERIFY(dialogos->mensajes[3].texto.contains("B99999999"));
        // Stored as the service writes it, with its name and password, and asked no more.
        QCOMPARE(Module1::CodigoTitular, kCodigo);
        QCOMPARE(Module1::NombreTitular, QStringLiteral("Frutas Ñoño S.A."));
        QCOMPARE(Module1::ClaveAcceso, QStringLiteral("x"));
        dialogos->preguntas.clear();
        QCOMPARE(IdentificarTitular(), ResultadoIdentificacion::Bien);
        QVERIFY(dialogos->preguntas.isEmpty());
        QCOMPARE(Module1::BaseLocal().NumRegistros("SELECT Count(*) FROM Titular"), 1);
    }

    void titularGuardadoRechazado_data()
    {
        QTest::addColumn<QString>("codigo");   // the local file's holder; the service knows it too unless B00000000
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("desconocido") << "B00000000" << "El titular B00000000 no figura en el servicio.";
        // A code with a wildcard would open other holders' data through LIKE, even one the service lists.
        QTest::newRow("comodin") << "%" << "El código de titular guardado en la base local (%) no es un CIF ni un NIF.";
        QTest::newRow("no es un CIF") << "B1111111_" << "El código de titular guardado en la base local (B1111111_) no es un CIF ni un NIF.";
    }

    void titularGuardadoRechazado()
    {
        QFETCH(QString, codigo);
        QFETCH(QString, mensaje);
        QVERIFY(carpeta->crearBaseLocal());
        QVERIFY(CarpetaPrueba::ejecutarEn(RutaBaseLocal(), {"INSERT INTO Titular VALUES ('" + codigo + "')"}));
        if (codigo != "B00000000")
            QVERIFY(CarpetaPrueba::ejecutarEn(RutaServicioDemo(), {"INSERT INTO TITULARES VALUES ('" + codigo + "', 'Intruso', '')"}));
        QVERIFY(ConectarBases());
        QCOMPARE(IdentificarTitular(), ResultadoIdentificacion::Atascado);
        QCOMPARE(dialogos->mensajes.size(), 1);
        QVERIFY2(dialogos->mensajes[0].texto.startsWith(mensaje), qPrintable(dialogos->mensajes[0].texto));
        QVERIFY(Module1::CodigoTitular.isEmpty());
    }

    // The service answers and the local file is at fault: said so, with where, why and what to do.
    void baseLocalQueFalla_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QStringList>("dice");
        QTest::newRow("no es una base") << "texto"
            << QStringList{"no se puede abrir la base de datos de este equipo", "el archivo no es una base de datos o está dañado",
                           "recupere una copia de seguridad"};
        QTest::newRow("carpeta imposible") << "carpeta"
            << QStringList{"no se puede crear la base de datos de este equipo", "No se puede crear la carpeta", "permite escribir"};
    }

    void baseLocalQueFalla()
    {
        QFETCH(QString, caso);
        QFETCH(QStringList, dice);
        if (caso == "texto")
            QVERIFY(QDir().mkpath(carpeta->archivo("DATOS")) && Prueba::escribirArchivo(RutaBaseLocal(), QByteArray(4096, 'x')));
        else  // a file where the folder DATOS should be
            QVERIFY(Prueba::escribirArchivo(carpeta->archivo("DATOS"), "x"));
        QVERIFY(!ConectarBases());
        QCOMPARE(dialogos->mensajes.size(), 1);
        const QString texto = dialogos->mensajes[0].texto;
        QVERIFY2(texto.startsWith("El servidor del servicio responde, pero ") && texto.contains(QDir::toNativeSeparators(RutaBaseLocal())),
                 qPrintable(texto));
        for (const QString &d : dice)
            QVERIFY2(texto.contains(d), qPrintable(texto));
    }
};

QTEST_GUILESS_MAIN(TstArranque)
#include "tst_arranque.moc"
