#pragma once
// Where the parts of the two calendars go for a given inner size, in twips.
#include <QRectF>
#include <QSizeF>
#include <array>

struct DisposicionKVCalen {
    // Per cell (index 7 * row + column): the cell and, inside it, its parts.
    std::array<QRectF, 42> celda, check, imagen, label1, label2, texto;
    QRectF lblanio, lblmes;
    QRectF btnmenosanio, btnmasanio, btnmenosmes, btnmasmes;
    QRectF lbldias;
    std::array<QRectF, 7> lbldia;
};

// W = width / 7 and H = height / 7: a top band of height H with the captions, the buttons and the
// weekday band, then six rows of cells. ladoCheck is the check box's own size.
DisposicionKVCalen CalcularDisposicionKVCalen(const QSizeF &interior, const QSizeF &ladoCheck);

struct DisposicionMiniCalendar {
    QRectF lblmes, lblanio;
    std::array<QRectF, 7> lblsemana;
    std::array<QRectF, 42> celda;
    QRectF btnmenosanio, btnmasanio;   // previous / next month
    QRectF XPButton1, XPButton2;       // previous / next year
};

// Weekday labels at 310 (200 high), six rows of cells from 555, the month buttons on the right.
DisposicionMiniCalendar CalcularDisposicionMiniCalendar(const QSizeF &interior);

// Twips <-> pixels for the layouts (the screen's logical DPI, as the platform layer converts).
QRectF TwipsAPixeles(const QRectF &twips);
QSizeF PixelesATwips(const QSizeF &pixeles);
