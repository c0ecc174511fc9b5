#include "minicalendar.h"

#include "contorno.h"
#include "disposicion.h"
#include "entorno.h"
#include "mescalendario.h"
#include "regional.h"

#include <QLabel>
#include <QPainter>
#include <QToolButton>

namespace {
const char *const kSemana[7] = {"Lun", "Mar", "Mier", "Jue", "Vie", "Sab", "Dom"};

int leerEntero(const QVariantMap &m, const char *clave)
{
    return m.value(QString::fromUtf8(clave)).toInt();
}
}

MiniCalendar::MiniCalendar(QWidget *parent) : RejillaMes(parent)
{
    setObjectName(QStringLiteral("MiniCalendar"));
    setAutoFillBackground(false);

    lblmes->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblanio->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (QLabel *l : {lblmes, lblanio}) {
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
        QToolButton *b = crearBoton(nombre, texto);
        b->setText(flecha);
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

    m_FechaActual = QDate::currentDate();
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
    ponerCaptions();
    const int sel = MesCalendario::IndiceDia(m_Anio, m_Mes, m_Dia);
    ponerContorno(CursorHoy, sel);
    if (sel >= 0)
        m_celdaFoco = sel;
    else if (DiaEnCelda(m_celdaFoco) == 0)
        m_celdaFoco = MesCalendario::IndiceDia(m_Anio, m_Mes, 1);
    setAccessibleDescription(Regional::FechaLarga(m_FechaActual));
    update();
}

void MiniCalendar::navegar(int anio, int mes, bool ocultarCursor)
{
    m_Anio = anio;
    m_Mes = mes;
    m_celdaFoco = -1;
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
    // A hidden outline stays hidden.
    const int sel = MesCalendario::IndiceDia(m_Anio, m_Mes, m_Dia);
    if (sel >= 0)
        CursorHoy->setGeometry(RectanguloCelda(sel));
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
    dibujarFoco(p, 3);
}

void MiniCalendar::enfocarDia(int dia)
{
    m_celdaFoco = MesCalendario::IndiceDia(m_Anio, m_Mes, dia);
    update();
}

void MiniCalendar::elegirDia(int dia)
{
    m_Dia = dia;
    m_FechaActual = QDate(m_Anio, m_Mes, dia);
    m_celdaFoco = MesCalendario::IndiceDia(m_Anio, m_Mes, dia);
    ponerContorno(CursorHoy, m_celdaFoco);
    setAccessibleDescription(Regional::FechaLarga(m_FechaActual));
    update();
}

void MiniCalendar::pasarMes(int delta) { (delta < 0 ? btnmenosanio : btnmasanio)->click(); }
