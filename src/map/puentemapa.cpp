#include "puentemapa.h"

#include "argumentosscript.h"
#include "entorno.h"
#include "paginasilenciosa.h"
#include "perfilmapas.h"

#include <QDir>
#include <QWebEngineLoadingInfo>
#include <QWebEngineView>

namespace {
const QString prefijoArchivo = QStringLiteral("file:///");
// The length of "file:///C:\/GPS/Track.htm".
constexpr int largoDireccionCorta = 25;

QString literal(const QString &texto) { return u'\'' + ArgumentoScript(texto) + u'\''; }

// A statement as run in the page: evaluated in the page's global scope, its errors (syntax ones
// too) handed to the page's silenced error handler. Reads return the value.
QString envuelto(const QString &script, bool devolver)
{
    return QStringLiteral("(function(){try{%1(0,eval)(%2);}catch(e){if(window.vardenSilenciar)window.vardenSilenciar(e);}})()")
        .arg(devolver ? QStringLiteral("return ") : QString(), literal(script));
}
}

PuenteMapa::PuenteMapa(QWebEngineView *vista_, QWebEngineProfile *perfil) : QObject(vista_), vista(vista_)
{
    pagina = new PaginaSilenciosa(perfil ? perfil : PerfilMapas(), this);
    vista->setPage(pagina);
    connect(pagina, &QWebEnginePage::urlChanged, this, [this](const QUrl &url) { Q_EMIT NavegacionCompleta(url); });
    connect(pagina, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo &info) {
        switch (info.status()) {
        case QWebEngineLoadingInfo::LoadStartedStatus:
            if (estado != Estado::SinPagina && estado != Estado::Fallida)
                estado = Estado::Cargando;
            break;
        case QWebEngineLoadingInfo::LoadSucceededStatus:
            if (!info.isErrorPage()) // the engine's own error page follows a failure already reported
                alCargar(true);
            break;
        case QWebEngineLoadingInfo::LoadFailedStatus:
            alCargar(false);
            break;
        case QWebEngineLoadingInfo::LoadStoppedStatus:
            // A load replaced by a newer navigation: the newer one decides.
            break;
        }
    });
}

PuenteMapa::~PuenteMapa()
{
    cerrando = true;
    cola.clear();
}

QString PuenteMapa::DireccionPagina(const QString &pagina)
{
    return NormalizarDireccion(prefijoArchivo + CarpetaAplicacion() + QStringLiteral("/GPS/") + pagina);
}

QString PuenteMapa::NormalizarDireccion(const QString &direccion)
{
    if (direccion.size() == largoDireccionCorta) {
        QString r = direccion;
        return r.remove(u'\\');
    }
    return direccion;
}

QUrl PuenteMapa::UrlDeDireccion(const QString &direccion)
{
    if (direccion.startsWith(prefijoArchivo, Qt::CaseInsensitive)) {
        QString ruta = direccion.mid(prefijoArchivo.size());
        if (!ruta.startsWith(u'/'))
            ruta.prepend(u'/');
        return QUrl::fromLocalFile(QDir::cleanPath(ruta));
    }
    return QUrl(direccion, QUrl::TolerantMode);
}

void PuenteMapa::Navegar(const QString &direccion)
{
    cola.clear();
    estado = Estado::Cargando;
    vista->setUrl(UrlDeDireccion(NormalizarDireccion(direccion)));
}

void PuenteMapa::AbrirPagina(const QString &pagina) { Navegar(DireccionPagina(pagina)); }

quint64 PuenteMapa::Ejecutar(const QString &sentencia, const QString &lenguaje)
{
    Q_UNUSED(lenguaje) // "JavaScript" and the page's default are the same language here.
    Pendiente p;
    p.id = ++ultimoId;
    p.script = sentencia;
    const quint64 id = p.id;
    encolar(std::move(p));
    return id;
}

void PuenteMapa::Evaluar(const QString &expresion, QObject *contexto, std::function<void(const QVariant &)> respuesta)
{
    Pendiente p;
    p.script = expresion;
    p.esLectura = true;
    p.contexto = contexto;
    p.respuesta = std::move(respuesta);
    encolar(std::move(p));
}

void PuenteMapa::LeerCampoFormulario(const QString &campo, QObject *contexto,
                                     std::function<void(const QString &)> respuesta, int formulario)
{
    const QString expr = QStringLiteral("(function(){var f=document.forms[%1];var c=f&&f.elements[%2];"
                                        "return c&&c.value!=null?String(c.value):'';})()")
                             .arg(formulario)
                             .arg(literal(campo));
    Evaluar(expr, contexto, [r = std::move(respuesta)](const QVariant &v) { r(v.toString()); });
}

void PuenteMapa::LeerHtmlElemento(const QString &id, QObject *contexto, std::function<void(const QString &)> respuesta)
{
    const QString expr =
        QStringLiteral("(function(){var e=document.getElementById(%1);return e?e.innerHTML:'';})()").arg(literal(id));
    Evaluar(expr, contexto, [r = std::move(respuesta)](const QVariant &v) { r(v.toString()); });
}

void PuenteMapa::VaciarElemento(const QString &id)
{
    Ejecutar(QStringLiteral("(function(){var e=document.getElementById(%1);if(e)e.innerHTML='';})();").arg(literal(id)));
}

QWebEnginePage *PuenteMapa::Pagina() const { return pagina; }

void PuenteMapa::encolar(Pendiente p)
{
    switch (estado) {
    case Estado::Lista:
        lanzar(std::move(p));
        break;
    case Estado::Fallida:
        break; // the page did not load: nothing runs until the next navigation
    case Estado::SinPagina:
    case Estado::Cargando:
        cola.push_back(std::move(p));
        break;
    }
}

void PuenteMapa::lanzar(Pendiente p)
{
    QPointer<PuenteMapa> yo(this);
    if (p.esLectura) {
        pagina->runJavaScript(envuelto(p.script, true), [yo, ctx = p.contexto, r = std::move(p.respuesta)](const QVariant &v) {
            // Only while the bridge (and so its view) and the asking object are both alive.
            if (yo && !yo->cerrando && ctx && r)
                r(v);
        });
    } else {
        pagina->runJavaScript(envuelto(p.script, false), [yo, id = p.id](const QVariant &) {
            if (yo && !yo->cerrando)
                Q_EMIT yo->SentenciaEjecutada(id);
        });
    }
}

void PuenteMapa::alCargar(bool ok)
{
    if (!ok) {
        cola.clear();
        estado = Estado::Fallida;
        Q_EMIT DocumentoCompleto(false);
        return;
    }
    estado = Estado::Lista;
    std::deque<Pendiente> listos;
    listos.swap(cola);
    for (Pendiente &p : listos)
        lanzar(std::move(p));
    Q_EMIT DocumentoCompleto(true);
}
