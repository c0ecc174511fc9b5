#include "argumentosscript.h"
#include "carpetaprueba.h"
#include "pruebaweb.h"
#include "puentemapa.h"

#include <QCryptographicHash>
#include <QImage>
#include <QJsonDocument>
#include <QWebEngineView>
#include <cmath>
#include <memory>

using namespace PruebaWeb;

namespace {
const QStringList iconos = {"Ninguno", "policia1", "coche1", "coche2", "coche3", "coche4", "corredor1",
                            "especialista1", "furgoneta1", "moto1", "niños1", "num1", "num2", "num3",
                            "num4", "num5", "persona1", "persona2"};

// Area of a latitude/longitude box on the WGS84 ellipsoid (numerical integration of M·N·cos φ).
double areaElipsoide(double lat1, double lat2, double lon1, double lon2)
{
    const double a = 6378137.0, e2 = 0.00669437999014, rad = M_PI / 180;
    const int n = 2000;
    const double h = (lat2 - lat1) * rad / n;
    double suma = 0;
    for (int i = 0; i <= n; ++i) {
        const double f = lat1 * rad + i * h;
        const double w = 1 - e2 * std::sin(f) * std::sin(f);
        const double mn = (a * (1 - e2) / std::pow(w, 1.5)) * (a / std::sqrt(w)) * std::cos(f);
        suma += mn * ((i == 0 || i == n) ? 1 : (i % 2 ? 4 : 2));
    }
    return std::abs(suma * h / 3 * (lon2 - lon1) * rad);
}

QString ponermapa(const QString &zona, const QString &lat, const QString &lon, const QString &loc, const QString &vel,
                  const QString &etiquetas, int zoom, const QString &borrar)
{
    return QStringLiteral("ponermapa('") + ArgumentoScript(zona) + "','" + lat + "|','" + lon + "|','" +
           ArgumentoScript(loc) + "|','" + vel + "|','09:05:07<br>','12/05/2010 9:05:07','" + ArgumentoScript(loc) +
           "','" + etiquetas + "'," + QString::number(zoom) + ",'" + borrar + "','00:12:40','3,27');";
}
}

class TstPaginasMapa : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void paginasDefinenSusFunciones_data();
    void paginasDefinenSusFunciones();
    void trackDibujaPuntoLineaYLecturas();
    void trackIconos();
    void trackMilLlamadasAcotadas();
    void zonasSimulaCuadrado_data();
    void zonasSimulaCuadrado();
    void zonasGuardadasConEtiqueta();
    void zonasEdicionYGeolocalizacion();
    void track2DibujaRegistros_data();
    void track2DibujaRegistros();
    void viisorMuestraImagen();
    void iconosLegibles();

private:
    QVariantMap estado() { return evaluar(*puente, QStringLiteral("estadoMapa()")).toMap(); }
    std::unique_ptr<CarpetaPrueba> carpeta;
    std::unique_ptr<QWebEngineView> vista;
    PuenteMapa *puente = nullptr;
};

void TstPaginasMapa::init()
{
    carpeta = std::make_unique<CarpetaPrueba>();
    QVERIFY(carpeta->enlazarPaginas());
    vista = std::make_unique<QWebEngineView>();
    vista->resize(900, 600);
    vista->show();
    puente = new PuenteMapa(vista.get());
}

void TstPaginasMapa::cleanup()
{
    vista.reset();
    carpeta.reset();
}

void TstPaginasMapa::paginasDefinenSusFunciones_data()
{
    QTest::addColumn<QString>("pagina");
    QTest::addColumn<QStringList>("funciones");
    QTest::newRow("Track.htm") << "Track.htm" << QStringList{"asignaicono", "ponermapa", "limpiamapa", "msg1"};
    QTest::newRow("zonas.html") << "zonas.html"
                                << QStringList{"showAddress", "permitiredicion", "PonerPunto", "DibujaPoligono",
                                               "simulaleftClick"};
    QTest::newRow("track2.htm") << "track2.htm" << QStringList{"visualizamapa"};
    QTest::newRow("viisor.htm") << "viisor.htm" << QStringList{"ponerimagen"};
}

void TstPaginasMapa::paginasDefinenSusFunciones()
{
    QFETCH(QString, pagina);
    QFETCH(QStringList, funciones);
    QVERIFY(abrir(*puente, pagina));
    for (const QString &f : funciones)
        QVERIFY2(evaluar(*puente, "typeof " + f).toString() == QStringLiteral("function"), qPrintable(f));
    QCOMPARE(evaluar(*puente, QStringLiteral("window.onerror()")).toBool(), true);
    if (pagina != QStringLiteral("viisor.htm"))
        QCOMPARE(evaluar(*puente, QStringLiteral("typeof L")).toString(), QStringLiteral("object"));
}

void TstPaginasMapa::trackDibujaPuntoLineaYLecturas()
{
    QVERIFY(abrir(*puente, QStringLiteral("Track.htm")));
    // The statement exactly as the playback composes it.
    puente->Ejecutar(QStringLiteral("ponermapa('Desconocida','40.4168|','-3.7038|','COCHE1|','45,50|','09:05:07<br>',"
                                    "'12/05/2010 9:05:07','COCHE1','SI',16,'NO','00:12:40','3,27');"));
    QVariantMap e = estado();
    QCOMPARE(e.value("marcadores").toInt(), 1);
    QCOMPARE(e.value("lineas").toInt(), 1);
    QCOMPARE(e.value("etiquetas").toInt(), 1);
    QCOMPARE(e.value("puntos").toInt(), 1);
    QCOMPARE(evaluar(*puente, QStringLiteral("mapa.getZoom()")).toInt(), 16);
    QCOMPARE(evaluar(*puente, QStringLiteral("mapa.getCenter().lat.toFixed(4)")).toString(), QStringLiteral("40.4168"));
    const QString lectura = evaluar(*puente, QStringLiteral("document.querySelector('.lectura-fija').textContent")).toString();
    for (const char *t : {"COCHE1", "12/05/2010 9:05:07", "Velocidad: 45,50", "Zona: Desconocida", "00:12:40", "3,27 km"})
        QVERIFY2(lectura.contains(QString::fromUtf8(t)), qPrintable(lectura));
    QVERIFY(!lectura.contains(u'|'));

    // Labels off: the previous point becomes a dot, no label stays open.
    puente->Ejecutar(ponermapa(QStringLiteral("<img src=x onerror=\"anota(1)\">"), "40.4170", "-3.7040", "COCHE1",
                               "10,00", "NO", 15, "NO"));
    e = estado();
    QCOMPARE(e.value("marcadores").toInt(), 2);
    QCOMPARE(e.value("etiquetas").toInt(), 0);
    QCOMPARE(e.value("puntos").toInt(), 2);
    // A zone name holding markup reaches the page as text.
    QCOMPARE(evaluar(*puente, QStringLiteral("actual.getTooltip().getContent().textContent.indexOf('<img src=x')>=0")).toBool(), true);
    QCOMPARE(evaluar(*puente, QStringLiteral("actual.getTooltip().getContent().querySelectorAll('img').length")).toInt(), 0);

    // The clear flag wipes what was drawn before the step's point.
    puente->Ejecutar(ponermapa("Nave", "40.5", "-3.6", "COCHE1", "1,00", "SI", 16, "SI"));
    e = estado();
    QCOMPARE(e.value("marcadores").toInt(), 1);
    QCOMPARE(e.value("puntos").toInt(), 1);
    // A point that is not a coordinate draws nothing and breaks nothing.
    puente->Ejecutar(ponermapa("Nave", "abc", "-3.6", "COCHE1", "1,00", "SI", 16, "NO"));
    QCOMPARE(estado().value("puntos").toInt(), 1);

    puente->Ejecutar(QStringLiteral("limpiamapa();msg1('Pantalla Renovada');"));
    e = estado();
    QCOMPARE(e.value("marcadores").toInt() + e.value("lineas").toInt() + e.value("etiquetas").toInt(), 0);
    QCOMPARE(evaluar(*puente, QStringLiteral("document.getElementById('mensaje').textContent")).toString(),
             QStringLiteral("Pantalla Renovada"));
    QCOMPARE(evaluar(*puente, QStringLiteral("document.getElementById('mensaje').style.display")).toString(),
             QStringLiteral("block"));
    // The message goes away by itself.
    QVERIFY(esperar([&] {
        return evaluar(*puente, QStringLiteral("document.getElementById('mensaje').style.display")).toString() ==
               QStringLiteral("none");
    }, 6000));
}

void TstPaginasMapa::trackIconos()
{
    QVERIFY(abrir(*puente, QStringLiteral("Track.htm")));
    const QString imagenCargada = QStringLiteral("(function(){var i=document.querySelector('.leaflet-marker-icon');"
                                                 "return i&&i.complete?i.naturalWidth:-1;})()");
    puente->Ejecutar(QStringLiteral("asignaicono('niños1.png');"));
    puente->Ejecutar(ponermapa("Nave", "40.4", "-3.7", "COCHE1", "1,00", "NO", 12, "NO"));
    QCOMPARE(estado().value("icono").toString(), QStringLiteral("ni%C3%B1os1.png"));
    QVERIFY(esperar([&] { return evaluar(*puente, imagenCargada).toInt() == 48; }));
    // Changing the icon applies to the marker on the map.
    puente->Ejecutar(QStringLiteral("asignaicono('policia1.png');"));
    QCOMPARE(estado().value("icono").toString(), QStringLiteral("policia1.png"));
    // An empty name, or a picture that does not exist, gives the default marker.
    puente->Ejecutar(QStringLiteral("asignaicono('');"));
    QVERIFY(estado().value("icono").toString().endsWith(QStringLiteral("marker-icon.png")));
    puente->Ejecutar(QStringLiteral("asignaicono('no-existe.png');"));
    QVERIFY(esperar([&] { return estado().value("icono").toString().endsWith(QStringLiteral("marker-icon.png")); }));
    QVERIFY(esperar([&] { return evaluar(*puente, imagenCargada).toInt() > 0; }));
}

void TstPaginasMapa::trackMilLlamadasAcotadas()
{
    QVERIFY(abrir(*puente, QStringLiteral("Track.htm")));
    int maximoObjetos = 0;
    for (int i = 1; i <= 1000; ++i) {
        const bool borrar = i % 350 == 1 && i > 1; // the 351st point after a reset clears
        puente->Ejecutar(ponermapa(QStringLiteral("Zona %1").arg(i % 7), QString::number(40.0 + i * 1e-4, 'f', 6),
                                   QString::number(-3.0 - i * 1e-4, 'f', 6), "COCHE1", "12,00", "SI", 16,
                                   borrar ? "SI" : "NO"));
        if (i % 50 == 0) {
            const int n = evaluar(*puente, QStringLiteral("Object.keys(mapa._layers).length")).toInt();
            maximoObjetos = std::max(maximoObjetos, n);
        }
    }
    const QVariantMap e = estado();
    QCOMPARE(e.value("puntos").toInt(), 1000 - 700);
    QCOMPARE(e.value("marcadores").toInt(), 300);
    QCOMPARE(e.value("lineas").toInt(), 1);
    QCOMPARE(e.value("etiquetas").toInt(), 1);
    // Never more than one clear period of points, plus the map's own few layers.
    QVERIFY2(maximoObjetos <= 350 + 10, qPrintable(QString::number(maximoObjetos)));
    QCOMPARE(evaluar(*puente, QStringLiteral("document.querySelectorAll('.leaflet-interactive').length")).toInt(), 301);
}

void TstPaginasMapa::zonasSimulaCuadrado_data()
{
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("lon");
    QTest::addColumn<double>("lado");
    QTest::newRow("Madrid, 0.01 grados") << 40.41 << -3.71 << 0.01;
    QTest::newRow("ecuador") << 0.0 << 10.0 << 0.01;
    QTest::newRow("norte, 60 grados") << 60.17 << 24.93 << 0.02;
    QTest::newRow("sur, manzana pequeña") << -34.6 << -58.38 << 0.001;
}

void TstPaginasMapa::zonasSimulaCuadrado()
{
    QFETCH(double, lat);
    QFETCH(double, lon);
    QFETCH(double, lado);
    QVERIFY(abrir(*puente, QStringLiteral("zonas.html")));
    const double lats[] = {lat, lat, lat + lado, lat + lado}, lons[] = {lon, lon + lado, lon + lado, lon};
    QString esperado;
    for (int i = 0; i < 4; ++i) {
        const QString la = QString::number(lats[i], 'f', 4), lo = QString::number(lons[i], 'f', 4);
        puente->Ejecutar("simulaleftClick('" + la + "','" + lo + "');", QStringLiteral("JavaScript"));
        esperado += "(" + la + "," + lo + ")";
    }
    QString coordenadas, area;
    QObject ctx;
    puente->LeerCampoFormulario(QStringLiteral("Coordenadas"), &ctx, [&](const QString &v) { coordenadas = v; });
    puente->LeerHtmlElemento(QStringLiteral("status"), &ctx, [&](const QString &v) { area = v; });
    QVERIFY(esperar([&] { return !area.isEmpty(); }));
    QCOMPARE(coordenadas, esperado);
    // A bare number: "." decimals, no grouping, no unit.
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d+(\\.\\d+)?$")).match(area).hasMatch(), qPrintable(area));
    const double real = areaElipsoide(lat, lat + lado, lon, lon + lado);
    QVERIFY2(std::abs(area.toDouble() - real) / real < 0.005, qPrintable(area + " / " + QString::number(real)));
    QCOMPARE(estado().value("poligonos").toInt(), 1);
}

void TstPaginasMapa::zonasGuardadasConEtiqueta()
{
    QVERIFY(abrir(*puente, QStringLiteral("zonas.html")));
    QCOMPARE(evaluar(*puente, QStringLiteral("document.getElementById('status').innerHTML")).toString(), QStringLiteral("0"));
    // Two stored zones: one ordinary, one whose name holds markup (escaped by the window).
    const QStringList nombres = {QStringLiteral("Casa"), QStringLiteral("<img src=x onerror=\"window.inyectado=1\">")};
    for (int z = 0; z < 2; ++z) {
        const QString etiqueta = "<B>" + EscaparHtml(nombres[z]) + "</B> <Br>" + EscaparHtml("12,5");
        for (int v = 0; v < 3; ++v)
            puente->Ejecutar(QStringLiteral("PonerPunto('%1','%2',\"").arg(40.4 + z * 0.05 + (v == 2) * 0.01).arg(-3.7 + (v == 1) * 0.01) +
                             ArgumentoScript(etiqueta, u'"') + "\");");
        puente->Ejecutar(QStringLiteral("DibujaPoligono('#FF00FF');"));
    }
    // A label sent unescaped still cannot run anything: only <b> and <br> survive.
    for (int v = 0; v < 3; ++v)
        puente->Ejecutar(QStringLiteral("PonerPunto('41.%1','-3.%2',\"<B>X</B><img src=x onerror=window.inyectado=2><Br>1\");").arg(v).arg(v == 1));
    puente->Ejecutar(QStringLiteral("DibujaPoligono('red;background:url(x)');"));
    QTest::qWait(100);
    const QVariantMap e = estado();
    QCOMPARE(e.value("poligonos").toInt(), 3);
    QCOMPARE(e.value("etiquetas").toInt(), 3);
    const QStringList textos = evaluar(*puente, QStringLiteral("Array.from(document.querySelectorAll('.leaflet-tooltip')).map(function(t){return t.textContent;})")).toStringList();
    QCOMPARE(textos, (QStringList{"Casa 12,5", nombres[1] + " 12,5", "X1"}));
    QCOMPARE(evaluar(*puente, QStringLiteral("document.querySelectorAll('.leaflet-tooltip b').length")).toInt(), 3);
    QCOMPARE(evaluar(*puente, QStringLiteral("document.querySelectorAll('.leaflet-tooltip img').length")).toInt(), 0);
    QCOMPARE(evaluar(*puente, QStringLiteral("String(window.inyectado)")).toString(), QStringLiteral("undefined"));
    // Stored zones are magenta; a colour that is not one falls back to it.
    QCOMPARE(evaluar(*puente, QStringLiteral("Array.from(document.querySelectorAll('path.leaflet-interactive')).map(function(p){return p.getAttribute('stroke');}).join(',')")).toString(),
             QStringLiteral("#FF00FF,#FF00FF,#FF00FF"));
    // Stored zones are not the polygon being drawn.
    QCOMPARE(evaluar(*puente, QStringLiteral("document.forms[0].elements['Coordenadas'].value")).toString(), QString());
}

void TstPaginasMapa::zonasEdicionYGeolocalizacion()
{
    QVERIFY(abrir(*puente, QStringLiteral("zonas.html")));
    const QString clic = QStringLiteral("mapa.fire('click',{latlng:L.latLng(%1,%2)});");
    // Offline or online, asking for the city neither blocks nor breaks the page.
    puente->Ejecutar(QStringLiteral("showAddress(\"Madrid\",15);"), QStringLiteral("JavaScript"));
    puente->Ejecutar(clic.arg(40.1).arg(-3.1));
    QCOMPARE(estado().value("vertices").toInt(), 0); // editing not allowed yet
    puente->Ejecutar(QStringLiteral("permitiredicion();"), QStringLiteral("JavaScript"));
    puente->Ejecutar(clic.arg(40.1).arg(-3.1));
    puente->Ejecutar(clic.arg(40.1).arg(-3.0));
    puente->Ejecutar(clic.arg(40.2).arg(-3.05));
    QCOMPARE(estado().value("vertices").toInt(), 3);
    QCOMPARE(evaluar(*puente, QStringLiteral("document.forms[0].elements['Coordenadas'].value")).toString(),
             QStringLiteral("(40.1,-3.1)(40.1,-3)(40.2,-3.05)"));
    // Moving a vertex rewrites the list and the area.
    const QString antes = evaluar(*puente, QStringLiteral("document.getElementById('status').textContent")).toString();
    puente->Ejecutar(QStringLiteral("vertices[2].marcador.setLatLng([40.3,-3.05]).fire('drag');"));
    QCOMPARE(evaluar(*puente, QStringLiteral("document.forms[0].elements['Coordenadas'].value")).toString(),
             QStringLiteral("(40.1,-3.1)(40.1,-3)(40.3,-3.05)"));
    const QString despues = evaluar(*puente, QStringLiteral("document.getElementById('status').textContent")).toString();
    QVERIFY(qAbs(despues.toDouble() / antes.toDouble() - 2.0) < 0.01);
    // Emptying the legend (show-all mode).
    puente->VaciarElemento(QStringLiteral("leyenda"));
    QCOMPARE(evaluar(*puente, QStringLiteral("document.getElementById('leyenda').innerHTML")).toString(), QString());
    // The geocoder answers (map moved) or the page says it could not.
    QVERIFY(esperar([&] {
        return evaluar(*puente, QStringLiteral("document.getElementById('mensaje').textContent.indexOf('Madrid')>=0 || "
                                               "mapa.getZoom()===15")).toBool();
    }, 12000));
}

void TstPaginasMapa::track2DibujaRegistros_data()
{
    QTest::addColumn<QString>("nombre1");
    QTest::addColumn<QString>("nombre2");
    QTest::newRow("nombres simples") << "Almacén" << "Oficina";
    QTest::newRow("barra en el nombre") << "Nave|2" << "A|B|C";
    QTest::newRow("markup y comillas") << "<img src=x onerror=\"window.inyectado=1\">" << "O'Donnell \"2\"";
}

void TstPaginasMapa::track2DibujaRegistros()
{
    QFETCH(QString, nombre1);
    QFETCH(QString, nombre2);
    QVERIFY(abrir(*puente, QStringLiteral("track2.htm")));
    const QString texto = nombre1 + "|40.1,-3.2)(40.3,-3.1)(40.2,-3.4|17<sig>" + nombre2 +
                          "|40.5,-3.2)(40.6,-3.1)(40.55,-3.3)(40.5,-3.3|250<sig>";
    puente->Ejecutar("visualizamapa('" + ArgumentoScript(texto) + "');", QStringLiteral("JavaScript"));
    const QVariantMap e = estado();
    QCOMPARE(e.value("poligonos").toInt(), 2);
    QCOMPARE(e.value("textos").toStringList(), (QStringList{nombre1 + "17 impactos", nombre2 + "250 impactos"}));
    QCOMPARE(evaluar(*puente, QStringLiteral("String(window.inyectado)")).toString(), QStringLiteral("undefined"));
    // Coloured by total, and the map fitted to both.
    QVERIFY(evaluar(*puente, QStringLiteral("var f=[];zonas.eachLayer(function(p){f.push(p.options.fillColor)});f[0]!==f[1]")).toBool());
    QVERIFY(evaluar(*puente, QStringLiteral("mapa.getBounds().contains([40.1,-3.4])&&mapa.getBounds().contains([40.6,-3.1])")).toBool());
    // An empty text draws nothing.
    puente->Ejecutar(QStringLiteral("visualizamapa('');"));
    QCOMPARE(estado().value("poligonos").toInt(), 0);
}

void TstPaginasMapa::viisorMuestraImagen()
{
    QVERIFY(abrir(*puente, QStringLiteral("viisor.htm")));
    for (const QString &i : {QStringLiteral("coche1"), QStringLiteral("niños1"), QStringLiteral("Ninguno")}) {
        puente->Ejecutar("ponerimagen('" + ArgumentoScript(i + ".png") + "');", QStringLiteral("JavaScript"));
        QVERIFY2(esperar([&] { return estado().value("visible").toBool(); }), qPrintable(i));
        QCOMPARE(estado().value("ancho").toInt(), 48);
        QCOMPARE(estado().value("texto").toString(), i);
    }
    puente->Ejecutar(QStringLiteral("ponerimagen('no-existe.png');"));
    QVERIFY(esperar([&] { return estado().value("texto").toString().startsWith(QStringLiteral("Sin imagen")); }));
    QCOMPARE(estado().value("visible").toBool(), false);
}

void TstPaginasMapa::iconosLegibles()
{
    QSet<QByteArray> distintos;
    for (const QString &n : iconos) {
        const QString archivo = carpeta->archivo("GPS/" + n + ".png");
        QImage img(archivo);
        QVERIFY2(!img.isNull(), qPrintable(archivo));
        QCOMPARE(img.size(), QSize(48, 48));
        QVERIFY(img.hasAlphaChannel());
        QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(img.pixel(47, 47)), 0);
        QCOMPARE(qAlpha(img.pixel(24, 24)), 255);
        // The pictogram differs from its badge: more than one colour inside.
        QSet<QRgb> colores;
        for (int y = 8; y < 40; y += 2)
            for (int x = 8; x < 40; x += 2)
                colores.insert(img.pixel(x, y) & 0xF0F0F0);
        QVERIFY2(colores.size() >= 2, qPrintable(n));
        const QImage rgba = img.convertToFormat(QImage::Format_RGBA8888);
        distintos.insert(QCryptographicHash::hash(QByteArrayView(rgba.constBits(), rgba.sizeInBytes()),
                                                  QCryptographicHash::Sha1));
    }
    QCOMPARE(distintos.size(), iconos.size());
}

VARDEN_TEST_WEB_MAIN(TstPaginasMapa)
#include "tst_paginasmapa.moc"
