// The statistics window on the demo service's data (a local file filled from it): every kind
// over a 30-day period, checked against counts taken straight from the file.
#include "carpetaprueba.h"
#include "esquema.h"
#include "frmestadisticas.h"
#include "module1.h"
#include "proveedor.h"
#include "serviciodemo.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QtTest>

namespace {
const QDate kHoy(2026, 12, 6);

// A count straight from the local file, outside the program's classes.
qint64 contar(const QString &sql)
{
    qint64 n = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "conteo");
        db.setDatabaseName(RutaBaseLocal());
        if (db.open() && RegistrarColacionTSQL(db)) {
            QSqlQuery q(db);
            if (q.exec(sql) && q.next())
                n = q.value(0).toLongLong();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase("conteo");
    return n;
}

qint64 suma(const ResultadoEstadistica &r, int fila, int desde, int hasta)
{
    qint64 s = 0;
    for (int c = desde; c <= hasta; ++c)
        s += ("0" + r.TablaEstadistica.Celda(fila, c)).toLongLong();
    return s;
}
}

class TstEstadisticasDemo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void tipos_data();
    void tipos();

private:
    std::unique_ptr<CarpetaPrueba> carpeta;
};

void TstEstadisticasDemo::initTestCase()
{
    carpeta = std::make_unique<CarpetaPrueba>();
    QVERIFY(carpeta->crearServicioDemo(kHoy));
    QVERIFY(carpeta->crearBaseLocal());
    QVERIFY(CarpetaPrueba::ejecutarEn(
        RutaBaseLocal(), {"ATTACH DATABASE '" + RutaServicioDemo() + "' AS servicio",
                          "INSERT INTO DATOS SELECT NOMBRE, FECHA, LATITUD, LONGITUD, VELOCIDAD, INFORMACION, "
                          "ifnull(ZONA, '') FROM servicio.POSICIONES WHERE TITULAR = '" + Demo::Titular + "'"}));
    QVERIFY(carpeta->conectarLocal());
    QVERIFY(carpeta->conectarRemoto());
    Module1::CodigoTitular = Demo::Titular;
    Module1::NombreTitular = Demo::NombreTitular;
}

void TstEstadisticasDemo::cleanupTestCase() { carpeta.reset(); }

void TstEstadisticasDemo::tipos_data()
{
    QTest::addColumn<int>("tipo");
    QTest::newRow("dias y horas") << 1;
    QTest::newRow("zonas") << 2;
    QTest::newRow("localizador y zona") << 3;
}

void TstEstadisticasDemo::tipos()
{
    QFETCH(int, tipo);
    const QDate desde = kHoy.addDays(-30), hasta = kHoy;
    const QString periodo = QString("FECHA > '%1 00:00:00' AND FECHA < '%2 00:00:00'")
                                .arg(desde.toString("yyyy-MM-dd"), hasta.toString("yyyy-MM-dd"));
    const qint64 total = contar("SELECT COUNT(*) FROM DATOS WHERE " + periodo);
    QVERIFY(total > 0);

    frmestadisticas w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.findChild<QComboBox *>("lstlocalizadores")->count(), Demo::Localizadores().size() + 1);
    QCOMPARE(w.findChild<QComboBox *>("lstzonas")->count(), Demo::Zonas().size() + 1);
    w.findChild<QLineEdit *>("txtfecha1")->setText(desde.toString("dd/MM/yyyy"));
    w.findChild<QLineEdit *>("txtfecha2")->setText(hasta.toString("dd/MM/yyyy"));
    w.findChild<QComboBox *>("DropDownList1")->setCurrentIndex(tipo - 1);
    QTest::mouseClick(w.findChild<QPushButton *>("btnfiltrar"), Qt::LeftButton);
    const ResultadoEstadistica &r = w.Resultado;
    QCOMPARE(r.TipoResultado, tipo);
    const int ultima = r.MaxFilas - 1;
    const int primeraHora = tipo == 3 ? 2 : 1;
    QCOMPARE(suma(r, ultima, primeraHora, primeraHora + 23), total);
    if (tipo == 1) {
        const qint64 dias = contar("SELECT COUNT(DISTINCT substr(FECHA, 1, 10)) FROM DATOS WHERE " + periodo);
        QCOMPARE(qint64(r.MaxFilas), dias + 1);
    } else if (tipo == 2) {
        const qint64 zonas = contar("SELECT COUNT(*) FROM (SELECT DISTINCT ZONA FROM DATOS WHERE " + periodo + ")");
        QCOMPARE(qint64(r.MaxFilas), zonas + 1);
        QCOMPARE(r.TablaEstadistica.Celda(ultima, 25).toLongLong(), total);
        for (int f = 0; f < ultima; ++f) {
            const QString zona = r.TablaEstadistica.Celda(f, 0);
            QCOMPARE(suma(r, f, 1, 24), r.TablaEstadistica.Celda(f, 25).toLongLong());
            QCOMPARE(suma(r, f, 1, 24),
                     contar("SELECT COUNT(*) FROM DATOS WHERE " + periodo + " AND ZONA = '" + QString(zona).replace("'", "''") + "'"));
        }
    } else {
        // The subtotal rows add up to the totals row, hour by hour; each one to its locator's count.
        for (int c = 2; c <= 25; ++c) {
            qint64 s = 0;
            for (int f = 0; f < ultima; ++f)
                if (r.TablaEstadistica.Celda(f, 0) == "Subtotal")
                    s += ("0" + r.TablaEstadistica.Celda(f, c)).toLongLong();
            QCOMPARE(s, ("0" + r.TablaEstadistica.Celda(ultima, c)).toLongLong());
        }
        QString imei;
        for (int f = 0; f < ultima; ++f) {
            const QString c0 = r.TablaEstadistica.Celda(f, 0);
            if (c0 == "Subtotal")
                QCOMPARE(suma(r, f, 2, 25), contar("SELECT COUNT(*) FROM DATOS WHERE " + periodo + " AND IMEI = '" + imei + "'"));
            else if (!c0.isEmpty())
                imei = c0;
        }
    }
}

QTEST_MAIN(TstEstadisticasDemo)
#include "tst_estadisticasdemo.moc"
