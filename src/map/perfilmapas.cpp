#include "perfilmapas.h"

#include "entorno.h"

#include <QCoreApplication>
#include <QDir>
#include <QPointer>
#include <QWebEngineProfile>

QWebEngineProfile *PerfilMapas()
{
    static QPointer<QWebEngineProfile> perfil;
    if (!perfil) {
        perfil = new QWebEngineProfile(QStringLiteral("VARDENCliente"), QCoreApplication::instance());
        const QString carpeta = QDir(CarpetaAplicacion()).filePath(QStringLiteral("PerfilWeb"));
        perfil->setPersistentStoragePath(carpeta);
        perfil->setCachePath(QDir(carpeta).filePath(QStringLiteral("cache")));
        perfil->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
        perfil->setHttpCacheMaximumSize(256 * 1024 * 1024);  // tiles of the areas the user works on
        perfil->setPersistentCookiesPolicy(QWebEngineProfile::ForcePersistentCookies);
    }
    return perfil;
}
