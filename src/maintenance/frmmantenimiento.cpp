#include "frmmantenimiento.h"
#include "frmcopiaseg.h"
#include "listacarpetas.h"
#include "operacionesmantenimiento.h"

#include "controles.h"
#include "dialogos.h"
#include "entorno.h"
#include "module1.h"
#include "regional.h"

#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "frmiconoslocalizadores.h"
#include "minicalendar.h"
#include "paneldesplegable.h"

using Module1::BaseLocal;

namespace {
void mostrar(const Aviso &aviso)
{
    if (!aviso.texto.isEmpty())
        MsgBox(aviso.texto, aviso.estilo, QString());
}

// One titled section of the window: its label over a framed row of controls.
QGridLayout *seccion(QVBoxLayout *columna, QWidget *padre, QLabel *titulo)
{
    columna->addWidget(titulo);
    auto *marco = new QFrame(padre);
    marco->setObjectName(QStringLiteral("seccion"));
    auto *rejilla = new QGridLayout(marco);
    columna->addWidget(marco);
    return rejilla;
}
}

frmmantenimiento::frmmantenimiento(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmmantenimiento"));
    setWindowTitle(QStringLiteral("Administrar Datos"));
    setStyleSheet(QStringLiteral(
        "frmmantenimiento { background: #eef2f6; }"
        // Own labels only: windows opened from here have labels of the same names.
        "frmmantenimiento > QLabel#Label2, frmmantenimiento > QLabel#Label3, frmmantenimiento > QLabel#Label4,"
        "frmmantenimiento > QLabel#Label5, frmmantenimiento > QLabel#Label6 {"
        "  font-weight: bold; color: white; background: #2a6f97; padding: 3px 6px; }"
        "QFrame#seccion { background: white; border: 1px solid #c3ced8; border-top: none; }"
        "QFrame#seccion QLabel { border: none; }"
        "QPushButton { padding: 5px 14px; }"));

    auto *columna = new QVBoxLayout(this);
    columna->setSpacing(0);

    Label2 = EtiquetaNombrada(this, "Label2", QStringLiteral(" Borrar Datos"));
    QGridLayout *borrar = seccion(columna, this, Label2);
    Label1 = EtiquetaNombrada(this, "Label1", QStringLiteral("Fecha desde la que se borrará posiciones hacia atrás"));
    txtfecha = new QLineEdit(this);
    txtfecha->setObjectName(QStringLiteral("txtfecha"));
    txtfecha->setAccessibleName(Label1->text());
    txtfecha->setPlaceholderText(QStringLiteral("dd/mm/aaaa"));
    txtfecha->setMaximumWidth(TwipsAPixelesX(1600));
    Label1->setBuddy(txtfecha);
    Command2 = BotonNombrado(this, "Command2", QStringLiteral("Borrar"));
    borrar->addWidget(Label1, 0, 0, 1, 3);
    borrar->addWidget(txtfecha, 1, 0);
    borrar->addWidget(Command2, 1, 2);
    borrar->setColumnStretch(1, 1);
    columna->addSpacing(TwipsAPixelesY(120));

    Label3 = EtiquetaNombrada(this, "Label3", QStringLiteral("Compactar Base Datos"));
    QGridLayout *compactar = seccion(columna, this, Label3);
    Command3 = BotonNombrado(this, "Command3", QStringLiteral("Compactar"));
    compactar->addWidget(Command3, 0, 1);
    compactar->setColumnStretch(0, 1);
    columna->addSpacing(TwipsAPixelesY(120));

    Label5 = EtiquetaNombrada(this, "Label5", QStringLiteral("Verficar Base Datos"));
    QGridLayout *verificar = seccion(columna, this, Label5);
    Command6 = BotonNombrado(this, "Command6", QStringLiteral("Verificar"));
    verificar->addWidget(Command6, 0, 1);
    verificar->setColumnStretch(0, 1);
    columna->addSpacing(TwipsAPixelesY(120));

    Label4 = EtiquetaNombrada(this, "Label4", QStringLiteral("Copia Seguridad"));
    QGridLayout *copia = seccion(columna, this, Label4);
    Command4 = BotonNombrado(this, "Command4", QStringLiteral("Realizar Copia de Segurirad"));
    Command5 = BotonNombrado(this, "Command5", QStringLiteral("Recuperar Copia de Segurirad"));
    copia->addWidget(Command4, 0, 0);
    copia->addWidget(Command5, 0, 1);
    columna->addSpacing(TwipsAPixelesY(120));

    Label6 = EtiquetaNombrada(this, "Label6", QStringLiteral("Otros"));
    QGridLayout *otros = seccion(columna, this, Label6);
    Command7 = BotonNombrado(this, "Command7", QStringLiteral("Asociar iconos a Localizadores"));
    otros->addWidget(Command7, 0, 0);
    otros->setColumnStretch(1, 1);
    columna->addSpacing(TwipsAPixelesY(200));
    columna->addStretch(1);

    Command1 = BotonNombrado(this, "Command1", QStringLiteral("Salir"));
    auto *pie = new QHBoxLayout;
    pie->addStretch(1);
    pie->addWidget(Command1);
    columna->addLayout(pie);

    setTabOrder(txtfecha, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command6);
    setTabOrder(Command6, Command4);
    setTabOrder(Command4, Command5);
    setTabOrder(Command5, Command7);
    setTabOrder(Command7, Command1);

    MiniCalendar1 = new MiniCalendar(this);
    MiniCalendar1->setObjectName(QStringLiteral("MiniCalendar1"));
    MiniCalendar1->setAccessibleName(QStringLiteral("Calendario"));
    MiniCalendar1->hide();
    MiniCalendar1->resize(TwipsAPixelesX(3200), TwipsAPixelesY(2600));
    desplegable = new PanelDesplegable(MiniCalendar1);
    connect(desplegable, &PanelDesplegable::CierrePedido, this, &frmmantenimiento::ocultarCalendario);
    connect(MiniCalendar1, &MiniCalendar::Click, this, &frmmantenimiento::MiniCalendar1_Click);
    txtfecha->installEventFilter(this);

    resize(TwipsAPixelesX(6600), TwipsAPixelesY(6900));

    connect(Command1, &QPushButton::clicked, this, &frmmantenimiento::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmmantenimiento::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmmantenimiento::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmmantenimiento::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &frmmantenimiento::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &frmmantenimiento::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &frmmantenimiento::Command7_Click);
}

void frmmantenimiento::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    // The window opens on the purge button, so the date picker waits until the date box is entered.
    if (!mostrada) {
        mostrada = true;
        Command2->setFocus();
    }
}

bool frmmantenimiento::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == txtfecha && evento->type() == QEvent::FocusIn && !ocultando)
        txtfecha_GotFocus();
    return QDialog::eventFilter(objeto, evento);
}

void frmmantenimiento::txtfecha_GotFocus()
{
    desplegable->Mostrar(txtfecha);
    if (Regional::EsFecha(txtfecha->text()))
        MiniCalendar1->setFechaActual(Regional::LeerFecha(txtfecha->text()));
}

void frmmantenimiento::ocultarCalendario(bool enCaja)
{
    // Giving the focus back to the box is no request to show the picker again.
    ocultando = true;
    if (enCaja)
        txtfecha->setFocus(Qt::OtherFocusReason);
    MiniCalendar1->hide();
    ocultando = false;
}

void frmmantenimiento::MiniCalendar1_Click()
{
    txtfecha->setText(Regional::FechaCorta(MiniCalendar1->FechaActual()));
    // On to the purge button first: hiding the focused picker would hand the focus back to the
    // date box, which would show the picker again.
    Command2->setFocus();
    MiniCalendar1->hide();
}

void frmmantenimiento::Command1_Click() { reject(); }

void frmmantenimiento::Command2_Click()
{
    if (!Regional::EsFecha(txtfecha->text())) {
        MsgBox(QStringLiteral("Especifique una fecha correcta"), vb::vbExclamation, QString());
        txtfecha->setFocus();
        return;
    }
    if (MsgBox(QStringLiteral("Seguro que quiere borrar?"), vb::vbYesNo | vb::vbQuestion, QString()) != vb::vbYes)
        return;
    Aviso aviso;
    {
        RelojArena reloj;
        aviso = Purgar(BaseLocal(), Regional::LeerFecha(txtfecha->text()));
    }
    mostrar(aviso);
}

void frmmantenimiento::Command3_Click()
{
    {
        RelojArena reloj;
        BaseLocal().Compactar();
    }
    BaseLocal().ConectarLOCAL();
}

void frmmantenimiento::Command6_Click()
{
    {
        RelojArena reloj;
        BaseLocal().Verificar();
    }
    BaseLocal().ConectarLOCAL();
}

void frmmantenimiento::Command4_Click()
{
    frmcopiaseg selector(this);
    selector.Label3->setText(QStringLiteral("Escoja una carpeta para guardar los datos"));
    selector.exec();
    if (selector.Cancel)
        return;
    Aviso aviso;
    {
        RelojArena reloj;
        aviso = CopiarBase(BaseLocal(), selector.Dir1->Path());
    }
    mostrar(aviso);
}

void frmmantenimiento::Command5_Click()
{
    const QString ruta = DialogosActuales().AbrirArchivo(
        QStringLiteral("Escoja el archivo con las plantillas que Importará!"),
        QStringLiteral("Bases de datos (*.sdf);;Todos los archivos (*)"),
        QDir(CarpetaAplicacion()).filePath(QStringLiteral("datoslocalizador.sdf")));
    Aviso aviso;
    {
        RelojArena reloj;
        aviso = Recuperar(BaseLocal(), ruta);
    }
    mostrar(aviso);
}

void frmmantenimiento::Command7_Click()
{
    frmiconoslocalizadores iconos(this);
    iconos.exec();
}
