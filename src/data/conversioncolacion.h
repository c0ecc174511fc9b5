#pragma once
// Files made before the schema named no collation of its own carry "COLLATE TSQL" in their
// tables and a unique (IMEI, FECHA) key: standard SQLite tools cannot check or repair them, and
// that key refuses a second position of a locator within one second. On opening, such a file is
// brought to the present schema in place: every row kept, the key dropped, indexes rebuilt. A file
// without the index of a locator's days (esquema.h) gets it then too.
#include <QString>

class QSqlDatabase;

// Answers true when the file needed nothing or was converted; false, with the error, otherwise
// (the file is then as it was).
bool ConvertirEsquemaAntiguo(QSqlDatabase &db, QString &error);
