#include "frmnuevazona.h"
#include "frmrejillazonas.h"
#include "edicionzona.h"

#include "puentemapa.h"

#include "controles.h"
#include "dialogos.h"
#include "entorno.h"
#include "module1.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {
QPixmap dibujoMapa(int lado)
{
    QPixmap pm(lado, lado);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(lado / 64.0, lado / 64.0);
    p.setPen(QPen(QColor(0x2a, 0x6f, 0x97), 3));
    p.setBrush(QColor(0xe3, 0xf1, 0xfa));
    p.drawPolygon(QPolygonF({QPointF(6, 14), QPointF(24, 8), QPointF(40, 14), QPointF(58, 8), QPointF(58, 52),
                             QPointF(40, 58), QPointF(24, 52), QPointF(6, 58)}));
    p.drawLine(QPointF(24, 8), QPointF(24, 52));
    p.drawLine(QPointF(40, 14), QPointF(40, 58));
    p.setBrush(QColor(0xd9, 0x4f, 0x3d));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(32, 28), 8, 8);
    p.drawPolygon(QPolygonF({QPointF(25, 31), QPointF(39, 31), QPointF(32, 46)}));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(32, 28), 3, 3);
    return pm;
}

}

frmnuevazona::frmnuevazona(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmnuevazona"));
    setWindowTitle(QStringLiteral("Zonas"));
    setWindowModality(Qt::ApplicationModal);
    setStyleSheet(QStringLiteral(
        "QFrame#frminicio { background: #eef2f6; }"
        "QLabel#lblaccion { font-size: 13pt; color: #173f63; }"
        "QLabel#Label1 { font-size: 11pt; color: #6b7b8a; }"
        "QLabel#pnlzonas { font-size: 14pt; font-weight: bold; color: white; background: #2a6f97; padding: 6px 10px; }"
        "QFrame#panelprincipal { background: #f4f6f8; border-top: 1px solid #c3ced8; }"));

    pnlzonas = EtiquetaNombrada(this, "pnlzonas", QStringLiteral("Sus Zonas"));
    WebBrowser1 = new QWebEngineView(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setAccessibleName(QStringLiteral("Mapa de zonas"));
    puente = new PuenteMapa(WebBrowser1);

    frminicio = new QFrame(this);
    frminicio->setObjectName(QStringLiteral("frminicio"));
    Picture1 = EtiquetaNombrada(frminicio, "Picture1", QString());
    Picture1->setPixmap(dibujoMapa(96));
    Picture1->setAlignment(Qt::AlignCenter);
    lblaccion = EtiquetaNombrada(frminicio, "lblaccion", QStringLiteral("Conectando con Google Map"));
    lblaccion->setAlignment(Qt::AlignCenter);
    Label1 = EtiquetaNombrada(frminicio, "Label1", QStringLiteral("Iniciando... Un momento por favor!"));
    Label1->setAlignment(Qt::AlignCenter);
    auto *inicio = new QVBoxLayout(frminicio);
    inicio->addStretch(1);
    inicio->addWidget(Picture1);
    inicio->addWidget(lblaccion);
    inicio->addWidget(Label1);
    inicio->addStretch(1);

    panelprincipal = new QFrame(this);
    panelprincipal->setObjectName(QStringLiteral("panelprincipal"));
    lblzona = EtiquetaNombrada(panelprincipal, "lblzona", QStringLiteral("Descripción Zona"));
    txtzona = new QLineEdit(panelprincipal);
    txtzona->setObjectName(QStringLiteral("txtzona"));
    txtzona->setAccessibleName(lblzona->text());
    lblzona->setBuddy(txtzona);
    txtzona->installEventFilter(this);
    btnasignarzona = new QPushButton(QStringLiteral("Asignar Zona"), panelprincipal);
    btnasignarzona->setObjectName(QStringLiteral("btnasignarzona"));
    Command1 = new QPushButton(QStringLiteral("Salir"), panelprincipal);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("Salir"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    for (QPushButton *b : {btnasignarzona, Command1, Command2}) {
        b->setAutoDefault(false);
        b->setAccessibleName(b->text());
    }
    auto *barra = new QHBoxLayout(panelprincipal);
    barra->addWidget(lblzona);
    barra->addWidget(txtzona, 1);
    barra->addWidget(btnasignarzona);
    barra->addWidget(Command1);

    auto *cabecera = new QHBoxLayout;
    cabecera->addWidget(pnlzonas, 1);
    cabecera->addWidget(Command2);
    auto *mapa = new QGridLayout;
    mapa->addWidget(WebBrowser1, 0, 0);
    mapa->addWidget(frminicio, 0, 0);  // covers the map while it loads
    auto *principal = new QVBoxLayout(this);
    principal->setContentsMargins(0, 0, 0, 0);
    principal->setSpacing(0);
    principal->addLayout(cabecera);
    principal->addLayout(mapa, 1);
    principal->addWidget(panelprincipal);
    frminicio->raise();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setSingleShot(true);
    Timer2->setInterval(8000);
    connect(Timer1, &QTimer::timeout, this, &frmnuevazona::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &frmnuevazona::Timer2_Timer);
    connect(btnasignarzona, &QPushButton::clicked, this, &frmnuevazona::btnasignarzona_Click);
    connect(Command1, &QPushButton::clicked, this, &QDialog::close);
    connect(Command2, &QPushButton::clicked, this, &QDialog::close);
    connect(puente, &PuenteMapa::DocumentoCompleto, this, [this](bool) {
        // Only the first completed document starts the timers.
        if (PaginaLista == 0) {
            Timer1->setInterval(5000);
            Timer1->start();
            PaginaLista = 1;
        }
    });

    // The page announces each change of the vertex list in its title; the area shown under the map
    // is computed here, as the list's is.
    connect(puente->Pagina(), &QWebEnginePage::titleChanged, this, [this](const QString &titulo) {
        if (!titulo.startsWith(QStringLiteral("vertices|")))
            return;
        puente->LeerCampoFormulario(QStringLiteral("Coordenadas"), this, [this](const QString &coordenadas) {
            puente->Ejecutar(EdicionZona::MostrarArea(coordenadas));
        });
    });

    if (QScreen *s = QGuiApplication::primaryScreen())
        resize(s->availableGeometry().size() * 0.85);
    // The page opens before the first show: a web view first made on screen recreates the
    // window, which then loses its modal state under the window manager.
    puente->AbrirPagina(QStringLiteral("zonas.html"));
}

frmnuevazona::~frmnuevazona() { PunteroRaton(vb::vbCustom); }

void frmnuevazona::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!activada) {
        activada = true;
        if (SoloVer) {
            PunteroRaton(vb::vbHourglass);
            lblzona->hide();
            txtzona->hide();
            frminicio->hide();
            panelprincipal->hide();
            pnlzonas->setText(QStringLiteral("Cargando Zonas..."));
        }
        Activar();
    }
}

void frmnuevazona::Activar()
{
    if (EsteFrm && EsteFrm->Adodc1) {
        const int fila = EsteFrm->FilaActual();
        txtzona->setText(EsteFrm->Adodc1->data(EsteFrm->Adodc1->index(fila, 1), Qt::DisplayRole).toString());
    }
    PunteroRaton(vb::vbHourglass);
    if (SoloVer)
        btnasignarzona->hide();
    lblaccion->setText(QStringLiteral("Cargando Entorno de Mapas "));
    PunteroRaton(vb::vbCustom);
}

void frmnuevazona::Enviar(const QString &sentencia)
{
    enviadas << sentencia;
    puente->Ejecutar(sentencia, QStringLiteral("JavaScript"));
}

void frmnuevazona::Timer1_Timer()
{
    const QString ciudad = EsteFrm ? EsteFrm->ElCodigoPostal : QString();
    lblaccion->setText(QStringLiteral("GeoLocalizando Mapa  <") + ciudad + '>');
    Timer1->stop();
    Enviar(EdicionZona::Geolocalizar(ciudad));
    Timer2->start();
}

void frmnuevazona::Timer2_Timer()
{
    Timer2->stop();
    if (!SoloVer) {
        DibujarZonas();
        Enviar(QStringLiteral("permitiredicion();"));
        frminicio->hide();
    } else {
        lblzona->hide();
        txtzona->hide();
        puente->VaciarElemento(QStringLiteral("leyenda"));
        DibujarZonas();
        frminicio->hide();
        panelprincipal->hide();
        PunteroRaton(vb::vbCustom);
        pnlzonas->setText(QStringLiteral("Zonas de ") + (EsteFrm ? EsteFrm->txtciudad->text() : QString()));
    }
}

void frmnuevazona::DibujarZonas()
{
    if (!EsteFrm || EsteFrm->Adodc1->RecordCount() == 0)
        return;
    ControlDatosZonas *rs = EsteFrm->Adodc1;
    lblaccion->setText(QStringLiteral("Dibujando Zonas"));
    rs->MoveLast();
    rs->MoveFirst();
    QList<EdicionZona::Zona> zonas;
    for (; !rs->Eof(); rs->MoveNext())
        zonas.append({rs->Fields(QStringLiteral("Descripcion Zona")).toString(),
                      rs->Fields(QStringLiteral("Coor Geo")).toString(), rs->Fields(QStringLiteral("Area")).toString()});
    // The record under edit is the one the list stood on, not any record of that name.
    const EdicionZona::Dibujo dibujo = EdicionZona::Dibujar(zonas, ZonaEdicion.isEmpty() ? -1 : EsteFrm->BookmarkZona);
    if (dibujo.zonaEditada)
        txtzona->setEnabled(false);
    for (const QString &sentencia : dibujo.sentencias)
        Enviar(sentencia);
}

void frmnuevazona::btnasignarzona_Click()
{
    // The page answers asynchronously: the button waits for the read. The area is that of the
    // vertices read, computed as the page's status shows it.
    btnasignarzona->setEnabled(false);
    puente->LeerCampoFormulario(QStringLiteral("Coordenadas"), this, [this](const QString &coordenadas) {
        btnasignarzona->setEnabled(true);
        Guardar(coordenadas, EdicionZona::AreaGuardada(coordenadas));
    });
}

void frmnuevazona::Guardar(const QString &coordenadas, const QString &area)
{
    auto rechazar = [this](const QString &texto) {
        MsgBox(texto, vb::vbExclamation, QString());
        Q_EMIT GuardadoTerminado(false);
    };
    const QString rechazo = EdicionZona::Rechazo(coordenadas, !ZonaEdicion.isEmpty(), txtzona->text());
    if (!rechazo.isEmpty())
        return rechazar(rechazo);
    if (!EsteFrm)
        return;
    ControlDatosZonas *rs = EsteFrm->Adodc1;
    if (!ZonaEdicion.isEmpty())
        rs->SetBookmark(EsteFrm->BookmarkZona);
    else
        rs->AddNew();
    rs->SetField(0, Module1::CodigoTitular);
    rs->SetField(1, txtzona->text());
    rs->SetField(2, coordenadas);
    rs->SetField(3, area);
    if (!rs->Update())
        return rechazar(QStringLiteral("No se ha podido guardar la zona: ") + rs->UltimoError());
    Q_EMIT GuardadoTerminado(true);
    accept();
}

bool frmnuevazona::eventFilter(QObject *o, QEvent *e)
{
    if (o == txtzona && (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut))
        txtzona->setStyleSheet(e->type() == QEvent::FocusIn ? QStringLiteral("background: #ffff00;")
                                                             : QStringLiteral("background: #ffffff;"));
    return QDialog::eventFilter(o, e);
}
