#pragma once
// RejillaMes: what KVCalen and MiniCalendar have in common. One month as 42 day cells (six weeks,
// Monday first) under a year caption (lblaño) and a month caption (lblmes), a current date and a
// stored control. The base keeps the displayed year and month and the selected day, finds the cell
// under a point, turns the user's clicks and keys into picks, and draws the keyboard focus; each
// control lays out, draws, and decides what a pick does and what its date and stored keys are.
//
// User actions: a left click on a day of the displayed month picks it (elegirDia, then Click); the
// grey days of the neighbouring months do nothing. Arrows move the focus cell within the month
// (with no focus cell, any arrow goes to the 1st), Enter or Space pick the focus cell, Page Up and
// Page Down change the month.
#include <QDate>
#include <QRectF>
#include <QVariantMap>
#include <QWidget>
#include <array>

class QLabel;
class QPainter;
class QToolButton;
class Contorno;

class RejillaMes : public QWidget {
    Q_OBJECT
public:
    int Anio() const { return m_Anio; }
    int Mes() const { return m_Mes; }
    int Dia() const { return m_Dia; }   // 0: none
    virtual QDate FechaActual() const = 0;
    // An invalid date is ignored.
    virtual void setFechaActual(const QDate &fecha) = 0;
    virtual QVariantMap GuardarPropiedades() const = 0;
    virtual void LeerPropiedades(const QVariantMap &propiedades) = 0;

    // Cell i (7 * row + column) in widget pixels; empty outside 0..41.
    QRect RectanguloCelda(int i) const;
    // The cell under a point, -1 when none.
    int CeldaEn(const QPoint &pos) const;
    // The day of the displayed month in cell i; 0 for a grey cell or an index outside 0..41.
    int DiaEnCelda(int i) const;

Q_SIGNALS:
    // The user picked a day of the displayed month; the control already holds it.
    void Click();

protected:
    // Starts on today's date, with the two captions made.
    explicit RejillaMes(QWidget *parent);

    // The cell the keyboard works on; -1 when none.
    virtual int celdaFoco() const = 0;
    virtual void enfocarDia(int dia) = 0;
    // What a pick of a day of the displayed month does, before Click is raised.
    virtual void elegirDia(int dia) = 0;
    virtual void pasarMes(int delta) = 0;
    virtual void disponer() = 0;
    virtual void dibujarMes() = 0;

    // The captions show the displayed year and month.
    void ponerCaptions();
    // A navigation button with its objectName and its accessible name (also its tool tip).
    QToolButton *crearBoton(const char *nombre, const QString &texto);
    // Lays the outline over the cell, margen pixels inside it, and shows it; hides it for no cell.
    void ponerContorno(Contorno *contorno, int celda, int margen = 0);
    // While the control has the focus: a dotted frame margen pixels inside the focus cell (the 1st
    // of the month when there is none).
    void dibujarFoco(QPainter &p, int margen) const;

    void mouseReleaseEvent(QMouseEvent *) override;
    void keyPressEvent(QKeyEvent *) override;
    void resizeEvent(QResizeEvent *) override;
    void showEvent(QShowEvent *) override;

    int m_Anio = 2000, m_Mes = 1, m_Dia = 0;
    std::array<QRectF, 42> rectangulos{};   // the cells in pixels, set by disponer()
    QLabel *lblanio = nullptr;
    QLabel *lblmes = nullptr;

private:
    void elegir(int celda);
};
