#pragma once
// "Bajando Datos Localizadores": the window of the position download. The download starts once,
// when the window is first shown; Cerrar stops it at the start of the next day and the window
// closes when the day loop has returned.
#include "descargaposiciones.h"

#include <QDialog>
#include <QPointer>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

class frmdownload : public QDialog, public VistaDescarga {
    Q_OBJECT
public:
    explicit frmdownload(QWidget *parent = nullptr);
    ~frmdownload() override;

    // The main menu window: minimized with this one, maximized before the month question.
    QPointer<QWidget> frmmenu;

    QLabel *lblcliente;
    QLabel *Label1;
    QProgressBar *pnlprogreso;
    QListWidget *List1;
    QPushButton *Command1;

    // Runs the day loop (once per opening; the first show calls it).
    void DownLoad();
    const DescargaPosiciones &Descarga() const { return descarga; }

    void EstablecerPorcentaje(double porcentaje) override;

    void MostrarEstado(const QString &texto) override;
    void AnadirLinea(const QString &texto) override;
    void MostrarInsertados(qint32 total) override;
    void Repintar() override;
    bool PreguntarContinuar() override;

public Q_SLOTS:
    void reject() override;

protected:
    void showEvent(QShowEvent *e) override;
    void changeEvent(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    DescargaPosiciones descarga;
    bool iniciada = false;  // the download has been started for this opening
    bool enCurso = false;   // DownLoad is running (it pumps events, so handlers run inside it)

    void Command1_Click();
    void colocar();
};
