#include "miciudad.h"

#include "adosqlserver.h"
#include "comillas.h"

namespace MiCiudad {

std::optional<QString> Leer(ADOSQLSERVER &servidor, const QString &titular)
{
    if (auto rs = servidor.DevuelveRecordset(QStringLiteral("Select * from MICIUDAD where Titular='") +
                                             EscaparComillas(titular) + '\''))
        return rs->Texto(1);
    return std::nullopt;
}

void Guardar(ADOSQLSERVER &servidor, const QString &titular, const QString &ciudad)
{
    servidor.Execute(QStringLiteral("Insert into MiCiudad Values('") + EscaparComillas(titular) +
                     QStringLiteral("','") + EscaparComillas(ciudad) + QStringLiteral("')"));
    servidor.Execute(QStringLiteral("Update Miciudad SET [Mi Ciudad]='") + EscaparComillas(ciudad) +
                     QStringLiteral("' where titular='") + EscaparComillas(titular) + '\'');
}

}
