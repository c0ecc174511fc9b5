#include "listacarpetas.h"

#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>

ListaCarpetas::ListaCarpetas(QWidget *parent) : QTreeView(parent), modelo(new QFileSystemModel(this))
{
    modelo->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    modelo->setReadOnly(true);
    setModel(modelo);
    for (int c = 1; c < modelo->columnCount(); ++c)
        hideColumn(c);
    header()->hide();
    setUniformRowHeights(true);
    // The tree fills in the background: once a folder on the way to the chosen one is read, the
    // rows move, so the chosen folder is brought into view again.
    connect(modelo, &QFileSystemModel::directoryLoaded, this, [this](const QString &leida) {
        const QModelIndex i = currentIndex();
        if (i.isValid() && ruta.startsWith(leida))
            scrollTo(i, QAbstractItemView::PositionAtCenter);
    });
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
        scrollTo(i, QAbstractItemView::PositionAtCenter);
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
