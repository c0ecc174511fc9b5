#include "modelonombreslocalizadores.h"

#include "nombreslocalizadores.h"

ModeloNombresLocalizadores::ModeloNombresLocalizadores(const NombresLocalizadores &nombres, QObject *parent)
    : QIdentityProxyModel(parent), nombres(nombres)
{
}

void ModeloNombresLocalizadores::EstablecerColumna(int c)
{
    const int antes = columna;
    columna = c;
    for (const int cambiada : {antes, c})
        if (cambiada >= 0 && cambiada < columnCount() && rowCount() > 0)
            Q_EMIT dataChanged(index(0, cambiada), index(rowCount() - 1, cambiada));
}

QVariant ModeloNombresLocalizadores::data(const QModelIndex &i, int role) const
{
    const QVariant v = QIdentityProxyModel::data(i, role);
    if (i.column() != columna || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return v;
    const QString imei = v.toString();
    return imei.isEmpty() ? v : QVariant(nombres.Mostrar(imei));
}
