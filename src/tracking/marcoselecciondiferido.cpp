#include "marcoselecciondiferido.h"

#include "ajustesdiferido.h"
#include "consultasdiferido.h"
#include "controles.h"
#include "dialogos.h"
#include "entorno.h"
#include "kvcalen.h"
#include "module1.h"
#include "regional.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QToolTip>

using namespace ConsultasDiferido;
using Module1::BaseLocal;

namespace {
constexpr ColorVB ColorBase = 12648447;     // &HC0FFFF
constexpr ColorVB ColorMarcado = 16701389;  // &HFED7CD
constexpr int DiasCalendario = 3500;
}

MarcoSeleccionDiferido::MarcoSeleccionDiferido(QWidget *padre)
    : QGroupBox(QStringLiteral("Seguimiento Diferido (a Quien?)"), padre)
{
    setObjectName(QStringLiteral("frmdiferido"));
    auto *g = new QGridLayout(this);
    g->setHorizontalSpacing(TwipsAPixelesX(120));
    g->setVerticalSpacing(TwipsAPixelesY(90));

    lblcliente = EtiquetaNombrada(this, "lblcliente", QString());
    lblcliente->setAccessibleName(QStringLiteral("Titular"));
    QFont f = lblcliente->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.2);
    lblcliente->setFont(f);
    g->addWidget(lblcliente, 0, 0, 1, 4);

    auto *lblLocalizadores = EtiquetaNombrada(this, "", QStringLiteral("&Localizadores:"));
    lblLocalizadores->setTextFormat(Qt::AutoText);
    lbldiferido = ControlRotulado<QListWidget>(this, "lbldiferido", lblLocalizadores);
    g->addWidget(lblLocalizadores, 1, 0, 1, 2);
    g->addWidget(lbldiferido, 2, 0, 1, 2);

    auto *lblDias = EtiquetaNombrada(this, "", QStringLiteral("Días registrados:"));
    KVCalen1 = new KVCalen(this);
    KVCalen1->setObjectName(QStringLiteral("KVCalen1"));
    KVCalen1->setAccessibleName(QStringLiteral("Días registrados"));
    KVCalen1->setMinimumSize(TwipsAPixelesX(5200), TwipsAPixelesY(3900));
    g->addWidget(lblDias, 1, 2, 1, 2);
    g->addWidget(KVCalen1, 2, 2, 1, 2);

    auto *l1 = EtiquetaNombrada(this, "", QStringLiteral("Fecha inicio:"));
    auto *l2 = EtiquetaNombrada(this, "", QStringLiteral("Hora inicio:"));
    auto *l3 = EtiquetaNombrada(this, "", QStringLiteral("Fecha fin:"));
    auto *l4 = EtiquetaNombrada(this, "", QStringLiteral("Hora fin:"));
    txtfechainicio = ControlRotulado<QLineEdit>(this, "txtfechainicio", l1);
    txthorainicio = ControlRotulado<QLineEdit>(this, "txthorainicio", l2);
    txtfechafin = ControlRotulado<QLineEdit>(this, "txtfechafin", l3);
    txthorafin = ControlRotulado<QLineEdit>(this, "txthorafin", l4);
    txthorafin->setToolTip(QStringLiteral("Doble clic: la hora actual"));
    g->addWidget(l1, 3, 0);
    g->addWidget(txtfechainicio, 3, 1);
    g->addWidget(l2, 3, 2);
    g->addWidget(txthorainicio, 3, 3);
    g->addWidget(l3, 4, 0);
    g->addWidget(txtfechafin, 4, 1);
    g->addWidget(l4, 4, 2);
    g->addWidget(txthorafin, 4, 3);

    auto *l5 = EtiquetaNombrada(this, "", QStringLiteral("Velocidad:"));
    auto *l6 = EtiquetaNombrada(this, "", QStringLiteral("Puntos Seguimiento"));
    cmbspeedinicial = ControlRotulado<QComboBox>(this, "cmbspeedinicial", l5);
    cmbspeedinicial->addItems(AjustesDiferido::EntradasVelocidad());
    cmbseguiminetoen = ControlRotulado<QComboBox>(this, "cmbseguiminetoen", l6);
    cmbseguiminetoen->addItems(AjustesDiferido::EntradasSeguimiento());
    g->addWidget(l5, 5, 0);
    g->addWidget(cmbspeedinicial, 5, 1);
    g->addWidget(l6, 5, 2);
    g->addWidget(cmbseguiminetoen, 5, 3);

    auto minutos = [this](const char *nombre, QLabel *rotulo, int valor, const QString &consejo) {
        auto *c = ControlRotulado<QSpinBox>(this, nombre, rotulo);
        c->setRange(1, 720);
        c->setValue(valor);
        c->setSuffix(QStringLiteral(" min"));
        c->setToolTip(consejo);
        return c;
    };
    auto *l7 = EtiquetaNombrada(this, "", QStringLiteral("Parada desde:"));
    auto *l8 = EtiquetaNombrada(this, "", QStringLiteral("Hueco desde:"));
    spnparada = minutos("spnparada", l7, 5, QStringLiteral("Una parada: a menos de 50 m, o a menos de 3 km/h, durante este tiempo"));
    spnhueco = minutos("spnhueco", l8, 10, QStringLiteral("Un hueco: sin posiciones durante este tiempo"));
    g->addWidget(l7, 6, 0);
    g->addWidget(spnparada, 6, 1);
    g->addWidget(l8, 6, 2);
    g->addWidget(spnhueco, 6, 3);

    sspanelcaption = EtiquetaNombrada(this, "sspanelcaption", QString());
    sspanelcaption->setAccessibleName(QStringLiteral("Resumen"));
    sspanelcaption->setFrameShape(QFrame::StyledPanel);
    sspanelcaption->setFrameShadow(QFrame::Sunken);
    sspanelcaption->setWordWrap(true);
    sspanelcaption->setMinimumHeight(TwipsAPixelesY(900));
    sspanelcaption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    sspanelcaption->setStyleSheet(QStringLiteral("QLabel#sspanelcaption { background: #fff8dc; padding: 4px; }"));
    g->addWidget(sspanelcaption, 7, 0, 1, 4);

    btninicia = new QToolButton(this);
    btninicia->setObjectName(QStringLiteral("btninicia"));
    btninicia->setText(QStringLiteral("Iniciar"));
    btninicia->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    btninicia->setIconSize(QSize(TwipsAPixelesX(360), TwipsAPixelesY(360)));
    btninicia->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    btninicia->setToolTip(QStringLiteral("Iniciar el seguimiento"));
    btninicia->setAccessibleName(QStringLiteral("Iniciar el seguimiento"));
    btninicia->setFocusPolicy(Qt::StrongFocus);
    Command5 = BotonNombrado(this, "Command5", QStringLiteral("Salir"));
    auto *botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(btninicia);
    botones->addWidget(Command5);
    g->addLayout(botones, 8, 0, 1, 4);
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
    setTabOrder(cmbseguiminetoen, spnparada);
    setTabOrder(spnparada, spnhueco);
    setTabOrder(spnhueco, btninicia);
    setTabOrder(btninicia, Command5);

    connect(lbldiferido, &QListWidget::currentRowChanged, this, [this](int) { lbldiferido_Click(); });
    connect(KVCalen1, &KVCalen::Click, this, &MarcoSeleccionDiferido::KVCalen1_Click);
    // Raised before the new month is drawn: its cells are known once it is.
    connect(KVCalen1, &KVCalen::CambiaMes, this, &MarcoSeleccionDiferido::PonerPosicionesDias, Qt::QueuedConnection);
    connect(KVCalen1, &KVCalen::CambiaAnio, this, &MarcoSeleccionDiferido::PonerPosicionesDias, Qt::QueuedConnection);
    txthorafin->installEventFilter(this);
    KVCalen1->installEventFilter(this);
}

void MarcoSeleccionDiferido::MeterLocalizadores()
{
    auto rs = BaseLocal().DevuelveRecordset(SqlLocalizadores());
    if (!rs)
        return;
    Nombres.Cargar();
    for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) {
        auto *item = new QListWidgetItem(Nombres.Mostrar(rs->Texto(0)), lbldiferido);
        item->setData(Qt::UserRole, rs->Texto(0));
    }
    lbldiferido->setCurrentRow(0);
}

QString MarcoSeleccionDiferido::DameImagenLocalizador(const QString &localizador)
{
    auto rs = BaseLocal().DevuelveRecordset(SqlIconoLocalizador(localizador));
    if (!rs || rs->FieldCount() < 2)
        return QString();
    return rs->Texto(1) + QStringLiteral(".png");
}

QString MarcoSeleccionDiferido::Localizador() const
{
    const QListWidgetItem *item = lbldiferido->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

void MarcoSeleccionDiferido::lbldiferido_Click()
{
    PreparaCalendario();
    iconoLocalizador = DameImagenLocalizador(Localizador());
}

void MarcoSeleccionDiferido::ReseteaCalendario()
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

void MarcoSeleccionDiferido::PreparaCalendario()
{
    txtfechafin->clear();
    txtfechainicio->clear();
    txthorainicio->clear();
    txthorafin->clear();
    for (auto it = posicionesDias.cbegin(); it != posicionesDias.cend(); ++it)
        KVCalen1->PonerTexto(it.key(), QString(), ObjetoCelda::EtiquetaDerecha, true);
    posicionesDias.clear();
    diasLeidos.clear();
    diasMarcados.clear();
    ReseteaCalendario();
    const QString localizador = Localizador();
    auto rs = BaseLocal().DevuelveRecordset(SqlDiasLocalizador(localizador));
    if (!rs)
        return;
    const DiasRegistrados dias = LeerDiasRegistrados(*rs);
    for (const QDate &d : dias.dias)
        KVCalen1->PonColorFondoCelda(d, ColorMarcado);
    diasMarcados = QSet<QDate>(dias.dias.cbegin(), dias.dias.cend());
    KVCalen1->Refresh();
    if (dias.ultimo.isValid()) {
        KVCalen1->setFechaActual(dias.ultimo);
        PonerPosicionesDias();
        KVCalen1_Click();
        sspanelcaption->setText(TextoResumen(Nombres.Mostrar(localizador), dias));
    }
}

void MarcoSeleccionDiferido::PonerPosicionesDias()
{
    QList<QDate> faltan;
    for (int i = 0; i < 42; ++i) {
        const QDate d = KVCalen1->Celda(i).fecha;
        if (diasMarcados.contains(d) && !diasLeidos.contains(d)) {
            faltan << d;
            diasLeidos.insert(d);
        }
    }
    if (faltan.isEmpty())
        return;
    auto rs = BaseLocal().DevuelveRecordset(PosicionesDias::SqlCuentas(Localizador(), faltan));
    if (!rs)
        return;
    const QHash<QDate, PosicionesDia> leidas = PosicionesDias::LeerCuentas(*rs);
    for (auto it = leidas.cbegin(); it != leidas.cend(); ++it) {
        posicionesDias.insert(it.key(), it.value());
        KVCalen1->PonerTexto(it.key(), PosicionesDias::TextoCelda(it->posiciones), ObjetoCelda::EtiquetaDerecha);
    }
    KVCalen1->Refresh();
}

QString MarcoSeleccionDiferido::ConsejoDia(const QDate &dia)
{
    const auto it = posicionesDias.find(dia);
    if (it == posicionesDias.end())
        return QString();
    if (!it->primera.isValid())
        if (auto rs = BaseLocal().DevuelveRecordset(PosicionesDias::SqlHoras(Localizador(), dia)))
            PosicionesDias::LeerHoras(*rs, *it);
    return PosicionesDias::TextoConsejo(*it);
}

QString MarcoSeleccionDiferido::dameHora(const QString &Fecha, bool ultima)
{
    const QString dia = ConvFecha1(Regional::LeerFecha(Fecha));
    if (dia.isEmpty())
        return QString();
    // Only the first row is read: the day's other rows are never used.
    auto rs = BaseLocal().DevuelvePrimerRegistro(SqlHoraDia(dia, ultima));
    if (!rs)
        return QString();
    const QTime t = Regional::LeerHora(rs->Texto(0));
    return t.isValid() ? Regional::HoraCorta(t) : QString();
}

QString MarcoSeleccionDiferido::DameHoraInicial(QString Fecha) { return dameHora(Fecha, false); }
QString MarcoSeleccionDiferido::DameHoraFinal(QString Fecha) { return dameHora(Fecha, true); }

void MarcoSeleccionDiferido::KVCalen1_Click()
{
    const QString dia = Regional::FechaCorta(KVCalen1->FechaActual());
    txtfechainicio->setText(dia);
    txtfechafin->setText(dia);
    txthorainicio->setText(DameHoraInicial(dia));
    txthorafin->setText(DameHoraFinal(dia));
}

bool MarcoSeleccionDiferido::eventFilter(QObject *o, QEvent *e)
{
    if (o == txthorafin && e->type() == QEvent::MouseButtonDblClick) {
        txthorafin->setText(Regional::HoraCorta(QTime::currentTime()));
        return true;
    }
    if (o == KVCalen1 && e->type() == QEvent::ToolTip) {
        const auto *h = static_cast<QHelpEvent *>(e);
        const int celda = KVCalen1->CeldaEn(h->pos());
        const QString texto = celda < 0 ? QString() : ConsejoDia(KVCalen1->Celda(celda).fecha);
        if (texto.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(h->globalPos(), texto, KVCalen1, KVCalen1->RectanguloCelda(celda));
        return true;
    }
    return QGroupBox::eventFilter(o, e);
}

bool MarcoSeleccionDiferido::ComprobarSeleccion()
{
    auto rechazar = [](const QString &texto, QLineEdit *foco) {
        MsgBox(texto, vb::vbExclamation, QString());
        if (foco)
            foco->setFocus();
        PunteroRaton(vb::vbCustom);
        return false;
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
    return true;
}

QString MarcoSeleccionDiferido::SqlRecorrido() const
{
    return ConsultasDiferido::SqlRecorrido(Localizador(), LimitePeriodo(txtfechainicio->text(), txthorainicio->text(), false),
                                           LimitePeriodo(txtfechafin->text(), txthorafin->text(), true));
}
