#include "dibujomes.h"

#include "mescalendario.h"

namespace {
void aplicarObjeto(ObjetoTexto &o, const RegistroDia *r, int base, ColorVB fondo, ColorVB pp, bool visible)
{
    o.fondo = fondo;
    o.primerPlano = pp;
    o.visible = visible;
    if (!r)
        return;
    const QVariant &t = (*r)[size_t(base)];
    if (t.isValid())
        o.texto = t.toString();
    o.fondo = RegistrosDias::LeerColor((*r)[size_t(base + 1)], fondo);
    o.primerPlano = RegistrosDias::LeerColor((*r)[size_t(base + 2)], pp);
    o.visible = RegistrosDias::LeerVisible((*r)[size_t(base + 3)], visible);
}
}

MesDibujado DibujarMes(int anio, int mes, const QDate &hoy, const AspectoMes &a, const RegistrosDias &registros)
{
    MesDibujado m;
    m.totalDias = MesCalendario::DiasDelMes(anio, mes);
    const auto cuadricula = MesCalendario::Cuadricula(anio, mes);
    for (int i = 0; i < MesCalendario::Celdas; ++i) {
        const DiaCuadricula &d = cuadricula[size_t(i)];
        CeldaMes &c = m.celdas[size_t(i)];
        c.fecha = d.fecha;
        c.enMes = d.enMes;
        c.texto = QLatin1Char(' ') + QString::number(d.dia);
        c.colorFondo = a.colorCeldas;
        // Grey neighbours carry nothing but their number.
        c.cajaTexto = {QString(), a.fondoEnTexto, a.ppEnTexto, false};
        c.etiquetaIzquierda = {QString(), a.fondoEtiquetaIzquierda, a.ppEtiquetaIzquierda, false};
        c.etiquetaDerecha = {QString(), a.fondoEtiquetaDerecha, a.ppEtiquetaDerecha, false};
        if (!d.enMes) {
            c.colorDigito = ColoresVB::GrisVecino;
            continue;
        }
        if (d.fecha == hoy)
            m.indiceHoy = i;
        const int diaSemana = d.fecha.dayOfWeek();
        c.colorDigito = diaSemana == 6 ? a.colorSabados : diaSemana == 7 ? a.colorDomingos : a.colorDigitos;
        const RegistroDia *r = registros.Buscar(d.fecha);
        aplicarObjeto(c.cajaTexto, r, Ranura::Texto, a.fondoEnTexto, a.ppEnTexto, a.visiblesCajasTexto);
        aplicarObjeto(c.etiquetaIzquierda, r, Ranura::TextoIzquierda, a.fondoEtiquetaIzquierda,
                      a.ppEtiquetaIzquierda, a.visiblesEtiquetasIzquierda);
        aplicarObjeto(c.etiquetaDerecha, r, Ranura::TextoDerecha, a.fondoEtiquetaDerecha,
                      a.ppEtiquetaDerecha, a.visiblesEtiquetasDerecha);
        c.visibleChequeo = a.visiblesChequeos;
        if (!r)
            continue;
        c.colorFondo = RegistrosDias::LeerColor((*r)[Ranura::ColorFondo], c.colorFondo);
        c.colorDigito = RegistrosDias::LeerColor((*r)[Ranura::ColorDigito], c.colorDigito);
        c.chequeo = (*r)[Ranura::Chequeo].toInt();
        c.visibleChequeo = RegistrosDias::LeerVisible((*r)[Ranura::VisibleChequeo], a.visiblesChequeos);
        c.imagen = (*r)[Ranura::Imagen].value<QImage>();
    }
    return m;
}

std::array<CeldaMini, 42> DibujarMesMini(int anio, int mes)
{
    std::array<CeldaMini, 42> celdas{};
    const auto cuadricula = MesCalendario::Cuadricula(anio, mes);
    for (size_t i = 0; i < celdas.size(); ++i) {
        const DiaCuadricula &d = cuadricula[i];
        CeldaMini &c = celdas[i];
        c.fecha = d.fecha;
        c.enMes = d.enMes;
        c.texto = QLatin1Char(' ') + QString::number(d.dia);
        const int diaSemana = d.fecha.dayOfWeek();
        c.color = !d.enMes ? ColoresVB::GrisVecino
                  : diaSemana == 6 ? ColoresVB::Naranja
                  : diaSemana == 7 ? ColoresVB::Rojo
                                   : ColoresVB::Negro;
    }
    return celdas;
}
