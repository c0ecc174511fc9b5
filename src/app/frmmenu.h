#pragma once
// The start-up window and main menu: connects both databases, identifies the holder, asks for the
// access password and then offers the six working windows. Owns the notification-area icon.
#include <QPointer>
#include <QWidget>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSystemTrayIcon;
class QToolButton;

class frmmenu : public QWidget {
    Q_OBJECT
public:
    enum class Estado { Cargando, Terminado, EsperandoClave, Menu, Atascado };

    explicit frmmenu(QWidget *parent = nullptr);
    ~frmmenu() override;

    // Runs the loading sequence. False: the program must end (the reason was already shown).
    bool Cargar();
    Estado EstadoActual() const { return estado; }

    void Command1_Click();
    void MostrarBotones();
    void SysTrayIcon1_Click();
    // The download window while it is open (the tray icon brings it back).
    QWidget *VentanaDescarga() const { return ventanaDescarga; }

    QFrame *pnlclave;
    QLabel *Label5;
    QLabel *Label6;
    QLabel *lblnombretitular;
    QLabel *Label7;
    QLineEdit *txtclave;
    QPushButton *Command1;
    QLabel *lblmsgacceso;
    QLabel *lblcliente;
    QToolButton *btnbajardatos;
    QToolButton *btndiferido;
    QToolButton *btnestadisticas;
    QToolButton *btnadministrar;
    QToolButton *btnconfigurarzonas;
    QToolButton *btntiemporeal;
    QToolButton *btnsalir;
    QSystemTrayIcon *SysTrayIcon1;
    QLabel *lblempresa;
    QFrame *Line1;

protected:
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    Estado estado = Estado::Cargando;
    bool PrimeraActivacion = false;
    bool abriendo = false;
    QFrame *banda;
    QLabel *lbltitulo;
    QPointer<QWidget> ventanaDescarga;

    void Distribuir();
    void Terminar();
    void Atascar();
    QList<QToolButton *> Botones() const;
    template <class Ventana> void Abrir();
    void abrirDescarga();
};
