#include "reproductordiferido.h"

#include "dialogos.h"
#include "entorno.h"

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
    // One ponermapa in flight at most, and a timer of interval 0 is never started.
    if (!reproduciendo || enCurso != 0 || motor.intervaloTimer() <= 0)
        return;
    timerdiferido->start(motor.intervaloTimer());
}

void ReproductorDiferido::arrancar()
{
    reproduciendo = true;
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
    MotorDiferido::Paso paso = motor.GestionSigPunto(leerAjustes());
    Q_EMIT LecturasCambiadas(motor.lecturas());
    switch (paso.resultado) {
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
    const quint64 id = enviar(paso.sentencias);
    enCurso = paginaFallida ? 0 : id;
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
    Q_EMIT LecturasCambiadas(motor.lecturas());
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
