#pragma once
// The zone editor: the map page zonas.html with the holder's zones drawn on it, where the user draws
// a new polygon or re-draws a stored one, saved as a row of Zonas through the list's data control.
#include <QDialog>
#include <QStringList>

class frmrejillazonas;
class PuenteMapa;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QWebEngineView;

class frmnuevazona : public QDialog {
    Q_OBJECT
public:
    explicit frmnuevazona(QWidget *parent = nullptr);
    ~frmnuevazona() override;

    // Set by the zone list before the modal show.
    frmrejillazonas *EsteFrm = nullptr;
    bool SoloVer = false;
    QString ZonaEdicion;

    QWebEngineView *WebBrowser1;
    QFrame *frminicio;
    QLabel *Picture1;
    QLabel *lblaccion;
    QLabel *Label1;
    QFrame *panelprincipal;
    QPushButton *btnasignarzona;
    QLineEdit *txtzona;
    QLabel *lblzona;
    QLabel *pnlzonas;
    QPushButton *Command1;
    QPushButton *Command2;
    QTimer *Timer1;
    QTimer *Timer2;

    void Timer1_Timer();
    void Timer2_Timer();
    void DibujarZonas();
    void btnasignarzona_Click();
    // The page statements sent so far, in order (what the page was told to draw).
    QStringList SentenciasEnviadas() const { return enviadas; }
    PuenteMapa *Puente() const { return puente; }

Q_SIGNALS:
    // The save finished: written (true) or refused/failed with its message shown (false).
    void GuardadoTerminado(bool escrito);

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    PuenteMapa *puente;
    int PaginaLista = 0;
    bool activada = false;
    QStringList enviadas;

    void Activar();
    void Enviar(const QString &sentencia);
    void Guardar(const QString &coordenadas, const QString &area);
};
