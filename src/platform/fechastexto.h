#pragma once
// The date-to-text forms that SQL texts and grids are built with. Each keeps the name the
// program has always used for it.
#include <QDate>
#include <QDateTime>
#include <QString>

// dd/mm/yyyy, the time of day ignored.
QString ConvFechaDMA(const QDate &Fecha);
// MM/dd/yyyy HH:mm:ss; empty for an invalid date.
QString ConvFechayHora(const QDateTime &Fecha);
// MM/dd/yyyy (the purge's limit).
QString ConvFecha(const QDate &Fecha);
// MM/dd/yyyy; empty for an invalid date (the playback's day queries).
QString ConvFecha1(const QDate &Fecha);
// mm/dd/yyyy -> dd/mm/yyyy, by position.
QString ConvFecha2(const QString &Fecha);
