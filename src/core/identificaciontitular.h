#pragma once
// Start-up without a window: connecting both databases (making a missing local file) and
// identifying the holder, asking for the holder's code on the first start.
#include <QString>

// Connects the service and then the local file, making the local file first when it is missing
// (only once the service has answered). False: the reason was shown and the program must end.
bool ConectarBases();
// What the start-up shows when the service cannot be reached, or when the local file cannot be
// made or opened: which of the two failed, where, why, and what the user can do.
QString TextoFalloServicio(const QString &motivo);
QString TextoFalloBaseLocal(const QString &ruta, const QString &motivo, bool creando);

enum class ResultadoIdentificacion { Bien, Atascado, Salir };

// Reads the holder's code from the local file (asking for it on a fresh file), checks it against the
// service and sets Module1's holder code, name and password. Atascado: the program stays open
// without a menu (the reason was shown); Salir: the user gave up on the first start.
ResultadoIdentificacion IdentificarTitular();
