#include "titularservicio.h"

#include "adosqlserver.h"
#include "comillas.h"

DatosTitular LeerTitularServicio(ADOSQLSERVER &remoto, const QString &codigo)
{
    DatosTitular d;
    auto rs = remoto.DevuelveRecordset(QStringLiteral("SELECT TITULAR, NOMBRE, CLAVE FROM TITULARES WHERE TITULAR='") +
                                       EscaparComillas(codigo) + '\'');
    if (rs) {
        d.estado = DatosTitular::Encontrado;
        d.codigo = rs->Texto(0);
        d.nombre = rs->Texto(1);
        d.clave = rs->Fields(2).isNull() ? QString() : rs->Texto(2);
    } else if (remoto.UltimaOperacionFallida()) {
        d.estado = DatosTitular::Fallo;
        d.error = remoto.UltimoError();
    } else {
        d.estado = DatosTitular::Desconocido;
    }
    return d;
}

bool CodigoTitularAdmisible(const QString &codigo)
{
    return !codigo.isEmpty() && !codigo.contains('%') && !codigo.contains('_') && !codigo.contains('[');
}
