#pragma once
// The work behind the maintenance window, without a screen: the purge text, the backup and the
// restore of the local database file. The window shows the messages; these say what happened.
#include "fechastexto.h"

#include <QDate>
#include <QString>

class ADOSQLSERVER;

// The purge statement: every position before that day (the day itself is kept).
QString TextoPurga(const QDate &Fecha);

// <application folder>/bakdatoslocalizadortemp.sdf, the spare copy each backup leaves.
QString RutaCopiaTemporal();
// The name the backup writes in the chosen folder.
QString NombreCopiaSeguridad();

// Copies the local database to carpeta/datoslocalizador.sdf and to the spare copy, with base's
// connection closed while copying, and reconnects base in every case. An existing copy in carpeta
// is replaced only by a complete one. Answers false with the reason when a copy failed.
bool RealizarCopiaSeguridad(ADOSQLSERVER &base, const QString &carpeta, QString &error);

// Whether ruta is a database of this program that can take the place of the local one: it opens
// as a database, passes the integrity check and has the tables DATOS, LOCALIZADORES and Titular.
// Reads only; answers false with the reason.
bool ComprobarCopiaRestaurable(const QString &ruta, QString &error);

enum class ResultadoRestauracion {
    Restaurada,   // the local database is now the chosen file's content, and connected
    MismaBase,    // the chosen file is the local database itself: nothing done
    Rechazada,    // the chosen file is no usable database: nothing touched
    Fallida,      // replacing or reconnecting failed (error says why); the local base is reconnected if it can be
};

// Puts the content of ruta in place of the local database: checked first, then copied beside the
// local file and renamed over it with base's connection closed; stale journal files are removed;
// base is reconnected; the spare copy is deleted only once all that succeeded.
ResultadoRestauracion RestaurarCopiaSeguridad(ADOSQLSERVER &base, const QString &ruta, QString &error);
