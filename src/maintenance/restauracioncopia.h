#pragma once
// The restore of a backup over the local database: the chosen file is copied beside the local
// one and checked there (tables and columns the program uses, a holder code, dates it can read);
// a copy of another holder is only taken when the user says so; the database it replaces is kept
// beside it, under a name the restore itself accepts, so that a wrong restore can be undone.
#include <QString>

#include <functional>

class ADOSQLSERVER;

// A message for the user: the text and MsgBox style; no text, nothing to show.
struct Aviso {
    QString texto;
    int estilo = 0;
};

// Whether a and b are the same existing file.
bool MismoArchivo(const QString &a, const QString &b);
// Reconnects the local database after file work; a failure is added to error.
bool ReconectarLocal(ADOSQLSERVER &base, QString &error);

// Whether ruta is a database of this program that can take the place of the local one: it opens
// as a database, passes the integrity check, has every table and column the program uses, a
// holder code of CIF/NIF form in Titular and positions whose dates it can read. Answers false
// with the reason; titular receives the copy's holder code. Opening may bring an older file's
// schema up to date: check a copy, not the user's own file.
bool ComprobarCopiaRestaurable(const QString &ruta, QString &error, QString *titular = nullptr);

enum class ResultadoRestauracion {
    Restaurada,   // the local database is now the chosen file's content, and connected
    MismaBase,    // the chosen file is the local database itself: nothing done
    Rechazada,    // the chosen file is no usable database: nothing touched
    Cancelada,    // the copy is another holder's and the user kept the current database
    Fallida,      // preparing, replacing or reconnecting failed (error says why); reconnected if it can be
};

// Asked when the copy belongs to another holder: true to restore it all the same.
using AceptarOtroTitular = std::function<bool(const QString &titularCopia)>;

// Puts the content of ruta in place of the local database. titularActual is the holder the
// program works for. On success anterior holds where the replaced database was kept (empty when
// there was none).
ResultadoRestauracion RestaurarCopiaSeguridad(ADOSQLSERVER &base, const QString &ruta, const QString &titularActual,
                                              const AceptarOtroTitular &aceptar, QString &error, QString &anterior);
// The restore of a chosen file for Module1's holder, asking through the dialogs. Only a path
// holding "datoslocalizador.sdf" (any letter case) is taken; any other, or none, does nothing.
Aviso Recuperar(ADOSQLSERVER &base, const QString &ruta);
