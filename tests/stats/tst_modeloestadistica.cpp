// The statistics grid's model: bookmarks, bounded cells, styles and alignment read from the
// result table, and the model contract (QAbstractItemModelTester).
#include "modeloestadistica.h"

#include <QAbstractItemModelTester>
#include <QtTest>

namespace {
// A kind 3 result: two locators, the first in two zones.
void llenarTipo3(ResultadoEstadistica &r)
{
    r.TipoEstadistica = 3;
    r.Llenar(3, {{"L1", "Zona A", 9, 2}, {"L1", "Zona B", 10, 1}, {"L2", "Zona C", 9, 4}});
}
void llenarTipo2(ResultadoEstadistica &r)
{
    r.TipoEstadistica = 2;
    r.Llenar(2, {{"Nave A", 9, 2}, {"Nave B", 3, 5}});
}
void llenarTipo1(ResultadoEstadistica &r)
{
    r.TipoEstadistica = 1;
    r.Llenar(1, {{"12/01/2026", 9, 2}, {"12/02/2026", 0, 1}});
}
}

class TstModeloEstadistica : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void marcas_data();
    void marcas();
    void marcaDeIndice();
    void valorCelda();
    void estilos_data();
    void estilos();
    void alineacion();
    void encabezadosYAnchos();
    void antesDelPrimerFiltro();
    void contratoDelModelo();
};

void TstModeloEstadistica::marcas_data()
{
    QTest::addColumn<int>("maxFilas");
    QTest::addColumn<QString>("marca");
    QTest::addColumn<int>("desplazamiento");
    QTest::addColumn<int>("indice");
    const QString nula;
    QTest::newRow("nula, 0") << 10 << nula << 0 << -9999;
    QTest::newRow("nula, 1: la primera") << 10 << nula << 1 << 0;
    QTest::newRow("nula, -1: la ultima") << 10 << nula << -1 << 9;
    QTest::newRow("nula, -10: la primera desde el final") << 10 << nula << -10 << 0;
    QTest::newRow("nula, -11: antes de la primera") << 10 << nula << -11 << -9999;
    QTest::newRow("nula, 10: la ultima desde el principio") << 10 << nula << 10 << 9;
    QTest::newRow("nula, 11: pasada la ultima") << 10 << nula << 11 << -9999;
    QTest::newRow("' 5' + 3 con MaxFilas 9") << 9 << " 5" << 3 << 8;
    QTest::newRow("' 5' + 3 con MaxFilas 8") << 8 << " 5" << 3 << -9999;
    QTest::newRow("' 0' - 1") << 8 << " 0" << -1 << -9999;
    QTest::newRow("' 7' + 0 con MaxFilas 8") << 8 << " 7" << 0 << 7;
    QTest::newRow("' 8' + 0 con MaxFilas 8") << 8 << " 8" << 0 << -9999;
    QTest::newRow("espacios delante") << 8 << "   3" << 1 << 4;
    QTest::newRow("marca de mas de 16 bits") << 70000 << " 65536" << 1 << 65537;
}

void TstModeloEstadistica::marcas()
{
    QFETCH(int, maxFilas);
    QFETCH(QString, marca);
    QFETCH(int, desplazamiento);
    QFETCH(int, indice);
    ResultadoEstadistica r;
    r.MaxFilas = maxFilas;
    ModeloEstadistica m(r);
    QCOMPARE(m.IndiceDeMarca(marca, desplazamiento), indice);
    const QString relativa = m.MarcaRelativa(marca, desplazamiento);
    if (indice == -9999)
        QVERIFY(relativa.isNull());
    else
        QCOMPARE(relativa, " " + QString::number(indice));
}

void TstModeloEstadistica::marcaDeIndice()
{
    QCOMPARE(ModeloEstadistica::MarcaDeIndice(7), QString(" 7"));
    QCOMPARE(ModeloEstadistica::MarcaDeIndice(0), QString(" 0"));
    QCOMPARE(ModeloEstadistica::MarcaDeIndice(12), QString(" 12"));
}

void TstModeloEstadistica::valorCelda()
{
    ResultadoEstadistica r;
    llenarTipo1(r);
    ModeloEstadistica m(r);
    QCOMPARE(r.MaxFilas, 3);
    QCOMPARE(m.ValorCelda(" 0", 0), QString("01/12/2026"));
    QCOMPARE(m.ValorCelda(" 0", 10), QString("2"));
    QCOMPARE(m.ValorCelda(" 2", 0), QString("Totales:"));
    // An empty cell inside the bounds is an empty text, not null and not "0".
    QVERIFY(!m.ValorCelda(" 0", 1).isNull());
    QCOMPARE(m.ValorCelda(" 0", 1), QString(""));
    // Column MaxColumnas (25 for kind 1) is null although the table has more columns.
    QCOMPARE(r.MaxColumnas, QString("25"));
    QVERIFY(!m.ValorCelda(" 0", 24).isNull());
    QVERIFY(m.ValorCelda(" 0", 25).isNull());
    QVERIFY(m.ValorCelda(" 0", -1).isNull());
    // Row MaxFilas is null although the table holds that row.
    QVERIFY(r.TablaEstadistica.Filas() > 3);
    QVERIFY(m.ValorCelda(" 3", 0).isNull());
    QVERIFY(m.ValorCelda(QString(), 0).isNull());
    QCOMPARE(m.data(m.index(0, 10)).toString(), QString("2"));
    QCOMPARE(m.rowCount(), 3);
    QCOMPARE(m.columnCount(), 25);
}

void TstModeloEstadistica::estilos_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QList<int>>("estilos");  // per row, ModeloEstadistica::Estilo as int
    using E = ModeloEstadistica::Estilo;
    const int fila = int(E::EstiloFila), tot = int(E::EstiloTotales), sub = int(E::EstiloSubtotal);
    QTest::newRow("dias") << 1 << QList<int>{fila, fila, tot};
    QTest::newRow("zonas") << 2 << QList<int>{fila, fila, tot};
    QTest::newRow("localizadores y zonas") << 3 << QList<int>{fila, fila, sub, fila, sub, tot};
}

void TstModeloEstadistica::estilos()
{
    QFETCH(int, tipo);
    QFETCH(QList<int>, estilos);
    ResultadoEstadistica r;
    (tipo == 1 ? llenarTipo1 : tipo == 2 ? llenarTipo2 : llenarTipo3)(r);
    ModeloEstadistica m(r);
    m.ConfigurarColumnas(tipo);
    m.EstilosPorFila(true);
    QCOMPARE(m.rowCount(), estilos.size());
    for (int f = 0; f < estilos.size(); ++f) {
        QCOMPARE(int(m.EstiloDeFila(f)), estilos[f]);
        const QModelIndex i = m.index(f, 3);
        const QColor texto = m.data(i, Qt::ForegroundRole).value<QColor>();
        const QVariant fondo = m.data(i, Qt::BackgroundRole);
        QVERIFY(m.data(i, Qt::FontRole).value<QFont>().bold());
        QVERIFY(!m.data(i, Qt::FontRole).value<QFont>().italic());
        if (estilos[f] == int(ModeloEstadistica::Estilo::EstiloTotales)) {
            QCOMPARE(texto, QColor(0, 0, 255));
            QCOMPARE(fondo.value<QColor>(), QColor(150, 150, 160));
        } else if (estilos[f] == int(ModeloEstadistica::Estilo::EstiloSubtotal)) {
            QCOMPARE(texto, QColor(255, 0, 0));
            QCOMPARE(fondo.value<QColor>(), QColor(170, 170, 160));
        } else {
            QCOMPARE(texto, QColor(Qt::black));
            QVERIFY(!fondo.isValid());
        }
    }
    if (tipo == 2) {
        // The "SubTotal" column has its grey background on ordinary rows; the totals row keeps its style.
        QCOMPARE(m.data(m.index(0, 25), Qt::BackgroundRole).value<QColor>(), QColor(210, 210, 210));
        QCOMPARE(m.data(m.index(2, 25), Qt::BackgroundRole).value<QColor>(), QColor(150, 150, 160));
    }
}

void TstModeloEstadistica::alineacion()
{
    auto derecha = [](const ModeloEstadistica &m, int f, int c) {
        return (m.data(m.index(f, c), Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight) != 0;
    };
    ResultadoEstadistica r3;
    llenarTipo3(r3);
    ModeloEstadistica m3(r3);
    m3.ConfigurarColumnas(3);
    QVERIFY(!derecha(m3, 0, 0));  // a locator name
    QVERIFY(derecha(m3, 0, 1));   // every column from 1 on
    QVERIFY(derecha(m3, 2, 0));   // "Subtotal"
    QVERIFY(derecha(m3, 4, 0));
    QVERIFY(derecha(m3, 5, 0));   // the totals row
    QVERIFY(!derecha(m3, 3, 0));
    ResultadoEstadistica r2;
    llenarTipo2(r2);
    ModeloEstadistica m2(r2);
    QVERIFY(!derecha(m2, 0, 0));
    QVERIFY(derecha(m2, 2, 0));   // "Totales:"
    QVERIFY(derecha(m2, 0, 25));
}

void TstModeloEstadistica::encabezadosYAnchos()
{
    QCOMPARE(ModeloEstadistica::Encabezado(1, 0), QString("Fecha"));
    QCOMPARE(ModeloEstadistica::Encabezado(1, 1), QString("0H"));
    QCOMPARE(ModeloEstadistica::Encabezado(1, 24), QString("23H"));
    QCOMPARE(ModeloEstadistica::Encabezado(2, 0), QString("Zona"));
    QCOMPARE(ModeloEstadistica::Encabezado(2, 11), QString("10H"));
    QCOMPARE(ModeloEstadistica::Encabezado(2, 25), QString("SubTotal"));
    QCOMPARE(ModeloEstadistica::Encabezado(3, 0), QString("Localizador"));
    QCOMPARE(ModeloEstadistica::Encabezado(3, 1), QString("Zona"));
    QCOMPARE(ModeloEstadistica::Encabezado(3, 2), QString("0H"));
    QCOMPARE(ModeloEstadistica::Encabezado(3, 25), QString("23H"));
    const QList<std::tuple<int, int, int>> anchos{{1, 0, 1200}, {1, 1, 550}, {1, 24, 550}, {2, 0, 2500}, {2, 1, 450},
                                                  {2, 25, 1200}, {3, 0, 1500}, {3, 1, 2200}, {3, 2, 450}, {3, 25, 450}};
    for (const auto &[tipo, columna, ancho] : anchos)
        QCOMPARE(ModeloEstadistica::AnchoTwips(tipo, columna), ancho);
    QFont f = ModeloEstadistica::FuenteColumnas();
    QCOMPARE(f.family(), QString("Arial"));
    QCOMPARE(f.pointSize(), 12);

    ResultadoEstadistica r;
    llenarTipo2(r);
    ModeloEstadistica m(r);
    m.ConfigurarColumnas(2);
    QCOMPARE(m.headerData(25, Qt::Horizontal).toString(), QString("SubTotal"));
    QCOMPARE(m.headerData(0, Qt::Horizontal).toString(), QString("Zona"));
    QVERIFY(!m.headerData(26, Qt::Horizontal).isValid());
}

void TstModeloEstadistica::antesDelPrimerFiltro()
{
    ResultadoEstadistica r;
    ModeloEstadistica m(r);
    QCOMPARE(m.rowCount(), 200);
    QCOMPARE(m.columnCount(), 4);
    QCOMPARE(m.data(m.index(199, 3)).toString(), QString());
    QCOMPARE(m.EstiloDeFila(199), ModeloEstadistica::Estilo::Ninguno);
    QVERIFY(!m.data(m.index(199, 3), Qt::ForegroundRole).isValid());
    // A result held while row styling is still off keeps the grid's own style; switching it on colours it.
    llenarTipo2(r);
    QCOMPARE(m.EstiloDeFila(2), ModeloEstadistica::Estilo::Ninguno);
    m.EstilosPorFila(true);
    QCOMPARE(m.EstiloDeFila(2), ModeloEstadistica::Estilo::EstiloTotales);
    // The styles follow the kind of the result held, not the kind of a later refused run.
    r.TipoEstadistica = 3;
    QCOMPARE(m.EstiloDeFila(2), ModeloEstadistica::Estilo::EstiloTotales);
}

void TstModeloEstadistica::contratoDelModelo()
{
    ResultadoEstadistica r;
    ModeloEstadistica m(r);
    QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    for (auto llenar : {llenarTipo1, llenarTipo3, llenarTipo2}) {
        m.AntesDeCambiar();
        llenar(r);
        m.ConfigurarColumnas(r.TipoResultado);
        m.DespuesDeCambiar();
        m.EstilosPorFila(true);
        QCOMPARE(m.rowCount(), r.MaxFilas);
        for (int f = 0; f < m.rowCount(); ++f)
            for (int c = 0; c < m.columnCount(); ++c)
                QCOMPARE(m.data(m.index(f, c)).toString(), r.TablaEstadistica.Celda(f, c));
    }
    m.AntesDeCambiar();
    r.LimpiaArray();
    m.DespuesDeCambiar();
    QCOMPARE(m.data(m.index(0, 0)).toString(), QString());
}

QTEST_MAIN(TstModeloEstadistica)
#include "tst_modeloestadistica.moc"
