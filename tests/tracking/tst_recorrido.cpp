// What a track tells at a glance, on fixture tracks of known geometry: stops, gaps, GPS jumps and
// the summary figures; and the time-true playback intervals.
#include "ajustesdiferido.h"
#include "analisisrecorrido.h"

#include <QtTest>
#include <cmath>

namespace {
// One move of 0.009 degrees along a meridian, on the sphere of radius 6378 km.
const double kKmMovimiento = 6378.0 * 0.009 * 3.14159265358979 / 180.0;

// A track from `desde`, one point a minute, written as steps:
//   M<n>  n minutes driving north at 60 km/h (0.009 degrees a minute)
//   P<n>  n minutes parked (speed 0, same place)
//   D<n>  n minutes creeping at 2 km/h (0.001 degrees a minute)
//   H<n>  no position for n minutes, then one driving point
//   S     a point one degree off the route (a GPS jump, reported at 500 km/h)
//   L<n>  no position for n minutes, then one parked point further on
QList<PuntoRecorrido> pista(const QDateTime &desde, const QString &guion)
{
    QDateTime t = desde;
    double lat = 40;
    QList<PuntoRecorrido> r{{t, lat, -3.7, 60, QStringLiteral("Nave 1")}};
    for (const QString &paso : guion.split(u' ', Qt::SkipEmptyParts)) {
        const int n = paso.mid(1).toInt();
        switch (paso[0].toLatin1()) {
        case 'M': for (int i = 0; i < n; ++i) r << PuntoRecorrido{t = t.addSecs(60), lat += 0.009, -3.7, 60, {}}; break;
        case 'P': for (int i = 0; i < n; ++i) r << PuntoRecorrido{t = t.addSecs(60), lat, -3.7, 0, "Nave 2"}; break;
        case 'D': for (int i = 0; i < n; ++i) r << PuntoRecorrido{t = t.addSecs(60), lat += 0.001, -3.7, 2, {}}; break;
        case 'H': r << PuntoRecorrido{t = t.addSecs(60 * n), lat += 0.009, -3.7, 60, {}}; break;
        case 'L': r << PuntoRecorrido{t = t.addSecs(60 * n), lat += 0.009, -3.7, 0, "Nave 2"}; break;
        case 'S': r << PuntoRecorrido{t = t.addSecs(60), lat + 1, -3.7, 500, {}}; break;
        }
    }
    return r;
}

QString tramos(const QList<TramoRecorrido> &l)
{
    QStringList r;
    for (const TramoRecorrido &t : l)
        r << t.inicio.toString("HH:mm") + u'-' + t.fin.toString("HH:mm");
    return r.join(u' ');
}
}

class TstRecorrido : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void analisis_data()
    {
        QTest::addColumn<QTime>("desde");
        QTest::addColumn<QString>("guion");
        QTest::addColumn<int>("minutosParada");  // the stop threshold; 5 by default
        QTest::addColumn<QString>("paradas");
        QTest::addColumn<QString>("huecos");
        QTest::addColumn<QList<int>>("saltos");
        QTest::addColumn<double>("movimientos");  // km in units of one driving minute
        QTest::addColumn<int>("segMovimiento");
        QTest::addColumn<int>("segParado");
        QTest::addColumn<double>("kmhMaxima");
        // A short wait at a light (P3) is no stop; the gap counts neither as moving nor as stopped.
        QTest::newRow("dos paradas y un hueco") << QTime(9, 0) << "M10 P10 M3 P3 M4 H15 M5 P6 M3" << 5
            << "09:10-09:20 09:50-09:56" << "09:30-09:45" << QList<int>{} << 26.0 << 1680 << 960 << 60.0;
        QTest::newRow("umbral de parada mayor") << QTime(9, 0) << "M10 P10 M3 P3 M4 H15 M5 P6 M3" << 11
            << "" << "09:30-09:45" << QList<int>{} << 26.0 << 2640 << 0 << 60.0;
        // The jump is left out of the distance and of the top speed.
        QTest::newRow("salto GPS") << QTime(12, 0) << "M4 S M5" << 5 << "" << "" << QList<int>{5} << 9.0 << 600 << 0
                                   << 60.0;
        QTest::newRow("parada a medianoche") << QTime(23, 50) << "M8 P6 M16" << 5 << "23:58-00:04" << ""
                                             << QList<int>{} << 24.0 << 1440 << 360 << 60.0;
        // Parked after a gap somewhere else: the stop starts there, not before the gap.
        QTest::newRow("parada tras un hueco") << QTime(12, 0) << "M5 L30 P6" << 5 << "12:35-12:41" << "12:05-12:35"
                                              << QList<int>{} << 6.0 << 300 << 360 << 60.0;
        // Slower than 3 km/h is stopped even while it creeps past 50 m.
        QTest::newRow("parada lenta") << QTime(12, 0) << "M5 D6 M5" << 5 << "12:05-12:11" << "" << QList<int>{}
                                      << 10.0 + 6 / 9.0 << 600 << 360 << 60.0;
    }

    void analisis()
    {
        QFETCH(QTime, desde);
        QFETCH(QString, guion);
        QFETCH(int, minutosParada);
        QFETCH(QString, paradas);
        QFETCH(QString, huecos);
        QFETCH(QList<int>, saltos);
        QFETCH(double, movimientos);
        QFETCH(int, segMovimiento);
        QFETCH(int, segParado);
        QFETCH(double, kmhMaxima);
        const QList<PuntoRecorrido> p = pista(QDateTime(QDate(2026, 3, 29), desde, Qt::UTC), guion);
        UmbralesRecorrido u;
        u.minutosParada = minutosParada;
        QCOMPARE(tramos(AnalisisRecorrido::Paradas(p, u)), paradas);
        QCOMPARE(tramos(AnalisisRecorrido::Huecos(p, u)), huecos);
        const ResumenRecorrido r = AnalisisRecorrido::Resumir(p, u);
        QCOMPARE(r.saltos, saltos);
        QVERIFY2(std::abs(r.km - movimientos * kKmMovimiento) < 1e-6, qPrintable(QString::number(r.km)));
        QCOMPARE(r.segundosMovimiento, qint64(segMovimiento));
        QCOMPARE(r.segundosParado, qint64(segParado));
        QCOMPARE(r.paradas, int(paradas.isEmpty() ? 0 : paradas.count(u' ') + 1));
        QCOMPARE(r.kmhMaxima, kmhMaxima);
        QCOMPARE(r.kmhMedia, r.km / (segMovimiento / 3600.0));
        QVERIFY(r.primero.fecha == p.first().fecha && r.ultimo.fecha == p.last().fecha);
    }

    void duracion_data()
    {
        QTest::addColumn<int>("segundos");
        QTest::addColumn<QString>("texto");
        QTest::newRow("segundos") << 45 << "45 s";
        QTest::newRow("minutos") << 720 << "12 min";
        QTest::newRow("horas") << 3900 << "1 h 05 min";
    }

    void duracion()
    {
        QFETCH(int, segundos);
        QFETCH(QString, texto);
        QCOMPARE(AnalisisRecorrido::TextoDuracion(segundos), texto);
    }

    void tiempoReal_data()
    {
        QTest::addColumn<QString>("velocidad");
        QTest::addColumn<qint64>("msHastaSiguiente");
        QTest::addColumn<int>("intervalo");  // 0: not a time-true speed
        QTest::newRow("x60 un minuto") << "Tiempo real ×60" << qint64(60000) << 1000;
        QTest::newRow("x300 un segundo") << "Tiempo real ×300" << qint64(1000) << 3;
        QTest::newRow("x1 hasta 2 s") << "Tiempo real ×1" << qint64(60000) << 2000;
        QTest::newRow("x10 hueco de 40 min") << "Tiempo real ×10" << qint64(2400000) << 2000;
        QTest::newRow("mismo instante") << "Tiempo real ×10" << qint64(0) << 1;
        QTest::newRow("exacto") << "tiempo real ×10" << qint64(60000) << 0;
        QTest::newRow("fija") << "Muy Rápido" << qint64(60000) << 0;
    }

    void tiempoReal()
    {
        QFETCH(QString, velocidad);
        QFETCH(qint64, msHastaSiguiente);
        QFETCH(int, intervalo);
        const std::optional<int> f = AjustesDiferido::FactorTiempoReal(velocidad);
        QCOMPARE(f.has_value(), intervalo != 0);
        if (f)
            QCOMPARE(AjustesDiferido::IntervaloTiempoReal(msHastaSiguiente, *f), intervalo);
        // The five fixed speeds come first and keep their place in the list.
        QCOMPARE(AjustesDiferido::EntradasVelocidad().indexOf(velocidad) >= 5, intervalo != 0);
    }
};

QTEST_GUILESS_MAIN(TstRecorrido)
#include "tst_recorrido.moc"
