#pragma once
// The positions of a day the local file already holds, as a multiset of (locator, second):
// a fetched row is written only when no local row is left to stand for it. Two positions of a
// locator within one second (or in the autumn hour lived twice) are two rows on the service and
// stay two rows here, so the day's counts agree after one download and nothing is fetched again.
#include "adosqlserver.h"

#include <QDate>
#include <QHash>
#include <QString>

class PosicionesPresentes {
public:
    // Reads the local rows of the day being fetched; false when they cannot be read.
    bool Cargar(ADOSQLSERVER &local, const QDate &dia);
    // True when a local row stands for this fetched one (it is then used up).
    bool Consumir(const FilaDescarga &fila);

    struct Clave {
        QString imei;     // as the service compares it
        qint64 segundo;   // of the floating time
        bool operator==(const Clave &) const = default;
    };

private:
    QHash<Clave, int> cuenta;
};

size_t qHash(const PosicionesPresentes::Clave &c, size_t semilla = 0);
