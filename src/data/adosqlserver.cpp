#include "adosqlserver.h"

#include "dialogos.h"
#include "entorno.h"
#include "regional.h"

#include <QFile>
#include <QRegularExpression>

#include <filesystem>

#ifndef VARDEN_SERVIDOR_REMOTO
#define VARDEN_SERVIDOR_REMOTO ""
#endif

namespace {
QString servidorRemoto = QStringLiteral(VARDEN_SERVIDOR_REMOTO);

QString rutaDeCadena(const QString &cadena)
{
    DestinoConexion d;
    QString e;
    return InterpretarCadenaConexion(cadena, d, e) ? d.ruta : QString();
}

// "*" outside string literals becomes "Count(*) ".
QString contarAsteriscos(const QString &s)
{
    QString r;
    r.reserve(s.size() + 16);
    bool cadena = false;
    for (QChar c : s) {
        if (c == '\'')
            cadena = !cadena;
        if (c == '*' && !cadena)
            r += QStringLiteral("Count(*) ");
        else
            r += c;
    }
    return r;
}

// A count has one row whatever its ordering: a trailing ORDER BY is dropped before it runs.
QString sinOrdenFinal(const QString &s)
{
    static const QRegularExpression re(QStringLiteral(R"(\s+ORDER\s+BY\s+[^'()]*$)"),
                                       QRegularExpression::CaseInsensitiveOption);
    return QString(s).remove(re);
}

void borrarAcompanantes(const QString &ruta)
{
    for (const char *sufijo : {"-journal", "-wal", "-shm"})
        QFile::remove(ruta + QLatin1String(sufijo));
}
}

QString FilaDescarga::Campo(qsizetype i) const
{
    const QVariant &v = valores[i];
    if (v.isNull())
        return QString();
    return i == 1 ? Regional::FechaGeneral(v.toDateTime()) : v.toString();
}

QString FilaDescarga::Texto() const
{
    QString t;
    for (qsizetype i = 0; i < valores.size(); ++i)
        t += Campo(i) + '|';
    return t;
}

ADOSQLSERVER::ADOSQLSERVER() = default;
ADOSQLSERVER::~ADOSQLSERVER() { CerrarMERLAN(); }

QString ADOSQLSERVER::CadenaRemota()
{
    return QStringLiteral("Provider=SQLOLEDB;Data Provider=SQLNCLI;Data Source=") + servidorRemoto +
           QStringLiteral(",1433;Initial Catalog=BDMERLAN;User Id=sa;Password=bortelquin;");
}
QString ADOSQLSERVER::CadenaRemotaZonas()
{
    return QStringLiteral("Provider=SQLOLEDB;Data Provider=SQLNCLI;Data Source=") + servidorRemoto +
           QStringLiteral(",1433;Initial Catalog=BDMERLAN;User Id=usermrln;Password=tz38wd71;");
}
void ADOSQLSERVER::EstablecerServidorRemoto(const QString &direccion) { servidorRemoto = direccion; }
QString ADOSQLSERVER::ServidorRemotoConfigurado() { return servidorRemoto; }

QString ADOSQLSERVER::CadenaLocal()
{
    return QStringLiteral("Provider=Microsoft.SQLSERVER.CE.OLEDB.3.5;Data Source=") + CarpetaAplicacion() +
           QStringLiteral("\\DATOS\\datoslocalizador.sdf;");
}
QString ADOSQLSERVER::CadenaTemporal()
{
    return QStringLiteral("Provider=Microsoft.SQLSERVER.CE.OLEDB.3.5;Data Source=") + CarpetaAplicacion() +
           QStringLiteral("\\DATOS\\datoslocalizadortemp.sdf;");
}

void ADOSQLSERVER::exito()
{
    fallo = false;
    motivo.clear();
}
void ADOSQLSERVER::error(const QString &texto)
{
    fallo = true;
    motivo = texto;
}
void ADOSQLSERVER::anotar(const QString &sql)
{
    enviados << sql;
    if (enviados.size() > 256)
        enviados.removeFirst();
}

bool ADOSQLSERVER::Conectado() const { return proveedor && proveedor->Abierto(); }

bool ADOSQLSERVER::CerrarMERLAN()
{
    if (proveedor)
        proveedor->Cerrar();
    proveedor.reset();
    return false;
}

bool ADOSQLSERVER::conectar(const QString &cadena, const QString &prueba, bool mostrarError)
{
    CerrarMERLAN();
    DestinoConexion destino;
    QString texto;
    if (InterpretarCadenaConexion(cadena, destino, texto)) {
        auto p = CrearProveedor(destino);
        if (p->Abrir(texto)) {
            if (prueba.isEmpty() || p->Consultar(prueba, texto)) {
                proveedor = std::move(p);
                exito();
                return true;
            }
        }
    }
    error(texto);
    if (mostrarError)
        MsgBox(texto, vb::vbOKOnly, TituloAplicacion());
    return false;
}

bool ADOSQLSERVER::ConectarCon(const QString &cadena, bool mostrarError) { return conectar(cadena, QString(), mostrarError); }

bool ADOSQLSERVER::ConectarMERLAN() { return conectar(CadenaRemota(), QString()); }

bool ADOSQLSERVER::ConectarLOCAL(bool mostrarError)
{
    ConexionLocal = CadenaLocal();
    ConexionTemporal = CadenaTemporal();
    // Proves the file is the program's database, not just any file.
    return conectar(ConexionLocal, QStringLiteral("SELECT COUNT(*) FROM DATOS WHERE 1=0"), mostrarError);
}

std::unique_ptr<Recordset> ADOSQLSERVER::AbrirRecordset(const QString &sql, qsizetype maximo)
{
    anotar(sql);
    if (!proveedor) {
        error(QStringLiteral("La conexión está cerrada."));
        return nullptr;
    }
    QString texto;
    auto rs = proveedor->Consultar(sql, texto, maximo);
    if (rs)
        exito();
    else
        error(texto);
    return rs;
}

int ADOSQLSERVER::Execute(const QString &SQlInsertar)
{
    anotar(SQlInsertar);
    if (!proveedor) {
        error(QStringLiteral("La conexión está cerrada."));
        return 0;
    }
    QString texto;
    return afectadas(proveedor->Ejecutar(SQlInsertar, texto), texto);
}

std::unique_ptr<SentenciaPreparada> ADOSQLSERVER::Preparar(const QString &sql)
{
    if (!proveedor) {
        error(QStringLiteral("La conexión está cerrada."));
        return nullptr;
    }
    QString texto;
    auto s = proveedor->Preparar(sql, texto);
    if (s)
        exito();
    else
        error(texto);
    return s;
}

int ADOSQLSERVER::Execute(SentenciaPreparada &sentencia, const QVariantList &valores)
{
    anotar(sentencia.Texto());
    if (!proveedor) {
        error(QStringLiteral("La conexión está cerrada."));
        return 0;
    }
    QString texto;
    return afectadas(sentencia.Ejecutar(valores, texto), texto);
}

int ADOSQLSERVER::afectadas(qint64 n, const QString &texto)
{
    if (n < 0) {
        error(texto);
        return 0;
    }
    exito();
    return n >= 1 ? int(qMin<qint64>(n, INT_MAX)) : 0;
}

bool ADOSQLSERVER::HayRegistros(const QString &SQlEscalar)
{
    QString sql = SQlEscalar;
    if (sql.toUpper().contains(QLatin1String("SELECT * ")))
        sql = sql.toUpper().replace(QLatin1String("SELECT * "), QLatin1String("SELECT COUNT(*) "));
    auto rs = AbrirRecordset(sql);
    return rs && rs->RecordCount() > 0 && rs->Fields(0).toDouble() > 0;
}

bool ADOSQLSERVER::DameRecordset(const QString &sql, const std::function<void(const FilaDescarga &, int)> &alRecibirFila)
{
    anotar(sql);
    if (!proveedor) {
        error(QStringLiteral("La conexión está cerrada."));
        return false;
    }
    int n = 0;
    FilaDescarga fila;
    QString texto;
    // Success is recorded once the query runs, so that a failure noticed during a row stays recorded.
    const bool ok = proveedor->Recorrer(sql, texto, {[this](const QStringList &) { exito(); }, [&](QVariantList &valores) {
        fila.valores = std::move(valores);
        alRecibirFila(fila, ++n);
        return true;
    }});
    if (!ok)
        error(texto);
    return n > 0;
}

qint32 ADOSQLSERVER::TotalRegistros(QString &SQlEscalar)
{
    SQlEscalar = contarAsteriscos(SQlEscalar);
    auto rs = AbrirRecordset(sinOrdenFinal(SQlEscalar));
    if (!rs || rs->RecordCount() == 0)
        return 0;
    return qint32(rs->Fields(0).toLongLong());
}

qint32 ADOSQLSERVER::NumRegistros(const QString &SQlEscalar)
{
    auto rs = AbrirRecordset(SQlEscalar);
    if (!rs || rs->RecordCount() == 0)
        return 0;
    return qint32(rs->Fields(0).toLongLong());
}

std::unique_ptr<Recordset> ADOSQLSERVER::DevuelveRecordset(const QString &SQl)
{
    auto rs = AbrirRecordset(SQl);
    if (!rs || rs->RecordCount() == 0)
        return nullptr;
    rs->MoveFirst();
    return rs;
}

std::unique_ptr<Recordset> ADOSQLSERVER::DevuelvePrimerRegistro(const QString &SQl)
{
    auto rs = AbrirRecordset(SQl, 1);
    if (!rs || rs->RecordCount() == 0)
        return nullptr;
    return rs;
}

bool ADOSQLSERVER::IniciarTransaccion()
{
    QString t;
    if (proveedor && proveedor->Transaccion(t)) {
        exito();
        return true;
    }
    error(proveedor ? t : QStringLiteral("La conexión está cerrada."));
    return false;
}
bool ADOSQLSERVER::ConfirmarTransaccion()
{
    QString t;
    if (proveedor && proveedor->Confirmar(t)) {
        exito();
        return true;
    }
    error(proveedor ? t : QStringLiteral("La conexión está cerrada."));
    return false;
}
bool ADOSQLSERVER::DeshacerTransaccion()
{
    QString t;
    if (proveedor && proveedor->Deshacer(t)) {
        exito();
        return true;
    }
    error(proveedor ? t : QStringLiteral("La conexión está cerrada."));
    return false;
}

// Writes a compacted copy of the database file origen to destino, through a connection of its own.
bool ADOSQLSERVER::vaciarEn(const QString &origen, const QString &destino, QString &texto)
{
    DestinoConexion d;
    d.tipo = DestinoConexion::Sqlite;
    d.ruta = origen;
    auto p = CrearProveedor(d);
    if (!p->Abrir(texto))
        return false;
    const QString sql = QStringLiteral("VACUUM INTO '") + QString(destino).replace('\'', QStringLiteral("''")) + '\'';
    bool ok = p->Ejecutar(sql, texto) >= 0;
    p->Cerrar();
    return ok;
}

void ADOSQLSERVER::Compactar()
{
    CerrarMERLAN();
    const QString local = rutaDeCadena(ConexionLocal.isEmpty() ? CadenaLocal() : ConexionLocal);
    const QString temporal = rutaDeCadena(ConexionTemporal.isEmpty() ? CadenaTemporal() : ConexionTemporal);
    QString texto;
    if (QFile::exists(temporal) && !QFile::remove(temporal))
        texto = QStringLiteral("No se puede borrar el archivo temporal %1").arg(temporal);
    else if (!QFile::exists(local))
        texto = QStringLiteral("No se encuentra el archivo de base de datos %1").arg(local);
    else if (vaciarEn(local, temporal, texto)) {
        borrarAcompanantes(local);
        std::error_code ec;
        std::filesystem::rename(QFile::encodeName(temporal).toStdString(), QFile::encodeName(local).toStdString(), ec);
        if (!ec) {
            exito();
            MsgBox(QStringLiteral("Base de Datos Compactada correctamente."), vb::vbExclamation, QString());
            return;
        }
        texto = QString::fromLocal8Bit(ec.message().c_str());
    }
    QFile::remove(temporal);
    borrarAcompanantes(temporal);
    error(texto);
    MsgBox(texto, vb::vbCritical, TituloAplicacion());
}

void ADOSQLSERVER::Verificar()
{
    CerrarMERLAN();
    DestinoConexion d;
    d.tipo = DestinoConexion::Sqlite;
    d.ruta = rutaDeCadena(ConexionLocal.isEmpty() ? CadenaLocal() : ConexionLocal);
    auto p = CrearProveedor(d);
    QString texto;
    if (p->Abrir(texto)) {
        auto rs = p->Consultar(QStringLiteral("PRAGMA integrity_check"), texto);
        if (rs) {
            QStringList informe;
            for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext())
                informe << rs->Texto(0);
            if (informe == QStringList{QStringLiteral("ok")}) {
                p->Cerrar();
                exito();
                MsgBox(QStringLiteral("Base de Datos verificada correctamente."), vb::vbExclamation, QString());
                return;
            }
            texto = informe.isEmpty() ? QStringLiteral("La comprobación de integridad no ha dado respuesta.") : informe.join('\n');
        }
        p->Cerrar();
    }
    error(texto);
    MsgBox(texto, vb::vbCritical, TituloAplicacion());
}
