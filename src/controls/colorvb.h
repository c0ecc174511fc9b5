#pragma once
// Colours as the controls keep them: 32-bit values in blue-green-red order (0x00BBGGRR),
// or a system colour (0x80000000 | index, e.g. 0x8000000F for the button face).
#include <QColor>
#include <QtGlobal>

using ColorVB = quint32;

namespace ColoresVB {
constexpr ColorVB Negro = 0x000000;
constexpr ColorVB Rojo = 0x0000FF;            // Sundays
constexpr ColorVB Naranja = 0x0080FF;         // Saturdays
constexpr ColorVB GrisVecino = 0xC0C0C1;      // days of the neighbouring months
constexpr ColorVB CaraBoton = 0x8000000F;     // system colour: button face
}

// The screen colour of a stored value; system colours come from the application palette.
QColor ColorDesdeVB(ColorVB valor);
// The stored value of a plain colour (alpha ignored).
ColorVB ColorAVB(const QColor &color);
