#pragma once
// A zone's outline as geometry: reading the vertex list text into numbers, the test of a point
// against the outline (a point on an edge counts as inside), the area on the WGS84 ellipsoid and
// the first place where the outline crosses itself. The computations are Boost.Geometry's.
#include <QList>
#include <QString>
#include <memory>
#include <optional>

struct PuntoZona {
    double lat = 0;
    double lon = 0;
};

class GeometriaZona {
public:
    GeometriaZona();
    explicit GeometriaZona(const QList<PuntoZona> &vertices);
    ~GeometriaZona();
    GeometriaZona(const GeometriaZona &);
    GeometriaZona &operator=(const GeometriaZona &);

    // The vertices of a vertex list text; nothing when a coordinate is no number or out of range.
    static std::optional<QList<PuntoZona>> Leer(const QString &texto);
    // The vertex list text of vertices, "(lat,lon)(lat,lon)...", with "." as decimal separator.
    static QString Texto(const QList<PuntoZona> &vertices);

    const QList<PuntoZona> &Vertices() const { return vertices; }
    bool Contiene(double lat, double lon) const
    {
        if (lat < sur || lat > norte || lon < oeste || lon > este)
            return false;
        return ContieneDentroDeCaja(lat, lon);
    }
    // Square metres on the WGS84 ellipsoid; 0 for fewer than three vertices.
    double AreaMetros() const;

    // Where two sides that do not share a vertex meet. Sides are numbered from 1: side i joins
    // vertex i to vertex i+1, the last side closes the outline.
    struct Cruce {
        int lado1 = 0, lado2 = 0;
        PuntoZona punto;
    };
    std::optional<Cruce> PrimerCruce() const;

    // Why the outline cannot be a zone (fewer than three vertices, crossing itself), or empty.
    QString Defecto() const;
    static QString TextoCruce(const Cruce &c);

private:
    struct Poligono;
    QList<PuntoZona> vertices;
    std::unique_ptr<Poligono> poligono;
    double sur = 1, norte = -1, oeste = 1, este = -1;  // the bounding box (empty)
    bool ContieneDentroDeCaja(double lat, double lon) const;
};
