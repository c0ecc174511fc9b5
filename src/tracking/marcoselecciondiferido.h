#pragma once
// The selection frame of "Seguimiento Diferido" (objectName "frmdiferido", like its window): the
// locator, its recorded days on the calendar, the period and the starting settings.
#include "nombreslocalizadores.h"
#include "posicionesdias.h"

#include <QGroupBox>
#include <QHash>
#include <QSet>
#include <QString>

class KVCalen;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QToolButton;

class MarcoSeleccionDiferido : public QGroupBox {
    Q_OBJECT
public:
    explicit MarcoSeleccionDiferido(QWidget *padre);

    QListWidget *lbldiferido;
    KVCalen *KVCalen1;
    QLineEdit *txtfechainicio, *txthorainicio, *txtfechafin, *txthorafin;
    QComboBox *cmbspeedinicial, *cmbseguiminetoen;
    // The stop and gap thresholds, in minutes.
    QSpinBox *spnparada, *spnhueco;
    QToolButton *btninicia;
    QLabel *sspanelcaption;
    QLabel *lblcliente;
    QPushButton *Command5;

    void MeterLocalizadores();
    QString DameImagenLocalizador(const QString &localizador);
    void ReseteaCalendario();
    void PreparaCalendario();
    // The first / last time (Short Time) recorded on a day given in the short date form.
    QString DameHoraInicial(QString Fecha);
    QString DameHoraFinal(QString Fecha);
    QString IconoLocalizador() const { return iconoLocalizador; }
    // How the locators are called, read when the list is filled.
    NombresLocalizadores Nombres;

    // The selected locator's IMEI (empty when none is); the list shows its name.
    QString Localizador() const;
    // The start button's checks, in their order: the first that fails is told to the user (and the
    // faulty box gets the focus) and the answer is false.
    bool ComprobarSeleccion();
    // The selected locator's rows in the period typed.
    QString SqlRecorrido() const;
    // The marked days the calendar shows get their number of positions (read once per day).
    void PonerPosicionesDias();
    // A day's tool tip: its positions, first and last time (read when first asked for); empty for
    // a day without positions.
    QString ConsejoDia(const QDate &dia);

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void lbldiferido_Click();
    void KVCalen1_Click();
    QString dameHora(const QString &Fecha, bool ultima);

    QString iconoLocalizador;
    QSet<QDate> diasMarcados, diasLeidos;
    QHash<QDate, PosicionesDia> posicionesDias;
};
