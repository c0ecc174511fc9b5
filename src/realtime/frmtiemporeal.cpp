#include "frmtiemporeal.h"
#include "perfilmapas.h"

#include "entorno.h"
#include "puentemapa.h"

#include <QCoreApplication>
#include <QDir>
#include <QPointer>
#include <QShowEvent>
#include <QVBoxLayout>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineProfile>
#include <QWebEngineView>

#ifndef VARDEN_SERVIDOR_WEB
#define VARDEN_SERVIDOR_WEB ""
#endif

namespace {
QString servidorWeb = QStringLiteral(VARDEN_SERVIDOR_WEB);
}

QString frmtiemporeal::ServidorWeb() { return servidorWeb; }

void frmtiemporeal::EstablecerServidorWeb(const QString &servidor)
{
    servidorWeb = servidor.isEmpty() ? QStringLiteral(VARDEN_SERVIDOR_WEB) : servidor;
}

QString frmtiemporeal::DireccionTiempoReal()
{
    QString servidor = servidorWeb.trimmed();
    if (servidor.isEmpty())
        return PuenteMapa::DireccionPagina(QStringLiteral("tiemporeal.htm"));
    while (servidor.endsWith(u'/'))
        servidor.chop(1);
    if (!servidor.contains(QStringLiteral("://")))
        servidor.prepend(QStringLiteral("http://"));
    return PuenteMapa::NormalizarDireccion(servidor + QStringLiteral("/tiemporeal.aspx?clientegps=SI"));
}

QWebEngineProfile *frmtiemporeal::PerfilTiempoReal() { return PerfilMapas(); }

frmtiemporeal::frmtiemporeal(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmtiemporeal"));
    setWindowTitle(QString());
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(false);

    WebBrowser1 = new QWebEngineView(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setAccessibleName(QStringLiteral("Seguimiento Tiempo Real"));
    auto *capa = new QVBoxLayout(this);
    capa->setContentsMargins(0, 0, 0, 0);
    capa->addWidget(WebBrowser1);
    // The browser fills the screen (the window opens maximized).
    resize(TwipsAPixelesX(AnchoPantallaTwips()), TwipsAPixelesY(AltoPantallaTwips()));
    setWindowState(windowState() | Qt::WindowMaximized);

    puente = new PuenteMapa(WebBrowser1, PerfilTiempoReal());
    // Links that ask for a new window open in this one.
    connect(puente->Pagina(), &QWebEnginePage::newWindowRequested, this,
            [this](QWebEngineNewWindowRequest &peticion) { peticion.openIn(puente->Pagina()); });
}

void frmtiemporeal::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        puente->Navegar(DireccionTiempoReal());
}

void frmtiemporeal::hideEvent(QHideEvent *e)
{
    if (!e->spontaneous())
        puente->Navegar(QStringLiteral("about:blank"));
    QDialog::hideEvent(e);
}
