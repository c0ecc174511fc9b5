#pragma once
// KVCalen: the program's month calendar. One month as 42 day cells (six weeks, Monday first) under
// a year caption, a month caption, four navigation buttons and a weekday band. Every date can be
// given its own cell colour, day-number colour, texts, check value and image; these day records
// live by date for the life of the control and survive month changes.
//
// Usage (the recorded-days calendar colours thousands of days, then draws once):
//
//     for (const QDate &d : dias)
//         KVCalen1->PonColorFondoCelda(d, 16701389);   // keyed update, no drawing
//     KVCalen1->Refresh();                             // draws the 42 cells once
//     KVCalen1->setFechaActual(ultimo);                // shows that month, selects the day
//     connect(KVCalen1, &KVCalen::Click, this, [this] { usar(KVCalen1->FechaActual()); });
//
// Colours are ColorVB values (0x00BBGGRR, or a system colour such as 0x8000000F), as stored.
//
// Properties (getter Name(), setter setName(); initial value -> default when read back). Setting
// a property that shows redraws the month at once.
//   ForeColor 0 -> 0, kept only.
//   Enabled False -> False: a stored value only. It does NOT enable or disable the widget (use
//     QWidget::setEnabled for that); set it with setEnabledGuardado().
//   Dia (today's day -> 0): selected day, 0 = none. setDia redraws; the selection outline follows it.
//     Kept within 0..days of the displayed month.
//   Mes (today's month -> 0): setMes raises CambiaMes, then redraws. Clamped to 1..12.
//   Anio (stored key "Año"; today's year -> 0): setAnio raises CambiaAnio, then redraws. Clamped to
//     100..9999.
//   FechaActual (today): reading rebuilds the date from Anio, Mes and Dia (with Dia 0: the last day of
//     the month before the displayed one). Setting it raises CambiaAnio when the year differs from the
//     displayed year, then CambiaMes when the month differs, takes Dia, Mes and Anio from it and
//     redraws. An invalid date is ignored.
//   ColorCeldas C0FFFF, ColorDigitos 0, ColorSabados 80FF, ColorDomingos FF: cell background and
//     day-number colours.
//   VisiblesTodasCajasTexto ("VisiblesCajasTexto"), VisiblesTodasEtiquetasIzquierda
//     ("VisiblesEtiquetasIzquierda"), VisiblesTodasEtiquetasDerecha ("VisiblesEtiquetasDerecha"),
//     VisiblesTodosChequeos: False. Show every text box / left label / right label / check box of the
//     month's days; a day record's own visibility slot, when it holds a value, wins.
//   BackColor 8000000F: the control's background. Font: QWidget::font() (the container's font by
//     default), used for the day numbers; set it with QWidget::setFont.
//   DiasLargos False: weekday band "Lunes".."Domingo" when True, "Lun".."Dom" when False.
//   ColorFondoAnio ("ColorFondoAño"), ColorFondoMes, ColorFondoDias: C0FFFF; ColorPPAnio ("ColorPPAño")
//     0, ColorPPMes 0, ColorPPdias 80: caption and weekday band backgrounds and text colours.
//   FontMes, FontAnio ("FontAño"), FontDias: the container's font.
//   TamanoOptimo ("TamañoOptimo") False: setting it lays the control out again.
//   ColorFondoEtiquetaDerecha FFC0C0, ColorFondoEtiquetaIzquierda 80C0FF, ColorPPEtiquetaDerecha 0,
//     ColorPPEtiquetaIzquierda 0, ColorFondoEnTexto C0FFC0, ColorPPEnTexto 0: default colours of the
//     labels and text boxes.
//   TotalDiasMesActual (read only): days of the displayed month (28 to 31).
//   FechaActualSQL (read only): Mes "/" Dia "/" Anio without leading zeros, e.g. "3/5/2010".
//
// Stored control: GuardarPropiedades() returns every property under its stored key (plus
// "ColorFondoTexto", "ColorPPTexto" and "BorderStyle"); LeerPropiedades() restores them, taking the
// defaults above for missing keys. A missing or invalid "FechaActual" falls back to today, a missing
// "Año"/"Mes" to that date's year/month; out-of-range years and months are clamped.
//
// Day records: methods take the date and write only their own slots; none draws, call Refresh().
// Object codes: 120 text box, 121 left label (Label1), 122 right label (Label2) for texts and
// colours; 130 text box, 131 left label, 132 right label, 133 check box for visibility. Any other
// code writes nothing. When drawing, a slot applies only when it holds a value; otherwise the
// control-wide property above applies.
//
// User actions: a click on a day of the displayed month (anywhere in its cell outside the check box
// and text box) selects it: Dia and FechaActual take it, the month is redrawn and Click is raised.
// Grey days of the neighbouring months do nothing. Ticking a check box calls ChequearCelda. Enter in
// a text box stores its text (object 120) and beeps; leaving the box stores it too. The buttons
// btnmenosmes/btnmasmes and btnmenosaño/btnmasaño move a month or a year (CambiaAnio before
// CambiaMes), then Dia is 0 and the selection outline hidden. Keyboard: arrows move the selected
// day, Enter or Space clicks it, Page Up/Down change the month.
//
// Child names (objectName): lblaño, lblmes, lbldias, lbldia(0)..lbldia(6), btnmenosaño, btnmasaño,
// btnmenosmes, btnmasmes, Check1(0)..Check1(41), Text1(0)..Text1(41), Cursor (selection outline),
// CursorHoy (today outline). The day label, Label1, Label2 and Image1 of each cell are painted: read
// them with Celda(i).
#include "colorvb.h"
#include "dibujomes.h"
#include "disposicion.h"
#include "registrosdias.h"

#include <QDate>
#include <QFont>
#include <QImage>
#include <QVariantMap>
#include <QWidget>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QToolButton;
class Contorno;

class KVCalen : public QWidget {
    Q_OBJECT
public:
    explicit KVCalen(QWidget *parent = nullptr);
    ~KVCalen() override;

    // --- Properties ---
    ColorVB ForeColor() const { return m_ForeColor; }
    void setForeColor(ColorVB v) { m_ForeColor = v; }
    bool Enabled() const { return m_Enabled; }
    void setEnabledGuardado(bool v) { m_Enabled = v; }
    int Dia() const { return m_Dia; }
    void setDia(int v);
    int Mes() const { return m_Mes; }
    void setMes(int v);
    int Anio() const { return m_Anio; }
    void setAnio(int v);
    QDate FechaActual() const;
    void setFechaActual(const QDate &fecha);
    ColorVB ColorCeldas() const { return aspecto.colorCeldas; }
    void setColorCeldas(ColorVB v);
    ColorVB ColorDigitos() const { return aspecto.colorDigitos; }
    void setColorDigitos(ColorVB v);
    bool VisiblesTodasCajasTexto() const { return aspecto.visiblesCajasTexto; }
    void setVisiblesTodasCajasTexto(bool v);
    bool VisiblesTodasEtiquetasIzquierda() const { return aspecto.visiblesEtiquetasIzquierda; }
    void setVisiblesTodasEtiquetasIzquierda(bool v);
    bool VisiblesTodasEtiquetasDerecha() const { return aspecto.visiblesEtiquetasDerecha; }
    void setVisiblesTodasEtiquetasDerecha(bool v);
    bool VisiblesTodosChequeos() const { return aspecto.visiblesChequeos; }
    void setVisiblesTodosChequeos(bool v);
    ColorVB BackColor() const { return m_BackColor; }
    void setBackColor(ColorVB v);
    QFont Font() const { return font(); }
    bool DiasLargos() const { return m_DiasLargos; }
    void setDiasLargos(bool v);
    ColorVB ColorSabados() const { return aspecto.colorSabados; }
    void setColorSabados(ColorVB v);
    ColorVB ColorDomingos() const { return aspecto.colorDomingos; }
    void setColorDomingos(ColorVB v);
    ColorVB ColorFondoAnio() const { return m_ColorFondoAnio; }
    void setColorFondoAnio(ColorVB v);
    ColorVB ColorFondoMes() const { return m_ColorFondoMes; }
    void setColorFondoMes(ColorVB v);
    ColorVB ColorFondoDias() const { return m_ColorFondoDias; }
    void setColorFondoDias(ColorVB v);
    QFont FontMes() const { return m_FontMes; }
    void setFontMes(const QFont &f);
    QFont FontAnio() const { return m_FontAnio; }
    void setFontAnio(const QFont &f);
    QFont FontDias() const { return m_FontDias; }
    void setFontDias(const QFont &f);
    ColorVB ColorPPAnio() const { return m_ColorPPAnio; }
    void setColorPPAnio(ColorVB v);
    ColorVB ColorPPMes() const { return m_ColorPPMes; }
    void setColorPPMes(ColorVB v);
    ColorVB ColorPPdias() const { return m_ColorPPdias; }
    void setColorPPdias(ColorVB v);
    bool TamanoOptimo() const { return m_TamanoOptimo; }
    void setTamanoOptimo(bool v);
    ColorVB ColorFondoEtiquetaDerecha() const { return aspecto.fondoEtiquetaDerecha; }
    void setColorFondoEtiquetaDerecha(ColorVB v);
    ColorVB ColorFondoEtiquetaIzquierda() const { return aspecto.fondoEtiquetaIzquierda; }
    void setColorFondoEtiquetaIzquierda(ColorVB v);
    ColorVB ColorPPEtiquetaDerecha() const { return aspecto.ppEtiquetaDerecha; }
    void setColorPPEtiquetaDerecha(ColorVB v);
    ColorVB ColorPPEtiquetaIzquierda() const { return aspecto.ppEtiquetaIzquierda; }
    void setColorPPEtiquetaIzquierda(ColorVB v);
    ColorVB ColorFondoEnTexto() const { return aspecto.fondoEnTexto; }
    void setColorFondoEnTexto(ColorVB v);
    ColorVB ColorPPEnTexto() const { return aspecto.ppEnTexto; }
    void setColorPPEnTexto(ColorVB v);
    int TotalDiasMesActual() const { return dibujado.totalDias; }
    QString FechaActualSQL() const;

    // --- Stored control ---
    QVariantMap GuardarPropiedades() const;
    void LeerPropiedades(const QVariantMap &propiedades);

    // --- Day records (no drawing; call Refresh) ---
    void PonColorFondoCelda(const QDate &EstaFecha, ColorVB EsteColor);
    void PonColorDigito(const QDate &EstaFecha, ColorVB EsteColor);
    // Raises CeldaChequeada(EstaFecha, Valor), then stores the value (0, 1 ticked, 2 greyed).
    void ChequearCelda(const QDate &EstaFecha, int Valor);
    // Text of object 120/121/122. The object's visible slot receives !PonerVisible: left out (False)
    // the object becomes visible, True hides it.
    void PonerTexto(const QDate &EstaFecha, const QString &Valor, int Objeto, bool PonerVisible = false);
    void PonerVisible(const QDate &EstaFecha, bool Valor, int Objeto);
    void PonerImagen(const QDate &EstaFecha, const QImage &EstaImagen);
    void QuitarImagen(const QDate &EstaFecha);
    void PonerFondoColorTexto(const QDate &EstaFecha, ColorVB Valor, int Objeto);
    void PonerColorPrimerPlanoTexto(const QDate &EstaFecha, ColorVB Valor, int Objeto);
    // Draws the displayed month again from the properties and the day records (the 42 cells only).
    void Refresh();
    QString DevuelveTexto(const QDate &EstaFecha) const;      // slot 3; empty without a record
    QString DevuelveEtiqueta1(const QDate &EstaFecha) const;  // slot 7
    QString DevuelveEtiqueta2(const QDate &EstaFecha) const;  // slot 11
    int DevuelveChequeado(const QDate &EstaFecha) const;      // slot 15; 0 without a value
    const RegistrosDias &Registros() const { return registros; }

    // --- What is drawn (for callers and tests) ---
    // Cell i (7 * row + column) as last drawn: date, in-month flag, day label, colours, objects.
    const CeldaMes &Celda(int i) const { return dibujado.celdas[size_t(i)]; }
    // Cell i in widget pixels; -1 / empty outside 0..41.
    QRect RectanguloCelda(int i) const;
    int CeldaEn(const QPoint &pos) const;
    // Times the month has been drawn (every Refresh and every property that redraws).
    int VecesDibujado() const { return vecesDibujado; }

Q_SIGNALS:
    void CambiaMes();
    void CambiaAnio();
    void Click();
    void CeldaChequeada(const QDate &EstaFecha, int Valor);

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;
    void showEvent(QShowEvent *) override;
    void mouseReleaseEvent(QMouseEvent *) override;
    void keyPressEvent(QKeyEvent *) override;

private:
    void crearPartes();
    void disponer();
    void dibujar();
    void colocarCursor();
    void aplicarCaptions();
    void pulsarCelda(int indice);
    void moverMes(int delta);
    void moverAnio(int delta);
    void irA(int anio, int mes);
    void guardarTexto(int indice);
    void limitarDia();
    QFont fuenteContenedor() const;

    ColorVB m_ForeColor = 0;
    bool m_Enabled = false;
    int m_Dia = 0, m_Mes = 1, m_Anio = 2000;
    ColorVB m_BackColor = ColoresVB::CaraBoton;
    bool m_DiasLargos = false;
    ColorVB m_ColorFondoAnio = 0xC0FFFF, m_ColorFondoMes = 0xC0FFFF, m_ColorFondoDias = 0xC0FFFF;
    ColorVB m_ColorPPAnio = 0, m_ColorPPMes = 0, m_ColorPPdias = 0x80;
    QFont m_FontMes, m_FontAnio, m_FontDias;
    bool m_TamanoOptimo = false;
    ColorVB m_ColorFondoTexto = 0xDDAC6A, m_ColorPPTexto = 0;
    int m_BorderStyle = 1;
    AspectoMes aspecto;

    RegistrosDias registros;
    MesDibujado dibujado;
    DisposicionKVCalen disposicion;   // in pixels
    bool dibujando = false;
    int vecesDibujado = 0;

    QLabel *lblanio = nullptr;
    QLabel *lblmes = nullptr;
    QWidget *lbldias = nullptr;
    std::array<QLabel *, 7> lbldia{};
    QToolButton *btnmenosanio = nullptr, *btnmasanio = nullptr;
    QToolButton *btnmenosmes = nullptr, *btnmasmes = nullptr;
    std::array<QCheckBox *, 42> Check1{};
    std::array<QLineEdit *, 42> Text1{};
    Contorno *Cursor = nullptr;
    Contorno *CursorHoy = nullptr;
};
