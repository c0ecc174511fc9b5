// Zones written as GeoJSON and KML and read back; what reading refuses and why.
#include "intercambiozonas.h"

#include <QtTest>

using namespace IntercambioZonas;
Q_DECLARE_METATYPE(IntercambioZonas::Formato)

namespace {
// "name vertices" per zone read, "name: reason" per zone refused.
QStringList textos(const Lectura &l)
{
    QStringList r;
    for (const Zona &z : l.zonas)
        r << z.nombre + ' ' + z.coordenadas;
    for (const Rechazada &x : l.rechazadas)
        r << x.nombre + ": " + x.motivo;
    return r;
}
}

class TstIntercambioZonas : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void idaYVuelta_data();
    void idaYVuelta();
    void rechazos_data();
    void rechazos();
};

void TstIntercambioZonas::idaYVuelta_data()
{
    QTest::addColumn<Formato>("formato");
    QTest::newRow("GeoJSON") << Formato::GeoJson;
    QTest::newRow("KML") << Formato::Kml;
}

// Vertex list texts as the map page writes them come back identical; hostile names survive.
void TstIntercambioZonas::idaYVuelta()
{
    QFETCH(Formato, formato);
    const QList<Zona> zonas{
        {"Casa", "(40.41,-3.7)(40.42,-3.69)(40.4,-3.68)"},
        {"Nave \"O'Donnell\" <b>&amp; & </b>", "(40.4123456,-3.7000001)(40.5,-3.7)(40.5,-3.6)(40.4,-3.6)"},
        {"línea 1\nlínea 2", "(-33.9,151.2)(-33.8,151.2)(-33.8,151.3)"},
        {QString(300, QChar(0x00F1)), "(0,179.9)(1,179.9)(1,180)"}};
    const Lectura l = Leer(Escribir(zonas, formato));
    QCOMPARE(l.error, QString());
    QCOMPARE(textos(l), textos({zonas, {}, {}}));
}

void TstIntercambioZonas::rechazos_data()
{
    QTest::addColumn<QByteArray>("datos");
    QTest::addColumn<QStringList>("leidas");  // names read, then "name: reason" per zone refused
    auto geo = [](const char *nombre, const char *tipo, const char *coordenadas) {
        return QByteArray("{\"type\":\"Feature\",\"properties\":{\"nombre\":\"") + nombre + "\"},\"geometry\":{\"type\":\"" + tipo +
               "\",\"coordinates\":" + coordenadas + "}}";
    };
    auto coleccion = [](const QList<QByteArray> &f) { return "{\"type\":\"FeatureCollection\",\"features\":[" + f.join(',') + "]}"; };
    QTest::newRow("geojson: uno bueno y cuatro malos")
        << coleccion({geo("Bien", "Polygon", "[[[-3.7,40.4],[-3.6,40.4],[-3.6,40.5],[-3.7,40.4]]]"),
                      geo("Dos", "Polygon", "[[[-3.7,40.4],[-3.6,40.4],[-3.7,40.4]]]"),
                      geo("Lejos", "Polygon", "[[[-3.7,95],[-3.6,40.4],[-3.6,40.5]]]"),
                      geo("Lazo", "Polygon", "[[[0,0],[1,1],[0,1],[1,0]]]"),
                      geo("Punto", "Point", "[-3.7,40.4]"), geo("", "Polygon", "[[[-3.7,40.4],[-3.6,40.4],[-3.6,40.5]]]")})
        << QStringList{"Bien (40.4,-3.7)(40.4,-3.6)(40.5,-3.6)", "Dos: La zona debe estar formada por un polígono de al menos tres vértices",
                       "Lejos: tiene coordenadas fuera de rango",
                       "Lazo: El contorno se cruza consigo mismo: el lado 1 corta al lado 3 en (0.500000, 0.500000).",
                       "Punto: no es un polígono", ": no tiene nombre"};
    QTest::newRow("kml: numeros que no lo son")
        << QByteArray("<kml xmlns=\"http://www.opengis.net/kml/2.2\"><Document><Placemark><name>A &amp; B</name><Polygon>"
                      "<outerBoundaryIs><LinearRing><coordinates>-3.7,40.4,0 x,40.4,0 -3.6,40.5,0</coordinates>"
                      "</LinearRing></outerBoundaryIs></Polygon></Placemark></Document></kml>")
        << QStringList{"A & B: tiene coordenadas que no son números"};
}

void TstIntercambioZonas::rechazos()
{
    QFETCH(QByteArray, datos);
    QFETCH(QStringList, leidas);
    const Lectura l = Leer(datos);
    QCOMPARE(l.error, QString());
    QCOMPARE(textos(l), leidas);
    QVERIFY(!Leer("{no es json").error.isEmpty());
    QVERIFY(!Leer("<kml><Placemark>").error.isEmpty());
}

QTEST_GUILESS_MAIN(TstIntercambioZonas)
#include "tst_intercambiozonas.moc"
