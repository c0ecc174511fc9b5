#include "respondedortds.h"

#include <QDateTime>
#include <QHash>
#include <QTcpSocket>
#include <QtEndian>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Packet types and tokens of the protocol.
enum : quint8 { kLote = 0x01, kRpc = 0x03, kTabla = 0x04, kAtencion = 0x06, kLogin7 = 0x10, kPrelogin = 0x12 };
enum : quint8 {
    kTokColumnas = 0x81, kTokEstado = 0x79, kTokError = 0xAA, kTokInfo = 0xAB, kTokLoginAck = 0xAD, kTokValorDevuelto = 0xAC,
    kTokFila = 0xD1, kTokEntorno = 0xE3, kTokHecho = 0xFD, kTokHechoProc = 0xFE, kTokHechoEnProc = 0xFF,
};
enum : quint16 { kHechoMas = 0x01, kHechoError = 0x02, kHechoCuenta = 0x10, kHechoAtencion = 0x20 };
constexpr int kTamPaquete = 4096;
const QByteArray kColacion = QByteArray::fromHex("0904d00034");  // Latin1_General_CI_AS

void u8(QByteArray &b, quint8 v) { b.append(char(v)); }
void u16(QByteArray &b, quint16 v) { b.append(reinterpret_cast<const char *>(&(v = qToLittleEndian(v))), 2); }
void u32(QByteArray &b, quint32 v) { b.append(reinterpret_cast<const char *>(&(v = qToLittleEndian(v))), 4); }
void u64(QByteArray &b, quint64 v) { b.append(reinterpret_cast<const char *>(&(v = qToLittleEndian(v))), 8); }
QByteArray ucs2(const QString &s) { return QByteArray(reinterpret_cast<const char *>(s.utf16()), s.size() * 2); }
void bTexto(QByteArray &b, const QString &s) { u8(b, quint8(s.size())); b += ucs2(s); }
void usTexto(QByteArray &b, const QString &s) { u16(b, quint16(s.size())); b += ucs2(s); }

quint16 le16(const QByteArray &b, qsizetype i) { return qFromLittleEndian<quint16>(b.constData() + i); }
quint32 le32(const QByteArray &b, qsizetype i) { return qFromLittleEndian<quint32>(b.constData() + i); }
QString deUcs2(const QByteArray &b, qsizetype desde, qsizetype caracteres)
{
    if (desde < 0 || desde + caracteres * 2 > b.size())
        return {};
    QString s(caracteres, Qt::Uninitialized);
    for (qsizetype i = 0; i < caracteres; ++i)
        s[i] = QChar(le16(b, desde + 2 * i));
    return s;
}

void hecho(QByteArray &b, quint8 token, quint16 estado, quint16 orden, quint64 filas)
{
    u8(b, token);
    u16(b, estado);
    u16(b, orden);
    u64(b, filas);
}

// An ERROR token, or an INFO one (same layout).
void errorServidor(QByteArray &b, quint32 numero, quint8 clase, const QString &texto, quint8 token = kTokError)
{
    QByteArray t;
    u32(t, numero);
    u8(t, 1);  // state
    u8(t, clase);
    usTexto(t, texto);
    bTexto(t, QStringLiteral("PRUEBA"));
    bTexto(t, QString());
    u32(t, 1);  // line
    u8(b, token);
    u16(b, quint16(t.size()));
    b += t;
}

void entorno(QByteArray &b, quint8 tipo, const QByteArray &nuevo, const QByteArray &viejo)
{
    u8(b, kTokEntorno);
    u16(b, quint16(1 + nuevo.size() + viejo.size()));
    u8(b, tipo);
    b += nuevo;
    b += viejo;
}
QByteArray bTextoDe(const QString &s) { QByteArray r; bTexto(r, s); return r; }

void tipoColumna(QByteArray &b, RespondedorTds::Columna::Tipo t)
{
    switch (t) {
    case RespondedorTds::Columna::Entero: u8(b, 0x26); u8(b, 4); break;      // INTN
    case RespondedorTds::Columna::Flotante: u8(b, 0x6D); u8(b, 8); break;    // FLTN
    case RespondedorTds::Columna::FechaHora: u8(b, 0x6F); u8(b, 8); break;   // DATETIMN
    case RespondedorTds::Columna::Texto: u8(b, 0xE7); u16(b, 8000); b += kColacion; break;  // NVARCHAR(4000)
    }
}

void valor(QByteArray &b, RespondedorTds::Columna::Tipo t, const QVariant &v)
{
    const bool nulo = v.isNull();
    switch (t) {
    case RespondedorTds::Columna::Entero:
        u8(b, nulo ? 0 : 4);
        if (!nulo)
            u32(b, quint32(v.toInt()));
        break;
    case RespondedorTds::Columna::Flotante: {
        u8(b, nulo ? 0 : 8);
        const double d = v.toDouble();
        if (!nulo)
            b.append(reinterpret_cast<const char *>(&d), 8);  // little-endian machine
        break;
    }
    case RespondedorTds::Columna::FechaHora: {
        u8(b, nulo ? 0 : 8);
        if (nulo)
            break;
        const QDateTime f = v.toDateTime();
        u32(b, quint32(qint32(QDate(1900, 1, 1).daysTo(f.date()))));
        u32(b, quint32((qint64(f.time().msecsSinceStartOfDay()) * 300 + 500) / 1000));  // 1/300 s
        break;
    }
    case RespondedorTds::Columna::Texto:
        if (nulo) {
            u16(b, 0xFFFF);
        } else {
            const QByteArray t = ucs2(v.toString());
            u16(b, quint16(t.size()));
            b += t;
        }
        break;
    }
}

// Splits a message into packets of the negotiated size.
QByteArray paquetes(quint8 tipo, const QByteArray &datos)
{
    QByteArray r;
    const int cabe = kTamPaquete - 8;
    quint8 id = 1;
    for (qsizetype i = 0; i == 0 || i < datos.size(); i += cabe, ++id) {
        const QByteArray trozo = datos.mid(i, cabe);
        const bool ultimo = i + cabe >= datos.size();
        u8(r, tipo);
        u8(r, ultimo ? 1 : 0);
        quint16 largo = qToBigEndian(quint16(trozo.size() + 8));
        r.append(reinterpret_cast<const char *>(&largo), 2);
        u16(r, 0);  // spid
        u8(r, id);
        u8(r, 0);
        r += trozo;
    }
    return r;
}

// Reads one parameter of an RPC: its name and, for texts and integers, its value. False at the
// end or on a type it does not know.
bool leerParametro(const QByteArray &d, qsizetype &i, QString &nombre, QVariant &v)
{
    if (i + 3 > d.size())
        return false;
    const int largoNombre = quint8(d[i]);
    nombre = deUcs2(d, i + 1, largoNombre);
    i += 1 + 2 * largoNombre + 1;  // name, status flags
    const quint8 tipo = quint8(d[i++]);
    switch (tipo) {
    case 0xE7: case 0xEF: case 0xA7: case 0xAF: case 0xA5: case 0xAD: {  // (n)(var)char, binaries
        const quint16 maximo = le16(d, i);
        i += 2;
        if (tipo != 0xA5 && tipo != 0xAD)
            i += 5;  // collation
        QByteArray bytes;
        if (maximo == 0xFFFF) {  // chunked
            const quint64 total = qFromLittleEndian<quint64>(d.constData() + i);
            i += 8;
            if (total != ~quint64(0)) {
                for (quint32 n; (n = le32(d, i)) != 0;) {
                    bytes += d.mid(i + 4, n);
                    i += 4 + n;
                }
                i += 4;
            }
        } else {
            const quint16 n = le16(d, i);
            i += 2;
            if (n != 0xFFFF) {
                bytes = d.mid(i, n);
                i += n;
            }
        }
        const bool unicode = tipo == 0xE7 || tipo == 0xEF;
        v = unicode ? QVariant(deUcs2(bytes, 0, bytes.size() / 2)) : QVariant(QString::fromLatin1(bytes));
        return true;
    }
    case 0x63: case 0x23: {  // ntext, text: a 4-byte length
        i += 4 + 5;
        const quint32 n = le32(d, i);
        const QByteArray bytes = n == 0xFFFFFFFF ? QByteArray() : d.mid(i + 4, n);
        i += 4 + (n == 0xFFFFFFFF ? 0 : n);
        v = tipo == 0x63 ? QVariant(deUcs2(bytes, 0, bytes.size() / 2)) : QVariant(QString::fromLatin1(bytes));
        return true;
    }
    case 0x26: case 0x6D: case 0x6F: case 0x68: case 0x6E: {  // int, float, datetime, bit, money (n)
        i += 1;
        const quint8 n = quint8(d[i++]);
        if (tipo == 0x26 && n == 4)
            v = qint32(le32(d, i));
        else if (tipo == 0x26 && n == 8)
            v = qFromLittleEndian<qint64>(d.constData() + i);
        i += n;
        return true;
    }
    default:
        return false;
    }
}

// The driver's question about the datetime type (SQLGetTypeInfo): one row of sp_datatype_info.
RespondedorTds::Resultado tipoFechaHora()
{
    using C = RespondedorTds::Columna;
    RespondedorTds::Resultado r;
    const QStringList enteras{"DATA_TYPE", "PRECISION", "NULLABLE", "CASE_SENSITIVE", "SEARCHABLE", "UNSIGNED_ATTRIBUTE",
                              "MONEY", "AUTO_INCREMENT", "MINIMUM_SCALE", "MAXIMUM_SCALE", "SQL_DATA_TYPE",
                              "SQL_DATETIME_SUB", "NUM_PREC_RADIX", "INTERVAL_PRECISION", "USERTYPE"};
    r.columnas << C{C::Texto, "TYPE_NAME"};
    for (const QString &n : enteras.mid(0, 2))
        r.columnas << C{C::Entero, n};
    r.columnas << C{C::Texto, "LITERAL_PREFIX"} << C{C::Texto, "LITERAL_SUFFIX"} << C{C::Texto, "CREATE_PARAMS"};
    for (const QString &n : enteras.mid(2, 6))
        r.columnas << C{C::Entero, n};
    r.columnas << C{C::Texto, "LOCAL_TYPE_NAME"};
    for (const QString &n : enteras.mid(8))
        r.columnas << C{C::Entero, n};
    r.filas << QVariantList{"datetime", 11, 23, "'", "'", QVariant(), 1, 0, 3, QVariant(), 0, 0, "datetime",
                            3, 3, 9, 3, QVariant(), QVariant(), 12};
    return r;
}

}  // namespace

RespondedorTds::RespondedorTds(Respuesta r) : respuesta(std::move(r)) {}

RespondedorTds::~RespondedorTds()
{
    parar = true;
    if (aceptador.joinable())
        aceptador.join();
    for (std::thread &h : hilos)
        h.join();
    if (escucha >= 0)
        ::close(escucha);
}

quint16 RespondedorTds::Abrir()
{
    escucha = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t largo = sizeof a;
    if (escucha < 0 || ::bind(escucha, reinterpret_cast<sockaddr *>(&a), sizeof a) != 0 || ::listen(escucha, 8) != 0 ||
        ::getsockname(escucha, reinterpret_cast<sockaddr *>(&a), &largo) != 0)
        return 0;
    aceptador = std::thread([this] { aceptar(); });
    return ntohs(a.sin_port);
}

// The driver's calls block the test's thread: connections are accepted and served on threads of their own.
void RespondedorTds::aceptar()
{
    while (!parar) {
        pollfd p{escucha, POLLIN, 0};
        if (::poll(&p, 1, 50) <= 0)
            continue;
        const int conexion = ::accept(escucha, nullptr, nullptr);
        if (conexion >= 0)
            hilos.emplace_back([this, conexion] { atender(conexion); });
    }
}

void RespondedorTds::RechazarLogins(const QString &mensaje)
{
    QMutexLocker l(&cerrojo);
    rechazo = mensaje;
}

QStringList RespondedorTds::Recibidos() const { QMutexLocker l(&cerrojo); return recibidos; }
QStringList RespondedorTds::UltimoLogin() const { QMutexLocker l(&cerrojo); return login; }

void RespondedorTds::anotar(const QString &texto)
{
    QMutexLocker l(&cerrojo);
    recibidos << texto;
}

void RespondedorTds::atender(qintptr descriptor)
{
    QTcpSocket s;
    if (!s.setSocketDescriptor(descriptor))
        return;
    QHash<int, QString> preparadas;
    QByteArray entrada, mensaje;
    while (!parar && s.state() == QAbstractSocket::ConnectedState) {
        if (!s.waitForReadyRead(50))
            continue;
        entrada += s.readAll();
        while (entrada.size() >= 8) {
            const quint16 largo = qFromBigEndian<quint16>(entrada.constData() + 2);
            if (largo < 8 || entrada.size() < largo)
                break;
            const quint8 tipo = quint8(entrada[0]);
            const bool fin = quint8(entrada[1]) & 1;
            mensaje += entrada.mid(8, largo - 8);
            entrada.remove(0, largo);
            if (!fin)
                continue;
            QByteArray salida;
            if (tipo == kPrelogin) {
                // VERSION 15.0.2000 and ENCRYPTION "not supported": the login goes in the clear.
                salida = QByteArray::fromHex("00000b0006" "01001100 01" "ff" "0f0007d00000" "02").replace(' ', "");
            } else if (tipo == kLogin7) {
                salida = responderLogin(mensaje);
            } else if (tipo == kLote) {
                const qsizetype cabeceras = mensaje.size() >= 4 ? le32(mensaje, 0) : 0;
                const QString texto = deUcs2(mensaje, cabeceras, (mensaje.size() - cabeceras) / 2);
                anotar(QStringLiteral("batch: ") + texto);
                salida = resultado(texto, false);
            } else if (tipo == kRpc) {
                salida = responderRpc(mensaje, preparadas);
            } else if (tipo == kAtencion) {
                anotar(QStringLiteral("attention"));
                hecho(salida, kTokHecho, kHechoAtencion, 0, 0);
            }
            mensaje.clear();
            s.write(paquetes(kTabla, salida));
            s.flush();
        }
    }
}

QByteArray RespondedorTds::responderLogin(const QByteArray &d)
{
    auto campo = [&d](int desplazamiento) {
        return d.size() < desplazamiento + 4 ? QByteArray()
                                              : d.mid(le16(d, desplazamiento), qsizetype(le16(d, desplazamiento + 2)) * 2);
    };
    QByteArray clave = campo(44);
    for (char &c : clave) {  // the password's bytes are XORed with 0xA5 and their nibbles swapped
        const quint8 x = quint8(c) ^ 0xA5;
        c = char(quint8((x << 4) | (x >> 4)));
    }
    auto texto = [](const QByteArray &b) { return deUcs2(b, 0, b.size() / 2); };
    const QString usuario = texto(campo(40)), base = texto(campo(68));
    QString motivo;
    {
        QMutexLocker l(&cerrojo);
        login = QStringList{usuario, texto(clave), base};
        motivo = rechazo;
    }
    QByteArray r;
    if (!motivo.isEmpty()) {
        errorServidor(r, 18456, 14, motivo);
        hecho(r, kTokHecho, kHechoError, 0, 0);
        return r;
    }
    entorno(r, 1, bTextoDe(base), bTextoDe(QStringLiteral("master")));
    entorno(r, 7, QByteArray(1, 5) + kColacion, QByteArray(1, 0));
    entorno(r, 4, bTextoDe(QString::number(kTamPaquete)), bTextoDe(QString::number(kTamPaquete)));
    QByteArray ack;
    u8(ack, 1);  // T-SQL
    ack += QByteArray::fromHex("730b0003");  // TDS 7.3
    bTexto(ack, QStringLiteral("Microsoft SQL Server"));
    ack += QByteArray::fromHex("0f0007d0");
    u8(r, kTokLoginAck);
    u16(r, quint16(ack.size()));
    r += ack;
    hecho(r, kTokHecho, 0, 0, 0);
    return r;
}

// The procedures by number, as the driver calls them.
QByteArray RespondedorTds::responderRpc(const QByteArray &d, QHash<int, QString> &preparadas)
{
    qsizetype i = d.size() >= 4 ? le32(d, 0) : 0;
    QString proc;
    const quint16 largo = le16(d, i);
    i += 2;
    if (largo == 0xFFFF) {
        static const QHash<int, QString> nombres{{10, QStringLiteral("sp_executesql")}, {11, QStringLiteral("sp_prepare")},
                                                 {12, QStringLiteral("sp_execute")},
                                                 {2, QStringLiteral("sp_cursoropen")}, {13, QStringLiteral("sp_prepexec")},
                                                 {15, QStringLiteral("sp_unprepare")}};
        proc = nombres.value(le16(d, i), QStringLiteral("proc %1").arg(le16(d, i)));
        i += 2;
    } else {
        proc = deUcs2(d, i, largo);
        i += 2 * largo;
    }
    i += 2;  // option flags
    QList<QVariant> valores;
    for (QString nombre; i < d.size();) {
        QVariant v;
        if (!leerParametro(d, i, nombre, v))
            break;
        valores << v;
    }
    QByteArray r;
    QString sentencia;
    if (proc == QLatin1String("sp_executesql")) {
        sentencia = valores.value(0).toString();
    } else if (proc == QLatin1String("sp_cursoropen")) {
        sentencia = valores.value(1).toString();
    } else if (proc == QLatin1String("sp_prepare") || proc == QLatin1String("sp_prepexec")) {
        sentencia = valores.value(2).toString();
    } else if (proc == QLatin1String("sp_execute") || proc == QLatin1String("sp_unprepare")) {
        sentencia = preparadas.value(valores.value(0).toInt());
    } else {
        sentencia = proc + QLatin1Char(' ') + valores.value(1).toString();
    }
    anotar(QStringLiteral("rpc %1: %2").arg(proc, sentencia));
    if (proc == QLatin1String("sp_executesql") || proc == QLatin1String("sp_prepexec") || proc == QLatin1String("sp_execute"))
        r += resultado(sentencia, true);
    else if (proc == QLatin1String("sp_cursoropen"))
        r += sinCursor(sentencia);
    else if (proc != QLatin1String("sp_prepare") && proc != QLatin1String("sp_unprepare"))
        errorServidor(r, 2812, 16, QStringLiteral("Could not find stored procedure '%1'.").arg(proc));
    u8(r, kTokEstado);
    u32(r, 0);
    if (proc == QLatin1String("sp_prepare") || proc == QLatin1String("sp_prepexec")) {
        const int asa = int(preparadas.size()) + 1;
        preparadas.insert(asa, sentencia);
        u8(r, kTokValorDevuelto);
        u16(r, 0);
        bTexto(r, QStringLiteral("@handle"));
        u8(r, 1);  // output
        u32(r, 0);
        u16(r, 1);
        tipoColumna(r, Columna::Entero);
        valor(r, Columna::Entero, asa);
    }
    if (proc == QLatin1String("sp_unprepare"))
        preparadas.remove(valores.value(0).toInt());
    hecho(r, kTokHechoProc, r.contains(char(kTokError)) ? kHechoError : 0, 0, 0);
    return r;
}

// A server cursor over a statement that returns no rows is no cursor: the server runs it directly
// and says so, as SQL Server does. Cursors over rows are beyond this double.
QByteArray RespondedorTds::sinCursor(const QString &sentencia)
{
    QByteArray r;
    if (!respuesta(sentencia).columnas.isEmpty()) {
        errorServidor(r, 16937, 16, QStringLiteral("Server cursors are not supported by the test responder."));
        return r;
    }
    errorServidor(r, 16954, 10, QStringLiteral("Executing SQL directly; no cursor."), kTokInfo);
    return r + resultado(sentencia, true);
}

QByteArray RespondedorTds::resultado(const QString &sentencia, bool enProcedimiento)
{
    const quint8 fin = enProcedimiento ? kTokHechoEnProc : kTokHecho;
    const quint16 mas = enProcedimiento ? kHechoMas : 0;
    const Resultado res = sentencia.startsWith(QLatin1String("sp_datatype_info")) ? tipoFechaHora() : respuesta(sentencia);
    QByteArray r;
    if (!res.error.isEmpty()) {
        errorServidor(r, 208, 16, res.error);
        hecho(r, fin, kHechoError | mas, 0xC1, 0);
        return r;
    }
    if (res.columnas.isEmpty()) {
        hecho(r, fin, (res.afectadas >= 0 ? kHechoCuenta : 0) | mas, 0xC3, quint64(qMax<qint64>(res.afectadas, 0)));
        return r;
    }
    u8(r, kTokColumnas);
    u16(r, quint16(res.columnas.size()));
    for (const Columna &c : res.columnas) {
        u32(r, 0);  // user type
        u16(r, 0x0001);  // nullable
        tipoColumna(r, c.tipo);
        bTexto(r, c.nombre);
    }
    for (const QVariantList &fila : res.filas) {
        u8(r, kTokFila);
        for (qsizetype c = 0; c < res.columnas.size(); ++c)
            valor(r, res.columnas[c].tipo, fila.value(c));
    }
    hecho(r, fin, kHechoCuenta | mas | (res.otroResultado ? kHechoMas : 0), 0xC1, quint64(res.filas.size()));
    if (res.otroResultado)
        hecho(r, fin, kHechoCuenta | mas, 0xC1, 0);
    return r;
}
