#include "liketsql.h"

#include <QList>

namespace {

QChar plegar(QChar c) { return c.toCaseFolded(); }

// One pattern position; each one but "%" matches exactly one character.
struct Pieza {
    enum Tipo { Resto, Uno, Literal, Conjunto } tipo = Literal;
    QChar c;
    bool negado = false;
    QList<QPair<QChar, QChar>> rangos;  // folded bounds

    bool acepta(QChar x) const
    {
        if (tipo == Uno)
            return true;
        const QChar f = plegar(x);
        if (tipo == Literal)
            return f == c;
        bool dentro = false;
        for (const auto &r : rangos)
            dentro = dentro || (f >= r.first && f <= r.second);
        return dentro != negado;
    }
};

QList<Pieza> piezas(QStringView p, QChar escape)
{
    QList<Pieza> r;
    for (qsizetype i = 0; i < p.size(); ++i) {
        Pieza z;
        const QChar c = p[i];
        if (!escape.isNull() && c == escape && i + 1 < p.size()) {
            z.c = plegar(p[++i]);
        } else if (c == '%') {
            if (!r.isEmpty() && r.last().tipo == Pieza::Resto)
                continue;
            z.tipo = Pieza::Resto;
        } else if (c == '_') {
            z.tipo = Pieza::Uno;
        } else if (c == '[' && p.indexOf(QLatin1Char(']'), i + 2) > i) {
            // "[]" is no set: the first character after "[" (or "[^") always belongs to the set.
            qsizetype j = i + 1;
            z.tipo = Pieza::Conjunto;
            if (p[j] == '^' && p.indexOf(QLatin1Char(']'), j + 2) > j) {
                z.negado = true;
                ++j;
            }
            const qsizetype fin = p.indexOf(QLatin1Char(']'), j + 1);
            for (; j < fin; ++j) {
                const QChar desde = plegar(p[j]);
                if (j + 2 < fin && p[j + 1] == '-') {
                    z.rangos.append({desde, plegar(p[j + 2])});
                    j += 2;
                } else {
                    z.rangos.append({desde, desde});
                }
            }
            i = fin;
        } else {
            z.c = plegar(c);
        }
        r << z;
    }
    return r;
}

}  // namespace

bool CoincideLikeTSQL(QStringView valor, QStringView patron, QChar escape)
{
    while (!valor.isEmpty() && valor.back() == ' ')
        valor.chop(1);
    const QList<Pieza> pz = piezas(patron, escape);
    // Every piece but "%" takes one character, so going back to the last "%" is enough.
    qsizetype v = 0, p = 0, restoP = -1, restoV = 0;
    while (v < valor.size()) {
        if (p < pz.size() && pz[p].tipo == Pieza::Resto) {
            restoP = ++p;
            restoV = v;
        } else if (p < pz.size() && pz[p].acepta(valor[v])) {
            ++p;
            ++v;
        } else if (restoP >= 0) {
            p = restoP;
            v = ++restoV;
        } else {
            return false;
        }
    }
    while (p < pz.size() && pz[p].tipo == Pieza::Resto)
        ++p;
    return p == pz.size();
}
