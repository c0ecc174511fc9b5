#include "analisisrecorrido.h"

#include "module1.h"
#include "recordset.h"
#include "regional.h"

#include <cmath>
#include <limits>

namespace AnalisisRecorrido {
namespace {
double km(const PuntoRecorrido &a, const PuntoRecorrido &b)
{
    return Module1::DistanciaKm(a.latitud, a.longitud, b.latitud, b.longitud);
}

// The speed a move from a to b implies; a move within the same instant is infinitely fast.
double kmhImplicita(const PuntoRecorrido &a, const PuntoRecorrido &b)
{
    const double d = km(a, b);
    const qint64 s = a.fecha.msecsTo(b.fecha);
    if (s <= 0)
        return d > 0.001 ? std::numeric_limits<double>::infinity() : 0;
    return d / (double(s) / 3600000.0);
}

int columna(const Recordset &r, const char *nombre)
{
    for (int i = 0; i < r.FieldCount(); ++i)
        if (r.NombreCampo(i).compare(QLatin1String(nombre), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}
}

QList<PuntoRecorrido> LeerPuntos(const Recordset &filas)
{
    const int cF = columna(filas, "FECHA"), cLa = columna(filas, "LATITUD"), cLo = columna(filas, "LONGITUD"),
              cV = columna(filas, "VELOCIDAD"), cZ = columna(filas, "ZONA"), cI = columna(filas, "INFORMACION");
    QList<PuntoRecorrido> r;
    if (cF < 0 || cLa < 0 || cLo < 0)
        return r;
    r.reserve(filas.Filas().size());
    for (const QVariantList &f : filas.Filas()) {
        PuntoRecorrido p;
        bool okLa = false, okLo = false;
        p.fecha = f.value(cF).toDateTime();
        p.latitud = Regional::LeerNumero(f.value(cLa).toString(), &okLa);
        p.longitud = Regional::LeerNumero(f.value(cLo).toString(), &okLo);
        p.kmh = cV < 0 ? 0 : Regional::LeerNumero(f.value(cV).toString()) * 1.852;
        p.zona = cZ < 0 ? QString() : f.value(cZ).toString();
        p.informacion = cI < 0 ? QString() : f.value(cI).toString();
        p.leido = okLa && okLo && p.fecha.isValid();
        if (!p.leido && !r.isEmpty()) {
            // An unreadable row stays in its place (point numbers are row numbers) where the one
            // before it was, so that it adds nothing.
            const PuntoRecorrido &a = r.last();
            p.latitud = a.latitud;
            p.longitud = a.longitud;
            p.fecha = a.fecha;
        }
        r << p;
    }
    return r;
}

QList<TramoRecorrido> Paradas(const QList<PuntoRecorrido> &p, const UmbralesRecorrido &u)
{
    QList<TramoRecorrido> r;
    const qsizetype n = p.size();
    const double kmRadio = u.metros / 1000.0;
    // Within a few tens of metres the sphere is flat: the test needs one cosine per anchor.
    const double kmGrado = 6378.0 * 3.14159265358979 / 180.0;
    double cosAncla = 1;
    qsizetype ancla = -1;
    auto cerca = [&](qsizetype i, qsizetype k) {
        if (i != ancla) {
            ancla = i;
            cosAncla = std::cos(p[i].latitud * 3.14159265358979 / 180.0);
        }
        const double dy = (p[k].latitud - p[i].latitud) * kmGrado;
        const double dx = (p[k].longitud - p[i].longitud) * kmGrado * cosAncla;
        return dx * dx + dy * dy <= kmRadio * kmRadio;
    };
    const qint64 minimo = qint64(u.minutosParada) * 60, hueco = qint64(u.minutosHueco) * 60;
    // A slow point joins the stop only right after the one before it: after a gap, the vehicle
    // may have gone anywhere.
    auto sigue = [&](qsizetype i, qsizetype j) {
        return (p[j + 1].kmh < u.kmhParada && p[j].fecha.secsTo(p[j + 1].fecha) < hueco) || cerca(i, j + 1);
    };
    for (qsizetype i = 0; i < n;) {
        qsizetype j = i;
        while (j + 1 < n && sigue(i, j))
            ++j;
        if (j > i && p[i].fecha.secsTo(p[j].fecha) >= minimo) {
            r << TramoRecorrido{int(i), int(j), p[i].fecha, p[j].fecha, p[i].zona};
            i = j + 1;
        } else {
            ++i;
        }
    }
    return r;
}

QList<TramoRecorrido> Huecos(const QList<PuntoRecorrido> &p, const UmbralesRecorrido &u)
{
    QList<TramoRecorrido> r;
    const qint64 minimo = qint64(u.minutosHueco) * 60;
    for (qsizetype i = 1; i < p.size(); ++i)
        if (p[i - 1].fecha.secsTo(p[i].fecha) >= minimo)
            r << TramoRecorrido{int(i - 1), int(i), p[i - 1].fecha, p[i].fecha, p[i - 1].zona};
    return r;
}

QList<int> Saltos(const QList<PuntoRecorrido> &p, const UmbralesRecorrido &u)
{
    // Only a point between two others can be told from its neighbours; the one before it is the
    // last point that was not a jump.
    QList<int> r;
    qsizetype anterior = 0;
    for (qsizetype i = 1; i + 1 < p.size(); ++i) {
        if (kmhImplicita(p[anterior], p[i]) > u.kmhSalto && kmhImplicita(p[i], p[i + 1]) > u.kmhSalto)
            r << int(i);
        else
            anterior = i;
    }
    return r;
}

ResumenRecorrido Resumir(const QList<PuntoRecorrido> &p, const UmbralesRecorrido &u)
{
    ResumenRecorrido r;
    if (p.isEmpty())
        return r;
    r.primero = p.first();
    r.ultimo = p.last();
    r.saltos = Saltos(p, u);
    const QList<TramoRecorrido> paradas = Paradas(p, u);
    r.paradas = int(paradas.size());
    QList<int> parada(p.size(), -1);  // the stop each point belongs to
    for (int k = 0; k < paradas.size(); ++k) {
        r.segundosParado += paradas[k].Segundos();
        for (int i = paradas[k].desde; i <= paradas[k].hasta; ++i)
            parada[i] = k;
    }
    QList<bool> salto(p.size(), false);
    for (int i : r.saltos)
        salto[i] = true;
    const qint64 hueco = qint64(u.minutosHueco) * 60;
    qsizetype anterior = -1;
    for (qsizetype i = 0; i < p.size(); ++i) {
        if (salto[i])
            continue;
        if (parada[i] < 0)
            r.kmhMaxima = qMax(r.kmhMaxima, p[i].kmh);
        if (anterior >= 0) {
            r.km += km(p[anterior], p[i]);
            const qint64 s = p[anterior].fecha.secsTo(p[i].fecha);
            const bool mismaParada = parada[i] >= 0 && parada[i] == parada[anterior];
            if (!mismaParada && s < hueco)
                r.segundosMovimiento += s;
        }
        anterior = i;
    }
    if (r.segundosMovimiento > 0)
        r.kmhMedia = r.km / (double(r.segundosMovimiento) / 3600.0);
    return r;
}

QString TextoDuracion(qint64 segundos)
{
    if (segundos < 60)
        return QStringLiteral("%1 s").arg(segundos);
    const qint64 h = segundos / 3600, m = (segundos % 3600) / 60;
    if (h == 0)
        return QStringLiteral("%1 min").arg(m);
    return QStringLiteral("%1 h %2 min").arg(h).arg(m, 2, 10, QLatin1Char('0'));
}
}
