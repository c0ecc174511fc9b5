#include "consultasiconos.h"

#include "adosqlserver.h"
#include "argumentosscript.h"
#include "comillas.h"

namespace ConsultasIconos {

QString SqlLocalizadores() { return QStringLiteral("Select DISTINCT IMEI FROM DATOS"); }

QString SqlIconoLocalizador(const QString &localizador)
{
    return QStringLiteral("SELECT * FROM LOCALIZADORES WHERE NOMBRE='") + EscaparComillas(localizador) + u'\'';
}

QString SqlInsertarIcono(const QString &localizador, const QString &icono)
{
    return QStringLiteral("Insert into localizadores Values('") + EscaparComillas(localizador) +
           QStringLiteral("','") + EscaparComillas(icono) + QStringLiteral("')");
}

QString SqlActualizarIcono(const QString &localizador, const QString &icono)
{
    return QStringLiteral("Update Localizadores SET [Icono]='") + EscaparComillas(icono) +
           QStringLiteral("' where Nombre='") + EscaparComillas(localizador) + u'\'';
}

QString SentenciaImagen(const QString &icono)
{
    return QStringLiteral("ponerimagen('") + ArgumentoScript(icono + QStringLiteral(".png")) + QStringLiteral("');");
}

QStringList Localizadores(ADOSQLSERVER &base)
{
    QStringList l;
    if (auto rs = base.DevuelveRecordset(SqlLocalizadores()))
        for (; !rs->Eof(); rs->MoveNext())
            l << rs->Texto(0);
    return l;
}

std::optional<QString> IconoGuardado(ADOSQLSERVER &base, const QString &localizador)
{
    auto rs = base.DevuelveRecordset(SqlIconoLocalizador(localizador));
    if (!rs)
        return std::nullopt;
    return rs->Texto(1);
}

void GrabarIcono(ADOSQLSERVER &base, const QString &localizador, const QString &icono)
{
    if (localizador.isEmpty() || icono.isEmpty())
        return;
    base.Execute(SqlInsertarIcono(localizador, icono));
    base.Execute(SqlActualizarIcono(localizador, icono));
}
}
