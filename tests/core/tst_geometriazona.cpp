// A zone's outline as geometry: reading, point inside, area on the ellipsoid, crossings.
#include "geometriazona.h"

#include <QtTest>
#include <cmath>

namespace {
GeometriaZona Zona(const QString &texto) { return GeometriaZona(GeometriaZona::Leer(texto).value_or(QList<PuntoZona>())); }
const QString kCuadrado = QStringLiteral("(40.0,-3.1)(40.1,-3.1)(40.1,-3.0)(40.0,-3.0)");
// An L: the square without its north-east quarter.
const QString kEle = QStringLiteral("(40.0,-3.1)(40.1,-3.1)(40.1,-3.05)(40.05,-3.05)(40.05,-3.0)(40.0,-3.0)");
}

class TstGeometriaZona : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void leer_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("vertices");  // -1: refused
        QTest::newRow("como la pagina") << "(40.41,-3.70)(40.42, -3.69)(40.40,-3.68)" << 3;
        QTest::newRow("sin ultimo parentesis") << "(40.41,-3.70)(40.42,-3.69)(40.40,-3.68" << 2;
        QTest::newRow("latitud fuera de rango") << "(91,-3.70)(40.42,-3.69)(40.40,-3.68)" << -1;
        QTest::newRow("coma decimal") << "(40,41,-3.70)(40.42,-3.69)(40.40,-3.68)" << -1;
        QTest::newRow("texto") << "(a,b)(40.42,-3.69)(40.40,-3.68)" << -1;
        QTest::newRow("vacio") << "" << 0;
    }

    void leer()
    {
        QFETCH(QString, texto);
        QFETCH(int, vertices);
        const auto v = GeometriaZona::Leer(texto);
        QCOMPARE(v ? int(v->size()) : -1, vertices);
        if (v && vertices > 0)  // written back, the text reads the same numbers
            QCOMPARE(GeometriaZona::Leer(GeometriaZona::Texto(*v))->size(), v->size());
    }

    void contiene_data()
    {
        QTest::addColumn<QString>("zona");
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("lon");
        QTest::addColumn<bool>("dentro");
        QTest::newRow("centro") << kCuadrado << 40.05 << -3.05 << true;
        QTest::newRow("fuera al norte") << kCuadrado << 40.2 << -3.05 << false;
        QTest::newRow("sobre el lado sur") << kCuadrado << 40.0 << -3.05 << true;
        QTest::newRow("en un vertice") << kCuadrado << 40.1 << -3.0 << true;
        QTest::newRow("en la muesca de la L") << kEle << 40.08 << -3.02 << false;
        QTest::newRow("en el brazo de la L") << kEle << 40.02 << -3.02 << true;
        QTest::newRow("dos vertices: nada") << "(40,-3)(41,-3)" << 40.5 << -3.0 << false;
    }

    void contiene()
    {
        QFETCH(QString, zona);
        QFETCH(double, lat);
        QFETCH(double, lon);
        QFETCH(bool, dentro);
        QCOMPARE(Zona(zona).Contiene(lat, lon), dentro);
        // The order of the vertices does not matter.
        auto v = GeometriaZona::Leer(zona).value();
        std::reverse(v.begin(), v.end());
        QCOMPARE(GeometriaZona(v).Contiene(lat, lon), dentro);
    }

    // Against the closed form of the area between two parallels and two meridians on the ellipsoid
    // (the sides along parallels are no geodesics, hence 0.1 %), small zones included.
    void area_data()
    {
        QTest::addColumn<double>("sur");
        QTest::addColumn<double>("oeste");
        QTest::addColumn<double>("lado");  // degrees
        QTest::newRow("una nave en Madrid") << 40.41 << -3.70 << 0.001;
        QTest::newRow("un grado en Madrid") << 40.0 << -4.0 << 1.0;
        QTest::newRow("al sur") << -34.6 << -58.4 << 0.05;
    }

    void area()
    {
        QFETCH(double, sur);
        QFETCH(double, oeste);
        QFETCH(double, lado);
        const double a = 6378137.0, f = 1 / 298.257223563, e = std::sqrt(f * (2 - f)), b = a * (1 - f), rad = M_PI / 180;
        auto q = [&](double lat) {
            const double s = std::sin(lat * rad);
            return s / (1 - e * e * s * s) + std::log((1 + e * s) / (1 - e * s)) / (2 * e);
        };
        const double esperada = b * b * lado * rad / 2 * (q(sur + lado) - q(sur));
        const GeometriaZona z({{sur, oeste}, {sur + lado, oeste}, {sur + lado, oeste + lado}, {sur, oeste + lado}});
        QVERIFY2(std::abs(z.AreaMetros() / esperada - 1) < 0.001, qPrintable(QString::number(z.AreaMetros() / esperada, 'g', 8)));
    }

    void cruce_data()
    {
        QTest::addColumn<QString>("zona");
        QTest::addColumn<QString>("defecto");
        QTest::newRow("L") << kEle << "";
        QTest::newRow("pajarita") << "(0,0)(1,1)(1,0)(0,1)"
                                  << "El contorno se cruza consigo mismo: el lado 1 corta al lado 3 en (0.500000, 0.500000).";
        QTest::newRow("cruza el lado de cierre") << "(0,0)(0,1)(1,0)(1,1)"
                                                 << "El contorno se cruza consigo mismo: el lado 2 corta al lado 4 en (0.500000, 0.500000).";
        QTest::newRow("vuelve sobre sus pasos") << "(0,0)(0,2)(0,1)(1,1)"
                                                << "El contorno se cruza consigo mismo: el lado 1 corta al lado 2 en (0.000000, ";
        QTest::newRow("dos vertices") << "(0,0)(1,1)" << "La zona debe estar formada por un polígono de al menos tres vértices";
    }

    void cruce()
    {
        QFETCH(QString, zona);
        QFETCH(QString, defecto);
        const QString leido = Zona(zona).Defecto();
        QVERIFY2(defecto.isEmpty() ? leido.isEmpty() : leido.startsWith(defecto), qPrintable(leido));
    }
};

QTEST_GUILESS_MAIN(TstGeometriaZona)
#include "tst_geometriazona.moc"
