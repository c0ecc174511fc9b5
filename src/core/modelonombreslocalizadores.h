#pragma once
// A view of another model in which one column of IMEIs reads "description (IMEI)". Only what is
// shown changes: the model below (and every file or query built from it) keeps the IMEIs.
#include <QIdentityProxyModel>

class NombresLocalizadores;

class ModeloNombresLocalizadores : public QIdentityProxyModel {
    Q_OBJECT
public:
    ModeloNombresLocalizadores(const NombresLocalizadores &nombres, QObject *parent = nullptr);

    // The column that holds IMEIs; -1 for none.
    void EstablecerColumna(int columna);
    int Columna() const { return columna; }

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    const NombresLocalizadores &nombres;
    int columna = -1;
};
