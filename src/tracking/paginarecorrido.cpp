#include "paginarecorrido.h"

#include "argumentosscript.h"
#include "regional.h"

#include <QHash>

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
    // Compact, for tracks of a hundred thousand points: positions in 1e-5 degrees as differences
    // from the point before, times as seconds after it, speeds in whole km/h, zones by number.
    QString c, t, v, z, s;
    QStringList zonas;
    QHash<QString, int> numeroZona;
    c.reserve(puntos.size() * 10);
    qint64 la = 0, lo = 0;
    for (qsizetype i = 0; i < puntos.size(); ++i) {
        const PuntoRecorrido &p = puntos[i];
        const qint64 nla = qRound64(p.latitud * 1e5), nlo = qRound64(p.longitud * 1e5);
        const QChar sep = i ? u',' : u' ';
        c += sep + QString::number(nla - la) + u',' + QString::number(nlo - lo);
        t += sep + QString::number(i ? puntos[i - 1].fecha.secsTo(p.fecha) : 0);
        v += sep + QString::number(qRound(p.kmh));
        auto it = numeroZona.constFind(p.zona);
        if (it == numeroZona.cend()) {
            it = numeroZona.insert(p.zona, int(zonas.size()));
            zonas << citado(p.zona);
        }
        z += sep + QString::number(*it);
        la = nla;
        lo = nlo;
    }
    for (int n : saltos)
        s += (s.isEmpty() ? QString() : QStringLiteral(",")) + QString::number(n);
    const int segundo = puntos.isEmpty() ? 0 : puntos.first().fecha.time().msecsSinceStartOfDay() / 1000;
    return QStringLiteral("verrecorrido(%1,[%2],[%3],[%4],[%5],[%6],[%7]);")
        .arg(QString::number(segundo), c, t, v, zonas.join(u','), z, s);
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
