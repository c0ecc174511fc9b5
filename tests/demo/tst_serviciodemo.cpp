// The demo service: realistic, deterministic data, and the holder filters keeping holders apart.
#include "carpetaprueba.h"
#include "proveedor.h"
#include "module1.h"
#include "serviciodemo.h"

#include <QtTest>

using Module1::ServidorRemoto;

namespace {
const QString kTitular = "'" + Demo::Titular + "'";
QStringList columna(const QString &sql, int i = 0)
{
    QStringList r;
    for (auto rs = ServidorRemoto().DevuelveRecordset(sql); rs && !rs->Eof(); rs->MoveNext())
        r << rs->Texto(i);
    return r;
}
}

class TstServicioDemo : public QObject {
    Q_OBJECT
    std::unique_ptr<CarpetaPrueba> carpeta;
    const QDate hoy{2026, 12, 6};

private Q_SLOTS:
    void initTestCase()
    {
        carpeta = std::make_unique<CarpetaPrueba>();
        QVERIFY(carpeta->crearServicioDemo(hoy));
        QVERIFY(ServidorRemoto().ConectarMERLAN());
    }
    void cleanupTestCase() { carpeta.reset(); }

    void filtrosDeTitular()
    {
        const QStringList imeis = columna("SELECT * from LOCALIZADORES WHERE TITULAR LIKE " + kTitular, 2);
        QCOMPARE(imeis, Demo::Localizadores());
        // Every remote filter of the program finds only the holder's own rows.
        QCOMPARE(ServidorRemoto().NumRegistros("SELECT Count(*) from [CONSULTA GPS DETALLE] Where TITULAR=" + kTitular +
                                               " and NOMBRE IN ('" + Demo::LocalizadoresOtroTitular().join("','") + "')"), 0);
        QVERIFY(!columna("SELECT * from Zonas WHERE TITULAR LIKE " + kTitular, 1).contains("Zona Sur Privada"));
        QCOMPARE(columna("Select * from MICIUDAD where Titular=" + kTitular, 1), QStringList{Demo::Ciudad});
        QVERIFY(ServidorRemoto().NumRegistros("SELECT Count(*) from [CONSULTA GPS DETALLE] Where TITULAR='" + Demo::OtroTitular + "'") > 0);
    }

    void diasYRecorridos()
    {
        // Most of the 60 days before today, never a Sunday, nothing today.
        const QStringList dias = columna("SELECT DISTINCT CONVERT(nvarchar(11), FECHA, 101) FROM [CONSULTA GPS DETALLE] WHERE TITULAR=" + kTitular);
        QVERIFY(dias.size() >= 35);
        for (const QString &texto : dias) {
            const QDate dia = QDate::fromString(texto, "MM/dd/yyyy");
            QVERIFY2(dia >= hoy.addDays(-60) && dia < hoy && dia.dayOfWeek() != 7, qPrintable(texto));
        }
        // A locator's working day: time ordered, 10 to 60 s apart while moving, plausible speeds, around Madrid.
        QDate laborable = hoy.addDays(-7);
        while (laborable.dayOfWeek() >= 6)
            laborable = laborable.addDays(-1);
        const QString dia = laborable.toString("M/d/yyyy");
        auto rs = ServidorRemoto().DevuelveRecordset("SELECT FECHA, VELOCIDAD, LATITUD, LONGITUD FROM [CONSULTA GPS DETALLE] WHERE TITULAR=" + kTitular +
                                                     " AND NOMBRE='" + Demo::Localizadores().first() + "' AND FECHA BETWEEN '" + dia +
                                                     " 00:00' AND '" + dia + " 23:59:59' ORDER BY FECHA");
        QVERIFY(rs && rs->RecordCount() > 50);
        QDateTime anterior;
        int enMarcha = 0;
        for (; !rs->Eof(); rs->MoveNext()) {
            const QDateTime f = rs->Fields(0).toDateTime();
            const double nudos = rs->Texto(1).toDouble();
            QVERIFY(f.date() == laborable && nudos >= 0 && nudos < 60 && qAbs(rs->Texto(2).toDouble() - 40.42) < 0.3 && qAbs(rs->Texto(3).toDouble() + 3.70) < 0.3);
            QVERIFY(!anterior.isValid() || f > anterior);
            if (anterior.isValid() && nudos > 0) {
                QVERIFY(anterior.secsTo(f) >= 10 && anterior.secsTo(f) <= 60);
                ++enMarcha;
            }
            anterior = f;
        }
        QVERIFY(enMarcha > 30);
    }

    void zonasComoLasDelServicio()
    {
        auto zonas = ServidorRemoto().DevuelveRecordset("SELECT * from Zonas WHERE TITULAR LIKE " + kTitular);
        QVERIFY(zonas && zonas->RecordCount() >= 5);
        QCOMPARE(zonas->FieldCount(), 5);
        const QRegularExpression vertices(R"(^(\(-?\d+\.\d+,-?\d+\.\d+\)){3,}$)");
        for (; !zonas->Eof(); zonas->MoveNext()) {
            QVERIFY2(vertices.match(zonas->Texto(2)).hasMatch(), qPrintable(zonas->Texto(2)));
            QVERIFY(zonas->Texto(3).contains(',') && zonas->Fields(4).toInt() > 0);
        }
        // ZONA holds the zone whose polygon holds the point, else nothing.
        auto rs = ServidorRemoto().DevuelveRecordset("SELECT LATITUD, LONGITUD, ZONA FROM [CONSULTA GPS DETALLE] WHERE TITULAR=" + kTitular);
        QVERIFY(rs);
        int conZona = 0, comprobadas = 0;
        for (; !rs->Eof(); rs->Move(97), ++comprobadas) {
            QString esperada;
            for (const Demo::Zona &z : Demo::Zonas())
                if (esperada.isEmpty() && Demo::DentroDe(z, rs->Texto(0).toDouble(), rs->Texto(1).toDouble()))
                    esperada = z.nombre;
            QCOMPARE(rs->Texto(2), esperada);
            conZona += !esperada.isEmpty();
        }
        QVERIFY(conZona > comprobadas / 10 && conZona < comprobadas);
    }

    void determinista()
    {
        const QString primera = RutaServicioDemo();
        CarpetaPrueba otra;
        QVERIFY(otra.crearServicioDemo(hoy));
        QFile a(primera), b(RutaServicioDemo());
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly) && a.size() > 0);
        QVERIFY(a.readAll() == b.readAll());
    }
};

QTEST_GUILESS_MAIN(TstServicioDemo)
#include "tst_serviciodemo.moc"
