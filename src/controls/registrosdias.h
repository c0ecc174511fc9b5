#pragma once
// The month calendar's per-day settings: one record of 18 slots per date that has been given any
// setting, keyed by the number of days from 1 January 1950. Writing a slot never draws anything.
#include "colorvb.h"

#include <QDate>
#include <QImage>
#include <QString>
#include <QVariant>
#include <array>
#include <unordered_map>

// Object codes of the per-day methods: 120-122 for texts and colours, 130-133 for visibility.
namespace ObjetoCelda {
constexpr int CajaTexto = 120;
constexpr int EtiquetaIzquierda = 121;   // Label1
constexpr int EtiquetaDerecha = 122;     // Label2
constexpr int VisibleCajaTexto = 130;
constexpr int VisibleEtiquetaIzquierda = 131;
constexpr int VisibleEtiquetaDerecha = 132;
constexpr int VisibleChequeo = 133;
}

namespace Ranura {
enum : int {
    Clave = 0,
    ColorFondo = 1,
    ColorDigito = 2,
    Texto = 3, FondoTexto = 4, PPTexto = 5, VisibleTexto = 6,
    TextoIzquierda = 7, FondoIzquierda = 8, PPIzquierda = 9, VisibleIzquierda = 10,
    TextoDerecha = 11, FondoDerecha = 12, PPDerecha = 13, VisibleDerecha = 14,
    Chequeo = 15,
    VisibleChequeo = 16,
    Imagen = 17,
    Total = 18
};
}

// Slots hold nothing (an invalid QVariant) until written: slot 0 stays empty (Valor answers the
// key as decimal text for it), colours as ColorVB, texts as QString, visibility as bool, the check value as int, the image as QImage.
using RegistroDia = std::array<QVariant, Ranura::Total>;

class RegistrosDias {
public:
    // Days from 1 January 1950 to the date (negative before it).
    static qint64 Clave(const QDate &fecha);
    static QString ClaveTexto(const QDate &fecha) { return QString::number(Clave(fecha)); }

    // The date's record, or null when the date was never given a setting.
    const RegistroDia *Buscar(const QDate &fecha) const;
    // One slot of the date's record; an invalid QVariant when there is no record or the slot is empty.
    QVariant Valor(const QDate &fecha, int ranura) const;
    // Writes one slot, creating the record the first time. Invalid dates and slot
    // numbers outside 1..17 write nothing.
    void Poner(const QDate &fecha, int ranura, const QVariant &valor);
    // Empties one slot of an existing record.
    void Vaciar(const QDate &fecha, int ranura);

    // Object-coded writers; each answers false (and writes nothing) for a code it does not take.
    // Text of object 120/121/122; its visible slot receives !ocultar.
    bool PonerTexto(const QDate &fecha, const QString &texto, int objeto, bool ocultar = false);
    // Visible slot of object 130/131/132/133.
    bool PonerVisible(const QDate &fecha, bool visible, int objeto);
    // Background / text colour of object 120/121/122.
    bool PonerFondo(const QDate &fecha, ColorVB color, int objeto);
    bool PonerPrimerPlano(const QDate &fecha, ColorVB color, int objeto);

    int Cantidad() const { return int(registros.size()); }
    void Reservar(int n) { registros.reserve(n); }
    void Borrar() { registros.clear(); }

    // How the drawing reads a visibility slot: empty -> porDefecto; a text "false" in any letter
    // case -> hidden; a Boolean -> its value; anything else -> shown.
    static bool LeerVisible(const QVariant &ranura, bool porDefecto);
    // A colour slot when it holds a value, otherwise porDefecto.
    static ColorVB LeerColor(const QVariant &ranura, ColorVB porDefecto);

private:
    // Node-based: a record never moves once made, so growing the collection copies no slots.
    std::unordered_map<qint64, RegistroDia> registros;
};
