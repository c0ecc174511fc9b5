// The playback window headless, driven through its controls' names, with the real map page.
#include "dialogosguion.h"
#include "frmdiferido.h"
#include "kvcalen.h"
#include "module1.h"
#include "pistaprueba.h"
#include "pruebaweb.h"
#include "puentemapa.h"
#include "regional.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

using PistaPrueba::Punto;
using namespace PruebaWeb;

namespace {
const QString kSinValor = QStringLiteral("Especifique un valor correcto de fecha/Hora");

// The last new year before today: a locator's days on both sides of it stay inside the calendar's range.
QDate diaAntes() { return QDate(QDate::currentDate().addDays(-3).year() - 1, 12, 30); }
QDate diaDespues() { return QDate(QDate::currentDate().addDays(-3).year(), 1, 2); }

template <class T> T *hijo(QWidget &w, const char *nombre)
{
    T *c = w.findChild<T *>(QLatin1String(nombre));
    if (!c)
        qFatal("no control %s", nombre);
    return c;
}
}

class TstFrmDiferido : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void arranqueYDiasRegistrados();
    void sinLocalizadores();
    void horaFinRechazada_data();
    void horaFinRechazada();
    void periodoSinDatos();
    void dobleClicEnHoraFin();
    void reproduceEnLaPaginaHastaElFinal();
    void pausaDuranteElPasoNoSeDeshace();
    void pausaConLaSentenciaEnCursoNoSeDeshace();
    void volverDuranteElPaso();
    void saltosYHoraEnLaVentana();
    void datosConComillasLleganIntactos();

private:
    std::unique_ptr<CarpetaPrueba> carpeta;
    std::unique_ptr<DialogosGuion> dialogos;
    void pistaDeEjemplo();
    std::unique_ptr<frmdiferido> abrir();
    bool cargar(frmdiferido &w, const QString &localizador);
    bool paso(frmdiferido &w);
    QVariantMap estado(frmdiferido &w) { return evaluar(*w.Mapa(), QStringLiteral("estadoMapa()")).toMap(); }
};

void TstFrmDiferido::init()
{
    carpeta = std::make_unique<CarpetaPrueba>();
    QVERIFY(carpeta->crearBaseLocal());
    QVERIFY(carpeta->enlazarPaginas());
    QVERIFY(carpeta->conectarLocal());
    dialogos = std::make_unique<DialogosGuion>();
    Module1::NombreTitular = QStringLiteral("Transportes <Prueba>");
}

void TstFrmDiferido::cleanup()
{
    dialogos.reset();
    carpeta.reset();
}

void TstFrmDiferido::pistaDeEjemplo()
{
    QList<Punto> coche = {{QDateTime(diaAntes(), QTime(9, 0)), "40.40", "-3.70", "10", "Nave 1"},
                          {QDateTime(diaAntes(), QTime(18, 0)), "40.41", "-3.70", "10", "Nave 1"}};
    coche << PistaPrueba::recta(QDateTime(diaDespues(), QTime(7, 58, 40)), 5, 60);
    coche << Punto{QDateTime(diaDespues(), QTime(19, 12, 34)), "40.5", "-3.7", "0", QString()};
    QVERIFY(PistaPrueba::guardar("COCHE1", coche));
    QVERIFY(PistaPrueba::guardar("MOTO2", PistaPrueba::recta(QDateTime(diaAntes(), QTime(12, 0)), 3, 60)));
    QVERIFY(CarpetaPrueba::ejecutarEn(RutaBaseLocal(), {"INSERT INTO LOCALIZADORES VALUES ('COCHE1', 'coche1')"}));
}

std::unique_ptr<frmdiferido> TstFrmDiferido::abrir()
{
    auto w = std::make_unique<frmdiferido>();
    w->show();
    if (!esperar([&] { return w->Mapa()->Cargada(); }))
        qWarning("the page did not load");
    return w;
}

bool TstFrmDiferido::cargar(frmdiferido &w, const QString &localizador)
{
    auto *lista = hijo<QListWidget>(w, "lbldiferido");
    const auto items = lista->findItems(localizador, Qt::MatchExactly);
    if (items.isEmpty())
        return false;
    lista->setCurrentItem(items.first());
    hijo<QToolButton>(w, "btninicia")->click();
    return hijo<QGroupBox>(w, "frmmapa")->isVisible();
}

// Fires the timer's handler and waits until the page has run the step's statement.
bool TstFrmDiferido::paso(frmdiferido &w)
{
    w.Reproductor()->GestionSigPunto();
    return esperar([&] { return w.Reproductor()->SentenciaEnCurso() == 0; });
}

void TstFrmDiferido::arranqueYDiasRegistrados()
{
    pistaDeEjemplo();
    auto w = abrir();
    QCOMPARE(hijo<QComboBox>(*w, "cmbspeedinicial")->currentText(), QStringLiteral("Lento"));
    QCOMPARE(hijo<QLabel>(*w, "lblcliente")->text(), QStringLiteral("Transportes <Prueba>"));
    QCOMPARE(hijo<QComboBox>(*w, "cmbzoom")->currentText(), QStringLiteral("Mediano"));
    QCOMPARE(hijo<QComboBox>(*w, "cmbseguiminetoen")->currentText(), QStringLiteral("Todos los puntos"));
    auto *seleccion = hijo<QGroupBox>(*w, "frmdiferido");
    QCOMPARE(seleccion->title(), QStringLiteral("Seguimiento Diferido (a Quien?)"));
    QVERIFY(seleccion->isVisible());
    QVERIFY(!hijo<QGroupBox>(*w, "frmmapa")->isVisible());
    QVERIFY(!hijo<QComboBox>(*w, "cmbspeed")->isVisible());
    auto *lista = hijo<QListWidget>(*w, "lbldiferido");
    QCOMPARE(lista->count(), 2);
    QCOMPARE(lista->currentRow(), 0);

    lista->setCurrentItem(lista->findItems("COCHE1", Qt::MatchExactly).first());
    auto *cal = hijo<KVCalen>(*w, "KVCalen1");
    QCOMPARE(cal->FechaActual(), diaDespues());
    QCOMPARE(cal->Registros().Valor(diaAntes(), Ranura::ColorFondo).toLongLong(), 16701389);
    QCOMPARE(cal->Registros().Valor(diaDespues(), Ranura::ColorFondo).toLongLong(), 16701389);
    QCOMPARE(cal->Registros().Valor(diaAntes().addDays(1), Ranura::ColorFondo).toLongLong(), 12648447);
    QCOMPARE(cal->Registros().Valor(QDate::currentDate().addDays(3500), Ranura::ColorFondo).toLongLong(), 12648447);
    QCOMPARE(hijo<QLineEdit>(*w, "txtfechainicio")->text(), Regional::FechaCorta(diaDespues()));
    QCOMPARE(hijo<QLineEdit>(*w, "txtfechafin")->text(), Regional::FechaCorta(diaDespues()));
    QCOMPARE(hijo<QLineEdit>(*w, "txthorainicio")->text(), QStringLiteral("07:58"));
    QCOMPARE(hijo<QLineEdit>(*w, "txthorafin")->text(), QStringLiteral("19:12"));
    QCOMPARE(hijo<QLabel>(*w, "sspanelcaption")->text(),
             QStringLiteral(" El localizador COCHE1 ha registrado 2 días con posiciones de localización.\r\n"
                            " Primer Día registrado: ") + Regional::FechaLarga(diaAntes()) +
                 QStringLiteral("\r\n Ultimo Día registrado: ") + Regional::FechaLarga(diaDespues()));
    QCOMPARE(w->fraSeleccion->IconoLocalizador(), QStringLiteral("coche1.png"));

    // The other locator: its own marks only, and no icon.
    lista->setCurrentItem(lista->findItems("MOTO2", Qt::MatchExactly).first());
    QCOMPARE(cal->Registros().Valor(diaDespues(), Ranura::ColorFondo).toLongLong(), 12648447);
    QCOMPARE(cal->FechaActual(), diaAntes());
    QVERIFY(hijo<QLabel>(*w, "sspanelcaption")->text().startsWith(" El localizador MOTO2 ha registrado 1 días"));
    QCOMPARE(w->fraSeleccion->IconoLocalizador(), QString());

    // A click on a day fills the boxes with that day's first and last times.
    cal->setFechaActual(diaAntes());
    Q_EMIT cal->Click();
    QCOMPARE(hijo<QLineEdit>(*w, "txthorainicio")->text(), QStringLiteral("09:00"));
    QCOMPARE(hijo<QLineEdit>(*w, "txthorafin")->text(), QStringLiteral("18:00"));
    cal->setFechaActual(diaAntes().addDays(1));
    Q_EMIT cal->Click();
    QCOMPARE(hijo<QLineEdit>(*w, "txtfechainicio")->text(), Regional::FechaCorta(diaAntes().addDays(1)));
    QCOMPARE(hijo<QLineEdit>(*w, "txthorainicio")->text(), QString());
    QCOMPARE(hijo<QLineEdit>(*w, "txthorafin")->text(), QString());
    hijo<QToolButton>(*w, "btninicia")->click();
    QCOMPARE(dialogos->textos(), QStringList{kSinValor});
    QCOMPARE(w->focusWidget(), hijo<QLineEdit>(*w, "txthorainicio"));
}

void TstFrmDiferido::sinLocalizadores()
{
    auto w = abrir();
    QCOMPARE(hijo<QListWidget>(*w, "lbldiferido")->count(), 0);
    hijo<QLineEdit>(*w, "txtfechainicio")->setText("01/02/2011");
    hijo<QToolButton>(*w, "btninicia")->click();
    QCOMPARE(dialogos->mensajes.size(), 1);
    QCOMPARE(dialogos->mensajes[0].texto, QStringLiteral("No hay localizadores para realizar seguimiento"));
    QCOMPARE(dialogos->mensajes[0].estilo, 48);
    QCOMPARE(dialogos->mensajes[0].titulo, QString());
    // The caption is written from the raw texts before the checks.
    QCOMPARE(hijo<QGroupBox>(*w, "frmmapa")->title(), QStringLiteral("Seguimiento en diferido (01/02/2011  -  )"));
    QVERIFY(!hijo<QGroupBox>(*w, "frmmapa")->isVisible());
    QVERIFY(!hijo<QTimer>(*w, "timerdiferido")->isActive());
}

void TstFrmDiferido::horaFinRechazada_data()
{
    QTest::addColumn<QString>("fechaInicio");
    QTest::addColumn<QString>("horaFin");
    QTest::addColumn<QString>("foco");
    QTest::newRow("24:00") << "" << "24:00" << "txthorafin";
    QTest::newRow("abc") << "" << "abc" << "txthorafin";
    QTest::newRow("fecha de inicio vacía antes que las horas") << "-" << "abc" << "txtfechainicio";
}

void TstFrmDiferido::horaFinRechazada()
{
    QFETCH(QString, fechaInicio);
    QFETCH(QString, horaFin);
    QFETCH(QString, foco);
    pistaDeEjemplo();
    auto w = abrir();
    auto *lista = hijo<QListWidget>(*w, "lbldiferido");
    lista->setCurrentItem(lista->findItems("COCHE1", Qt::MatchExactly).first());
    if (fechaInicio == "-")
        hijo<QLineEdit>(*w, "txtfechainicio")->clear();
    hijo<QLineEdit>(*w, "txthorafin")->setText(horaFin);
    hijo<QToolButton>(*w, "btninicia")->click();
    QCOMPARE(dialogos->textos(), QStringList{kSinValor});
    QCOMPARE(dialogos->mensajes[0].estilo, 48);
    QCOMPARE(w->focusWidget()->objectName(), foco);
    QVERIFY(!hijo<QGroupBox>(*w, "frmmapa")->isVisible());
    QVERIFY(!hijo<QTimer>(*w, "timerdiferido")->isActive());
    // The icon call went to the page before the checks.
    QCOMPARE(estado(*w).value("icono").toString(), QStringLiteral("coche1.png"));
}

void TstFrmDiferido::periodoSinDatos()
{
    pistaDeEjemplo();
    auto w = abrir();
    auto *lista = hijo<QListWidget>(*w, "lbldiferido");
    lista->setCurrentItem(lista->findItems("COCHE1", Qt::MatchExactly).first());
    hijo<QLineEdit>(*w, "txthorainicio")->setText("19:13");
    hijo<QToolButton>(*w, "btninicia")->click();
    QCOMPARE(dialogos->mensajes.size(), 1);
    QCOMPARE(dialogos->mensajes[0].texto,
             QStringLiteral("No hay datos para realizar un seguimiento en ese periodo para el localizador COCHE1"));
    QCOMPARE(dialogos->mensajes[0].estilo, 64);
    QVERIFY(!hijo<QGroupBox>(*w, "frmmapa")->isVisible());
    QVERIFY(!hijo<QTimer>(*w, "timerdiferido")->isActive());
    QVERIFY(!w->Reproductor()->Motor().HayRecorrido());
}

void TstFrmDiferido::dobleClicEnHoraFin()
{
    auto w = abrir();
    auto *hora = hijo<QLineEdit>(*w, "txthorafin");
    const QTime antes = QTime::currentTime();
    QTest::mouseDClick(hora, Qt::LeftButton);
    const QTime leida = QTime::fromString(hora->text(), "HH:mm");
    QVERIFY2(leida.isValid(), qPrintable(hora->text()));
    QVERIFY(leida == QTime(antes.hour(), antes.minute()) || leida == QTime(antes.hour(), antes.minute()).addSecs(60));
}

void TstFrmDiferido::reproduceEnLaPaginaHastaElFinal()
{
    pistaDeEjemplo();
    auto w = abrir();
    QVERIFY(cargar(*w, "COCHE1"));
    QVERIFY(!hijo<QGroupBox>(*w, "frmdiferido")->isVisible());
    QCOMPARE(hijo<QGroupBox>(*w, "frmmapa")->title(),
             QStringLiteral("Seguimiento en diferido (%1 07:58 - %1 19:12)").arg(Regional::FechaCorta(diaDespues())));
    QVERIFY(hijo<QComboBox>(*w, "cmbspeed")->isVisible());
    QCOMPARE(hijo<QComboBox>(*w, "cmbspeed")->currentText(), QStringLiteral("Lento"));
    QCOMPARE(hijo<QLabel>(*w, "lbllocalizadorseguimiento")->text(), QStringLiteral("COCHE1"));
    auto *timer = hijo<QTimer>(*w, "timerdiferido");
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 1000);
    QCOMPARE(w->Reproductor()->Motor().totalPuntos(), 6);  // 19:12 includes the 19:12:34 position

    w->Reproductor()->GestionSigPunto();
    // The step waits for its statement: the timer is not armed until the page has run it.
    QVERIFY(w->Reproductor()->SentenciaEnCurso() != 0);
    QVERIFY(!timer->isActive());
    QCOMPARE(hijo<QLabel>(*w, "lblposicion")->text(), QStringLiteral("1/6"));
    QCOMPARE(hijo<QLabel>(*w, "lblvelocidad")->text(), QStringLiteral("v: 18,52 km/h"));
    QCOMPARE(hijo<QLabel>(*w, "lblzona")->text(), QStringLiteral("zona: Nave 1"));
    QCOMPARE(hijo<QLabel>(*w, "lblkilometros")->text(), QStringLiteral("0"));
    QVERIFY(esperar([&] { return w->Reproductor()->SentenciaEnCurso() == 0; }));
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 1000);
    for (int i = 0; i < 4; ++i)
        QVERIFY(paso(*w));
    QCOMPARE(hijo<QLabel>(*w, "lblposicion")->text(), QStringLiteral("5/6"));
    QVERIFY(dialogos->mensajes.isEmpty());

    // The rest plays by the timer at the fastest speed, which the next step takes up.
    hijo<QComboBox>(*w, "cmbspeed")->setCurrentText("Muy Rápido");
    QVERIFY(esperar([&] { return !dialogos->mensajes.isEmpty(); }, 5000));
    QCOMPARE(timer->interval(), 1);
    QCOMPARE(hijo<QLabel>(*w, "lblposicion")->text(), QStringLiteral("6/6"));
    QCOMPARE(hijo<QLabel>(*w, "lblzona")->text(), QStringLiteral("zona: "));
    QCOMPARE(hijo<QLabel>(*w, "lbltiempoparcial")->text(), QStringLiteral("11:13:54"));
    QCOMPARE(hijo<QLabel>(*w, "lblkilometros")->text(), QStringLiteral("55,66"));
    QVariantMap e = estado(*w);
    QCOMPARE(e.value("puntos").toInt(), 6);
    QCOMPARE(e.value("icono").toString(), QStringLiteral("coche1.png"));
    QTest::qWait(50);
    QCOMPARE(dialogos->textos(), QStringList{"Finalizó el seguimiento!"});
    QCOMPARE(dialogos->mensajes[0].estilo, 48);
    QVERIFY(!timer->isActive());
    QVERIFY(hijo<QToolButton>(*w, "ImagePlay")->isVisible());
    QVERIFY(!hijo<QToolButton>(*w, "ImageStop")->isVisible());

    // Play again: the map is cleared and the track starts over (here by the timer, which the
    // first step slows down to "Muy Lento").
    hijo<QComboBox>(*w, "cmbspeed")->setCurrentText("Muy Lento");
    hijo<QToolButton>(*w, "ImagePlay")->click();
    QVERIFY(hijo<QToolButton>(*w, "ImageStop")->isVisible());
    QVERIFY(timer->isActive());
    QVERIFY(esperar([&] { return hijo<QLabel>(*w, "lblposicion")->text() == "1/6" && w->Reproductor()->SentenciaEnCurso() == 0; }));
    QCOMPARE(timer->interval(), 1800);
    QCOMPARE(estado(*w).value("puntos").toInt(), 1);
}

void TstFrmDiferido::pausaDuranteElPasoNoSeDeshace()
{
    pistaDeEjemplo();
    auto w = abrir();
    QVERIFY(cargar(*w, "COCHE1"));
    QVERIFY(paso(*w));
    auto *stop = hijo<QToolButton>(*w, "ImageStop");
    // The click waits in the queue and runs while the step lets events run.
    QTimer::singleShot(0, stop, &QToolButton::click);
    w->Reproductor()->GestionSigPunto();
    QVERIFY(!w->Reproductor()->Reproduciendo());
    QVERIFY(esperar([&] { return w->Reproductor()->SentenciaEnCurso() == 0; }));
    QTest::qWait(50);
    QVERIFY(!hijo<QTimer>(*w, "timerdiferido")->isActive());
    QVERIFY(hijo<QToolButton>(*w, "ImagePlay")->isVisible());
    QCOMPARE(hijo<QLabel>(*w, "lblposicion")->text(), QStringLiteral("1/6"));
    QCOMPARE(estado(*w).value("puntos").toInt(), 1);
    // Play continues from the row it paused on.
    hijo<QToolButton>(*w, "ImagePlay")->click();
    QVERIFY(paso(*w));
    QCOMPARE(hijo<QLabel>(*w, "lblposicion")->text(), QStringLiteral("2/6"));
}

void TstFrmDiferido::pausaConLaSentenciaEnCursoNoSeDeshace()
{
    pistaDeEjemplo();
    auto w = abrir();
    QVERIFY(cargar(*w, "COCHE1"));
    w->Reproductor()->GestionSigPunto();
    QVERIFY(w->Reproductor()->SentenciaEnCurso() != 0);
    hijo<QToolButton>(*w, "ImageStop")->click();
    QVERIFY(esperar([&] { return w->Reproductor()->SentenciaEnCurso() == 0; }));
    QTest::qWait(50);
    QVERIFY(!hijo<QTimer>(*w, "timerdiferido")->isActive());
    QVERIFY(hijo<QToolButton>(*w, "ImagePlay")->isVisible());
    // A play while a statement is still in flight waits for it: never two at once.
    hijo<QToolButton>(*w, "ImagePlay")->click();
    QVERIFY(hijo<QTimer>(*w, "timerdiferido")->isActive());
    w->Reproductor()->GestionSigPunto();
    hijo<QToolButton>(*w, "ImageStop")->click();
    hijo<QToolButton>(*w, "ImagePlay")->click();
    QVERIFY(!hijo<QTimer>(*w, "timerdiferido")->isActive());
    QVERIFY(esperar([&] { return w->Reproductor()->SentenciaEnCurso() == 0; }));
    QVERIFY(hijo<QTimer>(*w, "timerdiferido")->isActive());
}

void TstFrmDiferido::volverDuranteElPaso()
{
    pistaDeEjemplo();
    auto w = abrir();
    QVERIFY(cargar(*w, "COCHE1"));
    QVERIFY(paso(*w));
    QTimer::singleShot(0, hijo<QPushButton>(*w, "btnvolver"), &QPushButton::click);
    w->Reproductor()->GestionSigPunto();
    QVERIFY(esperar([&] { return w->Reproductor()->SentenciaEnCurso() == 0; }));
    QTest::qWait(50);
    QVERIFY(!hijo<QTimer>(*w, "timerdiferido")->isActive());
    QVERIFY(!hijo<QGroupBox>(*w, "frmmapa")->isVisible());
    QVERIFY(hijo<QGroupBox>(*w, "frmdiferido")->isVisible());
    QCOMPARE(hijo<QLabel>(*w, "lblkilometros")->text(), QStringLiteral("0"));
    QCOMPARE(estado(*w).value("puntos").toInt(), 0);
    // A new load starts playing again.
    QVERIFY(cargar(*w, "MOTO2"));
    QVERIFY(hijo<QTimer>(*w, "timerdiferido")->isActive());
    QVERIFY(hijo<QToolButton>(*w, "ImageStop")->isVisible());
    QVERIFY(paso(*w));
    QCOMPARE(hijo<QLabel>(*w, "lblposicion")->text(), QStringLiteral("1/3"));
}

void TstFrmDiferido::saltosYHoraEnLaVentana()
{
    pistaDeEjemplo();
    auto w = abrir();
    QVERIFY(cargar(*w, "COCHE1"));
    auto *hora = hijo<QLineEdit>(*w, "txthora");
    auto *timer = hijo<QTimer>(*w, "timerdiferido");
    hora->setText("abc");
    hijo<QPushButton>(*w, "XPButton7")->click();
    QCOMPARE(hora->palette().color(QPalette::Text), QColor(255, 0, 0));
    QCOMPARE(w->focusWidget(), hora);
    QCOMPARE(w->Reproductor()->Motor().posicion(), 1);

    hijo<QToolButton>(*w, "ImageStop")->click();
    hora->setText("8:00");
    hijo<QPushButton>(*w, "XPButton7")->click();
    QCOMPARE(hora->palette().color(QPalette::Text), QColor(0, 0, 0));
    QCOMPARE(w->Reproductor()->Motor().posicion(), 4);  // 07:58:40, 07:59:40, 08:00:40 are not later than 08:00
    QVERIFY(timer->isActive());
    QVERIFY(hijo<QToolButton>(*w, "ImageStop")->isVisible());
    QVERIFY(paso(*w));
    QCOMPARE(hijo<QLabel>(*w, "lblposicion")->text(), QStringLiteral("4/6"));

    hijo<QPushButton>(*w, "XPButton4")->click();
    QCOMPARE(w->Reproductor()->Motor().posicion(), 9);
    QVERIFY(paso(*w));
    QCOMPARE(hijo<QLabel>(*w, "lblposicion")->text(), QStringLiteral("9/6"));
    w->Reproductor()->GestionSigPunto();
    QCOMPARE(dialogos->textos(), QStringList{"Finalizó el seguimiento!"});

    // Nothing later on a finished track: the page says so, the track stays finished, no second end.
    hora->setText("23:00");
    hijo<QPushButton>(*w, "XPButton7")->click();
    QVERIFY(!timer->isActive());
    QVERIFY(hijo<QToolButton>(*w, "ImagePlay")->isVisible());
    QVERIFY(esperar([&] { return evaluar(*w->Mapa(), "document.getElementById('mensaje').textContent").toString() ==
                                 QStringLiteral("No se encontrarón posiciones a esa hora!"); }));
    QCOMPARE(dialogos->mensajes.size(), 1);

    // +4 on the finished track stays on the last row, and the jump buttons still answer afterwards.
    hijo<QPushButton>(*w, "XPButton4")->click();
    QCOMPARE(w->Reproductor()->Motor().recorrido()->AbsolutePosition(), 6);
    hijo<QPushButton>(*w, "MyButton1")->click();
    QCOMPARE(w->Reproductor()->Motor().recorrido()->AbsolutePosition(), 1);
    QCOMPARE(hijo<QLabel>(*w, "lblposicion")->text(), QStringLiteral("1/6"));
}

void TstFrmDiferido::datosConComillasLleganIntactos()
{
    QVERIFY(PistaPrueba::guardar("Coche 'A'", {{QDateTime(diaDespues(), QTime(9, 0)), "40.4", "-3.7", "1", "Nave 'Norte' <b>"}}));
    auto w = abrir();
    hijo<QCheckBox>(*w, "chkveretiquetas")->setChecked(true);
    QVERIFY(cargar(*w, "Coche 'A'"));
    QVERIFY(paso(*w));
    QCOMPARE(hijo<QLabel>(*w, "lblzona")->text(), QStringLiteral("zona: Nave 'Norte' <b>"));
    QCOMPARE(estado(*w).value("puntos").toInt(), 1);
    const QString etiqueta = evaluar(*w->Mapa(), "actual.getTooltip().getContent().textContent").toString();
    QVERIFY2(etiqueta.contains("Coche 'A'") && etiqueta.contains("Nave 'Norte' <b>"), qPrintable(etiqueta));
}

VARDEN_TEST_WEB_MAIN(TstFrmDiferido)
#include "tst_frmdiferido.moc"
