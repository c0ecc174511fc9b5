#pragma once
// Position times are wall-clock values without a time zone. They are held as QDateTime with
// Qt::UTC used as a floating time, so that no local rule (a spring-forward gap, an
// autumn hour lived twice) can make one invalid or change a difference of seconds.
#include <QDate>
#include <QDateTime>
#include <QTime>

// The floating date-time of a day and a time of day.
QDateTime FechaFlotante(const QDate &dia, const QTime &hora = QTime(0, 0));
// The same wall-clock reading of any QDateTime, without its zone (invalid stays invalid).
QDateTime AFlotante(const QDateTime &fecha);
// "yyyy-MM-dd HH:mm:ss[.zzz]" read as a floating date-time; invalid when it is not one.
QDateTime FlotanteDeISO(const QString &texto);

// While alive, the process's local time is UTC, so that a driver that builds local QDateTime
// values from wall-clock fields builds them without gaps; AFlotante then keeps the reading.
// The previous TZ is restored at the end. Not for windows: clocks shown meanwhile read UTC.
class SinZonaLocal {
public:
    SinZonaLocal();
    ~SinZonaLocal();
    SinZonaLocal(const SinZonaLocal &) = delete;
    SinZonaLocal &operator=(const SinZonaLocal &) = delete;

private:
    QByteArray anterior;
    bool habia = false;
};
