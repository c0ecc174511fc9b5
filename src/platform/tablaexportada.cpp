#include "tablaexportada.h"

#include <QAbstractItemModel>
#include <QBrush>
#include <QFont>
#include <QRegularExpression>

namespace {
QColor Color(const QVariant &v)
{
    if (v.canConvert<QBrush>() && v.userType() == QMetaType::QBrush)
        return v.value<QBrush>().color();
    return v.value<QColor>();
}
}

TablaExportada TablaExportada::DeModelo(const QAbstractItemModel &modelo, const QString &titulo)
{
    TablaExportada t;
    t.titulo = titulo;
    const int columnas = modelo.columnCount(), filas = modelo.rowCount();
    for (int c = 0; c < columnas; ++c)
        t.encabezados << modelo.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    t.filas.reserve(filas);
    for (int f = 0; f < filas; ++f) {
        QList<CeldaExportada> fila;
        fila.reserve(columnas);
        for (int c = 0; c < columnas; ++c) {
            const QModelIndex i = modelo.index(f, c);
            CeldaExportada celda;
            celda.texto = modelo.data(i, Qt::DisplayRole).toString();
            const QVariant fuente = modelo.data(i, Qt::FontRole);
            celda.negrita = fuente.isValid() && fuente.value<QFont>().bold();
            const QVariant alineacion = modelo.data(i, Qt::TextAlignmentRole);
            celda.derecha = alineacion.isValid() && (Qt::Alignment(alineacion.toInt()) & Qt::AlignRight);
            celda.color = Color(modelo.data(i, Qt::ForegroundRole));
            celda.fondo = Color(modelo.data(i, Qt::BackgroundRole));
            fila << celda;
        }
        t.filas << fila;
    }
    return t;
}

bool NumeroDeCelda(const QString &texto, double &valor)
{
    static const QRegularExpression numero(QStringLiteral("^-?(0|[1-9][0-9]{0,11})([.,][0-9]+)?$"));
    const QString t = texto.trimmed();
    if (!numero.match(t).hasMatch())
        return false;
    bool ok = false;
    valor = QString(t).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return ok;
}
