#include "informevisitas.h"

#include "dialogos.h"
#include "paginainforme.h"

#include <QAbstractItemModel>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace {
constexpr qreal kMargen = 10, kAltoCabecera = 24, kAltoFila = 6, kAltoPie = 8;  // millimetres

QFont Fuente(qreal puntos, bool negrita = false) { return PaginaInforme::Fuente(puntos, negrita); }
}

InformeVisitas::InformeVisitas(const QAbstractItemModel &modelo, QObject *parent) : QObject(parent), m(modelo) {}

int InformeVisitas::Pintar(QPagedPaintDevice *d) const
{
    d->setPageLayout(PaginaInforme::Apaisada(kMargen));
    QPainter p;
    if (!p.begin(d))
        return 0;
    const qreal mm = d->logicalDpiX() / 25.4;
    const QRectF zona(QPointF(0, 0), d->pageLayout().paintRectPixels(d->logicalDpiX()).size());
    const int columnas = m.columnCount();
    // Columns share the width by the longest text each holds (headings included).
    QList<qreal> pesos;
    qreal suma = 0;
    for (int c = 0; c < columnas; ++c) {
        int largo = m.headerData(c, Qt::Horizontal).toString().size();
        for (int r = 0; r < m.rowCount(); ++r)
            largo = std::max(largo, int(m.index(r, c).data().toString().size()));
        pesos << std::max(6, largo);
        suma += pesos.last();
    }
    auto celdas = [&](qreal y, const std::function<QString(int)> &texto, const std::function<Qt::Alignment(int)> &alin) {
        qreal x = zona.left();
        for (int c = 0; c < columnas; ++c) {
            const qreal ancho = zona.width() * pesos[c] / suma;
            p.drawText(QRectF(x + mm, y, ancho - 2 * mm, kAltoFila * mm), int(alin(c) | Qt::AlignVCenter), texto(c));
            x += ancho;
        }
    };
    int pagina = 0, fila = 0;
    const int porPagina = std::max(1, int((zona.height() / mm - kAltoCabecera - kAltoFila - kAltoPie) / kAltoFila));
    do {
        if (pagina > 0)
            d->newPage();
        ++pagina;
        p.setPen(Qt::black);
        p.setFont(Fuente(16, true));
        p.drawText(QRectF(zona.left(), zona.top(), zona.width(), 9 * mm), Qt::AlignLeft | Qt::AlignVCenter, Titulo);
        p.setFont(Fuente(10));
        p.drawText(QRectF(zona.left(), zona.top(), zona.width(), 9 * mm), Qt::AlignRight | Qt::AlignVCenter, Fecha);
        p.drawText(QRectF(zona.left(), zona.top() + 9 * mm, zona.width(), 6 * mm), Qt::AlignLeft | Qt::AlignVCenter, Titular);
        p.drawText(QRectF(zona.left(), zona.top() + 15 * mm, zona.width(), 6 * mm), Qt::AlignLeft | Qt::AlignVCenter, Filtro);
        qreal y = zona.top() + kAltoCabecera * mm;
        p.fillRect(QRectF(zona.left(), y, zona.width(), kAltoFila * mm), QColor(0, 0, 128));
        p.setPen(Qt::white);
        p.setFont(Fuente(9, true));
        celdas(y, [&](int c) { return m.headerData(c, Qt::Horizontal).toString(); }, [](int) { return Qt::AlignLeft; });
        y += kAltoFila * mm;
        for (int n = 0; n < porPagina && fila < m.rowCount(); ++n, ++fila, y += kAltoFila * mm) {
            const QModelIndex i = m.index(fila, 0);
            const QVariant fondo = i.data(Qt::BackgroundRole), tinta = i.data(Qt::ForegroundRole);
            p.fillRect(QRectF(zona.left(), y, zona.width(), kAltoFila * mm),
                       fondo.isValid() ? fondo.value<QColor>() : (fila % 2 ? QColor(240, 244, 248) : QColor(Qt::white)));
            p.setPen(tinta.isValid() ? tinta.value<QColor>() : QColor(Qt::black));
            p.setFont(Fuente(9, i.data(Qt::FontRole).isValid()));
            celdas(y, [&](int c) { return m.index(fila, c).data().toString(); },
                   [&](int c) { return Qt::Alignment(m.index(fila, c).data(Qt::TextAlignmentRole).toInt()) & Qt::AlignHorizontal_Mask; });
        }
        p.setPen(Qt::black);
        p.setFont(Fuente(9));
        p.drawText(QRectF(zona.left(), zona.bottom() - kAltoPie * mm, zona.width(), kAltoPie * mm), Qt::AlignRight | Qt::AlignBottom,
                   QStringLiteral("Pag %1").arg(pagina));
    } while (fila < m.rowCount());
    p.end();
    return pagina;
}

bool InformeVisitas::ExportarPdf(const QString &ruta) const
{
    QPdfWriter pdf(ruta);
    pdf.setResolution(300);
    pdf.setTitle(Titulo);
    pdf.setCreator(TituloAplicacion());
    return Pintar(&pdf) > 0;
}

void InformeVisitas::Mostrar(QWidget *padre)
{
    PaginaInforme::VistaPrevia(padre, Titulo, kMargen, [this](QPrinter *pr) { Pintar(pr); }, QStringLiteral("VisitasZonas.pdf"),
                               [this](const QString &ruta) { return ExportarPdf(ruta); });
}
