#include "frmdownload.h"

#include "dialogos.h"
#include "entorno.h"
#include "module1.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

frmdownload::frmdownload(QWidget *parent) : QDialog(parent), descarga(*this)
{
    setObjectName(QStringLiteral("frmdownload"));
    setWindowTitle(QStringLiteral("Bajando Datos Localizadores"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    // Own styles: the menu that owns this window styles controls of the same names for itself.
    setStyleSheet(QStringLiteral(
        "QLabel#lblcliente { color: #173f63; font-size: 14pt; font-weight: bold; }"
        "QLabel#Label1 { color: #1f3b53; }"
        "QPushButton#Command1 { font-size: 11pt; padding: 5px 18px; background: #2a6f97; color: white;"
        "  border: none; border-radius: 5px; }"
        "QPushButton#Command1:focus { background: #173f63; }"
        "QPushButton#Command1:disabled { background: #9aa3ad; }"));

    lblcliente = new QLabel(this);
    lblcliente->setObjectName(QStringLiteral("lblcliente"));
    lblcliente->setTextFormat(Qt::PlainText);
    lblcliente->setAccessibleName(QStringLiteral("Titular"));
    QFont grande = lblcliente->font();
    grande.setBold(true);
    grande.setPointSizeF(grande.pointSizeF() * 1.25);
    lblcliente->setFont(grande);

    Label1 = new QLabel(QStringLiteral("Buscando Información..."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAccessibleName(QStringLiteral("Estado de la descarga"));

    pnlprogreso = new QProgressBar(this);
    pnlprogreso->setObjectName(QStringLiteral("pnlprogreso"));
    pnlprogreso->setRange(0, 100);
    pnlprogreso->setValue(0);
    pnlprogreso->setFormat(QStringLiteral("%p%"));
    pnlprogreso->setAccessibleName(QStringLiteral("Filas del día recibidas"));

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(QStringLiteral("Días procesados"));
    List1->setUniformItemSizes(true);
    List1->setAlternatingRowColors(true);

    Command1 = new QPushButton(QStringLiteral("Cerrar"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAccessibleName(QStringLiteral("Cerrar"));
    Command1->setAutoDefault(false);
    connect(Command1, &QPushButton::clicked, this, &frmdownload::Command1_Click);

    colocar();

    lblcliente->setText(Module1::NombreTitular);
}

frmdownload::~frmdownload() = default;

void frmdownload::colocar()
{
    const int margen = TwipsAPixelesX(180);
    auto *caja = new QVBoxLayout(this);
    caja->setContentsMargins(margen, margen, margen, margen);
    caja->setSpacing(TwipsAPixelesY(90));
    caja->addWidget(lblcliente);
    caja->addWidget(Label1);
    caja->addWidget(pnlprogreso);
    caja->addWidget(List1, 1);
    auto *pie = new QHBoxLayout;
    pie->addStretch(1);
    Command1->setMinimumWidth(TwipsAPixelesX(1500));
    pie->addWidget(Command1);
    caja->addLayout(pie);

    // About 4.6 x 4.2 inches, never more than most of the screen.
    int ancho = qMin(TwipsAPixelesX(6600), TwipsAPixelesX(AnchoPantallaTwips() * 9 / 10));
    int alto = qMin(TwipsAPixelesY(6000), TwipsAPixelesY(AltoPantallaTwips() * 9 / 10));
    resize(ancho, alto);
    setMinimumSize(TwipsAPixelesX(4000), TwipsAPixelesY(3600));
    if (QScreen *pantalla = QGuiApplication::primaryScreen()) {
        const QRect r = pantalla->availableGeometry();
        move(r.center() - QPoint(ancho / 2, alto / 2));
    }
}

void frmdownload::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!iniciada) {
        iniciada = true;
        // After the show has been painted, never again on a later activation.
        QTimer::singleShot(0, this, &frmdownload::DownLoad);
    }
}

void frmdownload::DownLoad()
{
    // Closed before the loop's first turn: nothing runs behind a window that is gone.
    if (enCurso || !isVisible())
        return;
    enCurso = true;
    const DescargaPosiciones::Fin fin = descarga.DownLoad();
    enCurso = false;
    // After a failure the window stays open so that its list can be read; Cerrar closes it.
    if (fin != DescargaPosiciones::Fin::Fallo)
        done(QDialog::Accepted);
}

void frmdownload::Command1_Click()
{
    descarga.Descargando = false;
    Command1->setEnabled(false);
    if (!enCurso)
        done(QDialog::Accepted);
}

void frmdownload::reject()
{
    if (enCurso)
        Command1_Click();  // Escape while busy stops like Cerrar
    else
        QDialog::reject();
}

void frmdownload::closeEvent(QCloseEvent *e)
{
    if (enCurso) {
        Command1_Click();
        e->ignore();  // the window goes when the day loop returns
        return;
    }
    QDialog::closeEvent(e);
}

void frmdownload::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() != QEvent::WindowStateChange)
        return;
    if (windowState() & Qt::WindowMinimized) {
        if (frmmenu)
            frmmenu->showMinimized();
    } else if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        QTimer::singleShot(0, this, [this] { showNormal(); });
    }
}

void frmdownload::EstablecerPorcentaje(double porcentaje) { pnlprogreso->setValue(qRound(porcentaje)); }

void frmdownload::MostrarEstado(const QString &texto) { Label1->setText(texto); }

void frmdownload::AnadirLinea(const QString &texto)
{
    List1->addItem(texto);
    List1->setCurrentRow(List1->count() - 1);
}

void frmdownload::MostrarInsertados(qint32 total)
{
    setWindowTitle(QStringLiteral("Registros Insertados: ") + QString::number(total));
}

void frmdownload::Repintar() { repaint(); }

bool frmdownload::PreguntarContinuar()
{
    if (frmmenu)
        frmmenu->showMaximized();
    showNormal();
    return MsgBox(QStringLiteral("Ya hay mes de 30 dias sin nada que bajar,Quiere continuar?"),
                  vb::vbYesNo + vb::vbExclamation, QStringLiteral("Atención")) == vb::vbYes;
}
