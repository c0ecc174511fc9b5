#pragma once
// The zone list's data control: the holder's rows of Zonas through a connection of its own,
// a cursor over them shared with the zone editor (read by name, written by position), and the
// table model of the list's grid, whose last row is the empty row for a new zone.
// Rows are identified by the table's key column (the fifth, IdZona) for updates and deletes.
// After the table's columns the model adds two computed ones: the zone's area on the ellipsoid and
// its number of vertices, read from the vertex list text.
#include "adosqlserver.h"

#include <QAbstractTableModel>
#include <memory>

class ControlDatosZonas : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ControlDatosZonas(QObject *parent = nullptr);

    QString ConnectionString;
    QString RecordSource;

    // Connects (when not yet) and runs RecordSource again; false when either fails.
    bool Refresh();
    // Bound to the remote server's zones of the holder, and refreshed.
    bool AbrirZonasDe(const QString &titular);

    int RecordCount() const { return int(filas.size()); }
    bool Eof() const { return actual < 0 || actual >= filas.size(); }
    // Moving drops an edit that was not written with Update.
    void MoveFirst() { cancelar(); actual = filas.isEmpty() ? -1 : 0; }
    void MoveLast() { cancelar(); actual = int(filas.size()) - 1; }
    void MoveNext() { cancelar(); if (actual < filas.size()) ++actual; }
    int Bookmark() const { return actual; }
    void SetBookmark(int b) { cancelar(); actual = b; }

    QVariant Fields(const QString &nombre) const;
    QVariant Fields(int i) const;
    QString NombreCampo(int i) const { return nombres.value(i); }

    // A new record, filled with SetField and written by Update.
    void AddNew();
    void SetField(int posicion, const QVariant &valor);
    // Writes the current record (insert or update) and reads the rows again, standing on it.
    bool Update();
    // Deletes the current record.
    bool Delete();
    QString UltimoError() const { return error; }

    int rowCount(const QModelIndex &padre = QModelIndex()) const override;
    int columnCount(const QModelIndex &padre = QModelIndex()) const override;
    QVariant data(const QModelIndex &i, int rol) const override;
    QVariant headerData(int seccion, Qt::Orientation o, int rol) const override;
    bool EsFilaNueva(int fila) const { return fila == filas.size(); }
    // The computed columns' positions, and whether a row's name holds a searched text (case ignored).
    int ColumnaSuperficie() const { return int(nombres.size()); }
    int ColumnaVertices() const { return int(nombres.size()) + 1; }
    bool Coincide(int fila, const QString &texto) const;

private:
    ADOSQLSERVER conexion;
    QStringList nombres;
    QList<QVariantList> filas;
    struct Medidas {
        QString superficie;
        int vertices = 0;
    };
    QList<Medidas> medidas;  // of each row, computed when the rows are read
    int actual = -1;
    bool nuevo = false;
    QVariantList edicion;
    QString error;

    bool leer(const QVariant &claveDestino);
    void cancelar() { nuevo = false; edicion.clear(); }
    QString columna(int i) const { return '[' + nombres.value(i) + ']'; }
};
