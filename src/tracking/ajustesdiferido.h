#pragma once
// The playback settings: the fixed entries of the speed, zoom and thinning lists, and what each
// text stands for.
#include <QString>
#include <QStringList>
#include <optional>

namespace AjustesDiferido {
// "Muy Lento" .. "Muy Rápido", then the time-true entries "Tiempo real ×1" .. "×300" (cmbspeed and
// cmbspeedinicial).
QStringList EntradasVelocidad();
// "Nulo" .. "Muy Amplio" (cmbzoom); entry 5, "Mediano", is the initial one.
QStringList EntradasZoom();
// "Todos los puntos" .. "Cada 10 puntos" (cmbseguiminetoen).
QStringList EntradasSeguimiento();

constexpr int ZoomInicial = 5;
constexpr int VelocidadInicial = 1;  // "Lento"

// Timer interval in ms for a speed text (exact comparison); none for any other text.
std::optional<int> IntervaloVelocidad(const QString &texto);
// The factor of a time-true speed text ("Tiempo real ×60": 60); none for any other text.
std::optional<int> FactorTiempoReal(const QString &texto);
// The interval before the next point at a time-true speed: the recorded time to it divided by the
// factor, between 1 ms and IntervaloMaximoTiempoReal.
constexpr int IntervaloMaximoTiempoReal = 2000;
int IntervaloTiempoReal(qint64 msHastaSiguiente, int factor);
// Zoom level as decimal text for a zoom text (letter case ignored); none for any other text.
std::optional<QString> NivelZoom(const QString &texto);
// Rows each step advances for a thinning text (exact comparison; "Cada 5 puntos" is recognised
// although the list does not offer it); 0 for any other text.
int PasoSeguimiento(const QString &texto);
}
