#include "kvcalen.h"

#include "contorno.h"
#include "mescalendario.h"
#include "regional.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
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

KVCalen::KVCalen(QWidget *parent) : RejillaMes(parent), props(fuenteContenedor())
{
    setObjectName(QStringLiteral("KVCalen"));
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
    for (QLabel *l : {lblanio, lblmes}) {
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
        QToolButton *b = crearBoton(nombre, texto);
        b->setArrowType(flecha);
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

void KVCalen::aplicarCaptions()
{
    colorearEtiqueta(lblanio, props.colorFondoAnio, props.colorPPAnio);
    colorearEtiqueta(lblmes, props.colorFondoMes, props.colorPPMes);
    colorearEtiqueta(lbldias, props.colorFondoDias, props.colorPPdias);
    lblanio->setFont(props.fontAnio);
    lblmes->setFont(props.fontMes);
    for (int i = 0; i < 7; ++i) {
        QLabel *l = lbldia[size_t(i)];
        l->setText(QString::fromUtf8(props.diasLargos ? kDiasLargos[i] : kDiasCortos[i]));
        l->setFont(props.fontDias);
        colorearEtiqueta(l, props.colorFondoDias, props.colorPPdias);
    }
}

// ---------------------------------------------------------------- stored control

QVariantMap KVCalen::GuardarPropiedades() const
{
    QVariantMap m;
    props.Guardar(m);
    m.insert(QStringLiteral("Dia"), m_Dia);
    m.insert(QStringLiteral("Mes"), m_Mes);
    m.insert(QString::fromUtf8("Año"), m_Anio);
    m.insert(QStringLiteral("FechaActual"), FechaActual());
    m.insert(QStringLiteral("Font"), font());
    m.insert(QStringLiteral("TotalDiasMesActual"), TotalDiasMesActual());
    m.insert(QStringLiteral("FechaActualSQL"), FechaActualSQL());
    return m;
}

void KVCalen::LeerPropiedades(const QVariantMap &m)
{
    props.Leer(m, fuenteContenedor());
    QDate fecha = m.value(QStringLiteral("FechaActual")).toDate();
    if (!fecha.isValid() || fecha.year() != MesCalendario::LimitarAnio(fecha.year()))
        fecha = QDate::currentDate();
    m_Anio = MesCalendario::LimitarAnio(leerEntero(m, "Año", fecha.year()));
    m_Mes = MesCalendario::LimitarMes(leerEntero(m, "Mes", fecha.month()));
    m_Dia = leerEntero(m, "Dia", 0);
    limitarDia();
    const QVariant f = m.value(QStringLiteral("Font"));
    setFont(f.isValid() && f.canConvert<QFont>() ? f.value<QFont>() : QFont());
    aplicarCaptions();
    disponer();
    dibujar();
}

void KVCalen::ChequearCelda(const QDate &EstaFecha, int Valor)
{
    Q_EMIT CeldaChequeada(EstaFecha, Valor);
    registros.Poner(EstaFecha, Ranura::Chequeo, Valor);
}

// ---------------------------------------------------------------- layout and drawing

void KVCalen::disponer()
{
    const QSizeF check = PixelesATwips(QSizeF(Check1[0]->sizeHint()));
    const DisposicionKVCalen t = CalcularDisposicionKVCalen(PixelesATwips(QSizeF(size())), check);
    auto px = [](const QRectF &r) { return TwipsAPixeles(r); };
    for (size_t i = 0; i < 42; ++i) {
        rectangulos[i] = px(t.celda[i]);
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
    dibujado = DibujarMes(m_Anio, m_Mes, QDate::currentDate(), props, registros);
    ponerCaptions();
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
    ponerContorno(CursorHoy, dibujado.indiceHoy);
    ponerContorno(Cursor, MesCalendario::IndiceDia(m_Anio, m_Mes, m_Dia), 3);
}

void KVCalen::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), ColorDesdeVB(props.backColor));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QColor linea(150, 150, 150);
    for (size_t i = 0; i < 42; ++i) {
        const CeldaMes &c = dibujado.celdas[i];
        const QRectF celda = rectangulos[i];
        p.fillRect(celda, ColorDesdeVB(c.colorFondo));
        if (i != 0 || props.borderStyle != 0) {
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
    dibujarFoco(p, 6);
}

// ---------------------------------------------------------------- user actions

int KVCalen::celdaFoco() const { return MesCalendario::IndiceDia(m_Anio, m_Mes, m_Dia); }

void KVCalen::elegirDia(int dia) { setFechaActual(QDate(m_Anio, m_Mes, dia)); }

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
