#pragma once
// MiniCalendar: the small date picker. It shows one month; the user picks a day of it.
//
// Usage (a date box filled from the picker):
//
//     MiniCalendar1->setFechaActual(Regional::LeerFecha(txtfecha->text()));  // when the box has a date
//     MiniCalendar1->show();
//     connect(MiniCalendar1, &MiniCalendar::Click, this, [this] {
//         txtfecha->setText(Regional::FechaCorta(MiniCalendar1->FechaActual()));
//         MiniCalendar1->hide();
//     });
//
// Click is raised only when the user picks a day of the displayed month (by mouse, or Enter/Space
// on the keyboard focus cell); FechaActual then holds the picked date. A grey day of a neighbouring
// month picks nothing and raises nothing, so a caller never mistakes it for a pick.
//
// Properties (getter Name(), setter setName()), stored under the keys "BackColor", "Año", "Mes",
// "Dia", "FechaActual" (GuardarPropiedades / LeerPropiedades):
//   BackColor: kept and stored only (0 on creation).
//   Anio ("Año"), Mes, Dia: the displayed year and month and the selected day; setting one stores it
//     and draws the month. Years are clamped to 100..9999, months to 1..12, days to 0..31.
//   FechaActual: the picked date (today on creation). Reading returns it as stored; setting it takes
//     Dia, Mes and Anio from it and draws. Navigation with the buttons does not change it.
// ResetCalendario() draws the displayed month: the day of Anio/Mes/Dia, when it is a day of that
//   month, gets the CursorHoy outline; otherwise the outline is hidden.
//
// Buttons: btnmenosaño / btnmasaño move to the previous / next MONTH, XPButton1 / XPButton2 to the
// previous / next YEAR. After btnmenosaño, btnmasaño and XPButton2 the outline is hidden; after
// XPButton1 it stays on the selected day number of the new view (when that day exists there).
// Keyboard (as in RejillaMes): arrows move the focus cell, Enter/Space picks it, Page Up/Down change
// the month.
//
// Child names (objectName): lblmes, lblaño, lblsemana(0)..lblsemana(6) ("Lun", "Mar", "Mier", "Jue",
// "Vie", "Sab", "Dom"), btnmenosaño, btnmasaño, XPButton1, XPButton2, CursorHoy. The 42 day cells
// (Label1) are painted: read them with Label1(i), find them with RectanguloCelda(i).
#include "colorvb.h"
#include "dibujomes.h"
#include "rejillames.h"

#include <QDate>
#include <QVariantMap>
#include <array>

class MiniCalendar : public RejillaMes {
    Q_OBJECT
public:
    explicit MiniCalendar(QWidget *parent = nullptr);

    void ResetCalendario();

    ColorVB BackColor() const { return m_BackColor; }
    void setBackColor(ColorVB v) { m_BackColor = v; }
    void setAnio(int v);
    void setMes(int v);
    void setDia(int v);
    QDate FechaActual() const override { return m_FechaActual; }
    void setFechaActual(const QDate &fecha) override;

    // Stored control; missing keys read as 0, a missing or invalid date as today, a missing or zero
    // year or month as that date's.
    QVariantMap GuardarPropiedades() const override;
    void LeerPropiedades(const QVariantMap &propiedades) override;

    // Cell i (7 * row + column) as last drawn; RectanguloCelda(i) tells where it is.
    const CeldaMini &Label1(int i) const { return celdas[size_t(i)]; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *) override;
    int celdaFoco() const override { return m_celdaFoco; }
    void enfocarDia(int dia) override;
    void elegirDia(int dia) override;
    void pasarMes(int delta) override;
    void disponer() override;
    void dibujarMes() override { ResetCalendario(); }

private:
    void navegar(int anio, int mes, bool ocultarCursor);

    ColorVB m_BackColor = 0;
    QDate m_FechaActual;
    std::array<CeldaMini, 42> celdas{};
    int m_celdaFoco = -1;

    std::array<QLabel *, 7> lblsemana{};
    QToolButton *btnmenosanio = nullptr, *btnmasanio = nullptr;
    QToolButton *XPButton1 = nullptr, *XPButton2 = nullptr;
    Contorno *CursorHoy = nullptr;
};
