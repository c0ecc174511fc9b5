// Visits of 1,000,000 positions (20 locators, 30 days around Madrid) to 20 zones of 64 vertices,
// some overlapping: by the service's stamp (goal 0.5 s) and by the outlines (goal 1 s), in seconds.
// Baselines in the same rounds: a bare pass over the positions comparing each stamp with every zone,
// and a hand-written even-odd ray test of every position against every outline (no bounding box).
#include "calculovisitas.h"
#include "comparacion.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <cmath>
#include <cstdio>

namespace {
constexpr int kPosiciones = 1000000, kLocalizadores = 20, kZonas = 20, kRondas = 7;

QList<PuntoZona> Circulo(double lat, double lon, double radioGrados)
{
    QList<PuntoZona> v;
    for (int i = 0; i < 64; ++i) {
        const double a = 2 * M_PI * i / 64;
        v.append({lat + radioGrados * std::sin(a), lon + radioGrados * std::cos(a) / std::cos(lat * M_PI / 180)});
    }
    return v;
}

bool RayoPar(const QList<PuntoZona> &v, double lat, double lon)
{
    bool dentro = false;
    for (qsizetype i = 0, j = v.size() - 1; i < v.size(); j = i++)
        if ((v[i].lat > lat) != (v[j].lat > lat) &&
            lon < (v[j].lon - v[i].lon) * (lat - v[i].lat) / (v[j].lat - v[i].lat) + v[i].lon)
            dentro = !dentro;
    return dentro;
}
}

int main()
{
    QRandomGenerator azar(2026);
    CalculoVisitas c;
    QList<QList<PuntoZona>> contornos;
    for (int z = 0; z < kZonas; ++z) {
        contornos << Circulo(40.35 + 0.015 * (z % 5), -3.80 + 0.02 * (z / 5), 0.004 + 0.001 * (z % 3));
        c.Zonas << QStringLiteral("Zona %1").arg(z);
        c.Geometrias.append({GeometriaZona(contornos.last())});
    }
    // Each locator wanders between the zones: a random walk in steps of about 100 m, one position a minute.
    std::vector<PosicionVisita> posiciones;
    posiciones.reserve(kPosiciones);
    for (int l = 0; l < kLocalizadores; ++l) {
        double lat = 40.36, lon = -3.78;
        for (int i = 0; i < kPosiciones / kLocalizadores; ++i) {
            lat = std::clamp(lat + (azar.generateDouble() - 0.5) * 0.002, 40.33, 40.43);
            lon = std::clamp(lon + (azar.generateDouble() - 0.5) * 0.002, -3.82, -3.70);
            PosicionVisita p{l, 1790000000LL + i * 60LL + (i % 7), lat, lon, -1};
            for (int z = 0; z < kZonas && p.zona < 0; ++z)
                if (RayoPar(contornos[z], lat, lon))
                    p.zona = z;
            posiciones.push_back(p);
        }
    }
    Comparacion servicio("visitas/servicio_1M_segundos", 0.5), poligonos("visitas/poligonos_1M_20zonas_segundos", 1.0);
    size_t visitas = 0;
    long long dentro = 0;
    for (int r = 0; r < kRondas; ++r) {
        auto medir = [](auto f) {
            QElapsedTimer t;
            t.start();
            f();
            return t.nsecsElapsed() / 1e9;
        };
        const double bs = medir([&] {
            for (const PosicionVisita &p : posiciones)
                for (int z = 0; z < kZonas; ++z)
                    dentro += p.zona == z;
        });
        const double s = medir([&] { visitas = c.Calcular(CalculoVisitas::Modo::Servicio, posiciones).size(); });
        const double p = medir([&] { visitas += c.Calcular(CalculoVisitas::Modo::Poligonos, posiciones).size(); });
        const double bp = medir([&] {
            for (const PosicionVisita &q : posiciones)
                for (const auto &v : contornos)
                    dentro += RayoPar(v, q.lat, q.lon);
        });
        servicio.Anadir(s);
        poligonos.Anadir(p);
        std::printf("  round %d: by stamp %.3f s (bare pass %.3f s), by outline %.3f s (ray test %.3f s), %zu visits\n",
                    r + 1, s, bs, p, bp, visitas);
    }
    std::printf("  (%lld positions inside in the baselines)\n", dentro);
    servicio.Imprimir();
    poligonos.Imprimir();
    return 0;
}
