#pragma once
// Small factories for controls named as the windows' designs name them.
#include <QLabel>
#include <QPushButton>

// A label with its control name; plain text, so data such as "<Madrid>" shows as written.
inline QLabel *EtiquetaNombrada(QWidget *padre, const char *nombre, const QString &texto)
{
    auto *l = new QLabel(texto, padre);
    l->setObjectName(QLatin1String(nombre));
    l->setTextFormat(Qt::PlainText);
    return l;
}

// A push button with its control name, its caption as accessible name, and no default-button role.
inline QPushButton *BotonNombrado(QWidget *padre, const char *nombre, const QString &texto)
{
    auto *b = new QPushButton(texto, padre);
    b->setObjectName(QLatin1String(nombre));
    b->setAccessibleName(texto);
    b->setAutoDefault(false);
    return b;
}

// A control of type T with its control name, labelled by rotulo: the label is its buddy (its
// shortcut reaches it) and lends it its text, without '&' and ':', as accessible name.
template <class T> T *ControlRotulado(QWidget *padre, const char *nombre, QLabel *rotulo)
{
    auto *c = new T(padre);
    c->setObjectName(QLatin1String(nombre));
    rotulo->setBuddy(c);
    c->setAccessibleName(rotulo->text().remove(u'&').remove(u':'));
    return c;
}
