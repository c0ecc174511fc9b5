#include "colaciontsql.h"

namespace {
enum class Clausula { Otra, Set, Orden };

const QString kColacion = QStringLiteral(" COLLATE TSQL");

int anterior(const TokensTSQL &tk, int i)
{
    for (--i; i >= 0; --i)
        if (tk[i].tipo != TipoToken::Espacio)
            return i;
    return -1;
}

bool ordenaOCompara(const Token &t) { return t.comparacion() || t.es("IN") || t.es("BETWEEN"); }
}  // namespace

bool EsColumnaTextoTSQL(const QString &nombre)
{
    for (const char *c : {"IMEI", "ZONA", "NOMBRE", "TITULAR", "Descripcion zona"})
        if (nombre.compare(QLatin1String(c), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString ClaveTextoIndice(const QString &columna) { return QStringLiteral("lower(rtrim(%1))").arg(columna); }

QStringList SufijosColacion(const TokensTSQL &tk)
{
    const int n = tk.size();
    QStringList sufijos(n);
    // The clause each token lies in, one level per parenthesis.
    QList<Clausula> pila{Clausula::Otra};
    for (int i = 0; i < n; ++i) {
        const Token &t = tk[i];
        if (t.tipo == TipoToken::Espacio)
            continue;
        if (t.simbolo("(")) {
            pila.append(Clausula::Otra);
            continue;
        }
        if (t.simbolo(")")) {
            if (pila.size() > 1)
                pila.removeLast();
            continue;
        }
        Clausula &actual = pila.last();
        if (t.tipo == TipoToken::Palabra) {
            if (t.es("SET")) {
                actual = Clausula::Set;
                continue;
            }
            if (t.es("BY")) {
                const int a = anterior(tk, i);
                if (a >= 0 && (tk[a].es("GROUP") || tk[a].es("ORDER")))
                    actual = Clausula::Orden;
                continue;
            }
            for (const char *k : {"WHERE", "SELECT", "FROM", "HAVING", "LIMIT", "UNION", "VALUES", "ON"})
                if (t.es(k))
                    actual = Clausula::Otra;
        }
        if (!t.esNombre() || !EsColumnaTextoTSQL(t.nombre()))
            continue;
        const int a = anterior(tk, i);
        const int s = tk.saltar(i + 1, n);
        if ((a >= 0 && tk[a].simbolo(".")) || (s < n && (tk[s].simbolo("(") || tk[s].simbolo("."))))
            continue;  // a qualified name or a function
        if (a >= 0 && tk[a].es("DISTINCT")) {
            if (s >= n || tk[s].simbolo(",") || tk[s].es("FROM"))
                sufijos[i] = kColacion + QStringLiteral(" AS ") + t.texto;
            continue;
        }
        if (actual == Clausula::Orden) {
            if (a >= 0 && (tk[a].es("BY") || tk[a].simbolo(",")))
                sufijos[i] = kColacion;
            continue;
        }
        if (actual == Clausula::Set)
            continue;
        const bool comparada = (s < n && (ordenaOCompara(tk[s]) || (tk[s].es("NOT") && tk.saltar(s + 1, n) < n &&
                                                                    ordenaOCompara(tk[tk.saltar(s + 1, n)])))) ||
                               (a >= 0 && tk[a].comparacion());
        if (comparada)
            sufijos[i] = kColacion;
    }
    return sufijos;
}
