#pragma once
// The playback engine of the recorded tracking: the loaded track, the step that shows one point,
// the read-outs, the settings it reads and the jumps. It composes the statements for the map page
// and leaves sending them (and the timer) to its window, so it runs and is tested without a page.
//
// The track is read once, at loading; a step reads only the current row of the record set.
#include "recordset.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QTime>
#include <memory>

// A statement for the map page and its language ("JavaScript", or empty for the page's default).
struct SentenciaPagina {
    QString texto;
    QString lenguaje;
    bool operator==(const SentenciaPagina &) const = default;
};

// The captions of the map frame's read-outs, as the engine last wrote them.
struct LecturasDiferido {
    QString lblposicion;
    QString lblfecha;
    QString lblvelocidad;
    QString lblzona;
    QString lblkilometros = QStringLiteral("0");
    QString lbltiempoparcial = QStringLiteral("0");
    QString lblvelocidadmedia;
};

// What the window's settings hold when a step runs.
struct AjustesPaso {
    QString velocidad;    // cmbspeed
    QString zoom;         // cmbzoom
    QString seguimiento;  // cmbseguiminetoen
    bool etiquetas = false;  // chkveretiquetas
    QString localizador;  // lbllocalizadorseguimiento
};

// The thirteen arguments of one ponermapa call, as texts (the tenth, the zoom, goes unquoted).
struct ArgumentosPonerMapa {
    QString zona, latitud, longitud, localizador1, velocidad, hora, fecha, localizador, etiquetas, zoom, borrar,
        tiempo, kilometros;
};
QString SentenciaPonerMapa(const ArgumentosPonerMapa &a);

class MotorDiferido {
public:
    enum class Resultado { Punto, Fin, Error };
    struct Paso {
        Resultado resultado = Resultado::Error;
        QList<SentenciaPagina> sentencias;  // in order; for a point its ponermapa comes last
    };
    struct SaltoHora {
        bool encontrado = false;
        QList<SentenciaPagina> sentencias;
    };

    // The page messages and statements the engine sends.
    static const QString Limpiar;          // "limpiamapa();" (language "JavaScript")
    static const QString MensajeBorrado;   // "msg1('Pantalla Renovada.Demasiados Puntos');"
    static const QString MensajeSinHora;   // "msg1('No se encontrarón posiciones a esa hora!');"

    // A new track, positioned on its first row: Posicion 1, TotalPuntos its rows, the stretch reset.
    void Cargar(std::unique_ptr<Recordset> recorrido);
    void Descargar() { Recorrido.reset(); TotalPuntos = 0; }

    // One playback step (the timer's tick). Fin: the track was exhausted (PuntosTramo 0, Posicion
    // 1 again; the window stops and tells the user). Error: a row that cannot be read; the step
    // ended where it was.
    Paso GestionSigPunto(const AjustesPaso &ajustes);

    // Counts the point shown; past 350 resets the stretch, adds the page message and answers true.
    bool BorradoAutomatico(QList<SentenciaPagina> &sentencias);
    void resetKilometraje();
    static QString FormatoHoraMinutosSegundos(qint32 sgs);

    // The three settings; unmatched texts leave the value as it was. At a time-true speed the
    // interval before each point is set by the step that shows the point before it.
    bool EstableceVelocidad(const QString &texto);
    void EstableceZoom(const QString &texto);
    void MoveNextSeguimiento(const QString &texto);

    // Play: a new stretch when none is under way; a finished track is rewound (and the map cleared).
    QList<SentenciaPagina> Reproducir();

    // Jumps (MyButton1, XPButton4, XPButton6). false: a jump is under way and the click does nothing.
    bool IrPrimeraPosicion(QList<SentenciaPagina> &sentencias);
    bool Avanzar4(QList<SentenciaPagina> &sentencias);
    bool Avanzar8(QList<SentenciaPagina> &sentencias);
    // The timeline, the speed chart, the stops and the track: as MyButton1, at point n (from 1).
    bool IrAPunto(int n, QList<SentenciaPagina> &sentencias);
    // XPButton7: continues at the first row whose time cut to the minute is later than hora.
    SaltoHora MoverDetrasDeHora(const QTime &hora);

    // State
    bool HayRecorrido() const { return bool(Recorrido); }
    bool Finalizado() const { return !Recorrido || Recorrido->Eof(); }
    const Recordset *recorrido() const { return Recorrido.get(); }
    qint32 totalPuntos() const { return TotalPuntos; }
    qint32 posicion() const { return Posicion; }
    qint32 puntosTramo() const { return PuntosTramo; }
    bool pasoOcupado() const { return PasoOcupado; }
    int intervaloTimer() const { return IntervaloTimer; }
    QString nivelZoom() const { return NivelZoom; }
    double kilometros() const { return Kilometros; }
    const LecturasDiferido &lecturas() const { return Lecturas; }

private:
    bool avanzar(int n, bool volverAlPrincipio, QList<SentenciaPagina> &sentencias);
    void alUltimaFila();
    void intervaloHastaSiguiente();

    std::unique_ptr<Recordset> Recorrido;
    qint32 TotalPuntos = 0;
    qint32 Posicion = 1;
    bool PasoOcupado = false;
    int IntervaloTimer = 0;
    int FactorTiempoReal = 0;  // a time-true speed's factor, or 0
    QString NivelZoom;
    QString LatitudAnterior, LongitudAnterior;
    float SumaVelocidades = 0;
    qint32 PuntosTramo = 0;
    QDateTime InicioTramo;
    QDateTime FechaPunto;
    QString VelocidadTexto;
    QString ZonaPunto;
    // The running distance of the stretch in km; its caption is this number in the "Standard" form.
    double Kilometros = 0;
    double latitudAnterior = 0, longitudAnterior = 0;
    LecturasDiferido Lecturas;
    // Columns of the track's rows, found once at loading.
    int colFecha = -1, colLatitud = -1, colLongitud = -1, colVelocidad = -1, colZona = -1;
};
