#pragma once
// KVCalen's stored settings, all but its date (Dia, Mes, Año, FechaActual) and the widget's own
// font. One table gives each setting its stored key and its default: it sets a new control's
// values, reads a stored control back (a missing or unreadable key gives the default) and writes
// the control out. The drawing settings (AspectoMes) are the first part.
#include "colorvb.h"
#include "dibujomes.h"

#include <QFont>
#include <QVariantMap>

struct PropiedadesKVCalen : AspectoMes {
    ColorVB foreColor{}, backColor{};
    bool enabled{}, diasLargos{}, tamanoOptimo{};
    ColorVB colorFondoAnio{}, colorFondoMes{}, colorFondoDias{};
    ColorVB colorPPAnio{}, colorPPMes{}, colorPPdias{};
    ColorVB colorFondoTexto{}, colorPPTexto{};   // kept and stored only
    int borderStyle{};                            // 0: no border line on the first cell
    QFont fontMes, fontAnio, fontDias;

    // Every setting at its default; the fonts take the container's font.
    explicit PropiedadesKVCalen(const QFont &fuenteContenedor);
    void Leer(const QVariantMap &guardado, const QFont &fuenteContenedor);
    // Adds every setting under its stored key.
    void Guardar(QVariantMap &guardado) const;
};
