#include "module1.h"

#include <memory>

namespace Module1 {
QString CodigoTitular;
QString NombreTitular;
QString ClaveAcceso;

namespace {
std::unique_ptr<ADOSQLSERVER> servidorRemoto;
std::unique_ptr<ADOSQLSERVER> baseLocal;
}

ADOSQLSERVER &ServidorRemoto()
{
    if (!servidorRemoto)
        servidorRemoto = std::make_unique<ADOSQLSERVER>();
    return *servidorRemoto;
}

ADOSQLSERVER &BaseLocal()
{
    if (!baseLocal)
        baseLocal = std::make_unique<ADOSQLSERVER>();
    return *baseLocal;
}

void LiberarConexiones()
{
    servidorRemoto.reset();
    baseLocal.reset();
}

QString ConvFechaDMA(const QDate &Fecha)
{
    return QStringLiteral("%1/%2/%3")
        .arg(Fecha.day(), 2, 10, QLatin1Char('0'))
        .arg(Fecha.month(), 2, 10, QLatin1Char('0'))
        .arg(Fecha.year());
}
}
