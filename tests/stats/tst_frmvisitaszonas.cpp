// The visits window through its controls: opened with the statistics' filter, rows, detail, chart, report.
#include "carpetaprueba.h"
#include "dialogosguion.h"
#include "frmestadisticas.h"
#include "frmvisitaszonas.h"
#include "informevisitas.h"
#include "module1.h"
#include "posiciones.h"
#include "prueba.h"
#include "textosgrafica.h"

#include <QBarCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

namespace {
const QString kRaro = QStringLiteral("Nave \"O'Donnell\" <&>");

Posicion En(int minuto, const char *lat, const QString &zona, const char *imei = "356000000000001")
{
    Posicion p;
    p.imei = imei, p.latitud = lat, p.longitud = "-3.05", p.zona = zona;
    p.fecha = QDateTime(QDate(2026, 11, 2), QTime(9, 0), Qt::UTC).addSecs(minuto * 60);
    return p;
}

QStringList Columna(const QTableView *t, int c)
{
    QStringList r;
    for (int i = 0; i < t->model()->rowCount(); ++i)
        r << t->model()->index(i, c).data().toString();
    return r;
}
}

class TstFrmVisitasZonas : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup() { dialogos.reset(), carpeta.reset(); }
    void abiertaDesdeEstadisticas();
    void ventana_data();
    void ventana();

private:
    std::unique_ptr<CarpetaPrueba> carpeta;
    std::unique_ptr<DialogosGuion> dialogos;
};

void TstFrmVisitasZonas::init()
{
    carpeta = std::make_unique<CarpetaPrueba>();
    dialogos = std::make_unique<DialogosGuion>();
    QVERIFY(carpeta->crearBaseLocal() && carpeta->crearServicioVacio());
    QVERIFY(CarpetaPrueba::ejecutarEn(RutaServicioDemo(), {
        "INSERT INTO Zonas (TITULAR, [Descripcion zona], [Coor Geo], Area) VALUES "
        "('B11111111', 'Taller', '(40.0,-3.1)(40.1,-3.1)(40.1,-3.0)(40.0,-3.0)', '1'),"
        "('B11111111', 'Nave \"O''Donnell\" <&>', '(40.2,-3.1)(40.3,-3.1)(40.3,-3.0)(40.2,-3.0)', '1')"}));
    QVERIFY(Posiciones::guardarLocal({En(0, "39.9", ""), En(10, "40.05", "Taller"), En(25, "40.05", "Taller"),
                                      En(40, "39.9", ""), En(60, "40.25", kRaro), En(70, "39.9", ""),
                                      En(5, "40.25", kRaro, "356000000000002"), En(15, "39.9", "", "356000000000002")}));
    Module1::CodigoTitular = "B11111111";
    Module1::NombreTitular = "Transportes de Prueba";
    QVERIFY(carpeta->conectarLocal() && carpeta->conectarRemoto());
}

// The button of the statistics window hands over its period, locator and zone.
void TstFrmVisitasZonas::abiertaDesdeEstadisticas()
{
    frmestadisticas f;
    f.show();
    f.txtfecha1->setText("02/11/2026");
    f.txtfecha2->setText("03/11/2026");
    f.lstlocalizadores->setCurrentIndex(0);
    f.lstzonas->setCurrentIndex(f.lstzonas->findText("Taller"));
    FiltroVisitas recibido;
    int filas = -1;
    QTimer::singleShot(0, &f, [&] {
        auto *v = qobject_cast<frmvisitaszonas *>(QApplication::activeModalWidget());
        if (!v)
            return;
        recibido = v->Filtro;
        filas = v->grdvisitas->model()->rowCount();
        v->reject();
    });
    Prueba::hijo<QPushButton>(f, "btnvisitas")->click();
    QCOMPARE((QStringList{recibido.fecha1, recibido.fecha2, recibido.localizador, recibido.zona}),
             (QStringList{"02/11/2026", "03/11/2026", "Todos", "Taller"}));
    QCOMPARE(filas, 2);  // the chosen zone's row and the totals
}

void TstFrmVisitasZonas::ventana_data()
{
    QTest::addColumn<QString>("fecha2");
    QTest::addColumn<QString>("mensaje");
    QTest::addColumn<QStringList>("zonas");  // the summary's zone column, totals row included
    const QStringList tres{"Taller", kRaro, kRaro, ""};
    QTest::newRow("dos zonas") << "03/11/2026" << "" << tres;
    QTest::newRow("periodo de mas de un año") << "04/11/2027" << "El periodo no puede ser de más de 366 días"
                                             << QStringList{};
}

void TstFrmVisitasZonas::ventana()
{
    QFETCH(QString, fecha2);
    QFETCH(QString, mensaje);
    QFETCH(QStringList, zonas);
    frmvisitaszonas v;
    v.Filtro = {"02/11/2026", fecha2, "Todos", ""};
    v.show();
    Prueba::hijo<QPushButton>(v, "btncalcular")->click();
    QCOMPARE(Prueba::hijo<QLabel>(v, "lblmensaje")->text(), mensaje);
    auto *grid = Prueba::hijo<QTableView>(v, "grdvisitas");
    QCOMPARE(Columna(grid, 1), zonas);
    QCOMPARE(v.btninforme->isEnabled(), !zonas.isEmpty());
    if (zonas.isEmpty())
        return;
    QCOMPARE(Columna(grid, 0).last(), QStringLiteral("Totales:"));
    QCOMPARE(Columna(grid, 5), (QStringList{"0:30:00", "0:10:00", "0:10:00", "0:50:00"}));
    // The detail follows the chosen row; the totals row lists every visit.
    grid->selectRow(1);
    auto *detalle = Prueba::hijo<QTableView>(v, "grddetalle");
    QCOMPARE(Columna(detalle, 2), QStringList{"02/11/2026 10:00:00"});
    grid->selectRow(3);
    QCOMPARE(detalle->model()->rowCount(), 3);
    // The chart: time inside per zone, in hours, zones top-down in the grid's order.
    QChart *chart = Prueba::hijo<QChartView>(v, "grafica")->chart();
    QCOMPARE(chart->series().size(), 1);
    auto *eje = qobject_cast<QBarCategoryAxis *>(chart->axes(Qt::Vertical).value(0));
    QVERIFY(eje);
    QCOMPARE(eje->categories(), (QStringList{kRaro, "Taller"}));
    // Its numbers in Spanish: 20 minutes and half an hour, in hours with a decimal comma, on an
    // axis of round tenths.
    QApplication::processEvents();
    const Prueba::TextosGrafica textos = Prueba::textosGrafica(*Prueba::hijo<QChartView>(v, "grafica"));
    QCOMPARE(textos.barras, (QStringList{"0,33 h", "0,5 h"}));
    QCOMPARE(textos.ejes.filter(QRegularExpression("^\\d")), (QStringList{"0,0", "0,1", "0,2", "0,3", "0,4", "0,5"}));
    // The report: the PDF holds the title, the holder, a hostile name and the totals row.
    InformeVisitas informe(*v.Resumen);
    informe.Titular = Module1::NombreTitular;
    informe.Filtro = v.TextoFiltro();
    const QString pdf = carpeta->archivo("visitas.pdf");
    QVERIFY(informe.ExportarPdf(pdf));
    QProcess texto;
    texto.start("pdftotext", {"-layout", pdf, "-"});
    QVERIFY(texto.waitForFinished(30000));
    const QString leido = QString::fromUtf8(texto.readAllStandardOutput());
    for (const QString &s : {QStringLiteral("VISITAS A ZONAS"), QStringLiteral("Transportes de Prueba"), kRaro,
                             QStringLiteral("Totales:"), QStringLiteral("0:50:00"), QStringLiteral("Pag 1")})
        QVERIFY2(leido.contains(s), qPrintable(s + " en\n" + leido));
}

QTEST_MAIN(TstFrmVisitasZonas)
#include "tst_frmvisitaszonas.moc"
