#pragma once
// The visits window's work without a screen: the checks on the period, reading the positions of
// the local file and the holder's zones on the service, the visit computation and the texts the
// grid, the detail list, the chart and the report show.
#include "calculovisitas.h"

#include <QDate>
#include <QString>
#include <QStringList>

class ADOSQLSERVER;

// The choice made in the statistics window.
struct FiltroVisitas {
    QString fecha1, fecha2;  // dd/mm/yyyy: from the start of fecha1 to the start of fecha2
    QString localizador;     // an IMEI, or "Todos" (or empty) for every locator
    QString zona;            // one zone, or empty for every zone
};

class MotorVisitas {
public:
    CalculoVisitas::Modo Modo = CalculoVisitas::Modo::Servicio;
    int PausaMinutos = 30;
    static constexpr int kDiasMaximos = 366;

    // Checks the filter, reads and computes; an empty answer means a result is held, otherwise the
    // message that says why there is none.
    QString Calcular(const FiltroVisitas &f, ADOSQLSERVER &local, ADOSQLSERVER &servicio, const QString &titular);
    // The same on positions and zones already read (the zones with their vertex list texts).
    void CalcularCon(std::vector<PosicionVisita> posiciones, const QStringList &localizadores,
                     const QList<QPair<QString, QString>> &zonas, const QString &soloZona);

    static QString ValidarPeriodo(const QString &d1, const QString &d2);
    static QString SqlPosiciones(const FiltroVisitas &f);
    static QString SqlZonas(const QString &titular);

    // The result held.
    QStringList Localizadores, Zonas;
    std::vector<Visita> Visitas;
    QList<ResumenVisitas> Filas;
    ResumenVisitas Total;
    // Time inside per zone over every locator (seconds), in zone order: the chart's bars.
    QList<QPair<QString, qint64>> TiempoPorZona() const;
    // The visits of one summary row.
    std::vector<Visita> VisitasDe(const ResumenVisitas &fila) const;

    static QString Duracion(qint64 segundos);  // H:MM:SS, hours past 24 as they are
    static QString FechaHora(qint64 segundos);  // general date form
    // A zone name as the user reads it ("(sin zona)" never occurs: positions outside count nowhere).
    QString NombreZona(int z) const { return Zonas.value(z); }
};
