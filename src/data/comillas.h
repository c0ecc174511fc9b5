#pragma once
#include <QString>

// A value placed between single quotes in an SQL text: every quote inside it is doubled,
// so the value can neither break the statement nor add SQL of its own.
inline QString EscaparComillas(const QString &valor)
{
    return QString(valor).replace(QLatin1Char('\''), QLatin1String("''"));
}

// A value matched literally by LIKE, quotes doubled as above: each wildcard ("%", "_", "[")
// stands alone in brackets, which SQL Server and the local engine read as that character.
inline QString EscaparLike(const QString &valor)
{
    QString r;
    r.reserve(valor.size());
    for (const QChar c : valor) {
        if (c == '%' || c == '_' || c == '[')
            r += QLatin1Char('[') + c + QLatin1Char(']');
        else if (c == '\'')
            r += QLatin1String("''");
        else
            r += c;
    }
    return r;
}
