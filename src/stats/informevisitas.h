#pragma once
// The printed visits report: title, holder, filter line and print date at the head of each page,
// then the rows of a table model (the visits summary, totals row included) with its column headings
// and the model's colours, on landscape A4 pages numbered "Pag n". Preview, print and PDF.
#include <QObject>
#include <QString>

class QAbstractItemModel;
class QPagedPaintDevice;

class InformeVisitas : public QObject {
    Q_OBJECT
public:
    InformeVisitas(const QAbstractItemModel &modelo, QObject *parent = nullptr);

    QString Titulo = QStringLiteral("VISITAS A ZONAS");
    QString Titular;  // the holder's name
    QString Filtro;   // period, locator, zone and how zones were found
    QString Fecha;    // the print date

    // Answers the page count.
    int Pintar(QPagedPaintDevice *dispositivo) const;
    bool ExportarPdf(const QString &ruta) const;
    // The preview window, modal, from which the user prints or saves a PDF.
    void Mostrar(QWidget *padre);

private:
    const QAbstractItemModel &m;
};
