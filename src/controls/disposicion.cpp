#include "disposicion.h"

#include "entorno.h"

DisposicionKVCalen CalcularDisposicionKVCalen(const QSizeF &interior, const QSizeF &ladoCheck)
{
    DisposicionKVCalen d;
    const double ancho = interior.width();
    const double W = ancho / 7.0;
    const double H = interior.height() / 7.0;
    const double altoEtiqueta = H * 0.24;
    const double altoTexto = H * 0.24;
    const double ladoImagen = H * 0.34;
    for (int i = 0; i < 42; ++i) {
        const int r = i / 7, c = i % 7;
        const QRectF celda(c * W, H + r * H, W, H);
        d.celda[size_t(i)] = celda;
        d.check[size_t(i)] = QRectF(celda.left() + W / 2 - ladoCheck.width() / 3, celda.top() + 0.10 * H,
                                    ladoCheck.width(), ladoCheck.height());
        d.imagen[size_t(i)] = QRectF(celda.right() - 45 - ladoImagen, celda.top() + 0.05 * H, ladoImagen, ladoImagen);
        const double pieEtiquetas = celda.bottom() - 60;
        d.label2[size_t(i)] = QRectF(celda.left() + 45, pieEtiquetas - altoEtiqueta, W / 2 - 45, altoEtiqueta);
        d.label1[size_t(i)] = QRectF(celda.left() + W / 2 + 45, pieEtiquetas - altoEtiqueta, W / 2 - 90, altoEtiqueta);
        const double pieTexto = d.label2[size_t(i)].top() - 30;
        d.texto[size_t(i)] = QRectF(celda.left() + 60, pieTexto - altoTexto, W - 120, altoTexto);
    }
    const double arriba = 0.02 * H, alto = 0.48 * H, lado = 0.48 * H;
    d.lblanio = QRectF(0, arriba, 0.30 * ancho, alto);
    d.lblmes = QRectF(d.lblanio.right(), arriba, 0.70 * ancho, alto);
    d.btnmenosanio = QRectF(d.lblanio.right() - lado, arriba, lado, lado);
    d.btnmasanio = QRectF(d.lblanio.right(), arriba, lado, lado);
    d.btnmasmes = QRectF(d.lblmes.right() - lado, arriba, lado, lado);
    d.btnmenosmes = QRectF(d.btnmasmes.left() - lado, arriba, lado, lado);
    d.lbldias = QRectF(0, 0.58 * H, ancho, 0.42 * H);
    for (int i = 0; i < 7; ++i)
        d.lbldia[size_t(i)] = QRectF(i * W + 15, d.lbldias.top() + 0.05 * d.lbldias.height(), W - 30,
                                     0.80 * d.lbldias.height());
    return d;
}

DisposicionMiniCalendar CalcularDisposicionMiniCalendar(const QSizeF &interior)
{
    DisposicionMiniCalendar d;
    const double ancho = interior.width();
    const double W = ancho / 7.0;
    const double H = (interior.height() - 555) / 6.0;
    const double lado = 255;
    d.lblmes = QRectF(0, 0, ancho, 300);
    d.btnmasanio = QRectF(ancho - lado, 20, lado, lado);
    d.btnmenosanio = QRectF(d.btnmasanio.left() - 260, 20, lado, lado);
    d.XPButton1 = QRectF(0, 20, lado, lado);
    d.XPButton2 = QRectF(260, 20, lado, lado);
    // The year stands just right of the centre, after the month name that lblmes ends at the centre.
    d.lblanio = QRectF(ancho / 2 + 30, 0, qMax(0.0, d.btnmenosanio.left() - ancho / 2 - 30), 300);
    for (int i = 0; i < 7; ++i)
        d.lblsemana[size_t(i)] = QRectF(i * W, 310, W - 30, 200);
    for (int i = 0; i < 42; ++i)
        d.celda[size_t(i)] = QRectF((i % 7) * W, (i / 7) * H + 555, W, H);
    return d;
}

namespace {
double factorX() { return TwipsAPixelesX(14400) / 14400.0; }
double factorY() { return TwipsAPixelesY(14400) / 14400.0; }
}

QRectF TwipsAPixeles(const QRectF &t)
{
    const double fx = factorX(), fy = factorY();
    return QRectF(t.left() * fx, t.top() * fy, t.width() * fx, t.height() * fy);
}

QSizeF PixelesATwips(const QSizeF &p) { return QSizeF(p.width() / factorX(), p.height() / factorY()); }
