// The offline base map in the real engine, off the network: each map page draws the countries, provinces
// and cities beneath the tiles, says when tiles fail, credits the data, and lives in the maps' profile.
#include "carpetaprueba.h"
#include "perfilmapas.h"
#include "pruebaweb.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QWebEnginePage>
#include <QWebEngineView>

using namespace PruebaWeb;

namespace {
// The number of features of one object of a wrapped TopoJSON file, read straight from the file:
// the JSON is the script's single-quoted string, with \\, \' and \n escaped.
int rasgosEn(const QString &archivo, const QString &objeto)
{
    QFile f(archivo);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray t = f.readAll();
    const qsizetype desde = t.indexOf("JSON.parse('") + 12, hasta = t.lastIndexOf("')");
    QByteArray json;
    for (qsizetype i = desde; i < hasta; ++i) {
        if (t[i] == '\\' && i + 1 < hasta)
            json += t[++i] == 'n' ? '\n' : t[i];
        else
            json += t[i];
    }
    return int(QJsonDocument::fromJson(json).object()["objects"][objeto]["geometries"].toArray().size());
}

int ciudadesEn(const QString &archivo)
{
    QFile f(archivo);
    return f.open(QIODevice::ReadOnly) ? int(QString::fromUtf8(f.readAll()).count(QRegularExpression(QStringLiteral("\\[\\s*['\"]")))) : -1;
}
}

class TstMapaBase : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { vista.reset(), carpeta.reset(); }

    void init()
    {
        carpeta = std::make_unique<CarpetaPrueba>();
        QVERIFY(carpeta->enlazarPaginas());
        vista = std::make_unique<QWebEngineView>();
        vista->resize(900, 600);
        vista->show();
        puente = new PuenteMapa(vista.get());
        red.pedidas.clear();
    }

    void paginasSinRed_data()
    {
        QTest::addColumn<QString>("pagina");
        for (const char *p : {"Track.htm", "track2.htm", "zonas.html"})
            QTest::newRow(p) << p;
    }

    void paginasSinRed()
    {
        QFETCH(QString, pagina);
        QVERIFY(abrirConBase(pagina));
        const QString gps = carpeta->archivo("GPS/");
        QVariantMap b = base();
        const QStringList paises = b["paises"].toStringList();  // the countries around Spain, not the world's
        for (const char *p : {"Spain", "Portugal", "France", "Andorra", "Morocco", "Algeria", "Italy"})
            QVERIFY2(paises.contains(p), p);
        QVERIFY(!paises.contains("Australia") && !paises.contains("Brazil"));
        const QStringList dibujados = b["paisesDibujados"].toStringList();  // those near the view
        QVERIFY2(dibujados.contains("Spain") && dibujados.contains("Portugal") && !dibujados.contains("Finland"), qPrintable(dibujados.join(',')));
        QCOMPARE(b["provincias"].toInt(), rasgosEn(gps + "base/provincias.js", "provinces"));
        QCOMPARE(b["ciudades"].toInt(), ciudadesEn(gps + "ciudades.js"));
        QVERIFY(b["provincias"].toInt() > 50 && b["ciudades"].toInt() > 50);
        QCOMPARE(js("(e=>[e.marcadores,e.lineas,e.poligonos,e.etiquetas].join())(estadoMapa())").toString(), "0,0,0,0");  // base not counted

        // Beneath the tiles; the tiles failed, and the notice says so.
        QVERIFY(js("+getComputedStyle(mapa.getPane('base')).zIndex < +getComputedStyle(mapa.getPane('tilePane')).zIndex").toBool());
        QVERIFY(esperar([this] { return !base().value("aviso").toString().isEmpty(); }));
        QCOMPARE(base()["aviso"].toString(), QStringLiteral("Sin conexión: mapa base sin calles"));
        QVERIFY(base()["fallosTeselas"].toInt() > 0);
        QVERIFY(!red.pedidas.filter("tile.openstreetmap.org").isEmpty());
        const QString creditos = js("document.querySelector('.leaflet-control-attribution').textContent").toString();
        for (const char *c : {"OpenStreetMap", "Natural Earth", "Instituto Geográfico Nacional", "CC BY 4.0"})
            QVERIFY2(creditos.contains(QString::fromUtf8(c)), qPrintable(creditos));

        // The canvas really holds the land: Spain's interior is the land's colour, the open Atlantic the sea's.
        js("void mapa.setView([40.0, -6.0], 5, {animate: false})");
        QVERIFY(esperar([this] { return js("document.querySelector('.leaflet-pane canvas') !== null").toBool(); }));
        // The most frequent colour of a small square around a point (a border line may cross it).
        auto color = [&](double lat, double lon) {
            const QVariantMap p = js(QStringLiteral("mapa.latLngToContainerPoint([%1,%2])").arg(lat).arg(lon)).toMap();
            const QImage imagen = vista->grab().toImage();
            QMap<QString, int> veces;
            for (int dx = -3; dx <= 3; ++dx)
                for (int dy = -3; dy <= 3; ++dy)
                    ++veces[imagen.pixelColor(p["x"].toInt() + dx, p["y"].toInt() + dy).name()];
            return std::max_element(veces.begin(), veces.end()).key();
        };
        QVERIFY2(esperar([&] { return color(39.3, -5.5) == "#f2efe9"; }, 5000), qPrintable(color(39.3, -5.5)));
        QVERIFY2(esperar([&] { return color(42.0, -14.0) == "#aad3df"; }, 5000), qPrintable(color(42.0, -14.0)));
    }

    // Municipal borders only close up, where they do not crowd the map.
    void municipiosDeCerca()
    {
        QVERIFY(abrirConBase("Track.htm"));
        QCOMPARE(base()["municipiosVisibles"].toInt(), 0);
        js("void mapa.setZoom(9, {animate: false})");
        // Only the provinces near the view: Madrid's and its neighbours', not the 52.
        QVERIFY(esperar([this] { return base()["municipiosVisibles"].toInt() > 0; }));
        QVERIFY2(base()["municipiosVisibles"].toInt() < 20, qPrintable(base()["municipiosVisibles"].toString()));
        QCOMPARE(base()["municipios"].toInt(), rasgosEn(carpeta->archivo("GPS/base/municipios.js"), "municipalities"));
        QVERIFY(base()["municipios"].toInt() > 8000);
        js("void mapa.setZoom(5, {animate: false})");
        QVERIFY(esperar([this] { return base()["municipiosVisibles"].toInt() == 0; }));
    }

    // Every map window's page lives in the one named profile that keeps tiles on disk.
    void perfilPersistente()
    {
        QWebEngineView otra;
        QWebEngineProfile *p = PerfilMapas();
        QVERIFY(puente->Pagina()->profile() == p && (new PuenteMapa(&otra))->Pagina()->profile() == p);
        QVERIFY(!p->isOffTheRecord() && p->storageName() == "VARDENCliente");
        QVERIFY(p->httpCacheType() == QWebEngineProfile::DiskHttpCache && p->cachePath().endsWith("PerfilWeb/cache"));
    }

private:
    QVariant js(const QString &expresion) { return evaluar(*puente, expresion); }
    QVariantMap base() { return js("VardenCapaBase.contar()").toMap(); }
    bool abrirConBase(const QString &pagina)
    {
        return abrir(*puente, pagina) && esperar([this] { return base().value("listo").toBool(); });
    }
    SinRed red;
    std::unique_ptr<CarpetaPrueba> carpeta;
    std::unique_ptr<QWebEngineView> vista;
    PuenteMapa *puente = nullptr;
};

VARDEN_TEST_WEB_MAIN(TstMapaBase)
#include "tst_mapabase.moc"
