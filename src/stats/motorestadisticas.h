#pragma once
// The statistics window's work without a screen: the entries of its two lists, the run of a
// statistic on the local file and what the window shows after it, and the zone map text. It holds
// the result table and the grid's model that reads it; the window copies each outcome into its
// controls.
#include "filtroestadistica.h"
#include "modeloestadistica.h"
#include "resultadoestadistica.h"

#include <QString>
#include <QStringList>

// The filter as the window's controls hold it.
struct FiltroPantalla {
    QString fecha1, fecha2;  // txtfecha1, txtfecha2
    QStringList entradas;    // every entry of lstlocalizadores, "Todos" first
    QString localizador;     // lstlocalizadores' text
    QString zona;            // lstzonas' text
    int indiceTipo = 0;      // DropDownList1's index: 0 days, 1 zones, 2 locator and zone
};

class MotorEstadisticas {
public:
    enum class Desenlace {
        Ninguno,          // nothing ran (no kind chosen): the window keeps everything
        Rechazado,        // a date box failed the checks: message, and focus on `foco`
        PeriodoExcesivo,  // more than 30 days: message only, table and grid as they were
        SinPosiciones,    // no record set: message, grid hidden (kind 2 has emptied the table)
        Mostrado,         // the table holds the new result: grid, caption and buttons follow it
    };
    struct Salida {
        Desenlace desenlace = Desenlace::Ninguno;
        QString mensaje;  // lblmensaje's caption (empty after a result is shown)
        FiltroEstadistica::Foco foco = FiltroEstadistica::Foco::Ninguno;
    };

    ResultadoEstadistica Resultado;
    ModeloEstadistica Modelo{Resultado};

    // btnfiltrar: the checks, the grid's row styling, then the run of the chosen kind.
    Salida Filtrar(const FiltroPantalla &f);
    // The run of one kind (1, 2 or 3) on the local file.
    Salida Ejecutar(int tipo, const FiltroPantalla &f);
    // The chart and map buttons after a result of that kind.
    static bool ConGraficas(int tipo) { return tipo != 3; }
    static bool ConMapa(int tipo) { return tipo == 2; }

    // "Todos" and the holder's locators; false (and "Todos" alone) when the query yields no record set.
    bool DameLocalizadores(QStringList &entradas);
    // An empty entry and the holder's zones; false when the query yields no record set.
    bool DameZonas(QStringList &entradas);
    // A zone's stored vertex list, empty when the holder has no such zone.
    QString DameCoordenadasZona(const QString &zona);
    // The zone map text of the result held (a zones result).
    QString TextoMapa();
};
