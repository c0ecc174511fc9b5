// The statistics grid's model: bookmarks, bounded cells, row styles and alignment read from the
// result table, column widths, and the model contract (QAbstractItemModelTester).
#include "entorno.h"
#include "modeloestadistica.h"

#include <QAbstractItemModelTester>
#include <QtTest>

using E = ModeloEstadistica::Estilo;

namespace {
// Kind 3: two locators, the first in two zones (rows: L1, Zona B, Subtotal, L2, Subtotal, totals).
void llenar(ResultadoEstadistica &r, int tipo)
{
    r.TipoEstadistica = tipo;
    if (tipo == 1)
        r.Llenar(1, {{"12/01/2026", 9, 2}, {"12/02/2026", 0, 1}});
    else if (tipo == 2)
        r.Llenar(2, {{"Nave A", 9, 2}, {"Nave B", 3, 5}});
    else
        r.Llenar(3, {{"L1", "Zona A", 9, 2}, {"L1", "Zona B", 10, 1}, {"L2", "Zona C", 9, 4}});
}
}

class TstModeloEstadistica : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void marcas_data();
    void marcas();
    void estilosYAlineacion_data();
    void estilosYAlineacion();
    void anchos();
    void sinZona_data();
    void sinZona();
    void contratoDelModelo();
};

void TstModeloEstadistica::marcas_data()
{
    QTest::addColumn<int>("maxFilas");
    QTest::addColumn<QString>("marca");  // null: a null bookmark
    QTest::addColumn<int>("desplazamiento");
    QTest::addColumn<int>("indice");
    QTest::newRow("nula, 0") << 10 << QString() << 0 << -9999;
    QTest::newRow("nula, 1: la primera") << 10 << QString() << 1 << 0;
    QTest::newRow("nula, -1: la ultima") << 10 << QString() << -1 << 9;
    QTest::newRow("' 5' + 3 con MaxFilas 9") << 9 << " 5" << 3 << 8;
    QTest::newRow("' 5' + 3 con MaxFilas 8") << 8 << " 5" << 3 << -9999;
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
    QCOMPARE(relativa, indice == -9999 ? QString() : " " + QString::number(indice));
    QCOMPARE(relativa.isNull(), indice == -9999);
}

void TstModeloEstadistica::estilosYAlineacion_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("filas");  // per row: f ordinary, t totals, s subtotal; upper case: column 0 right-aligned
    QTest::newRow("dias") << 1 << "ffT";
    QTest::newRow("zonas") << 2 << "ffT";
    QTest::newRow("localizadores y zonas") << 3 << "ffSfST";
}

void TstModeloEstadistica::estilosYAlineacion()
{
    QFETCH(int, tipo);
    QFETCH(QString, filas);
    ResultadoEstadistica r;
    llenar(r, tipo);
    ModeloEstadistica m(r);
    m.ConfigurarColumnas(tipo);
    // Row styling is off until the first filter; then the styles follow the kind of the result
    // held, not the kind of a later refused run.
    QCOMPARE(m.EstiloDeFila(filas.size() - 1), E::Ninguno);
    m.EstilosPorFila(true);
    r.TipoEstadistica = tipo == 3 ? 1 : 3;
    // The three styles, bold and upright: text colour and background.
    const QMap<QChar, std::tuple<E, QColor, QColor>> estilo{
        {'f', {E::EstiloFila, Qt::black, QColor()}},
        {'t', {E::EstiloTotales, QColor(0, 0, 255), QColor(150, 150, 160)}},
        {'s', {E::EstiloSubtotal, QColor(255, 0, 0), QColor(170, 170, 160)}}};
    for (int f = 0; f < filas.size(); ++f) {
        const auto [e, texto, fondo] = estilo.value(filas[f].toLower());
        const QModelIndex i = m.index(f, 3);
        QCOMPARE(m.EstiloDeFila(f), e);
        QCOMPARE(m.data(i, Qt::ForegroundRole).value<QColor>(), texto);
        QCOMPARE(m.data(i, Qt::BackgroundRole).value<QColor>(), fondo);
        QVERIFY(m.data(i, Qt::FontRole).value<QFont>().bold() && !m.data(i, Qt::FontRole).value<QFont>().italic());
        auto derecha = [&](int c) {
            return bool(m.data(m.index(f, c), Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight);
        };
        QCOMPARE(derecha(0), filas[f].isUpper());
        QVERIFY(derecha(1) && derecha(m.columnCount() - 1));  // numbers everywhere
    }
    // The "SubTotal" column is grey on ordinary rows; the totals row keeps its style.
    if (tipo == 2) {
        QCOMPARE(m.data(m.index(0, 25), Qt::BackgroundRole).value<QColor>(), QColor(210, 210, 210));
        QCOMPARE(m.data(m.index(2, 25), Qt::BackgroundRole).value<QColor>(), QColor(150, 150, 160));
    }
}

void TstModeloEstadistica::anchos()
{
    // Every column keeps its design width, also under a long name or a long count; the grid
    // elides such a text and its tooltip holds it whole.
    ResultadoEstadistica r;
    const QString largo = "Zona con un nombre mucho más largo que su columna";
    r.Llenar(2, {{largo, 9, 12345678}, {"B", 3, 5}});
    ModeloEstadistica m(r);
    m.ConfigurarColumnas(2);
    QCOMPARE(m.AnchoColumna(0), TwipsAPixelesX(2500));
    QCOMPARE(m.AnchoColumna(10), TwipsAPixelesX(450));
    QCOMPARE(m.AnchoColumna(25), TwipsAPixelesX(1200));
    QCOMPARE(m.data(m.index(0, 0), Qt::ToolTipRole).toString(), largo);
    QCOMPARE(m.data(m.index(0, 10), Qt::ToolTipRole).toString(), QString("12345678"));
    // A count too wide for its column is drawn smaller, whole; one that fits keeps the grid's font.
    const QFont chica = m.data(m.index(0, 10), Qt::FontRole).value<QFont>();
    QVERIFY(QFontMetrics(chica).horizontalAdvance("12345678") <= m.AnchoColumna(10) - ModeloEstadistica::kMargenCelda);
    QCOMPARE(m.data(m.index(1, 4), Qt::FontRole).value<QFont>().pointSizeF(), ModeloEstadistica::FuenteColumnas().pointSizeF());
}

void TstModeloEstadistica::sinZona_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("columna");  // the zone column as the grid shows it, row by row
    QTest::newRow("zonas") << 2 << "(sin zona)|Nave|Totales:";
    QTest::newRow("localizador y zona") << 3 << "(sin zona)|Nave||(sin zona)||Totales:";
}

// Positions outside every zone are named in the grid; the stored text stays empty.
void TstModeloEstadistica::sinZona()
{
    QFETCH(int, tipo);
    QFETCH(QString, columna);
    ResultadoEstadistica r;
    if (tipo == 2)
        r.Llenar(2, {{"", 9, 2}, {"Nave", 3, 5}});
    else
        r.Llenar(3, {{"L1", "", 9, 2}, {"L1", "Nave", 10, 1}, {"L2", "", 9, 4}});
    ModeloEstadistica m(r);
    m.ConfigurarColumnas(tipo);
    QStringList vistas;
    const int c = tipo == 2 ? 0 : 1;
    for (int f = 0; f < m.rowCount(); ++f) {
        vistas << m.data(m.index(f, c)).toString();
        if (vistas.last() == "(sin zona)")
            QCOMPARE(m.data(m.index(f, c), Qt::EditRole).toString(), QString());
    }
    QCOMPARE(vistas.join('|'), columna);
}

void TstModeloEstadistica::contratoDelModelo()
{
    ResultadoEstadistica r;
    ModeloEstadistica m(r);
    QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
    // Before the first statistic: 200 empty rows of 4 columns in the grid's own style.
    QCOMPARE(QSize(m.columnCount(), m.rowCount()), QSize(4, 200));
    QVERIFY(!m.data(m.index(199, 3), Qt::ForegroundRole).isValid());
    for (int tipo : {1, 3, 2}) {
        m.AntesDeCambiar();
        llenar(r, tipo);
        m.ConfigurarColumnas(r.TipoResultado);
        m.DespuesDeCambiar();
        m.EstilosPorFila(true);
        // The table's cells, bounded by MaxFilas and MaxColumnas though the table has more.
        QCOMPARE(QSize(m.columnCount(), m.rowCount()), QSize(tipo == 1 ? 25 : 26, r.MaxFilas));
        for (int f = 0; f <= m.rowCount(); ++f)
            for (int c = -1; c <= m.columnCount(); ++c) {
                const QString v = m.ValorCelda(ModeloEstadistica::MarcaDeIndice(f), c);
                QCOMPARE(v.isNull(), f == m.rowCount() || c < 0 || c == m.columnCount());
                QCOMPARE(v, v.isNull() ? v : r.TablaEstadistica.Celda(f, c));
                QCOMPARE(m.data(m.index(f, c)).toString(), v);
            }
        const int ultima = m.columnCount() - 1;
        QCOMPARE(m.headerData(ultima, Qt::Horizontal).toString(), ModeloEstadistica::Encabezado(tipo, ultima));
        QVERIFY(!m.headerData(ultima + 1, Qt::Horizontal).isValid());
    }
    m.AntesDeCambiar();
    r.LimpiaArray();
    m.DespuesDeCambiar();
    QCOMPARE(m.data(m.index(0, 0)).toString(), QString());
}

QTEST_MAIN(TstModeloEstadistica)
#include "tst_modeloestadistica.moc"
