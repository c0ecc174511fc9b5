#include "datosgraficas.h"

namespace {
QString Columna(const ResultadoEstadistica &r, int columna)
{
    QString s;
    const int ultima = qMin(r.MaxFilas, r.TablaEstadistica.Filas() - 1);
    for (int f = 0; f <= ultima; ++f)
        s += DatosGraficas::Item(r.TablaEstadistica.Celda(f, columna));
    return s;
}
}

QString DatosGraficas::Item(const QString &texto)
{
    QString s = texto;
    s.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('|'), QLatin1String("\\|"));
    return s + QLatin1Char('|');
}

QString DatosGraficas::PreparadatosResumen1(const ResultadoEstadistica &r)
{
    QString s;
    const int L = r.MaxFilas - 1;
    for (int c = 1; c <= 25; ++c)
        s += Item(r.TablaEstadistica.Celda(L, c));
    return s;
}

QString DatosGraficas::PreparadatosResumen2(const ResultadoEstadistica &r) { return Columna(r, 25); }
QString DatosGraficas::PreparadatosZonas(const ResultadoEstadistica &r) { return Columna(r, 0); }

QStringList DatosGraficas::Partir(const QString &texto)
{
    QStringList items;
    QString actual;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (c == QLatin1Char('\\') && i + 1 < texto.size()) {
            actual += texto.at(++i);
        } else if (c == QLatin1Char('|')) {
            items << actual;
            actual.clear();
        } else {
            actual += c;
        }
    }
    items << actual;
    return items;
}
