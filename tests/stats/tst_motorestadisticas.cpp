// The statistics without a screen: filter checks, SQL texts, the tables of known positions, outcomes, limits.
#include "carpetaprueba.h"
#include "consultasestadisticas.h"
#include "mapazonas.h"
#include "module1.h"
#include "motorestadisticas.h"
#include "posiciones.h"
#include "proveedor.h"

#include <QAbstractItemModelTester>
#include <QtTest>

using D = MotorEstadisticas::Desenlace;
Q_DECLARE_METATYPE(FiltroPantalla)

namespace {
const QStringList kEntradas{"Todos", "111111111111111", "222222222222222", "333333333333333"};
const QString L1 = kEntradas[1], L2 = kEntradas[2];

// "1|2026-12-01 00:30:00|2|Zona": 2 positions of locator 1 from that time, a second apart, in Zona.
bool guardar(const QStringList &descripcion)
{
    QList<Posicion> filas;
    for (const QString &d : descripcion) {
        const QStringList p = d.split('|');
        const QDateTime desde(QDate::fromString(p[1].left(10), Qt::ISODate), QTime::fromString(p[1].mid(11)), Qt::UTC);
        for (int i = 0; i < p[2].toInt(); ++i)
            filas << Posicion{kEntradas[p[0].toInt()], desde.addSecs(i), "40.4", "-3.7", "9", "", p.value(3, "")};
    }
    return Posiciones::guardarLocal(filas);
}

// A table row as "column=text" for its non-empty cells, joined by ";".
QString fila(const ResultadoEstadistica &r, int f)
{
    QStringList s;
    for (int c = 0; c < TablaTextos::Columnas; ++c)
        if (!r.TablaEstadistica.Celda(f, c).isEmpty())
            s << QString::number(c) + '=' + r.TablaEstadistica.Celda(f, c);
    return s.join(';');
}

qint64 suma(const ResultadoEstadistica &r, int f, int desde)
{
    qint64 s = 0;
    for (int c = desde; c < desde + 24; ++c)
        s += ("0" + r.TablaEstadistica.Celda(f, c)).toLongLong();
    return s;
}

FiltroPantalla pantalla(int tipo, const QString &d1 = "01/12/2026", const QString &d2 = "10/12/2026", int loc = 0,
                        const QString &zona = "")
{
    return {d1, d2, kEntradas, kEntradas[loc], zona, tipo - 1};
}
}

class TstMotorEstadisticas : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup() { carpeta.reset(); }
    void filtro_data();
    void filtro();
    void sqlDorado();
    void tabla_data();
    void tabla();
    void desenlaces();
    void aniosDeDosCifras_data();
    void aniosDeDosCifras();
    void listasYMapa();
    void limitesDeLaTabla();

private:
    std::unique_ptr<CarpetaPrueba> carpeta;
};

void TstMotorEstadisticas::init()
{
    const QByteArray prueba = QTest::currentTestFunction();
    if (QByteArrayList{"filtro", "sqlDorado", "limitesDeLaTabla"}.contains(prueba))
        return;  // no files
    carpeta = std::make_unique<CarpetaPrueba>();
    QVERIFY(carpeta->crearBaseLocal());
    const QString z = "INSERT INTO Zonas (TITULAR, [Descripcion zona], [Coor Geo], Area) VALUES('%1','%2','%3','1')";
    const QString l = "INSERT INTO LOCALIZADORES (TITULAR, NOMBRE, DESCRIPCION) VALUES('%1','%2','Furgoneta')";
    QVERIFY(carpeta->crearServicioVacio());
    QVERIFY(CarpetaPrueba::ejecutarEn(
        RutaServicioDemo(), {l.arg("B1''1", L1), l.arg("B1''1", L2), l.arg("B1''1", kEntradas[3]), l.arg("B1", "999"),
                             z.arg("B1''1", "Almacén", "(1,1)(2,2)(3,3)"), z.arg("B1''1", "Nave ''A''", "(4,4)(5,5)(6,6)"),
                             z.arg("B1", "Almacén", "(7,7)")}));
    Module1::CodigoTitular = "B1'1";
    QVERIFY(carpeta->conectarLocal());
    QVERIFY(carpeta->conectarRemoto());
}

void TstMotorEstadisticas::filtro_data()
{
    QTest::addColumn<QString>("fechas");    // txtfecha1|txtfecha2
    QTest::addColumn<QString>("esperado");  // message (empty: the filter may run)|box to focus|more than 30 days
    QTest::newRow("ambas vacias") << "|" << "Debe realizar algún filtro|-|0";
    QTest::newRow("solo la primera") << "01/12/2026|" << "Fecha 2 sin concretar!|2|0";
    QTest::newRow("dos invalidas") << "32/13/2026|abc" << "Fecha 1 Incorrecta|1|0";
    QTest::newRow("segunda invalida") << "01/12/2026|31/02/2026" << "Fecha 2 Incorrecta|2|0";
    QTest::newRow("vacia y segunda invalida") << "|x" << "Fecha 2 Incorrecta|2|0";
    QTest::newRow("30 dias al reves") << "31/12/2026|01/12/2026" << "|-|0";
    QTest::newRow("31 dias") << "01/12/2026|01/01/2027" << "|-|1";
    QTest::newRow("31 dias al reves") << "01/01/2027|01/12/2026" << "|-|1";
    QTest::newRow("con horas, dias enteros") << "01/12/2026 23:00|31/12/2026 22:00" << "|-|0";
    QTest::newRow("31 dias en menos de 31 por 24 horas") << "01/12/2026 23:00|01/01/2027 01:00" << "|-|1";
}

void TstMotorEstadisticas::filtro()
{
    QFETCH(QString, fechas);
    QFETCH(QString, esperado);
    const QString t1 = fechas.section('|', 0, 0), t2 = fechas.section('|', 1);
    const FiltroEstadistica::Validacion v = FiltroEstadistica::Validar(t1, t2);
    const bool excesivo = v.valida && FiltroEstadistica::PeriodoExcesivo(t1, t2);
    QCOMPARE(v.valida, v.mensaje.isEmpty());
    QCOMPARE(QString("%1|%2|%3").arg(v.mensaje, QString("-12").at(int(v.foco))).arg(excesivo), esperado);
}

// Quotes doubled in every quoted value; no locator besides "Todos": an empty condition list.
void TstMotorEstadisticas::sqlDorado()
{
    using namespace ConsultasEstadisticas;
    const QStringList e{"Todos", "A1", "B2", "C3"};
    const QString d1 = "01/12/2026", d2 = "15/12/2026";
    QStringList textos{SqlLocalizadores("B1'1"), SqlZonas("B1'1"), SqlCoordenadasZona("B1'1", "Nave 'A'")};
    for (int tipo = 1; tipo <= 3; ++tipo)
        textos << SqlEstadistica(tipo, e, "Todos", d1, d2, "") << SqlEstadistica(tipo, e, "B2", d1, d2, "Nave 1");
    textos << SqlEstadistica(2, {"Todos", "O'Neil"}, "Todos", d1, d2, "d'Or")
           << SqlEstadistica(1, e, "a' OR '1'='1", d1, d2, "") << SqlEstadistica(1, {"Todos"}, "Todos", d1, d2, "");
    QFile dorado(QStringLiteral(CONSULTAS_DORADAS));
    QVERIFY(dorado.open(QIODevice::ReadOnly));
    QCOMPARE(textos, QString::fromUtf8(dorado.readAll()).split('\n', Qt::SkipEmptyParts));
}

void TstMotorEstadisticas::tabla_data()
{
    QTest::addColumn<QStringList>("datos");
    QTest::addColumn<FiltroPantalla>("f");
    QTest::addColumn<QStringList>("filas");  // the expected table, none: no positions; "~": case and blanks aside
    QTest::newRow("limites de medianoche, dias")
        << QStringList{"1|2026-12-01 00:00:00|1", "1|2026-12-01 00:30:00|2", "1|2026-12-14 23:59:00|1",
                       "1|2026-12-14 23:59:59|1", "1|2026-12-15 00:00:00|1", "1|2026-11-30 23:59:00|1"}
        << pantalla(1, "01/12/2026", "15/12/2026")
        << QStringList{"0=01/12/2026;1=2", "0=14/12/2026;24=2", "0=Totales:;1=2;24=2"};
    QTest::newRow("dias cruzando el anio: enero antes que diciembre")
        << QStringList{"1|2026-12-30 10:00:00|2|A", "2|2026-12-31 23:00:00|1|B", "1|2027-01-01 00:05:00|3|A",
                       "3|2027-01-02 05:00:00|1", "2|2027-01-02 05:00:00|2|A"}
        << pantalla(1, "29/12/2026", "05/01/2027")
        << QStringList{"0=01/01/2027;1=3", "0=02/01/2027;6=3", "0=30/12/2026;11=2", "0=31/12/2026;24=1",
                       "0=Totales:;1=3;6=3;11=2;24=1"};
    QTest::newRow("zonas sin distinguir mayusculas ni blancos")
        << QStringList{"1|2026-12-03 08:00:00|2|Nave 1", "2|2026-12-03 09:00:00|1|NAVE 1 ",
                       "2|2026-12-03 08:40:00|1|nave 1", "3|2026-12-03 09:00:00|1|Nave 2"}
        << pantalla(2) << QStringList{"~0=nave 1;9=3;10=1;25=4", "0=Nave 2;10=1;25=1", "0=Totales:;9=3;10=2;25=5"};
    QTest::newRow("localizador y zona")
        << QStringList{"1|2026-12-03 09:00:00|2|Zona A", "1|2026-12-03 10:00:00|1|Zona B",
                       "1|2026-12-04 11:00:00|1|Zona B", "2|2026-12-04 09:00:00|4|Zona C"}
        << pantalla(3)
        << QStringList{"0=" + L1 + ";1=Zona A;11=2", "1=Zona B;12=1;13=1", "0=Subtotal;11=2;12=1;13=1",
                       "0=" + L2 + ";1=Zona C;11=4", "0=Subtotal;11=4", "1=Totales:;11=6;12=1;13=1"};
    QTest::newRow("un localizador y una zona")
        << QStringList{"1|2026-12-03 09:00:00|2|Zona A", "1|2026-12-03 10:00:00|1|Zona B",
                       "2|2026-12-03 09:00:00|5|Zona A"}
        << pantalla(3, "01/12/2026", "10/12/2026", 1, "Zona A")
        << QStringList{"0=" + L1 + ";1=Zona A;11=2", "0=Subtotal;11=2", "1=Totales:;11=2"};
    const QStringList una{"1|2026-12-05 09:00:00|2|A"};
    QTest::newRow("localizador sin posiciones") << una << pantalla(1, "01/12/2026", "10/12/2026", 3) << QStringList();
    QTest::newRow("misma fecha") << una << pantalla(1, "05/12/2026", "05/12/2026") << QStringList();
    QTest::newRow("invertidas") << una << pantalla(2, "10/12/2026", "01/12/2026") << QStringList();
}

void TstMotorEstadisticas::tabla()
{
    QFETCH(QStringList, datos);
    QFETCH(FiltroPantalla, f);
    QFETCH(QStringList, filas);
    QVERIFY(guardar(datos));
    MotorEstadisticas m;
    const MotorEstadisticas::Salida s = m.Filtrar(f);
    const ResultadoEstadistica &r = m.Resultado;
    QCOMPARE(s.desenlace, filas.isEmpty() ? D::SinPosiciones : D::Mostrado);
    if (filas.isEmpty())
        return;
    QStringList tabla;  // rows 0 to MaxFilas: the row after the totals row exists and is empty
    for (int i = 0; i <= r.MaxFilas; ++i)
        tabla << (filas.value(i).startsWith('~') ? "~" + fila(r, i).toLower().replace(" ;", ";") : fila(r, i));
    QCOMPARE(tabla, filas << QString());
}

void TstMotorEstadisticas::desenlaces()
{
    QVERIFY(guardar({"1|2026-12-03 09:00:00|2|Almacén", "2|2026-12-04 10:00:00|1|Puerto"}));
    MotorEstadisticas m;
    QAbstractItemModelTester tester(&m.Modelo, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy reinicios(&m.Modelo, &QAbstractItemModel::modelReset);
    // "outcome message focus | kind started, kind held, MaxFilas, cell (0, 0), table resets".
    auto salida = [&](const FiltroPantalla &f) {
        const auto s = m.Filtrar(f);
        const ResultadoEstadistica &r = m.Resultado;
        return QString("%1 %2 %3 | %4 %5 %6 %7 %8")
            .arg(int(s.desenlace)).arg(s.mensaje).arg(int(s.foco)).arg(r.TipoEstadistica).arg(r.TipoResultado)
            .arg(r.MaxFilas).arg(r.TablaEstadistica.Celda(0, 0)).arg(reinicios.count());
    };
    const QString vacio = "3 No hay Posiciones para el filtro configurado 0 | ";
    QCOMPARE(salida(pantalla(2, "", "05/12/2026")), "1 Fecha 1 sin concretar! 1 | 0 0 200  0");
    QCOMPARE(salida(pantalla(2)), "4  0 | 2 2 3 Almacén 1");
    // A refused period, an empty run of another kind or no kind chosen keep the zones in the table.
    QCOMPARE(salida(pantalla(1, "01/12/2026", "05/01/2027")),
             "2 La diferencia no puede ser de más de 30 días! 0 | 1 2 3 Almacén 1");
    QCOMPARE(salida(pantalla(3, "20/12/2026", "25/12/2026")), vacio + "3 2 3 Almacén 1");
    QCOMPARE(salida({"01/12/2026", "02/12/2026", {}, "", "", -1}), "0  0 | 3 2 3 Almacén 1");
    // An empty zones run empties the table; "Todos" with no locator fails like a query without rows.
    QCOMPARE(salida(pantalla(2, "20/12/2026", "25/12/2026")), vacio + "2 0 3  2");
    QCOMPARE(salida({"01/12/2026", "10/12/2026", {"Todos"}, "Todos", "", 0}), vacio + "1 0 3  2");
}

// What the date check accepts the query reads the same way: two-digit years as SQL Server reads them.
void TstMotorEstadisticas::aniosDeDosCifras_data()
{
    QTest::addColumn<QString>("d1");
    QTest::addColumn<QString>("d2");
    QTest::addColumn<QString>("esperado");  // outcome, message
    QTest::newRow("dos cifras") << "1/12/26" << "10/12/26" << "4 ";
    QTest::newRow("mezcla") << "1/12/2026" << "10-12-26" << "4 ";
    QTest::newRow("49 es 2049") << "1/12/49" << "10/12/2049" << "3 No hay Posiciones para el filtro configurado";
    QTest::newRow("35 es 2035") << "1/12/35" << "10/12/2035" << "3 No hay Posiciones para el filtro configurado";
    QTest::newRow("50 es 1950") << "1/12/1950" << "10/12/50" << "3 No hay Posiciones para el filtro configurado";
    QTest::newRow("antes de 1753") << "1/12/1700" << "10/12/1700" << "1 Fecha 1 Incorrecta";
}

void TstMotorEstadisticas::aniosDeDosCifras()
{
    QFETCH(QString, d1);
    QFETCH(QString, d2);
    QFETCH(QString, esperado);
    QVERIFY(guardar({"1|2026-12-03 09:00:00|2|Almacén"}));
    MotorEstadisticas m;
    const auto s = m.Filtrar(pantalla(1, d1, d2));
    QCOMPARE(QString("%1 %2").arg(int(s.desenlace)).arg(s.mensaje), esperado);
    if (s.desenlace == D::Mostrado)
        QCOMPARE(m.Resultado.TablaEstadistica.Celda(0, 0), QStringLiteral("03/12/2026"));
}

void TstMotorEstadisticas::listasYMapa()
{
    MotorEstadisticas m;
    QStringList localizadores, zonas;
    QVERIFY(m.DameLocalizadores(localizadores) && m.DameZonas(zonas));
    QCOMPARE(localizadores, kEntradas);  // the holder's own, though its code holds a quote
    QCOMPARE(zonas, (QStringList{"", "Almacén", "Nave 'A'"}));
    QCOMPARE(m.DameCoordenadasZona("Almacén"), QString("(1,1)(2,2)(3,3)"));
    // The zone map text: the totals row and a zone with no outline add nothing.
    QVERIFY(guardar({"1|2026-12-03 09:00:00|3|Almacén", "1|2026-12-03 10:00:00|2|Nave 'A'", "1|2026-12-03 11:00:00|1|O"}));
    QCOMPARE(m.Filtrar(pantalla(2)).desenlace, D::Mostrado);
    QCOMPARE(m.TextoMapa(), QString("Almacén|1,1)(2,2)(3,3|3<sig>Nave 'A'|4,4)(5,5)(6,6|2<sig>"));
    // A name that could end its record travels escaped.
    QCOMPARE(MapaZonas::Registro("A<sig>&B", "(1,2)(3,4)(5,6)", "7"), QString("A&lt;sig>&amp;B|1,2)(3,4)(5,6|7<sig>"));
}

void TstMotorEstadisticas::limitesDeLaTabla()
{
    // Results longer than the design's 1001 rows: the table grows; each result replaces the last.
    ResultadoEstadistica r;
    for (const auto &[tipo, grupos] : QList<std::pair<int, int>>{{2, 1500}, {3, 1400}, {1, 1200}}) {
        QList<QVariantList> filas;  // every group a day, a zone, or a locator's zone (two per locator)
        for (int g = 0; g < grupos; ++g) {
            filas.append({QString("G%1").arg(g, 5, 10, QChar('0')), g % 24, 2});
            if (tipo == 3)
                filas.last().prepend(QString("L%1").arg(g / 2, 4, 10, QChar('0')));
        }
        QCOMPARE(r.Llenar(tipo, filas), grupos);
        QCOMPARE(r.MaxFilas, tipo == 3 ? grupos + grupos / 2 + 1 : grupos + 1);
        const int totales = r.MaxFilas - 1, primera = tipo == 3 ? 2 : 1;
        QCOMPARE(r.TablaEstadistica.Celda(totales, primera - 1), QString("Totales:"));
        QCOMPARE(suma(r, totales, primera), qint64(2) * grupos);
        // The last group sits just above the totals row (kind 3: above the last subtotal).
        const int ultima = tipo == 3 ? totales - 2 : totales - 1;
        QCOMPARE(r.TablaEstadistica.Celda(ultima, primera + (grupos - 1) % 24), QString("2"));
        for (int f = r.MaxFilas; f < 2200; ++f)
            QVERIFY2(fila(r, f).isEmpty(), qPrintable(QString::number(f)));
    }
    r.Llenar(2, {{"A", 3, Q_INT64_C(3000000000)}, {"B", 3, Q_INT64_C(4000000000)}});
    QCOMPARE(fila(r, 2), QString("0=Totales:;4=7000000000;25=7000000000"));
    // The third row's hour cannot be read: the two before it are shown, with their totals.
    QCOMPARE(r.Llenar(2, {{"A", 1, 2}, {"B", 2, 3}, {"C", "x", 4}, {"D", 4, 5}}), 2);
    QCOMPARE(fila(r, 2), QString("0=Totales:;2=2;3=3;25=5"));
    // A sum that leaves the 64-bit range ends the reading as well.
    const qint64 max = std::numeric_limits<qint64>::max();
    QCOMPARE(r.Llenar(1, {{"12/01/2026", 1, max}, {"12/01/2026", 1, 1}}), 1);
    QCOMPARE(fila(r, 1), "0=Totales:;2=" + QString::number(max));
    r.LimpiaArray();
    QCOMPARE(r.TipoResultado, 0);
    QCOMPARE(fila(r, 0) + fila(r, 1) + r.Totales[2], QString());
}

QTEST_GUILESS_MAIN(TstMotorEstadisticas)
#include "tst_motorestadisticas.moc"
