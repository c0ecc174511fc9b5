#pragma once
// A banded report printed with QPainter on Qt Print Support: a page header (title, holder, print
// date, picture, column headings), one detail band per record of the report data file and a page
// footer "Pag n", on landscape pages. rptdias, reportzonas and rptlocalizadoreszonas supply the
// design (title, fields, headings) and their Detail_Format rules.
#include "archivoinforme.h"

#include <QColor>
#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

// The detail band of one record as Detail_Format leaves it. Fields are Field1..Field26 (0-based
// here); each has its text and colour.
struct BandaDetalle {
    static constexpr int kCampos = 26;
    static const QColor kFondoGris, kFondoBlanco, kAzul, kRojo, kNegro;
    QColor fondo = kFondoBlanco;
    std::array<QString, kCampos> textos;
    std::array<QColor, kCampos> colores;
    BandaDetalle() { colores.fill(kNegro); }
    // Field1..Field25 in one colour (Field26 keeps its own).
    void Colorear(const QColor &c);
};

class InformeBandas : public QObject {
    Q_OBJECT
public:
    explicit InformeBandas(QObject *parent = nullptr);
    ~InformeBandas() override;

    // Design.
    QString lbltitulo;
    QString lblplantilla;
    QString lblahora;
    QImage Image1;
    // The file column each detail field is bound to, by name, and the column headings.
    QStringList NombresCampos;
    QStringList Encabezados;

    // The data control: the folder and the record source in it.
    DatosInforme DAODataControl1;
    QString CarpetaDatos;
    QString OrigenRegistros = QLatin1String(ArchivoInforme::kNombre);

    // Runs once before the data is read: date, holder, data source.
    virtual void ActiveReport_DataInitialize();
    // Runs for every record before its band is printed.
    virtual void Detail_Format(const QStringList &registro, BandaDetalle &banda) const = 0;

    // The band of a record: fields bound by name, then Detail_Format.
    BandaDetalle Banda(const QStringList &registro) const;

    // Reads the data (DataInitialize first, once) and prints every page; answers the page count.
    int Pintar(QPagedPaintDevice *dispositivo);
    // The report as a PDF file.
    bool ExportarPdf(const QString &ruta);
    // Shows the preview window (modal when modo is 1), from which the user prints or saves a PDF.
    void Show(int modo = 1);

    int Paginas() const { return paginas; }

private:
    bool iniciado = false;
    int paginas = 0;
    void Preparar();
    void PintarCabecera(QPainter &p, const QRectF &zona, qreal mm, const QList<qreal> &anchos) const;
    QList<qreal> Anchos(qreal total) const;
};
