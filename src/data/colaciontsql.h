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
