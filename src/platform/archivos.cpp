#include "archivos.h"

#include <QFile>
#include <QFileInfo>
#include <QDir>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {
fs::path ruta(const QString &r) { return fs::path(QFile::encodeName(r).toStdString()); }

ResultadoArchivo error(int codigo, const QString &texto) { return {codigo, texto}; }

int falloSimulado = 0;

ResultadoArchivo desdeSistema(const std::error_code &ec, const QString &que = QString())
{
    if (!ec)
        return {};
    const QString motivo = MotivoErrorSistema(ec.value());
    const QString texto = que.isEmpty() ? motivo : que + QStringLiteral(": ") + motivo;
    if (ec == std::errc::no_such_file_or_directory)
        return error(vb::errRutaNoEncontrada, texto);
    return error(vb::errAcceso, texto);
}
}  // namespace

QString MotivoErrorSistema(int e)
{
    switch (e) {
    case ENOSPC:
        return QStringLiteral("no queda espacio libre en el disco. Libere espacio o elija otra carpeta u otro disco.");
    case EDQUOT:
        return QStringLiteral("se ha agotado el espacio de disco permitido a este usuario. Libere espacio o elija otra carpeta.");
    case EROFS:
        return QStringLiteral("el disco o la carpeta es de solo lectura. Elija una carpeta en la que se pueda escribir.");
    case EACCES:
    case EPERM:
        return QStringLiteral("no tiene permiso para escribir o leer ahí. Elija otra carpeta o pida ese permiso al administrador del equipo.");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("la carpeta o el archivo no existe. Compruebe la ruta.");
    case EIO:
        return QStringLiteral("el disco ha dado un error de lectura o escritura. Compruebe el disco o el dispositivo extraíble.");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("el archivo está en uso por otro programa. Ciérrelo y vuelva a intentarlo.");
    default:
        return QStringLiteral("error del sistema %1 (%2).").arg(e).arg(QString::fromLocal8Bit(std::generic_category().message(e).c_str()));
    }
}

void SimularFalloEscritura(int errorSistema) { falloSimulado = errorSistema; }

bool ArchivoExiste(const QString &r) { return QFileInfo(r).isFile(); }
bool CarpetaExiste(const QString &r) { return QFileInfo(r).isDir(); }

ResultadoArchivo CopiarArchivo(const QString &origen, const QString &destino)
{
    if (!ArchivoExiste(origen))
        return error(vb::errArchivoNoEncontrado, QStringLiteral("No se encuentra el archivo %1").arg(origen));
    QFileInfo dest(destino);
    if (!dest.absoluteDir().exists())
        return error(vb::errRutaNoEncontrada, QStringLiteral("No se encuentra la ruta %1").arg(dest.absolutePath()));
    std::error_code ec;
    if (dest.exists() && fs::equivalent(ruta(origen), ruta(destino), ec))
        return error(vb::errAcceso, QStringLiteral("El archivo de origen y el de destino son el mismo"));
    const QString temporal = destino + QStringLiteral(".copia~");
    QFile::remove(temporal);
    const QString escribir = QStringLiteral("No se pudo escribir el archivo %1").arg(QDir::toNativeSeparators(destino));
    if (falloSimulado)
        return desdeSistema(std::error_code(falloSimulado, std::generic_category()), escribir);
    fs::copy_file(ruta(origen), ruta(temporal), fs::copy_options::overwrite_existing, ec);
    if (ec) {
        const bool lectura = !QFileInfo(origen).isReadable();
        QFile::remove(temporal);
        return desdeSistema(ec, lectura ? QStringLiteral("No se pudo leer el archivo %1").arg(QDir::toNativeSeparators(origen))
                                        : escribir);
    }
    fs::rename(ruta(temporal), ruta(destino), ec);
    if (ec)
        QFile::remove(temporal);
    return desdeSistema(ec, escribir);
}

ResultadoArchivo BorrarArchivo(const QString &r)
{
    if (!ArchivoExiste(r))
        return error(vb::errArchivoNoEncontrado, QStringLiteral("No se encuentra el archivo %1").arg(r));
    std::error_code ec;
    fs::remove(ruta(r), ec);
    return desdeSistema(ec, QStringLiteral("No se pudo borrar el archivo %1").arg(QDir::toNativeSeparators(r)));
}

ResultadoArchivo RenombrarArchivo(const QString &origen, const QString &destino, bool reemplazar)
{
    if (!QFileInfo::exists(origen))
        return error(vb::errArchivoNoEncontrado, QStringLiteral("No se encuentra el archivo %1").arg(origen));
    if (!reemplazar && QFileInfo::exists(destino))
        return error(vb::errArchivoExiste, QStringLiteral("El archivo %1 ya existe").arg(destino));
    std::error_code ec;
    fs::rename(ruta(origen), ruta(destino), ec);
    return desdeSistema(ec, QStringLiteral("No se pudo renombrar el archivo %1").arg(QDir::toNativeSeparators(origen)));
}

ResultadoArchivo CrearCarpeta(const QString &r)
{
    if (QFileInfo::exists(r))
        return error(vb::errAcceso, QStringLiteral("La carpeta %1 ya existe").arg(r));
    std::error_code ec;
    fs::create_directory(ruta(r), ec);
    return desdeSistema(ec, QStringLiteral("No se pudo crear la carpeta %1").arg(QDir::toNativeSeparators(r)));
}
