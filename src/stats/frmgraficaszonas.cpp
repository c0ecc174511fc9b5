#include "frmgraficaszonas.h"

#include "datosgraficas.h"
#include "entorno.h"
#include "frmgraficas.h"
#include "sinzona.h"

#include <QChart>
#include <QChartView>
#include <QFrame>
#include <QPushButton>
#include <QShowEvent>

namespace {
QChartView *Grafica(QWidget *padre, const char *nombre, const QString &titulo)
{
    auto *v = new QChartView(padre);
    v->setObjectName(QLatin1String(nombre));
    v->chart()->setTitle(titulo);
    v->setRenderHint(QPainter::Antialiasing);
    v->setAccessibleName(titulo);
    return v;
}
}

frmgraficaszonas::frmgraficaszonas(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmgraficaszonas"));
    setWindowTitle(QStringLiteral("Gráficas"));
    SSPanel1 = new QFrame(this);
    SSPanel1->setObjectName(QStringLiteral("SSPanel1"));
    SSPanel1->setFrameShape(QFrame::StyledPanel);
    MSChart2 = Grafica(SSPanel1, "MSChart2", QStringLiteral("IMPACTOS POR HORAS"));
    MSChart1 = Grafica(SSPanel1, "MSChart1", QStringLiteral("IMPACTOS POR ZONAS"));
    Command1 = new QPushButton(QStringLiteral("Salir"), SSPanel1);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAccessibleName(QStringLiteral("Salir"));
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);

    const int ancho = AnchoPantallaTwips(), alto = AltoPantallaTwips() - 1200;
    const int altoGrafica = (alto - 1300) / 2;
    SSPanel1->setGeometry(0, 0, TwipsAPixelesX(ancho), TwipsAPixelesY(alto));
    MSChart2->setGeometry(TwipsAPixelesX(250), TwipsAPixelesY(150), TwipsAPixelesX(ancho - 500),
                          TwipsAPixelesY(altoGrafica));
    MSChart1->setGeometry(TwipsAPixelesX(250), TwipsAPixelesY(250 + altoGrafica), TwipsAPixelesX(ancho - 500),
                          TwipsAPixelesY(altoGrafica));
    const int anchoBoton = 1200;
    Command1->setGeometry(TwipsAPixelesX(ancho - (anchoBoton + 500)), TwipsAPixelesY(alto - 850),
                          TwipsAPixelesX(anchoBoton), TwipsAPixelesY(600));
    resize(TwipsAPixelesX(ancho), TwipsAPixelesY(alto));
}

void frmgraficaszonas::PreparaGrafica()
{
    LlenarGrafica(MSChart2, frmgraficas::CategoriasHoras(), DatosGraficas::Partir(Datos1));
}

void frmgraficaszonas::PreparaGraficaZonas()
{
    const QStringList zonas = DatosGraficas::Partir(Zonas);
    QStringList categorias;
    // The last category is the totals row.
    for (int i = 0; i < NumFilas2; ++i)
        categorias << (i < NumFilas2 - 1 ? NombreZona(zonas.value(i)) : zonas.value(i));
    LlenarGrafica(MSChart1, categorias, DatosGraficas::Partir(Datos2), true);
}

void frmgraficaszonas::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    PreparaGrafica();
    PreparaGraficaZonas();
}
