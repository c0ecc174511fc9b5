// The recorded-days calendar's reset: 7,002 PonColorFondoCelda calls and one Refresh, against
// 7,002 inserts into a plain hash map, the two interleaved over the rounds.
#include "comparacion.h"
#include "kvcalen.h"

#include <QApplication>
#include <QHash>
#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDate hoy = QDate::currentDate();
    const int rondas = argc > 1 ? QByteArray(argv[1]).toInt() : 41;
    volatile qsizetype sumidero = 0;
    Comparacion calendario("calendario_7002_marcas", 3);
    for (int r = 0; r < rondas; ++r) {
        KVCalen cal;
        cal.resize(700, 500);
        // As the playback window resets it: today forwards, then today backwards, then one Refresh.
        auto programa = [&] {
            for (int i = 0; i <= 3500; ++i)
                cal.PonColorFondoCelda(hoy.addDays(i), 12648447);
            for (int i = 0; i <= 3500; ++i)
                cal.PonColorFondoCelda(hoy.addDays(-i), 12648447);
            cal.Refresh();
        };
        QHash<qint64, quint32> mapa;
        auto base = [&] {
            const qint64 origen = QDate(1950, 1, 1).daysTo(hoy);
            for (int i = 0; i <= 3500; ++i)
                mapa.insert(origen + i, 12648447u);
            for (int i = 0; i <= 3500; ++i)
                mapa.insert(origen - i, 12648447u);
        };
        calendario.Ronda(r, programa, base);
        sumidero = sumidero + mapa.size() + cal.Registros().Cantidad();
    }
    calendario.Imprimir();
    return sumidero > 0 ? 0 : 1;
}
