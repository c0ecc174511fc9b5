#include "frmvisitaszonas.h"
#include "informevisitas.h"

#include "entorno.h"
#include "module1.h"
#include "regional.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QValueAxis>
#include <QVBoxLayout>
#include <cmath>

namespace {
template <class W> W *Nombrado(W *w, const char *nombre, const QString &accesible = QString())
{
    w->setObjectName(QLatin1String(nombre));
    if (!accesible.isEmpty())
        w->setAccessibleName(accesible);
    return w;
}

QTableView *Rejilla(QWidget *padre, const char *nombre, const QString &accesible, QAbstractItemModel *modelo)
{
    auto *t = Nombrado(new QTableView(padre), nombre, accesible);
    t->setModel(modelo);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setAlternatingRowColors(true);
    t->setWordWrap(false);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setStretchLastSection(true);
    t->setStyleSheet(QStringLiteral("QHeaderView::section { background: rgb(0, 0, 128); color: white; font-weight: bold; }"));
    return t;
}
}

frmvisitaszonas::frmvisitaszonas(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmvisitaszonas"));
    setWindowTitle(QStringLiteral("Visitas a Zonas"));
    setWindowModality(Qt::ApplicationModal);
    Resumen = new ModeloVisitas(Motor, ModeloVisitas::Vista::Resumen, this);
    Detalle = new ModeloVisitas(Motor, ModeloVisitas::Vista::Detalle, this);

    auto *titulo = new QLabel(QStringLiteral("Visitas a Zonas"), this);
    titulo->setStyleSheet(QStringLiteral("font-size: 16pt; font-weight: bold; color: #173f63;"));
    lblfiltro = Nombrado(new QLabel(this), "lblfiltro", QStringLiteral("Filtro"));
    lblfiltro->setTextFormat(Qt::PlainText);
    lblfiltro->setWordWrap(true);

    auto *lblsegun = new QLabel(QStringLiteral("Zona según"), this);
    cmbzonasegun = Nombrado(new QComboBox(this), "cmbzonasegun", lblsegun->text());
    cmbzonasegun->addItems({QStringLiteral("servicio"), QStringLiteral("polígonos")});
    cmbzonasegun->setToolTip(QStringLiteral("servicio: la zona que el servicio anotó en cada posición; "
                                            "polígonos: cada posición comprobada contra las zonas dibujadas hoy"));
    lblsegun->setBuddy(cmbzonasegun);
    auto *lblpausa = new QLabel(QStringLiteral("Pausa máxima dentro (min)"), this);
    txtpausa = Nombrado(new QSpinBox(this), "txtpausa", lblpausa->text());
    txtpausa->setRange(1, 24 * 60);
    txtpausa->setValue(30);
    lblpausa->setBuddy(txtpausa);
    btncalcular = Nombrado(new QPushButton(QStringLiteral("Calcular"), this), "btncalcular", QStringLiteral("Calcular"));
    btncalcular->setDefault(true);
    lblmensaje = Nombrado(new QLabel(this), "lblmensaje", QStringLiteral("Mensaje"));
    lblmensaje->setTextFormat(Qt::PlainText);
    lblmensaje->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0); font-weight: bold;"));

    grdvisitas = Rejilla(this, "grdvisitas", QStringLiteral("Visitas por localizador y zona"), Resumen);
    grddetalle = Rejilla(this, "grddetalle", QStringLiteral("Visitas de la fila elegida"), Detalle);
    grafica = Nombrado(new QChartView(this), "grafica", QStringLiteral("Tiempo dentro por zona"));
    grafica->setRenderHint(QPainter::Antialiasing);
    grafica->setMinimumHeight(TwipsAPixelesY(2400));

    btninforme = Nombrado(new QPushButton(QStringLiteral("Informe"), this), "btninforme", QStringLiteral("Informe"));
    btnsalir = Nombrado(new QPushButton(QStringLiteral("Salir"), this), "btnsalir", QStringLiteral("Salir"));
    for (QPushButton *b : {btninforme, btnsalir})
        b->setAutoDefault(false);

    auto *filtro = new QHBoxLayout;
    filtro->addWidget(lblsegun);
    filtro->addWidget(cmbzonasegun);
    filtro->addSpacing(12);
    filtro->addWidget(lblpausa);
    filtro->addWidget(txtpausa);
    filtro->addWidget(btncalcular);
    filtro->addWidget(lblmensaje, 1);
    filtro->addWidget(btninforme);
    filtro->addWidget(btnsalir);
    auto *lbldetalle = new QLabel(QStringLiteral("Visitas de la fila elegida"), this);
    lbldetalle->setBuddy(grddetalle);
    auto *abajo = new QGridLayout;
    abajo->addWidget(lbldetalle, 0, 0);
    abajo->addWidget(grddetalle, 1, 0);
    abajo->addWidget(grafica, 0, 1, 2, 1);
    abajo->setColumnStretch(0, 1);
    abajo->setColumnStretch(1, 1);
    auto *principal = new QVBoxLayout(this);
    principal->addWidget(titulo);
    principal->addWidget(lblfiltro);
    principal->addLayout(filtro);
    principal->addWidget(grdvisitas, 3);
    principal->addLayout(abajo, 2);

    connect(btncalcular, &QPushButton::clicked, this, &frmvisitaszonas::btncalcular_Click);
    connect(btninforme, &QPushButton::clicked, this, &frmvisitaszonas::btninforme_Click);
    connect(btnsalir, &QPushButton::clicked, this, &QDialog::reject);
    connect(grdvisitas->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &i) { Detalle->Seleccionar(i.isValid() ? i.row() : -1); });

    resize(TwipsAPixelesX(AnchoPantallaTwips() - 600), TwipsAPixelesY(AltoPantallaTwips() - 1200));
}

QString frmvisitaszonas::TextoFiltro() const
{
    const QString localizador = Filtro.localizador.isEmpty() ? QStringLiteral("Todos") : Filtro.localizador;
    return QStringLiteral("Periodo desde el %1 hasta el %2 (sin incluirlo) · Localizador: %3 · Zona: %4 · Zona según %5")
        .arg(Filtro.fecha1, Filtro.fecha2, localizador, Filtro.zona.isEmpty() ? QStringLiteral("todas") : Filtro.zona,
             cmbzonasegun->currentText());
}

void frmvisitaszonas::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!mostrada && !e->spontaneous()) {
        mostrada = true;
        btncalcular_Click();
    }
}

void frmvisitaszonas::btncalcular_Click()
{
    RelojArena reloj;
    lblfiltro->setText(TextoFiltro());
    Motor.Modo = cmbzonasegun->currentIndex() == 1 ? CalculoVisitas::Modo::Poligonos : CalculoVisitas::Modo::Servicio;
    Motor.PausaMinutos = txtpausa->value();
    lblmensaje->setText(Motor.Calcular(Filtro, Module1::BaseLocal(), Module1::ServidorRemoto(), Module1::CodigoTitular));
    Resumen->Recargar();
    Detalle->Seleccionar(-1);
    grdvisitas->resizeColumnsToContents();
    if (Resumen->rowCount() > 0)
        grdvisitas->selectRow(0);
    grddetalle->resizeColumnsToContents();
    btninforme->setEnabled(Resumen->rowCount() > 0);
    LlenarGrafica();
}

void frmvisitaszonas::LlenarGrafica()
{
    auto *chart = new QChart;
    chart->setTitle(QStringLiteral("TIEMPO DENTRO POR ZONA (horas)"));
    chart->legend()->hide();
    chart->setLocalizeNumbers(true);
    chart->setLocale(Regional::LocaleNumeros());
    const auto tiempos = Motor.TiempoPorZona();
    if (!tiempos.isEmpty()) {
        auto *serie = new QHorizontalBarSeries;
        auto *barras = new QBarSet(QStringLiteral("Tiempo dentro"));
        QStringList zonas;
        // Bars top-down in zone order: the axis draws its first category at the bottom.
        for (auto it = tiempos.crbegin(); it != tiempos.crend(); ++it) {
            zonas << it->first;
            *barras << std::round(double(it->second) / 36.0) / 100.0;  // hours, to the hundredth
        }
        serie->append(barras);
        serie->setLabelsVisible(true);
        serie->setLabelsFormat(QStringLiteral("@value h"));
        serie->setLabelsPrecision(15);  // the hundredths in full, never in exponent form
        chart->addSeries(serie);
        auto *ejeZonas = new QBarCategoryAxis;
        ejeZonas->append(zonas);
        chart->addAxis(ejeZonas, Qt::AlignLeft);
        serie->attachAxis(ejeZonas);
        auto *ejeHoras = new QValueAxis;
        ejeHoras->setLabelFormat(QStringLiteral("%.1f"));
        chart->addAxis(ejeHoras, Qt::AlignBottom);
        serie->attachAxis(ejeHoras);
        ejeHoras->applyNiceNumbers();  // ticks on round hours, not on fifths of the longest bar
    }
    QChart *anterior = grafica->chart();
    grafica->setChart(chart);
    delete anterior;
}

void frmvisitaszonas::btninforme_Click()
{
    InformeVisitas informe(*Resumen);
    informe.Titular = Module1::NombreTitular;
    informe.Filtro = TextoFiltro();
    informe.Fecha = Regional::FechaCorta(QDate::currentDate());
    informe.Mostrar(this);
}
