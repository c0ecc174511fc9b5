// The locator icons window in the real page engine, with the built viisor.htm.
#include "carpetaprueba.h"
#include "comillas.h"
#include "dialogosguion.h"
#include "esquema.h"
#include "frmiconoslocalizadores.h"
#include "module1.h"
#include "puentemapa.h"

#include <QComboBox>
#include <QListWidget>
#include <QTimer>
#include <QtTest>

using Module1::BaseLocal;

class TstFrmIconosLocalizadores : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void listasAlAbrir();
    void localizadorSinFilaGuardaAlPulsar();
    void ningunoSeGuardaYSeMuestra();
    void iconoDesconocidoSoloEnLaVista();
    void reabrirMuestraElIconoGuardado();
    void sinLocalizadoresNoGuardaNada();

private:
    std::unique_ptr<CarpetaPrueba> carpeta;
    std::unique_ptr<DialogosGuion> dialogos;
    std::unique_ptr<frmiconoslocalizadores> ventana;

    void abrir();
    QString icono(const QString &localizador);
    QString archivoEnPagina();
    void pulsar(const QString &nombre);
    void elegirLocalizador(const QString &nombre);
};

void TstFrmIconosLocalizadores::init()
{
    carpeta = std::make_unique<CarpetaPrueba>();
    dialogos = std::make_unique<DialogosGuion>();
    QVERIFY(carpeta->crearBaseLocal());
    QVERIFY(carpeta->enlazarPaginas());
    QVERIFY(CarpetaPrueba::ejecutarEn(RutaBaseLocal(), {
        "INSERT INTO DATOS VALUES ('356938035643801', '2010-03-01 10:00:00', '40.4', '-3.7', '10', '', 'Centro')",
        "INSERT INTO DATOS VALUES ('356938035643801', '2010-03-01 10:01:00', '40.4', '-3.7', '10', '', 'Centro')",
        "INSERT INTO DATOS VALUES ('Furgón d''Aurelio', '2010-03-01 10:00:00', '40.4', '-3.7', '10', '', 'Centro')",
        "INSERT INTO DATOS VALUES ('356938035643803', '2010-03-01 10:00:00', '40.4', '-3.7', '10', '', 'Centro')"}));
    QVERIFY(carpeta->conectarLocal());
}

void TstFrmIconosLocalizadores::cleanup()
{
    ventana.reset();
    carpeta.reset();
    dialogos.reset();
}

void TstFrmIconosLocalizadores::abrir()
{
    ventana = std::make_unique<frmiconoslocalizadores>();
    ventana->show();
    QVERIFY(!ventana->Cargando);
    QVERIFY(ventana->Timer1->isActive());
    QCOMPARE(ventana->Timer1->interval(), 1000);
    QVERIFY(ventana->Timer1->isSingleShot());
    QTRY_VERIFY_WITH_TIMEOUT(ventana->Mapa->Cargada(), 20000);
}

QString TstFrmIconosLocalizadores::icono(const QString &localizador)
{
    auto rs = BaseLocal().DevuelveRecordset("SELECT Icono FROM LOCALIZADORES WHERE NOMBRE = '" + EscaparComillas(localizador) + "'");
    return rs ? rs->Texto(0) : QString();
}

QString TstFrmIconosLocalizadores::archivoEnPagina()
{
    QString archivo;
    bool llego = false;
    ventana->Mapa->Evaluar("estadoMapa().archivo", ventana.get(), [&](const QVariant &v) {
        archivo = v.toString();
        llego = true;
    });
    [&] { QTRY_VERIFY_WITH_TIMEOUT(llego, 10000); }();
    return archivo;
}

void TstFrmIconosLocalizadores::pulsar(const QString &nombre)
{
    const QList<QListWidgetItem *> hay = ventana->List1->findItems(nombre, Qt::MatchExactly);
    QCOMPARE(hay.size(), 1);
    ventana->List1->scrollToItem(hay.first());
    QTest::mouseClick(ventana->List1->viewport(), Qt::LeftButton, {}, ventana->List1->visualItemRect(hay.first()).center());
    QCOMPARE(ventana->List1->currentItem()->text(), nombre);
}

void TstFrmIconosLocalizadores::elegirLocalizador(const QString &nombre)
{
    const int i = ventana->cmblocalizadores->findText(nombre);
    QVERIFY(i >= 0);
    ventana->cmblocalizadores->setCurrentIndex(i);
    Q_EMIT ventana->cmblocalizadores->activated(i);
}

void TstFrmIconosLocalizadores::listasAlAbrir()
{
    abrir();
    QStringList nombres;
    for (int i = 0; i < ventana->List1->count(); ++i)
        nombres << ventana->List1->item(i)->text();
    QCOMPARE(nombres, (QStringList{"Ninguno", "policia1", "coche1", "coche2", "coche3", "coche4", "corredor1", "especialista1",
                                   "furgoneta1", "moto1", "niños1", "num1", "num2", "num3", "num4", "num5", "persona1", "persona2"}));
    QCOMPARE(ventana->cmblocalizadores->count(), 3);
    QCOMPARE(ventana->cmblocalizadores->currentIndex(), 0);
    QVERIFY(BaseLocal().TextosEnviados().contains("Select DISTINCT IMEI FROM DATOS"));
    // Every icon has its picture beside the page.
    for (const QString &n : nombres)
        QVERIFY2(QFile::exists(carpeta->archivo("GPS/" + n + ".png")), qPrintable(n));
}

void TstFrmIconosLocalizadores::localizadorSinFilaGuardaAlPulsar()
{
    QVERIFY(CarpetaPrueba::ejecutarEn(RutaBaseLocal(), {"INSERT INTO LOCALIZADORES VALUES ('356938035643801', 'moto1')"}));
    abrir();
    ventana->Timer1_Timer();
    QCOMPARE(ventana->List1->currentItem()->text(), QStringLiteral("moto1"));
    QCOMPARE(archivoEnPagina(), QStringLiteral("moto1.png"));

    // A locator without a row keeps what was shown.
    elegirLocalizador("Furgón d'Aurelio");
    QVERIFY(BaseLocal().TextosEnviados().contains("SELECT * FROM LOCALIZADORES WHERE NOMBRE='Furgón d''Aurelio'"));
    QCOMPARE(ventana->List1->currentItem()->text(), QStringLiteral("moto1"));
    QCOMPARE(archivoEnPagina(), QStringLiteral("moto1.png"));
    QCOMPARE(icono("Furgón d'Aurelio"), QString());

    // A click stores it at once: the insert makes its row.
    pulsar("furgoneta1");
    QCOMPARE(icono("Furgón d'Aurelio"), QStringLiteral("furgoneta1"));
    QCOMPARE(archivoEnPagina(), QStringLiteral("furgoneta1.png"));
    QCOMPARE(icono("356938035643801"), QStringLiteral("moto1"));
    // A second choice for the same locator goes through the update.
    pulsar("niños1");
    QCOMPARE(icono("Furgón d'Aurelio"), QStringLiteral("niños1"));
    QCOMPARE(archivoEnPagina(), QStringLiteral("niños1.png"));
    QCOMPARE(BaseLocal().NumRegistros("SELECT Count(*) FROM LOCALIZADORES"), 2);
}

void TstFrmIconosLocalizadores::ningunoSeGuardaYSeMuestra()
{
    abrir();
    ventana->Timer1_Timer();
    pulsar("coche2");
    pulsar("Ninguno");
    QCOMPARE(icono("356938035643801"), QStringLiteral("Ninguno"));
    QCOMPARE(archivoEnPagina(), QStringLiteral("Ninguno.png"));
    QVERIFY(BaseLocal().TextosEnviados().contains("Update Localizadores SET [Icono]='Ninguno' where Nombre='356938035643801'"));
}

void TstFrmIconosLocalizadores::iconoDesconocidoSoloEnLaVista()
{
    QVERIFY(CarpetaPrueba::ejecutarEn(RutaBaseLocal(), {"INSERT INTO LOCALIZADORES VALUES ('356938035643801', 'num2')",
                                                        "INSERT INTO LOCALIZADORES VALUES ('356938035643803', 'camión de Ana''s')"}));
    abrir();
    ventana->Timer1_Timer();
    QCOMPARE(ventana->List1->currentItem()->text(), QStringLiteral("num2"));
    elegirLocalizador("356938035643803");
    QCOMPARE(archivoEnPagina(), QStringLiteral("camión de Ana's.png"));
    QCOMPARE(ventana->List1->currentItem()->text(), QStringLiteral("num2"));
    // Nothing was stored by showing it.
    QCOMPARE(icono("356938035643801"), QStringLiteral("num2"));
    QCOMPARE(icono("356938035643803"), QStringLiteral("camión de Ana's"));
}

void TstFrmIconosLocalizadores::reabrirMuestraElIconoGuardado()
{
    abrir();
    ventana->Timer1_Timer();
    pulsar("persona2");
    ventana.reset();
    abrir();
    // Before the timer the list shows no choice; after it, the stored one.
    QVERIFY(!ventana->List1->currentItem());
    QTRY_VERIFY_WITH_TIMEOUT(!ventana->Timer1->isActive(), 5000);
    QVERIFY(ventana->List1->currentItem());
    QCOMPARE(ventana->List1->currentItem()->text(), QStringLiteral("persona2"));
    QCOMPARE(archivoEnPagina(), QStringLiteral("persona2.png"));
}

void TstFrmIconosLocalizadores::sinLocalizadoresNoGuardaNada()
{
    QVERIFY(CarpetaPrueba::ejecutarEn(RutaBaseLocal(), {"DELETE FROM DATOS"}));
    abrir();
    QCOMPARE(ventana->cmblocalizadores->count(), 0);
    ventana->Timer1_Timer();
    pulsar("coche1");
    QCOMPARE(BaseLocal().NumRegistros("SELECT Count(*) FROM LOCALIZADORES"), 0);
    QCOMPARE(archivoEnPagina(), QStringLiteral("coche1.png"));
}

QTEST_MAIN(TstFrmIconosLocalizadores)
#include "tst_frmiconoslocalizadores.moc"
