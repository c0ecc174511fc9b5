// The statistics grid's model: row styles and the zone column, widths, bounded cells, bookmarks.
#include "entorno.h"
#include "modeloestadistica.h"

#include <QAbstractItemModelTester>
#include <QtTest>

using E = ModeloEstadistica::Estilo;

namespace {
// Kind 3: two locators, the first in two zones (rows: L1, Zona B, Subtotal, L2, Subtotal, totals).
// The first zone of kinds 2 and 3 is empty: positions outside every zone.
void llenar(ResultadoEstadistica &r, int tipo)
{
    r.TipoEstadistica = tipo;
    if (tipo == 1)
        r.Llenar(1, {{"12/01/2026", 9, 2}, {"12/02/2026", 0, 1}});
    else if (tipo == 2)
        r.Llenar(2, {{"", 9, 2}, {"Nave B", 3, 5}});
    else
        r.Llenar(3, {{"L1", "", 9, 2}, {"L1", "Zona B", 10, 1}, {"L2", "", 9, 4}});
}
}

class TstModeloEstadistica : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void estilosYAlineacion_data();
    void estilosYAlineacion();
    void anchos();
    void contratoDelModelo();
};

void TstModeloEstadistica::estilosYAlineacion_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("filas");  // per row: f ordinary, t totals, s subtotal; upper case: column 0 right-aligned
    QTest::addColumn<QString>("zonas");  // the zone column as shown
    QTest::newRow("dias") << 1 << "ffT" << "";
    QTest::newRow("zonas") << 2 << "ffT" << "(sin zona)|Nave B|Totales:";
    QTest::newRow("localizadores y zonas") << 3 << "ffSfST" << "(sin zona)|Zona B||(sin zona)||Totales:";
}

void TstModeloEstadistica::estilosYAlineacion()
{
    QFETCH(int, tipo);
    QFETCH(QString, filas);
    QFETCH(QString, zonas);
    ResultadoEstadistica r;
    llenar(r, tipo);
    ModeloEstadistica m(r);
    m.ConfigurarColumnas(tipo);
    // Off until the first filter; then by the kind held, not that of a later refused run.
    QCOMPARE(m.EstiloDeFila(filas.size() - 1), E::Ninguno);
    m.EstilosPorFila(true);
    r.TipoEstadistica = tipo == 3 ? 1 : 3;
    const QMap<QChar, E> estilo{{'f', E::EstiloFila}, {'t', E::EstiloTotales}, {'s', E::EstiloSubtotal}};
    QStringList vistas;  // the stored zone stays empty
    for (int f = 0; f < filas.size() && tipo > 1; ++f) {
        vistas << m.data(m.index(f, tipo - 2)).toString();
        if (vistas.last() == "(sin zona)")
            QCOMPARE(m.data(m.index(f, tipo - 2), Qt::EditRole).toString(), QString());
    }
    QCOMPARE(vistas.join('|'), zonas);
    for (int f = 0; f < filas.size(); ++f) {
        QCOMPARE(m.EstiloDeFila(f), estilo.value(filas[f].toLower()));
        QVERIFY(m.data(m.index(f, 3), Qt::FontRole).value<QFont>().bold());
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

// A long name or count keeps the design width: the tooltip holds it whole, a count shrinks to fit.
void TstModeloEstadistica::anchos()
{
    ResultadoEstadistica r;
    const QString largo = "Zona con un nombre mucho más largo que su columna";
    r.Llenar(2, {{largo, 9, 12345678}, {"B", 3, 5}});
    ModeloEstadistica m(r);
    m.ConfigurarColumnas(2);
    QCOMPARE(m.AnchoColumna(10), TwipsAPixelesX(450));
    QCOMPARE(m.data(m.index(0, 0), Qt::ToolTipRole).toString(), largo);
    QCOMPARE(m.data(m.index(0, 10), Qt::ToolTipRole).toString(), QString("12345678"));
    const QFont chica = m.data(m.index(0, 10), Qt::FontRole).value<QFont>();
    QVERIFY(QFontMetrics(chica).horizontalAdvance("12345678") <= m.AnchoColumna(10) - ModeloEstadistica::kMargenCelda);
    QCOMPARE(m.data(m.index(1, 4), Qt::FontRole).value<QFont>().pointSizeF(), ModeloEstadistica::FuenteColumnas().pointSizeF());
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
                QCOMPARE(m.data(m.index(f, c), Qt::EditRole).toString(), v);
            }
        QVERIFY(!m.headerData(m.columnCount(), Qt::Horizontal).isValid());
    }
    m.AntesDeCambiar();
    r.LimpiaArray();
    m.DespuesDeCambiar();
    QCOMPARE(m.data(m.index(0, 0)).toString(), QString());
    // Bookmarks past 16 bits, with leading spaces.
    r.MaxFilas = 70000;
    QCOMPARE(m.IndiceDeMarca("   65536", 1), 65537);
    QCOMPARE(m.IndiceDeMarca(" 69999", 1), ModeloEstadistica::kMarcaInvalida);
}

QTEST_MAIN(TstModeloEstadistica)
#include "tst_modeloestadistica.moc"
