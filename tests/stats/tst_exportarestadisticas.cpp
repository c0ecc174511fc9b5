// The statistics window with locators by name: the lists and the kind-3 rows show names while the
// queries and the report data file keep the IMEIs; the grid as shown goes out as CSV or XLSX, the
// report as a PDF in one click.
#include "archivoinforme.h"
#include "archivosprueba.h"
#include "carpetaprueba.h"
#include "consultasestadisticas.h"
#include "dialogosguion.h"
#include "exportacion.h"
#include "frmestadisticas.h"
#include "module1.h"
#include "nombreslocalizadores.h"
#include "posiciones.h"
#include "proveedor.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

namespace {
const QString kTitular = "B11111111", L1 = "100000000000001", L2 = "100000000000002";
const QString kD1 = "01/12/2026", kD2 = "10/12/2026";
}

class TstExportarEstadisticas : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup() { w.reset(); guion.reset(); carpeta.reset(); }
    void nombresEnPantallaImeisEnConsultas_data();
    void nombresEnPantallaImeisEnConsultas();
    void exportarComoSeMuestra();
    void sinEstadisticaNoSeExporta();
    void pdfEnUnClic();

private:
    std::unique_ptr<CarpetaPrueba> carpeta;
    std::unique_ptr<DialogosGuion> guion;
    std::unique_ptr<frmestadisticas> w;
    QTemporaryDir salida;
    void filtrar(int indice, int localizador = 0);
    template <class T> T *hijo(const char *n) { return w->findChild<T *>(QLatin1String(n)); }
};

void TstExportarEstadisticas::init()
{
    carpeta = std::make_unique<CarpetaPrueba>();
    guion = std::make_unique<DialogosGuion>();
    QVERIFY(carpeta->crearBaseLocal() && carpeta->crearServicioVacio());
    const QString l = "INSERT INTO LOCALIZADORES (TITULAR, NOMBRE, DESCRIPCION) VALUES('%1','%2',%3)";
    QVERIFY(CarpetaPrueba::ejecutarEn(RutaServicioDemo(), {l.arg(kTitular, L1, "'Furgoneta 1'"), l.arg(kTitular, L2, "NULL")}));
    QVERIFY(carpeta->conectarLocal() && carpeta->conectarRemoto());
    Module1::CodigoTitular = kTitular;
    QVERIFY(NombresLocalizadores().GuardarAlias(Module1::BaseLocal(), L2, "Moto; \"roja\""));
    QList<Posicion> p;
    for (const auto &[imei, hora, zona] : QList<std::tuple<QString, int, QString>>{
             {L1, 9, "Almacén"}, {L1, 10, "Nave"}, {L2, 9, "Nave"}})
        p << Posicion{imei, QDateTime(QDate(2026, 12, 3), QTime(hora, 0), Qt::UTC), "40", "-3", "9", "", zona};
    QVERIFY(Posiciones::guardarLocal(p));
    w = std::make_unique<frmestadisticas>();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
}

void TstExportarEstadisticas::filtrar(int indice, int localizador)
{
    hijo<QLineEdit>("txtfecha1")->setText(kD1);
    hijo<QLineEdit>("txtfecha2")->setText(kD2);
    hijo<QComboBox>("lstlocalizadores")->setCurrentIndex(localizador);
    hijo<QComboBox>("DropDownList1")->setCurrentIndex(indice);
    hijo<QPushButton>("btnfiltrar")->click();
}

void TstExportarEstadisticas::nombresEnPantallaImeisEnConsultas_data()
{
    QTest::addColumn<int>("localizador");
    QTest::newRow("todos") << 0;
    QTest::newRow("uno") << 1;
}

void TstExportarEstadisticas::nombresEnPantallaImeisEnConsultas()
{
    QFETCH(int, localizador);
    auto *lista = hijo<QComboBox>("lstlocalizadores");
    QStringList vistos;
    for (int i = 0; i < lista->count(); ++i)
        vistos << lista->itemText(i);
    QCOMPARE(vistos, (QStringList{"Todos", "Furgoneta 1 (" + L1 + ")", "Moto; \"roja\" (" + L2 + ")"}));

    filtrar(2, localizador);
    const QString esperado = ConsultasEstadisticas::SqlEstadistica(3, {"Todos", L1, L2}, localizador ? L1 : "Todos", kD1, kD2, "");
    QCOMPARE(Module1::BaseLocal().TextosEnviados().last(), esperado);
    QVERIFY(esperado.contains("IMEI='" + L1 + "'"));
    // Kind 3 on screen: the locator's name on its first row; subtotals and totals as they are.
    const QAbstractItemModel *m = hijo<QTableView>("TDBGrid1")->model();
    QStringList columna0;
    for (int f = 0; f < m->rowCount(); ++f)
        columna0 << m->index(f, 0).data().toString();
    QCOMPARE(columna0.first(), "Furgoneta 1 (" + L1 + ")");
    QCOMPARE(columna0.mid(1, 2), (QStringList{"", "Subtotal"}));
    // The report data file keeps the IMEI.
    guion->respuestasArchivo.enqueue(QString());  // the PDF's name: cancelled
    hijo<QPushButton>("btnpdf")->click();
    const QString informe = QString::fromUtf8(Prueba::leerArchivo(ArchivoInforme::Ruta()));
    QVERIFY2(informe.contains("\"" + L1 + "\";") && !informe.contains("Furgoneta"), qPrintable(informe));
}

void TstExportarEstadisticas::exportarComoSeMuestra()
{
    filtrar(2);
    const QString csv = salida.filePath("localizadores.csv"), xlsx = salida.filePath("localizadores.xlsx");
    guion->respuestasArchivo << csv << xlsx;
    hijo<QPushButton>("btnexportar")->click();
    hijo<QPushButton>("btnexportar")->click();
    QCOMPARE(guion->textos(), (QStringList{Exportacion::MensajeEscrito(csv), Exportacion::MensajeEscrito(xlsx)}));
    const QStringList lineas = QString::fromUtf8(Prueba::leerArchivo(csv)).split("\r\n");
    QVERIFY(Prueba::leerArchivo(csv).startsWith("\xEF\xBB\xBF\"Localizador\";\"Zona\";\"0H\";"));
    const QString horas0a6 = ";;;;;;;;;";  // 0H to 8H empty before the 9 o'clock count
    QCOMPARE(lineas.mid(1), (QStringList{
        "\"Furgoneta 1 (" + L1 + ")\";\"Almacén\"" + horas0a6 + ";1" + QString(14, ';'),
        ";\"Nave\"" + horas0a6 + ";;1" + QString(13, ';'),
        "\"Subtotal\";" + horas0a6 + ";1;1" + QString(13, ';'),
        "\"Moto; \"\"roja\"\" (" + L2 + ")\";\"Nave\"" + horas0a6 + ";1" + QString(14, ';'),
        "\"Subtotal\";" + horas0a6 + ";1" + QString(14, ';'),
        ";\"Totales:\"" + horas0a6 + ";2;1" + QString(13, ';'),
        ""}));
    QVERIFY(Prueba::leerArchivo(xlsx).startsWith("PK"));
}

void TstExportarEstadisticas::sinEstadisticaNoSeExporta()
{
    guion->respuestasArchivo << salida.filePath("x.csv");
    hijo<QPushButton>("btnexportar")->click();
    filtrar(0);
    hijo<QLineEdit>("txtfecha2")->setText("20/12/2026");
    hijo<QLineEdit>("txtfecha1")->setText("15/12/2026");
    hijo<QPushButton>("btnfiltrar")->click();  // no positions: the grid is hidden
    hijo<QPushButton>("btnexportar")->click();
    QCOMPARE(hijo<QLabel>("lblmensaje")->text(), QString("No hay ninguna estadística que exportar"));
    QCOMPARE(guion->respuestasArchivo.size(), 1);  // never asked for a file
    QVERIFY(guion->mensajes.isEmpty());
}

void TstExportarEstadisticas::pdfEnUnClic()
{
    filtrar(1);
    const QString pdf = salida.filePath("zonas.pdf");
    QVERIFY(QFile(pdf).open(QIODevice::WriteOnly));
    guion->respuestasArchivo << pdf;
    guion->respuestasMsgBox << vb::vbYes;
    hijo<QPushButton>("btnpdf")->click();
    QCOMPARE(guion->textos(), (QStringList{Exportacion::MensajeReemplazar(pdf), Exportacion::MensajeEscrito(pdf)}));
    QVERIFY(Prueba::leerArchivo(pdf).startsWith("%PDF"));
}

QTEST_MAIN(TstExportarEstadisticas)
#include "tst_exportarestadisticas.moc"
