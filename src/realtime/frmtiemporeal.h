#pragma once
// The service's real-time tracking page, shown maximized in WebBrowser1. The page is loaded at
// each showing and left (about:blank) when the window closes, so nothing keeps running hidden.
#include <QDialog>

class QWebEngineView;
class QWebEngineProfile;
class PuenteMapa;

class frmtiemporeal : public QDialog {
    Q_OBJECT
public:
    explicit frmtiemporeal(QWidget *parent = nullptr);

    // The service's web server (a build setting; empty: the live view is not configured).
    static QString ServidorWeb();
    // Tests point the window at another server; an empty text restores the built one.
    static void EstablecerServidorWeb(const QString &servidor);
    // The address loaded at each showing: the server + "/tiemporeal.aspx?clientegps=SI", or the
    // local page saying that the view is not configured.
    static QString DireccionTiempoReal();
    // The persistent profile the page keeps its login in (one per process, stored in the
    // application folder).
    static QWebEngineProfile *PerfilTiempoReal();

    QWebEngineView *WebBrowser1;

protected:
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;

private:
    PuenteMapa *puente;
};
