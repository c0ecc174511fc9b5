#include "module1.h"
#include "esquema.h"
#include "serviciodemo.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VARDENCliente"));
    if (ADOSQLSERVER::ServidorRemotoConfigurado().isEmpty())
        AsegurarServicioDemo(RutaServicioDemo());
    QLabel ventana(QStringLiteral("KvLocalizador"));
    ventana.setWindowTitle(QStringLiteral("KvLocalizador"));
    ventana.show();
    int r = app.exec();
    Module1::LiberarConexiones();
    return r;
}
