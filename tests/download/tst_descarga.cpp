// The position download: the day loop against a service file and a local file with known rows,
// then the window's wiring, headless.
#include "carpetaprueba.h"
#include "descargaposiciones.h"
#include "dialogosguion.h"
#include "esquema.h"
#include "frmdownload.h"
#include "module1.h"
#include "posiciones.h"
#include "serviciodemo.h"

#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QAbstractItemModel>
#include <QCloseEvent>
#include <QtTest>
#include <functional>
#include <memory>

using namespace Module1;
using Posiciones::contar;
using Dia = DescargaPosiciones::Dia;
using Fin = DescargaPosiciones::Fin;

namespace {
// Records what the loop shows; answers the month question from a queue (No when empty).
struct VistaPrueba : VistaDescarga {
    QStringList estados, lineas;
    QList<qint32> insertados;
    QList<int> lineasAlPreguntar;  // lines in the list at each question
    QList<bool> respuestas;
    QList<double> porcentajes;
    std::function<void()> alRecibirFila;

    void MostrarEstado(const QString &t) override { estados << t; }
    void AnadirLinea(const QString &t) override { lineas << t; }
    void MostrarInsertados(qint32 total) override { insertados << total; }
    void Repintar() override {}
    void EstablecerPorcentaje(double p) override
    {
        porcentajes << p;
        if (alRecibirFila)
            alRecibirFila();
    }
    bool PreguntarContinuar() override
    {
        lineasAlPreguntar << int(lineas.size());
        return !respuestas.isEmpty() && respuestas.takeFirst();
    }
};

// n positions of the day, one every 7 s from midnight (the first being the desde-th of the day),
// with a quote and a bar in their text and no zone (NULL).
QList<Posicion> del(const QDate &dia, int n, int desde = 0)
{
    QList<Posicion> r = Posiciones::recta(QDateTime(dia, QTime(0, 0)).addSecs(7 * desde), n);
    for (Posicion &p : r) {
        p.informacion = QStringLiteral("Puerta 'B'|2");
        p.zona = QString();
    }
    return r;
}
bool remotas(const QDate &dia, int n) { return Posiciones::guardarServicio(del(dia, n), Demo::Titular); }
QString corta(const QDate &d) { return d.toString(QStringLiteral("dd/MM/yyyy")); }
QString insercion(const QDateTime &fecha, QVariantList valores)
{
    valores[1] = fecha;
    return SqlInsertarFila({valores});
}
}

class TstDescarga : public QObject {
    Q_OBJECT
    std::unique_ptr<CarpetaPrueba> carpeta;
    std::unique_ptr<DialogosGuion> dialogos;
    const QDate hoy = QDate::currentDate();
    const QDate dia25 = QDate(2010, 3, 25);  // read month first, its literal would find nothing
    int localesDe(const QDate &d) { return BaseLocal().NumRegistros(SqlCuentaLocal(d)); }
    bool conectar() { return carpeta->conectarRemoto() && carpeta->conectarLocal(); }

private Q_SLOTS:
    void initTestCase()
    {
        // Nothing of the download may depend on the machine's locale.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void init()
    {
        carpeta = std::make_unique<CarpetaPrueba>();
        dialogos = std::make_unique<DialogosGuion>();
        QVERIFY(carpeta->crearServicioVacio() && carpeta->crearBaseLocal());
        CodigoTitular = Demo::Titular;
        NombreTitular = QStringLiteral("Transportes <Norte> S.L.");
    }
    void cleanup()
    {
        dialogos.reset();
        carpeta.reset();
    }

    void textos_data()
    {
        QTest::addColumn<QString>("obtenido");
        QTest::addColumn<QString>("esperado");
        const QString cuenta = "SELECT Count(*) from [CONSULTA GPS DETALLE] Where CONVERT(VarChar(100), FECHA, 103) = "
                               "CONVERT(VarChar(100),'25/03/2010', 103) and TITULAR=";
        QTest::newRow("cuenta remota") << SqlCuentaRemota(dia25, "B84512370") << cuenta + "'B84512370'";
        QTest::newRow("titular con comilla") << SqlCuentaRemota(dia25, "O'B") << cuenta + "'O''B'";
        QTest::newRow("cuenta local") << SqlCuentaLocal(QDate(2010, 3, 5))
                                      << "SELECT Count(*) from [DATOS] Where CONVERT(nVarChar(100), FECHA, 103) = "
                                         "CONVERT(nVarChar(100),'05/03/2010', 103)";
        QTest::newRow("filas remotas") << SqlFilasRemotas(dia25, "B84512370")
                                       << "SELECT NOMBRE,FECHA,LATITUD,LONGITUD,VELOCIDAD,INFORMACION,ZONA FROM [CONSULTA GPS "
                                          "DETALLE] where  CONVERT(VarChar(100), FECHA, 103) = CONVERT(VarChar(100),'25/03/2010', "
                                          "103) and TITULAR='B84512370'";
        const QString insertar = "INSERT INTO DATOS (IMEI, FECHA, LATITUD, LONGITUD, VELOCIDAD, INFORMACION, ZONA) VALUES('111','03/05/2010 ";
        const QDate d(2010, 3, 5);
        // The row text drops the time at midnight; the raw value keeps it.
        QTest::newRow("medianoche") << insercion(QDateTime(d, QTime(0, 0)), {"111", "05/03/2010", "40", "-3", "0", "", ""})
                                    << insertar + "00:00:00','40','-3','0','','')";
        QTest::newRow("comilla y barra") << insercion(QDateTime(d, QTime(7, 4, 9)), {"111", "x", "40", "-3", "0", "Puerta 'B'|N", "O'D"})
                                         << insertar + "07:04:09','40','-3','0','Puerta ''B''|N','O''D')";
    }
    void textos()
    {
        QFETCH(QString, obtenido);
        QFETCH(QString, esperado);
        QCOMPARE(obtenido, esperado);
    }

    void cuentasDecidenElDia_data()
    {
        QTest::addColumn<int>("nRemotas");
        QTest::addColumn<int>("localesAntes");
        QTest::addColumn<int>("ajenas");  // rows of another holder on the service that day
        QTest::addColumn<bool>("seBaja");
        QTest::newRow("nada en ninguna") << 0 << 0 << 0 << false;
        QTest::newRow("0 remotas, locales de sobra") << 0 << 3 << 0 << false;
        QTest::newRow("ya completas, otro titular aparte") << 5 << 5 << 9 << false;
        QTest::newRow("faltan") << 5 << 2 << 9 << true;
        QTest::newRow("sin locales") << 4 << 0 << 0 << true;
        QTest::newRow("todas ya presentes, una local de más") << 3 << 4 << 0 << true;
    }
    void cuentasDecidenElDia()
    {
        QFETCH(int, nRemotas);
        QFETCH(int, localesAntes);
        QFETCH(int, ajenas);
        QFETCH(bool, seBaja);
        QList<Posicion> otras = del(dia25, ajenas, 100), locales = del(dia25, localesAntes);
        for (Posicion &p : otras)
            p.imei = "356999999999999";
        for (Posicion &p : locales)
            p.imei += "  ";  // still the same locator: the service ignores trailing blanks
        QVERIFY(remotas(dia25, nRemotas) && Posiciones::guardarServicio(otras, Demo::OtroTitular));
        QVERIFY(Posiciones::guardarLocal(locales) && conectar());
        VistaPrueba vista;
        DescargaPosiciones d(vista);
        FechaDescarga = QDateTime(dia25, QTime(0, 0));
        QCOMPARE(d.BajarDia(), seBaja ? Dia::Bajado : Dia::NadaQueBajar);
        QCOMPARE(vista.lineas, QStringList{seBaja ? QString("Bajados %1 regs el día 25/03/2010").arg(nRemotas)
                                                  : QString("Nada que bajar el día 25/03/2010")});
        // The whole day is fetched; only rows the local file does not hold yet are written and counted.
        QCOMPARE(contar(ServidorRemoto().TextosEnviados(), "SELECT NOMBRE,FECHA"), seBaja ? 1 : 0);
        QCOMPARE(contar(BaseLocal().TextosEnviados(), "INSERT INTO DATOS"), seBaja ? qMax(0, nRemotas - localesAntes) : 0);
        QCOMPARE(d.TotalInsertados, seBaja ? qMax(0, nRemotas - localesAntes) : 0);
        QCOMPARE(localesDe(dia25), qMax(nRemotas, localesAntes));
        // The caption changes only when a row was inserted, and ends at the day's inserts.
        QCOMPARE(vista.insertados.isEmpty() ? -1 : vista.insertados.last(), d.TotalInsertados ? d.TotalInsertados : -1);
        // Stored as sent: the quotes as they are, the service's missing zone as the empty text.
        QCOMPARE(BaseLocal().NumRegistros("SELECT Count(*) FROM DATOS WHERE INFORMACION = 'Puerta ''B''|2'"), localesDe(dia25));
        QCOMPARE(BaseLocal().NumRegistros("SELECT Count(*) FROM DATOS WHERE ZONA = ''"), d.TotalInsertados);
        // The label and the panel show the first fetched row's place in the day's count, and the last.
        const QStringList fin = seBaja ? QStringList{QString("25/03/2010(%1/%1)").arg(nRemotas), "Grabando en Local (25/03/2010)"}
                                       : QStringList{};
        QCOMPARE(vista.estados.first(), QStringLiteral("(25/03/2010)"));
        QCOMPARE(vista.estados.mid(1).mid(vista.estados.size() - 1 - fin.size()), fin);
        QVERIFY(seBaja ? vista.porcentajes.first() == 100.0 / nRemotas && vista.porcentajes.last() == 100.0
                       : vista.porcentajes.isEmpty());
    }

    void preguntaTras31DiasVacios()
    {
        // Sí at the first question and No at the second, each after 31 empty days.
        QVERIFY(conectar());
        VistaPrueba vista;
        vista.respuestas = {true};
        DescargaPosiciones d(vista);
        QCOMPARE(d.DownLoad(), Fin::Rechazada);
        QCOMPARE(vista.lineasAlPreguntar, (QList<int>{31, 62}));
        for (int i = 0; i < vista.lineas.size(); ++i)
            QCOMPARE(vista.lineas[i], "Nada que bajar el día " + corta(hoy.addDays(-i)));
    }

    void falloDetiene_data()
    {
        QTest::addColumn<QStringList>("averia");  // what breaks the service view
        QTest::addColumn<QString>("como");        // "cortada": the fetch is marked failed after its rows; "bloqueada": the commit fails
        QTest::addColumn<QStringList>("lineas");
        QTest::addColumn<int>("grabadas");
        const QString leer = "No se ha podido leer el servidor el día " + corta(hoy) + ". Descarga detenida.";
        const QStringList sinVista{"DROP VIEW [CONSULTA GPS DETALLE]"};
        QTest::newRow("cuenta") << sinVista << "" << QStringList{leer} << 0;
        QTest::newRow("lectura") << sinVista + QStringList{"CREATE VIEW [CONSULTA GPS DETALLE] AS SELECT NOMBRE, FECHA, "
                                                           "TITULAR FROM POSICIONES"} << "" << QStringList{leer} << 0;
        // The rows that did arrive are written and counted in the line, not the remote count.
        QTest::newRow("lectura cortada") << QStringList{} << "cortada" << QStringList{"Bajados 3 regs el día " + corta(hoy), leer} << 3;
        // The service fails while sending its third row: the first two are written.
        QTest::newRow("lectura rota en la tercera fila")
            << sinVista + QStringList{"CREATE VIEW [CONSULTA GPS DETALLE] AS SELECT NOMBRE, FECHA, LATITUD, LONGITUD, VELOCIDAD, "
                                      "INFORMACION, CASE WHEN substr(FECHA, 12) = '00:00:14' THEN json('roto') ELSE ZONA END AS ZONA, "
                                      "TITULAR FROM POSICIONES"}
            << "rota" << QStringList{"Bajados 2 regs el día " + corta(hoy), leer} << 2;
        QTest::newRow("confirmación") << QStringList{} << "bloqueada"
                                      << QStringList{"No se ha podido grabar el día " + corta(hoy) + " en la base local. Descarga detenida."} << 0;
    }
    void falloDetiene()
    {
        QFETCH(QStringList, averia);
        QFETCH(QString, como);
        QFETCH(QStringList, lineas);
        QFETCH(int, grabadas);
        QVERIFY(remotas(hoy, 3) && CarpetaPrueba::ejecutarEn(RutaServicioDemo(), averia) && conectar());
        VistaPrueba vista;
        DescargaPosiciones d(vista);
        if (como == "cortada")  // the service counted 99 rows and breaks down after sending 3
            vista.alRecibirFila = [] {
                TotalRemotoDia = 99;
                ServidorRemoto().NumRegistros(QStringLiteral("SELECT nada FROM ninguna"));
            };
        {
            // Another reader keeps the file locked: the day's commit cannot complete.
            QSqlDatabase otra = QSqlDatabase::addDatabase("QSQLITE", "lector");
            otra.setDatabaseName(RutaBaseLocal());
            if (como == "bloqueada") {
                QVERIFY(otra.open() && otra.transaction());
                QSqlQuery q(otra);
                QVERIFY(q.exec("SELECT count(*) FROM DATOS") && q.next());
            }
            QCOMPARE(d.DownLoad(), Fin::Fallo);
            otra.close();
        }
        QSqlDatabase::removeDatabase("lector");
        QCOMPARE(vista.lineas, lineas);
        QCOMPARE(contar(BaseLocal().TextosEnviados(), "INSERT INTO DATOS"), como == "bloqueada" ? 3 : grabadas);
        QCOMPARE(d.TotalInsertados, grabadas);
        QCOMPARE(localesDe(hoy), grabadas);
        if (como == "bloqueada") {  // nothing of the day stayed behind, and the connection is usable again
            FechaDescarga = QDateTime(hoy, QTime(0, 0));
            QVERIFY(d.BajarDia() == Dia::Bajado && localesDe(hoy) == 3);
        }
    }

    // The window.
    void ventana()
    {
        frmdownload w;
        QCOMPARE(w.windowTitle() + '|' + w.lblcliente->text() + '|' + w.Label1->text() + '|' + w.Command1->text(),
                 QStringLiteral("Bajando Datos Localizadores|Transportes <Norte> S.L.|Buscando Información...|Cerrar"));
        QVERIFY(w.lblcliente->textFormat() == Qt::PlainText && w.Label1->textFormat() == Qt::PlainText);
        for (const char *n : {"lblcliente", "Label1", "pnlprogreso", "List1", "Command1"})
            QVERIFY2(w.findChild<QWidget *>(n) && !w.findChild<QWidget *>(n)->accessibleName().isEmpty(), n);
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint) && (w.windowFlags() & Qt::WindowMinimizeButtonHint));
        // The first show starts the download; the service cannot be read, so it stops at once and
        // the window stays open to show why.
        QWidget menu;
        menu.show();
        w.frmmenu = &menu;
        w.show();
        QCoreApplication::processEvents();
        QCOMPARE(w.List1->count(), 1);
        const auto enviados = ServidorRemoto().TextosEnviados().size();
        // Activations and new shows never start it again.
        QEvent activar(QEvent::WindowActivate);
        QApplication::sendEvent(&w, &activar);
        w.hide();
        w.show();
        QCoreApplication::processEvents();
        QVERIFY(ServidorRemoto().TextosEnviados().size() == enviados && w.List1->count() == 1);
        // Minimized with the menu; it cannot stay maximized.
        w.setWindowState(Qt::WindowMinimized);
        QVERIFY(menu.windowState() & Qt::WindowMinimized);
        w.setWindowState(Qt::WindowMaximized);
        QCoreApplication::processEvents();
        QCOMPARE(w.windowState(), Qt::WindowNoState);
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        QVERIFY(!w.isVisible() && w.result() == QDialog::Accepted);
    }

    // Cerrar, clicked or the close box (an event waiting its turn), ends the loop with the day;
    // left alone, the loop ends at the month question, answered No.
    void cerrarOPregunta_data()
    {
        QTest::addColumn<bool>("clic");
        QTest::addColumn<int>("trasLinea");  // 0: at the day's first row, else with this many lines; -1: never
        QTest::addColumn<int>("lineas");
        QTest::newRow("Cerrar en la primera fila") << true << 0 << 1;
        QTest::newRow("cierre en la primera fila") << false << 0 << 1;
        // Heard before the next day starts, and before the month question.
        QTest::newRow("cierre tras el día") << false << 1 << 1;
        QTest::newRow("cierre en el día 31 vacío") << false << 35 << 35;
        // The empty days count from 0 again after a day with rows: the question comes 31 lines later.
        QTest::newRow("sin cerrar") << false << -1 << 35;
    }
    void cerrarOPregunta()
    {
        QFETCH(bool, clic);
        QFETCH(int, trasLinea);
        QFETCH(int, lineas);
        QVERIFY(remotas(hoy, 200) && remotas(hoy.addDays(-3), 10) && conectar());
        dialogos->respuestasMsgBox << vb::vbNo;
        QWidget menu;
        menu.show();
        frmdownload w;
        w.frmmenu = &menu;
        const auto cerrar = [&] {
            clic ? QTest::mouseClick(w.Command1, Qt::LeftButton) : QCoreApplication::postEvent(&w, new QCloseEvent);
        };
        QStringList progreso;  // the label at each step of the panel, marked once Cerrar has been heard
        connect(w.pnlprogreso, &QProgressBar::valueChanged, &w, [&] {
            if (progreso.isEmpty() && trasLinea == 0)
                cerrar();
            progreso << w.Label1->text() + (w.Command1->isEnabled() ? "" : " (cerrando)");
        });
        connect(w.List1->model(), &QAbstractItemModel::rowsInserted, &w, [&] {
            if (w.List1->count() == trasLinea)
                cerrar();
        });
        QCOMPARE(w.exec(), int(QDialog::Accepted));
        const bool pregunta = trasLinea < 0;
        QCOMPARE(dialogos->textos(), pregunta ? QStringList{"Ya hay mes de 30 dias sin nada que bajar,Quiere continuar?"}
                                              : QStringList{});
        QVERIFY(!pregunta || (dialogos->mensajes[0].titulo == "Atención" &&
                              dialogos->mensajes[0].estilo == vb::vbYesNo + vb::vbExclamation &&
                              (menu.windowState() & Qt::WindowMaximized)));
        QCOMPARE(w.List1->count(), lineas);
        QCOMPARE(w.List1->currentRow(), lineas - 1);  // the newest line selected
        QCOMPARE(w.List1->item(0)->text(), "Bajados 200 regs el día " + corta(hoy));
        QCOMPARE(w.Command1->isEnabled(), pregunta);
        QCOMPARE(w.windowTitle(), QStringLiteral("Registros Insertados: %1").arg(lineas == 1 ? 200 : 210));
        QCOMPARE(ServidorRemoto().TextosEnviados().join('\n').contains(corta(hoy.addDays(-1))), lineas > 1);
        if (trasLinea == 0) {
            // Heard while the day is fetched: the window stayed until the rest of it was written.
            QCOMPARE(progreso.first(), corta(hoy) + (clic ? "(1/200) (cerrando)" : "(1/200)"));
            QCOMPARE(progreso.last(), corta(hoy) + "(200/200) (cerrando)");
        }
    }
};

QTEST_MAIN(TstDescarga)
#include "tst_descarga.moc"
