// The recorded-days calendar's reset: 7,002 PonColorFondoCelda calls and one Refresh, against
// 7,002 inserts into a plain hash map measured in the same run.
#include "kvcalen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHash>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDate hoy = QDate::currentDate();
    constexpr int rondas = 41;
    std::vector<double> tiemposCalendario, tiemposMapa, tiemposRefresh;
    volatile qsizetype sumidero = 0;
    for (int r = 0; r < rondas; ++r) {
        KVCalen cal;
        cal.resize(700, 500);
        QElapsedTimer t;
        t.start();
        for (int i = 0; i <= 3500; ++i)
            cal.PonColorFondoCelda(hoy.addDays(i), 12648447);
        for (int i = 0; i <= 3500; ++i)
            cal.PonColorFondoCelda(hoy.addDays(-i), 12648447);
        const qint64 antesRefresh = t.nsecsElapsed();
        cal.Refresh();
        const qint64 total = t.nsecsElapsed();
        tiemposCalendario.push_back(total / 1e6);
        tiemposRefresh.push_back((total - antesRefresh) / 1e6);

        QHash<qint64, quint32> mapa;
        QElapsedTimer m;
        m.start();
        const qint64 base = QDate(1950, 1, 1).daysTo(hoy);
        for (int i = 0; i <= 3500; ++i)
            mapa.insert(base + i, 12648447u);
        for (int i = 0; i <= 3500; ++i)
            mapa.insert(base - i, 12648447u);
        tiemposMapa.push_back(m.nsecsElapsed() / 1e6);
        sumidero = sumidero + mapa.size() + cal.Registros().Cantidad();
    }
    const double c = mediana(tiemposCalendario), h = mediana(tiemposMapa), rf = mediana(tiemposRefresh);
    std::printf("7002 PonColorFondoCelda + Refresh: %.3f ms (of which Refresh %.3f ms)\n", c, rf);
    std::printf("7002 inserts into QHash<qint64, quint32>: %.3f ms\n", h);
    std::printf("ratio calendar / hash: %.1f   (median of %d rounds)\n", c / h, rondas);
    return sumidero > 0 ? 0 : 1;
}
