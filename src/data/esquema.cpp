#include "esquema.h"
#include "colaciontsql.h"
#include "proveedor.h"

#include "entorno.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <filesystem>

QString RutaBaseLocal() { return QDir(CarpetaAplicacion()).filePath(QStringLiteral("DATOS/datoslocalizador.sdf")); }

QString IndiceLocalizadorFecha()
{
    return QStringLiteral("CREATE INDEX IF NOT EXISTS IX_DATOS_CLAVE_FECHA ON DATOS (%1, FECHA)").arg(ClaveTextoIndice(QStringLiteral("IMEI")));
}

QStringList EsquemaLocal()
{
    return {
        // One row per position; FECHA as ISO text so that ranges and ordering use the index.
        QStringLiteral("CREATE TABLE DATOS ("
                       "IMEI TEXT NOT NULL, "
                       "FECHA TEXT NOT NULL CHECK (FECHA GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]*'), "
                       "LATITUD TEXT, LONGITUD TEXT, VELOCIDAD TEXT, INFORMACION TEXT, "
                       "ZONA TEXT)"),
        // Day counts, tracks, statistics and the purge all read a range of FECHA. No key on
        // (IMEI, FECHA): the service may hold two positions of a locator within one second.
        QStringLiteral("CREATE INDEX IX_DATOS_FECHA ON DATOS (FECHA)"),
        // The locators and a locator's days, one index seek each.
        IndiceLocalizadorFecha(),
        QStringLiteral("CREATE TABLE LOCALIZADORES (NOMBRE TEXT NOT NULL UNIQUE, Icono TEXT)"),
        QStringLiteral("CREATE TABLE Titular (TITULAR TEXT NOT NULL)"),
    };
}

bool ConstruirBaseNueva(const QString &ruta, const std::function<bool(QSqlDatabase &, QString &)> &relleno,
                        QString &error)
{
    if (!QDir().mkpath(QFileInfo(ruta).absolutePath())) {
        error = QStringLiteral("No se puede crear la carpeta %1.").arg(QFileInfo(ruta).absolutePath());
        return false;
    }
    const QString nueva = ruta + QStringLiteral(".nueva");
    QFile::remove(nueva);
    QFile::remove(nueva + QStringLiteral("-journal"));
    const QString nombre = QStringLiteral("varden-construccion");
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nombre);
        db.setDatabaseName(nueva);
        if (!db.open()) {
            error = db.lastError().text();
        } else {
            RegistrarColacionTSQL(db);
            db.transaction();
            ok = relleno(db, error);
            ok = ok ? db.commit() : (db.rollback(), false);
            if (!ok && error.isEmpty())
                error = db.lastError().text();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(nombre);
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

bool CrearBaseLocal(const QString &ruta, QString &error)
{
    if (QFileInfo::exists(ruta)) {
        error = QStringLiteral("El archivo %1 ya existe.").arg(ruta);
        return false;
    }
    return ConstruirBaseNueva(ruta, [](QSqlDatabase &db, QString &e) {
        QSqlQuery q(db);
        for (const QString &sql : EsquemaLocal())
            if (!q.exec(sql)) {
                e = q.lastError().text();
                return false;
            }
        return true;
    }, error);
}
