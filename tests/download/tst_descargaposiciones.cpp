// The day loop of the position download, against a service file and a local file with known rows.
#include "descargaposiciones.h"
#include "filasprueba.h"
#include "module1.h"

#include <QLocale>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>
#include <functional>
#include <memory>

using namespace Module1;
using namespace FilasPrueba;

namespace {
// Records what the loop shows; answers the month question from a queue (No when empty).
struct VistaPrueba : VistaDescarga {
    QStringList estados, lineas;
    QList<qint32> insertados;
    QList<int> lineasAlPreguntar;
    QList<bool> respuestas;
    QList<double> porcentajes;
    std::function<void()> alMostrarInsertados;

    void MostrarEstado(const QString &t) override { estados << t; }
    void AnadirLinea(const QString &t) override { lineas << t; }
    void MostrarInsertados(qint32 total) override
    {
        insertados << total;
        if (alMostrarInsertados)
            alMostrarInsertados();
    }
    void Repintar() override {}
    void EstablecerPorcentaje(double p) override { porcentajes << p; }
    bool PreguntarContinuar() override
    {
        lineasAlPreguntar << int(lineas.size());
        return respuestas.isEmpty() ? false : respuestas.takeFirst();
    }
};

QString corta(const QDate &d) { return d.toString(QStringLiteral("dd/MM/yyyy")); }
}

class TstDescargaPosiciones : public QObject {
    Q_OBJECT
    std::unique_ptr<CarpetaPrueba> carpeta;
    const QDate hoy = QDate::currentDate();
    const QDate dia25 = QDate(2010, 3, 25);

    qint32 localesDe(const QDate &d) { return BaseLocal().NumRegistros(SqlCuentaLocal(d)); }

private Q_SLOTS:
    void initTestCase()
    {
        // Nothing of the download may depend on the machine's locale.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void init()
    {
        carpeta = std::make_unique<CarpetaPrueba>();
        QVERIFY(carpeta->crearServicioVacio());
        QVERIFY(carpeta->crearBaseLocal());
        CodigoTitular = Demo::Titular;
        NombreTitular = Demo::NombreTitular;
    }
    void cleanup() { carpeta.reset(); }

    void textos_data();
    void textos();
    void insercion_data();
    void insercion();
    void cuentasDecidenElDia_data();
    void cuentasDecidenElDia();
    void mesSinDatosPregunta();
    void siReiniciaLaCuenta();
    void diaConFilasYaPresentes();
    void cerrarDuranteGrabacionTerminaElDia();
    void valoresLlegan();
    void otroTitularNoLlega();
    void falloRemotoDetiene_data();
    void falloRemotoDetiene();
    void falloAlConfirmarDeshaceElDia();
};

void TstDescargaPosiciones::textos_data()
{
    QTest::addColumn<QString>("obtenido");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("cuenta remota") << SqlCuentaRemota(dia25, "B84512370")
                                   << "SELECT Count(*) from [CONSULTA GPS DETALLE] Where CONVERT(VarChar(100), FECHA, 103) = "
                                      "CONVERT(VarChar(100),'25/03/2010', 103) and TITULAR='B84512370'";
    QTest::newRow("cuenta local") << SqlCuentaLocal(QDate(2010, 3, 5))
                                  << "SELECT Count(*) from [DATOS] Where CONVERT(nVarChar(100), FECHA, 103) = "
                                     "CONVERT(nVarChar(100),'05/03/2010', 103)";
    QTest::newRow("filas remotas") << SqlFilasRemotas(dia25, "B84512370")
                                   << "SELECT NOMBRE,FECHA,LATITUD,LONGITUD,VELOCIDAD,INFORMACION,ZONA FROM [CONSULTA GPS DETALLE] "
                                      "where  CONVERT(VarChar(100), FECHA, 103) = CONVERT(VarChar(100),'25/03/2010', 103) "
                                      "and TITULAR='B84512370'";
    QTest::newRow("titular con comilla") << SqlCuentaRemota(dia25, "O'B")
                                         << "SELECT Count(*) from [CONSULTA GPS DETALLE] Where CONVERT(VarChar(100), FECHA, 103) = "
                                            "CONVERT(VarChar(100),'25/03/2010', 103) and TITULAR='O''B'";
}

void TstDescargaPosiciones::textos()
{
    QFETCH(QString, obtenido);
    QFETCH(QString, esperado);
    QCOMPARE(obtenido, esperado);
}

void TstDescargaPosiciones::insercion_data()
{
    QTest::addColumn<QVariantList>("valores");
    QTest::addColumn<QStringList>("campos");
    QTest::addColumn<QString>("sql");
    const QString inicio = "INSERT INTO DATOS (IMEI, FECHA, LATITUD, LONGITUD, VELOCIDAD, INFORMACION, ZONA) VALUES(";
    QTest::newRow("normal") << QVariantList{"111", QDateTime(QDate(2010, 3, 5), QTime(7, 4, 9))}
                            << QStringList{"111", "05/03/2010 7:04:09", "40.41", "-3.70", "12", "GPS", "Nave 1"}
                            << inicio + "'111','03/05/2010 07:04:09','40.41','-3.70','12','GPS','Nave 1')";
    // The row text drops the time at midnight; the raw value keeps it.
    QTest::newRow("medianoche") << QVariantList{"111", QDateTime(QDate(2010, 3, 5), QTime(0, 0))}
                                << QStringList{"111", "05/03/2010", "40", "-3", "0", "", ""}
                                << inicio + "'111','03/05/2010 00:00:00','40','-3','0','','')";
    QTest::newRow("comilla y barra") << QVariantList{"111", QDateTime(QDate(2010, 3, 5), QTime(9, 0))}
                                     << QStringList{"111", "x", "40", "-3", "0", "Puerta 'B'|Nave", "O'Donnell"}
                                     << inicio + "'111','03/05/2010 09:00:00','40','-3','0','Puerta ''B''|Nave','O''Donnell')";
}

void TstDescargaPosiciones::insercion()
{
    QFETCH(QVariantList, valores);
    QFETCH(QStringList, campos);
    QFETCH(QString, sql);
    FilaDescarga fila;
    fila.valores = valores;
    fila.campos = campos;
    QCOMPARE(SqlInsertarFila(fila), sql);
}

void TstDescargaPosiciones::cuentasDecidenElDia_data()
{
    QTest::addColumn<int>("remotas");
    QTest::addColumn<int>("localesAntes");
    QTest::addColumn<bool>("seBaja");
    QTest::addColumn<int>("insertadas");
    QTest::newRow("nada en ninguna") << 0 << 0 << false << 0;
    QTest::newRow("0 remotas, locales de sobra") << 0 << 3 << false << 0;
    QTest::newRow("ya completas") << 5 << 5 << false << 0;
    QTest::newRow("faltan") << 5 << 2 << true << 3;
    QTest::newRow("sin locales") << 4 << 0 << true << 4;
}

void TstDescargaPosiciones::cuentasDecidenElDia()
{
    QFETCH(int, remotas);
    QFETCH(int, localesAntes);
    QFETCH(bool, seBaja);
    QFETCH(int, insertadas);
    // Day 25: a month-first reading of the literal would find nothing.
    QVERIFY(remoto(FilasPrueba::remotas(dia25, remotas)));
    QVERIFY(local(FilasPrueba::locales(dia25, localesAntes)));
    QVERIFY(carpeta->conectarRemoto() && carpeta->conectarLocal());
    VistaPrueba vista;
    DescargaPosiciones d(vista);
    FechaDescarga = QDateTime(dia25, QTime(0, 0));
    const auto dia = d.BajarDia();
    QCOMPARE(TotalRemotoDia, remotas);
    QCOMPARE(dia, seBaja ? DescargaPosiciones::Dia::Bajado : DescargaPosiciones::Dia::NadaQueBajar);
    QCOMPARE(contar(ServidorRemoto().TextosEnviados(), "SELECT NOMBRE,FECHA"), seBaja ? 1 : 0);
    QCOMPARE(contar(BaseLocal().TextosEnviados(), "INSERT INTO DATOS"), seBaja ? remotas : 0);
    QCOMPARE(d.TotalInsertados, insertadas);
    QCOMPARE(vista.lineas, QStringList{seBaja ? QString("Bajados %1 regs el día 25/03/2010").arg(remotas)
                                              : QString("Nada que bajar el día 25/03/2010")});
    QCOMPARE(vista.estados.first(), QStringLiteral("(25/03/2010)"));
    if (seBaja) {
        // Each fetched row shows its place in the day's count on the label and the panel.
        QCOMPARE(vista.estados[vista.estados.size() - 2], QString("25/03/2010(%1/%1)").arg(remotas));
        QCOMPARE(vista.porcentajes.size(), remotas);
        QCOMPARE(vista.porcentajes.first(), 100.0 / remotas);
        QCOMPARE(vista.porcentajes.last(), 100.0);
        QCOMPARE(vista.estados.last(), QStringLiteral("Grabando en Local (25/03/2010)"));
        QCOMPARE(localesDe(dia25), qMax(remotas, localesAntes));
    }
    QVERIFY(d.FilasDia.isEmpty());
}

void TstDescargaPosiciones::mesSinDatosPregunta()
{
    // The local file already holds every remote row of the last 31 days.
    for (int i = 0; i <= 30; ++i) {
        QVERIFY(remoto(remotas(hoy.addDays(-i), 2)));
        QVERIFY(local(locales(hoy.addDays(-i), 2)));
    }
    QVERIFY(carpeta->conectarRemoto() && carpeta->conectarLocal());
    VistaPrueba vista;
    DescargaPosiciones d(vista);
    QCOMPARE(d.DownLoad(), DescargaPosiciones::Fin::Rechazada);
    QCOMPARE(vista.lineasAlPreguntar, QList<int>{31});
    QCOMPARE(vista.lineas.size(), 31);
    for (int i = 0; i <= 30; ++i)
        QCOMPARE(vista.lineas[i], "Nada que bajar el día " + corta(hoy.addDays(-i)));
    QCOMPARE(contar(ServidorRemoto().TextosEnviados(), "SELECT NOMBRE,FECHA"), 0);
    QCOMPARE(contar(ServidorRemoto().TextosEnviados(), "SELECT Count(*)"), 31);
}

void TstDescargaPosiciones::siReiniciaLaCuenta()
{
    QVERIFY(carpeta->conectarRemoto() && carpeta->conectarLocal());
    VistaPrueba vista;
    vista.respuestas = {true};
    DescargaPosiciones d(vista);
    QCOMPARE(d.DownLoad(), DescargaPosiciones::Fin::Rechazada);
    QCOMPARE(vista.lineasAlPreguntar, (QList<int>{31, 62}));
    QCOMPARE(vista.lineas.last(), "Nada que bajar el día " + corta(hoy.addDays(-61)));
}

void TstDescargaPosiciones::diaConFilasYaPresentes()
{
    // Yesterday 5 new rows, today 100 remote of which 40 are local: the caption ends 65 higher.
    QVERIFY(remoto(remotas(hoy, 100)));
    QVERIFY(local(locales(hoy, 40, 30)));
    QVERIFY(remoto(remotas(hoy.addDays(-1), 5)));
    QVERIFY(carpeta->conectarRemoto() && carpeta->conectarLocal());
    VistaPrueba vista;
    DescargaPosiciones d(vista);
    QCOMPARE(d.DownLoad(), DescargaPosiciones::Fin::Rechazada);
    QCOMPARE(vista.lineas[0], "Bajados 100 regs el día " + corta(hoy));
    QCOMPARE(vista.lineas[1], "Bajados 5 regs el día " + corta(hoy.addDays(-1)));
    // Both days fetched whole, 100 + 5 inserts tried.
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
    QVERIFY(remoto(remotas(hoy, 120)));
    QVERIFY(remoto(remotas(hoy.addDays(-1), 10)));
    QVERIFY(carpeta->conectarRemoto() && carpeta->conectarLocal());
    VistaPrueba vista;
    DescargaPosiciones d(vista);
    int alParar = -1;
    vista.alMostrarInsertados = [&] {
        if (alParar < 0) {
            alParar = vista.insertados.last();
            d.Descargando = false;  // what Cerrar does
        }
    };
    QCOMPARE(d.DownLoad(), DescargaPosiciones::Fin::Detenida);
    QVERIFY(alParar > 0 && alParar < 120);
    QCOMPARE(localesDe(hoy), 120);
    QCOMPARE(vista.lineas, QStringList{"Bajados 120 regs el día " + corta(hoy)});
    // No other day was started.
    for (const QString &t : ServidorRemoto().TextosEnviados())
        QVERIFY2(!t.contains(corta(hoy.addDays(-1))), qPrintable(t));
    QCOMPARE(localesDe(hoy.addDays(-1)), 0);
}

void TstDescargaPosiciones::valoresLlegan()
{
    QVERIFY(remoto({
        "INSERT INTO POSICIONES VALUES ('111','" + iso(dia25, 0) + "','40.5','-3.5','0','Puerta ''B''','Nave|2','B84512370')",
        "INSERT INTO POSICIONES VALUES ('111','" + iso(dia25, 86399) + "','40.6','-3.6','7',NULL,NULL,'B84512370')",
    }));
    QVERIFY(carpeta->conectarRemoto() && carpeta->conectarLocal());
    VistaPrueba vista;
    DescargaPosiciones d(vista);
    FechaDescarga = QDateTime(dia25, QTime(0, 0));
    QCOMPARE(d.BajarDia(), DescargaPosiciones::Dia::Bajado);
    QCOMPARE(d.TotalInsertados, 2);
    QVERIFY(BaseLocal().TextosEnviados().contains(
        "INSERT INTO DATOS (IMEI, FECHA, LATITUD, LONGITUD, VELOCIDAD, INFORMACION, ZONA) "
        "VALUES('111','03/25/2010 00:00:00','40.5','-3.5','0','Puerta ''B''','Nave|2')"));
    auto rs = BaseLocal().DevuelveRecordset("SELECT IMEI, FECHA, INFORMACION, ZONA FROM DATOS ORDER BY FECHA");
    QVERIFY(rs);
    QCOMPARE(rs->RecordCount(), 2);
    QCOMPARE(rs->Fields("FECHA").toDateTime(), QDateTime(dia25, QTime(0, 0)));
    QCOMPARE(rs->Texto(2), QStringLiteral("Puerta 'B'"));
    QCOMPARE(rs->Texto(3), QStringLiteral("Nave|2"));
    rs->MoveNext();
    QCOMPARE(rs->Fields("FECHA").toDateTime(), QDateTime(dia25, QTime(23, 59, 59)));
    QCOMPARE(rs->Texto(2), QString());
}

void TstDescargaPosiciones::otroTitularNoLlega()
{
    QVERIFY(remoto(remotas(hoy, 6)));
    QVERIFY(remoto(remotas(hoy, 9, Demo::OtroTitular, 100, "356999999999999")));
    QVERIFY(carpeta->conectarRemoto() && carpeta->conectarLocal());
    VistaPrueba vista;
    DescargaPosiciones d(vista);
    FechaDescarga = QDateTime(hoy, QTime(0, 0));
    QCOMPARE(d.BajarDia(), DescargaPosiciones::Dia::Bajado);
    QCOMPARE(TotalRemotoDia, 6);
    QCOMPARE(BaseLocal().NumRegistros("SELECT Count(*) FROM DATOS"), 6);
    QCOMPARE(BaseLocal().NumRegistros("SELECT Count(*) FROM DATOS WHERE IMEI='356999999999999'"), 0);
    // A second pass finds the day complete: the other holder's rows do not make the counts differ.
    QCOMPARE(d.BajarDia(), DescargaPosiciones::Dia::NadaQueBajar);
}

void TstDescargaPosiciones::falloRemotoDetiene_data()
{
    QTest::addColumn<QStringList>("averia");
    QTest::addColumn<int>("lecturas");
    QTest::newRow("cuenta") << QStringList{"DROP VIEW [CONSULTA GPS DETALLE]"} << 0;
    QTest::newRow("lectura") << QStringList{"DROP VIEW [CONSULTA GPS DETALLE]",
                                            "CREATE VIEW [CONSULTA GPS DETALLE] AS SELECT NOMBRE, FECHA, TITULAR FROM POSICIONES"}
                             << 1;
}

void TstDescargaPosiciones::falloRemotoDetiene()
{
    QFETCH(QStringList, averia);
    QFETCH(int, lecturas);
    QVERIFY(remoto(remotas(hoy, 3)));
    QVERIFY(remoto(averia));
    QVERIFY(carpeta->conectarRemoto() && carpeta->conectarLocal());
    VistaPrueba vista;
    DescargaPosiciones d(vista);
    QCOMPARE(d.DownLoad(), DescargaPosiciones::Fin::Fallo);
    QCOMPARE(vista.lineas, QStringList{"No se ha podido leer el servidor el día " + corta(hoy) + ". Descarga detenida."});
    QCOMPARE(contar(ServidorRemoto().TextosEnviados(), "SELECT NOMBRE,FECHA"), lecturas);
    QCOMPARE(contar(BaseLocal().TextosEnviados(), "INSERT"), 0);
    QVERIFY(vista.lineasAlPreguntar.isEmpty());
}

void TstDescargaPosiciones::falloAlConfirmarDeshaceElDia()
{
    QVERIFY(remoto(remotas(hoy, 8)));
    QVERIFY(carpeta->conectarRemoto() && carpeta->conectarLocal());
    // Another reader keeps the file locked: the day's commit cannot complete.
    {
        QSqlDatabase otra = QSqlDatabase::addDatabase("QSQLITE", "lector");
        otra.setDatabaseName(RutaBaseLocal());
        QVERIFY(otra.open());
        QVERIFY(otra.transaction());
        QSqlQuery q(otra);
        QVERIFY(q.exec("SELECT count(*) FROM DATOS") && q.next());
        q.finish();

        VistaPrueba vista;
        DescargaPosiciones d(vista);
        QCOMPARE(d.DownLoad(), DescargaPosiciones::Fin::Fallo);
        QCOMPARE(vista.lineas, QStringList{"No se ha podido grabar el día " + corta(hoy) + " en la base local. Descarga detenida."});
        QCOMPARE(contar(BaseLocal().TextosEnviados(), "INSERT INTO DATOS"), 8);
        QCOMPARE(d.TotalInsertados, 0);
        QCOMPARE(vista.insertados.last(), 0);
        otra.rollback();
        otra.close();
    }
    QSqlDatabase::removeDatabase("lector");
    // Nothing of the day stayed behind, and the connection is usable again.
    QCOMPARE(localesDe(hoy), 0);
    VistaPrueba vista;
    DescargaPosiciones d(vista);
    FechaDescarga = QDateTime(hoy, QTime(0, 0));
    QCOMPARE(d.BajarDia(), DescargaPosiciones::Dia::Bajado);
    QCOMPARE(localesDe(hoy), 8);
}

QTEST_MAIN(TstDescargaPosiciones)
#include "tst_descargaposiciones.moc"
