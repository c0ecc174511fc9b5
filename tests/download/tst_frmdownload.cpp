// The download window's wiring, headless: its controls, the month question, Cerrar while a day
// is being written, the one start per opening and the minimize rule.
#include "carpetaprueba.h"
#include "dialogosguion.h"
#include "frmdownload.h"
#include "module1.h"
#include "posiciones.h"
#include "serviciodemo.h"

#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>
#include <memory>

using namespace Module1;

namespace {
QString corta(const QDate &d) { return d.toString(QStringLiteral("dd/MM/yyyy")); }
bool remotas(const QDate &dia, int n)
{
    return Posiciones::guardarServicio(Posiciones::recta(QDateTime(dia, QTime(8, 0)), n), Demo::Titular);
}

// Presses Cerrar the first time the count of written rows is shown, in the middle of the day's
// writing (the loop shows it every 50 rows).
struct VentanaQueCierra : frmdownload {
    QString tituloAlCerrar;
    void MostrarInsertados(qint32 total) override
    {
        frmdownload::MostrarInsertados(total);
        if (tituloAlCerrar.isEmpty()) {
            tituloAlCerrar = windowTitle();
            QTest::mouseClick(Command1, Qt::LeftButton);
        }
    }
};
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
        QVERIFY(carpeta->crearServicioVacio() && carpeta->crearBaseLocal());
        CodigoTitular = Demo::Titular;
        NombreTitular = QStringLiteral("Transportes <Norte> S.L.");
    }
    void cleanup()
    {
        dialogos.reset();
        carpeta.reset();
    }

    void carga()
    {
        frmdownload w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Bajando Datos Localizadores"));
        QCOMPARE(w.lblcliente->text() + '|' + w.Label1->text() + '|' + w.Command1->text(),
                 QStringLiteral("Transportes <Norte> S.L.|Buscando Información...|Cerrar"));
        QVERIFY(w.lblcliente->textFormat() == Qt::PlainText && w.Label1->textFormat() == Qt::PlainText);
        for (const char *n : {"lblcliente", "Label1", "pnlprogreso", "List1", "Command1"}) {
            auto *c = w.findChild<QWidget *>(n);
            QVERIFY2(c && !c->accessibleName().isEmpty(), n);
        }
        w.EstablecerPorcentaje(37.6);  // the fetch's progress reaches the panel
        QCOMPARE(w.pnlprogreso->value(), 38);
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint) && (w.windowFlags() & Qt::WindowMinimizeButtonHint));
    }

    void mesSinDatosNoCierra()
    {
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
        QCOMPARE(w.List1->count(), 31);
        QCOMPARE(w.List1->item(30)->text(), "Nada que bajar el día " + corta(hoy.addDays(-30)));
        QCOMPARE(w.List1->currentRow(), 30);  // the newest line selected
    }

    void cerrarDuranteGrabacion()
    {
        QVERIFY(remotas(hoy, 200) && remotas(hoy.addDays(-1), 10));
        QVERIFY(carpeta->conectarRemoto() && carpeta->conectarLocal());
        dialogos->respuestasMsgBox << vb::vbNo;  // should the loop go on, it ends at the month question
        VentanaQueCierra w;
        QCOMPARE(w.exec(), int(QDialog::Accepted));
        // Pressed at 50 rows: the window stayed until the rest of the day was written, and no
        // other day started.
        QCOMPARE(w.tituloAlCerrar, QStringLiteral("Registros Insertados: 50"));
        QVERIFY(!w.Command1->isEnabled());
        QCOMPARE(w.windowTitle(), QStringLiteral("Registros Insertados: 200"));
        QCOMPARE(BaseLocal().NumRegistros(SqlCuentaLocal(hoy)), 200);
        QCOMPARE(w.List1->count(), 1);
        QCOMPARE(w.List1->item(0)->text(), "Bajados 200 regs el día " + corta(hoy));
        QCOMPARE(w.pnlprogreso->value(), 100);
        QVERIFY(!ServidorRemoto().TextosEnviados().join('\n').contains(corta(hoy.addDays(-1))));
        QVERIFY(dialogos->mensajes.isEmpty());
    }

    void unaVezPorApertura()
    {
        // A broken service: the download stops at once and the window stays open to show why.
        QVERIFY(CarpetaPrueba::ejecutarEn(RutaServicioDemo(), {"DROP VIEW [CONSULTA GPS DETALLE]"}));
        QVERIFY(carpeta->conectarRemoto() && carpeta->conectarLocal());
        frmdownload w;
        w.show();
        QCoreApplication::processEvents();  // the start queued by the first show
        QCOMPARE(w.List1->count(), 1);
        QCOMPARE(w.List1->item(0)->text(), "No se ha podido leer el servidor el día " + corta(hoy) + ". Descarga detenida.");
        const auto enviados = ServidorRemoto().TextosEnviados().size();
        // Activations and new shows never start it again.
        QEvent activar(QEvent::WindowActivate);
        QApplication::sendEvent(&w, &activar);
        w.hide();
        w.show();
        QCoreApplication::processEvents();
        QCOMPARE(ServidorRemoto().TextosEnviados().size(), enviados);
        QVERIFY(w.isVisible() && w.List1->count() == 1);
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), int(QDialog::Accepted));
    }

    void minimizarConElMenu()
    {
        QWidget menu;
        menu.show();
        frmdownload w;
        w.frmmenu = &menu;
        w.setWindowState(Qt::WindowMinimized);
        QVERIFY(menu.windowState() & Qt::WindowMinimized);
        // It cannot stay maximized.
        w.setWindowState(Qt::WindowMaximized);
        QCoreApplication::processEvents();
        QCOMPARE(w.windowState(), Qt::WindowNoState);
    }
};

QTEST_MAIN(TstFrmdownload)
#include "tst_frmdownload.moc"
