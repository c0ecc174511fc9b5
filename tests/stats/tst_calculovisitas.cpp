// Visits computed from tracks with known answers, by outline and by the service's stamp; the engine
// reading the local file and the service's zones.
#include "calculovisitas.h"
#include "carpetaprueba.h"
#include "modelovisitas.h"
#include "module1.h"
#include "motorvisitas.h"
#include "posiciones.h"

#include <QAbstractItemModelTester>
#include <QtTest>

namespace {
// Zone A: 40.00..40.10 N, 3.10..3.00 W; zone B overlaps its north half and goes on to 40.15.
const QString kA = QStringLiteral("(40.0,-3.1)(40.1,-3.1)(40.1,-3.0)(40.0,-3.0)");
const QString kB = QStringLiteral("(40.05,-3.1)(40.15,-3.1)(40.15,-3.0)(40.05,-3.0)");
const QDateTime kBase(QDate(2026, 3, 28), QTime(23, 0), Qt::UTC);

// "minutes lat lon [stamp]" separated by ";", "|" starts the next locator.
std::vector<PosicionVisita> Pista(const QString &texto)
{
    std::vector<PosicionVisita> r;
    int localizador = 0;
    for (const QString &tramo : texto.split('|')) {
        for (const QString &p : tramo.split(';', Qt::SkipEmptyParts)) {
            const QStringList c = p.split(' ', Qt::SkipEmptyParts);
            PosicionVisita v;
            v.localizador = localizador;
            v.segundos = kBase.toSecsSinceEpoch() + c[0].toLongLong() * 60;
            v.lat = c[1].toDouble(), v.lon = c[2].toDouble();
            v.zona = c.value(3) == "A" ? 0 : c.value(3) == "B" ? 1 : -1;
            r.push_back(v);
        }
        ++localizador;
    }
    return r;
}

// "L zone from-to flags" in minutes; flags E (entry seen) and S (exit seen).
QStringList Texto(const std::vector<Visita> &visitas)
{
    QStringList r;
    const qint64 base = kBase.toSecsSinceEpoch();
    for (const Visita &v : visitas)
        r << QStringLiteral("%1 %2 %3-%4 %5%6")
                 .arg(v.localizador)
                 .arg(v.zona == 0 ? "A" : "B")
                 .arg((v.entrada - base) / 60)
                 .arg((v.salida - base) / 60)
                 .arg(v.entradaVista ? "E" : "-", v.salidaVista ? "S" : "-");
    return r;
}

CalculoVisitas Zonas()
{
    CalculoVisitas c;
    c.Zonas = QStringList{"A", "B"};
    c.Geometrias = {{GeometriaZona(*GeometriaZona::Leer(kA))}, {GeometriaZona(*GeometriaZona::Leer(kB))}};
    return c;
}
}

class TstCalculoVisitas : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void visitas_data();
    void visitas();
    void resumen();
    void motor_data();
    void motor();
    void periodo_data();
    void periodo();
};

void TstCalculoVisitas::visitas_data()
{
    QTest::addColumn<QString>("pista");
    QTest::addColumn<QStringList>("esperadas");
    QTest::addColumn<QStringList>("servicio");  // by the stamps; empty: the same as by outline
    auto fila = [](const char *nombre, const char *pista, const QStringList &esperadas, const QStringList &servicio = {}) {
        QTest::newRow(nombre) << QString::fromLatin1(pista) << esperadas << servicio;
    };
    fila("entra y sale", "0 39.95 -3.05; 10 40.02 -3.05 A; 20 40.03 -3.04 A; 30 39.9 -3.05", {"0 A 10-30 ES"});
    fila("empieza dentro, acaba dentro", "0 40.02 -3.05 A; 5 40.03 -3.05 A", {"0 A 0-5 --"});
    fila("pausa de mas de 30 min dentro", "0 40.02 -3.05 A; 10 40.02 -3.05 A; 41 40.02 -3.05 A; 50 39.9 -3.05",
         {"0 A 0-10 --", "0 A 41-50 -S"});
    fila("pausa de 30 min justos", "0 40.02 -3.05 A; 30 40.02 -3.05 A; 40 39.9 -3.05", {"0 A 0-40 -S"});
    fila("sale tras una pausa", "0 39.9 -3.05; 5 40.02 -3.05 A; 50 39.9 -3.05", {"0 A 5-5 E-"});
    fila("a traves de medianoche", "50 39.9 -3.05; 55 40.02 -3.05 A; 70 40.02 -3.05 A; 80 39.9 -3.05", {"0 A 55-80 ES"});
    fila("sobre un lado y un vertice", "0 39.9 -3.05; 10 40.0 -3.05 A; 20 39.9 -3.05; 25 40.0 -3.1 A; 28 39.9 -3.1",
         {"0 A 10-20 ES", "0 A 25-28 ES"});
    // The service stamps one zone per position.
    fila("zonas solapadas", "0 39.9 -3.05; 10 40.07 -3.05 A; 20 40.12 -3.05 B; 30 40.2 -3.05", {"0 A 10-20 ES", "0 B 10-30 ES"},
         {"0 A 10-20 ES", "0 B 20-30 ES"});
    fila("dos localizadores no se unen", "0 39.9 -3.05; 10 40.02 -3.05 A | 11 40.02 -3.05 A; 12 39.9 -3.05",
         {"0 A 10-10 E-", "1 A 11-12 -S"});
}

void TstCalculoVisitas::visitas()
{
    QFETCH(QString, pista);
    QFETCH(QStringList, esperadas);
    QFETCH(QStringList, servicio);
    const CalculoVisitas c = Zonas();
    QCOMPARE(Texto(c.Calcular(CalculoVisitas::Modo::Poligonos, Pista(pista))), esperadas);
    QCOMPARE(Texto(c.Calcular(CalculoVisitas::Modo::Servicio, Pista(pista))), servicio.isEmpty() ? esperadas : servicio);
}

void TstCalculoVisitas::resumen()
{
    CalculoVisitas c = Zonas();
    const auto v = c.Calcular(CalculoVisitas::Modo::Poligonos,
                              Pista("0 40.02 -3.05; 10 40.02 -3.05; 41 40.02 -3.05; 50 39.9 -3.05; 55 40.12 -3.05; 56 40.2 -3"));
    const QList<ResumenVisitas> filas = CalculoVisitas::Resumir(v);
    QCOMPARE(filas.size(), 2);
    const ResumenVisitas &a = filas[0];
    const qint64 base = kBase.toSecsSinceEpoch();
    QCOMPARE((QList<qint64>{a.visitas, a.entradas, a.salidas, a.total, a.Media(), a.maxima, a.primeraEntrada - base,
                            a.ultimaSalida - base}),
             (QList<qint64>{2, 0, 1, 19 * 60, 570, 10 * 60, 0, 50 * 60}));
    const ResumenVisitas t = CalculoVisitas::Totales(filas);
    QCOMPARE((QList<qint64>{t.visitas, t.salidas, t.total, t.maxima, t.ultimaSalida - base}),
             (QList<qint64>{3, 2, 20 * 60, 10 * 60, 56 * 60}));
    // One zone chosen: the others are not followed.
    c.SoloZona = 1;
    QCOMPARE(CalculoVisitas::Resumir(c.Calcular(CalculoVisitas::Modo::Poligonos, Pista("0 40.07 -3.05; 5 39 -3"))).size(), 1);
}

// The engine on the local file: rows of both zones, stamps written as the service writes them.
void TstCalculoVisitas::motor_data()
{
    QTest::addColumn<int>("modo");
    QTest::addColumn<QString>("localizador");
    QTest::addColumn<QString>("zona");
    QTest::addColumn<QStringList>("filas");  // locator, zone, visits, time inside
    QTest::addColumn<QString>("entrada");    // of the first row's visit
    const QStringList todas{"356000000000001|Nave 1|1|0:40:00", "356000000000001|O'Donnell|1|1:20:00",
                            "356000000000002|Nave 1|1|0:05:00"};
    const QString diezDiez = "28/03/2026 10:10:00";
    QTest::newRow("servicio") << 0 << "Todos" << "" << todas << diezDiez;
    QTest::newRow("poligonos") << 1 << "Todos" << "" << todas << diezDiez;
    QTest::newRow("una zona: las demas posiciones la cierran") << 0 << "Todos" << "nave 1 " << QStringList{todas[0], todas[2]}
                                                               << diezDiez;
    QTest::newRow("un localizador") << 1 << "356000000000002" << "" << QStringList{todas[2]} << "28/03/2026 12:00:00";
}

void TstCalculoVisitas::motor()
{
    QFETCH(int, modo);
    QFETCH(QString, localizador);
    QFETCH(QString, zona);
    QFETCH(QStringList, filas);
    QFETCH(QString, entrada);
    CarpetaPrueba carpeta;
    QVERIFY(carpeta.crearBaseLocal() && carpeta.crearServicioVacio());
    QVERIFY(CarpetaPrueba::ejecutarEn(RutaServicioDemo(), {
        "INSERT INTO Zonas (TITULAR, [Descripcion zona], [Coor Geo], Area) VALUES "
        "('B11111111', 'Nave 1', '" + kA + "', '1'), ('B11111111', 'O''Donnell', '" + kB + "', '1'),"
        "('B99999999', 'Ajena', '(39,-4)(41,-4)(41,-2)', '1')"}));
    // Spring-forward night: 01:50 to 03:10 is 80 minutes of wall clock.
    auto fila = [](const char *imei, int dia, const char *hora, const char *lat, const char *zona) {
        Posicion p;
        p.imei = imei, p.latitud = lat, p.longitud = "-3.05", p.zona = zona;
        p.fecha = QDateTime(QDate(2026, 3, dia), QTime::fromString(hora, "HH:mm"), Qt::UTC);
        return p;
    };
    QVERIFY(Posiciones::guardarLocal({
        fila("356000000000001", 28, "10:00", "39.9", ""), fila("356000000000001", 28, "10:10", "40.02", "NAVE 1"),
        fila("356000000000001", 28, "10:50", "39.9", ""), fila("356000000000001", 29, "01:50", "40.12", "O'Donnell"),
        fila("356000000000001", 29, "03:10", "39.9", " "), fila("356000000000002", 28, "12:00", "40.03", "Nave 1"),
        fila("356000000000002", 28, "12:05", "39.9", ""), fila("356000000000002", 30, "09:00", "40.03", "Nave 1")}));
    QVERIFY(carpeta.conectarLocal() && carpeta.conectarRemoto());
    MotorVisitas m;
    m.Modo = CalculoVisitas::Modo(modo);
    m.PausaMinutos = 90;
    const QString mensaje = m.Calcular({"28/03/2026", "30/03/2026", localizador, zona}, Module1::BaseLocal(),
                                       Module1::ServidorRemoto(), "B11111111");
    QCOMPARE(mensaje, QString());
    ModeloVisitas resumen(m, ModeloVisitas::Vista::Resumen);
    QAbstractItemModelTester tester(&resumen, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QStringList leidas;
    for (int r = 0; r + 1 < resumen.rowCount(); ++r)
        leidas << QStringList{resumen.index(r, 0).data().toString(), resumen.index(r, 1).data().toString(),
                              resumen.index(r, 4).data().toString(), resumen.index(r, 5).data().toString()}
                      .join('|');
    QCOMPARE(leidas, filas);
    QCOMPARE(resumen.index(resumen.rowCount() - 1, 0).data().toString(), QStringLiteral("Totales:"));
    QCOMPARE(resumen.index(resumen.rowCount() - 1, 4).data().toInt(), filas.size());
    // The detail of the first row.
    ModeloVisitas detalle(m, ModeloVisitas::Vista::Detalle);
    detalle.Seleccionar(0);
    QCOMPARE(detalle.rowCount(), 1);
    QCOMPARE(detalle.index(0, 2).data().toString(), entrada);
}

void TstCalculoVisitas::periodo_data()
{
    QTest::addColumn<QString>("d1");
    QTest::addColumn<QString>("d2");
    QTest::addColumn<QString>("mensaje");
    QTest::newRow("un dia") << "01/12/2026" << "02/12/2026" << "";
    QTest::newRow("366 dias") << "01/01/2024" << "01/01/2025" << "";
    QTest::newRow("367 dias") << "01/01/2024" << "02/01/2025" << "El periodo no puede ser de más de 366 días";
    QTest::newRow("al reves") << "02/12/2026" << "01/12/2026" << "La fecha 2 debe ser posterior a la fecha 1";
    QTest::newRow("fecha 1 mala") << "31/02/2026" << "01/12/2026" << "Fecha 1 Incorrecta";
    QTest::newRow("fecha 2 vacia") << "01/12/2026" << "" << "Fecha 2 Incorrecta";
}

void TstCalculoVisitas::periodo()
{
    QFETCH(QString, d1);
    QFETCH(QString, d2);
    QFETCH(QString, mensaje);
    QCOMPARE(MotorVisitas::ValidarPeriodo(d1, d2), mensaje);
}

QTEST_GUILESS_MAIN(TstCalculoVisitas)
#include "tst_calculovisitas.moc"
