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

#include <functional>

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

namespace {
// Runs a maker that reports its failure in a text, and warns with it.
bool crear(const std::function<bool(QString &)> &hacer)
{
    QString error;
    const bool ok = hacer(error);
    if (!ok)
        qWarning("%s", qPrintable(error));
    return ok;
}
}

bool CarpetaPrueba::crearBaseLocal() { return crear([](QString &e) { return CrearBaseLocal(RutaBaseLocal(), e); }); }
bool CarpetaPrueba::crearServicioVacio() { return crear([](QString &e) { return CrearServicioVacio(RutaServicioDemo(), e); }); }
bool CarpetaPrueba::crearServicioDemo(const QDate &hoy)
{
    return crear([&hoy](QString &e) { return CrearServicioDemo(RutaServicioDemo(), hoy, e); });
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
