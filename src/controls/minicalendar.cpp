#include "minicalendar.h"

#include "contorno.h"
#include "disposicion.h"
#include "entorno.h"
#include "mescalendario.h"
#include "regional.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

namespace {
const char *const kSemana[7] = {"Lun", "Mar", "Mier", "Jue", "Vie", "Sab", "Dom"};

int leerEntero(const QVariantMap &m, const char *clave)
{
    return m.value(QString::fromUtf8(clave)).toInt();
}
}

MiniCalendar::MiniCalendar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MiniCalendar"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Calendario"));
    setAutoFillBackground(false);

    lblmes = new QLabel(this);
    lblmes->setObjectName(QStringLiteral("lblmes"));
    lblmes->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblanio = new QLabel(this);
    lblanio->setObjectName(QString::fromUtf8("lblaño"));
    lblanio->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (QLabel *l : {lblmes, lblanio}) {
        l->setTextFormat(Qt::PlainText);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    for (int i = 0; i < 7; ++i) {
        auto *l = new QLabel(QString::fromUtf8(kSemana[i]), this);
        l->setObjectName(QStringLiteral("lblsemana(%1)").arg(i));
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(Qt::AlignCenter);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, i == 5 ? ColorDesdeVB(ColoresVB::Naranja)
                                         : i == 6 ? ColorDesdeVB(ColoresVB::Rojo)
                                                  : QColor(70, 70, 70));
        l->setPalette(p);
        lblsemana[size_t(i)] = l;
    }
    auto boton = [this](const char *nombre, const QString &flecha, const QString &texto) {
        auto *b = new QToolButton(this);
        b->setObjectName(QString::fromUtf8(nombre));
        b->setText(flecha);
        b->setToolTip(texto);
        b->setAccessibleName(texto);
        b->setAutoRaise(true);
        return b;
    };
    XPButton1 = boton("XPButton1", QString::fromUtf8("«"), QString::fromUtf8("Año anterior"));
    XPButton2 = boton("XPButton2", QString::fromUtf8("»"), QString::fromUtf8("Año siguiente"));
    btnmenosanio = boton("btnmenosaño", QString::fromUtf8("‹"), QStringLiteral("Mes anterior"));
    btnmasanio = boton("btnmasaño", QString::fromUtf8("›"), QStringLiteral("Mes siguiente"));
    connect(btnmasanio, &QToolButton::clicked, this, [this] {
        int a = m_Anio, m = m_Mes;
        MesCalendario::MesSiguiente(a, m);
        navegar(a, m, true);
    });
    connect(btnmenosanio, &QToolButton::clicked, this, [this] {
        int a = m_Anio, m = m_Mes;
        MesCalendario::MesAnterior(a, m);
        navegar(a, m, true);
    });
    connect(XPButton2, &QToolButton::clicked, this,
            [this] { navegar(MesCalendario::LimitarAnio(m_Anio + 1), m_Mes, true); });
    connect(XPButton1, &QToolButton::clicked, this,
            [this] { navegar(MesCalendario::LimitarAnio(m_Anio - 1), m_Mes, false); });
    CursorHoy = new Contorno(QStringLiteral("CursorHoy"), QColor(20, 60, 170), 2, this);

    const QDate hoy = QDate::currentDate();
    m_Anio = hoy.year();
    m_Mes = hoy.month();
    m_Dia = hoy.day();
    m_FechaActual = hoy;
    disponer();
    ResetCalendario();
}

QSize MiniCalendar::sizeHint() const { return QSize(TwipsAPixelesX(3200), TwipsAPixelesY(2700)); }

void MiniCalendar::setAnio(int v)
{
    m_Anio = MesCalendario::LimitarAnio(v);
    ResetCalendario();
}

void MiniCalendar::setMes(int v)
{
    m_Mes = MesCalendario::LimitarMes(v);
    ResetCalendario();
}

void MiniCalendar::setDia(int v)
{
    m_Dia = std::clamp(v, 0, 31);
    ResetCalendario();
}

void MiniCalendar::setFechaActual(const QDate &fecha)
{
    if (!fecha.isValid() || fecha.year() != MesCalendario::LimitarAnio(fecha.year()))
        return;
    m_FechaActual = fecha;
    m_Dia = fecha.day();
    m_Mes = fecha.month();
    m_Anio = fecha.year();
    ResetCalendario();
}

QVariantMap MiniCalendar::GuardarPropiedades() const
{
    QVariantMap m;
    m.insert(QStringLiteral("BackColor"), QVariant::fromValue(m_BackColor));
    m.insert(QString::fromUtf8("Año"), m_Anio);
    m.insert(QStringLiteral("Mes"), m_Mes);
    m.insert(QStringLiteral("Dia"), m_Dia);
    m.insert(QStringLiteral("FechaActual"), m_FechaActual);
    return m;
}

void MiniCalendar::LeerPropiedades(const QVariantMap &m)
{
    m_BackColor = ColorVB(quint64(m.value(QStringLiteral("BackColor")).toLongLong()) & 0xFFFFFFFFu);
    QDate fecha = m.value(QStringLiteral("FechaActual")).toDate();
    if (!fecha.isValid() || fecha.year() != MesCalendario::LimitarAnio(fecha.year()))
        fecha = QDate::currentDate();
    m_FechaActual = fecha;
    const int anio = leerEntero(m, "Año"), mes = leerEntero(m, "Mes");
    m_Anio = anio == 0 ? fecha.year() : MesCalendario::LimitarAnio(anio);
    m_Mes = mes == 0 ? fecha.month() : MesCalendario::LimitarMes(mes);
    m_Dia = std::clamp(leerEntero(m, "Dia"), 0, 31);
    ResetCalendario();
}

void MiniCalendar::ResetCalendario()
{
    celdas = DibujarMesMini(m_Anio, m_Mes);
    lblanio->setText(QString::number(m_Anio));
    lblmes->setText(Regional::NombreMes(m_Mes));
    const int sel = MesCalendario::IndiceDia(m_Anio, m_Mes, m_Dia);
    if (sel >= 0) {
        CursorHoy->setGeometry(rectangulos[size_t(sel)].toAlignedRect());
        CursorHoy->show();
    } else {
        CursorHoy->hide();
    }
    if (sel >= 0)
        celdaFoco = sel;
    else if (celdaFoco < 0 || !celdas[size_t(celdaFoco)].enMes)
        celdaFoco = MesCalendario::IndiceDia(m_Anio, m_Mes, 1);
    setAccessibleDescription(Regional::FechaLarga(m_FechaActual));
    update();
}

void MiniCalendar::navegar(int anio, int mes, bool ocultarCursor)
{
    m_Anio = anio;
    m_Mes = mes;
    celdaFoco = -1;
    ResetCalendario();
    if (ocultarCursor)
        CursorHoy->hide();
}

void MiniCalendar::disponer()
{
    const DisposicionMiniCalendar t = CalcularDisposicionMiniCalendar(PixelesATwips(QSizeF(size())));
    lblmes->setGeometry(TwipsAPixeles(t.lblmes).toAlignedRect());
    // The month name ends just left of the centre, the year starts just right of it.
    lblmes->setContentsMargins(0, 0, width() - width() / 2 + TwipsAPixelesX(30), 0);
    lblanio->setGeometry(TwipsAPixeles(t.lblanio).toAlignedRect());
    for (size_t i = 0; i < 7; ++i)
        lblsemana[i]->setGeometry(TwipsAPixeles(t.lblsemana[i]).toAlignedRect());
    for (size_t i = 0; i < 42; ++i)
        rectangulos[i] = TwipsAPixeles(t.celda[i]);
    btnmenosanio->setGeometry(TwipsAPixeles(t.btnmenosanio).toAlignedRect());
    btnmasanio->setGeometry(TwipsAPixeles(t.btnmasanio).toAlignedRect());
    XPButton1->setGeometry(TwipsAPixeles(t.XPButton1).toAlignedRect());
    XPButton2->setGeometry(TwipsAPixeles(t.XPButton2).toAlignedRect());
    const int sel = MesCalendario::IndiceDia(m_Anio, m_Mes, m_Dia);
    if (sel >= 0)
        CursorHoy->setGeometry(rectangulos[size_t(sel)].toAlignedRect());
    update();
}

void MiniCalendar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Base));
    p.setRenderHint(QPainter::TextAntialiasing);
    // A thin rule under the weekday names.
    if (!rectangulos[0].isEmpty()) {
        p.setPen(QPen(QColor(190, 190, 190), 0));
        const int y = int(rectangulos[0].top()) - 2;
        p.drawLine(0, y, width(), y);
    }
    QFont f = font();
    const double alto = rectangulos[0].height();
    if (f.pixelSize() > 0 ? f.pixelSize() > alto * 0.7 : QFontMetricsF(f).height() > alto * 0.9)
        f.setPixelSize(qMax(7, int(alto * 0.7)));
    p.setFont(f);
    for (size_t i = 0; i < 42; ++i) {
        p.setPen(ColorDesdeVB(celdas[i].color));
        // The leading blank of the text is kept; the number is centred in its cell.
        p.drawText(rectangulos[i], Qt::AlignCenter, celdas[i].texto.trimmed());
    }
    if (hasFocus() && celdaFoco >= 0) {
        p.setPen(QPen(QColor(40, 40, 40), 1, Qt::DotLine));
        p.drawRect(rectangulos[size_t(celdaFoco)].adjusted(3, 3, -4, -4));
    }
}

void MiniCalendar::resizeEvent(QResizeEvent *) { disponer(); }

void MiniCalendar::showEvent(QShowEvent *)
{
    disponer();
    ResetCalendario();
}

QRect MiniCalendar::RectanguloCelda(int i) const
{
    return i >= 0 && i < 42 ? rectangulos[size_t(i)].toAlignedRect() : QRect();
}

int MiniCalendar::CeldaEn(const QPoint &pos) const
{
    for (int i = 0; i < 42; ++i)
        if (rectangulos[size_t(i)].contains(pos))
            return i;
    return -1;
}

void MiniCalendar::pulsarCelda(int indice)
{
    if (indice < 0 || indice >= 42 || !celdas[size_t(indice)].enMes)
        return;
    const CeldaMini &c = celdas[size_t(indice)];
    m_Dia = c.fecha.day();
    m_FechaActual = c.fecha;
    celdaFoco = indice;
    CursorHoy->setGeometry(rectangulos[size_t(indice)].toAlignedRect());
    CursorHoy->show();
    setAccessibleDescription(Regional::FechaLarga(m_FechaActual));
    update();
    Q_EMIT Click();
}

void MiniCalendar::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        pulsarCelda(CeldaEn(e->position().toPoint()));
}

void MiniCalendar::keyPressEvent(QKeyEvent *e)
{
    int paso = 0;
    switch (e->key()) {
    case Qt::Key_Left: paso = -1; break;
    case Qt::Key_Right: paso = 1; break;
    case Qt::Key_Up: paso = -7; break;
    case Qt::Key_Down: paso = 7; break;
    case Qt::Key_PageUp: btnmenosanio->click(); return;
    case Qt::Key_PageDown: btnmasanio->click(); return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: pulsarCelda(celdaFoco); return;
    default: QWidget::keyPressEvent(e); return;
    }
    const int destino = celdaFoco + paso;
    if (destino >= 0 && destino < 42 && celdas[size_t(destino)].enMes) {
        celdaFoco = destino;
        update();
    }
}
