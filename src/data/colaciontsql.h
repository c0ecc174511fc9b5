#pragma once
// Where the program's SQL compares, groups, orders or picks distinct values of a text column
// that SQL Server compares without regard to letter case and trailing blanks. The files keep no
// collation of their own (so that standard SQLite tools can open and check them); the translation
// names the comparison at each such place instead.
#include "lexicotsql.h"

#include <QStringList>

// The text columns the program filters and groups on.
bool EsColumnaTextoTSQL(const QString &nombre);

// For each token, the text to write right after it: " COLLATE TSQL" after such a column where it
// is compared (=, <>, <, >, IN, BETWEEN, on either side, never in an UPDATE's SET), grouped or
// ordered, and " COLLATE TSQL AS <name>" after a DISTINCT column; empty elsewhere.
QStringList SufijosColacion(const TokensTSQL &tk);

// The key under which equal values of such a column sort together in an index made of SQLite's own
// functions only: trailing blanks dropped, ASCII letters lowered (the collation's order on ASCII).
// Values the collation calls equal share a key when they are ASCII; the exact comparison is still
// applied to the rows the key finds.
QString ClaveTextoIndice(const QString &columna);
