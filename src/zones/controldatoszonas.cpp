#include "controldatoszonas.h"

#include "comillas.h"
#include "geometriazona.h"
#include "regional.h"

#include <cmath>

namespace {
constexpr int kClave = 4;  // IdZona
QString texto(const QVariant &v) { return '\'' + EscaparComillas(v.toString()) + '\''; }
}

ControlDatosZonas::ControlDatosZonas(QObject *parent) : QAbstractTableModel(parent) {}

bool ControlDatosZonas::Refresh() { return leer(QVariant()); }

bool ControlDatosZonas::AbrirZonasDe(const QString &titular)
{
    ConnectionString = ADOSQLSERVER::CadenaRemotaZonas();
    RecordSource = QStringLiteral("SELECT *  from ZONAS where TITULAR LIKE '") + EscaparLike(titular) + '\'';
    return Refresh();
}

bool ControlDatosZonas::leer(const QVariant &claveDestino)
{
    if (!conexion.Conectado() && !conexion.ConectarCon(ConnectionString, false)) {
        error = conexion.UltimoError();
        return false;
    }
    auto rs = conexion.AbrirRecordset(RecordSource);
    if (!rs) {
        error = conexion.UltimoError();
        return false;
    }
    beginResetModel();
    nombres.clear();
    for (int i = 0; i < rs->FieldCount(); ++i)
        nombres << rs->NombreCampo(i);
    filas = rs->Filas();
    medidas.clear();
    for (const QVariantList &f : filas) {
        const auto v = GeometriaZona::Leer(f.value(2).toString());
        Medidas m;
        m.vertices = v ? int(v->size()) : 0;
        if (v && v->size() >= 3) {
            m.superficie = Regional::NumeroEstandar(std::round(GeometriaZona(*v).AreaMetros()));
            m.superficie.chop(3);  // no decimals
            m.superficie += QStringLiteral(" m²");
        }
        medidas.append(m);
    }
    nuevo = false;
    edicion.clear();
    actual = filas.isEmpty() ? -1 : 0;
    if (claveDestino.isValid())
        for (int i = 0; i < filas.size(); ++i)
            if (filas[i].value(kClave) == claveDestino)
                actual = i;
    endResetModel();
    return true;
}

QVariant ControlDatosZonas::Fields(int i) const
{
    if (!edicion.isEmpty())
        return edicion.value(i);
    return Eof() ? QVariant() : filas[actual].value(i);
}

QVariant ControlDatosZonas::Fields(const QString &nombre) const
{
    for (int i = 0; i < nombres.size(); ++i)
        if (nombres[i].compare(nombre, Qt::CaseInsensitive) == 0)
            return Fields(i);
    return QVariant();
}

void ControlDatosZonas::AddNew()
{
    nuevo = true;
    edicion = QVariantList();
    for (int i = 0; i < nombres.size(); ++i)
        edicion << QVariant();
}

void ControlDatosZonas::SetField(int posicion, const QVariant &valor)
{
    if (edicion.isEmpty()) {
        if (Eof())
            return;
        edicion = filas[actual];
    }
    if (posicion >= 0 && posicion < edicion.size())
        edicion[posicion] = valor;
}

bool ControlDatosZonas::Update()
{
    if (nombres.size() <= kClave) {
        error = QStringLiteral("La tabla de zonas no tiene las columnas esperadas.");
        return false;
    }
    QString sql;
    QVariant clave;
    if (nuevo) {
        sql = QStringLiteral("INSERT INTO Zonas (%1, %2, %3, %4) VALUES (%5, %6, %7, %8)")
                  .arg(columna(0), columna(1), columna(2), columna(3), texto(edicion.value(0)), texto(edicion.value(1)),
                       texto(edicion.value(2)), texto(edicion.value(3)));
    } else {
        if (Eof() || edicion.size() != nombres.size()) {
            error = QStringLiteral("No hay ninguna zona seleccionada.");
            return false;
        }
        clave = filas[actual].value(kClave);
        sql = QStringLiteral("UPDATE Zonas SET %1=%2, %3=%4, %5=%6, %7=%8 WHERE %9=%10")
                  .arg(columna(0), texto(edicion.value(0)), columna(1), texto(edicion.value(1)), columna(2),
                       texto(edicion.value(2)), columna(3), texto(edicion.value(3)), columna(kClave))
                  .arg(clave.toLongLong());
    }
    if (conexion.Execute(sql) != 1) {
        error = conexion.UltimoError().isEmpty() ? QStringLiteral("La zona no se ha podido guardar.") : conexion.UltimoError();
        return false;
    }
    if (nuevo) {
        auto rs = conexion.AbrirRecordset(QStringLiteral("SELECT MAX(%1) FROM Zonas").arg(columna(kClave)));
        clave = rs && rs->RecordCount() ? rs->Fields(0) : QVariant();
    }
    edicion.clear();
    return leer(clave);
}

bool ControlDatosZonas::Delete()
{
    if (Eof() || nombres.size() <= kClave) {
        error = QStringLiteral("No hay ninguna zona seleccionada.");
        return false;
    }
    const QString sql = QStringLiteral("DELETE FROM Zonas WHERE %1=%2").arg(columna(kClave)).arg(filas[actual].value(kClave).toLongLong());
    if (conexion.Execute(sql) != 1) {
        error = conexion.UltimoError();
        return false;
    }
    const int antes = actual;
    leer(QVariant());
    actual = filas.isEmpty() ? -1 : qMin(antes, int(filas.size()) - 1);
    return true;
}

int ControlDatosZonas::rowCount(const QModelIndex &padre) const { return padre.isValid() ? 0 : int(filas.size()) + 1; }
int ControlDatosZonas::columnCount(const QModelIndex &padre) const { return padre.isValid() ? 0 : int(nombres.size()) + 2; }

bool ControlDatosZonas::Coincide(int fila, const QString &texto) const
{
    return fila >= 0 && fila < filas.size() && filas[fila].value(1).toString().contains(texto.trimmed(), Qt::CaseInsensitive);
}

QVariant ControlDatosZonas::data(const QModelIndex &i, int rol) const
{
    if (!i.isValid() || i.row() >= filas.size())
        return QVariant();
    if (rol == Qt::TextAlignmentRole && i.column() >= ColumnaSuperficie())
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (rol != Qt::DisplayRole && rol != Qt::ToolTipRole)
        return QVariant();
    if (i.column() == ColumnaSuperficie())
        return medidas[i.row()].superficie;
    if (i.column() == ColumnaVertices())
        return medidas[i.row()].vertices;
    return filas[i.row()].value(i.column()).toString();
}

QVariant ControlDatosZonas::headerData(int seccion, Qt::Orientation o, int rol) const
{
    if (rol != Qt::DisplayRole)
        return QVariant();
    if (o == Qt::Horizontal) {
        if (seccion == ColumnaSuperficie())
            return QStringLiteral("Superficie");
        if (seccion == ColumnaVertices())
            return QStringLiteral("Vértices");
        return nombres.value(seccion);
    }
    return seccion == filas.size() ? QStringLiteral("*") : QString();
}
