#include "mapazonas.h"

#include "argumentosscript.h"

QString MapaZonas::Registro(const QString &nombre, const QString &contorno, const QString &total)
{
    QString n = nombre;
    n.replace(QLatin1Char('&'), QLatin1String("&amp;")).replace(QLatin1Char('<'), QLatin1String("&lt;"));
    return n + QLatin1Char('|') + contorno.mid(1, contorno.size() - 2) + QLatin1Char('|') + total +
           QLatin1String("<sig>");
}

QString MapaZonas::Texto(const ResultadoEstadistica &r, const std::function<QString(const QString &)> &coordenadas)
{
    QString s;
    for (int f = 0; f < r.MaxFilas; ++f) {
        const QString &nombre = r.TablaEstadistica.Celda(f, 0);
        const QString contorno = coordenadas(nombre);
        if (!contorno.isEmpty())
            s += Registro(nombre, contorno, r.TablaEstadistica.Celda(f, 25));
    }
    return s;
}

QString MapaZonas::Sentencia(const QString &argumento)
{
    return QStringLiteral("visualizamapa('") + ArgumentoScript(argumento) + QStringLiteral("');");
}
