// The calendars' plain logic: month grids, day records, the drawing of a month, colours, layouts.
#include "colorvb.h"
#include "dibujomes.h"
#include "disposicion.h"
#include "mescalendario.h"
#include "registrosdias.h"

#include <QGuiApplication>
#include <QPalette>
#include <QtTest>

class tst_mescalendario : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cuadricula_data();
    void cuadricula();
    void diasDelMes_data();
    void diasDelMes();
    void navegacionLimitada();
    void claves();
    void objetosPorCodigo_data();
    void objetosPorCodigo();
    void ponerTextoVisibilidad();
    void leerVisible_data();
    void leerVisible();
    void dibujoAplicaSoloRanurasConValor();
    void dibujoHoyYVecinos();
    void dibujoMini();
    void colores();
    void disposicionKVCalen();
    void disposicionMini();
};

void tst_mescalendario::cuadricula_data()
{
    QTest::addColumn<int>("anio");
    QTest::addColumn<int>("mes");
    QTest::addColumn<int>("celdaDel1");
    QTest::addColumn<int>("celdaUltimo");
    QTest::addColumn<QStringList>("grisesAntes");   // texts of cells 0..celdaDel1-1
    QTest::addColumn<QString>("ultimaCelda");       // text of cell 41
    // March 2010 starts on a Monday.
    QTest::newRow("mes que empieza en lunes") << 2010 << 3 << 0 << 30 << QStringList() << " 11";
    // February 2010: common year, starts on a Monday: " 1" to " 14" fill cells 28..41.
    QTest::newRow("febrero común en lunes") << 2010 << 2 << 0 << 27 << QStringList() << " 14";
    // August 2010: 31 days, starts on a Sunday.
    QTest::newRow("31 días en domingo") << 2010 << 8 << 6 << 36
                                        << QStringList{" 26", " 27", " 28", " 29", " 30", " 31"} << " 5";
    // February 2024: leap, starts on a Thursday.
    QTest::newRow("febrero bisiesto") << 2024 << 2 << 3 << 31 << QStringList{" 29", " 30", " 31"} << " 10";
    // January 2011 starts on a Saturday; its neighbours are December 2010 and February 2011.
    QTest::newRow("enero cruza el año") << 2011 << 1 << 5 << 35
                                        << QStringList{" 27", " 28", " 29", " 30", " 31"} << " 6";
}

void tst_mescalendario::cuadricula()
{
    QFETCH(int, anio);
    QFETCH(int, mes);
    QFETCH(int, celdaDel1);
    QFETCH(int, celdaUltimo);
    QFETCH(QStringList, grisesAntes);
    QFETCH(QString, ultimaCelda);

    const MesDibujado m = DibujarMes(anio, mes, QDate(1900, 1, 1), AspectoMes{}, RegistrosDias{});
    const int dias = MesCalendario::DiasDelMes(anio, mes);
    QCOMPARE(m.totalDias, dias);
    QCOMPARE(MesCalendario::IndiceDia(anio, mes, 1), celdaDel1);
    QCOMPARE(MesCalendario::IndiceDia(anio, mes, dias), celdaUltimo);
    QCOMPARE(MesCalendario::IndiceDia(anio, mes, dias + 1), -1);
    for (int i = 0; i < 42; ++i) {
        const CeldaMes &c = m.celdas[size_t(i)];
        const bool dentro = i >= celdaDel1 && i <= celdaUltimo;
        QVERIFY2(c.enMes == dentro, qPrintable(QString::number(i)));
        if (dentro) {
            QCOMPARE(c.texto, QLatin1Char(' ') + QString::number(i - celdaDel1 + 1));
            QCOMPARE(c.fecha, QDate(anio, mes, i - celdaDel1 + 1));
            QVERIFY(c.colorDigito != ColoresVB::GrisVecino);
        } else {
            QCOMPARE(c.colorDigito, ColoresVB::GrisVecino);
        }
    }
    for (int i = 0; i < grisesAntes.size(); ++i)
        QCOMPARE(m.celdas[size_t(i)].texto, grisesAntes[i]);
    // The next month's days run " 1", " 2", ... from the cell after the last day.
    if (celdaUltimo < 41)
        QCOMPARE(m.celdas[size_t(celdaUltimo + 1)].texto, QStringLiteral(" 1"));
    QCOMPARE(m.celdas[41].texto, ultimaCelda);
}

void tst_mescalendario::diasDelMes_data()
{
    QTest::addColumn<int>("anio");
    QTest::addColumn<int>("mes");
    QTest::addColumn<int>("dias");
    QTest::newRow("febrero común") << 2023 << 2 << 28;
    QTest::newRow("febrero bisiesto") << 2024 << 2 << 29;
    QTest::newRow("1900 no bisiesto") << 1900 << 2 << 28;
    QTest::newRow("2000 bisiesto") << 2000 << 2 << 29;
    QTest::newRow("abril") << 2010 << 4 << 30;
    QTest::newRow("diciembre") << 2010 << 12 << 31;
    QTest::newRow("mes 0") << 2010 << 0 << 0;
    QTest::newRow("mes 13") << 2010 << 13 << 0;
}

void tst_mescalendario::diasDelMes()
{
    QFETCH(int, anio);
    QFETCH(int, mes);
    QFETCH(int, dias);
    QCOMPARE(MesCalendario::DiasDelMes(anio, mes), dias);
}

void tst_mescalendario::navegacionLimitada()
{
    int a = 2010, m = 12;
    MesCalendario::MesSiguiente(a, m);
    QCOMPARE(a, 2011);
    QCOMPARE(m, 1);
    MesCalendario::MesAnterior(a, m);
    QCOMPARE(a, 2010);
    QCOMPARE(m, 12);
    a = 9999, m = 12;
    MesCalendario::MesSiguiente(a, m);
    QCOMPARE(a, 9999);
    QCOMPARE(m, 12);
    a = 100, m = 1;
    MesCalendario::MesAnterior(a, m);
    QCOMPARE(a, 100);
    QCOMPARE(m, 1);
    QCOMPARE(MesCalendario::LimitarMes(0), 1);
    QCOMPARE(MesCalendario::LimitarMes(13), 12);
    QCOMPARE(MesCalendario::LimitarAnio(0), 100);
    QCOMPARE(MesCalendario::LimitarAnio(12000), 9999);
    // A month outside 1..12 still gives a whole grid (of the clamped month), never invalid dates.
    const auto c = MesCalendario::Cuadricula(2010, 13);
    QVERIFY(c[0].fecha.isValid());
    QCOMPARE(c[MesCalendario::IndiceDia(2010, 12, 1)].fecha, QDate(2010, 12, 1));
}

void tst_mescalendario::claves()
{
    QCOMPARE(RegistrosDias::Clave(QDate(1950, 1, 1)), 0);
    QCOMPARE(RegistrosDias::Clave(QDate(1950, 1, 2)), 1);
    QCOMPARE(RegistrosDias::Clave(QDate(1949, 12, 31)), -1);
    QCOMPARE(RegistrosDias::ClaveTexto(QDate(1951, 1, 1)), QStringLiteral("365"));

    RegistrosDias r;
    const QDate d(2010, 12, 5);
    QVERIFY(!r.Buscar(d));
    r.Poner(d, Ranura::ColorFondo, QVariant::fromValue(ColorVB(0xFED7CD)));
    const RegistroDia *reg = r.Buscar(d);
    QVERIFY(reg);
    QCOMPARE((*reg)[Ranura::Clave].toString(), RegistrosDias::ClaveTexto(d));
    for (int i = Ranura::ColorDigito; i < Ranura::Total; ++i)
        QVERIFY2(!(*reg)[size_t(i)].isValid(), qPrintable(QString::number(i)));
    // A second setter keeps the first one's slot.
    r.Poner(d, Ranura::ColorDigito, QVariant::fromValue(ColorVB(0xFF)));
    QCOMPARE(RegistrosDias::LeerColor(r.Valor(d, Ranura::ColorFondo), 0), ColorVB(0xFED7CD));
    QCOMPARE(r.Cantidad(), 1);
    // Slot 0 and slots past 17, and invalid dates, are never written.
    r.Poner(d, Ranura::Clave, QStringLiteral("x"));
    r.Poner(d, Ranura::Total, QStringLiteral("x"));
    r.Poner(QDate(), Ranura::Texto, QStringLiteral("x"));
    QCOMPARE(r.Valor(d, Ranura::Clave).toString(), RegistrosDias::ClaveTexto(d));
    QCOMPARE(r.Cantidad(), 1);
    r.Vaciar(d, Ranura::ColorDigito);
    QVERIFY(!r.Valor(d, Ranura::ColorDigito).isValid());
}

void tst_mescalendario::objetosPorCodigo_data()
{
    QTest::addColumn<int>("objeto");
    QTest::addColumn<int>("ranuraTexto");      // -1: the code takes no text
    QTest::addColumn<int>("ranuraVisible");    // -1: the code takes no visibility
    QTest::newRow("120 caja de texto") << 120 << 3 << -1;
    QTest::newRow("121 etiqueta izquierda") << 121 << 7 << -1;
    QTest::newRow("122 etiqueta derecha") << 122 << 11 << -1;
    QTest::newRow("123 nada") << 123 << -1 << -1;
    QTest::newRow("130 visible caja") << 130 << -1 << 6;
    QTest::newRow("131 visible izquierda") << 131 << -1 << 10;
    QTest::newRow("132 visible derecha") << 132 << -1 << 14;
    QTest::newRow("133 visible chequeo") << 133 << -1 << 16;
    QTest::newRow("134 nada") << 134 << -1 << -1;
    QTest::newRow("119 nada") << 119 << -1 << -1;
}

void tst_mescalendario::objetosPorCodigo()
{
    QFETCH(int, objeto);
    QFETCH(int, ranuraTexto);
    QFETCH(int, ranuraVisible);
    const QDate d(2011, 1, 2);
    RegistrosDias r;
    QCOMPARE(r.PonerTexto(d, QStringLiteral("hola"), objeto), ranuraTexto >= 0);
    QCOMPARE(r.PonerFondo(d, 0x123456, objeto), ranuraTexto >= 0);
    QCOMPARE(r.PonerPrimerPlano(d, 0x654321, objeto), ranuraTexto >= 0);
    QCOMPARE(r.PonerVisible(d, false, objeto), ranuraVisible >= 0);
    if (ranuraTexto < 0 && ranuraVisible < 0) {
        QVERIFY(!r.Buscar(d));   // nothing written, no record made
        return;
    }
    const RegistroDia *reg = r.Buscar(d);
    QVERIFY(reg);
    for (int i = 1; i < Ranura::Total; ++i) {
        const QVariant &v = (*reg)[size_t(i)];
        if (i == ranuraTexto) {
            QCOMPARE(v.toString(), QStringLiteral("hola"));
        } else if (ranuraTexto >= 0 && i == ranuraTexto + 1) {
            QCOMPARE(RegistrosDias::LeerColor(v, 0), ColorVB(0x123456));
        } else if (ranuraTexto >= 0 && i == ranuraTexto + 2) {
            QCOMPARE(RegistrosDias::LeerColor(v, 0), ColorVB(0x654321));
        } else if (ranuraTexto >= 0 && i == ranuraTexto + 3) {
            QCOMPARE(v.toBool(), true);   // PonerTexto shows its object
        } else if (i == ranuraVisible) {
            QCOMPARE(v.toBool(), false);
        } else {
            QVERIFY2(!v.isValid(), qPrintable(QString::number(i)));
        }
    }
}

void tst_mescalendario::ponerTextoVisibilidad()
{
    const QDate d(2011, 1, 2);
    RegistrosDias r;
    r.PonerTexto(d, QStringLiteral("a"), ObjetoCelda::CajaTexto);
    QCOMPARE(r.Valor(d, Ranura::VisibleTexto), QVariant(true));
    r.PonerTexto(d, QStringLiteral("b"), ObjetoCelda::CajaTexto, true);
    QCOMPARE(r.Valor(d, Ranura::VisibleTexto), QVariant(false));
    QCOMPARE(r.Valor(d, Ranura::Texto).toString(), QStringLiteral("b"));
}

void tst_mescalendario::leerVisible_data()
{
    QTest::addColumn<QVariant>("ranura");
    QTest::addColumn<bool>("porDefecto");
    QTest::addColumn<bool>("visible");
    QTest::newRow("vacía, por defecto oculto") << QVariant() << false << false;
    QTest::newRow("vacía, por defecto visible") << QVariant() << true << true;
    QTest::newRow("texto false") << QVariant(QStringLiteral("false")) << true << false;
    QTest::newRow("texto FALSE") << QVariant(QStringLiteral("FALSE")) << true << false;
    QTest::newRow("texto False") << QVariant(QStringLiteral("False")) << true << false;
    QTest::newRow("texto True") << QVariant(QStringLiteral("True")) << false << true;
    QTest::newRow("texto vacío") << QVariant(QString()) << false << false;
    QTest::newRow("booleano falso") << QVariant(false) << true << false;
    QTest::newRow("booleano cierto") << QVariant(true) << false << true;
}

void tst_mescalendario::leerVisible()
{
    QFETCH(QVariant, ranura);
    QFETCH(bool, porDefecto);
    QFETCH(bool, visible);
    QCOMPARE(RegistrosDias::LeerVisible(ranura, porDefecto), visible);
}

void tst_mescalendario::dibujoAplicaSoloRanurasConValor()
{
    // March 2010: 6 = Saturday, 7 = Sunday, 10 = Wednesday.
    AspectoMes a;
    a.visiblesCajasTexto = true;
    RegistrosDias r;
    const QDate sabado(2010, 3, 6), domingo(2010, 3, 7), miercoles(2010, 3, 10), jueves(2010, 3, 11);
    r.PonerTexto(sabado, QStringLiteral("solo texto"), ObjetoCelda::EtiquetaIzquierda);
    r.Poner(domingo, Ranura::VisibleTexto, QStringLiteral("false"));
    r.Poner(miercoles, Ranura::ColorFondo, QVariant::fromValue(ColorVB(0xFED7CD)));
    r.Poner(miercoles, Ranura::ColorDigito, QVariant::fromValue(ColorVB(0x00FF00)));
    r.Poner(miercoles, Ranura::Chequeo, 1);
    r.Poner(jueves, Ranura::Imagen, QImage(4, 4, QImage::Format_RGB32));
    const MesDibujado m = DibujarMes(2010, 3, QDate(2010, 3, 10), a, r);
    auto celda = [&m](const QDate &d) { return m.celdas[size_t(MesCalendario::IndiceDia(2010, 3, d.day()))]; };

    // A record holding only a text keeps the control-wide colours and the Saturday colour.
    QCOMPARE(celda(sabado).colorFondo, a.colorCeldas);
    QCOMPARE(celda(sabado).colorDigito, a.colorSabados);
    QCOMPARE(celda(sabado).etiquetaIzquierda.texto, QStringLiteral("solo texto"));
    QVERIFY(celda(sabado).etiquetaIzquierda.visible);
    QCOMPARE(celda(sabado).etiquetaIzquierda.fondo, a.fondoEtiquetaIzquierda);
    QVERIFY(celda(sabado).cajaTexto.visible);          // no slot 6: the control-wide setting
    QVERIFY(!celda(sabado).visibleChequeo);
    // A visibility slot holding "false" hides the box although every box is to be shown.
    QVERIFY(!celda(domingo).cajaTexto.visible);
    QCOMPARE(celda(domingo).colorDigito, a.colorDomingos);
    // Slots with values win.
    QCOMPARE(celda(miercoles).colorFondo, ColorVB(0xFED7CD));
    QCOMPARE(celda(miercoles).colorDigito, ColorVB(0x00FF00));
    QCOMPARE(celda(miercoles).chequeo, 1);
    QVERIFY(!celda(jueves).imagen.isNull());
    QVERIFY(celda(miercoles).imagen.isNull());
    // A day without a record and the plain weekday colour.
    QCOMPARE(celda(QDate(2010, 3, 9)).colorDigito, a.colorDigitos);
    QCOMPARE(m.indiceHoy, MesCalendario::IndiceDia(2010, 3, 10));
}

void tst_mescalendario::dibujoHoyYVecinos()
{
    RegistrosDias r;
    // A record on a day that March 2010's grid shows in grey (1 April) is not applied there.
    r.PonerTexto(QDate(2010, 4, 1), QStringLiteral("abril"), ObjetoCelda::CajaTexto);
    r.Poner(QDate(2010, 4, 1), Ranura::ColorFondo, QVariant::fromValue(ColorVB(0xFF)));
    AspectoMes a;
    a.visiblesEtiquetasDerecha = true;
    const MesDibujado m = DibujarMes(2010, 3, QDate(2010, 4, 1), a, r);
    QCOMPARE(m.indiceHoy, -1);   // today is not in the displayed month
    const CeldaMes &gris = m.celdas[31];
    QCOMPARE(gris.fecha, QDate(2010, 4, 1));
    QVERIFY(!gris.enMes);
    QCOMPARE(gris.colorFondo, a.colorCeldas);
    QVERIFY(!gris.cajaTexto.visible);
    QVERIFY(gris.cajaTexto.texto.isEmpty());
    QVERIFY(!gris.etiquetaDerecha.visible);
    QVERIFY(m.celdas[30].etiquetaDerecha.visible);
    QCOMPARE(DibujarMes(2010, 4, QDate(2010, 4, 1), a, r).celdas[3].cajaTexto.texto, QStringLiteral("abril"));
}

void tst_mescalendario::dibujoMini()
{
    const auto c = DibujarMesMini(2024, 2);   // leap February, starts on a Thursday
    QCOMPARE(c[0].texto, QStringLiteral(" 29"));
    QCOMPARE(c[0].color, ColoresVB::GrisVecino);
    QVERIFY(!c[0].enMes);
    QCOMPARE(c[3].texto, QStringLiteral(" 1"));
    QCOMPARE(c[3].color, ColoresVB::Negro);
    QCOMPARE(c[5].color, ColoresVB::Naranja);   // Saturday 3
    QCOMPARE(c[6].color, ColoresVB::Rojo);      // Sunday 4
    QCOMPARE(c[31].texto, QStringLiteral(" 29"));
    QVERIFY(c[31].enMes);
    QCOMPARE(c[32].texto, QStringLiteral(" 1"));
    QCOMPARE(c[32].color, ColoresVB::GrisVecino);
    QCOMPARE(c[41].texto, QStringLiteral(" 10"));
}

void tst_mescalendario::colores()
{
    QCOMPARE(ColorDesdeVB(0x80FF), QColor(255, 128, 0));
    QCOMPARE(ColorDesdeVB(0xFF), QColor(255, 0, 0));
    QCOMPARE(ColorDesdeVB(0xFED7CD), QColor(0xCD, 0xD7, 0xFE));
    QCOMPARE(ColorAVB(QColor(0xCD, 0xD7, 0xFE)), ColorVB(0xFED7CD));
    QCOMPARE(ColorDesdeVB(ColoresVB::CaraBoton), QGuiApplication::palette().color(QPalette::Button));
    QCOMPARE(ColorDesdeVB(0x80000005), QGuiApplication::palette().color(QPalette::Base));
    // Read from a stored value written as a signed 32-bit number.
    QCOMPARE(RegistrosDias::LeerColor(QVariant(int(0x8000000F)), 0), ColoresVB::CaraBoton);
    QCOMPARE(RegistrosDias::LeerColor(QVariant(QStringLiteral("nada")), 7), ColorVB(7));
}

void tst_mescalendario::disposicionKVCalen()
{
    const QSizeF interior(7000, 4900);   // W = 1000, H = 700
    const DisposicionKVCalen d = CalcularDisposicionKVCalen(interior, QSizeF(195, 195));
    QCOMPARE(d.celda[0], QRectF(0, 700, 1000, 700));
    QCOMPARE(d.celda[41], QRectF(6000, 4200, 1000, 700));
    QCOMPARE(d.celda[8].topLeft(), QPointF(1000, 1400));
    // Inside cell 0: Label2 in the left half, Label1 in the right half, both ending 60 above the bottom.
    QCOMPARE(d.label2[0].left(), 45.0);
    QCOMPARE(d.label2[0].width(), 455.0);
    QCOMPARE(d.label1[0].left(), 545.0);
    QCOMPARE(d.label1[0].width(), 410.0);
    QCOMPARE(d.label1[0].bottom(), 1340.0);
    QCOMPARE(d.texto[0].left(), 60.0);
    QCOMPARE(d.texto[0].width(), 880.0);
    QCOMPARE(d.texto[0].bottom(), d.label2[0].top() - 30);
    QCOMPARE(d.check[0].left(), 500 - 65.0);
    QCOMPARE(d.check[0].top(), 770.0);
    QCOMPARE(d.imagen[0].right(), 955.0);
    // Top band.
    QCOMPARE(d.lblanio, QRectF(0, 14, 2100, 336));
    QCOMPARE(d.lblmes, QRectF(2100, 14, 4900, 336));
    QCOMPARE(d.btnmenosanio.right(), d.lblanio.right());
    QCOMPARE(d.btnmasanio.left(), d.lblmes.left());
    QCOMPARE(d.btnmasmes.right(), 7000.0);
    QCOMPARE(d.btnmenosmes.right(), d.btnmasmes.left());
    QCOMPARE(d.btnmasmes.width(), 336.0);
    QCOMPARE(d.lbldias, QRectF(0, 406, 7000, 294));
    QCOMPARE(d.lbldia[6].left(), 6015.0);
    QCOMPARE(d.lbldia[6].width(), 970.0);
}

void tst_mescalendario::disposicionMini()
{
    const DisposicionMiniCalendar d = CalcularDisposicionMiniCalendar(QSizeF(2800, 2355));   // H = 300
    QCOMPARE(d.lblmes.width(), 2800.0);
    QCOMPARE(d.lblsemana[1], QRectF(400, 310, 370, 200));
    QCOMPARE(d.celda[0], QRectF(0, 555, 400, 300));
    QCOMPARE(d.celda[41], QRectF(2400, 2055, 400, 300));
    QCOMPARE(d.btnmasanio.right(), 2800.0);
    QCOMPARE(d.btnmenosanio.left(), d.btnmasanio.left() - 260);
    QVERIFY(!d.XPButton2.intersects(d.btnmenosanio));
}

QTEST_MAIN(tst_mescalendario)
#include "tst_mescalendario.moc"
