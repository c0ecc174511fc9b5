// Position times have no time zone. Run under a zone with summer time (TZ=Europe/Madrid, set by
// the test's environment): the spring-forward hour and the autumn hour lived twice are read,
// downloaded, replayed, counted and typed in as the wall-clock values the service holds.
#include "vistamuda.h"
#include "ajustesdiferido.h"
#include "carpetaprueba.h"
#include "consultasdiferido.h"
#include "descargaposiciones.h"
#include "fechaflotante.h"
#include "module1.h"
#include "motordiferido.h"
#include "posiciones.h"
#include "regional.h"
#include "serviciodemo.h"

#include <QtTest>

using namespace Module1;

namespace {
const QDate kPrimavera(2010, 3, 28);
const QDate kOtono(2010, 10, 31);
const char *kLocalizador = "356000000000001";

QString servicio(const QString &fecha, const QString &latitud)
{
    return QStringLiteral("INSERT INTO POSICIONES VALUES ('%1','%2','%3','-3.7','10','GPS','Nave 1','%4')")
        .arg(QLatin1String(kLocalizador), fecha, latitud, Demo::Titular);
}

QStringList fechasLocales(const QDate &dia)
{
    QStringList r;
    auto rs = BaseLocal().DevuelveRecordset(ConsultasDiferido::SqlRecorrido(
        kLocalizador, '\'' + dia.toString("M/d/yyyy") + QStringLiteral(" 00:00'"), '\'' + dia.toString("M/d/yyyy") + QStringLiteral(" 23:59:59'")));
    for (; rs && !rs->Eof(); rs->MoveNext()) {
        const QDateTime f = rs->Fields(QStringLiteral("FECHA")).toDateTime();
        r << (f.isValid() ? f.toString("HH:mm:ss") : QStringLiteral("inválida"));
    }
    return r;
}
}

class TstFechaSinZona : public QObject {
    Q_OBJECT
    std::unique_ptr<CarpetaPrueba> carpeta;

private Q_SLOTS:
    void initTestCase()
    {
        // The environment is what makes these cases bite: 02:30 of that day does not exist in local time.
        QVERIFY(!QDateTime(kPrimavera, QTime(2, 30)).isValid());
        QCOMPARE(QDateTime(kPrimavera, QTime(1, 59, 59)).secsTo(QDateTime(kPrimavera, QTime(3, 30))), 1801);
    }
    void init()
    {
        carpeta = std::make_unique<CarpetaPrueba>();
        QVERIFY(carpeta->crearServicioVacio() && carpeta->crearBaseLocal());
        QVERIFY(CarpetaPrueba::ejecutarEn(RutaServicioDemo(), {
            servicio("2010-03-28 01:59:59", "40.0"), servicio("2010-03-28 02:30:00", "40.1"), servicio("2010-03-28 03:30:00", "40.2"),
            // The autumn 02:30 twice (once in summer time, once after), and two positions within one second.
            servicio("2010-10-31 02:30:00", "41.0"), servicio("2010-10-31 02:30:00", "41.1"),
            servicio("2010-10-31 02:40:00.400", "41.2"), servicio("2010-10-31 02:40:00.800", "41.3")}));
        QVERIFY(carpeta->conectarRemoto() && carpeta->conectarLocal());
        CodigoTitular = Demo::Titular;
    }
    void cleanup() { carpeta.reset(); }

    void descargaYRelectura_data()
    {
        QTest::addColumn<QDate>("dia");
        QTest::addColumn<QStringList>("horas");
        QTest::newRow("adelanto de primavera") << kPrimavera << QStringList{"01:59:59", "02:30:00", "03:30:00"};
        QTest::newRow("hora doble de otoño") << kOtono << QStringList{"02:30:00", "02:30:00", "02:40:00", "02:40:00"};
    }
    void descargaYRelectura()
    {
        QFETCH(QDate, dia);
        QFETCH(QStringList, horas);
        VistaMuda vista;
        DescargaPosiciones d(vista);
        FechaDescarga = FechaFlotante(dia);
        QCOMPARE(d.BajarDia(), DescargaPosiciones::Dia::Bajado);
        QCOMPARE(d.TotalInsertados, horas.size());
        QCOMPARE(fechasLocales(dia), horas);
        // The counts agree: the next download finds nothing to fetch that day.
        QCOMPARE(d.BajarDia(), DescargaPosiciones::Dia::NadaQueBajar);
        // The statistics count each position in its own hour.
        auto rs = BaseLocal().DevuelveRecordset(
            "SELECT DatePart(hh, fecha),Count(*) FROM [DATOS] where IMEI='" + QString(kLocalizador) + "' and Fecha>CONVERT(DateTime, '" +
            dia.toString("dd/MM/yyyy") + "', 103) And Fecha<CONVERT(DateTime, '" + dia.addDays(1).toString("dd/MM/yyyy") +
            "', 103) Group By DatePart(hh, fecha) order by DatePart(hh, fecha)");
        int total = 0;
        for (; rs && !rs->Eof(); rs->MoveNext())
            total += rs->Fields(1).toInt();
        QCOMPARE(total, horas.size());
    }

    void recorridoPorElSalto()
    {
        VistaMuda vista;
        DescargaPosiciones d(vista);
        FechaDescarga = FechaFlotante(kPrimavera);
        QCOMPARE(d.BajarDia(), DescargaPosiciones::Dia::Bajado);
        MotorDiferido m;
        m.Cargar(BaseLocal().DevuelveRecordset(ConsultasDiferido::SqlRecorrido(kLocalizador, "'3/28/2010 00:00'", "'3/28/2010 23:59:59'")));
        const AjustesPaso ajustes{"Lento", "Mediano", "Todos los puntos", false, "COCHE1"};
        QStringList vistas;
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(m.GestionSigPunto(ajustes).resultado, MotorDiferido::Resultado::Punto);
            vistas << m.lecturas().lblfecha.section(' ', 1);
        }
        QCOMPARE(vistas, QStringList({"1:59:59", "2:30:00", "3:30:00"}));
        QCOMPARE(m.lecturas().lbltiempoparcial, QStringLiteral("01:30:01"));  // 5401 s of wall clock
    }

    void horaEscrita()
    {
        QDateTime leida;
        QVERIFY(Regional::LeerFechaHora("28/03/2010 2:30", leida));
        QCOMPARE(leida.toString("yyyy-MM-dd HH:mm:ss"), QStringLiteral("2010-03-28 02:30:00"));
    }

    void lecturaDeUnControladorEnHoraLocal()
    {
        const QByteArray antes = qgetenv("TZ");
        {
            SinZonaLocal sinZona;
            // What an ODBC driver builds from the wall-clock fields, kept as read.
            QCOMPARE(AFlotante(QDateTime(kPrimavera, QTime(2, 30))).toString("yyyy-MM-dd HH:mm:ss"), QStringLiteral("2010-03-28 02:30:00"));
        }
        QCOMPARE(qgetenv("TZ"), antes);
        QVERIFY(!QDateTime(kPrimavera, QTime(2, 30)).isValid());
    }
};

QTEST_GUILESS_MAIN(TstFechaSinZona)
#include "tst_fechasinzona.moc"
