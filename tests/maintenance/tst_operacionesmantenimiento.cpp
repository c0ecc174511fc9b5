// The purge text, the backup and the restore of the local database, without a window.
#include "fixturamantenimiento.h"

#include "adosqlserver.h"
#include "dialogosguion.h"
#include "module1.h"
#include "operacionesmantenimiento.h"

#include <QtTest>

using Module1::BaseLocal;
using namespace fixtura;

class TstOperacionesMantenimiento : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void convFecha_data();
    void convFecha();
    void copiaEnDosSitiosIdentica();
    void copiaFallidaLoDiceYReconecta_data();
    void copiaFallidaLoDiceYReconecta();
    void comprobarCopia_data();
    void comprobarCopia();
    void restaurarPoneLaCopiaYBorraLaTemporal_data();
    void restaurarPoneLaCopiaYBorraLaTemporal();
    void restaurarRechazadaNoToca();
    void restaurarLaMismaBaseNoHaceNada();
    void restaurarQueNoPuedeCopiarReconecta();

private:
    std::unique_ptr<CarpetaPrueba> carpeta;
    std::unique_ptr<DialogosGuion> dialogos;
    int filasLocales() { return BaseLocal().NumRegistros(QStringLiteral("SELECT Count(*) FROM DATOS")); }
};

void TstOperacionesMantenimiento::init()
{
    carpeta = std::make_unique<CarpetaPrueba>();
    dialogos = std::make_unique<DialogosGuion>();
    QVERIFY(carpeta->crearBaseLocal());
    QVERIFY(CarpetaPrueba::ejecutarEn(RutaBaseLocal(), {fila("A", "2010-02-27 10:00:00"), fila("A", "2010-03-01 00:00:00"),
                                                        fila("B", "2010-03-02 08:00:00", "Calle O'Donnell")}));
    QVERIFY(carpeta->conectarLocal());
}

void TstOperacionesMantenimiento::cleanup()
{
    carpeta.reset();
    dialogos.reset();
}

void TstOperacionesMantenimiento::convFecha_data()
{
    QTest::addColumn<QDate>("fecha");
    QTest::addColumn<QString>("texto");
    QTest::newRow("1 de marzo de 2010") << QDate(2010, 3, 1) << "03/01/2010";
    QTest::newRow("nochevieja") << QDate(1999, 12, 31) << "12/31/1999";
    QTest::newRow("dia y mes de dos cifras") << QDate(2024, 11, 25) << "11/25/2024";
}

void TstOperacionesMantenimiento::convFecha()
{
    QFETCH(QDate, fecha);
    QFETCH(QString, texto);
    QCOMPARE(ConvFecha(fecha), texto);
    QCOMPARE(TextoPurga(fecha), "DELETE  Datos  WHERE  FECHA < '" + texto + "'");
}

void TstOperacionesMantenimiento::copiaEnDosSitiosIdentica()
{
    const QString destino = carpeta->archivo(QStringLiteral("copias"));
    QVERIFY(QDir().mkpath(destino));
    QString error;
    QVERIFY2(RealizarCopiaSeguridad(BaseLocal(), destino, error), qPrintable(error));
    QVERIFY(error.isEmpty());
    const QByteArray base = contenido(RutaBaseLocal());
    QVERIFY(!base.isEmpty());
    QCOMPARE(contenido(QDir(destino).filePath("datoslocalizador.sdf")), base);
    QCOMPARE(contenido(carpeta->archivo("bakdatoslocalizadortemp.sdf")), base);
    QVERIFY(BaseLocal().Conectado());
    QCOMPARE(filasLocales(), 3);

    // A second backup replaces the first with the database as it is now.
    QCOMPARE(BaseLocal().Execute(QStringLiteral("DELETE  Datos  WHERE  FECHA < '03/02/2010'")), 2);
    QVERIFY2(RealizarCopiaSeguridad(BaseLocal(), destino, error), qPrintable(error));
    const QByteArray nueva = contenido(RutaBaseLocal());
    QVERIFY(nueva != base);
    QCOMPARE(contenido(QDir(destino).filePath("datoslocalizador.sdf")), nueva);
    QCOMPARE(contenido(carpeta->archivo("bakdatoslocalizadortemp.sdf")), nueva);
    QVERIFY(!QFile::exists(QDir(destino).filePath("datoslocalizador.sdf.copia~")));
    QCOMPARE(filasLocales(), 1);
}

void TstOperacionesMantenimiento::copiaFallidaLoDiceYReconecta_data()
{
    QTest::addColumn<QString>("carpetaRelativa");  // relative to the test folder, or absolute
    QTest::newRow("carpeta del sistema sin escritura") << "/proc";
    QTest::newRow("carpeta bajo un archivo") << "bakdatoslocalizadortemp.sdf/copias";
    QTest::newRow("la carpeta DATOS misma") << "DATOS";
}

void TstOperacionesMantenimiento::copiaFallidaLoDiceYReconecta()
{
    QFETCH(QString, carpetaRelativa);
    // An older spare copy, which a failed backup must not pass off as new.
    QVERIFY(escribir(carpeta->archivo("bakdatoslocalizadortemp.sdf"), "copia anterior"));
    const QByteArray antes = contenido(RutaBaseLocal());
    QString error;
    QVERIFY(!RealizarCopiaSeguridad(BaseLocal(), QDir(carpeta->ruta()).filePath(carpetaRelativa), error));
    QVERIFY(!error.isEmpty());
    QVERIFY(BaseLocal().Conectado());
    QCOMPARE(filasLocales(), 3);
    QCOMPARE(contenido(RutaBaseLocal()), antes);
    QCOMPARE(contenido(carpeta->archivo("bakdatoslocalizadortemp.sdf")), QByteArray("copia anterior"));
}

void TstOperacionesMantenimiento::comprobarCopia_data()
{
    QTest::addColumn<QString>("clase");
    QTest::addColumn<bool>("valida");
    QTest::newRow("copia del programa") << "buena" << true;
    QTest::newRow("archivo de texto") << "texto" << false;
    QTest::newRow("base sin las tablas") << "ajena" << false;
    QTest::newRow("base dañada") << "dañada" << false;
    QTest::newRow("no existe") << "ninguno" << false;
}

void TstOperacionesMantenimiento::comprobarCopia()
{
    QFETCH(QString, clase);
    QFETCH(bool, valida);
    const QString ruta = carpeta->archivo("otra/copia_datoslocalizador.sdf");
    QVERIFY(QDir().mkpath(carpeta->archivo("otra")));
    if (clase == "buena") {
        QVERIFY(baseCon(ruta, {fila("C", "2011-01-01 10:00:00")}));
    } else if (clase == "texto") {
        QVERIFY(escribir(ruta, "IMEI;FECHA\n1;2010-01-01\n"));
    } else if (clase == "ajena") {
        QVERIFY(CarpetaPrueba::ejecutarEn(ruta, {"CREATE TABLE DATOS (X TEXT)", "CREATE TABLE Otra (Y TEXT)"}));
    } else if (clase == "dañada") {
        QStringList filas{"BEGIN"};
        for (int i = 0; i < 3000; ++i)
            filas << fila(QString::number(i % 7), QDateTime(QDate(2011, 1, 1), QTime(0, 0)).addSecs(i).toString("yyyy-MM-dd HH:mm:ss"));
        filas << "COMMIT";
        QVERIFY(baseCon(ruta, filas));
        QByteArray bytes = contenido(ruta);
        QVERIFY(bytes.size() > 40 * 4096);
        bytes.replace(20 * 4096, 4096, QByteArray(4096, '\xA5'));
        QVERIFY(escribir(ruta, bytes));
    }
    const QByteArray antes = contenido(ruta);
    QString error;
    QCOMPARE(ComprobarCopiaRestaurable(ruta, error), valida);
    QCOMPARE(error.isEmpty(), valida);
    // The check only reads.
    QCOMPARE(contenido(ruta), antes);
}

void TstOperacionesMantenimiento::restaurarPoneLaCopiaYBorraLaTemporal_data()
{
    QTest::addColumn<bool>("conTemporal");
    QTest::newRow("con la copia temporal") << true;
    QTest::newRow("sin la copia temporal") << false;
}

void TstOperacionesMantenimiento::restaurarPoneLaCopiaYBorraLaTemporal()
{
    QFETCH(bool, conTemporal);
    const QString copia = carpeta->archivo("otra/Copia_DatosLocalizador.SDF");
    QVERIFY(baseCon(copia, {fila("C", "2011-01-01 10:00:00"), fila("C", "2011-01-01 10:01:00")}));
    if (conTemporal)
        QVERIFY(escribir(carpeta->archivo("bakdatoslocalizadortemp.sdf"), "copia anterior"));
    // A journal left beside the database by a crash belongs to the old content.
    QVERIFY(escribir(RutaBaseLocal() + "-journal", QByteArray(512, '\x11')));
    QString error;
    QCOMPARE(RestaurarCopiaSeguridad(BaseLocal(), copia, error), ResultadoRestauracion::Restaurada);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(BaseLocal().Conectado());
    QCOMPARE(filasLocales(), 2);
    QCOMPARE(BaseLocal().NumRegistros("SELECT Count(*) FROM DATOS WHERE IMEI = 'C'"), 2);
    QVERIFY(!QFile::exists(carpeta->archivo("bakdatoslocalizadortemp.sdf")));
    QVERIFY(!QFile::exists(RutaBaseLocal() + "-journal"));
    QVERIFY(QFile::exists(copia));
}

void TstOperacionesMantenimiento::restaurarRechazadaNoToca()
{
    const QString ajena = carpeta->archivo("otra/datoslocalizador.sdf");
    QVERIFY(QDir().mkpath(carpeta->archivo("otra")));
    QVERIFY(escribir(ajena, "esto no es una base de datos"));
    QVERIFY(escribir(carpeta->archivo("bakdatoslocalizadortemp.sdf"), "copia anterior"));
    const QByteArray antes = contenido(RutaBaseLocal());
    QString error;
    QCOMPARE(RestaurarCopiaSeguridad(BaseLocal(), ajena, error), ResultadoRestauracion::Rechazada);
    QVERIFY(error.contains(QDir::toNativeSeparators(ajena)));
    QVERIFY(BaseLocal().Conectado());
    QCOMPARE(filasLocales(), 3);
    QCOMPARE(contenido(RutaBaseLocal()), antes);
    QCOMPARE(contenido(carpeta->archivo("bakdatoslocalizadortemp.sdf")), QByteArray("copia anterior"));
}

void TstOperacionesMantenimiento::restaurarLaMismaBaseNoHaceNada()
{
    QVERIFY(escribir(carpeta->archivo("bakdatoslocalizadortemp.sdf"), "copia anterior"));
    const QByteArray antes = contenido(RutaBaseLocal());
    QString error;
    // Also through another spelling of the same path.
    const QString otraForma = carpeta->archivo("DATOS/../DATOS/datoslocalizador.sdf");
    QCOMPARE(RestaurarCopiaSeguridad(BaseLocal(), otraForma, error), ResultadoRestauracion::MismaBase);
    QVERIFY(BaseLocal().Conectado());
    QCOMPARE(filasLocales(), 3);
    QCOMPARE(contenido(RutaBaseLocal()), antes);
    QVERIFY(QFile::exists(carpeta->archivo("bakdatoslocalizadortemp.sdf")));
}

void TstOperacionesMantenimiento::restaurarQueNoPuedeCopiarReconecta()
{
    const QString copia = carpeta->archivo("otra/datoslocalizador.sdf");
    QVERIFY(baseCon(copia, {fila("C", "2011-01-01 10:00:00")}));
    QVERIFY(escribir(carpeta->archivo("bakdatoslocalizadortemp.sdf"), "copia anterior"));
    // The place where the new content is written before it replaces the database is taken.
    QVERIFY(QDir().mkpath(RutaBaseLocal() + ".copia~/ocupado"));
    const QByteArray antes = contenido(RutaBaseLocal());
    QString error;
    QCOMPARE(RestaurarCopiaSeguridad(BaseLocal(), copia, error), ResultadoRestauracion::Fallida);
    QVERIFY(error.startsWith("No se pudo restaurar la copia de seguridad: "));
    QVERIFY(BaseLocal().Conectado());
    QCOMPARE(filasLocales(), 3);
    QCOMPARE(contenido(RutaBaseLocal()), antes);
    QCOMPARE(contenido(carpeta->archivo("bakdatoslocalizadortemp.sdf")), QByteArray("copia anterior"));
}

QTEST_MAIN(TstOperacionesMantenimiento)
#include "tst_operacionesmantenimiento.moc"
