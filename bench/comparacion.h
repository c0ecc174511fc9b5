#pragma once
// One measured path of a benchmark: the program's figure against its baseline's, one sample per
// round (the two sides interleaved, each going first every other round), closed by one line:
//   BENCH <path> min <x> median <y> goal <z> met|missed
#include <QElapsedTimer>
#include <QList>
#include <algorithm>
#include <cstdio>
#include <type_traits>

class Comparacion {
public:
    // techo: the median must stay at or under the goal (a ratio, a size); else reach it (a rate).
    Comparacion(const char *camino, double meta, bool techo = true) : camino(camino), meta(meta), techo(techo) {}

    void Anadir(double muestra) { muestras << muestra; }

    // One round: times both sides (a side that answers a double reports its own milliseconds) (in the order given by the round), records program/baseline.
    template <class Programa, class Base> void Ronda(int ronda, Programa programa, Base base)
    {
        double p = 0, b = 0;
        if (ronda % 2 == 0) {
            p = medir(programa);
            b = medir(base);
        } else {
            b = medir(base);
            p = medir(programa);
        }
        Anadir(p / b);
        std::printf("  %s round %d: program %.1f ms, baseline %.1f ms, ratio %.2f\n", camino, ronda + 1, p, b, p / b);
    }

    double Minimo() const { return muestras.isEmpty() ? 0 : *std::min_element(muestras.begin(), muestras.end()); }
    double Mediana() const
    {
        if (muestras.isEmpty())
            return 0;
        QList<double> s = muestras;
        std::sort(s.begin(), s.end());
        const qsizetype m = s.size() / 2;
        return s.size() % 2 ? s[m] : (s[m - 1] + s[m]) / 2;
    }
    bool Cumplida() const { return !muestras.isEmpty() && (techo ? Mediana() <= meta : Mediana() >= meta); }
    void Imprimir() const
    {
        std::printf("BENCH %s min %.2f median %.2f goal %.2f %s\n", camino, Minimo(), Mediana(), meta,
                    Cumplida() ? "met" : "missed");
    }

private:
    const char *camino;
    double meta;
    bool techo;
    QList<double> muestras;

    template <class F> static double medir(F f)
    {
        if constexpr (std::is_same_v<decltype(f()), double>) {
            return f();
        } else {
            QElapsedTimer t;
            t.start();
            f();
            return t.nsecsElapsed() / 1e6;
        }
    }
};
