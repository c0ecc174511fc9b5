#include "reproductordiferido.h"

#include "dialogos.h"
#include "entorno.h"

#include <QElapsedTimer>
#include <QScopedValueRollback>
#include <QTimer>

namespace {
const QString LimpiarYRenovar = QStringLiteral("limpiamapa();msg1('Pantalla Renovada');");
}

ReproductorDiferido::ReproductorDiferido(Enviar enviar, LeerAjustes ajustes, QObject *padre)
    : QObject(padre), enviarPagina(std::move(enviar)), leerAjustes(std::move(ajustes)), timerdiferido(new QTimer(this))
{
    timerdiferido->setObjectName(QStringLiteral("timerdiferido"));
    timerdiferido->setSingleShot(true);  // each step re-arms it
    connect(timerdiferido, &QTimer::timeout, this, &ReproductorDiferido::GestionSigPunto);
    auto cronometro = std::make_shared<QElapsedTimer>();
    cronometro->start();
    reloj = [cronometro] { return cronometro->elapsed(); };
}

quint64 ReproductorDiferido::enviar(const QList<SentenciaPagina> &sentencias)
{
    quint64 id = 0;
    for (const SentenciaPagina &s : sentencias)
        id = enviarPagina(s);
    return id;
}

void ReproductorDiferido::armarTimer()
{
    // One statement in flight at most, and a timer of interval 0 is never started.
    if (!reproduciendo || enCurso != 0 || motor.intervaloTimer() <= 0)
        return;
    timerdiferido->start(int(qBound(qint64(1), proximo - reloj(), qint64(motor.intervaloTimer()))));
}

void ReproductorDiferido::arrancar()
{
    reproduciendo = true;
    proximo = reloj() + motor.intervaloTimer();
    Q_EMIT MostrarReproduciendo(true);
    armarTimer();
}

void ReproductorDiferido::parar()
{
    reproduciendo = false;
    timerdiferido->stop();
}

void ReproductorDiferido::SentenciaEjecutada(quint64 id)
{
    if (id != enCurso)
        return;
    enCurso = 0;
    armarTimer();
}

void ReproductorDiferido::PaginaFallida()
{
    paginaFallida = true;
    enCurso = 0;
    armarTimer();
}

void ReproductorDiferido::Cargar(std::unique_ptr<Recordset> recorrido, const QString &velocidad)
{
    motor.Cargar(std::move(recorrido));
    motor.EstableceVelocidad(velocidad);
    Q_EMIT LecturasCambiadas(motor.lecturas());
    arrancar();
}

void ReproductorDiferido::GestionSigPunto()
{
    if (enPaso)
        return;
    QScopedValueRollback<bool> guarda(enPaso, true);
    timerdiferido->stop();
    PunteroRaton(vb::vbCustom);
    // The labels repaint themselves while events run (a repaint of the whole window would
    // redraw the map view at every step).
    DoEvents();
    // Pause, "Volver" or closing while events ran: the step is not made.
    if (!reproduciendo)
        return;
    // Every step that is due, in one statement; the first is due whenever the tick comes.
    const AjustesPaso ajustes = leerAjustes();
    const qint64 ahora = reloj();
    QString tanda;
    MotorDiferido::Resultado resultado = MotorDiferido::Resultado::Punto;
    for (int n = 0; n < MaximoPasosPorTanda && (n == 0 || proximo <= ahora); ++n) {
        MotorDiferido::Paso paso = motor.GestionSigPunto(ajustes);
        resultado = paso.resultado;
        if (resultado != MotorDiferido::Resultado::Punto)
            break;
        for (const SentenciaPagina &s : paso.sentencias)
            tanda += s.texto;
        proximo += motor.intervaloTimer();
    }
    if (proximo < ahora - MaximoRetraso)
        proximo = ahora;
    Q_EMIT LecturasCambiadas(motor.lecturas());
    Q_EMIT PosicionCambiada(motor.posicion());
    if (!tanda.isEmpty()) {
        const quint64 id = enviarPagina({tanda, QString()});
        enCurso = paginaFallida ? 0 : id;
    }
    switch (resultado) {
    case MotorDiferido::Resultado::Fin:
        Q_EMIT MostrarReproduciendo(false);
        parar();
        MsgBox(QStringLiteral("Finalizó el seguimiento!"), vb::vbExclamation, QString());
        return;
    case MotorDiferido::Resultado::Error:
        // Halts where it was; the stop image stays, and play resumes from it.
        reproduciendo = false;
        return;
    case MotorDiferido::Resultado::Punto:
        break;
    }
    armarTimer();
}

void ReproductorDiferido::Reproducir()
{
    enviar(motor.Reproducir());
    Q_EMIT LecturasCambiadas(motor.lecturas());
    arrancar();
}

void ReproductorDiferido::Pausar()
{
    parar();
    Q_EMIT MostrarReproduciendo(false);
}

void ReproductorDiferido::tras(bool hecho, const QList<SentenciaPagina> &sentencias)
{
    // A jump refused while another is under way sends nothing.
    if (!hecho)
        return;
    enviar(sentencias);
    proximo = reloj() + motor.intervaloTimer();
    Q_EMIT LecturasCambiadas(motor.lecturas());
    Q_EMIT PosicionCambiada(motor.posicion());
}

bool ReproductorDiferido::IrAPunto(int n)
{
    QList<SentenciaPagina> s;
    const bool hecho = motor.IrAPunto(n, s);
    tras(hecho, s);
    return hecho;
}

void ReproductorDiferido::IrPrimeraPosicion()
{
    QList<SentenciaPagina> s;
    tras(motor.IrPrimeraPosicion(s), s);
}

void ReproductorDiferido::Avanzar4()
{
    QList<SentenciaPagina> s;
    tras(motor.Avanzar4(s), s);
}

void ReproductorDiferido::Avanzar8()
{
    QList<SentenciaPagina> s;
    tras(motor.Avanzar8(s), s);
}

void ReproductorDiferido::MoverDetrasDeHora(const QTime &hora)
{
    timerdiferido->stop();
    const bool terminado = motor.Finalizado();
    const MotorDiferido::SaltoHora salto = motor.MoverDetrasDeHora(hora);
    enviar(salto.sentencias);
    Q_EMIT LecturasCambiadas(motor.lecturas());
    if (!salto.encontrado && terminado) {
        // Nothing later on a finished track: it stays finished, without telling the end again.
        Pausar();
        return;
    }
    arrancar();
}

void ReproductorDiferido::LimpiarMapa()
{
    motor.resetKilometraje();
    Q_EMIT LecturasCambiadas(motor.lecturas());
    enviar({{LimpiarYRenovar, QString()}});
}

void ReproductorDiferido::Volver()
{
    enviar({{LimpiarYRenovar, QString()}});
    motor.resetKilometraje();
    Q_EMIT LecturasCambiadas(motor.lecturas());
    parar();
    // Ready for the next load, which starts playing.
    Q_EMIT MostrarReproduciendo(true);
}

void ReproductorDiferido::Parar() { parar(); }
