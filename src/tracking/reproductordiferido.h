#pragma once
// Playback of a loaded track: the timer timerdiferido, the engine, and the page statements of each
// step and control. Exactly one ponermapa is in flight: a step sends its statement and the timer is
// armed again only when the page reports it has run and nothing stopped playback meanwhile. The
// page is reached through a callback, so the player runs against any page.
#include "motordiferido.h"

#include <QObject>
#include <functional>
#include <memory>

class QTimer;

class ReproductorDiferido : public QObject {
    Q_OBJECT
public:
    // Sends a statement to the page; answers the id SentenciaEjecutada will report it under.
    using Enviar = std::function<quint64(const SentenciaPagina &)>;
    // The settings on the map frame as they stand at a step.
    using LeerAjustes = std::function<AjustesPaso()>;

    ReproductorDiferido(Enviar enviar, LeerAjustes ajustes, QObject *padre = nullptr);

    // The playback timer (objectName "timerdiferido"); each tick runs GestionSigPunto.
    QTimer *Timer() const { return timerdiferido; }
    const MotorDiferido &Motor() const { return motor; }
    // Playback is under way: steps go on when the timer fires.
    bool Reproduciendo() const { return reproduciendo; }
    // The id of the ponermapa whose run the next tick waits for (0: none).
    quint64 SentenciaEnCurso() const { return enCurso; }

    // A new track starts playing, its interval taken from velocidad.
    void Cargar(std::unique_ptr<Recordset> recorrido, const QString &velocidad);
    // A period without rows leaves no track.
    void Descargar() { motor.Descargar(); }

    void Reproducir();                          // ImagePlay
    void Pausar();                              // ImageStop
    void IrPrimeraPosicion();                   // MyButton1
    void Avanzar4();                            // XPButton4
    void Avanzar8();                            // XPButton6
    void MoverDetrasDeHora(const QTime &hora);  // XPButton7, once the time is valid
    void LimpiarMapa();                         // Command1
    void Volver();                              // btnvolver; the window then uncovers the selection
    void Parar();                               // the window closes

public Q_SLOTS:
    // One playback step: the handler of timerdiferido.
    void GestionSigPunto();
    // The page has run the statement with this id.
    void SentenciaEjecutada(quint64 id);
    // Nothing runs in a page that did not load: the steps go on without waiting for it.
    void PaginaFallida();

Q_SIGNALS:
    void LecturasCambiadas(const LecturasDiferido &lecturas);
    // ImageStop shows (true) or ImagePlay (false).
    void MostrarReproduciendo(bool si);

private:
    quint64 enviar(const QList<SentenciaPagina> &sentencias);
    void tras(bool hecho, const QList<SentenciaPagina> &sentencias);
    void arrancar();
    void armarTimer();
    void parar();

    Enviar enviarPagina;
    LeerAjustes leerAjustes;
    QTimer *timerdiferido;
    MotorDiferido motor;
    bool reproduciendo = false;
    bool enPaso = false;
    bool paginaFallida = false;
    quint64 enCurso = 0;
};
