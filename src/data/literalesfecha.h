#pragma once
// The date texts the program's SQL writes, read into the ISO text FECHA is stored as.
// Years before 1753 are out of range, as in SQL Server's datetime.
#include <QDate>
#include <QDateTime>
#include <QString>

// Month-first "M/d/yyyy[ H:mm[:ss[.fff]]]" (or ISO) -> "yyyy-MM-dd HH:mm:ss[.fff]"; empty when not a date.
// "/", "-" and "." all separate the date's parts.
QString LiteralMesPrimeroAISO(const QString &literal);
// The same read day-first: "d/M/yyyy ..." (ISO texts stay year-month-day).
QString LiteralDiaPrimeroAISO(const QString &literal);
// The day of a text of exactly "dd/mm/yyyy" (or "mm/dd/yyyy" when not day-first); invalid otherwise.
QDate DiaDeDiezCifras(const QString &texto, bool diaPrimero);
// A date and time as the ISO text FECHA is stored as; empty when invalid or out of range.
QString FechaAISO(const QDateTime &fecha);
// SQL Server's message for a date text out of range.
QString TextoFechaFueraDeIntervalo(const QString &valor);
