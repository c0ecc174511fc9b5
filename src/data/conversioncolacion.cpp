#include "conversioncolacion.h"

#include "esquema.h"
#include "proveedor.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace {
const QString kAntiguo = QStringLiteral(
    "SELECT count(*) FROM sqlite_master WHERE instr(sql, ' COLLATE TSQL') > 0 "
    "OR (name = 'IX_DATOS_IMEI_FECHA' AND instr(upper(sql), 'UNIQUE') > 0)");
// A table of positions without the index of a locator's days.
const QString kSinIndice = QStringLiteral(
    "SELECT (SELECT count(*) FROM pragma_table_info('DATOS') WHERE name = 'IMEI' COLLATE NOCASE) > 0 "
    "AND (SELECT count(*) FROM sqlite_master WHERE name = 'IX_DATOS_CLAVE_FECHA') = 0");

bool ejecutar(QSqlQuery &q, const QString &sql, QString &error)
{
    if (q.exec(sql))
        return true;
    error = TextoErrorSql(q.lastError());
    return false;
}

bool contar(QSqlQuery &q, const QString &sql, bool &si, QString &error)
{
    if (!ejecutar(q, sql, error))
        return false;
    si = q.next() && q.value(0).toInt() != 0;
    q.finish();
    return true;
}
}  // namespace

bool ConvertirEsquemaAntiguo(QSqlDatabase &db, QString &error)
{
    QSqlQuery q(db);
    bool antiguo = false, sinIndice = false;
    if (!contar(q, kAntiguo, antiguo, error) || !contar(q, kSinIndice, sinIndice, error))
        return false;
    if (!antiguo && !sinIndice)
        return true;
    if (!ejecutar(q, QStringLiteral("PRAGMA schema_version"), error) || !q.next())
        return false;
    const qint64 version = q.value(0).toLongLong();
    q.finish();
    // The collation changes only how indexes are ordered, not how rows are stored: the schema text
    // is edited in place, the schema's version moved on so that it is read again, the old key
    // dropped and every index rebuilt in the new order, all in one transaction.
    QStringList pasos = {QStringLiteral("BEGIN IMMEDIATE")};
    if (antiguo)
        pasos << QStringLiteral("PRAGMA writable_schema = ON")
              << QStringLiteral("UPDATE sqlite_master SET sql = replace(sql, ' COLLATE TSQL', '') WHERE instr(sql, ' COLLATE TSQL') > 0")
              << QStringLiteral("PRAGMA schema_version = %1").arg(version + 1) << QStringLiteral("PRAGMA writable_schema = OFF")
              << QStringLiteral("DROP INDEX IF EXISTS IX_DATOS_IMEI_FECHA") << QStringLiteral("REINDEX");
    if (sinIndice)
        pasos << IndiceLocalizadorFecha();
    for (const QString &sql : pasos) {
        if (!ejecutar(q, sql, error)) {
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            return false;
        }
    }
    if (!ejecutar(q, QStringLiteral("COMMIT"), error)) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    return true;
}
