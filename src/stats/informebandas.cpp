#include "informebandas.h"

#include "dialogos.h"
#include "entorno.h"
#include "module1.h"
#include "paginainforme.h"
#include "regional.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

const QColor BandaDetalle::kFondoGris(200, 200, 200);
const QColor BandaDetalle::kFondoBlanco(255, 255, 255);
const QColor BandaDetalle::kAzul(0, 0, 255);
const QColor BandaDetalle::kRojo(255, 0, 0);
const QColor BandaDetalle::kNegro(0, 0, 0);

namespace {
// Sizes in millimetres.
constexpr qreal kMargen = 10;
constexpr qreal kAltoCabecera = 30;
constexpr qreal kAltoTitulos = 6;
constexpr qreal kAltoFila = 5.2;
constexpr qreal kAltoPie = 8;

QPageLayout Apaisado() { return PaginaInforme::Apaisada(kMargen); }
QFont Fuente(qreal puntos, bool negrita = false) { return PaginaInforme::Fuente(puntos, negrita); }
}

void BandaDetalle::Colorear(const QColor &c)
{
    for (int i = 0; i < kCampos - 1; ++i)
        colores[size_t(i)] = c;
}

InformeBandas::InformeBandas(QObject *parent) : QObject(parent)
{
    Image1.load(QDir(CarpetaAplicacion()).filePath(QStringLiteral("GPS/coche1.png")));
}

InformeBandas::~InformeBandas() = default;

void InformeBandas::ActiveReport_DataInitialize()
{
    lblahora = Regional::FechaCorta(QDate::currentDate());
    lblplantilla = Module1::NombreTitular;
    CarpetaDatos = CarpetaAplicacion();
    OrigenRegistros = QLatin1String(ArchivoInforme::kNombre);
}

void InformeBandas::Preparar()
{
    if (iniciado)
        return;
    iniciado = true;
    ActiveReport_DataInitialize();
    DAODataControl1.Abrir(QDir(CarpetaDatos).filePath(OrigenRegistros));
}

BandaDetalle InformeBandas::Banda(const QStringList &registro) const
{
    BandaDetalle b;
    for (int i = 0; i < NombresCampos.size() && i < BandaDetalle::kCampos; ++i)
        b.textos[size_t(i)] = DAODataControl1.Valor(registro, NombresCampos[i]);
    Detail_Format(registro, b);
    return b;
}

QList<qreal> InformeBandas::Anchos(qreal total) const
{
    // The first field holds a day or a zone, a 26th one a subtotal or a locator; the hours share the rest.
    const int n = NombresCampos.size();
    const qreal primero = 42, ultimo = n > 25 ? 30 : 0;
    const qreal hora = (total - primero - ultimo) / 24;
    QList<qreal> a{primero};
    for (int i = 1; i < n; ++i)
        a << (i <= 24 ? hora : ultimo);
    return a;
}

void InformeBandas::PintarCabecera(QPainter &p, const QRectF &z, qreal mm, const QList<qreal> &anchos) const
{
    const qreal x0 = z.left(), y0 = z.top();
    if (!Image1.isNull())
        p.drawImage(QRectF(x0, y0, 16 * mm, 16 * mm), Image1);
    p.setPen(BandaDetalle::kNegro);
    p.setFont(Fuente(14, true));
    p.drawText(QRectF(x0, y0, z.width(), 10 * mm), Qt::AlignHCenter | Qt::AlignVCenter, lbltitulo);
    p.setFont(Fuente(10));
    p.drawText(QRectF(x0 + 20 * mm, y0 + 12 * mm, z.width() / 2, 6 * mm), Qt::AlignLeft | Qt::AlignVCenter,
               lblplantilla);
    p.drawText(QRectF(x0 + z.width() / 2, y0 + 12 * mm, z.width() / 2, 6 * mm), Qt::AlignRight | Qt::AlignVCenter,
               lblahora);
    qreal x = x0;
    const qreal y = y0 + (kAltoCabecera - kAltoTitulos) * mm;
    p.setFont(Fuente(7, true));
    for (int i = 0; i < anchos.size(); ++i) {
        const QRectF celda(x, y, anchos[i] * mm, kAltoTitulos * mm);
        p.fillRect(celda, QColor(225, 225, 235));
        p.drawRect(celda);
        p.drawText(celda.adjusted(mm * 0.6, 0, -mm * 0.6, 0), (i == 0 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter,
                   Encabezados.value(i));
        x += anchos[i] * mm;
    }
}

int InformeBandas::Pintar(QPagedPaintDevice *dispositivo)
{
    Preparar();
    paginas = 0;
    dispositivo->setPageLayout(Apaisado());
    QPainter p;
    if (!p.begin(dispositivo))
        return 0;
    const qreal mm = dispositivo->logicalDpiX() / 25.4;
    const QRectF zona(0, 0, dispositivo->width(), dispositivo->height());
    const QList<qreal> anchos = Anchos(zona.width() / mm);
    const int porPagina = qMax(1, int((zona.height() / mm - kAltoCabecera - kAltoPie) / kAltoFila));
    const auto &registros = DAODataControl1.Registros;
    const int total = qMax(1, int((registros.size() + porPagina - 1) / porPagina));
    for (int pagina = 0; pagina < total; ++pagina) {
        if (pagina > 0)
            dispositivo->newPage();
        ++paginas;
        PintarCabecera(p, zona, mm, anchos);
        qreal y = zona.top() + kAltoCabecera * mm;
        p.setFont(Fuente(7));
        for (int r = pagina * porPagina; r < qMin(int(registros.size()), (pagina + 1) * porPagina); ++r) {
            const BandaDetalle b = Banda(registros[r]);
            const QRectF fila(zona.left(), y, zona.width(), kAltoFila * mm);
            p.fillRect(fila, b.fondo);
            qreal x = zona.left();
            for (int i = 0; i < anchos.size(); ++i) {
                const QRectF celda(x, y, anchos[i] * mm, kAltoFila * mm);
                p.setPen(b.colores[size_t(i)]);
                p.drawText(celda.adjusted(mm * 0.6, 0, -mm * 0.6, 0),
                           (i == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, b.textos[size_t(i)]);
                x += anchos[i] * mm;
            }
            p.setPen(QColor(170, 170, 170));
            p.drawLine(fila.bottomLeft(), fila.bottomRight());
            y += kAltoFila * mm;
        }
        p.setPen(BandaDetalle::kNegro);
        p.setFont(Fuente(8));
        p.drawText(QRectF(zona.left(), zona.bottom() - kAltoPie * mm, zona.width(), kAltoPie * mm),
                   Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("Pag ") + QString::number(pagina + 1));
    }
    p.end();
    return paginas;
}

bool InformeBandas::ExportarPdf(const QString &ruta)
{
    QPdfWriter pdf(ruta);
    pdf.setResolution(600);
    pdf.setTitle(lbltitulo);
    pdf.setCreator(TituloAplicacion());
    return Pintar(&pdf) > 0;
}

void InformeBandas::Show(int modo)
{
    // The preview lives on this stack frame: it is always shown modally.
    Q_UNUSED(modo);
    PaginaInforme::VistaPrevia(nullptr, lbltitulo, kMargen, [this](QPrinter *pr) { Pintar(pr); },
                               QStringLiteral("Informe.pdf"), [this](const QString &ruta) { return ExportarPdf(ruta); });
}
