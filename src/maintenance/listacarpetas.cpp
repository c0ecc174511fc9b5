#include "listacarpetas.h"

#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QKeyEvent>

ListaCarpetas::ListaCarpetas(QWidget *parent) : QTreeView(parent), modelo(new QFileSystemModel(this))
{
    modelo->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    modelo->setReadOnly(true);
    setModel(modelo);
    for (int c = 1; c < modelo->columnCount(); ++c)
        hideColumn(c);
    header()->hide();
    setUniformRowHeights(true);
    // The tree fills in the background and sorts a moment later: the rows move, so the chosen
    // folder is brought into view again until the user scrolls, clicks or types.
    connect(modelo, &QFileSystemModel::directoryLoaded, this, &ListaCarpetas::mostrarElegida);
    connect(modelo, &QAbstractItemModel::layoutChanged, this, &ListaCarpetas::mostrarElegida);
    connect(modelo, &QAbstractItemModel::rowsInserted, this, &ListaCarpetas::mostrarElegida);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &actual) {
        if (!actual.isValid())
            return;
        const QString nueva = modelo->filePath(actual);
        if (nueva != ruta) {
            ruta = nueva;
            Q_EMIT Change();
        }
    });
}

void ListaCarpetas::mostrarElegida()
{
    if (seguir && currentIndex().isValid())
        scrollTo(currentIndex(), QAbstractItemView::PositionAtCenter);
}

bool ListaCarpetas::viewportEvent(QEvent *e)
{
    if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::Wheel)
        seguir = false;
    return QTreeView::viewportEvent(e);
}

void ListaCarpetas::keyPressEvent(QKeyEvent *e)
{
    seguir = false;
    QTreeView::keyPressEvent(e);
}

void ListaCarpetas::MostrarUnidad(const QString &raiz, const QString &carpeta)
{
    raizActual = QDir::cleanPath(raiz);
    setRootIndex(modelo->setRootPath(raizActual));
    setPath(carpeta.isEmpty() ? raizActual : carpeta);
}

void ListaCarpetas::setPath(const QString &carpeta)
{
    const QString limpia = QDir::cleanPath(carpeta);
    ruta = limpia;
    const QModelIndex i = modelo->index(limpia);
    if (i.isValid() && limpia != raizActual) {
        setCurrentIndex(i);
        expand(i);
        seguir = true;
        mostrarElegida();
    } else {
        clearSelection();
    }
    ruta = limpia;
}

void ListaCarpetas::Refresh()
{
    // The model follows the disk by itself; a fresh root picks up what the watcher missed.
    const QString actual = ruta;
    modelo->setRootPath(QString());
    setRootIndex(modelo->setRootPath(raizActual));
    setPath(actual);
}
