#include "motorvisitas.h"

#include "adosqlserver.h"
#include "comillas.h"
#include "fechastexto.h"
#include "regional.h"

#include <QHash>
#include <QTimeZone>

namespace {
// SQL Server compares these texts without case and trailing blanks.
QString Clave(const QString &s)
{
    QString t = s.toCaseFolded();
    while (t.endsWith(' '))
        t.chop(1);
    return t;
}
bool Todos(const QString &localizador) { return localizador.isEmpty() || localizador == QStringLiteral("Todos"); }
QDateTime Floating(qint64 s) { return QDateTime::fromSecsSinceEpoch(s, Qt::UTC); }
}

QString MotorVisitas::ValidarPeriodo(const QString &d1, const QString &d2)
{
    if (!Regional::EsFecha(d1))
        return QStringLiteral("Fecha 1 Incorrecta");
    if (!Regional::EsFecha(d2))
        return QStringLiteral("Fecha 2 Incorrecta");
    const qint64 dias = Regional::LeerFecha(d1).daysTo(Regional::LeerFecha(d2));
    if (dias <= 0)
        return QStringLiteral("La fecha 2 debe ser posterior a la fecha 1");
    if (dias > kDiasMaximos)
        return QStringLiteral("El periodo no puede ser de más de %1 días").arg(kDiasMaximos);
    return QString();
}

QString MotorVisitas::SqlPosiciones(const FiltroVisitas &f)
{
    // Every zone's positions are read, also with one zone chosen: the positions outside it end its visits.
    const QDateTime desde(Regional::LeerFecha(f.fecha1), QTime(0, 0), Qt::UTC);
    const QDateTime hasta(Regional::LeerFecha(f.fecha2), QTime(0, 0), Qt::UTC);
    QString sql = QStringLiteral("SELECT IMEI, FECHA, LATITUD, LONGITUD, ZONA FROM [DATOS] WHERE FECHA>='") +
                  ConvFechayHora(desde) + QStringLiteral("' AND FECHA<'") + ConvFechayHora(hasta) + '\'';
    if (!Todos(f.localizador))
        sql += QStringLiteral(" AND IMEI='") + EscaparComillas(f.localizador) + '\'';
    return sql + QStringLiteral(" ORDER BY IMEI, FECHA");
}

QString MotorVisitas::SqlZonas(const QString &titular)
{
    return QStringLiteral("SELECT [Descripcion zona], [Coor Geo] FROM Zonas WHERE TITULAR LIKE '") + EscaparLike(titular) +
           QStringLiteral("' ORDER BY IdZona");
}

QString MotorVisitas::Calcular(const FiltroVisitas &f, ADOSQLSERVER &local, ADOSQLSERVER &servicio, const QString &titular)
{
    Localizadores.clear(), Zonas.clear(), Visitas.clear(), Filas.clear(), Total = ResumenVisitas();
    const QString mal = ValidarPeriodo(f.fecha1, f.fecha2);
    if (!mal.isEmpty())
        return mal;
    // The holder's zones: their outlines, and the names the service's stamps are shown with.
    QList<QPair<QString, QString>> zonas;
    QHash<QString, QString> nombreDefinido;
    for (auto rs = servicio.DevuelveRecordset(SqlZonas(titular)); rs && !rs->Eof(); rs->MoveNext()) {
        nombreDefinido.insert(Clave(rs->Texto(0)), rs->Texto(0));
        if (Modo == CalculoVisitas::Modo::Poligonos && (f.zona.isEmpty() || Clave(rs->Texto(0)) == Clave(f.zona)))
            zonas.append({rs->Texto(0), rs->Texto(1)});
    }
    if (Modo == CalculoVisitas::Modo::Poligonos && zonas.isEmpty())
        return QStringLiteral("No hay zonas dibujadas con las que comprobar las posiciones");
    auto rs = local.DevuelveRecordset(SqlPosiciones(f));
    if (!rs)
        return QStringLiteral("No hay Posiciones para el filtro configurado");
    QStringList localizadores;
    QHash<QString, int> zonaDe;
    QStringList nombresServicio;
    std::vector<PosicionVisita> posiciones;
    posiciones.reserve(size_t(rs->RecordCount()));
    for (const QVariantList &fila : rs->Filas()) {
        PosicionVisita p;
        const QString imei = fila.value(0).toString();
        if (localizadores.isEmpty() || localizadores.last() != imei)
            localizadores << imei;
        p.localizador = int(localizadores.size()) - 1;
        const QDateTime t = fila.value(1).toDateTime();
        p.segundos = QDateTime(t.date(), t.time(), Qt::UTC).toSecsSinceEpoch();
        p.lat = fila.value(2).toString().trimmed().toDouble();
        p.lon = fila.value(3).toString().trimmed().toDouble();
        const QString zona = fila.value(4).toString();
        if (Modo == CalculoVisitas::Modo::Servicio && !zona.trimmed().isEmpty()) {
            auto it = zonaDe.find(Clave(zona));
            if (it == zonaDe.end()) {
                it = zonaDe.insert(Clave(zona), int(nombresServicio.size()));
                nombresServicio << nombreDefinido.value(Clave(zona), zona.trimmed());
            }
            p.zona = it.value();
        }
        posiciones.push_back(p);
    }
    if (Modo == CalculoVisitas::Modo::Servicio)
        for (const QString &z : nombresServicio)
            zonas.append({z, QString()});
    CalcularCon(std::move(posiciones), localizadores, zonas, f.zona);
    if (Filas.isEmpty())
        return QStringLiteral("Ninguna visita a zonas en el periodo");
    return QString();
}

void MotorVisitas::CalcularCon(std::vector<PosicionVisita> posiciones, const QStringList &localizadores,
                               const QList<QPair<QString, QString>> &zonas, const QString &soloZona)
{
    CalculoVisitas c;
    c.PausaMaxima = qint64(PausaMinutos) * 60;
    // Records of the same name are one zone.
    QHash<QString, int> indice;
    for (const auto &[nombre, texto] : zonas) {
        auto it = indice.find(Clave(nombre));
        if (it == indice.end()) {
            it = indice.insert(Clave(nombre), int(c.Zonas.size()));
            c.Zonas << nombre;
            c.Geometrias.append(QList<GeometriaZona>());
        }
        if (const auto v = GeometriaZona::Leer(texto); v && v->size() >= 3)
            c.Geometrias[it.value()].append(GeometriaZona(*v));
    }
    c.SoloZona = soloZona.isEmpty() ? -1 : int(indice.value(Clave(soloZona), -2));
    Localizadores = localizadores;
    Zonas = c.Zonas;
    Visitas = c.SoloZona == -2 ? std::vector<Visita>() : c.Calcular(Modo, posiciones);
    Filas = CalculoVisitas::Resumir(Visitas);
    Total = CalculoVisitas::Totales(Filas);
}

QList<QPair<QString, qint64>> MotorVisitas::TiempoPorZona() const
{
    QList<QPair<QString, qint64>> r;
    for (int z = 0; z < Zonas.size(); ++z)
        r.append({Zonas[z], 0});
    for (const Visita &v : Visitas)
        r[v.zona].second += v.Duracion();
    r.removeIf([](const QPair<QString, qint64> &p) { return p.second == 0; });
    return r;
}

std::vector<Visita> MotorVisitas::VisitasDe(const ResumenVisitas &fila) const
{
    std::vector<Visita> r;
    for (const Visita &v : Visitas)
        if ((fila.localizador < 0 || v.localizador == fila.localizador) && (fila.zona < 0 || v.zona == fila.zona))
            r.push_back(v);
    return r;
}

QString MotorVisitas::Duracion(qint64 s)
{
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600)
        .arg((s / 60) % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

QString MotorVisitas::FechaHora(qint64 s)
{
    const QDateTime t = Floating(s);
    return Regional::FechaCorta(t.date()) + QLatin1Char(' ') + t.time().toString(QStringLiteral("HH:mm:ss"));
}
