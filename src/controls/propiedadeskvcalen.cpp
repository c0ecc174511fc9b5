#include "propiedadeskvcalen.h"

#include "registrosdias.h"

#include <variant>

namespace {
using P = PropiedadesKVCalen;

struct Propiedad {
    const char *clave;
    std::variant<ColorVB P::*, bool P::*, int P::*, QFont P::*> campo;
    quint32 porDefecto;   // colours, Booleans and integers; a font's default is the container's font
};

const Propiedad kPropiedades[] = {
    {"ForeColor", &P::foreColor, 0},
    {"Enabled", &P::enabled, false},
    {"ColorCeldas", &P::colorCeldas, 0xC0FFFF},
    {"ColorDigitos", &P::colorDigitos, 0},
    {"VisiblesCajasTexto", &P::visiblesCajasTexto, false},
    {"VisiblesEtiquetasIzquierda", &P::visiblesEtiquetasIzquierda, false},
    {"VisiblesEtiquetasDerecha", &P::visiblesEtiquetasDerecha, false},
    {"VisiblesTodosChequeos", &P::visiblesChequeos, false},
    {"BackColor", &P::backColor, ColoresVB::CaraBoton},
    {"DiasLargos", &P::diasLargos, false},
    {"ColorSabados", &P::colorSabados, ColoresVB::Naranja},
    {"ColorFondoAño", &P::colorFondoAnio, 0xC0FFFF},
    {"ColorFondoMes", &P::colorFondoMes, 0xC0FFFF},
    {"ColorFondoDias", &P::colorFondoDias, 0xC0FFFF},
    {"FontMes", &P::fontMes, 0},
    {"FontAño", &P::fontAnio, 0},
    {"FontDias", &P::fontDias, 0},
    {"ColorDomingos", &P::colorDomingos, ColoresVB::Rojo},
    {"ColorPPAño", &P::colorPPAnio, 0},
    {"ColorPPMes", &P::colorPPMes, 0},
    {"ColorPPdias", &P::colorPPdias, 0x80},
    {"TamañoOptimo", &P::tamanoOptimo, false},
    {"ColorFondoEtiquetaDerecha", &P::fondoEtiquetaDerecha, 0xFFC0C0},
    {"ColorFondoEtiquetaIzquierda", &P::fondoEtiquetaIzquierda, 0x80C0FF},
    {"ColorPPEtiquetaDerecha", &P::ppEtiquetaDerecha, 0},
    {"ColorPPEtiquetaIzquierda", &P::ppEtiquetaIzquierda, 0},
    {"ColorFondoEnTexto", &P::fondoEnTexto, 0xC0FFC0},
    {"ColorPPEnTexto", &P::ppEnTexto, 0},
    {"ColorFondoTexto", &P::colorFondoTexto, 0xDDAC6A},
    {"ColorPPTexto", &P::colorPPTexto, 0},
    {"BorderStyle", &P::borderStyle, 1},
};

template <class... F> struct Casos : F... {
    using F::operator()...;
};
}

PropiedadesKVCalen::PropiedadesKVCalen(const QFont &fuenteContenedor) { Leer({}, fuenteContenedor); }

void PropiedadesKVCalen::Leer(const QVariantMap &guardado, const QFont &fuenteContenedor)
{
    for (const Propiedad &p : kPropiedades) {
        const QVariant v = guardado.value(QString::fromUtf8(p.clave));
        std::visit(Casos{
                       [&](ColorVB P::*c) { this->*c = RegistrosDias::LeerColor(v, p.porDefecto); },
                       [&](bool P::*b) { this->*b = v.isValid() ? v.toBool() : p.porDefecto != 0; },
                       [&](int P::*e) {
                           bool ok = false;
                           const int n = v.toInt(&ok);
                           this->*e = ok ? n : int(p.porDefecto);
                       },
                       [&](QFont P::*f) {
                           this->*f = v.isValid() && v.canConvert<QFont>() ? v.value<QFont>() : fuenteContenedor;
                       },
                   },
                   p.campo);
    }
}

void PropiedadesKVCalen::Guardar(QVariantMap &guardado) const
{
    for (const Propiedad &p : kPropiedades)
        guardado.insert(QString::fromUtf8(p.clave),
                        std::visit([this](auto campo) { return QVariant::fromValue(this->*campo); }, p.campo));
}
