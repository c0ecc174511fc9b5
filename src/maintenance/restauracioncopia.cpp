#include "restauracioncopia.h"

#include "adosqlserver.h"
#include "archivos.h"
#include "dialogos.h"
#include "esquema.h"
#include "module1.h"
#include "operacionesmantenimiento.h"
#include "proveedor.h"
#include "titularservicio.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <filesystem>

namespace {
// The columns of the local tables that the program reads or writes.
struct TablaUsada {
    const char *nombre;
    QStringList columnas;
};
const QList<TablaUsada> &tablasUsadas()
{
    static const QList<TablaUsada> t = {
        {"DATOS", {"IMEI", "FECHA", "LATITUD", "LONGITUD", "VELOCIDAD", "INFORMACION", "ZONA"}},
        {"LOCALIZADORES", {"NOMBRE", "Icono"}},
        {"Titular", {"TITULAR"}},
    };
    return t;
}

// Journal files of a SQLite database that are not part of another file's content.
ResultadoArchivo borrarDiarios(const QString &ruta)
{
    for (const char *sufijo : {"-journal", "-wal", "-shm"}) {
        const QString diario = ruta + QLatin1String(sufijo);
        if (QFileInfo::exists(diario))
            if (ResultadoArchivo r = BorrarArchivo(diario); !r)
                return r;
    }
    return {};
}

void borrarConDiarios(const QString &ruta)
{
    QFile::remove(ruta);
    borrarDiarios(ruta);
}

QStringList columna(Proveedor &p, const QString &sql, int i, QString &error)
{
    QStringList r;
    if (auto rs = p.Consultar(sql, error))
        for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext())
            r << rs->Texto(i);
    return r;
}

// Why the open database is no copy of the program's, or empty.
QString motivoRechazo(Proveedor &p, QString &titular)
{
    QString error;
    const QStringList informe = columna(p, QStringLiteral("PRAGMA integrity_check"), 0, error);
    if (!error.isEmpty())
        return error;
    if (informe != QStringList{QStringLiteral("ok")})
        return informe.isEmpty() ? QStringLiteral("La comprobación de integridad no ha dado respuesta.") : informe.join('\n');
    for (const TablaUsada &t : tablasUsadas()) {
        const QStringList hay = columna(p, QStringLiteral("PRAGMA table_info([%1])").arg(QLatin1String(t.nombre)), 1, error);
        if (!error.isEmpty())
            return error;
        if (hay.isEmpty())
            return QStringLiteral("Falta la tabla %1.").arg(QLatin1String(t.nombre));
        QStringList faltan;
        for (const QString &c : t.columnas)
            if (!hay.contains(c, Qt::CaseInsensitive))
                faltan << c;
        if (!faltan.isEmpty())
            return QStringLiteral("A la tabla %1 le faltan las columnas %2.").arg(QLatin1String(t.nombre), faltan.join(QStringLiteral(", ")));
    }
    const QStringList titulares = columna(p, QStringLiteral("SELECT TITULAR FROM Titular"), 0, error);
    if (!error.isEmpty())
        return error;
    titular = titulares.value(0).trimmed();
    if (titulares.size() != 1 || !CodigoTitularAdmisible(titular))
        return QStringLiteral("No contiene un código de titular válido.");
    const QStringList ilegibles = columna(
        p, QStringLiteral("SELECT count(*) FROM DATOS WHERE typeof(FECHA) <> 'text' OR FECHA NOT GLOB "
                          "'[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]*'"), 0, error);
    if (!error.isEmpty())
        return error;
    if (ilegibles.value(0).toLongLong() > 0)
        return QStringLiteral("Tiene %1 posiciones con una fecha que el programa no puede leer.").arg(ilegibles.value(0));
    return QString();
}

// DATOS/anterior_<date>_datoslocalizador.sdf: beside the database, and taken by the restore.
QString rutaAnterior(const QString &local)
{
    const QString sello = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_HHmmss"));
    QString r = QFileInfo(local).dir().filePath(QStringLiteral("anterior_%1_datoslocalizador.sdf").arg(sello));
    for (int n = 2; QFileInfo::exists(r); ++n)
        r = QFileInfo(local).dir().filePath(QStringLiteral("anterior_%1_%2_datoslocalizador.sdf").arg(sello).arg(n));
    return r;
}
}  // namespace

bool MismoArchivo(const QString &a, const QString &b)
{
    std::error_code ec;
    return QFileInfo::exists(a) && QFileInfo::exists(b) &&
           std::filesystem::equivalent(QFile::encodeName(a).toStdString(), QFile::encodeName(b).toStdString(), ec);
}

bool ReconectarLocal(ADOSQLSERVER &base, QString &error)
{
    if (base.ConectarLOCAL())
        return true;
    const QString motivo = QStringLiteral("No se pudo volver a conectar la base de datos local: ") + base.UltimoError();
    error = error.isEmpty() ? motivo : error + '\n' + motivo;
    return false;
}

bool ComprobarCopiaRestaurable(const QString &ruta, QString &error, QString *titular)
{
    error.clear();
    if (!QFileInfo(ruta).isFile()) {
        error = QStringLiteral("No se encuentra el archivo %1").arg(QDir::toNativeSeparators(ruta));
        return false;
    }
    DestinoConexion d;
    d.tipo = DestinoConexion::Sqlite;
    d.ruta = ruta;
    auto p = CrearProveedor(d);
    QString texto, codigo;
    if (p->Abrir(texto))
        texto = motivoRechazo(*p, codigo);
    else if (texto.isEmpty())
        texto = QStringLiteral("No se puede abrir como base de datos.");
    p->Cerrar();
    if (titular)
        *titular = codigo;
    if (!texto.isEmpty())
        error = QStringLiteral("El archivo no es una copia de seguridad válida de este programa.\n%1").arg(texto);
    return texto.isEmpty();
}

ResultadoRestauracion RestaurarCopiaSeguridad(ADOSQLSERVER &base, const QString &ruta, const QString &titularActual,
                                              const AceptarOtroTitular &aceptar, QString &error, QString &anterior)
{
    error.clear();
    anterior.clear();
    const QString local = RutaBaseLocal();
    if (MismoArchivo(ruta, local))
        return ResultadoRestauracion::MismaBase;
    if (!QFileInfo(ruta).isFile()) {
        error = QStringLiteral("No se encuentra el archivo %1").arg(QDir::toNativeSeparators(ruta));
        return ResultadoRestauracion::Rechazada;
    }
    // The chosen file is only read: the copy beside the local database is what gets checked and used.
    const QString nueva = local + QStringLiteral(".restaurando~");
    borrarConDiarios(nueva);
    if (ResultadoArchivo r = CopiarArchivo(ruta, nueva); !r) {
        error = QStringLiteral("No se pudo restaurar la copia de seguridad: ") + r.descripcion;
        return ResultadoRestauracion::Fallida;
    }
    QString titular;
    if (!ComprobarCopiaRestaurable(nueva, error, &titular)) {
        borrarConDiarios(nueva);
        return ResultadoRestauracion::Rechazada;
    }
    if (!titularActual.isEmpty() && !MismoTextoTSQL(titular, titularActual) && !(aceptar && aceptar(titular))) {
        borrarConDiarios(nueva);
        return ResultadoRestauracion::Cancelada;
    }

    base.CerrarMERLAN();
    ResultadoArchivo r;
    if (QFileInfo::exists(local)) {
        anterior = rutaAnterior(local);
        r = RenombrarArchivo(local, anterior);
        if (r)
            r = borrarDiarios(local);
    }
    if (r) {
        r = RenombrarArchivo(nueva, local, true);
        if (!r && !anterior.isEmpty())
            RenombrarArchivo(anterior, local);  // the database that was there goes back
    }
    if (!r) {
        anterior.clear();
        borrarConDiarios(nueva);
        error = QStringLiteral("No se pudo restaurar la copia de seguridad: ") + r.descripcion;
    }
    if (!ReconectarLocal(base, error) || !r)
        return ResultadoRestauracion::Fallida;
    // The spare copy is no longer needed once the restored database is in use.
    if (ArchivoExiste(RutaCopiaTemporal()))
        BorrarArchivo(RutaCopiaTemporal());
    return ResultadoRestauracion::Restaurada;
}

Aviso Recuperar(ADOSQLSERVER &base, const QString &ruta)
{
    if (!ruta.toUpper().contains(QLatin1String("DATOSLOCALIZADOR.SDF")))
        return {};
    const QString actual = Module1::CodigoTitular;
    auto aceptar = [&actual](const QString &titularCopia) {
        return MsgBox(QStringLiteral("La copia de seguridad pertenece al titular %1, no al de este equipo (%2).\n"
                                     "Si la recupera, el programa trabajará con los datos de ese titular.\n"
                                     "¿Quiere recuperarla de todos modos?").arg(titularCopia, actual),
                      vb::vbYesNo + vb::vbExclamation, QStringLiteral("Atención")) == vb::vbYes;
    };
    QString error, anterior;
    switch (RestaurarCopiaSeguridad(base, ruta, actual, aceptar, error, anterior)) {
    case ResultadoRestauracion::Restaurada:
        return {QStringLiteral("Se restauró la Copia de Seguridad") +
                    (anterior.isEmpty() ? QString()
                                        : QStringLiteral("\nLa base de datos que había se ha guardado en %1; para deshacer la "
                                                         "restauración, recupere ese archivo.").arg(QDir::toNativeSeparators(anterior))),
                vb::vbExclamation};
    case ResultadoRestauracion::MismaBase:
        return {QStringLiteral("Ese archivo es la base de datos en uso: no hay nada que recuperar."), vb::vbInformation};
    case ResultadoRestauracion::Rechazada:
        return {QStringLiteral("No se ha recuperado la copia: la base de datos actual no se ha tocado.\n") + error,
                vb::vbExclamation};
    case ResultadoRestauracion::Cancelada:
        return {};
    case ResultadoRestauracion::Fallida:
        break;
    }
    return {error, vb::vbCritical};
}
