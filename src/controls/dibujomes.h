#pragma once
// What each of the month calendar's 42 cells shows once a month is drawn: the day number and its
// colours, and the text box, the two small labels, the check box and the image with the values the
// day records give them. KVCalen paints from this; nothing here needs a screen.
#include "colorvb.h"
#include "registrosdias.h"

#include <QDate>
#include <QImage>
#include <QString>
#include <array>

// Control-wide settings the drawing applies where a day record has no value of its own (KVCalen's
// defaults are in PropiedadesKVCalen).
struct AspectoMes {
    ColorVB colorCeldas{};
    ColorVB colorDigitos{};
    ColorVB colorSabados{};
    ColorVB colorDomingos{};
    ColorVB fondoEnTexto{}, ppEnTexto{};
    ColorVB fondoEtiquetaIzquierda{}, ppEtiquetaIzquierda{};
    ColorVB fondoEtiquetaDerecha{}, ppEtiquetaDerecha{};
    bool visiblesCajasTexto{};
    bool visiblesEtiquetasIzquierda{};
    bool visiblesEtiquetasDerecha{};
    bool visiblesChequeos{};
};

struct ObjetoTexto {
    QString texto;
    ColorVB fondo = 0, primerPlano = 0;
    bool visible = false;
};

struct CeldaMes {
    QDate fecha;          // the date shown (also for the grey cells)
    bool enMes = false;   // a day of the displayed month: only these can be picked
    QString texto;        // the day label: " " + day number
    ColorVB colorFondo = 0;
    ColorVB colorDigito = 0;
    ObjetoTexto cajaTexto;          // Text1
    ObjetoTexto etiquetaIzquierda;  // Label1 (drawn in the right half of the cell)
    ObjetoTexto etiquetaDerecha;    // Label2 (drawn in the left half)
    bool visibleChequeo = false;    // Check1
    int chequeo = 0;                // 0 unticked, 1 ticked, 2 greyed
    QImage imagen;                  // Image1; null when none
};

struct MesDibujado {
    std::array<CeldaMes, 42> celdas;
    int totalDias = 0;   // days of the displayed month
    int indiceHoy = -1;  // cell of today, -1 when today is not in the displayed month
};

MesDibujado DibujarMes(int anio, int mes, const QDate &hoy, const AspectoMes &aspecto,
                       const RegistrosDias &registros);

// The date picker's 42 cells: black weekdays, orange Saturdays, red Sundays, grey neighbours.
struct CeldaMini {
    QDate fecha;          // the date the cell keeps
    bool enMes = false;   // only these can be picked
    QString texto;        // " " + day number
    ColorVB color = 0;
};

std::array<CeldaMini, 42> DibujarMesMini(int anio, int mes);
