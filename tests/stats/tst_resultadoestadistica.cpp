// The result table of the statistics, filled from the window's query texts run on a local file
// with known positions. Expected counts come from the fixture rows, cell by cell.
#include "carpetaprueba.h"
#include "filtroestadistica.h"
#include "module1.h"
#include "resultadoestadistica.h"

#include <QtTest>

using Module1::BaseLocal;

namespace {
// n positions of one locator within one hour of one day, seconds apart; month-first literals.
void posiciones(const QString &imei, const QDate &dia, int hora, int n, const QString &zona, int minuto = 0)
{
    for (int i = 0; i < n; ++i) {
        const QDateTime t(dia, QTime(hora, minuto, 0).addSecs(i));
        const QString sql = QStringLiteral("INSERT INTO DATOS (IMEI, FECHA, LATITUD, LONGITUD, VELOCIDAD, INFORMACION, "
                                           "ZONA) VALUES('%1','%2','40.4','-3.7','12','','%3')")
                                .arg(imei, t.toString("MM/dd/yyyy HH:mm:ss"), QString(zona).replace("'", "''"));
        QCOMPARE(BaseLocal().Execute(sql), 1);
    }
}

// The cells of one table row, columns 0 to n - 1.
QStringList fila(const ResultadoEstadistica &r, int f, int n = 26)
{
    QStringList s;
    for (int c = 0; c < n; ++c)
        s << r.TablaEstadistica.Celda(f, c);
    return s;
}

// A row from a sparse description: column -> text; every other column empty.
QStringList esperada(std::initializer_list<std::pair<int, QString>> celdas, int n = 26)
{
    QStringList s;
    for (int c = 0; c < n; ++c)
        s << QString();
    for (const auto &[c, t] : celdas)
        s[c] = t;
    return s;
}

qint64 sumaCeldas(const ResultadoEstadistica &r, int f, int desde, int hasta)
{
    qint64 s = 0;
    for (int c = desde; c <= hasta; ++c)
        s += ("0" + r.TablaEstadistica.Celda(f, c)).toLongLong();
    return s;
}

const QStringList kEntradas{"Todos", "111111111111111", "222222222222222", "333333333333333"};
const QString L1 = kEntradas[1], L2 = kEntradas[2], L3 = kEntradas[3];
}

class TstResultadoEstadistica : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void limitesDeMedianoche();
    void diasCruzandoElAnio();
    void zonasDos();
    void zonasSinZonaPrimero();
    void zonasSinDistinguirMayusculas();
    void localizadoresYZonas();
    void filtroDeLocalizadorYZona();
    void zonaConComilla();
    void periodoVacioOInvertido();
    void resultadoMayorQueLaTabla_data();
    void resultadoMayorQueLaTabla();
    void totalesDe64Bits();
    void finAnticipadoDeLaLectura();
    void limpiaArrayBorraTodo();

private:
    std::unique_ptr<CarpetaPrueba> carpeta;
    // Runs the kind's query over the period for the given locator text and zone and fills r.
    bool ejecutar(ResultadoEstadistica &r, int tipo, const QString &d1, const QString &d2,
                  const QString &localizador = "Todos", const QString &zona = QString());
};

void TstResultadoEstadistica::init()
{
    carpeta = std::make_unique<CarpetaPrueba>();
    QVERIFY(carpeta->crearBaseLocal());
    QVERIFY(carpeta->conectarLocal());
}

void TstResultadoEstadistica::cleanup() { carpeta.reset(); }

bool TstResultadoEstadistica::ejecutar(ResultadoEstadistica &r, int tipo, const QString &d1, const QString &d2,
                                       const QString &localizador, const QString &zona)
{
    auto rs = BaseLocal().DevuelveRecordset(FiltroEstadistica::TextoConsulta(tipo, kEntradas, localizador, d1, d2, zona));
    if (!rs)
        return false;
    r.TipoEstadistica = tipo;
    r.Llenar(tipo, rs->Filas());
    return true;
}

void TstResultadoEstadistica::limitesDeMedianoche()
{
    posiciones(L1, QDate(2026, 12, 1), 0, 1, "");                 // 00:00:00 of the start day: out
    posiciones(L1, QDate(2026, 12, 1), 0, 2, "", 30);             // 00:30:00, 00:30:01: in
    posiciones(L1, QDate(2026, 12, 14), 23, 1, "", 59);           // 23:59:00: in
    { // 23:59:59 of the day before the end day: in
        QCOMPARE(BaseLocal().Execute("INSERT INTO DATOS (IMEI, FECHA, LATITUD, LONGITUD, VELOCIDAD, INFORMACION, ZONA) "
                                     "VALUES('" + L1 + "','12/14/2026 23:59:59','40','-3','0','','')"), 1);
    }
    posiciones(L1, QDate(2026, 12, 15), 0, 1, "");                // 00:00:00 of the end day: out
    posiciones(L1, QDate(2026, 11, 30), 23, 1, "", 59);           // before the period
    ResultadoEstadistica r;
    QVERIFY(ejecutar(r, 1, "01/12/2026", "15/12/2026"));
    QCOMPARE(r.MaxFilas, 3);
    QCOMPARE(r.MaxColumnas, QString("25"));
    QCOMPARE(fila(r, 0, 25), esperada({{0, "01/12/2026"}, {1, "2"}}, 25));
    QCOMPARE(fila(r, 1, 25), esperada({{0, "14/12/2026"}, {24, "2"}}, 25));
    QCOMPARE(fila(r, 2, 25), esperada({{0, "Totales:"}, {1, "2"}, {24, "2"}}, 25));
    QVERIFY(r.TablaEstadistica.Celda(2, 25).isEmpty());  // kind 1 keeps no row total
    QCOMPARE(r.TipoResultado, 1);
}

void TstResultadoEstadistica::diasCruzandoElAnio()
{
    posiciones(L1, QDate(2026, 12, 30), 10, 2, "A");
    posiciones(L2, QDate(2026, 12, 31), 23, 1, "B");
    posiciones(L1, QDate(2027, 1, 1), 0, 3, "A", 5);
    posiciones(L3, QDate(2027, 1, 2), 5, 1, "");
    posiciones(L2, QDate(2027, 1, 2), 5, 2, "A");
    ResultadoEstadistica r;
    QVERIFY(ejecutar(r, 1, "29/12/2026", "05/01/2027"));
    // Ordered by the mm/dd/yyyy text: January before December.
    QCOMPARE(r.MaxFilas, 5);
    QCOMPARE(fila(r, 0, 25), esperada({{0, "01/01/2027"}, {1, "3"}}, 25));
    QCOMPARE(fila(r, 1, 25), esperada({{0, "02/01/2027"}, {6, "3"}}, 25));
    QCOMPARE(fila(r, 2, 25), esperada({{0, "30/12/2026"}, {11, "2"}}, 25));
    QCOMPARE(fila(r, 3, 25), esperada({{0, "31/12/2026"}, {24, "1"}}, 25));
    QCOMPARE(fila(r, 4, 25), esperada({{0, "Totales:"}, {1, "3"}, {6, "3"}, {11, "2"}, {24, "1"}}, 25));
    // The row after the totals row exists and is empty.
    QVERIFY(r.TablaEstadistica.Filas() > r.MaxFilas);
    QCOMPARE(fila(r, 5), esperada({}));
}

void TstResultadoEstadistica::zonasDos()
{
    posiciones(L1, QDate(2026, 12, 3), 9, 2, "Nave A");
    posiciones(L2, QDate(2026, 12, 4), 10, 1, "Nave A");
    posiciones(L2, QDate(2026, 12, 4), 9, 3, "Nave B");
    ResultadoEstadistica r;
    QVERIFY(ejecutar(r, 2, "01/12/2026", "10/12/2026"));
    QCOMPARE(r.MaxFilas, 3);
    QCOMPARE(r.MaxColumnas, QString("26"));
    QCOMPARE(fila(r, 0), esperada({{0, "Nave A"}, {10, "2"}, {11, "1"}, {25, "3"}}));
    QCOMPARE(fila(r, 1), esperada({{0, "Nave B"}, {10, "3"}, {25, "3"}}));
    QCOMPARE(fila(r, 2), esperada({{0, "Totales:"}, {10, "5"}, {11, "1"}, {25, "6"}}));
    QCOMPARE(r.TipoResultado, 2);
}

void TstResultadoEstadistica::zonasSinZonaPrimero()
{
    posiciones(L1, QDate(2026, 12, 3), 8, 2, "");        // outside every zone
    posiciones(L2, QDate(2026, 12, 3), 9, 1, "");
    posiciones(L1, QDate(2026, 12, 3), 8, 1, "Almacén", 30);
    posiciones(L3, QDate(2026, 12, 5), 12, 4, "Puerto");
    ResultadoEstadistica r;
    QVERIFY(ejecutar(r, 2, "01/12/2026", "10/12/2026"));
    QCOMPARE(r.MaxFilas, 4);
    QCOMPARE(fila(r, 0), esperada({{9, "2"}, {10, "1"}, {25, "3"}}));  // the unzoned row, with an empty name
    QCOMPARE(fila(r, 1), esperada({{0, "Almacén"}, {9, "1"}, {25, "1"}}));
    QCOMPARE(fila(r, 2), esperada({{0, "Puerto"}, {13, "4"}, {25, "4"}}));
    QCOMPARE(fila(r, 3), esperada({{0, "Totales:"}, {9, "3"}, {10, "1"}, {13, "4"}, {25, "8"}}));
    for (int f = 0; f < r.MaxFilas; ++f)
        QCOMPARE(sumaCeldas(r, f, 1, 24), r.TablaEstadistica.Celda(f, 25).toLongLong());
}

void TstResultadoEstadistica::zonasSinDistinguirMayusculas()
{
    posiciones(L1, QDate(2026, 12, 3), 8, 2, "Nave 1");
    posiciones(L2, QDate(2026, 12, 3), 9, 1, "NAVE 1 ");
    posiciones(L2, QDate(2026, 12, 3), 8, 1, "nave 1", 40);
    posiciones(L3, QDate(2026, 12, 3), 9, 1, "Nave 2");
    ResultadoEstadistica r;
    QVERIFY(ejecutar(r, 2, "01/12/2026", "10/12/2026"));
    QCOMPARE(r.MaxFilas, 3);
    QCOMPARE(r.TablaEstadistica.Celda(0, 0).trimmed().toLower(), QString("nave 1"));
    QCOMPARE(fila(r, 0).mid(1), esperada({{9, "3"}, {10, "1"}, {25, "4"}}).mid(1));
    QCOMPARE(fila(r, 1), esperada({{0, "Nave 2"}, {10, "1"}, {25, "1"}}));
    QCOMPARE(fila(r, 2), esperada({{0, "Totales:"}, {9, "3"}, {10, "2"}, {25, "5"}}));
    // The zone filter matches every spelling.
    ResultadoEstadistica z;
    QVERIFY(ejecutar(z, 1, "01/12/2026", "10/12/2026", "Todos", "nave 1"));
    QCOMPARE(fila(z, 1, 25), esperada({{0, "Totales:"}, {9, "3"}, {10, "1"}}, 25));
}

void TstResultadoEstadistica::localizadoresYZonas()
{
    posiciones(L1, QDate(2026, 12, 3), 9, 2, "Zona A");
    posiciones(L1, QDate(2026, 12, 3), 10, 1, "Zona B");
    posiciones(L1, QDate(2026, 12, 4), 11, 1, "Zona B");
    posiciones(L2, QDate(2026, 12, 4), 9, 4, "Zona C");
    ResultadoEstadistica r;
    QVERIFY(ejecutar(r, 3, "01/12/2026", "10/12/2026"));
    QCOMPARE(r.MaxFilas, 6);
    QCOMPARE(r.MaxColumnas, QString("26"));
    QCOMPARE(fila(r, 0), esperada({{0, L1}, {1, "Zona A"}, {11, "2"}}));
    QCOMPARE(fila(r, 1), esperada({{1, "Zona B"}, {12, "1"}, {13, "1"}}));
    QCOMPARE(fila(r, 2), esperada({{0, "Subtotal"}, {11, "2"}, {12, "1"}, {13, "1"}}));
    QCOMPARE(fila(r, 3), esperada({{0, L2}, {1, "Zona C"}, {11, "4"}}));
    QCOMPARE(fila(r, 4), esperada({{0, "Subtotal"}, {11, "4"}}));
    QCOMPARE(fila(r, 5), esperada({{1, "Totales:"}, {11, "6"}, {12, "1"}, {13, "1"}}));
    QCOMPARE(r.TipoResultado, 3);
}

void TstResultadoEstadistica::filtroDeLocalizadorYZona()
{
    posiciones(L1, QDate(2026, 12, 3), 9, 2, "Zona A");
    posiciones(L1, QDate(2026, 12, 3), 10, 1, "Zona B");
    posiciones(L2, QDate(2026, 12, 3), 9, 5, "Zona A");
    ResultadoEstadistica r;
    QVERIFY(ejecutar(r, 3, "01/12/2026", "10/12/2026", L1, "Zona A"));
    QCOMPARE(r.MaxFilas, 3);
    QCOMPARE(fila(r, 0), esperada({{0, L1}, {1, "Zona A"}, {11, "2"}}));
    QCOMPARE(fila(r, 2), esperada({{1, "Totales:"}, {11, "2"}}));
    // A locator with no positions in the period: nothing comes back.
    QVERIFY(!ejecutar(r, 1, "01/12/2026", "10/12/2026", L3));
}

void TstResultadoEstadistica::zonaConComilla()
{
    posiciones(L1, QDate(2026, 12, 3), 9, 2, "Muelle d'Or");
    posiciones(L1, QDate(2026, 12, 3), 10, 1, "Otra");
    ResultadoEstadistica r;
    QVERIFY(ejecutar(r, 2, "01/12/2026", "10/12/2026", "Todos", "Muelle d'Or"));
    QCOMPARE(fila(r, 0), esperada({{0, "Muelle d'Or"}, {10, "2"}, {25, "2"}}));
    QCOMPARE(r.MaxFilas, 2);
}

void TstResultadoEstadistica::periodoVacioOInvertido()
{
    posiciones(L1, QDate(2026, 12, 5), 9, 2, "A");
    ResultadoEstadistica r;
    QVERIFY(!ejecutar(r, 1, "05/12/2026", "05/12/2026"));
    QVERIFY(!ejecutar(r, 2, "10/12/2026", "01/12/2026"));
    QVERIFY(ejecutar(r, 2, "01/12/2026", "10/12/2026"));
}

void TstResultadoEstadistica::resultadoMayorQueLaTabla_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<int>("grupos");
    QTest::newRow("zonas 1500") << 2 << 1500;
    QTest::newRow("localizadores y zonas 700 x 2") << 3 << 1400;
    QTest::newRow("dias 1200") << 1 << 1200;
}

void TstResultadoEstadistica::resultadoMayorQueLaTabla()
{
    QFETCH(int, tipo);
    QFETCH(int, grupos);
    QList<QVariantList> filas;
    for (int g = 0; g < grupos; ++g) {
        const int hora = g % 24;
        const QString nombre = QString("G%1").arg(g, 5, 10, QChar('0'));
        if (tipo == 1)
            filas.append({QDate(2000, 1, 1).addDays(g).toString("MM/dd/yyyy") + QString::number(g), hora, 2});
        else if (tipo == 2)
            filas.append({nombre, hora, 2});
        else
            filas.append({QString("L%1").arg(g / 2, 4, 10, QChar('0')), nombre, hora, 2});
    }
    ResultadoEstadistica r;
    QCOMPARE(r.Llenar(tipo, filas), grupos);
    const int esperadas = tipo == 3 ? grupos + grupos / 2 + 1 : grupos + 1;
    QCOMPARE(r.MaxFilas, esperadas);
    QVERIFY(r.TablaEstadistica.Filas() > r.MaxFilas);
    const int totales = r.MaxFilas - 1;
    QCOMPARE(r.TablaEstadistica.Celda(totales, tipo == 3 ? 1 : 0), QString("Totales:"));
    const int primera = tipo == 3 ? 2 : 1;
    QCOMPARE(sumaCeldas(r, totales, primera, primera + 23), qint64(2) * grupos);
    if (tipo == 2)
        QCOMPARE(r.TablaEstadistica.Celda(totales, 25), QString::number(2 * grupos));
    // The last group sits just above the totals row (kind 3: above the last subtotal).
    const int ultima = tipo == 3 ? totales - 2 : totales - 1;
    QCOMPARE(r.TablaEstadistica.Celda(ultima, tipo == 3 ? 1 : 0).isEmpty(), false);
    QCOMPARE(r.TablaEstadistica.Celda(ultima, primera + (grupos - 1) % 24), QString("2"));
}

void TstResultadoEstadistica::totalesDe64Bits()
{
    ResultadoEstadistica r;
    r.Llenar(2, {{"A", 3, Q_INT64_C(3000000000)}, {"B", 3, Q_INT64_C(4000000000)}});
    QCOMPARE(r.TablaEstadistica.Celda(2, 4), QString("7000000000"));
    QCOMPARE(r.TablaEstadistica.Celda(2, 25), QString("7000000000"));
    QCOMPARE(r.TablaEstadistica.Celda(1, 25), QString("4000000000"));
}

void TstResultadoEstadistica::finAnticipadoDeLaLectura()
{
    ResultadoEstadistica r;
    // The third row's hour cannot be read: the two before it are shown, with their totals.
    const int leidas = r.Llenar(2, {{"A", 1, 2}, {"B", 2, 3}, {"C", "x", 4}, {"D", 4, 5}});
    QCOMPARE(leidas, 2);
    QCOMPARE(r.MaxFilas, 3);
    QCOMPARE(fila(r, 2), esperada({{0, "Totales:"}, {2, "2"}, {3, "3"}, {25, "5"}}));
    // A sum that leaves the 64-bit range ends the reading as well.
    ResultadoEstadistica s;
    QCOMPARE(s.Llenar(1, {{"12/01/2026", 1, std::numeric_limits<qint64>::max()}, {"12/01/2026", 1, 1}}), 1);
    QCOMPARE(s.TablaEstadistica.Celda(1, 2), QString::number(std::numeric_limits<qint64>::max()));
}

void TstResultadoEstadistica::limpiaArrayBorraTodo()
{
    ResultadoEstadistica r;
    QList<QVariantList> muchas;
    for (int g = 0; g < 1300; ++g)
        muchas.append({QString("Z%1").arg(g, 4, 10, QChar('0')), g % 24, 1});
    r.Llenar(2, muchas);
    r.Llenar(2, {{"Solo", 5, 7}});
    QCOMPARE(r.MaxFilas, 2);
    for (int f = 2; f < 1302; ++f)
        for (int c = 0; c < TablaTextos::Columnas; ++c)
            QVERIFY2(r.TablaEstadistica.Celda(f, c).isEmpty(), qPrintable(QString("fila %1 columna %2").arg(f).arg(c)));
    r.LimpiaArray();
    QCOMPARE(r.TipoResultado, 0);
    QVERIFY(r.TablaEstadistica.Celda(0, 0).isEmpty());
    for (const QString &t : r.Totales)
        QVERIFY(t.isEmpty());
}

QTEST_GUILESS_MAIN(TstResultadoEstadistica)
#include "tst_resultadoestadistica.moc"
