#include "frmmenu.h"

#include "iconosmenu.h"
#include "module1.h"
#include "identificaciontitular.h"

#include "controles.h"
#include "dialogos.h"
#include "entorno.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolButton>

#include "frmdiferido.h"
#include "frmdownload.h"
#include "frmestadisticas.h"
#include "frmmantenimiento.h"
#include "frmrejillazonas.h"
#include "frmtiemporeal.h"

namespace {
QToolButton *botonMenu(QWidget *padre, const char *nombre, const QString &texto, const QString &icono)
{
    auto *b = new QToolButton(padre);
    b->setObjectName(QLatin1String(nombre));
    b->setText(texto);
    b->setAccessibleName(texto);
    b->setToolTip(texto);
    b->setIcon(IconoMenu(icono));
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setFocusPolicy(Qt::StrongFocus);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

}

frmmenu::frmmenu(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmmenu"));
    setWindowTitle(QStringLiteral("KvLocalizador"));
    setWindowIcon(IconoMenu(QStringLiteral("aplicacion")));
    setStyleSheet(QStringLiteral(
        "frmmenu { background: #eef2f6; }"
        "QFrame#banda { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #173f63, stop:1 #2a6f97); }"
        "QFrame#banda > QLabel#lbltitulo { color: white; font-size: 26pt; font-weight: bold; }"
        "QFrame#banda > QLabel#lblcliente { color: #d8ecf7; font-size: 15pt; }"
        "frmmenu > QFrame#Line1 { background: #2a6f97; }"
        "frmmenu > QToolButton { background: white; border: 1px solid #c3ced8; border-radius: 10px; padding: 6px 14px;"
        "  font-size: 14pt; color: #1f3b53; text-align: left; }"
        "frmmenu > QToolButton:hover { background: #e3f1fa; border-color: #2e9cca; }"
        "frmmenu > QToolButton:focus { border: 2px solid #2e9cca; }"
        "frmmenu > QToolButton:pressed { background: #cfe6f4; }"
        "frmmenu > QToolButton:disabled { color: #9aa3ad; background: #f4f6f8; }"
        "frmmenu > QToolButton#btnsalir { border-radius: 24px; padding: 4px; }"
        "QFrame#pnlclave { background: white; border: 1px solid #c3ced8; border-radius: 12px; }"
        "QFrame#pnlclave > QLabel { border: none; color: #1f3b53; font-size: 12pt; }"
        "QFrame#pnlclave > QLabel#Label5 { font-size: 15pt; font-weight: bold; color: #173f63; }"
        "QFrame#pnlclave > QLabel#lblnombretitular { font-weight: bold; }"
        "QFrame#pnlclave > QLabel#lblmsgacceso { color: #c0392b; font-weight: bold; }"
        "QFrame#pnlclave > QLineEdit#txtclave { font-size: 13pt; padding: 4px; border: 1px solid #9fb3c4; border-radius: 5px; }"
        "QFrame#pnlclave > QPushButton#Command1 { font-size: 12pt; padding: 5px 18px; background: #2a6f97; color: white;"
        "  border: none; border-radius: 5px; }"
        "QFrame#pnlclave > QPushButton#Command1:focus { background: #173f63; }"
        "frmmenu > QLabel#lblempresa { color: #6b7b8a; font-size: 10pt; }"));

    banda = new QFrame(this);
    banda->setObjectName(QStringLiteral("banda"));
    lbltitulo = EtiquetaNombrada(banda, "lbltitulo", QStringLiteral("KvLocalizador"));
    lblcliente = EtiquetaNombrada(banda, "lblcliente", QString());
    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFixedHeight(2);

    btnbajardatos = botonMenu(this, "btnbajardatos", QStringLiteral("Bajar Datos"), QStringLiteral("bajardatos"));
    btndiferido = botonMenu(this, "btndiferido", QStringLiteral("Seguimiento Diferido"), QStringLiteral("diferido"));
    btnestadisticas = botonMenu(this, "btnestadisticas", QStringLiteral("Estadísticas"), QStringLiteral("estadisticas"));
    btnadministrar = botonMenu(this, "btnadministrar", QStringLiteral("Administrar Datos"), QStringLiteral("administrar"));
    btnconfigurarzonas = botonMenu(this, "btnconfigurarzonas", QStringLiteral("Configurar Zonas"), QStringLiteral("zonas"));
    btntiemporeal = botonMenu(this, "btntiemporeal", QStringLiteral("Seguimiento Tiempo Real"), QStringLiteral("tiemporeal"));
    btnsalir = botonMenu(this, "btnsalir", QString(), QStringLiteral("salir"));
    btnsalir->setAccessibleName(QStringLiteral("Salir"));
    btnsalir->setToolTip(QStringLiteral("Salir"));
    btnsalir->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (QToolButton *b : Botones())
        b->hide();

    pnlclave = new QFrame(this);
    pnlclave->setObjectName(QStringLiteral("pnlclave"));
    Label5 = EtiquetaNombrada(pnlclave, "Label5", QStringLiteral("Autenticación de Usuario"));
    Label6 = EtiquetaNombrada(pnlclave, "Label6", QStringLiteral("Titular"));
    lblnombretitular = EtiquetaNombrada(pnlclave, "lblnombretitular", QString());
    Label7 = EtiquetaNombrada(pnlclave, "Label7", QStringLiteral("Clave de Acceso:"));
    txtclave = new QLineEdit(pnlclave);
    txtclave->setObjectName(QStringLiteral("txtclave"));
    txtclave->setEchoMode(QLineEdit::Password);
    txtclave->setAccessibleName(Label7->text());
    Label7->setBuddy(txtclave);
    Command1 = new QPushButton(QStringLiteral("Seguir"), pnlclave);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAccessibleName(QStringLiteral("Seguir"));
    Command1->setAutoDefault(false);
    Command1->setDefault(false);
    lblmsgacceso = EtiquetaNombrada(pnlclave, "lblmsgacceso", QString());
    pnlclave->hide();
    lblnombretitular->setAccessibleName(Label6->text());

    lblempresa = EtiquetaNombrada(this, "lblempresa", QStringLiteral("VARDEN · Localización GPS de flotas"));
    setTabOrder(txtclave, Command1);

    SysTrayIcon1 = new QSystemTrayIcon(IconoMenu(QStringLiteral("aplicacion")), this);
    SysTrayIcon1->setObjectName(QStringLiteral("SysTrayIcon1"));
    SysTrayIcon1->setToolTip(QStringLiteral("KvLocalizador"));
    connect(SysTrayIcon1, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r == QSystemTrayIcon::Trigger || r == QSystemTrayIcon::DoubleClick)
            SysTrayIcon1_Click();
    });

    connect(Command1, &QPushButton::clicked, this, &frmmenu::Command1_Click);
    connect(txtclave, &QLineEdit::returnPressed, this, &frmmenu::Command1_Click);
    connect(btnsalir, &QToolButton::clicked, this, &QWidget::close);

    connect(btnbajardatos, &QToolButton::clicked, this, &frmmenu::abrirDescarga);
    connect(btndiferido, &QToolButton::clicked, this, &frmmenu::Abrir<frmdiferido>);
    connect(btnestadisticas, &QToolButton::clicked, this, &frmmenu::Abrir<frmestadisticas>);
    connect(btnadministrar, &QToolButton::clicked, this, &frmmenu::Abrir<frmmantenimiento>);
    connect(btnconfigurarzonas, &QToolButton::clicked, this, &frmmenu::Abrir<frmrejillazonas>);
    connect(btntiemporeal, &QToolButton::clicked, this, &frmmenu::Abrir<frmtiemporeal>);
    resize(1280, 800);
}

frmmenu::~frmmenu()
{
    SysTrayIcon1->hide();
}

QList<QToolButton *> frmmenu::Botones() const
{
    return {btnbajardatos, btndiferido, btnestadisticas, btnadministrar, btnconfigurarzonas, btntiemporeal};
}

template <class Ventana> void frmmenu::Abrir()
{
    if (abriendo)
        return;
    abriendo = true;
    {
        Ventana ventana(this);
        ventana.exec();
    }
    abriendo = false;
}

void frmmenu::abrirDescarga()
{
    if (abriendo)
        return;
    abriendo = true;
    {
        frmdownload ventana(this);
        ventana.frmmenu = this;
        ventanaDescarga = &ventana;
        ventana.exec();
    }
    abriendo = false;
}

bool frmmenu::Cargar()
{
    estado = Estado::Cargando;
    if (QSystemTrayIcon::isSystemTrayAvailable())
        SysTrayIcon1->show();
    lblcliente->clear();
    Distribuir();
    repaint();

    if (!ConectarBases()) {
        Terminar();
        return false;
    }
    switch (IdentificarTitular()) {
    case ResultadoIdentificacion::Bien:
        lblcliente->setText(Module1::NombreTitular);
        lblnombretitular->setText(Module1::NombreTitular);
        estado = Estado::EsperandoClave;
        pnlclave->show();
        break;
    case ResultadoIdentificacion::Atascado:
        Atascar();
        break;
    case ResultadoIdentificacion::Salir:
        Terminar();
        return false;
    }
    return true;
}

void frmmenu::Terminar()
{
    estado = Estado::Terminado;
    SysTrayIcon1->hide();
    close();
}

void frmmenu::Atascar()
{
    estado = Estado::Atascado;
    pnlclave->hide();
    for (QToolButton *b : Botones())
        b->hide();
}

void frmmenu::Command1_Click()
{
    if (Module1::ClaveAcceso.toUpper().isEmpty()) {
        MsgBox(QStringLiteral("No se le ha proporcionado clave de acceso.Hable con el administrador!"), vb::vbInformation,
               QString());
        return;
    }
    if (txtclave->text().toUpper() == Module1::ClaveAcceso.toUpper()) {
        pnlclave->hide();
        estado = Estado::Menu;
        MostrarBotones();
        btnbajardatos->setFocus();
    } else {
        lblmsgacceso->setText(QStringLiteral("Clave de Acceso incorrecto"));
        txtclave->selectAll();
        txtclave->setFocus();
    }
}

void frmmenu::MostrarBotones()
{
    for (QToolButton *b : Botones())
        b->show();
}

void frmmenu::SysTrayIcon1_Click()
{
    if (!isMinimized())
        return;
    showMaximized();
    if (ventanaDescarga)
        ventanaDescarga->showNormal();
}

void frmmenu::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (!PrimeraActivacion) {
        PrimeraActivacion = true;
        if (pnlclave->isVisible())
            txtclave->setFocus();
    }
}

void frmmenu::changeEvent(QEvent *e)
{
    QWidget::changeEvent(e);
    // Whenever the window comes back from the task bar it is maximized again.
    if (e->type() == QEvent::WindowStateChange && windowState() == Qt::WindowNoState && PrimeraActivacion &&
        static_cast<QWindowStateChangeEvent *>(e)->oldState() & Qt::WindowMinimized)
        QTimer::singleShot(0, this, [this] { setWindowState(Qt::WindowMaximized); });
}

void frmmenu::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    Distribuir();
}

// Places everything for the window's size (twips converted once here).
void frmmenu::Distribuir()
{
    const int ancho = width(), alto = height();
    auto tx = [](int twips) { return TwipsAPixelesX(twips); };
    auto ty = [](int twips) { return TwipsAPixelesY(twips); };

    banda->setGeometry(0, 0, ancho, ty(1500));
    lbltitulo->setGeometry(tx(600), ty(180), ancho - tx(1200), ty(700));
    lblcliente->setGeometry(tx(600), ty(850), ancho - tx(3000), ty(500));
    // The line runs from its left end to the mirror point at the right.
    const int izquierda = tx(600);
    Line1->setGeometry(izquierda, ty(1560), ancho - 2 * izquierda, 2);

    const QSize boton(tx(5600), ty(900));
    const int paso = boton.height() + ty(220);
    const int inicio = qMax(ty(1900), (alto - 6 * paso) / 2);
    int i = 0;
    for (QToolButton *b : Botones()) {
        b->setIconSize(QSize(boton.height() - 16, boton.height() - 16));
        b->setGeometry(ancho / 2 - boton.width() / 2, inicio + i++ * paso, boton.width(), boton.height());
    }
    const int lado = ty(800);
    btnsalir->setIconSize(QSize(lado - 14, lado - 14));
    btnsalir->setGeometry(ancho - lado - tx(600), ty(1500) + ty(250), lado, lado);

    const QSize panel(tx(7200), ty(3900));
    pnlclave->setGeometry(ancho / 2 - panel.width() / 2, alto / 2 - panel.height() / 2, panel.width(), panel.height());
    const int m = tx(400), w = panel.width() - 2 * m;
    Label5->setGeometry(m, ty(250), w, ty(450));
    Label6->setGeometry(m, ty(900), tx(1700), ty(350));
    lblnombretitular->setGeometry(m + tx(1700), ty(900), w - tx(1700), ty(350));
    Label7->setGeometry(m, ty(1550), tx(2200), ty(380));
    txtclave->setGeometry(m + tx(2200), ty(1500), w - tx(2200), ty(460));
    Command1->setGeometry(panel.width() - m - tx(1600), ty(2300), tx(1600), ty(480));
    lblmsgacceso->setGeometry(m, ty(3050), w, ty(400));

    lblempresa->setGeometry(tx(600), alto - ty(1200), ancho - tx(1200), ty(400));
}
