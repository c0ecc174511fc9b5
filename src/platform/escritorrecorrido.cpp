#include "escritorrecorrido.h"

#include "escritorcsv.h"

#include <QTimeZone>
#include <QXmlStreamWriter>

namespace {
constexpr double kKmhPorNudo = 1.852;
const QString kGpx = QStringLiteral("http://www.topografix.com/GPX/1/1");
const QString kTpx = QStringLiteral("http://www.garmin.com/xmlschemas/TrackPointExtension/v2");
const QString kKml = QStringLiteral("http://www.opengis.net/kml/2.2");

QString Grados(double v) { return QString::number(v, 'f', 7); }
double Nudos(const PuntoRecorrido &p) { return p.kmh / kKmhPorNudo; }

void Iniciar(QXmlStreamWriter &x)
{
    x.setAutoFormatting(true);
    x.setAutoFormattingIndent(1);
    x.writeStartDocument();
}
}

namespace EscritorRecorrido {

QString Instante(const QDateTime &paredSinZona)
{
    const QDateTime local(paredSinZona.date(), paredSinZona.time(), QTimeZone::systemTimeZone());
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate);
}

QByteArray Gpx(const RecorridoExportado &r)
{
    QByteArray b;
    QXmlStreamWriter x(&b);
    Iniciar(x);
    x.writeDefaultNamespace(kGpx);
    x.writeNamespace(kTpx, QStringLiteral("gpxtpx"));
    x.writeStartElement(kGpx, QStringLiteral("gpx"));
    x.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    x.writeAttribute(QStringLiteral("creator"), QStringLiteral("VARDENCliente"));
    x.writeStartElement(kGpx, QStringLiteral("trk"));
    x.writeTextElement(kGpx, QStringLiteral("name"), r.nombre);
    x.writeTextElement(kGpx, QStringLiteral("desc"), r.localizador);
    x.writeStartElement(kGpx, QStringLiteral("trkseg"));
    for (const PuntoRecorrido &p : r.puntos) {
        x.writeStartElement(kGpx, QStringLiteral("trkpt"));
        x.writeAttribute(QStringLiteral("lat"), Grados(p.latitud));
        x.writeAttribute(QStringLiteral("lon"), Grados(p.longitud));
        x.writeTextElement(kGpx, QStringLiteral("time"), Instante(p.fecha));
        if (!p.zona.isEmpty())
            x.writeTextElement(kGpx, QStringLiteral("desc"), p.zona);
        x.writeStartElement(kGpx, QStringLiteral("extensions"));
        x.writeStartElement(kTpx, QStringLiteral("TrackPointExtension"));
        x.writeTextElement(kTpx, QStringLiteral("speed"), QString::number(p.kmh / 3.6, 'f', 3));
        x.writeEndElement();
        x.writeEndElement();
        x.writeEndElement();
    }
    x.writeEndDocument();
    return b;
}

QByteArray Kml(const RecorridoExportado &r)
{
    QByteArray b;
    QXmlStreamWriter x(&b);
    Iniciar(x);
    x.writeDefaultNamespace(kKml);
    x.writeStartElement(kKml, QStringLiteral("kml"));
    x.writeStartElement(kKml, QStringLiteral("Document"));
    x.writeTextElement(kKml, QStringLiteral("name"), r.nombre);
    x.writeStartElement(kKml, QStringLiteral("Placemark"));
    x.writeTextElement(kKml, QStringLiteral("name"), r.nombre);
    x.writeStartElement(kKml, QStringLiteral("LineString"));
    x.writeTextElement(kKml, QStringLiteral("tessellate"), QStringLiteral("1"));
    QString coordenadas;
    for (const PuntoRecorrido &p : r.puntos)
        coordenadas += Grados(p.longitud) + u',' + Grados(p.latitud) + QStringLiteral(",0 ");
    x.writeTextElement(kKml, QStringLiteral("coordinates"), coordenadas.trimmed());
    x.writeEndElement();
    x.writeEndElement();
    x.writeStartElement(kKml, QStringLiteral("Folder"));
    x.writeTextElement(kKml, QStringLiteral("name"), QStringLiteral("Posiciones"));
    for (const PuntoRecorrido &p : r.puntos) {
        x.writeStartElement(kKml, QStringLiteral("Placemark"));
        x.writeTextElement(kKml, QStringLiteral("name"), p.fecha.toString(QStringLiteral("HH:mm:ss")));
        x.writeTextElement(kKml, QStringLiteral("description"),
                           QStringLiteral("Velocidad: ") + EscritorCsv::Numero(Nudos(p)) + QStringLiteral(" nudos") +
                               (p.zona.isEmpty() ? QString() : QStringLiteral(" · Zona: ") + p.zona));
        x.writeStartElement(kKml, QStringLiteral("TimeStamp"));
        x.writeTextElement(kKml, QStringLiteral("when"), Instante(p.fecha));
        x.writeEndElement();
        x.writeStartElement(kKml, QStringLiteral("Point"));
        x.writeTextElement(kKml, QStringLiteral("coordinates"), Grados(p.longitud) + u',' + Grados(p.latitud) + QStringLiteral(",0"));
        x.writeEndElement();
        x.writeEndElement();
    }
    x.writeEndDocument();
    return b;
}

QByteArray Csv(const RecorridoExportado &r)
{
    using namespace EscritorCsv;
    QStringList lineas;
    QStringList cabecera;
    for (const char *c : {"Localizador", "Fecha", "Latitud", "Longitud", "Velocidad (nudos)", "Zona", "Información"})
        cabecera << Texto(QString::fromUtf8(c));
    lineas << Linea(cabecera);
    for (const PuntoRecorrido &p : r.puntos)
        lineas << Linea({Texto(r.localizador), Texto(p.fecha.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"))),
                         Numero(p.latitud), Numero(p.longitud), Numero(Nudos(p)),
                         p.zona.isEmpty() ? QString() : Texto(p.zona),
                         p.informacion.isEmpty() ? QString() : Texto(p.informacion)});
    return Archivo(lineas);
}

}
