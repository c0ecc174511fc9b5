#include "fechastexto.h"

namespace {
QString dosCifras(int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); }
}

QString ConvFechaDMA(const QDate &Fecha)
{
    return dosCifras(Fecha.day()) + u'/' + dosCifras(Fecha.month()) + u'/' + QString::number(Fecha.year());
}

QString ConvFechayHora(const QDateTime &Fecha)
{
    if (!Fecha.isValid())
        return QString();
    return Fecha.toString(QStringLiteral("MM/dd/yyyy HH:mm:ss"));
}

QString ConvFecha(const QDate &Fecha)
{
    return dosCifras(Fecha.month()) + u'/' + dosCifras(Fecha.day()) + u'/' + QString::number(Fecha.year());
}

QString ConvFecha1(const QDate &Fecha) { return Fecha.isValid() ? ConvFecha(Fecha) : QString(); }

QString ConvFecha2(const QString &Fecha) { return Fecha.mid(3, 2) + u'/' + Fecha.left(2) + u'/' + Fecha.mid(6, 4); }
