#include "frmdiferido.h"

#include "ajustesdiferido.h"
#include "argumentosscript.h"
#include "consultasdiferido.h"
#include "dialogos.h"
#include "entorno.h"
#include "kvcalen.h"
#include "module1.h"
#include "puentemapa.h"
#include "regional.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWebEngineView>

using namespace ConsultasDiferido;
using Module1::BaseLocal;

namespace {
constexpr ColorVB ColorBase = 12648447;     // &HC0FFFF
constexpr ColorVB ColorMarcado = 16701389;  // &HFED7CD
constexpr int DiasCalendario = 3500;

QLabel *etiqueta(QWidget *padre, const QString &nombre, const QString &texto = QString())
{
    auto *l = new QLabel(texto, padre);
    if (!nombre.isEmpty())
        l->setObjectName(nombre);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QLineEdit *caja(QWidget *padre, const QString &nombre, QLabel *rotulo)
{
    auto *t = new QLineEdit(padre);
    t->setObjectName(nombre);
    rotulo->setBuddy(t);
    t->setAccessibleName(rotulo->text().remove(u'&').remove(u':'));
    return t;
}

QComboBox *lista(QWidget *padre, const QString &nombre, const QStringList &entradas, bool editable, QLabel *rotulo)
{
    auto *c = new QComboBox(padre);
    c->setObjectName(nombre);
    c->setEditable(editable);
    if (editable)
        c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(entradas);
    rotulo->setBuddy(c);
    c->setAccessibleName(rotulo->text().remove(u'&').remove(u':'));
    return c;
}

QPushButton *boton(QWidget *padre, const QString &nombre, const QString &texto, const QString &consejo = QString())
{
    auto *b = new QPushButton(texto, padre);
    b->setObjectName(nombre);
    b->setAccessibleName(consejo.isEmpty() ? texto : consejo);
    if (!consejo.isEmpty())
        b->setToolTip(consejo);
    b->setAutoDefault(false);
    return b;
}

QToolButton *imagen(QWidget *padre, const QString &nombre, QStyle::StandardPixmap icono, const QString &texto)
{
    auto *b = new QToolButton(padre);
    b->setObjectName(nombre);
    b->setIcon(padre->style()->standardIcon(icono));
    b->setIconSize(QSize(TwipsAPixelesX(420), TwipsAPixelesY(420)));
    b->setToolTip(texto);
    b->setAccessibleName(texto);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::StrongFocus);
    return b;
}
}

frmdiferido::frmdiferido(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmdiferido"));
    setWindowTitle(QStringLiteral("Seguimiento Diferido"));
    crearSeleccion();
    crearMapa();

    timerdiferido = new QTimer(this);
    timerdiferido->setObjectName(QStringLiteral("timerdiferido"));
    timerdiferido->setSingleShot(true);  // each step re-arms it
    connect(timerdiferido, &QTimer::timeout, this, &frmdiferido::GestionSigPunto);

    connect(lbldiferido, &QListWidget::currentRowChanged, this, [this](int) { lbldiferido_Click(); });
    connect(KVCalen1, &KVCalen::Click, this, &frmdiferido::KVCalen1_Click);
    txthorafin->installEventFilter(this);
    connect(btninicia, &QToolButton::clicked, this, &frmdiferido::btninicia_Click);
    connect(Command5, &QPushButton::clicked, this, &QDialog::reject);
    connect(ImagePlay, &QToolButton::clicked, this, &frmdiferido::ImagePlay_Click);
    connect(ImageStop, &QToolButton::clicked, this, &frmdiferido::ImageStop_Click);
    connect(MyButton1, &QPushButton::clicked, this, &frmdiferido::MyButton1_Click);
    connect(XPButton4, &QPushButton::clicked, this, &frmdiferido::XPButton4_Click);
    connect(XPButton6, &QPushButton::clicked, this, &frmdiferido::XPButton6_Click);
    connect(XPButton7, &QPushButton::clicked, this, &frmdiferido::XPButton7_Click);
    connect(txthora, &QLineEdit::returnPressed, this, &frmdiferido::XPButton7_Click);
    connect(Command1, &QPushButton::clicked, this, &frmdiferido::Command1_Click);
    connect(btnvolver, &QPushButton::clicked, this, &frmdiferido::btnvolver_Click);

    mapa = new PuenteMapa(WebBrowser1);
    connect(mapa, &PuenteMapa::SentenciaEjecutada, this, &frmdiferido::alEjecutarse);
    connect(mapa, &PuenteMapa::DocumentoCompleto, this, [this](bool ok) {
        if (!ok) {
            // Nothing runs in a page that did not load: the steps go on without waiting for it.
            paginaFallida = true;
            enCurso = 0;
            armarTimer();
        }
        update();
    });

    // Start-up, in its order.
    cmbspeedinicial->setCurrentIndex(AjustesDiferido::EntradasVelocidad().indexOf(QStringLiteral("Lento")));
    lblcliente->setText(Module1::NombreTitular);
    colocar();
    MeterLocalizadores();
    cmbzoom->setCurrentIndex(AjustesDiferido::ZoomInicial);
    cmbseguiminetoen->setCurrentIndex(0);
    KVCalen1->setFechaActual(QDate::currentDate());
    PunteroRaton(vb::vbHourglass);
    mapa->AbrirPagina(QStringLiteral("Track.htm"));
    PunteroRaton(vb::vbCustom);
    PreparaCalendario();
}

frmdiferido::~frmdiferido()
{
    timerdiferido->stop();
    reproduciendo = false;
}

void frmdiferido::crearSeleccion()
{
    fraSeleccion = new QGroupBox(QStringLiteral("Seguimiento Diferido (a Quien?)"), this);
    fraSeleccion->setObjectName(QStringLiteral("frmdiferido"));
    auto *g = new QGridLayout(fraSeleccion);
    g->setHorizontalSpacing(TwipsAPixelesX(120));
    g->setVerticalSpacing(TwipsAPixelesY(90));

    lblcliente = etiqueta(fraSeleccion, QStringLiteral("lblcliente"));
    lblcliente->setAccessibleName(QStringLiteral("Titular"));
    QFont f = lblcliente->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.2);
    lblcliente->setFont(f);
    g->addWidget(lblcliente, 0, 0, 1, 4);

    auto *lblLocalizadores = etiqueta(fraSeleccion, QString(), QStringLiteral("&Localizadores:"));
    lblLocalizadores->setTextFormat(Qt::AutoText);
    lbldiferido = new QListWidget(fraSeleccion);
    lbldiferido->setObjectName(QStringLiteral("lbldiferido"));
    lbldiferido->setAccessibleName(QStringLiteral("Localizadores"));
    lblLocalizadores->setBuddy(lbldiferido);
    g->addWidget(lblLocalizadores, 1, 0, 1, 2);
    g->addWidget(lbldiferido, 2, 0, 1, 2);

    auto *lblDias = etiqueta(fraSeleccion, QString(), QStringLiteral("Días registrados:"));
    KVCalen1 = new KVCalen(fraSeleccion);
    KVCalen1->setObjectName(QStringLiteral("KVCalen1"));
    KVCalen1->setAccessibleName(QStringLiteral("Días registrados"));
    KVCalen1->setMinimumSize(TwipsAPixelesX(5200), TwipsAPixelesY(3900));
    g->addWidget(lblDias, 1, 2, 1, 2);
    g->addWidget(KVCalen1, 2, 2, 1, 2);

    auto *l1 = etiqueta(fraSeleccion, QString(), QStringLiteral("Fecha inicio:"));
    auto *l2 = etiqueta(fraSeleccion, QString(), QStringLiteral("Hora inicio:"));
    auto *l3 = etiqueta(fraSeleccion, QString(), QStringLiteral("Fecha fin:"));
    auto *l4 = etiqueta(fraSeleccion, QString(), QStringLiteral("Hora fin:"));
    txtfechainicio = caja(fraSeleccion, QStringLiteral("txtfechainicio"), l1);
    txthorainicio = caja(fraSeleccion, QStringLiteral("txthorainicio"), l2);
    txtfechafin = caja(fraSeleccion, QStringLiteral("txtfechafin"), l3);
    txthorafin = caja(fraSeleccion, QStringLiteral("txthorafin"), l4);
    txthorafin->setToolTip(QStringLiteral("Doble clic: la hora actual"));
    g->addWidget(l1, 3, 0);
    g->addWidget(txtfechainicio, 3, 1);
    g->addWidget(l2, 3, 2);
    g->addWidget(txthorainicio, 3, 3);
    g->addWidget(l3, 4, 0);
    g->addWidget(txtfechafin, 4, 1);
    g->addWidget(l4, 4, 2);
    g->addWidget(txthorafin, 4, 3);

    auto *l5 = etiqueta(fraSeleccion, QString(), QStringLiteral("Velocidad:"));
    auto *l6 = etiqueta(fraSeleccion, QString(), QStringLiteral("Puntos Seguimiento"));
    cmbspeedinicial = lista(fraSeleccion, QStringLiteral("cmbspeedinicial"), AjustesDiferido::EntradasVelocidad(), false, l5);
    cmbseguiminetoen = lista(fraSeleccion, QStringLiteral("cmbseguiminetoen"), AjustesDiferido::EntradasSeguimiento(), false, l6);
    g->addWidget(l5, 5, 0);
    g->addWidget(cmbspeedinicial, 5, 1);
    g->addWidget(l6, 5, 2);
    g->addWidget(cmbseguiminetoen, 5, 3);

    sspanelcaption = etiqueta(fraSeleccion, QStringLiteral("sspanelcaption"));
    sspanelcaption->setAccessibleName(QStringLiteral("Resumen"));
    sspanelcaption->setFrameShape(QFrame::StyledPanel);
    sspanelcaption->setFrameShadow(QFrame::Sunken);
    sspanelcaption->setWordWrap(true);
    sspanelcaption->setMinimumHeight(TwipsAPixelesY(900));
    sspanelcaption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    sspanelcaption->setStyleSheet(QStringLiteral("QLabel#sspanelcaption { background: #fff8dc; padding: 4px; }"));
    g->addWidget(sspanelcaption, 6, 0, 1, 4);

    btninicia = new QToolButton(fraSeleccion);
    btninicia->setObjectName(QStringLiteral("btninicia"));
    btninicia->setText(QStringLiteral("Iniciar"));
    btninicia->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    btninicia->setIconSize(QSize(TwipsAPixelesX(360), TwipsAPixelesY(360)));
    btninicia->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    btninicia->setToolTip(QStringLiteral("Iniciar el seguimiento"));
    btninicia->setAccessibleName(QStringLiteral("Iniciar el seguimiento"));
    btninicia->setFocusPolicy(Qt::StrongFocus);
    Command5 = boton(fraSeleccion, QStringLiteral("Command5"), QStringLiteral("Salir"));
    auto *botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(btninicia);
    botones->addWidget(Command5);
    g->addLayout(botones, 7, 0, 1, 4);
    g->setRowStretch(2, 1);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);

    setTabOrder(lbldiferido, KVCalen1);
    setTabOrder(KVCalen1, txtfechainicio);
    setTabOrder(txtfechainicio, txthorainicio);
    setTabOrder(txthorainicio, txtfechafin);
    setTabOrder(txtfechafin, txthorafin);
    setTabOrder(txthorafin, cmbspeedinicial);
    setTabOrder(cmbspeedinicial, cmbseguiminetoen);
    setTabOrder(cmbseguiminetoen, btninicia);
    setTabOrder(btninicia, Command5);
}

void frmdiferido::crearMapa()
{
    frmmapa = new QGroupBox(QStringLiteral("Seguimiento Diferido"), this);
    frmmapa->setObjectName(QStringLiteral("frmmapa"));
    frmmapa->hide();
    WebBrowser1 = new QWebEngineView(frmmapa);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setAccessibleName(QStringLiteral("Mapa"));

    auto *controles = new QWidget(frmmapa);
    controles->setObjectName(QStringLiteral("controles"));
    auto *v = new QVBoxLayout(controles);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(TwipsAPixelesY(60));
    auto *fila1 = new QHBoxLayout;
    auto *fila2 = new QHBoxLayout;
    v->addLayout(fila1);
    v->addLayout(fila2);

    ImagePlay = imagen(controles, QStringLiteral("ImagePlay"), QStyle::SP_MediaPlay, QStringLiteral("Reproducir"));
    ImageStop = imagen(controles, QStringLiteral("ImageStop"), QStyle::SP_MediaPause, QStringLiteral("Pausa"));
    ImagePlay->hide();
    MyButton1 = boton(controles, QStringLiteral("MyButton1"), QStringLiteral("Ini"), QStringLiteral("Ir primera posición"));
    XPButton4 = boton(controles, QStringLiteral("XPButton4"), QStringLiteral("+4"), QStringLiteral("avanza 4 posiciones"));
    XPButton6 = boton(controles, QStringLiteral("XPButton6"), QStringLiteral("+8"), QStringLiteral("avanza 8 posiciones"));
    auto *lblHora = etiqueta(controles, QString(), QStringLiteral("Mover detrás de Hora:"));
    txthora = caja(controles, QStringLiteral("txthora"), lblHora);
    txthora->setMaximumWidth(TwipsAPixelesX(1000));
    XPButton7 = boton(controles, QStringLiteral("XPButton7"), QStringLiteral("Ir"), QStringLiteral("Ir a la hora"));
    Command1 = boton(controles, QStringLiteral("Command1"), QStringLiteral("Limpia Mapa"));
    auto *lblVel = etiqueta(controles, QString(), QStringLiteral("Velocidad:"));
    cmbspeed = lista(controles, QStringLiteral("cmbspeed"), AjustesDiferido::EntradasVelocidad(), true, lblVel);
    cmbspeed->hide();
    auto *lblZoom = etiqueta(controles, QString(), QStringLiteral("Zoom"));
    cmbzoom = lista(controles, QStringLiteral("cmbzoom"), AjustesDiferido::EntradasZoom(), true, lblZoom);
    chkveretiquetas = new QCheckBox(QStringLiteral("Ver etiquetas"), controles);
    chkveretiquetas->setObjectName(QStringLiteral("chkveretiquetas"));
    chkveretiquetas->setAccessibleName(QStringLiteral("Ver etiquetas"));
    btnvolver = boton(controles, QStringLiteral("btnvolver"), QStringLiteral("Volver"));
    for (QWidget *w : std::initializer_list<QWidget *>{ImagePlay, ImageStop, MyButton1, XPButton4, XPButton6, lblHora,
                                                       txthora, XPButton7, Command1, lblVel, cmbspeed, lblZoom, cmbzoom,
                                                       chkveretiquetas})
        fila1->addWidget(w);
    fila1->addStretch();
    fila1->addWidget(btnvolver);

    lbllocalizadorseguimiento = etiqueta(controles, QStringLiteral("lbllocalizadorseguimiento"));
    lbllocalizadorseguimiento->setAccessibleName(QStringLiteral("Localizador"));
    QFont f = lbllocalizadorseguimiento->font();
    f.setBold(true);
    lbllocalizadorseguimiento->setFont(f);
    lbllocalizadorseguimiento->hide();
    lblposicion = etiqueta(controles, QStringLiteral("lblposicion"));
    lblposicion->setAccessibleName(QStringLiteral("Posición"));
    lblfecha = etiqueta(controles, QStringLiteral("lblfecha"));
    lblfecha->setAccessibleName(QStringLiteral("Fecha"));
    lblvelocidad = etiqueta(controles, QStringLiteral("lblvelocidad"));
    lblvelocidad->setAccessibleName(QStringLiteral("Velocidad"));
    lblzona = etiqueta(controles, QStringLiteral("lblzona"));
    lblzona->setAccessibleName(QStringLiteral("Zona"));
    auto *lblDist = etiqueta(controles, QString(), QStringLiteral("Dist mínima:"));
    lblkilometros = etiqueta(controles, QStringLiteral("lblkilometros"), QStringLiteral("0"));
    lblkilometros->setAccessibleName(QStringLiteral("Dist mínima (Kms)"));
    auto *lblKms = etiqueta(controles, QString(), QStringLiteral("Kms"));
    auto *lblTiempo = etiqueta(controles, QString(), QStringLiteral("Tiempo parcial:"));
    lbltiempoparcial = etiqueta(controles, QStringLiteral("lbltiempoparcial"), QStringLiteral("0"));
    lbltiempoparcial->setAccessibleName(QStringLiteral("Tiempo parcial"));
    auto *lblMedia = etiqueta(controles, QString(), QStringLiteral("Velocidad Media aprox:"));
    lblvelocidadmedia = etiqueta(controles, QStringLiteral("lblvelocidadmedia"));
    lblvelocidadmedia->setAccessibleName(QStringLiteral("Velocidad Media aprox"));
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

void frmdiferido::colocar()
{
    // The window opens with the screen's size; the frames are laid out on the area it gets.
    resize(TwipsAPixelesX(AnchoPantallaTwips()), TwipsAPixelesY(AltoPantallaTwips()));
    disponer();
}

void frmdiferido::disponer()
{
    const int ancho = PixelesATwipsX(width()), alto = PixelesATwipsY(height());

    // The selection frame, centred.
    const int anchoSel = qMin(11400, ancho - 240), altoSel = qMin(9000, alto - 240);
    fraSeleccion->setGeometry(TwipsAPixelesX(ancho / 2 - anchoSel / 2), TwipsAPixelesY(alto / 2 - altoSel / 2),
                              TwipsAPixelesX(anchoSel), TwipsAPixelesY(altoSel));

    // The map frame covers the window; the browser leaves room below for the controls.
    const int anchoMapa = ancho - 100, altoMapa = alto - 200;
    frmmapa->setGeometry(0, 0, TwipsAPixelesX(anchoMapa), TwipsAPixelesY(altoMapa));
    const int arriba = TwipsAPixelesY(300);
    WebBrowser1->setGeometry(TwipsAPixelesX(120), arriba, TwipsAPixelesX(anchoMapa - 240), TwipsAPixelesY(altoMapa - 1600));
    if (auto *controles = frmmapa->findChild<QWidget *>(QStringLiteral("controles")))
        controles->setGeometry(TwipsAPixelesX(120), WebBrowser1->geometry().bottom() + TwipsAPixelesY(90),
                               TwipsAPixelesX(anchoMapa - 240), TwipsAPixelesY(1600) - arriba - TwipsAPixelesY(120));
}

void frmdiferido::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    disponer();
}

// --- Selection ---

void frmdiferido::MeterLocalizadores()
{
    auto rs = BaseLocal().DevuelveRecordset(SqlLocalizadores());
    if (!rs)
        return;
    for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext())
        lbldiferido->addItem(rs->Texto(0));
    lbldiferido->setCurrentRow(0);
}

QString frmdiferido::DameImagenLocalizador(const QString &localizador)
{
    auto rs = BaseLocal().DevuelveRecordset(SqlIconoLocalizador(localizador));
    if (!rs || rs->FieldCount() < 2)
        return QString();
    return rs->Texto(1) + QStringLiteral(".png");
}

void frmdiferido::lbldiferido_Click()
{
    PreparaCalendario();
    const QListWidgetItem *item = lbldiferido->currentItem();
    iconoLocalizador = DameImagenLocalizador(item ? item->text() : QString());
}

void frmdiferido::ReseteaCalendario()
{
    PunteroRaton(vb::vbHourglass);
    const QDate hoy = QDate::currentDate();
    for (int i = 0; i <= DiasCalendario; ++i)
        KVCalen1->PonColorFondoCelda(hoy.addDays(i), ColorBase);
    for (int i = 0; i <= DiasCalendario; ++i)
        KVCalen1->PonColorFondoCelda(hoy.addDays(-i), ColorBase);
    KVCalen1->Refresh();
    PunteroRaton(vb::vbCustom);
}

void frmdiferido::PreparaCalendario()
{
    txtfechafin->clear();
    txtfechainicio->clear();
    txthorainicio->clear();
    txthorafin->clear();
    ReseteaCalendario();
    const QListWidgetItem *item = lbldiferido->currentItem();
    const QString localizador = item ? item->text() : QString();
    auto rs = BaseLocal().DevuelveRecordset(SqlDiasLocalizador(localizador));
    if (!rs)
        return;
    const DiasRegistrados dias = LeerDiasRegistrados(*rs);
    for (const QDate &d : dias.dias)
        KVCalen1->PonColorFondoCelda(d, ColorMarcado);
    KVCalen1->Refresh();
    if (dias.ultimo.isValid()) {
        KVCalen1->setFechaActual(dias.ultimo);
        KVCalen1_Click();
        sspanelcaption->setText(TextoResumen(localizador, dias));
    }
}

QString frmdiferido::dameHora(const QString &Fecha, bool ultima)
{
    const QString dia = ConvFecha1(Regional::LeerFecha(Fecha));
    if (dia.isEmpty())
        return QString();
    auto rs = BaseLocal().DevuelveRecordset(SqlHoraDia(dia, ultima));
    if (!rs)
        return QString();
    const QTime t = Regional::LeerHora(rs->Texto(0));
    return t.isValid() ? Regional::HoraCorta(t) : QString();
}

QString frmdiferido::DameHoraInicial(QString Fecha) { return dameHora(Fecha, false); }
QString frmdiferido::DameHoraFinal(QString Fecha) { return dameHora(Fecha, true); }

void frmdiferido::KVCalen1_Click()
{
    const QString dia = Regional::FechaCorta(KVCalen1->FechaActual());
    txtfechainicio->setText(dia);
    txtfechafin->setText(dia);
    txthorainicio->setText(DameHoraInicial(dia));
    txthorafin->setText(DameHoraFinal(dia));
}

bool frmdiferido::eventFilter(QObject *o, QEvent *e)
{
    if (o == txthorafin && e->type() == QEvent::MouseButtonDblClick) {
        txthorafin->setText(Regional::HoraCorta(QTime::currentTime()));
        return true;
    }
    return QDialog::eventFilter(o, e);
}

void frmdiferido::btninicia_Click()
{
    mapa->Ejecutar(QStringLiteral("asignaicono('") + ArgumentoScript(iconoLocalizador) + QStringLiteral("');"));
    PunteroRaton(vb::vbHourglass);
    frmmapa->setTitle(QStringLiteral("Seguimiento en diferido ") + u'(' + txtfechainicio->text() + u' ' +
                      txthorainicio->text() + QStringLiteral(" - ") + txtfechafin->text() + u' ' + txthorafin->text() +
                      u')');
    cmbspeed->setVisible(true);
    cmbspeed->setCurrentIndex(cmbspeedinicial->currentIndex());

    auto rechazar = [](const QString &texto, QLineEdit *foco) {
        MsgBox(texto, vb::vbExclamation, QString());
        if (foco)
            foco->setFocus();
        PunteroRaton(vb::vbCustom);
    };
    if (lbldiferido->count() == 0)
        return rechazar(QStringLiteral("No hay localizadores para realizar seguimiento"), nullptr);
    if (!lbldiferido->currentItem())
        return rechazar(QStringLiteral("Escoja un localizador para realizar el seguimiento"), nullptr);
    QLineEdit *fallida = nullptr;
    switch (ComprobarPeriodo(txtfechainicio->text(), txtfechafin->text(), txthorainicio->text(), txthorafin->text())) {
    case CajaPeriodo::FechaInicio: fallida = txtfechainicio; break;
    case CajaPeriodo::FechaFin: fallida = txtfechafin; break;
    case CajaPeriodo::HoraInicio: fallida = txthorainicio; break;
    case CajaPeriodo::HoraFin: fallida = txthorafin; break;
    case CajaPeriodo::Ninguna: break;
    }
    if (fallida)
        return rechazar(QStringLiteral("Especifique un valor correcto de fecha/Hora"), fallida);

    const QString localizador = lbldiferido->currentItem()->text();
    const QString sql = SqlRecorrido(localizador, LimitePeriodo(txtfechainicio->text(), txthorainicio->text(), false),
                                     LimitePeriodo(txtfechafin->text(), txthorafin->text(), true));
    auto rs = BaseLocal().DevuelveRecordset(sql);
    if (!rs) {
        motor.Descargar();
        MsgBox(QStringLiteral("No hay datos para realizar un seguimiento en ese periodo para el localizador ") + localizador,
               vb::vbInformation, QString());
        PunteroRaton(vb::vbCustom);
        return;
    }
    motor.Cargar(std::move(rs));
    motor.EstableceVelocidad(cmbspeed->currentText());
    mostrarLecturas();
    lbllocalizadorseguimiento->setVisible(true);
    lbllocalizadorseguimiento->setText(localizador);
    frmmapa->move(0, 0);
    frmmapa->setVisible(true);
    frmmapa->raise();
    fraSeleccion->setVisible(false);
    mostrarReproduciendo(true);
    reproduciendo = true;
    armarTimer();
}

// --- Playback ---

AjustesPaso frmdiferido::ajustes() const
{
    AjustesPaso a;
    a.velocidad = cmbspeed->currentText();
    a.zoom = cmbzoom->currentText();
    a.seguimiento = cmbseguiminetoen->currentText();
    a.etiquetas = chkveretiquetas->isChecked();
    a.localizador = lbllocalizadorseguimiento->text();
    return a;
}

void frmdiferido::mostrarLecturas()
{
    const LecturasDiferido &l = motor.lecturas();
    lblposicion->setText(l.lblposicion);
    lblfecha->setText(l.lblfecha);
    lblvelocidad->setText(l.lblvelocidad);
    lblzona->setText(l.lblzona);
    lblkilometros->setText(l.lblkilometros);
    lbltiempoparcial->setText(l.lbltiempoparcial);
    lblvelocidadmedia->setText(l.lblvelocidadmedia);
}

quint64 frmdiferido::enviar(const QList<SentenciaPagina> &sentencias)
{
    quint64 id = 0;
    for (const SentenciaPagina &s : sentencias)
        id = mapa->Ejecutar(s.texto, s.lenguaje);
    return id;
}

void frmdiferido::mostrarReproduciendo(bool si)
{
    ImagePlay->setVisible(!si);
    ImageStop->setVisible(si);
}

void frmdiferido::armarTimer()
{
    // One ponermapa in flight at most, and a timer of interval 0 is never started.
    if (!reproduciendo || enCurso != 0 || motor.intervaloTimer() <= 0)
        return;
    timerdiferido->start(motor.intervaloTimer());
}

void frmdiferido::pararReproduccion()
{
    reproduciendo = false;
    timerdiferido->stop();
}

void frmdiferido::alEjecutarse(quint64 id)
{
    if (id != enCurso)
        return;
    enCurso = 0;
    armarTimer();
}

void frmdiferido::GestionSigPunto()
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
    MotorDiferido::Paso paso = motor.GestionSigPunto(ajustes());
    mostrarLecturas();
    switch (paso.resultado) {
    case MotorDiferido::Resultado::Fin:
        finDelRecorrido();
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

void frmdiferido::finDelRecorrido()
{
    mostrarReproduciendo(false);
    pararReproduccion();
    MsgBox(QStringLiteral("Finalizó el seguimiento!"), vb::vbExclamation, QString());
}

// --- Controls ---

void frmdiferido::ImagePlay_Click()
{
    enviar(motor.Reproducir());
    mostrarLecturas();
    reproduciendo = true;
    mostrarReproduciendo(true);
    armarTimer();
}

void frmdiferido::ImageStop_Click()
{
    pararReproduccion();
    mostrarReproduciendo(false);
}

void frmdiferido::MyButton1_Click()
{
    QList<SentenciaPagina> s;
    if (motor.IrPrimeraPosicion(s)) {
        enviar(s);
        mostrarLecturas();
    }
}

void frmdiferido::XPButton4_Click()
{
    QList<SentenciaPagina> s;
    if (motor.Avanzar4(s)) {
        enviar(s);
        mostrarLecturas();
    }
}

void frmdiferido::XPButton6_Click()
{
    QList<SentenciaPagina> s;
    if (motor.Avanzar8(s)) {
        enviar(s);
        mostrarLecturas();
    }
}

void frmdiferido::XPButton7_Click()
{
    QDateTime hora;
    QPalette p = txthora->palette();
    if (!Regional::LeerFechaHora(txthora->text(), hora)) {
        p.setColor(QPalette::Text, QColor(255, 0, 0));
        txthora->setPalette(p);
        txthora->setFocus();
        return;
    }
    p.setColor(QPalette::Text, QColor(0, 0, 0));
    txthora->setPalette(p);
    timerdiferido->stop();
    const bool terminado = motor.Finalizado();
    MotorDiferido::SaltoHora salto = motor.MoverDetrasDeHora(hora.time());
    enviar(salto.sentencias);
    mostrarLecturas();
    if (!salto.encontrado && terminado) {
        // Nothing later on a finished track: it stays finished, without telling the end again.
        pararReproduccion();
        mostrarReproduciendo(false);
        return;
    }
    reproduciendo = true;
    mostrarReproduciendo(true);
    armarTimer();
}

void frmdiferido::Command1_Click()
{
    motor.resetKilometraje();
    mostrarLecturas();
    mapa->Ejecutar(QStringLiteral("limpiamapa();msg1('Pantalla Renovada');"));
}

void frmdiferido::btnvolver_Click()
{
    mapa->Ejecutar(QStringLiteral("limpiamapa();msg1('Pantalla Renovada');"));
    motor.resetKilometraje();
    mostrarLecturas();
    pararReproduccion();
    mostrarReproduciendo(true);
    frmmapa->setVisible(false);
    fraSeleccion->setVisible(true);
}

void frmdiferido::done(int r)
{
    pararReproduccion();
    QDialog::done(r);
}
