#pragma once
// The holder's own city: one row of MiCiudad per holder, on the remote server.
#include <QString>
#include <optional>

class ADOSQLSERVER;

namespace MiCiudad {

// The city stored for the holder; nothing when the holder has no row (or the read fails).
std::optional<QString> Leer(ADOSQLSERVER &servidor, const QString &titular);
// Inserts the holder's row (refused quietly when there is one already), then names the city in it.
// False when neither statement stored it, with the reason in motivo.
bool Guardar(ADOSQLSERVER &servidor, const QString &titular, const QString &ciudad, QString &motivo);

}
