#include "resultadoestadistica.h"
#include "fechastexto.h"

#include "proveedor.h"

#include <QMetaType>

namespace {

const QString kTotales = QStringLiteral("Totales:");
const QString kSubtotal = QStringLiteral("Subtotal");

// A slot read as "0" followed by its text, so that an empty slot counts as 0.
bool LeerRanura(const QString &texto, qint64 &valor)
{
    bool ok = false;
    valor = (QLatin1Char('0') + texto).toLongLong(&ok);
    return ok;
}

// slot += n, written back as decimal text; false when the sum leaves the 64-bit range.
bool Sumar(QString &ranura, qint64 n)
{
    qint64 v, suma;
    if (!LeerRanura(ranura, v) || __builtin_add_overflow(v, n, &suma))
        return false;
    ranura = QString::number(suma);
    return true;
}

bool LeerTexto(const QVariant &v, QString &texto)
{
    if (v.isNull()) {
        texto.clear();  // a position outside every zone: an empty ZONA
        return true;
    }
    if (!v.canConvert<QString>())
        return false;
    texto = v.toString();
    return true;
}

bool LeerEntero(const QVariant &v, qint64 &n)
{
    if (v.isNull())
        return false;
    bool ok = false;
    n = v.toLongLong(&ok);
    return ok;
}

// The hour and count at the end of a fetched row; the hour must be 0 to 23, the count positive.
bool LeerHoraCuenta(const QVariantList &fila, int primero, int &hora, qint64 &cuenta)
{
    qint64 h;
    if (fila.size() < primero + 2 || !LeerEntero(fila.at(primero), h) || !LeerEntero(fila.at(primero + 1), cuenta))
        return false;
    if (h < 0 || h > 23 || cuenta < 0)
        return false;
    hora = int(h);
    return true;
}
}

const QString &TablaTextos::Celda(int fila, int columna) const
{
    static const QString vacia;
    if (fila < 0 || fila >= int(filas.size()) || columna < 0 || columna >= Columnas)
        return vacia;
    return filas[size_t(fila)][size_t(columna)];
}

void TablaTextos::PonerCelda(int fila, int columna, const QString &texto)
{
    if (fila < 0 || columna < 0 || columna >= Columnas)
        return;
    Asegurar(fila + 1);
    filas[size_t(fila)][size_t(columna)] = texto;
}

void TablaTextos::Asegurar(int n)
{
    if (n > int(filas.size()))
        filas.resize(size_t(n));
}

void TablaTextos::Limpiar()
{
    filas.clear();
    filas.shrink_to_fit();
    filas.resize(FilasIniciales);
}

void ResultadoEstadistica::LimpiaArray()
{
    TablaEstadistica.Limpiar();
    Totales.fill(QString());
    TipoResultado = 0;
}

QString ResultadoEstadistica::Titulo(int tipo)
{
    switch (tipo) {
    case 1: return QStringLiteral("Estadistica Impacto por Dias y Horas");
    case 2: return QStringLiteral("Estadistica Impacto por Zonas");
    case 3: return QStringLiteral("Estadistica Impacto por Localizador y Zona");
    default: return QString();
    }
}

int ResultadoEstadistica::Llenar(int tipo, const QList<QVariantList> &filas)
{
    switch (tipo) {
    case 1: return LlenarPorDias(filas);
    case 2: return LlenarPorZonas(filas);
    case 3: return LlenarPorLocalizadoresyZonas(filas);
    default: return 0;
    }
}

// Reading rules shared by the three kinds: a row is taken only when every value reads and
// every sum it feeds stays in range; otherwise reading ends and the rows before it stand.
int ResultadoEstadistica::LlenarPorDias(const QList<QVariantList> &filas)
{
    LimpiaArray();
    TablaTextos &t = TablaEstadistica;
    int d = 0, leidas = 0;
    QString anterior;
    for (const QVariantList &f : filas) {
        QString dia;
        int hora;
        qint64 cuenta;
        if (f.isEmpty() || f.at(0).isNull() || !LeerTexto(f.at(0), dia) || !LeerHoraCuenta(f, 1, hora, cuenta))
            break;
        const int c = hora + 1;
        QString total = Totales[c];
        if (!Sumar(total, cuenta))  // a cell is part of its column's total: it cannot overflow first
            break;
        // The first row opens the first day by its position, not by an empty previous text.
        if (leidas > 0 && dia != anterior)
            ++d;
        if (leidas == 0 || dia != anterior)
            t.PonerCelda(d, 0, ConvFecha2(dia));
        QString celda = t.Celda(d, c);
        Sumar(celda, cuenta);
        t.PonerCelda(d, c, celda);
        Totales[c] = total;
        anterior = dia;
        ++leidas;
    }
    ++d;
    t.PonerCelda(d, 0, kTotales);
    for (int c = 1; c <= 24; ++c)
        t.PonerCelda(d, c, Totales[c]);
    MaxFilas = d + 1;
    MaxColumnas = QStringLiteral("25");
    t.Asegurar(MaxFilas + 1);  // the row after the totals row, which the chart texts read
    TipoResultado = 1;
    return leidas;
}

int ResultadoEstadistica::LlenarPorZonas(const QList<QVariantList> &filas)
{
    LimpiaArray();
    TablaTextos &t = TablaEstadistica;
    int z = 0, leidas = 0;
    qint64 totalFila = 0, totalGeneral = 0;
    QString anterior;
    for (const QVariantList &f : filas) {
        QString zona;
        int hora;
        qint64 cuenta;
        if (f.isEmpty() || !LeerTexto(f.at(0), zona) || !LeerHoraCuenta(f, 1, hora, cuenta))
            break;
        const int c = hora + 1;
        QString total = Totales[c];
        qint64 general;
        if (!Sumar(total, cuenta) || __builtin_add_overflow(totalGeneral, cuenta, &general))
            break;
        // Zones compare as the engine grouped them ("Nave 1" and "NAVE 1 " are one zone). The
        // first row opens the first zone by position: an empty zone (positions outside every
        // zone) sorts first and is a row of its own.
        if (leidas == 0) {
            t.PonerCelda(0, 0, zona);
        } else if (!MismoTextoTSQL(zona, anterior)) {
            t.PonerCelda(z, 25, QString::number(totalFila));
            ++z;
            t.PonerCelda(z, 0, zona);
            totalFila = 0;
        }
        QString celda = t.Celda(z, c);
        Sumar(celda, cuenta);
        t.PonerCelda(z, c, celda);
        Totales[c] = total;
        totalFila += cuenta;
        totalGeneral = general;
        anterior = zona;
        ++leidas;
    }
    t.PonerCelda(z, 25, QString::number(totalFila));
    ++z;
    t.PonerCelda(z, 25, QString::number(totalGeneral));  // the sum of the rows' totals
    t.PonerCelda(z, 0, kTotales);
    for (int c = 1; c <= 24; ++c)
        t.PonerCelda(z, c, Totales[c]);
    MaxFilas = z + 1;
    MaxColumnas = QStringLiteral("26");
    t.Asegurar(MaxFilas + 1);
    TipoResultado = 2;
    return leidas;
}

int ResultadoEstadistica::LlenarPorLocalizadoresyZonas(const QList<QVariantList> &filas)
{
    LimpiaArray();
    LimpiarSubTotalesZonas();
    LimpiarSubTotalesLocalizadores();
    TablaTextos &t = TablaEstadistica;
    auto copiar = [&t](int fila, const Ranuras &r) {
        for (int c = 2; c <= 25; ++c)
            t.PonerCelda(fila, c, r[c]);
    };
    int k = 0, leidas = 0;
    QString imeiAnterior, zonaAnterior;
    for (const QVariantList &f : filas) {
        QString imei, zona;
        int hora;
        qint64 cuenta;
        if (f.size() < 2 || f.at(0).isNull() || !LeerTexto(f.at(0), imei) || !LeerTexto(f.at(1), zona) ||
            !LeerHoraCuenta(f, 2, hora, cuenta))
            break;
        const int c = hora + 2;
        QString total = Totales[c];
        if (!Sumar(total, cuenta))  // the subtotals are parts of the total
            break;
        if (leidas == 0) {
            t.PonerCelda(0, 0, imei);
            t.PonerCelda(0, 1, zona);
        } else if (!MismoTextoTSQL(imei, imeiAnterior)) {
            ++k;
            t.PonerCelda(k, 0, kSubtotal);
            copiar(k, SubTotalesLocalizador);
            LimpiarSubTotalesLocalizadores();
            LimpiarSubTotalesZonas();
            ++k;
            t.PonerCelda(k, 0, imei);
            t.PonerCelda(k, 1, zona);
        } else if (!MismoTextoTSQL(zona, zonaAnterior)) {
            copiar(k, SubTotalesZona);  // the row being closed holds exactly its own counts
            LimpiarSubTotalesZonas();
            ++k;
            t.PonerCelda(k, 1, zona);
        }
        Totales[c] = total;
        Sumar(SubTotalesZona[c], cuenta);
        Sumar(SubTotalesLocalizador[c], cuenta);
        QString celda = t.Celda(k, c);
        Sumar(celda, cuenta);
        t.PonerCelda(k, c, celda);
        imeiAnterior = imei;
        zonaAnterior = zona;
        ++leidas;
    }
    ++k;
    t.PonerCelda(k, 0, kSubtotal);
    copiar(k, SubTotalesLocalizador);
    ++k;
    t.PonerCelda(k, 1, kTotales);
    copiar(k, Totales);
    MaxFilas = k + 1;
    MaxColumnas = QStringLiteral("26");
    t.Asegurar(MaxFilas + 1);
    TipoResultado = 3;
    return leidas;
}
