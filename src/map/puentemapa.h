#pragma once
// The bridge between a map window and its page: every map window drives its browser WebBrowser1
// only through one PuenteMapa.
//
//   PuenteMapa mapa(WebBrowser1);                       // installs a silenced page in the view
//   mapa.AbrirPagina(QStringLiteral("Track.htm"));      // DireccionPagina + Navegar
//   mapa.Ejecutar("asignaicono('" + ArgumentoScript(icono) + "');");
//   mapa.LeerCampoFormulario(QStringLiteral("Coordenadas"), this, [this](const QString &v) { ... });
//
// Queue. Statements and reads are kept in one queue and run in the order they were sent. Until the
// page opened by the last navigation has loaded they wait; once it has, they run at once. Each runs
// exactly once. Reads see every statement sent before them. A page that fails to load drops the
// queue (and what is sent afterwards, until the next navigation); a new navigation drops what the
// previous page had not run yet and starts a fresh queue.
//
// Callbacks. A read's answer is delivered only while its context object is alive, so a closed
// window is never touched; a dropped read gets no answer. SentenciaEjecutada(id) tells the caller
// that the statement Ejecutar returned id for has run in the page (also when it raised an error),
// so a timer-driven caller can keep exactly one statement in flight.
//
// Script errors are silenced in every document the page opens: no dialog, nothing printed. A
// statement that raises an error (or does not parse) hands it to the page's silenced error handler
// and the queue goes on with the next one.
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QVariant>
#include <deque>
#include <functional>

class QWebEngineView;
class QWebEngineProfile;
class QWebEnginePage;
class PaginaSilenciosa;

class PuenteMapa : public QObject {
    Q_OBJECT
public:
    // Gives the view a silenced page (in perfil, or the maps' own profile). The bridge is a child of
    // the view and goes with it.
    explicit PuenteMapa(QWebEngineView *vista, QWebEngineProfile *perfil = nullptr);
    ~PuenteMapa() override;

    // "file:///" + application folder + "/GPS/" + pagina, normalised.
    static QString DireccionPagina(const QString &pagina);
    // An address of exactly 25 characters (the length of "file:///C:\/GPS/Track.htm") loses every
    // "\"; any other address is returned unchanged.
    static QString NormalizarDireccion(const QString &direccion);
    // The address as the engine takes it: "file:///..." through QUrl::fromLocalFile (folders with
    // blanks, '#' or '%' work), anything else as a web address.
    static QUrl UrlDeDireccion(const QString &direccion);

    // Opens an address (after NormalizarDireccion); starts a fresh queue.
    void Navegar(const QString &direccion);
    // Navegar(DireccionPagina(pagina)).
    void AbrirPagina(const QString &pagina);

    // Runs a statement in the page. lenguaje is "JavaScript" or empty (the page's default, also
    // script). Returns the statement's id for SentenciaEjecutada.
    quint64 Ejecutar(const QString &sentencia, const QString &lenguaje = QString());

    // Evaluates a script expression and answers its value (invalid when it raised an error).
    void Evaluar(const QString &expresion, QObject *contexto, std::function<void(const QVariant &)> respuesta);
    // The value of field campo of the document's form number formulario (empty if there is none).
    void LeerCampoFormulario(const QString &campo, QObject *contexto, std::function<void(const QString &)> respuesta,
                             int formulario = 0);
    // The inner HTML of the element with that id (empty if there is none).
    void LeerHtmlElemento(const QString &id, QObject *contexto, std::function<void(const QString &)> respuesta);
    // Empties the inner HTML of the element with that id.
    void VaciarElemento(const QString &id);

    // The page opened by the last navigation has loaded and the queue runs directly.
    bool Cargada() const { return estado == Estado::Lista; }
    // Statements and reads waiting for the page.
    int Pendientes() const { return int(cola.size()); }

    QWebEngineView *Vista() const { return vista; }
    QWebEnginePage *Pagina() const;

Q_SIGNALS:
    // The engine committed a navigation to url (the page is being shown; it may still be loading).
    void NavegacionCompleta(const QUrl &url);
    // The page finished loading (ok) or failed (the queue was dropped).
    void DocumentoCompleto(bool ok);
    // The statement with this id has run.
    void SentenciaEjecutada(quint64 id);

private:
    enum class Estado { SinPagina, Cargando, Lista, Fallida };
    struct Pendiente {
        quint64 id = 0;              // a statement (0 for a read)
        QString script;
        bool esLectura = false;
        QPointer<QObject> contexto;  // reads only
        std::function<void(const QVariant &)> respuesta;
    };

    void encolar(Pendiente p);
    void lanzar(Pendiente p);
    void alCargar(bool ok);

    QWebEngineView *vista;
    PaginaSilenciosa *pagina;
    Estado estado = Estado::SinPagina;
    std::deque<Pendiente> cola;
    quint64 ultimoId = 0;
    bool cerrando = false;
};
