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
// Properties (getter Name(), setter setName()). Values on creation and defaults when read back are
// in PropiedadesKVCalen's table; the date properties start on today. Setting a property that shows
// redraws the month at once.
//   ForeColor: kept only. Enabled: a stored value only; it does NOT enable or disable the widget
//     (use QWidget::setEnabled for that); set it with setEnabledGuardado().
//   Dia (0 when read back): selected day, 0 = none. setDia redraws; the selection outline follows
//     it. Kept within 0..days of the displayed month.
//   Mes: setMes raises CambiaMes, then redraws. Clamped to 1..12.
//   Anio (stored key "Año"): setAnio raises CambiaAnio, then redraws. Clamped to 100..9999.
//   FechaActual: reading rebuilds the date from Anio, Mes and Dia (with Dia 0: the last day of the
//     month before the displayed one). Setting it raises CambiaAnio when the year differs from the
//     displayed year, then CambiaMes when the month differs, takes Dia, Mes and Anio from it and
//     redraws. An invalid date is ignored.
//   ColorCeldas, ColorDigitos, ColorSabados, ColorDomingos: cell background and day-number colours.
//   VisiblesTodasCajasTexto ("VisiblesCajasTexto"), VisiblesTodasEtiquetasIzquierda
//     ("VisiblesEtiquetasIzquierda"), VisiblesTodasEtiquetasDerecha ("VisiblesEtiquetasDerecha"),
//     VisiblesTodosChequeos: show every text box / left label / right label / check box of the
//     month's days; a day record's own visibility slot, when it holds a value, wins.
//   BackColor: the control's background. Font: QWidget::font() (the container's font by default),
//     used for the day numbers; set it with QWidget::setFont.
//   DiasLargos: weekday band "Lunes".."Domingo" when True, "Lun".."Dom" when False.
//   ColorFondoAnio ("ColorFondoAño"), ColorFondoMes, ColorFondoDias, ColorPPAnio ("ColorPPAño"),
//     ColorPPMes, ColorPPdias: caption and weekday band backgrounds and text colours.
//   FontMes, FontAnio ("FontAño"), FontDias: the captions' fonts (the container's font by default).
//   TamanoOptimo ("TamañoOptimo"): setting it lays the control out again.
//   ColorFondoEtiquetaDerecha, ColorFondoEtiquetaIzquierda, ColorPPEtiquetaDerecha,
//     ColorPPEtiquetaIzquierda, ColorFondoEnTexto, ColorPPEnTexto: default colours of the labels and
//     text boxes.
//   TotalDiasMesActual (read only): days of the displayed month (28 to 31).
//   FechaActualSQL (read only): Mes "/" Dia "/" Anio without leading zeros, e.g. "3/5/2010".
//
// Stored control: GuardarPropiedades() returns every property under its stored key (plus
// "ColorFondoTexto", "ColorPPTexto" and "BorderStyle"); LeerPropiedades() restores them, taking the
// defaults for missing keys. A missing or invalid "FechaActual" falls back to today, a missing
// "Año"/"Mes" to that date's year/month; out-of-range years and months are clamped.
//
// Day records: methods take the date and write only their own slots; none draws, call Refresh().
// Object codes: 120 text box, 121 left label (Label1), 122 right label (Label2) for texts and
// colours; 130 text box, 131 left label, 132 right label, 133 check box for visibility. Any other
// code writes nothing. When drawing, a slot applies only when it holds a value; otherwise the
// control-wide property above applies.
//
// User actions (clicks and keys as in RejillaMes): a click on a day of the displayed month (anywhere
// in its cell outside the check box and text box) selects it: Dia and FechaActual take it, the month
// is redrawn and Click is raised. Arrows move the selected day. Ticking a check box calls
// ChequearCelda. Enter in a text box stores its text (object 120) and beeps; leaving the box stores
// it too. The buttons btnmenosmes/btnmasmes (and Page Up/Down) and btnmenosaño/btnmasaño move a
// month or a year (CambiaAnio before CambiaMes), then Dia is 0 and the selection outline hidden.
//
// Child names (objectName): lblaño, lblmes, lbldias, lbldia(0)..lbldia(6), btnmenosaño, btnmasaño,
// btnmenosmes, btnmasmes, Check1(0)..Check1(41), Text1(0)..Text1(41), Cursor (selection outline),
// CursorHoy (today outline). The day label, Label1, Label2 and Image1 of each cell are painted: read
// them with Celda(i).
#include "colorvb.h"
#include "dibujomes.h"
#include "disposicion.h"
#include "propiedadeskvcalen.h"
#include "registrosdias.h"
#include "rejillames.h"

#include <QDate>
#include <QFont>
#include <QImage>
#include <QVariantMap>
#include <array>

class QCheckBox;
class QLineEdit;

class KVCalen : public RejillaMes {
    Q_OBJECT
public:
    explicit KVCalen(QWidget *parent = nullptr);
    ~KVCalen() override;

    // --- Properties ---
    ColorVB ForeColor() const { return props.foreColor; }
    void setForeColor(ColorVB v) { props.foreColor = v; }
    bool Enabled() const { return props.enabled; }
    void setEnabledGuardado(bool v) { props.enabled = v; }
    void setDia(int v);
    void setMes(int v);
    void setAnio(int v);
    QDate FechaActual() const override;
    void setFechaActual(const QDate &fecha) override;
    ColorVB ColorCeldas() const { return props.colorCeldas; }
    void setColorCeldas(ColorVB v) { props.colorCeldas = v; dibujar(); }
    ColorVB ColorDigitos() const { return props.colorDigitos; }
    void setColorDigitos(ColorVB v) { props.colorDigitos = v; dibujar(); }
    bool VisiblesTodasCajasTexto() const { return props.visiblesCajasTexto; }
    void setVisiblesTodasCajasTexto(bool v) { props.visiblesCajasTexto = v; dibujar(); }
    bool VisiblesTodasEtiquetasIzquierda() const { return props.visiblesEtiquetasIzquierda; }
    void setVisiblesTodasEtiquetasIzquierda(bool v) { props.visiblesEtiquetasIzquierda = v; dibujar(); }
    bool VisiblesTodasEtiquetasDerecha() const { return props.visiblesEtiquetasDerecha; }
    void setVisiblesTodasEtiquetasDerecha(bool v) { props.visiblesEtiquetasDerecha = v; dibujar(); }
    bool VisiblesTodosChequeos() const { return props.visiblesChequeos; }
    void setVisiblesTodosChequeos(bool v) { props.visiblesChequeos = v; dibujar(); }
    ColorVB BackColor() const { return props.backColor; }
    void setBackColor(ColorVB v) { props.backColor = v; update(); }
    QFont Font() const { return font(); }
    bool DiasLargos() const { return props.diasLargos; }
    void setDiasLargos(bool v) { props.diasLargos = v; aplicarCaptions(); }
    ColorVB ColorSabados() const { return props.colorSabados; }
    void setColorSabados(ColorVB v) { props.colorSabados = v; dibujar(); }
    ColorVB ColorDomingos() const { return props.colorDomingos; }
    void setColorDomingos(ColorVB v) { props.colorDomingos = v; dibujar(); }
    ColorVB ColorFondoAnio() const { return props.colorFondoAnio; }
    void setColorFondoAnio(ColorVB v) { props.colorFondoAnio = v; aplicarCaptions(); }
    ColorVB ColorFondoMes() const { return props.colorFondoMes; }
    void setColorFondoMes(ColorVB v) { props.colorFondoMes = v; aplicarCaptions(); }
    ColorVB ColorFondoDias() const { return props.colorFondoDias; }
    void setColorFondoDias(ColorVB v) { props.colorFondoDias = v; aplicarCaptions(); }
    QFont FontMes() const { return props.fontMes; }
    void setFontMes(const QFont &f) { props.fontMes = f; aplicarCaptions(); }
    QFont FontAnio() const { return props.fontAnio; }
    void setFontAnio(const QFont &f) { props.fontAnio = f; aplicarCaptions(); }
    QFont FontDias() const { return props.fontDias; }
    void setFontDias(const QFont &f) { props.fontDias = f; aplicarCaptions(); }
    ColorVB ColorPPAnio() const { return props.colorPPAnio; }
    void setColorPPAnio(ColorVB v) { props.colorPPAnio = v; aplicarCaptions(); }
    ColorVB ColorPPMes() const { return props.colorPPMes; }
    void setColorPPMes(ColorVB v) { props.colorPPMes = v; aplicarCaptions(); }
    ColorVB ColorPPdias() const { return props.colorPPdias; }
    void setColorPPdias(ColorVB v) { props.colorPPdias = v; aplicarCaptions(); }
    bool TamanoOptimo() const { return props.tamanoOptimo; }
    void setTamanoOptimo(bool v) { props.tamanoOptimo = v; disponer(); }
    ColorVB ColorFondoEtiquetaDerecha() const { return props.fondoEtiquetaDerecha; }
    void setColorFondoEtiquetaDerecha(ColorVB v) { props.fondoEtiquetaDerecha = v; dibujar(); }
    ColorVB ColorFondoEtiquetaIzquierda() const { return props.fondoEtiquetaIzquierda; }
    void setColorFondoEtiquetaIzquierda(ColorVB v) { props.fondoEtiquetaIzquierda = v; dibujar(); }
    ColorVB ColorPPEtiquetaDerecha() const { return props.ppEtiquetaDerecha; }
    void setColorPPEtiquetaDerecha(ColorVB v) { props.ppEtiquetaDerecha = v; dibujar(); }
    ColorVB ColorPPEtiquetaIzquierda() const { return props.ppEtiquetaIzquierda; }
    void setColorPPEtiquetaIzquierda(ColorVB v) { props.ppEtiquetaIzquierda = v; dibujar(); }
    ColorVB ColorFondoEnTexto() const { return props.fondoEnTexto; }
    void setColorFondoEnTexto(ColorVB v) { props.fondoEnTexto = v; dibujar(); }
    ColorVB ColorPPEnTexto() const { return props.ppEnTexto; }
    void setColorPPEnTexto(ColorVB v) { props.ppEnTexto = v; dibujar(); }
    int TotalDiasMesActual() const { return dibujado.totalDias; }
    QString FechaActualSQL() const;

    // --- Stored control ---
    QVariantMap GuardarPropiedades() const override;
    void LeerPropiedades(const QVariantMap &propiedades) override;

    // --- Day records (no drawing; call Refresh) ---
    void PonColorFondoCelda(const QDate &EstaFecha, ColorVB EsteColor)
    {
        registros.Poner(EstaFecha, Ranura::ColorFondo, QVariant::fromValue(EsteColor));
    }
    void PonColorDigito(const QDate &EstaFecha, ColorVB EsteColor)
    {
        registros.Poner(EstaFecha, Ranura::ColorDigito, QVariant::fromValue(EsteColor));
    }
    // Raises CeldaChequeada(EstaFecha, Valor), then stores the value (0, 1 ticked, 2 greyed).
    void ChequearCelda(const QDate &EstaFecha, int Valor);
    // Text of object 120/121/122. The object's visible slot receives !PonerVisible: left out (False)
    // the object becomes visible, True hides it.
    void PonerTexto(const QDate &EstaFecha, const QString &Valor, int Objeto, bool PonerVisible = false)
    {
        registros.PonerTexto(EstaFecha, Valor, Objeto, PonerVisible);
    }
    void PonerVisible(const QDate &EstaFecha, bool Valor, int Objeto)
    {
        registros.PonerVisible(EstaFecha, Valor, Objeto);
    }
    void PonerImagen(const QDate &EstaFecha, const QImage &EstaImagen)
    {
        registros.Poner(EstaFecha, Ranura::Imagen, EstaImagen);
    }
    void QuitarImagen(const QDate &EstaFecha) { registros.Vaciar(EstaFecha, Ranura::Imagen); }
    void PonerFondoColorTexto(const QDate &EstaFecha, ColorVB Valor, int Objeto)
    {
        registros.PonerFondo(EstaFecha, Valor, Objeto);
    }
    void PonerColorPrimerPlanoTexto(const QDate &EstaFecha, ColorVB Valor, int Objeto)
    {
        registros.PonerPrimerPlano(EstaFecha, Valor, Objeto);
    }
    // Draws the displayed month again from the properties and the day records (the 42 cells only).
    void Refresh() { dibujar(); }
    // Slot 3, 7, 11 as text (empty without a record); slot 15, 0 without a value.
    QString DevuelveTexto(const QDate &f) const { return registros.Valor(f, Ranura::Texto).toString(); }
    QString DevuelveEtiqueta1(const QDate &f) const { return registros.Valor(f, Ranura::TextoIzquierda).toString(); }
    QString DevuelveEtiqueta2(const QDate &f) const { return registros.Valor(f, Ranura::TextoDerecha).toString(); }
    int DevuelveChequeado(const QDate &f) const { return qint16(registros.Valor(f, Ranura::Chequeo).toInt()); }
    const RegistrosDias &Registros() const { return registros; }

    // --- What is drawn (for callers and tests) ---
    // Cell i (7 * row + column) as last drawn: date, in-month flag, day label, colours, objects.
    const CeldaMes &Celda(int i) const { return dibujado.celdas[size_t(i)]; }
    // Times the month has been drawn (every Refresh and every property that redraws).
    int VecesDibujado() const { return vecesDibujado; }

Q_SIGNALS:
    void CambiaMes();
    void CambiaAnio();
    void CeldaChequeada(const QDate &EstaFecha, int Valor);

protected:
    void paintEvent(QPaintEvent *) override;
    int celdaFoco() const override;
    void enfocarDia(int dia) override { setDia(dia); }
    void elegirDia(int dia) override;
    void pasarMes(int delta) override { moverMes(delta); }
    void disponer() override;
    void dibujarMes() override { dibujar(); }

private:
    void crearPartes();
    void dibujar();
    void colocarCursor();
    void aplicarCaptions();
    void moverMes(int delta);
    void moverAnio(int delta);
    void irA(int anio, int mes);
    void guardarTexto(int indice);
    void limitarDia();
    QFont fuenteContenedor() const;

    PropiedadesKVCalen props;
    RegistrosDias registros;
    MesDibujado dibujado;
    DisposicionKVCalen disposicion;   // in pixels; the cells themselves are RejillaMes's
    bool dibujando = false;
    int vecesDibujado = 0;

    QWidget *lbldias = nullptr;
    std::array<QLabel *, 7> lbldia{};
    QToolButton *btnmenosanio = nullptr, *btnmasanio = nullptr;
    QToolButton *btnmenosmes = nullptr, *btnmasmes = nullptr;
    std::array<QCheckBox *, 42> Check1{};
    std::array<QLineEdit *, 42> Text1{};
    Contorno *Cursor = nullptr;
    Contorno *CursorHoy = nullptr;
};
