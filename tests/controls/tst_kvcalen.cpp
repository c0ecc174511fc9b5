// KVCalen through its child names, its signals and the user's clicks.
#include "kvcalen.h"
#include "mescalendario.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace {
QString u(const char *s) { return QString::fromUtf8(s); }

// Records the order of the control's signals, with the draw count seen by each one.
struct Registro : QObject {
    QStringList eventos;
    explicit Registro(KVCalen *c)
    {
        connect(c, &KVCalen::CambiaAnio, this, [this, c] { eventos << QStringLiteral("CambiaAnio@%1").arg(c->VecesDibujado()); });
        connect(c, &KVCalen::CambiaMes, this, [this, c] { eventos << QStringLiteral("CambiaMes@%1").arg(c->VecesDibujado()); });
        connect(c, &KVCalen::Click, this, [this, c] { eventos << QStringLiteral("Click@%1").arg(c->VecesDibujado()); });
    }
};
}

class tst_kvcalen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void valoresIniciales();
    void controlGuardado();
    void controlGuardadoVacioOFueraDeRango_data();
    void controlGuardadoVacioOFueraDeRango();
    void enabledEsSoloUnValor();
    void fechaActualOrdenDeEventos();
    void fechaActualSeReconstruye();
    void registrosNoDibujan();
    void botonesDeMes_data();
    void botonesDeMes();
    void botonesDeAnio();
    void clickEnDiaDelMes();
    void celdaGrisNuncaSelecciona();
    void contornoDeHoy();
    void chequeos();
    void cajasDeTexto();
    void etiquetasEImagen();
    void teclado();
    void cabeceras();

private:
    std::unique_ptr<QWidget> contenedor;
    KVCalen *cal = nullptr;
    template <typename T> T *hijo(const QString &nombre)
    {
        T *w = cal->findChild<T *>(nombre);
        if (!w)
            qFatal("no child %s", qPrintable(nombre));
        return w;
    }
    void pulsar(int celda) { QTest::mouseClick(cal, Qt::LeftButton, {}, cal->RectanguloCelda(celda).center()); }
};

void tst_kvcalen::init()
{
    contenedor = std::make_unique<QWidget>();
    contenedor->resize(760, 560);
    cal = new KVCalen(contenedor.get());
    cal->setObjectName(QStringLiteral("KVCalen1"));
    cal->setGeometry(0, 0, 700, 500);
    contenedor->show();
    QVERIFY(QTest::qWaitForWindowExposed(contenedor.get()));
}

void tst_kvcalen::cleanup()
{
    contenedor.reset();
    cal = nullptr;
}

void tst_kvcalen::valoresIniciales()
{
    const QDate hoy = QDate::currentDate();
    QCOMPARE(cal->Dia(), hoy.day());
    QCOMPARE(cal->Mes(), hoy.month());
    QCOMPARE(cal->Anio(), hoy.year());
    QCOMPARE(cal->FechaActual(), hoy);
    QCOMPARE(cal->Enabled(), false);
    QCOMPARE(cal->ColorCeldas(), ColorVB(0xC0FFFF));
    QCOMPARE(cal->ColorSabados(), ColorVB(0x80FF));
    QCOMPARE(cal->ColorDomingos(), ColorVB(0xFF));
    QCOMPARE(cal->ColorPPdias(), ColorVB(0x80));
    QCOMPARE(cal->ColorFondoEtiquetaIzquierda(), ColorVB(0x80C0FF));
    QCOMPARE(cal->BackColor(), ColorVB(0x8000000F));
    QCOMPARE(cal->FontMes(), contenedor->font());
    QCOMPARE(cal->TotalDiasMesActual(), hoy.daysInMonth());
    QVERIFY(!hijo<QWidget>("CursorHoy")->isHidden());
    QVERIFY(!hijo<QWidget>("Cursor")->isHidden());
    const int celdaHoy = MesCalendario::IndiceDia(hoy.year(), hoy.month(), hoy.day());
    QCOMPARE(hijo<QWidget>("CursorHoy")->geometry(), cal->RectanguloCelda(celdaHoy));
    QVERIFY(cal->RectanguloCelda(celdaHoy).contains(hijo<QWidget>("Cursor")->geometry()));
}

void tst_kvcalen::controlGuardado()
{
    cal->setFechaActual(QDate(2010, 3, 5));
    cal->setEnabledGuardado(true);
    cal->setColorCeldas(0x112233);
    cal->setColorSabados(0x445566);
    cal->setDiasLargos(true);
    cal->setVisiblesTodasCajasTexto(true);
    cal->setVisiblesTodasEtiquetasDerecha(true);
    cal->setColorFondoAnio(0x010203);
    cal->setColorPPMes(0x0A0B0C);
    cal->setTamanoOptimo(true);
    QFont f(QStringLiteral("DejaVu Serif"), 15);
    cal->setFontAnio(f);
    cal->setBackColor(0xFFFFFF);
    const QVariantMap m = cal->GuardarPropiedades();
    // The keys as the stored control holds them.
    for (const char *clave : {"Año", "ColorFondoAño", "FontAño", "ColorPPAño", "TamañoOptimo", "VisiblesCajasTexto",
                              "VisiblesEtiquetasIzquierda", "VisiblesEtiquetasDerecha", "VisiblesTodosChequeos",
                              "ColorPPdias", "ColorFondoTexto", "ColorPPTexto", "BorderStyle", "FechaActualSQL",
                              "TotalDiasMesActual"})
        QVERIFY2(m.contains(u(clave)), clave);
    QCOMPARE(m.value(u("FechaActualSQL")).toString(), QStringLiteral("3/5/2010"));
    QCOMPARE(m.value(u("TotalDiasMesActual")).toInt(), 31);
    QCOMPARE(m.value(u("ColorFondoTexto")).toUInt(), 0xDDAC6Au);

    QWidget otro;
    KVCalen copia(&otro);
    QSignalSpy mes(&copia, &KVCalen::CambiaMes);
    copia.LeerPropiedades(m);
    QCOMPARE(mes.count(), 0);   // loading raises no events
    QCOMPARE(copia.GuardarPropiedades(), m);
    QCOMPARE(copia.FechaActual(), QDate(2010, 3, 5));
    QCOMPARE(copia.FontAnio(), f);
    QCOMPARE(copia.findChild<QLabel *>(u("lblaño"))->font(), f);
    QCOMPARE(copia.findChild<QLabel *>(u("lbldia(2)"))->text(), u("Miércoles"));
    QCOMPARE(copia.Celda(MesCalendario::IndiceDia(2010, 3, 8)).colorFondo, ColorVB(0x112233));
}

void tst_kvcalen::controlGuardadoVacioOFueraDeRango_data()
{
    QTest::addColumn<QVariantMap>("guardado");
    QTest::addColumn<QDate>("mesMostrado");   // first of the displayed month
    QTest::addColumn<int>("dia");
    const QDate hoy = QDate::currentDate();
    QTest::newRow("vacío") << QVariantMap() << QDate(hoy.year(), hoy.month(), 1) << 0;
    QTest::newRow("fecha inválida") << QVariantMap{{u("FechaActual"), QStringLiteral("no es fecha")}}
                                    << QDate(hoy.year(), hoy.month(), 1) << 0;
    QTest::newRow("solo fecha") << QVariantMap{{u("FechaActual"), QDate(2011, 7, 9)}, {u("Dia"), 9}}
                                << QDate(2011, 7, 1) << 9;
    QTest::newRow("mes 13 y año enorme") << QVariantMap{{u("Mes"), 13}, {u("Año"), 20000}, {u("Dia"), 40}}
                                          << QDate(9999, 12, 1) << 31;
    QTest::newRow("mes 0") << QVariantMap{{u("Mes"), 0}, {u("Año"), 2010}} << QDate(2010, 1, 1) << 0;
}

void tst_kvcalen::controlGuardadoVacioOFueraDeRango()
{
    QFETCH(QVariantMap, guardado);
    QFETCH(QDate, mesMostrado);
    QFETCH(int, dia);
    cal->LeerPropiedades(guardado);
    QCOMPARE(cal->Anio(), mesMostrado.year());
    QCOMPARE(cal->Mes(), mesMostrado.month());
    QCOMPARE(cal->Dia(), dia);
    QCOMPARE(cal->Celda(MesCalendario::IndiceDia(mesMostrado.year(), mesMostrado.month(), 1)).fecha, mesMostrado);
    if (guardado.isEmpty()) {
        QCOMPARE(cal->BackColor(), ColorVB(0x8000000F));
        QCOMPARE(cal->ColorCeldas(), ColorVB(0xC0FFFF));
        QCOMPARE(cal->ColorFondoEnTexto(), ColorVB(0xC0FFC0));
        QCOMPARE(cal->Enabled(), false);
        QCOMPARE(cal->FontDias(), contenedor->font());
        QCOMPARE(cal->GuardarPropiedades().value(u("BorderStyle")).toInt(), 1);
    }
}

void tst_kvcalen::enabledEsSoloUnValor()
{
    cal->setEnabledGuardado(false);
    QVERIFY(cal->isEnabled());
    cal->setFechaActual(QDate(2010, 3, 5));
    QSignalSpy click(cal, &KVCalen::Click);
    pulsar(MesCalendario::IndiceDia(2010, 3, 9));
    QCOMPARE(click.count(), 1);
    QCOMPARE(cal->Dia(), 9);
}

void tst_kvcalen::fechaActualOrdenDeEventos()
{
    cal->setFechaActual(QDate(2010, 3, 5));
    Registro r(cal);
    const int antes = cal->VecesDibujado();
    cal->setFechaActual(QDate(2011, 7, 9));
    QCOMPARE(r.eventos, (QStringList{QStringLiteral("CambiaAnio@%1").arg(antes), QStringLiteral("CambiaMes@%1").arg(antes)}));
    QCOMPARE(cal->VecesDibujado(), antes + 1);
    QCOMPARE(cal->Dia(), 9);
    // Same year, another month: only CambiaMes; same month: nothing.
    r.eventos.clear();
    cal->setFechaActual(QDate(2011, 8, 1));
    QCOMPARE(r.eventos.size(), 1);
    QVERIFY(r.eventos[0].startsWith(QLatin1String("CambiaMes")));
    r.eventos.clear();
    cal->setFechaActual(QDate(2011, 8, 20));
    QVERIFY(r.eventos.isEmpty());
    // The selection outline follows the day set from code.
    QVERIFY(cal->RectanguloCelda(MesCalendario::IndiceDia(2011, 8, 20)).contains(hijo<QWidget>("Cursor")->geometry()));
    // Properties raise their own event.
    QSignalSpy mes(cal, &KVCalen::CambiaMes), anio(cal, &KVCalen::CambiaAnio);
    cal->setMes(2);
    cal->setAnio(2012);
    QCOMPARE(mes.count(), 1);
    QCOMPARE(anio.count(), 1);
    QCOMPARE(cal->Dia(), 20);
    cal->setMes(13);
    QCOMPARE(cal->Mes(), 12);
    // An invalid date changes nothing.
    cal->setFechaActual(QDate());
    QCOMPARE(cal->Mes(), 12);
}

void tst_kvcalen::fechaActualSeReconstruye()
{
    cal->setFechaActual(QDate(2012, 3, 31));
    cal->setMes(2);                         // 31 is not a day of February 2012
    QCOMPARE(cal->Dia(), 29);
    QCOMPARE(cal->FechaActual(), QDate(2012, 2, 29));
    cal->setDia(0);
    QCOMPARE(cal->FechaActual(), QDate(2012, 1, 31));
    QVERIFY(hijo<QWidget>("Cursor")->isHidden());
    QCOMPARE(cal->FechaActualSQL(), QStringLiteral("2/0/2012"));
}

void tst_kvcalen::registrosNoDibujan()
{
    cal->setFechaActual(QDate(2010, 3, 5));
    const int antes = cal->VecesDibujado();
    const int celda = MesCalendario::IndiceDia(2010, 3, 10);
    for (int i = -3500; i <= 3500; ++i)
        cal->PonColorFondoCelda(QDate(2010, 3, 10).addDays(i), 0xFED7CD);
    cal->PonerTexto(QDate(2010, 3, 10), QStringLiteral("x"), ObjetoCelda::CajaTexto);
    cal->PonColorDigito(QDate(2010, 3, 10), 0xFF00);
    QCOMPARE(cal->VecesDibujado(), antes);
    QCOMPARE(cal->Celda(celda).colorFondo, ColorVB(0xC0FFFF));   // not on screen yet
    QVERIFY(hijo<QLineEdit>("Text1(" + QString::number(celda) + ")")->isHidden());
    cal->Refresh();
    QCOMPARE(cal->VecesDibujado(), antes + 1);
    QCOMPARE(cal->Celda(celda).colorFondo, ColorVB(0xFED7CD));
    QCOMPARE(cal->Celda(celda).colorDigito, ColorVB(0xFF00));
    QCOMPARE(cal->Registros().Cantidad(), 7001);
    // A colour given to another month's day shows once that month is drawn.
    cal->PonColorFondoCelda(QDate(2010, 5, 4), 0x123456);
    cal->setFechaActual(QDate(2010, 5, 1));
    QCOMPARE(cal->Celda(MesCalendario::IndiceDia(2010, 5, 4)).colorFondo, ColorVB(0x123456));
}

void tst_kvcalen::botonesDeMes_data()
{
    QTest::addColumn<QDate>("desde");
    QTest::addColumn<QString>("boton");
    QTest::addColumn<QDate>("mesMostrado");
    QTest::addColumn<QStringList>("eventos");
    const QStringList mes{QStringLiteral("CambiaMes")};
    const QStringList ambos{QStringLiteral("CambiaAnio"), QStringLiteral("CambiaMes")};
    QTest::newRow("siguiente") << QDate(2010, 3, 5) << "btnmasmes" << QDate(2010, 4, 1) << mes;
    QTest::newRow("anterior") << QDate(2010, 3, 5) << "btnmenosmes" << QDate(2010, 2, 1) << mes;
    QTest::newRow("diciembre a enero") << QDate(2010, 12, 5) << "btnmasmes" << QDate(2011, 1, 1) << ambos;
    QTest::newRow("enero a diciembre") << QDate(2011, 1, 5) << "btnmenosmes" << QDate(2010, 12, 1) << ambos;
    QTest::newRow("fin del rango") << QDate(9999, 12, 5) << "btnmasmes" << QDate(9999, 12, 1) << QStringList();
}

void tst_kvcalen::botonesDeMes()
{
    QFETCH(QDate, desde);
    QFETCH(QString, boton);
    QFETCH(QDate, mesMostrado);
    QFETCH(QStringList, eventos);
    cal->setFechaActual(desde);
    Registro r(cal);
    QTest::mouseClick(hijo<QToolButton>(boton), Qt::LeftButton);
    QStringList nombres;
    for (const QString &e : r.eventos)
        nombres << e.section('@', 0, 0);
    QCOMPARE(nombres, eventos);
    QCOMPARE(cal->Anio(), mesMostrado.year());
    QCOMPARE(cal->Mes(), mesMostrado.month());
    QCOMPARE(cal->Dia(), 0);
    QCOMPARE(cal->FechaActual(), mesMostrado.addDays(-1));   // last day of the month before
    QVERIFY(hijo<QWidget>("Cursor")->isHidden());
}

void tst_kvcalen::botonesDeAnio()
{
    cal->setFechaActual(QDate(2012, 2, 29));
    QSignalSpy mes(cal, &KVCalen::CambiaMes), anio(cal, &KVCalen::CambiaAnio);
    QTest::mouseClick(hijo<QToolButton>(u("btnmasaño")), Qt::LeftButton);
    QCOMPARE(cal->Anio(), 2013);
    QCOMPARE(cal->Mes(), 2);
    QCOMPARE(cal->Dia(), 0);
    QCOMPARE(cal->FechaActual(), QDate(2013, 1, 31));
    QCOMPARE(anio.count(), 1);
    QCOMPARE(mes.count(), 0);
    QVERIFY(hijo<QWidget>("Cursor")->isHidden());
    QCOMPARE(hijo<QLabel>(u("lblaño"))->text(), QStringLiteral("2013"));
    QTest::mouseClick(hijo<QToolButton>(u("btnmenosaño")), Qt::LeftButton);
    QTest::mouseClick(hijo<QToolButton>(u("btnmenosaño")), Qt::LeftButton);
    QCOMPARE(cal->Anio(), 2011);
    QCOMPARE(anio.count(), 3);
}

void tst_kvcalen::clickEnDiaDelMes()
{
    cal->setFechaActual(QDate(2010, 3, 5));
    Registro r(cal);
    const int antes = cal->VecesDibujado();
    const int celda = MesCalendario::IndiceDia(2010, 3, 17);
    // On the day number's cell, away from the check box and text box.
    QTest::mouseClick(cal, Qt::LeftButton, {}, cal->RectanguloCelda(celda).topLeft() + QPoint(4, 4));
    QCOMPARE(r.eventos, QStringList{QStringLiteral("Click@%1").arg(antes + 1)});   // drawn before Click
    QCOMPARE(cal->Dia(), 17);
    QCOMPARE(cal->FechaActual(), QDate(2010, 3, 17));
    QVERIFY(cal->RectanguloCelda(celda).contains(hijo<QWidget>("Cursor")->geometry()));
    QVERIFY(!hijo<QWidget>("Cursor")->isHidden());
    // A day whose number a record painted grey is still a day of the month.
    cal->PonColorDigito(QDate(2010, 3, 18), 0xC0C0C1);
    cal->Refresh();
    pulsar(celda + 1);
    QCOMPARE(cal->Dia(), 18);
}

void tst_kvcalen::celdaGrisNuncaSelecciona()
{
    cal->setFechaActual(QDate(2010, 8, 5));   // August 2010: cells 0..5 are July, 37..41 September
    QSignalSpy click(cal, &KVCalen::Click), mes(cal, &KVCalen::CambiaMes);
    for (int celda : {0, 5, 37, 41}) {
        QVERIFY(!cal->Celda(celda).enMes);
        pulsar(celda);
    }
    QCOMPARE(click.count(), 0);
    QCOMPARE(mes.count(), 0);
    QCOMPARE(cal->FechaActual(), QDate(2010, 8, 5));
    QCOMPARE(cal->Celda(6).texto, QStringLiteral(" 1"));
    QCOMPARE(cal->Celda(36).texto, QStringLiteral(" 31"));
    QCOMPARE(cal->Celda(0).texto, QStringLiteral(" 26"));
    QCOMPARE(cal->Celda(0).colorDigito, ColorVB(0xC0C0C1));
}

void tst_kvcalen::contornoDeHoy()
{
    const QDate hoy = QDate::currentDate();
    cal->setFechaActual(hoy.addMonths(-2));
    QVERIFY(hijo<QWidget>("CursorHoy")->isHidden());
    cal->setFechaActual(hoy);
    QVERIFY(!hijo<QWidget>("CursorHoy")->isHidden());
    QCOMPARE(hijo<QWidget>("CursorHoy")->geometry(),
             cal->RectanguloCelda(MesCalendario::IndiceDia(hoy.year(), hoy.month(), hoy.day())));
}

void tst_kvcalen::chequeos()
{
    cal->setFechaActual(QDate(2010, 3, 5));
    const QDate d(2010, 3, 9);
    const int celda = MesCalendario::IndiceDia(2010, 3, 9);
    QCOMPARE(cal->DevuelveChequeado(d), 0);
    QSignalSpy chequeada(cal, &KVCalen::CeldaChequeada);
    // The event comes before the value is stored.
    int valorDuranteEvento = -1;
    connect(cal, &KVCalen::CeldaChequeada, this, [&](const QDate &f, int) { valorDuranteEvento = cal->DevuelveChequeado(f); });
    cal->ChequearCelda(d, 1);
    QCOMPARE(chequeada.count(), 1);
    QCOMPARE(chequeada[0][0].toDate(), d);
    QCOMPARE(chequeada[0][1].toInt(), 1);
    QCOMPARE(valorDuranteEvento, 0);
    QCOMPARE(cal->DevuelveChequeado(d), 1);
    // Drawing sets the boxes without reporting them.
    cal->setVisiblesTodosChequeos(true);
    QCOMPARE(chequeada.count(), 1);
    QCheckBox *caja = hijo<QCheckBox>("Check1(" + QString::number(celda) + ")");
    QVERIFY(!caja->isHidden());
    QCOMPARE(caja->checkState(), Qt::Checked);
    QVERIFY(hijo<QCheckBox>("Check1(41)")->isHidden());   // a grey day has none
    // The user unticks it.
    QTest::mouseClick(caja, Qt::LeftButton);
    QCOMPARE(chequeada.count(), 2);
    QCOMPARE(chequeada[1][1].toInt(), 0);
    QCOMPARE(cal->DevuelveChequeado(d), 0);
    // A record whose check-box visibility slot says no keeps it hidden.
    cal->PonerVisible(d, false, ObjetoCelda::VisibleChequeo);
    cal->Refresh();
    QVERIFY(caja->isHidden());
}

void tst_kvcalen::cajasDeTexto()
{
    cal->setFechaActual(QDate(2010, 3, 5));
    const QDate d(2010, 3, 10), e(2010, 3, 11);
    const int celda = MesCalendario::IndiceDia(2010, 3, 10);
    QVERIFY(cal->DevuelveTexto(d).isEmpty());
    cal->PonerTexto(d, QStringLiteral("visita"), ObjetoCelda::CajaTexto);            // visible argument left out
    cal->PonerTexto(e, QStringLiteral("oculto"), ObjetoCelda::CajaTexto, true);      // True hides
    cal->PonerTexto(QDate(2010, 3, 12), QStringLiteral("nada"), 123);
    cal->Refresh();
    QLineEdit *caja = hijo<QLineEdit>("Text1(" + QString::number(celda) + ")");
    QVERIFY(!caja->isHidden());
    QCOMPARE(caja->text(), QStringLiteral("visita"));
    QVERIFY(hijo<QLineEdit>("Text1(" + QString::number(celda + 1) + ")")->isHidden());
    QVERIFY(!cal->Registros().Buscar(QDate(2010, 3, 12)));
    QCOMPARE(cal->DevuelveTexto(e), QStringLiteral("oculto"));
    // Enter stores what the user typed.
    caja->setFocus();
    caja->selectAll();
    QTest::keyClicks(caja, QStringLiteral("revisado"));
    QTest::keyClick(caja, Qt::Key_Return);
    QCOMPARE(cal->DevuelveTexto(d), QStringLiteral("revisado"));
    // A record whose visibility slot says no keeps the box hidden even with every box shown.
    cal->PonerTexto(e, QStringLiteral("x"), ObjetoCelda::CajaTexto);
    cal->PonerVisible(e, false, ObjetoCelda::VisibleCajaTexto);
    cal->setVisiblesTodasCajasTexto(true);
    QVERIFY(hijo<QLineEdit>("Text1(" + QString::number(celda + 1) + ")")->isHidden());
    QVERIFY(!hijo<QLineEdit>("Text1(" + QString::number(celda + 2) + ")")->isHidden());
}

void tst_kvcalen::etiquetasEImagen()
{
    cal->setFechaActual(QDate(2010, 3, 5));
    const QDate d(2010, 3, 13);   // a Saturday
    const int celda = MesCalendario::IndiceDia(2010, 3, 13);
    cal->PonerTexto(d, QStringLiteral("12 km"), ObjetoCelda::EtiquetaIzquierda);
    cal->PonerTexto(d, QStringLiteral("3 h"), ObjetoCelda::EtiquetaDerecha);
    cal->PonerFondoColorTexto(d, 0x00FFFF, ObjetoCelda::EtiquetaDerecha);
    cal->PonerColorPrimerPlanoTexto(d, 0x0000FF, ObjetoCelda::EtiquetaIzquierda);
    QImage imagen(16, 16, QImage::Format_ARGB32);
    imagen.fill(Qt::blue);
    cal->PonerImagen(d, imagen);
    cal->Refresh();
    const CeldaMes &c = cal->Celda(celda);
    QCOMPARE(cal->DevuelveEtiqueta1(d), QStringLiteral("12 km"));
    QCOMPARE(cal->DevuelveEtiqueta2(d), QStringLiteral("3 h"));
    QVERIFY(c.etiquetaIzquierda.visible && c.etiquetaDerecha.visible);
    QCOMPARE(c.etiquetaDerecha.fondo, ColorVB(0x00FFFF));
    QCOMPARE(c.etiquetaIzquierda.primerPlano, ColorVB(0x0000FF));
    QCOMPARE(c.etiquetaIzquierda.fondo, cal->ColorFondoEtiquetaIzquierda());
    QCOMPARE(c.colorFondo, cal->ColorCeldas());     // texts only: default colours kept
    QCOMPARE(c.colorDigito, cal->ColorSabados());
    QVERIFY(!c.imagen.isNull());
    // A click on the right half's label selects the day too.
    QSignalSpy click(cal, &KVCalen::Click);
    const QRect r = cal->RectanguloCelda(celda);
    QTest::mouseClick(cal, Qt::LeftButton, {}, QPoint(r.right() - r.width() / 4, r.bottom() - 8));
    QCOMPARE(click.count(), 1);
    QCOMPARE(cal->Dia(), 13);
    cal->QuitarImagen(d);
    cal->Refresh();
    QVERIFY(cal->Celda(celda).imagen.isNull());
    QCOMPARE(cal->DevuelveEtiqueta1(d), QStringLiteral("12 km"));
}

void tst_kvcalen::teclado()
{
    cal->setFechaActual(QDate(2010, 3, 5));
    cal->setFocus();
    QSignalSpy click(cal, &KVCalen::Click);
    QTest::keyClick(cal, Qt::Key_Right);
    QTest::keyClick(cal, Qt::Key_Down);
    QCOMPARE(cal->Dia(), 13);
    QCOMPARE(click.count(), 0);
    QTest::keyClick(cal, Qt::Key_Return);
    QCOMPARE(click.count(), 1);
    QCOMPARE(cal->FechaActual(), QDate(2010, 3, 13));
    QTest::keyClick(cal, Qt::Key_PageDown);
    QCOMPARE(cal->Mes(), 4);
    QCOMPARE(cal->Dia(), 0);
    for (const char *b : {"btnmenosaño", "btnmasaño", "btnmenosmes", "btnmasmes"})
        QVERIFY(!hijo<QToolButton>(u(b))->accessibleName().isEmpty());
}

void tst_kvcalen::cabeceras()
{
    cal->setFechaActual(QDate(2010, 3, 5));
    QCOMPARE(hijo<QLabel>("lblmes")->text(), QStringLiteral("marzo"));
    QCOMPARE(hijo<QLabel>(u("lblaño"))->text(), QStringLiteral("2010"));
    const QStringList cortos{"Lun", "Mar", u("Mié"), "Jue", "Vie", u("Sáb"), "Dom"};
    const QStringList largos{"Lunes", "Martes", u("Miércoles"), "Jueves", "Viernes", u("Sábado"), "Domingo"};
    for (int i = 0; i < 7; ++i)
        QCOMPARE(hijo<QLabel>("lbldia(" + QString::number(i) + ")")->text(), cortos[i]);
    cal->setDiasLargos(true);
    for (int i = 0; i < 7; ++i)
        QCOMPARE(hijo<QLabel>("lbldia(" + QString::number(i) + ")")->text(), largos[i]);
    // Buttons over the captions' ends, as laid out.
    QCOMPARE(hijo<QToolButton>("btnmasmes")->geometry().right(), cal->width() - 1);
    QVERIFY(qAbs(hijo<QToolButton>(u("btnmenosaño"))->geometry().right() - hijo<QLabel>(u("lblaño"))->geometry().right()) <= 1);
}

QTEST_MAIN(tst_kvcalen)
#include "tst_kvcalen.moc"
