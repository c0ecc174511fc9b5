#include "informes.h"

#include "regional.h"
#include "sinzona.h"

#include <QDate>
#include <cmath>

namespace {
const QString kTotales = QStringLiteral("Totales:");
const QString kSubtotal = QStringLiteral("Subtotal");
const QString kTituloZonas = QStringLiteral("TOTAL LOCALIZACIONES POR ZONAS");

QStringList Horas()
{
    QStringList h;
    for (int i = 0; i < 24; ++i)
        h << QString::number(i) + QLatin1Char('H');
    return h;
}

void Disenar(InformeBandas &r, const QString &titulo, const QString &primero, const QString &ultimo)
{
    r.lbltitulo = titulo;
    r.NombresCampos = QStringList{primero} + Horas();
    if (!ultimo.isEmpty())
        r.NombresCampos << ultimo;
    r.Encabezados = r.NombresCampos;
}
}

rptdias::rptdias(QObject *parent) : InformeBandas(parent)
{
    Disenar(*this, QStringLiteral("TOTAL LOCALIZACIONES POR DIAS Y HORAS"), QStringLiteral("Fecha"), QString());
}

QString rptdias::DiaEnPalabras(const QString &texto)
{
    const QDate d = Regional::LeerFecha(texto);
    if (!d.isValid())
        return texto;
    return QStringLiteral("%1 %2 %3").arg(d.day(), 2, 10, QLatin1Char('0')).arg(Regional::NombreMes(d.month())).arg(d.year());
}

void rptdias::Detail_Format(const QStringList &registro, BandaDetalle &banda) const
{
    const QString f0 = DatosInforme::Posicion(registro, 0);
    if (f0 == kTotales) {
        banda.fondo = BandaDetalle::kFondoGris;
        banda.Colorear(BandaDetalle::kAzul);
    } else {
        banda.textos[0] = DiaEnPalabras(f0);
        banda.fondo = BandaDetalle::kFondoBlanco;
    }
}

reportzonas::reportzonas(QObject *parent) : InformeBandas(parent)
{
    Disenar(*this, kTituloZonas, QStringLiteral("Zona"), QStringLiteral("SubTotal"));
}

QString reportzonas::Miles(const QString &texto)
{
    bool ok = false;
    const double v = Regional::LeerNumero(texto.trimmed(), &ok);
    if (!ok || texto.trimmed().isEmpty())
        return texto;
    QString s = Regional::NumeroEstandar(std::round(v));
    return s.left(s.lastIndexOf(QLatin1Char(',')));
}

void reportzonas::Detail_Format(const QStringList &registro, BandaDetalle &banda) const
{
    banda.textos[25] = Miles(banda.textos[25]);
    if (DatosInforme::Posicion(registro, 0) == kTotales) {
        banda.fondo = BandaDetalle::kFondoGris;
        banda.Colorear(BandaDetalle::kAzul);
    } else {
        banda.textos[0] = NombreZona(banda.textos[0]);
        banda.fondo = BandaDetalle::kFondoBlanco;
    }
}

rptlocalizadoreszonas::rptlocalizadoreszonas(QObject *parent) : InformeBandas(parent)
{
    Disenar(*this, kTituloZonas, QStringLiteral("Zona"), QStringLiteral("Localizador"));
}

void rptlocalizadoreszonas::Detail_Format(const QStringList &registro, BandaDetalle &banda) const
{
    if (DatosInforme::Posicion(registro, 0) == kSubtotal) {
        banda.fondo = BandaDetalle::kFondoGris;
        banda.Colorear(BandaDetalle::kAzul);
    } else {
        banda.textos[0] = NombreZona(banda.textos[0]);
        banda.Colorear(BandaDetalle::kNegro);
        banda.fondo = BandaDetalle::kFondoBlanco;
    }
    if (DatosInforme::Posicion(registro, 1) == kTotales) {
        banda.fondo = BandaDetalle::kFondoGris;
        banda.Colorear(BandaDetalle::kRojo);
    }
}

std::unique_ptr<InformeBandas> CrearInforme(int tipo)
{
    switch (tipo) {
    case 1: return std::make_unique<rptdias>();
    case 2: return std::make_unique<reportzonas>();
    case 3: return std::make_unique<rptlocalizadoreszonas>();
    default: return nullptr;
    }
}
