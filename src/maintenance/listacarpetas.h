#pragma once
// Dir1 of the folder chooser: the folder tree of one drive, folders only. Path() is the folder
// the user is on (the one a caller reads when the chooser closes).
#include <QTreeView>

class QFileSystemModel;

class ListaCarpetas : public QTreeView {
    Q_OBJECT
public:
    explicit ListaCarpetas(QWidget *parent = nullptr);

    QString Path() const { return ruta; }
    // Shows the tree below raiz (the drive) with carpeta selected and unfolded.
    void MostrarUnidad(const QString &raiz, const QString &carpeta);
    void setPath(const QString &carpeta);
    void Refresh();

Q_SIGNALS:
    void Change();

protected:
    bool viewportEvent(QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    bool seguir = false;  // keep the chosen folder in view until the user takes over
    void mostrarElegida();
    QFileSystemModel *modelo;
    QString raizActual;
    QString ruta;
};
