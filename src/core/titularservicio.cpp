#include "titularservicio.h"

#include "adosqlserver.h"
#include "comillas.h"

#include <QRegularExpression>

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
    // NIF (8 digits and a letter), NIE (X, Y or Z, 7 digits and a letter), CIF (a letter of the
    // company's kind, 7 digits and a digit or letter). The check character is the service's business.
    static const QRegularExpression forma(QStringLiteral("^(?:[0-9]{8}[A-Z]|[XYZ][0-9]{7}[A-Z]|[A-HJNP-SUVW][0-9]{7}[0-9A-J])$"),
                                          QRegularExpression::CaseInsensitiveOption);
    return forma.match(codigo).hasMatch();
}
