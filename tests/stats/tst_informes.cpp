// A result as the report data file and its reader, the reports' rules and PDFs, the charts' texts and window.
#include "archivoinforme.h"
#include "carpetaprueba.h"
#include "datosgraficas.h"
#include "frmgraficas.h"
#include "frmgraficaszonas.h"
#include "informes.h"
#include "modeloestadistica.h"
#include "module1.h"
#include "regional.h"
#include "textosgrafica.h"

#include <QBarCategoryAxis>
#include <QAbstractBarSeries>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QProcess>
#include <QPushButton>
#include <QStandardItemModel>
#include <QtTest>

using namespace DatosGraficas;

namespace {
const QString L1 = "100000000000001", L2 = "100000000000002";

// The rows of a case's query; case 4 is a long zones result (120 zones, several pages).
QList<QVariantList> filasDe(int caso)
{
    if (caso == 1)
        return {{"12/05/2026", 9, 3}, {"12/06/2026", 10, 2}, {"12/06/2026", 23, 1}};
    if (caso == 2)
        return {{"Nave \"A\"; muelle", 9, 12000}, {"Puerto", 10, 345}};
    if (caso == 3)
        return {{L1, "Zona A", 9, 2}, {L1, "Zona B", 10, 1}, {L1, "Zona B", 11, 1}, {L2, "Zona C", 9, 4}};
    QList<QVariantList> largo;
    for (int z = 0; z < 120; ++z)
        largo.append({QString("Zona %1").arg(z, 3, 10, QChar('0')), z % 24, z + 1});
    return largo;
}
int clase(int caso) { return caso == 4 ? 2 : caso; }

QByteArray leer(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool grabarRejilla(int caso)
{
    ResultadoEstadistica r;
    ModeloEstadistica m{r};
    r.Llenar(clase(caso), filasDe(caso));
    m.ConfigurarColumnas(r.TipoResultado);
    return GrabarArchivoTexto(ArchivoInforme::Ruta(), CadenaGrid(m));
}

// A chart read back: "title: series; categories; values".
QString grafica(const QWidget &w, const char *nombre)
{
    auto *v = w.findChild<QChartView *>(nombre);
    QStringList categorias, valores, series;
    for (QAbstractSeries *s : v->chart()->series())
        for (QBarSet *b : qobject_cast<QAbstractBarSeries *>(s)->barSets()) {
            series << b->label();
            for (int i = 0; i < b->count(); ++i)
                valores << QString::number(b->at(i));
        }
    for (QAbstractAxis *eje : v->chart()->axes())
        if (auto *c = qobject_cast<QBarCategoryAxis *>(eje))
            categorias << c->categories() << (c->labelsTruncated() ? "(etiquetas cortadas)" : "");
    categorias.removeAll(QString());
    return v->chart()->title() + ": " + series.join(',') + "; " + categorias.join(',') + "; " + valores.join(',');
}

// Zone i has 10 (i + 1) positions at 8 h and i + 1 at 20 + i h.
ResultadoEstadistica zonas(const QStringList &nombres)
{
    ResultadoEstadistica r;
    QList<QVariantList> filas;
    for (int i = 0; i < nombres.size(); ++i)
        filas << QVariantList{nombres[i], 8, 10 * (i + 1)} << QVariantList{nombres[i], 20 + i, i + 1};
    r.Llenar(2, filas);
    return r;
}
}

class TstInformes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup() { carpeta.reset(); }
    void archivoYLector();
    void reglasDetalle_data();
    void reglasDetalle();
    void pdf_data();
    void pdf();
    void textosDeGraficas();
    void graficas_data();
    void graficas();
    void numerosDeGraficas_data();
    void numerosDeGraficas();

private:
    std::unique_ptr<CarpetaPrueba> carpeta;
};

void TstInformes::init()
{
    carpeta = std::make_unique<CarpetaPrueba>();
    Module1::NombreTitular = "Transportes <Norte> S.L.";
}

void TstInformes::archivoYLector()
{
    const QString ruta = ArchivoInforme::Ruta();
    QVERIFY(GrabarArchivoTexto(ruta, QString(5000, QLatin1Char('x'))));
    // The window's initial grid: 200 rows of four empty cells, no captions.
    ResultadoEstadistica r;
    ModeloEstadistica m(r);
    QVERIFY(GrabarArchivoTexto(ruta, CadenaGrid(m)));
    QCOMPARE(leer(ruta), QByteArray("\"\";\"\";\"\";\"\";\r\n").repeated(201) + "\r\n");
    QVERIFY(!GrabarArchivoTexto(QDir(carpeta->ruta()).filePath("no/existe.txt"), "x"));
    // The reader gives back captions and a row of awkward texts.
    const QStringList campos{"Zona", "", "Nave \"A\"; muelle", "\"", ";;", "\"\";", "Ñandú"};
    QStandardItemModel una(1, int(campos.size()));
    for (int c = 0; c < campos.size(); ++c) {
        una.setHorizontalHeaderItem(c, new QStandardItem(campos[c]));
        una.setItem(0, c, new QStandardItem(campos[c]));
    }
    // The file keeps the stored empty zone where the grid shows "(sin zona)".
    const ResultadoEstadistica z = zonas({"", "Puerto"});
    ModeloEstadistica mz(z);
    mz.ConfigurarColumnas(2);
    QVERIFY(CadenaGrid(mz).section("\r\n", 1, 1).startsWith("\"\";"));
    QVERIFY(GrabarArchivoTexto(ruta, CadenaGrid(una)));
    DatosInforme d;
    QVERIFY(d.Abrir(ruta));
    QCOMPARE(d.Campos, campos);
    QCOMPARE(d.Registros, QList<QStringList>{campos});
}

void TstInformes::reglasDetalle_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("registro");  // fields 0 and 1; the third field is 1234567
    QTest::addColumn<QString>("banda");     // background, colour of Field1 to Field25, Field1's text|Field26's text
    QTest::newRow("dias: un dia") << 1 << "05/12/2026|3" << "blanco negro 05 diciembre 2026|";
    QTest::newRow("dias: totales") << 1 << "Totales:|9" << "gris azul Totales:|";
    QTest::newRow("dias: no es fecha") << 1 << "otro|" << "blanco negro otro|";
    QTest::newRow("zonas: una zona, su total con miles") << 2 << "Puerto|" << "blanco negro Puerto|1.234.567";
    QTest::newRow("zonas: totales") << 2 << "Totales:|" << "gris azul Totales:|1.234.567";
    QTest::newRow("loc: una fila") << 3 << L1 + "|Zona A" << "blanco negro Zona A|" + L1;
    QTest::newRow("zonas: sin zona") << 2 << "|" << "blanco negro (sin zona)|1.234.567";
    QTest::newRow("loc: sin zona") << 3 << L1 + "|" << "blanco negro (sin zona)|" + L1;
    QTest::newRow("loc: subtotal") << 3 << "Subtotal|" << "gris azul |Subtotal";
    QTest::newRow("loc: totales") << 3 << "|Totales:" << "gris rojo Totales:|";
    QTest::newRow("loc: zona llamada Totales: en un subtotal") << 3 << "Subtotal|Totales:" << "gris rojo Totales:|Subtotal";
}

void TstInformes::reglasDetalle()
{
    QFETCH(int, tipo);
    QFETCH(QString, registro);
    QFETCH(QString, banda);
    const QMap<QRgb, QString> colores{{qRgb(200, 200, 200), "gris"}, {qRgb(255, 255, 255), "blanco"},
                                      {qRgb(0, 0, 255), "azul"}, {qRgb(0, 0, 0), "negro"}, {qRgb(255, 0, 0), "rojo"}};
    auto informe = CrearInforme(tipo);
    // The fields are bound by name: reportzonas's SubTotal and rptlocalizadoreszonas's Localizador are Field26.
    informe->DAODataControl1.Leer(tipo == 1   ? "\"Fecha\";\"0H\";\r\n"
                                  : tipo == 2 ? "\"Zona\";\"0H\";\"SubTotal\";\r\n"
                                              : "\"Localizador\";\"Zona\";\"0H\";\r\n");
    const BandaDetalle b = informe->Banda(registro.split('|') << "1234567");
    for (int i = 1; i < 25; ++i)
        QCOMPARE(b.colores[size_t(i)], b.colores[0]);
    QCOMPARE(b.colores[25], QColor(0, 0, 0));  // Field26 keeps its design colour
    QCOMPARE(colores.value(b.fondo.rgb()) + ' ' + colores.value(b.colores[0].rgb()) + ' ' + b.textos[0] + '|' + b.textos[25],
             banda);
}

void TstInformes::pdf_data()
{
    QTest::addColumn<int>("caso");
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<QStringList>("textos");
    QTest::newRow("rptdias") << 1 << "TOTAL LOCALIZACIONES POR DIAS Y HORAS"
                             << QStringList{"05 diciembre 2026", "06 diciembre 2026", "Totales:", "23H", "Fecha"};
    QTest::newRow("reportzonas, con comillas y punto y coma") << 2 << "TOTAL LOCALIZACIONES POR ZONAS"
                                 << QStringList{"Nave \"A\"; muelle", "12.345", "SubTotal", "Zona"};
    QTest::newRow("rptlocalizadoreszonas") << 3 << "TOTAL LOCALIZACIONES POR ZONAS"
                                           << QStringList{"Zona C", L2, "Localizador", "Totales:"};
    QStringList zonas{"7.260"};  // 1 + 2 + ... + 120
    for (const QVariantList &f : filasDe(4))
        zonas << f[0].toString();
    QTest::newRow("reportzonas en varias paginas") << 4 << "TOTAL LOCALIZACIONES POR ZONAS" << zonas;
}

void TstInformes::pdf()
{
    QFETCH(int, caso);
    QFETCH(QString, titulo);
    QFETCH(QStringList, textos);
    QCOMPARE(ArchivoInforme::Ruta(), QDir(carpeta->ruta()).filePath("TempReport.txt"));
    QVERIFY(grabarRejilla(caso));
    const char *dorados[] = {"dias.txt", "zonas.txt", "localizadoreszonas.txt"};
    if (caso < 4)
        QCOMPARE(leer(ArchivoInforme::Ruta()), leer(QStringLiteral(CARPETA_INFORMES "/") + dorados[caso - 1]));
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext is not installed");
    auto informe = CrearInforme(clase(caso));
    const QString pdf = QDir(carpeta->ruta()).filePath("informe.pdf");
    QVERIFY(informe->ExportarPdf(pdf));
    QProcess p;
    p.start("pdftotext", {"-layout", pdf, "-"});
    QVERIFY(p.waitForFinished(30000));
    const QString texto = QString::fromUtf8(p.readAllStandardOutput());
    const int paginas = informe->Paginas();
    QVERIFY2(caso == 4 ? paginas >= 3 : paginas == 1, qPrintable(QString::number(paginas)));
    // The page header on every page, the page number in every footer.
    QCOMPARE(texto.count("\f"), paginas);
    QCOMPARE(texto.count(titulo), paginas);
    QCOMPARE(texto.count(Module1::NombreTitular), paginas);
    QVERIFY(texto.contains(QString("Pag %1").arg(paginas)) && !texto.contains(QString("Pag %1").arg(paginas + 1)));
    for (const QString &t : textos + QStringList{Regional::FechaCorta(QDate::currentDate())})
        QVERIFY2(texto.contains(t), qPrintable(t + " not in:\n" + texto));
}

void TstInformes::textosDeGraficas()
{
    // The texts' values are read back in graficas(). A result as long as the design's table: the totals row at index 1000, then one more item.
    ResultadoEstadistica r;
    QList<QVariantList> filas;
    for (int i = 0; i < TablaTextos::FilasIniciales - 1; ++i)
        filas.append({QString("Z%1").arg(i, 4, 10, QChar('0')), 1, 1});
    r.Llenar(2, filas);
    QCOMPARE(r.MaxFilas, TablaTextos::FilasIniciales);
    const QStringList todas = Partir(PreparadatosZonas(r));
    QCOMPARE(todas.size(), r.MaxFilas + 2);  // MaxFilas + 1 items, then the piece after the last "|"
    QCOMPARE(todas.at(r.MaxFilas - 1) + todas.last(), QString("Totales:"));
}

void TstInformes::graficas_data()
{
    QTest::addColumn<QStringList>("nombres");
    QTest::addColumn<QString>("porZona");  // MSChart1
    QTest::newRow("tres zonas") << QStringList{"Almacén", "Puerto", "Nave 3"}
                                << "IMPACTOS POR ZONAS: Total Impactos; Almacén,Puerto,Nave 3,Totales:; 11,22,33,66";
    QTest::newRow("nombres con barras") << QStringList{"Nave|1", "C:\\x\\|"}
                                        << "IMPACTOS POR ZONAS: Total Impactos; Nave|1,C:\\x\\|,Totales:; 11,22,33";
    const QString largo = "Polígono Industrial de Vallecas, muelle de carga norte";
    QTest::newRow("sin zona y nombres largos") << QStringList{"", largo, largo + " 2", "Puerto"}
        << "IMPACTOS POR ZONAS: Total Impactos; (sin zona)," + largo + "," + largo + " 2,Puerto,Totales:; 11,22,33,44,110";
}

// The zones chart window; the days chart window draws its hours with the same code as MSChart2.
void TstInformes::graficas()
{
    QFETCH(QStringList, nombres);
    QFETCH(QString, porZona);
    const ResultadoEstadistica z = zonas(nombres);
    frmgraficaszonas g;
    g.NumFilas2 = qint16(z.MaxFilas);
    g.Datos1 = PreparadatosResumen1(z);
    g.Datos2 = PreparadatosResumen2(z);
    g.Zonas = PreparadatosZonas(z);
    // The hour chart: 24 hours (the 25th item, the grand total, is not charted), an hour without
    // positions at 0, the values of the zones grid's "Totales:" row.
    QStringList horas, totales;
    for (int h = 0; h < 24; ++h)
        horas << QString("%1H").arg(h);
    for (int h = 1; h <= 24; ++h)
        totales << QString::number(z.TablaEstadistica.Celda(z.MaxFilas - 1, h).toInt());
    // Filled at every showing, with the same data and no second series.
    for (int vez = 0; vez < 2; ++vez) {
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        QCOMPARE(grafica(g, "MSChart1"), porZona);
        QCOMPARE(grafica(g, "MSChart2"), "IMPACTOS POR HORAS: Total Impactos; " + horas.join(',') + "; " + totales.join(','));
        g.hide();
    }
    g.show();
    QTest::mouseClick(g.findChild<QPushButton *>("Command1"), Qt::LeftButton);
    QVERIFY(!g.isVisible());
}

void TstInformes::numerosDeGraficas_data()
{
    QTest::addColumn<QStringList>("valores");
    QTest::addColumn<QStringList>("barras");
    QTest::addColumn<QStringList>("eje");  // the count axis, sorted as texts
    QTest::newRow("un impacto: sin medios") << QStringList{"1", "0"} << QStringList{"1"} << QStringList{"0", "1", "2"};
    QTest::newRow("sin impactos") << QStringList{"0", "0"} << QStringList{} << QStringList{"0", "1"};
    QTest::newRow("millones, sin exponente") << QStringList{"1234567", "20"} << QStringList{"1.234.567", "20"}
                                             << QStringList{"0", "1.000.000", "1.500.000", "500.000"};
}

// Counts on a chart as the program writes numbers: whole, "." for thousands.
void TstInformes::numerosDeGraficas()
{
    QFETCH(QStringList, valores);
    QChartView vista;
    vista.resize(600, 400);
    LlenarGrafica(&vista, {"a", "b"}, valores);
    vista.show();
    QVERIFY(QTest::qWaitForWindowExposed(&vista));
    QApplication::processEvents();
    const Prueba::TextosGrafica t = Prueba::textosGrafica(vista);
    QTEST(t.barras, "barras");
    QTEST(t.ejes.filter(QRegularExpression("^[0-9.,]+$")), "eje");
}

QTEST_MAIN(TstInformes)
#include "tst_informes.moc"
