// Recorded tracking without a page: the period checks, the engine's steps and jumps, and the player against
// a fake page that reports a statement run only when the test says so.
#include "ajustesdiferido.h"
#include "consultasdiferido.h"
#include "dialogosguion.h"
#include "module1.h"
#include "recordset.h"
#include "reproductordiferido.h"

#include <QTimer>
#include <QtTest>
#include <ranges>

using R = MotorDiferido::Resultado;
using namespace ConsultasDiferido;

namespace {
const QDate kDia(2010, 5, 12);
const SentenciaPagina kLimpiar{QStringLiteral("limpiamapa();"), QStringLiteral("JavaScript")};
const SentenciaPagina kRenovar{QStringLiteral("limpiamapa();msg1('Pantalla Renovada');"), QString()};

// Rows as the local file gives them to playback.
std::unique_ptr<Recordset> enMemoria(const QList<QVariantList> &filas)
{
    return std::make_unique<Recordset>(QStringList{"FECHA", "LATITUD", "LONGITUD", "VELOCIDAD", "ZONA"}, filas);
}

// n points `segundos` apart from `desde`, moving north by `grados` of latitude each.
std::unique_ptr<Recordset> recta(const QTime &desde, int n, int segundos = 60, double grados = 0.001,
                                 const char *nudos = "10")
{
    QList<QVariantList> filas;
    for (int i = 0; i < n; ++i)
        filas << QVariantList{QDateTime(kDia, desde).addSecs(qint64(i) * segundos),
                              QString::number(40 + i * grados, 'f', 7), "-3.7", nudos, "Nave 1"};
    return enMemoria(filas);
}

// One row per point, "H:mm:ss latitude longitude knots zone"; the zone "~" is NULL.
std::unique_ptr<Recordset> pista(const QStringList &filas)
{
    QList<QVariantList> r;
    for (const QStringList c : filas | std::views::transform([](const QString &f) { return f.split(u' '); }))
        r << QVariantList{QDateTime(kDia, QTime::fromString(c[0], "H:mm:ss")), c[1], c[2], c[3],
                          c[4] == "~" ? QVariant() : QVariant(c[4])};
    return enMemoria(r);
}
}

class TstDiferido : public QObject {
    Q_OBJECT
    std::unique_ptr<DialogosGuion> dialogos;
    std::unique_ptr<ReproductorDiferido> r;
    QList<SentenciaPagina> enviadas;  // statement n has the id n
    AjustesPaso ajustes;  // what the map frame would hold
    QList<bool> imagenes;  // ImageStop shown (true) or ImagePlay, as told
    qint64 ahora = 0;  // the player's clock, in ms

    bool activo() const { return r->Timer()->isActive(); }
    void tic() { QMetaObject::invokeMethod(r->Timer(), "timeout"); }  // the tick, without waiting for it
    void ejecutadas() { for (int id = 1; id <= enviadas.size(); ++id) r->SentenciaEjecutada(id); }  // all run
    qsizetype ponermapas() const { return enviadas.size() - enviadas.count(kLimpiar) - enviadas.count(kRenovar); }
    bool pasos(MotorDiferido &m, int n)  // n steps that each show a point
    {
        for (int i = 0; i < n; ++i)
            if (m.GestionSigPunto(ajustes).resultado != R::Punto)
                return false;
        return true;
    }

private Q_SLOTS:
    void init()
    {
        dialogos.reset();  // the previous one puts back the dialogs it found
        dialogos = std::make_unique<DialogosGuion>();
        enviadas.clear();
        ajustes = {"Lento", "Mediano", "Todos los puntos", false, "COCHE1"};
        auto enviar = [this](const SentenciaPagina &s) { return quint64((enviadas << s).size()); };
        r = std::make_unique<ReproductorDiferido>(enviar, [this] { return ajustes; });
        ahora = 0;
        r->PonerReloj([this] { return ahora; });
        connect(r.get(), &ReproductorDiferido::MostrarReproduciendo, this, [this](bool si) { imagenes << si; });
        r->Cargar(recta(QTime(9, 0), 5), ajustes.velocidad);
        imagenes.clear();
    }

    void periodo_data()
    {
        QTest::addColumn<QStringList>("cajas");  // start date, end date, start time, end time
        QTest::addColumn<QString>("resultado");  // the two bounds, or the first box that fails
        QTest::newRow("ejemplo; un fin sin segundos cubre su minuto")
            << QStringList{"05/03/2010", "05/03/2010", "08:00", "19:12"} << "'3/5/2010 08:00' '3/5/2010 19:12:59'";
        QTest::newRow("sin ceros; fin con segundos tal cual")
            << QStringList{"01/02/2011", "01/02/2011", "00:00", "19:12:30"} << "'2/1/2011 00:00' '2/1/2011 19:12:30'";
        // The 12-hour clock, as the date/time check takes it, written in the 24-hour form.
        QTest::newRow("8:00 PM y 12 a.m.") << QStringList{"05/03/2010", "05/03/2010", "12 a.m.", "8:00 PM"}
                                           << "'3/5/2010 00:00' '3/5/2010 20:00:59'";
        QTest::newRow("12:30:15 pm") << QStringList{"05/03/2010", "05/03/2010", "7:05", "12:30:15 pm"}
                                     << "'3/5/2010 7:05' '3/5/2010 12:30:15'";
        QTest::newRow("13 PM") << QStringList{"05/03/2010", "05/03/2010", "13 PM", "8:00"} << "txthorainicio";
        QTest::newRow("fin 24:00") << QStringList{"12/05/2010", "12/05/2010", "07:58", "24:00"} << "txthorafin";
        QTest::newRow("inicio vacío, antes que las horas") << QStringList{"", "1/1/2010", "x", "y"} << "txtfechainicio";
        QTest::newRow("fecha fin, antes que las horas") << QStringList{"1/1/2010", "31/2", "x", "y"} << "txtfechafin";
        QTest::newRow("una fecha en la hora, antes que la de fin")
            << QStringList{"1/1/2010", "1/1/2010", "12/05/2010", "abc"} << "txthorainicio";
    }

    void periodo()
    {
        QFETCH(QStringList, cajas);
        QFETCH(QString, resultado);
        const char *caja[] = {"", "txtfechainicio", "txtfechafin", "txthorainicio", "txthorafin"};
        const auto &[fi, ff, hi, hf] = std::tuple(cajas[0], cajas[1], cajas[2], cajas[3]);
        const CajaPeriodo fallo = ComprobarPeriodo(fi, ff, hi, hf);
        const QString limites = LimitePeriodo(fi, hi, false) + ' ' + LimitePeriodo(ff, hf, true);
        QCOMPARE(fallo == CajaPeriodo::Ninguna ? limites : QString(caja[int(fallo)]), resultado);
    }

    // The day query's rows in text order; texts that are no mm/dd/yyyy day are left out.
    void diasRegistrados_data()
    {
        QTest::addColumn<QStringList>("textos");
        QTest::addColumn<QString>("esperado");  // count, first, last
        QTest::newRow("orden de texto, no de fecha") << QStringList{"01/02/2011", "12/30/2010"} << "2 2010-12-30 2011-01-02";
        QTest::newRow("no son días") << QStringList{"13/01/2010", "02/30/2010", "1/2/2010", "", "ab/cd/efgh", "03/05/2010 "}
                                     << "1 2010-03-05 2010-03-05";
        QTest::newRow("ninguno") << QStringList{"2010-03-05"} << "0  ";
    }
    void diasRegistrados()
    {
        QFETCH(QStringList, textos);
        QFETCH(QString, esperado);
        QList<QVariantList> filas;
        for (const QString &t : textos)
            filas << QVariantList{t};
        Recordset rs({"F1"}, filas);
        const DiasRegistrados d = LeerDiasRegistrados(rs);
        QCOMPARE(QString::number(d.Cuenta()) + ' ' + d.primero.toString(Qt::ISODate) + ' ' + d.ultimo.toString(Qt::ISODate), esperado);
    }

    void paso_data()
    {
        QTest::addColumn<QStringList>("filas");
        QTest::addColumn<QString>("seguimiento");
        QTest::addColumn<int>("pasos");
        QTest::addColumn<int>("mostrados");  // steps that showed a point
        // lblposicion|...|lblvelocidadmedia, and the last step's statement (labels ticked; empty: not checked)
        QTest::addColumn<QString>("lecturas");
        QTest::addColumn<QString>("ponermapa");
        const QString todos = QStringLiteral("Todos los puntos");
        QTest::newRow("ejemplo de ponermapa, zona nula")
            << QStringList{"8:52:27 40.3874 -3.7038 24.568 ", "9:05:07 40.4168 -3.7038 24.568 ~"} << todos << 2 << 2
            << "2/2|12/05/2010 9:05:07|v: 45,50 km/h|zona: |3,27|00:12:40|45,50 km/h"
            << "ponermapa('Desconocida','40.4168|','-3.7038|','COCHE1|','45,50|','09:05:07<br>','12/05/2010 9:05:07',"
               "'COCHE1','SI',16,'NO','00:12:40','3,27');";
        QTest::newRow("coma decimal; sur y oeste; la distancia se acumula")
            << QStringList{"8:00:00 0 0 0 A", "9:00:00 -1,0 0 0 A", "10:00:00 -1.0 -1 0 A"} << todos << 3 << 3
            << "3/3|12/05/2010 10:00:00|v: 0,00 km/h|zona: A|222,62|02:00:00|0,00 km/h" << "";
        QTest::newRow("nudos: vacía cuenta 0, con coma; media")
            << QStringList{"8:00:00 40 -3 10 A", "8:01:00 40 -3 20 A", "8:02:00 40 -3  A", "8:03:00 40 -3 5,5 A"}
            << todos << 4 << 4 << "4/4|12/05/2010 8:03:00|v: 10,19 km/h|zona: A|0,00|00:03:00|16,44 km/h" << "";
        QStringList veinticinco;
        for (int i = 0; i < 25; ++i)
            veinticinco << QTime(7, 0).addSecs(60 * i).toString("H:mm:ss") + " 40 -3 1 A";
        QTest::newRow("cada 10 puntos: 1, 11, 21 y fin") << veinticinco << "Cada 10 puntos" << 4 << 3
            << "21/25|12/05/2010 7:20:00|v: 1,85 km/h|zona: A|0,00|00:20:00|1,85 km/h" << "";
        // A row that cannot be read ends the step where it is, each time (what it read before stays).
        QTest::newRow("latitud ilegible") << QStringList{"8:00:00 40 -3 1 A", "8:01:00 abc -3 1 A", "8:02:00 40 -3 1 A"}
            << todos << 3 << 1 << "2/3|12/05/2010 8:00:00|v: 1,85 km/h|zona: A|0|00:00:00|1,85 km/h" << "";
        QTest::newRow("velocidad ilegible") << QStringList{"8:00:00 40 -3 x A", "8:01:00 40 -3 1 A"} << todos << 2 << 0
            << "1/2||||0,00|00:00:00|" << "";
    }

    void paso()
    {
        QFETCH(QStringList, filas);
        QFETCH(QString, seguimiento);
        QFETCH(int, pasos);
        QFETCH(int, mostrados);
        QFETCH(QString, lecturas);
        QFETCH(QString, ponermapa);
        ajustes.seguimiento = seguimiento;
        ajustes.etiquetas = true;
        MotorDiferido m;
        m.Cargar(pista(filas));
        MotorDiferido::Paso p;
        int puntos = 0;
        for (int i = 0; i < pasos; ++i)
            puntos += (p = m.GestionSigPunto(ajustes)).resultado == R::Punto;
        QCOMPARE(puntos, mostrados);
        const LecturasDiferido &l = m.lecturas();
        QCOMPARE(QStringList({l.lblposicion, l.lblfecha, l.lblvelocidad, l.lblzona, l.lblkilometros,
                              l.lbltiempoparcial, l.lblvelocidadmedia}).join(u'|'), lecturas);
        if (!ponermapa.isEmpty())  // (no language: the page's default)
            QCOMPARE(p.sentencias.size() == 1 && p.sentencias[0].lenguaje.isEmpty() ? p.sentencias[0].texto : "",
                     ponermapa);
    }

    void borradoTras350Puntos()
    {
        // A walk, a point a second 1,4 m apart (too short to round away); 40000 points, past a 16-bit count.
        const double grados = 0.0014 / Module1::DistanciaKm(0, 0, 1, 0);
        MotorDiferido m;
        m.Cargar(recta(QTime(0, 0), 40000, 1, grados, "0,76"));
        const LecturasDiferido &l = m.lecturas();
        for (int i = 1; i <= 350; ++i) {
            const MotorDiferido::Paso p = m.GestionSigPunto(ajustes);
            QVERIFY(p.sentencias.size() == 1 && p.sentencias[0].texto.contains(",'NO',16,'NO','"));
        }
        QCOMPARE(l.lblkilometros + " " + l.lbltiempoparcial + " " + l.lblvelocidadmedia, "0,49 00:05:49 1,41 km/h");
        const MotorDiferido::Paso p351 = m.GestionSigPunto(ajustes);
        QCOMPARE(p351.sentencias.size(), 2);
        QCOMPARE(p351.sentencias[0], SentenciaPagina({"msg1('Pantalla Renovada.Demasiados Puntos');", QString()}));
        QVERIFY(p351.sentencias[1].texto.endsWith(QStringLiteral(",16,'SI','0','0');")));
        QCOMPARE(l.lblposicion + l.lblvelocidadmedia, QStringLiteral("351/40000"));
        // The next point opens the new stretch: no distance, time from itself.
        QVERIFY(m.GestionSigPunto(ajustes).sentencias.last().texto.endsWith(",16,'NO','00:00:00','0');"));
        QVERIFY(m.MoverDetrasDeHora(QTime(10, 0)).encontrado && pasos(m, 1));
        QCOMPARE(l.lblposicion, QStringLiteral("36061/40000"));
        QList<SentenciaPagina> s;
        QVERIFY(m.Avanzar8(s) && m.posicion() == 36070);
        m.Cargar(recta(QTime(0, 0), 5));
        QVERIFY(pasos(m, 1));  // a new load starts a new stretch
        QCOMPARE(l.lblposicion + " " + l.lblkilometros, QStringLiteral("1/5 0"));
    }

    void saltos_data()
    {
        QTest::addColumn<QString>("boton");  // +4, +8, Ini, or the time for "Ir"
        QTest::addColumn<int>("desde");      // 0: the track has ended
        QTest::addColumn<int>("posicion");
        QTest::addColumn<int>("fila");
        QTest::addColumn<bool>("tramoNuevo");
        QTest::newRow("+8 en 95 de 100 vuelve al 1") << "+8" << 95 << 1 << 1 << true;
        QTest::newRow("+8 en 92 de 100 va al 100") << "+8" << 92 << 100 << 100 << true;
        QTest::newRow("+4 en 98 de 100: última fila, 102/100") << "+4" << 98 << 102 << 100 << true;
        QTest::newRow("+4 terminado: última fila, mismo tramo") << "+4" << 0 << 100 << 100 << false;
        QTest::newRow("+8 terminado: última fila") << "+8" << 0 << 100 << 100 << true;
        QTest::newRow("Ini") << "Ini" << 50 << 1 << 1 << true;
        QTest::newRow("2:30: la de 2:30:45 no es posterior al cortarla") << "2:30" << 50 << 92 << 92 << true;
        QTest::newRow("hora antes de la primera") << "0:00" << 50 << 1 << 1 << true;
        QTest::newRow("ninguna hora posterior: sigue donde estaba") << "23:00" << 50 << 50 << 50 << false;
    }

    void saltos()
    {
        QFETCH(QString, boton);
        QFETCH(int, desde);
        QFETCH(int, posicion);
        QFETCH(int, fila);
        QFETCH(bool, tramoNuevo);
        MotorDiferido m;
        m.Cargar(recta(QTime(1, 0, 45), 100));
        QVERIFY(pasos(m, desde ? desde - 1 : 100) && (desde || m.GestionSigPunto(ajustes).resultado == R::Fin));
        QList<SentenciaPagina> s;
        if (boton.contains(u':'))
            s = m.MoverDetrasDeHora(QTime::fromString(boton, "H:mm")).sentencias;
        else
            QVERIFY(boton == "+4" ? m.Avanzar4(s) : boton == "+8" ? m.Avanzar8(s) : m.IrPrimeraPosicion(s));
        const SentenciaPagina sinHora{QStringLiteral("msg1('No se encontrarón posiciones a esa hora!');"), QString()};
        QCOMPARE(s, QList<SentenciaPagina>{boton.contains(u':') && !tramoNuevo ? sinHora : kLimpiar});
        QVERIFY(m.recorrido()->AbsolutePosition() == fila && !m.pasoOcupado());
        // The next step shows that row with the position as the jump left it; the average counts shown points only.
        QVERIFY(pasos(m, 1));
        const LecturasDiferido &l = m.lecturas();
        QCOMPARE(l.lblposicion, QStringLiteral("%1/100").arg(posicion));
        QCOMPARE(l.lblfecha.section(u' ', 1), QTime(1, 0, 45).addSecs((fila - 1) * 60).toString("H:mm:ss"));
        QCOMPARE(l.lblkilometros == QStringLiteral("0"), tramoNuevo);
        if (desde)  // (a finished track keeps its sum of speeds until play resets the stretch)
            QCOMPARE(l.lblvelocidadmedia, QStringLiteral("18,52 km/h"));
    }

    void ajustesDeLasListas()
    {
        using namespace AjustesDiferido;
        QCOMPARE(MotorDiferido::FormatoHoraMinutosSegundos(360061), QStringLiteral("100:01:01"));
        // Speed and thinning compare exactly, zoom words regardless of case; no match keeps the value.
        MotorDiferido m;
        QVERIFY(!m.EstableceVelocidad(QStringLiteral("lento")) && m.intervaloTimer() == 0);
        QVERIFY(m.EstableceVelocidad(QStringLiteral("Muy Rápido")) && !m.EstableceVelocidad(QStringLiteral("lento")));
        m.EstableceZoom(QStringLiteral("mediano"));
        m.EstableceZoom(QStringLiteral("enorme"));
        QVERIFY(m.intervaloTimer() == 1 && m.nivelZoom() == QStringLiteral("16"));
        QCOMPARE(PasoSeguimiento(QStringLiteral("Cada 5 puntos")), 5);  // not offered, yet recognised
        QCOMPARE(PasoSeguimiento(QStringLiteral("cada 2 puntos")), 0);
    }

    void unaSentenciaEnCursoHastaElFinal()
    {
        ajustes.velocidad = QStringLiteral("Muy Lento");  // each step takes up the speed box
        tic();
        QVERIFY(ponermapas() == 1 && !activo());
        r->SentenciaEjecutada(2);  // another statement's report
        QVERIFY(!activo());
        r->SentenciaEjecutada(1);
        QVERIFY(activo() && r->Timer()->interval() == 1800);
        // Pause and play while the next statement is in flight: still one at a time.
        tic();
        r->Pausar();
        r->Reproducir();
        QVERIFY(!activo());
        ejecutadas();
        QVERIFY(activo() && imagenes == QList<bool>({false, true}));
        // A page that failed to load runs nothing: steps go on without waiting for a report.
        tic();
        r->PaginaFallida();
        QVERIFY(activo());
        for (int i = 0; i < 3; ++i)
            tic();
        QCOMPARE(ponermapas(), 5);
        const MensajeMostrado m = dialogos->mensajes.value(0);
        QCOMPARE(m.texto + u'/' + QString::number(m.estilo) + m.titulo, QStringLiteral("Finalizó el seguimiento!/48"));
        QVERIFY(!r->Reproduciendo() && !activo() && !imagenes.last());
        // A time past the end leaves the track finished, without telling the end again.
        r->MoverDetrasDeHora(QTime(23, 0));
        QVERIFY(!activo() && dialogos->mensajes.size() == 1);
        // Play clears the map and starts over, with a new stretch.
        enviadas.clear();
        r->Reproducir();
        QVERIFY(enviadas == QList<SentenciaPagina>{kLimpiar} && activo());
        tic();
        QCOMPARE(r->Motor().lecturas().lblposicion + " " + r->Motor().lecturas().lblkilometros, "1/5 0");
    }

    void pasosPorReloj_data()
    {
        QTest::addColumn<QString>("velocidad");
        QTest::addColumn<int>("retraso");  // ms past the first step's time when the tick comes
        QTest::addColumn<int>("pasos");    // ponermapa calls in the tick's one statement
        QTest::addColumn<int>("espera");   // the timer's interval once the page has run it
        QTest::newRow("muy rapido a tiempo") << "Muy Rápido" << 0 << 1 << 1;
        QTest::newRow("muy rapido 10 ms tarde") << "Muy Rápido" << 10 << 11 << 1;
        QTest::newRow("muy rapido atrasado") << "Muy Rápido" << 700 << ReproductorDiferido::MaximoPasosPorTanda << 1;
        QTest::newRow("rapido 30 ms tarde") << "Rápido" << 30 << 2 << 10;
        QTest::newRow("lento a tiempo") << "Lento" << 0 << 1 << 1000;
        QTest::newRow("muy lento algo tarde") << "Muy Lento" << 500 << 1 << 1300;
        // One recorded minute between points, played 300 times faster: 200 ms apart.
        QTest::newRow("tiempo real x300 1 s tarde") << "Tiempo real ×300" << 1000 << 6 << 200;
    }

    // Steps are due one interval apart by the clock; a tick sends every due step in one statement.
    void pasosPorReloj()
    {
        QFETCH(QString, velocidad);
        QFETCH(int, retraso);
        QFETCH(int, pasos);
        QFETCH(int, espera);
        ajustes.velocidad = velocidad;
        r->Cargar(recta(QTime(9, 0), 1000), velocidad);
        ahora = r->Timer()->interval() + retraso;
        tic();
        QCOMPARE(enviadas.size(), 1);
        QCOMPARE(enviadas[0].texto.count(QStringLiteral("ponermapa(")), pasos);
        QCOMPARE(r->Motor().posicion(), pasos + 1);
        QCOMPARE(r->Motor().lecturas().lblposicion, QStringLiteral("%1/1000").arg(pasos));
        QVERIFY(!activo());
        ejecutadas();
        QVERIFY(activo());
        QCOMPARE(r->Timer()->interval(), espera);
    }

    void borradoDentroDeUnaTanda()
    {
        // The 351st point's clear goes in the same statement, right before its own ponermapa.
        ajustes.velocidad = QStringLiteral("Muy Rápido");
        r->Cargar(recta(QTime(9, 0), 400, 1), ajustes.velocidad);
        ahora = 250;  // points 1 to 250
        tic();
        ejecutadas();
        ahora = 351;  // 251 to 351
        tic();
        const QStringList partes = enviadas.last().texto.split(QStringLiteral(";"), Qt::SkipEmptyParts);
        QCOMPARE(partes.size(), 102);
        QCOMPARE(partes[100] + u';', MotorDiferido::MensajeBorrado);  // 250 + 101 = 351
        QVERIFY(partes[99].contains("'NO','00:05:49','")); // the 350th point, 349 s into the stretch
        QVERIFY(partes.last().endsWith(",'SI','0','0')"));
    }

    void parar_data()
    {
        QTest::addColumn<int>("accion");     // ImageStop, btnvolver, closing, another tick
        QTest::addColumn<bool>("enElPaso");  // while the step lets events run, or with its statement in flight
        for (bool enElPaso : {true, false}) {
            const QByteArray cuando = enElPaso ? " durante el paso" : " con la sentencia en curso";
            QTest::newRow(("pausa" + cuando).constData()) << 0 << enElPaso;
            QTest::newRow(("volver" + cuando).constData()) << 1 << enElPaso;
            QTest::newRow(("cierre" + cuando).constData()) << 2 << enElPaso;
        }
        QTest::newRow("otro tic durante el paso") << 3 << true;
    }

    void parar()
    {
        QFETCH(int, accion);
        QFETCH(bool, enElPaso);
        const std::function<void()> acciones[] = {[this] { r->Pausar(); }, [this] { r->Volver(); },
                                                  [this] { r->Parar(); }, [this] { r->GestionSigPunto(); }};
        if (enElPaso)
            QTimer::singleShot(0, r.get(), acciones[accion]);
        r->GestionSigPunto();
        if (!enElPaso)
            acciones[accion]();
        ejecutadas();
        // The step is made once at most; a tick goes on playing, the others stop.
        QCOMPARE(ponermapas(), accion == 3 || !enElPaso ? 1 : 0);
        QVERIFY(r->Reproduciendo() == (accion == 3) && activo() == (accion == 3));
        QCOMPARE(enviadas.contains(kRenovar), accion == 1);
        QCOMPARE(imagenes, accion < 2 ? QList<bool>{accion == 1} : QList<bool>());  // ImageStop for the next load
    }

    void saltoYFilaIlegible()
    {
        // The clear button leaves the timer alone; a time jump plays on even when nothing is later.
        tic();
        ejecutadas();
        enviadas.clear();
        r->Pausar();
        r->LimpiarMapa();
        QVERIFY(enviadas == QList<SentenciaPagina>{kRenovar} && !activo());
        r->MoverDetrasDeHora(QTime(23, 0));
        QVERIFY(activo());
        // A row that cannot be read halts playback where it was; the stop image stays.
        r->Cargar(pista({"9:00:00 40 -3 1 A", "9:01:00 abc -3 1 A"}), ajustes.velocidad);
        const LecturasDiferido &l = r->Motor().lecturas();  // a new load shows nothing of the old one
        QCOMPARE(l.lblposicion + l.lblfecha + l.lblvelocidad + l.lblzona + l.lblvelocidadmedia, QString());
        for (int i = 0; i < 2; ++i, ejecutadas())
            tic();
        QVERIFY(!r->Reproduciendo() && !activo() && imagenes.last());  // ImageStop still
    }
};

QTEST_GUILESS_MAIN(TstDiferido)
#include "tst_diferido.moc"
