// The download window, headless: its controls, the month question, Cerrar while a day is
// being written, the one start per opening and the minimize rule.
#include "dialogosguion.h"
#include "filasprueba.h"
#include "frmdownload.h"
#include "module1.h"

#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <memory>

using namespace Module1;
using namespace FilasPrueba;

namespace {
QString corta(const QDate &d) { return d.toString(QStringLiteral("dd/MM/yyyy")); }
}

class TstFrmdownload : public QObject {
    Q_OBJECT
    std::unique_ptr<CarpetaPrueba> carpeta;
    std::unique_ptr<DialogosGuion> dialogos;
    const QDate hoy = QDate::currentDate();

private Q_SLOTS:
    void init()
    {
        carpeta = std::make_unique<CarpetaPrueba>();
        dialogos = std::make_unique<DialogosGuion>();
        QVERIFY(carpeta->crearServicioVacio());
        QVERIFY(carpeta->crearBaseLocal());
        CodigoTitular = Demo::Titular;
        NombreTitular = QStringLiteral("Transportes <Norte> S.L.");
    }
    void cleanup()
    {
        dialogos.reset();
        carpeta.reset();
    }

    void carga();
    void mesSinDatosNoCierra();
    void cerrarDuranteGrabacion();
    void unaVezPorApertura();
    void minimizarConElMenu();
};

void TstFrmdownload::carga()
{
    frmdownload w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Bajando Datos Localizadores"));
    auto *cliente = w.findChild<QLabel *>("lblcliente");
    QVERIFY(cliente);
    QCOMPARE(cliente->text(), QStringLiteral("Transportes <Norte> S.L."));
    QCOMPARE(cliente->textFormat(), Qt::PlainText);
    auto *etiqueta = w.findChild<QLabel *>("Label1");
    QVERIFY(etiqueta);
    QCOMPARE(etiqueta->text(), QStringLiteral("Buscando Información..."));
    auto *barra = w.findChild<QProgressBar *>("pnlprogreso");
    QVERIFY(barra);
    QCOMPARE(barra->maximum(), 100);
    // The progress of the fetch reaches the panel.
    w.EstablecerPorcentaje(37.6);
    QCOMPARE(barra->value(), 38);
    auto *cerrar = w.findChild<QPushButton *>("Command1");
    QVERIFY(cerrar);
    QCOMPARE(cerrar->text(), QStringLiteral("Cerrar"));
    for (QWidget *c : {static_cast<QWidget *>(w.findChild<QListWidget *>("List1")), static_cast<QWidget *>(barra),
                       static_cast<QWidget *>(cerrar)}) {
        QVERIFY(c);
        QVERIFY2(!c->accessibleName().isEmpty(), qPrintable(c->objectName()));
    }
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);
}

void TstFrmdownload::mesSinDatosNoCierra()
{
    for (int i = 0; i <= 30; ++i) {
        QVERIFY(remoto(remotas(hoy.addDays(-i), 1)));
        QVERIFY(local(locales(hoy.addDays(-i), 1)));
    }
    QVERIFY(carpeta->conectarRemoto() && carpeta->conectarLocal());
    dialogos->respuestasMsgBox << vb::vbNo;
    QWidget menu;
    menu.show();
    frmdownload w;
    w.frmmenu = &menu;
    QCOMPARE(w.exec(), int(QDialog::Accepted));
    QVERIFY(!w.isVisible());
    QCOMPARE(dialogos->mensajes.size(), 1);
    QCOMPARE(dialogos->mensajes[0].texto, QStringLiteral("Ya hay mes de 30 dias sin nada que bajar,Quiere continuar?"));
    QCOMPARE(dialogos->mensajes[0].estilo, vb::vbYesNo + vb::vbExclamation);
    QCOMPARE(dialogos->mensajes[0].titulo, QStringLiteral("Atención"));
    QVERIFY(menu.windowState() & Qt::WindowMaximized);
    auto *lista = w.findChild<QListWidget *>("List1");
    QCOMPARE(lista->count(), 31);
    for (int i = 0; i < 31; ++i)
        QCOMPARE(lista->item(i)->text(), "Nada que bajar el día " + corta(hoy.addDays(-i)));
    QCOMPARE(lista->currentRow(), 30);
}

void TstFrmdownload::cerrarDuranteGrabacion()
{
    QVERIFY(remoto(remotas(hoy, 200)));
    QVERIFY(remoto(remotas(hoy.addDays(-1), 10)));
    QVERIFY(carpeta->conectarRemoto() && carpeta->conectarLocal());
    frmdownload w;
    auto *etiqueta = w.findChild<QLabel *>("Label1");
    auto *cerrar = w.findChild<QPushButton *>("Command1");
    QString tituloAlCerrar;
    // Presses Cerrar as soon as the window shows that rows are being written.
    QTimer vigia;
    connect(&vigia, &QTimer::timeout, &w, [&] {
        if (etiqueta->text().startsWith("Grabando en Local") && w.windowTitle().startsWith("Registros Insertados: ")) {
            tituloAlCerrar = w.windowTitle();
            vigia.stop();
            QTest::mouseClick(cerrar, Qt::LeftButton);
        }
    });
    vigia.start(0);
    QTimer::singleShot(60000, &w, [&w] { w.findChild<QPushButton *>("Command1")->click(); });  // never hang
    QCOMPARE(w.exec(), int(QDialog::Accepted));
    QVERIFY(!tituloAlCerrar.isEmpty());
    QVERIFY2(tituloAlCerrar != "Registros Insertados: 200", qPrintable(tituloAlCerrar));
    QVERIFY(!cerrar->isEnabled());
    // The rest of the day was still written, and no other day started.
    QCOMPARE(w.windowTitle(), QStringLiteral("Registros Insertados: 200"));
    QCOMPARE(BaseLocal().NumRegistros(SqlCuentaLocal(hoy)), 200);
    auto *lista = w.findChild<QListWidget *>("List1");
    QCOMPARE(lista->count(), 1);
    QCOMPARE(lista->item(0)->text(), "Bajados 200 regs el día " + corta(hoy));
    QCOMPARE(w.findChild<QProgressBar *>("pnlprogreso")->value(), 100);
    for (const QString &t : ServidorRemoto().TextosEnviados())
        QVERIFY2(!t.contains(corta(hoy.addDays(-1))), qPrintable(t));
    QVERIFY(dialogos->mensajes.isEmpty());
}

void TstFrmdownload::unaVezPorApertura()
{
    // A broken service: the download stops at once and the window stays open to show why.
    QVERIFY(remoto({"DROP VIEW [CONSULTA GPS DETALLE]"}));
    QVERIFY(carpeta->conectarRemoto() && carpeta->conectarLocal());
    frmdownload w;
    w.show();
    auto *lista = w.findChild<QListWidget *>("List1");
    QTRY_COMPARE(lista->count(), 1);
    QCOMPARE(lista->item(0)->text(), "No se ha podido leer el servidor el día " + corta(hoy) + ". Descarga detenida.");
    const auto enviados = ServidorRemoto().TextosEnviados().size();
    // Activations and new shows never start it again.
    QEvent activar(QEvent::WindowActivate);
    QApplication::sendEvent(&w, &activar);
    w.hide();
    w.show();
    QTest::qWait(50);
    QCOMPARE(ServidorRemoto().TextosEnviados().size(), enviados);
    QCOMPARE(lista->count(), 1);
    QVERIFY(w.isVisible());
    QTest::mouseClick(w.findChild<QPushButton *>("Command1"), Qt::LeftButton);
    QVERIFY(!w.isVisible());
    QCOMPARE(w.result(), int(QDialog::Accepted));
}

void TstFrmdownload::minimizarConElMenu()
{
    QVERIFY(remoto({"DROP VIEW [CONSULTA GPS DETALLE]"}));
    QVERIFY(carpeta->conectarRemoto() && carpeta->conectarLocal());
    QWidget menu;
    menu.show();
    frmdownload w;
    w.frmmenu = &menu;
    w.show();
    QTRY_COMPARE(w.findChild<QListWidget *>("List1")->count(), 1);
    w.setWindowState(Qt::WindowMinimized);
    QTRY_VERIFY(menu.windowState() & Qt::WindowMinimized);
    // It cannot stay maximized.
    w.setWindowState(Qt::WindowMaximized);
    QTRY_COMPARE(w.windowState(), Qt::WindowNoState);
}

QTEST_MAIN(TstFrmdownload)
#include "tst_frmdownload.moc"
