#pragma once
// Position rows for fixtures: the local DATOS table (or the service's POSICIONES) filled with
// known rows in one transaction, outside the program's classes.
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

struct Posicion {
    QString imei = QStringLiteral("356000000000001");
    QDateTime fecha;  // wall-clock time, no zone
    QString latitud = QStringLiteral("40.41");
    QString longitud = QStringLiteral("-3.70");
    QString velocidad = QStringLiteral("10");
    QString informacion = QStringLiteral("GPS");
    QString zona = QStringLiteral("Nave 1");  // null: NULL in the table
};

namespace Posiciones {
QString iso(const QDateTime &f);  // the stored form, yyyy-MM-dd HH:mm:ss
// The INSERT of one row into DATOS, every value quoted.
QString sqlLocal(const Posicion &p);
// The same row as the service keeps it, for the holder.
QString sqlServicio(const Posicion &p, const QString &titular);
// n rows from `desde`, one every `segundos` s, moving north by `pasoGrados` each.
QList<Posicion> recta(const QDateTime &desde, int n, int segundos = 7, double pasoGrados = 0.001);
// Writes the rows into the local file / the demo service file of the current application folder.
bool guardarLocal(const QList<Posicion> &filas);
bool guardarServicio(const QList<Posicion> &filas, const QString &titular);
// How many of an instance's sent texts start with `inicio`.
int contar(const QStringList &enviados, const QString &inicio);
}
