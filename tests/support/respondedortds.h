#pragma once
// A test double of SQL Server's side of the TDS 7.3 wire protocol, on a loopback port. Not a
// server: it knows no SQL. It speaks just what unixODBC + FreeTDS send for the program: the
// pre-login (no encryption), the login, SQL batches, the RPCs of a prepared statement
// (sp_prepexec, sp_unprepare), the sp_cursoropen of Qt's own set-up (run directly, as SQL Server
// runs a statement without rows) and the attention (cancel).
// Each statement text is answered with the result a test function gives for it: typed columns
// (int, float, nvarchar, datetime), rows with NULLs, an affected-row count or an error.
#include <QByteArray>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <atomic>
#include <functional>
#include <list>
#include <thread>

class RespondedorTds {
public:
    struct Columna {
        enum Tipo { Entero, Flotante, Texto, FechaHora } tipo;
        QString nombre;
    };
    // What a statement answers: a result set (columns and rows), else a count of affected rows,
    // or an error of the server.
    struct Resultado {
        QList<Columna> columnas;
        QList<QVariantList> filas;  // a null QVariant is NULL
        qint64 afectadas = -1;      // with no columns: rows affected (-1: none reported)
        QString error;              // non-empty: the statement fails with this message
        bool otroResultado = false; // a second, empty result follows (the driver cancels it unread)
    };
    using Respuesta = std::function<Resultado(const QString &sentencia)>;

    explicit RespondedorTds(Respuesta respuesta);
    ~RespondedorTds();
    RespondedorTds(const RespondedorTds &) = delete;
    RespondedorTds &operator=(const RespondedorTds &) = delete;

    // Listens on 127.0.0.1; answers the port (0 when it could not).
    quint16 Abrir();
    // Logins are refused with this message while it is set.
    void RechazarLogins(const QString &mensaje);

    // Every statement text received, in order, as "batch: ...", "rpc <name>: ..." or "attention".
    QStringList Recibidos() const;
    // The user, password and database of the last login.
    QStringList UltimoLogin() const;

private:
    Respuesta respuesta;
    mutable QMutex cerrojo;
    QStringList recibidos;
    QStringList login;
    QString rechazo;
    std::atomic<bool> parar{false};
    int escucha = -1;               // the listening socket
    std::thread aceptador;          // accepts connections while the test's thread is in the driver
    std::list<std::thread> hilos;   // one per connection

    void aceptar();
    void atender(qintptr descriptor);
    void anotar(const QString &texto);
    QByteArray responderLogin(const QByteArray &datos);
    QByteArray responderRpc(const QByteArray &datos, QHash<int, QString> &preparadas);
    QByteArray resultado(const QString &sentencia, bool enProcedimiento);
};
