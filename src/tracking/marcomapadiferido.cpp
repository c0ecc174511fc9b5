#include "marcomapadiferido.h"

#include "ajustesdiferido.h"
#include "controles.h"
#include "entorno.h"
#include "regional.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
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
    btnvolver = BotonNombrado(controles, "btnvolver", QStringLiteral("Volver"));
    for (QWidget *w : std::initializer_list<QWidget *>{ImagePlay, ImageStop, MyButton1, XPButton4, XPButton6, lblHora,
                                                       txthora, XPButton7, Command1, lblVel, cmbspeed, lblZoom, cmbzoom,
                                                       chkveretiquetas})
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
    for (QLabel *l : {lblposicion, lblfecha, lblvelocidad, lblzona, lblkilometros, lbltiempoparcial, lblvelocidadmedia})
        l->setMinimumWidth(TwipsAPixelesX(900));
    lblfecha->setMinimumWidth(TwipsAPixelesX(2100));
    lblzona->setMinimumWidth(TwipsAPixelesX(1800));
    lblkilometros->setMinimumWidth(TwipsAPixelesX(600));
    lblkilometros->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // nullptr: a gap between two read-outs.
    for (QWidget *w : std::initializer_list<QWidget *>{lbllocalizadorseguimiento, lblposicion, lblfecha, lblvelocidad,
                                                       lblzona, lblDist, lblkilometros, lblKms, nullptr, lblTiempo,
                                                       lbltiempoparcial, nullptr, lblMedia, lblvelocidadmedia}) {
        if (w)
            fila2->addWidget(w);
        else
            fila2->addSpacing(TwipsAPixelesX(300));
    }
    fila2->addStretch();
    controles->setStyleSheet(QStringLiteral("QLabel#lblposicion, QLabel#lblkilometros, QLabel#lbltiempoparcial,"
                                            " QLabel#lblvelocidadmedia, QLabel#lblvelocidad { color: #0b3d91; }"));
}

void MarcoMapaDiferido::Disponer(int anchoTwips, int altoTwips)
{
    setGeometry(0, 0, TwipsAPixelesX(anchoTwips), TwipsAPixelesY(altoTwips));
    const int arriba = TwipsAPixelesY(300);
    WebBrowser1->setGeometry(TwipsAPixelesX(120), arriba, TwipsAPixelesX(anchoTwips - 240), TwipsAPixelesY(altoTwips - 1600));
    controles->setGeometry(TwipsAPixelesX(120), WebBrowser1->geometry().bottom() + TwipsAPixelesY(90),
                           TwipsAPixelesX(anchoTwips - 240), TwipsAPixelesY(1600) - arriba - TwipsAPixelesY(120));
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
    const bool valida = Regional::LeerFechaHora(txthora->text(), leida);
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
    lblkilometros->setText(l.lblkilometros);
    lbltiempoparcial->setText(l.lbltiempoparcial);
    lblvelocidadmedia->setText(l.lblvelocidadmedia);
}

void MarcoMapaDiferido::MostrarReproduciendo(bool si)
{
    ImagePlay->setVisible(!si);
    ImageStop->setVisible(si);
}
