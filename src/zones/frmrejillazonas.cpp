#include "frmrejillazonas.h"
#include "frmnuevazona.h"
#include "edicionzona.h"
#include "intercambiozonas.h"
#include "miciudad.h"

#include "dialogos.h"
#include "entorno.h"
#include "module1.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

using Module1::CodigoTitular;
using Module1::ServidorRemoto;

frmrejillazonas::frmrejillazonas(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmrejillazonas"));
    setWindowTitle(QStringLiteral("Configurar Zonas"));
    setStyleSheet(QStringLiteral(
        "QLabel#Label1 { font-size: 16pt; font-weight: bold; color: #173f63; }"
        "QLabel#lblrejilla { font-weight: bold; color: #2a6f97; }"
        "QTableView { font-size: 11pt; }"));

    Label1 = new QLabel(QStringLiteral("Zonas Geográficas"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("Mi Ciudad"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    txtciudad = new QLineEdit(this);
    txtciudad->setObjectName(QStringLiteral("txtciudad"));
    txtciudad->setAccessibleName(Label2->text());
    Label2->setBuddy(txtciudad);
    MyButton2 = new QPushButton(QStringLiteral("Grabar"), this);
    MyButton2->setObjectName(QStringLiteral("MyButton2"));
    lblrejilla = new QLabel(QStringLiteral("ZONAS DEFINIDAS"), this);
    lblrejilla->setObjectName(QStringLiteral("lblrejilla"));

    Adodc1 = new ControlDatosZonas(this);
    Adodc1->setObjectName(QStringLiteral("Adodc1"));
    TDBGrid1 = new QTableView(this);
    TDBGrid1->setObjectName(QStringLiteral("TDBGrid1"));
    TDBGrid1->setAccessibleName(lblrejilla->text());
    TDBGrid1->setModel(Adodc1);
    TDBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    TDBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    TDBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TDBGrid1->setAlternatingRowColors(true);
    TDBGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    TDBGrid1->setTabKeyNavigation(false);
    TDBGrid1->installEventFilter(this);
    lblrejilla->setBuddy(TDBGrid1);
    txtbuscar = new QLineEdit(this);
    txtbuscar->setObjectName(QStringLiteral("txtbuscar"));
    txtbuscar->setPlaceholderText(QStringLiteral("Buscar zona"));
    txtbuscar->setAccessibleName(QStringLiteral("Buscar zona"));
    txtbuscar->setClearButtonEnabled(true);

    btnnuevazona = new QPushButton(QStringLiteral("Nueva Zona/Editar Zona"), this);
    btnnuevazona->setObjectName(QStringLiteral("btnnuevazona"));
    MyButton1 = new QPushButton(QStringLiteral("Ver todas las zonas en Mapa"), this);
    MyButton1->setObjectName(QStringLiteral("MyButton1"));
    btnsalir = new QPushButton(QStringLiteral("Salir"), this);
    btnsalir->setObjectName(QStringLiteral("btnsalir"));
    btneliminarzona = new QPushButton(QStringLiteral("Eliminar Zona"), this);
    btneliminarzona->setObjectName(QStringLiteral("btneliminarzona"));
    btneliminarzona->setToolTip(QStringLiteral("Elimina la zona elegida en la lista (también con la tecla Supr)"));
    btnimportar = new QPushButton(QStringLiteral("Importar"), this);
    btnimportar->setObjectName(QStringLiteral("btnimportar"));
    btnimportar->setToolTip(QStringLiteral("Zonas de un archivo GeoJSON o KML"));
    btnexportar = new QPushButton(QStringLiteral("Exportar"), this);
    btnexportar->setObjectName(QStringLiteral("btnexportar"));
    btnexportar->setToolTip(QStringLiteral("Todas las zonas, o la elegida, a un archivo GeoJSON o KML"));
    for (QPushButton *b : {MyButton2, btnnuevazona, MyButton1, btneliminarzona, btnimportar, btnexportar, btnsalir}) {
        b->setAutoDefault(false);
        b->setAccessibleName(b->text());
    }

    auto *ciudad = new QHBoxLayout;
    ciudad->addWidget(Label2);
    ciudad->addWidget(txtciudad, 1);
    ciudad->addWidget(MyButton2);
    auto *botones = new QHBoxLayout;
    botones->addWidget(btnnuevazona);
    botones->addWidget(MyButton1);
    botones->addWidget(btneliminarzona);
    botones->addWidget(btnimportar);
    botones->addWidget(btnexportar);
    botones->addStretch(1);
    botones->addWidget(btnsalir);
    auto *principal = new QVBoxLayout(this);
    principal->addWidget(Label1);
    principal->addLayout(ciudad);
    principal->addSpacing(8);
    auto *cabecera = new QHBoxLayout;
    cabecera->addWidget(lblrejilla, 1);
    cabecera->addWidget(txtbuscar);
    principal->addLayout(cabecera);
    principal->addWidget(TDBGrid1, 1);
    principal->addLayout(botones);

    connect(btnnuevazona, &QPushButton::clicked, this, &frmrejillazonas::btnnuevazona_Click);
    connect(MyButton1, &QPushButton::clicked, this, &frmrejillazonas::MyButton1_Click);
    connect(MyButton2, &QPushButton::clicked, this, &frmrejillazonas::MyButton2_Click);
    connect(btnsalir, &QPushButton::clicked, this, &QDialog::close);
    connect(btneliminarzona, &QPushButton::clicked, this, &frmrejillazonas::EliminarZonaActual);
    connect(btnimportar, &QPushButton::clicked, this, &frmrejillazonas::btnimportar_Click);
    connect(btnexportar, &QPushButton::clicked, this, &frmrejillazonas::btnexportar_Click);
    connect(txtbuscar, &QLineEdit::textChanged, this, &frmrejillazonas::Filtrar);
    connect(Adodc1, &QAbstractItemModel::modelReset, this, &frmrejillazonas::Filtrar);
    connect(TDBGrid1, &QTableView::customContextMenuRequested, this, [this](const QPoint &p) {
        const QModelIndex i = TDBGrid1->indexAt(p);
        if (!i.isValid() || Adodc1->EsFilaNueva(i.row()))
            return;
        TDBGrid1->selectRow(i.row());
        QMenu menu(this);
        QAction *eliminar = menu.addAction(QStringLiteral("Eliminar zona"));
        if (menu.exec(TDBGrid1->viewport()->mapToGlobal(p)) == eliminar)
            EliminarZonaActual();
    });
    connect(TDBGrid1, &QTableView::doubleClicked, this, [this](const QModelIndex &) { btnnuevazona_Click(); });

    resize(TwipsAPixelesX(12500), TwipsAPixelesY(8000));

    // Loading: the data control and the city; failures leave the list or the city empty.
    Adodc1->AbrirZonasDe(CodigoTitular);
    if (const auto ciudad = MiCiudad::Leer(ServidorRemoto(), CodigoTitular)) {
        txtciudad->setText(*ciudad);
        ElCodigoPostal = txtciudad->text();
    }
}

void frmrejillazonas::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!mostrada) {
        mostrada = true;
        Activar();
    }
}

// First show and every return from the editor: the list stands on its first zone.
void frmrejillazonas::Activar()
{
    Adodc1->MoveFirst();
    for (int c = 0; c < Adodc1->columnCount(); ++c)
        TDBGrid1->setColumnHidden(c, c != 1 && c != 3 && c < Adodc1->ColumnaSuperficie());
    TDBGrid1->setColumnWidth(1, TwipsAPixelesX(5000));
    TDBGrid1->setColumnWidth(3, TwipsAPixelesX(5000));
    TDBGrid1->setColumnWidth(Adodc1->ColumnaSuperficie(), TwipsAPixelesX(1800));
    TDBGrid1->setColumnWidth(Adodc1->ColumnaVertices(), TwipsAPixelesX(1000));
    TDBGrid1->selectRow(0);
    TDBGrid1->setCurrentIndex(Adodc1->index(0, 1));
}

// Rows whose name does not hold the searched text are hidden; the new-zone row stays.
void frmrejillazonas::Filtrar()
{
    const QString texto = txtbuscar->text();
    for (int r = 0; r < Adodc1->RecordCount(); ++r)
        TDBGrid1->setRowHidden(r, !texto.trimmed().isEmpty() && !Adodc1->Coincide(r, texto));
}

int frmrejillazonas::FilaActual() const
{
    const QModelIndex i = TDBGrid1->currentIndex();
    return i.isValid() ? i.row() : Adodc1->RecordCount();
}

void frmrejillazonas::AbrirEditor(bool soloVer, const QString &zona)
{
    {
        frmnuevazona editor(this);
        editor.SoloVer = soloVer;
        editor.ZonaEdicion = zona;
        editor.EsteFrm = this;
        editor.exec();
    }
    Activar();
}

void frmrejillazonas::btnnuevazona_Click()
{
    const int fila = FilaActual();
    if (Adodc1->EsFilaNueva(fila)) {
        AbrirEditor(false, QString());
        return;
    }
    Adodc1->SetBookmark(fila);
    BookmarkZona = fila;
    AbrirEditor(false, Adodc1->Fields(QStringLiteral("Descripcion Zona")).toString());
}

void frmrejillazonas::MyButton1_Click()
{
    if (Adodc1->RecordCount() > 0)
        AbrirEditor(true, QString());
    else
        MsgBox(QStringLiteral("No hay todavía zonas asignadas"), vb::vbExclamation, QString());
}

void frmrejillazonas::MyButton2_Click()
{
    // A holder that already has a city row: the insert fails quietly and the update names the city.
    QString motivo;
    if (MiCiudad::Guardar(ServidorRemoto(), CodigoTitular, txtciudad->text(), motivo))
        MsgBox(QStringLiteral("Se grabó el nombre de la ciudad"), vb::vbExclamation, QString());
    else
        MsgBox(QStringLiteral("No se ha podido grabar el nombre de la ciudad en el servidor: %1").arg(motivo), vb::vbCritical,
               QString());
}

bool frmrejillazonas::EliminarZonaActual()
{
    const int fila = FilaActual();
    if (Adodc1->EsFilaNueva(fila))
        return false;
    if (MsgBox(QStringLiteral("¿Seguro que quiere eliminar esta zona?"), 52, QStringLiteral("Atención")) != vb::vbYes)
        return false;
    Adodc1->SetBookmark(fila);
    if (!Adodc1->Delete()) {
        MsgBox(QStringLiteral("No se ha podido eliminar la zona: %1").arg(Adodc1->UltimoError()), vb::vbExclamation, QString());
        return false;
    }
    TDBGrid1->selectRow(qMin(fila, Adodc1->RecordCount()));
    return true;
}

bool frmrejillazonas::eventFilter(QObject *o, QEvent *e)
{
    if (o == TDBGrid1 && e->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(e)->key() == Qt::Key_Delete) {
        EliminarZonaActual();
        return true;
    }
    return QDialog::eventFilter(o, e);
}

void frmrejillazonas::btnimportar_Click()
{
    const QString ruta = DialogosActuales().AbrirArchivo(QStringLiteral("Importar zonas"),
                                                         QStringLiteral("Zonas (*.geojson *.json *.kml)"), QDir::homePath());
    if (!ruta.isEmpty())
        ImportarArchivo(ruta);
}

void frmrejillazonas::ImportarArchivo(const QString &ruta)
{
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly)) {
        MsgBox(QStringLiteral("No se ha podido leer %1: %2").arg(ruta, archivo.errorString()), vb::vbExclamation, QString());
        return;
    }
    const IntercambioZonas::Lectura l = IntercambioZonas::Leer(archivo.readAll());
    if (!l.error.isEmpty()) {
        MsgBox(l.error, vb::vbExclamation, QString());
        return;
    }
    QStringList hechas;
    QList<IntercambioZonas::Rechazada> rechazadas = l.rechazadas;
    for (const IntercambioZonas::Zona &z : l.zonas) {
        int fila = -1;
        for (int r = 0; r < Adodc1->RecordCount() && fila < 0; ++r)
            if (Adodc1->index(r, 1).data().toString().trimmed().compare(z.nombre.trimmed(), Qt::CaseInsensitive) == 0)
                fila = r;
        if (fila >= 0) {
            if (MsgBox(QStringLiteral("Ya existe una zona llamada «%1». ¿Quiere reemplazarla?").arg(z.nombre), 52,
                       QStringLiteral("Atención")) != vb::vbYes) {
                rechazadas.append({z.nombre, QStringLiteral("ya existe una zona con ese nombre")});
                continue;
            }
            Adodc1->SetBookmark(fila);
        } else {
            Adodc1->AddNew();
        }
        Adodc1->SetField(0, CodigoTitular);
        Adodc1->SetField(1, z.nombre);
        Adodc1->SetField(2, z.coordenadas);
        Adodc1->SetField(3, EdicionZona::AreaGuardada(z.coordenadas));
        if (Adodc1->Update())
            hechas << z.nombre;
        else
            rechazadas.append({z.nombre, Adodc1->UltimoError()});
    }
    QString informe = QStringLiteral("Zonas importadas: %1").arg(hechas.size());
    for (const QString &n : hechas)
        informe += QStringLiteral("\n  · ") + n;
    if (!rechazadas.isEmpty()) {
        informe += QStringLiteral("\nZonas rechazadas: %1").arg(rechazadas.size());
        for (const auto &r : rechazadas)
            informe += QStringLiteral("\n  · %1: %2").arg(r.nombre.isEmpty() ? QStringLiteral("(sin nombre)") : r.nombre, r.motivo);
    }
    MsgBox(informe, vb::vbInformation, QString());
    Activar();
}

void frmrejillazonas::btnexportar_Click()
{
    if (Adodc1->RecordCount() == 0) {
        MsgBox(QStringLiteral("No hay todavía zonas asignadas"), vb::vbExclamation, QString());
        return;
    }
    const int fila = FilaActual();
    const bool sola = !Adodc1->EsFilaNueva(fila) && Adodc1->RecordCount() > 1 &&
                      MsgBox(QStringLiteral("¿Exportar solo la zona elegida? (No: todas las zonas)"), vb::vbYesNo + vb::vbQuestion,
                             QStringLiteral("Exportar")) == vb::vbYes;
    QList<IntercambioZonas::Zona> zonas;
    for (int r = 0; r < Adodc1->RecordCount(); ++r)
        if (!sola || r == fila)
            zonas.append({Adodc1->index(r, 1).data().toString(), Adodc1->index(r, 2).data().toString()});
    const QString ruta = QFileDialog::getSaveFileName(this, QStringLiteral("Exportar zonas"),
                                                      QDir::home().filePath(QStringLiteral("zonas.geojson")),
                                                      QStringLiteral("GeoJSON (*.geojson);;KML (*.kml)"));
    if (ruta.isEmpty())
        return;
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        archivo.write(IntercambioZonas::Escribir(zonas, IntercambioZonas::FormatoDe(ruta))) < 0 || !archivo.flush())
        MsgBox(QStringLiteral("No se han podido guardar las zonas en %1: %2").arg(ruta, archivo.errorString()), vb::vbExclamation,
               QString());
}
