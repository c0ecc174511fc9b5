#pragma once
// The SQL texts of the playback window, the checks of a period before it is queried, and the
// reading of a locator's recorded days.
#include "fechastexto.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QTime>

class Recordset;

namespace ConsultasDiferido {
// The locators with positions in the local file.
QString SqlLocalizadores();
// The locator's row of LOCALIZADORES (its icon is the second field).
QString SqlIconoLocalizador(const QString &localizador);
// The distinct days (mm/dd/yyyy) on which the locator has positions.
QString SqlDiasLocalizador(const QString &localizador);
// The times (hh:mi) of the day diaMDA (mm/dd/yyyy), earliest first, or latest first when ultima.
QString SqlHoraDia(const QString &diaMDA, bool ultima);
// The locator's rows between two bounds written by LimitePeriodo, in time order.
QString SqlRecorrido(const QString &localizador, const QString &inicio, const QString &fin);

// A time box's text: H:mm[:ss], or the 12-hour clock with AM / PM ("8:00 PM", "8 p.m."), as the
// user's date/time check takes it; invalid otherwise.
QTime LeerHoraEscrita(const QString &texto, bool *doceHoras = nullptr, bool *conSegundos = nullptr);

// One bound of the period between quotes: month/day/year without leading zeros, a blank and the
// time text as typed (a 12-hour time in its 24-hour form). An end bound whose time has no seconds covers its whole minute (":59").
QString LimitePeriodo(const QString &fechaTexto, const QString &horaTexto, bool fin);

// The first box that fails the start button's checks, in their order.
enum class CajaPeriodo { Ninguna, FechaInicio, FechaFin, HoraInicio, HoraFin };
CajaPeriodo ComprobarPeriodo(const QString &fechaInicio, const QString &fechaFin, const QString &horaInicio,
                             const QString &horaFin);

// A locator's recorded days as the day query returns them (text order, not date order).
struct DiasRegistrados {
    QList<QDate> dias;
    QDate primero;
    QDate ultimo;
    int Cuenta() const { return int(dias.size()); }
};
DiasRegistrados LeerDiasRegistrados(Recordset &filas);
// The summary panel's text for a locator with at least one day.
QString TextoResumen(const QString &localizador, const DiasRegistrados &d);
}
