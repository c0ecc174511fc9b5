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

bool Guardar(ADOSQLSERVER &servidor, const QString &titular, const QString &ciudad, QString &motivo)
{
    const bool insertada = servidor.Execute(QStringLiteral("Insert into MiCiudad Values('") + EscaparComillas(titular) +
                                            QStringLiteral("','") + EscaparComillas(ciudad) + QStringLiteral("')")) == 1;
    const QString motivoInsercion = servidor.UltimoError();
    const bool cambiada = servidor.Execute(QStringLiteral("Update Miciudad SET [Mi Ciudad]='") + EscaparComillas(ciudad) +
                                           QStringLiteral("' where titular='") + EscaparComillas(titular) + '\'') >= 1;
    if (insertada || cambiada)
        return true;
    // The insert is refused whenever the row exists: the update's reason tells more, when it has one.
    motivo = servidor.UltimaOperacionFallida() ? servidor.UltimoError() : motivoInsercion;
    if (motivo.isEmpty())
        motivo = QStringLiteral("el servidor no tiene ninguna fila de ciudad para el titular %1").arg(titular);
    return false;
}

}
