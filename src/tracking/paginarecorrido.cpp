#include "paginarecorrido.h"

#include "argumentosscript.h"
#include "regional.h"

#include <QHash>
#include <charconv>
#include <string>

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
    // The number lists go as texts the page reads with JSON.parse, much faster than the same
    // numbers as array literals in the statement; all is written into one byte buffer, a list per
    // pass, and turned into text once.
    const qsizetype n = puntos.size();
    std::string b;
    b.reserve(size_t(n) * 20 + 64);
    auto numero = [&b](qint64 v, bool coma) {
        char tmp[24];
        if (coma)
            b += ',';
        b.append(tmp, std::to_chars(tmp, tmp + sizeof tmp, v).ptr);
    };
    b += "verrecorrido(";
    numero(n ? puntos.first().fecha.time().msecsSinceStartOfDay() / 1000 : 0, false);
    b += ",'";
    qint64 la = 0, lo = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const qint64 nla = qRound64(puntos[i].latitud * 1e5), nlo = qRound64(puntos[i].longitud * 1e5);
        numero(nla - la, i > 0);
        numero(nlo - lo, true);
        la = nla;
        lo = nlo;
    }
    b += "','";
    for (qsizetype i = 0; i < n; ++i)
        numero(i ? puntos[i - 1].fecha.secsTo(puntos[i].fecha) : 0, i > 0);
    b += "','";
    for (qsizetype i = 0; i < n; ++i)
        numero(qRound(puntos[i].kmh), i > 0);
    QStringList zonas;
    QHash<QString, int> numeroZona;
    std::string z;
    z.reserve(size_t(n) * 2);
    for (qsizetype i = 0; i < n; ++i) {
        auto it = numeroZona.constFind(puntos[i].zona);
        if (it == numeroZona.cend()) {
            it = numeroZona.insert(puntos[i].zona, int(zonas.size()));
            zonas << citado(puntos[i].zona);
        }
        char tmp[12];
        if (i)
            z += ',';
        z.append(tmp, std::to_chars(tmp, tmp + sizeof tmp, *it).ptr);
    }
    b += "',[";
    b += zonas.join(u',').toStdString();
    b += "],'";
    b += z;
    b += "','";
    for (qsizetype i = 0; i < saltos.size(); ++i)
        numero(saltos[i], i > 0);
    b += "');";
    return QString::fromStdString(b);
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
