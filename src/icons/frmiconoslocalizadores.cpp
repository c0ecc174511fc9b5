#include "frmiconoslocalizadores.h"

#include "consultasiconos.h"
#include "dialogos.h"
#include "entorno.h"
#include "module1.h"
#include "puentemapa.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QWebEngineView>

using Module1::BaseLocal;

namespace {
// The pause before the lists are filled, so the page can start loading.
constexpr int kPausaCargaMs = 150;

QLabel *etiqueta(QWidget *padre, const char *nombre, const QString &texto)
{
    auto *l = new QLabel(texto, padre);
    l->setObjectName(QLatin1String(nombre));
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    return l;
}
}

const QStringList &frmiconoslocalizadores::NombresIconos()
{
    static const QStringList nombres{
        QStringLiteral("Ninguno"), QStringLiteral("policia1"), QStringLiteral("coche1"), QStringLiteral("coche2"),
        QStringLiteral("coche3"), QStringLiteral("coche4"), QStringLiteral("corredor1"), QStringLiteral("especialista1"),
        QStringLiteral("furgoneta1"), QStringLiteral("moto1"), QStringLiteral("niños1"), QStringLiteral("num1"),
        QStringLiteral("num2"), QStringLiteral("num3"), QStringLiteral("num4"), QStringLiteral("num5"),
        QStringLiteral("persona1"), QStringLiteral("persona2")};
    return nombres;
}

frmiconoslocalizadores::frmiconoslocalizadores(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmiconoslocalizadores"));
    setWindowTitle(QStringLiteral("Iconos de los Localizadores"));
    // Modal before any native window exists, so the window system knows it from the first map.
    setWindowModality(Qt::ApplicationModal);

    Label1 = etiqueta(this, "Label1", QStringLiteral("Localizadores"));
    cmblocalizadores = new QComboBox(this);
    cmblocalizadores->setObjectName(QStringLiteral("cmblocalizadores"));
    cmblocalizadores->setAccessibleName(Label1->text());
    Label1->setBuddy(cmblocalizadores);
    Label2 = etiqueta(this, "Label2", QStringLiteral("Escoja el icono con el que estará asociado el localizador"));
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(Label2->text());
    Label2->setBuddy(List1);
    List1->addItems(NombresIconos());
    WebBrowser1 = new QWebEngineView(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setAccessibleName(QStringLiteral("Vista previa del icono"));
    WebBrowser1->setFocusPolicy(Qt::NoFocus);
    Mapa = new PuenteMapa(WebBrowser1);
    MyButton1 = new QPushButton(QStringLiteral("Cerrar"), this);
    MyButton1->setObjectName(QStringLiteral("MyButton1"));
    MyButton1->setAccessibleName(MyButton1->text());
    MyButton1->setAutoDefault(false);
    auto *Label3 = etiqueta(this, "Label3", QStringLiteral("Nombre del localizador (vacío: el del servicio)"));
    txtalias = new QLineEdit(this);
    txtalias->setObjectName(QStringLiteral("txtalias"));
    txtalias->setAccessibleName(Label3->text());
    Label3->setBuddy(txtalias);
    btnalias = new QPushButton(QStringLiteral("Guardar nombre"), this);
    btnalias->setObjectName(QStringLiteral("btnalias"));
    btnalias->setAccessibleName(btnalias->text());
    btnalias->setAutoDefault(false);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(1000);

    auto *rejilla = new QGridLayout(this);
    rejilla->addWidget(Label1, 0, 0);
    rejilla->addWidget(cmblocalizadores, 1, 0);
    rejilla->addWidget(Label2, 2, 0);
    rejilla->addWidget(List1, 3, 0);
    rejilla->addWidget(WebBrowser1, 0, 1, 4, 1);
    rejilla->addWidget(Label3, 4, 0);
    rejilla->addWidget(txtalias, 5, 0);
    rejilla->addWidget(btnalias, 6, 0, Qt::AlignLeft);
    rejilla->addWidget(MyButton1, 6, 1, Qt::AlignRight);
    rejilla->setColumnStretch(1, 1);
    rejilla->setRowStretch(3, 1);
    setTabOrder(cmblocalizadores, List1);
    setTabOrder(List1, txtalias);
    setTabOrder(txtalias, btnalias);
    setTabOrder(btnalias, MyButton1);
    resize(TwipsAPixelesX(7200), TwipsAPixelesY(5400));

    // The page opens before the first show: a web view that appears in a window already on screen
    // makes Qt create that window anew, and the new one loses its modal state under X11.
    Mapa->AbrirPagina(QStringLiteral("viisor.htm"));

    connect(Timer1, &QTimer::timeout, this, &frmiconoslocalizadores::Timer1_Timer);
    connect(cmblocalizadores, &QComboBox::activated, this, &frmiconoslocalizadores::cmblocalizadores_Click);
    // A click on an icon, also on the one already chosen, or Enter or Space on the current one;
    // entering the list or moving through it stores nothing.
    connect(List1, &QListWidget::itemClicked, this, &frmiconoslocalizadores::List1_Click);
    List1->installEventFilter(this);
    connect(MyButton1, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnalias, &QPushButton::clicked, this, &frmiconoslocalizadores::btnalias_Click);
    connect(cmblocalizadores, &QComboBox::currentIndexChanged, this, [this] { txtalias->setText(Nombres.Alias(Localizador())); });
}

bool frmiconoslocalizadores::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == List1 && evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent *>(evento)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter || tecla == Qt::Key_Space) {
            List1_Click();
            return true;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void frmiconoslocalizadores::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    // Loading pumps events: it runs once the window is on screen and blocks its caller.
    if (!cargado) {
        cargado = true;
        QMetaObject::invokeMethod(this, &frmiconoslocalizadores::cargar, Qt::QueuedConnection);
    }
}

void frmiconoslocalizadores::cargar()
{
    RelojArena reloj;
    Cargando = true;
    QElapsedTimer pausa;
    pausa.start();
    while (pausa.elapsed() < kPausaCargaMs)
        DoEvents();
    MeterLocalizadores();
    Cargando = false;
    // Started once the lists are filled, so the first locator's icon always shows.
    Timer1->start();
}

void frmiconoslocalizadores::MeterLocalizadores()
{
    const QStringList l = ConsultasIconos::Localizadores(BaseLocal());
    if (l.isEmpty())
        return;
    Nombres.Cargar();
    for (const QString &imei : l)
        cmblocalizadores->addItem(Nombres.Mostrar(imei), imei);
    cmblocalizadores->setCurrentIndex(0);
}

void frmiconoslocalizadores::PosicionaListaen(const QString &arg)
{
    for (int i = 0; i < List1->count(); ++i)
        if (List1->item(i)->text() == arg) {
            List1->setCurrentRow(i);
            return;
        }
}

void frmiconoslocalizadores::SincronizaLocalizadorYLista()
{
    const auto icono = ConsultasIconos::IconoGuardado(BaseLocal(), Localizador());
    if (!icono)
        return;
    Mapa->Ejecutar(ConsultasIconos::SentenciaImagen(*icono), QStringLiteral("JavaScript"));
    PosicionaListaen(*icono);
}

void frmiconoslocalizadores::GrabarIcono()
{
    const QListWidgetItem *elegido = List1->currentItem();
    ConsultasIconos::GrabarIcono(BaseLocal(), Localizador(), elegido ? elegido->text() : QString());
}

void frmiconoslocalizadores::Timer1_Timer()
{
    Timer1->stop();
    SincronizaLocalizadorYLista();
}

void frmiconoslocalizadores::cmblocalizadores_Click()
{
    if (!Cargando)
        SincronizaLocalizadorYLista();
}

void frmiconoslocalizadores::List1_Click()
{
    if (Cargando)
        return;
    QListWidgetItem *elegido = List1->currentItem();
    if (!elegido)
        return;
    Mapa->Ejecutar(ConsultasIconos::SentenciaImagen(elegido->text()), QStringLiteral("JavaScript"));
    GrabarIcono();
}

QString frmiconoslocalizadores::Localizador() const
{
    const QVariant imei = cmblocalizadores->currentData();
    return imei.isValid() ? imei.toString() : cmblocalizadores->currentText();
}

void frmiconoslocalizadores::btnalias_Click()
{
    const int i = cmblocalizadores->currentIndex();
    if (i < 0)
        return;
    const QString imei = Localizador();
    if (!Nombres.GuardarAlias(BaseLocal(), imei, txtalias->text())) {
        MsgBox(QStringLiteral("No se pudo guardar el nombre: ") + BaseLocal().UltimoError(), vb::vbExclamation, QString());
        return;
    }
    cmblocalizadores->setItemText(i, Nombres.Mostrar(imei));
}
