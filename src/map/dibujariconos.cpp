// Draws the locator icon pictures (48x48, transparent background) into the folder given.
// Run once by hand when a picture changes; the pictures are kept in GPS/.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {
constexpr int lado = 48;

void insignia(QPainter &p, QColor fondo)
{
    p.setPen(QPen(QColor(40, 40, 40, 200), 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(2, 2, 44, 44));
    p.setPen(Qt::NoPen);
    p.setBrush(fondo);
    p.drawEllipse(QRectF(5, 5, 38, 38));
}

void coche(QPainter &p, QColor fondo)
{
    insignia(p, fondo);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(10, 30), QPointF(10, 24), QPointF(15, 23), QPointF(19, 16),
                             QPointF(30, 16), QPointF(34, 23), QPointF(38, 24), QPointF(38, 30)}));
    p.setBrush(fondo);
    p.drawRect(QRectF(20.5, 18, 4, 5));
    p.drawRect(QRectF(25.5, 18, 3.5, 5));
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(QPointF(16, 31), 3.6, 3.6);
    p.drawEllipse(QPointF(32, 31), 3.6, 3.6);
}

void numero(QPainter &p, QColor fondo, int n)
{
    insignia(p, fondo);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(26);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, lado, lado), Qt::AlignCenter, QString::number(n));
}

void figura(QPainter &p, QColor fondo, bool falda)
{
    insignia(p, fondo);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(24, 14.5), 4.5, 4.5);
    QPainterPath c;
    if (falda) {
        c.moveTo(24, 20);
        c.lineTo(31, 33);
        c.lineTo(17, 33);
    } else {
        c.addRoundedRect(QRectF(18, 20, 12, 12), 4, 4);
    }
    c.closeSubpath();
    p.drawPath(c);
    p.drawRect(QRectF(19.5, 30, 3.5, 9));
    p.drawRect(QRectF(25, 30, 3.5, 9));
}

void corredor(QPainter &p)
{
    insignia(p, QColor(46, 139, 87));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(27, 12.5), 4, 4);
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(25, 18), QPointF(21, 28));                                 // body
    p.drawPolyline(QPolygonF({QPointF(21, 28), QPointF(27, 32), QPointF(26, 39)})); // front leg
    p.drawPolyline(QPolygonF({QPointF(21, 28), QPointF(17, 33), QPointF(12, 33)})); // back leg
    p.drawPolyline(QPolygonF({QPointF(15, 22), QPointF(20, 19), QPointF(25, 19), QPointF(30, 24), QPointF(34, 22)}));
}

void especialista(QPainter &p)
{
    insignia(p, QColor(200, 30, 45));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(20, 11, 8, 26));
    p.drawRect(QRectF(11, 20, 26, 8));
}

void policia(QPainter &p)
{
    insignia(p, QColor(20, 50, 140));
    QPainterPath escudo;
    escudo.moveTo(24, 9);
    escudo.lineTo(36, 13);
    escudo.cubicTo(36, 26, 31, 34, 24, 39);
    escudo.cubicTo(17, 34, 12, 26, 12, 13);
    escudo.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(escudo);
    QPolygonF estrella;
    for (int i = 0; i < 10; ++i) {
        const double r = (i % 2) ? 3.2 : 7.5;
        const double a = -M_PI / 2 + i * M_PI / 5;
        estrella << QPointF(24 + r * std::cos(a), 23 + r * std::sin(a));
    }
    p.setBrush(QColor(20, 50, 140));
    p.drawPolygon(estrella);
}

void furgoneta(QPainter &p)
{
    insignia(p, QColor(120, 80, 160));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(9, 31), QPointF(9, 15), QPointF(30, 15), QPointF(35, 21), QPointF(39, 23), QPointF(39, 31)}));
    p.setBrush(QColor(120, 80, 160));
    p.drawRect(QRectF(30, 17.5, 3, 4.5));
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(QPointF(15, 32), 3.6, 3.6);
    p.drawEllipse(QPointF(33, 32), 3.6, 3.6);
}

void moto(QPainter &p)
{
    insignia(p, QColor(230, 120, 0));
    p.setPen(QPen(Qt::white, 2.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(14, 30), 5.5, 5.5);
    p.drawEllipse(QPointF(34, 30), 5.5, 5.5);
    p.setPen(QPen(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(14, 30), QPointF(20, 22), QPointF(29, 22), QPointF(34, 30)}));
    p.drawPolyline(QPolygonF({QPointF(29, 22), QPointF(31, 15), QPointF(35, 15)}));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(18, 18, 9, 5), 2, 2);
}

void ninos(QPainter &p)
{
    insignia(p, QColor(240, 180, 0));
    p.setBrush(Qt::white);
    const double xs[] = {17, 31};
    const double esc[] = {1.0, 0.8};
    for (int i = 0; i < 2; ++i) {
        const double x = xs[i], k = esc[i], base = 38;
        p.drawEllipse(QPointF(x, base - 22 * k), 4 * k, 4 * k);
        p.drawRoundedRect(QRectF(x - 5 * k, base - 17 * k, 10 * k, 10 * k), 3, 3);
        p.drawRect(QRectF(x - 4 * k, base - 8 * k, 3 * k, 8 * k));
        p.drawRect(QRectF(x + 1 * k, base - 8 * k, 3 * k, 8 * k));
    }
}

void ninguno(QPainter &p)
{
    insignia(p, QColor(120, 120, 120));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(24, 24), 6, 6);
}
}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <GPS folder>\n", argv[0]);
        return 2;
    }
    const QDir carpeta(QString::fromLocal8Bit(argv[1]));
    const std::pair<QString, std::function<void(QPainter &)>> iconos[] = {
        {QStringLiteral("Ninguno"), ninguno},
        {QStringLiteral("policia1"), policia},
        {QStringLiteral("coche1"), [](QPainter &p) { coche(p, QColor(200, 30, 45)); }},
        {QStringLiteral("coche2"), [](QPainter &p) { coche(p, QColor(25, 100, 210)); }},
        {QStringLiteral("coche3"), [](QPainter &p) { coche(p, QColor(30, 150, 60)); }},
        {QStringLiteral("coche4"), [](QPainter &p) { coche(p, QColor(30, 30, 30)); }},
        {QStringLiteral("corredor1"), corredor},
        {QStringLiteral("especialista1"), especialista},
        {QStringLiteral("furgoneta1"), furgoneta},
        {QStringLiteral("moto1"), moto},
        {QStringLiteral("niños1"), ninos},
        {QStringLiteral("num1"), [](QPainter &p) { numero(p, QColor(200, 30, 45), 1); }},
        {QStringLiteral("num2"), [](QPainter &p) { numero(p, QColor(25, 100, 210), 2); }},
        {QStringLiteral("num3"), [](QPainter &p) { numero(p, QColor(30, 150, 60), 3); }},
        {QStringLiteral("num4"), [](QPainter &p) { numero(p, QColor(230, 120, 0), 4); }},
        {QStringLiteral("num5"), [](QPainter &p) { numero(p, QColor(120, 80, 160), 5); }},
        {QStringLiteral("persona1"), [](QPainter &p) { figura(p, QColor(0, 130, 140), false); }},
        {QStringLiteral("persona2"), [](QPainter &p) { figura(p, QColor(210, 60, 140), true); }},
    };
    int errores = 0;
    for (const auto &[nombre, dibujo] : iconos) {
        QImage img(lado, lado, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        dibujo(p);
        p.end();
        // The names are NFC, byte for byte as the icon list and the stored choice spell them.
        const QString archivo = carpeta.filePath(nombre.normalized(QString::NormalizationForm_C) + QStringLiteral(".png"));
        if (!img.save(archivo, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(archivo));
            ++errores;
        }
    }
    return errores ? 1 : 0;
}
