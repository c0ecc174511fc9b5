#include "operacionesmantenimiento.h"

#include "adosqlserver.h"
#include "archivos.h"
#include "dialogos.h"
#include "entorno.h"
#include "esquema.h"
#include "proveedor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <filesystem>

namespace {
bool mismoArchivo(const QString &a, const QString &b)
{
    std::error_code ec;
    return QFileInfo::exists(a) && QFileInfo::exists(b) &&
           std::filesystem::equivalent(QFile::encodeName(a).toStdString(), QFile::encodeName(b).toStdString(), ec);
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

// Reconnects after the file work; a failure is added to what the caller reports.
bool reconectar(ADOSQLSERVER &base, QString &error)
{
    if (base.ConectarLOCAL())
        return true;
    const QString motivo = QStringLiteral("No se pudo volver a conectar la base de datos local: ") + base.UltimoError();
    error = error.isEmpty() ? motivo : error + '\n' + motivo;
    return false;
}
}

QString TextoPurga(const QDate &Fecha)
{
    return QStringLiteral("DELETE  Datos  WHERE  FECHA < '") + ConvFecha(Fecha) + QStringLiteral("'");
}

Aviso Purgar(ADOSQLSERVER &base, const QDate &Fecha)
{
    const int n = base.Execute(TextoPurga(Fecha));
    if (base.UltimaOperacionFallida())
        return {QStringLiteral("No se pudo borrar ningún registro:\n") + base.UltimoError(), vb::vbCritical};
    if (n < 1)
        return {QStringLiteral("No había ningún registro que borrar!"), vb::vbInformation};
    return {QStringLiteral("Se han borrado ") + QString::number(n) + QStringLiteral(" Registros"), vb::vbInformation};
}

QString RutaCopiaTemporal() { return QDir(CarpetaAplicacion()).filePath(QStringLiteral("bakdatoslocalizadortemp.sdf")); }
QString NombreCopiaSeguridad() { return QStringLiteral("datoslocalizador.sdf"); }

bool RealizarCopiaSeguridad(ADOSQLSERVER &base, const QString &carpeta, QString &error)
{
    error.clear();
    const QString local = RutaBaseLocal();
    const QString destino = QDir(carpeta).filePath(NombreCopiaSeguridad());
    base.CerrarMERLAN();
    ResultadoArchivo r;
    if (mismoArchivo(local, destino))
        r = {vb::errAcceso, QStringLiteral("La carpeta elegida es la de la base de datos en uso.")};
    else if (!CarpetaExiste(carpeta))
        r = {vb::errRutaNoEncontrada, QStringLiteral("No se encuentra la carpeta %1").arg(carpeta)};
    else
        r = CopiarArchivo(local, destino);
    if (r)
        r = CopiarArchivo(local, RutaCopiaTemporal());
    if (!r)
        error = r.descripcion;
    const bool conectada = reconectar(base, error);
    return r && conectada;
}

Aviso CopiarBase(ADOSQLSERVER &base, const QString &carpeta)
{
    QString error;
    if (RealizarCopiaSeguridad(base, carpeta, error))
        return {QStringLiteral("Copia de seguridad realizada"), vb::vbExclamation};
    return {QStringLiteral("No se pudo realizar la copia de seguridad.\n") + error, vb::vbCritical};
}

bool ComprobarCopiaRestaurable(const QString &ruta, QString &error)
{
    error.clear();
    if (!QFileInfo(ruta).isFile()) {
        error = QStringLiteral("No se encuentra el archivo %1").arg(ruta);
        return false;
    }
    DestinoConexion d;
    d.tipo = DestinoConexion::Sqlite;
    d.ruta = ruta;
    auto p = CrearProveedor(d);
    QString texto;
    bool ok = false;
    if (p->Abrir(texto)) {
        if (auto rs = p->Consultar(QStringLiteral("PRAGMA integrity_check"), texto)) {
            QStringList informe;
            for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext())
                informe << rs->Texto(0);
            if (informe != QStringList{QStringLiteral("ok")})
                texto = informe.isEmpty() ? QStringLiteral("La comprobación de integridad no ha dado respuesta.") : informe.join('\n');
            else if (auto tablas = p->Consultar(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"), texto)) {
                QSet<QString> hay;
                for (tablas->MoveFirst(); !tablas->Eof(); tablas->MoveNext())
                    hay.insert(tablas->Texto(0).toUpper());
                QStringList faltan;
                for (const char *t : {"DATOS", "LOCALIZADORES", "Titular"})
                    if (!hay.contains(QString::fromLatin1(t).toUpper()))
                        faltan << QString::fromLatin1(t);
                ok = faltan.isEmpty();
                if (!ok)
                    texto = QStringLiteral("Faltan las tablas: %1").arg(faltan.join(QStringLiteral(", ")));
            }
        }
        p->Cerrar();
    }
    if (!ok)
        error = QStringLiteral("El archivo %1 no es una copia de seguridad válida.\n%2").arg(QDir::toNativeSeparators(ruta), texto);
    return ok;
}

ResultadoRestauracion RestaurarCopiaSeguridad(ADOSQLSERVER &base, const QString &ruta, QString &error)
{
    error.clear();
    const QString local = RutaBaseLocal();
    if (mismoArchivo(ruta, local))
        return ResultadoRestauracion::MismaBase;
    if (!ComprobarCopiaRestaurable(ruta, error))
        return ResultadoRestauracion::Rechazada;

    base.CerrarMERLAN();
    ResultadoArchivo r = CopiarArchivo(ruta, local);
    if (r)
        r = borrarDiarios(local);
    if (!r)
        error = QStringLiteral("No se pudo restaurar la copia de seguridad: ") + r.descripcion;
    if (!reconectar(base, error) || !r)
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
    QString error;
    switch (RestaurarCopiaSeguridad(base, ruta, error)) {
    case ResultadoRestauracion::Restaurada:
        return {QStringLiteral("Se restauró la Copia de Seguridad"), vb::vbExclamation};
    case ResultadoRestauracion::MismaBase:
        return {QStringLiteral("Ese archivo es la base de datos en uso: no hay nada que recuperar."), vb::vbInformation};
    case ResultadoRestauracion::Rechazada:
        return {QStringLiteral("No se ha recuperado la copia: la base de datos actual no se ha tocado.\n") + error,
                vb::vbExclamation};
    case ResultadoRestauracion::Fallida:
        break;
    }
    return {error, vb::vbCritical};
}

bool DentroDeUnidad(const QString &ruta, const QString &unidad)
{
    return unidad == QLatin1String("/") || ruta == unidad || ruta.startsWith(unidad + '/');
}

int UnidadInicial(const QStringList &unidades, const QString &carpeta)
{
    int elegida = 0;
    for (int i = 0; i < unidades.size(); ++i)
        if (DentroDeUnidad(carpeta, unidades[i]) && unidades[i].size() >= unidades[elegida].size())
            elegida = i;
    return elegida;
}

bool NuevaCarpeta(const QString &padre, const QString &nombre, Aviso &aviso)
{
    aviso = {};
    if (nombre.trimmed().isEmpty())
        return false;
    const QString carpeta = QDir(padre).filePath(nombre);
    if (QFileInfo::exists(carpeta)) {
        aviso = {QStringLiteral("Ya existe esa carpeta!"), vb::vbInformation};
        return false;
    }
    const ResultadoArchivo creada = CrearCarpeta(carpeta);
    // A path that is not found (the folder shown has gone, or the name leads through a missing
    // one) fails without a message; the refreshed tree shows that nothing was made.
    if (!creada && creada.codigo != vb::errRutaNoEncontrada)
        aviso = {QStringLiteral("Error inesperado.!No se pudo crear la carpeta!"), vb::vbInformation};
    return bool(creada);
}
