#include "recordset.h"

Recordset::Recordset(QStringList n, QList<QVariantList> f) : nombres(std::move(n)), filas(std::move(f)) {}

void Recordset::Move(int n)
{
    qint64 destino = qint64(actual) + n;
    actual = int(qBound<qint64>(-1, destino, filas.size()));
}

QVariant Recordset::Fields(int i) const
{
    if (actual < 0 || actual >= filas.size())
        return QVariant();
    return filas[actual].value(i);
}

QVariant Recordset::Fields(const QString &nombre) const
{
    for (int i = 0; i < nombres.size(); ++i)
        if (nombres[i].compare(nombre, Qt::CaseInsensitive) == 0)
            return Fields(i);
    return QVariant();
}
