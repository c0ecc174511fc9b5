#include "argumentosscript.h"
#include "entorno.h"
#include "puentemapa.h"

#include <QtTest>

class TstArgumentosScript : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void argumentoScript_data();
    void argumentoScript();
    void escaparHtml_data();
    void escaparHtml();
    void normalizacion_data();
    void normalizacion();
    void urlDeDireccion_data();
    void urlDeDireccion();
    void direccionPagina();
};

void TstArgumentosScript::argumentoScript_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QChar>("comilla");
    QTest::addColumn<QString>("esperado");
    const QChar s = u'\'', d = u'"';
    QTest::newRow("ordinario sin cambios") << QStringLiteral("COCHE1|") << s << QStringLiteral("COCHE1|");
    QTest::newRow("acentos y ñ sin cambios") << QStringLiteral("niños1.png") << s << QStringLiteral("niños1.png");
    QTest::newRow("markup sin cambios") << QStringLiteral("09:05:07<br>") << s << QStringLiteral("09:05:07<br>");
    QTest::newRow("comilla simple") << QStringLiteral("O'Donnell") << s << QStringLiteral("O\\'Donnell");
    QTest::newRow("comilla doble entre simples") << QStringLiteral("a\"b") << s << QStringLiteral("a\"b");
    QTest::newRow("comilla doble") << QStringLiteral("a\"b") << d << QStringLiteral("a\\\"b");
    QTest::newRow("simple entre dobles") << QStringLiteral("O'Donnell") << d << QStringLiteral("O'Donnell");
    QTest::newRow("barra invertida") << QStringLiteral("C:\\x\\") << s << QStringLiteral("C:\\\\x\\\\");
    QTest::newRow("saltos de línea") << QStringLiteral("a\r\nb\tc") << s << QStringLiteral("a\\r\\nb\\tc");
    QTest::newRow("separadores de línea") << QString(QChar(0x2028)) + QChar(0x2029) << s
                                          << QStringLiteral("\\u2028\\u2029");
    QTest::newRow("control") << QString(QChar(1)) << s << QStringLiteral("\\u0001");
    QTest::newRow("intento de cierre") << QStringLiteral("');alert(1);//") << s
                                       << QStringLiteral("\\');alert(1);//");
}

void TstArgumentosScript::argumentoScript()
{
    QFETCH(QString, texto);
    QFETCH(QChar, comilla);
    QFETCH(QString, esperado);
    QCOMPARE(ArgumentoScript(texto, comilla), esperado);
}

void TstArgumentosScript::escaparHtml_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("ordinario") << QStringLiteral("Casa 12,5") << QStringLiteral("Casa 12,5");
    QTest::newRow("etiquetas") << QStringLiteral("<img src=x onerror=alert(1)>")
                               << QStringLiteral("&lt;img src=x onerror=alert(1)&gt;");
    QTest::newRow("ampersand y comillas") << QStringLiteral("A&B \"c\" 'd'")
                                          << QStringLiteral("A&amp;B &quot;c&quot; &#39;d&#39;");
}

void TstArgumentosScript::escaparHtml()
{
    QFETCH(QString, texto);
    QFETCH(QString, esperado);
    QCOMPARE(EscaparHtml(texto), esperado);
}

void TstArgumentosScript::normalizacion_data()
{
    QTest::addColumn<QString>("direccion");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("25 caracteres pierde las barras") << QStringLiteral("file:///C:\\/GPS/Track.htm")
                                                     << QStringLiteral("file:///C:/GPS/Track.htm");
    QTest::newRow("otra longitud sin cambios") << QStringLiteral("file:///C:\\App\\/GPS/Track.htm")
                                               << QStringLiteral("file:///C:\\App\\/GPS/Track.htm");
    QTest::newRow("dirección web sin cambios") << QStringLiteral("http://srv/tiemporeal.aspx?clientegps=SI")
                                               << QStringLiteral("http://srv/tiemporeal.aspx?clientegps=SI");
}

void TstArgumentosScript::normalizacion()
{
    QFETCH(QString, direccion);
    QFETCH(QString, esperado);
    QCOMPARE(PuenteMapa::NormalizarDireccion(direccion), esperado);
}

void TstArgumentosScript::urlDeDireccion_data()
{
    QTest::addColumn<QString>("direccion");
    QTest::addColumn<QUrl>("esperado");
    QTest::newRow("carpeta absoluta") << QStringLiteral("file:////opt/app/GPS/Track.htm")
                                      << QUrl::fromLocalFile(QStringLiteral("/opt/app/GPS/Track.htm"));
    QTest::newRow("blanco, # y %") << QStringLiteral("file:////opt/mi app #1 %20/GPS/zonas.html")
                                   << QUrl::fromLocalFile(QStringLiteral("/opt/mi app #1 %20/GPS/zonas.html"));
    QTest::newRow("web") << QStringLiteral("http://srv:8080/tiemporeal.aspx?clientegps=SI")
                         << QUrl(QStringLiteral("http://srv:8080/tiemporeal.aspx?clientegps=SI"));
}

void TstArgumentosScript::urlDeDireccion()
{
    QFETCH(QString, direccion);
    QFETCH(QUrl, esperado);
    const QUrl url = PuenteMapa::UrlDeDireccion(direccion);
    QCOMPARE(url, esperado);
    if (url.isLocalFile()) {
        // The file part survives whole: no '#' or '%' taken as fragment or escape.
        QCOMPARE(url.fragment(), QString());
        QVERIFY(url.toLocalFile().endsWith(direccion.mid(direccion.indexOf(QStringLiteral("/GPS/")))));
    }
}

void TstArgumentosScript::direccionPagina()
{
    EstablecerCarpetaAplicacion(QStringLiteral("/srv/VARDEN Cliente #2"));
    const QString d = PuenteMapa::DireccionPagina(QStringLiteral("Track.htm"));
    EstablecerCarpetaAplicacion(QString());
    QCOMPARE(d, QStringLiteral("file:////srv/VARDEN Cliente #2/GPS/Track.htm"));
    QCOMPARE(PuenteMapa::UrlDeDireccion(d).toLocalFile(), QStringLiteral("/srv/VARDEN Cliente #2/GPS/Track.htm"));
}

QTEST_GUILESS_MAIN(TstArgumentosScript)
#include "tst_argumentosscript.moc"
