// The statistics window through its control names: lists, filter and calendar; locators by name on
// screen and by IMEI in queries and the report file; exports; report, chart and map windows (real engine).
#include "archivoinforme.h"
#include "archivosprueba.h"
#include "carpetaprueba.h"
#include "consultasestadisticas.h"
#include "datosgraficas.h"
#include "dialogosguion.h"
#include "entorno.h"
#include "exportacion.h"
#include "frmestadisticas.h"
#include "frmgraficas.h"
#include "frmgraficaszonas.h"
#include "frmzonas.h"
#include "minicalendar.h"
#include "module1.h"
#include "nombreslocalizadores.h"
#include "posiciones.h"
#include "proveedor.h"
#include "pruebaweb.h"
#include "regional.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

using Prueba::esperar;
using Prueba::hijo;

namespace {
const QString kTitular = "B11111111", L1 = "100000000000001", L2 = "100000000000002", kNave = "Nave 'A' <sig> & 2";
const QString kL1 = "Furgoneta 1 (" + L1 + ")", kL2 = "Moto; \"roja\" (" + L2 + ")";  // as the lists show them

// Clicks a button and describes every modal window it opens (describir may wait on the window),
// closing each once described.
QStringList pulsarConModal(QPushButton *b, const std::function<QString(QWidget *)> &describir)
{
    QStringList abiertas;
    bool ocupado = false;
    QTimer t;
    t.setInterval(10);
    QObject::connect(&t, &QTimer::timeout, &t, [&] {
        QWidget *w = QApplication::activeModalWidget();
        if (!w || ocupado)
            return;
        ocupado = true;
        abiertas << QString(w->metaObject()->className()) + ' ' + describir(w);
        w->close();
        ocupado = false;
    });
    t.start();
    QTest::mouseClick(b, Qt::LeftButton);
    return abiertas;
}

// A list's entries, then its current index.
QStringList entradas(const QComboBox *c)
{
    QStringList s;
    for (int i = 0; i < c->count(); ++i)
        s << c->itemText(i);
    return s << QString::number(c->currentIndex());
}
}

class TstFrmEstadisticas : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup() { w.reset(); guion.reset(); carpeta.reset(); }
    void cargaListasYCalendario();
    void filtrar_data();
    void filtrar();
    void botones_data();
    void botones();
    void imeisEnConsultas_data();
    void imeisEnConsultas();
    void exportar();

private:
    std::unique_ptr<CarpetaPrueba> carpeta;
    std::unique_ptr<DialogosGuion> guion;
    std::unique_ptr<frmestadisticas> w;
    QTemporaryDir salida;
    void abrir(bool nueva = true);
    void filtrarCon(int indice, const QString &d1 = "01/12/2026", const QString &d2 = "10/12/2026", int localizador = 0);
};

void TstFrmEstadisticas::init()
{
    carpeta = std::make_unique<CarpetaPrueba>();
    guion = std::make_unique<DialogosGuion>();
    QVERIFY(carpeta->crearBaseLocal() && carpeta->crearServicioVacio() && carpeta->enlazarPaginas());
    const QString l = "INSERT INTO LOCALIZADORES (TITULAR, NOMBRE, DESCRIPCION) VALUES('%1','%2',%3)";
    const QString z = "INSERT INTO Zonas (TITULAR, [Descripcion zona], [Coor Geo], Area) VALUES('%1','%2','%3','1')";
    QVERIFY(CarpetaPrueba::ejecutarEn(RutaServicioDemo(), {l.arg(kTitular, L1, "'Furgoneta 1'"), l.arg(kTitular, L2, "NULL"), l.arg("A0", "999", "'Ajeno'"),
                                                           z.arg(kTitular, "Almacén", "(40.41,-3.71)(40.42,-3.71)(40.4,-3.7)"),
                                                           z.arg(kTitular, "Nave ''A'' <sig> & 2", "(40.43,-3.69)(40.44,-3.69)(40.4,-3.6)"),
                                                           z.arg("A0", "Ajena", "(1,1)(2,2)(3,3)")}));
    QVERIFY(carpeta->conectarLocal() && carpeta->conectarRemoto());
    Module1::CodigoTitular = kTitular;
    QVERIFY(NombresLocalizadores().GuardarAlias(Module1::BaseLocal(), L2, "Moto; \"roja\""));
    Module1::NombreTitular = "Pruebas <Norte> S.L.";
    // L1 on 03/12: 2 at 9 h in Almacén, 1 at 10 h in kNave; L2 on 04/12: 4 at 9 h in kNave, 1 at 15 h in no zone.
    QList<Posicion> p;
    for (const auto &[imei, hora, n, zona] : QList<std::tuple<QString, int, int, QString>>{
             {L1, 9, 2, "Almacén"}, {L1, 10, 1, kNave}, {L2, 9, 4, kNave}, {L2, 15, 1, ""}})
        for (int i = 0; i < n; ++i)
            p << Posicion{imei, QDateTime(QDate(2026, 12, imei == L1 ? 3 : 4), QTime(hora, 0, i), Qt::UTC), "40", "-3", "9", "", zona};
    QVERIFY(Posiciones::guardarLocal(p));
}

void TstFrmEstadisticas::abrir(bool nueva)
{
    if (nueva)
        w = std::make_unique<frmestadisticas>();
    w->show();
    QApplication::setActiveWindow(w.get());
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
}

void TstFrmEstadisticas::filtrarCon(int indice, const QString &d1, const QString &d2, int localizador)
{
    hijo<QLineEdit>(*w, "txtfecha1")->setText(d1);
    hijo<QLineEdit>(*w, "txtfecha2")->setText(d2);
    hijo<QComboBox>(*w, "lstlocalizadores")->setCurrentIndex(localizador);
    hijo<QComboBox>(*w, "DropDownList1")->setCurrentIndex(indice);
    QTest::mouseClick(hijo<QPushButton>(*w, "btnfiltrar"), Qt::LeftButton);
}

void TstFrmEstadisticas::cargaListasYCalendario()
{
    w = std::make_unique<frmestadisticas>();
    QCOMPARE((QStringList{hijo<QLineEdit>(*w, "txtfecha1")->text(), hijo<QLineEdit>(*w, "txtfecha2")->text(),
                          hijo<QLabel>(*w, "lblcliente")->text(), hijo<QComboBox>(*w, "DropDownList1")->currentText()}),
             (QStringList{Regional::FechaCorta(QDate::currentDate()), Regional::FechaCorta(QDate::currentDate().addDays(1)),
                          "Pruebas <Norte> S.L.", "No"}));
    QCOMPARE(hijo<QLabel>(*w, "lblcliente")->textFormat(), Qt::PlainText);
    for (const char *n : {"txtfecha1", "txtfecha2", "lstlocalizadores", "lstzonas", "DropDownList1", "TDBGrid1"})
        QVERIFY2(!hijo<QWidget>(*w, n)->accessibleName().isEmpty(), n);
    auto *loc = hijo<QComboBox>(*w, "lstlocalizadores");
    auto *zon = hijo<QComboBox>(*w, "lstzonas");
    QCOMPARE(loc->count(), 0);  // filled on the first show
    abrir(false);
    QCOMPARE(entradas(loc) + entradas(zon), (QStringList{"Todos", kL1, kL2, "0", "", "Almacén", kNave, "-1"}));
    // The user's choices survive a later showing of the window.
    loc->setCurrentIndex(2);
    zon->setCurrentIndex(1);
    w->hide();
    abrir(false);
    QCOMPARE(entradas(loc).last() + entradas(zon).last(), QString("21"));
    QTest::mouseClick(hijo<QPushButton>(*w, "btnsalir"), Qt::LeftButton);
    QVERIFY(!w->isVisible());
    // A holder with no locators and no zones: the first entries alone, no locator chosen.
    Module1::CodigoTitular = "nadie";
    abrir();
    QCOMPARE(entradas(hijo<QComboBox>(*w, "lstlocalizadores")) + entradas(hijo<QComboBox>(*w, "lstzonas")),
             (QStringList{"Todos", "-1", "", "-1"}));
    auto *marco = hijo<QGroupBox>(*w, "frmcalendario");
    auto *mini = hijo<MiniCalendar>(*w, "MiniCalendar1");
    auto *f1 = hijo<QLineEdit>(*w, "txtfecha1"), *f2 = hijo<QLineEdit>(*w, "txtfecha2");
    // Not on opening: the focus is on the filter button.
    QVERIFY(!marco->isVisible() && QApplication::focusWidget() == hijo<QPushButton>(*w, "btnfiltrar"));
    // The focus opens the calendar on the box's date; a picked day is written in the short date form.
    f1->setText("15/03/2027");
    f1->setFocus();
    QVERIFY(esperar([&] { return marco->isVisible(); }));
    QCOMPARE(mini->FechaActual(), QDate(2027, 3, 15));
    QTest::mouseClick(mini, Qt::LeftButton, {}, mini->RectanguloCelda(mini->Label1(0).fecha.daysTo(QDate(2027, 3, 20))).center());
    QCOMPARE(f1->text() + (marco->isVisible() ? " visible" : ""), QString("20/03/2027"));
    // Cerrar closes it without writing.
    f2->setFocus();
    QVERIFY(esperar([&] { return marco->isVisible(); }) && w->CajaFecha == f2);
    QTest::mouseClick(hijo<QPushButton>(*w, "XPButton1"), Qt::LeftButton);
    QCOMPARE(f2->text() + (marco->isVisible() ? " visible" : ""), Regional::FechaCorta(QDate::currentDate().addDays(1)));
}

void TstFrmEstadisticas::filtrar_data()
{
    QTest::addColumn<int>("indice");
    QTest::addColumn<QString>("fechas");
    // lblmensaje | box with the focus and the calendar | grid caption, or "-" when hidden | chart and map buttons
    QTest::addColumn<QString>("estado");
    QTest::newRow("sin fecha 1") << 0 << "|01/12/2026" << "Fecha 1 sin concretar! | txtfecha1 txtfecha1 | - | 11";
    QTest::newRow("fecha 2 incorrecta") << 1 << "01/12/2026|xx" << "Fecha 2 Incorrecta | txtfecha2 txtfecha2 | - | 11";
    QTest::newRow("sin posiciones") << 1 << "20/12/2026|25/12/2026" << "No hay Posiciones para el filtro configurado | - | - | 11";
    QTest::newRow("dias") << 0 << "01/12/2026|10/12/2026" << " | - | Estadistica Impacto por Dias y Horas | 10";
    QTest::newRow("zonas") << 1 << "01/12/2026|10/12/2026" << " | - | Estadistica Impacto por Zonas | 11";
    QTest::newRow("localizador y zona") << 2 << "01/12/2026|10/12/2026"
                                        << " | - | Estadistica Impacto por Localizador y Zona | 00";
}

void TstFrmEstadisticas::filtrar()
{
    QFETCH(int, indice);
    QFETCH(QString, fechas);
    QFETCH(QString, estado);
    abrir();
    auto *grid = hijo<QTableView>(*w, "TDBGrid1");
    // An empty run first: its message stands and the grid is hidden.
    filtrarCon(0, "20/12/2026", "25/12/2026");
    hijo<QComboBox>(*w, "DropDownList1")->setFocus();
    filtrarCon(indice, fechas.section('|', 0, 0), fechas.section('|', 1));
    QVERIFY(esperar([] { return QApplication::focusWidget(); }));
    auto *titulo = hijo<QLabel>(*w, "lbltitulorejilla");
    const bool calendario = hijo<QGroupBox>(*w, "frmcalendario")->isVisible();
    QCOMPARE(QString("%1 | %2 | %3 | %4%5")
                 .arg(hijo<QLabel>(*w, "lblmensaje")->text(),
                      calendario ? QApplication::focusWidget()->objectName() + " " + w->CajaFecha->objectName() : "-",
                      grid->isVisible() && titulo->isVisible() ? titulo->text() : "-")
                 .arg(hijo<QPushButton>(*w, "btnestadisticas")->isVisible())
                 .arg(hijo<QPushButton>(*w, "btnmapa")->isVisible()),
             estado);
    QVERIFY(guion->mensajes.isEmpty());  // never a message box
    // Assistive technology reads the message itself.
    QCOMPARE(QAccessible::queryAccessibleInterface(hijo<QLabel>(*w, "lblmensaje"))->text(QAccessible::Name),
             hijo<QLabel>(*w, "lblmensaje")->text());
    if (!grid->isVisible())
        return;
    // The columns keep the design's widths.
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        QCOMPARE(grid->columnWidth(c), TwipsAPixelesX(ModeloEstadistica::AnchoTwips(indice + 1, c)));
    // The grid paints the model's styles: the last row in its background colour.
    const QRect celda = grid->visualRect(grid->model()->index(grid->model()->rowCount() - 1, 6));
    const QPoint p = grid->viewport()->mapTo(grid, celda.center() + QPoint(celda.width() / 3, 0));
    QCOMPARE(QColor(grid->grab().toImage().pixel(p)), QColor(150, 150, 160));
}

void TstFrmEstadisticas::botones_data()
{
    QTest::addColumn<int>("tipo");              // 0: no statistic yet
    QTest::addColumn<QStringList>("ventanas");  // opened by btnvergoogle, btnestadisticas, btnmapa
    const QString zonas = "QPrintPreviewDialog TOTAL LOCALIZACIONES POR ZONAS";
    QTest::newRow("sin estadistica") << 0 << QStringList();
    QTest::newRow("dias") << 1 << QStringList{"QPrintPreviewDialog TOTAL LOCALIZACIONES POR DIAS Y HORAS",
                                              "frmgraficas con el resultado"};
    QTest::newRow("zonas") << 2 << QStringList{zonas, "frmgraficaszonas con el resultado", "frmzonas 2 zonas dibujadas"};
    QTest::newRow("localizador y zona") << 3 << QStringList{zonas};
}

void TstFrmEstadisticas::botones()
{
    QFETCH(int, tipo);
    QFETCH(QStringList, ventanas);
    abrir();
    if (tipo > 0)
        filtrarCon(tipo - 1);
    filtrarCon(0, "01/12/2026", "01/01/2027");  // refused: the buttons keep to the kind of the result held
    using namespace DatosGraficas;
    const ResultadoEstadistica &r = w->Resultado;
    // The report shows the grid's file; the charts the result's texts; the zone map's page draws its text.
    QStringList abiertas = pulsarConModal(hijo<QPushButton>(*w, "btnvergoogle"), [](QWidget *m) { return m->windowTitle(); });
    QFile archivo(ArchivoInforme::Ruta());
    QVERIFY(archivo.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(archivo.readAll()), CadenaGrid(w->Motor.Modelo) + "\r\n");
    abiertas << pulsarConModal(hijo<QPushButton>(*w, "btnestadisticas"), [&](QWidget *m) {
        auto *g = qobject_cast<frmgraficas *>(m);
        auto *gz = qobject_cast<frmgraficaszonas *>(m);
        const bool iguales = g ? g->Datos == PreparadatosResumen1(r)
                               : gz->NumFilas2 == r.MaxFilas && gz->Datos1 == PreparadatosResumen1(r) &&
                                     gz->Datos2 == PreparadatosResumen2(r) && gz->Zonas == PreparadatosZonas(r);
        return QString(iguales ? "con el resultado" : "con otros datos");
    });
    abiertas << pulsarConModal(hijo<QPushButton>(*w, "btnmapa"), [&](QWidget *m) {
        auto *z = qobject_cast<frmzonas *>(m);
        int n = 0;
        esperar([&] { return (n = PruebaWeb::evaluar(*z->Puente(), "estadoMapa().poligonos").toInt()) == 2; });
        return QString("%1 zonas dibujadas%2").arg(n).arg(z->argumento == w->Motor.TextoMapa() ? "" : " de otro texto");
    });
    QCOMPARE(abiertas, ventanas);
}

void TstFrmEstadisticas::imeisEnConsultas_data()
{
    QTest::addColumn<int>("localizador");
    QTest::newRow("todos") << 0;
    QTest::newRow("uno") << 1;
}

// Names on screen, IMEIs in the query.
void TstFrmEstadisticas::imeisEnConsultas()
{
    QFETCH(int, localizador);
    abrir();
    filtrarCon(2, "01/12/2026", "10/12/2026", localizador);
    QCOMPARE(Module1::BaseLocal().TextosEnviados().last(),
             ConsultasEstadisticas::SqlEstadistica(3, {"Todos", L1, L2}, localizador ? L1 : "Todos", "01/12/2026", "10/12/2026", ""));
    QCOMPARE(hijo<QTableView>(*w, "TDBGrid1")->model()->index(0, 0).data().toString(), kL1);
}

// Nothing to export before a statistic or after an empty run; then the grid as shown as CSV and XLSX,
// the report as a PDF in one click (its data file keeping the IMEIs).
void TstFrmEstadisticas::exportar()
{
    abrir();
    const QString csv = salida.filePath("l.csv"), xlsx = salida.filePath("l.xlsx"), pdf = salida.filePath("l.pdf");
    guion->respuestasArchivo << csv << xlsx << pdf;
    auto *exportar = hijo<QPushButton>(*w, "btnexportar");
    exportar->click();
    filtrarCon(0);
    filtrarCon(0, "15/12/2026", "20/12/2026");
    exportar->click();
    QCOMPARE(hijo<QLabel>(*w, "lblmensaje")->text(), QString("No hay ninguna estadística que exportar"));
    QCOMPARE(guion->respuestasArchivo.size(), 3);
    filtrarCon(2);
    exportar->click();
    exportar->click();
    QVERIFY(Prueba::leerArchivo(csv).startsWith("\xEF\xBB\xBF\"Localizador\";\"Zona\";\"0H\";"));
    const QString h = QString(9, ';'), n = ";\"" + kNave + "\"";  // 0H to 8H empty
    QCOMPARE(QString::fromUtf8(Prueba::leerArchivo(csv)).split("\r\n").mid(1), (QStringList{
        "\"" + kL1 + "\";\"Almacén\"" + h + ";2" + QString(14, ';'), n + h + ";;1" + QString(13, ';'),
        "\"Subtotal\";" + h + ";2;1" + QString(13, ';'),
        "\"Moto; \"\"roja\"\" (" + L2 + ")\";\"(sin zona)\"" + h + QString(6, ';') + ";1" + QString(8, ';'),
        n + h + ";4" + QString(14, ';'), "\"Subtotal\";" + h + ";4" + QString(5, ';') + ";1" + QString(8, ';'),
        ";\"Totales:\"" + h + ";6;1" + QString(4, ';') + ";1" + QString(8, ';'), ""}));
    QVERIFY(Prueba::leerArchivo(xlsx).startsWith("PK"));
    QVERIFY(QFile(pdf).open(QIODevice::WriteOnly));
    guion->respuestasMsgBox << vb::vbYes;
    hijo<QPushButton>(*w, "btnpdf")->click();
    QCOMPARE(guion->textos(), (QStringList{Exportacion::MensajeEscrito(csv), Exportacion::MensajeEscrito(xlsx),
                                           Exportacion::MensajeReemplazar(pdf), Exportacion::MensajeEscrito(pdf)}));
    QVERIFY(Prueba::leerArchivo(pdf).startsWith("%PDF"));
    const QString informe = QString::fromUtf8(Prueba::leerArchivo(ArchivoInforme::Ruta()));
    QVERIFY2(informe.contains("\"" + L1 + "\";") && !informe.contains("Furgoneta"), qPrintable(informe));
}

VARDEN_TEST_WEB_MAIN(TstFrmEstadisticas)
#include "tst_frmestadisticas.moc"
