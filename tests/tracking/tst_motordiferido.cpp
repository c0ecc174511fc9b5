// The playback engine without a page: steps, read-outs, the ponermapa text, the stretch reset,
// thinning and jumps, over known tracks in the local file (or in memory for the long ones).
#include "ajustesdiferido.h"
#include "consultasdiferido.h"
#include "module1.h"
#include "module1.h"
#include "motordiferido.h"
#include "pistaprueba.h"
#include "regional.h"

#include <QtTest>

using PistaPrueba::Punto;

namespace {
const QString kLocalizador = QStringLiteral("COCHE1");
const QDate kDia(2010, 5, 12);

AjustesPaso ajustesNormales(const QString &seguimiento = QStringLiteral("Todos los puntos"))
{
    AjustesPaso a;
    a.velocidad = QStringLiteral("Normal");
    a.zoom = QStringLiteral("Mediano");
    a.seguimiento = seguimiento;
    a.localizador = kLocalizador;
    return a;
}

QString ponermapa(const MotorDiferido::Paso &p) { return p.sentencias.isEmpty() ? QString() : p.sentencias.last().texto; }

// Steps n times, each expected to show a point.
bool pasos(MotorDiferido &m, int n, const AjustesPaso &a = ajustesNormales())
{
    for (int i = 0; i < n; ++i)
        if (m.GestionSigPunto(a).resultado != MotorDiferido::Resultado::Punto)
            return false;
    return true;
}

QTime horaActual(const MotorDiferido &m) { return m.recorrido()->Fields(QStringLiteral("FECHA")).toDateTime().time(); }
}

class TstMotorDiferido : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void distancia_data();
    void distancia();
    void formatoHoraMinutosSegundos_data();
    void formatoHoraMinutosSegundos();
    void primerPuntoSinDistanciaTrasCargaYReset();
    void unGradoDeLatitudEnElRotulo();
    void caminandoAcumulaLaDistanciaReal();
    void velocidadYMedia();
    void ejemploDePonerMapaIdentico();
    void borradoTrasTrescientosCincuentaPuntos();
    void cadaDiezPuntosMuestraUnoOnceVeintiuno();
    void saltos_data();
    void saltos();
    void saltosEnRecorridoTerminado();
    void saltoDetrasDeHora();
    void saltoDetrasDeHoraSinFilasNoTocaElTramo();
    void recorridoDeMasDe32767Puntos();
    void filaIlegibleDetieneElPaso();
    void ajustes();

private:
    std::unique_ptr<CarpetaPrueba> carpeta;
    std::unique_ptr<Recordset> leer(const QString &desde, const QString &hasta, const QString &imei = kLocalizador);
};

void TstMotorDiferido::init()
{
    carpeta = std::make_unique<CarpetaPrueba>();
    QVERIFY(carpeta->crearBaseLocal());
    QVERIFY(carpeta->conectarLocal());
}

void TstMotorDiferido::cleanup() { carpeta.reset(); }

std::unique_ptr<Recordset> TstMotorDiferido::leer(const QString &desde, const QString &hasta, const QString &imei)
{
    using namespace ConsultasDiferido;
    return Module1::BaseLocal().DevuelveRecordset(SqlRecorrido(imei, LimitePeriodo(Regional::FechaCorta(kDia), desde, false),
                                                               LimitePeriodo(Regional::FechaCorta(kDia), hasta, true)));
}

void TstMotorDiferido::distancia_data()
{
    QTest::addColumn<double>("lat1");
    QTest::addColumn<double>("lon1");
    QTest::addColumn<double>("lat2");
    QTest::addColumn<double>("lon2");
    QTest::addColumn<QString>("km");
    QTest::newRow("mismo punto") << 40.4168 << -3.7038 << 40.4168 << -3.7038 << "0,00";
    QTest::newRow("un grado de latitud") << 40.0 << -3.7 << 41.0 << -3.7 << "111,32";
    QTest::newRow("un grado de longitud en el ecuador") << 0.0 << 0.0 << 0.0 << 1.0 << "111,32";
    QTest::newRow("sur y oeste") << -34.0 << -58.4 << -33.0 << -58.4 << "111,32";
    QTest::newRow("hacia atrás") << 41.0 << -3.7 << 40.0 << -3.7 << "111,32";
    QTest::newRow("antípodas") << 0.0 << 0.0 << 0.0 << 180.0 << "20.037,08";
    QTest::newRow("Madrid-Barcelona") << 40.4168 << -3.7038 << 41.3874 << 2.1686 << "505,65";
}

void TstMotorDiferido::distancia()
{
    QFETCH(double, lat1);
    QFETCH(double, lon1);
    QFETCH(double, lat2);
    QFETCH(double, lon2);
    QFETCH(QString, km);
    QCOMPARE(Regional::NumeroEstandar(Module1::DistanciaKm(lat1, lon1, lat2, lon2)), km);
}

void TstMotorDiferido::formatoHoraMinutosSegundos_data()
{
    QTest::addColumn<int>("segundos");
    QTest::addColumn<QString>("texto");
    QTest::newRow("cero") << 0 << "00:00:00";
    QTest::newRow("un segundo") << 1 << "00:00:01";
    QTest::newRow("3725") << 3725 << "01:02:05";
    QTest::newRow("un día") << 86400 << "24:00:00";
    QTest::newRow("cien horas") << 360061 << "100:01:01";
}

void TstMotorDiferido::formatoHoraMinutosSegundos()
{
    QFETCH(int, segundos);
    QFETCH(QString, texto);
    QCOMPARE(MotorDiferido::FormatoHoraMinutosSegundos(segundos), texto);
}

void TstMotorDiferido::primerPuntoSinDistanciaTrasCargaYReset()
{
    QVERIFY(PistaPrueba::guardar(kLocalizador, PistaPrueba::recta(QDateTime(kDia, QTime(8, 0)), 4, 10, 0.01)));
    MotorDiferido m;
    m.Cargar(leer("08:00", "09:00"));
    QCOMPARE(m.totalPuntos(), 4);
    QVERIFY(pasos(m, 1));
    QCOMPARE(m.lecturas().lblkilometros, QStringLiteral("0"));
    QCOMPARE(m.lecturas().lbltiempoparcial, QStringLiteral("00:00:00"));
    QVERIFY(pasos(m, 1));
    QCOMPARE(m.lecturas().lblkilometros, QStringLiteral("1,11"));
    QCOMPARE(m.lecturas().lbltiempoparcial, QStringLiteral("00:00:10"));

    m.resetKilometraje();
    QCOMPARE(m.lecturas().lblkilometros, QStringLiteral("0"));
    QCOMPARE(m.lecturas().lbltiempoparcial, QStringLiteral("0"));
    QCOMPARE(m.lecturas().lblvelocidadmedia, QString());
    QVERIFY(pasos(m, 1));
    QCOMPARE(m.lecturas().lblkilometros, QStringLiteral("0"));
    QCOMPARE(m.lecturas().lbltiempoparcial, QStringLiteral("00:00:00"));
    QVERIFY(pasos(m, 1));
    QCOMPARE(m.lecturas().lblkilometros, QStringLiteral("1,11"));

    // A new load starts a new stretch too, whatever the previous track left.
    m.Cargar(leer("08:00", "09:00"));
    QVERIFY(pasos(m, 1));
    QCOMPARE(m.lecturas().lblkilometros, QStringLiteral("0"));
    QCOMPARE(m.lecturas().lblposicion, QStringLiteral("1/4"));
}

void TstMotorDiferido::unGradoDeLatitudEnElRotulo()
{
    QList<Punto> p = {{QDateTime(kDia, QTime(8, 0)), "0", "0", "0", "Sur"},
                      {QDateTime(kDia, QTime(9, 0)), "1,0", "0", "0", "Sur"},   // decimal comma as stored
                      {QDateTime(kDia, QTime(10, 0)), "1.0", "1", "0", "Sur"},
                      {QDateTime(kDia, QTime(11, 0)), "-1", "-1", "0", "Sur"}};
    QVERIFY(PistaPrueba::guardar(kLocalizador, p));
    MotorDiferido m;
    m.Cargar(leer("0:00", "23:59"));
    QVERIFY(pasos(m, 2));
    QCOMPARE(m.lecturas().lblkilometros, QStringLiteral("111,32"));
    QVERIFY(pasos(m, 1));  // one degree of longitude at latitude 1: cos(1°) of a degree
    QCOMPARE(m.lecturas().lblkilometros, QStringLiteral("222,62"));
    const MotorDiferido::Paso ultimo = m.GestionSigPunto(ajustesNormales());
    QCOMPARE(ultimo.resultado, MotorDiferido::Resultado::Punto);
    // Southern and western positions go to the page like any other, with "." as decimal separator.
    QVERIFY(ponermapa(ultimo).startsWith(QStringLiteral("ponermapa('Sur','-1|','-1|','COCHE1|',")));
    QCOMPARE(m.lecturas().lbltiempoparcial, QStringLiteral("03:00:00"));
}

void TstMotorDiferido::caminandoAcumulaLaDistanciaReal()
{
    // One point a second at 1,4 m/s for half an hour: 2,52 km. Steps of 1,4 m must not round away.
    const double grados = 0.0014 / Module1::DistanciaKm(0, 0, 1, 0);
    QVERIFY(PistaPrueba::guardar(kLocalizador, PistaPrueba::recta(QDateTime(kDia, QTime(10, 0)), 1801, 1, grados, "0,76")));
    MotorDiferido m;
    m.Cargar(leer("10:00", "10:30"));
    QCOMPARE(m.totalPuntos(), 1801);
    QVERIFY(pasos(m, 350));
    QCOMPARE(m.lecturas().lblkilometros, QStringLiteral("0,49"));
    QCOMPARE(m.lecturas().lbltiempoparcial, QStringLiteral("00:05:49"));
    QCOMPARE(m.lecturas().lblvelocidadmedia, QStringLiteral("1,41 km/h"));
    QVERIFY(pasos(m, 1));   // the 351st clears the stretch
    QCOMPARE(m.lecturas().lblkilometros, QStringLiteral("0"));
    m.Cargar(leer("10:00", "10:30"));
    double km = 0;
    for (int i = 0; i < 350; ++i) {
        QVERIFY(pasos(m, 1));
        km = Regional::LeerNumero(m.lecturas().lblkilometros);
    }
    QVERIFY2(km > 0.48 && km < 0.50, qPrintable(m.lecturas().lblkilometros));
}

void TstMotorDiferido::velocidadYMedia()
{
    QList<Punto> p = {{QDateTime(kDia, QTime(8, 0)), "40", "-3", "10", "A"},
                      {QDateTime(kDia, QTime(8, 1)), "40", "-3", "20", "A"},
                      {QDateTime(kDia, QTime(8, 2)), "40", "-3", "", "A"},
                      {QDateTime(kDia, QTime(8, 3)), "40", "-3", "5,5", "A"}};
    QVERIFY(PistaPrueba::guardar(kLocalizador, p));
    MotorDiferido m;
    m.Cargar(leer("08:00", "08:03"));
    QVERIFY(pasos(m, 1));
    QCOMPARE(m.lecturas().lblvelocidad, QStringLiteral("v: 18,52 km/h"));
    QCOMPARE(m.lecturas().lblvelocidadmedia, QStringLiteral("18,52 km/h"));
    QVERIFY(pasos(m, 1));
    QCOMPARE(m.lecturas().lblvelocidad, QStringLiteral("v: 37,04 km/h"));
    QCOMPARE(m.lecturas().lblvelocidadmedia, QStringLiteral("27,78 km/h"));
    QVERIFY(pasos(m, 1));  // an empty speed counts as 0
    QCOMPARE(m.lecturas().lblvelocidad, QStringLiteral("v: 0,00 km/h"));
    QCOMPARE(m.lecturas().lblvelocidadmedia, QStringLiteral("18,52 km/h"));
    QVERIFY(pasos(m, 1));
    QCOMPARE(m.lecturas().lblvelocidad, QStringLiteral("v: 10,19 km/h"));
    QCOMPARE(m.lecturas().lblzona, QStringLiteral("zona: A"));
    QCOMPARE(m.lecturas().lblfecha, QStringLiteral("12/05/2010 8:03:00"));
    // The end: the stretch's counter and the position start over.
    QCOMPARE(m.GestionSigPunto(ajustesNormales()).resultado, MotorDiferido::Resultado::Fin);
    QCOMPARE(m.puntosTramo(), 0);
    QCOMPARE(m.posicion(), 1);
    QVERIFY(m.Finalizado());
}

void TstMotorDiferido::ejemploDePonerMapaIdentico()
{
    // 3,27 km and 12 min 40 s after the previous point; 24,568 knots are 45,50 km/h; no zone.
    QList<Punto> p = {{QDateTime(kDia, QTime(8, 52, 27)), "40.3874", "-3.7038", "24.568", ""},
                      {QDateTime(kDia, QTime(9, 5, 7)), "40.4168", "-3.7038", "24.568", QString()}};
    QVERIFY(PistaPrueba::guardar(kLocalizador, p));
    MotorDiferido m;
    m.Cargar(leer("08:00", "09:05"));
    AjustesPaso a = ajustesNormales();
    a.etiquetas = true;
    const MotorDiferido::Paso primero = m.GestionSigPunto(a);
    QCOMPARE(primero.sentencias.size(), 1);
    QCOMPARE(ponermapa(primero), QStringLiteral("ponermapa('Desconocida','40.3874|','-3.7038|','COCHE1|','45,50|',"
                                                "'08:52:27<br>','12/05/2010 8:52:27','COCHE1','SI',16,'NO','00:00:00','0');"));
    const MotorDiferido::Paso segundo = m.GestionSigPunto(a);
    QCOMPARE(segundo.resultado, MotorDiferido::Resultado::Punto);
    QCOMPARE(segundo.sentencias.size(), 1);
    QCOMPARE(segundo.sentencias.first().lenguaje, QString());
    QCOMPARE(ponermapa(segundo), QStringLiteral("ponermapa('Desconocida','40.4168|','-3.7038|','COCHE1|','45,50|',"
                                                "'09:05:07<br>','12/05/2010 9:05:07','COCHE1','SI',16,'NO','00:12:40','3,27');"));
    QCOMPARE(m.lecturas().lblzona, QStringLiteral("zona: "));
}

void TstMotorDiferido::borradoTrasTrescientosCincuentaPuntos()
{
    MotorDiferido m;
    m.Cargar(PistaPrueba::enMemoria(PistaPrueba::recta(QDateTime(kDia, QTime(6, 0)), 360, 5)));
    for (int i = 1; i <= 350; ++i) {
        const MotorDiferido::Paso p = m.GestionSigPunto(ajustesNormales());
        QCOMPARE(p.sentencias.size(), 1);
        QVERIFY(ponermapa(p).contains(QStringLiteral(",16,'NO','")));
    }
    QCOMPARE(m.puntosTramo(), 350);
    QVERIFY(m.lecturas().lblkilometros != QStringLiteral("0"));
    const MotorDiferido::Paso p351 = m.GestionSigPunto(ajustesNormales());
    QCOMPARE(p351.sentencias.size(), 2);
    QCOMPARE(p351.sentencias.first().texto, QStringLiteral("msg1('Pantalla Renovada.Demasiados Puntos');"));
    QVERIFY2(ponermapa(p351).endsWith(QStringLiteral(",16,'SI','0','0');")), qPrintable(ponermapa(p351)));
    QCOMPARE(m.lecturas().lblposicion, QStringLiteral("351/360"));
    QCOMPARE(m.lecturas().lblvelocidadmedia, QString());
    QCOMPARE(m.puntosTramo(), 0);
    // The next point opens the new stretch: no distance, time from itself.
    const MotorDiferido::Paso p352 = m.GestionSigPunto(ajustesNormales());
    QVERIFY(ponermapa(p352).endsWith(QStringLiteral(",16,'NO','00:00:00','0');")));
    QCOMPARE(m.puntosTramo(), 1);
}

void TstMotorDiferido::cadaDiezPuntosMuestraUnoOnceVeintiuno()
{
    QVERIFY(PistaPrueba::guardar(kLocalizador, PistaPrueba::recta(QDateTime(kDia, QTime(7, 0)), 25, 60)));
    MotorDiferido m;
    m.Cargar(leer("07:00", "07:24"));
    const AjustesPaso a = ajustesNormales(QStringLiteral("Cada 10 puntos"));
    QStringList mostrados, horas;
    MotorDiferido::Paso p;
    while ((p = m.GestionSigPunto(a)).resultado == MotorDiferido::Resultado::Punto) {
        mostrados << m.lecturas().lblposicion;
        horas << m.lecturas().lblfecha.section(u' ', 1);
    }
    QCOMPARE(p.resultado, MotorDiferido::Resultado::Fin);
    QCOMPARE(mostrados, QStringList({"1/25", "11/25", "21/25"}));
    QCOMPARE(horas, QStringList({"7:00:00", "7:10:00", "7:20:00"}));
}

void TstMotorDiferido::saltos_data()
{
    QTest::addColumn<int>("boton");
    QTest::addColumn<int>("desde");
    QTest::addColumn<int>("posicion");
    QTest::addColumn<int>("fila");
    QTest::addColumn<QString>("rotulo");
    QTest::newRow("+8 en 95 de 100 vuelve al 1") << 8 << 95 << 1 << 1 << "1/100";
    QTest::newRow("+8 en 92 de 100 va al 100") << 8 << 92 << 100 << 100 << "100/100";
    QTest::newRow("+4 en 98 de 100: última fila, 102/100") << 4 << 98 << 102 << 100 << "102/100";
    QTest::newRow("+4 en 10") << 4 << 10 << 14 << 14 << "14/100";
}

void TstMotorDiferido::saltos()
{
    QFETCH(int, boton);
    QFETCH(int, desde);
    QFETCH(int, posicion);
    QFETCH(int, fila);
    QFETCH(QString, rotulo);
    MotorDiferido m;
    m.Cargar(PistaPrueba::enMemoria(PistaPrueba::recta(QDateTime(kDia, QTime(1, 0)), 100, 60)));
    QVERIFY(pasos(m, desde - 1));
    QCOMPARE(m.posicion(), desde);
    QList<SentenciaPagina> s;
    QVERIFY(boton == 4 ? m.Avanzar4(s) : m.Avanzar8(s));
    QCOMPARE(s, QList<SentenciaPagina>({{QStringLiteral("limpiamapa();"), QStringLiteral("JavaScript")}}));
    QCOMPARE(m.posicion(), posicion);
    QCOMPARE(m.recorrido()->AbsolutePosition(), fila);
    QVERIFY(!m.pasoOcupado());
    QCOMPARE(m.lecturas().lblkilometros, QStringLiteral("0"));
    QCOMPARE(m.puntosTramo(), 0);
    // The next step shows that row with the position as the jump left it.
    QVERIFY(pasos(m, 1));
    QCOMPARE(m.lecturas().lblposicion, rotulo);
    QCOMPARE(horaActual(m).isValid(), fila < 100);
    QCOMPARE(m.lecturas().lblfecha.section(u' ', 1), QTime(1, 0).addSecs((fila - 1) * 60).toString("H:mm:ss"));

    // "Ini" goes back to the first row from anywhere.
    s.clear();
    QVERIFY(m.IrPrimeraPosicion(s));
    QCOMPARE(m.recorrido()->AbsolutePosition(), 1);
    QCOMPARE(m.lecturas().lblposicion, QStringLiteral("1/100"));
}

void TstMotorDiferido::saltosEnRecorridoTerminado()
{
    MotorDiferido m;
    m.Cargar(PistaPrueba::enMemoria(PistaPrueba::recta(QDateTime(kDia, QTime(0, 0)), 100, 60)));
    QVERIFY(pasos(m, 100));
    QCOMPARE(m.GestionSigPunto(ajustesNormales()).resultado, MotorDiferido::Resultado::Fin);
    QList<SentenciaPagina> s;
    QVERIFY(m.Avanzar4(s));
    QVERIFY(!m.Finalizado());
    QCOMPARE(m.recorrido()->AbsolutePosition(), 100);
    QCOMPARE(m.posicion(), 100);
    // The guard was released: the jumps still work, and stay on the last row.
    QVERIFY(!m.pasoOcupado());
    QVERIFY(m.Avanzar4(s));
    QCOMPARE(m.recorrido()->AbsolutePosition(), 100);
    QVERIFY(pasos(m, 1));
    QCOMPARE(horaActual(m), QTime());  // past the end again after showing the last row
    QCOMPARE(m.lecturas().lblfecha, QStringLiteral("12/05/2010 1:39:00"));
    QCOMPARE(m.GestionSigPunto(ajustesNormales()).resultado, MotorDiferido::Resultado::Fin);
    QVERIFY(m.Avanzar8(s));
    QCOMPARE(m.recorrido()->AbsolutePosition(), 100);
    QVERIFY(!m.pasoOcupado());
    // Play on a finished track clears the map and rewinds.
    QVERIFY(pasos(m, 1));
    QCOMPARE(m.GestionSigPunto(ajustesNormales()).resultado, MotorDiferido::Resultado::Fin);
    QCOMPARE(m.Reproducir(), QList<SentenciaPagina>({{QStringLiteral("limpiamapa();"), QStringLiteral("JavaScript")}}));
    QCOMPARE(m.recorrido()->AbsolutePosition(), 1);
    QVERIFY(m.Reproducir().isEmpty());
}

void TstMotorDiferido::saltoDetrasDeHora()
{
    QList<Punto> p = {{QDateTime(kDia, QTime(11, 29)), "40", "-3", "1", "A"},
                      {QDateTime(kDia, QTime(11, 30, 45)), "40.1", "-3", "1", "A"},
                      {QDateTime(kDia, QTime(11, 31)), "40.2", "-3", "1", "A"}};
    QVERIFY(PistaPrueba::guardar(kLocalizador, p));
    MotorDiferido m;
    m.Cargar(leer("11:00", "12:00"));
    QVERIFY(pasos(m, 1));
    const MotorDiferido::SaltoHora salto = m.MoverDetrasDeHora(QTime(11, 30));
    QVERIFY(salto.encontrado);
    QCOMPARE(salto.sentencias, QList<SentenciaPagina>({{QStringLiteral("limpiamapa();"), QStringLiteral("JavaScript")}}));
    QCOMPARE(m.posicion(), 3);
    QVERIFY(pasos(m, 1));
    QCOMPARE(m.lecturas().lblposicion, QStringLiteral("3/3"));
    QCOMPARE(m.lecturas().lblfecha, QStringLiteral("12/05/2010 11:31:00"));
    QCOMPARE(m.lecturas().lblkilometros, QStringLiteral("0"));
    // Before the first row: from the first row.
    QVERIFY(m.MoverDetrasDeHora(QTime(8, 0)).encontrado);
    QCOMPARE(m.posicion(), 1);
    QCOMPARE(m.recorrido()->AbsolutePosition(), 1);
}

void TstMotorDiferido::saltoDetrasDeHoraSinFilasNoTocaElTramo()
{
    MotorDiferido m;
    m.Cargar(PistaPrueba::enMemoria(PistaPrueba::recta(QDateTime(kDia, QTime(9, 0)), 50, 60)));
    QVERIFY(pasos(m, 5));
    const QString km = m.lecturas().lblkilometros;
    const MotorDiferido::SaltoHora salto = m.MoverDetrasDeHora(QTime(9, 49));
    QVERIFY(!salto.encontrado);
    QCOMPARE(salto.sentencias, QList<SentenciaPagina>({{QStringLiteral("msg1('No se encontrarón posiciones a esa hora!');"), QString()}}));
    QCOMPARE(m.posicion(), 6);
    QCOMPARE(m.recorrido()->AbsolutePosition(), 6);
    QCOMPARE(m.puntosTramo(), 5);
    QCOMPARE(m.lecturas().lblkilometros, km);
    QVERIFY(pasos(m, 1));
    QCOMPARE(m.lecturas().lblposicion, QStringLiteral("6/50"));
    QCOMPARE(m.lecturas().lblvelocidadmedia, QStringLiteral("18,52 km/h"));
    QCOMPARE(m.puntosTramo(), 6);
}

void TstMotorDiferido::recorridoDeMasDe32767Puntos()
{
    MotorDiferido m;
    m.Cargar(PistaPrueba::enMemoria(PistaPrueba::recta(QDateTime(kDia, QTime(0, 0)), 40000, 1, 0.00001)));
    QCOMPARE(m.totalPuntos(), 40000);
    QVERIFY(m.MoverDetrasDeHora(QTime(10, 0)).encontrado);
    QCOMPARE(m.posicion(), 36061);
    QVERIFY(pasos(m, 1));
    QCOMPARE(m.lecturas().lblposicion, QStringLiteral("36061/40000"));
    QCOMPARE(m.lecturas().lblfecha, QStringLiteral("12/05/2010 10:01:00"));
    QList<SentenciaPagina> s;
    QVERIFY(m.Avanzar8(s));
    QCOMPARE(m.posicion(), 36070);
}

void TstMotorDiferido::filaIlegibleDetieneElPaso()
{
    QList<Punto> p = {{QDateTime(kDia, QTime(8, 0)), "40", "-3", "1", "A"},
                      {QDateTime(kDia, QTime(8, 1)), "abc", "-3", "1", "A"},
                      {QDateTime(kDia, QTime(8, 2)), "40", "-3", "x", "A"}};
    MotorDiferido m;
    m.Cargar(PistaPrueba::enMemoria(p));
    QVERIFY(pasos(m, 1));
    QCOMPARE(m.GestionSigPunto(ajustesNormales()).resultado, MotorDiferido::Resultado::Error);
    QCOMPARE(m.posicion(), 2);
    QCOMPARE(m.GestionSigPunto(ajustesNormales()).resultado, MotorDiferido::Resultado::Error);
    QCOMPARE(m.recorrido()->AbsolutePosition(), 2);
    QList<SentenciaPagina> s;
    QVERIFY(m.Avanzar4(s));  // to the last row, whose speed is not a number
    QCOMPARE(m.GestionSigPunto(ajustesNormales()).resultado, MotorDiferido::Resultado::Error);
}

void TstMotorDiferido::ajustes()
{
    using namespace AjustesDiferido;
    QCOMPARE(EntradasVelocidad(), QStringList({"Muy Lento", "Lento", "Normal", "Rápido", "Muy Rápido"}));
    QCOMPARE(EntradasZoom(), QStringList({"Nulo", "Muy Escaso", "Escaso", "Muy Poco", "Poco", "Mediano", "Grande",
                                          "Amplio", "Muy Amplio"}));
    QCOMPARE(EntradasZoom().at(ZoomInicial), QStringLiteral("Mediano"));
    QCOMPARE(EntradasSeguimiento(), QStringList({"Todos los puntos", "Cada 2 puntos", "Cada 3 puntos", "Cada 4 puntos",
                                                 "Cada 6 puntos", "Cada 10 puntos"}));

    MotorDiferido m;
    QCOMPARE(m.intervaloTimer(), 0);
    QVERIFY(!m.EstableceVelocidad(QStringLiteral("lento")));  // exact comparison
    QCOMPARE(m.intervaloTimer(), 0);
    const QList<int> intervalos = {1800, 1000, 300, 20, 1};
    for (int i = 0; i < intervalos.size(); ++i) {
        QVERIFY(m.EstableceVelocidad(EntradasVelocidad().at(i)));
        QCOMPARE(m.intervaloTimer(), intervalos.at(i));
    }
    QVERIFY(!m.EstableceVelocidad(QStringLiteral("lento")));
    QCOMPARE(m.intervaloTimer(), 1);

    QCOMPARE(m.nivelZoom(), QString());
    m.EstableceZoom(QStringLiteral("mediano"));
    QCOMPARE(m.nivelZoom(), QStringLiteral("16"));
    m.EstableceZoom(QStringLiteral("MUY AMPLIO"));
    QCOMPARE(m.nivelZoom(), QStringLiteral("20"));
    m.EstableceZoom(QStringLiteral("enorme"));
    QCOMPARE(m.nivelZoom(), QStringLiteral("20"));
    const QList<int> niveles = {8, 11, 13, 14, 15, 16, 17, 18, 20};
    for (int i = 0; i < niveles.size(); ++i)
        QCOMPARE(*NivelZoom(EntradasZoom().at(i)), QString::number(niveles.at(i)));

    QCOMPARE(PasoSeguimiento(QStringLiteral("Cada 5 puntos")), 5);
    QCOMPARE(PasoSeguimiento(QStringLiteral("cada 2 puntos")), 0);
    const QList<int> n = {1, 2, 3, 4, 6, 10};
    for (int i = 0; i < n.size(); ++i)
        QCOMPARE(PasoSeguimiento(EntradasSeguimiento().at(i)), n.at(i));

    m.Cargar(PistaPrueba::enMemoria(PistaPrueba::recta(QDateTime(kDia, QTime(0, 0)), 10, 60)));
    m.MoveNextSeguimiento(QStringLiteral("Cada 5 puntos"));
    QCOMPARE(m.posicion(), 6);
    QCOMPARE(m.recorrido()->AbsolutePosition(), 6);
    m.MoveNextSeguimiento(QStringLiteral("todos"));
    QCOMPARE(m.posicion(), 6);
    QCOMPARE(m.recorrido()->AbsolutePosition(), 6);
    m.MoveNextSeguimiento(QStringLiteral("Cada 10 puntos"));
    QVERIFY(m.Finalizado());
}

QTEST_GUILESS_MAIN(TstMotorDiferido)
#include "tst_motordiferido.moc"
