#pragma once
// The local database file: where it lies and how a new one is made (what an installer would ship).
#include <QString>

QString RutaBaseLocal();       // <application folder>/DATOS/datoslocalizador.sdf
// Creates the local file with its tables. A file already there is left alone (answers false).
// The file is built beside its final name and moved into place complete.
bool CrearBaseLocal(const QString &ruta, QString &error);
// The statements that make the local tables, in order.
QStringList EsquemaLocal();
