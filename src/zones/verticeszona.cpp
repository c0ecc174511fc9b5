#include "verticeszona.h"

#include <QStringList>

QList<Vertice> LeerVertices(const QString &texto)
{
    QList<Vertice> r;
    const QStringList piezas = texto.split(')');
    for (int i = 0; i + 1 < piezas.size(); ++i) {
        const QStringList partes = piezas[i].split(',');
        r.append({partes.value(0).mid(1), partes.value(1)});
    }
    return r;
}

bool ZonaValida(const QString &texto) { return texto.count(')') >= 3; }
