#include "lexicotsql.h"

#include <QStringList>

QString Token::valor() const
{
    return texto.mid(1, texto.size() - 2).replace(QStringLiteral("''"), QStringLiteral("'"));
}

bool Token::es(const char *palabra) const
{
    return tipo == TipoToken::Palabra && texto.compare(QLatin1String(palabra), Qt::CaseInsensitive) == 0;
}

bool Token::simbolo(const char *s) const { return tipo == TipoToken::Simbolo && texto == QLatin1String(s); }

bool Token::comparacion() const
{
    static const QStringList operadores = {"=", "<", ">", "<=", ">=", "<>", "!=", "!<", "!>"};
    return tipo == TipoToken::Simbolo && operadores.contains(texto);
}

QString Token::nombre() const { return tipo == TipoToken::Corchete ? texto.mid(1, texto.size() - 2) : texto; }

TokensTSQL::TokensTSQL(const QString &s)
{
    const int n = int(s.size());
    int i = 0;
    while (i < n) {
        const QChar c = s[i];
        int j = i + 1;
        TipoToken tipo;
        if (c.isSpace()) {
            while (j < n && s[j].isSpace())
                ++j;
            tipo = TipoToken::Espacio;
        } else if (c == '\'') {
            // '' inside a literal is a quote of its value
            for (;;) {
                while (j < n && s[j] != '\'')
                    ++j;
                if (j >= n) {
                    fallo = QStringLiteral("Comilla no cerrada antes de la cadena de caracteres '%1'.").arg(s.mid(i + 1));
                    tk.clear();
                    return;
                }
                if (j + 1 < n && s[j + 1] == '\'') {
                    j += 2;
                    continue;
                }
                ++j;
                break;
            }
            tipo = TipoToken::Cadena;
        } else if (c == '[' || c == '"') {
            const QChar fin = c == '[' ? ']' : '"';
            while (j < n && s[j] != fin)
                ++j;
            j = qMin(j + 1, n);
            tipo = TipoToken::Corchete;
        } else if (c.isLetter() || c == '_' || c == '@' || c == '#') {
            while (j < n && (s[j].isLetterOrNumber() || s[j] == '_' || s[j] == '@' || s[j] == '#' || s[j] == '$'))
                ++j;
            tipo = TipoToken::Palabra;
        } else if (c.isDigit()) {
            while (j < n && (s[j].isDigit() || s[j] == '.'))
                ++j;
            tipo = TipoToken::Numero;
        } else {
            if (j < n && ((c == '<' && (s[j] == '=' || s[j] == '>')) || (c == '>' && s[j] == '=') ||
                          (c == '!' && (s[j] == '=' || s[j] == '<' || s[j] == '>'))))
                ++j;
            tipo = TipoToken::Simbolo;
        }
        tk.append({tipo, s.mid(i, j - i)});
        i = j;
    }
}

int TokensTSQL::saltar(int i, int hasta) const
{
    while (i < hasta && tk[i].tipo == TipoToken::Espacio)
        ++i;
    return i;
}

int TokensTSQL::cierre(int abre, int hasta) const
{
    int nivel = 0;
    for (int k = abre; k < hasta; ++k) {
        if (tk[k].simbolo("("))
            ++nivel;
        else if (tk[k].simbolo(")") && --nivel == 0)
            return k;
    }
    return -1;
}

bool TokensTSQL::parentesis(int i, int hasta, int &abre, int &cierra) const
{
    abre = saltar(i + 1, hasta);
    if (abre >= hasta || !tk[abre].simbolo("("))
        return false;
    cierra = cierre(abre, hasta);
    return cierra >= 0;
}

QList<Rango> TokensTSQL::argumentos(int abre, int cierra) const
{
    QList<Rango> r;
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

int TokensTSQL::unico(Rango rango) const
{
    const int a = saltar(rango.first, rango.second);
    if (a >= rango.second)
        return -1;
    return saltar(a + 1, rango.second) >= rango.second ? a : -1;
}

QString TokensTSQL::texto(int desde, int hasta) const
{
    QString s;
    for (int k = desde; k < hasta; ++k)
        s += tk[k].texto;
    return s;
}
