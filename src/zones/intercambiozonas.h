#pragma once
// Zones in and out of the program: GeoJSON (a FeatureCollection of Polygons with a "nombre"
// property) and KML (Placemarks with Polygons), written and read with Qt's JSON and XML classes.
// Reading checks each polygon: a name, at least three vertices, coordinates in range and an
// outline that does not cross itself; what fails is refused with its reason.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace IntercambioZonas {

struct Zona {
    QString nombre;
    QString coordenadas;  // the vertex list text
};

enum class Formato { GeoJson, Kml };
QByteArray Escribir(const QList<Zona> &zonas, Formato formato);

struct Rechazada {
    QString nombre;
    QString motivo;
};
struct Lectura {
    QList<Zona> zonas;
    QList<Rechazada> rechazadas;
    QString error;  // the file itself could not be read
};
// The format is told by the content (KML starts with "<").
Lectura Leer(const QByteArray &datos);

// The format a file name asks for (.kml, else GeoJSON).
Formato FormatoDe(const QString &ruta);
}
