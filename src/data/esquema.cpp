#include "esquema.h"
#include "proveedor.h"

#include "entorno.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <filesystem>

QString RutaBaseLocal() { return QDir(CarpetaAplicacion()).filePath(QStringLiteral("DATOS/datoslocalizador.sdf")); }

QStringList EsquemaLocal()
{
    return {
        // One row per position; FECHA as ISO text so that ranges and ordering use the index.
        QStringLiteral("CREATE TABLE DATOS ("
                       "IMEI TEXT COLLATE TSQL NOT NULL, "
                       "FECHA TEXT NOT NULL CHECK (FECHA GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]*'), "
                       "LATITUD TEXT, LONGITUD TEXT, VELOCIDAD TEXT, INFORMACION TEXT, "
                       "ZONA TEXT COLLATE TSQL)"),
        // A repeated (IMEI, FECHA) is rejected: the download's counts converge on it.
        QStringLiteral("CREATE UNIQUE INDEX IX_DATOS_IMEI_FECHA ON DATOS (IMEI, FECHA)"),
        // Day counts of every locator and the purge.
        QStringLiteral("CREATE INDEX IX_DATOS_FECHA ON DATOS (FECHA)"),
        QStringLiteral("CREATE TABLE LOCALIZADORES (NOMBRE TEXT COLLATE TSQL NOT NULL UNIQUE, Icono TEXT)"),
        QStringLiteral("CREATE TABLE Titular (TITULAR TEXT COLLATE TSQL NOT NULL)"),
    };
}

bool CrearBaseLocal(const QString &ruta, QString &error)
{
    if (QFileInfo::exists(ruta)) {
        error = QStringLiteral("El archivo %1 ya existe.").arg(ruta);
        return false;
    }
    if (!QDir().mkpath(QFileInfo(ruta).absolutePath())) {
        error = QStringLiteral("No se puede crear la carpeta %1.").arg(QFileInfo(ruta).absolutePath());
        return false;
    }
    const QString nueva = ruta + QStringLiteral(".nueva");
    QFile::remove(nueva);
    QFile::remove(nueva + QStringLiteral("-journal"));
    DestinoConexion d;
    d.ruta = nueva;
    d.crear = true;
    bool ok = false;
    {
        auto p = CrearProveedor(d);
        if (p->Abrir(error) && p->Transaccion(error)) {
            ok = true;
            for (const QString &sql : EsquemaLocal())
                if (p->Ejecutar(sql, error) < 0) {
                    ok = false;
                    break;
                }
            ok = ok ? p->Confirmar(error) : (p->Deshacer(error), false);
        }
        p->Cerrar();
    }
    if (ok) {
        std::error_code ec;
        std::filesystem::rename(QFile::encodeName(nueva).toStdString(), QFile::encodeName(ruta).toStdString(), ec);
        if (!ec)
            return true;
        error = QString::fromLocal8Bit(ec.message().c_str());
    }
    QFile::remove(nueva);
    return false;
}
