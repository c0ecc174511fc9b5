#include "exportacionrecorrido.h"

#include "exportacion.h"

namespace ExportacionRecorrido {

RecorridoExportado DePuntos(const QList<PuntoRecorrido> &puntos, const QString &imei, const QString &nombre)
{
    RecorridoExportado r;
    r.localizador = imei;
    r.nombre = nombre;
    for (const PuntoRecorrido &p : puntos)
        if (p.leido)
            r.puntos << p;
    return r;
}

QString Exportar(const RecorridoExportado &r)
{
    using Exportacion::Formato;
    const QString ruta = Exportacion::PedirRuta(
        QStringLiteral("Exportar recorrido"),
        QStringLiteral("GPX (*.gpx);;Google Earth KML (*.kml);;CSV para hoja de cálculo (*.csv)"),
        QStringLiteral("Recorrido ") + r.localizador + QStringLiteral(".gpx"));
    if (ruta.isEmpty())
        return QString();
    QByteArray datos;
    QString error;
    switch (Exportacion::FormatoDeRuta(ruta)) {
    case Formato::Gpx: datos = EscritorRecorrido::Gpx(r); break;
    case Formato::Kml: datos = EscritorRecorrido::Kml(r); break;
    case Formato::Csv: datos = EscritorRecorrido::Csv(r); break;
    default: error = QStringLiteral("el nombre debe acabar en .gpx, .kml o .csv."); break;
    }
    const bool escrito = !datos.isEmpty() && Exportacion::EscribirBytes(ruta, datos, error);
    Exportacion::Informar(ruta, escrito, error);
    return escrito ? ruta : QString();
}

}
