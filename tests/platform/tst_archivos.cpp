#include "archivos.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
void escribir(const QString &ruta, const QByteArray &datos)
{
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(datos);
}
QByteArray leer(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}

class TstArchivos : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void copiaReemplazaYNoDejaTemporales();
    void copiaSobreSiMismoSeRechaza();
    void erroresConCodigo();
    void renombrar();
    void nombresConAcentosYEspacios();
};

void TstArchivos::copiaReemplazaYNoDejaTemporales()
{
    QTemporaryDir d;
    const QString a = d.filePath("a.sdf"), b = d.filePath("b.sdf");
    escribir(a, "nuevo contenido");
    escribir(b, "viejo");
    QVERIFY(bool(CopiarArchivo(a, b)));
    QCOMPARE(leer(b), QByteArray("nuevo contenido"));
    QCOMPARE(QDir(d.path()).entryList(QDir::Files).size(), 2);
}

void TstArchivos::copiaSobreSiMismoSeRechaza()
{
    QTemporaryDir d;
    const QString a = d.filePath("a.sdf");
    escribir(a, "datos");
    ResultadoArchivo r = CopiarArchivo(a, d.path() + "/./a.sdf");
    QCOMPARE(r.codigo, vb::errAcceso);
    QCOMPARE(leer(a), QByteArray("datos"));
}

void TstArchivos::erroresConCodigo()
{
    QTemporaryDir d;
    QCOMPARE(CopiarArchivo(d.filePath("no.sdf"), d.filePath("x.sdf")).codigo, vb::errArchivoNoEncontrado);
    escribir(d.filePath("a"), "x");
    QCOMPARE(CopiarArchivo(d.filePath("a"), d.filePath("no/existe/x")).codigo, vb::errRutaNoEncontrada);
    QCOMPARE(BorrarArchivo(d.filePath("no.sdf")).codigo, vb::errArchivoNoEncontrado);
    QVERIFY(bool(BorrarArchivo(d.filePath("a"))));
    QVERIFY(!ArchivoExiste(d.filePath("a")));
    QVERIFY(bool(CrearCarpeta(d.filePath("nueva"))));
    QCOMPARE(CrearCarpeta(d.filePath("nueva")).codigo, vb::errAcceso);
}

void TstArchivos::renombrar()
{
    QTemporaryDir d;
    escribir(d.filePath("a"), "A");
    escribir(d.filePath("b"), "B");
    QCOMPARE(RenombrarArchivo(d.filePath("a"), d.filePath("b")).codigo, vb::errArchivoExiste);
    QCOMPARE(leer(d.filePath("b")), QByteArray("B"));
    QVERIFY(bool(RenombrarArchivo(d.filePath("a"), d.filePath("b"), true)));
    QCOMPARE(leer(d.filePath("b")), QByteArray("A"));
    QVERIFY(!ArchivoExiste(d.filePath("a")));
}

void TstArchivos::nombresConAcentosYEspacios()
{
    QTemporaryDir d;
    const QString carpeta = d.filePath("copia de niños #1 %20");
    QVERIFY(QDir().mkpath(carpeta));
    escribir(d.filePath("origen"), "x");
    QVERIFY(bool(CopiarArchivo(d.filePath("origen"), carpeta + "/datoslocalizador.sdf")));
    QVERIFY(ArchivoExiste(carpeta + "/datoslocalizador.sdf"));
}

QTEST_GUILESS_MAIN(TstArchivos)
#include "tst_archivos.moc"
