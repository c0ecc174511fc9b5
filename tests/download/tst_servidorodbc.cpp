// The remote path through the real driver stack (Qt's ODBC driver, unixODBC, FreeTDS) against a
// loopback TDS responder answering the program's own texts with rows typed as the service's
// columns. The same rows put in the demo service must reach the program in the same form.
#include "vistamuda.h"
#include "carpetaprueba.h"
#include "consultasestadisticas.h"
#include "descargaposiciones.h"
#include "dialogosguion.h"
#include "miciudad.h"
#include "module1.h"
#include "respondedortds.h"
#include "titularservicio.h"

#include <QRegularExpression>
#include <QtTest>

using namespace Module1;
using Col = RespondedorTds::Columna;

namespace {
const QString kTitular = QStringLiteral("B84512370");
const QDate kDia(2026, 3, 5);
const QString kDosResultados = QStringLiteral("SELECT Count(*) FROM Zonas; SELECT Count(*) FROM MiCiudad");

// One object of the service: the text the program sends for it, its typed columns and its rows.
struct Tabla {
    QString sql;
    QList<Col> columnas;
    QList<QVariantList> filas;
    QString tablaDemo;  // where the demo service keeps the same rows
};

QDateTime hora(int h, int m, int s) { return QDateTime(kDia, QTime(h, m, s)); }

QList<Tabla> servicio()
{
    const QList<Col> posiciones{{Col::Texto, "NOMBRE"}, {Col::FechaHora, "FECHA"}, {Col::Flotante, "LATITUD"},
                                {Col::Flotante, "LONGITUD"}, {Col::Flotante, "VELOCIDAD"}, {Col::Texto, "INFORMACION"},
                                {Col::Texto, "ZONA"}};
    const QList<QVariantList> filas{
        {"356000000000001", hora(7, 4, 9), 40.4167751234, -3.7037901234, 12.345678, "Avda. de Andalucía, 5 (Móstoles)", "Almacén Norte"},
        {"356000000000001", hora(0, 0, 0), 40.1, -3.2, 0.0, "", QVariant()},
        {"356000000000002", hora(23, 59, 59), 41.3887, 2.1589, 87.5, QVariant(), "Señal débil ñ"},
    };
    return {
        {SqlFilasRemotas(kDia, kTitular), posiciones, filas, "POSICIONES"},
        {SqlCuentaRemota(kDia, kTitular), {{Col::Entero, ""}}, {{int(filas.size())}}, ""},
        {ConsultasEstadisticas::SqlLocalizadores(kTitular),
         {{Col::Entero, "IDLOCALIZADOR"}, {Col::Texto, "TITULAR"}, {Col::Texto, "NOMBRE"}, {Col::Texto, "DESCRIPCION"}},
         {{1, kTitular, "356000000000001", "Furgoneta Peñalara"}, {2, kTitular, "356000000000002", QVariant()}}, "LOCALIZADORES"},
        {ConsultasEstadisticas::SqlZonas(kTitular),
         {{Col::Texto, "TITULAR"}, {Col::Texto, "Descripcion zona"}, {Col::Texto, "Coor Geo"}, {Col::Texto, "Area"}, {Col::Entero, "IdZona"}},
         {{kTitular, "Polígono Cobo Calleja", "(40.1,-3.7)(40.2,-3.6)(40.15,-3.5)", "12,5", 7}}, "Zonas"},
        {"Select * from MICIUDAD where Titular='" + kTitular + "'", {{Col::Texto, "Titular"}, {Col::Texto, "Mi Ciudad"}},
         {{kTitular, "Alcalá de Henares"}}, "MiCiudad"},
        {"SELECT TITULAR, NOMBRE, CLAVE FROM TITULARES WHERE TITULAR='" + kTitular + "'",
         {{Col::Texto, "TITULAR"}, {Col::Texto, "NOMBRE"}, {Col::Texto, "CLAVE"}}, {{kTitular, "Transportes Vardén S.L.", "kv2026"}},
         "TITULARES"},
    };
}

RespondedorTds::Resultado responder(const QString &sentencia)
{
    // The driver sends prepared statements with @P1, @P2... in place of each "?".
    const QString sql = QString(sentencia).replace(QRegularExpression("@P\\d+"), "?");
    RespondedorTds::Resultado r;
    if (sql == kDosResultados) {
        r.columnas = {{Col::Entero, ""}};
        r.filas = {{5}};
        r.otroResultado = true;
        return r;
    }
    for (const Tabla &t : servicio())
        if (t.sql == sql) {
            r.columnas = t.columnas;
            r.filas = t.filas;
            return r;
        }
    // The statements that write.
    if (sql.startsWith("Insert into MiCiudad"))
        r.error = "Violation of UNIQUE KEY constraint 'UQ_MiCiudad'. Cannot insert duplicate key in object 'dbo.MiCiudad'.";
    else if (sql.startsWith("Update Miciudad") || sql.startsWith("UPDATE Zonas SET") || sql.startsWith("DELETE FROM Zonas"))
        r.afectadas = sql.startsWith("DELETE") ? 0 : 1;
    else
        r.error = "Invalid object name 'X'.";
    return r;
}

QString literal(const QVariant &v)
{
    if (v.isNull())
        return "NULL";
    if (v.typeId() == QMetaType::QDateTime)
        return '\'' + v.toDateTime().toString("yyyy-MM-dd HH:mm:ss") + '\'';
    return '\'' + v.toString().replace('\'', "''") + '\'';
}

// A value as the program sees it: its text, dates to the second, NULL as empty.
QString comoTexto(const QVariant &v)
{
    if (v.typeId() == QMetaType::QDateTime)
        return "fecha " + v.toDateTime().toString("yyyy-MM-dd hh:mm:ss");
    return v.isNull() ? QString() : v.toString();
}

// What DevuelveRecordset hands over, field by field (with the fields' names when nombres).
QStringList leer(ADOSQLSERVER &base, const QString &sql, bool nombres = true)
{
    QStringList r;
    for (auto rs = base.DevuelveRecordset(sql); rs && !rs->Eof(); rs->MoveNext()) {
        QStringList fila;
        for (int i = 0; i < rs->FieldCount(); ++i)
            fila << (nombres ? rs->NombreCampo(i) + '=' : QString()) + comoTexto(rs->Fields(i));
        r << fila.join(nombres ? " | " : "|");
    }
    r.sort();  // neither server promises an order
    return r;
}

// What the download's fetch hands over.
QStringList descargar(const QString &sql)
{
    QStringList r;
    ServidorRemoto().DameRecordset(sql, [&r](const FilaDescarga &f, int) {
        r << f.Texto() + " / " + comoTexto(f.valores.value(1));
    });
    r.sort();
    return r;
}

}

class TstServidorOdbc : public QObject {
    Q_OBJECT
    std::unique_ptr<CarpetaPrueba> carpeta;
    std::unique_ptr<DialogosGuion> dialogos;
    std::unique_ptr<RespondedorTds> tds;

private Q_SLOTS:
    void init()
    {
        carpeta = std::make_unique<CarpetaPrueba>();
        dialogos = std::make_unique<DialogosGuion>();
        QVERIFY(carpeta->crearBaseLocal() && carpeta->conectarLocal());
        tds = std::make_unique<RespondedorTds>(responder);
        const quint16 puerto = tds->Abrir();
        QVERIFY(puerto != 0);
        ADOSQLSERVER::EstablecerServidorRemoto(QStringLiteral("127.0.0.1,%1").arg(puerto));
        CodigoTitular = kTitular;
    }

    void cleanup()
    {
        ServidorRemoto().CerrarMERLAN();
        BaseLocal().CerrarMERLAN();
        ADOSQLSERVER::EstablecerServidorRemoto(QString());
        if (QTest::currentTestFailed())
            qInfo().noquote() << "received:" << tds->Recibidos().join("\n");
        tds.reset();
        dialogos.reset();
        carpeta.reset();
    }

    void comoElServicioDemo_data()
    {
        QTest::addColumn<int>("tabla");
        QTest::addColumn<bool>("descarga");  // through DameRecordset, else DevuelveRecordset
        QTest::newRow("posiciones del dia") << 0 << true;
        QTest::newRow("posiciones como recordset") << 0 << false;
        QTest::newRow("cuenta del dia") << 1 << false;
        QTest::newRow("localizadores") << 2 << false;
        QTest::newRow("zonas") << 3 << false;
        QTest::newRow("ciudad") << 4 << false;
        QTest::newRow("titular") << 5 << false;
    }

    void comoElServicioDemo()
    {
        QFETCH(int, tabla);
        QFETCH(bool, descarga);
        const QList<Tabla> s = servicio();
        // The demo service with the same rows.
        const QString remoto = ADOSQLSERVER::ServidorRemotoConfigurado();
        ADOSQLSERVER::EstablecerServidorRemoto(QString());
        QStringList inserciones;
        for (const Tabla &t : s) {
            for (QVariantList f : t.filas) {
                if (t.tablaDemo.isEmpty())
                    continue;
                if (t.tablaDemo == "POSICIONES")
                    f << kTitular;
                QStringList v;
                for (const QVariant &x : f)
                    v << literal(x);
                inserciones << "INSERT INTO " + t.tablaDemo + " VALUES (" + v.join(',') + ')';
            }
        }
        QVERIFY(carpeta->crearServicioVacio() && CarpetaPrueba::ejecutarEn(RutaServicioDemo(), inserciones));
        QVERIFY(ServidorRemoto().ConectarMERLAN());
        const QString sql = s[tabla].sql;
        const QStringList demo = descarga ? descargar(sql) : leer(ServidorRemoto(), sql);
        QCOMPARE(demo.size(), s[tabla].filas.size());

        ADOSQLSERVER::EstablecerServidorRemoto(remoto);
        QVERIFY(ServidorRemoto().ConectarMERLAN());
        const QStringList odbc = descarga ? descargar(sql) : leer(ServidorRemoto(), sql);
        QVERIFY2(!ServidorRemoto().UltimaOperacionFallida(), qPrintable(ServidorRemoto().UltimoError()));
        if (tabla == 1)  // a count's column has no name on either side
            QCOMPARE(odbc.value(0).section('=', 1), demo.value(0).section('=', 1));
        else
            QCOMPARE(odbc, demo);
        QVERIFY(tds->Recibidos().contains("batch: " + sql));
    }

    void descargaUnDia()
    {
        QVERIFY(ServidorRemoto().ConectarMERLAN());
        FechaDescarga = QDateTime(kDia, QTime(0, 0));
        VistaMuda vista;
        DescargaPosiciones d(vista);
        QCOMPARE(d.BajarDia(), DescargaPosiciones::Dia::Bajado);
        QCOMPARE(vista.lineas, QStringList{"Bajados 3 regs el día 05/03/2026"});
        QCOMPARE(d.TotalInsertados, 3);
        QCOMPARE(leer(BaseLocal(), "SELECT * FROM DATOS", false), (QStringList{
            "356000000000001|fecha 2026-03-05 00:00:00|40.1|-3.2|0||",
            "356000000000001|fecha 2026-03-05 07:04:09|40.4167751234|-3.7037901234|12.345678|Avda. de Andalucía, 5 (Móstoles)|Almacén Norte",
            "356000000000002|fecha 2026-03-05 23:59:59|41.3887|2.1589|87.5||Señal débil ñ",
        }));
        // A second pass finds the day complete.
        QCOMPARE(d.BajarDia(), DescargaPosiciones::Dia::NadaQueBajar);
    }

    void escrituras()
    {
        QVERIFY(ServidorRemoto().ConectarMERLAN());
        QString motivo;
        QVERIFY(MiCiudad::Guardar(ServidorRemoto(), kTitular, "Alcalá de Henares", motivo));
        QCOMPARE(ServidorRemoto().Execute("Insert into MiCiudad Values('B84512370','Toledo')"), 0);
        QVERIFY(ServidorRemoto().UltimoError().contains("Violation of UNIQUE KEY"));
        QCOMPARE(ServidorRemoto().Execute("Update Miciudad SET [Mi Ciudad]='Toledo' where titular='B84512370'"), 1);
        QCOMPARE(ServidorRemoto().Execute("DELETE FROM Zonas WHERE IdZona=99"), 0);
        QVERIFY(!ServidorRemoto().UltimaOperacionFallida());
        QCOMPARE(MiCiudad::Leer(ServidorRemoto(), kTitular).value_or("?"), "Alcalá de Henares");
        // Statements go as plain batches: no server cursor around a statement without rows.
        QVERIFY(tds->Recibidos().contains("batch: Update Miciudad SET [Mi Ciudad]='Toledo' where titular='B84512370'"));
    }

    void sentenciaPreparada()
    {
        QVERIFY(ServidorRemoto().ConectarMERLAN());
        auto s = ServidorRemoto().Preparar("UPDATE Zonas SET [Descripcion zona]=? WHERE IdZona=?");
        QVERIFY(s);
        QCOMPARE(ServidorRemoto().Execute(*s, {"Nave ñ", 7}), 1);
        QCOMPARE(ServidorRemoto().Execute(*s, {"Nave 2", 8}), 1);
        // Qt binds the values again at each run, so the driver prepares and runs in one call each time.
        const QString sql = "UPDATE Zonas SET [Descripcion zona]=@P1 WHERE IdZona=@P2";
        QCOMPARE(tds->Recibidos().filter("rpc sp_prepexec"), QStringList(2, "rpc sp_prepexec: " + sql));
    }

    void loginRechazado()
    {
        tds->RechazarLogins("Login failed for user 'sa'.");
        QVERIFY(!ServidorRemoto().ConectarMERLAN());
        QCOMPARE(dialogos->mensajes.size(), 1);
        QVERIFY2(dialogos->mensajes[0].texto.contains("Login failed for user 'sa'."), qPrintable(dialogos->mensajes[0].texto));
        QVERIFY(!ServidorRemoto().Conectado() && ServidorRemoto().UltimaOperacionFallida());
        QCOMPARE(ServidorRemoto().NumRegistros(SqlCuentaRemota(kDia, kTitular)), 0);
    }

    // With the program's connection string, the second result of a batch is never read: the driver
    // cancels it and the connection goes on.
    void cancelaLoQueNoLee()
    {
        QVERIFY(ServidorRemoto().ConectarMERLAN());
        QCOMPARE(tds->UltimoLogin(), (QStringList{"sa", "bortelquin", "BDMERLAN"}));
        QCOMPARE(ServidorRemoto().NumRegistros(kDosResultados), 5);
        QCOMPARE(ServidorRemoto().NumRegistros(SqlCuentaRemota(kDia, kTitular)), 3);
        const QStringList r = tds->Recibidos();
        QCOMPARE(r.mid(r.indexOf("batch: " + kDosResultados) + 1, 2), (QStringList{"attention", "batch: " + SqlCuentaRemota(kDia, kTitular)}));
        QVERIFY(dialogos->mensajes.isEmpty());
    }
};

QTEST_MAIN(TstServidorOdbc)
#include "tst_servidorodbc.moc"
