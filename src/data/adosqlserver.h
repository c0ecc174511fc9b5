#pragma once
// The one data-access class: a connection to the service's server or to the local database file.
// Errors never escape: each operation answers a neutral value on failure (0, false, no record set);
// beside that it records whether its last call failed and why, for callers that must not report
// a failure as success.
#include "proveedor.h"
#include "recordset.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>
#include <memory>

// One fetched row of DameRecordset: the fields kept apart, their texts and the "|" row text
// derived only when asked for.
struct FilaDescarga {
    QVariantList valores;             // as the provider gave them (the date as a date and time)
    QString Campo(qsizetype i) const; // a value as text (the date in the general date form, null as "")
    QString Texto() const;            // every field followed by "|"
};

class ADOSQLSERVER {
public:
    ADOSQLSERVER();
    ~ADOSQLSERVER();
    ADOSQLSERVER(const ADOSQLSERVER &) = delete;
    ADOSQLSERVER &operator=(const ADOSQLSERVER &) = delete;

    bool CerrarMERLAN();
    bool ConectarMERLAN();
    bool ConectarLOCAL(bool mostrarError = true);
    // Connects with a connection string of its own (the zone list's data control has one);
    // the failure's text is shown only when asked.
    bool ConectarCon(const QString &cadena, bool mostrarError);
    // Rows affected when at least 1, else 0 (counts above 32767 are answered as they are).
    int Execute(const QString &SQlInsertar);
    // A write prepared once for many rows ("?" for each value); none on failure.
    std::unique_ptr<SentenciaPreparada> Preparar(const QString &sql);
    // Runs it with one row's values: rows affected when at least 1, else 0. The text is recorded
    // as sent each time.
    int Execute(SentenciaPreparada &sentencia, const QVariantList &valores);
    bool HayRegistros(const QString &SQlEscalar);
    // Reads the rows one at a time, keeping none: each goes to alRecibirFila with the number of
    // rows so far (the download writes and shows its progress there, and lets events run).
    // True when at least one row came; a failure part-way keeps the rows already given and marks
    // the call as failed.
    bool DameRecordset(const QString &sql, const std::function<void(const FilaDescarga &, int)> &alRecibirFila);
    // Rewrites the caller's text into a count query ("*" -> "Count(*) ") and answers the count.
    qint32 TotalRegistros(QString &SQlEscalar);
    qint32 NumRegistros(const QString &SQlEscalar);
    // The rows of a query, positioned on the first; no record set when there are none.
    std::unique_ptr<Recordset> DevuelveRecordset(const QString &SQl);
    // The first row only, for callers that read no other: the same answer as DevuelveRecordset
    // gives on that row, without reading the rest.
    std::unique_ptr<Recordset> DevuelvePrimerRegistro(const QString &SQl);
    // The same, but an empty record set (with its field names) when there are no rows; none on failure.
    std::unique_ptr<Recordset> AbrirRecordset(const QString &SQl, qsizetype maximo = -1);
    void Compactar();
    void Verificar();

    // Connection strings, set by ConectarLOCAL.
    QString ConexionLocal;
    QString ConexionTemporal;

    // Transactions for callers that write many rows.
    bool IniciarTransaccion();
    bool ConfirmarTransaccion();
    bool DeshacerTransaccion();

    bool Conectado() const;
    bool UltimaOperacionFallida() const { return fallo; }
    QString UltimoError() const { return motivo; }
    // The last SQL texts this instance sent, oldest first (at most 256).
    QStringList TextosEnviados() const { return enviados; }
    // Marks the last call as failed with a reason (for helpers that act on the instance).
    void AnotarFallo(const QString &texto) { error(texto); }

    // The remote connection string, with the address set at build time (or by a test).
    static QString CadenaRemota();
    // The remote string of the zone list's data control (its own login).
    static QString CadenaRemotaZonas();
    static void EstablecerServidorRemoto(const QString &direccion);  // empty: the demo service
    static QString ServidorRemotoConfigurado();
    // The two local connection strings for the application folder.
    static QString CadenaLocal();
    static QString CadenaTemporal();

private:
    std::unique_ptr<Proveedor> proveedor;
    bool fallo = false;
    QString motivo;
    QStringList enviados;

    bool conectar(const QString &cadena, const QString &prueba, bool mostrarError = true);
    void anotar(const QString &sql);
    void exito();
    int afectadas(qint64 n, const QString &texto);  // Execute's answer for n rows (-1: failed)
    void error(const QString &texto);
    bool vaciarEn(const QString &origen, const QString &destino, QString &error);
};

// Commits when asked, rolls back on every other way out.
class TransaccionLocal {
public:
    explicit TransaccionLocal(ADOSQLSERVER &base) : base(base), activa(base.IniciarTransaccion()) {}
    ~TransaccionLocal()
    {
        if (activa)
            base.DeshacerTransaccion();
    }
    bool Activa() const { return activa; }
    // A commit that fails rolls the transaction back: nothing is left open behind it.
    bool Confirmar()
    {
        if (!activa)
            return false;
        activa = false;
        if (base.ConfirmarTransaccion())
            return true;
        const QString motivo = base.UltimoError();
        base.DeshacerTransaccion();
        base.AnotarFallo(motivo);
        return false;
    }
    TransaccionLocal(const TransaccionLocal &) = delete;
    TransaccionLocal &operator=(const TransaccionLocal &) = delete;

private:
    ADOSQLSERVER &base;
    bool activa;
};
