#pragma once
// Playback of a loaded track: the timer timerdiferido, the engine, and the page statements of each
// step and control. Playback is paced by the clock: each step is due one interval after the one
// before it, and a tick makes every step that is due (each its own ponermapa with its own
// read-outs) and sends them to the page as one statement. Exactly one statement is in flight: the
// timer is armed again, for the next due step, only when the page reports it has run and nothing
// stopped playback meanwhile. At the slower speeds one step is due per tick, one interval apart.
// The page is reached through a callback, so the player runs against any page.
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

    // A monotonic clock in milliseconds.
    using Reloj = std::function<qint64()>;

    ReproductorDiferido(Enviar enviar, LeerAjustes ajustes, QObject *padre = nullptr);
    // Tests pace playback by their own clock.
    void PonerReloj(Reloj r) { reloj = std::move(r); }
    // At most this many steps go in one statement; a player more than MaximoRetraso ms behind
    // drops the backlog rather than play it in a rush.
    static constexpr int MaximoPasosPorTanda = 500;
    static constexpr int MaximoRetraso = 1000;

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
    // Moves to point number (from 1) n through the same routine as the first-point jump: the map
    // is cleared and the stretch restarts there. false while another jump is under way.
    bool IrAPunto(int n);
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
    // The point number (from 1) that the next step shows.
    void PosicionCambiada(int posicion);
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
    Reloj reloj;
    qint64 proximo = 0;  // when the next step is due
};
