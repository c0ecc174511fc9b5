#pragma once
// A temporary application folder for one test: the program's paths point into it while it lives.
#include <QString>
#include <QTemporaryDir>
#include <QStringList>

class CarpetaPrueba {
public:
    CarpetaPrueba();
    ~CarpetaPrueba();

    QString ruta() const { return dir.path(); }
    QString archivo(const QString &relativo) const;

    // A fresh local database file with its tables (DATOS/datoslocalizador.sdf).
    bool crearBaseLocal();
    // The service database (the demo's path) with its tables and no rows.
    bool crearServicioVacio();
    // The full demo service relative to hoy.
    bool crearServicioDemo(const class QDate &hoy);
    // Links the built map pages into the folder (GPS/).
    bool enlazarPaginas();

    // Connects Module1::BaseLocal / ServidorRemoto to the files above.
    bool conectarLocal();
    bool conectarRemoto();

    // Runs statements on the local or service file (for fixtures), outside the program's classes.
    static bool ejecutarEn(const QString &archivo, const QStringList &sentencias);

private:
    QTemporaryDir dir;
};
