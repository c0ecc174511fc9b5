#pragma once
// How a locator is called on screen: "description (IMEI)". The description is the user's local
// alias when there is one, else the service's DESCRIPCION; with neither, the IMEI alone. Read once
// when a window opens (one query on each database); the IMEI stays the value every query uses.
#include <QHash>
#include <QString>

class ADOSQLSERVER;

class NombresLocalizadores {
public:
    // The holder's descriptions on the service and the local aliases.
    void Cargar(ADOSQLSERVER &servicio, ADOSQLSERVER &local, const QString &titular);
    // The same, from the shared instances and the holder of this session.
    void Cargar();

    QString Descripcion(const QString &imei) const;
    QString Alias(const QString &imei) const { return alias.value(Clave(imei)); }
    // "description (IMEI)", or the IMEI when the locator has no description.
    QString Mostrar(const QString &imei) const;

    // Stores (or, with an empty text, removes) a locator's alias in the local file and keeps it
    // here; answers false when the file refused it.
    bool GuardarAlias(ADOSQLSERVER &local, const QString &imei, const QString &texto);

    // The local table of aliases.
    static QString SqlCrearTabla();
    static QString SqlAlias();
    static QString SqlServicio(const QString &titular);

private:
    // IMEIs compare as the engines compare them: case and trailing blanks ignored.
    static QString Clave(const QString &imei);
    QHash<QString, QString> servicio, alias;
};
