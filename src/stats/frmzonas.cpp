#include "frmzonas.h"

#include "entorno.h"
#include "mapazonas.h"
#include "puentemapa.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QWebEngineView>

frmzonas::frmzonas(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmzonas"));
    setWindowTitle(QStringLiteral("Total Impactos por Zonas"));
    pnlestadistica = new QFrame(this);
    pnlestadistica->setObjectName(QStringLiteral("pnlestadistica"));
    Label1 = new QLabel(QStringLiteral("Total Impactos por Zonas"), pnlestadistica);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont negrita = Label1->font();
    negrita.setBold(true);
    negrita.setPointSize(negrita.pointSize() + 3);
    Label1->setFont(negrita);
    WebBrowser1 = new QWebEngineView(pnlestadistica);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setAccessibleName(QStringLiteral("Mapa de impactos por zonas"));
    btncerrarestadistica = new QPushButton(QStringLiteral("Cerrar"), pnlestadistica);
    btncerrarestadistica->setObjectName(QStringLiteral("btncerrarestadistica"));
    btncerrarestadistica->setAccessibleName(QStringLiteral("Cerrar"));
    connect(btncerrarestadistica, &QPushButton::clicked, this, &QDialog::accept);
    // The page is called once it has loaded rather than at a fixed delay: the timer only stands by.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(2000);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &frmzonas::Timer1_Timer);

    const int ancho = AnchoPantallaTwips(), alto = AltoPantallaTwips() - 1000;
    pnlestadistica->setGeometry(0, 0, TwipsAPixelesX(ancho), TwipsAPixelesY(alto));
    Label1->setGeometry(TwipsAPixelesX(250), TwipsAPixelesY(120), TwipsAPixelesX(6000), TwipsAPixelesY(400));
    WebBrowser1->setGeometry(TwipsAPixelesX(250), TwipsAPixelesY(600), TwipsAPixelesX(ancho - 500),
                             TwipsAPixelesY(alto - 1400));
    btncerrarestadistica->setGeometry(TwipsAPixelesX(ancho - 1340), TwipsAPixelesY(alto - 700),
                                      TwipsAPixelesX(1000), TwipsAPixelesY(500));
    pnlestadistica->setVisible(true);
    resize(TwipsAPixelesX(ancho), TwipsAPixelesY(alto));

    puente = new PuenteMapa(WebBrowser1);
    {
        PunteroRaton(11);
        puente->AbrirPagina(QStringLiteral("track2.htm"));
        PunteroRaton(99);
    }
}

frmzonas::~frmzonas() = default;

void frmzonas::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        Timer1_Timer();
}

void frmzonas::Timer1_Timer()
{
    Timer1->stop();
    if (mostrado)
        return;
    mostrado = true;
    puente->Ejecutar(MapaZonas::Sentencia(argumento), QStringLiteral("JavaScript"));
}
