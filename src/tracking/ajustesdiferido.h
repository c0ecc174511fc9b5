#pragma once
// The playback settings: the fixed entries of the speed, zoom and thinning lists, and what each
// text stands for.
#include <QString>
#include <QStringList>
#include <optional>

namespace AjustesDiferido {
// "Muy Lento" .. "Muy Rápido" (cmbspeed and cmbspeedinicial).
QStringList EntradasVelocidad();
// "Nulo" .. "Muy Amplio" (cmbzoom); entry 5, "Mediano", is the initial one.
QStringList EntradasZoom();
// "Todos los puntos" .. "Cada 10 puntos" (cmbseguiminetoen).
QStringList EntradasSeguimiento();

constexpr int ZoomInicial = 5;
constexpr int VelocidadInicial = 1;  // "Lento"

// Timer interval in ms for a speed text (exact comparison); none for any other text.
std::optional<int> IntervaloVelocidad(const QString &texto);
// Zoom level as decimal text for a zoom text (letter case ignored); none for any other text.
std::optional<QString> NivelZoom(const QString &texto);
// Rows each step advances for a thinning text (exact comparison; "Cada 5 puntos" is recognised
// although the list does not offer it); 0 for any other text.
int PasoSeguimiento(const QString &texto);
}
