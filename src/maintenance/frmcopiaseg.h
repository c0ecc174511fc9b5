#pragma once
// The backup folder chooser: a drive, a folder of it, and a button to make a new folder there.
// The caller sets Label3's text (and Restaura), shows it with exec(), then reads Cancel and
// Dir1->Path(). A new instance is made for each opening.
#include <QDialog>
#include <QHash>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class ListaCarpetas;

class frmcopiaseg : public QDialog {
    Q_OBJECT
public:
    explicit frmcopiaseg(QWidget *parent = nullptr);

    // True unless the dialog was closed with the accept button (close box and Escape cancel too).
    bool Cancel = true;
    // Restore mode: red labels and panel, set before showing.
    bool Restaura = false;

    QLabel *Label1, *Label2, *Label3;
    QComboBox *Drive1;
    ListaCarpetas *Dir1;
    QPushButton *SSCommand1, *SSCommand2, *SSCommand3;
    QFrame *SSPanel1;

    // The drives offered: the mounted volumes a user keeps files on (/, home, removable media).
    static QStringList UnidadesMontadas();
    // Refills Drive1 and selects the drive that holds the current folder.
    void LlenarUnidades(const QStringList &unidades);

    void SSCommand1_Click();
    void SSCommand2_Click();
    void SSCommand3_Click();
    // The user chose drive number indice in Drive1.
    void Drive1_Change(int indice);

protected:
    void showEvent(QShowEvent *e) override;

private:
    QString carpetaActualDe(const QString &unidad) const;
    void colorear();

    bool activado = false;
    int unidadMostrada = -1;
    QHash<QString, QString> carpetaPorUnidad;  // each drive's current folder, as the user left it
};
