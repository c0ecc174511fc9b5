#pragma once
// The demo service: a database with the service's tables and view, filled with realistic,
// deterministic data relative to a given day, for running the program without the real server.
#include <QDate>
#include <QString>
#include <QStringList>

namespace Demo {
// The holder a demo user signs in as.
inline const QString Titular = QStringLiteral("B84512370");
inline const QString NombreTitular = QStringLiteral("Transportes Vardén S.L.");
inline const QString Clave = QStringLiteral("kv2026");
inline const QString Ciudad = QStringLiteral("Madrid");
// A second holder, whose rows must never reach the first holder's client.
inline const QString OtroTitular = QStringLiteral("A28999111");
inline const QString OtroNombre = QStringLiteral("Logística del Sur S.A.");
inline const QString OtraClave = QStringLiteral("sur");

// Locators of the demo holder (IMEI) and of the other holder.
QStringList Localizadores();
QStringList LocalizadoresOtroTitular();

struct Zona {
    QString nombre;
    QList<QPair<double, double>> vertices;  // latitude, longitude
};
QList<Zona> Zonas();
// The vertex list text of a zone: "(lat,lon)(lat,lon)...".
QString TextoVertices(const Zona &z);
// The area of a zone in square metres, as text with a decimal comma and two decimals.
QString TextoArea(const Zona &z);
// Whether a point lies inside a polygon (even-odd rule).
bool DentroDe(const Zona &z, double lat, double lon);
}

// Creates the service database at ruta with data for the 60 days before hoy.
// The file is built beside its final name and moved into place complete.
bool CrearServicioDemo(const QString &ruta, const QDate &hoy, QString &error);
// The service's tables and view with no rows (for tests that fill in rows of their own).
bool CrearServicioVacio(const QString &ruta, QString &error);
// Creates it when missing (relative to today); answers whether the file is there afterwards.
bool AsegurarServicioDemo(const QString &ruta);
