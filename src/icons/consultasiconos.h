#pragma once
// The locator icons window's work without a screen: its SQL texts on the local file, the
// reading and storing of a locator's icon, and the preview page's statement.
#include <QString>
#include <QStringList>
#include <optional>

class ADOSQLSERVER;

namespace ConsultasIconos {
// The locators found in the local positions.
QString SqlLocalizadores();
// The locator's row of LOCALIZADORES (its icon is the second field).
QString SqlIconoLocalizador(const QString &localizador);
// The row for a locator seen the first time; it fails quietly when the row exists.
QString SqlInsertarIcono(const QString &localizador, const QString &icono);
QString SqlActualizarIcono(const QString &localizador, const QString &icono);
// The preview page's call that shows an icon's picture (its name + ".png").
QString SentenciaImagen(const QString &icono);

// The locators of the local positions, in the order the file returns them.
QStringList Localizadores(ADOSQLSERVER &base);
// The stored icon of a locator; nothing when it has no row.
std::optional<QString> IconoGuardado(ADOSQLSERVER &base, const QString &localizador);
// Stores the icon: the insert, then the update; errors of either are ignored. Nothing is stored
// without a locator or an icon.
void GrabarIcono(ADOSQLSERVER &base, const QString &localizador, const QString &icono);
}
