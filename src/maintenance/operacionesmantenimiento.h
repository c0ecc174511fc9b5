#pragma once
// The work behind the maintenance window and its folder chooser, without a screen: the purge,
// the backup and the restore of the local database file, and the chooser's new folder. Each
// action answers what to tell the user; the windows only show it.
#include "fechastexto.h"
#include "restauracioncopia.h"

#include <QDate>
#include <QString>
#include <QStringList>

class ADOSQLSERVER;


// The purge statement: every position before that day (the day itself is kept).
QString TextoPurga(const QDate &Fecha);
// Runs the purge on base: how many rows went, that none did, or why it failed.
Aviso Purgar(ADOSQLSERVER &base, const QDate &Fecha);

// <application folder>/bakdatoslocalizadortemp.sdf, the spare copy each backup leaves.
QString RutaCopiaTemporal();
// The name the backup writes in the chosen folder.
QString NombreCopiaSeguridad();

// Copies the local database to carpeta/datoslocalizador.sdf and to the spare copy, with base's
// connection closed while copying, and reconnects base in every case. An existing copy in carpeta
// is replaced only by a complete one. Answers false with the reason when a copy failed.
bool RealizarCopiaSeguridad(ADOSQLSERVER &base, const QString &carpeta, QString &error);
// The backup into carpeta, and what to tell: that it was made, or why not.
Aviso CopiarBase(ADOSQLSERVER &base, const QString &carpeta);

// Whether ruta lies on the drive unidad ("/" holds every path).
bool DentroDeUnidad(const QString &ruta, const QString &unidad);
// The drive the chooser opens on: the deepest of unidades that holds carpeta (the first when none does).
int UnidadInicial(const QStringList &unidades, const QString &carpeta);

// The chooser's new folder nombre below padre. Answers whether it was made, and in aviso what
// to tell when it was not (a blank name tells nothing).
bool NuevaCarpeta(const QString &padre, const QString &nombre, Aviso &aviso);
