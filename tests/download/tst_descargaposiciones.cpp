// The day loop of the position download, against a service file and a local file with known rows.
#include "carpetaprueba.h"
#include "descargaposiciones.h"
#include "esquema.h"
#include "module1.h"
#include "posiciones.h"
#include "serviciodemo.h"

#include <QLocale>
#include <QSqlDatabase>
#include <QSqlQuery>
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
    QList<int> lineasAlPreguntar;
    QList<bool> respuestas;
    QList<double> porcentajes;
    std::function<void()> alMostrarInsertados, alPorcentaje;

    void MostrarEstado(const QString &t) override { estados << t; }
    void AnadirLinea(const QString &t) override { lineas << t; }
    void MostrarInsertados(qint32 total) override
    {
        insertados << total;
        if (alMostrarInsertados)
            alMostrarInsertados();
    }
    void Repintar() override {}
    void EstablecerPorcentaje(double p) override
    {
        porcentajes << p;
        if (alPorcentaje)
            alPorcentaje();
    }
    bool PreguntarContinuar() override
    {
        lineasAlPreguntar << int(lineas.size());
        return respuestas.isEmpty() ? false : respuestas.takeFirst();
    }
};

// n positions of the day, one every 7 s from 08:00 (the first being the desde-th of the day).
QList<Posicion> del(const QDate &dia, int n, int desde = 0)
{
    return Posiciones::recta(QDateTime(dia, QTime(8, 0)).addSecs(7 * desde), n);
}
bool remotas(const QDate &dia, int n) { return Posiciones::guardarServicio(del(dia, n), Demo::Titular); }
QString corta(const QDate &d) { return d.toString(QStringLiteral("dd/MM/yyyy")); }
FilaDescarga fila(const QDateTime &fecha, const QStringList &campos) { return {{QString(), fecha}, campos}; }
}

class TstDescargaPosiciones : public QObject {
    Q_OBJECT
    std::unique_ptr<CarpetaPrueba> carpeta;
    const QDate hoy = QDate::currentDate();
    const QDate dia25 = QDate(2010, 3, 25);  // read month first, its literal would find nothing
    int localesDe(const QDate &d) { return BaseLocal().NumRegistros(SqlCuentaLocal(d)); }

private Q_SLOTS:
    void initTestCase()
    {
        // Nothing of the download may depend on the machine's locale.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void init()
    {
        carpeta = std::make_unique<CarpetaPrueba>();
        QVERIFY(carpeta->crearServicioVacio() && carpeta->crearBaseLocal());
        CodigoTitular = Demo::Titular;
    }
    void cleanup() { carpeta.reset(); }
    void textos_data();
    void textos();
    void cuentasDecidenElDia_data();
    void cuentasDecidenElDia();
    void preguntaTras31DiasVacios_data();
    void preguntaTras31DiasVacios();
    void diaConFilasYaPresentes();
    void cerrarDuranteGrabacionTerminaElDia();
    void valoresLlegan();
    void falloDetiene_data();
    void falloDetiene();
};

void TstDescargaPosiciones::textos_data()
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
                                   << "SELECT NOMBRE,FECHA,LATITUD,LONGITUD,VELOCIDAD,INFORMACION,ZONA FROM [CONSULTA GPS DETALLE] "
                                      "where  CONVERT(VarChar(100), FECHA, 103) = CONVERT(VarChar(100),'25/03/2010', 103) "
                                      "and TITULAR='B84512370'";
    const QString insertar = "INSERT INTO DATOS (IMEI, FECHA, LATITUD, LONGITUD, VELOCIDAD, INFORMACION, ZONA) VALUES(";
    const QDate d(2010, 3, 5);
    QTest::newRow("inserción") << SqlInsertarFila(fila(QDateTime(d, QTime(7, 4, 9)), {"111", "5/3/10 7:04", "40.41", "-3.70", "12", "GPS", "Nave 1"}))
                               << insertar + "'111','03/05/2010 07:04:09','40.41','-3.70','12','GPS','Nave 1')";
    // The row text drops the time at midnight; the raw value keeps it.
    QTest::newRow("medianoche") << SqlInsertarFila(fila(QDateTime(d, QTime(0, 0)), {"111", "05/03/2010", "40", "-3", "0", "", ""}))
                                << insertar + "'111','03/05/2010 00:00:00','40','-3','0','','')";
    QTest::newRow("comilla y barra") << SqlInsertarFila(fila(QDateTime(d, QTime(9, 0)), {"111", "x", "40", "-3", "0", "Puerta 'B'|Nave", "O'Donnell"}))
                                     << insertar + "'111','03/05/2010 09:00:00','40','-3','0','Puerta ''B''|Nave','O''Donnell')";
}

void TstDescargaPosiciones::textos()
{
    QFETCH(QString, obtenido);
    QFETCH(QString, esperado);
    QCOMPARE(obtenido, esperado);
}

void TstDescargaPosiciones::cuentasDecidenElDia_data()
{
    QTest::addColumn<int>("nRemotas");
    QTest::addColumn<int>("localesAntes");
    QTest::addColumn<int>("ajenas");  // rows of another holder on the service that day
    QTest::addColumn<bool>("seBaja");
    QTest::newRow("nada en ninguna") << 0 << 0 << 0 << false;
    QTest::newRow("0 remotas, locales de sobra") << 0 << 3 << 0 << false;
    QTest::newRow("ya completas") << 5 << 5 << 0 << false;
    QTest::newRow("ya completas, otro titular aparte") << 5 << 5 << 9 << false;
    QTest::newRow("faltan") << 5 << 2 << 9 << true;
    QTest::newRow("sin locales") << 4 << 0 << 0 << true;
}

void TstDescargaPosiciones::cuentasDecidenElDia()
{
    QFETCH(int, nRemotas);
    QFETCH(int, localesAntes);
    QFETCH(int, ajenas);
    QFETCH(bool, seBaja);
    QList<Posicion> otras = del(dia25, ajenas, 100);
    for (Posicion &p : otras)
        p.imei = "356999999999999";
    QVERIFY(remotas(dia25, nRemotas) && Posiciones::guardarServicio(otras, Demo::OtroTitular));
    QVERIFY(Posiciones::guardarLocal(del(dia25, localesAntes)));
    QVERIFY(carpeta->conectarRemoto() && carpeta->conectarLocal());
    VistaPrueba vista;
    DescargaPosiciones d(vista);
    FechaDescarga = QDateTime(dia25, QTime(0, 0));
    QCOMPARE(d.BajarDia(), seBaja ? Dia::Bajado : Dia::NadaQueBajar);
    QCOMPARE(TotalRemotoDia, nRemotas);
    QCOMPARE(vista.estados.first(), QStringLiteral("(25/03/2010)"));
    QCOMPARE(vista.lineas, QStringList{seBaja ? QString("Bajados %1 regs el día 25/03/2010").arg(nRemotas)
                                              : QString("Nada que bajar el día 25/03/2010")});
    // The whole day is fetched and tried; rows already present are rejected and not counted.
    QCOMPARE(contar(ServidorRemoto().TextosEnviados(), "SELECT NOMBRE,FECHA"), seBaja ? 1 : 0);
    QCOMPARE(contar(BaseLocal().TextosEnviados(), "INSERT INTO DATOS"), seBaja ? nRemotas : 0);
    QCOMPARE(d.TotalInsertados, seBaja ? nRemotas - localesAntes : 0);
    QCOMPARE(localesDe(dia25), qMax(nRemotas, localesAntes));
    QCOMPARE(BaseLocal().NumRegistros("SELECT Count(*) FROM DATOS WHERE IMEI='356999999999999'"), 0);
    QVERIFY(d.FilasDia.isEmpty());
    if (seBaja) {
        // Each fetched row shows its place in the day's count on the label and the panel.
        QCOMPARE(vista.estados.mid(vista.estados.size() - 2),
                 (QStringList{QString("25/03/2010(%1/%1)").arg(nRemotas), "Grabando en Local (25/03/2010)"}));
        QCOMPARE(vista.porcentajes.size(), nRemotas);
        QCOMPARE(vista.porcentajes.first(), 100.0 / nRemotas);
        QCOMPARE(vista.porcentajes.last(), 100.0);
    }
}

void TstDescargaPosiciones::preguntaTras31DiasVacios_data()
{
    QTest::addColumn<QList<bool>>("respuestas");
    QTest::addColumn<QList<int>>("preguntas");  // lines in the list at each question
    QTest::newRow("No") << QList<bool>{} << QList<int>{31};
    QTest::newRow("Sí, y luego No") << QList<bool>{true} << QList<int>{31, 62};
}

void TstDescargaPosiciones::preguntaTras31DiasVacios()
{
    QFETCH(QList<bool>, respuestas);
    QFETCH(QList<int>, preguntas);
    // Days the local file already holds whole count as empty too.
    for (int i = 0; i < 3; ++i)
        QVERIFY(remotas(hoy.addDays(-i), 2) && Posiciones::guardarLocal(del(hoy.addDays(-i), 2)));
    QVERIFY(carpeta->conectarRemoto() && carpeta->conectarLocal());
    VistaPrueba vista;
    vista.respuestas = respuestas;
    DescargaPosiciones d(vista);
    QCOMPARE(d.DownLoad(), Fin::Rechazada);
    QCOMPARE(vista.lineasAlPreguntar, preguntas);
    QCOMPARE(vista.lineas.size(), preguntas.last());
    for (int i = 0; i < vista.lineas.size(); ++i)
        QCOMPARE(vista.lineas[i], "Nada que bajar el día " + corta(hoy.addDays(-i)));
    QCOMPARE(contar(ServidorRemoto().TextosEnviados(), "SELECT NOMBRE,FECHA"), 0);
}

void TstDescargaPosiciones::diaConFilasYaPresentes()
{
    // Today 100 remote rows of which 40 are local, yesterday 5 new: the caption ends 65 higher.
    QVERIFY(remotas(hoy, 100) && remotas(hoy.addDays(-1), 5));
    QVERIFY(Posiciones::guardarLocal(del(hoy, 40, 30)));
    QVERIFY(carpeta->conectarRemoto() && carpeta->conectarLocal());
    VistaPrueba vista;
    DescargaPosiciones d(vista);
    QCOMPARE(d.DownLoad(), Fin::Rechazada);
    QCOMPARE(vista.lineas.mid(0, 2), (QStringList{"Bajados 100 regs el día " + corta(hoy),
                                                  "Bajados 5 regs el día " + corta(hoy.addDays(-1))}));
    QCOMPARE(contar(BaseLocal().TextosEnviados(), "INSERT INTO DATOS"), 105);
    QCOMPARE(d.TotalInsertados, 65);
    QVERIFY(vista.insertados.contains(60));
    QCOMPARE(vista.insertados.last(), 65);
    QCOMPARE(localesDe(hoy), 100);
    // The empty days after them count from 0 again: the question comes after 31 more lines.
    QCOMPARE(vista.lineasAlPreguntar, QList<int>{33});
}

void TstDescargaPosiciones::cerrarDuranteGrabacionTerminaElDia()
{
    QVERIFY(remotas(hoy, 120) && remotas(hoy.addDays(-1), 10));
    QVERIFY(carpeta->conectarRemoto() && carpeta->conectarLocal());
    VistaPrueba vista;
    DescargaPosiciones d(vista);
    // What Cerrar does, at the first progress of the writing (after 50 of the 120 rows).
    vista.alMostrarInsertados = [&] { d.Descargando = false; };
    QCOMPARE(d.DownLoad(), Fin::Detenida);
    QCOMPARE(vista.insertados.first(), 50);
    QCOMPARE(localesDe(hoy), 120);
    QCOMPARE(vista.lineas, QStringList{"Bajados 120 regs el día " + corta(hoy)});
    // No other day was started.
    for (const QString &t : ServidorRemoto().TextosEnviados())
        QVERIFY2(!t.contains(corta(hoy.addDays(-1))), qPrintable(t));
}

void TstDescargaPosiciones::valoresLlegan()
{
    Posicion a, b;
    a.imei = b.imei = "111";
    a.fecha = QDateTime(dia25, QTime(0, 0));
    b.fecha = QDateTime(dia25, QTime(23, 59, 59));
    a.latitud = "40.5";
    a.longitud = "-3.5";
    a.informacion = "Puerta 'B'";
    a.zona = "Nave|2";
    b.informacion = b.zona = QString();  // NULL
    QVERIFY(Posiciones::guardarServicio({a, b}, Demo::Titular));
    QVERIFY(carpeta->conectarRemoto() && carpeta->conectarLocal());
    VistaPrueba vista;
    DescargaPosiciones d(vista);
    FechaDescarga = QDateTime(dia25, QTime(0, 0));
    QCOMPARE(d.BajarDia(), Dia::Bajado);
    QCOMPARE(d.TotalInsertados, 2);
    QVERIFY(BaseLocal().TextosEnviados().contains("INSERT INTO DATOS (IMEI, FECHA, LATITUD, LONGITUD, VELOCIDAD, INFORMACION, "
                                                  "ZONA) VALUES('111','03/25/2010 00:00:00','40.5','-3.5','10','Puerta ''B''','Nave|2')"));
    auto rs = BaseLocal().DevuelveRecordset("SELECT FECHA, INFORMACION, ZONA FROM DATOS ORDER BY FECHA");
    QVERIFY(rs && rs->RecordCount() == 2);
    QCOMPARE(rs->Fields("FECHA").toDateTime(), a.fecha);
    QCOMPARE(rs->Texto(1) + rs->Texto(2), QStringLiteral("Puerta 'B'Nave|2"));
    rs->MoveNext();
    QCOMPARE(rs->Fields("FECHA").toDateTime(), b.fecha);
    QCOMPARE(rs->Texto(1) + rs->Texto(2), QString());
}

void TstDescargaPosiciones::falloDetiene_data()
{
    QTest::addColumn<QStringList>("averia");  // what breaks the service view
    QTest::addColumn<QString>("como");        // "cortada": the fetch fails after its rows; "bloqueada": the commit fails
    QTest::addColumn<QStringList>("lineas");
    QTest::addColumn<int>("grabadas");
    const QString leer = "No se ha podido leer el servidor el día " + corta(hoy) + ". Descarga detenida.";
    const QStringList sinVista{"DROP VIEW [CONSULTA GPS DETALLE]"};
    QTest::newRow("cuenta") << sinVista << "" << QStringList{leer} << 0;
    QTest::newRow("lectura") << (sinVista + QStringList{"CREATE VIEW [CONSULTA GPS DETALLE] AS SELECT NOMBRE, FECHA, TITULAR FROM POSICIONES"})
                             << "" << QStringList{leer} << 0;
    // The rows that did arrive are written and counted in the line, not the remote count.
    QTest::newRow("lectura cortada") << QStringList{} << "cortada" << QStringList{"Bajados 3 regs el día " + corta(hoy), leer} << 3;
    QTest::newRow("confirmación") << QStringList{} << "bloqueada"
                                  << QStringList{"No se ha podido grabar el día " + corta(hoy) + " en la base local. Descarga detenida."} << 0;
}

void TstDescargaPosiciones::falloDetiene()
{
    QFETCH(QStringList, averia);
    QFETCH(QString, como);
    QFETCH(QStringList, lineas);
    QFETCH(int, grabadas);
    QVERIFY(remotas(hoy, 3) && CarpetaPrueba::ejecutarEn(RutaServicioDemo(), averia));
    QVERIFY(carpeta->conectarRemoto() && carpeta->conectarLocal());
    VistaPrueba vista;
    DescargaPosiciones d(vista);
    if (como == "cortada")  // the service counted 99 rows and breaks down after sending 3
        vista.alPorcentaje = [] {
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
    QCOMPARE(contar(BaseLocal().TextosEnviados(), "INSERT INTO DATOS"), como.isEmpty() ? 0 : 3);
    QCOMPARE(d.TotalInsertados, grabadas);
    QCOMPARE(localesDe(hoy), grabadas);
    QVERIFY(vista.lineasAlPreguntar.isEmpty());
    if (como == "bloqueada") {  // nothing of the day stayed behind, and the connection is usable again
        FechaDescarga = QDateTime(hoy, QTime(0, 0));
        QVERIFY(d.BajarDia() == Dia::Bajado && localesDe(hoy) == 3);
    }
}

QTEST_MAIN(TstDescargaPosiciones)
#include "tst_descargaposiciones.moc"
