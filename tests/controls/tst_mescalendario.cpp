// The calendars' plain logic: month grids, day records, the drawing of a month, colours, layouts.
#include "disposicion.h"
#include "mescalendario.h"
#include "propiedadeskvcalen.h"

#include <QGuiApplication>
#include <QtTest>

using namespace Qt::StringLiterals;

class tst_mescalendario : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cuadricula_data()
    {
        QTest::addColumn<QDate>("primero");
        QTest::addColumn<int>("celdaDel1");
        QTest::addColumn<int>("dias");
        QTest::newRow("empieza en lunes") << QDate(2010, 3, 1) << 0 << 31;
        QTest::newRow("febrero común en lunes") << QDate(2010, 2, 1) << 0 << 28;
        QTest::newRow("31 días en domingo") << QDate(2010, 8, 1) << 6 << 31;
        QTest::newRow("febrero bisiesto") << QDate(2024, 2, 1) << 3 << 29;
        QTest::newRow("2000 bisiesto") << QDate(2000, 2, 1) << 1 << 29;
        QTest::newRow("enero cruza el año") << QDate(2011, 1, 1) << 5 << 31;
        QTest::newRow("diciembre cruza el año") << QDate(2010, 12, 1) << 2 << 31;
    }
    void cuadricula()
    {
        QFETCH(QDate, primero);
        QFETCH(int, celdaDel1);
        QFETCH(int, dias);
        const int anio = primero.year(), mes = primero.month();
        const MesDibujado m = DibujarMes(anio, mes, QDate(), PropiedadesKVCalen(QFont()), {});
        const auto mini = DibujarMesMini(anio, mes);
        QCOMPARE(QList<int>({m.totalDias, MesCalendario::IndiceDia(anio, mes, 1), MesCalendario::IndiceDia(anio, mes, dias + 1)}),
                 QList<int>({dias, celdaDel1, -1}));
        for (size_t i = 0; i < 42; ++i) {
            const QDate fecha = primero.addDays(qint64(i) - celdaDel1);
            const bool dentro = fecha.month() == mes;
            QVERIFY2(m.celdas[i].fecha == fecha && mini[i].fecha == fecha && m.celdas[i].enMes == dentro && mini[i].enMes == dentro,
                     qPrintable(QString::number(i)));
            QCOMPARE(m.celdas[i].texto + mini[i].texto, (u' ' + QString::number(fecha.day())).repeated(2));
            // The date picker's colours, which are also KVCalen's defaults: grey neighbours.
            const ColorVB color = !dentro ? 0xC0C0C1 : fecha.dayOfWeek() == 6 ? 0x80FF : fecha.dayOfWeek() == 7 ? 0xFF : 0;
            QCOMPARE(QList<ColorVB>({m.celdas[i].colorDigito, mini[i].color}), QList<ColorVB>(2, color));
        }
    }
    void registrosYColores()
    {
        RegistrosDias r;   // slot 0, slots past 17 and invalid dates are never written
        for (auto [fecha, ranura] : {std::pair{QDate(2010, 12, 5), 0}, {QDate(2010, 12, 5), 18}, {QDate(), 3}})
            r.Poner(fecha, ranura, 1);
        QCOMPARE(r.Cantidad(), 0);
        // Colours stored as signed 32-bit numbers; anything else is no colour. Stored order is BGR.
        QCOMPARE(RegistrosDias::LeerColor(QVariant(int(0x8000000F)), 0), ColoresVB::CaraBoton);
        QCOMPARE(RegistrosDias::LeerColor(QVariant(u"nada"_s), 7), ColorVB(7));
        QCOMPARE(ColorDesdeVB(0xFED7CD), QColor(0xCD, 0xD7, 0xFE));
        QCOMPARE(ColorDesdeVB(ColoresVB::CaraBoton), QGuiApplication::palette().color(QPalette::Button));
    }
    void objetosPorCodigo_data()
    {
        QTest::addColumn<int>("objeto");
        QTest::addColumn<QString>("ranuras");   // what the four writers leave (PonerTexto hiding), slot by slot
        QTest::newRow("120 caja de texto") << 120 << "3=hola 4=1193046 5=6636321 6=false";
        QTest::newRow("121 etiqueta izquierda") << 121 << "7=hola 8=1193046 9=6636321 10=false";
        QTest::newRow("122 etiqueta derecha") << 122 << "11=hola 12=1193046 13=6636321 14=false";
        QTest::newRow("123 nada") << 123 << "";
        QTest::newRow("130 visible caja") << 130 << "6=false";
        QTest::newRow("131 visible izquierda") << 131 << "10=false";
        QTest::newRow("132 visible derecha") << 132 << "14=false";
        QTest::newRow("133 visible chequeo") << 133 << "16=false";
    }
    void objetosPorCodigo()
    {
        QFETCH(int, objeto);
        QFETCH(QString, ranuras);
        RegistrosDias r;
        const QDate d(2011, 1, 2);
        const bool texto = ranuras.contains(u"hola"_s), visible = !ranuras.isEmpty() && !texto;
        QCOMPARE(QList<bool>({r.PonerTexto(d, u"hola"_s, objeto, true), r.PonerFondo(d, 0x123456, objeto),
                              r.PonerPrimerPlano(d, 0x654321, objeto), r.PonerVisible(d, false, objeto)}),
                 QList<bool>({texto, texto, texto, visible}));
        QStringList escritas;
        for (int i = 1; i < Ranura::Total; ++i)
            if (r.Valor(d, i).isValid())
                escritas << u"%1=%2"_s.arg(i).arg(r.Valor(d, i).toString());
        QCOMPARE(escritas.join(' '), ranuras);
        QCOMPARE(r.Buscar(d) != nullptr, !ranuras.isEmpty());   // no record for nothing
    }
    void dibujoAplicaSoloRanurasConValor()
    {
        PropiedadesKVCalen a{QFont()};
        a.visiblesCajasTexto = true;
        RegistrosDias r;   // March 2010 starts in cell 0: 6 is a Saturday, 7 a Sunday
        r.PonerTexto(QDate(2010, 3, 6), u"solo texto"_s, ObjetoCelda::EtiquetaIzquierda);
        r.Poner(QDate(2010, 3, 7), Ranura::VisibleTexto, u"FALSE"_s);
        r.Poner(QDate(2010, 3, 10), Ranura::ColorFondo, 0xFED7CDu);
        r.Poner(QDate(2010, 3, 10), Ranura::ColorDigito, 0x00FF00u);
        r.Poner(QDate(2010, 3, 10), Ranura::Chequeo, 1);
        r.Poner(QDate(2010, 3, 11), Ranura::Imagen, QImage(4, 4, QImage::Format_RGB32));
        r.PonerTexto(QDate(2010, 4, 1), u"abril"_s, ObjetoCelda::CajaTexto);   // grey in March
        const MesDibujado m = DibujarMes(2010, 3, QDate(2010, 3, 10), a, r);
        auto celda = [&m](int dia) { return m.celdas[size_t(dia - 1)]; };
        QCOMPARE(QList<ColorVB>({celda(6).colorFondo, celda(6).colorDigito, celda(6).etiquetaIzquierda.fondo}),
                 QList<ColorVB>({0xC0FFFF, 0x80FF, 0x80C0FF}));   // a record with a text only: the defaults
        QVERIFY(celda(6).etiquetaIzquierda.visible && celda(6).cajaTexto.visible && !celda(6).visibleChequeo);
        QVERIFY(!celda(7).cajaTexto.visible);   // "false" in any case in its slot wins over every box shown
        QCOMPARE(QList<ColorVB>({celda(10).colorFondo, celda(10).colorDigito}), QList<ColorVB>({0xFED7CD, 0x00FF00}));
        QVERIFY(celda(10).chequeo == 1 && !celda(11).imagen.isNull() && celda(10).imagen.isNull());
        QCOMPARE(m.indiceHoy, 9);
        // Grey neighbours carry nothing but their number; the record shows once its month is drawn.
        QVERIFY(!m.celdas[31].cajaTexto.visible && m.celdas[31].cajaTexto.texto.isEmpty());
        const MesDibujado abril = DibujarMes(2010, 4, QDate(2010, 3, 10), a, r);
        QCOMPARE(abril.celdas[3].cajaTexto.texto, u"abril"_s);
        QCOMPARE(abril.indiceHoy, -1);
    }
    void disposicion()
    {
        // Seven columns, six rows of cells under the captions: the last cell ends in the bottom-right corner.
        const QRectF kv = CalcularDisposicionKVCalen(QSizeF(7000, 4900), QSizeF(195, 195)).celda[41];
        const QRectF mini = CalcularDisposicionMiniCalendar(QSizeF(2800, 2355)).celda[41];
        QCOMPARE(kv, QRectF(6000, 4200, 1000, 700));
        QCOMPARE(mini, QRectF(2400, 2055, 400, 300));
    }
};

QTEST_MAIN(tst_mescalendario)
#include "tst_mescalendario.moc"
