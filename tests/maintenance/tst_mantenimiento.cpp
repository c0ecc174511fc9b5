// Maintenance: the purge, the backup, the restore and the folder chooser without a screen, then the windows.
#include "archivos.h"
#include "archivosprueba.h"
#include "prueba.h"
#include "carpetaprueba.h"
#include "dialogosguion.h"
#include "esquema.h"
#include "frmcopiaseg.h"
#include "frmmantenimiento.h"
#include "listacarpetas.h"
#include "minicalendar.h"
#include "module1.h"
#include "operacionesmantenimiento.h"
#include "posiciones.h"
#include "proveedor.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include <cmath>

using Module1::BaseLocal;
using Prueba::escribirArchivo, Prueba::leerArchivo;

namespace {
QDateTime a(int y, int m, int d, int h = 0, int min = 0, int s = 0) { return QDateTime(QDate(y, m, d), QTime(h, min, s)); }

// A database of the program at ruta holding filas, of the holder titular.
bool baseCon(const QString &ruta, const QList<Posicion> &filas, const QString &titular = QStringLiteral("B84512370"))
{
    QString error;
    QStringList s{QStringLiteral("BEGIN"), QStringLiteral("INSERT INTO Titular VALUES('%1')").arg(titular)};
    for (const Posicion &p : filas)
        s << Posiciones::sqlLocal(p);
    s << QStringLiteral("COMMIT");
    return QDir().mkpath(QFileInfo(ruta).absolutePath()) && CrearBaseLocal(ruta, error) && CarpetaPrueba::ejecutarEn(ruta, s);
}

// Leaves beside base the journal (-journal or -wal) of a DELETE made on a copy, as a crash would.
bool dejarDiario(const QString &base, const QString &sufijo)
{
    DestinoConexion d;
    d.ruta = base + ".vieja";
    auto p = CrearProveedor(d);
    QString e;
    const bool wal = sufijo == "-wal";
    const bool ok = QFile::copy(base, d.ruta) && p->Abrir(e) &&
                    p->Ejecutar(wal ? "PRAGMA journal_mode=WAL" : "PRAGMA synchronous=OFF", e) >= 0 &&
                    p->Ejecutar("PRAGMA wal_autocheckpoint=0", e) >= 0 && (wal || p->Transaccion(e)) &&
                    p->Ejecutar("DELETE FROM DATOS", e) == 5 && QFile::copy(d.ruta + sufijo, base + sufijo);
    p->Cerrar();
    return ok;
}

// The contrast ratio of two colours as readers of screens measure it (1 to 21).
double contraste(const QColor &a, const QColor &b)
{
    auto luz = [](const QColor &c) {
        auto canal = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * canal(c.redF()) + 0.7152 * canal(c.greenF()) + 0.0722 * canal(c.blueF());
    };
    const double x = luz(a), y = luz(b);
    return (qMax(x, y) + 0.05) / (qMin(x, y) + 0.05);
}
}

class TstMantenimiento : public QObject {
    Q_OBJECT
    std::unique_ptr<CarpetaPrueba> carpeta;
    std::unique_ptr<DialogosGuion> dialogos;
    std::unique_ptr<frmmantenimiento> ventana;
    int filas() { return BaseLocal().NumRegistros(QStringLiteral("SELECT Count(*) FROM DATOS")); }
    QString temporal() { return carpeta->archivo(QStringLiteral("bakdatoslocalizadortemp.sdf")); }

private Q_SLOTS:
    void init()
    {
        carpeta = std::make_unique<CarpetaPrueba>();
        dialogos = std::make_unique<DialogosGuion>();
        QVERIFY(carpeta->crearBaseLocal());
        // Two rows on 28 February 2010, three from midnight on.
        QVERIFY(Posiciones::guardarLocal(Posiciones::recta(a(2010, 2, 28, 23, 59, 50), 5, 5)));
        QVERIFY(CarpetaPrueba::ejecutarEn(RutaBaseLocal(), {"INSERT INTO Titular VALUES ('B84512370')"}));
        Module1::CodigoTitular = "B84512370";
        QVERIFY(carpeta->conectarLocal());
        ventana = std::make_unique<frmmantenimiento>();
        ventana->show();
    }
    void cleanup()
    {
        ventana.reset();
        carpeta.reset();
        dialogos.reset();
    }

    void purga_data()
    {
        QTest::addColumn<QDate>("fecha");
        QTest::addColumn<bool>("protegida");  // a trigger makes the DELETE fail
        QTest::addColumn<QString>("aviso");   // the whole text, or its start when the DELETE fails
        QTest::addColumn<int>("quedan");
        // The day itself is kept, even its midnight row.
        QTest::newRow("antes del 1 de marzo") << QDate(2010, 3, 1) << false << "Se han borrado 2 Registros" << 3;
        QTest::newRow("nada anterior") << QDate(2010, 2, 28) << false << "No había ningún registro que borrar!" << 5;
        QTest::newRow("borrado que falla") << QDate(2010, 3, 1) << true << "No se pudo borrar ningún registro:\ntabla protegida" << 5;
    }
    void purga()
    {
        QFETCH(QDate, fecha);
        QFETCH(bool, protegida);
        QFETCH(QString, aviso);
        QFETCH(int, quedan);
        QCOMPARE(TextoPurga(QDate(2010, 3, 1)), QStringLiteral("DELETE  Datos  WHERE  FECHA < '03/01/2010'"));
        if (protegida)
            QVERIFY(CarpetaPrueba::ejecutarEn(RutaBaseLocal(), {"CREATE TRIGGER protegida BEFORE DELETE ON DATOS "
                                                                "BEGIN SELECT RAISE(ABORT, 'tabla protegida'); END"}));
        const Aviso r = Purgar(BaseLocal(), fecha);
        QCOMPARE(BaseLocal().TextosEnviados().last(), TextoPurga(fecha));
        QCOMPARE(protegida ? r.texto.left(aviso.size()) : r.texto, aviso);
        QCOMPARE(r.estilo, protegida ? vb::vbCritical : vb::vbInformation);
        QCOMPARE(filas(), quedan);
    }
    void copia_data()
    {
        QTest::addColumn<QString>("destino");  // relative to the test folder, or absolute
        QTest::addColumn<int>("falloSistema");  // a write failure the file layer reports (0: none)
        QTest::addColumn<QString>("motivo");    // in the message, after where it failed
        QTest::newRow("sobre una copia anterior") << "copias" << 0 << "";
        QTest::newRow("carpeta sin escritura") << "/proc" << 0 << "";
        QTest::newRow("carpeta bajo un archivo") << "bakdatoslocalizadortemp.sdf/copias" << 0 << "";
        QTest::newRow("la carpeta de la base en uso") << "DATOS" << 0 << "";
        // Said in Spanish, with where and what to do.
        QTest::newRow("disco lleno") << "copias" << ENOSPC << ": no queda espacio libre en el disco. Libere espacio o elija otra carpeta";
        QTest::newRow("solo lectura") << "copias" << EROFS << ": el disco o la carpeta es de solo lectura. Elija una carpeta";
    }
    void copia()
    {
        QFETCH(QString, destino);
        QFETCH(int, falloSistema);
        QFETCH(QString, motivo);
        SimularFalloEscritura(falloSistema);
        auto sinFallo = qScopeGuard([] { SimularFalloEscritura(0); });
        // Older copies, which the backup replaces whole and a failed one must not pass off as new.
        QVERIFY(escribirArchivo(temporal(), "copia anterior") &&
                escribirArchivo(carpeta->archivo("copias/datoslocalizador.sdf"), "copia anterior"));
        const QByteArray antes = leerArchivo(RutaBaseLocal());
        const Aviso r = CopiarBase(BaseLocal(), QDir(carpeta->ruta()).filePath(destino));
        const bool hecha = destino == "copias" && !falloSistema;
        if (falloSistema)
            QVERIFY2(r.texto.contains("No se pudo escribir el archivo " + carpeta->archivo("copias/datoslocalizador.sdf") + motivo),
                     qPrintable(r.texto));
        const QString prefijo = "No se pudo realizar la copia de seguridad.\n";
        QVERIFY2(hecha ? r.texto == "Copia de seguridad realizada" : r.texto.startsWith(prefijo) && r.texto.size() > prefijo.size(),
                 qPrintable(r.texto));
        QCOMPARE(r.estilo, hecha ? vb::vbExclamation : vb::vbCritical);
        QCOMPARE(filas(), 5);  // reconnected
        QCOMPARE(leerArchivo(RutaBaseLocal()), antes);
        QCOMPARE(leerArchivo(temporal()), hecha ? antes : "copia anterior");
        QCOMPARE(leerArchivo(carpeta->archivo("copias/datoslocalizador.sdf")), hecha ? antes : "copia anterior");
    }
    void recuperar_data()
    {
        QTest::addColumn<QString>("clase");   // what the chosen file is
        QTest::addColumn<QString>("nombre");  // relative to the test folder; empty: nothing chosen
        QTest::addColumn<bool>("conTemporal");
        QTest::addColumn<QString>("diario");  // a stale journal left beside the local database
        QTest::addColumn<QString>("aviso");   // the start of the message
        QTest::addColumn<int>("estilo");
        QTest::addColumn<bool>("restaurada");
        const QString rechazada = "No se ha recuperado la copia: la base de datos actual no se ha tocado.\n";
        const QString restaurada = "Se restauró la Copia de Seguridad";
        // The name test ignores letter case and where the text stands in the path.
        QTest::newRow("copia del programa") << "buena" << "otra/Copia_DatosLocalizador.SDF" << true << "-journal" << restaurada << vb::vbExclamation << true;
        QTest::newRow("sin copia temporal") << "buena" << "DATOSLOCALIZADOR.SDF.viejas/copia.sdf" << false << "-wal" << restaurada << vb::vbExclamation << true;
        QTest::newRow("otro nombre") << "buena" << "otra/datos.sdf" << true << "" << "" << 0 << false;
        QTest::newRow("nada elegido") << "ninguna" << "" << true << "" << "" << 0 << false;
        QTest::newRow("archivo de texto") << "texto" << "otra/datoslocalizador.sdf" << true << "" << rechazada << vb::vbExclamation << false;
        QTest::newRow("base sin las tablas") << "ajena" << "otra/datoslocalizador.sdf" << true << "" << rechazada << vb::vbExclamation << false;
        QTest::newRow("base dañada") << "dañada" << "otra/datoslocalizador.sdf" << true << "" << rechazada << vb::vbExclamation << false;
        QTest::newRow("no existe") << "ninguna" << "otra/datoslocalizador.sdf" << true << "" << rechazada << vb::vbExclamation << false;
        QTest::newRow("la base en uso") << "ninguna" << "DATOS/../DATOS/datoslocalizador.sdf" << true << ""
                                        << "Ese archivo es la base de datos en uso: no hay nada que recuperar." << vb::vbInformation << false;
        QTest::newRow("sin sitio para copiar") << "ocupada" << "otra/datoslocalizador.sdf" << true << ""
                                               << "No se pudo restaurar la copia de seguridad: No se pudo escribir el archivo " << vb::vbCritical << false;
        QTest::newRow("disco lleno") << "llena" << "otra/datoslocalizador.sdf" << true << ""
                                     << "No se pudo restaurar la copia de seguridad: No se pudo escribir el archivo " << vb::vbCritical << false;
        // The tables' names are not enough: the columns the program uses, a holder and readable dates.
        QTest::newRow("tablas sin sus columnas") << "columnas" << "otra/datoslocalizador.sdf" << true << ""
            << rechazada + "El archivo no es una copia de seguridad válida de este programa.\nA la tabla DATOS le faltan las columnas "
                           "IMEI, FECHA, LATITUD, LONGITUD, VELOCIDAD, INFORMACION, ZONA." << vb::vbExclamation << false;
        QTest::newRow("titular que no es CIF") << "titularmalo" << "otra/datoslocalizador.sdf" << true << "" << rechazada << vb::vbExclamation << false;
        QTest::newRow("fechas ilegibles") << "fechas" << "otra/datoslocalizador.sdf" << true << "" << rechazada << vb::vbExclamation << false;
        // Another holder's copy: asked, and only Yes restores it.
        QTest::newRow("otro titular, No") << "otroNo" << "otra/datoslocalizador.sdf" << true << "" << "" << 0 << false;
        QTest::newRow("otro titular, Sí") << "otroSi" << "otra/datoslocalizador.sdf" << true << "" << restaurada << vb::vbExclamation << true;
        // A file made before the schema named no collation: converted on the copy, the chosen file untouched.
        QTest::newRow("esquema antiguo") << "antigua" << "otra/datoslocalizador.sdf" << true << "" << restaurada << vb::vbExclamation << true;
    }
    void recuperar()
    {
        const QString restaurada_ = "Se restauró la Copia de Seguridad";
        QFETCH(QString, clase);
        QFETCH(QString, nombre);
        QFETCH(bool, conTemporal);
        QFETCH(QString, diario);
        QFETCH(QString, aviso);
        QFETCH(int, estilo);
        QFETCH(bool, restaurada);
        const QString ruta = nombre.isEmpty() ? QString() : carpeta->archivo(nombre);
        Module1::CodigoTitular = "B84512370";
        const QList<Posicion> una = Posiciones::recta(a(2015, 6, 1, 12), 1);
        if (clase == "buena" || clase == "ocupada" || clase == "llena") {
            QVERIFY(baseCon(ruta, una));
        } else if (clase.startsWith("otro")) {
            QVERIFY(baseCon(ruta, una, "A28999111"));
            dialogos->respuestasMsgBox << (clase == "otroSi" ? vb::vbYes : vb::vbNo);
        } else if (clase == "titularmalo") {
            QVERIFY(baseCon(ruta, una, "ZZZ"));
        } else if (clase == "texto") {
            QVERIFY(escribirArchivo(ruta, "IMEI;FECHA\n1;2010-01-01\n"));
        } else if (clase == "dañada") {
            QVERIFY(baseCon(ruta, Posiciones::recta(a(2011, 1, 1), 3000, 1)));
            QByteArray bytes = leerArchivo(ruta);
            QVERIFY(bytes.size() > 40 * 4096 && escribirArchivo(ruta, bytes.replace(20 * 4096, 4096, QByteArray(4096, '\xA5'))));
        }
        const QString titular = "INSERT INTO Titular VALUES ('B84512370')";
        const QHash<QString, QStringList> esquemas{
            {"fechas", {"CREATE TABLE DATOS (IMEI, FECHA, LATITUD, LONGITUD, VELOCIDAD, INFORMACION, ZONA)",
                        "CREATE TABLE LOCALIZADORES (NOMBRE, Icono)", "CREATE TABLE Titular (TITULAR)", titular,
                        "INSERT INTO DATOS VALUES ('1', '28/03/2010 10:00', '40', '-3', '0', '', '')"}},
            {"columnas", {"CREATE TABLE DATOS (a, b)", "CREATE TABLE LOCALIZADORES (x)", "CREATE TABLE Titular (TITULAR)", titular}},
            {"antigua", {"CREATE TABLE DATOS (IMEI TEXT COLLATE TSQL NOT NULL, FECHA TEXT NOT NULL, LATITUD TEXT, LONGITUD TEXT, "
                         "VELOCIDAD TEXT, INFORMACION TEXT, ZONA TEXT COLLATE TSQL)",
                         "CREATE UNIQUE INDEX IX_DATOS_IMEI_FECHA ON DATOS (IMEI, FECHA)",
                         "CREATE TABLE LOCALIZADORES (NOMBRE TEXT COLLATE TSQL NOT NULL UNIQUE, Icono TEXT)",
                         "CREATE TABLE Titular (TITULAR TEXT COLLATE TSQL NOT NULL)", titular, Posiciones::sqlLocal(una[0])}},
            {"ajena", {"CREATE TABLE DATOS (X TEXT)", "CREATE TABLE Otra (Y TEXT)"}}};
        if (esquemas.contains(clase))
            QVERIFY(QDir().mkpath(carpeta->archivo("otra")) && CarpetaPrueba::ejecutarEn(ruta, esquemas[clase]));
        if (clase == "ocupada")  // where the new content is written before it replaces the database
            QVERIFY(QDir().mkpath(RutaBaseLocal() + ".restaurando~/ocupado"));
        if (clase == "llena")
            SimularFalloEscritura(ENOSPC);
        auto sinFallo = qScopeGuard([] { SimularFalloEscritura(0); });
        if (conTemporal)
            QVERIFY(escribirArchivo(temporal(), "copia anterior"));
        if (!diario.isEmpty())
            QVERIFY(dejarDiario(RutaBaseLocal(), diario));
        const QByteArray antes = leerArchivo(RutaBaseLocal()), elegida = leerArchivo(ruta);

        const QStringList antesEnDatos = QDir(carpeta->archivo("DATOS")).entryList(QDir::Files);
        const Aviso r = Recuperar(BaseLocal(), ruta);
        QVERIFY2(r.texto.left(aviso.size()) == aviso && r.texto.isEmpty() == aviso.isEmpty(), qPrintable(r.texto));
        QCOMPARE(r.estilo, estilo);
        QVERIFY(BaseLocal().Conectado());
        QCOMPARE(leerArchivo(ruta), elegida);  // the chosen file is only read
        // Another holder's copy is asked about, with the holder named; nothing else is asked.
        const MensajeMostrado m = dialogos->mensajes.value(0);
        QCOMPARE(dialogos->mensajes.size(), clase.startsWith("otro") ? 1 : 0);
        QVERIFY(!clase.startsWith("otro") || (m.titulo == "Atención" && m.estilo == vb::vbYesNo + vb::vbExclamation && m.texto.contains("A28999111")));
        if (restaurada) {
            QCOMPARE(filas(), 1);
            QVERIFY(!QFile::exists(temporal()) && !QFile::exists(RutaBaseLocal() + "-journal") &&
                    !QFile::exists(RutaBaseLocal() + "-wal"));
            // The replaced database is kept beside it, where the message says, and can be restored back.
            const QString anterior = r.texto.section(" se ha guardado en ", 1).section(';', 0, 0);
            QVERIFY2(QFileInfo(anterior).absolutePath() == carpeta->archivo("DATOS"), qPrintable(r.texto));
            QCOMPARE(leerArchivo(anterior), antes);
            Module1::CodigoTitular = "B84512370";
            QVERIFY(Recuperar(BaseLocal(), anterior).texto.startsWith(restaurada_));
            QCOMPARE(filas(), 5);
        } else {
            QCOMPARE(leerArchivo(RutaBaseLocal()), antes);
            QCOMPARE(leerArchivo(temporal()), QByteArray("copia anterior"));
            QCOMPARE(QDir(carpeta->archivo("DATOS")).entryList(QDir::Files), antesEnDatos);  // nothing left behind
        }
    }
    void nuevaCarpeta_data()
    {
        QTest::addColumn<QString>("padre");  // empty: a test folder holding "existente"
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<bool>("creada");
        QTest::addColumn<QString>("aviso");
        QTest::newRow("nueva") << "" << "LISTADOS Y ESTADISTICAS" << true << "";
        QTest::newRow("en blanco") << "" << "   " << false << "";
        QTest::newRow("ruta no encontrada") << "/no-existe-vardén/sub" << "LISTADOS Y ESTADISTICAS" << false << "";
        QTest::newRow("imposible") << "/etc/passwd" << "LISTADOS Y ESTADISTICAS" << false << "Error inesperado.!No se pudo crear la carpeta!";
    }
    void nuevaCarpeta()
    {
        QFETCH(QString, padre);
        QFETCH(QString, nombre);
        QFETCH(bool, creada);
        QFETCH(QString, aviso);
        const QString aqui = carpeta->archivo("aqui");
        QVERIFY(QDir().mkpath(aqui + "/existente"));
        Aviso r{"sin tocar", -1};
        QCOMPARE(NuevaCarpeta(padre.isEmpty() ? aqui : padre, nombre, r), creada);
        QCOMPARE(r.texto, aviso);
        QCOMPARE(r.estilo, aviso.isEmpty() ? 0 : vb::vbInformation);
        QCOMPARE(QFileInfo(QDir(padre.isEmpty() ? aqui : padre).filePath(nombre)).isDir(), creada);
    }
    void unidadInicial()
    {
        // The deepest drive that holds the folder; a name that only starts alike does not hold it.
        QCOMPARE(UnidadInicial({"/", "/home/u", "/media/usb"}, "/home/u/x"), 1);
        QCOMPARE(UnidadInicial({"/", "/home/u"}, "/home/uv"), 0);
        QCOMPARE(UnidadInicial({"/media/a", "/media/b"}, "/home"), 0);
    }

    // The windows.
    void accesibilidad()
    {
        frmcopiaseg selector;
        selector.Restaura = true;  // restore mode: red labels and panel
        selector.show();
        QCOMPARE(selector.SSPanel1->palette().color(QPalette::Window), QColor(255, 0, 0));
        const QList<QWidget *> operables = ventana->findChildren<QWidget *>(QRegularExpression("^(txtfecha|Command\\d)$")) +
                                           selector.findChildren<QWidget *>(QRegularExpression("^(Drive1|Dir1|SSCommand\\d)$"));
        QCOMPARE(operables.size(), 13);
        for (const QWidget *w : operables)
            QVERIFY2(!w->accessibleName().isEmpty() && (w->focusPolicy() & Qt::TabFocus), qPrintable(w->objectName()));
        // The message reads on the red panel too (the label's text drawn on what shows behind it).
        selector.Label3->setText("Escoja una carpeta para guardar los datos");
        const QImage dibujo = selector.grab(selector.Label3->geometry().translated(selector.Label3->parentWidget()->mapTo(&selector, QPoint()))).toImage();
        const QColor fondo = dibujo.pixelColor(1, 1);
        double mejor = 1;  // the strongest ink of the text against its ground
        for (int y = 0; y < dibujo.height(); ++y)
            for (int x = 0; x < dibujo.width(); ++x)
                mejor = qMax(mejor, contraste(dibujo.pixelColor(x, y), fondo));
        QVERIFY2(mejor >= 4.5, qPrintable(fondo.name() + " " + QString::number(mejor)));
        // The chooser opens centred on the screen, offering the root drive.
        const QPoint desvio = selector.frameGeometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center();
        QVERIFY(qAbs(desvio.x()) <= 20 && qAbs(desvio.y()) <= 40 && selector.Drive1->findText("/") >= 0);
        ventana->Command1->click();
        QVERIFY(!ventana->isVisible());
    }

    void calendario_data()
    {
        QTest::addColumn<QString>("escrita");
        QTest::addColumn<QDate>("mostrada");  // the picker's date on entering the box
        QTest::newRow("fecha válida") << "15/02/2010" << QDate(2010, 2, 15);
        QTest::newRow("fecha imposible") << "31/02/2010" << QDate::currentDate();
    }
    void calendario()
    {
        QFETCH(QString, escrita);
        QFETCH(QDate, mostrada);
        MiniCalendar *c = ventana->MiniCalendar1;
        QVERIFY(c->isHidden());
        ventana->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(ventana.get()));
        ventana->txtfecha->setText(escrita);
        ventana->txtfecha->setFocus(Qt::TabFocusReason);
        QVERIFY(c->isVisible() && c->geometry().top() >= ventana->txtfecha->geometry().bottom());
        QCOMPARE(c->FechaActual(), mostrada);
        // Picking the 20th fills the box, hides the picker and moves on to the purge, not back into the box.
        int celda = 0;
        while (!c->Label1(celda).enMes || c->Label1(celda).fecha.day() != 20)
            ++celda;
        QTest::mouseClick(c, Qt::LeftButton, {}, c->RectanguloCelda(celda).center());
        QCOMPARE(ventana->txtfecha->text(), c->Label1(celda).fecha.toString("dd/MM/yyyy"));
        QVERIFY(c->isHidden());
        QCOMPARE(QApplication::focusWidget(), ventana->Command2);
        // Escape closes the picker and leaves the window and the focus in the box.
        ventana->txtfecha->setFocus(Qt::TabFocusReason);
        QVERIFY(c->isVisible());
        QTest::keyClick(ventana->txtfecha, Qt::Key_Escape);
        QVERIFY(c->isHidden() && ventana->isVisible());
        QCOMPARE(QApplication::focusWidget(), ventana->txtfecha);
    }

    void ventanaPurga_data()
    {
        QTest::addColumn<QString>("fecha");
        QTest::addColumn<int>("respuesta");
        QTest::addColumn<QStringList>("mensajes");
        const QStringList invalida{"Especifique una fecha correcta"};
        QTest::newRow("30 de febrero") << "30/02/2010" << int(vb::vbYes) << invalida;
        QTest::newRow("respuesta No") << "01/03/2010" << int(vb::vbNo) << QStringList{"Seguro que quiere borrar?"};
        QTest::newRow("respuesta Sí") << "01/03/2010" << int(vb::vbYes)
                                      << QStringList{"Seguro que quiere borrar?", "Se han borrado 2 Registros"};
    }
    void ventanaPurga()
    {
        QFETCH(QString, fecha);
        QFETCH(int, respuesta);
        QFETCH(QStringList, mensajes);
        ventana->txtfecha->setText(fecha);
        dialogos->respuestasMsgBox << respuesta;
        ventana->Command2->click();
        QCOMPARE(dialogos->textos(), mensajes);
        const bool invalida = mensajes[0].startsWith("Especifique");
        QCOMPARE(dialogos->mensajes[0].estilo, invalida ? vb::vbExclamation : vb::vbYesNo | vb::vbQuestion);
        QCOMPARE(ventana->focusWidget() == ventana->txtfecha, invalida);
        QCOMPARE(filas(), mensajes.size() == 2 ? 3 : 5);
    }

    void compactarYVerificar()
    {
        ventana->Command3->click();
        ventana->Command6->click();
        QCOMPARE(dialogos->textos(), (QStringList{"Base de Datos Compactada correctamente.", "Base de Datos verificada correctamente."}));
        QCOMPARE(filas(), 5);  // reconnected afterwards
    }

    void ventanaCopia_data()
    {
        QTest::addColumn<QString>("como");  // how the folder chooser is left
        QTest::newRow("aceptar") << "aceptar";
        QTest::newRow("Cancelar") << "Cancelar";
        QTest::newRow("cuadro de cierre") << "cierre";
        QTest::newRow("Escape") << "Escape";
    }
    void ventanaCopia()
    {
        QFETCH(QString, como);
        const QString destino = carpeta->archivo("copias");
        QVERIFY(QDir().mkpath(destino));
        bool visto = false;
        // Runs once the chooser's modal display has started.
        QTimer::singleShot(0, ventana.get(), [&] {
            auto *c = qobject_cast<frmcopiaseg *>(QApplication::activeModalWidget());
            QVERIFY(c && !c->Restaura && c->Cancel);
            visto = true;
            QCOMPARE(c->Label3->text(), QStringLiteral("Escoja una carpeta para guardar los datos"));
            QCOMPARE(c->Dir1->Path(), QDir::cleanPath(QDir::currentPath()));  // untouched: the current folder
            c->Dir1->setPath(destino);
            if (como == "aceptar")
                c->SSCommand1->click();
            else if (como == "Cancelar")
                c->SSCommand2->click();
            else if (como == "cierre")
                c->close();
            else
                QTest::keyClick(c, Qt::Key_Escape);
        });
        ventana->Command4->click();
        QVERIFY(visto);
        const bool hecha = como == "aceptar";
        QCOMPARE(dialogos->textos(), hecha ? QStringList{"Copia de seguridad realizada"} : QStringList{});
        QCOMPARE(QFile::exists(destino + "/datoslocalizador.sdf"), hecha);
        QCOMPARE(QFile::exists(carpeta->archivo("bakdatoslocalizadortemp.sdf")), hecha);
    }

    // The chooser and the icon window are modal from their first event: "Salir" underneath does nothing.
    void modales_data()
    {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<QString>("abierta");
        QTest::newRow("copia") << "Command4" << "frmcopiaseg";
        QTest::newRow("iconos") << "Command7" << "frmiconoslocalizadores";
    }
    void modales()
    {
        QFETCH(QString, boton);
        QFETCH(QString, abierta);
        QVERIFY(QTest::qWaitForWindowExposed(ventana.get()));
        QCOMPARE(Prueba::abiertaModal(Prueba::hijo<QPushButton>(*ventana, boton), ventana->Command1), abierta);
        QVERIFY(ventana->isVisible());
        QVERIFY(dialogos->mensajes.isEmpty());
    }

    void ventanaRecuperar()
    {
        QVERIFY(CopiarBase(BaseLocal(), carpeta->ruta()).texto.startsWith("Copia"));
        dialogos->respuestasArchivo << carpeta->archivo("datoslocalizador.sdf");
        ventana->Command5->click();
        QCOMPARE(dialogos->textos().size(), 1);
        QVERIFY(dialogos->textos()[0].startsWith("Se restauró la Copia de Seguridad\nLa base de datos que había se ha guardado en "));
    }

    void ventanaNuevaCarpeta()
    {
        frmcopiaseg c;
        c.show();
        c.Dir1->setPath(carpeta->ruta());
        dialogos->respuestasInputBox << "Mis copias" << "Mis copias";
        c.SSCommand3->click();
        QCOMPARE(dialogos->preguntas, QStringList{"Nueva Carpeta:"});
        // The new folder goes below the one shown, which stays chosen.
        QVERIFY(QFileInfo(carpeta->archivo("Mis copias")).isDir() && dialogos->mensajes.isEmpty());
        QCOMPARE(c.Dir1->Path(), QDir::cleanPath(carpeta->ruta()));
        c.SSCommand3->click();
        QCOMPARE(dialogos->textos(), QStringList{"Ya existe esa carpeta!"});
    }

    void unidadIlegible_data()
    {
        QTest::addColumn<QList<int>>("respuestas");
        QTest::addColumn<bool>("aparece");  // the media is back when the drive is chosen
        QTest::newRow("Reintentar y Cancelar") << QList<int>{vb::vbRetry, vb::vbCancel} << false;
        QTest::newRow("vuelta a poner") << QList<int>{} << true;
    }
    void unidadIlegible()
    {
        QFETCH(QList<int>, respuestas);
        QFETCH(bool, aparece);
        // A removable drive that was listed and then taken out.
        const QString unidad = QDir::cleanPath(carpeta->ruta()), sacada = unidad + "/memoria";
        frmcopiaseg c;
        c.LlenarUnidades({unidad, sacada});
        c.show();
        dialogos->respuestasMsgBox.append(respuestas);
        dialogos->respuestasMsgBox << vb::vbCancel;  // a drive that stays unreadable ends the retries
        QVERIFY(!aparece || QDir().mkpath(sacada));
        c.Drive1->setCurrentIndex(1);
        c.Drive1_Change(1);
        QCOMPARE(dialogos->textos(), QStringList(respuestas.size(), " !No encuentro disquete! "));
        QVERIFY(aparece || (dialogos->mensajes[0].estilo == (vb::vbRetryCancel | vb::vbExclamation) && dialogos->mensajes[0].titulo.isEmpty()));
        QCOMPARE(c.Dir1->Path(), aparece ? sacada : unidad);
        QCOMPARE(c.Drive1->currentIndex(), aparece ? 1 : 0);
    }
};

VARDEN_TEST_WEB_MAIN(TstMantenimiento)
#include "tst_mantenimiento.moc"
