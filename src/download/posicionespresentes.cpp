#include "posicionespresentes.h"

#include "fechastexto.h"
#include "fechaflotante.h"
#include "proveedor.h"


namespace {
// Locators compare as the service does (letter case and trailing blanks ignored); times to the
// second, as the local file keeps them.
QString clave(const QVariant &imei, const QVariant &fecha)
{
    const QDateTime f = AFlotante(fecha.toDateTime());
    return ClaveTextoTSQL(imei.toString()) + u'|' + f.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}
}

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
    const auto it = cuenta.find(clave(fila.valores.value(0), fila.valores.value(1)));
    if (it == cuenta.end() || it.value() == 0)
        return false;
    --it.value();
    return true;
}
