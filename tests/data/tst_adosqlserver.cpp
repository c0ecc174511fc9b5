// The data-access class's rules: neutral answers, the text rewrites, the download fetch with its
// progress, compaction and verification, and failing connections.
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
QByteArray contenido(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}

class TstADOSQLSERVER : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void sinConectarRespondeNeutro();
    void totalRegistrosReescribeElTexto();
    void numRegistrosYDevuelveRecordset();
    void executeCuentaFilas();
    void executeMasDe32767();
    void comillasDobladas();
    void transaccionSeDeshaceSiNoSeConfirma();
    void dameRecordsetConProgreso();
    void conectarLocalNoCreaArchivo();
    void conectarLocalRechazaArchivoAjeno();
    void compactar();
    void compactarFallidoDejaElArchivo();
    void verificar();
    void verificarArchivoDanado();
    void remotoInalcanzablePorOdbc();
    void remotoDemoSinDireccion();

private:
    std::unique_ptr<CarpetaPrueba> carpeta;
    std::unique_ptr<DialogosGuion> dialogos;
};

void TstADOSQLSERVER::init()
{
    carpeta = std::make_unique<CarpetaPrueba>();
    dialogos = std::make_unique<DialogosGuion>();
    QVERIFY(carpeta->crearBaseLocal());
}

void TstADOSQLSERVER::cleanup()
{
    dialogos.reset();
    carpeta.reset();
}

void TstADOSQLSERVER::sinConectarRespondeNeutro()
{
    ADOSQLSERVER &b = BaseLocal();   // created on first use, never connected
    QVERIFY(!b.Conectado());
    QCOMPARE(b.Execute(fila("A", "03/05/2010 10:00:00")), 0);
    QVERIFY(b.UltimaOperacionFallida());
    QCOMPARE(b.NumRegistros("SELECT Count(*) FROM DATOS"), 0);
    QVERIFY(!b.DevuelveRecordset("SELECT * FROM DATOS"));
    QVERIFY(!b.HayRegistros("SELECT * FROM DATOS"));
    QString t = "SELECT * FROM DATOS";
    QCOMPARE(b.TotalRegistros(t), 0);
    QVERIFY(dialogos->mensajes.isEmpty());
}

void TstADOSQLSERVER::totalRegistrosReescribeElTexto()
{
    QVERIFY(BaseLocal().ConectarLOCAL());
    for (const char *f : {"03/05/2010 08:00:00", "03/05/2010 08:00:10", "03/05/2010 09:30:00"})
        QCOMPARE(BaseLocal().Execute(fila("A", f)), 1);
    QCOMPARE(BaseLocal().Execute(fila("B", "03/05/2010 08:30:00")), 1);
    QString sql = "SELECT * FROM DATOS WHERE IMEI='A' AND FECHA BETWEEN '3/5/2010 08:00' AND '3/5/2010 09:00' ORDER BY FECHA ASC";
    QCOMPARE(BaseLocal().TotalRegistros(sql), 2);
    QVERIFY(sql.startsWith("SELECT Count(*)  FROM DATOS"));
    QVERIFY(sql.endsWith(" ORDER BY FECHA ASC"));
    // An asterisk inside a value is part of the value, not of the select list.
    QCOMPARE(BaseLocal().Execute(fila("C*", "03/05/2010 08:00:00")), 1);
    QString conAsterisco = "SELECT * FROM DATOS WHERE IMEI='C*'";
    QCOMPARE(BaseLocal().TotalRegistros(conAsterisco), 1);
    QCOMPARE(conAsterisco, QStringLiteral("SELECT Count(*)  FROM DATOS WHERE IMEI='C*'"));
}

void TstADOSQLSERVER::numRegistrosYDevuelveRecordset()
{
    QVERIFY(BaseLocal().ConectarLOCAL());
    QCOMPARE(BaseLocal().NumRegistros("SELECT Count(*) FROM DATOS"), 0);
    QCOMPARE(BaseLocal().NumRegistros("SELECT IMEI FROM DATOS"), 0);  // no row at all
    QVERIFY(!BaseLocal().DevuelveRecordset("SELECT * FROM DATOS"));
    QVERIFY(!BaseLocal().UltimaOperacionFallida());  // nothing found is no failure
    QVERIFY(!BaseLocal().HayRegistros("SELECT * FROM DATOS"));
    QCOMPARE(BaseLocal().Execute(fila("A", "03/05/2010 08:00:00")), 1);
    QCOMPARE(BaseLocal().Execute(fila("B", "03/05/2010 08:00:00")), 1);
    QVERIFY(BaseLocal().HayRegistros("select * from DATOS where imei='a'"));
    auto rs = BaseLocal().DevuelveRecordset("SELECT * FROM DATOS ORDER BY IMEI");
    QVERIFY(rs);
    QCOMPARE(rs->RecordCount(), 2);
    QCOMPARE(rs->Fields("imei").toString(), QStringLiteral("A"));
    rs->MoveNext();
    QCOMPARE(rs->Fields(0).toString(), QStringLiteral("B"));
    rs->MoveNext();
    QVERIFY(rs->Eof());
    QVERIFY(!rs->Fields(0).isValid());
    // The record set holds its rows: it outlives the connection.
    BaseLocal().CerrarMERLAN();
    rs->MoveFirst();
    QCOMPARE(rs->Fields(5).toString(), QString());
    QCOMPARE(rs->Fields(2).toString(), QStringLiteral("40.416775"));
    QVERIFY(BaseLocal().TextosEnviados().contains("SELECT * FROM DATOS ORDER BY IMEI"));
}

void TstADOSQLSERVER::executeCuentaFilas()
{
    QVERIFY(BaseLocal().ConectarLOCAL());
    QCOMPARE(BaseLocal().Execute("DELETE  Datos  WHERE  FECHA < '03/01/2010'"), 0);
    QVERIFY(!BaseLocal().UltimaOperacionFallida());
    QCOMPARE(BaseLocal().Execute(fila("A", "03/05/2010 08:00:00")), 1);
    QCOMPARE(BaseLocal().Execute(fila("A", "03/05/2010 08:00:00")), 0);  // rejected duplicate, silently
    QVERIFY(BaseLocal().UltimaOperacionFallida());
    QVERIFY(BaseLocal().UltimoError().contains("UNIQUE", Qt::CaseInsensitive));
    QCOMPARE(BaseLocal().Execute("UPDATE DATOS SET ZONA='x' WHERE IMEI='zz'"), 0);
    QCOMPARE(BaseLocal().Execute("esto no es SQL"), 0);
    QVERIFY(dialogos->mensajes.isEmpty());
}

void TstADOSQLSERVER::executeMasDe32767()
{
    QVERIFY(BaseLocal().ConectarLOCAL());
    {
        TransaccionLocal t(BaseLocal());
        QVERIFY(t.Activa());
        QDateTime base(QDate(2009, 1, 1), QTime(0, 0));
        for (int i = 0; i < 40000; ++i)
            QCOMPARE(BaseLocal().Execute(fila("A", base.addSecs(i).toString("MM/dd/yyyy HH:mm:ss"))), 1);
        QVERIFY(t.Confirmar());
    }
    QCOMPARE(BaseLocal().Execute("DELETE  Datos  WHERE  FECHA < '03/01/2010'"), 40000);
}

void TstADOSQLSERVER::comillasDobladas()
{
    QVERIFY(BaseLocal().ConectarLOCAL());
    QCOMPARE(EscaparComillas("O'Donnell"), QStringLiteral("O''Donnell"));
    QCOMPARE(BaseLocal().Execute(fila("A", "03/05/2010 08:00:00", "Calle O'Donnell'); DELETE FROM DATOS; --")), 1);
    QCOMPARE(BaseLocal().Execute(fila("B", "03/05/2010 08:00:00")), 1);
    auto rs = BaseLocal().DevuelveRecordset("SELECT INFORMACION FROM DATOS WHERE IMEI='A'");
    QVERIFY(rs);
    QCOMPARE(rs->Texto(0), QStringLiteral("Calle O'Donnell'); DELETE FROM DATOS; --"));
    QCOMPARE(BaseLocal().NumRegistros("SELECT Count(*) FROM DATOS"), 2);
}

void TstADOSQLSERVER::transaccionSeDeshaceSiNoSeConfirma()
{
    QVERIFY(BaseLocal().ConectarLOCAL());
    {
        TransaccionLocal t(BaseLocal());
        QCOMPARE(BaseLocal().Execute(fila("A", "03/05/2010 08:00:00")), 1);
    }
    QCOMPARE(BaseLocal().NumRegistros("SELECT Count(*) FROM DATOS"), 0);
}

void TstADOSQLSERVER::dameRecordsetConProgreso()
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
        filas, [&](int n) { avisos << n; }));
    QCOMPARE(filas.size(), 2);
    QCOMPARE(filas[0].campos.size(), 7);
    QCOMPARE(filas[0].campos[5], QStringLiteral("Nave|Puerta 2"));      // a "|" stays inside its field
    QCOMPARE(filas[0].campos[2], QStringLiteral("40.4167751234"));      // full precision
    QCOMPARE(filas[0].campos[1], QStringLiteral("05/03/2010 7:04:09")); // general date form
    QCOMPARE(filas[0].valores[1].toDateTime(), QDateTime(QDate(2010, 3, 5), QTime(7, 4, 9)));
    QCOMPARE(filas[0].campos[6], QString());                            // null contributes nothing
    QCOMPARE(filas[1].Texto(), QStringLiteral("111|05/03/2010 7:05:00|40.1|-3.2|0||Zona A|"));
    QCOMPARE(filas[1].Texto().split('|').size(), 8);
    QCOMPARE(avisos, (QList<int>{1, 2}));  // one report per row, with the rows so far
}

void TstADOSQLSERVER::conectarLocalNoCreaArchivo()
{
    QVERIFY(QFile::remove(RutaBaseLocal()));
    QVERIFY(!BaseLocal().ConectarLOCAL());
    QVERIFY(!QFile::exists(RutaBaseLocal()));
    QCOMPARE(dialogos->mensajes.size(), 1);
    QCOMPARE(dialogos->mensajes[0].estilo, vb::vbOKOnly);
    QCOMPARE(dialogos->mensajes[0].titulo, TituloAplicacion());
    QVERIFY(!dialogos->mensajes[0].texto.isEmpty());
    QVERIFY(BaseLocal().ConexionLocal.startsWith("Provider=Microsoft.SQLSERVER.CE.OLEDB.3.5;Data Source="));
    QVERIFY(BaseLocal().ConexionLocal.endsWith("\\DATOS\\datoslocalizador.sdf;"));
    QVERIFY(BaseLocal().ConexionTemporal.endsWith("\\DATOS\\datoslocalizadortemp.sdf;"));
}

void TstADOSQLSERVER::conectarLocalRechazaArchivoAjeno()
{
    QVERIFY(QFile::remove(RutaBaseLocal()));
    {
        QFile f(RutaBaseLocal());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
    }
    QVERIFY(!BaseLocal().ConectarLOCAL());
    QCOMPARE(dialogos->mensajes.size(), 1);
    // A database of another program (no DATOS table) fails too.
    QVERIFY(QFile::remove(RutaBaseLocal()));
    QVERIFY(CarpetaPrueba::ejecutarEn(RutaBaseLocal(), {"CREATE TABLE OTRA (X)"}));
    QVERIFY(!BaseLocal().ConectarLOCAL());
    QCOMPARE(dialogos->mensajes.size(), 2);
    QVERIFY(dialogos->mensajes[1].texto.contains("DATOS"));
}

void TstADOSQLSERVER::compactar()
{
    QVERIFY(BaseLocal().ConectarLOCAL());
    {
        TransaccionLocal t(BaseLocal());
        for (int i = 0; i < 3000; ++i)
            BaseLocal().Execute(fila("A", QDateTime(QDate(2010, 1, 1), QTime(0, 0)).addSecs(i).toString("MM/dd/yyyy HH:mm:ss")));
        QVERIFY(t.Confirmar());
    }
    QCOMPARE(BaseLocal().Execute("DELETE  Datos  WHERE  FECHA < '01/01/2011'"), 3000);
    QCOMPARE(BaseLocal().Execute(fila("B", "03/05/2010 08:00:00")), 1);
    const qint64 antes = QFileInfo(RutaBaseLocal()).size();
    // A stale temporary file from an earlier attempt is replaced.
    {
        QFile f(carpeta->archivo("DATOS/datoslocalizadortemp.sdf"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("basura");
    }
    BaseLocal().Compactar();
    QCOMPARE(dialogos->textos(), QStringList{"Base de Datos Compactada correctamente."});
    QCOMPARE(dialogos->mensajes[0].estilo, vb::vbExclamation);
    QVERIFY(dialogos->mensajes[0].titulo.isEmpty());
    QVERIFY(!BaseLocal().Conectado());
    QVERIFY(!QFile::exists(carpeta->archivo("DATOS/datoslocalizadortemp.sdf")));
    QVERIFY(QFileInfo(RutaBaseLocal()).size() < antes);
    QVERIFY(BaseLocal().ConectarLOCAL());
    QCOMPARE(BaseLocal().NumRegistros("SELECT Count(*) FROM DATOS WHERE IMEI='B'"), 1);
    QCOMPARE(BaseLocal().Execute(fila("B", "03/05/2010 08:00:00")), 0);  // the unique index came along
}

void TstADOSQLSERVER::compactarFallidoDejaElArchivo()
{
    QVERIFY(BaseLocal().ConectarLOCAL());
    BaseLocal().CerrarMERLAN();
    {
        QFile f(RutaBaseLocal());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray(8192, '\x5a'));
    }
    const QByteArray antes = contenido(RutaBaseLocal());
    BaseLocal().Compactar();
    QCOMPARE(dialogos->mensajes.size(), 1);
    QCOMPARE(dialogos->mensajes[0].estilo, vb::vbCritical);
    QVERIFY(dialogos->mensajes[0].texto != "Base de Datos Compactada correctamente.");
    QVERIFY(!dialogos->mensajes[0].texto.isEmpty());
    QCOMPARE(contenido(RutaBaseLocal()), antes);
    QVERIFY(!QFile::exists(carpeta->archivo("DATOS/datoslocalizadortemp.sdf")));
    QVERIFY(!BaseLocal().Conectado());
    QVERIFY(BaseLocal().UltimaOperacionFallida());
}

void TstADOSQLSERVER::verificar()
{
    QVERIFY(BaseLocal().ConectarLOCAL());
    QCOMPARE(BaseLocal().Execute(fila("A", "03/05/2010 08:00:00")), 1);
    BaseLocal().Verificar();
    QCOMPARE(dialogos->textos(), QStringList{"Base de Datos verificada correctamente."});
    QCOMPARE(dialogos->mensajes[0].estilo, vb::vbExclamation);
    QVERIFY(!BaseLocal().Conectado());
}

void TstADOSQLSERVER::verificarArchivoDanado()
{
    QVERIFY(BaseLocal().ConectarLOCAL());
    {
        TransaccionLocal t(BaseLocal());
        for (int i = 0; i < 2000; ++i)
            BaseLocal().Execute(fila(QString::number(i % 7), QDateTime(QDate(2010, 1, 1), QTime(0, 0)).addSecs(i * 37).toString("MM/dd/yyyy HH:mm:ss")));
        QVERIFY(t.Confirmar());
    }
    BaseLocal().CerrarMERLAN();
    {
        // Scribble over the middle of the file: index and table pages no longer agree.
        QFile f(RutaBaseLocal());
        QVERIFY(f.open(QIODevice::ReadWrite));
        const qint64 tamano = f.size();
        QVERIFY(tamano > 8 * 4096);
        for (qint64 pos = 2 * 4096 + 100; pos < tamano - 4096; pos += 3 * 4096) {
            f.seek(pos);
            f.write(QByteArray(700, '\x07'));
        }
    }
    BaseLocal().Verificar();
    QCOMPARE(dialogos->mensajes.size(), 1);
    QCOMPARE(dialogos->mensajes[0].estilo, vb::vbCritical);
    QVERIFY(dialogos->mensajes[0].texto != "Base de Datos verificada correctamente.");
    QVERIFY(!dialogos->mensajes[0].texto.isEmpty());
}

void TstADOSQLSERVER::remotoInalcanzablePorOdbc()
{
    // A loopback port where nothing listens: take a free port and release it.
    QTcpServer s;
    QVERIFY(s.listen(QHostAddress::LocalHost));
    const quint16 puerto = s.serverPort();
    s.close();
    ADOSQLSERVER::EstablecerServidorRemoto(QStringLiteral("127.0.0.1,%1").arg(puerto));
    QVERIFY(ADOSQLSERVER::CadenaRemota().contains("Data Source=127.0.0.1,"));
    QVERIFY(ADOSQLSERVER::CadenaRemota().endsWith(",1433;Initial Catalog=BDMERLAN;User Id=sa;Password=bortelquin;"));
    QElapsedTimer reloj;
    reloj.start();
    QVERIFY(!ServidorRemoto().ConectarMERLAN());
    QVERIFY(reloj.elapsed() < 20000);
    ADOSQLSERVER::EstablecerServidorRemoto(QString());
    QCOMPARE(dialogos->mensajes.size(), 1);
    QCOMPARE(dialogos->mensajes[0].titulo, TituloAplicacion());
    QCOMPARE(dialogos->mensajes[0].estilo, vb::vbOKOnly);
    // The driver's own words.
    QVERIFY2(dialogos->mensajes[0].texto.contains("FreeTDS") || dialogos->mensajes[0].texto.contains("connect", Qt::CaseInsensitive),
             qPrintable(dialogos->mensajes[0].texto));
    QVERIFY(!ServidorRemoto().Conectado());
    QCOMPARE(ServidorRemoto().NumRegistros("SELECT Count(*) FROM LOCALIZADORES"), 0);
}

void TstADOSQLSERVER::remotoDemoSinDireccion()
{
    QVERIFY(!ServidorRemoto().ConectarMERLAN());  // no demo service file yet
    QCOMPARE(dialogos->mensajes.size(), 1);
    QVERIFY(!QFile::exists(RutaServicioDemo()));
    QVERIFY(carpeta->crearServicioVacio());
    QVERIFY(ServidorRemoto().ConectarMERLAN());
    QCOMPARE(ServidorRemoto().NumRegistros("SELECT Count(*) from [CONSULTA GPS DETALLE]"), 0);
    QVERIFY(!ServidorRemoto().UltimaOperacionFallida());
}

QTEST_MAIN(TstADOSQLSERVER)
#include "tst_adosqlserver.moc"
