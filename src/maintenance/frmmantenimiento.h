#pragma once
// The maintenance window ("Administrar Datos"): purge of old positions, compaction, verification,
// backup and restore of the local database, and the way to the locator icons.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class MiniCalendar;
class PanelDesplegable;

class frmmantenimiento : public QDialog {
    Q_OBJECT
public:
    explicit frmmantenimiento(QWidget *parent = nullptr);

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6;
    QLineEdit *txtfecha;
    MiniCalendar *MiniCalendar1 = nullptr;
    QPushButton *Command1, *Command2, *Command3, *Command4, *Command5, *Command6, *Command7;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;
    void showEvent(QShowEvent *e) override;

private:
    void txtfecha_GotFocus();
    void MiniCalendar1_Click();
    void ocultarCalendario(bool enCaja);
    PanelDesplegable *desplegable = nullptr;
    bool ocultando = false;
    bool mostrada = false;
};
