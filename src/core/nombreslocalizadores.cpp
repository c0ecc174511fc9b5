#include "nombreslocalizadores.h"

#include "adosqlserver.h"
#include "comillas.h"
#include "module1.h"
#include "recordset.h"

namespace {
const QString kTabla = QStringLiteral("ALIASLOCALIZADORES");
}

QString NombresLocalizadores::Clave(const QString &imei)
{
    QString c = imei;
    while (!c.isEmpty() && c.back().isSpace())
        c.chop(1);
    return c.toCaseFolded();
}

QString NombresLocalizadores::SqlCrearTabla()
{
    return QStringLiteral("CREATE TABLE IF NOT EXISTS ") + kTabla +
           QStringLiteral(" (IMEI TEXT COLLATE TSQL NOT NULL UNIQUE, ALIAS TEXT NOT NULL)");
}

QString NombresLocalizadores::SqlAlias() { return QStringLiteral("SELECT IMEI, ALIAS FROM ") + kTabla; }

QString NombresLocalizadores::SqlServicio(const QString &titular)
{
    return QStringLiteral("SELECT * from LOCALIZADORES WHERE TITULAR LIKE '") + EscaparLike(titular) + u'\'';
}

void NombresLocalizadores::Cargar(ADOSQLSERVER &remoto, ADOSQLSERVER &local, const QString &titular)
{
    servicio.clear();
    alias.clear();
    if (auto rs = remoto.DevuelveRecordset(SqlServicio(titular))) {
        for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) {
            const QString d = rs->Fields(QStringLiteral("DESCRIPCION")).toString().trimmed();
            if (!d.isEmpty())
                servicio.insert(Clave(rs->Fields(QStringLiteral("NOMBRE")).toString()), d);
        }
    }
    // A file that never stored an alias has no table: no aliases.
    if (auto rs = local.DevuelveRecordset(SqlAlias()))
        for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext())
            alias.insert(Clave(rs->Texto(0)), rs->Texto(1));
}

void NombresLocalizadores::Cargar()
{
    Cargar(Module1::ServidorRemoto(), Module1::BaseLocal(), Module1::CodigoTitular);
}

QString NombresLocalizadores::Descripcion(const QString &imei) const
{
    const QString c = Clave(imei);
    const QString a = alias.value(c);
    return a.isEmpty() ? servicio.value(c) : a;
}

QString NombresLocalizadores::Mostrar(const QString &imei) const
{
    const QString d = Descripcion(imei);
    return d.isEmpty() ? imei : d + QStringLiteral(" (") + imei + u')';
}

bool NombresLocalizadores::GuardarAlias(ADOSQLSERVER &local, const QString &imei, const QString &texto)
{
    const QString limpio = texto.trimmed();
    local.Execute(SqlCrearTabla());
    if (local.UltimaOperacionFallida())
        return false;
    const QString borrar = QStringLiteral("DELETE FROM ") + kTabla + QStringLiteral(" WHERE IMEI='") +
                           EscaparComillas(imei) + u'\'';
    local.Execute(borrar);
    if (local.UltimaOperacionFallida())
        return false;
    if (!limpio.isEmpty()) {
        const QString insertar = QStringLiteral("INSERT INTO ") + kTabla + QStringLiteral(" (IMEI, ALIAS) VALUES ('") +
                                 EscaparComillas(imei) + QStringLiteral("', '") + EscaparComillas(limpio) +
                                 QStringLiteral("')");
        local.Execute(insertar);
        if (local.UltimaOperacionFallida())
            return false;
        alias.insert(Clave(imei), limpio);
    } else {
        alias.remove(Clave(imei));
    }
    return true;
}
