#pragma once
// Runtime services the windows lean on: the application folder, event pumping,
// twips and the mouse pointer.
#include <QString>

// The folder that holds the program (no trailing separator).
QString CarpetaAplicacion();
// Tests point the program at a temporary application folder; empty restores the real one.
void EstablecerCarpetaAplicacion(const QString &carpeta);

// Loads Qt's own Spanish texts for the standard dialogs (file, print, colour...).
void InstalarTraduccionesQt();
// Qt's dialogs write dates (a file's modification time) in the system's time format: made Spanish
// here, whatever the session's language. Call before the application object exists.
void FijarFechasEspanolas();

// With TZ unset, the C library checks /etc/localtime again at every local-time conversion (one per
// date read from the database). Naming the same zone file once keeps the zone and drops that cost.
void FijarZonaHoraria();

// Lets pending user-interface events run once.
void DoEvents();

// Twips (1/1440 inch) <-> pixels with the screen's logical DPI.
int TwipsAPixelesX(int twips);
int TwipsAPixelesY(int twips);
int PixelesATwipsX(int pixeles);
int PixelesATwipsY(int pixeles);
int AnchoPantallaTwips();
int AltoPantallaTwips();

// Mouse pointer styles: 0 default, 11 hourglass, 99 custom (the arrow again).
namespace vb { constexpr int vbDefault = 0, vbHourglass = 11, vbCustom = 99; }
void PunteroRaton(int estilo);
int PunteroRatonActual();

// Shows the hourglass while it lives and restores the pointer style that was set before.
class RelojArena {
public:
    RelojArena();
    ~RelojArena();
    RelojArena(const RelojArena &) = delete;
    RelojArena &operator=(const RelojArena &) = delete;
private:
    int anterior;
};
