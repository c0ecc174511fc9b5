#include "carpetaprueba.h"

#include "entorno.h"
#include "esquema.h"
#include "module1.h"
#include "proveedor.h"
#include "serviciodemo.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

CarpetaPrueba::CarpetaPrueba()
{
    EstablecerCarpetaAplicacion(dir.path());
    ADOSQLSERVER::EstablecerServidorRemoto(QString());
}

CarpetaPrueba::~CarpetaPrueba()
{
    Module1::LiberarConexiones();
    EstablecerCarpetaAplicacion(QString());
}

QString CarpetaPrueba::archivo(const QString &relativo) const { return QDir(dir.path()).filePath(relativo); }

bool CarpetaPrueba::crearBaseLocal()
{
    QString error;
    bool ok = CrearBaseLocal(RutaBaseLocal(), error);
    if (!ok)
        qWarning("%s", qPrintable(error));
    return ok;
}

bool CarpetaPrueba::crearServicioVacio()
{
    QString error;
    bool ok = CrearServicioVacio(RutaServicioDemo(), error);
    if (!ok)
        qWarning("%s", qPrintable(error));
    return ok;
}

bool CarpetaPrueba::crearServicioDemo(const QDate &hoy)
{
    QString error;
    bool ok = CrearServicioDemo(RutaServicioDemo(), hoy, error);
    if (!ok)
        qWarning("%s", qPrintable(error));
    return ok;
}

bool CarpetaPrueba::enlazarPaginas()
{
    return QFile::link(QStringLiteral(VARDEN_GPS_CONSTRUIDO), archivo(QStringLiteral("GPS")));
}

bool CarpetaPrueba::conectarLocal() { return Module1::BaseLocal().ConectarLOCAL(); }
bool CarpetaPrueba::conectarRemoto() { return Module1::ServidorRemoto().ConectarMERLAN(); }

bool CarpetaPrueba::ejecutarEn(const QString &archivo, const QStringList &sentencias)
{
    const QString nombre = QStringLiteral("varden-fixture");
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nombre);
        db.setDatabaseName(archivo);
        ok = db.open();
        if (ok) {
            RegistrarColacionTSQL(db);
            QSqlQuery q(db);
            for (const QString &s : sentencias)
                if (!q.exec(s)) {
                    qWarning("fixture: %s: %s", qPrintable(s), qPrintable(q.lastError().text()));
                    ok = false;
                    break;
                }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(nombre);
    return ok;
}
