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
using Col = RespondedorTds::Columna;

// Packet types and tokens of the protocol.
enum : quint8 { kLote = 0x01, kRpc = 0x03, kTabla = 0x04, kAtencion = 0x06, kLogin7 = 0x10, kPrelogin = 0x12 };
enum : quint8 {
    kTokColumnas = 0x81, kTokEstado = 0x79, kTokError = 0xAA, kTokInfo = 0xAB, kTokLoginAck = 0xAD, kTokValorDevuelto = 0xAC,
    kTokFila = 0xD1, kTokEntorno = 0xE3, kTokHecho = 0xFD, kTokHechoProc = 0xFE, kTokHechoEnProc = 0xFF,
};
enum : quint16 { kHechoMas = 0x01, kHechoError = 0x02, kHechoCuenta = 0x10, kHechoAtencion = 0x20 };
// The RPCs the driver sends, by number.
enum : quint16 { kCursorOpen = 2, kPrepExec = 13, kUnprepare = 15 };
constexpr int kTamPaquete = 4096;
const QByteArray kColacion = QByteArray::fromHex("0904d00034");  // Latin1_General_CI_AS

// Writing: little-endian numbers, and texts in UCS-2 after their length in characters (one byte,
// or two with largo).
template <class T> void pon(QByteArray &b, T v)
{
    v = qToLittleEndian(v);
    b.append(reinterpret_cast<const char *>(&v), sizeof v);
}
QByteArray ucs2(const QString &s) { return QByteArray(reinterpret_cast<const char *>(s.utf16()), s.size() * 2); }
void ponTexto(QByteArray &b, const QString &s, bool largo = false)
{
    largo ? pon(b, quint16(s.size())) : pon(b, quint8(s.size()));
    b += ucs2(s);
}
QByteArray texto(const QString &s)
{
    QByteArray r;
    ponTexto(r, s);
    return r;
}

quint16 le16(const QByteArray &b, qsizetype i) { return qFromLittleEndian<quint16>(b.constData() + i); }
quint32 le32(const QByteArray &b, qsizetype i) { return qFromLittleEndian<quint32>(b.constData() + i); }
QString deUcs2(const QByteArray &b, qsizetype desde, qsizetype caracteres)
{
    if (desde < 0 || desde + caracteres * 2 > b.size())
        return {};
    return QString::fromUtf16(reinterpret_cast<const char16_t *>(b.constData() + desde), caracteres);
}

void hecho(QByteArray &b, quint8 token, quint16 estado, quint16 orden, quint64 filas)
{
    pon(b, token);
    pon(b, estado);
    pon(b, orden);
    pon(b, filas);
}

// An ERROR token, or an INFO one (same layout).
void errorServidor(QByteArray &b, quint32 numero, quint8 clase, const QString &mensaje, quint8 token = kTokError)
{
    QByteArray t;
    pon(t, numero);
    pon(t, quint8(1));  // state
    pon(t, clase);
    ponTexto(t, mensaje, true);
    ponTexto(t, QStringLiteral("PRUEBA"));
    ponTexto(t, QString());
    pon(t, quint32(1));  // line
    pon(b, token);
    pon(b, quint16(t.size()));
    b += t;
}

void entorno(QByteArray &b, quint8 tipo, const QByteArray &nuevo, const QByteArray &viejo)
{
    pon(b, kTokEntorno);
    pon(b, quint16(1 + nuevo.size() + viejo.size()));
    pon(b, tipo);
    b += nuevo + viejo;
}

void tipoColumna(QByteArray &b, Col::Tipo t)
{
    static const QByteArray tipos[] = {QByteArray::fromHex("2604"), QByteArray::fromHex("6d08"),   // INTN, FLTN
                                       QByteArray::fromHex("e7401f") + kColacion,                  // NVARCHAR(4000)
                                       QByteArray::fromHex("6f08")};                               // DATETIMN
    b += tipos[t];
}

void valor(QByteArray &b, Col::Tipo t, const QVariant &v)
{
    if (t == Col::Texto) {
        const QByteArray u = ucs2(v.toString());
        pon(b, quint16(v.isNull() ? 0xFFFF : u.size()));
        b += v.isNull() ? QByteArray() : u;
        return;
    }
    pon(b, quint8(v.isNull() ? 0 : t == Col::Entero ? 4 : 8));
    if (v.isNull())
        return;
    if (t == Col::Entero) {
        pon(b, qint32(v.toInt()));
    } else if (t == Col::Flotante) {
        pon(b, v.toDouble());
    } else {  // days since 1900 and 1/300 s since midnight
        const QDateTime f = v.toDateTime();
        pon(b, qint32(QDate(1900, 1, 1).daysTo(f.date())));
        pon(b, quint32((qint64(f.time().msecsSinceStartOfDay()) * 300 + 500) / 1000));
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
        pon(r, tipo);
        pon(r, quint8(i + cabe >= datos.size() ? 1 : 0));  // the last one
        pon(r, qToBigEndian(quint16(trozo.size() + 8)));  // the length goes big-endian
        pon(r, quint16(0));                                // spid
        pon(r, id);
        pon(r, quint8(0));
        r += trozo;
    }
    return r;
}

// Reads one parameter of an RPC, of the types the driver sends: INTN, VARCHAR (its UTF-8 bytes) and
// NTEXT. False at the end or on another type.
bool leerParametro(const QByteArray &d, qsizetype &i, QVariant &v)
{
    if (i + 3 > d.size())
        return false;
    i += 1 + 2 * quint8(d[i]) + 1;  // name, status flags
    const quint8 tipo = quint8(d[i++]);
    if (tipo == 0x26) {  // maximum length, length, value
        const quint8 n = quint8(d[i + 1]);
        v = n == 4 ? QVariant(qint32(le32(d, i + 2))) : QVariant();
        i += 2 + n;
    } else if (tipo == 0xA7) {  // maximum length (2), collation, length (2), bytes
        const quint16 n = le16(d, i + 7);
        v = n == 0xFFFF ? QVariant() : QVariant(QString::fromUtf8(d.mid(i + 9, n)));
        i += 9 + (n == 0xFFFF ? 0 : n);
    } else if (tipo == 0x63) {  // maximum length (4), collation, length (4), UCS-2
        const quint32 n = le32(d, i + 9);
        v = n == 0xFFFFFFFF ? QVariant() : QVariant(deUcs2(d, i + 13, n / 2));
        i += 13 + (n == 0xFFFFFFFF ? 0 : n);
    } else {
        return false;
    }
    return true;
}

// The driver's question about the datetime type (SQLGetTypeInfo): one row of sp_datatype_info.
RespondedorTds::Resultado tipoFechaHora()
{
    RespondedorTds::Resultado r;
    // The text columns are marked with '$'.
    for (const QString &n : QStringLiteral("$TYPE_NAME DATA_TYPE PRECISION $LITERAL_PREFIX $LITERAL_SUFFIX $CREATE_PARAMS NULLABLE "
                                           "CASE_SENSITIVE SEARCHABLE UNSIGNED_ATTRIBUTE MONEY AUTO_INCREMENT $LOCAL_TYPE_NAME "
                                           "MINIMUM_SCALE MAXIMUM_SCALE SQL_DATA_TYPE SQL_DATETIME_SUB NUM_PREC_RADIX "
                                           "INTERVAL_PRECISION USERTYPE").split(u' '))
        r.columnas << Col{n.startsWith(u'$') ? Col::Texto : Col::Entero, n.mid(n.startsWith(u'$') ? 1 : 0)};
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
                salida = QByteArray::fromHex("00000b00060100110001ff0f0007d0000002");
            } else if (tipo == kLogin7) {
                salida = responderLogin(mensaje);
            } else if (tipo == kLote) {
                const qsizetype cabeceras = mensaje.size() >= 4 ? le32(mensaje, 0) : 0;
                const QString sql = deUcs2(mensaje, cabeceras, (mensaje.size() - cabeceras) / 2);
                anotar(QStringLiteral("batch: ") + sql);
                salida = resultado(sql, false);
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
    // A field of the login record: its offset and length in characters at desplazamiento.
    auto campo = [&d](int desplazamiento) {
        return d.size() < desplazamiento + 4 ? QByteArray()
                                              : d.mid(le16(d, desplazamiento), qsizetype(le16(d, desplazamiento + 2)) * 2);
    };
    QByteArray clave = campo(44);
    for (char &c : clave) {  // the password's bytes are XORed with 0xA5 and their nibbles swapped
        const quint8 x = quint8(c) ^ 0xA5;
        c = char(quint8((x << 4) | (x >> 4)));
    }
    auto aTexto = [](const QByteArray &b) { return deUcs2(b, 0, b.size() / 2); };
    const QString base = aTexto(campo(68));
    QString motivo;
    {
        QMutexLocker l(&cerrojo);
        login = QStringList{aTexto(campo(40)), aTexto(clave), base};
        motivo = rechazo;
    }
    QByteArray r;
    if (!motivo.isEmpty()) {
        errorServidor(r, 18456, 14, motivo);
        hecho(r, kTokHecho, kHechoError, 0, 0);
        return r;
    }
    entorno(r, 1, texto(base), texto(QStringLiteral("master")));
    entorno(r, 7, QByteArray(1, 5) + kColacion, QByteArray(1, 0));
    entorno(r, 4, texto(QString::number(kTamPaquete)), texto(QString::number(kTamPaquete)));
    QByteArray ack = QByteArray::fromHex("01730b0003");  // T-SQL, TDS 7.3
    ponTexto(ack, QStringLiteral("Microsoft SQL Server"));
    ack += QByteArray::fromHex("0f0007d0");
    pon(r, kTokLoginAck);
    pon(r, quint16(ack.size()));
    r += ack;
    hecho(r, kTokHecho, 0, 0, 0);
    return r;
}

QByteArray RespondedorTds::responderRpc(const QByteArray &d, QHash<int, QString> &preparadas)
{
    qsizetype i = d.size() >= 4 ? le32(d, 0) : 0;  // after the headers: 0xFFFF, the number, option flags
    const quint16 proc = le16(d, i) == 0xFFFF ? le16(d, i + 2) : 0;
    i += 6;
    QVariantList valores;
    for (QVariant v; leerParametro(d, i, v);)
        valores << v;
    static const QHash<quint16, QString> nombres{{kCursorOpen, "sp_cursoropen"}, {kPrepExec, "sp_prepexec"},
                                                 {kUnprepare, "sp_unprepare"}};
    const QString sentencia = proc == kCursorOpen ? valores.value(1).toString()
                            : proc == kPrepExec   ? valores.value(2).toString()
                                                  : preparadas.value(valores.value(0).toInt());
    anotar(QStringLiteral("rpc %1: %2").arg(nombres.value(proc, QString::number(proc)), sentencia));
    QByteArray r;
    if (proc == kPrepExec) {
        r += resultado(sentencia, true);
    } else if (proc == kCursorOpen) {  // no rows: no cursor, run directly
        errorServidor(r, 16954, 10, QStringLiteral("Executing SQL directly; no cursor."), kTokInfo);
        r += resultado(sentencia, true);
    } else if (proc != kUnprepare) {
        errorServidor(r, 2812, 16, QStringLiteral("Could not find stored procedure %1.").arg(proc));
    }
    pon(r, kTokEstado);
    pon(r, quint32(0));
    if (proc == kPrepExec) {  // the handle as an output parameter
        const int asa = int(preparadas.size()) + 1;
        preparadas.insert(asa, sentencia);
        pon(r, kTokValorDevuelto);
        pon(r, quint16(0));
        ponTexto(r, QStringLiteral("@handle"));
        r += QByteArray::fromHex("01000000000100");  // output, user type, flags
        tipoColumna(r, Col::Entero);
        valor(r, Col::Entero, asa);
    }
    if (proc == kUnprepare)
        preparadas.remove(valores.value(0).toInt());
    hecho(r, kTokHechoProc, r.contains(char(kTokError)) ? kHechoError : 0, 0, 0);
    return r;
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
    pon(r, kTokColumnas);
    pon(r, quint16(res.columnas.size()));
    for (const Columna &c : res.columnas) {
        pon(r, quint32(0));  // user type
        pon(r, quint16(1));  // nullable
        tipoColumna(r, c.tipo);
        ponTexto(r, c.nombre);
    }
    for (const QVariantList &fila : res.filas) {
        pon(r, kTokFila);
        for (qsizetype c = 0; c < res.columnas.size(); ++c)
            valor(r, res.columnas[c].tipo, fila.value(c));
    }
    hecho(r, fin, kHechoCuenta | mas | (res.otroResultado ? kHechoMas : 0), 0xC1, quint64(res.filas.size()));
    if (res.otroResultado)
        hecho(r, fin, kHechoCuenta | mas, 0xC1, 0);
    return r;
}
