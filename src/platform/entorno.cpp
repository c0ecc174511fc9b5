#include "entorno.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QCursor>
#include <QLibraryInfo>
#include <QTranslator>
#include <QFileInfo>

#include <ctime>

namespace {
QString carpetaForzada;
int punteroActual = vb::vbDefault;

double dpiX()
{
    QScreen *s = QGuiApplication::primaryScreen();
    return s ? s->logicalDotsPerInchX() : 96.0;
}
double dpiY()
{
    QScreen *s = QGuiApplication::primaryScreen();
    return s ? s->logicalDotsPerInchY() : 96.0;
}
}

QString CarpetaAplicacion()
{
    if (!carpetaForzada.isEmpty())
        return carpetaForzada;
    return QDir::cleanPath(QCoreApplication::applicationDirPath());
}

void EstablecerCarpetaAplicacion(const QString &carpeta)
{
    carpetaForzada = carpeta.isEmpty() ? QString() : QDir::cleanPath(carpeta);
}

void InstalarTraduccionesQt()
{
    static QTranslator qt;
    if (qt.load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
}

void FijarFechasEspanolas()
{
    // LC_ALL would override LC_TIME: its value moves to LANG, where it still rules everything else.
    const QByteArray todo = qgetenv("LC_ALL");
    if (!todo.isEmpty() && !todo.startsWith("es")) {
        qputenv("LANG", todo);
        qunsetenv("LC_ALL");
    }
    if (!qgetenv("LC_ALL").startsWith("es"))
        qputenv("LC_TIME", "es_ES.UTF-8");
}

void FijarZonaHoraria()
{
    if (qEnvironmentVariableIsSet("TZ") || !QFileInfo::exists(QStringLiteral("/etc/localtime")))
        return;
    qputenv("TZ", ":/etc/localtime");
    tzset();
}

void DoEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

int TwipsAPixelesX(int twips) { return qRound(twips * dpiX() / 1440.0); }
int TwipsAPixelesY(int twips) { return qRound(twips * dpiY() / 1440.0); }
int PixelesATwipsX(int pixeles) { return qRound(pixeles * 1440.0 / dpiX()); }
int PixelesATwipsY(int pixeles) { return qRound(pixeles * 1440.0 / dpiY()); }

int AnchoPantallaTwips()
{
    QScreen *s = QGuiApplication::primaryScreen();
    return PixelesATwipsX(s ? s->size().width() : 1280);
}
int AltoPantallaTwips()
{
    QScreen *s = QGuiApplication::primaryScreen();
    return PixelesATwipsY(s ? s->size().height() : 800);
}

void PunteroRaton(int estilo)
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    // Only one override cursor is kept, whatever the number of calls.
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
    if (estilo == vb::vbHourglass)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    punteroActual = estilo;
}

int PunteroRatonActual() { return punteroActual; }

RelojArena::RelojArena() : anterior(punteroActual) { PunteroRaton(vb::vbHourglass); }
RelojArena::~RelojArena() { PunteroRaton(anterior == vb::vbHourglass ? vb::vbCustom : anterior); }
