#include "calculovisitas.h"

#include <algorithm>

void ResumenVisitas::Sumar(const Visita &v)
{
    primeraEntrada = visitas ? std::min(primeraEntrada, v.entrada) : v.entrada;
    ultimaSalida = visitas ? std::max(ultimaSalida, v.salida) : v.salida;
    ++visitas;
    entradas += v.entradaVista;
    salidas += v.salidaVista;
    total += v.Duracion();
    maxima = std::max(maxima, v.Duracion());
}

namespace {
struct Estado {
    bool abierta = false;
    bool entradaVista = false;
    qint64 entrada = 0, ultima = 0;
};
}

std::vector<Visita> CalculoVisitas::Calcular(Modo modo, const std::vector<PosicionVisita> &posiciones) const
{
    std::vector<Visita> r;
    const int n = int(Zonas.size());
    std::vector<Estado> estados(static_cast<size_t>(n));
    auto cerrar = [&](int localizador, int z, qint64 salida, bool vista) {
        Estado &e = estados[size_t(z)];
        r.push_back({localizador, z, e.entrada, salida, e.entradaVista, vista});
        e.abierta = false;
    };
    auto cerrarTodas = [&](int localizador) {
        for (int z = 0; z < n; ++z)
            if (estados[size_t(z)].abierta)
                cerrar(localizador, z, estados[size_t(z)].ultima, false);
    };
    const int desde = SoloZona >= 0 ? SoloZona : 0, hasta = SoloZona >= 0 ? std::min(SoloZona + 1, n) : n;
    const PosicionVisita *anterior = nullptr;
    for (const PosicionVisita &p : posiciones) {
        if (anterior && anterior->localizador != p.localizador) {
            cerrarTodas(anterior->localizador);
            anterior = nullptr;
        }
        const bool seguida = anterior && p.segundos - anterior->segundos <= PausaMaxima;
        for (int z = desde; z < hasta; ++z) {
            Estado &e = estados[size_t(z)];
            if (e.abierta && p.segundos - e.ultima > PausaMaxima)
                cerrar(p.localizador, z, e.ultima, false);
            bool dentro;
            if (modo == Modo::Servicio) {
                dentro = p.zona == z;
            } else {
                const QList<GeometriaZona> &g = Geometrias[z];
                dentro = std::any_of(g.begin(), g.end(), [&](const GeometriaZona &x) { return x.Contiene(p.lat, p.lon); });
            }
            if (dentro) {
                if (!e.abierta)
                    e = {true, seguida, p.segundos, p.segundos};
                else
                    e.ultima = p.segundos;
            } else if (e.abierta) {
                cerrar(p.localizador, z, p.segundos, true);
            }
        }
        anterior = &p;
    }
    if (anterior)
        cerrarTodas(anterior->localizador);
    std::stable_sort(r.begin(), r.end(), [](const Visita &a, const Visita &b) {
        return a.localizador != b.localizador ? a.localizador < b.localizador : a.zona < b.zona;
    });
    return r;
}

QList<ResumenVisitas> CalculoVisitas::Resumir(const std::vector<Visita> &visitas)
{
    QList<ResumenVisitas> filas;
    for (const Visita &v : visitas) {
        if (filas.isEmpty() || filas.last().localizador != v.localizador || filas.last().zona != v.zona) {
            filas.append(ResumenVisitas());
            filas.last().localizador = v.localizador;
            filas.last().zona = v.zona;
        }
        filas.last().Sumar(v);
    }
    return filas;
}

ResumenVisitas CalculoVisitas::Totales(const QList<ResumenVisitas> &filas)
{
    ResumenVisitas t;
    for (const ResumenVisitas &f : filas) {
        if (!f.visitas)
            continue;
        t.primeraEntrada = t.visitas ? std::min(t.primeraEntrada, f.primeraEntrada) : f.primeraEntrada;
        t.ultimaSalida = t.visitas ? std::max(t.ultimaSalida, f.ultimaSalida) : f.ultimaSalida;
        t.visitas += f.visitas;
        t.entradas += f.entradas;
        t.salidas += f.salidas;
        t.total += f.total;
        t.maxima = std::max(t.maxima, f.maxima);
    }
    return t;
}
