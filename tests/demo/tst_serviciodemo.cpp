// The demo service: realistic, deterministic data, and the holder filters keeping holders apart.
#include "carpetaprueba.h"
#include "dialogosguion.h"
#include "entorno.h"
#include "fechastexto.h"
#include "module1.h"
#include "serviciodemo.h"

#include <QtTest>

using Module1::ServidorRemoto;

class TstServicioDemo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void filtrosDeTitular();
    void datosRealistas();
    void zonasComoLasDelServicio();
    void determinista();

private:
    std::unique_ptr<CarpetaPrueba> carpeta;
    const QDate hoy{2026, 12, 6};
};

void TstServicioDemo::initTestCase()
{
    carpeta = std::make_unique<CarpetaPrueba>();
    QVERIFY(carpeta->crearServicioDemo(hoy));
    QVERIFY(ServidorRemoto().ConectarMERLAN());
}

void TstServicioDemo::cleanupTestCase() { carpeta.reset(); }

void TstServicioDemo::filtrosDeTitular()
{
    const QString t = Demo::Titular;
    auto loc = ServidorRemoto().DevuelveRecordset("SELECT * from LOCALIZADORES WHERE TITULAR LIKE '" + t + "'");
    QVERIFY(loc);
    QStringList imeis;
    for (; !loc->Eof(); loc->MoveNext())
        imeis << loc->Texto(2);
    QCOMPARE(imeis, Demo::Localizadores());
    QVERIFY(imeis.size() >= 4 && imeis.size() <= 6);

    // Every remote filter of the program finds only the holder's own rows.
    QCOMPARE(ServidorRemoto().NumRegistros("SELECT Count(*) from [CONSULTA GPS DETALLE] Where TITULAR='" + t + "' and NOMBRE IN ('"
                                           + Demo::LocalizadoresOtroTitular().join("','") + "')"), 0);
    auto zonas = ServidorRemoto().DevuelveRecordset("SELECT * from Zonas WHERE TITULAR LIKE '" + t + "'");
    QVERIFY(zonas);
    for (; !zonas->Eof(); zonas->MoveNext())
        QVERIFY(zonas->Texto(1) != "Zona Sur Privada");
    auto ciudad = ServidorRemoto().DevuelveRecordset("Select * from MICIUDAD where Titular='" + t + "'");
    QVERIFY(ciudad);
    QCOMPARE(ciudad->Texto(1), Demo::Ciudad);
    QCOMPARE(ciudad->RecordCount(), 1);
    QVERIFY(ServidorRemoto().NumRegistros("SELECT Count(*) from [CONSULTA GPS DETALLE] Where TITULAR='" + Demo::OtroTitular + "'") > 0);
}

void TstServicioDemo::datosRealistas()
{
    const QString t = Demo::Titular;
    const QString cuentaDia = "SELECT Count(*) from [CONSULTA GPS DETALLE] Where CONVERT(VarChar(100), FECHA, 103) = CONVERT(VarChar(100),'%1', 103) and TITULAR='" + t + "'";
    int diasConDatos = 0, finesDeSemanaConDatos = 0, domingos = 0;
    for (int d = 1; d <= 60; ++d) {
        const QDate dia = hoy.addDays(-d);
        const int n = ServidorRemoto().NumRegistros(cuentaDia.arg(ConvFechaDMA(dia)));
        if (n > 0)
            ++diasConDatos;
        if (n > 0 && dia.dayOfWeek() >= 6)
            ++finesDeSemanaConDatos;
        if (n > 0 && dia.dayOfWeek() == 7)
            ++domingos;
    }
    QVERIFY(diasConDatos >= 35);
    QCOMPARE(domingos, 0);
    QVERIFY(ServidorRemoto().NumRegistros(cuentaDia.arg(ConvFechaDMA(hoy))) == 0);
    // Within one locator's day: time ordered, 10 to 60 s apart while moving, plausible speeds.
    QDate laborable = hoy.addDays(-7);
    while (laborable.dayOfWeek() >= 6)
        laborable = laborable.addDays(-1);
    auto rs = ServidorRemoto().DevuelveRecordset(
        "SELECT FECHA, VELOCIDAD, LATITUD, LONGITUD FROM [CONSULTA GPS DETALLE] WHERE TITULAR='" + t + "' AND NOMBRE='" +
        Demo::Localizadores().first() + "' AND FECHA BETWEEN '" + laborable.toString("M/d/yyyy") + " 00:00' AND '" +
        laborable.toString("M/d/yyyy") + " 23:59:59' ORDER BY FECHA");
    QVERIFY(rs);
    QVERIFY(rs->RecordCount() > 50);
    QDateTime anterior;
    int enMarcha = 0;
    for (; !rs->Eof(); rs->MoveNext()) {
        const QDateTime f = rs->Fields(0).toDateTime();
        QVERIFY(f.isValid());
        const double nudos = rs->Texto(1).toDouble();
        QVERIFY(nudos >= 0 && nudos < 60);
        QVERIFY(qAbs(rs->Texto(2).toDouble() - 40.42) < 0.3);
        QVERIFY(qAbs(rs->Texto(3).toDouble() + 3.70) < 0.3);
        if (anterior.isValid()) {
            QVERIFY(f > anterior);
            if (nudos > 0) {
                QVERIFY(anterior.secsTo(f) >= 10 && anterior.secsTo(f) <= 60);
                ++enMarcha;
            }
        }
        anterior = f;
    }
    QVERIFY(enMarcha > 30);
}

void TstServicioDemo::zonasComoLasDelServicio()
{
    auto zonas = ServidorRemoto().DevuelveRecordset("SELECT * from Zonas WHERE TITULAR LIKE '" + Demo::Titular + "'");
    QVERIFY(zonas);
    QVERIFY(zonas->RecordCount() >= 5);
    QCOMPARE(zonas->FieldCount(), 5);
    const QRegularExpression vertices(R"(^(\(-?\d+\.\d+,-?\d+\.\d+\)){3,}$)");
    for (; !zonas->Eof(); zonas->MoveNext()) {
        QVERIFY2(vertices.match(zonas->Texto(2)).hasMatch(), qPrintable(zonas->Texto(2)));
        QVERIFY(zonas->Texto(3).contains(','));
        QVERIFY(zonas->Fields(4).toInt() > 0);
    }
    // ZONA holds the zone whose polygon holds the point, else nothing.
    const QList<Demo::Zona> lista = Demo::Zonas();
    auto rs = ServidorRemoto().DevuelveRecordset("SELECT LATITUD, LONGITUD, ZONA FROM [CONSULTA GPS DETALLE] WHERE TITULAR='" + Demo::Titular + "'");
    QVERIFY(rs);
    int conZona = 0, comprobadas = 0;
    for (; !rs->Eof(); rs->Move(97), ++comprobadas) {
        const double lat = rs->Texto(0).toDouble(), lon = rs->Texto(1).toDouble();
        QString esperada;
        for (const Demo::Zona &z : lista)
            if (Demo::DentroDe(z, lat, lon)) {
                esperada = z.nombre;
                break;
            }
        QCOMPARE(rs->Texto(2), esperada);
        if (!esperada.isEmpty())
            ++conZona;
    }
    QVERIFY(conZona > comprobadas / 10);
    QVERIFY(conZona < comprobadas);
}

void TstServicioDemo::determinista()
{
    CarpetaPrueba otra;
    QVERIFY(otra.crearServicioDemo(hoy));
    QVERIFY(ServidorRemoto().ConectarMERLAN());
    const QString suma = "SELECT Count(*), SUM(LATITUD), MAX(FECHA) FROM [CONSULTA GPS DETALLE]";
    auto a = ServidorRemoto().DevuelveRecordset(suma);
    QVERIFY(a);
    const QString firma = a->Texto(0) + a->Texto(1) + a->Texto(2);
    Module1::LiberarConexiones();
    EstablecerCarpetaAplicacion(carpeta->ruta());
    QVERIFY(ServidorRemoto().ConectarMERLAN());
    auto b = ServidorRemoto().DevuelveRecordset(suma);
    QVERIFY(b);
    QCOMPARE(b->Texto(0) + b->Texto(1) + b->Texto(2), firma);
}

QTEST_GUILESS_MAIN(TstServicioDemo)
#include "tst_serviciodemo.moc"
