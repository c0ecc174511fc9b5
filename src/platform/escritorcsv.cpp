#include "escritorcsv.h"

#include "tablaexportada.h"

namespace EscritorCsv {

QString Texto(const QString &texto)
{
    return u'"' + QString(texto).replace(QLatin1Char('"'), QLatin1String("\"\"")) + u'"';
}

QString Numero(double valor, int decimales)
{
    QString s = decimales < 0 ? QString::number(valor, 'g', 15) : QString::number(valor, 'f', decimales);
    return s.replace(QLatin1Char('.'), QLatin1Char(','));
}

QString Celda(const QString &texto)
{
    if (texto.isEmpty())
        return QString();
    double v = 0;
    return NumeroDeCelda(texto, v) ? Numero(v) : Texto(texto);
}

QString Linea(const QStringList &campos) { return campos.join(QLatin1Char(';')); }

QByteArray Archivo(const QStringList &lineas)
{
    QByteArray b("\xEF\xBB\xBF");
    for (const QString &l : lineas)
        b += l.toUtf8() + "\r\n";
    return b;
}

QByteArray DeTabla(const TablaExportada &tabla)
{
    QStringList lineas;
    QStringList cabecera;
    for (const QString &e : tabla.encabezados)
        cabecera << Texto(e);
    lineas << Linea(cabecera);
    for (const auto &fila : tabla.filas) {
        QStringList campos;
        for (const CeldaExportada &c : fila)
            campos << Celda(c.texto);
        lineas << Linea(campos);
    }
    return Archivo(lineas);
}

}
