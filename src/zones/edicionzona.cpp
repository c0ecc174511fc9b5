#include "edicionzona.h"
#include "geometriazona.h"
#include "verticeszona.h"

#include "argumentosscript.h"

#include <cmath>

namespace EdicionZona {

QString Geolocalizar(const QString &ciudad)
{
    return QStringLiteral("showAddress(\"") + ArgumentoScript(ciudad, '"') + QStringLiteral("\",15);");
}

Dibujo Dibujar(const QList<Zona> &zonas, int registroEdicion)
{
    Dibujo r;
    QList<Vertice> editada;
    for (int i = 0; i < zonas.size(); ++i) {
        const Zona &z = zonas[i];
        const QList<Vertice> vertices = LeerVertices(z.coordenadas);
        if (i != registroEdicion) {
            const QString etiqueta =
                QStringLiteral("<B>") + EscaparHtml(z.nombre) + QStringLiteral("</B> <Br>") + EscaparHtml(z.area);
            for (const Vertice &v : vertices)
                r.sentencias << QStringLiteral("PonerPunto('") + ArgumentoScript(v.latitud) + QStringLiteral("','") +
                                    ArgumentoScript(v.longitud) + QStringLiteral("',\"") +
                                    ArgumentoScript(etiqueta, '"') + QStringLiteral("\");");
            r.sentencias << QStringLiteral("DibujaPoligono('#FF00FF');");
        } else {
            r.zonaEditada = true;
            editada = vertices;
        }
    }
    for (const Vertice &v : editada)
        r.sentencias << QStringLiteral("simulaleftClick('") + ArgumentoScript(v.latitud) + QStringLiteral("','") +
                            ArgumentoScript(v.longitud) + QStringLiteral("');");
    return r;
}

QString TextoArea(const QString &coordenadas)
{
    const auto vertices = GeometriaZona::Leer(coordenadas);
    const double area = vertices ? GeometriaZona(*vertices).AreaMetros() : 0;
    QString t = QString::number(std::round(area * 100) / 100, 'f', 2);
    while (t.endsWith(u'0'))
        t.chop(1);
    if (t.endsWith(u'.'))
        t.chop(1);
    return t;
}

QString MostrarArea(const QString &coordenadas)
{
    return QStringLiteral("ponerArea('") + TextoArea(coordenadas) + QStringLiteral("');");
}

QString AreaGuardada(const QString &coordenadas) { return TextoArea(coordenadas).replace(u'.', u','); }

QString Rechazo(const QString &coordenadas, bool edicion, const QString &nombre)
{
    if (coordenadas.isEmpty())
        return QStringLiteral("No hay configurada ninguna Zona");
    if (!ZonaValida(coordenadas))
        return QStringLiteral("La zona debe estar formada por un polígono de al menos tres vértices");
    if (!edicion && nombre.isEmpty())
        return QStringLiteral("Debe especificar un nombre para la zona.");
    // An outline that crosses itself is no zone: say where, so the user can move that vertex.
    if (const auto v = GeometriaZona::Leer(coordenadas); v && v->size() >= 3)
        if (const auto cruce = GeometriaZona(*v).PrimerCruce())
            return GeometriaZona::TextoCruce(*cruce);
    return QString();
}

}
