#include "marcomapadiferido.h"

#include "ajustesdiferido.h"
#include "consultasdiferido.h"
#include "controles.h"
#include "graficavelocidad.h"
#include "lineatiempo.h"
#include "panelrecorrido.h"
#include "entorno.h"
#include "regional.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace {
// A picture button: a standard icon, its caption as tip and accessible name.
QToolButton *imagen(QWidget *padre, const char *nombre, QStyle::StandardPixmap icono, const QString &texto)
{
    auto *b = new QToolButton(padre);
    b->setObjectName(QLatin1String(nombre));
    b->setIcon(padre->style()->standardIcon(icono));
    b->setIconSize(QSize(TwipsAPixelesX(420), TwipsAPixelesY(420)));
    b->setToolTip(texto);
    b->setAccessibleName(texto);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::StrongFocus);
    return b;
}

// A button whose tip is also its accessible name.
QPushButton *boton(QWidget *padre, const char *nombre, const QString &texto, const QString &consejo)
{
    QPushButton *b = BotonNombrado(padre, nombre, texto);
    b->setAccessibleName(consejo);
    b->setToolTip(consejo);
    return b;
}

QComboBox *lista(QWidget *padre, const char *nombre, const QStringList &entradas, QLabel *rotulo)
{
    auto *c = ControlRotulado<QComboBox>(padre, nombre, rotulo);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(entradas);
    return c;
}

QLabel *lectura(QWidget *padre, const char *nombre, const QString &accesible, const QString &texto = QString())
{
    QLabel *l = EtiquetaNombrada(padre, nombre, texto);
    l->setAccessibleName(accesible);
    return l;
}
}

MarcoMapaDiferido::MarcoMapaDiferido(QWidget *padre) : QGroupBox(QStringLiteral("Seguimiento Diferido"), padre)
{
    setObjectName(QStringLiteral("frmmapa"));
    hide();
    WebBrowser1 = new QWebEngineView(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setAccessibleName(QStringLiteral("Mapa"));

    controles = new QWidget(this);
    controles->setObjectName(QStringLiteral("controles"));
    auto *v = new QVBoxLayout(controles);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(TwipsAPixelesY(60));
    auto *fila1 = new QHBoxLayout;
    auto *fila2 = new QHBoxLayout;
    v->addLayout(fila1);
    v->addLayout(fila2);

    ImagePlay = imagen(controles, "ImagePlay", QStyle::SP_MediaPlay, QStringLiteral("Reproducir"));
    ImageStop = imagen(controles, "ImageStop", QStyle::SP_MediaPause, QStringLiteral("Pausa"));
    ImagePlay->hide();
    MyButton1 = boton(controles, "MyButton1", QStringLiteral("Ini"), QStringLiteral("Ir primera posición"));
    XPButton4 = boton(controles, "XPButton4", QStringLiteral("+4"), QStringLiteral("avanza 4 posiciones"));
    XPButton6 = boton(controles, "XPButton6", QStringLiteral("+8"), QStringLiteral("avanza 8 posiciones"));
    auto *lblHora = EtiquetaNombrada(controles, "", QStringLiteral("Mover detrás de Hora:"));
    txthora = ControlRotulado<QLineEdit>(controles, "txthora", lblHora);
    txthora->setMaximumWidth(TwipsAPixelesX(1000));
    XPButton7 = boton(controles, "XPButton7", QStringLiteral("Ir"), QStringLiteral("Ir a la hora"));
    Command1 = BotonNombrado(controles, "Command1", QStringLiteral("Limpia Mapa"));
    auto *lblVel = EtiquetaNombrada(controles, "", QStringLiteral("Velocidad:"));
    cmbspeed = lista(controles, "cmbspeed", AjustesDiferido::EntradasVelocidad(), lblVel);
    cmbspeed->hide();
    auto *lblZoom = EtiquetaNombrada(controles, "", QStringLiteral("Zoom"));
    cmbzoom = lista(controles, "cmbzoom", AjustesDiferido::EntradasZoom(), lblZoom);
    chkveretiquetas = new QCheckBox(QStringLiteral("Ver etiquetas"), controles);
    chkveretiquetas->setObjectName(QStringLiteral("chkveretiquetas"));
    chkveretiquetas->setAccessibleName(QStringLiteral("Ver etiquetas"));
    chkseguir = new QCheckBox(QStringLiteral("Seguir al localizador"), controles);
    chkseguir->setObjectName(QStringLiteral("chkseguir"));
    chkseguir->setAccessibleName(QStringLiteral("Seguir al localizador"));
    chkseguir->setChecked(true);
    sldlinea = new LineaTiempo(this);
    grafvelocidad = new GraficaVelocidad(this);
    pnlrecorrido = new PanelRecorrido(this);
    btnvolver = BotonNombrado(controles, "btnvolver", QStringLiteral("Volver"));
    for (QWidget *w : std::initializer_list<QWidget *>{ImagePlay, ImageStop, MyButton1, XPButton4, XPButton6, lblHora,
                                                       txthora, XPButton7, Command1, lblVel, cmbspeed, lblZoom, cmbzoom,
                                                       chkveretiquetas, chkseguir})
        fila1->addWidget(w);
    fila1->addStretch();
    btnexportar = BotonNombrado(controles, "btnexportar", QStringLiteral("Exportar…"));
    fila1->addWidget(btnexportar);
    fila1->addWidget(btnvolver);

    lbllocalizadorseguimiento = lectura(controles, "lbllocalizadorseguimiento", QStringLiteral("Localizador"));
    QFont f = lbllocalizadorseguimiento->font();
    f.setBold(true);
    lbllocalizadorseguimiento->setFont(f);
    lbllocalizadorseguimiento->hide();
    lblposicion = lectura(controles, "lblposicion", QStringLiteral("Posición"));
    lblfecha = lectura(controles, "lblfecha", QStringLiteral("Fecha"));
    lblvelocidad = lectura(controles, "lblvelocidad", QStringLiteral("Velocidad"));
    lblzona = lectura(controles, "lblzona", QStringLiteral("Zona"));
    auto *lblDist = EtiquetaNombrada(controles, "", QStringLiteral("Dist mínima:"));
    lblkilometros = lectura(controles, "lblkilometros", QStringLiteral("Dist mínima (Kms)"), QStringLiteral("0"));
    auto *lblKms = EtiquetaNombrada(controles, "", QStringLiteral("Kms"));
    auto *lblTiempo = EtiquetaNombrada(controles, "", QStringLiteral("Tiempo parcial:"));
    lbltiempoparcial = lectura(controles, "lbltiempoparcial", QStringLiteral("Tiempo parcial"), QStringLiteral("0"));
    auto *lblMedia = EtiquetaNombrada(controles, "", QStringLiteral("Velocidad Media aprox:"));
    lblvelocidadmedia = lectura(controles, "lblvelocidadmedia", QStringLiteral("Velocidad Media aprox"));
    // Fixed widths: a long zone name (told whole in its tip) never pushes the other read-outs.
    const QFontMetrics m(lblfecha->font());
    lblposicion->setFixedWidth(m.horizontalAdvance(QStringLiteral("00000/00000")));
    lblfecha->setFixedWidth(m.horizontalAdvance(QStringLiteral("00/00/0000 00:00:00")) + 8);
    lblvelocidad->setFixedWidth(m.horizontalAdvance(QStringLiteral("v: 0000,00 km/h")));
    lblzona->setFixedWidth(m.horizontalAdvance(QStringLiteral("zona: ")) + m.averageCharWidth() * 24);
    lblkilometros->setFixedWidth(m.horizontalAdvance(QStringLiteral("00.000,00")));
    lbltiempoparcial->setFixedWidth(m.horizontalAdvance(QStringLiteral("000:00:00")));
    lblvelocidadmedia->setFixedWidth(m.horizontalAdvance(QStringLiteral("0000,00 km/h")));
    lblkilometros->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // nullptr: a gap between two read-outs.
    for (QWidget *w : std::initializer_list<QWidget *>{lbllocalizadorseguimiento, lblposicion, lblfecha, lblvelocidad,
                                                       lblzona, nullptr, lblDist, lblkilometros, lblKms, nullptr, lblTiempo,
                                                       lbltiempoparcial, nullptr, lblMedia, lblvelocidadmedia}) {
        if (w)
            fila2->addWidget(w);
        else
            fila2->addSpacing(TwipsAPixelesX(300));
    }
    fila2->addStretch();
    atajos();
    controles->setStyleSheet(QStringLiteral("QLabel#lblposicion, QLabel#lblkilometros, QLabel#lbltiempoparcial,"
                                            " QLabel#lblvelocidadmedia, QLabel#lblvelocidad { color: #0b3d91; }"));
}

void MarcoMapaDiferido::atajos()
{
    // Each key names its control's action in that control's tip.
    auto atajo = [this](const QKeySequence &k, QWidget *control, const std::function<void()> &accion) {
        auto *a = new QShortcut(k, this, this, accion, Qt::WidgetWithChildrenShortcut);
        a->setObjectName(QStringLiteral("atajo ") + k.toString());
        if (control)
            control->setToolTip(control->toolTip() + QStringLiteral(" (") + k.toString(QKeySequence::NativeText) + u')');
    };
    atajo(Qt::Key_Space, ImageStop, [this] { (ImageStop->isVisible() ? ImageStop : ImagePlay)->click(); });
    ImagePlay->setToolTip(ImagePlay->toolTip() + QStringLiteral(" (Espacio)"));
    atajo(Qt::Key_Home, MyButton1, [this] { MyButton1->click(); });
    atajo(Qt::Key_Right, nullptr, [this] { Q_EMIT Adelante1(); });
    atajo(Qt::Key_PageDown, XPButton6, [this] { XPButton6->click(); });
    atajo(Qt::Key_PageUp, nullptr, [this] { Q_EMIT Atras8(); });
    atajo(Qt::Key_Plus, cmbzoom, [this] { cmbzoom->setCurrentIndex(qMin(cmbzoom->currentIndex() + 1, cmbzoom->count() - 1)); });
    atajo(Qt::Key_Minus, nullptr, [this] { cmbzoom->setCurrentIndex(qMax(cmbzoom->currentIndex() - 1, 0)); });
    atajo(Qt::Key_F, chkseguir, [this] { chkseguir->toggle(); });
    sldlinea->setToolTip(sldlinea->toolTip() + QStringLiteral(" (→ un punto adelante, RePág 8 atrás)"));
}

void MarcoMapaDiferido::Disponer(int anchoTwips, int altoTwips)
{
    // The frame fits the window; below the map go the timeline and the speed profile, beside it
    // the track's panel, and the written controls at the bottom.
    setGeometry(0, 0, TwipsAPixelesX(anchoTwips), TwipsAPixelesY(altoTwips));
    const int arriba = TwipsAPixelesY(300), margen = TwipsAPixelesX(120);
    const int ancho = TwipsAPixelesX(anchoTwips - 240);
    const int panel = qBound(TwipsAPixelesX(3600), ancho / 4, TwipsAPixelesX(5200));
    const int linea = sldlinea->sizeHint().height() + TwipsAPixelesY(60);
    const int grafica = qBound(TwipsAPixelesY(1300), height() / 6, TwipsAPixelesY(2200));
    const int mapaAlto = TwipsAPixelesY(altoTwips - 1600) - linea - grafica;
    WebBrowser1->setGeometry(margen, arriba, ancho - panel - margen, mapaAlto);
    pnlrecorrido->setGeometry(margen + ancho - panel, arriba, panel, mapaAlto + linea + grafica);
    sldlinea->setGeometry(margen, arriba + mapaAlto + TwipsAPixelesY(30), ancho - panel - margen, linea - TwipsAPixelesY(60));
    grafvelocidad->setGeometry(margen, arriba + mapaAlto + linea, ancho - panel - margen, grafica);
    controles->setGeometry(margen, arriba + mapaAlto + linea + grafica + TwipsAPixelesY(90), ancho,
                           TwipsAPixelesY(1600) - arriba - TwipsAPixelesY(120));
}

AjustesPaso MarcoMapaDiferido::Ajustes() const
{
    AjustesPaso a;
    a.velocidad = cmbspeed->currentText();
    a.zoom = cmbzoom->currentText();
    a.etiquetas = chkveretiquetas->isChecked();
    a.localizador = LocalizadorSeguimiento;
    return a;
}

bool MarcoMapaDiferido::LeerHoraSalto(QTime &hora)
{
    QDateTime leida;
    bool valida = Regional::LeerFechaHora(txthora->text(), leida);
    if (!valida) {
        const QTime t = ConsultasDiferido::LeerHoraEscrita(txthora->text());
        valida = t.isValid();
        leida = QDateTime(QDate(1899, 12, 30), t);
    }
    QPalette p = txthora->palette();
    p.setColor(QPalette::Text, valida ? QColor(0, 0, 0) : QColor(255, 0, 0));
    txthora->setPalette(p);
    if (!valida) {
        txthora->setFocus();
        return false;
    }
    hora = leida.time();
    return true;
}

void MarcoMapaDiferido::MostrarLecturas(const LecturasDiferido &l)
{
    lblposicion->setText(l.lblposicion);
    lblfecha->setText(l.lblfecha);
    lblvelocidad->setText(l.lblvelocidad);
    lblzona->setText(l.lblzona);
    lblzona->setToolTip(l.lblzona);
    lblkilometros->setText(l.lblkilometros);
    lbltiempoparcial->setText(l.lbltiempoparcial);
    lblvelocidadmedia->setText(l.lblvelocidadmedia);
}

void MarcoMapaDiferido::MostrarReproduciendo(bool si)
{
    ImagePlay->setVisible(!si);
    ImageStop->setVisible(si);
}
