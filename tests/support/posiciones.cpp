#include "posiciones.h"

#include "carpetaprueba.h"
#include "esquema.h"
#include "proveedor.h"

namespace Posiciones {
namespace {
QString citar(const QString &v)
{
    return v.isNull() ? QStringLiteral("NULL") : u'\'' + QString(v).replace(u'\'', QStringLiteral("''")) + u'\'';
}

QString valores(const Posicion &p)
{
    return citar(p.imei) + u',' + citar(iso(p.fecha)) + u',' + citar(p.latitud) + u',' + citar(p.longitud) + u',' +
           citar(p.velocidad) + u',' + citar(p.informacion) + u',' + citar(p.zona);
}

bool enTransaccion(const QString &archivo, QStringList sentencias)
{
    sentencias.prepend(QStringLiteral("BEGIN"));
    sentencias.append(QStringLiteral("COMMIT"));
    return CarpetaPrueba::ejecutarEn(archivo, sentencias);
}
}

QString iso(const QDateTime &f) { return f.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")); }

QString sqlLocal(const Posicion &p)
{
    return QStringLiteral("INSERT INTO DATOS (IMEI, FECHA, LATITUD, LONGITUD, VELOCIDAD, INFORMACION, ZONA) VALUES (") +
           valores(p) + u')';
}

QString sqlServicio(const Posicion &p, const QString &titular)
{
    return QStringLiteral("INSERT INTO POSICIONES VALUES (") + valores(p) + u',' + citar(titular) + u')';
}

QList<Posicion> recta(const QDateTime &desde, int n, int segundos, double pasoGrados)
{
    QList<Posicion> r;
    r.reserve(n);
    for (int i = 0; i < n; ++i) {
        Posicion p;
        p.fecha = desde.addSecs(qint64(i) * segundos);
        p.latitud = QString::number(40.0 + i * pasoGrados, 'f', 7);
        p.longitud = QStringLiteral("-3.7");
        r << p;
    }
    return r;
}

bool guardarLocal(const QList<Posicion> &filas)
{
    QStringList s;
    for (const Posicion &p : filas)
        s << sqlLocal(p);
    return enTransaccion(RutaBaseLocal(), s);
}

bool guardarServicio(const QList<Posicion> &filas, const QString &titular)
{
    QStringList s;
    for (const Posicion &p : filas)
        s << sqlServicio(p, titular);
    return enTransaccion(RutaServicioDemo(), s);
}

int contar(const QStringList &enviados, const QString &inicio)
{
    int n = 0;
    for (const QString &t : enviados)
        n += t.startsWith(inicio) ? 1 : 0;
    return n;
}
}
