#include "paginarecorrido.h"

#include "argumentosscript.h"
#include "regional.h"

namespace PaginaRecorrido {
namespace {
QString citado(const QString &t) { return u'\'' + ArgumentoScript(t) + u'\''; }
QString coordenada(double v) { return QString::number(v, 'f', 6); }
QString posicion(const PuntoRecorrido &p)
{
    return Regional::FechaGeneral(p.fecha) + QStringLiteral(" (") + coordenada(p.latitud) + QStringLiteral(", ") +
           coordenada(p.longitud) + u')';
}
}

QString SentenciaVerRecorrido(const QList<PuntoRecorrido> &puntos, const QList<int> &saltos)
{
    QString c, d, s;
    c.reserve(puntos.size() * 22);
    d.reserve(puntos.size() * 24);
    for (const PuntoRecorrido &p : puntos) {
        if (!c.isEmpty()) {
            c += u',';
            d += u',';
        }
        c += coordenada(p.latitud) + u',' + coordenada(p.longitud);
        d += citado(p.fecha.toString(QStringLiteral("HH:mm:ss")) + u'|' + Regional::NumeroDecimales(p.kmh, 2) +
                    QStringLiteral(" km/h|") + p.zona);
    }
    for (int n : saltos)
        s += (s.isEmpty() ? QString() : QStringLiteral(",")) + QString::number(n);
    return QStringLiteral("verrecorrido([") + c + QStringLiteral("],[") + d + QStringLiteral("],[") + s +
           QStringLiteral("]);");
}

QString SentenciaParadas(const QList<PuntoRecorrido> &puntos, const QList<TramoRecorrido> &paradas)
{
    QStringList l;
    for (const TramoRecorrido &t : paradas) {
        if (t.desde < 0 || t.desde >= puntos.size())
            continue;
        const PuntoRecorrido &p = puntos[t.desde];
        l << u'[' + coordenada(p.latitud) + u',' + coordenada(p.longitud) + u',' +
                 citado(t.inicio.toString(QStringLiteral("HH:mm"))) + u',' +
                 citado(AnalisisRecorrido::TextoDuracion(t.Segundos())) + u']';
    }
    return QStringLiteral("marcarparadas([") + l.join(u',') + QStringLiteral("]);");
}

QString SentenciaSeguir(bool si) { return si ? QStringLiteral("seguirlocalizador(true);") : QStringLiteral("seguirlocalizador(false);"); }

QString TextoResumen(const ResumenRecorrido &r)
{
    return QStringLiteral("Distancia: %1 km\nEn movimiento: %2\nParado: %3 (%4 paradas)\n"
                          "Velocidad máxima: %5 km/h\nVelocidad media en movimiento: %6 km/h\n"
                          "Saltos GPS descartados: %7\nPrimera posición: %8\nÚltima posición: %9")
        .arg(Regional::NumeroEstandar(r.km), AnalisisRecorrido::TextoDuracion(r.segundosMovimiento),
             AnalisisRecorrido::TextoDuracion(r.segundosParado), QString::number(r.paradas),
             Regional::NumeroDecimales(r.kmhMaxima, 2), Regional::NumeroDecimales(r.kmhMedia, 2),
             QString::number(r.saltos.size()), r.primero.fecha.isValid() ? posicion(r.primero) : QString(),
             r.ultimo.fecha.isValid() ? posicion(r.ultimo) : QString());
}
}
