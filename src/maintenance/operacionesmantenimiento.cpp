#include "operacionesmantenimiento.h"

#include "adosqlserver.h"
#include "archivos.h"
#include "dialogos.h"
#include "entorno.h"
#include "esquema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>

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
    if (MismoArchivo(local, destino))
        r = {vb::errAcceso, QStringLiteral("La carpeta elegida es la de la base de datos en uso.")};
    else if (!CarpetaExiste(carpeta))
        r = {vb::errRutaNoEncontrada, QStringLiteral("No se encuentra la carpeta %1").arg(carpeta)};
    else
        r = CopiarArchivo(local, destino);
    if (r)
        r = CopiarArchivo(local, RutaCopiaTemporal());
    if (!r)
        error = r.descripcion;
    const bool conectada = ReconectarLocal(base, error);
    return r && conectada;
}

Aviso CopiarBase(ADOSQLSERVER &base, const QString &carpeta)
{
    QString error;
    if (RealizarCopiaSeguridad(base, carpeta, error))
        return {QStringLiteral("Copia de seguridad realizada"), vb::vbExclamation};
    return {QStringLiteral("No se pudo realizar la copia de seguridad.\n") + error, vb::vbCritical};
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
