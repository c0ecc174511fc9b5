#pragma once
// The user's regional formats, fixed to the Spanish conventions the program was written for
// (Qt's own es_ES locale writes short dates as d/M/yy, so nothing is taken from the system).
#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTime>

namespace Regional {
QString FechaCorta(const QDate &d);              // 05/03/2010
QString FechaGeneral(const QDateTime &dt);       // 05/03/2010 7:04:09; the time is left out at midnight
QString FechaLarga(const QDate &d);              // viernes, 5 de marzo de 2010
QString HoraCorta(const QTime &t);               // 07:04
QString HoraLarga(const QTime &t);               // 7:04:09
QString NombreMes(int mes);                      // 1..12 -> "enero".."diciembre"
QString NombreDia(int diaSemana);                // 1 (Monday)..7 -> "lunes".."domingo"

// "Standard": thousands with ".", decimals with ",", two decimals.
QString NumeroEstandar(double v);
// Fixed decimals with a decimal comma and no thousands separator ("0.00" in VB with the Spanish locale).
QString NumeroDecimales(double v, int decimales);
// The locale for numbers that Qt itself writes (chart labels and axes), for numbers only: "," for
// decimals and "." for every thousand, as NumeroEstandar.
QLocale LocaleNumeros();
// Reads a number written with "." or "," as decimal separator; empty or unreadable is 0.
double LeerNumero(const QString &texto, bool *ok = nullptr);

// VB's IsDate/CDate for what users type: a date day-first (d/M/yy, d/M/yyyy, with "/", "-" or ".")
// with an optional time (H:mm or H:mm:ss), or a time alone (which reads as that time of 30/12/1899).
// Two-digit years: VB reads 00-29 as 20xx; SQL Server (a date text inside a query) reads 00-49 as 20xx.
enum class Siglo { VB, SqlServer };
bool EsFecha(const QString &texto);
bool LeerFechaHora(const QString &texto, QDateTime &resultado, Siglo siglo = Siglo::VB);
QDate LeerFecha(const QString &texto);   // invalid QDate when not a date
QTime LeerHora(const QString &texto);    // invalid QTime when no time can be read

// VB DateSerial arithmetic: day and month may fall outside their ranges and roll over.
QDate DateSerial(int anio, int mes, int dia);
}
