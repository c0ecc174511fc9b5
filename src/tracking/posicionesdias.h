#pragma once
// How busy each recorded day of a locator is, for the day cells of the playback window's calendar:
// the number of positions, and the first and last time of a day when its tool tip is asked for.
// Read for the days the calendar shows, each by seeks on the key index of the local file, so that
// a locator with years of positions costs no more than one with a month.
#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QTime>

class Recordset;

struct PosicionesDia {
    int posiciones = 0;
    QTime primera, ultima;  // invalid until read
};

namespace PosicionesDias {
// One row per day asked for: DIA (yyyyMMdd) and POSICIONES.
QString SqlCuentas(const QString &localizador, const QList<QDate> &dias);
// One row: PRIMERA and ULTIMA, the day's first and last FECHA (NULL without positions).
QString SqlHoras(const QString &localizador, const QDate &dia);
// The rows of SqlCuentas by day; days without positions are left out.
QHash<QDate, PosicionesDia> LeerCuentas(Recordset &filas);
// Fills the times of the day from the row of SqlHoras.
void LeerHoras(Recordset &fila, PosicionesDia &dia);
// The cell's label: the count, shortened from five digits on ("12 mil").
QString TextoCelda(int posiciones);
// "1.000 posiciones\nPrimera: 08:01:22 · Última: 19:45:03"
QString TextoConsejo(const PosicionesDia &p);
}
