#include "ajustesdiferido.h"

#include <QList>
#include <utility>

namespace AjustesDiferido {
namespace {
const QList<std::pair<QString, int>> &velocidades()
{
    static const QList<std::pair<QString, int>> v = {
        {QStringLiteral("Muy Lento"), 1800}, {QStringLiteral("Lento"), 1000}, {QStringLiteral("Normal"), 300},
        {QStringLiteral("Rápido"), 20},      {QStringLiteral("Muy Rápido"), 1}};
    return v;
}

// Time-true speeds: the recorded time to the next point divided by the factor.
const QList<std::pair<QString, int>> &tiemposReales()
{
    static const QList<std::pair<QString, int>> t = {{QStringLiteral("Tiempo real ×1"), 1},
                                                    {QStringLiteral("Tiempo real ×10"), 10},
                                                    {QStringLiteral("Tiempo real ×60"), 60},
                                                    {QStringLiteral("Tiempo real ×300"), 300}};
    return t;
}

const QList<std::pair<QString, int>> &zooms()
{
    static const QList<std::pair<QString, int>> z = {
        {QStringLiteral("Nulo"), 8},      {QStringLiteral("Muy Escaso"), 11}, {QStringLiteral("Escaso"), 13},
        {QStringLiteral("Muy Poco"), 14}, {QStringLiteral("Poco"), 15},       {QStringLiteral("Mediano"), 16},
        {QStringLiteral("Grande"), 17},   {QStringLiteral("Amplio"), 18},     {QStringLiteral("Muy Amplio"), 20}};
    return z;
}

const QList<std::pair<QString, int>> &pasos()
{
    static const QList<std::pair<QString, int>> p = {
        {QStringLiteral("Todos los puntos"), 1}, {QStringLiteral("Cada 2 puntos"), 2},
        {QStringLiteral("Cada 3 puntos"), 3},    {QStringLiteral("Cada 4 puntos"), 4},
        {QStringLiteral("Cada 5 puntos"), 5},    {QStringLiteral("Cada 6 puntos"), 6},
        {QStringLiteral("Cada 10 puntos"), 10}};
    return p;
}

QStringList nombres(const QList<std::pair<QString, int>> &tabla)
{
    QStringList r;
    for (const auto &e : tabla)
        r << e.first;
    return r;
}
}

QStringList EntradasVelocidad() { return nombres(velocidades()) + nombres(tiemposReales()); }
QStringList EntradasZoom() { return nombres(zooms()); }

QStringList EntradasSeguimiento()
{
    QStringList r = nombres(pasos());
    r.removeOne(QStringLiteral("Cada 5 puntos"));
    return r;
}

std::optional<int> IntervaloVelocidad(const QString &texto)
{
    for (const auto &e : velocidades())
        if (e.first == texto)
            return e.second;
    return std::nullopt;
}

std::optional<int> FactorTiempoReal(const QString &texto)
{
    for (const auto &e : tiemposReales())
        if (e.first == texto)
            return e.second;
    return std::nullopt;
}

int IntervaloTiempoReal(qint64 msHastaSiguiente, int factor)
{
    // Gaps and long waits are shortened to the ceiling; points of the same instant follow at once.
    const qint64 ms = factor > 0 ? msHastaSiguiente / factor : IntervaloMaximoTiempoReal;
    return int(qBound(qint64(1), ms, qint64(IntervaloMaximoTiempoReal)));
}

std::optional<QString> NivelZoom(const QString &texto)
{
    // The words are compared in upper case, i.e. regardless of letter case.
    for (const auto &e : zooms())
        if (e.first.compare(texto, Qt::CaseInsensitive) == 0)
            return QString::number(e.second);
    return std::nullopt;
}

int PasoSeguimiento(const QString &texto)
{
    for (const auto &e : pasos())
        if (e.first == texto)
            return e.second;
    return 0;
}
}
