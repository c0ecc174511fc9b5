#include "kvcalen.h"

#include "contorno.h"
#include "mescalendario.h"
#include "regional.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

namespace {
const char *const kDiasCortos[7] = {"Lun", "Mar", "Mié", "Jue", "Vie", "Sáb", "Dom"};
const char *const kDiasLargos[7] = {"Lunes", "Martes", "Miércoles", "Jueves", "Viernes", "Sábado", "Domingo"};

QString indexado(const char *nombre, int i) { return QString::fromUtf8(nombre) + '(' + QString::number(i) + ')'; }

// A check box value as stored (0, 1 ticked, 2 greyed) <-> Qt's states.
Qt::CheckState estadoCheck(int valor)
{
    return valor == 1 ? Qt::Checked : valor == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
}
int valorCheck(int estado) { return estado == Qt::Checked ? 1 : estado == Qt::PartiallyChecked ? 2 : 0; }

ColorVB leerColor(const QVariantMap &m, const char *clave, ColorVB porDefecto)
{
    return RegistrosDias::LeerColor(m.value(QString::fromUtf8(clave)), porDefecto);
}
bool leerBool(const QVariantMap &m, const char *clave, bool porDefecto)
{
    const QVariant v = m.value(QString::fromUtf8(clave));
    return v.isValid() ? v.toBool() : porDefecto;
}
int leerEntero(const QVariantMap &m, const char *clave, int porDefecto)
{
    bool ok = false;
    const int v = m.value(QString::fromUtf8(clave)).toInt(&ok);
    return ok ? v : porDefecto;
}

void colorearEtiqueta(QWidget *w, ColorVB fondo, ColorVB texto)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, ColorDesdeVB(fondo));
    p.setColor(QPalette::WindowText, ColorDesdeVB(texto));
    w->setPalette(p);
}

QRect enPixeles(const QRectF &twips) { return TwipsAPixeles(twips).toAlignedRect(); }

// Fits a font to a box height, so small parts stay readable however the control is sized.
QFont ajustada(QFont f, double alto)
{
    f.setPixelSize(qMax(7, int(alto * 0.72)));
    return f;
}
}

KVCalen::KVCalen(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("KVCalen"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Calendario"));
    const QDate hoy = QDate::currentDate();
    m_Dia = hoy.day();
    m_Mes = hoy.month();
    m_Anio = hoy.year();
    m_FontMes = m_FontAnio = m_FontDias = fuenteContenedor();
    crearPartes();
    aplicarCaptions();
    dibujar();
}

KVCalen::~KVCalen() = default;

QFont KVCalen::fuenteContenedor() const
{
    return parentWidget() ? parentWidget()->font() : QApplication::font();
}

void KVCalen::crearPartes()
{
    lbldias = new QWidget(this);
    lbldias->setObjectName(QStringLiteral("lbldias"));
    lbldias->setAutoFillBackground(true);
    lblanio = new QLabel(this);
    lblanio->setObjectName(QString::fromUtf8("lblaño"));
    lblmes = new QLabel(this);
    lblmes->setObjectName(QStringLiteral("lblmes"));
    for (QLabel *l : {lblanio, lblmes}) {
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(Qt::AlignCenter);
        l->setAutoFillBackground(true);
    }
    for (int i = 0; i < 7; ++i) {
        lbldia[size_t(i)] = new QLabel(this);
        lbldia[size_t(i)]->setObjectName(indexado("lbldia", i));
        lbldia[size_t(i)]->setTextFormat(Qt::PlainText);
        lbldia[size_t(i)]->setAlignment(Qt::AlignCenter);
    }
    auto boton = [this](const char *nombre, Qt::ArrowType flecha, const QString &texto) {
        auto *b = new QToolButton(this);
        b->setObjectName(QString::fromUtf8(nombre));
        b->setArrowType(flecha);
        b->setToolTip(texto);
        b->setAccessibleName(texto);
        b->setAutoRaise(false);
        return b;
    };
    btnmenosanio = boton("btnmenosaño", Qt::LeftArrow, QString::fromUtf8("Año anterior"));
    btnmasanio = boton("btnmasaño", Qt::RightArrow, QString::fromUtf8("Año siguiente"));
    btnmenosmes = boton("btnmenosmes", Qt::LeftArrow, QStringLiteral("Mes anterior"));
    btnmasmes = boton("btnmasmes", Qt::RightArrow, QStringLiteral("Mes siguiente"));
    connect(btnmenosanio, &QToolButton::clicked, this, [this] { moverAnio(-1); });
    connect(btnmasanio, &QToolButton::clicked, this, [this] { moverAnio(1); });
    connect(btnmenosmes, &QToolButton::clicked, this, [this] { moverMes(-1); });
    connect(btnmasmes, &QToolButton::clicked, this, [this] { moverMes(1); });

    for (int i = 0; i < 42; ++i) {
        auto *t = new QLineEdit(this);
        t->setObjectName(indexado("Text1", i));
        t->setFrame(false);
        t->hide();
        connect(t, &QLineEdit::returnPressed, this, [this, i] {
            guardarTexto(i);
            QApplication::beep();
        });
        connect(t, &QLineEdit::editingFinished, this, [this, i] { guardarTexto(i); });
        Text1[size_t(i)] = t;
        auto *c = new QCheckBox(this);
        c->setObjectName(indexado("Check1", i));
        c->hide();
        connect(c, &QCheckBox::stateChanged, this, [this, i](int estado) {
            if (dibujando)
                return;
            const CeldaMes &celda = dibujado.celdas[size_t(i)];
            if (celda.enMes)
                ChequearCelda(celda.fecha, valorCheck(estado));
        });
        Check1[size_t(i)] = c;
    }
    CursorHoy = new Contorno(QStringLiteral("CursorHoy"), QColor(200, 30, 30), 2, this);
    Cursor = new Contorno(QStringLiteral("Cursor"), QColor(20, 60, 170), 3, this);
}

// ---------------------------------------------------------------- properties

void KVCalen::limitarDia()
{
    m_Dia = std::clamp(m_Dia, 0, MesCalendario::DiasDelMes(m_Anio, m_Mes));
}

void KVCalen::setDia(int v)
{
    m_Dia = v;
    limitarDia();
    dibujar();
}

void KVCalen::setMes(int v)
{
    m_Mes = MesCalendario::LimitarMes(v);
    limitarDia();
    Q_EMIT CambiaMes();
    dibujar();
}

void KVCalen::setAnio(int v)
{
    m_Anio = MesCalendario::LimitarAnio(v);
    limitarDia();
    Q_EMIT CambiaAnio();
    dibujar();
}

QDate KVCalen::FechaActual() const { return Regional::DateSerial(m_Anio, m_Mes, m_Dia); }

void KVCalen::setFechaActual(const QDate &fecha)
{
    if (!fecha.isValid() || fecha.year() != MesCalendario::LimitarAnio(fecha.year()))
        return;
    // Compared with the month on show, so that every change of the displayed month is reported.
    const bool otroAnio = fecha.year() != m_Anio;
    const bool otroMes = fecha.month() != m_Mes;
    if (otroAnio)
        Q_EMIT CambiaAnio();
    if (otroMes)
        Q_EMIT CambiaMes();
    m_Anio = fecha.year();
    m_Mes = fecha.month();
    m_Dia = fecha.day();
    dibujar();
}

QString KVCalen::FechaActualSQL() const
{
    return QString::number(m_Mes) + '/' + QString::number(m_Dia) + '/' + QString::number(m_Anio);
}

void KVCalen::setColorCeldas(ColorVB v) { aspecto.colorCeldas = v; dibujar(); }
void KVCalen::setColorDigitos(ColorVB v) { aspecto.colorDigitos = v; dibujar(); }
void KVCalen::setColorSabados(ColorVB v) { aspecto.colorSabados = v; dibujar(); }
void KVCalen::setColorDomingos(ColorVB v) { aspecto.colorDomingos = v; dibujar(); }
void KVCalen::setVisiblesTodasCajasTexto(bool v) { aspecto.visiblesCajasTexto = v; dibujar(); }
void KVCalen::setVisiblesTodasEtiquetasIzquierda(bool v) { aspecto.visiblesEtiquetasIzquierda = v; dibujar(); }
void KVCalen::setVisiblesTodasEtiquetasDerecha(bool v) { aspecto.visiblesEtiquetasDerecha = v; dibujar(); }
void KVCalen::setVisiblesTodosChequeos(bool v) { aspecto.visiblesChequeos = v; dibujar(); }
void KVCalen::setColorFondoEtiquetaDerecha(ColorVB v) { aspecto.fondoEtiquetaDerecha = v; dibujar(); }
void KVCalen::setColorFondoEtiquetaIzquierda(ColorVB v) { aspecto.fondoEtiquetaIzquierda = v; dibujar(); }
void KVCalen::setColorPPEtiquetaDerecha(ColorVB v) { aspecto.ppEtiquetaDerecha = v; dibujar(); }
void KVCalen::setColorPPEtiquetaIzquierda(ColorVB v) { aspecto.ppEtiquetaIzquierda = v; dibujar(); }
void KVCalen::setColorFondoEnTexto(ColorVB v) { aspecto.fondoEnTexto = v; dibujar(); }
void KVCalen::setColorPPEnTexto(ColorVB v) { aspecto.ppEnTexto = v; dibujar(); }

void KVCalen::setBackColor(ColorVB v) { m_BackColor = v; update(); }
void KVCalen::setDiasLargos(bool v) { m_DiasLargos = v; aplicarCaptions(); }
void KVCalen::setColorFondoAnio(ColorVB v) { m_ColorFondoAnio = v; aplicarCaptions(); }
void KVCalen::setColorFondoMes(ColorVB v) { m_ColorFondoMes = v; aplicarCaptions(); }
void KVCalen::setColorFondoDias(ColorVB v) { m_ColorFondoDias = v; aplicarCaptions(); }
void KVCalen::setColorPPAnio(ColorVB v) { m_ColorPPAnio = v; aplicarCaptions(); }
void KVCalen::setColorPPMes(ColorVB v) { m_ColorPPMes = v; aplicarCaptions(); }
void KVCalen::setColorPPdias(ColorVB v) { m_ColorPPdias = v; aplicarCaptions(); }
void KVCalen::setFontMes(const QFont &f) { m_FontMes = f; aplicarCaptions(); }
void KVCalen::setFontAnio(const QFont &f) { m_FontAnio = f; aplicarCaptions(); }
void KVCalen::setFontDias(const QFont &f) { m_FontDias = f; aplicarCaptions(); }
void KVCalen::setTamanoOptimo(bool v) { m_TamanoOptimo = v; disponer(); }

void KVCalen::aplicarCaptions()
{
    colorearEtiqueta(lblanio, m_ColorFondoAnio, m_ColorPPAnio);
    colorearEtiqueta(lblmes, m_ColorFondoMes, m_ColorPPMes);
    colorearEtiqueta(lbldias, m_ColorFondoDias, m_ColorPPdias);
    lblanio->setFont(m_FontAnio);
    lblmes->setFont(m_FontMes);
    for (int i = 0; i < 7; ++i) {
        QLabel *l = lbldia[size_t(i)];
        l->setText(QString::fromUtf8(m_DiasLargos ? kDiasLargos[i] : kDiasCortos[i]));
        l->setFont(m_FontDias);
        colorearEtiqueta(l, m_ColorFondoDias, m_ColorPPdias);
    }
}

// ---------------------------------------------------------------- stored control

QVariantMap KVCalen::GuardarPropiedades() const
{
    QVariantMap m;
    auto color = [&m](const char *clave, ColorVB v) { m.insert(QString::fromUtf8(clave), QVariant::fromValue(v)); };
    color("ForeColor", m_ForeColor);
    m.insert(QStringLiteral("Enabled"), m_Enabled);
    m.insert(QStringLiteral("Dia"), m_Dia);
    m.insert(QStringLiteral("Mes"), m_Mes);
    m.insert(QString::fromUtf8("Año"), m_Anio);
    m.insert(QStringLiteral("FechaActual"), FechaActual());
    color("ColorCeldas", aspecto.colorCeldas);
    color("ColorDigitos", aspecto.colorDigitos);
    m.insert(QStringLiteral("VisiblesCajasTexto"), aspecto.visiblesCajasTexto);
    m.insert(QStringLiteral("VisiblesEtiquetasIzquierda"), aspecto.visiblesEtiquetasIzquierda);
    m.insert(QStringLiteral("VisiblesEtiquetasDerecha"), aspecto.visiblesEtiquetasDerecha);
    m.insert(QStringLiteral("VisiblesTodosChequeos"), aspecto.visiblesChequeos);
    color("BackColor", m_BackColor);
    m.insert(QStringLiteral("Font"), font());
    m.insert(QStringLiteral("DiasLargos"), m_DiasLargos);
    color("ColorSabados", aspecto.colorSabados);
    color("ColorFondoAño", m_ColorFondoAnio);
    color("ColorFondoMes", m_ColorFondoMes);
    color("ColorFondoDias", m_ColorFondoDias);
    m.insert(QStringLiteral("FontMes"), m_FontMes);
    m.insert(QString::fromUtf8("FontAño"), m_FontAnio);
    m.insert(QStringLiteral("FontDias"), m_FontDias);
    color("ColorDomingos", aspecto.colorDomingos);
    color("ColorPPAño", m_ColorPPAnio);
    color("ColorPPMes", m_ColorPPMes);
    color("ColorPPdias", m_ColorPPdias);
    m.insert(QString::fromUtf8("TamañoOptimo"), m_TamanoOptimo);
    color("ColorFondoEtiquetaDerecha", aspecto.fondoEtiquetaDerecha);
    color("ColorFondoEtiquetaIzquierda", aspecto.fondoEtiquetaIzquierda);
    color("ColorPPEtiquetaDerecha", aspecto.ppEtiquetaDerecha);
    color("ColorPPEtiquetaIzquierda", aspecto.ppEtiquetaIzquierda);
    color("ColorFondoEnTexto", aspecto.fondoEnTexto);
    color("ColorPPEnTexto", aspecto.ppEnTexto);
    m.insert(QStringLiteral("TotalDiasMesActual"), TotalDiasMesActual());
    m.insert(QStringLiteral("FechaActualSQL"), FechaActualSQL());
    color("ColorFondoTexto", m_ColorFondoTexto);
    color("ColorPPTexto", m_ColorPPTexto);
    m.insert(QStringLiteral("BorderStyle"), m_BorderStyle);
    return m;
}

void KVCalen::LeerPropiedades(const QVariantMap &m)
{
    m_ForeColor = leerColor(m, "ForeColor", 0);
    m_Enabled = leerBool(m, "Enabled", false);
    QDate fecha = m.value(QStringLiteral("FechaActual")).toDate();
    if (!fecha.isValid() || fecha.year() != MesCalendario::LimitarAnio(fecha.year()))
        fecha = QDate::currentDate();
    m_Anio = MesCalendario::LimitarAnio(leerEntero(m, "Año", fecha.year()));
    m_Mes = MesCalendario::LimitarMes(leerEntero(m, "Mes", fecha.month()));
    m_Dia = leerEntero(m, "Dia", 0);
    limitarDia();
    aspecto.colorCeldas = leerColor(m, "ColorCeldas", 0xC0FFFF);
    aspecto.colorDigitos = leerColor(m, "ColorDigitos", 0);
    aspecto.visiblesCajasTexto = leerBool(m, "VisiblesCajasTexto", false);
    aspecto.visiblesEtiquetasIzquierda = leerBool(m, "VisiblesEtiquetasIzquierda", false);
    aspecto.visiblesEtiquetasDerecha = leerBool(m, "VisiblesEtiquetasDerecha", false);
    aspecto.visiblesChequeos = leerBool(m, "VisiblesTodosChequeos", false);
    m_BackColor = leerColor(m, "BackColor", ColoresVB::CaraBoton);
    auto fuente = [&m, this](const char *clave) {
        const QVariant v = m.value(QString::fromUtf8(clave));
        return v.canConvert<QFont>() && v.isValid() ? v.value<QFont>() : fuenteContenedor();
    };
    const QVariant f = m.value(QStringLiteral("Font"));
    setFont(f.isValid() && f.canConvert<QFont>() ? f.value<QFont>() : QFont());
    m_DiasLargos = leerBool(m, "DiasLargos", false);
    aspecto.colorSabados = leerColor(m, "ColorSabados", ColoresVB::Naranja);
    m_ColorFondoAnio = leerColor(m, "ColorFondoAño", 0xC0FFFF);
    m_ColorFondoMes = leerColor(m, "ColorFondoMes", 0xC0FFFF);
    m_ColorFondoDias = leerColor(m, "ColorFondoDias", 0xC0FFFF);
    m_FontMes = fuente("FontMes");
    m_FontAnio = fuente("FontAño");
    m_FontDias = fuente("FontDias");
    aspecto.colorDomingos = leerColor(m, "ColorDomingos", ColoresVB::Rojo);
    m_ColorPPAnio = leerColor(m, "ColorPPAño", 0);
    m_ColorPPMes = leerColor(m, "ColorPPMes", 0);
    m_ColorPPdias = leerColor(m, "ColorPPdias", 0x80);
    m_TamanoOptimo = leerBool(m, "TamañoOptimo", false);
    aspecto.fondoEtiquetaDerecha = leerColor(m, "ColorFondoEtiquetaDerecha", 0xFFC0C0);
    aspecto.fondoEtiquetaIzquierda = leerColor(m, "ColorFondoEtiquetaIzquierda", 0x80C0FF);
    aspecto.ppEtiquetaDerecha = leerColor(m, "ColorPPEtiquetaDerecha", 0);
    aspecto.ppEtiquetaIzquierda = leerColor(m, "ColorPPEtiquetaIzquierda", 0);
    aspecto.fondoEnTexto = leerColor(m, "ColorFondoEnTexto", 0xC0FFC0);
    aspecto.ppEnTexto = leerColor(m, "ColorPPEnTexto", 0);
    m_ColorFondoTexto = leerColor(m, "ColorFondoTexto", 0xDDAC6A);
    m_ColorPPTexto = leerColor(m, "ColorPPTexto", 0);
    m_BorderStyle = leerEntero(m, "BorderStyle", 1);
    aplicarCaptions();
    disponer();
    dibujar();
}

// ---------------------------------------------------------------- day records

void KVCalen::PonColorFondoCelda(const QDate &EstaFecha, ColorVB EsteColor)
{
    registros.Poner(EstaFecha, Ranura::ColorFondo, QVariant::fromValue(EsteColor));
}

void KVCalen::PonColorDigito(const QDate &EstaFecha, ColorVB EsteColor)
{
    registros.Poner(EstaFecha, Ranura::ColorDigito, QVariant::fromValue(EsteColor));
}

void KVCalen::ChequearCelda(const QDate &EstaFecha, int Valor)
{
    Q_EMIT CeldaChequeada(EstaFecha, Valor);
    registros.Poner(EstaFecha, Ranura::Chequeo, Valor);
}

void KVCalen::PonerTexto(const QDate &EstaFecha, const QString &Valor, int Objeto, bool PonerVisible)
{
    registros.PonerTexto(EstaFecha, Valor, Objeto, PonerVisible);
}

void KVCalen::PonerVisible(const QDate &EstaFecha, bool Valor, int Objeto)
{
    registros.PonerVisible(EstaFecha, Valor, Objeto);
}

void KVCalen::PonerImagen(const QDate &EstaFecha, const QImage &EstaImagen)
{
    registros.Poner(EstaFecha, Ranura::Imagen, EstaImagen);
}

void KVCalen::QuitarImagen(const QDate &EstaFecha) { registros.Vaciar(EstaFecha, Ranura::Imagen); }

void KVCalen::PonerFondoColorTexto(const QDate &EstaFecha, ColorVB Valor, int Objeto)
{
    registros.PonerFondo(EstaFecha, Valor, Objeto);
}

void KVCalen::PonerColorPrimerPlanoTexto(const QDate &EstaFecha, ColorVB Valor, int Objeto)
{
    registros.PonerPrimerPlano(EstaFecha, Valor, Objeto);
}

void KVCalen::Refresh() { dibujar(); }

QString KVCalen::DevuelveTexto(const QDate &f) const { return registros.Valor(f, Ranura::Texto).toString(); }
QString KVCalen::DevuelveEtiqueta1(const QDate &f) const { return registros.Valor(f, Ranura::TextoIzquierda).toString(); }
QString KVCalen::DevuelveEtiqueta2(const QDate &f) const { return registros.Valor(f, Ranura::TextoDerecha).toString(); }
int KVCalen::DevuelveChequeado(const QDate &f) const { return qint16(registros.Valor(f, Ranura::Chequeo).toInt()); }

// ---------------------------------------------------------------- layout and drawing

void KVCalen::disponer()
{
    const QSizeF check = PixelesATwips(QSizeF(Check1[0]->sizeHint()));
    const DisposicionKVCalen t = CalcularDisposicionKVCalen(PixelesATwips(QSizeF(size())), check);
    auto px = [](const QRectF &r) { return TwipsAPixeles(r); };
    for (size_t i = 0; i < 42; ++i) {
        disposicion.celda[i] = px(t.celda[i]);
        disposicion.check[i] = px(t.check[i]);
        disposicion.imagen[i] = px(t.imagen[i]);
        disposicion.label1[i] = px(t.label1[i]);
        disposicion.label2[i] = px(t.label2[i]);
        disposicion.texto[i] = px(t.texto[i]);
        Check1[i]->setGeometry(disposicion.check[i].toAlignedRect());
        Text1[i]->setGeometry(disposicion.texto[i].toAlignedRect());
        Text1[i]->setFont(ajustada(font(), disposicion.texto[i].height()));
    }
    lblanio->setGeometry(enPixeles(t.lblanio));
    lblmes->setGeometry(enPixeles(t.lblmes));
    const QRect menosAnio = enPixeles(t.btnmenosanio);
    btnmenosanio->setGeometry(menosAnio);
    btnmasanio->setGeometry(enPixeles(t.btnmasanio));
    btnmenosmes->setGeometry(enPixeles(t.btnmenosmes));
    btnmasmes->setGeometry(enPixeles(t.btnmasmes));
    const int lado = menosAnio.width();
    // The captions' texts stay clear of the buttons laid over their ends.
    lblanio->setContentsMargins(0, 0, lado, 0);
    lblmes->setContentsMargins(lado, 0, 2 * lado, 0);
    lbldias->setGeometry(enPixeles(t.lbldias));
    for (size_t i = 0; i < 7; ++i)
        lbldia[i]->setGeometry(enPixeles(t.lbldia[i]));
    colocarCursor();
    update();
}

void KVCalen::dibujar()
{
    dibujando = true;
    ++vecesDibujado;
    dibujado = DibujarMes(m_Anio, m_Mes, QDate::currentDate(), aspecto, registros);
    lblanio->setText(QString::number(m_Anio));
    lblmes->setText(Regional::NombreMes(m_Mes));
    for (size_t i = 0; i < 42; ++i) {
        const CeldaMes &c = dibujado.celdas[i];
        QCheckBox *check = Check1[i];
        QLineEdit *texto = Text1[i];
        check->setCheckState(estadoCheck(c.chequeo));
        check->setVisible(c.visibleChequeo);
        texto->setText(c.cajaTexto.texto);
        texto->setVisible(c.cajaTexto.visible);
        if (c.visibleChequeo)
            check->setAccessibleName(QStringLiteral("Marca del día ") + QString::number(c.fecha.day()));
        if (c.cajaTexto.visible) {
            texto->setAccessibleName(QStringLiteral("Texto del día ") + QString::number(c.fecha.day()));
            QPalette p = texto->palette();
            p.setColor(QPalette::Base, ColorDesdeVB(c.cajaTexto.fondo));
            p.setColor(QPalette::Text, ColorDesdeVB(c.cajaTexto.primerPlano));
            texto->setPalette(p);
        }
    }
    colocarCursor();
    setAccessibleDescription(m_Dia > 0 ? Regional::FechaLarga(FechaActual()) : Regional::NombreMes(m_Mes) + ' ' +
                                                                                   QString::number(m_Anio));
    dibujando = false;
    update();
}

void KVCalen::colocarCursor()
{
    if (dibujado.indiceHoy >= 0) {
        CursorHoy->setGeometry(disposicion.celda[size_t(dibujado.indiceHoy)].toAlignedRect());
        CursorHoy->show();
    } else {
        CursorHoy->hide();
    }
    const int sel = MesCalendario::IndiceDia(m_Anio, m_Mes, m_Dia);
    if (sel >= 0) {
        Cursor->setGeometry(disposicion.celda[size_t(sel)].toAlignedRect().adjusted(3, 3, -3, -3));
        Cursor->show();
    } else {
        Cursor->hide();
    }
}

void KVCalen::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), ColorDesdeVB(m_BackColor));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QColor linea(150, 150, 150);
    for (size_t i = 0; i < 42; ++i) {
        const CeldaMes &c = dibujado.celdas[i];
        const QRectF celda = disposicion.celda[i];
        p.fillRect(celda, ColorDesdeVB(c.colorFondo));
        if (i != 0 || m_BorderStyle != 0) {
            p.setPen(QPen(linea, 0));
            p.drawRect(celda.adjusted(0, 0, -1, -1));
        }
        p.setFont(font());
        p.setPen(ColorDesdeVB(c.colorDigito));
        p.drawText(celda.adjusted(3, 2, -3, -2), Qt::AlignLeft | Qt::AlignTop, c.texto);
        if (!c.imagen.isNull()) {
            const QRectF caja = disposicion.imagen[i];
            QSizeF tam = QSizeF(c.imagen.size()).scaled(caja.size(), Qt::KeepAspectRatio);
            p.drawImage(QRectF(caja.right() - tam.width(), caja.top(), tam.width(), tam.height()), c.imagen);
        }
        auto etiqueta = [&p, this](const ObjetoTexto &o, const QRectF &r) {
            if (!o.visible || r.width() <= 0)
                return;
            p.fillRect(r, ColorDesdeVB(o.fondo));
            p.setPen(ColorDesdeVB(o.primerPlano));
            const QFont f = ajustada(font(), r.height());
            p.setFont(f);
            p.drawText(r, Qt::AlignCenter, QFontMetrics(f).elidedText(o.texto, Qt::ElideRight, int(r.width())));
        };
        etiqueta(c.etiquetaIzquierda, disposicion.label1[i]);
        etiqueta(c.etiquetaDerecha, disposicion.label2[i]);
    }
    if (hasFocus()) {
        const int foco = MesCalendario::IndiceDia(m_Anio, m_Mes, qMax(1, m_Dia));
        if (foco >= 0) {
            QPen pen(QColor(40, 40, 40), 1, Qt::DotLine);
            p.setPen(pen);
            p.drawRect(disposicion.celda[size_t(foco)].adjusted(6, 6, -7, -7));
        }
    }
}

void KVCalen::resizeEvent(QResizeEvent *) { disponer(); }

void KVCalen::showEvent(QShowEvent *)
{
    disponer();
    dibujar();
}

QRect KVCalen::RectanguloCelda(int i) const
{
    return i >= 0 && i < 42 ? disposicion.celda[size_t(i)].toAlignedRect() : QRect();
}

int KVCalen::CeldaEn(const QPoint &pos) const
{
    for (int i = 0; i < 42; ++i)
        if (disposicion.celda[size_t(i)].contains(pos))
            return i;
    return -1;
}

// ---------------------------------------------------------------- user actions

void KVCalen::pulsarCelda(int indice)
{
    if (indice < 0 || indice >= 42)
        return;
    const CeldaMes &c = dibujado.celdas[size_t(indice)];
    if (!c.enMes)
        return;
    setFechaActual(c.fecha);
    Q_EMIT Click();
}

void KVCalen::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        pulsarCelda(CeldaEn(e->position().toPoint()));
}

void KVCalen::keyPressEvent(QKeyEvent *e)
{
    int paso = 0;
    switch (e->key()) {
    case Qt::Key_Left: paso = -1; break;
    case Qt::Key_Right: paso = 1; break;
    case Qt::Key_Up: paso = -7; break;
    case Qt::Key_Down: paso = 7; break;
    case Qt::Key_PageUp: moverMes(-1); return;
    case Qt::Key_PageDown: moverMes(1); return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        pulsarCelda(MesCalendario::IndiceDia(m_Anio, m_Mes, m_Dia));
        return;
    default: QWidget::keyPressEvent(e); return;
    }
    const int dia = m_Dia == 0 ? 1 : m_Dia + paso;
    if (dia >= 1 && dia <= MesCalendario::DiasDelMes(m_Anio, m_Mes))
        setDia(dia);
}

void KVCalen::irA(int anio, int mes)
{
    const bool otroAnio = anio != m_Anio, otroMes = mes != m_Mes;
    m_Dia = 1;
    m_Anio = anio;
    m_Mes = mes;
    if (otroAnio)
        Q_EMIT CambiaAnio();
    if (otroMes)
        Q_EMIT CambiaMes();
    m_Dia = 0;
    dibujar();
}

void KVCalen::moverMes(int delta)
{
    int anio = m_Anio, mes = m_Mes;
    if (delta > 0)
        MesCalendario::MesSiguiente(anio, mes);
    else
        MesCalendario::MesAnterior(anio, mes);
    irA(anio, mes);
}

void KVCalen::moverAnio(int delta) { irA(MesCalendario::LimitarAnio(m_Anio + delta), m_Mes); }

void KVCalen::guardarTexto(int indice)
{
    const CeldaMes &c = dibujado.celdas[size_t(indice)];
    if (!c.enMes || dibujando)
        return;
    const QString texto = Text1[size_t(indice)]->text();
    if (registros.Valor(c.fecha, Ranura::Texto).toString() != texto)
        registros.Poner(c.fecha, Ranura::Texto, texto);
}
