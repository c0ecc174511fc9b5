#include "registrosdias.h"

namespace {
const QDate kOrigen(1950, 1, 1);

// Slot of an object's text, background, text colour and visibility (120/121/122), -1 for other codes.
int ranuraBase(int objeto)
{
    switch (objeto) {
    case ObjetoCelda::CajaTexto: return Ranura::Texto;
    case ObjetoCelda::EtiquetaIzquierda: return Ranura::TextoIzquierda;
    case ObjetoCelda::EtiquetaDerecha: return Ranura::TextoDerecha;
    default: return -1;
    }
}

int ranuraVisible(int objeto)
{
    switch (objeto) {
    case ObjetoCelda::VisibleCajaTexto: return Ranura::VisibleTexto;
    case ObjetoCelda::VisibleEtiquetaIzquierda: return Ranura::VisibleIzquierda;
    case ObjetoCelda::VisibleEtiquetaDerecha: return Ranura::VisibleDerecha;
    case ObjetoCelda::VisibleChequeo: return Ranura::VisibleChequeo;
    default: return -1;
    }
}
}

qint64 RegistrosDias::Clave(const QDate &fecha) { return kOrigen.daysTo(fecha); }

const RegistroDia *RegistrosDias::Buscar(const QDate &fecha) const
{
    if (!fecha.isValid())
        return nullptr;
    auto it = registros.find(Clave(fecha));
    return it == registros.end() ? nullptr : &it->second;
}

QVariant RegistrosDias::Valor(const QDate &fecha, int ranura) const
{
    const RegistroDia *r = Buscar(fecha);
    if (!r || ranura < 0 || ranura >= Ranura::Total)
        return {};
    // The key is written out only when asked for: thousands of records are made at a time.
    if (ranura == Ranura::Clave)
        return ClaveTexto(fecha);
    return (*r)[size_t(ranura)];
}

void RegistrosDias::Poner(const QDate &fecha, int ranura, const QVariant &valor)
{
    if (!fecha.isValid() || ranura <= Ranura::Clave || ranura >= Ranura::Total)
        return;
    registros[Clave(fecha)][size_t(ranura)] = valor;
}

void RegistrosDias::Vaciar(const QDate &fecha, int ranura)
{
    if (!fecha.isValid() || ranura <= Ranura::Clave || ranura >= Ranura::Total)
        return;
    auto it = registros.find(Clave(fecha));
    if (it != registros.end())
        it->second[size_t(ranura)] = QVariant();
}

bool RegistrosDias::PonerTexto(const QDate &fecha, const QString &texto, int objeto, bool ocultar)
{
    const int base = ranuraBase(objeto);
    if (base < 0)
        return false;
    Poner(fecha, base, texto);
    Poner(fecha, base + 3, !ocultar);
    return true;
}

bool RegistrosDias::PonerVisible(const QDate &fecha, bool visible, int objeto)
{
    const int r = ranuraVisible(objeto);
    if (r < 0)
        return false;
    Poner(fecha, r, visible);
    return true;
}

bool RegistrosDias::PonerFondo(const QDate &fecha, ColorVB color, int objeto)
{
    const int base = ranuraBase(objeto);
    if (base < 0)
        return false;
    Poner(fecha, base + 1, color);
    return true;
}

bool RegistrosDias::PonerPrimerPlano(const QDate &fecha, ColorVB color, int objeto)
{
    const int base = ranuraBase(objeto);
    if (base < 0)
        return false;
    Poner(fecha, base + 2, color);
    return true;
}

bool RegistrosDias::LeerVisible(const QVariant &ranura, bool porDefecto)
{
    if (!ranura.isValid() || ranura.isNull())
        return porDefecto;
    if (ranura.typeId() == QMetaType::Bool)
        return ranura.toBool();
    const QString t = ranura.toString().trimmed();
    if (t.isEmpty())
        return porDefecto;
    return t.compare(QLatin1String("false"), Qt::CaseInsensitive) != 0;
}

ColorVB RegistrosDias::LeerColor(const QVariant &ranura, ColorVB porDefecto)
{
    if (!ranura.isValid() || ranura.isNull())
        return porDefecto;
    bool ok = false;
    const qint64 v = ranura.toLongLong(&ok);
    return ok ? ColorVB(quint64(v) & 0xFFFFFFFFu) : porDefecto;
}
