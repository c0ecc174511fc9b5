#pragma once
// Where the holder's display name and access password come from: the service's table TITULARES.
// Kept in one place so that another source can take its place.
#include <QString>

class ADOSQLSERVER;

struct DatosTitular {
    enum Estado { Encontrado, Desconocido, Fallo } estado = Fallo;
    QString codigo;  // as the service writes it
    QString nombre;
    QString clave;   // a missing password is the empty text
    QString error;   // with Fallo: the provider's reason
};

DatosTitular LeerTitularServicio(ADOSQLSERVER &remoto, const QString &codigo);

// A holder code in the form of a CIF, NIF or NIE: letters and digits only, so it can stand in the
// remote filters (they use LIKE, where "%" would open every holder's data).
bool CodigoTitularAdmisible(const QString &codigo);
