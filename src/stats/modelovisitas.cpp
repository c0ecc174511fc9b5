#include "modelovisitas.h"

#include <QColor>
#include <QFont>

// The colours of the statistics grid's totals row.
const QColor ModeloVisitas::kTextoTotales(0, 0, 255);
const QColor ModeloVisitas::kFondoTotales(150, 150, 160);

namespace {
const QStringList kResumen{QStringLiteral("Localizador"),     QStringLiteral("Zona"),
                           QStringLiteral("Entradas"),        QStringLiteral("Salidas"),
                           QStringLiteral("Visitas"),         QStringLiteral("Tiempo dentro"),
                           QStringLiteral("Visita media"),    QStringLiteral("Visita más larga"),
                           QStringLiteral("Primera entrada"), QStringLiteral("Última salida")};
const QStringList kDetalle{QStringLiteral("Localizador"), QStringLiteral("Zona"), QStringLiteral("Entrada"),
                           QStringLiteral("Salida"), QStringLiteral("Duración")};
}

ModeloVisitas::ModeloVisitas(const MotorVisitas &motor, Vista v, QObject *parent)
    : QAbstractTableModel(parent), m(motor), vista(v)
{
}

void ModeloVisitas::Recargar()
{
    beginResetModel();
    detalle.clear();
    endResetModel();
}

void ModeloVisitas::Seleccionar(int filaResumen)
{
    beginResetModel();
    detalle = filaResumen < 0 ? std::vector<Visita>()
                              : m.VisitasDe(filaResumen < m.Filas.size() ? m.Filas[filaResumen] : ResumenVisitas());
    endResetModel();
}

int ModeloVisitas::rowCount(const QModelIndex &padre) const
{
    if (padre.isValid())
        return 0;
    if (vista == Vista::Detalle)
        return int(detalle.size());
    return m.Filas.isEmpty() ? 0 : int(m.Filas.size()) + 1;
}

int ModeloVisitas::columnCount(const QModelIndex &padre) const
{
    return padre.isValid() ? 0 : int((vista == Vista::Resumen ? kResumen : kDetalle).size());
}

QVariant ModeloVisitas::headerData(int seccion, Qt::Orientation o, int rol) const
{
    if (o != Qt::Horizontal || rol != Qt::DisplayRole)
        return QVariant();
    return (vista == Vista::Resumen ? kResumen : kDetalle).value(seccion);
}

QVariant ModeloVisitas::data(const QModelIndex &i, int rol) const
{
    if (!i.isValid() || i.row() >= rowCount())
        return QVariant();
    if (rol == Qt::TextAlignmentRole)
        return QVariant::fromValue((i.column() >= 2 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    if (EsTotales(i.row())) {
        if (rol == Qt::ForegroundRole)
            return kTextoTotales;
        if (rol == Qt::BackgroundRole)
            return kFondoTotales;
        if (rol == Qt::FontRole) {
            QFont f;
            f.setBold(true);
            return f;
        }
    }
    if (rol != Qt::DisplayRole && rol != Qt::EditRole)
        return QVariant();
    return vista == Vista::Resumen ? Resumen(i.row(), i.column(), rol) : Detalle(i.row(), i.column(), rol);
}

QVariant ModeloVisitas::Resumen(int fila, int columna, int rol) const
{
    const bool totales = EsTotales(fila);
    const ResumenVisitas &r = totales ? m.Total : m.Filas[fila];
    const bool texto = rol == Qt::DisplayRole;
    auto tiempo = [&](qint64 s) { return texto ? QVariant(MotorVisitas::Duracion(s)) : QVariant(s); };
    switch (columna) {
    case 0: return totales ? QStringLiteral("Totales:") : m.Localizadores.value(r.localizador);
    case 1: return totales ? QString() : m.NombreZona(r.zona);
    case 2: return r.entradas;
    case 3: return r.salidas;
    case 4: return r.visitas;
    case 5: return tiempo(r.total);
    case 6: return tiempo(r.Media());
    case 7: return tiempo(r.maxima);
    case 8: return texto ? QVariant(MotorVisitas::FechaHora(r.primeraEntrada)) : QVariant(r.primeraEntrada);
    case 9: return texto ? QVariant(MotorVisitas::FechaHora(r.ultimaSalida)) : QVariant(r.ultimaSalida);
    default: return QVariant();
    }
}

QVariant ModeloVisitas::Detalle(int fila, int columna, int rol) const
{
    const Visita &v = detalle[size_t(fila)];
    const bool texto = rol == Qt::DisplayRole;
    switch (columna) {
    case 0: return m.Localizadores.value(v.localizador);
    case 1: return m.NombreZona(v.zona);
    case 2: return texto ? QVariant(MotorVisitas::FechaHora(v.entrada)) : QVariant(v.entrada);
    case 3: return texto ? QVariant(MotorVisitas::FechaHora(v.salida)) : QVariant(v.salida);
    case 4: return texto ? QVariant(MotorVisitas::Duracion(v.Duracion())) : QVariant(v.Duracion());
    default: return QVariant();
    }
}
