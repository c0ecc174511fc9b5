#include "consultasestadisticas.h"

#include "comillas.h"
#include "filtroestadistica.h"

namespace ConsultasEstadisticas {

namespace {
QString Citado(const QString &valor) { return u'\'' + EscaparComillas(valor) + u'\''; }
// The holder code as a LIKE pattern that matches only itself.
QString PatronTitular(const QString &titular) { return u'\'' + EscaparLike(titular) + u'\''; }

struct Textos {
    const char *cabezaTodos;
    const char *cabezaUno;
    const char *cola;
};

const Textos &TextosDe(int tipo)
{
    static const Textos dias{
        "SELECT  convert(nvarchar(11), fecha, 101),DatePart(hh, fecha),Count(*) FROM [DATOS] WHERE (",
        "SELECT  convert(nvarchar(11), fecha, 101),DatePart(hh, fecha),Count(*) FROM [DATOS]   where IMEI=",
        " Group By convert(nvarchar(11), fecha, 101),DatePart(hh, fecha) order by convert(nvarchar(11), fecha, "
        "101),DatePart(hh, fecha)"};
    static const Textos zonas{"SELECT  Zona ,DatePart(hh, fecha),Count(*) FROM [DATOS] WHERE (",
                              "SELECT  Zona,DatePart(hh, fecha),Count(*) FROM [DATOS]   where IMEI=",
                              " Group By zona,DatePart(hh, fecha) order by Zona,DatePart(hh, fecha)"};
    static const Textos localizadores{
        "SELECT  Imei,Zona ,DatePart(hh, fecha),Count(*) FROM [DATOS] WHERE (",
        "SELECT  Imei,Zona,DatePart(hh, fecha),Count(*) FROM [DATOS]   where IMEI=",
        " Group By Imei,zona,DatePart(hh, fecha) order by Imei,Zona,DatePart(hh, fecha)"};
    return tipo == 2 ? zonas : tipo == 3 ? localizadores : dias;
}
}

QString SqlLocalizadores(const QString &titular)
{
    return QStringLiteral("SELECT * from LOCALIZADORES WHERE TITULAR LIKE ") + PatronTitular(titular);
}

QString SqlZonas(const QString &titular)
{
    return QStringLiteral("SELECT * from Zonas WHERE TITULAR LIKE ") + PatronTitular(titular);
}

QString SqlCoordenadasZona(const QString &titular, const QString &zona)
{
    return QStringLiteral("SELECT [Coor Geo] from Zonas WHERE TITULAR LIKE ") + PatronTitular(titular) +
           QStringLiteral(" and [Descripcion zona]=") + Citado(zona);
}

QString SqlEstadistica(int tipo, const QStringList &entradas, const QString &localizador, const QString &d1,
                       const QString &d2, const QString &zona)
{
    const Textos &t = TextosDe(tipo);
    QString sql;
    if (localizador == FiltroEstadistica::kTodos) {
        sql = QLatin1String(t.cabezaTodos);
        for (qsizetype i = 1; i < entradas.size(); ++i) {
            if (i >= 2)
                sql += QLatin1String(" OR ");
            sql += QLatin1String(" IMEI=") + Citado(entradas.at(i));
        }
        sql += QLatin1Char(')');
    } else {
        sql = QLatin1String(t.cabezaUno) + Citado(localizador);
    }
    sql += QLatin1String(" and Fecha>CONVERT(DateTime, '") + d1 +
           QLatin1String("', 103)    And Fecha<CONVERT(DateTime, '") + d2 + QLatin1String("', 103) ");
    if (!zona.isEmpty())
        sql += QLatin1String(" and Zona=") + Citado(zona);
    return sql + QLatin1String(t.cola);
}
}
