#include "archivos.h"

#include <QFile>
#include <QFileInfo>
#include <QDir>

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {
fs::path ruta(const QString &r) { return fs::path(QFile::encodeName(r).toStdString()); }

ResultadoArchivo error(int codigo, const QString &texto) { return {codigo, texto}; }

ResultadoArchivo desdeSistema(const std::error_code &ec)
{
    if (!ec)
        return {};
    if (ec == std::errc::no_such_file_or_directory)
        return error(vb::errRutaNoEncontrada, QString::fromLocal8Bit(ec.message().c_str()));
    return error(vb::errAcceso, QString::fromLocal8Bit(ec.message().c_str()));
}
}

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
    QFile in(origen);
    QFile out(temporal);
    if (!in.open(QIODevice::ReadOnly))
        return error(vb::errAcceso, in.errorString());
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return error(vb::errAcceso, out.errorString());
    char buffer[1 << 16];
    for (;;) {
        qint64 n = in.read(buffer, sizeof buffer);
        if (n < 0 || (n > 0 && out.write(buffer, n) != n)) {
            QString t = n < 0 ? in.errorString() : out.errorString();
            out.close();
            QFile::remove(temporal);
            return error(vb::errAcceso, t);
        }
        if (n == 0)
            break;
    }
    if (!out.flush()) {
        QString t = out.errorString();
        out.close();
        QFile::remove(temporal);
        return error(vb::errAcceso, t);
    }
    out.close();
    fs::rename(ruta(temporal), ruta(destino), ec);
    if (ec)
        QFile::remove(temporal);
    return desdeSistema(ec);
}

ResultadoArchivo BorrarArchivo(const QString &r)
{
    if (!ArchivoExiste(r))
        return error(vb::errArchivoNoEncontrado, QStringLiteral("No se encuentra el archivo %1").arg(r));
    std::error_code ec;
    fs::remove(ruta(r), ec);
    return desdeSistema(ec);
}

ResultadoArchivo RenombrarArchivo(const QString &origen, const QString &destino, bool reemplazar)
{
    if (!QFileInfo::exists(origen))
        return error(vb::errArchivoNoEncontrado, QStringLiteral("No se encuentra el archivo %1").arg(origen));
    if (!reemplazar && QFileInfo::exists(destino))
        return error(vb::errArchivoExiste, QStringLiteral("El archivo %1 ya existe").arg(destino));
    std::error_code ec;
    fs::rename(ruta(origen), ruta(destino), ec);
    return desdeSistema(ec);
}

ResultadoArchivo CrearCarpeta(const QString &r)
{
    if (QFileInfo::exists(r))
        return error(vb::errAcceso, QStringLiteral("La carpeta %1 ya existe").arg(r));
    std::error_code ec;
    fs::create_directory(ruta(r), ec);
    return desdeSistema(ec);
}
