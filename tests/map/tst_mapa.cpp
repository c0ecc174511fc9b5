// The map bridge and pages in the real engine, off the network, from a folder named with ' ', '#' and '%'.
#include "argumentosscript.h"
#include "carpetaprueba.h"
#include "entorno.h"
#include "pruebaweb.h"

#include <QCryptographicHash>
#include <QImage>
#include <QLoggingCategory>
#include <QWebEngineView>
#include <cmath>

using namespace PruebaWeb;

namespace {
// A page that records what is done to it.
const char *const paginaPrueba = R"HTML(<!DOCTYPE html><html><head><meta charset="utf-8">
<script>var registro = []; function anota(x) { registro.push(x); }</script></head><body><form><input name="Coordenadas"></form>
<div id="status">12.5</div><div id="leyenda"><b>Leyenda</b></div><div id="salida"></div></body></html>)HTML";

QStringList mensajesQt;
void capturar(QtMsgType, const QMessageLogContext &, const QString &m) { mensajesQt << m; }

// A playback step as the tracking window composes it.
QString paso(const QString &zona, const QString &lat, const QString &etiquetas, int zoom, const QString &borrar)
{
    return "ponermapa('" + ArgumentoScript(zona) + "','" + lat + "|','-3.7|','COCHE1|','1,00|','09:05:07<br>','12/05/2010 9:05:07'," +
           "'COCHE1','" + etiquetas + "'," + QString::number(zoom) + ",'" + borrar + "','00:12:40','3,27');";
}
}

class TstMapa : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { vista.reset(), carpeta.reset(); }

    void init()
    {
        carpeta = std::make_unique<CarpetaPrueba>();
        QVERIFY(carpeta->enlazarPaginas());
        const QString gps = carpeta->archivo("mi app #1 %20/GPS/");
        QVERIFY(QDir().mkpath(gps));
        for (const QFileInfo &f : QDir(carpeta->archivo("GPS")).entryInfoList(QDir::NoDotAndDotDot | QDir::AllEntries))
            QVERIFY(QFile::link(f.absoluteFilePath(), gps + f.fileName()));
        QFile prueba(gps + "prueba.htm");
        QVERIFY(prueba.open(QIODevice::WriteOnly) && prueba.write(paginaPrueba) > 0);
        EstablecerCarpetaAplicacion(carpeta->archivo("mi app #1 %20"));
        vista = std::make_unique<QWebEngineView>();
        vista->resize(900, 600);
        vista->show();
        puente = new PuenteMapa(vista.get());
    }

    void colaAntesDeCargar()
    {
        QSignalSpy cargada(puente, &PuenteMapa::DocumentoCompleto);
        puente->AbrirPagina("prueba.htm");
        puente->Ejecutar("anota('vieja');");
        puente->AbrirPagina("prueba.htm");  // a new navigation drops what the previous one had not run
        QStringList leidos;
        QObject ctx;
        auto anotar = [&](const QString &v) { leidos << v; };
        for (int i = 0; i < 3; ++i) {
            puente->Ejecutar(QStringLiteral("anota(%1);").arg(i), i % 2 ? QStringLiteral("JavaScript") : QString());
            puente->Evaluar("registro.join(',')", &ctx, [&](const QVariant &v) { leidos << v.toString(); });
        }
        // The form field and element reads: an empty answer where there is no such form or element.
        puente->Ejecutar("document.forms[0].elements['Coordenadas'].value='(40.1,-3.2)';");
        puente->LeerCampoFormulario("Coordenadas", &ctx, anotar);
        puente->LeerCampoFormulario("Coordenadas", &ctx, anotar, 3);
        puente->LeerHtmlElemento("status", &ctx, anotar);
        puente->VaciarElemento("leyenda");
        puente->LeerHtmlElemento("leyenda", &ctx, anotar);
        puente->LeerHtmlElemento("no-existe", &ctx, anotar);
        QCOMPARE(puente->Pendientes(), 13);
        QVERIFY(esperar([&] { return leidos.size() == 8; }));
        // Each read saw exactly the statements sent before it.
        QCOMPARE(leidos, (QStringList{"0", "0,1", "0,1,2", "(40.1,-3.2)", "", "12.5", "", ""}));
        QVERIFY(cargada.size() == 1 && cargada.first().first().toBool());
        QCOMPARE(vista->url().toLocalFile(), carpeta->archivo("mi app #1 %20/GPS/prueba.htm"));
        // Once loaded, statements run directly, each once.
        puente->Ejecutar("anota(3);");
        QCOMPARE(puente->Pendientes(), 0);
        QCOMPARE(js("registro.join(',')").toString(), QStringLiteral("0,1,2,3"));
    }

    // One statement in flight at a time, also after errors: every error silenced, the chain goes on.
    void unaSentenciaEnVuelo()
    {
        QVERIFY(abrir(*puente, "prueba.htm"));
        QLoggingCategory::setFilterRules("varden.map.debug=true");  // what the page reports, shown
        const QtMessageHandler anterior = qInstallMessageHandler(capturar);
        const QStringList sentencias{"anota(1);", "throw new Error('x');", "noDefinida(1,2);", "ponermapa('a',;", "setTimeout(()=>noDefinida());anota(2);"};
        int enviadas = 0, enVuelo = 0, maximo = 0;
        quint64 ultima = 0;
        auto enviar = [&] {
            maximo = std::max(maximo, ++enVuelo);
            ultima = puente->Ejecutar(sentencias[enviadas++ % 5], QStringLiteral("JavaScript"));
        };
        QObject ctx;
        connect(puente, &PuenteMapa::SentenciaEjecutada, &ctx, [&](quint64 id) {
            QCOMPARE(id, ultima);
            --enVuelo;
            if (enviadas < 20)
                enviar();
        });
        enviar();
        // Also the error raised later, outside any statement, reached the silenced handler.
        QVERIFY(esperar([&] { return enVuelo == 0 && js("window.vardenErroresSilenciados").toInt() == 16; }));
        qInstallMessageHandler(anterior);
        QLoggingCategory::setFilterRules(QString());
        QCOMPARE(maximo, 1);
        QCOMPARE(js("registro.join()").toString(), QStringLiteral("1,2,1,2,1,2,1,2"));
        QVERIFY2(mensajesQt.isEmpty(), qPrintable(mensajesQt.join('\n')));
    }

    void cargaFallidaDescartaLaCola()
    {
        QSignalSpy cargada(puente, &PuenteMapa::DocumentoCompleto);
        QSignalSpy ejecutadas(puente, &PuenteMapa::SentenciaEjecutada);
        bool respondida = false;
        QObject ctx;
        puente->AbrirPagina("no-existe.htm");
        puente->Ejecutar("anota(1);");
        puente->Evaluar("1", &ctx, [&](const QVariant &) { respondida = true; });
        QVERIFY(esperar([&] { return !cargada.isEmpty(); }) && !cargada.first().first().toBool());
        puente->Ejecutar("anota(2);");  // sent after the failure: dropped as well
        QCOMPARE(puente->Pendientes(), 0);
        // A new navigation works again, and nothing of the failed page's queue ran anywhere.
        QVERIFY(abrir(*puente, "prueba.htm"));
        QCOMPARE(js("registro.length").toInt(), 0);
        QCOMPARE(ejecutadas.size(), 0);
        QVERIFY(!respondida);
    }

    void respuestaNoTocaVentanaCerrada()
    {
        int llamadas = 0;
        auto ventana = std::make_unique<QObject>();
        puente->AbrirPagina("prueba.htm");
        puente->LeerHtmlElemento("status", ventana.get(), [&](const QString &) { ++llamadas; });
        ventana.reset();  // closed before the page loaded
        QCOMPARE(js("1").toInt(), 1);
        // A read already in the engine when the view and its bridge go away (the asker still alive).
        QObject otra;
        puente->LeerHtmlElemento("status", &otra, [&](const QString &) { ++llamadas; });
        vista.reset();
        QCOMPARE(llamadas, 0);
    }

    void direcciones_data()
    {
        QTest::addColumn<QString>("direccion");
        QTest::addColumn<QString>("normalizada");
        QTest::newRow("25 caracteres: sin barras invertidas") << "file:///C:\\/GPS/Track.htm" << "file:///C:/GPS/Track.htm";
        QTest::newRow("otra longitud sin cambios") << "file:///C:\\App\\/GPS/Track.htm" << "file:///C:\\App\\/GPS/Track.htm";
    }

    void direcciones()
    {
        QFETCH(QString, direccion);
        QFETCH(QString, normalizada);
        QCOMPARE(PuenteMapa::NormalizarDireccion(direccion), normalizada);
    }

    // As written for each delimiter: an ordinary value unchanged, anything else escaped.
    void argumentos_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::newRow("ordinario") << "COCHE1| niños1.png 09:05:07<br>";
        QTest::newRow("comillas") << "O'Donnell \"2\"";
        QTest::newRow("barra invertida") << "C:\\x\\n";
        QTest::newRow("saltos, separadores y control") << QStringLiteral("a\r\nb\tc") + QChar(0x2028) + QChar(0x2029) + QChar(1);
        QTest::newRow("cierre de llamada") << "');anota('inyectado');//";
        QTest::newRow("markup") << "<img src=x onerror=\"anota('inyectado')\"> & 'b'";
    }

    void argumentos()
    {
        QFETCH(QString, texto);
        const QString simple = ArgumentoScript(texto), doble = ArgumentoScript(texto, u'"');
        QVERIFY(QTest::currentDataTag() != QByteArray("ordinario") || (simple == texto && doble == texto));  // left as it is
        // In the page both reach it as the text itself; as markup, escaped, it shows as text and runs nothing.
        QVERIFY(abrir(*puente, "prueba.htm"));
        run("anota('" + simple + "');anota(\"" + doble + "\");document.getElementById('salida').innerHTML='<B>" +
            ArgumentoScript(EscaparHtml(texto)) + "</B>';");
        QCOMPARE(js("registro").toStringList(), QStringList({texto, texto}));
        QCOMPARE(js("document.getElementById('salida').textContent").toString(), QString(texto).replace("\r\n", "\n"));
        QCOMPARE(js("document.querySelectorAll('#salida *').length").toInt(), 1);
    }

    void track()
    {
        QVERIFY(abrir(*puente, "Track.htm"));
        run("ponermapa('Desconocida','40.4168|','-3.7038|','COCHE1|','45,50|','09:05:07<br>','12/05/2010 9:05:07','COCHE1',"
            "'SI',16,'NO','00:12:40','3,27');");
        // One marker and its label; the trail is drawn on a canvas, not as map layers.
        QCOMPARE(estado(), QStringLiteral("1,0,1,1"));
        QCOMPARE(js("mapa.getZoom()+' '+mapa.getCenter().lat.toFixed(4)").toString(), QStringLiteral("16 40.4168"));
        QCOMPARE(js("Array.from(document.querySelector('.lectura-fija').firstChild.children).map(c=>c.textContent).join('|')").toString(),
                 QStringLiteral("COCHE1|12/05/2010 9:05:07|Velocidad: 45,50|Zona: Desconocida|Tiempo parcial: 00:12:40|Distancia: 3,27 km"));
        // Labels off: no label stays; a zone name holding markup is text.
        run(paso("<img src=x onerror=\"anota(1)\">", "40.4170", "NO", 15, "NO"));
        QCOMPARE(estado(), QStringLiteral("1,0,0,2"));
        QCOMPARE(js("(t=>t.querySelectorAll('img').length+' '+t.textContent.includes('Zona: <img src=x'))(lecturaPunto())")
                     .toString(), QStringLiteral("0 true"));
        // The segment between the two points is on the trail's canvas.
        QVERIFY(js("(q=>rastro._g.getImageData(Math.round(q.x),Math.round(q.y),1,1).data[3])"
                   "(mapa.latLngToLayerPoint(L.latLng(40.4169,-3.7019)).subtract(rastro._origen))").toInt() > 0);
        // The clear flag wipes what was drawn before the step; a point that is no coordinate draws nothing.
        run(paso("Nave", "40.5", "SI", 16, "SI") + paso("Nave", "abc", "SI", 16, "NO"));
        QCOMPARE(estado(), QStringLiteral("1,0,1,1"));
        run("limpiamapa();msg1('Pantalla Renovada');");
        QCOMPARE(estado(), QStringLiteral("0,0,0,0"));
        const QString mensaje = QStringLiteral("(m=>m.style.display+' '+m.textContent)(document.getElementById('mensaje'))");
        QCOMPARE(js(mensaje).toString(), QStringLiteral("block Pantalla Renovada"));
        run("Varden.mensaje('breve', 0.01);");  // a message goes away by itself
        QVERIFY(esperar([&] { return js(mensaje).toString() == QStringLiteral("none breve"); }));
        // The locator's picture (a name with ñ); an empty name, or a picture that does not exist, gives the default marker.
        const QString cargada = QStringLiteral("(i=>i&&i.complete?i.naturalWidth:-1)(document.querySelector('.leaflet-marker-icon'))");
        run("asignaicono('niños1.png');" + paso("Nave", "40.4", "NO", 12, "NO"));
        QCOMPARE(estado("e.icono"), QStringLiteral("ni%C3%B1os1.png"));
        QVERIFY(esperar([&] { return js(cargada).toInt() == 48; }));
        run("asignaicono('');");
        QVERIFY(estado("e.icono").endsWith("marker-icon.png"));
        run("asignaicono('policia1.png');asignaicono('no-existe.png');");
        QVERIFY(esperar([&] { return estado("e.icono").endsWith("marker-icon.png") && js(cargada).toInt() > 0; }));
    }

    void trackMilPasosAcotados()
    {
        QVERIFY(abrir(*puente, "Track.htm"));
        // Cleared every 350 points as the playback does: never more than one period of points in the map or the DOM.
        int maximo = 0;
        for (int i = 1; i <= 1000; ++i) {
            run(paso(QStringLiteral("Zona %1").arg(i % 7), QString::number(40.0 + i * 1e-4, 'f', 6), "SI", 16, i % 350 == 1 && i > 1 ? "SI" : "NO"));
            if (i % 50 == 0)
                maximo = std::max(maximo, js("Object.values(mapa._layers).filter(c => c.options.pane !== 'base').length").toInt());
        }
        // One reused marker however many points: the layers and the DOM do not grow with the trail.
        QCOMPARE(estado("e.puntos,e.marcadores,e.lineas,e.etiquetas"), QStringLiteral("300,1,0,1"));
        QVERIFY2(maximo <= 10, qPrintable(QString::number(maximo)));
        QCOMPARE(js("document.querySelectorAll('.leaflet-interactive').length").toInt(), 1);
    }

    void zonasGuardadasYEdicion()
    {
        QVERIFY(abrir(*puente, "zonas.html"));
        // Markup in a zone name stays text; of a raw label only <b> and <br> survive; a bad colour is magenta.
        const QString marcado = QStringLiteral("<img src=x onerror=\"window.inyectado=1\">");
        const QString etiquetas[] = {ArgumentoScript("<B>" + EscaparHtml(marcado) + "</B> <Br>12,5", u'"'),
                                     "<B>X</B><img src=x onerror=window.inyectado=2><Br>1"};
        for (int z = 0; z < 2; ++z) {
            for (int v = 0; v < 3; ++v)
                run(QStringLiteral("PonerPunto('%1','%2',\"").arg(40.4 + z * 0.05 + (v == 2) * 0.01).arg(-3.7 + (v == 1) * 0.01) + etiquetas[z] + "\");");
            run(z ? "DibujaPoligono('red;background:url(x)');" : "DibujaPoligono('#FF00FF');");
        }
        QCOMPARE(js("Array.from(document.querySelectorAll('.leaflet-tooltip')).map(t=>t.textContent)").toStringList(),
                 (QStringList{marcado + " 12,5", "X1"}));
        QCOMPARE(js("['b','img','br'].map(e=>document.querySelectorAll('.leaflet-tooltip '+e).length).join()").toString(), QStringLiteral("2,0,2"));
        QCOMPARE(js("String(window.inyectado)").toString(), QStringLiteral("undefined"));
        QCOMPARE(js("Array.from(document.querySelectorAll('path.leaflet-interactive')).map(p=>p.getAttribute('stroke')).join()").toString(),
                 QStringLiteral("#FF00FF,#FF00FF"));
        // Stored zones are not the polygon being drawn, which the user draws with clicks once allowed.
        const QString clic = QStringLiteral("mapa.fire('click',{latlng:L.latLng(%1,%2)});");
        const QString vertices = QStringLiteral("document.forms[0].elements['Coordenadas'].value");
        run(clic.arg(40.1).arg(-3.1));
        QCOMPARE(js(vertices).toString(), QString());
        run("permitiredicion();" + clic.arg(40.1).arg(-3.1) + clic.arg(40.1).arg(-3.0) + clic.arg(40.2).arg(-3.05));
        QCOMPARE(js(vertices).toString(), QStringLiteral("(40.1,-3.1)(40.1,-3)(40.2,-3.05)"));
        // Moving a vertex rewrites the list.
        run("vertices[2].marcador.setLatLng([40.3,-3.05]).fire('drag');");
        QCOMPARE(js(vertices).toString(), QStringLiteral("(40.1,-3.1)(40.1,-3)(40.3,-3.05)"));
        // Emptying the legend (the view of all zones) hides the vertex panel.
        puente->VaciarElemento("leyenda");
        QCOMPARE(js("document.getElementById('panel').style.display").toString(), QStringLiteral("none"));
    }

    // The city asked of the geocoding service: the map centred on its answer, or a message saying why not.
    void zonasGeolocalizacion_data()
    {
        QTest::addColumn<QString>("respuesta");  // what the service answers; empty: the real service, off the network
        QTest::addColumn<QString>("resultado");
        QTest::newRow("encontrada") << "Promise.resolve([{lat:'37.3886',lon:'-5.9823'}])" << "15 37.3886 ";
        QTest::newRow("no encontrada") << "Promise.resolve([])" << "6 40.4168 No se encontró \"Sevilla\"";
        QTest::newRow("sin conexion") << "" << "6 40.4168 No se pudo localizar \"Sevilla\" (sin conexión con el servicio de mapas)";
    }

    void zonasGeolocalizacion()
    {
        QFETCH(QString, respuesta);
        QFETCH(QString, resultado);
        QVERIFY(abrir(*puente, "zonas.html"));
        if (!respuesta.isEmpty())
            run("buscarLugar=function(){return " + respuesta + ";};");
        run("showAddress(\" Sevilla \",15);");
        const QString vista = QStringLiteral("mapa.getZoom()+' '+mapa.getCenter().lat.toFixed(4)+' '+document.getElementById('mensaje').textContent");
        QVERIFY2(esperar([&] { return js(vista).toString() == resultado; }), qPrintable(js(vista).toString()));
        const QString pedida = QStringLiteral("https://nominatim.openstreetmap.org/search?format=json&limit=1&q=Sevilla");
        QCOMPARE(sinRed.pedidas.filter("nominatim"), respuesta.isEmpty() ? QStringList{pedida} : QStringList());
    }

    void track2_data()
    {
        QTest::addColumn<QString>("nombre1");
        QTest::addColumn<QString>("nombre2");
        QTest::newRow("acentos y barras en el nombre") << "Almacén|2" << "A|B|C";
        QTest::newRow("markup y comillas") << "<img src=x onerror=\"window.inyectado=1\">" << "O'Donnell \"2\"";
    }

    void track2()
    {
        QFETCH(QString, nombre1);
        QFETCH(QString, nombre2);
        QVERIFY(abrir(*puente, "track2.htm"));
        run("visualizamapa('" + ArgumentoScript(nombre1 + "|40.1,-3.2)(40.3,-3.1)(40.2,-3.4|17<sig>" + nombre2 +
                                                "|40.5,-3.2)(40.6,-3.1)(40.55,-3.3)(40.5,-3.3|250<sig>") + "');");
        QCOMPARE(js("estadoMapa().textos").toStringList(), (QStringList{nombre1 + "17 impactos", nombre2 + "250 impactos"}));
        // Coloured by total, and the map fitted to both.
        QVERIFY(js("var f=[];zonas.eachLayer(p=>f.push(p.options.fillColor));f.length==2&&f[0]!==f[1]").toBool());
        QVERIFY(js("mapa.getBounds().contains([40.1,-3.4])&&mapa.getBounds().contains([40.6,-3.1])").toBool());
        // A zone drawn over another: its label waits for the pointer instead of covering the other's.
        const QString visibles = "var n=0;zonas.eachLayer(p=>{var e=p.getTooltip().getElement();"
                                 "if(e.style.visibility!=='hidden')n++;});n";
        QCOMPARE(js(visibles).toInt(), 2);
        run("visualizamapa('A|40.1,-3.2)(40.3,-3.1)(40.2,-3.4|1<sig>B|40.1,-3.2)(40.3,-3.1)(40.2,-3.4|2<sig>');");
        QCOMPARE(js(visibles).toInt(), 1);
        run("visualizamapa('');");  // draws nothing
        QCOMPARE(estado("e.poligonos"), QStringLiteral("0"));
    }

    // Every locator picture shown 48 pixels wide with its name; as a file, an opaque badge, no two alike.
    void iconos()
    {
        QVERIFY(abrir(*puente, "viisor.htm"));
        const QFileInfoList archivos = QDir(carpeta->archivo("GPS")).entryInfoList({"*.png"});
        QVERIFY(archivos.size() >= 18);
        QSet<QByteArray> distintos;
        for (const QFileInfo &a : archivos) {
            run("ponerimagen('" + ArgumentoScript(a.fileName()) + "');");
            QVERIFY2(esperar([&] { return estado("e.visible,e.ancho,e.texto") == "true,48," + a.completeBaseName(); }), qPrintable(a.fileName()));
            const QImage img = QImage(a.filePath()).convertToFormat(QImage::Format_RGBA8888);
            QCOMPARE(QList<int>({qAlpha(img.pixel(0, 0)), qAlpha(img.pixel(47, 47)), qAlpha(img.pixel(24, 24))}), QList<int>({0, 0, 255}));
            distintos.insert(QCryptographicHash::hash(QByteArrayView(img.constBits(), img.sizeInBytes()), QCryptographicHash::Sha1));
        }
        QCOMPARE(distintos.size(), archivos.size());
        run("ponerimagen('no-existe.png');");
        QVERIFY(esperar([&] { return estado("e.visible,e.texto").startsWith("false,Sin imagen"); }));
    }

private:
    QVariant js(const QString &expresion) { return evaluar(*puente, expresion); }
    void run(const QString &sentencia) { puente->Ejecutar(sentencia, QStringLiteral("JavaScript")); }
    // Fields of the page's estadoMapa() (as e), joined by commas.
    QString estado(const QString &campos = "e.marcadores,e.lineas,e.etiquetas,e.puntos") { return js("(e=>[" + campos + "].join())(estadoMapa())").toString(); }
    SinRed sinRed;
    std::unique_ptr<CarpetaPrueba> carpeta;
    std::unique_ptr<QWebEngineView> vista;
    PuenteMapa *puente = nullptr;
};

VARDEN_TEST_WEB_MAIN(TstMapa)
#include "tst_mapa.moc"
