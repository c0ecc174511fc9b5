// The report data file (byte for byte against golden files), its reader, the reports' record
// rules and the reports rendered to PDF and read back as text.
#include "archivoinforme.h"
#include "carpetaprueba.h"
#include "informes.h"
#include "modeloestadistica.h"
#include "module1.h"
#include "regional.h"

#include <QDate>
#include <QFile>
#include <QProcess>
#include <QStandardItemModel>
#include <QtTest>

namespace {
const QString L1 = "100000000000001", L2 = "100000000000002";

QList<QVariantList> filasDe(int tipo)
{
    switch (tipo) {
    case 1: return {{"12/05/2026", 9, 3}, {"12/06/2026", 10, 2}, {"12/06/2026", 23, 1}};
    case 2: return {{"Nave \"A\"; muelle", 9, 12000}, {"Puerto", 10, 345}};
    default:
        return {{L1, "Zona A", 9, 2}, {L1, "Zona B", 10, 1}, {L1, "Zona B", 11, 1}, {L2, "Zona C", 9, 4}};
    }
}

QByteArray leer(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The grid of a window after a statistic: result, model with its columns.
struct Rejilla {
    ResultadoEstadistica r;
    ModeloEstadistica m{r};
    explicit Rejilla(int tipo, const QList<QVariantList> &filas)
    {
        m.AntesDeCambiar();
        r.Llenar(tipo, filas);
        m.ConfigurarColumnas(tipo);
        m.DespuesDeCambiar();
    }
};

QString textoPdf(const QString &pdf)
{
    QProcess p;
    p.start("pdftotext", {"-layout", pdf, "-"});
    if (!p.waitForFinished(30000))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}
}

class TstInformes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void archivoDorado_data();
    void archivoDorado();
    void archivoReemplazado();
    void lectorIdaYVuelta_data();
    void lectorIdaYVuelta();
    void reglasDetalle_data();
    void reglasDetalle();
    void camposPorNombre();
    void pdf_data();
    void pdf();
    void pdfLargo();

private:
    std::unique_ptr<CarpetaPrueba> carpeta;
    bool hayPdftotext = false;
};

void TstInformes::init()
{
    carpeta = std::make_unique<CarpetaPrueba>();
    Module1::NombreTitular = "Transportes <Norte> S.L.";
    hayPdftotext = !QStandardPaths::findExecutable("pdftotext").isEmpty();
}

void TstInformes::cleanup() { carpeta.reset(); }

void TstInformes::archivoDorado_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("dorado");
    QTest::addColumn<int>("lineas");
    QTest::newRow("dias y horas") << 1 << "dias.txt" << 4;
    QTest::newRow("zonas, con comillas y punto y coma") << 2 << "zonas.txt" << 4;
    QTest::newRow("localizadores y zonas") << 3 << "localizadoreszonas.txt" << 7;
}

void TstInformes::archivoDorado()
{
    QFETCH(int, tipo);
    QFETCH(QString, dorado);
    QFETCH(int, lineas);
    Rejilla g(tipo, filasDe(tipo));
    const QString ruta = ArchivoInforme::Ruta();
    QCOMPARE(QFileInfo(ruta).absolutePath(), QFileInfo(carpeta->ruta()).absoluteFilePath());
    QCOMPARE(QFileInfo(ruta).fileName(), QString("TempReport.txt"));
    QVERIFY(GrabarArchivoTexto(ruta, CadenaGrid(g.m)));
    const QByteArray escrito = leer(ruta);
    QCOMPARE(escrito, leer(QStringLiteral(CARPETA_INFORMES "/") + dorado));
    // Header and rows, then the final empty line; no BOM.
    QVERIFY(!escrito.startsWith("\xEF\xBB\xBF"));
    QVERIFY(escrito.endsWith("\";\r\n\r\n"));
    QCOMPARE(escrito.count("\r\n"), lineas + 1);
    const QByteArray cabecera = escrito.left(escrito.indexOf("\r\n"));
    QCOMPARE(cabecera.count("\";"), tipo == 1 ? 25 : 26);
    QVERIFY(cabecera.endsWith(';'));
}

void TstInformes::archivoReemplazado()
{
    const QString ruta = ArchivoInforme::Ruta();
    QVERIFY(GrabarArchivoTexto(ruta, QString(5000, QLatin1Char('x'))));
    // The window's initial grid: 200 rows of four empty cells, no captions.
    ResultadoEstadistica r;
    ModeloEstadistica m(r);
    QVERIFY(GrabarArchivoTexto(ruta, CadenaGrid(m)));
    QByteArray esperado;
    for (int i = 0; i < 201; ++i)
        esperado += "\"\";\"\";\"\";\"\";\r\n";
    QCOMPARE(leer(ruta), esperado + "\r\n");
    QVERIFY(!GrabarArchivoTexto(QDir(carpeta->ruta()).filePath("no/existe.txt"), "x"));
}

void TstInformes::lectorIdaYVuelta_data()
{
    QTest::addColumn<QStringList>("campos");
    QTest::newRow("ordinarios") << QStringList{"Zona", "0H", "SubTotal"};
    QTest::newRow("vacios") << QStringList{"", "", ""};
    QTest::newRow("comillas y punto y coma") << QStringList{"Nave \"A\"; muelle", "\"", ";;", "\"\";"};
    QTest::newRow("acentos") << QStringList{"Almacén Ñandú", "niños"};
}

void TstInformes::lectorIdaYVuelta()
{
    QFETCH(QStringList, campos);
    // Through a one-row model: captions and one row of the same texts.
    QStandardItemModel m(1, int(campos.size()));
    for (int c = 0; c < campos.size(); ++c) {
        m.setHorizontalHeaderItem(c, new QStandardItem(campos[c]));
        m.setItem(0, c, new QStandardItem(campos[c]));
    }
    QVERIFY(GrabarArchivoTexto(ArchivoInforme::Ruta(), CadenaGrid(m)));
    DatosInforme d;
    QVERIFY(d.Abrir(ArchivoInforme::Ruta()));
    QCOMPARE(d.Campos, campos);
    QCOMPARE(d.Registros.size(), 1);
    QCOMPARE(d.Registros[0], campos);
}

void TstInformes::reglasDetalle_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("campo0");
    QTest::addColumn<QString>("campo1");
    QTest::addColumn<QColor>("fondo");
    QTest::addColumn<QColor>("texto");   // Field1 to Field25
    QTest::addColumn<QString>("field1");
    const QColor gris(200, 200, 200), blanco(255, 255, 255), azul(0, 0, 255), negro(0, 0, 0), rojo(255, 0, 0);
    QTest::newRow("dias: un dia") << 1 << "05/12/2026" << "3" << blanco << negro << "05 diciembre 2026";
    QTest::newRow("dias: enero") << 1 << "01/01/2027" << "" << blanco << negro << "01 enero 2027";
    QTest::newRow("dias: totales") << 1 << "Totales:" << "9" << gris << azul << "Totales:";
    QTest::newRow("dias: no es fecha") << 1 << "otro" << "" << blanco << negro << "otro";
    QTest::newRow("zonas: una zona") << 2 << "Puerto" << "" << blanco << negro << "Puerto";
    QTest::newRow("zonas: totales") << 2 << "Totales:" << "" << gris << azul << "Totales:";
    QTest::newRow("loc: una fila") << 3 << L1 << "Zona A" << blanco << negro << "Zona A";
    QTest::newRow("loc: subtotal") << 3 << "Subtotal" << "" << gris << azul << "";
    QTest::newRow("loc: totales") << 3 << "" << "Totales:" << gris << rojo << "Totales:";
    QTest::newRow("loc: zona llamada Totales: en un subtotal") << 3 << "Subtotal" << "Totales:" << gris << rojo << "Totales:";
}

void TstInformes::reglasDetalle()
{
    QFETCH(int, tipo);
    QFETCH(QString, campo0);
    QFETCH(QString, campo1);
    QFETCH(QColor, fondo);
    QFETCH(QColor, texto);
    QFETCH(QString, field1);
    auto informe = CrearInforme(tipo);
    QVERIFY(informe);
    informe->DAODataControl1.Leer(tipo == 1 ? "\"Fecha\";\"0H\";\r\n" :
                                  tipo == 2 ? "\"Zona\";\"0H\";\"SubTotal\";\r\n" : "\"Localizador\";\"Zona\";\"0H\";\r\n");
    QStringList registro{campo0, campo1, "7"};
    const BandaDetalle b = informe->Banda(registro);
    QCOMPARE(b.fondo, fondo);
    for (int i = 0; i < 25; ++i)
        QCOMPARE(b.colores[size_t(i)], texto);
    QCOMPARE(b.colores[25], QColor(0, 0, 0));  // Field26 keeps its design colour
    QCOMPARE(b.textos[0], field1);
}

void TstInformes::camposPorNombre()
{
    // reportzonas's SubTotal in "#,##0" with the program's separators; the fields follow the
    // header's names, so a report opened on another kind's file leaves the missing ones empty.
    reportzonas z;
    z.DAODataControl1.Leer(QString::fromUtf8(leer(CARPETA_INFORMES "/zonas.txt")));
    const BandaDetalle tot = z.Banda(z.DAODataControl1.Registros.last());
    QCOMPARE(tot.textos[0], QString("Totales:"));
    QCOMPARE(tot.textos[25], QString("12.345"));
    QCOMPARE(tot.textos[10], QString("12000"));
    QCOMPARE(reportzonas::Miles("1234567"), QString("1.234.567"));
    QCOMPARE(reportzonas::Miles("999"), QString("999"));
    QCOMPARE(reportzonas::Miles(""), QString(""));
    rptlocalizadoreszonas l;
    l.DAODataControl1.Leer(QString::fromUtf8(leer(CARPETA_INFORMES "/zonas.txt")));
    const BandaDetalle b = l.Banda(l.DAODataControl1.Registros.first());
    QCOMPARE(b.textos[0], QString("Nave \"A\"; muelle"));
    QCOMPARE(b.textos[10], QString("12000"));
    QCOMPARE(b.textos[25], QString());  // no "Localizador" column in a zones file
}

void TstInformes::pdf_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<QStringList>("textos");
    QTest::newRow("rptdias") << 1 << "TOTAL LOCALIZACIONES POR DIAS Y HORAS"
                             << QStringList{"05 diciembre 2026", "06 diciembre 2026", "Totales:", "23H", "Fecha"};
    QTest::newRow("reportzonas") << 2 << "TOTAL LOCALIZACIONES POR ZONAS"
                                 << QStringList{"Nave \"A\"; muelle", "12.345", "SubTotal", "Zona"};
    QTest::newRow("rptlocalizadoreszonas") << 3 << "TOTAL LOCALIZACIONES POR ZONAS"
                                           << QStringList{"Zona C", L2, "Localizador", "Totales:"};
}

void TstInformes::pdf()
{
    QFETCH(int, tipo);
    QFETCH(QString, titulo);
    QFETCH(QStringList, textos);
    if (!hayPdftotext)
        QSKIP("pdftotext is not installed");
    Rejilla g(tipo, filasDe(tipo));
    QVERIFY(GrabarArchivoTexto(ArchivoInforme::Ruta(), CadenaGrid(g.m)));
    auto informe = CrearInforme(tipo);
    const QString pdf = QDir(carpeta->ruta()).filePath("informe.pdf");
    QVERIFY(informe->ExportarPdf(pdf));
    QCOMPARE(informe->Paginas(), 1);
    QCOMPARE(informe->lblplantilla, Module1::NombreTitular);
    QCOMPARE(informe->lblahora, Regional::FechaCorta(QDate::currentDate()));
    const QString texto = textoPdf(pdf);
    for (const QString &t : QStringList{titulo, Module1::NombreTitular, Regional::FechaCorta(QDate::currentDate()), "Pag 1"} + textos)
        QVERIFY2(texto.contains(t), qPrintable(t + " not in:\n" + texto));
    QVERIFY(!texto.contains("Pag 2"));
    if (tipo == 1)
        QVERIFY(!texto.contains("05/12/2026"));  // the days are shown in words
}

void TstInformes::pdfLargo()
{
    if (!hayPdftotext)
        QSKIP("pdftotext is not installed");
    QList<QVariantList> filas;
    for (int z = 0; z < 120; ++z)
        filas.append({QString("Zona %1").arg(z, 3, 10, QChar('0')), z % 24, z + 1});
    Rejilla g(2, filas);
    QVERIFY(GrabarArchivoTexto(ArchivoInforme::Ruta(), CadenaGrid(g.m)));
    reportzonas informe;
    const QString pdf = QDir(carpeta->ruta()).filePath("largo.pdf");
    QVERIFY(informe.ExportarPdf(pdf));
    const QString texto = textoPdf(pdf);
    const int paginas = informe.Paginas();
    QVERIFY2(paginas >= 3, qPrintable(QString::number(paginas)));
    QCOMPARE(texto.count("\f"), paginas);
    QCOMPARE(texto.count("TOTAL LOCALIZACIONES POR ZONAS"), paginas);  // the header on every page
    QVERIFY(texto.contains(QString("Pag %1").arg(paginas)));
    QVERIFY(!texto.contains(QString("Pag %1").arg(paginas + 1)));
    for (int z = 0; z < 120; ++z)
        QVERIFY(texto.contains(QString("Zona %1").arg(z, 3, 10, QChar('0'))));
    QVERIFY(texto.contains("7.260"));  // 1 + 2 + ... + 120
}

QTEST_MAIN(TstInformes)
#include "tst_informes.moc"
