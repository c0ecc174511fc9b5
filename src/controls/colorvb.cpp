#include "colorvb.h"

#include <QGuiApplication>
#include <QPalette>

namespace {
QColor colorSistema(int indice)
{
    const QPalette p = QGuiApplication::palette();
    switch (indice) {
    case 0:  return p.color(QPalette::Button);          // scroll bars
    case 1:  return p.color(QPalette::Dark);            // desktop
    case 2:  return p.color(QPalette::Highlight);       // active caption
    case 3:  return p.color(QPalette::Mid);             // inactive caption
    case 4:  return p.color(QPalette::Window);          // menu
    case 5:  return p.color(QPalette::Base);            // window background
    case 6:  return p.color(QPalette::Shadow);          // window frame
    case 7:  return p.color(QPalette::WindowText);      // menu text
    case 8:  return p.color(QPalette::Text);            // window text
    case 9:  return p.color(QPalette::HighlightedText); // caption text
    case 10: return p.color(QPalette::Mid);             // active border
    case 11: return p.color(QPalette::Midlight);        // inactive border
    case 12: return p.color(QPalette::Dark);            // application workspace
    case 13: return p.color(QPalette::Highlight);
    case 14: return p.color(QPalette::HighlightedText);
    case 15: return p.color(QPalette::Button);          // button face
    case 16: return p.color(QPalette::Dark);            // button shadow
    case 17: return p.color(QPalette::Disabled, QPalette::Text); // grey text
    case 18: return p.color(QPalette::ButtonText);
    case 19: return p.color(QPalette::Disabled, QPalette::WindowText);
    case 20: return p.color(QPalette::Light);           // button highlight
    case 21: return p.color(QPalette::Shadow);          // 3D dark shadow
    case 22: return p.color(QPalette::Midlight);        // 3D light
    case 23: return p.color(QPalette::ToolTipText);
    case 24: return p.color(QPalette::ToolTipBase);
    default: return p.color(QPalette::Window);
    }
}
}

QColor ColorDesdeVB(ColorVB valor)
{
    if (valor & 0x80000000u)
        return colorSistema(int(valor & 0xFFu));
    return QColor(int(valor & 0xFF), int((valor >> 8) & 0xFF), int((valor >> 16) & 0xFF));
}

ColorVB ColorAVB(const QColor &color)
{
    return ColorVB(color.red()) | (ColorVB(color.green()) << 8) | (ColorVB(color.blue()) << 16);
}
