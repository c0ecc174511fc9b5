#include "exportacionrecorrido.h"

#include "exportacion.h"
#include "recordset.h"
#include "regional.h"

namespace ExportacionRecorrido {

RecorridoExportado DeRecordset(const Recordset &rs, const QString &imei, const QString &nombre)
{
    RecorridoExportado r;
    r.localizador = imei;
    r.nombre = nombre;
    auto columna = [&rs](const char *n) {
        for (int i = 0; i < rs.FieldCount(); ++i)
            if (rs.NombreCampo(i).compare(QLatin1String(n), Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    };
    const int fecha = columna("FECHA"), lat = columna("LATITUD"), lon = columna("LONGITUD"),
              vel = columna("VELOCIDAD"), zona = columna("ZONA"), info = columna("INFORMACION");
    for (const QVariantList &fila : rs.Filas()) {
        PuntoExportado p;
        bool okLat = false, okLon = false;
        p.latitud = Regional::LeerNumero(fila.value(lat).toString(), &okLat);
        p.longitud = Regional::LeerNumero(fila.value(lon).toString(), &okLon);
        p.fecha = fila.value(fecha).toDateTime();
        if (!okLat || !okLon || !p.fecha.isValid())
            continue;
        p.velocidadNudos = Regional::LeerNumero(fila.value(vel).toString());
        p.zona = fila.value(zona).toString();
        p.informacion = fila.value(info).toString();
        r.puntos << p;
    }
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
