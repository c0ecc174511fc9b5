#include "frmgraficas.h"

#include "datosgraficas.h"
#include "entorno.h"
#include "regional.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QHorizontalBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFrame>
#include <QPushButton>
#include <QShowEvent>
#include <QValueAxis>
#include <cmath>

QStringList frmgraficas::CategoriasHoras()
{
    QStringList h;
    for (int i = 0; i < 24; ++i)
        h << QString::number(i) + QLatin1Char('H');
    return h;
}

void LlenarGrafica(QChartView *vista, const QStringList &categorias, const QStringList &valores, bool horizontal)
{
    QChart *grafica = vista->chart();
    grafica->setLocalizeNumbers(true);
    grafica->setLocale(Regional::LocaleNumeros());
    grafica->removeAllSeries();
    for (QAbstractAxis *eje : grafica->axes())
        grafica->removeAxis(eje);
    QAbstractBarSeries *serie = horizontal ? static_cast<QAbstractBarSeries *>(new QHorizontalBarSeries)
                                           : static_cast<QAbstractBarSeries *>(new QBarSeries);
    auto *conjunto = new QBarSet(QStringLiteral("Total Impactos"));
    double maximo = 0;
    for (int j = 0; j < categorias.size(); ++j) {
        const double v = Regional::LeerNumero(valores.value(j).trimmed());
        *conjunto << v;
        maximo = qMax(maximo, v);
    }
    conjunto->setLabelColor(Qt::black);
    serie->append(conjunto);
    serie->setLabelsVisible(true);
    serie->setLabelsPrecision(15);  // counts in full, never in exponent form
    serie->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    grafica->addSeries(serie);
    // The axis takes every category once and no null one: a repeated or empty label gets blanks
    // added so that each bar keeps its own place.
    QStringList etiquetas;
    for (QString c : categorias) {
        if (c.isEmpty())
            c = QStringLiteral(" ");
        while (etiquetas.contains(c))
            c += QLatin1Char(' ');
        etiquetas << c;
    }
    auto *ejeX = new QBarCategoryAxis;
    ejeX->append(etiquetas);
    ejeX->setTruncateLabels(false);  // a zone is read by its whole name
    grafica->addAxis(ejeX, horizontal ? Qt::AlignLeft : Qt::AlignBottom);
    serie->attachAxis(ejeX);
    auto *ejeY = new QValueAxis;
    ejeY->setRange(0, maximo > 0 ? maximo * 1.15 : 1);
    ejeY->setLabelFormat(QStringLiteral("%.0f"));  // "%d" writes nothing with localized numbers
    ejeY->applyNiceNumbers();
    // Counts: a tick on every whole number rather than halves written as whole numbers.
    if (ejeY->max() / (ejeY->tickCount() - 1) < 1) {
        const int tope = qMax(1, int(std::ceil(maximo * 1.15)));
        ejeY->setRange(0, tope);
        ejeY->setTickCount(tope + 1);
    }
    grafica->addAxis(ejeY, horizontal ? Qt::AlignBottom : Qt::AlignLeft);
    serie->attachAxis(ejeY);
    grafica->legend()->setAlignment(Qt::AlignBottom);
    vista->update();
}

frmgraficas::frmgraficas(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmgraficas"));
    setWindowTitle(QStringLiteral("Gráficas"));
    SSPanel1 = new QFrame(this);
    SSPanel1->setObjectName(QStringLiteral("SSPanel1"));
    SSPanel1->setFrameShape(QFrame::StyledPanel);
    MSChart1 = new QChartView(SSPanel1);
    MSChart1->setObjectName(QStringLiteral("MSChart1"));
    MSChart1->chart()->setTitle(QStringLiteral("IMPACTOS POR HORAS"));
    MSChart1->setRenderHint(QPainter::Antialiasing);
    MSChart1->setAccessibleName(QStringLiteral("IMPACTOS POR HORAS"));
    Command1 = new QPushButton(QStringLiteral("Salir"), SSPanel1);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAccessibleName(QStringLiteral("Salir"));
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);

    const int ancho = AnchoPantallaTwips(), alto = qMin(AltoPantallaTwips() - 1200, 9000);
    SSPanel1->setGeometry(0, 0, TwipsAPixelesX(ancho), TwipsAPixelesY(alto));
    MSChart1->setGeometry(TwipsAPixelesX(250), TwipsAPixelesY(200), TwipsAPixelesX(ancho - 500),
                          TwipsAPixelesY(alto - 1200));
    const int anchoBoton = 1200;
    Command1->setGeometry(TwipsAPixelesX(ancho - (anchoBoton + 500)), TwipsAPixelesY(alto - 900),
                          TwipsAPixelesX(anchoBoton), TwipsAPixelesY(600));
    resize(TwipsAPixelesX(ancho), TwipsAPixelesY(alto));
}

void frmgraficas::PreparaGrafica()
{
    LlenarGrafica(MSChart1, CategoriasHoras(), DatosGraficas::Partir(Datos));
}

void frmgraficas::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        PreparaGrafica();
}
