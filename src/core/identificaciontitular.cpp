#include "identificaciontitular.h"

#include "module1.h"
#include "titularservicio.h"

#include "comillas.h"
#include "dialogos.h"
#include "esquema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using Module1::BaseLocal;
using Module1::ServidorRemoto;

namespace {
using Resultado = ResultadoIdentificacion;

// The engine's reason in Spanish where it is one of the usual ones.
QString motivoLocal(const QString &texto)
{
    static const std::pair<const char *, const char *> conocidos[] = {
        {"file is not a database", "el archivo no es una base de datos o está dañado"},
        {"malformed", "el archivo está dañado"},
        {"readonly database", "el archivo es de solo lectura"},
        {"read-only", "la carpeta o el archivo es de solo lectura"},
        {"unable to open database file", "no se puede abrir el archivo"},
        {"no such table", "al archivo le faltan tablas del programa"},
        {"no such column", "al archivo le faltan columnas del programa"},
        {"disk is full", "no queda espacio libre en el disco"},
        {"database is locked", "otro programa está usando el archivo"},
    };
    for (const auto &[en, es] : conocidos)
        if (texto.contains(QLatin1String(en), Qt::CaseInsensitive))
            return QString::fromUtf8(es) + QStringLiteral(" (") + texto + ')';
    return texto;
}

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

QString TextoFalloServicio(const QString &motivo)
{
    return QStringLiteral("No se puede conectar con el servidor del servicio de localización.\nMotivo: %1\n"
                          "Compruebe la conexión a Internet y vuelva a intentarlo; si sigue sin conectar, avise al "
                          "servicio técnico. La base de datos de este equipo no se ha tocado.").arg(motivo);
}

QString TextoFalloBaseLocal(const QString &ruta, const QString &motivo, bool creando)
{
    const QString carpeta = QDir::toNativeSeparators(QFileInfo(ruta).absolutePath());
    const bool escribible = QFileInfo(QFileInfo(ruta).absolutePath()).isWritable();
    QString consejo;
    if (!escribible && QFileInfo::exists(QFileInfo(ruta).absolutePath()))
        consejo = QStringLiteral("La carpeta %1 no permite escribir: dé permiso de escritura en ella o instale el programa "
                                 "en otra carpeta.").arg(carpeta);
    else if (creando)
        consejo = QStringLiteral("Compruebe que la carpeta del programa permite escribir y que queda espacio en el disco.");
    else
        consejo = QStringLiteral("Si el archivo está dañado, recupere una copia de seguridad copiándola en %1 con el nombre "
                                 "datoslocalizador.sdf.").arg(carpeta);
    return QStringLiteral("El servidor del servicio responde, pero no se puede %1 la base de datos de este equipo "
                          "(%2).\nMotivo: %3\n%4")
        .arg(creando ? QStringLiteral("crear") : QStringLiteral("abrir"), QDir::toNativeSeparators(ruta), motivoLocal(motivo), consejo);
}

bool ConectarBases()
{
    if (!ServidorRemoto().ConectarCon(ADOSQLSERVER::CadenaRemota(), false)) {
        MsgBox(TextoFalloServicio(ServidorRemoto().UltimoError()), vb::vbCritical, TituloAplicacion());
        return false;
    }
    const QString ruta = RutaBaseLocal();
    QString error;
    if (!QFile::exists(ruta) && !CrearBaseLocal(ruta, error)) {
        MsgBox(TextoFalloBaseLocal(ruta, error, true), vb::vbCritical, TituloAplicacion());
        return false;
    }
    if (!BaseLocal().ConectarLOCAL(false)) {
        MsgBox(TextoFalloBaseLocal(ruta, BaseLocal().UltimoError(), false), vb::vbCritical, TituloAplicacion());
        return false;
    }
    return true;
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
