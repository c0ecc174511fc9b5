// The maintenance window through its controls, with scripted dialogs answering.
#include "fixturamantenimiento.h"

#include "dialogosguion.h"
#include "frmcopiaseg.h"
#include "frmmantenimiento.h"
#include "listacarpetas.h"
#include "minicalendar.h"
#include "module1.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

using Module1::BaseLocal;
using namespace fixtura;

namespace {
// Runs que on the folder chooser once its modal display has started.
void alAbrirseElSelector(std::function<void(frmcopiaseg *)> que, bool *visto)
{
    auto *t = new QTimer;
    t->setInterval(5);
    QObject::connect(t, &QTimer::timeout, t, [t, que, visto] {
        if (auto *c = qobject_cast<frmcopiaseg *>(QApplication::activeModalWidget())) {
            t->stop();
            t->deleteLater();
            *visto = true;
            que(c);
        }
    });
    t->start();
}
}

class TstFrmMantenimiento : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void controlesYTextos();
    void calendarioAlEntrarEnLaFecha_data();
    void calendarioAlEntrarEnLaFecha();
    void purgaBorraLoAnteriorAlDia();
    void purgaSinFilasAnteriores();
    void purgaQueNoBorraNada_data();
    void purgaQueNoBorraNada();
    void purgaFallidaNoSeDisfraza();
    void compactarYVerificarReconectan();
    void copiaSeguridadDosVeces();
    void copiaSeguridadSinPermiso();
    void copiaSeguridadCancelada_data();
    void copiaSeguridadCancelada();
    void recuperarCopia_data();
    void recuperarCopia();
    void recuperarCopiaDanadaRechazada();

private:
    std::unique_ptr<CarpetaPrueba> carpeta;
    std::unique_ptr<DialogosGuion> dialogos;
    std::unique_ptr<frmmantenimiento> ventana;
    QPushButton *boton(const char *n) { return ventana->findChild<QPushButton *>(QLatin1String(n)); }
    QLineEdit *txtfecha() { return ventana->findChild<QLineEdit *>(QStringLiteral("txtfecha")); }
    int filas() { return BaseLocal().NumRegistros(QStringLiteral("SELECT Count(*) FROM DATOS")); }
    void copiarA(const QString &carpetaDestino);
};

void TstFrmMantenimiento::init()
{
    carpeta = std::make_unique<CarpetaPrueba>();
    dialogos = std::make_unique<DialogosGuion>();
    QVERIFY(carpeta->crearBaseLocal());
    QVERIFY(CarpetaPrueba::ejecutarEn(RutaBaseLocal(), {
        fila("A", "2010-02-27 10:00:00"), fila("B", "2010-02-28 23:59:59"),
        fila("A", "2010-03-01 00:00:00"), fila("A", "2010-03-01 18:30:00"), fila("B", "2010-03-02 08:00:00")}));
    QVERIFY(carpeta->conectarLocal());
    ventana = std::make_unique<frmmantenimiento>();
    ventana->show();
}

void TstFrmMantenimiento::cleanup()
{
    ventana.reset();
    carpeta.reset();
    dialogos.reset();
}

void TstFrmMantenimiento::controlesYTextos()
{
    const QList<QPair<const char *, QString>> botones{
        {"Command1", "Salir"}, {"Command2", "Borrar"}, {"Command3", "Compactar"}, {"Command6", "Verificar"},
        {"Command4", "Realizar Copia de Segurirad"}, {"Command5", "Recuperar Copia de Segurirad"},
        {"Command7", "Asociar iconos a Localizadores"}};
    for (const auto &[nombre, texto] : botones) {
        QPushButton *b = boton(nombre);
        QVERIFY2(b, nombre);
        QCOMPARE(b->text(), texto);
        QCOMPARE(b->accessibleName(), texto);
    }
    const QList<QPair<const char *, QString>> etiquetas{
        {"Label1", "Fecha desde la que se borrará posiciones hacia atrás"}, {"Label2", " Borrar Datos"},
        {"Label3", "Compactar Base Datos"}, {"Label5", "Verficar Base Datos"}, {"Label4", "Copia Seguridad"}, {"Label6", "Otros"}};
    for (const auto &[nombre, texto] : etiquetas) {
        auto *l = ventana->findChild<QLabel *>(QLatin1String(nombre));
        QVERIFY2(l, nombre);
        QCOMPARE(l->text(), texto);
        QCOMPARE(l->textFormat(), Qt::PlainText);
    }
    QVERIFY(txtfecha());
    QCOMPARE(txtfecha()->accessibleName(), QStringLiteral("Fecha desde la que se borrará posiciones hacia atrás"));
    boton("Command1")->click();
    QVERIFY(!ventana->isVisible());
}

void TstFrmMantenimiento::calendarioAlEntrarEnLaFecha_data()
{
    QTest::addColumn<QString>("escrita");
    QTest::addColumn<QDate>("mostrada");  // the picker's date on entering the box
    QTest::newRow("fecha válida") << "15/02/2010" << QDate(2010, 2, 15);
    QTest::newRow("sin fecha") << "" << QDate::currentDate();
    QTest::newRow("fecha imposible") << "31/02/2010" << QDate::currentDate();
}

void TstFrmMantenimiento::calendarioAlEntrarEnLaFecha()
{
    QFETCH(QString, escrita);
    QFETCH(QDate, mostrada);
    auto *calendario = ventana->findChild<MiniCalendar *>(QStringLiteral("MiniCalendar1"));
    QVERIFY(calendario);
    QVERIFY(calendario->isHidden());
    ventana->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(ventana.get()));
    txtfecha()->setText(escrita);
    txtfecha()->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(calendario->isVisible());
    QCOMPARE(calendario->FechaActual(), mostrada);
    // Below the date box, over the rest of the window.
    QVERIFY(calendario->geometry().top() >= txtfecha()->mapTo(ventana.get(), QPoint(0, txtfecha()->height())).y());

    // Picking the 20th of the month shown fills the box and hides the picker.
    int celda = -1;
    for (int i = 0; i < 42; ++i)
        if (calendario->Label1(i).enMes && calendario->Label1(i).fecha.day() == 20)
            celda = i;
    QVERIFY(celda >= 0);
    const QDate elegida = calendario->Label1(celda).fecha;
    QTest::mouseClick(calendario, Qt::LeftButton, {}, calendario->RectanguloCelda(celda).center());
    QCOMPARE(txtfecha()->text(), elegida.toString("dd/MM/yyyy"));
    QVERIFY(calendario->isHidden());
    // The focus goes on to the purge, not back into the box (which would open the picker again).
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(boton("Command2")));
    QVERIFY(calendario->isHidden());
}

void TstFrmMantenimiento::purgaBorraLoAnteriorAlDia()
{
    txtfecha()->setText("01/03/2010");
    dialogos->respuestasMsgBox << vb::vbYes;
    boton("Command2")->click();
    QCOMPARE(dialogos->mensajes.size(), 2);
    QCOMPARE(dialogos->mensajes[0].texto, QStringLiteral("Seguro que quiere borrar?"));
    QCOMPARE(dialogos->mensajes[0].estilo, vb::vbYesNo | vb::vbQuestion);
    QCOMPARE(dialogos->mensajes[0].titulo, QString());
    QCOMPARE(dialogos->mensajes[1].texto, QStringLiteral("Se han borrado 2 Registros"));
    QCOMPARE(dialogos->mensajes[1].estilo, vb::vbInformation);
    QVERIFY(BaseLocal().TextosEnviados().contains("DELETE  Datos  WHERE  FECHA < '03/01/2010'"));
    // The chosen day itself is kept whole.
    QCOMPARE(filas(), 3);
    QCOMPARE(BaseLocal().NumRegistros("SELECT Count(*) FROM DATOS WHERE FECHA < '03/01/2010'"), 0);
}

void TstFrmMantenimiento::purgaSinFilasAnteriores()
{
    txtfecha()->setText("27/02/2010");
    dialogos->respuestasMsgBox << vb::vbYes;
    boton("Command2")->click();
    QCOMPARE(dialogos->textos(), (QStringList{"Seguro que quiere borrar?", "No había ningún registro que borrar!"}));
    QCOMPARE(dialogos->mensajes[1].estilo, vb::vbInformation);
    QCOMPARE(filas(), 5);
}

void TstFrmMantenimiento::purgaQueNoBorraNada_data()
{
    QTest::addColumn<QString>("fecha");
    QTest::addColumn<int>("respuesta");
    QTest::addColumn<QStringList>("mensajes");
    const QStringList invalida{"Especifique una fecha correcta"};
    QTest::newRow("vacía") << "" << int(vb::vbYes) << invalida;
    QTest::newRow("30 de febrero") << "30/02/2010" << int(vb::vbYes) << invalida;
    QTest::newRow("texto") << "ayer" << int(vb::vbYes) << invalida;
    QTest::newRow("respuesta No") << "01/01/2020" << int(vb::vbNo) << QStringList{"Seguro que quiere borrar?"};
}

void TstFrmMantenimiento::purgaQueNoBorraNada()
{
    QFETCH(QString, fecha);
    QFETCH(int, respuesta);
    QFETCH(QStringList, mensajes);
    txtfecha()->setText(fecha);
    dialogos->respuestasMsgBox << respuesta;
    const int enviadosAntes = BaseLocal().TextosEnviados().size();
    boton("Command2")->click();
    QCOMPARE(dialogos->textos(), mensajes);
    if (mensajes.first().startsWith("Especifique"))
        QCOMPARE(dialogos->mensajes.first().estilo, vb::vbExclamation);
    QCOMPARE(BaseLocal().TextosEnviados().size(), enviadosAntes);
    QCOMPARE(filas(), 5);
}

void TstFrmMantenimiento::purgaFallidaNoSeDisfraza()
{
    QVERIFY(CarpetaPrueba::ejecutarEn(RutaBaseLocal(), {
        "CREATE TRIGGER protegida BEFORE DELETE ON DATOS BEGIN SELECT RAISE(ABORT, 'tabla protegida'); END"}));
    txtfecha()->setText("01/03/2010");
    dialogos->respuestasMsgBox << vb::vbYes;
    boton("Command2")->click();
    QCOMPARE(dialogos->mensajes.size(), 2);
    QVERIFY(!dialogos->textos().contains("No había ningún registro que borrar!"));
    QVERIFY(dialogos->mensajes[1].texto.contains("tabla protegida"));
    QCOMPARE(dialogos->mensajes[1].estilo, vb::vbCritical);
    QCOMPARE(filas(), 5);
}

void TstFrmMantenimiento::compactarYVerificarReconectan()
{
    boton("Command3")->click();
    QCOMPARE(dialogos->textos(), QStringList{"Base de Datos Compactada correctamente."});
    QVERIFY(BaseLocal().Conectado());
    QCOMPARE(filas(), 5);
    boton("Command6")->click();
    QCOMPARE(dialogos->textos().last(), QStringLiteral("Base de Datos verificada correctamente."));
    QVERIFY(BaseLocal().Conectado());
    QCOMPARE(filas(), 5);
}

void TstFrmMantenimiento::copiarA(const QString &carpetaDestino)
{
    bool visto = false;
    alAbrirseElSelector([carpetaDestino](frmcopiaseg *c) {
        QCOMPARE(c->Label3->text(), QStringLiteral("Escoja una carpeta para guardar los datos"));
        QVERIFY(!c->Restaura);
        c->Dir1->setPath(carpetaDestino);
        c->SSCommand1->click();
    }, &visto);
    boton("Command4")->click();
    QVERIFY(visto);
}

void TstFrmMantenimiento::copiaSeguridadDosVeces()
{
    const QString destino = carpeta->archivo("Mis copias");
    QVERIFY(QDir().mkpath(destino));
    copiarA(destino);
    QCOMPARE(dialogos->textos(), QStringList{"Copia de seguridad realizada"});
    QCOMPARE(dialogos->mensajes[0].estilo, vb::vbExclamation);
    QCOMPARE(contenido(QDir(destino).filePath("datoslocalizador.sdf")), contenido(RutaBaseLocal()));
    QCOMPARE(contenido(carpeta->archivo("bakdatoslocalizadortemp.sdf")), contenido(RutaBaseLocal()));
    QVERIFY(BaseLocal().Conectado());

    QCOMPARE(BaseLocal().Execute(fila("C", "2012-05-05 05:05:05")), 1);
    copiarA(destino);
    QCOMPARE(dialogos->textos().size(), 2);
    QCOMPARE(contenido(QDir(destino).filePath("datoslocalizador.sdf")), contenido(RutaBaseLocal()));
    QCOMPARE(filas(), 6);
}

void TstFrmMantenimiento::copiaSeguridadSinPermiso()
{
    const QByteArray antes = contenido(RutaBaseLocal());
    copiarA(QStringLiteral("/proc"));
    QCOMPARE(dialogos->mensajes.size(), 1);
    QVERIFY(dialogos->mensajes[0].texto.startsWith("No se pudo realizar la copia de seguridad."));
    QCOMPARE(dialogos->mensajes[0].estilo, vb::vbCritical);
    QVERIFY(BaseLocal().Conectado());
    QCOMPARE(filas(), 5);
    QCOMPARE(contenido(RutaBaseLocal()), antes);
    QVERIFY(!QFile::exists(carpeta->archivo("bakdatoslocalizadortemp.sdf")));
}

void TstFrmMantenimiento::copiaSeguridadCancelada_data()
{
    QTest::addColumn<QString>("como");
    QTest::newRow("Cancelar") << "Cancelar";
    QTest::newRow("cuadro de cierre") << "cierre";
    QTest::newRow("Escape") << "Escape";
}

void TstFrmMantenimiento::copiaSeguridadCancelada()
{
    QFETCH(QString, como);
    const QString destino = carpeta->archivo("copias");
    QVERIFY(QDir().mkpath(destino));
    bool visto = false;
    alAbrirseElSelector([destino, como](frmcopiaseg *c) {
        c->Dir1->setPath(destino);
        if (como == "Cancelar")
            c->SSCommand2->click();
        else if (como == "cierre")
            c->close();
        else
            QTest::keyClick(c, Qt::Key_Escape);
    }, &visto);
    boton("Command4")->click();
    QVERIFY(visto);
    QVERIFY(dialogos->mensajes.isEmpty());
    QVERIFY(!QFile::exists(QDir(destino).filePath("datoslocalizador.sdf")));
    QVERIFY(!QFile::exists(carpeta->archivo("bakdatoslocalizadortemp.sdf")));
    QVERIFY(BaseLocal().Conectado());
}

void TstFrmMantenimiento::recuperarCopia_data()
{
    QTest::addColumn<QString>("nombre");  // empty: the dialog is cancelled
    QTest::addColumn<bool>("restaura");
    QTest::newRow("copia_DatosLocalizador.sdf") << "copia_DatosLocalizador.sdf" << true;
    QTest::newRow("carpeta con el nombre") << "DATOSLOCALIZADOR.SDF.viejas/copia.sdf" << true;
    QTest::newRow("datos.sdf") << "datos.sdf" << false;
    QTest::newRow("cancelado") << "" << false;
}

void TstFrmMantenimiento::recuperarCopia()
{
    QFETCH(QString, nombre);
    QFETCH(bool, restaura);
    QString ruta;
    if (!nombre.isEmpty()) {
        ruta = carpeta->archivo("copias/" + nombre);
        QVERIFY(baseCon(ruta, {fila("Z", "2015-06-01 12:00:00")}));
    }
    QVERIFY(escribir(carpeta->archivo("bakdatoslocalizadortemp.sdf"), "copia anterior"));
    dialogos->respuestasArchivo << ruta;
    boton("Command5")->click();
    QVERIFY(BaseLocal().Conectado());
    if (restaura) {
        QCOMPARE(dialogos->textos(), QStringList{"Se restauró la Copia de Seguridad"});
        QCOMPARE(dialogos->mensajes[0].estilo, vb::vbExclamation);
        QCOMPARE(filas(), 1);
        QCOMPARE(BaseLocal().NumRegistros("SELECT Count(*) FROM DATOS WHERE IMEI = 'Z'"), 1);
        QVERIFY(!QFile::exists(carpeta->archivo("bakdatoslocalizadortemp.sdf")));
    } else {
        QVERIFY(dialogos->mensajes.isEmpty());
        QCOMPARE(filas(), 5);
        QVERIFY(QFile::exists(carpeta->archivo("bakdatoslocalizadortemp.sdf")));
    }
}

void TstFrmMantenimiento::recuperarCopiaDanadaRechazada()
{
    const QString ruta = carpeta->archivo("copias/datoslocalizador.sdf");
    QVERIFY(QDir().mkpath(carpeta->archivo("copias")));
    QVERIFY(escribir(ruta, QByteArray("SQLite format 3") + QByteArray(4000, '\0')));
    const QByteArray antes = contenido(RutaBaseLocal());
    dialogos->respuestasArchivo << ruta << RutaBaseLocal();
    boton("Command5")->click();
    QCOMPARE(dialogos->mensajes.size(), 1);
    QVERIFY(dialogos->mensajes[0].texto.startsWith("No se ha recuperado la copia"));
    QVERIFY(BaseLocal().Conectado());
    QCOMPARE(contenido(RutaBaseLocal()), antes);
    QCOMPARE(filas(), 5);

    // The live database itself: nothing to restore, nothing changed.
    boton("Command5")->click();
    QCOMPARE(dialogos->mensajes.size(), 2);
    QVERIFY(!dialogos->mensajes[1].texto.contains("restauró"));
    QVERIFY(BaseLocal().Conectado());
    QCOMPARE(contenido(RutaBaseLocal()), antes);
}

QTEST_MAIN(TstFrmMantenimiento)
#include "tst_frmmantenimiento.moc"
