#pragma once
// A web page whose script errors are silenced: no dialog, nothing printed.
#include <QWebEnginePage>

class QWebEngineProfile;

class PaginaSilenciosa : public QWebEnginePage {
    Q_OBJECT
public:
    explicit PaginaSilenciosa(QWebEngineProfile *perfil, QObject *padre = nullptr);
    explicit PaginaSilenciosa(QObject *padre = nullptr);

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel nivel, const QString &mensaje, int linea,
                                  const QString &origen) override;

private:
    void instalarSilenciador();
};
