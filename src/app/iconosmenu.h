#pragma once
// The pictures of the menu buttons, drawn at any size (no image files to ship or lose).
#include <QIcon>
#include <QString>

// clave: "bajardatos", "diferido", "estadisticas", "administrar", "zonas", "tiemporeal", "salir", "aplicacion".
QIcon IconoMenu(const QString &clave);
