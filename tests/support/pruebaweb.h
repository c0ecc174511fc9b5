#pragma once
// Helpers for tests that drive pages in the real engine, headless (they link varden_map).
#include "prueba.h"
#include "perfilmapas.h"
#include "puentemapa.h"

#include <QSignalSpy>
#include <QVariant>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>
#include <QtTest>

namespace PruebaWeb {
using Prueba::esperar;

// Evaluates an expression through the bridge's queue and waits for the answer.
inline QVariant evaluar(PuenteMapa &puente, const QString &expresion)
{
    QObject contexto;
    bool listo = false;
    QVariant r;
    puente.Evaluar(expresion, &contexto, [&](const QVariant &v) {
        r = v;
        listo = true;
    });
    esperar([&] { return listo; });
    return r;
}

// Opens a page of the application folder and waits for its load.
inline bool abrir(PuenteMapa &puente, const QString &pagina)
{
    QSignalSpy cargada(&puente, &PuenteMapa::DocumentoCompleto);
    puente.AbrirPagina(pagina);
    return esperar([&] { return !cargada.isEmpty(); }) && cargada.first().first().toBool();
}

// Waits until every statement sent so far has run (an empty read behind them answers).
inline void vaciarCola(PuenteMapa &puente) { evaluar(puente, QStringLiteral("0")); }

// Keeps the pages of the maps' profile (and the default one) off the network while it lives: every
// request that would leave the machine (map tiles, the geocoder) fails at once, and its address is kept.
class SinRed : public QWebEngineUrlRequestInterceptor {
public:
    SinRed()
    {
        for (QWebEngineProfile *p : {QWebEngineProfile::defaultProfile(), PerfilMapas()})
            p->setUrlRequestInterceptor(this);
    }
    ~SinRed() override
    {
        for (QWebEngineProfile *p : {QWebEngineProfile::defaultProfile(), PerfilMapas()})
            p->setUrlRequestInterceptor(nullptr);
    }
    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        if (QStringList{"http", "https", "ws", "wss"}.contains(info.requestUrl().scheme())) {
            pedidas << info.requestUrl().toString();
            info.block(true);
        }
    }
    QStringList pedidas;
};

}
