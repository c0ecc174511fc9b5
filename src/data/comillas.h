#pragma once
#include <QString>

// A value placed between single quotes in an SQL text: every quote inside it is doubled,
// so the value can neither break the statement nor add SQL of its own.
inline QString EscaparComillas(const QString &valor)
{
    return QString(valor).replace(QLatin1Char('\''), QLatin1String("''"));
}
