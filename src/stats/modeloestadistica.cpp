#include "modeloestadistica.h"

#include "entorno.h"
#include "sinzona.h"

#include <QFontMetrics>
#include <cmath>

const QColor ModeloEstadistica::kTextoTotales(0, 0, 255);
const QColor ModeloEstadistica::kFondoTotales(150, 150, 160);
const QColor ModeloEstadistica::kTextoSubtotal(255, 0, 0);
const QColor ModeloEstadistica::kFondoSubtotal(170, 170, 160);
const QColor ModeloEstadistica::kFondoColumnaSubTotal(210, 210, 210);

ModeloEstadistica::ModeloEstadistica(const ResultadoEstadistica &resultado, QObject *parent)
    : QAbstractTableModel(parent), r(resultado)
{
}

int ModeloEstadistica::columnas() const
{
    bool ok = false;
    const int n = r.MaxColumnas.trimmed().toInt(&ok);
    return ok ? qBound(0, n, TablaTextos::Columnas) : 0;
}

int ModeloEstadistica::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : qMax(0, r.MaxFilas);
}

int ModeloEstadistica::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : columnas();
}

QString ModeloEstadistica::MarcaDeIndice(int indice)
{
    return (indice < 0 ? QString() : QStringLiteral(" ")) + QString::number(indice);
}

int ModeloEstadistica::IndiceDeMarca(const QString &marca, int desplazamiento) const
{
    qint64 indice;
    if (marca.isNull()) {
        indice = desplazamiento < 0 ? qint64(r.MaxFilas) + desplazamiento : qint64(desplazamiento) - 1;
    } else {
        // Leading spaces skipped, then the number that follows.
        bool ok = false;
        const double v = marca.trimmed().toDouble(&ok);
        if (!ok)
            return kMarcaInvalida;
        indice = qint64(std::llround(v)) + desplazamiento;
    }
    return indice >= 0 && indice < r.MaxFilas ? int(indice) : kMarcaInvalida;
}

QString ModeloEstadistica::MarcaRelativa(const QString &marca, int desplazamiento) const
{
    const int i = IndiceDeMarca(marca, desplazamiento);
    return i == kMarcaInvalida ? QString() : MarcaDeIndice(i);
}

QString ModeloEstadistica::ValorCelda(const QString &marca, int columna) const
{
    const int fila = IndiceDeMarca(marca, 0);
    if (fila == kMarcaInvalida || columna < 0 || columna >= columnas())
        return QString();
    const QString &t = r.TablaEstadistica.Celda(fila, columna);
    return t.isNull() ? QStringLiteral("") : t;
}

ModeloEstadistica::Estilo ModeloEstadistica::EstiloDeFila(int fila) const
{
    const int tipo = r.TipoResultado;
    if (!estilosPorFila || tipo < 1 || tipo > 3)
        return Estilo::Ninguno;
    if (tipo == 3 && r.TablaEstadistica.Celda(fila, 0) == QLatin1String("Subtotal"))
        return Estilo::EstiloSubtotal;
    return fila == r.MaxFilas - 1 ? Estilo::EstiloTotales : Estilo::EstiloFila;
}

bool ModeloEstadistica::AlineadaDerecha(int fila, int columna) const
{
    if (columna >= 1)
        return true;
    if (fila == r.MaxFilas - 1)
        return true;
    return r.TipoResultado == 3 && r.TablaEstadistica.Celda(fila, 0) == QLatin1String("Subtotal");
}

QFont ModeloEstadistica::FuenteColumnas()
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(12);
    return f;
}

QFont ModeloEstadistica::FuenteEstilo()
{
    QFont f = FuenteColumnas();
    f.setBold(true);
    f.setItalic(false);
    return f;
}

QVariant ModeloEstadistica::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const int fila = index.row(), columna = index.column();
    switch (role) {
    case Qt::EditRole: {  // the stored text
        const QString v = ValorCelda(MarcaDeIndice(fila), columna);
        return v.isNull() ? QVariant() : QVariant(v);
    }
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole: {
        const QString v = ValorCelda(MarcaDeIndice(fila), columna);
        if (v.isNull() || (role == Qt::ToolTipRole && v.isEmpty()))
            return {};
        return SinZona(fila, columna) ? NombreZona(v) : v;
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(
            (AlineadaDerecha(fila, columna) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
    case Qt::FontRole: {
        QFont f = EstiloDeFila(fila) == Estilo::Ninguno ? FuenteColumnas() : FuenteEstilo();
        // A count wider than its column is drawn smaller rather than cut: the widths are the design's.
        const int primeraHora = tipoColumnas == 3 ? 2 : 1;
        const QString t = columna >= primeraHora ? ValorCelda(MarcaDeIndice(fila), columna) : QString();
        const int cabe = AnchoColumna(columna) - kMargenCelda;
        const int ancho = t.isEmpty() ? 0 : QFontMetrics(f).horizontalAdvance(t);
        if (ancho > cabe && cabe > 0)
            f.setPointSizeF(qMax(1.0, f.pointSizeF() * cabe / ancho));
        return f;
    }
    case Qt::ForegroundRole:
        switch (EstiloDeFila(fila)) {
        case Estilo::EstiloTotales: return kTextoTotales;
        case Estilo::EstiloSubtotal: return kTextoSubtotal;
        case Estilo::EstiloFila: return QColor(Qt::black);
        case Estilo::Ninguno: return {};
        }
        return {};
    case Qt::BackgroundRole:
        switch (EstiloDeFila(fila)) {
        case Estilo::EstiloTotales: return kFondoTotales;
        case Estilo::EstiloSubtotal: return kFondoSubtotal;
        default:
            if (tipoColumnas == 2 && columna == 25)
                return kFondoColumnaSubTotal;
            return {};
        }
    default:
        return {};
    }
}

QString ModeloEstadistica::Encabezado(int tipo, int columna)
{
    switch (tipo) {
    case 1:
        if (columna == 0)
            return QStringLiteral("Fecha");
        return columna <= 24 ? QString::number(columna - 1) + QLatin1Char('H') : QString();
    case 2:
        if (columna == 0)
            return QStringLiteral("Zona");
        if (columna == 25)
            return QStringLiteral("SubTotal");
        return columna <= 24 ? QString::number(columna - 1) + QLatin1Char('H') : QString();
    case 3:
        if (columna == 0)
            return QStringLiteral("Localizador");
        if (columna == 1)
            return QStringLiteral("Zona");
        return columna <= 25 ? QString::number(columna - 2) + QLatin1Char('H') : QString();
    default:
        return QString();
    }
}

int ModeloEstadistica::AnchoTwips(int tipo, int columna)
{
    switch (tipo) {
    case 1: return columna == 0 ? 1200 : 550;
    case 2: return columna == 0 ? 2500 : columna == 25 ? 1200 : 450;
    case 3: return columna == 0 ? 1500 : columna == 1 ? 2200 : 450;
    default: return 1200;
    }
}

int ModeloEstadistica::AnchoColumna(int columna) const
{
    return TwipsAPixelesX(AnchoTwips(tipoColumnas, columna));
}

bool ModeloEstadistica::SinZona(int fila, int columna) const
{
    const int columnaZona = tipoColumnas == 2 ? 0 : tipoColumnas == 3 ? 1 : -1;
    if (columna != columnaZona || fila < 0 || fila >= r.MaxFilas - 1)
        return false;
    if (tipoColumnas == 3 && r.TablaEstadistica.Celda(fila, 0) == QLatin1String("Subtotal"))
        return false;
    if (NombreZona(r.TablaEstadistica.Celda(fila, columna)) == r.TablaEstadistica.Celda(fila, columna))
        return false;
    // A row of the result: it holds counts (a cleared table holds none).
    for (int c = columna + 1; c <= 25; ++c)
        if (!r.TablaEstadistica.Celda(fila, c).isEmpty())
            return true;
    return false;
}

QVariant ModeloEstadistica::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole && section >= 0 && section < rowCount())
            return QString();
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (section < 0 || section >= columnCount())
        return {};
    switch (role) {
    case Qt::DisplayRole: return Encabezado(tipoColumnas, section);
    case Qt::FontRole: return FuenteColumnas();
    case Qt::TextAlignmentRole:
        if (tipoColumnas == 2 && section == 25)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        return {};
    default: return {};
    }
}

void ModeloEstadistica::EstilosPorFila(bool activo)
{
    if (activo == estilosPorFila)
        return;
    estilosPorFila = activo;
    if (rowCount() > 0 && columnCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void ModeloEstadistica::AntesDeCambiar()
{
    if (!cambiando) {
        cambiando = true;
        beginResetModel();
    }
}

void ModeloEstadistica::DespuesDeCambiar()
{
    if (cambiando) {
        cambiando = false;
        endResetModel();
    }
}

void ModeloEstadistica::ConfigurarColumnas(int tipo)
{
    const bool propio = !cambiando;
    if (propio)
        beginResetModel();
    tipoColumnas = tipo;
    if (propio)
        endResetModel();
}
