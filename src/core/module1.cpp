#include "module1.h"

#include <memory>

namespace Module1 {
QString CodigoTitular;
QString NombreTitular;
QString ClaveAcceso;
qint32 TotalRemotoDia = 0;
QDateTime FechaDescarga;

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
}
