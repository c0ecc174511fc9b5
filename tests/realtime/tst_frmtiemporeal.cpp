#include "carpetaprueba.h"
#include "dialogosguion.h"
#include "frmtiemporeal.h"
#include "pruebaweb.h"

#include <QDir>
#include <QFile>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <QTcpServer>

using namespace PruebaWeb;

class TstFrmTiempoReal : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { frmtiemporeal::EstablecerServidorWeb(QString()); }
    void direccion_data();
    void direccion();
    void sinServidorPaginaLocalSinMensajes();
    void servidorInalcanzableMuestraErrorDelMotor();
    void perfilPersistenteYVentanasNuevas();
};

void TstFrmTiempoReal::direccion_data()
{
    QTest::addColumn<QString>("servidor");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("host") << "gps.example.com" << "http://gps.example.com/tiemporeal.aspx?clientegps=SI";
    QTest::newRow("host y puerto") << "10.0.0.5:8080" << "http://10.0.0.5:8080/tiemporeal.aspx?clientegps=SI";
    QTest::newRow("con esquema y barra") << "https://gps.example.com/" << "https://gps.example.com/tiemporeal.aspx?clientegps=SI";
}

void TstFrmTiempoReal::direccion()
{
    QFETCH(QString, servidor);
    QFETCH(QString, esperado);
    frmtiemporeal::EstablecerServidorWeb(servidor);
    QCOMPARE(frmtiemporeal::DireccionTiempoReal(), esperado);
}

void TstFrmTiempoReal::sinServidorPaginaLocalSinMensajes()
{
    CarpetaPrueba carpeta;
    QVERIFY(carpeta.enlazarPaginas());
    DialogosGuion guion;
    frmtiemporeal w;
    QVERIFY(w.windowState() & Qt::WindowMaximized);
    QCOMPARE(w.windowTitle(), QString());
    auto *web = w.findChild<QWebEngineView *>(QStringLiteral("WebBrowser1"));
    QVERIFY(web);
    for (int vez = 0; vez < 2; ++vez) { // loaded afresh at each showing, left when closed
        QSignalSpy cargada(web->page(), &QWebEnginePage::loadFinished);
        w.show();
        QVERIFY(esperar([&] { return !cargada.isEmpty(); }));
        QCOMPARE(web->url(), QUrl::fromLocalFile(carpeta.archivo(QStringLiteral("GPS/tiemporeal.htm"))));
        QVERIFY(esperar([&] { return web->title() == QStringLiteral("Seguimiento Tiempo Real"); }));
        w.hide();
        QVERIFY(esperar([&] { return web->url() == QUrl(QStringLiteral("about:blank")); }));
    }
    QCOMPARE(guion.mensajes.size(), 0);
}

void TstFrmTiempoReal::servidorInalcanzableMuestraErrorDelMotor()
{
    CarpetaPrueba carpeta;
    QTcpServer libre; // a port where nothing answers once closed
    QVERIFY(libre.listen(QHostAddress::LocalHost));
    const quint16 puerto = libre.serverPort();
    libre.close();
    frmtiemporeal::EstablecerServidorWeb(QStringLiteral("127.0.0.1:%1").arg(puerto));
    DialogosGuion guion;
    frmtiemporeal w;
    auto *web = w.findChild<QWebEngineView *>(QStringLiteral("WebBrowser1"));
    QSignalSpy cargada(web->page(), &QWebEnginePage::loadFinished);
    w.show();
    QVERIFY(esperar([&] { return !cargada.isEmpty(); }));
    QCOMPARE(cargada.first().first().toBool(), false);
    QCOMPARE(web->url(), QUrl(QStringLiteral("http://127.0.0.1:%1/tiemporeal.aspx?clientegps=SI").arg(puerto)));
    QCOMPARE(guion.mensajes.size(), 0);
    w.close();
}

void TstFrmTiempoReal::perfilPersistenteYVentanasNuevas()
{
    CarpetaPrueba carpeta;
    QVERIFY(carpeta.enlazarPaginas());
    QFile enlace(carpeta.archivo(QStringLiteral("GPS/abre.htm")));
    QVERIFY(enlace.open(QIODevice::WriteOnly));
    enlace.write("<!DOCTYPE html><html><body><a id='a' href='tiemporeal.htm' target='_blank'>x</a></body></html>");
    enlace.close();
    frmtiemporeal w;
    auto *web = w.findChild<QWebEngineView *>(QStringLiteral("WebBrowser1"));
    QWebEngineProfile *perfil = web->page()->profile();
    QCOMPARE(perfil, frmtiemporeal::PerfilTiempoReal());
    QVERIFY(!perfil->isOffTheRecord());
    QCOMPARE(perfil->storageName(), QStringLiteral("VARDENCliente"));
    QCOMPARE(perfil->persistentCookiesPolicy(), QWebEngineProfile::ForcePersistentCookies);
    QVERIFY(!perfil->persistentStoragePath().isEmpty());
    // A page asking for a new window gets it in the same view.
    w.show();
    QSignalSpy cargada(web->page(), &QWebEnginePage::loadFinished);
    web->setUrl(QUrl::fromLocalFile(carpeta.archivo(QStringLiteral("GPS/abre.htm"))));
    QVERIFY(esperar([&] { return web->url().fileName() == QStringLiteral("abre.htm") && !cargada.isEmpty(); }));
    web->page()->runJavaScript(QStringLiteral("window.open('tiemporeal.htm', '_blank');"));
    QVERIFY(esperar([&] { return web->url().fileName() == QStringLiteral("tiemporeal.htm"); }));
    w.close();
}

VARDEN_TEST_WEB_MAIN(TstFrmTiempoReal)
#include "tst_frmtiemporeal.moc"
