#include "intercambiozonas.h"
#include "geometriazona.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace IntercambioZonas {

namespace {
const QString kKml = QStringLiteral("http://www.opengis.net/kml/2.2");

QString Numero(double v) { return QString::number(v, 'g', 12); }

QByteArray GeoJson(const QList<Zona> &zonas)
{
    QJsonArray elementos;
    for (const Zona &z : zonas) {
        QJsonArray anillo;
        const QList<PuntoZona> v = GeometriaZona::Leer(z.coordenadas).value_or(QList<PuntoZona>());
        for (int i = 0; i <= v.size() && !v.isEmpty(); ++i)  // closed: the first vertex again
            anillo.append(QJsonArray{v[i % v.size()].lon, v[i % v.size()].lat});
        elementos.append(QJsonObject{{"type", "Feature"},
                                     {"properties", QJsonObject{{"nombre", z.nombre}}},
                                     {"geometry", QJsonObject{{"type", "Polygon"}, {"coordinates", QJsonArray{anillo}}}}});
    }
    return QJsonDocument(QJsonObject{{"type", "FeatureCollection"}, {"features", elementos}}).toJson();
}

QByteArray Kml(const QList<Zona> &zonas)
{
    QByteArray r;
    QXmlStreamWriter x(&r);
    x.setAutoFormatting(true);
    x.writeStartDocument();
    x.writeDefaultNamespace(kKml);
    x.writeStartElement(kKml, "kml");
    x.writeStartElement(kKml, "Document");
    for (const Zona &z : zonas) {
        const QList<PuntoZona> v = GeometriaZona::Leer(z.coordenadas).value_or(QList<PuntoZona>());
        QStringList puntos;
        for (int i = 0; i <= v.size() && !v.isEmpty(); ++i)
            puntos << Numero(v[i % v.size()].lon) + ',' + Numero(v[i % v.size()].lat) + QStringLiteral(",0");
        x.writeStartElement(kKml, "Placemark");
        x.writeTextElement(kKml, "name", z.nombre);
        x.writeStartElement(kKml, "Polygon");
        x.writeStartElement(kKml, "outerBoundaryIs");
        x.writeStartElement(kKml, "LinearRing");
        x.writeTextElement(kKml, "coordinates", puntos.join(' '));
        x.writeEndElement();
        x.writeEndElement();
        x.writeEndElement();
        x.writeEndElement();
    }
    x.writeEndDocument();
    return r;
}

// Checks one outline given as [lon, lat] pairs (closed or not) and files it as read or refused.
void Admitir(Lectura &l, const QString &nombre, QList<PuntoZona> v, const QString &defecto = QString())
{
    auto rechazar = [&](const QString &motivo) { l.rechazadas.append({nombre, motivo}); };
    if (!defecto.isEmpty())
        return rechazar(defecto);
    if (nombre.trimmed().isEmpty())
        return rechazar(QStringLiteral("no tiene nombre"));
    if (v.size() > 1 && v.first().lat == v.last().lat && v.first().lon == v.last().lon)
        v.removeLast();
    for (const PuntoZona &p : v)
        if (!(p.lat >= -90 && p.lat <= 90 && p.lon >= -180 && p.lon <= 180))
            return rechazar(QStringLiteral("tiene coordenadas fuera de rango"));
    const QString mal = GeometriaZona(v).Defecto();
    if (!mal.isEmpty())
        return rechazar(mal);
    l.zonas.append({nombre, GeometriaZona::Texto(v)});
}

Lectura LeerGeoJson(const QByteArray &datos)
{
    Lectura l;
    QJsonParseError e;
    const QJsonDocument doc = QJsonDocument::fromJson(datos, &e);
    if (doc.isNull() || !doc.isObject()) {
        l.error = QStringLiteral("El archivo no es GeoJSON válido: %1").arg(e.errorString());
        return l;
    }
    const QJsonObject raiz = doc.object();
    const QJsonArray elementos = raiz.value("type").toString() == "Feature" ? QJsonArray{raiz} : raiz.value("features").toArray();
    for (const QJsonValue &f : elementos) {
        const QJsonObject o = f.toObject(), props = o.value("properties").toObject(), g = o.value("geometry").toObject();
        const QString nombre = props.contains("nombre") ? props.value("nombre").toString() : props.value("name").toString();
        if (g.value("type").toString() != "Polygon") {
            Admitir(l, nombre, {}, QStringLiteral("no es un polígono"));
            continue;
        }
        QList<PuntoZona> v;
        bool numeros = true;
        for (const QJsonValue &p : g.value("coordinates").toArray().at(0).toArray()) {
            const QJsonArray c = p.toArray();
            numeros = numeros && c.size() >= 2 && c[0].isDouble() && c[1].isDouble();
            v.append({c.at(1).toDouble(), c.at(0).toDouble()});
        }
        Admitir(l, nombre, v, numeros ? QString() : QStringLiteral("tiene coordenadas que no son números"));
    }
    return l;
}

Lectura LeerKml(const QByteArray &datos)
{
    Lectura l;
    QXmlStreamReader x(datos);
    QString nombre, coordenadas;
    bool enMarca = false, poligono = false;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement()) {
            if (x.name() == QLatin1String("Placemark"))
                enMarca = true, poligono = false, nombre.clear(), coordenadas.clear();
            else if (enMarca && x.name() == QLatin1String("name"))
                nombre = x.readElementText();
            else if (enMarca && x.name() == QLatin1String("Polygon"))
                poligono = true;
            else if (poligono && x.name() == QLatin1String("coordinates") && coordenadas.isEmpty())
                coordenadas = x.readElementText();
        } else if (x.isEndElement() && x.name() == QLatin1String("Placemark")) {
            enMarca = false;
            if (!poligono) {
                Admitir(l, nombre, {}, QStringLiteral("no es un polígono"));
                continue;
            }
            QList<PuntoZona> v;
            bool numeros = true;
            for (const QString &t : coordenadas.simplified().split(' ', Qt::SkipEmptyParts)) {
                const QStringList c = t.split(',');
                bool a = false, b = false;
                const double lon = c.value(0).toDouble(&a), lat = c.value(1).toDouble(&b);
                numeros = numeros && a && b;
                v.append({lat, lon});
            }
            Admitir(l, nombre, v, numeros ? QString() : QStringLiteral("tiene coordenadas que no son números"));
        }
    }
    if (x.hasError())
        l.error = QStringLiteral("El archivo no es KML válido: %1 (línea %2)").arg(x.errorString()).arg(x.lineNumber());
    return l;
}
}

QByteArray Escribir(const QList<Zona> &zonas, Formato formato) { return formato == Formato::Kml ? Kml(zonas) : GeoJson(zonas); }

Lectura Leer(const QByteArray &datos)
{
    return datos.trimmed().startsWith('<') ? LeerKml(datos) : LeerGeoJson(datos);
}

Formato FormatoDe(const QString &ruta)
{
    return ruta.endsWith(QLatin1String(".kml"), Qt::CaseInsensitive) ? Formato::Kml : Formato::GeoJson;
}
}
