#include "geometriazona.h"

#include <boost/geometry.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/geometries/polygon.hpp>
#include <boost/geometry/geometries/segment.hpp>

#include <QStringList>
#include <vector>

namespace bg = boost::geometry;

namespace {
using Plano = bg::model::d2::point_xy<double>;  // x longitude, y latitude, in degrees
using PoligonoPlano = bg::model::polygon<Plano>;
using Segmento = bg::model::segment<Plano>;
using Geografico = bg::model::point<double, 2, bg::cs::geographic<bg::degree>>;
using PoligonoGeografico = bg::model::polygon<Geografico>;

QString Numero(double v) { return QString::number(v, 'g', 12); }
}

struct GeometriaZona::Poligono {
    PoligonoPlano plano;
};

GeometriaZona::GeometriaZona() = default;
GeometriaZona::~GeometriaZona() = default;

GeometriaZona::GeometriaZona(const QList<PuntoZona> &v) : vertices(v)
{
    if (vertices.size() < 3)
        return;
    poligono = std::make_unique<Poligono>();
    for (const PuntoZona &p : vertices)
        bg::append(poligono->plano.outer(), Plano(p.lon, p.lat));
    sur = norte = vertices.first().lat;
    oeste = este = vertices.first().lon;
    for (const PuntoZona &p : vertices) {
        sur = std::min(sur, p.lat), norte = std::max(norte, p.lat);
        oeste = std::min(oeste, p.lon), este = std::max(este, p.lon);
    }
    bg::correct(poligono->plano);  // closed, in the library's orientation
}

GeometriaZona::GeometriaZona(const GeometriaZona &o) : GeometriaZona(o.vertices) {}

GeometriaZona &GeometriaZona::operator=(const GeometriaZona &o)
{
    if (this != &o)
        *this = GeometriaZona(o.vertices);  // move assignment
    return *this;
}

std::optional<QList<PuntoZona>> GeometriaZona::Leer(const QString &texto)
{
    QList<PuntoZona> r;
    const QStringList piezas = texto.split(')');
    for (int i = 0; i + 1 < piezas.size(); ++i) {
        const QStringList partes = piezas[i].split(',');
        bool ok1 = false, ok2 = false;
        const double lat = partes.value(0).mid(1).trimmed().toDouble(&ok1);
        const double lon = partes.value(1).trimmed().toDouble(&ok2);
        if (!ok1 || !ok2 || partes.size() != 2 || !piezas[i].trimmed().startsWith('(') || lat < -90 || lat > 90 ||
            lon < -180 || lon > 180)
            return std::nullopt;
        r.append({lat, lon});
    }
    return r;
}

QString GeometriaZona::Texto(const QList<PuntoZona> &v)
{
    QString t;
    for (const PuntoZona &p : v)
        t += '(' + Numero(p.lat) + ',' + Numero(p.lon) + ')';
    return t;
}

bool GeometriaZona::ContieneDentroDeCaja(double lat, double lon) const
{
    return poligono && bg::covered_by(Plano(lon, lat), poligono->plano);
}

double GeometriaZona::AreaMetros() const
{
    if (vertices.size() < 3)
        return 0;
    PoligonoGeografico g;
    for (const PuntoZona &p : vertices)
        bg::append(g.outer(), Geografico(p.lon, p.lat));
    bg::correct(g);
    return std::abs(bg::area(g, bg::strategy::area::geographic<bg::strategy::thomas>()));
}

std::optional<GeometriaZona::Cruce> GeometriaZona::PrimerCruce() const
{
    const int n = int(vertices.size());
    if (n < 3)
        return std::nullopt;
    auto lado = [&](int i) {
        const PuntoZona &a = vertices[i], &b = vertices[(i + 1) % n];
        return Segmento(Plano(a.lon, a.lat), Plano(b.lon, b.lat));
    };
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j) {
            const bool vecinos = j == i + 1 || (i == 0 && j == n - 1);
            std::vector<Plano> puntos;
            bg::intersection(lado(i), lado(j), puntos);
            if (puntos.empty())
                continue;
            if (vecinos && puntos.size() == 1) {
                // Neighbours meet at their shared vertex; any other point means they fold back.
                const PuntoZona &comun = j == i + 1 ? vertices[j] : vertices[0];
                if (bg::equals(puntos.front(), Plano(comun.lon, comun.lat)))
                    continue;
            }
            return Cruce{i + 1, j + 1, {bg::get<1>(puntos.front()), bg::get<0>(puntos.front())}};
        }
    return std::nullopt;
}

QString GeometriaZona::TextoCruce(const Cruce &c)
{
    return QStringLiteral("El contorno se cruza consigo mismo: el lado %1 corta al lado %2 en (%3, %4).")
        .arg(c.lado1)
        .arg(c.lado2)
        .arg(QString::number(c.punto.lat, 'f', 6), QString::number(c.punto.lon, 'f', 6));
}

QString GeometriaZona::Defecto() const
{
    if (vertices.size() < 3)
        return QStringLiteral("La zona debe estar formada por un polígono de al menos tres vértices");
    if (const auto c = PrimerCruce())
        return TextoCruce(*c);
    return QString();
}
