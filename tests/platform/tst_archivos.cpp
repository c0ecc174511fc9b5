#include "archivos.h"
#include "archivosprueba.h"

#include <QTemporaryDir>
#include <QtTest>

using Prueba::leerArchivo;

class TstArchivos : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> d;
    QString ruta(const QString &nombre) const { return d->filePath(nombre); }

private Q_SLOTS:
    void init()

    {

        d = std::make_unique<QTemporaryDir>();

        QVERIFY(Prueba::escribirArchivo(ruta("a"), "A") && Prueba::escribirArchivo(ruta("b"), "B"));

    }

    void copiar_data()
    {
        QTest::addColumn<QString>("origen");
        QTest::addColumn<QString>("destino");
        QTest::addColumn<int>("codigo");
        QTest::newRow("reemplaza") << "a" << "b" << 0;
        QTest::newRow("sobre si mismo") << "a" << "./a" << vb::errAcceso;
        QTest::newRow("origen inexistente") << "no" << "x" << vb::errArchivoNoEncontrado;
        QTest::newRow("carpeta inexistente") << "a" << "no/existe/x" << vb::errRutaNoEncontrada;
        QTest::newRow("acentos y espacios") << "a" << "copia de niños #1 %20/datoslocalizador.sdf" << 0;
    }

    void copiar()
    {
        QFETCH(QString, origen);
        QFETCH(QString, destino);
        QFETCH(int, codigo);
        QVERIFY(QDir().mkpath(ruta("copia de niños #1 %20")));
        QCOMPARE(CopiarArchivo(ruta(origen), ruta(destino)).codigo, codigo);
        QCOMPARE(leerArchivo(ruta("a")), QByteArray("A"));
        if (codigo == 0)
            QCOMPARE(leerArchivo(ruta(destino)), QByteArray("A"));
        // No temporary file is left beside the target.
        QCOMPARE(QDir(d->path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    void renombrarBorrarCrear()
    {
        QCOMPARE(RenombrarArchivo(ruta("a"), ruta("b")).codigo, vb::errArchivoExiste);
        QCOMPARE(leerArchivo(ruta("b")), QByteArray("B"));
        QVERIFY(bool(RenombrarArchivo(ruta("a"), ruta("b"), true)));
        QCOMPARE(leerArchivo(ruta("b")), QByteArray("A"));
        QVERIFY(!ArchivoExiste(ruta("a")));
        QCOMPARE(BorrarArchivo(ruta("a")).codigo, vb::errArchivoNoEncontrado);
        QVERIFY(bool(BorrarArchivo(ruta("b"))) && !ArchivoExiste(ruta("b")));
        QVERIFY(bool(CrearCarpeta(ruta("nueva"))));
        QCOMPARE(CrearCarpeta(ruta("nueva")).codigo, vb::errAcceso);
    }
};

QTEST_GUILESS_MAIN(TstArchivos)
#include "tst_archivos.moc"
