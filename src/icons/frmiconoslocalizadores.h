#pragma once
// The locator icons window: for each locator found in the local positions, the picture with which
// the playback map marks it. A click on an icon stores it at once and shows it in the preview page.
#include "nombreslocalizadores.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;
class QWebEngineView;
class PuenteMapa;

class frmiconoslocalizadores : public QDialog {
    Q_OBJECT
public:
    explicit frmiconoslocalizadores(QWidget *parent = nullptr);

    // The icon names of List1, in order; a picture file is its name + ".png" in the page folder.
    static const QStringList &NombresIconos();

    QLabel *Label1, *Label2;
    QComboBox *cmblocalizadores;
    QListWidget *List1;
    QWebEngineView *WebBrowser1;
    PuenteMapa *Mapa;
    QTimer *Timer1;
    QPushButton *MyButton1;
    // The locator's own name: typed in txtalias, stored by btnalias (empty: the service's).
    QLineEdit *txtalias;
    QPushButton *btnalias;
    NombresLocalizadores Nombres;
    // True while the window loads: clicks on the two lists do nothing.
    bool Cargando = true;

    void MeterLocalizadores();
    void PosicionaListaen(const QString &arg);
    void SincronizaLocalizadorYLista();
    void GrabarIcono();
    // The chosen locator's IMEI (the list shows its name).
    QString Localizador() const;
    void btnalias_Click();

    void Timer1_Timer();
    void cmblocalizadores_Click();
    void List1_Click();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void cargar();
    bool cargado = false;
};
