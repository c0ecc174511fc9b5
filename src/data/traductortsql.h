#pragma once
// Turns the program's T-SQL texts into SQLite with the same results as SQL Server gives:
// CONVERT with styles 101/103/114 and DateTime, DatePart, DELETE without FROM, N'' literals,
// and month-first date literals compared with or inserted into FECHA (stored as ISO text).
// A style-101/103 day comparison on a column becomes an index range instead of a scan, and the
// distinct locators and a locator's distinct days are read by index seeks.
// Text columns compared, grouped or ordered get SQL Server's comparison (colaciontsql.h).
#include <QString>

struct Traduccion {
    QString sql;     // the SQLite text
    QString error;   // not empty when the text cannot run (for example an impossible date literal)
    bool ok() const { return error.isEmpty(); }
};

Traduccion TraducirTSQL(const QString &tsql);
