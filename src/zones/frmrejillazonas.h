#pragma once
// The holder's zone catalogue: the zones in a grid (delete with confirmation), the zone editor for a
// new zone, the selected zone or all zones, and the holder's city.
#include "controldatoszonas.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

class frmrejillazonas : public QDialog {
    Q_OBJECT
public:
    explicit frmrejillazonas(QWidget *parent = nullptr);

    // Read by the zone editor.
    QString ElCodigoPostal;
    int BookmarkZona = -1;

    ControlDatosZonas *Adodc1;
    QTableView *TDBGrid1;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *lblrejilla;
    QLineEdit *txtciudad;
    QPushButton *MyButton2;
    QPushButton *btnnuevazona;
    QPushButton *MyButton1;
    QPushButton *btnsalir;
    QPushButton *btneliminarzona;
    QLineEdit *txtbuscar;
    QPushButton *btnimportar;
    QPushButton *btnexportar;

    void btnnuevazona_Click();
    void MyButton1_Click();
    void MyButton2_Click();
    // Asks before deleting the grid's current zone; answers whether it was deleted.
    bool EliminarZonaActual();
    // Zones from a GeoJSON or KML file: each checked, a name already in use replaced only when the
    // user says so, and a report of what was imported and what was refused and why.
    void btnimportar_Click();
    void ImportarArchivo(const QString &ruta);
    // All zones, or the chosen one, to a GeoJSON or KML file.
    void btnexportar_Click();
    // The grid's current row: the record it stands for, or the empty new-zone row.
    int FilaActual() const;

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    bool mostrada = false;
    void Activar();
    void Filtrar();
    void AbrirEditor(bool soloVer, const QString &zona);
};
