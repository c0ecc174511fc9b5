#include "posicionespresentes.h"

#include "fechastexto.h"
#include "fechaflotante.h"
#include "proveedor.h"

#include <cmath>
#include <limits>

namespace {
// Locators compare as the service does (letter case and trailing blanks ignored); times to the
// second, as the local file keeps them.
PosicionesPresentes::Clave clave(const QVariant &imei, const QVariant &fecha)
{
    const QDateTime f = AFlotante(fecha.toDateTime());
    const qint64 segundo =
        f.isValid() ? qint64(std::floor(f.toMSecsSinceEpoch() / 1000.0)) : std::numeric_limits<qint64>::min();
    return {ClaveTextoTSQL(imei.toString()), segundo};
}
}

size_t qHash(const PosicionesPresentes::Clave &c, size_t semilla) { return qHashMulti(semilla, c.imei, c.segundo); }

bool PosicionesPresentes::Cargar(ADOSQLSERVER &local, const QDate &dia)
{
    cuenta.clear();
    auto rs = local.DevuelveRecordset(
        QStringLiteral("SELECT IMEI, FECHA FROM DATOS WHERE CONVERT(nVarChar(100), FECHA, 103) = CONVERT(nVarChar(100),'") +
        ConvFechaDMA(dia) + QStringLiteral("', 103)"));
    if (!rs)
        return !local.UltimaOperacionFallida();  // no rows, or a failure
    for (const QVariantList &f : rs->Filas())
        ++cuenta[clave(f.value(0), f.value(1))];
    return true;
}

bool PosicionesPresentes::Consumir(const FilaDescarga &fila)
{
    if (cuenta.isEmpty())
        return false;  // a day new to the local file: nothing to look up
    const auto it = cuenta.find(clave(fila.valores.value(0), fila.valores.value(1)));
    if (it == cuenta.end() || it.value() == 0)
        return false;
    if (--it.value() == 0)
        cuenta.erase(it);
    return true;
}
