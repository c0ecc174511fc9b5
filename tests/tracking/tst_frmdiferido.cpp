// The playback window headless with the real map page: its wiring, through the controls' names.
#include "carpetaprueba.h"
#include "dialogosguion.h"
#include "esquema.h"
#include "frmdiferido.h"
#include "graficavelocidad.h"
#include "kvcalen.h"
#include "module1.h"
#include "paginarecorrido.h"
#include "pruebaweb.h"
#include "regional.h"

#include <QtCharts>
#include <QtWidgets>

using namespace PruebaWeb;

namespace {
// The last new year before today: days on both sides of it stay inside the calendar's range.
const QDate kAntes(QDate::currentDate().addDays(-3).year() - 1, 12, 30), kDespues(kAntes.year() + 1, 1, 2);
const QString kCoche = QStringLiteral("Coche 'A'");  // quotes reach the queries and the page as data
}

class TstFrmDiferido : public QObject {
    Q_OBJECT
    std::unique_ptr<CarpetaPrueba> carpeta;
    std::unique_ptr<DialogosGuion> dialogos;
    std::unique_ptr<frmdiferido> w;
    template <class T = QLabel> T *hijo(const char *nombre) { return w->findChild<T *>(QLatin1String(nombre)); }
    QString caja(const char *nombre) { return hijo<QLineEdit>(nombre)->text(); }
    void clic(const char *boton) { hijo<QAbstractButton>(boton)->click(); }
    QString pagina(const char *expresion) { return evaluar(*w->Mapa(), QString::fromUtf8(expresion)).toString(); }
    void tic() { QMetaObject::invokeMethod(hijo<QTimer>("timerdiferido"), "timeout"); }  // not waiting for it
    // The playback timer and clock stand still: a step is made only by tic(), however slow the machine.
    bool eventFilter(QObject *o, QEvent *e) override { return e->type() == QEvent::Timer || QObject::eventFilter(o, e); }

private Q_SLOTS:
    void init()
    {
        w.reset();  // the previous test's window, dialogs and folder go first
        dialogos.reset();
        carpeta.reset();
        carpeta = std::make_unique<CarpetaPrueba>();
        QVERIFY(carpeta->crearBaseLocal() && carpeta->enlazarPaginas() && carpeta->conectarLocal());
        dialogos = std::make_unique<DialogosGuion>();
        Module1::NombreTitular = QStringLiteral("Transportes <Prueba>");
        QStringList sql{"INSERT INTO LOCALIZADORES VALUES ('Coche ''A''', 'coche1')"};
        auto fila = [&sql](const QDateTime &fecha, double latitud, const char *nudos, const char *zona) {
            sql << QStringLiteral("INSERT INTO DATOS (IMEI, FECHA, LATITUD, LONGITUD, VELOCIDAD, ZONA) VALUES "
                                  "('Coche ''A''', '%1', '%2', '-3.7', '%3', '%4')")
                       .arg(fecha.toString("yyyy-MM-dd HH:mm:ss")).arg(latitud).arg(nudos, zona);
        };
        for (int i = 0; i < 5; ++i)
            fila(QDateTime(kDespues, QTime(7, 58, 40)).addSecs(60 * i), 40 + i * 0.001, "10", "Nave 1");
        fila(QDateTime(kDespues, QTime(19, 12, 34)), 40.5, "0", "Nave ''Norte'' <b>");
        fila(QDateTime(kAntes, QTime(9, 0)), 40.4, "10", "Nave 1");
        fila(QDateTime(kAntes, QTime(18, 0)), 40.4, "10", "Nave 1");
        const bool vacia = QByteArray(QTest::currentDataTag()) == "sin localizadores";
        QVERIFY(vacia || CarpetaPrueba::ejecutarEn(RutaBaseLocal(), sql));
        w = std::make_unique<frmdiferido>();
        hijo<QTimer>("timerdiferido")->installEventFilter(this);
        w->Reproductor()->PonerReloj([] { return qint64(0); });
        w->show();
        QVERIFY(esperar([&] { return w->Mapa()->Cargada(); }));
    }

    void arranqueYDiasRegistrados()
    {
        QCOMPARE(QStringList({hijo<QComboBox>("cmbspeedinicial")->currentText(),
                              hijo<QComboBox>("cmbzoom")->currentText(),
                              hijo<QComboBox>("cmbseguiminetoen")->currentText(), hijo("lblcliente")->text()}),
                 QStringList({"Lento", "Mediano", "Todos los puntos", "Transportes <Prueba>"}));
        QVERIFY(hijo<QGroupBox>("frmdiferido")->isVisible() && !hijo<QGroupBox>("frmmapa")->isVisible());
        auto *cal = hijo<KVCalen>("KVCalen1");
        auto color = [cal](const QDate &d) { return cal->Registros().Valor(d, Ranura::ColorFondo).toLongLong(); };
        QCOMPARE(QList<qint64>({color(kAntes), color(kDespues), color(kAntes.addDays(1)),
                                color(QDate::currentDate().addDays(3500))}),
                 QList<qint64>({16701389, 16701389, 12648447, 12648447}));
        // The last day (of the year after) fills the boxes; the summary names both.
        const QString dia = Regional::FechaCorta(kDespues);
        QCOMPARE(QStringList({caja("txtfechainicio"), caja("txtfechafin"), caja("txthorainicio"), caja("txthorafin")}),
                 QStringList({dia, dia, "07:58", "19:12"}));
        QCOMPARE(hijo("sspanelcaption")->text().section("\r\n", 1),
                 " Primer Día registrado: " + Regional::FechaLarga(kAntes) + "\r\n Ultimo Día registrado: " +
                     Regional::FechaLarga(kDespues));
        QCOMPARE(w->fraSeleccion->IconoLocalizador(), QStringLiteral("coche1.png"));
        // A click on a day fills the boxes with its first and last times.
        cal->setFechaActual(kAntes);
        Q_EMIT cal->Click();
        QCOMPARE(caja("txtfechafin") + " " + caja("txthorainicio") + " " + caja("txthorafin"),
                 Regional::FechaCorta(kAntes) + " 09:00 18:00");
        QTest::mouseDClick(hijo<QLineEdit>("txthorafin"), Qt::LeftButton);  // the time of day
        QVERIFY(qAbs(QTime::fromString(caja("txthorafin"), "HH:mm").secsTo(QTime::currentTime())) < 120);
    }

    // Each marked day the calendar shows carries its number of positions (the locator's key as the
    // service compares it: letter case, trailing blanks), its tool tip the first and last time.
    void posicionesDeLosDias_data()
    {
        QTest::addColumn<QString>("otro");  // another locator chosen first
        QTest::addColumn<QDate>("dia");
        QTest::addColumn<QString>("consejo");  // and the label: its first word
        QTest::newRow("último día, la clave en mayúsculas") << "" << kDespues << "7 posiciones\nPrimera: 07:58:40 · Última: 20:00:05";
        QTest::newRow("mes anterior, al pasar de mes") << "" << kAntes.addDays(-20) << "2 posiciones\nPrimera: 08:00:00 · Última: 08:30:00";
        QTest::newRow("otro localizador: su día") << "Moto" << kDespues.addDays(-1) << "1 posición\nPrimera: 23:59:59 · Última: 23:59:59";
        QTest::newRow("otro localizador: nada del anterior") << "Moto" << kDespues << "";
    }

    void posicionesDeLosDias()
    {
        QFETCH(QString, otro);
        QFETCH(QDate, dia);
        QFETCH(QString, consejo);
        const QString d = kAntes.addDays(-20).toString("yyyy-MM-dd ");
        QStringList sql;
        for (const QString &v : {"'COCHE ''a''  ', '" + kDespues.toString("yyyy-MM-dd ") + "20:00:05'", "'Coche ''A''', '" + d + "08:00:00'",
                                 "'Moto', '" + kDespues.addDays(-1).toString("yyyy-MM-dd ") + "23:59:59'", "'Coche ''A''', '" + d + "08:30:00'"})
            sql << "INSERT INTO DATOS (IMEI, FECHA) VALUES (" + v + ")";
        QVERIFY(CarpetaPrueba::ejecutarEn(RutaBaseLocal(), sql));
        auto *lista = hijo<QListWidget>("lbldiferido");
        lista->clear();
        w->fraSeleccion->MeterLocalizadores();
        lista->setCurrentItem(lista->findItems(otro.isEmpty() ? kCoche : otro, Qt::MatchExactly).value(0));
        auto *cal = hijo<KVCalen>("KVCalen1");
        if (dia.month() != cal->Mes())
            clic("btnmenosmes");
        QCoreApplication::processEvents();  // a month's counts are read once it is drawn
        int i = 0;
        while (i < 41 && cal->Celda(i).fecha != dia)
            ++i;
        const ObjetoTexto &l = cal->Celda(i).etiquetaDerecha;
        QCOMPARE(l.visible ? l.texto : QString(), consejo.section(u' ', 0, 0));
        QHelpEvent e(QEvent::ToolTip, cal->RectanguloCelda(i).center(), cal->mapToGlobal(cal->RectanguloCelda(i).center()));
        QApplication::sendEvent(cal, &e);
        QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), consejo);
    }

    void rechazos_data()
    {
        QTest::addColumn<QString>("caja");  // the box given the value, which gets the focus on a date/time error
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QString>("mensaje");  // and its icon
        QTest::newRow("sin localizadores") << "" << "" << "No hay localizadores para realizar seguimiento/48";
        QTest::newRow("hora fin 24:00") << "txthorafin" << "24:00" << "Especifique un valor correcto de fecha/Hora/48";
        QTest::newRow("periodo sin datos") << "txthorainicio" << "19:13"
            << "No hay datos para realizar un seguimiento en ese periodo para el localizador Coche 'A'/64";
    }

    void rechazos()
    {
        QFETCH(QString, caja);
        QFETCH(QString, valor);
        QFETCH(QString, mensaje);
        if (!caja.isEmpty())
            hijo<QLineEdit>(caja.toLatin1().constData())->setText(valor);
        clic("btninicia");
        QCOMPARE(dialogos->textos(), QStringList{mensaje.section(u'/', 0, -2)});
        const MensajeMostrado &m = dialogos->mensajes[0];
        QCOMPARE(QString::number(m.estilo) + m.titulo, mensaje.section(u'/', -1));  // and no title
        QVERIFY(!mensaje.endsWith("Hora/48") || w->focusWidget()->objectName() == caja);
        QVERIFY(!hijo<QGroupBox>("frmmapa")->isVisible() && !hijo<QTimer>("timerdiferido")->isActive());
        // The caption and the icon call come before the checks.
        QVERIFY(hijo<QGroupBox>("frmmapa")->title().startsWith("Seguimiento en diferido ("));
        QCOMPARE(pagina("estadoMapa().icono"), QString(caja.isEmpty() ? "" : "coche1.png"));
    }

    void cargaYControles()
    {
        const QString dia = Regional::FechaCorta(kDespues);
        hijo<QCheckBox>("chkveretiquetas")->setChecked(true);
        hijo<QComboBox>("cmbseguiminetoen")->setCurrentText("Cada 2 puntos");
        clic("btninicia");
        QVERIFY(hijo<QGroupBox>("frmmapa")->isVisible() && !hijo<QGroupBox>("frmdiferido")->isVisible());
        QCOMPARE(hijo<QGroupBox>("frmmapa")->title() + " " + hijo("lbllocalizadorseguimiento")->text(),
                 QString("Seguimiento en diferido (%1 07:58 - %1 19:12) Coche 'A'").arg(dia));
        QVERIFY(hijo<QComboBox>("cmbspeed")->isVisible() && hijo<QComboBox>("cmbspeed")->currentText() == "Lento");
        auto *timer = hijo<QTimer>("timerdiferido");
        QVERIFY(timer->isActive() && timer->interval() == 1000);
        tic();
        QCOMPARE(hijo("lblposicion")->text() + " " + hijo("lblvelocidad")->text(), QStringLiteral("1/6 v: 18,52 km/h"));
        QCOMPARE(w->Reproductor()->Motor().posicion(), 3);  // every 2 points
        QVERIFY(esperar([&] { return timer->isActive(); }));  // once the page has run the step's statement
        QCOMPARE(pagina("estadoMapa().puntos + ' ' + estadoMapa().icono + ' ' + mapa.getZoom()"), "1 coche1.png 16");

        clic("ImageStop");
        QVERIFY(!timer->isActive() && hijo<QToolButton>("ImagePlay")->isVisible());
        auto *hora = hijo<QLineEdit>("txthora");
        hora->setText("abc");
        clic("XPButton7");
        QVERIFY(hora->palette().color(QPalette::Text) == Qt::red && w->focusWidget() == hora);
        hora->setText("19:00");
        clic("XPButton7");  // the last row is the first later than 19:00
        QVERIFY(hora->palette().color(QPalette::Text) == Qt::black && timer->isActive());
        clic("ImageStop");  // the jumps leave the timer alone
        for (const auto &[boton, posicion] : {std::pair{"XPButton6", 1}, {"XPButton4", 5}, {"MyButton1", 1}}) {
            clic(boton);
            QCOMPARE(w->Reproductor()->Motor().posicion(), posicion);  // (6 + 8 is past the end)
        }
        QVERIFY(!timer->isActive() && hijo("lblposicion")->text() == "1/6");
        clic("XPButton7");
        tic();
        QCOMPARE(hijo("lblzona")->text(), QStringLiteral("zona: Nave 'Norte' <b>"));
        const QString etiqueta = pagina("lecturaPunto().textContent");
        QVERIFY2(etiqueta.contains(kCoche) && etiqueta.contains("Nave 'Norte' <b>"), qPrintable(etiqueta));
        clic("Command1");
        QCOMPARE(pagina("String(estadoMapa().puntos)"), QStringLiteral("0"));
        clic("btnvolver");
        QVERIFY(!hijo<QGroupBox>("frmmapa")->isVisible() && hijo<QGroupBox>("frmdiferido")->isVisible());
        QVERIFY(!timer->isActive() && !hijo<QToolButton>("ImageStop")->isHidden());
        // Closing with a statement in flight: the page's report does not start the timer again.
        clic("btninicia");
        tic();
        clic("Command5");
        vaciarCola(*w->Mapa());
        QVERIFY(!w->isVisible() && !timer->isActive());
    }

    // The timeline, the speed profile, the stops list, the whole track, a click on the drawn track,
    // the follow mode and the keys, each moving playback through the jump routine.
    void enlacesDelRecorrido()
    {
        QStringList sql;
        for (int i = 0; i < 7; ++i)  // parked from 12:00 to 12:06: a stop
            sql << QStringLiteral("INSERT INTO DATOS (IMEI, FECHA, LATITUD, LONGITUD, VELOCIDAD, ZONA) VALUES "
                                  "('Coche ''A''', '%1', '40.3', '-3.7', '0', 'Taller')")
                       .arg(QDateTime(kDespues, QTime(12, i)).toString("yyyy-MM-dd HH:mm:ss"));
        QVERIFY(CarpetaPrueba::ejecutarEn(RutaBaseLocal(), sql));
        clic("btninicia");
        auto *linea = hijo<QSlider>("sldlinea");
        auto *motor = &w->Reproductor()->Motor();
        QCOMPARE(linea->maximum(), 13);
        auto *paradas = hijo<QTreeWidget>("lstparadas");
        QCOMPARE(paradas->topLevelItemCount(), 1);
        QCOMPARE(QStringList({paradas->topLevelItem(0)->text(0), paradas->topLevelItem(0)->text(2),
                              paradas->topLevelItem(0)->text(3)}),
                 QStringList({"12:00", "6 min", "Taller"}));
        QVERIFY(hijo("lblresumen")->text().contains("Parado: 6 min (1 paradas)"));
        tic();
        QCOMPARE(linea->value(), 2);  // the handle follows playback
        vaciarCola(*w->Mapa());
        QCOMPARE(pagina("String(estadoMapa().puntos)"), QStringLiteral("1"));

        linea->setValue(9);  // as a drag does: the map cleared, the stretch restarts there
        QCOMPARE(motor->posicion(), 9);
        QCOMPARE(hijo("lblposicion")->text() + " " + hijo("lblkilometros")->text(), QStringLiteral("9/13 0"));
        QCOMPARE(pagina("String(estadoMapa().puntos)"), QStringLiteral("0"));

        // A click on the profile at the last point's time (hours after the others).
        auto *grafica = hijo<GraficaVelocidad>("grafvelocidad");
        grafica->resize(600, 150);
        grafica->grab();  // lays the chart out
        QChart *c = grafica->chart();
        const qint64 t2 = QDateTime(kDespues, QTime(19, 12, 34), Qt::UTC).toMSecsSinceEpoch();
        const QPoint x = grafica->mapFromScene(c->mapToScene(c->mapToPosition(QPointF(double(t2), 5), c->series().first())));
        QTest::mouseClick(grafica->viewport(), Qt::LeftButton, {}, x);
        QCOMPARE(motor->posicion(), 13);

        Q_EMIT paradas->itemClicked(paradas->topLevelItem(0), 0);
        QCOMPARE(motor->posicion(), 6);

        // The whole track at once, paused; a click on its third point continues from there.
        clic("btncompleto");
        QVERIFY(!hijo<QTimer>("timerdiferido")->isActive());
        QCOMPARE(pagina("String(estadoMapa().puntos)"), QStringLiteral("13"));
        pagina("abrirPunto(2).querySelector('button.continuar').click()");
        QVERIFY(esperar([&] { return motor->posicion() == 3; }));
        QVERIFY(w->Reproductor()->Reproduciendo());

        // Keys: PageDown is +8, F the follow mode (told to the page).
        QCOMPARE(pagina("String(seguir)"), QStringLiteral("true"));
        for (const char *tecla : {"atajo PgDown", "atajo F"})
            Q_EMIT w->findChild<QShortcut *>(QLatin1String(tecla))->activated();
        QCOMPARE(motor->posicion(), 11);
        QVERIFY(!hijo<QCheckBox>("chkseguir")->isChecked());
        QCOMPARE(pagina("String(seguir)"), QStringLiteral("false"));
    }

    // The whole track as the page decodes it: each point's time (across midnight), speed and zone,
    // the view fitted without the GPS jump, and a click by a drawn point finding that point.
    void recorridoCompletoEnLaPagina_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("lectura");  // and whether the point is in view
        QTest::newRow("primero") << 0 << "23:59:58|Velocidad: 10 km/h|Zona: Nave 1|true";
        QTest::newRow("otra zona") << 1 << "23:59:59|Velocidad: 21 km/h|Zona: Nave 'B' <i>|true";
        QTest::newRow("tras la medianoche") << 2 << "00:00:03|Velocidad: 30 km/h|Zona: Nave 1|true";
        QTest::newRow("salto GPS") << 3 << "00:00:04|Velocidad: 40 km/h|Zona: Nave 1|false";
        QTest::newRow("último") << 4 << "00:01:05|Velocidad: 50 km/h|Zona: Nave 'B' <i>|true";
    }

    void recorridoCompletoEnLaPagina()
    {
        QFETCH(int, n);
        QFETCH(QString, lectura);
        const QDateTime t(kAntes, QTime(23, 59, 58));
        const QList<PuntoRecorrido> p{{t, 40.41, -3.70, 10, "Nave 1"}, {t.addSecs(1), 40.4101, -3.7001, 20.6, "Nave 'B' <i>"},
                                      {t.addSecs(5), 40.4102, -3.6999, 30, "Nave 1"}, {t.addSecs(6), 45.0, -3.7, 40, "Nave 1"},
                                      {t.addSecs(67), 40.41035, -3.70005, 50, "Nave 'B' <i>"}};
        w->Mapa()->Ejecutar(PaginaRecorrido::SentenciaVerRecorrido(p, {3}));
        const QString k = QString::number(n);
        const QString lugar = QStringLiteral("[%1,%2]").arg(p[n].latitud, 0, 'f', 6).arg(p[n].longitud, 0, 'f', 6);
        QCOMPARE(pagina(qPrintable("Array.from(lecturaPunto(" + k + ").children).slice(1, 4).map(e => e.textContent).join('|') + '|' + "
                                   "mapa.getBounds().contains(" + lugar + ")")), lectura);
        QCOMPARE(pagina(qPrintable("String(puntoCercano({latlng: mapa.containerPointToLatLng(mapa.latLngToContainerPoint(" + lugar +
                                   ").add([3, -2]))}, 8))")), k);
    }

    // A long zone name does not move the read-outs after it.
    void lecturasDeAnchoFijo()
    {
        clic("btninicia");
        tic();
        const int x = hijo("lblkilometros")->mapTo(w.get(), QPoint()).x();
        LecturasDiferido l;
        l.lblzona = "zona: " + QString(60, u'X');
        w->frmmapa->MostrarLecturas(l);
        QApplication::processEvents();
        QCOMPARE(hijo("lblkilometros")->mapTo(w.get(), QPoint()).x(), x);
        QCOMPARE(hijo("lblzona")->toolTip(), l.lblzona);
    }
};

VARDEN_TEST_WEB_MAIN
(TstFrmDiferido)
#include "tst_frmdiferido.moc"
