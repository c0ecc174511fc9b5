#pragma once
// The local database file: where it lies and how a new one is made (what an installer would ship).
#include <QString>

#include <functional>

class QSqlDatabase;

QString RutaBaseLocal();       // <application folder>/DATOS/datoslocalizador.sdf
// Creates the local file with its tables. A file already there is left alone (answers false).
// The file is built beside its final name and moved into place complete.
bool CrearBaseLocal(const QString &ruta, QString &error);
// The statements that make the local tables, in order.
QStringList EsquemaLocal();
// The index of a locator's positions in time, on the locator's key (ClaveTextoIndice) and FECHA.
QString IndiceLocalizadorFecha();

// Builds a new SQLite database at ruta: relleno fills it inside one transaction on a connection
// of its own (with the TSQL collation), beside the final name; the complete file is then moved
// into place. Nothing is left behind on failure.
bool ConstruirBaseNueva(const QString &ruta, const std::function<bool(QSqlDatabase &, QString &)> &relleno,
                        QString &error);
