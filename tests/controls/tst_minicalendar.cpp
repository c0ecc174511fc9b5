// MiniCalendar through its child names, its Click and the user's clicks.
#include "mescalendario.h"
#include "minicalendar.h"

#include <QLabel>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace {
QString u(const char *s) { return QString::fromUtf8(s); }
}

class tst_minicalendar : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void valoresIniciales();
    void captions();
    void mesDibujado_data();
    void mesDibujado();
    void elegirDia();
    void celdaGrisNoElige();
    void botones_data();
    void botones();
    void anioAtrasDesde29DeFebrero();
    void controlGuardado();
    void teclado();

private:
    std::unique_ptr<QWidget> contenedor;
    MiniCalendar *mini = nullptr;
    template <typename T> T *hijo(const QString &nombre)
    {
        T *w = mini->findChild<T *>(nombre);
        if (!w)
            qFatal("no child %s", qPrintable(nombre));
        return w;
    }
    QWidget *cursorHoy() { return hijo<QWidget>("CursorHoy"); }
    void pulsar(int celda) { QTest::mouseClick(mini, Qt::LeftButton, {}, mini->RectanguloCelda(celda).center()); }
};

void tst_minicalendar::init()
{
    contenedor = std::make_unique<QWidget>();
    contenedor->resize(400, 300);
    mini = new MiniCalendar(contenedor.get());
    mini->setObjectName(QStringLiteral("MiniCalendar1"));
    mini->setGeometry(10, 10, 240, 200);
    contenedor->show();
    QVERIFY(QTest::qWaitForWindowExposed(contenedor.get()));
}

void tst_minicalendar::cleanup()
{
    contenedor.reset();
    mini = nullptr;
}

void tst_minicalendar::valoresIniciales()
{
    const QDate hoy = QDate::currentDate();
    QCOMPARE(mini->FechaActual(), hoy);
    QCOMPARE(mini->Anio(), hoy.year());
    QCOMPARE(mini->Mes(), hoy.month());
    QCOMPARE(mini->Dia(), hoy.day());
    QCOMPARE(mini->BackColor(), ColorVB(0));
    QVERIFY(!cursorHoy()->isHidden());
    QCOMPARE(cursorHoy()->geometry(), mini->RectanguloCelda(MesCalendario::IndiceDia(hoy.year(), hoy.month(), hoy.day())));
}

void tst_minicalendar::captions()
{
    mini->setFechaActual(QDate(2010, 9, 14));
    const QStringList semana{"Lun", "Mar", "Mier", "Jue", "Vie", "Sab", "Dom"};
    for (int i = 0; i < 7; ++i)
        QCOMPARE(hijo<QLabel>("lblsemana(" + QString::number(i) + ")")->text(), semana[i]);
    QCOMPARE(hijo<QLabel>("lblmes")->text(), QStringLiteral("septiembre"));
    QCOMPARE(hijo<QLabel>(u("lblaño"))->text(), QStringLiteral("2010"));
    QCOMPARE(hijo<QToolButton>(u("btnmasaño"))->geometry().right(), mini->width() - 1);
    for (const char *b : {"btnmenosaño", "btnmasaño", "XPButton1", "XPButton2"})
        QVERIFY(!hijo<QToolButton>(u(b))->accessibleName().isEmpty());
}

void tst_minicalendar::mesDibujado_data()
{
    QTest::addColumn<QDate>("fecha");
    QTest::addColumn<int>("celdaDel1");
    QTest::addColumn<int>("dias");
    QTest::newRow("febrero bisiesto") << QDate(2024, 2, 10) << 3 << 29;
    QTest::newRow("empieza en lunes") << QDate(2010, 3, 10) << 0 << 31;
    QTest::newRow("febrero común en lunes") << QDate(2010, 2, 10) << 0 << 28;
    QTest::newRow("31 días en domingo") << QDate(2010, 8, 10) << 6 << 31;
}

void tst_minicalendar::mesDibujado()
{
    QFETCH(QDate, fecha);
    QFETCH(int, celdaDel1);
    QFETCH(int, dias);
    mini->setFechaActual(fecha);
    for (int i = 0; i < 42; ++i) {
        const CeldaMini &c = mini->Label1(i);
        const int d = i - celdaDel1 + 1;
        if (d >= 1 && d <= dias) {
            QVERIFY(c.enMes);
            QCOMPARE(c.texto, QLatin1Char(' ') + QString::number(d));
            const int semana = QDate(fecha.year(), fecha.month(), d).dayOfWeek();
            QCOMPARE(c.color, semana == 6 ? ColorVB(33023) : semana == 7 ? ColorVB(255) : ColorVB(0));
        } else {
            QVERIFY(!c.enMes);
            QCOMPARE(c.color, ColorVB(0xC0C0C1));
        }
    }
    // After the last day: " 1", " 2", ... to the end of the grid.
    const int tras = celdaDel1 + dias;
    for (int i = tras; i < 42; ++i)
        QCOMPARE(mini->Label1(i).texto, QLatin1Char(' ') + QString::number(i - tras + 1));
    QCOMPARE(cursorHoy()->geometry(), mini->RectanguloCelda(celdaDel1 + fecha.day() - 1));
}

void tst_minicalendar::elegirDia()
{
    mini->setFechaActual(QDate(2010, 9, 14));
    QSignalSpy click(mini, &MiniCalendar::Click);
    QDate leida;
    connect(mini, &MiniCalendar::Click, this, [&] { leida = mini->FechaActual(); });
    const int celda = MesCalendario::IndiceDia(2010, 9, 22);
    pulsar(celda);
    QCOMPARE(click.count(), 1);
    QCOMPARE(leida, QDate(2010, 9, 22));   // already set when Click arrives
    QCOMPARE(mini->Dia(), 22);
    QVERIFY(!cursorHoy()->isHidden());
    QCOMPARE(cursorHoy()->geometry(), mini->RectanguloCelda(celda));
}

void tst_minicalendar::celdaGrisNoElige()
{
    mini->setFechaActual(QDate(2010, 9, 14));   // September 2010 starts on a Wednesday
    QSignalSpy click(mini, &MiniCalendar::Click);
    pulsar(0);    // 30 August
    pulsar(41);   // 10 October
    QCOMPARE(click.count(), 0);
    QCOMPARE(mini->FechaActual(), QDate(2010, 9, 14));
    QCOMPARE(mini->Dia(), 14);
    QCOMPARE(cursorHoy()->geometry(), mini->RectanguloCelda(MesCalendario::IndiceDia(2010, 9, 14)));
}

void tst_minicalendar::botones_data()
{
    QTest::addColumn<QDate>("desde");
    QTest::addColumn<QString>("boton");
    QTest::addColumn<int>("anio");
    QTest::addColumn<int>("mes");
    QTest::addColumn<bool>("contornoVisible");
    // btnmasaño / btnmenosaño move the month; XPButton1 / XPButton2 the year.
    QTest::newRow("mes siguiente") << QDate(2010, 9, 14) << u("btnmasaño") << 2010 << 10 << false;
    QTest::newRow("diciembre a enero") << QDate(2010, 12, 14) << u("btnmasaño") << 2011 << 1 << false;
    QTest::newRow("mes anterior") << QDate(2010, 9, 14) << u("btnmenosaño") << 2010 << 8 << false;
    QTest::newRow("enero a diciembre") << QDate(2010, 1, 14) << u("btnmenosaño") << 2009 << 12 << false;
    QTest::newRow("año siguiente") << QDate(2010, 9, 14) << u("XPButton2") << 2011 << 9 << false;
    QTest::newRow("año anterior") << QDate(2010, 9, 14) << u("XPButton1") << 2009 << 9 << true;
}

void tst_minicalendar::botones()
{
    QFETCH(QDate, desde);
    QFETCH(QString, boton);
    QFETCH(int, anio);
    QFETCH(int, mes);
    QFETCH(bool, contornoVisible);
    mini->setFechaActual(desde);
    QSignalSpy click(mini, &MiniCalendar::Click);
    QTest::mouseClick(hijo<QToolButton>(boton), Qt::LeftButton);
    QCOMPARE(mini->Anio(), anio);
    QCOMPARE(mini->Mes(), mes);
    QCOMPARE(mini->FechaActual(), desde);   // navigation picks nothing
    QCOMPARE(click.count(), 0);
    QCOMPARE(!cursorHoy()->isHidden(), contornoVisible);
    if (contornoVisible)
        QCOMPARE(cursorHoy()->geometry(), mini->RectanguloCelda(MesCalendario::IndiceDia(anio, mes, desde.day())));
    QCOMPARE(hijo<QLabel>(u("lblaño"))->text(), QString::number(anio));
}

void tst_minicalendar::anioAtrasDesde29DeFebrero()
{
    mini->setFechaActual(QDate(2024, 2, 29));
    const QRect antes = cursorHoy()->geometry();
    QVERIFY(!cursorHoy()->isHidden());
    QTest::mouseClick(hijo<QToolButton>("XPButton1"), Qt::LeftButton);
    QCOMPARE(mini->Anio(), 2023);
    // 29 February 2023 does not exist: no outline left on the old cell.
    QVERIFY2(cursorHoy()->isHidden(), qPrintable(QStringLiteral("outline still at %1,%2").arg(antes.x()).arg(antes.y())));
    QCOMPARE(mini->FechaActual(), QDate(2024, 2, 29));
}

void tst_minicalendar::controlGuardado()
{
    mini->setFechaActual(QDate(2010, 9, 14));
    mini->setBackColor(0x8000000F);
    QTest::mouseClick(hijo<QToolButton>(u("btnmasaño")), Qt::LeftButton);
    const QVariantMap m = mini->GuardarPropiedades();
    QCOMPARE(m.keys().size(), 5);
    QCOMPARE(m.value(u("Año")).toInt(), 2010);
    QCOMPARE(m.value(u("Mes")).toInt(), 10);
    QCOMPARE(m.value(u("FechaActual")).toDate(), QDate(2010, 9, 14));
    MiniCalendar otro;
    otro.LeerPropiedades(m);
    QCOMPARE(otro.GuardarPropiedades(), m);
    QCOMPARE(otro.BackColor(), ColorVB(0x8000000F));
    // Nothing stored: today, and no year 0 or month 0 on show.
    otro.LeerPropiedades(QVariantMap());
    QCOMPARE(otro.FechaActual(), QDate::currentDate());
    QCOMPARE(otro.Mes(), QDate::currentDate().month());
    QCOMPARE(otro.Anio(), QDate::currentDate().year());
    QCOMPARE(otro.BackColor(), ColorVB(0));
    otro.LeerPropiedades(QVariantMap{{u("Mes"), 14}, {u("Año"), -5}, {u("FechaActual"), QDate(2010, 9, 14)}});
    QCOMPARE(otro.Mes(), 12);
    QCOMPARE(otro.Anio(), 100);
}

void tst_minicalendar::teclado()
{
    mini->setFechaActual(QDate(2010, 9, 14));
    mini->setFocus();
    QSignalSpy click(mini, &MiniCalendar::Click);
    QTest::keyClick(mini, Qt::Key_Left);
    QTest::keyClick(mini, Qt::Key_Up);
    QCOMPARE(click.count(), 0);
    QCOMPARE(mini->FechaActual(), QDate(2010, 9, 14));   // moving the focus picks nothing
    QTest::keyClick(mini, Qt::Key_Space);
    QCOMPARE(click.count(), 1);
    QCOMPARE(mini->FechaActual(), QDate(2010, 9, 6));
    QTest::keyClick(mini, Qt::Key_PageDown);
    QCOMPARE(mini->Mes(), 10);
}

QTEST_MAIN(tst_minicalendar)
#include "tst_minicalendar.moc"
