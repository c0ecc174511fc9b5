#pragma once
// The three printed reports of the statistics window, on the report data file:
// rptdias (days and hours), reportzonas (zones) and rptlocalizadoreszonas (locator and zone).
#include "informebandas.h"

#include <memory>

class rptdias : public InformeBandas {
    Q_OBJECT
public:
    explicit rptdias(QObject *parent = nullptr);
    void Detail_Format(const QStringList &registro, BandaDetalle &banda) const override;
    // "dd mmmm yyyy": 05 diciembre 2026; the text itself when it is no date.
    static QString DiaEnPalabras(const QString &texto);
};

class reportzonas : public InformeBandas {
    Q_OBJECT
public:
    explicit reportzonas(QObject *parent = nullptr);
    void Detail_Format(const QStringList &registro, BandaDetalle &banda) const override;
    // "#,##0" with the program's separators: 12345 -> 12.345; a text that is no number stays.
    static QString Miles(const QString &texto);
};

class rptlocalizadoreszonas : public InformeBandas {
    Q_OBJECT
public:
    explicit rptlocalizadoreszonas(QObject *parent = nullptr);
    void Detail_Format(const QStringList &registro, BandaDetalle &banda) const override;
};

// A new report for a statistic kind (1, 2 or 3); null for any other kind.
std::unique_ptr<InformeBandas> CrearInforme(int tipo);
