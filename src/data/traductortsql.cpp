#include "traductortsql.h"

#include <QDate>
#include <QList>
#include <QRegularExpression>
#include <QTime>

namespace {

enum class Tipo { Espacio, Cadena, Palabra, Corchete, Numero, Simbolo };

struct Token {
    Tipo tipo;
    QString texto;   // as written (a Cadena includes its quotes)
    QString valor() const  // the literal's value, quotes removed and '' undoubled
    {
        return texto.mid(1, texto.size() - 2).replace(QStringLiteral("''"), QStringLiteral("'"));
    }
    bool es(const char *palabra) const
    {
        return tipo == Tipo::Palabra && texto.compare(QLatin1String(palabra), Qt::CaseInsensitive) == 0;
    }
    bool simbolo(const char *s) const { return tipo == Tipo::Simbolo && texto == QLatin1String(s); }
    // The column name a word or bracketed name stands for ("[FECHA]" -> "FECHA").
    QString nombre() const
    {
        if (tipo == Tipo::Corchete)
            return texto.mid(1, texto.size() - 2);
        return texto;
    }
};

QString citar(const QString &v) { return '\'' + QString(v).replace('\'', QStringLiteral("''")) + '\''; }

QList<Token> tokenizar(const QString &s, QString &error)
{
    QList<Token> r;
    int i = 0, n = s.size();
    while (i < n) {
        QChar c = s[i];
        int j = i + 1;
        if (c.isSpace()) {
            while (j < n && s[j].isSpace())
                ++j;
            r.append({Tipo::Espacio, s.mid(i, j - i)});
        } else if (c == '\'') {
            for (;;) {
                while (j < n && s[j] != '\'')
                    ++j;
                if (j >= n) {
                    error = QStringLiteral("Comilla no cerrada antes de la cadena de caracteres '%1'.").arg(s.mid(i + 1));
                    return {};
                }
                if (j + 1 < n && s[j + 1] == '\'') {
                    j += 2;
                    continue;
                }
                ++j;
                break;
            }
            r.append({Tipo::Cadena, s.mid(i, j - i)});
        } else if (c == '[' || c == '"') {
            QChar cierre = c == '[' ? ']' : '"';
            while (j < n && s[j] != cierre)
                ++j;
            j = qMin(j + 1, n);
            r.append({Tipo::Corchete, s.mid(i, j - i)});
        } else if (c.isLetter() || c == '_' || c == '@' || c == '#') {
            while (j < n && (s[j].isLetterOrNumber() || s[j] == '_' || s[j] == '@' || s[j] == '#' || s[j] == '$'))
                ++j;
            r.append({Tipo::Palabra, s.mid(i, j - i)});
        } else if (c.isDigit()) {
            while (j < n && (s[j].isDigit() || s[j] == '.'))
                ++j;
            r.append({Tipo::Numero, s.mid(i, j - i)});
        } else {
            if (j < n && ((c == '<' && (s[j] == '=' || s[j] == '>')) || (c == '>' && s[j] == '=') ||
                          (c == '!' && (s[j] == '=' || s[j] == '<' || s[j] == '>'))))
                ++j;
            r.append({Tipo::Simbolo, s.mid(i, j - i)});
        }
        i = j;
    }
    return r;
}

QString aISO(int anio, int mes, int dia, const QString &h, const QString &mi, const QString &se, const QString &ms)
{
    QDate d(anio, mes, dia);
    if (!d.isValid() || anio < 1753)
        return QString();
    QTime t(h.isEmpty() ? 0 : h.toInt(), mi.isEmpty() ? 0 : mi.toInt(), se.isEmpty() ? 0 : se.toInt());
    if (!t.isValid())
        return QString();
    QString r = d.toString(QStringLiteral("yyyy-MM-dd")) + ' ' + t.toString(QStringLiteral("HH:mm:ss"));
    if (!ms.isEmpty())
        r += '.' + ms.leftJustified(3, '0');
    return r;
}

const QRegularExpression &reBarras()
{
    static const QRegularExpression re(QStringLiteral(
        R"(^\s*(\d{1,2})[/\-.](\d{1,2})[/\-.](\d{4})(?:\s+(\d{1,2}):(\d{1,2})(?::(\d{1,2})(?:\.(\d{1,3}))?)?)?\s*$)"));
    return re;
}
const QRegularExpression &reISO()
{
    static const QRegularExpression re(QStringLiteral(
        R"(^\s*(\d{4})-(\d{1,2})-(\d{1,2})(?:[ T](\d{1,2}):(\d{1,2})(?::(\d{1,2})(?:\.(\d{1,3}))?)?)?\s*$)"));
    return re;
}

QString literalAISO(const QString &lit, bool diaPrimero)
{
    auto m = reBarras().match(lit);
    if (m.hasMatch()) {
        int a = m.captured(1).toInt(), b = m.captured(2).toInt();
        int mes = diaPrimero ? b : a, dia = diaPrimero ? a : b;
        return aISO(m.captured(3).toInt(), mes, dia, m.captured(4), m.captured(5), m.captured(6), m.captured(7));
    }
    m = reISO().match(lit);
    if (m.hasMatch())
        return aISO(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(), m.captured(4),
                    m.captured(5), m.captured(6), m.captured(7));
    return QString();
}

const QString kFueraDeIntervalo = QStringLiteral(
    "La conversión del tipo de datos varchar en datetime produjo un valor fuera del intervalo: '%1'.");

bool esFecha(const Token &t)
{
    return (t.tipo == Tipo::Palabra || t.tipo == Tipo::Corchete) && t.nombre().compare(QLatin1String("FECHA"), Qt::CaseInsensitive) == 0;
}
bool esComparacion(const Token &t)
{
    return t.tipo == Tipo::Simbolo && (t.texto == "=" || t.texto == "<" || t.texto == ">" || t.texto == "<=" ||
                                       t.texto == ">=" || t.texto == "<>" || t.texto == "!=" || t.texto == "!<" || t.texto == "!>");
}

class Traductor {
public:
    explicit Traductor(QList<Token> t) : tk(std::move(t)) {}

    QString error;

    // Translates tokens [desde, hasta).
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
                out += tk[i].texto;
                ++i;
            }
        }
        return out;
    }

private:
    QList<Token> tk;

    int saltar(int i, int hasta) const
    {
        while (i < hasta && tk[i].tipo == Tipo::Espacio)
            ++i;
        return i;
    }
    // Index of the ")" closing the "(" at i, or -1.
    int cierre(int i, int hasta) const
    {
        int nivel = 0;
        for (int k = i; k < hasta; ++k) {
            if (tk[k].simbolo("("))
                ++nivel;
            else if (tk[k].simbolo(")") && --nivel == 0)
                return k;
        }
        return -1;
    }
    // Top-level comma-separated ranges inside (abre, cierra).
    QList<std::pair<int, int>> argumentos(int abre, int cierra) const
    {
        QList<std::pair<int, int>> r;
        int nivel = 0, inicio = abre + 1;
        for (int k = abre + 1; k < cierra; ++k) {
            if (tk[k].simbolo("("))
                ++nivel;
            else if (tk[k].simbolo(")"))
                --nivel;
            else if (nivel == 0 && tk[k].simbolo(",")) {
                r.append({inicio, k});
                inicio = k + 1;
            }
        }
        r.append({inicio, cierra});
        return r;
    }
    // The single meaningful token of a range, or -1.
    int unico(std::pair<int, int> rango) const
    {
        int a = saltar(rango.first, rango.second);
        if (a >= rango.second)
            return -1;
        int b = saltar(a + 1, rango.second);
        return b >= rango.second ? a : -1;
    }
    QString textoCrudo(std::pair<int, int> rango) const
    {
        QString s;
        for (int k = rango.first; k < rango.second; ++k)
            s += tk[k].texto;
        return s.trimmed();
    }

    struct Convert {
        QString tipo;     // lower-cased base type name
        int longitud = -1;
        std::pair<int, int> expr;
        int estilo = -1;
        int fin = 0;      // index after ")"
    };
    bool leerConvert(int i, int hasta, Convert &c) const
    {
        if (!tk[i].es("CONVERT"))
            return false;
        int abre = saltar(i + 1, hasta);
        if (abre >= hasta || !tk[abre].simbolo("("))
            return false;
        int cierra = cierre(abre, hasta);
        if (cierra < 0)
            return false;
        auto args = argumentos(abre, cierra);
        if (args.size() < 2 || args.size() > 3)
            return false;
        int t = saltar(args[0].first, args[0].second);
        if (t >= args[0].second || tk[t].tipo != Tipo::Palabra)
            return false;
        c.tipo = tk[t].texto.toLower();
        int p = saltar(t + 1, args[0].second);
        if (p < args[0].second && tk[p].simbolo("(")) {
            int q = saltar(p + 1, args[0].second);
            if (q < args[0].second && tk[q].tipo == Tipo::Numero)
                c.longitud = tk[q].texto.toInt();
            else if (q < args[0].second && tk[q].es("max"))
                c.longitud = -1;
        }
        c.expr = args[1];
        if (args.size() == 3) {
            int e = unico(args[2]);
            if (e < 0 || tk[e].tipo != Tipo::Numero)
                return false;
            c.estilo = tk[e].texto.toInt();
        }
        c.fin = cierra + 1;
        return true;
    }
    static bool esTexto(const QString &tipo)
    {
        return tipo == "varchar" || tipo == "nvarchar" || tipo == "char" || tipo == "nchar" || tipo == "text" || tipo == "ntext";
    }
    static bool esFechaHora(const QString &tipo)
    {
        return tipo == "datetime" || tipo == "smalldatetime" || tipo == "date" || tipo == "datetime2";
    }
    // strftime expression of a style, or empty for an unknown style.
    static QString formatoEstilo(int estilo, const QString &x)
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

    // CONVERT(text, column, 101|103) = 'dd/mm/yyyy' (or CONVERT(text, 'dd/mm/yyyy', same style)):
    // the day's index range on the column.
    bool rangoDia(int i, int hasta, int &fin, QString &out)
    {
        Convert izq;
        if (!leerConvert(i, hasta, izq) || !esTexto(izq.tipo) || (izq.estilo != 101 && izq.estilo != 103))
            return false;
        if (izq.longitud >= 0 && izq.longitud < 10)
            return false;
        int col = unico(izq.expr);
        if (col < 0 || (tk[col].tipo != Tipo::Palabra && tk[col].tipo != Tipo::Corchete))
            return false;
        int op = saltar(izq.fin, hasta);
        if (op >= hasta || !tk[op].simbolo("="))
            return false;
        int der = saltar(op + 1, hasta);
        if (der >= hasta)
            return false;
        QString literal;
        int finDer;
        Convert c2;
        if (tk[der].tipo == Tipo::Cadena) {
            literal = tk[der].valor();
            finDer = der + 1;
        } else if (leerConvert(der, hasta, c2) && esTexto(c2.tipo)) {
            int l = unico(c2.expr);
            if (l < 0 || tk[l].tipo != Tipo::Cadena)
                return false;
            literal = tk[l].valor();
            if (c2.longitud >= 0)
                literal = literal.left(c2.longitud);
            finDer = c2.fin;
        } else {
            return false;
        }
        static const QRegularExpression exacto(QStringLiteral(R"(^(\d\d)/(\d\d)/(\d{4})$)"));
        auto m = exacto.match(literal);
        if (!m.hasMatch())
            return false;  // no day of the column's form: the generic translation finds nothing either
        int a = m.captured(1).toInt(), b = m.captured(2).toInt();
        QDate dia = izq.estilo == 103 ? QDate(m.captured(3).toInt(), b, a) : QDate(m.captured(3).toInt(), a, b);
        if (!dia.isValid())
            return false;
        const QString c = tk[col].texto;
        out = QStringLiteral("(%1 >= '%2' AND %1 < '%3')")
                  .arg(c, dia.toString(QStringLiteral("yyyy-MM-dd")), dia.addDays(1).toString(QStringLiteral("yyyy-MM-dd")));
        fin = finDer;
        return true;
    }

    bool convert(int i, int hasta, int &fin, QString &out)
    {
        Convert c;
        if (!leerConvert(i, hasta, c))
            return false;
        int l = unico(c.expr);
        const bool literal = l >= 0 && tk[l].tipo == Tipo::Cadena;
        fin = c.fin;
        if (esFechaHora(c.tipo)) {
            if (literal) {
                QString iso = literalAISO(tk[l].valor(), c.estilo == 103 || c.estilo == 3 || c.estilo == 104 || c.estilo == 105);
                if (iso.isEmpty()) {
                    error = kFueraDeIntervalo.arg(tk[l].valor());
                    return true;
                }
                out = citar(iso);
            } else {
                out = traducir(c.expr.first, c.expr.second).trimmed();
            }
            return true;
        }
        const QString expr = literal ? tk[l].texto : traducir(c.expr.first, c.expr.second).trimmed();
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
        if (!tk[i].es("DATEPART"))
            return false;
        int abre = saltar(i + 1, hasta);
        if (abre >= hasta || !tk[abre].simbolo("("))
            return false;
        int cierra = cierre(abre, hasta);
        if (cierra < 0)
            return false;
        auto args = argumentos(abre, cierra);
        int p = args.size() == 2 ? unico(args[0]) : -1;
        if (p < 0)
            return false;
        const QString parte = tk[p].texto.toLower();
        const char *fmt = nullptr;
        if (parte == "hh" || parte == "hour") fmt = "%H";
        else if (parte == "mi" || parte == "n" || parte == "minute") fmt = "%M";
        else if (parte == "ss" || parte == "s" || parte == "second") fmt = "%S";
        else if (parte == "dd" || parte == "d" || parte == "day") fmt = "%d";
        else if (parte == "mm" || parte == "m" || parte == "month") fmt = "%m";
        else if (parte == "yy" || parte == "yyyy" || parte == "year") fmt = "%Y";
        else if (parte == "dy" || parte == "y" || parte == "dayofyear") fmt = "%j";
        if (!fmt)
            return false;
        out = QStringLiteral("CAST(strftime('%1', %2) AS INTEGER)").arg(QLatin1String(fmt), traducir(args[1].first, args[1].second).trimmed());
        fin = cierra + 1;
        return true;
    }

    // "DELETE Datos WHERE" -> "DELETE FROM Datos WHERE"
    bool deleteSinFrom(int i, int hasta, int &fin, QString &out)
    {
        if (!tk[i].es("DELETE"))
            return false;
        int t = saltar(i + 1, hasta);
        if (t >= hasta || tk[t].es("FROM") || (tk[t].tipo != Tipo::Palabra && tk[t].tipo != Tipo::Corchete))
            return false;
        out = tk[i].texto + QStringLiteral(" FROM");
        fin = i + 1;
        return true;
    }

    bool convertirLiteralFecha(int k, QString &out)
    {
        const QString v = tk[k].valor();
        QString iso = literalAISO(v, false);
        if (iso.isEmpty()) {
            error = kFueraDeIntervalo.arg(v);
            return false;
        }
        out = citar(iso);
        return true;
    }

    // FECHA <op> 'M/d/yyyy ...', 'M/d/yyyy' <op> FECHA, FECHA BETWEEN 'a' AND 'b'
    bool comparacionFecha(int i, int hasta, int &fin, QString &out)
    {
        if (esFecha(tk[i])) {
            int op = saltar(i + 1, hasta);
            if (op >= hasta)
                return false;
            if (esComparacion(tk[op])) {
                int v = saltar(op + 1, hasta);
                if (v >= hasta || tk[v].tipo != Tipo::Cadena)
                    return false;
                QString lit;
                if (!convertirLiteralFecha(v, lit))
                    return true;
                for (int k = i; k < v; ++k)
                    out += tk[k].texto;
                out += lit;
                fin = v + 1;
                return true;
            }
            bool no = tk[op].es("NOT");
            int entre = no ? saltar(op + 1, hasta) : op;
            if (entre < hasta && tk[entre].es("BETWEEN")) {
                int a = saltar(entre + 1, hasta);
                int y = a < hasta ? saltar(a + 1, hasta) : hasta;
                int b = y < hasta ? saltar(y + 1, hasta) : hasta;
                if (b >= hasta || tk[a].tipo != Tipo::Cadena || !tk[y].es("AND") || tk[b].tipo != Tipo::Cadena)
                    return false;
                QString la, lb;
                if (!convertirLiteralFecha(a, la) || !convertirLiteralFecha(b, lb))
                    return true;
                for (int k = i; k < a; ++k)
                    out += tk[k].texto;
                out += la;
                for (int k = a + 1; k < b; ++k)
                    out += tk[k].texto;
                out += lb;
                fin = b + 1;
                return true;
            }
            return false;
        }
        if (tk[i].tipo == Tipo::Cadena) {
            int op = saltar(i + 1, hasta);
            if (op >= hasta || !esComparacion(tk[op]))
                return false;
            int c = saltar(op + 1, hasta);
            if (c >= hasta || !esFecha(tk[c]))
                return false;
            QString lit;
            if (!convertirLiteralFecha(i, lit))
                return true;
            out = lit;
            fin = i + 1;
            return true;
        }
        return false;
    }

    // INSERT INTO DATOS [(cols)] VALUES(...): the FECHA value written month-first becomes ISO.
    bool insertar(int i, int hasta, int &fin, QString &out)
    {
        if (!tk[i].es("INSERT"))
            return false;
        int k = saltar(i + 1, hasta);
        if (k < hasta && tk[k].es("INTO"))
            k = saltar(k + 1, hasta);
        if (k >= hasta || (tk[k].tipo != Tipo::Palabra && tk[k].tipo != Tipo::Corchete))
            return false;
        const bool tablaDatos = tk[k].nombre().compare(QLatin1String("DATOS"), Qt::CaseInsensitive) == 0;
        int p = saltar(k + 1, hasta);
        int indiceFecha = tablaDatos ? 1 : -1;
        if (p < hasta && tk[p].simbolo("(")) {
            int c = cierre(p, hasta);
            if (c < 0)
                return false;
            indiceFecha = -1;
            auto cols = argumentos(p, c);
            for (int n = 0; n < cols.size(); ++n) {
                int u = unico(cols[n]);
                if (u >= 0 && esFecha(tk[u]))
                    indiceFecha = n;
            }
            p = saltar(c + 1, hasta);
        }
        if (indiceFecha < 0 || p >= hasta || !tk[p].es("VALUES"))
            return false;
        int abre = saltar(p + 1, hasta);
        if (abre >= hasta || !tk[abre].simbolo("("))
            return false;
        int cierra = cierre(abre, hasta);
        if (cierra < 0)
            return false;
        auto valores = argumentos(abre, cierra);
        if (indiceFecha >= valores.size())
            return false;
        int v = unico(valores[indiceFecha]);
        if (v < 0 || tk[v].tipo != Tipo::Cadena)
            return false;
        QString lit;
        if (!convertirLiteralFecha(v, lit))
            return true;
        out.clear();
        for (int n = i; n < v; ++n)
            out += tk[n].texto;
        out += lit;
        out += traducir(v + 1, cierra + 1);
        fin = cierra + 1;
        return true;
    }

    bool literalN(int i, int hasta, int &fin, QString &out)
    {
        if (!(tk[i].tipo == Tipo::Palabra && (tk[i].texto == "N" || tk[i].texto == "n")) || i + 1 >= hasta ||
            tk[i + 1].tipo != Tipo::Cadena)
            return false;
        fin = i + 1;
        out = QString();
        return true;
    }

    bool getDate(int i, int hasta, int &fin, QString &out)
    {
        if (!tk[i].es("GETDATE"))
            return false;
        int abre = saltar(i + 1, hasta);
        if (abre + 1 >= hasta || !tk[abre].simbolo("(") || !tk[abre + 1].simbolo(")"))
            return false;
        out = QStringLiteral("strftime('%Y-%m-%d %H:%M:%S', 'now', 'localtime')");
        fin = abre + 2;
        return true;
    }
};

}  // namespace

QString LiteralMesPrimeroAISO(const QString &literal) { return literalAISO(literal, false); }
QString LiteralDiaPrimeroAISO(const QString &literal) { return literalAISO(literal, true); }

Traduccion TraducirTSQL(const QString &tsql)
{
    Traduccion r;
    QList<Token> tokens = tokenizar(tsql, r.error);
    if (!r.error.isEmpty())
        return r;
    Traductor t(tokens);
    r.sql = t.traducir(0, tokens.size());
    r.error = t.error;
    return r;
}
