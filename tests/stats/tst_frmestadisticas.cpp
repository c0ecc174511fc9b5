// The statistics window driven through its controls: lists from the service, the filter
// checks in lblmensaje, the three statistics in the grid, and what a refused or empty run keeps.
#include "carpetaprueba.h"
#include "dialogosguion.h"
#include "entorno.h"
#include "frmestadisticas.h"
#include "minicalendar.h"
#include "module1.h"
#include "proveedor.h"
#include "regional.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using Module1::BaseLocal;

namespace {
const QString kTitular = "B11111111";
const QStringList kLocalizadores{"100000000000001", "100000000000002", "100000000000003"};

void posiciones(const QString &imei, const QDateTime &desde, int n, const QString &zona)
{
    for (int i = 0; i < n; ++i)
        QCOMPARE(BaseLocal().Execute(QStringLiteral("INSERT INTO DATOS (IMEI, FECHA, LATITUD, LONGITUD, VELOCIDAD, "
                                                    "INFORMACION, ZONA) VALUES('%1','%2','40.4','-3.7','12','','%3')")
                                         .arg(imei, desde.addSecs(i).toString("MM/dd/yyyy HH:mm:ss"), zona)),
                 1);
}
}

class TstFrmEstadisticas : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void carga();
    void listasUnaSolaVez();
    void validacionYFoco_data();
    void validacionYFoco();
    void porZonas();
    void porDiasYLocalizadores();
    void mensajeBorradoAlTenerExito();
    void periodoRechazadoConservaElResultado();
    void vacioDeOtraClase();
    void sinLocalizadores();
    void pintarNoMueveLaSeleccion();
    void botonesNoDisponibles();
    void calendario();

private:
    std::unique_ptr<CarpetaPrueba> carpeta;
    std::unique_ptr<DialogosGuion> guion;
    std::unique_ptr<frmestadisticas> ventana(bool mostrar = true);
    void filtrar(frmestadisticas &w, int tipo, const QString &d1 = "01/12/2026", const QString &d2 = "10/12/2026");
};

void TstFrmEstadisticas::init()
{
    carpeta = std::make_unique<CarpetaPrueba>();
    guion = std::make_unique<DialogosGuion>();
    QVERIFY(carpeta->crearBaseLocal());
    QVERIFY(carpeta->crearServicioVacio());
    QStringList filas;
    for (int i = 0; i < kLocalizadores.size(); ++i)
        filas << QString("INSERT INTO LOCALIZADORES (TITULAR, NOMBRE, DESCRIPCION) VALUES('%1','%2','Vehículo %3')")
                     .arg(kTitular, kLocalizadores[i])
                     .arg(i + 1);
    filas << "INSERT INTO LOCALIZADORES (TITULAR, NOMBRE, DESCRIPCION) VALUES('A0000000','999999999999999','ajeno')";
    for (const char *z : {"Almacén", "Puerto"})
        filas << QString("INSERT INTO Zonas (TITULAR, [Descripcion zona], [Coor Geo], Area) VALUES('%1','%2',"
                         "'(40.1,-3.1)(40.2,-3.1)(40.2,-3.2)','1,00')")
                     .arg(kTitular, QString::fromUtf8(z));
    filas << "INSERT INTO Zonas (TITULAR, [Descripcion zona], [Coor Geo], Area) VALUES('A0000000','Ajena','','0')";
    QVERIFY(CarpetaPrueba::ejecutarEn(RutaServicioDemo(), filas));
    QVERIFY(carpeta->conectarLocal());
    QVERIFY(carpeta->conectarRemoto());
    Module1::CodigoTitular = kTitular;
    Module1::NombreTitular = "Pruebas <Norte> S.L.";

    const QDate d(2026, 12, 3);
    posiciones(kLocalizadores[0], QDateTime(d, QTime(9, 0)), 2, "Almacén");
    posiciones(kLocalizadores[0], QDateTime(d, QTime(10, 0)), 1, "Puerto");
    posiciones(kLocalizadores[1], QDateTime(d.addDays(1), QTime(9, 0)), 4, "Puerto");
    posiciones(kLocalizadores[1], QDateTime(d.addDays(1), QTime(15, 0)), 1, "");
}

void TstFrmEstadisticas::cleanup()
{
    guion.reset();
    carpeta.reset();
}

std::unique_ptr<frmestadisticas> TstFrmEstadisticas::ventana(bool mostrar)
{
    auto w = std::make_unique<frmestadisticas>();
    if (mostrar) {
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()))
            qWarning("window not exposed");
    }
    return w;
}

void TstFrmEstadisticas::filtrar(frmestadisticas &w, int tipo, const QString &d1, const QString &d2)
{
    w.findChild<QLineEdit *>("txtfecha1")->setText(d1);
    w.findChild<QLineEdit *>("txtfecha2")->setText(d2);
    w.findChild<QComboBox *>("DropDownList1")->setCurrentIndex(tipo - 1);
    QTest::mouseClick(w.findChild<QPushButton *>("btnfiltrar"), Qt::LeftButton);
}

void TstFrmEstadisticas::carga()
{
    auto w = ventana(false);
    QCOMPARE(w->findChild<QLineEdit *>("txtfecha1")->text(), Regional::FechaCorta(QDate::currentDate()));
    QCOMPARE(w->findChild<QLineEdit *>("txtfecha2")->text(), Regional::FechaCorta(QDate::currentDate().addDays(1)));
    auto *cliente = w->findChild<QLabel *>("lblcliente");
    QCOMPARE(cliente->text(), QString("Pruebas <Norte> S.L."));
    QCOMPARE(cliente->textFormat(), Qt::PlainText);
    auto *tipo = w->findChild<QComboBox *>("DropDownList1");
    QCOMPARE(tipo->currentText(), QString("No"));
    QCOMPARE(tipo->count(), 3);
    QCOMPARE(tipo->itemText(2), QString("Por Localizadores y Zonas"));
    QCOMPARE(w->Resultado.MaxFilas, 200);
    QCOMPARE(w->Resultado.MaxColumnas, QString("4"));
    QCOMPARE(w->Resultado.TipoEstadistica, 0);
    auto *grid = w->findChild<QTableView *>("TDBGrid1");
    QCOMPARE(grid->model()->rowCount(), 200);
    QCOMPARE(w->findChild<QComboBox *>("lstlocalizadores")->count(), 0);  // filled on the first show
    for (const char *n : {"txtfecha1", "txtfecha2", "lstlocalizadores", "lstzonas", "DropDownList1", "btnfiltrar",
                          "btnsalir", "TDBGrid1"})
        QVERIFY2(!w->findChild<QWidget *>(n)->accessibleName().isEmpty(), n);
}

void TstFrmEstadisticas::listasUnaSolaVez()
{
    auto w = ventana();
    auto *loc = w->findChild<QComboBox *>("lstlocalizadores");
    auto *zon = w->findChild<QComboBox *>("lstzonas");
    QCOMPARE(loc->count(), 4);
    QCOMPARE(loc->itemText(0), QString("Todos"));
    QStringList imeis;
    for (int i = 1; i < loc->count(); ++i)
        imeis << loc->itemText(i);
    QCOMPARE(imeis, kLocalizadores);
    QCOMPARE(loc->currentIndex(), 0);
    QCOMPARE(zon->count(), 3);
    QCOMPARE(zon->itemText(0), QString());
    QCOMPARE(zon->itemText(1), QString("Almacén"));
    QCOMPARE(zon->currentIndex(), -1);
    QCOMPARE(w->VecesActivado, 1);
    // The user's choices survive a later showing of the window.
    loc->setCurrentIndex(2);
    zon->setCurrentIndex(1);
    w->hide();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QCOMPARE(loc->currentIndex(), 2);
    QCOMPARE(zon->currentIndex(), 1);
    QCOMPARE(loc->count(), 4);
}

void TstFrmEstadisticas::validacionYFoco_data()
{
    QTest::addColumn<QString>("t1");
    QTest::addColumn<QString>("t2");
    QTest::addColumn<QString>("mensaje");
    QTest::addColumn<QString>("foco");
    QTest::newRow("ambas vacias") << "" << "" << "Debe realizar algún filtro" << "";
    QTest::newRow("solo la primera") << "01/12/2026" << "" << "Fecha 2 sin concretar!" << "txtfecha2";
    QTest::newRow("solo la segunda") << "" << "01/12/2026" << "Fecha 1 sin concretar!" << "txtfecha1";
    QTest::newRow("dos invalidas") << "99/99/2026" << "xx" << "Fecha 1 Incorrecta" << "txtfecha1";
    QTest::newRow("segunda invalida") << "01/12/2026" << "xx" << "Fecha 2 Incorrecta" << "txtfecha2";
    QTest::newRow("31 dias") << "01/12/2026" << "01/01/2027" << "La diferencia no puede ser de más de 30 días!" << "";
    QTest::newRow("31 dias al reves") << "01/01/2027" << "01/12/2026" << "La diferencia no puede ser de más de 30 días!" << "";
    QTest::newRow("misma fecha") << "03/12/2026" << "03/12/2026" << "No hay Posiciones para el filtro configurado" << "";
    QTest::newRow("invertidas") << "10/12/2026" << "01/12/2026" << "No hay Posiciones para el filtro configurado" << "";
    QTest::newRow("30 dias corre") << "20/11/2026" << "20/12/2026" << "" << "";
}

void TstFrmEstadisticas::validacionYFoco()
{
    QFETCH(QString, t1);
    QFETCH(QString, t2);
    QFETCH(QString, mensaje);
    QFETCH(QString, foco);
    auto w = ventana();
    QApplication::setActiveWindow(w.get());
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    w->findChild<QComboBox *>("DropDownList1")->setFocus();
    filtrar(*w, 1, t1, t2);
    QCOMPARE(w->findChild<QLabel *>("lblmensaje")->text(), mensaje);
    if (!foco.isEmpty()) {
        QTRY_COMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(), foco);
        QCOMPARE(w->CajaFecha.data(), w->findChild<QLineEdit *>(foco));
    }
    QVERIFY(guion->mensajes.isEmpty());  // never a message box
    const bool corrio = mensaje.isEmpty() || mensaje.startsWith("No hay");
    QCOMPARE(w->Resultado.TipoEstadistica, corrio || mensaje.startsWith("La dif") ? 1 : 0);
    QCOMPARE(w->Resultado.TipoResultado, mensaje.isEmpty() ? 1 : 0);
}

void TstFrmEstadisticas::porZonas()
{
    auto w = ventana();
    filtrar(*w, 2);
    auto *grid = w->findChild<QTableView *>("TDBGrid1");
    QVERIFY(grid->isVisible());
    auto *m = grid->model();
    QCOMPARE(m->rowCount(), 4);
    QCOMPARE(m->columnCount(), 26);
    // The unzoned row first, with an empty name, then the zones and the totals.
    const QList<QStringList> esperado{{"", "1", "1"}, {"Almacén", "2", "2"}, {"Puerto", "5", "5"}, {"Totales:", "6", "8"}};
    for (int f = 0; f < 4; ++f) {
        QCOMPARE(m->index(f, 0).data().toString(), esperado[f][0]);
        QCOMPARE(m->index(f, 25).data().toString(), esperado[f][2]);
    }
    QCOMPARE(m->index(0, 16).data().toString(), QString("1"));  // 15 h
    QCOMPARE(m->index(3, 10).data().toString(), QString("6"));  // 9 h: 2 + 4
    QCOMPARE(m->index(3, 11).data().toString(), QString("1"));  // 10 h
    QCOMPARE(m->headerData(25, Qt::Horizontal).toString(), QString("SubTotal"));
    QCOMPARE(w->findChild<QLabel *>("lbltitulorejilla")->text(), QString("Estadistica Impacto por Zonas"));
    QVERIFY(w->findChild<QPushButton *>("btnestadisticas")->isVisible());
    QVERIFY(w->findChild<QPushButton *>("btnmapa")->isVisible());
    QCOMPARE(m->index(3, 5).data(Qt::BackgroundRole).value<QColor>(), QColor(150, 150, 160));
    QCOMPARE(m->index(3, 5).data(Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 255));
    // The design widths, at least; wider only where a text would be cut.
    QCOMPARE(grid->columnWidth(0), TwipsAPixelesX(2500));
    QCOMPARE(grid->columnWidth(25), TwipsAPixelesX(1200));
    QVERIFY(grid->columnWidth(3) >= TwipsAPixelesX(450));
    const QFontMetrics fm(grid->model()->index(0, 0).data(Qt::FontRole).value<QFont>());
    for (int c = 0; c < m->columnCount(); ++c)
        for (int f = 0; f < m->rowCount(); ++f)
            QVERIFY(grid->columnWidth(c) >= fm.horizontalAdvance(m->index(f, c).data().toString()));
    // The query went to the local file as its exact text.
    QVERIFY(BaseLocal().TextosEnviados().last().startsWith(
        "SELECT  Zona ,DatePart(hh, fecha),Count(*) FROM [DATOS] WHERE ( IMEI='100000000000001' OR  IMEI='100000000000002' OR  IMEI='100000000000003') and Fecha>CONVERT(DateTime, '01/12/2026', 103)"));
}

void TstFrmEstadisticas::porDiasYLocalizadores()
{
    auto w = ventana();
    filtrar(*w, 1);
    auto *m = w->findChild<QTableView *>("TDBGrid1")->model();
    QCOMPARE(m->rowCount(), 3);
    QCOMPARE(m->columnCount(), 25);
    QCOMPARE(m->index(0, 0).data().toString(), QString("03/12/2026"));
    QCOMPARE(m->index(1, 0).data().toString(), QString("04/12/2026"));
    QCOMPARE(m->index(2, 10).data().toString(), QString("6"));
    QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QString("Fecha"));
    QVERIFY(w->findChild<QPushButton *>("btnestadisticas")->isVisible());
    QVERIFY(!w->findChild<QPushButton *>("btnmapa")->isVisible());

    // One locator, one zone.
    w->findChild<QComboBox *>("lstlocalizadores")->setCurrentIndex(1);
    w->findChild<QComboBox *>("lstzonas")->setCurrentIndex(2);  // Puerto
    filtrar(*w, 3);
    QCOMPARE(m->rowCount(), 3);
    QCOMPARE(m->index(0, 0).data().toString(), kLocalizadores[0]);
    QCOMPARE(m->index(0, 1).data().toString(), QString("Puerto"));
    QCOMPARE(m->index(0, 12).data().toString(), QString("1"));
    QCOMPARE(m->index(1, 0).data().toString(), QString("Subtotal"));
    QCOMPARE(m->index(1, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
    QCOMPARE(m->index(1, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(170, 170, 160));
    QCOMPARE(m->index(2, 1).data().toString(), QString("Totales:"));
    QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QString("Localizador"));
    QVERIFY(!w->findChild<QPushButton *>("btnestadisticas")->isVisible());
    QVERIFY(!w->findChild<QPushButton *>("btnmapa")->isVisible());
    QCOMPARE(w->findChild<QLabel *>("lbltitulorejilla")->text(), QString("Estadistica Impacto por Localizador y Zona"));
}

void TstFrmEstadisticas::mensajeBorradoAlTenerExito()
{
    auto w = ventana();
    auto *mensaje = w->findChild<QLabel *>("lblmensaje");
    filtrar(*w, 2, "20/12/2026", "25/12/2026");
    QCOMPARE(mensaje->text(), QString("No hay Posiciones para el filtro configurado"));
    QVERIFY(!w->findChild<QTableView *>("TDBGrid1")->isVisible());
    filtrar(*w, 2);
    QVERIFY(w->findChild<QTableView *>("TDBGrid1")->isVisible());
    QCOMPARE(mensaje->text(), QString());
}

void TstFrmEstadisticas::periodoRechazadoConservaElResultado()
{
    auto w = ventana();
    filtrar(*w, 2);
    QCOMPARE(w->Resultado.TipoResultado, 2);
    filtrar(*w, 1, "01/12/2026", "05/01/2027");
    QCOMPARE(w->findChild<QLabel *>("lblmensaje")->text(), QString("La diferencia no puede ser de más de 30 días!"));
    QCOMPARE(w->Resultado.TipoEstadistica, 1);   // set first, as written
    QCOMPARE(w->Resultado.TipoResultado, 2);     // the table still holds the zones
    QCOMPARE(w->Resultado.MaxFilas, 4);
    QCOMPARE(w->Resultado.TablaEstadistica.Celda(3, 25), QString("8"));
    auto *m = w->findChild<QTableView *>("TDBGrid1")->model();
    QCOMPARE(m->index(3, 25).data(Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 255));
    QVERIFY(w->findChild<QTableView *>("TDBGrid1")->isVisible());
}

void TstFrmEstadisticas::vacioDeOtraClase()
{
    auto w = ventana();
    filtrar(*w, 3);
    QCOMPARE(w->Resultado.TipoResultado, 3);
    const int filas = w->Resultado.MaxFilas;
    filtrar(*w, 1, "20/12/2026", "25/12/2026");   // no rows
    QCOMPARE(w->Resultado.TipoEstadistica, 1);
    QCOMPARE(w->Resultado.TipoResultado, 3);
    QCOMPARE(w->Resultado.MaxFilas, filas);
    QVERIFY(!w->findChild<QTableView *>("TDBGrid1")->isVisible());
    filtrar(*w, 2, "20/12/2026", "25/12/2026");   // the zones run empties the table
    QCOMPARE(w->Resultado.TipoResultado, 0);
    QVERIFY(w->Resultado.TablaEstadistica.Celda(0, 0).isEmpty());
}

void TstFrmEstadisticas::sinLocalizadores()
{
    QVERIFY(CarpetaPrueba::ejecutarEn(RutaServicioDemo(), {"DELETE FROM LOCALIZADORES", "DELETE FROM Zonas"}));
    auto w = ventana();
    auto *loc = w->findChild<QComboBox *>("lstlocalizadores");
    QCOMPARE(loc->count(), 1);
    QCOMPARE(loc->currentIndex(), -1);
    QCOMPARE(w->findChild<QComboBox *>("lstzonas")->count(), 1);
    filtrar(*w, 1);
    QCOMPARE(w->findChild<QLabel *>("lblmensaje")->text(), QString("No hay Posiciones para el filtro configurado"));
    loc->setCurrentIndex(0);  // "Todos" with no locator: the condition list is empty, the query fails
    filtrar(*w, 2);
    QCOMPARE(w->findChild<QLabel *>("lblmensaje")->text(), QString("No hay Posiciones para el filtro configurado"));
    QVERIFY(guion->mensajes.isEmpty());
}

void TstFrmEstadisticas::pintarNoMueveLaSeleccion()
{
    auto w = ventana();
    filtrar(*w, 3);
    auto *grid = w->findChild<QTableView *>("TDBGrid1");
    const QModelIndex elegida = grid->model()->index(0, 5);
    grid->setCurrentIndex(elegida);
    grid->viewport()->repaint();
    QImage imagen = grid->grab().toImage();
    QCOMPARE(grid->currentIndex(), elegida);
    // The subtotal row is painted in its background colour.
    const QRect celda = grid->visualRect(grid->model()->index(2, 6));
    QVERIFY(celda.isValid());
    const QPoint p = grid->viewport()->mapTo(grid, celda.center() + QPoint(celda.width() / 3, 0));
    QCOMPARE(QColor(imagen.pixel(p)), QColor(170, 170, 160));
}

void TstFrmEstadisticas::botonesNoDisponibles()
{
    auto w = ventana();
    for (const char *n : {"btnestadisticas", "btnvergoogle", "btnmapa"}) {
        auto *b = w->findChild<QPushButton *>(n);
        QVERIFY2(b->isVisible() && b->isEnabled(), n);
    }
    auto *salir = w->findChild<QPushButton *>("btnsalir");
    QVERIFY(salir->isEnabled());
    QTest::mouseClick(salir, Qt::LeftButton);
    QVERIFY(!w->isVisible());
}

void TstFrmEstadisticas::calendario()
{
    auto w = ventana();
    QApplication::setActiveWindow(w.get());
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    auto *marco = w->findChild<QGroupBox *>("frmcalendario");
    auto *mini = w->findChild<MiniCalendar *>("MiniCalendar1");
    auto *f1 = w->findChild<QLineEdit *>("txtfecha1");
    auto *f2 = w->findChild<QLineEdit *>("txtfecha2");
    QVERIFY(marco && mini);
    QCOMPARE(marco->title(), QString("Calendario"));
    QVERIFY(!marco->isVisible());  // not on opening
    QCOMPARE(QApplication::focusWidget(), w->findChild<QPushButton *>("btnfiltrar"));

    // The focus opens the calendar on the box's date.
    f1->setText("15/03/2027");
    f1->setFocus();
    QTRY_VERIFY(marco->isVisible());
    QCOMPARE(w->CajaFecha.data(), f1);
    QCOMPARE(mini->FechaActual(), QDate(2027, 3, 15));

    // A picked day is written into that box in the short date form, and the calendar closes.
    int celda = -1;
    for (int i = 0; i < 42; ++i)
        if (mini->Label1(i).enMes && mini->Label1(i).fecha == QDate(2027, 3, 20))
            celda = i;
    QVERIFY(celda >= 0);
    QSignalSpy pulsado(mini, &MiniCalendar::Click);
    QTest::mouseClick(mini, Qt::LeftButton, {}, mini->RectanguloCelda(celda).center());
    QCOMPARE(pulsado.count(), 1);
    QCOMPARE(f1->text(), QString("20/03/2027"));
    QVERIFY(!marco->isVisible());
    QCOMPARE(mini->FechaActual(), QDate(2027, 3, 20));
    QCOMPARE(f2->text(), Regional::FechaCorta(QDate::currentDate().addDays(1)));

    // The other box, with no date in it: the picker keeps its date; Cerrar closes without writing.
    f2->setText("no es fecha");
    f2->setFocus();
    QTRY_VERIFY(marco->isVisible());
    QCOMPARE(w->CajaFecha.data(), f2);
    QCOMPARE(mini->FechaActual(), QDate(2027, 3, 20));
    QTest::mouseClick(w->findChild<QPushButton *>("XPButton1"), Qt::LeftButton);
    QVERIFY(!marco->isVisible());
    QCOMPARE(f2->text(), QString("no es fecha"));

    // A refused filter that names a box opens the calendar on it.
    filtrar(*w, 1, "01/12/2026", "");
    QTRY_VERIFY(marco->isVisible());
    QCOMPARE(w->CajaFecha.data(), f2);
}

QTEST_MAIN(TstFrmEstadisticas)
#include "tst_frmestadisticas.moc"
