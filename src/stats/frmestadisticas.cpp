#include "frmestadisticas.h"

#include "archivoinforme.h"
#include "datosgraficas.h"
#include "entorno.h"
#include "exportacion.h"
#include "frmgraficas.h"
#include "frmgraficaszonas.h"
#include "frmvisitaszonas.h"
#include "frmzonas.h"
#include "informes.h"
#include "minicalendar.h"
#include "paneldesplegable.h"
#include "module1.h"
#include "regional.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTableView>

namespace {
// Sizes of the design, in twips.
constexpr int kAltoFrame = 2300;
constexpr int kAnchoBoton = 950;
constexpr int kAltoBoton = 855;
constexpr int kAltoTitulo = 330;

QRect Twips(int x, int y, int w, int h)
{
    return QRect(TwipsAPixelesX(x), TwipsAPixelesY(y), TwipsAPixelesX(w), TwipsAPixelesY(h));
}

template <class W> W *Nombrado(W *w, const char *nombre)
{
    w->setObjectName(QLatin1String(nombre));
    return w;
}
}

frmestadisticas::frmestadisticas(QWidget *parent) : QDialog(parent)
{
    RelojArena reloj;
    setObjectName(QStringLiteral("frmestadisticas"));
    setWindowTitle(QStringLiteral("Estadísticas"));
    CrearControles();
    Disponer();

    txtfecha1->setText(Regional::FechaCorta(QDate::currentDate()));
    txtfecha2->setText(Regional::FechaCorta(QDate::currentDate().addDays(1)));
    lblcliente->setText(Module1::NombreTitular);
    VecesActivado = 0;
    DropDownList1->setCurrentIndex(0);
    Resultado.MaxFilas = 200;
    Resultado.MaxColumnas = QStringLiteral("4");
    // The window opens on its filter button: a date box with the focus would open the calendar.
    btnfiltrar->setFocus();
}

frmestadisticas::~frmestadisticas() = default;

void frmestadisticas::CrearControles()
{
    Frame1 = Nombrado(new QFrame(this), "Frame1");
    Frame1->setFrameShape(QFrame::StyledPanel);

    auto etiqueta = [this](const QString &texto, QWidget *compa, const QRect &g) {
        auto *l = new QLabel(texto, Frame1);
        l->setGeometry(g);
        if (compa) {
            l->setBuddy(compa);
            compa->setAccessibleName(texto);
        }
        return l;
    };

    lblcliente = Nombrado(new QLabel(Frame1), "lblcliente");
    lblcliente->setTextFormat(Qt::PlainText);
    QFont negrita = lblcliente->font();
    negrita.setBold(true);
    lblcliente->setFont(negrita);
    lblcliente->setAccessibleName(QStringLiteral("Cliente"));

    txtfecha1 = Nombrado(new QLineEdit(Frame1), "txtfecha1");
    txtfecha2 = Nombrado(new QLineEdit(Frame1), "txtfecha2");
    etiqueta(QStringLiteral("Periodo Fecha"), txtfecha1, Twips(200, 760, 1300, 300));
    etiqueta(QStringLiteral("entre"), txtfecha2, Twips(3000, 760, 600, 300));
    txtfecha1->setGeometry(Twips(1500, 720, 1350, 360));
    txtfecha2->setGeometry(Twips(3600, 720, 1350, 360));
    txtfecha1->installEventFilter(this);
    txtfecha2->installEventFilter(this);

    lstlocalizadores = Nombrado(new QComboBox(Frame1), "lstlocalizadores");
    lstzonas = Nombrado(new QComboBox(Frame1), "lstzonas");
    etiqueta(QStringLiteral("Localizadores"), lstlocalizadores, Twips(200, 1260, 1300, 300));
    lstlocalizadores->setGeometry(Twips(1500, 1220, 2600, 360));
    etiqueta(QStringLiteral("Zona Estadistica"), lstzonas, Twips(4300, 1260, 1500, 300));
    lstzonas->setGeometry(Twips(5800, 1220, 2800, 360));

    DropDownList1 = Nombrado(new QComboBox(Frame1), "DropDownList1");
    DropDownList1->addItems({QStringLiteral("No"), QStringLiteral("Por Zonas"), QStringLiteral("Por Localizadores y Zonas")});
    etiqueta(QStringLiteral("Agrupar en Estadística"), DropDownList1, Twips(200, 1760, 2100, 300));
    DropDownList1->setGeometry(Twips(2300, 1720, 3000, 360));

    lblmensaje = Nombrado(new QLabel(Frame1), "lblmensaje");
    lblmensaje->setTextFormat(Qt::PlainText);
    lblmensaje->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0); font-weight: bold;"));
    // No fixed accessible name: assistive technology reads the label's text as its name.
    lblmensaje->setAccessibleDescription(QStringLiteral("Mensaje"));

    auto boton = [this](const char *nombre, const QString &texto) {
        auto *b = Nombrado(new QPushButton(texto, Frame1), nombre);
        b->setAccessibleName(texto);
        return b;
    };
    btnmapa = boton("btnmapa", QStringLiteral("Mapa"));
    btnvergoogle = boton("btnvergoogle", QStringLiteral("Informe"));
    btnfiltrar = boton("btnfiltrar", QStringLiteral("Filtrar"));
    btnestadisticas = boton("btnestadisticas", QStringLiteral("Gráficas"));
    btnsalir = boton("btnsalir", QStringLiteral("Salir"));
    btnexportar = boton("btnexportar", QStringLiteral("Exportar…"));
    btnpdf = boton("btnpdf", QStringLiteral("PDF"));
    btnpdf->setAccessibleName(QStringLiteral("Informe en PDF"));
    btnvisitas = boton("btnvisitas", QStringLiteral("Visitas a Zonas"));
    btnfiltrar->setDefault(true);

    lbltitulorejilla = Nombrado(new QLabel(this), "lbltitulorejilla");
    lbltitulorejilla->setTextFormat(Qt::PlainText);
    lbltitulorejilla->setAlignment(Qt::AlignCenter);
    lbltitulorejilla->setStyleSheet(QStringLiteral("background: rgb(0, 0, 128); color: white; font-weight: bold;"));

    TDBGrid1 = Nombrado(new QTableView(this), "TDBGrid1");
    ModeloRejilla = new ModeloNombresLocalizadores(Nombres, this);
    ModeloRejilla->setSourceModel(&Motor.Modelo);
    TDBGrid1->setModel(ModeloRejilla);
    TDBGrid1->setAccessibleName(QStringLiteral("Resultado de la estadística"));
    TDBGrid1->verticalHeader()->setDefaultSectionSize(TwipsAPixelesY(330));
    TDBGrid1->verticalHeader()->setFixedWidth(TwipsAPixelesX(200));
    TDBGrid1->setFont(ModeloEstadistica::FuenteColumnas());
    TDBGrid1->setWordWrap(false);
    TDBGrid1->setTextElideMode(Qt::ElideRight);

    frmcalendario = Nombrado(new QGroupBox(QStringLiteral("Calendario"), this), "frmcalendario");
    frmcalendario->setAutoFillBackground(true);  // it lies over the filter and the grid
    MiniCalendar1 = Nombrado(new MiniCalendar(frmcalendario), "MiniCalendar1");
    MiniCalendar1->setAccessibleName(QStringLiteral("Calendario"));
    XPButton1 = Nombrado(new QPushButton(QStringLiteral("Cerrar"), frmcalendario), "XPButton1");
    XPButton1->setAccessibleName(QStringLiteral("Cerrar el calendario"));
    frmcalendario->hide();
    desplegable = new PanelDesplegable(frmcalendario);
    connect(desplegable, &PanelDesplegable::CierrePedido, this, &frmestadisticas::CerrarCalendario);
    connect(MiniCalendar1, &MiniCalendar::Click, this, &frmestadisticas::MiniCalendar1_Click);

    connect(btnfiltrar, &QPushButton::clicked, this, &frmestadisticas::btnfiltrar_Click);
    connect(btnsalir, &QPushButton::clicked, this, &QDialog::reject);
    connect(XPButton1, &QPushButton::clicked, this, &frmestadisticas::CerrarCalendario);
    connect(btnestadisticas, &QPushButton::clicked, this, &frmestadisticas::btnestadisticas_Click);
    connect(btnvergoogle, &QPushButton::clicked, this, &frmestadisticas::btnvergoogle_Click);
    connect(btnmapa, &QPushButton::clicked, this, &frmestadisticas::btnmapa_Click);
    connect(btnexportar, &QPushButton::clicked, this, &frmestadisticas::btnexportar_Click);
    connect(btnpdf, &QPushButton::clicked, this, &frmestadisticas::btnpdf_Click);
    connect(btnvisitas, &QPushButton::clicked, this, &frmestadisticas::btnvisitas_Click);

    setTabOrder(txtfecha1, txtfecha2);
    setTabOrder(txtfecha2, lstlocalizadores);
    setTabOrder(lstlocalizadores, lstzonas);
    setTabOrder(lstzonas, DropDownList1);
    setTabOrder(DropDownList1, btnfiltrar);
    setTabOrder(btnfiltrar, TDBGrid1);
    setTabOrder(TDBGrid1, btnsalir);
}

void frmestadisticas::Disponer()
{
    const int anchoPantalla = AnchoPantallaTwips(), altoPantalla = AltoPantallaTwips();
    const int W = anchoPantalla - 260;
    Frame1->setGeometry(Twips(130, 100, W, kAltoFrame));
    lblcliente->setGeometry(Twips(200, 200, 8000, 360));
    lblmensaje->setGeometry(Twips(5500, 1760, qMax(2000, W - 5500 - 5600), 300));

    const int b = kAltoBoton;  // the height of btnsalir
    const int arriba = 300;
    btnsalir->setGeometry(Twips(W - b - 200, arriba, kAnchoBoton, b));
    btnestadisticas->setGeometry(Twips(W - b - 1400, arriba, kAnchoBoton, b));
    btnfiltrar->setGeometry(Twips(W - b - 2400, arriba, kAnchoBoton, b));
    btnvergoogle->setGeometry(Twips(W - b - 3400, arriba, kAnchoBoton, b));
    btnmapa->setGeometry(Twips(W - b - 4400, arriba, kAnchoBoton, b));
    // Below the row: the PDF under the report, the export under the filter.
    const int abajo = arriba + b + 120;
    btnpdf->setGeometry(Twips(W - b - 3400, abajo, kAnchoBoton, 500));
    btnexportar->setGeometry(Twips(W - b - 2400, abajo, kAnchoBoton, 500));
    btnvisitas->setGeometry(Twips(W - b - 5900, arriba, 1400, b));

    const int arribaRejilla = 100 + kAltoFrame + 60;
    const int altoRejilla = qMax(1500, altoPantalla - kAltoFrame - 1000);
    lbltitulorejilla->setGeometry(Twips(130, arribaRejilla, W, kAltoTitulo));
    TDBGrid1->setGeometry(Twips(130, arribaRejilla + kAltoTitulo, W, altoRejilla - kAltoTitulo));

    frmcalendario->setGeometry(Twips(1630, 100 + 1100, 3800, 3900));
    MiniCalendar1->setGeometry(Twips(100, 300, 3600, 3000));
    XPButton1->setGeometry(Twips(2700, 3380, 1000, 400));

    resize(TwipsAPixelesX(anchoPantalla), TwipsAPixelesY(arribaRejilla + altoRejilla + 200));
}

void frmestadisticas::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (e->spontaneous() || VecesActivado > 0)
        return;
    RelojArena reloj;
    Nombres.Cargar();
    DameLocalizadores();
    DameZonas();
    ++VecesActivado;
}

bool frmestadisticas::eventFilter(QObject *o, QEvent *e)
{
    // The focus opens the calendar; a click on a box that already has it opens it again.
    if (!cerrandoCalendario && (e->type() == QEvent::FocusIn || e->type() == QEvent::MouseButtonPress) &&
        (o == txtfecha1 || o == txtfecha2))
        AbrirCalendario(static_cast<QLineEdit *>(o));
    return QDialog::eventFilter(o, e);
}

void frmestadisticas::AbrirCalendario(QLineEdit *caja)
{
    CajaFecha = caja;
    desplegable->Mostrar(caja);
    QDateTime fecha;
    if (FiltroEstadistica::LeerFecha(caja->text(), fecha))
        MiniCalendar1->setFechaActual(fecha.date());
}

void frmestadisticas::MiniCalendar1_Click()
{
    if (CajaFecha)
        CajaFecha->setText(Regional::FechaCorta(MiniCalendar1->FechaActual()));
    CerrarCalendario();
}

void frmestadisticas::CerrarCalendario()
{
    // Hiding the frame hands the focus on, often back to the date box: that is no request
    // to open the calendar again.
    cerrandoCalendario = true;
    if (CajaFecha && frmcalendario->isAncestorOf(QApplication::focusWidget()))
        CajaFecha->setFocus(Qt::OtherFocusReason);
    frmcalendario->hide();
    cerrandoCalendario = false;
}

bool frmestadisticas::DameLocalizadores()
{
    QStringList entradas;
    const bool hay = Motor.DameLocalizadores(entradas);
    lstlocalizadores->clear();
    for (int i = 0; i < entradas.size(); ++i) {
        // "Todos" stays as it is; a locator shows its name and keeps its IMEI for the queries.
        if (i == 0)
            lstlocalizadores->addItem(entradas[i]);
        else
            lstlocalizadores->addItem(Nombres.Mostrar(entradas[i]), entradas[i]);
    }
    lstlocalizadores->setCurrentIndex(hay ? 0 : -1);
    return hay;
}

bool frmestadisticas::DameZonas()
{
    QStringList entradas;
    const bool hay = Motor.DameZonas(entradas);
    lstzonas->clear();
    lstzonas->addItems(entradas);
    lstzonas->setCurrentIndex(-1);  // no zone chosen
    return hay;
}

FiltroPantalla frmestadisticas::Filtro() const
{
    // The locator list's values: the IMEI behind each name.
    auto valor = [this](int i) {
        const QVariant imei = lstlocalizadores->itemData(i);
        return imei.isValid() ? imei.toString() : lstlocalizadores->itemText(i);
    };
    FiltroPantalla f{txtfecha1->text(), txtfecha2->text(), {}, valor(lstlocalizadores->currentIndex()),
                     lstzonas->currentText(), DropDownList1->currentIndex()};
    for (int i = 0; i < lstlocalizadores->count(); ++i)
        f.entradas << valor(i);
    return f;
}

void frmestadisticas::btnfiltrar_Click() { Mostrar(Motor.Filtrar(Filtro())); }
void frmestadisticas::RealizaConsulta() { Mostrar(Motor.Ejecutar(1, Filtro())); }
void frmestadisticas::RealizaConsultaPorZonas() { Mostrar(Motor.Ejecutar(2, Filtro())); }
void frmestadisticas::RealizaConsultaPorLocalizadoresyZonas() { Mostrar(Motor.Ejecutar(3, Filtro())); }

void frmestadisticas::Mostrar(const MotorEstadisticas::Salida &s)
{
    using D = MotorEstadisticas::Desenlace;
    using FiltroEstadistica::Foco;
    if (s.desenlace == D::Ninguno)
        return;
    lblmensaje->setText(s.mensaje);
    switch (s.desenlace) {
    case D::Rechazado:
        if (s.foco != Foco::Ninguno) {
            QLineEdit *caja = s.foco == Foco::Fecha1 ? txtfecha1 : txtfecha2;
            caja->setFocus();
            AbrirCalendario(caja);
        }
        break;
    case D::SinPosiciones:
        lblmensaje->setVisible(true);
        MostrarRejilla(false);
        repaint();
        break;
    case D::Mostrado: {
        const int tipo = Resultado.TipoResultado;
        MostrarRejilla(true);
        lbltitulorejilla->setText(ResultadoEstadistica::Titulo(tipo));
        TDBGrid1->setAccessibleDescription(lbltitulorejilla->text());
        ModeloRejilla->EstablecerColumna(tipo == 3 ? 0 : -1);
        AplicarColumnas();
        btnestadisticas->setVisible(MotorEstadisticas::ConGraficas(tipo));
        btnmapa->setVisible(MotorEstadisticas::ConMapa(tipo));
        break;
    }
    default: break;
    }
}

void frmestadisticas::AplicarColumnas()
{
    for (int c = 0; c < Motor.Modelo.columnCount(); ++c)
        TDBGrid1->setColumnWidth(c, Motor.Modelo.AnchoColumna(c));
    TDBGrid1->scrollToTop();
}

void frmestadisticas::MostrarRejilla(bool visible)
{
    TDBGrid1->setVisible(visible);
    lbltitulorejilla->setVisible(visible);
}

// The chart, report and map open on the kind of result the grid holds (TipoResultado), so a later
// refused or empty statistic of another kind never pairs a result with the wrong design.
void frmestadisticas::btnestadisticas_Click()
{
    using namespace DatosGraficas;
    switch (Resultado.TipoResultado) {
    case 1: {
        frmgraficas g(this);
        g.Datos = PreparadatosResumen1(Resultado);
        g.exec();
        break;
    }
    case 2: {
        frmgraficaszonas g(this);
        g.NumFilas2 = qint16(Resultado.MaxFilas);
        g.Datos1 = PreparadatosResumen1(Resultado);
        g.Datos2 = PreparadatosResumen2(Resultado);
        g.Zonas = PreparadatosZonas(Resultado);
        g.exec();
        break;
    }
    default: break;
    }
}

void frmestadisticas::btnvergoogle_Click()
{
    GrabarArchivoTexto(ArchivoInforme::Ruta(), CadenaGrid(Motor.Modelo));
    if (auto informe = CrearInforme(Resultado.TipoResultado))
        informe->Show(1);
}

void frmestadisticas::btnmapa_Click()
{
    if (Resultado.TipoResultado != 2)
        return;
    frmzonas z(this);
    {
        RelojArena reloj;
        z.argumento = Motor.TextoMapa();
    }
    z.exec();
}

void frmestadisticas::btnexportar_Click()
{
    if (TDBGrid1->isHidden() || Resultado.TipoResultado == 0) {
        lblmensaje->setText(QStringLiteral("No hay ninguna estadística que exportar"));
        return;
    }
    Exportacion::ExportarTabla(*TDBGrid1->model(), lbltitulorejilla->text(), lbltitulorejilla->text() + QStringLiteral(".xlsx"));
}

// The report of the result shown, as btnvergoogle prints it, straight to a PDF file.
void frmestadisticas::btnpdf_Click()
{
    GrabarArchivoTexto(ArchivoInforme::Ruta(), CadenaGrid(Motor.Modelo));
    auto informe = CrearInforme(Resultado.TipoResultado);
    if (!informe) {
        lblmensaje->setText(QStringLiteral("No hay ninguna estadística que exportar"));
        return;
    }
    Exportacion::ExportarPdf(informe->lbltitulo + QStringLiteral(".pdf"),
                             [&informe](const QString &ruta) { return informe->ExportarPdf(ruta); });
}

void frmestadisticas::btnvisitas_Click()
{
    frmvisitaszonas v(this);
    const FiltroPantalla f = Filtro();  // the locator by its IMEI, not by the name shown
    v.Filtro = {f.fecha1, f.fecha2, f.localizador, f.zona};
    v.exec();
}
