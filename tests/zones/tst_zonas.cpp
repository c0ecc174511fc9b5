// The vertex list text, the zone list's data control and the zone list window.
#include "carpetaprueba.h"
#include "controldatoszonas.h"
#include "dialogosguion.h"
#include "frmrejillazonas.h"
#include "module1.h"
#include "proveedor.h"
#include "verticeszona.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

namespace {
const QString kTitular = QStringLiteral("B11111111");
QStringList nombresZonas()
{
    auto rs = Module1::ServidorRemoto().DevuelveRecordset("SELECT [Descripcion zona] FROM Zonas WHERE TITULAR='" + kTitular + "' ORDER BY IdZona");
    QStringList r;
    for (; rs && !rs->Eof(); rs->MoveNext())
        r << rs->Texto(0);
    return r;
}
}

class TstZonas : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void leerVertices_data();
    void leerVertices();
    void controlEscribePorPosicionYLeePorNombre();
    void listaMuestraSoloLasDelTitular();
    void eliminarPreguntaAntes();
    void ciudadGuardadaDosVeces();
    void verTodasSinZonas();

private:
    std::unique_ptr<CarpetaPrueba> carpeta;
    std::unique_ptr<DialogosGuion> dialogos;
};

void TstZonas::init()
{
    carpeta = std::make_unique<CarpetaPrueba>();
    dialogos = std::make_unique<DialogosGuion>();
    QVERIFY(carpeta->crearServicioVacio());
    QVERIFY(CarpetaPrueba::ejecutarEn(RutaServicioDemo(), {
        "INSERT INTO Zonas (TITULAR, [Descripcion zona], [Coor Geo], Area) VALUES ('B11111111', 'Casa', '(40.1,-3.1)(40.2,-3.2)(40.3,-3.1)', '12,5')",
        "INSERT INTO Zonas (TITULAR, [Descripcion zona], [Coor Geo], Area) VALUES ('B11111111', 'Nave O''Donnell', '(40.5,-3.5)(40.6,-3.6)(40.7,-3.5)', '1234,5')",
        "INSERT INTO Zonas (TITULAR, [Descripcion zona], [Coor Geo], Area) VALUES ('B99999999', 'Ajena', '(1,1)(2,2)(3,1)', '1')",
    }));
    Module1::CodigoTitular = kTitular;
    QVERIFY(carpeta->conectarRemoto());
}

void TstZonas::cleanup()
{
    dialogos.reset();
    carpeta.reset();
    Module1::CodigoTitular.clear();
}

void TstZonas::leerVertices_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QStringList>("latitudes");
    QTest::addColumn<QStringList>("longitudes");
    QTest::addColumn<bool>("valida");
    QTest::newRow("tres") << "(40.41,-3.70)(40.42,-3.69)(40.40,-3.68)" << QStringList{"40.41", "40.42", "40.40"}
                          << QStringList{"-3.70", "-3.69", "-3.68"} << true;
    QTest::newRow("dos") << "(40.41,-3.70)(40.42,-3.69)" << QStringList{"40.41", "40.42"} << QStringList{"-3.70", "-3.69"} << false;
    QTest::newRow("sin el ultimo cierre") << "(1,2)(3,4)(5,6)(7,8" << QStringList{"1", "3", "5"} << QStringList{"2", "4", "6"} << true;
    QTest::newRow("blanco tras la coma") << "(1, 2)(3, 4)(5, 6)" << QStringList{"1", "3", "5"} << QStringList{" 2", " 4", " 6"} << true;
    QTest::newRow("vacio") << "" << QStringList{} << QStringList{} << false;
}

void TstZonas::leerVertices()
{
    QFETCH(QString, texto);
    QFETCH(QStringList, latitudes);
    QFETCH(QStringList, longitudes);
    QFETCH(bool, valida);
    QStringList la, lo;
    for (const Vertice &v : LeerVertices(texto))
        la << v.latitud, lo << v.longitud;
    QCOMPARE(la, latitudes);
    QCOMPARE(lo, longitudes);
    QCOMPARE(ZonaValida(texto), valida);
}

void TstZonas::controlEscribePorPosicionYLeePorNombre()
{
    ControlDatosZonas c;
    c.ConnectionString = ADOSQLSERVER::CadenaRemotaZonas();
    c.RecordSource = "SELECT *  from ZONAS where TITULAR LIKE '" + kTitular + "'";
    QVERIFY(c.Refresh());
    QCOMPARE(c.RecordCount(), 2);
    QCOMPARE(c.rowCount(), 3);  // with the empty new-zone row
    QVERIFY(c.EsFilaNueva(2));
    c.AddNew();
    c.SetField(0, kTitular);
    c.SetField(1, "Puerto");
    c.SetField(2, "(1,1)(2,2)(3,3)");
    c.SetField(3, "99,5");
    QVERIFY(c.Update());
    QCOMPARE(c.RecordCount(), 3);
    QCOMPARE(c.Fields("descripcion zona").toString(), QStringLiteral("Puerto"));  // stands on the new row
    c.SetBookmark(0);
    c.SetField(1, "Casa Nueva");
    QVERIFY(c.Update());
    QCOMPARE(nombresZonas(), (QStringList{"Casa Nueva", "Nave O'Donnell", "Puerto"}));
    c.SetBookmark(1);
    QVERIFY(c.Delete());
    QCOMPARE(nombresZonas(), (QStringList{"Casa Nueva", "Puerto"}));
    // The other holder's zone is untouched.
    QCOMPARE(Module1::ServidorRemoto().NumRegistros("SELECT Count(*) FROM Zonas WHERE TITULAR='B99999999'"), 1);
    QAbstractItemModelTester tester(&c, QAbstractItemModelTester::FailureReportingMode::QtTest);
}

void TstZonas::listaMuestraSoloLasDelTitular()
{
    frmrejillazonas f;
    f.show();
    auto *grid = f.findChild<QTableView *>("TDBGrid1");
    QCOMPARE(grid->model()->rowCount(), 3);
    QCOMPARE(grid->model()->index(1, 1).data().toString(), QStringLiteral("Nave O'Donnell"));
    QVERIFY(grid->isColumnHidden(0) && grid->isColumnHidden(2) && grid->isColumnHidden(4));
    QVERIFY(!grid->isColumnHidden(1) && !grid->isColumnHidden(3));
    QCOMPARE(f.FilaActual(), 0);
    QVERIFY(f.ElCodigoPostal.isEmpty());  // no city row for this holder
}

void TstZonas::eliminarPreguntaAntes()
{
    frmrejillazonas f;
    f.show();
    auto *grid = f.findChild<QTableView *>("TDBGrid1");
    grid->setCurrentIndex(grid->model()->index(1, 1));
    dialogos->respuestasMsgBox << vb::vbNo;
    QTest::keyClick(grid, Qt::Key_Delete);
    QCOMPARE(nombresZonas().size(), 2);
    QCOMPARE(dialogos->mensajes.size(), 1);
    QCOMPARE(dialogos->mensajes[0].texto, QStringLiteral("¿Seguro que quiere eliminar esta zona?"));
    QCOMPARE(dialogos->mensajes[0].estilo, 52);
    QCOMPARE(dialogos->mensajes[0].titulo, QStringLiteral("Atención"));
    dialogos->respuestasMsgBox << vb::vbYes;
    QTest::keyClick(grid, Qt::Key_Delete);
    QCOMPARE(nombresZonas(), QStringList{"Casa"});
    QCOMPARE(grid->model()->rowCount(), 2);
}

void TstZonas::ciudadGuardadaDosVeces()
{
    {
        frmrejillazonas f;
        f.findChild<QLineEdit *>("txtciudad")->setText("Vigo");
        f.findChild<QPushButton *>("MyButton2")->click();
        f.findChild<QLineEdit *>("txtciudad")->setText("A Coruña'");
        f.findChild<QPushButton *>("MyButton2")->click();
        QCOMPARE(dialogos->textos(), (QStringList{"Se grabó el nombre de la ciudad", "Se grabó el nombre de la ciudad"}));
        QVERIFY(f.ElCodigoPostal.isEmpty());  // what was read at load
    }
    QCOMPARE(Module1::ServidorRemoto().NumRegistros("SELECT Count(*) FROM MiCiudad WHERE Titular='B11111111'"), 1);
    frmrejillazonas otra;
    QCOMPARE(otra.ElCodigoPostal, QStringLiteral("A Coruña'"));
    QCOMPARE(otra.findChild<QLineEdit *>("txtciudad")->text(), QStringLiteral("A Coruña'"));
}

void TstZonas::verTodasSinZonas()
{
    Module1::CodigoTitular = "B00000000";
    frmrejillazonas f;
    f.show();
    f.findChild<QPushButton *>("MyButton1")->click();
    QCOMPARE(dialogos->textos(), QStringList{"No hay todavía zonas asignadas"});
    QCOMPARE(dialogos->mensajes[0].estilo, vb::vbExclamation);
    QVERIFY(f.Adodc1->EsFilaNueva(f.FilaActual()));
}

QTEST_MAIN(TstZonas)
#include "tst_zonas.moc"
