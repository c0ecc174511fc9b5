#pragma once
// The engines behind ADOSQLSERVER. A connection string of the program is mapped to a provider:
// SQL Server Compact -> a SQLite file (T-SQL translated), SQLOLEDB -> ODBC/FreeTDS (text sent
// unchanged), or the demo service's SQLite file when no remote address was set at build time.
#include "recordset.h"
#include "sentenciapreparada.h"

#include <QString>
#include <functional>
#include <memory>

struct DestinoConexion {
    enum Tipo { Sqlite, Odbc } tipo = Sqlite;
    QString ruta;         // Sqlite: the database file
    QString cadenaOdbc;   // Odbc: the ODBC connection string
};

// Reads one of the program's connection strings. Answers false with a reason when it is none.
bool InterpretarCadenaConexion(const QString &cadena, DestinoConexion &destino, QString &error);

class Proveedor {
public:
    virtual ~Proveedor() = default;
    virtual bool Abrir(QString &error) = 0;
    virtual void Cerrar() = 0;
    virtual bool Abierto() const = 0;
    // Rows affected, or -1 on failure (with error set).
    virtual qint64 Ejecutar(const QString &sql, QString &error) = 0;
    // A query read row by row, no row kept: campos receives the field names once, before any row;
    // fila each row in turn and answers false to stop there. False on failure (with error set);
    // the rows given before a failure stay given.
    struct Lectura {
        std::function<void(const QStringList &nombres)> campos;
        std::function<bool(QVariantList &fila)> fila;
    };
    virtual bool Recorrer(const QString &sql, QString &error, const Lectura &lectura) = 0;
    // The rows of a query (at most maximo when it is not negative), or nullptr on failure (with error set).
    std::unique_ptr<Recordset> Consultar(const QString &sql, QString &error, qsizetype maximo = -1);
    // A write with "?" for its values, prepared once; nullptr on failure (with error set).
    virtual std::unique_ptr<SentenciaPreparada> Preparar(const QString &sql, QString &error) = 0;
    virtual bool Transaccion(QString &error) = 0;
    virtual bool Confirmar(QString &error) = 0;
    virtual bool Deshacer(QString &error) = 0;
};

// The text of an error of the engine: the database's and the driver's, without repeating.
class QSqlError;
QString TextoErrorSql(const QSqlError &e);

// The demo service's database: used when no remote address was set at build time.
QString RutaServicioDemo();

std::unique_ptr<Proveedor> CrearProveedor(const DestinoConexion &destino);

// Registers the SQL Server text comparison (letter case and trailing blanks ignored) as the
// collation "TSQL" on a SQLite connection of Qt, and SQL Server's LIKE in place of SQLite's. Answers false when the handle is no SQLite one.
class QSqlDatabase;
bool RegistrarColacionTSQL(QSqlDatabase &db);
// The same comparison for texts the program holds (rows the engine grouped with that collation).
bool MismoTextoTSQL(const QString &a, const QString &b);
// A key equal for exactly the texts that comparison finds equal.
QString ClaveTextoTSQL(const QString &texto);
