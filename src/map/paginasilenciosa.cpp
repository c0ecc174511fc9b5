#include "paginasilenciosa.h"

#include <QLoggingCategory>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>

Q_LOGGING_CATEGORY(lcMapa, "varden.map", QtWarningMsg)

namespace {
// Runs in every document the page opens, before the document's own scripts: uncaught errors and
// rejected promises are marked as handled, so the engine reports nothing for them. The bridge hands
// the errors of its statements to the same handler; window.vardenErroresSilenciados counts them.
const char *const silenciador = R"JS(
(function () {
  var silenciados = 0;
  function silenciar(e) {
    if (!e || e instanceof ErrorEvent || e.type === 'unhandledrejection' || !e.type) silenciados++;
    if (e && e.preventDefault) e.preventDefault();
    return true;
  }
  Object.defineProperty(window, 'vardenSilenciar', { value: silenciar });
  Object.defineProperty(window, 'vardenErroresSilenciados', { get: function () { return silenciados; } });
  window.addEventListener('error', silenciar, true);
  window.addEventListener('unhandledrejection', silenciar);
})();
)JS";
}

PaginaSilenciosa::PaginaSilenciosa(QWebEngineProfile *perfil, QObject *padre) : QWebEnginePage(perfil, padre)
{
    instalarSilenciador();
}

PaginaSilenciosa::PaginaSilenciosa(QObject *padre) : QWebEnginePage(padre) { instalarSilenciador(); }

void PaginaSilenciosa::instalarSilenciador()
{
    QWebEngineScript s;
    s.setName(QStringLiteral("varden-silenciador"));
    s.setSourceCode(QString::fromLatin1(silenciador));
    s.setInjectionPoint(QWebEngineScript::DocumentCreation);
    s.setWorldId(QWebEngineScript::MainWorld);
    s.setRunsOnSubFrames(true);
    scripts().insert(s);
    // The map pages are local files that show web map tiles and ask a web geocoder.
    settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
}

void PaginaSilenciosa::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel nivel, const QString &mensaje,
                                                int linea, const QString &origen)
{
    Q_UNUSED(nivel)
    // Silent by default; QT_LOGGING_RULES="varden.map.debug=true" shows them to a developer.
    qCDebug(lcMapa) << "page:" << origen << linea << mensaje;
}
