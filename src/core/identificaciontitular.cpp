#include "identificaciontitular.h"

#include "module1.h"
#include "titularservicio.h"

#include "comillas.h"
#include "dialogos.h"
#include "esquema.h"

#include <QFile>

using Module1::BaseLocal;
using Module1::ServidorRemoto;

namespace {
using Resultado = ResultadoIdentificacion;

void falloServicio(const DatosTitular &d)
{
    MsgBox(QStringLiteral("No se ha podido consultar el titular en el servicio: %1").arg(d.error), vb::vbCritical,
           QString());
}

// A fresh local file does not know its holder yet: ask for the code once and keep it.
Resultado PrimerArranque(QString &codigo)
{
    for (;;) {
        const QString escrito =
            InputBox(QStringLiteral("Es la primera vez que se usa este equipo.\n"
                                    "Escriba el código de titular (CIF/NIF) con el que está dado de alta en el servicio:"),
                     QStringLiteral("Primer arranque"), QString())
                .trimmed();
        if (escrito.isEmpty())
            return Resultado::Salir;
        if (!CodigoTitularAdmisible(escrito)) {
            MsgBox(QStringLiteral("El código de titular debe ser un CIF o NIF: nueve letras y cifras, sin espacios ni "
                                  "signos (por ejemplo B84512370)."),
                   vb::vbExclamation, QString());
            continue;
        }
        const DatosTitular d = LeerTitularServicio(ServidorRemoto(), escrito);
        if (d.estado == DatosTitular::Fallo) {
            falloServicio(d);
            return Resultado::Atascado;
        }
        if (d.estado == DatosTitular::Desconocido) {
            MsgBox(QStringLiteral("El servicio no tiene ningún titular con el código %1. Compruebe el código y "
                                  "vuelva a escribirlo.").arg(escrito),
                   vb::vbExclamation, QString());
            continue;
        }
        if (BaseLocal().Execute(QStringLiteral("INSERT INTO Titular VALUES('") + EscaparComillas(d.codigo) +
                                QStringLiteral("')")) != 1) {
            MsgBox(QStringLiteral("No se ha podido guardar el titular en la base de datos local: %1")
                       .arg(BaseLocal().UltimoError()),
                   vb::vbCritical, QString());
            return Resultado::Atascado;
        }
        codigo = d.codigo;
        return Resultado::Bien;
    }
}
}

bool ConectarBases()
{
    if (!ServidorRemoto().ConectarMERLAN())
        return false;
    if (!QFile::exists(RutaBaseLocal())) {
        QString error;
        if (!CrearBaseLocal(RutaBaseLocal(), error)) {
            MsgBox(error, vb::vbOKOnly, TituloAplicacion());
            return false;
        }
    }
    return BaseLocal().ConectarLOCAL();
}

ResultadoIdentificacion IdentificarTitular()
{
    QString codigo;
    auto rs = BaseLocal().DevuelveRecordset(QStringLiteral("Select * from [TITULAR]"));
    if (rs) {
        codigo = rs->Texto(0);
    } else if (BaseLocal().UltimaOperacionFallida()) {
        return Resultado::Atascado;
    } else {
        const Resultado r = PrimerArranque(codigo);
        if (r != Resultado::Bien)
            return r;
    }
    if (!CodigoTitularAdmisible(codigo)) {
        MsgBox(QStringLiteral("El código de titular guardado en la base local (%1) no es un CIF ni un NIF. "
                              "Hable con el administrador.").arg(codigo),
               vb::vbExclamation, QString());
        return Resultado::Atascado;
    }
    const DatosTitular d = LeerTitularServicio(ServidorRemoto(), codigo);
    if (d.estado == DatosTitular::Desconocido) {
        MsgBox(QStringLiteral("El titular %1 no figura en el servicio. Hable con el administrador.").arg(codigo),
               vb::vbExclamation, QString());
        return Resultado::Atascado;
    }
    if (d.estado == DatosTitular::Fallo) {
        falloServicio(d);
        return Resultado::Atascado;
    }
    Module1::CodigoTitular = codigo;
    Module1::NombreTitular = d.nombre;
    Module1::ClaveAcceso = d.clave;
    return Resultado::Bien;
}
