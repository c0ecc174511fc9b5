#include "traductortsql.h"

#include "colaciontsql.h"
#include "comillas.h"
#include "lexicotsql.h"
#include "literalesfecha.h"

#include <algorithm>

namespace {

QString citar(const QString &v) { return '\'' + EscaparComillas(v) + '\''; }

bool esFecha(const Token &t) { return t.esNombre() && t.nombre().compare(QLatin1String("FECHA"), Qt::CaseInsensitive) == 0; }

bool esTexto(const QString &tipo)
{
    return tipo == "varchar" || tipo == "nvarchar" || tipo == "char" || tipo == "nchar" || tipo == "text" || tipo == "ntext";
}

bool esFechaHora(const QString &tipo)
{
    return tipo == "datetime" || tipo == "smalldatetime" || tipo == "date" || tipo == "datetime2";
}

// CONVERT styles that write the day before the month.
bool diaPrimero(int estilo) { return estilo == 103 || estilo == 3 || estilo == 104 || estilo == 105; }

// strftime expression of a style, or empty for an unknown style.
QString formatoEstilo(int estilo, const QString &x)
{
    auto f = [&](const char *fmt) { return QStringLiteral("strftime('%1', %2)").arg(QLatin1String(fmt), x); };
    switch (estilo) {
    case 1: return f("%m/%d/%y");
    case 101: return f("%m/%d/%Y");
    case 3: return f("%d/%m/%y");
    case 103: return f("%d/%m/%Y");
    case 104: return f("%d.%m.%Y");
    case 105: return f("%d-%m-%Y");
    case 108: case 8: return f("%H:%M:%S");
    case 112: return f("%Y%m%d");
    case 23: return f("%Y-%m-%d");
    case 120: case 20: return f("%Y-%m-%d %H:%M:%S");
    case 114: case 14:
        return QStringLiteral("(strftime('%H:%M:%S', %1) || ':' || substr(strftime('%f', %1), 4, 3))").arg(x);
    case 121: case 21:
        return QStringLiteral("(strftime('%Y-%m-%d %H:%M:%S', %1) || '.' || substr(strftime('%f', %1), 4, 3))").arg(x);
    default: return QString();
    }
}

// strftime field of a DatePart part, or nullptr.
const char *formatoParte(const QString &parte)
{
    if (parte == "hh" || parte == "hour") return "%H";
    if (parte == "mi" || parte == "n" || parte == "minute") return "%M";
    if (parte == "ss" || parte == "s" || parte == "second") return "%S";
    if (parte == "dd" || parte == "d" || parte == "day") return "%d";
    if (parte == "mm" || parte == "m" || parte == "month") return "%m";
    if (parte == "yy" || parte == "yyyy" || parte == "year") return "%Y";
    if (parte == "dy" || parte == "y" || parte == "dayofyear") return "%j";
    return nullptr;
}

struct Convert {
    QString tipo;  // lower-cased base type name
    int longitud = -1;
    Rango expr;
    int estilo = -1;
    int fin = 0;   // index after ")"
};

// Each rule looks at the token at i; when it applies it writes its text for tokens [i, fin)
// and answers true. A rule that finds an impossible date sets error and answers true.
class Traductor {
public:
    explicit Traductor(const TokensTSQL &t) : tk(t), sufijos(SufijosColacion(t)) {}

    QString error;

    QString traducir(int desde, int hasta)
    {
        QString out;
        int i = desde;
        while (i < hasta && error.isEmpty()) {
            int fin = i;
            QString parte;
            if (rangoDia(i, hasta, fin, parte) || convert(i, hasta, fin, parte) || datePart(i, hasta, fin, parte) ||
                deleteSinFrom(i, hasta, fin, parte) || comparacionFecha(i, hasta, fin, parte) ||
                insertar(i, hasta, fin, parte) || literalN(i, hasta, fin, parte) || getDate(i, hasta, fin, parte)) {
                out += parte;
                i = fin;
            } else {
                out += tk[i].texto + sufijos[i];
                ++i;
            }
        }
        return out;
    }

    // Whole statements the engine would answer by reading every row of DATOS, rewritten to one
    // seek per row of the answer on the index of the locator's key and FECHA (same rows and names;
    // the locators in the collation's order):
    //   SELECT DISTINCT IMEI FROM DATOS
    //   SELECT DISTINCT CONVERT(text, FECHA, day style) [AS] a FROM DATOS WHERE IMEI = 'x' [ORDER BY ...]
    bool porIndice(QString &out)
    {
        const int primero = tk.saltar(0, tk.size());
        if (primero >= tk.size() || !tk[primero].es("SELECT"))
            return false;  // the writes, most of what is sent, are passed over at once
        QList<int> p;  // the tokens that are not blank, without a final ";"
        for (int i = primero; i < tk.size(); ++i)
            if (tk[i].tipo != TipoToken::Espacio)
                p << i;
        if (!p.isEmpty() && tk[p.last()].simbolo(";"))
            p.removeLast();
        auto nombre = [&](int k, const char *n) {
            return k < p.size() && tk[p[k]].esNombre() && tk[p[k]].nombre().compare(QLatin1String(n), Qt::CaseInsensitive) == 0;
        };
        auto palabra = [&](int k, const char *n) { return k < p.size() && tk[p[k]].es(n); };
        if (!palabra(0, "SELECT") || !palabra(1, "DISTINCT"))
            return false;
        if (p.size() == 5 && nombre(2, "IMEI") && palabra(3, "FROM") && nombre(4, "DATOS")) {
            // One seek per key of the index, one stored value per key; values of different keys
            // that the collation still calls equal are merged last.
            const QString c = tk[p[2]].texto, t = tk[p[4]].texto, k = ClaveTextoIndice(c);
            out = QStringLiteral("WITH RECURSIVE claves_(k) AS (SELECT MIN(%3) FROM %2 UNION ALL SELECT (SELECT MIN(%3) FROM %2 "
                                 "WHERE %3 > claves_.k) FROM claves_ WHERE claves_.k IS NOT NULL) "
                                 "SELECT DISTINCT %1 COLLATE TSQL AS %1 FROM (SELECT (SELECT %1 FROM %2 WHERE %3 = claves_.k LIMIT 1) "
                                 "AS %1 FROM claves_ WHERE claves_.k IS NOT NULL) ORDER BY 1").arg(c, t, k);
            return true;
        }
        Convert c;
        if (p.size() < 11 || !leerConvert(p[2], tk.size(), c) || !esTexto(c.tipo) || !esDiaSolo(c.estilo))
            return false;
        const int col = tk.unico(c.expr);
        if (col < 0 || !esFecha(tk[col]))
            return false;
        int k = int(std::lower_bound(p.begin(), p.end(), c.fin) - p.begin());
        if (palabra(k, "AS"))
            ++k;
        if (k >= p.size() || tk[p[k]].tipo != TipoToken::Palabra)
            return false;
        const int desde = k + 1;  // FROM DATOS WHERE IMEI = 'x'
        if (!palabra(desde, "FROM") || !nombre(desde + 1, "DATOS") || !palabra(desde + 2, "WHERE") || !nombre(desde + 3, "IMEI") ||
            desde + 5 >= p.size() || !tk[p[desde + 4]].simbolo("=") || tk[p[desde + 5]].tipo != TipoToken::Cadena)
            return false;
        if (desde + 6 < p.size() && !palabra(desde + 6, "ORDER"))
            return false;
        const QString valor = tk[p[desde + 5]].valor();
        if (std::any_of(valor.begin(), valor.end(), [](QChar ch) { return ch.unicode() >= 0x80; }))
            return false;  // the index key folds ASCII letters only
        // On ASCII values the key's equality is the collation's: the index alone finds the rows.
        const QString tabla = tk[p[desde + 1]].texto;
        const QString imei = ClaveTextoIndice(tk[p[desde + 3]].texto) + QStringLiteral(" = ") + ClaveTextoIndice(tk[p[desde + 5]].texto);
        out = QStringLiteral("WITH RECURSIVE dias_(FECHA) AS (SELECT MIN(FECHA) FROM %1 WHERE %2 UNION ALL "
                             "SELECT (SELECT MIN(FECHA) FROM %1 WHERE %2 AND FECHA >= date(dias_.FECHA, '+1 day')) "
                             "FROM dias_ WHERE dias_.FECHA IS NOT NULL) ").arg(tabla, imei) +
              traducir(0, p[desde + 1]) + QStringLiteral("dias_") + traducir(p[desde + 1] + 1, p[desde + 2] + 1) +
              QStringLiteral(" FECHA IS NOT NULL") + traducir(p[desde + 5] + 1, tk.size());
        return true;
    }

private:
    const TokensTSQL &tk;
    const QStringList sufijos;

    // Styles that write the day only, so that one row of a day stands for all of its rows.
    static bool esDiaSolo(int estilo)
    {
        return estilo == 1 || estilo == 101 || estilo == 3 || estilo == 103 || estilo == 104 || estilo == 105 ||
               estilo == 112 || estilo == 23;
    }

    QString traducirRecortado(Rango r) { return traducir(r.first, r.second).trimmed(); }

    // The quoted ISO text of a date literal; false, with error set, when it is no date.
    bool fechaCitada(const QString &valor, bool dia, QString &out)
    {
        const QString iso = dia ? LiteralDiaPrimeroAISO(valor) : LiteralMesPrimeroAISO(valor);
        if (iso.isEmpty()) {
            error = TextoFechaFueraDeIntervalo(valor);
            return false;
        }
        out = citar(iso);
        return true;
    }

    bool leerConvert(int i, int hasta, Convert &c) const
    {
        int abre, cierra;
        if (!tk[i].es("CONVERT") || !tk.parentesis(i, hasta, abre, cierra))
            return false;
        const auto args = tk.argumentos(abre, cierra);
        if (args.size() < 2 || args.size() > 3)
            return false;
        const int t = tk.saltar(args[0].first, args[0].second);
        if (t >= args[0].second || tk[t].tipo != TipoToken::Palabra)
            return false;
        c.tipo = tk[t].texto.toLower();
        const int p = tk.saltar(t + 1, args[0].second);
        if (p < args[0].second && tk[p].simbolo("(")) {
            const int q = tk.saltar(p + 1, args[0].second);
            if (q < args[0].second && tk[q].tipo == TipoToken::Numero)
                c.longitud = tk[q].texto.toInt();
        }
        c.expr = args[1];
        if (args.size() == 3) {
            const int e = tk.unico(args[2]);
            if (e < 0 || tk[e].tipo != TipoToken::Numero)
                return false;
            c.estilo = tk[e].texto.toInt();
        }
        c.fin = cierra + 1;
        return true;
    }

    // CONVERT(text, column, 101|103) = 'dd/mm/yyyy' (or CONVERT(text, 'dd/mm/yyyy', same style)):
    // the day's index range on the column.
    bool rangoDia(int i, int hasta, int &fin, QString &out)
    {
        Convert izq;
        if (!leerConvert(i, hasta, izq) || !esTexto(izq.tipo) || (izq.estilo != 101 && izq.estilo != 103))
            return false;
        if (izq.longitud >= 0 && izq.longitud < 10)
            return false;
        const int col = tk.unico(izq.expr);
        if (col < 0 || !tk[col].esNombre())
            return false;
        const int op = tk.saltar(izq.fin, hasta);
        if (op >= hasta || !tk[op].simbolo("="))
            return false;
        const int der = tk.saltar(op + 1, hasta);
        if (der >= hasta)
            return false;
        QString literal;
        int finDer;
        Convert c2;
        if (tk[der].tipo == TipoToken::Cadena) {
            literal = tk[der].valor();
            finDer = der + 1;
        } else if (leerConvert(der, hasta, c2) && esTexto(c2.tipo)) {
            const int l = tk.unico(c2.expr);
            if (l < 0 || tk[l].tipo != TipoToken::Cadena)
                return false;
            literal = tk[l].valor();
            if (c2.longitud >= 0)
                literal = literal.left(c2.longitud);
            finDer = c2.fin;
        } else {
            return false;
        }
        // Any other form is no day of the column's form: the generic translation finds nothing either.
        const QDate dia = DiaDeDiezCifras(literal, diaPrimero(izq.estilo));
        if (!dia.isValid())
            return false;
        out = QStringLiteral("(%1 >= '%2' AND %1 < '%3')")
                  .arg(tk[col].texto, dia.toString(QStringLiteral("yyyy-MM-dd")), dia.addDays(1).toString(QStringLiteral("yyyy-MM-dd")));
        fin = finDer;
        return true;
    }

    bool convert(int i, int hasta, int &fin, QString &out)
    {
        Convert c;
        if (!leerConvert(i, hasta, c))
            return false;
        const int l = tk.unico(c.expr);
        const bool literal = l >= 0 && tk[l].tipo == TipoToken::Cadena;
        fin = c.fin;
        if (esFechaHora(c.tipo)) {
            if (!literal)
                out = traducirRecortado(c.expr);
            else
                fechaCitada(tk[l].valor(), diaPrimero(c.estilo), out);
            return true;
        }
        const QString expr = literal ? tk[l].texto : traducirRecortado(c.expr);
        if (esTexto(c.tipo)) {
            const int longitud = c.longitud >= 0 ? c.longitud : 30;
            if (literal) {
                out = citar(tk[l].valor().left(longitud));
                return true;
            }
            QString f = c.estilo >= 0 ? formatoEstilo(c.estilo, expr) : QString();
            if (f.isEmpty())
                f = QStringLiteral("CAST(%1 AS TEXT)").arg(expr);
            out = QStringLiteral("substr(%1, 1, %2)").arg(f).arg(longitud);
            return true;
        }
        if (c.tipo == "int" || c.tipo == "bigint" || c.tipo == "smallint" || c.tipo == "tinyint" || c.tipo == "bit")
            out = QStringLiteral("CAST(%1 AS INTEGER)").arg(expr);
        else if (c.tipo == "float" || c.tipo == "real" || c.tipo == "decimal" || c.tipo == "numeric" || c.tipo == "money")
            out = QStringLiteral("CAST(%1 AS REAL)").arg(expr);
        else
            out = expr;
        return true;
    }

    bool datePart(int i, int hasta, int &fin, QString &out)
    {
        int abre, cierra;
        if (!tk[i].es("DATEPART") || !tk.parentesis(i, hasta, abre, cierra))
            return false;
        const auto args = tk.argumentos(abre, cierra);
        const int p = args.size() == 2 ? tk.unico(args[0]) : -1;
        const char *fmt = p < 0 ? nullptr : formatoParte(tk[p].texto.toLower());
        if (!fmt)
            return false;
        out = QStringLiteral("CAST(strftime('%1', %2) AS INTEGER)").arg(QLatin1String(fmt), traducirRecortado(args[1]));
        fin = cierra + 1;
        return true;
    }

    // "DELETE Datos WHERE" -> "DELETE FROM Datos WHERE"
    bool deleteSinFrom(int i, int hasta, int &fin, QString &out)
    {
        if (!tk[i].es("DELETE"))
            return false;
        const int t = tk.saltar(i + 1, hasta);
        if (t >= hasta || tk[t].es("FROM") || !tk[t].esNombre())
            return false;
        out = tk[i].texto + QStringLiteral(" FROM");
        fin = i + 1;
        return true;
    }

    // FECHA <op> 'M/d/yyyy ...', 'M/d/yyyy' <op> FECHA, FECHA [NOT] BETWEEN 'a' AND 'b'
    bool comparacionFecha(int i, int hasta, int &fin, QString &out)
    {
        if (tk[i].tipo == TipoToken::Cadena) {
            const int op = tk.saltar(i + 1, hasta);
            if (op >= hasta || !tk[op].comparacion())
                return false;
            const int c = tk.saltar(op + 1, hasta);
            if (c >= hasta || !esFecha(tk[c]))
                return false;
            if (fechaCitada(tk[i].valor(), false, out))
                fin = i + 1;
            return true;
        }
        if (!esFecha(tk[i]))
            return false;
        const int op = tk.saltar(i + 1, hasta);
        if (op >= hasta)
            return false;
        if (tk[op].comparacion()) {
            const int v = tk.saltar(op + 1, hasta);
            if (v >= hasta || tk[v].tipo != TipoToken::Cadena)
                return false;
            QString lit;
            if (fechaCitada(tk[v].valor(), false, lit)) {
                out = tk.texto(i, v) + lit;
                fin = v + 1;
            }
            return true;
        }
        const int entre = tk[op].es("NOT") ? tk.saltar(op + 1, hasta) : op;
        if (entre >= hasta || !tk[entre].es("BETWEEN"))
            return false;
        const int a = tk.saltar(entre + 1, hasta);
        const int y = a < hasta ? tk.saltar(a + 1, hasta) : hasta;
        const int b = y < hasta ? tk.saltar(y + 1, hasta) : hasta;
        if (b >= hasta || tk[a].tipo != TipoToken::Cadena || !tk[y].es("AND") || tk[b].tipo != TipoToken::Cadena)
            return false;
        QString la, lb;
        if (fechaCitada(tk[a].valor(), false, la) && fechaCitada(tk[b].valor(), false, lb)) {
            out = tk.texto(i, a) + la + tk.texto(a + 1, b) + lb;
            fin = b + 1;
        }
        return true;
    }

    // INSERT INTO DATOS [(cols)] VALUES(...): the FECHA value written month-first becomes ISO.
    bool insertar(int i, int hasta, int &fin, QString &out)
    {
        if (!tk[i].es("INSERT"))
            return false;
        int k = tk.saltar(i + 1, hasta);
        if (k < hasta && tk[k].es("INTO"))
            k = tk.saltar(k + 1, hasta);
        if (k >= hasta || !tk[k].esNombre())
            return false;
        int p = tk.saltar(k + 1, hasta);
        // Without a column list FECHA is DATOS's second column.
        int indiceFecha = tk[k].nombre().compare(QLatin1String("DATOS"), Qt::CaseInsensitive) == 0 ? 1 : -1;
        if (p < hasta && tk[p].simbolo("(")) {
            const int c = tk.cierre(p, hasta);
            if (c < 0)
                return false;
            indiceFecha = -1;
            const auto cols = tk.argumentos(p, c);
            for (int n = 0; n < cols.size(); ++n) {
                const int u = tk.unico(cols[n]);
                if (u >= 0 && esFecha(tk[u]))
                    indiceFecha = n;
            }
            p = tk.saltar(c + 1, hasta);
        }
        int abre, cierra;
        if (indiceFecha < 0 || p >= hasta || !tk[p].es("VALUES") || !tk.parentesis(p, hasta, abre, cierra))
            return false;
        const auto valores = tk.argumentos(abre, cierra);
        if (indiceFecha >= valores.size())
            return false;
        const int v = tk.unico(valores[indiceFecha]);
        if (v < 0 || tk[v].tipo != TipoToken::Cadena)
            return false;
        QString lit;
        if (fechaCitada(tk[v].valor(), false, lit)) {
            out = tk.texto(i, v) + lit + traducir(v + 1, cierra + 1);
            fin = cierra + 1;
        }
        return true;
    }

    bool literalN(int i, int hasta, int &fin, QString &out)
    {
        if (!(tk[i].tipo == TipoToken::Palabra && (tk[i].texto == "N" || tk[i].texto == "n")) || i + 1 >= hasta ||
            tk[i + 1].tipo != TipoToken::Cadena)
            return false;
        fin = i + 1;
        out = QString();
        return true;
    }

    bool getDate(int i, int hasta, int &fin, QString &out)
    {
        int abre, cierra;
        if (!tk[i].es("GETDATE") || !tk.parentesis(i, hasta, abre, cierra) || cierra != abre + 1)
            return false;
        out = QStringLiteral("strftime('%Y-%m-%d %H:%M:%S', 'now', 'localtime')");
        fin = cierra + 1;
        return true;
    }
};

}  // namespace

Traduccion TraducirTSQL(const QString &tsql)
{
    Traduccion r;
    const TokensTSQL tokens(tsql);
    r.error = tokens.error();
    if (!r.error.isEmpty())
        return r;
    Traductor t(tokens);
    if (!t.porIndice(r.sql))
        r.sql = t.traducir(0, tokens.size());
    r.error = t.error;
    return r;
}
