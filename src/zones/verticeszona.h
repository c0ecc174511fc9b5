#pragma once
// The vertex list text of a zone, "(lat,lon)(lat,lon)...", as stored in Zonas.[Coor Geo].
// Every reader follows the same rules: split at ")" (the piece after the last one is ignored),
// then at ","; the latitude loses its first character (the "("), the longitude is kept as written.
#include <QList>
#include <QString>

struct Vertice {
    QString latitud;
    QString longitud;
};

QList<Vertice> LeerVertices(const QString &texto);
// A zone needs at least three vertices: at least three ")" in the text.
bool ZonaValida(const QString &texto);
