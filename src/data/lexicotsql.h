#pragma once
// The tokens of a T-SQL text, and the ways the translator walks them. The tokens' texts,
// joined, give the text back unchanged. Ranges of tokens are [desde, hasta).
#include <QList>
#include <QString>
#include <utility>

enum class TipoToken { Espacio, Cadena, Palabra, Corchete, Numero, Simbolo };

struct Token {
    TipoToken tipo;
    QString texto;  // as written (a Cadena includes its quotes)

    QString valor() const;                  // a Cadena's value: quotes removed, '' undoubled
    bool es(const char *palabra) const;     // this keyword, in any letter case
    bool simbolo(const char *s) const;
    bool comparacion() const;               // = < > <= >= <> != !< !>
    bool esNombre() const { return tipo == TipoToken::Palabra || tipo == TipoToken::Corchete; }
    QString nombre() const;                 // the name a word or bracketed name stands for ("[FECHA]" -> "FECHA")
};

using Rango = std::pair<int, int>;

class TokensTSQL {
public:
    // No tokens and error() set when a quote is left open.
    explicit TokensTSQL(const QString &texto);

    const QString &error() const { return fallo; }
    int size() const { return int(tk.size()); }
    const Token &operator[](int i) const { return tk[i]; }

    // The first token at or after i that is not blank (hasta when none).
    int saltar(int i, int hasta) const;
    // The ")" closing the "(" at abre, or -1.
    int cierre(int abre, int hasta) const;
    // A "(" as the next token after i that is not blank, and its ")".
    bool parentesis(int i, int hasta, int &abre, int &cierra) const;
    // The top-level comma-separated ranges inside (abre, cierra).
    QList<Rango> argumentos(int abre, int cierra) const;
    // The one token of a range that is not blank, or -1.
    int unico(Rango rango) const;
    // The tokens' texts, joined.
    QString texto(int desde, int hasta) const;

private:
    QList<Token> tk;
    QString fallo;
};
