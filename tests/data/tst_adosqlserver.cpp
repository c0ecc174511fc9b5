// The data-access class's rules: neutral answers and the texts sent, the download fetch with its
// progress, failing connections, compaction and verification.
#include "archivosprueba.h"
#include "carpetaprueba.h"
#include "comillas.h"
#include "dialogosguion.h"
#include "esquema.h"
#include "module1.h"

#include <QLabel>
#include <QTcpServer>
#include <QtTest>

using Module1::BaseLocal;
using Module1::ServidorRemoto;

namespace {
QString fila(const QString &imei, const QString &fecha, const QString &info = QString())
{
    return QStringLiteral("INSERT INTO DATOS (IMEI, FECHA, LATITUD, LONGITUD, VELOCIDAD, INFORMACION, ZONA) VALUES('%1','%2','40.416775','-3.703790','12.5','%3','')")
        .arg(imei, fecha, EscaparComillas(info));
}
bool sobrescribir(const QString &ruta, const QByteArray &datos, qint64 desde)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadWrite) && f.seek(desde) && f.write(datos) == datos.size();
}
// Positions a second apart, in one transaction.
bool llenar(int filas)
{
    TransaccionLocal t(BaseLocal());
    for (int i = 0; i < filas; ++i)
        BaseLocal().Execute(fila(QString::number(i % 7), QDateTime(QDate(2009, 1, 1), QTime(0, 0)).addSecs(i).toString("MM/dd/yyyy HH:mm:ss")));
    return t.Confirmar() && BaseLocal().NumRegistros("SELECT Count(*) FROM DATOS") == filas;
}
}

class TstADOSQLSERVER : public QObject {
    Q_OBJECT
    std::unique_ptr<CarpetaPrueba> carpeta;
    std::unique_ptr<DialogosGuion> dialogos;

private Q_SLOTS:
    void init()
    {
        carpeta = std::make_unique<CarpetaPrueba>();
        dialogos = std::make_unique<DialogosGuion>();
        QVERIFY(carpeta->crearBaseLocal());
    }

    void cleanup()
    {
        dialogos.reset();
        carpeta.reset();
    }

    void respuestas_data()
    {
        QTest::addColumn<bool>("conectada");   // else the instance was never connected
        QTest::addColumn<QString>("metodo");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<int>("respuesta");    // DevuelveRecordset: its rows, -1 for none
        QTest::addColumn<QString>("fallo");    // part of the reason kept; empty when the call did not fail
        QTest::addColumn<QString>("enviado");  // the text sent (TotalRegistros: the caller's text afterwards), when not sql
        const QString ninguna = "SELECT * FROM DATOS WHERE IMEI='zz'";
        for (const QString m : {"Execute", "NumRegistros", "DevuelveRecordset", "HayRegistros", "TotalRegistros"})
            QTest::addRow("sin conectar %s", qPrintable(m)) << false << m << "DELETE FROM DATOS" << (m == "DevuelveRecordset" ? -1 : 0) << "cerrada" << "";
        QTest::newRow("DELETE que no borra") << true << "Execute" << "DELETE  Datos  WHERE  FECHA < '03/01/2010'" << 0 << "" << "";
        QTest::newRow("sin localizador rechazado") << true << "Execute" << "INSERT INTO DATOS (FECHA) VALUES ('03/05/2010 08:00:00')" << 0 << "NOT NULL" << "";
        // The service may hold two positions of a locator in one second: both are kept.
        QTest::newRow("mismo segundo, otra posicion") << true << "Execute" << fila("A", "03/05/2010 08:00:00") << 1 << "" << "";
        QTest::newRow("no es SQL") << true << "Execute" << "esto no es SQL" << 0 << "syntax" << "";
        QTest::newRow("cuenta") << true << "NumRegistros" << "SELECT Count(*) FROM DATOS WHERE IMEI='a'" << 3 << "" << "";
        QTest::newRow("cuenta sin fila") << true << "NumRegistros" << "SELECT IMEI FROM DATOS WHERE IMEI='zz'" << 0 << "" << "";
        QTest::newRow("filas") << true << "DevuelveRecordset" << "SELECT * FROM DATOS" << 4 << "" << "";
        QTest::newRow("sin filas no es fallo") << true << "DevuelveRecordset" << ninguna << -1 << "" << "";
        QTest::newRow("hay, en mayusculas") << true << "HayRegistros" << "select * from DATOS where imei='a'" << 1 << ""
                                            << "SELECT COUNT(*) FROM DATOS WHERE IMEI='A'";
        QTest::newRow("no hay") << true << "HayRegistros" << ninguna << 0 << "" << "SELECT COUNT(*) FROM DATOS WHERE IMEI='ZZ'";
        QTest::newRow("hay sin asterisco") << true << "HayRegistros" << "SELECT Count(*) FROM DATOS WHERE IMEI='b*'" << 1 << "" << "";
        QTest::newRow("total de un recorrido") << true << "TotalRegistros"
            << "SELECT * FROM DATOS WHERE IMEI='A' AND FECHA BETWEEN '3/5/2010 08:00' AND '3/5/2010 09:00' ORDER BY FECHA ASC" << 2 << ""
            << "SELECT Count(*)  FROM DATOS WHERE IMEI='A' AND FECHA BETWEEN '3/5/2010 08:00' AND '3/5/2010 09:00' ORDER BY FECHA ASC";
        // An asterisk inside a value is part of the value, not of the select list.
        QTest::newRow("total, asterisco en un valor") << true << "TotalRegistros" << "SELECT * FROM DATOS WHERE IMEI='B*'" << 1 << ""
                                                      << "SELECT Count(*)  FROM DATOS WHERE IMEI='B*'";
    }

    void respuestas()
    {
        QFETCH(bool, conectada);
        QFETCH(QString, metodo);
        QFETCH(QString, sql);
        QFETCH(int, respuesta);
        QFETCH(QString, fallo);
        QFETCH(QString, enviado);
        QVERIFY(CarpetaPrueba::ejecutarEn(RutaBaseLocal(), {"INSERT INTO DATOS (IMEI, FECHA) VALUES ('A', '2010-03-05 08:00:00'), "
                                                            "('A', '2010-03-05 08:00:10'), ('A', '2010-03-05 09:30:00'), ('B*', '2010-03-05 08:30:00')"}));
        ADOSQLSERVER &b = BaseLocal();
        QCOMPARE(conectada && b.ConectarLOCAL(), conectada);
        QString texto = sql;
        auto filas = [&] { auto rs = b.DevuelveRecordset(sql); return rs ? int(rs->RecordCount()) : -1; };
        const int r = metodo == "Execute" ? b.Execute(sql) : metodo == "NumRegistros" ? b.NumRegistros(sql)
                    : metodo == "HayRegistros" ? int(b.HayRegistros(sql)) : metodo == "TotalRegistros" ? b.TotalRegistros(texto) : filas();
        QCOMPARE(r, respuesta);
        QCOMPARE(b.UltimaOperacionFallida(), !fallo.isEmpty());
        QVERIFY2(b.UltimoError().contains(fallo, Qt::CaseInsensitive), qPrintable(b.UltimoError()));
        QCOMPARE(metodo == "TotalRegistros" ? texto : b.TextosEnviados().last(), enviado.isEmpty() ? sql : enviado);
        QVERIFY(dialogos->mensajes.isEmpty());
    }

    void filasLeidasTalCual()
    {
        QVERIFY(BaseLocal().ConectarLOCAL());
        const QString intruso = "Calle O'Donnell'); DELETE FROM DATOS; --";
        QCOMPARE(BaseLocal().Execute(fila("A", "03/05/2010 08:00:00", intruso)), 1);
        QCOMPARE(BaseLocal().Execute(fila("B", "03/05/2010 08:00:00")), 1);
        auto rs = BaseLocal().DevuelveRecordset("SELECT * FROM DATOS ORDER BY IMEI");
        QVERIFY(rs);
        BaseLocal().CerrarMERLAN();  // the record set holds its rows: it outlives the connection
        QCOMPARE(rs->Fields("informacion").toString(), intruso);
        QCOMPARE(rs->Fields(2).toString(), QStringLiteral("40.416775"));
        rs->MoveNext();
        QCOMPARE(rs->Fields(0).toString(), QStringLiteral("B"));
        rs->MoveNext();
        QVERIFY(rs->Eof() && !rs->Fields(0).isValid());
    }

    void textosComoSQLServer_data()
    {
        QTest::addColumn<QString>("sentencia");  // run with Execute first, when given
        QTest::addColumn<QString>("donde");      // the filter counted afterwards
        QTest::addColumn<int>("filas");
        // An empty text is stored, changed and matched as an empty text, never as NULL.
        QTest::newRow("INSERT ''") << fila("C", "03/05/2010 08:00:00") << "ZONA=''" << 2;
        QTest::newRow("UPDATE ''") << "UPDATE DATOS SET ZONA='' WHERE IMEI='Nave 1'" << "ZONA='' AND IMEI='NAVE 1'" << 1;
        QTest::newRow("DELETE WHERE ''") << "DELETE FROM DATOS WHERE ZONA=''" << "IMEI='x'" << 0;
        // LIKE as SQL Server's collation reads it.
        QTest::newRow("LIKE mayusculas") << "" << "ZONA LIKE 'ÑANDÚ'" << 1;
        QTest::newRow("LIKE blancos del valor") << "" << "IMEI LIKE 'NAVE 1'" << 1;
        QTest::newRow("LIKE blancos del patron") << "" << "IMEI LIKE 'Nave 1  '" << 0;
        QTest::newRow("LIKE comodines") << "" << "IMEI LIKE 'b8451237%'" << 2;
        QTest::newRow("LIKE escapado") << "" << "IMEI LIKE '" + EscaparLike("B8451237%") + "'" << 1;
        QTest::newRow("LIKE conjunto") << "" << "IMEI LIKE '[a-c]8451237[0-9]'" << 1;
        QTest::newRow("LIKE conjunto negado") << "" << "IMEI LIKE '[^b]%'" << 2;
        QTest::newRow("LIKE ESCAPE") << "" << "IMEI LIKE 'B8451237!%' ESCAPE '!'" << 1;
        QTest::newRow("LIKE NULL") << "" << "INFORMACION LIKE '%'" << 0;
    }

    void textosComoSQLServer()
    {
        QFETCH(QString, sentencia);
        QFETCH(QString, donde);
        QFETCH(int, filas);
        QVERIFY(CarpetaPrueba::ejecutarEn(RutaBaseLocal(), {"INSERT INTO DATOS (IMEI, FECHA, ZONA) VALUES ('Nave 1 ', '2010-03-05 08:00:00', "
                                                            "'Casa'), ('B84512370', '2010-03-05 08:00:01', 'Ñandú'), "
                                                            "('B8451237%', '2010-03-05 08:00:02', NULL), ('x', '2010-03-05 08:00:03', '')"}));
        QVERIFY(BaseLocal().ConectarLOCAL());
        if (!sentencia.isEmpty())
            QCOMPARE(BaseLocal().Execute(sentencia), 1);
        QCOMPARE(BaseLocal().NumRegistros("SELECT Count(*) FROM DATOS WHERE " + donde), filas);
        QVERIFY(!BaseLocal().UltimaOperacionFallida());
    }

    void transacciones()
    {
        QVERIFY(BaseLocal().ConectarLOCAL());
        {
            TransaccionLocal t(BaseLocal());
            QVERIFY(t.Activa());
            QCOMPARE(BaseLocal().Execute(fila("A", "03/05/2010 08:00:00")), 1);
        }
        QCOMPARE(BaseLocal().NumRegistros("SELECT Count(*) FROM DATOS"), 0);  // never confirmed: undone
        QVERIFY(llenar(40000));
        QCOMPARE(BaseLocal().Execute("DELETE  Datos  WHERE  FECHA < '03/01/2010'"), 40000);  // beyond 16 bits
    }

    void dameRecordsetConProgreso()
    {
        QVERIFY(carpeta->crearServicioVacio());
        QVERIFY(CarpetaPrueba::ejecutarEn(RutaServicioDemo(), {
            "INSERT INTO POSICIONES VALUES ('111','2010-03-05 07:04:09','40.4167751234','-3.7037901234','12.345678','Nave|Puerta 2',NULL,'B1')",
            "INSERT INTO POSICIONES VALUES ('111','2010-03-05 07:05:00','40.1','-3.2','0','','Zona A','B1')",
            "INSERT INTO POSICIONES VALUES ('999','2010-03-05 07:06:00','40.1','-3.2','0','','','OTRO')",
        }));
        QVERIFY(ServidorRemoto().ConectarMERLAN());
        QList<int> avisos;
        QList<FilaDescarga> filas;
        QVERIFY(ServidorRemoto().DameRecordset(
            "SELECT NOMBRE,FECHA,LATITUD,LONGITUD,VELOCIDAD,INFORMACION,ZONA FROM [CONSULTA GPS DETALLE] where  CONVERT(VarChar(100), FECHA, 103) = CONVERT(VarChar(100),'05/03/2010', 103) and TITULAR='B1' ORDER BY FECHA",
            [&](const FilaDescarga &f, int n) {
                avisos << n;
                filas << f;
            }));
        QCOMPARE(filas.size(), 2);
        QCOMPARE(filas[0].Campo(5), QStringLiteral("Nave|Puerta 2"));      // a "|" stays inside its field
        QCOMPARE(filas[0].Campo(2), QStringLiteral("40.4167751234"));      // full precision
        QCOMPARE(filas[0].Campo(1), QStringLiteral("05/03/2010 7:04:09")); // general date form
        QCOMPARE(filas[0].valores[1].toDateTime(), QDateTime(QDate(2010, 3, 5), QTime(7, 4, 9), Qt::UTC));
        QCOMPARE(filas[0].Campo(6), QString());                            // null contributes nothing
        QCOMPARE(filas[1].Texto(), QStringLiteral("111|05/03/2010 7:05:00|40.1|-3.2|0||Zona A|"));
        QCOMPARE(avisos, (QList<int>{1, 2}));  // one report per row, with the rows so far
    }

    void conexionFallida_data()
    {
        QTest::addColumn<QString>("motivo");  // a pattern the message shows
        QTest::newRow("local sin archivo") << "";
        QTest::newRow("local de otro programa") << "DATOS";
        QTest::newRow("remoto demo sin archivo") << "";
        QTest::newRow("remoto inalcanzable") << "FreeTDS|connect";  // the driver's own words
    }

    void conexionFallida()
    {
        QFETCH(QString, motivo);
        const QString caso = QTest::currentDataTag();
        const bool local = caso.startsWith("local");
        if (local)
            QVERIFY(QFile::remove(RutaBaseLocal()));
        if (caso == "local de otro programa")
            QVERIFY(CarpetaPrueba::ejecutarEn(RutaBaseLocal(), {"CREATE TABLE OTRA (X)"}));
        if (caso == "remoto inalcanzable") {
            QTcpServer s;  // a loopback port where nothing listens: take a free port and release it
            QVERIFY(s.listen(QHostAddress::LocalHost));
            ADOSQLSERVER::EstablecerServidorRemoto(QStringLiteral("127.0.0.1,%1").arg(s.serverPort()));
        }
        ADOSQLSERVER &b = local ? BaseLocal() : ServidorRemoto();
        QVERIFY(local ? !b.ConectarLOCAL() : !b.ConectarMERLAN());
        ADOSQLSERVER::EstablecerServidorRemoto(QString());
        QCOMPARE(dialogos->mensajes.size(), 1);
        const MensajeMostrado m = dialogos->mensajes[0];
        QCOMPARE(m.estilo, vb::vbOKOnly);
        QCOMPARE(m.titulo, TituloAplicacion());
        QVERIFY2(!m.texto.isEmpty() && m.texto.contains(QRegularExpression(motivo, QRegularExpression::CaseInsensitiveOption)), qPrintable(m.texto));
        QVERIFY(!b.Conectado() && b.UltimaOperacionFallida());
        QCOMPARE(b.NumRegistros("SELECT Count(*) FROM DATOS"), 0);
        QCOMPARE(QFile::exists(local ? RutaBaseLocal() : RutaServicioDemo()), caso == "local de otro programa");  // none made
        if (caso == "remoto demo sin archivo") {  // the same instance connects once the service is there
            QVERIFY(carpeta->crearServicioVacio() && b.ConectarMERLAN());
            QCOMPARE(b.NumRegistros("SELECT Count(*) from [CONSULTA GPS DETALLE]"), 0);
            QVERIFY(!b.UltimaOperacionFallida());
        }
    }

    void compactarYVerificar_data()
    {
        QTest::addColumn<bool>("compactar");    // else verify
        QTest::addColumn<QByteArray>("dano");   // written over the whole file, or (short) over pages here and there
        QTest::newRow("compactar") << true << QByteArray();
        QTest::newRow("verificar") << false << QByteArray();
        QTest::newRow("compactar lo que no es una base") << true << QByteArray(8192, '\x5a');
        QTest::newRow("verificar paginas rotas") << false << QByteArray(700, '\x07');  // index and table disagree
    }

    void compactarYVerificar()
    {
        QFETCH(bool, compactar);
        QFETCH(QByteArray, dano);
        const bool bien = dano.isEmpty();
        const QString temporal = carpeta->archivo("DATOS/datoslocalizadortemp.sdf");
        QVERIFY(BaseLocal().ConectarLOCAL());
        QVERIFY(llenar(3000));
        if (compactar && bien) {
            QCOMPARE(BaseLocal().Execute("DELETE  Datos  WHERE  FECHA < '01/01/2011'"), 3000);
            QCOMPARE(BaseLocal().Execute(fila("B", "03/05/2010 08:00:00")), 1);
            QVERIFY(Prueba::escribirArchivo(temporal, "basura"));  // a stale temporary file from an earlier attempt is replaced
        }
        BaseLocal().CerrarMERLAN();
        const qint64 tamano = QFileInfo(RutaBaseLocal()).size();
        QVERIFY(dano.size() < 4096 || Prueba::escribirArchivo(RutaBaseLocal(), dano));
        for (qint64 pos = 2 * 4096 + 100; dano.size() < 4096 && !bien && pos < tamano - 4096; pos += 3 * 4096)
            QVERIFY(sobrescribir(RutaBaseLocal(), dano, pos));
        const QByteArray antes = Prueba::leerArchivo(RutaBaseLocal());
        compactar ? BaseLocal().Compactar() : BaseLocal().Verificar();
        QCOMPARE(dialogos->mensajes.size(), 1);
        const MensajeMostrado m = dialogos->mensajes[0];
        if (bien)
            QCOMPARE(m.texto, compactar ? QStringLiteral("Base de Datos Compactada correctamente.") : QStringLiteral("Base de Datos verificada correctamente."));
        else
            QVERIFY(!m.texto.isEmpty() && !m.texto.contains("correctamente"));
        QCOMPARE(m.estilo, bien ? vb::vbExclamation : vb::vbCritical);
        QCOMPARE(m.titulo, bien ? QString() : TituloAplicacion());
        QVERIFY(!BaseLocal().Conectado());
        QCOMPARE(BaseLocal().UltimaOperacionFallida(), !bien);
        QVERIFY(!QFile::exists(temporal));
        if (!compactar || !bien)
            QCOMPARE(Prueba::leerArchivo(RutaBaseLocal()), antes);
        if (compactar && bien) {
            QVERIFY(QFileInfo(RutaBaseLocal()).size() < tamano);
            QVERIFY(BaseLocal().ConectarLOCAL());
            QCOMPARE(BaseLocal().NumRegistros("SELECT Count(*) FROM DATOS WHERE IMEI='B'"), 1);
            QCOMPARE(BaseLocal().NumRegistros("SELECT count(*) FROM sqlite_master WHERE name='IX_DATOS_FECHA'"), 1);  // the index came along
        }
    }
};

QTEST_MAIN(TstADOSQLSERVER)
#include "tst_adosqlserver.moc"
