// The chart data texts and the two chart windows, driven through their control names.
#include "datosgraficas.h"
#include "frmgraficas.h"
#include "frmgraficaszonas.h"
#include "resultadoestadistica.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QPushButton>
#include <QtTest>

namespace {
struct Grafica {
    QStringList categorias;
    QList<double> valores;
    QString serie;
    int series = 0;
};

Grafica leer(QWidget *w, const char *nombre)
{
    Grafica g;
    auto *v = w->findChild<QChartView *>(nombre);
    if (!v)
        return g;
    const auto series = v->chart()->series();
    g.series = int(series.size());
    if (series.isEmpty())
        return g;
    auto *barras = qobject_cast<QBarSeries *>(series.first());
    if (!barras || barras->barSets().isEmpty())
        return g;
    QBarSet *s = barras->barSets().first();
    g.serie = s->label();
    for (int i = 0; i < s->count(); ++i)
        g.valores << s->at(i);
    for (QAbstractAxis *eje : v->chart()->axes(Qt::Horizontal))
        if (auto *c = qobject_cast<QBarCategoryAxis *>(eje))
            g.categorias = c->categories();
    return g;
}

QStringList horas()
{
    QStringList h;
    for (int i = 0; i < 24; ++i)
        h << QString("%1H").arg(i);
    return h;
}

ResultadoEstadistica zonas(const QStringList &nombres)
{
    ResultadoEstadistica r;
    QList<QVariantList> filas;
    for (int i = 0; i < nombres.size(); ++i) {
        filas.append({nombres[i], 8, 10 * (i + 1)});
        filas.append({nombres[i], 20 + i, i + 1});
    }
    r.Llenar(2, filas);
    return r;
}
}

class TstGraficas : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void textosDeDatos();
    void textosAlFinalDeLaTabla();
    void partir_data();
    void partir();
    void graficaHoras();
    void graficaZonas();
    void nombreConBarra();
    void salir();
};

void TstGraficas::textosDeDatos()
{
    ResultadoEstadistica d;
    d.Llenar(1, {{"12/05/2026", 0, 3}, {"12/06/2026", 23, 2}});
    const QString r1 = DatosGraficas::PreparadatosResumen1(d);
    QCOMPARE(r1, QString("3|||||||||||||||||||||||2||"));
    QCOMPARE(DatosGraficas::Partir(r1).size(), 26);  // 25 items and the piece after the last "|"
    const ResultadoEstadistica z = zonas({"Almacén", "Puerto", "Nave 3"});
    QCOMPARE(DatosGraficas::PreparadatosZonas(z), QString("Almacén|Puerto|Nave 3|Totales:||"));
    QCOMPARE(DatosGraficas::PreparadatosResumen2(z), QString("11|22|33|66||"));
    QCOMPARE(DatosGraficas::Partir(DatosGraficas::PreparadatosResumen1(z)).at(24), QString("66"));
}

void TstGraficas::textosAlFinalDeLaTabla()
{
    // A result as long as the design's table: the totals row at index 1000, then one more item.
    ResultadoEstadistica r;
    QList<QVariantList> filas;
    for (int i = 0; i < TablaTextos::FilasIniciales - 1; ++i)
        filas.append({QString("Z%1").arg(i, 4, 10, QChar('0')), 1, 1});
    r.Llenar(2, filas);
    QCOMPARE(r.MaxFilas, TablaTextos::FilasIniciales);
    const QStringList z = DatosGraficas::Partir(DatosGraficas::PreparadatosZonas(r));
    QCOMPARE(z.size(), r.MaxFilas + 2);  // MaxFilas + 1 items, then the piece after the last "|"
    QCOMPARE(z.at(r.MaxFilas - 1), QString("Totales:"));
    QCOMPARE(z.last(), QString());
}

void TstGraficas::partir_data()
{
    QTest::addColumn<QString>("item");
    QTest::newRow("ordinario") << "Almacén";
    QTest::newRow("barra") << "Nave|1";
    QTest::newRow("barra invertida") << "C:\\x\\|";
    QTest::newRow("vacio") << "";
}

void TstGraficas::partir()
{
    QFETCH(QString, item);
    const QString texto = DatosGraficas::Item(item) + DatosGraficas::Item("7");
    QCOMPARE(DatosGraficas::Partir(texto), (QStringList{item, "7", ""}));
    if (!item.contains('|') && !item.contains('\\'))
        QCOMPARE(texto, item + "|7|");  // ordinary texts as they stand
}

void TstGraficas::graficaHoras()
{
    ResultadoEstadistica d;
    d.Llenar(1, {{"12/05/2026", 0, 3}, {"12/05/2026", 9, 5}, {"12/06/2026", 23, 2}});
    frmgraficas g;
    g.Datos = DatosGraficas::PreparadatosResumen1(d);
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    Grafica h = leer(&g, "MSChart1");
    QCOMPARE(h.series, 1);
    QCOMPARE(h.serie, QString("Total Impactos"));
    QCOMPARE(h.categorias, horas());
    QCOMPARE(h.valores.size(), 24);  // the empty 25th item is not charted
    QCOMPARE(h.valores.at(0), 3.0);
    QCOMPARE(h.valores.at(9), 5.0);
    QCOMPARE(h.valores.at(23), 2.0);
    QCOMPARE(h.valores.at(1), 0.0);  // an hour without positions
    QCOMPARE(g.findChild<QChartView *>("MSChart1")->chart()->title(), QString("IMPACTOS POR HORAS"));
    // Filled again at the next showing, with the same data and no second series.
    g.hide();
    g.show();
    QCOMPARE(leer(&g, "MSChart1").series, 1);
    QCOMPARE(leer(&g, "MSChart1").valores, h.valores);
}

void TstGraficas::graficaZonas()
{
    const ResultadoEstadistica z = zonas({"Almacén", "Puerto", "Nave 3"});
    frmgraficaszonas g;
    g.NumFilas2 = qint16(z.MaxFilas);
    g.Datos1 = DatosGraficas::PreparadatosResumen1(z);
    g.Datos2 = DatosGraficas::PreparadatosResumen2(z);
    g.Zonas = DatosGraficas::PreparadatosZonas(z);
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    const Grafica porZona = leer(&g, "MSChart1");
    QCOMPARE(porZona.categorias, (QStringList{"Almacén", "Puerto", "Nave 3", "Totales:"}));
    QCOMPARE(porZona.valores, (QList<double>{11, 22, 33, 66}));
    QCOMPARE(porZona.serie, QString("Total Impactos"));
    QCOMPARE(g.findChild<QChartView *>("MSChart1")->chart()->title(), QString("IMPACTOS POR ZONAS"));
    // The hour chart shows the zones grid's "Totales:" row.
    const Grafica porHora = leer(&g, "MSChart2");
    QCOMPARE(porHora.categorias, horas());
    const int L = z.MaxFilas - 1;
    for (int h = 0; h < 24; ++h)
        QCOMPARE(porHora.valores.at(h), z.TablaEstadistica.Celda(L, h + 1).toDouble());
    QCOMPARE(porHora.valores.at(8), 60.0);
}

void TstGraficas::nombreConBarra()
{
    const ResultadoEstadistica z = zonas({"Nave|1", "Puerto"});
    frmgraficaszonas g;
    g.NumFilas2 = qint16(z.MaxFilas);
    g.Datos1 = DatosGraficas::PreparadatosResumen1(z);
    g.Datos2 = DatosGraficas::PreparadatosResumen2(z);
    g.Zonas = DatosGraficas::PreparadatosZonas(z);
    g.PreparaGrafica();
    g.PreparaGraficaZonas();
    const Grafica porZona = leer(&g, "MSChart1");
    QCOMPARE(porZona.categorias, (QStringList{"Nave|1", "Puerto", "Totales:"}));
    QCOMPARE(porZona.valores, (QList<double>{11, 22, 33}));
}

void TstGraficas::salir()
{
    frmgraficas g;
    g.show();
    auto *b = g.findChild<QPushButton *>("Command1");
    QCOMPARE(b->text(), QString("Salir"));
    QTest::mouseClick(b, Qt::LeftButton);
    QVERIFY(!g.isVisible());
}

QTEST_MAIN(TstGraficas)
#include "tst_graficas.moc"
