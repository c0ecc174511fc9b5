#pragma once
// What the zone editor decides, without a screen: the statements it sends to zonas.html and the
// checks before a save.
#include <QList>
#include <QString>
#include <QStringList>

namespace EdicionZona {

// A stored zone as the list's data control holds it.
struct Zona {
    QString nombre;       // Descripcion Zona
    QString coordenadas;  // Coor Geo
    QString area;         // Area
};

// Centres the map on the holder's city.
QString Geolocalizar(const QString &ciudad);

// The stored zones in record order: each vertex with the zone's label, then its polygon. The record
// under edit (its index, -1 for none) is not drawn; its vertices are clicked at the end, rebuilding
// it as the page's editable polygon. Other records of the same name are drawn like any other.
struct Dibujo {
    QStringList sentencias;
    bool zonaEditada = false;  // some record holds the zone under edit
};
Dibujo Dibujar(const QList<Zona> &zonas, int registroEdicion);

// The area of an outline (its vertex list text) on the ellipsoid, in square metres as the editor
// shows it under the map: rounded to hundredths, "." as decimal separator and no trailing zeros
// ("1234.5"); "0" for fewer than three vertices or an unreadable text.
QString TextoArea(const QString &coordenadas);
// The statement that shows that area on the page.
QString MostrarArea(const QString &coordenadas);
// The area as the editor stores it in Area: the same text with a decimal comma.
QString AreaGuardada(const QString &coordenadas);

// The message that refuses a save, checked in this order; empty when the save goes on. After the
// three written checks, an outline that crosses itself is refused with the sides and the point.
QString Rechazo(const QString &coordenadas, bool edicion, const QString &nombre);

}
