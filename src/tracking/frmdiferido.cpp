#include "frmdiferido.h"

#include "ajustesdiferido.h"
#include "argumentosscript.h"
#include "dialogos.h"
#include "entorno.h"
#include "exportacionrecorrido.h"
#include "graficavelocidad.h"
#include "kvcalen.h"
#include "lineatiempo.h"
#include "paginarecorrido.h"
#include "panelrecorrido.h"
#include "module1.h"
#include "puentemapa.h"
#include "regional.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <QWebEnginePage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

frmdiferido::frmdiferido(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmdiferido"));
    setWindowTitle(QStringLiteral("Seguimiento Diferido"));
    fraSeleccion = new MarcoSeleccionDiferido(this);
    frmmapa = new MarcoMapaDiferido(this);
    mapa = new PuenteMapa(frmmapa->WebBrowser1);
    reproductor = new ReproductorDiferido(
        [this](const SentenciaPagina &s) { return mapa->Ejecutar(s.texto, s.lenguaje); },
        [this] {
            AjustesPaso a = frmmapa->Ajustes();
            a.seguimiento = fraSeleccion->cmbseguiminetoen->currentText();
            return a;
        },
        this);
    timerdiferido = reproductor->Timer();

    connect(mapa, &PuenteMapa::SentenciaEjecutada, reproductor, &ReproductorDiferido::SentenciaEjecutada);
    connect(mapa, &PuenteMapa::DocumentoCompleto, this, [this](bool ok) {
        if (!ok)
            reproductor->PaginaFallida();
        update();
    });
    connect(reproductor, &ReproductorDiferido::LecturasCambiadas, frmmapa, &MarcoMapaDiferido::MostrarLecturas);
    connect(reproductor, &ReproductorDiferido::MostrarReproduciendo, frmmapa, &MarcoMapaDiferido::MostrarReproduciendo);

    connect(fraSeleccion->btninicia, &QToolButton::clicked, this, &frmdiferido::btninicia_Click);
    connect(fraSeleccion->Command5, &QPushButton::clicked, this, &QDialog::reject);
    connect(frmmapa->ImagePlay, &QToolButton::clicked, reproductor, &ReproductorDiferido::Reproducir);
    connect(frmmapa->ImageStop, &QToolButton::clicked, reproductor, &ReproductorDiferido::Pausar);
    connect(frmmapa->MyButton1, &QPushButton::clicked, reproductor, &ReproductorDiferido::IrPrimeraPosicion);
    connect(frmmapa->XPButton4, &QPushButton::clicked, reproductor, &ReproductorDiferido::Avanzar4);
    connect(frmmapa->XPButton6, &QPushButton::clicked, reproductor, &ReproductorDiferido::Avanzar8);
    connect(frmmapa->XPButton7, &QPushButton::clicked, this, &frmdiferido::XPButton7_Click);
    connect(frmmapa->txthora, &QLineEdit::returnPressed, this, &frmdiferido::XPButton7_Click);
    connect(frmmapa->Command1, &QPushButton::clicked, reproductor, &ReproductorDiferido::LimpiarMapa);
    connect(frmmapa->btnvolver, &QPushButton::clicked, this, &frmdiferido::btnvolver_Click);
    connect(frmmapa->btnexportar, &QPushButton::clicked, this, &frmdiferido::btnexportar_Click);

    // Around playback: the timeline and the profile follow it and move it; the stops, the whole
    // track, the follow mode, the keyboard and a click on the drawn track.
    connect(reproductor, &ReproductorDiferido::PosicionCambiada, this, [this](int n) {
        frmmapa->sldlinea->Seguir(n);
        frmmapa->grafvelocidad->Seguir(qMin(n, int(puntos.size())));
    });
    connect(frmmapa->sldlinea, &LineaTiempo::PuntoPedido, this, &frmdiferido::irAPunto);
    connect(frmmapa->grafvelocidad, &GraficaVelocidad::PuntoPedido, this, &frmdiferido::irAPunto);
    connect(frmmapa->pnlrecorrido, &PanelRecorrido::PuntoPedido, this, &frmdiferido::irAPunto);
    connect(frmmapa->pnlrecorrido->btncompleto, &QPushButton::clicked, this, &frmdiferido::verCompleto);
    connect(frmmapa->chkseguir, &QCheckBox::toggled, this,
            [this](bool si) { mapa->Ejecutar(PaginaRecorrido::SentenciaSeguir(si)); });
    connect(frmmapa, &MarcoMapaDiferido::Adelante1, this, [this] { irAPunto(reproductor->Motor().posicion() + 1); });
    connect(frmmapa, &MarcoMapaDiferido::Atras8, this, [this] { irAPunto(qMax(1, reproductor->Motor().posicion() - 8)); });
    connect(mapa->Pagina(), &QWebEnginePage::titleChanged, this, &frmdiferido::peticionPagina);

    // Start-up, in its order.
    fraSeleccion->cmbspeedinicial->setCurrentIndex(AjustesDiferido::VelocidadInicial);
    fraSeleccion->lblcliente->setText(Module1::NombreTitular);
    // The window opens with the screen's size; the frames are laid out on the area it gets.
    resize(TwipsAPixelesX(AnchoPantallaTwips()), TwipsAPixelesY(AltoPantallaTwips()));
    disponer();
    fraSeleccion->MeterLocalizadores();
    frmmapa->cmbzoom->setCurrentIndex(AjustesDiferido::ZoomInicial);
    fraSeleccion->cmbseguiminetoen->setCurrentIndex(0);
    fraSeleccion->KVCalen1->setFechaActual(QDate::currentDate());
    PunteroRaton(vb::vbHourglass);
    mapa->AbrirPagina(QStringLiteral("Track.htm"));
    PunteroRaton(vb::vbCustom);
    fraSeleccion->PreparaCalendario();
}

void frmdiferido::disponer()
{
    const int ancho = PixelesATwipsX(width()), alto = PixelesATwipsY(height());
    // The selection frame, centred; the map frame covers the window.
    const int anchoSel = qMin(11400, ancho - 240), altoSel = qMin(9000, alto - 240);
    fraSeleccion->setGeometry(TwipsAPixelesX(ancho / 2 - anchoSel / 2), TwipsAPixelesY(alto / 2 - altoSel / 2),
                              TwipsAPixelesX(anchoSel), TwipsAPixelesY(altoSel));
    frmmapa->Disponer(ancho - 100, alto - 200);
}

void frmdiferido::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    disponer();
}

void frmdiferido::btninicia_Click()
{
    MarcoSeleccionDiferido *s = fraSeleccion;
    mapa->Ejecutar(QStringLiteral("asignaicono('") + ArgumentoScript(s->IconoLocalizador()) + QStringLiteral("');"));
    PunteroRaton(vb::vbHourglass);
    frmmapa->setTitle(QStringLiteral("Seguimiento en diferido ") + u'(' + s->txtfechainicio->text() + u' ' +
                      s->txthorainicio->text() + QStringLiteral(" - ") + s->txtfechafin->text() + u' ' +
                      s->txthorafin->text() + u')');
    frmmapa->cmbspeed->setVisible(true);
    frmmapa->cmbspeed->setCurrentIndex(s->cmbspeedinicial->currentIndex());
    if (!s->ComprobarSeleccion())
        return;

    const QString localizador = s->Localizador();
    auto rs = Module1::BaseLocal().DevuelveRecordset(s->SqlRecorrido());
    if (!rs) {
        reproductor->Descargar();
        frmmapa->pnlrecorrido->Vaciar();
        MsgBox(QStringLiteral("No hay datos para realizar un seguimiento en ese periodo para el localizador ") + localizador,
               vb::vbInformation, QString());
        PunteroRaton(vb::vbCustom);
        return;
    }
    analizar(*rs);
    frmmapa->lbllocalizadorseguimiento->setVisible(true);
    frmmapa->LocalizadorSeguimiento = localizador;
    frmmapa->lbllocalizadorseguimiento->setText(s->Nombres.Mostrar(localizador));
    frmmapa->move(0, 0);
    frmmapa->setVisible(true);
    frmmapa->raise();
    fraSeleccion->setVisible(false);
    reproductor->Cargar(std::move(rs), frmmapa->cmbspeed->currentText());
}

void frmdiferido::analizar(const Recordset &filas)
{
    UmbralesRecorrido u;
    u.minutosParada = fraSeleccion->spnparada->value();
    u.minutosHueco = fraSeleccion->spnhueco->value();
    puntos = AnalisisRecorrido::LeerPuntos(filas);
    const QList<TramoRecorrido> paradas = AnalisisRecorrido::Paradas(puntos, u);
    resumen = AnalisisRecorrido::Resumir(puntos, u);
    frmmapa->sldlinea->Poner(puntos, paradas, AnalisisRecorrido::Huecos(puntos, u));
    frmmapa->grafvelocidad->Poner(puntos);
    frmmapa->pnlrecorrido->Poner(resumen, paradas);
    mapa->Ejecutar(PaginaRecorrido::SentenciaParadas(puntos, paradas));
}

void frmdiferido::verCompleto()
{
    reproductor->Pausar();
    mapa->Ejecutar(PaginaRecorrido::SentenciaVerRecorrido(puntos, resumen.saltos));
}

void frmdiferido::irAPunto(int n)
{
    if (n < 1 || n > puntos.size())
        return;
    reproductor->IrAPunto(n);
}

void frmdiferido::peticionPagina(const QString &titulo)
{
    // "continuar|i|<point from 0>|..." from the whole track, "continuar|f|<date>|..." from playback.
    const QStringList p = titulo.split(u'|');
    if (p.size() < 3 || p[0] != QStringLiteral("continuar"))
        return;
    int n = 0;
    if (p[1] == QStringLiteral("i")) {
        n = p[2].toInt() + 1;
    } else {
        for (qsizetype k = 0; k < puntos.size() && n == 0; ++k)
            if (Regional::FechaGeneral(puntos[k].fecha) == p[2])
                n = int(k) + 1;
    }
    if (n < 1 || n > puntos.size())
        return;
    irAPunto(n);
    if (!reproductor->Reproduciendo())
        reproductor->Reproducir();
}

void frmdiferido::XPButton7_Click()
{
    QTime hora;
    if (frmmapa->LeerHoraSalto(hora))
        reproductor->MoverDetrasDeHora(hora);
}

void frmdiferido::btnexportar_Click()
{
    if (reproductor->Motor().recorrido())
        ExportacionRecorrido::Exportar(ExportacionRecorrido::DePuntos(
            puntos, frmmapa->LocalizadorSeguimiento, frmmapa->lbllocalizadorseguimiento->text()));
}

void frmdiferido::btnvolver_Click()
{
    reproductor->Volver();
    frmmapa->setVisible(false);
    fraSeleccion->setVisible(true);
}

void frmdiferido::done(int r)
{
    reproductor->Parar();
    QDialog::done(r);
}
