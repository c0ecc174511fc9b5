// The real-time view: its address, the page loaded at each showing and left when hidden, the
// persistent profile, and links that ask for a new window.
#include "carpetaprueba.h"
#include "dialogosguion.h"
#include "frmtiemporeal.h"
#include "perfilmapas.h"
#include "pruebaweb.h"

#include <QTcpServer>
#include <QWebEngineProfile>
#include <QWebEngineView>

using namespace PruebaWeb;

class TstFrmTiempoReal : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { frmtiemporeal::EstablecerServidorWeb(QString()); }

    void direccion_data()
    {
        QTest::addColumn<QString>("servidor");
        QTest::addColumn<QString>("esperada");
        QTest::newRow("host y puerto") << "10.0.0.5:8080" << "http://10.0.0.5:8080/tiemporeal.aspx?clientegps=SI";
        QTest::newRow("con esquema y barra") << "https://gps.example.com/" << "https://gps.example.com/tiemporeal.aspx?clientegps=SI";
    }
    void direccion()
    {
        QFETCH(QString, servidor);
        QFETCH(QString, esperada);
        frmtiemporeal::EstablecerServidorWeb(servidor);
        QCOMPARE(frmtiemporeal::DireccionTiempoReal(), esperada);
    }

    void cargaEnCadaApertura_data()
    {
        QTest::addColumn<bool>("conServidor");
        QTest::newRow("sin servidor: la página local") << false;
        QTest::newRow("servidor que no responde: el error del motor") << true;
    }
    void cargaEnCadaApertura()
    {
        QFETCH(bool, conServidor);
        CarpetaPrueba carpeta;
        QVERIFY(carpeta.enlazarPaginas());
        QTcpServer libre;  // a port where nothing answers once closed
        QVERIFY(libre.listen(QHostAddress::LocalHost));
        const QString servidor = QStringLiteral("127.0.0.1:%1").arg(libre.serverPort());
        libre.close();
        frmtiemporeal::EstablecerServidorWeb(conServidor ? servidor : QString());
        DialogosGuion guion;
        frmtiemporeal w;
        QVERIFY((w.windowState() & Qt::WindowMaximized) && w.windowTitle().isEmpty());
        // The page keeps its login in the maps' persistent profile.
        QVERIFY(w.WebBrowser1->page()->profile() == PerfilMapas());
        QCOMPARE(PerfilMapas()->persistentCookiesPolicy(), QWebEngineProfile::ForcePersistentCookies);
        for (int vez = 0; vez < 2; ++vez) {
            QSignalSpy cargada(w.WebBrowser1->page(), &QWebEnginePage::loadFinished);
            w.show();
            QVERIFY(esperar([&] { return !cargada.isEmpty(); }));
            QCOMPARE(cargada.first().first().toBool(), !conServidor);
            QCOMPARE(w.WebBrowser1->url(), conServidor ? QUrl("http://" + servidor + "/tiemporeal.aspx?clientegps=SI")
                                                       : QUrl::fromLocalFile(carpeta.archivo("GPS/tiemporeal.htm")));
            if (vez == 1 && !conServidor) {  // a page asking for a new window gets it in the same view
                w.WebBrowser1->page()->runJavaScript(QStringLiteral("window.open('about:blank#nueva', '_blank');"));
                QVERIFY(esperar([&] { return w.WebBrowser1->url() == QUrl("about:blank#nueva"); }));
            }
            w.hide();
            QVERIFY(esperar([&] { return w.WebBrowser1->url() == QUrl("about:blank"); }));
        }
        QVERIFY(guion.mensajes.isEmpty());
    }
};

VARDEN_TEST_WEB_MAIN(TstFrmTiempoReal)
#include "tst_frmtiemporeal.moc"
