#include "frmmenu.h"
#include "module1.h"
#include "proveedor.h"
#include "entorno.h"
#include "serviciodemo.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    FijarZonaHoraria();
    FijarFechasEspanolas();
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VARDENCliente"));
    InstalarTraduccionesQt();
    if (ADOSQLSERVER::ServidorRemotoConfigurado().isEmpty())
        AsegurarServicioDemo(RutaServicioDemo());
    int resultado = 1;
    {
        frmmenu menu;
        if (menu.Cargar()) {
            // Maximized; also sized to the screen for desktops without a window manager to do it.
            if (QScreen *pantalla = QGuiApplication::primaryScreen())
                menu.setGeometry(pantalla->availableGeometry());
            menu.showMaximized();
            resultado = app.exec();
        }
    }
    // Releasing both instances closes their connections.
    Module1::LiberarConexiones();
    return resultado;
}
