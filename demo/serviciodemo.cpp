#include "serviciodemo.h"
#include "esquema.h"
#include "proveedor.h"
#include "fechaflotante.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kMetrosPorGradoLat = 111320.0;

// Small deterministic generator (the same data on every machine and library).
class Aleatorio {
public:
    explicit Aleatorio(quint64 semilla) : s(semilla * 0x9E3779B97F4A7C15ull + 1) {}
    quint64 siguiente()
    {
        s ^= s << 13;
        s ^= s >> 7;
        s ^= s << 17;
        return s;
    }
    double real() { return (siguiente() >> 11) * (1.0 / 9007199254740992.0); }  // [0, 1)
    double entre(double a, double b) { return a + (b - a) * real(); }
    int entero(int a, int b) { return a + int(siguiente() % quint64(b - a + 1)); }  // [a, b]

private:
    quint64 s;
};

struct Punto {
    double lat, lon;
};

double metrosPorGradoLon(double lat) { return kMetrosPorGradoLat * std::cos(lat * kPi / 180.0); }

double distanciaMetros(Punto a, Punto b)
{
    double dy = (b.lat - a.lat) * kMetrosPorGradoLat;
    double dx = (b.lon - a.lon) * metrosPorGradoLon((a.lat + b.lat) / 2);
    return std::sqrt(dx * dx + dy * dy);
}

Demo::Zona poligono(const QString &nombre, Punto centro, double radioMetros, int lados, double giro)
{
    Demo::Zona z{nombre, {}};
    for (int i = 0; i < lados; ++i) {
        double ang = giro + 2 * kPi * i / lados;
        double r = radioMetros * (0.8 + 0.4 * ((i * 7) % 5) / 4.0);
        z.vertices.append({centro.lat + r * std::sin(ang) / kMetrosPorGradoLat,
                           centro.lon + r * std::cos(ang) / metrosPorGradoLon(centro.lat)});
    }
    return z;
}

QString coordenada(double v) { return QString::number(v, 'f', 6); }

QString zonaDe(const QList<Demo::Zona> &zonas, double lat, double lon)
{
    for (const Demo::Zona &z : zonas)
        if (Demo::DentroDe(z, lat, lon))
            return z.nombre;
    return QString();
}

struct Posicion {
    QDateTime fecha;
    Punto p;
    double nudos;
    QString info;
};

// One working day of a locator: from its depot through several stops and back.
QList<Posicion> jornada(Aleatorio &rnd, const QDate &dia, Punto base, const QList<Punto> &destinos)
{
    QList<Posicion> r;
    QDateTime t = FechaFlotante(dia, QTime(7, 30).addSecs(rnd.entero(0, 75 * 60)));
    const QDateTime finJornada = FechaFlotante(dia, QTime(18, 0).addSecs(rnd.entero(0, 90 * 60)));
    Punto actual = base;
    r.append({t, actual, 0, QStringLiteral("Encendido")});
    QList<Punto> ruta;
    const int paradas = rnd.entero(3, 6);
    for (int i = 0; i < paradas; ++i) {
        Punto d = destinos[rnd.entero(0, int(destinos.size()) - 1)];
        ruta.append({d.lat + rnd.entre(-0.002, 0.002), d.lon + rnd.entre(-0.002, 0.002)});
    }
    ruta.append(base);
    for (int i = 0; i < ruta.size(); ++i) {
        const Punto destino = ruta[i];
        const double crucero = rnd.entre(14, 38);  // knots
        // Drive towards the stop with a point every 10 to 60 seconds.
        for (int paso = 0; paso < 2000; ++paso) {
            const double queda = distanciaMetros(actual, destino);
            if (queda < 30)
                break;
            const int segundos = rnd.entero(10, 60);
            const double nudos = std::max(3.0, crucero + rnd.entre(-6, 6));
            const double avance = std::min(queda, nudos * 1852.0 / 3600.0 * segundos);
            const double f = avance / queda;
            actual.lat += (destino.lat - actual.lat) * f + rnd.entre(-0.00008, 0.00008);
            actual.lon += (destino.lon - actual.lon) * f + rnd.entre(-0.00008, 0.00008);
            t = t.addSecs(segundos);
            r.append({t, actual, nudos, QStringLiteral("En ruta")});
        }
        if (i + 1 == ruta.size())
            break;
        // Stopped at the stop: a point every five minutes with the engine off.
        const int minutos = rnd.entero(15, 70) + (t.time().hour() == 13 ? 45 : 0);
        for (int m = 5; m <= minutos; m += 5) {
            t = t.addSecs(300);
            r.append({t, actual, 0, QStringLiteral("Parado, motor apagado")});
        }
        if (t > finJornada)
            ruta.erase(ruta.begin() + i + 1, ruta.end() - 1);  // head back to the depot
    }
    r.append({t.addSecs(60), actual, 0, QStringLiteral("Apagado")});
    return r;
}

bool ejecutar(QSqlQuery &q, const QString &sql, QString &error)
{
    if (q.exec(sql))
        return true;
    error = q.lastError().text() + QStringLiteral(" [") + sql + ']';
    return false;
}

const QStringList &esquemaRemoto()
{
    static const QStringList s = {
        QStringLiteral("CREATE TABLE TITULARES (TITULAR TEXT PRIMARY KEY, NOMBRE TEXT, CLAVE TEXT)"),
        QStringLiteral("CREATE TABLE POSICIONES (NOMBRE TEXT NOT NULL, FECHA TEXT NOT NULL, LATITUD TEXT, "
                       "LONGITUD TEXT, VELOCIDAD TEXT, INFORMACION TEXT, ZONA TEXT, TITULAR TEXT NOT NULL)"),
        QStringLiteral("CREATE INDEX IX_POSICIONES_FECHA ON POSICIONES (FECHA, TITULAR)"),
        QStringLiteral("CREATE VIEW [CONSULTA GPS DETALLE] AS SELECT NOMBRE, FECHA, LATITUD, LONGITUD, VELOCIDAD, "
                       "INFORMACION, ZONA, TITULAR FROM POSICIONES"),
        QStringLiteral("CREATE TABLE LOCALIZADORES (IDLOCALIZADOR INTEGER PRIMARY KEY, TITULAR TEXT NOT NULL, "
                       "NOMBRE TEXT NOT NULL UNIQUE, DESCRIPCION TEXT)"),
        QStringLiteral("CREATE TABLE Zonas (TITULAR TEXT NOT NULL, [Descripcion zona] TEXT, "
                       "[Coor Geo] TEXT, Area TEXT, IdZona INTEGER PRIMARY KEY AUTOINCREMENT)"),
        QStringLiteral("CREATE TABLE MiCiudad (Titular TEXT NOT NULL UNIQUE, [Mi Ciudad] TEXT)"),
    };
    return s;
}

struct Titular {
    QString codigo;
    QString nombre;
    QString clave;
    QString ciudad;
    QStringList localizadores;
    QStringList descripciones;
    Punto base;
    QList<Demo::Zona> zonas;
    quint64 semilla;
};

QList<Titular> titulares()
{
    const Punto madrid{40.4168, -3.7038};
    QList<Titular> t;
    t.append({Demo::Titular, Demo::NombreTitular, Demo::Clave, Demo::Ciudad, Demo::Localizadores(),
              {QStringLiteral("Furgoneta 1 - Reparto"), QStringLiteral("Furgoneta 2 - Reparto"),
               QStringLiteral("Camión 1 - Larga distancia"), QStringLiteral("Turismo comercial"),
               QStringLiteral("Furgoneta 3 - Técnicos")},
              {40.3752, -3.6420}, Demo::Zonas(), 2026});
    t.append({Demo::OtroTitular, Demo::OtroNombre, Demo::OtraClave, QStringLiteral("Sevilla"),
              Demo::LocalizadoresOtroTitular(), {QStringLiteral("Camión Sur 1"), QStringLiteral("Camión Sur 2")},
              {madrid.lat + 0.02, madrid.lon - 0.05},
              {poligono(QStringLiteral("Zona Sur Privada"), {madrid.lat + 0.02, madrid.lon - 0.05}, 900, 5, 0.3)},
              777});
    return t;
}

bool crearTablas(QSqlDatabase &db, const QDate &, QString &error)
{
    QSqlQuery q(db);
    for (const QString &sql : esquemaRemoto())
        if (!ejecutar(q, sql, error))
            return false;
    return true;
}

bool llenar(QSqlDatabase &db, const QDate &hoy, QString &error)
{
    if (!crearTablas(db, hoy, error))
        return false;
    QSqlQuery ins(db);
    ins.prepare(QStringLiteral("INSERT INTO POSICIONES VALUES (?,?,?,?,?,?,?,?)"));
    for (const Titular &tit : titulares()) {
        QSqlQuery t(db);
        t.prepare(QStringLiteral("INSERT INTO TITULARES VALUES (?,?,?)"));
        t.addBindValue(tit.codigo);
        t.addBindValue(tit.nombre);
        t.addBindValue(tit.clave);
        if (!t.exec())
            return error = t.lastError().text(), false;
        t.prepare(QStringLiteral("INSERT INTO MiCiudad VALUES (?,?)"));
        t.addBindValue(tit.codigo);
        t.addBindValue(tit.ciudad);
        if (!t.exec())
            return error = t.lastError().text(), false;
        for (const Demo::Zona &z : tit.zonas) {
            t.prepare(QStringLiteral("INSERT INTO Zonas (TITULAR, [Descripcion zona], [Coor Geo], Area) VALUES (?,?,?,?)"));
            t.addBindValue(tit.codigo);
            t.addBindValue(z.nombre);
            t.addBindValue(Demo::TextoVertices(z));
            t.addBindValue(Demo::TextoArea(z));
            if (!t.exec())
                return error = t.lastError().text(), false;
        }
        QList<Punto> destinos;
        for (const Demo::Zona &z : tit.zonas) {
            double la = 0, lo = 0;
            for (auto v : z.vertices)
                la += v.first, lo += v.second;
            destinos.append({la / z.vertices.size(), lo / z.vertices.size()});
        }
        Aleatorio rnd(tit.semilla);
        // Some stops outside every zone too.
        for (int i = 0; i < 4; ++i)
            destinos.append({tit.base.lat + rnd.entre(-0.09, 0.09), tit.base.lon + rnd.entre(-0.12, 0.12)});
        for (int n = 0; n < tit.localizadores.size(); ++n) {
            const QString &imei = tit.localizadores[n];
            t.prepare(QStringLiteral("INSERT INTO LOCALIZADORES (TITULAR, NOMBRE, DESCRIPCION) VALUES (?,?,?)"));
            t.addBindValue(tit.codigo);
            t.addBindValue(imei);
            t.addBindValue(tit.descripciones.value(n));
            if (!t.exec())
                return error = t.lastError().text(), false;
            Aleatorio r(tit.semilla * 31 + n);
            for (int d = 60; d >= 1; --d) {
                const QDate dia = hoy.addDays(-d);
                const bool finDeSemana = dia.dayOfWeek() >= 6;
                if ((finDeSemana && !(n == 2 && dia.dayOfWeek() == 6)) || r.real() < 0.12)
                    continue;  // weekends (but one locator's Saturdays) and some idle days stay empty
                for (const Posicion &p : jornada(r, dia, tit.base, destinos)) {
                    ins.addBindValue(imei);
                    ins.addBindValue(p.fecha.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
                    ins.addBindValue(coordenada(p.p.lat));
                    ins.addBindValue(coordenada(p.p.lon));
                    ins.addBindValue(QString::number(p.nudos, 'f', 1));
                    ins.addBindValue(p.info);
                    ins.addBindValue(zonaDe(tit.zonas, p.p.lat, p.p.lon));
                    ins.addBindValue(tit.codigo);
                    if (!ins.exec())
                        return error = ins.lastError().text(), false;
                }
            }
        }
    }
    return true;
}

}  // namespace

namespace Demo {

QStringList Localizadores()
{
    return {QStringLiteral("356938035643809"), QStringLiteral("356938035643817"), QStringLiteral("356938035643825"),
            QStringLiteral("356938035643833"), QStringLiteral("356938035643841")};
}

QStringList LocalizadoresOtroTitular() { return {QStringLiteral("490154203237518"), QStringLiteral("490154203237526")}; }

QList<Zona> Zonas()
{
    return {
        poligono(QStringLiteral("Almacén Central"), {40.3752, -3.6420}, 450, 6, 0.2),
        poligono(QStringLiteral("Mercamadrid"), {40.3655, -3.6595}, 700, 7, 0.5),
        poligono(QStringLiteral("Centro Ciudad"), {40.4168, -3.7038}, 1300, 8, 0.1),
        poligono(QStringLiteral("Aeropuerto Barajas"), {40.4722, -3.5609}, 1500, 6, 0.9),
        poligono(QStringLiteral("Polígono Industrial Vallecas"), {40.3540, -3.6040}, 800, 5, 0.4),
        poligono(QStringLiteral("Parque Empresarial Alcobendas"), {40.5320, -3.6460}, 900, 6, 0.7),
    };
}

QString TextoVertices(const Zona &z)
{
    QString t;
    for (auto v : z.vertices)
        t += '(' + coordenada(v.first) + ',' + coordenada(v.second) + ')';
    return t;
}

QString TextoArea(const Zona &z)
{
    double suma = 0;
    const double lat0 = z.vertices.isEmpty() ? 0 : z.vertices.first().first;
    for (int i = 0; i < z.vertices.size(); ++i) {
        auto a = z.vertices[i], b = z.vertices[(i + 1) % z.vertices.size()];
        double xa = a.second * metrosPorGradoLon(lat0), ya = a.first * kMetrosPorGradoLat;
        double xb = b.second * metrosPorGradoLon(lat0), yb = b.first * kMetrosPorGradoLat;
        suma += xa * yb - xb * ya;
    }
    return QString::number(std::abs(suma) / 2, 'f', 2).replace('.', ',');
}

bool DentroDe(const Zona &z, double lat, double lon)
{
    bool dentro = false;
    const auto &v = z.vertices;
    for (int i = 0, j = int(v.size()) - 1; i < v.size(); j = i++) {
        if (((v[i].first > lat) != (v[j].first > lat)) &&
            (lon < (v[j].second - v[i].second) * (lat - v[i].first) / (v[j].first - v[i].first) + v[i].second))
            dentro = !dentro;
    }
    return dentro;
}

}  // namespace Demo

bool CrearServicioDemo(const QString &ruta, const QDate &hoy, QString &error)
{
    return ConstruirBaseNueva(ruta, [hoy](QSqlDatabase &db, QString &e) { return llenar(db, hoy, e); }, error);
}
bool CrearServicioVacio(const QString &ruta, QString &error)
{
    return ConstruirBaseNueva(ruta, [](QSqlDatabase &db, QString &e) { return crearTablas(db, QDate(), e); }, error);
}

bool AsegurarServicioDemo(const QString &ruta)
{
    if (QFileInfo::exists(ruta))
        return true;
    QString error;
    if (!CrearServicioDemo(ruta, QDate::currentDate(), error))
        qWarning("demo service: %s", qPrintable(error));
    return QFileInfo::exists(ruta);
}
