#include "proveedor.h"
#include "conversioncolacion.h"
#include "traductortsql.h"
#include "liketsql.h"
#include "entorno.h"
#include "fechaflotante.h"

#include <QAtomicInt>
#include <QDir>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>
#include <QHash>
#include <QLoggingCategory>

#include <optional>

#include <sqlite3.h>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcDatos, "varden.data", QtWarningMsg)

namespace {

QString nombreNuevaConexion()
{
    static QAtomicInt contador;
    return QStringLiteral("varden-%1").arg(contador.fetchAndAddRelaxed(1));
}

// SQL Server's comparison: trailing blanks ignored, letter case ignored.
int compararTSQL(void *, int n1, const void *p1, int n2, const void *p2)
{
    auto a = static_cast<const unsigned char *>(p1);
    auto b = static_cast<const unsigned char *>(p2);
    while (n1 > 0 && a[n1 - 1] == ' ')
        --n1;
    while (n2 > 0 && b[n2 - 1] == ' ')
        --n2;
    int n = qMin(n1, n2);
    for (int i = 0; i < n; ++i) {
        unsigned char x = a[i], y = b[i];
        if (x == y)
            continue;  // the same byte: the same letter so far, also inside a multi-byte one
        if (x >= 0x80 || y >= 0x80) {
            // Compare from the start of the letter that differs (its leading bytes are equal).
            while (i > 0 && (a[i] & 0xC0) == 0x80)
                --i;
            QString sa = QString::fromUtf8(reinterpret_cast<const char *>(a + i), n1 - i);
            QString sb = QString::fromUtf8(reinterpret_cast<const char *>(b + i), n2 - i);
            int c = sa.compare(sb, Qt::CaseInsensitive);
            return c < 0 ? -1 : c > 0 ? 1 : 0;
        }
        if (x >= 'A' && x <= 'Z')
            x += 32;
        if (y >= 'A' && y <= 'Z')
            y += 32;
        if (x != y)
            return x < y ? -1 : 1;
    }
    return n1 == n2 ? 0 : n1 < n2 ? -1 : 1;
}

QString textoSqlite(sqlite3_value *v)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_value_text(v)), sqlite3_value_bytes(v));
}

// "x LIKE p [ESCAPE e]" arrives as like(p, x[, e]).
void likeTSQL(sqlite3_context *ctx, int n, sqlite3_value **args)
{
    for (int i = 0; i < n; ++i) {
        if (sqlite3_value_type(args[i]) == SQLITE_NULL) {
            sqlite3_result_null(ctx);
            return;
        }
    }
    const QString escape = n == 3 ? textoSqlite(args[2]) : QString();
    if (n == 3 && escape.size() != 1) {
        sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
        return;
    }
    sqlite3_result_int(ctx, CoincideLikeTSQL(textoSqlite(args[1]), textoSqlite(args[0]), escape.isEmpty() ? QChar() : escape[0]));
}

// FECHA, the one date-and-time column of both databases, is kept as ISO text in SQLite and read
// back as a date and time. Texts computed from it (CONVERT) keep their own column names and stay texts.
bool esColumnaFecha(const QString &nombre)
{
    return nombre.compare(QLatin1String("FECHA"), Qt::CaseInsensitive) == 0;
}

// "yyyy-MM-dd HH:mm:ss[.zzz]" read by hand (the fixed form FECHA is stored in), as a floating
// date and time: UTC stands for no time zone. Any other text stays as it is.
QVariant valorSqlite(const QVariant &v)
{
    if (v.typeId() != QMetaType::QString)
        return v;
    const QDateTime dt = FlotanteDeISO(v.toString());
    return dt.isValid() ? QVariant(dt) : v;
}

// A driver's date-time (built in local time while SinZonaLocal holds) as a floating one.
QVariant valorOdbc(const QVariant &v)
{
    return v.typeId() == QMetaType::QDateTime && !v.isNull() ? QVariant(AFlotante(v.toDateTime())) : v;
}

class ProveedorQtSql : public Proveedor {
public:
    explicit ProveedorQtSql(DestinoConexion d) : destino(std::move(d)), nombre(nombreNuevaConexion()) {}
    ~ProveedorQtSql() override { Cerrar(); }

    bool Abrir(QString &error) override
    {
        Cerrar();
        {
            QSqlDatabase db;
            if (destino.tipo == DestinoConexion::Sqlite) {
                db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nombre);
                // mode=rw: an existing file only, never a new empty one.
                db.setDatabaseName(QUrl::fromLocalFile(destino.ruta).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw"));
                db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=2000"));
            } else {
                db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), nombre);
                db.setDatabaseName(destino.cadenaOdbc);
                db.setConnectOptions(QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=15"));
            }
            if (!db.isValid()) {
                error = QStringLiteral("No se encuentra el proveedor de datos.");
            } else if (!db.open()) {
                error = TextoErrorSql(db.lastError());
                if (error.isEmpty())
                    error = QStringLiteral("No se puede abrir la base de datos.");
            } else if (destino.tipo == DestinoConexion::Sqlite) {
                RegistrarColacionTSQL(db);
                QSqlQuery q(db);
                if (!q.exec(QStringLiteral("PRAGMA journal_mode=DELETE")) ||
                    !q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
                    error = TextoErrorSql(q.lastError());
                } else {
                    q.finish();
                    ConvertirEsquemaAntiguo(db, error);
                }
            }
            abierta = error.isEmpty();
            if (abierta)
                return true;
            db.close();
        }
        QSqlDatabase::removeDatabase(nombre);
        return false;
    }

    void Cerrar() override
    {
        preparadas.clear();
        if (!QSqlDatabase::contains(nombre))
            return;
        {
            QSqlDatabase db = QSqlDatabase::database(nombre, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(nombre);
        abierta = false;
    }

    bool Abierto() const override { return abierta; }

    qint64 Ejecutar(const QString &sql, QString &error) override
    {
        QString texto;
        if (!preparar(sql, texto, error))
            return -1;
        if (destino.tipo == DestinoConexion::Sqlite) {
            // Rows written one statement at a time differ only in their values: the statement is
            // prepared once with its texts as parameters and reused.
            QString esqueleto;
            QVariantList valores;
            if (separarLiterales(texto, esqueleto, valores)) {
                auto it = preparadas.find(esqueleto);
                if (it == preparadas.end()) {
                    if (preparadas.size() >= 32)
                        preparadas.clear();
                    QSqlQuery q(QSqlDatabase::database(nombre, false));
                    if (!q.prepare(esqueleto)) {
                        error = TextoErrorSql(q.lastError());
                        return -1;
                    }
                    it = preparadas.insert(esqueleto, q);
                }
                QSqlQuery &q = it.value();
                for (int i = 0; i < valores.size(); ++i)
                    q.bindValue(i, valores[i]);
                if (!q.exec()) {
                    error = TextoErrorSql(q.lastError());
                    return -1;
                }
                return q.numRowsAffected();
            }
        }
        QSqlQuery q(QSqlDatabase::database(nombre, false));
        q.setForwardOnly(true);  // no server cursor: a statement without rows is one round trip
        if (!q.exec(texto)) {
            error = TextoErrorSql(q.lastError());
            return -1;
        }
        return q.numRowsAffected();
    }

    bool Recorrer(const QString &sql, QString &error, const Lectura &lectura) override
    {
        QString texto;
        if (!preparar(sql, texto, error))
            return false;
        // The ODBC driver builds date-times in local time: read them where local time has no gaps.
        std::optional<SinZonaLocal> sinZona;
        if (destino.tipo == DestinoConexion::Odbc)
            sinZona.emplace();
        QSqlQuery q(QSqlDatabase::database(nombre, false));
        q.setForwardOnly(true);
        if (!q.exec(texto)) {
            error = TextoErrorSql(q.lastError());
            return false;
        }
        const QSqlRecord rec = q.record();
        const int n = rec.count();
        QStringList nombres;
        QList<bool> fechas;
        for (int i = 0; i < n; ++i) {
            nombres << rec.fieldName(i);
            fechas << (destino.tipo == DestinoConexion::Sqlite && esColumnaFecha(nombres.last()));
        }
        if (lectura.campos)
            lectura.campos(nombres);
        while (q.next()) {
            QVariantList fila;
            fila.reserve(n);
            for (int i = 0; i < n; ++i)
                fila << (fechas[i] ? valorSqlite(q.value(i)) : sinZona ? valorOdbc(q.value(i)) : q.value(i));
            if (!lectura.fila(fila))
                return true;
        }
        if (q.lastError().isValid()) {
            error = TextoErrorSql(q.lastError());
            return false;
        }
        return true;
    }

    std::unique_ptr<SentenciaPreparada> Preparar(const QString &sql, QString &error) override
    {
        QString texto;
        if (!preparar(sql, texto, error))
            return nullptr;
        QSqlQuery q(QSqlDatabase::database(nombre, false));
        q.setForwardOnly(true);
        if (!q.prepare(texto)) {
            error = TextoErrorSql(q.lastError());
            return nullptr;
        }
        return std::make_unique<SentenciaPreparada>(std::move(q), sql, destino.tipo == DestinoConexion::Sqlite);
    }

    bool Transaccion(QString &error) override { return conBase(error, [](QSqlDatabase &db) { return db.transaction(); }); }
    bool Confirmar(QString &error) override { return conBase(error, [](QSqlDatabase &db) { return db.commit(); }); }
    bool Deshacer(QString &error) override { return conBase(error, [](QSqlDatabase &db) { return db.rollback(); }); }

private:
    DestinoConexion destino;
    QString nombre;
    bool abierta = false;
    QHash<QString, QSqlQuery> preparadas;

    // An INSERT, UPDATE or DELETE with its string literals taken out as parameters.
    static bool separarLiterales(const QString &sql, QString &esqueleto, QVariantList &valores)
    {
        const QString inicio = sql.trimmed().left(6).toUpper();
        if (inicio != QLatin1String("INSERT") && inicio != QLatin1String("UPDATE") && inicio != QLatin1String("DELETE"))
            return false;
        esqueleto.reserve(sql.size());
        const int n = sql.size();
        for (int i = 0; i < n;) {
            const QChar c = sql[i];
            if (c == '[' || c == '"') {
                const int fin = sql.indexOf(c == '[' ? QLatin1Char(']') : QLatin1Char('"'), i + 1);
                const int hasta = fin < 0 ? n : fin + 1;
                esqueleto += QStringView(sql).mid(i, hasta - i);
                i = hasta;
            } else if (c == '\'') {
                QString valor(u""_s);  // '' is an empty text, never NULL
                int j = i + 1;
                for (;; ++j) {
                    if (j >= n)
                        return false;
                    if (sql[j] == '\'') {
                        if (j + 1 < n && sql[j + 1] == '\'') {
                            valor += '\'';
                            ++j;
                            continue;
                        }
                        break;
                    }
                    valor += sql[j];
                }
                valores << valor;
                esqueleto += '?';
                i = j + 1;
            } else {
                esqueleto += c;
                ++i;
            }
        }
        return true;
    }

    bool preparar(const QString &sql, QString &texto, QString &error)
    {
        if (!abierta) {
            error = QStringLiteral("La conexión está cerrada.");
            return false;
        }
        if (destino.tipo == DestinoConexion::Odbc) {
            texto = sql;
            return true;
        }
        Traduccion t = TraducirTSQL(sql);
        if (!t.ok()) {
            error = t.error;
            return false;
        }
        texto = t.sql;
        qCDebug(lcDatos) << sql << "->" << texto;
        return true;
    }

    template <class F> bool conBase(QString &error, F f)
    {
        if (!abierta) {
            error = QStringLiteral("La conexión está cerrada.");
            return false;
        }
        QSqlDatabase db = QSqlDatabase::database(nombre, false);
        if (!f(db)) {
            error = TextoErrorSql(db.lastError());
            return false;
        }
        return true;
    }
};

QMap<QString, QString> pares(const QString &cadena)
{
    QMap<QString, QString> r;
    for (const QString &p : cadena.split(';', Qt::SkipEmptyParts)) {
        int igual = p.indexOf('=');
        if (igual > 0)
            r.insert(p.left(igual).trimmed().toLower(), p.mid(igual + 1).trimmed());
    }
    return r;
}

}  // namespace

std::unique_ptr<Recordset> Proveedor::Consultar(const QString &sql, QString &error, qsizetype maximo)
{
    QStringList nombres;
    QList<QVariantList> filas;
    const bool ok = Recorrer(sql, error, {[&](const QStringList &n) { nombres = n; }, [&](QVariantList &f) {
                                              filas << std::move(f);
                                              return maximo < 0 || filas.size() < maximo;
                                          }});
    return ok ? std::make_unique<Recordset>(std::move(nombres), std::move(filas)) : nullptr;
}

QString TextoErrorSql(const QSqlError &e)
{
    QString t = e.databaseText().trimmed();
    QString d = e.driverText().trimmed();
    if (t.isEmpty())
        return d;
    if (d.isEmpty() || t.contains(d))
        return t;
    return t + QStringLiteral(" (") + d + ')';
}

QString RutaServicioDemo() { return QDir(CarpetaAplicacion()).filePath(QStringLiteral("BDMERLAN.sqlite")); }

bool InterpretarCadenaConexion(const QString &cadena, DestinoConexion &destino, QString &error)
{
    const auto p = pares(cadena);
    const QString proveedor = p.value(QStringLiteral("provider")).toLower();
    const QString origen = p.value(QStringLiteral("data source"));
    if (proveedor.startsWith(QLatin1String("microsoft.sqlserver.ce"))) {
        if (origen.isEmpty()) {
            error = QStringLiteral("No se ha indicado el archivo de la base de datos.");
            return false;
        }
        destino.tipo = DestinoConexion::Sqlite;
        destino.ruta = QDir::cleanPath(QString(origen).replace('\\', '/'));
        return true;
    }
    if (proveedor == QLatin1String("sqloledb")) {
        // "host,port": an address set at build time may carry its own port ("host,port"), which comes first.
        const QStringList partes = origen.split(',');
        const QString host = partes.value(0).trimmed();
        const QString puerto = partes.size() > 1 ? partes.value(1).trimmed() : QStringLiteral("1433");
        if (host.isEmpty()) {
            destino.tipo = DestinoConexion::Sqlite;
            destino.ruta = RutaServicioDemo();
            return true;
        }
        destino.tipo = DestinoConexion::Odbc;
        destino.cadenaOdbc = QStringLiteral("DRIVER={FreeTDS};SERVER=%1;PORT=%2;DATABASE=%3;UID=%4;PWD=%5;TDS_Version=7.3;ClientCharset=UTF-8;")
                                 .arg(host, puerto, p.value(QStringLiteral("initial catalog")),
                                      p.value(QStringLiteral("user id")), p.value(QStringLiteral("password")));
        return true;
    }
    error = QStringLiteral("Proveedor no reconocido: %1").arg(p.value(QStringLiteral("provider")));
    return false;
}

std::unique_ptr<Proveedor> CrearProveedor(const DestinoConexion &destino) { return std::make_unique<ProveedorQtSql>(destino); }

bool RegistrarColacionTSQL(QSqlDatabase &db)
{
    QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return false;
    sqlite3 *h = *static_cast<sqlite3 *const *>(v.constData());
    if (!h || sqlite3_create_collation(h, "TSQL", SQLITE_UTF8, nullptr, compararTSQL) != SQLITE_OK)
        return false;
    for (int n : {2, 3}) {
        if (sqlite3_create_function(h, "like", n, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, likeTSQL, nullptr, nullptr) != SQLITE_OK)
            return false;
    }
    return true;
}

bool MismoTextoTSQL(const QString &a, const QString &b)
{
    const QByteArray x = a.toUtf8(), y = b.toUtf8();
    return compararTSQL(nullptr, int(x.size()), x.constData(), int(y.size()), y.constData()) == 0;
}

QString ClaveTextoTSQL(const QString &texto)
{
    qsizetype n = texto.size();
    while (n > 0 && texto[n - 1] == u' ')
        --n;
    return texto.left(n).toCaseFolded();
}
