#include "frmcopiaseg.h"
#include "listacarpetas.h"
#include "operacionesmantenimiento.h"

#include "archivos.h"
#include "controles.h"
#include "dialogos.h"
#include "entorno.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStorageInfo>
#include <QStyle>
#include <QVBoxLayout>

frmcopiaseg::frmcopiaseg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmcopiaseg"));
    setWindowTitle(QStringLiteral("Copia de Seguridad"));
    setStyleSheet(QStringLiteral(
        // The message keeps its own light ground, so it reads the same on the red panel of restore mode.
        "QLabel#Label3 { font-weight: bold; padding: 4px; color: #173f63; background: white; }"
        "QPushButton { padding: 5px 12px; }"));

    SSPanel1 = new QFrame(this);
    SSPanel1->setObjectName(QStringLiteral("SSPanel1"));
    SSPanel1->setAutoFillBackground(true);
    SSPanel1->setFrameShape(QFrame::StyledPanel);
    {
        QPalette p = SSPanel1->palette();
        p.setColor(QPalette::Window, QColor(0xe9, 0xee, 0xf3));
        SSPanel1->setPalette(p);
    }
    Label3 = EtiquetaNombrada(SSPanel1, "Label3", QString());
    Label3->setWordWrap(true);
    Label1 = EtiquetaNombrada(SSPanel1, "Label1", QStringLiteral("Unidad Disco"));
    Drive1 = new QComboBox(SSPanel1);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->setAccessibleName(Label1->text());
    Label1->setBuddy(Drive1);
    Label2 = EtiquetaNombrada(SSPanel1, "Label2", QStringLiteral("Escoja una carpeta "));
    Dir1 = new ListaCarpetas(SSPanel1);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setAccessibleName(Label2->text().trimmed());
    Label2->setBuddy(Dir1);
    for (QLabel *l : {Label1, Label2})
        l->setAutoFillBackground(true);

    SSCommand1 = BotonNombrado(SSPanel1, "SSCommand1", QString());
    SSCommand1->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    SSCommand1->setAccessibleName(QStringLiteral("Aceptar"));
    SSCommand1->setToolTip(QStringLiteral("Aceptar"));
    SSCommand2 = BotonNombrado(SSPanel1, "SSCommand2", QStringLiteral("Cancelar"));
    SSCommand3 = BotonNombrado(SSPanel1, "SSCommand3", QStringLiteral("Nueva carpeta"));

    auto *rejilla = new QGridLayout(SSPanel1);
    rejilla->addWidget(Label3, 0, 0, 1, 3);
    rejilla->addWidget(Label1, 1, 0, 1, 3);
    rejilla->addWidget(Drive1, 2, 0, 1, 3);
    rejilla->addWidget(Label2, 3, 0, 1, 3);
    rejilla->addWidget(Dir1, 4, 0, 1, 3);
    rejilla->addWidget(SSCommand3, 5, 0);
    rejilla->addWidget(SSCommand2, 5, 1);
    rejilla->addWidget(SSCommand1, 5, 2);
    rejilla->setRowStretch(4, 1);
    auto *fondo = new QVBoxLayout(this);
    fondo->setContentsMargins(6, 6, 6, 6);
    fondo->addWidget(SSPanel1);
    setTabOrder(Drive1, Dir1);
    setTabOrder(Dir1, SSCommand1);
    setTabOrder(SSCommand1, SSCommand2);
    setTabOrder(SSCommand2, SSCommand3);

    resize(TwipsAPixelesX(5400), TwipsAPixelesY(5600));
    // Centred on the screen.
    if (QScreen *s = QGuiApplication::primaryScreen()) {
        const QRect r = s->availableGeometry();
        move(r.left() + r.width() / 2 - width() / 2, r.top() + r.height() / 2 - height() / 2);
    }

    LlenarUnidades(UnidadesMontadas());
    connect(Drive1, &QComboBox::activated, this, &frmcopiaseg::Drive1_Change);
    connect(SSCommand1, &QPushButton::clicked, this, &frmcopiaseg::SSCommand1_Click);
    connect(SSCommand2, &QPushButton::clicked, this, &frmcopiaseg::SSCommand2_Click);
    connect(SSCommand3, &QPushButton::clicked, this, &frmcopiaseg::SSCommand3_Click);
    connect(Dir1, &ListaCarpetas::Change, this, [this] {
        if (unidadMostrada >= 0)
            carpetaPorUnidad[Drive1->itemData(unidadMostrada).toString()] = Dir1->Path();
    });
}

QStringList frmcopiaseg::UnidadesMontadas()
{
    QStringList r{QStringLiteral("/")};
    const QString casa = QDir::cleanPath(QDir::homePath());
    if (casa != QLatin1String("/"))
        r << casa;
    for (const QStorageInfo &v : QStorageInfo::mountedVolumes()) {
        const QString raiz = v.rootPath();
        if (v.isValid() && !r.contains(raiz) &&
            (raiz.startsWith(QLatin1String("/media/")) || raiz.startsWith(QLatin1String("/run/media/")) ||
             raiz.startsWith(QLatin1String("/mnt/"))))
            r << raiz;
    }
    return r;
}

void frmcopiaseg::LlenarUnidades(const QStringList &unidades)
{
    Drive1->clear();
    const QString actual = QDir::cleanPath(QDir::currentPath());
    for (const QString &u : unidades)
        Drive1->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), QDir::toNativeSeparators(u), u);
    const int elegida = UnidadInicial(unidades, actual);
    Drive1->setCurrentIndex(elegida);
    if (elegida < unidades.size() && DentroDeUnidad(actual, unidades.value(elegida)))
        carpetaPorUnidad.insert(unidades.value(elegida), actual);
    unidadMostrada = -1;
    if (activado)
        Drive1_Change(elegida);
}

QString frmcopiaseg::carpetaActualDe(const QString &unidad) const
{
    const QString c = carpetaPorUnidad.value(unidad);
    return CarpetaExiste(c) ? c : unidad;
}

void frmcopiaseg::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (activado)
        return;
    activado = true;
    Drive1_Change(Drive1->currentIndex());
    if (Restaura)
        colorear();
}

void frmcopiaseg::colorear()
{
    for (QWidget *w : {static_cast<QWidget *>(Label1), static_cast<QWidget *>(Label2), static_cast<QWidget *>(SSPanel1)}) {
        QPalette p = w->palette();
        p.setColor(QPalette::Window, QColor(255, 0, 0));
        w->setPalette(p);
    }
}

void frmcopiaseg::Drive1_Change(int indice)
{
    if (indice < 0)
        return;
    const QString unidad = Drive1->itemData(indice).toString();
    // A drive that cannot be read (media taken out, unmounted): retry or keep the previous one.
    while (!QFileInfo(unidad).isDir() || !QFileInfo(unidad).isReadable()) {
        if (MsgBox(QStringLiteral(" !No encuentro disquete! "), vb::vbRetryCancel | vb::vbExclamation, QString()) != vb::vbRetry) {
            if (unidadMostrada >= 0)
                Drive1->setCurrentIndex(unidadMostrada);
            return;
        }
    }
    unidadMostrada = indice;
    Dir1->MostrarUnidad(unidad, carpetaActualDe(unidad));
}

void frmcopiaseg::SSCommand1_Click()
{
    Cancel = false;
    accept();
}

void frmcopiaseg::SSCommand2_Click()
{
    Cancel = true;
    reject();
}

void frmcopiaseg::SSCommand3_Click()
{
    const QString nombre = InputBox(QStringLiteral("Nueva Carpeta:"), QStringLiteral("Añadir"), QStringLiteral("LISTADOS Y ESTADISTICAS"));
    Aviso aviso;
    if (NuevaCarpeta(Dir1->Path(), nombre, aviso))
        Dir1->Refresh();
    else if (!aviso.texto.isEmpty())
        MsgBox(aviso.texto, aviso.estilo, QString());
}
