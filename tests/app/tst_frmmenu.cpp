// Start-up, the access password and the menu, driven through the window's controls.
#include "carpetaprueba.h"
#include "dialogosguion.h"
#include "esquema.h"
#include "frmmenu.h"
#include "frmrejillazonas.h"
#include "module1.h"
#include "prueba.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using Prueba::hijo;

namespace {
const QString kCodigo = QStringLiteral("B11111111");
const char *const kBotones[] = {"btnbajardatos", "btndiferido", "btnestadisticas", "btnadministrar", "btnconfigurarzonas", "btntiemporeal"};

bool algunoVisible(const frmmenu &m)
{
    return std::any_of(std::begin(kBotones), std::end(kBotones), [&m](const char *n) { return !hijo<QToolButton>(m, n)->isHidden(); });
}
}

class TstFrmMenu : public QObject {
    Q_OBJECT
    std::unique_ptr<CarpetaPrueba> carpeta;
    std::unique_ptr<DialogosGuion> dialogos;
    std::unique_ptr<frmmenu> m;

    // The holder with that password (null: none) in the service and the local file, and the menu loaded.
    bool cargar(const QString &clave)
    {
        m = std::make_unique<frmmenu>();
        return CarpetaPrueba::ejecutarEn(RutaServicioDemo(), {
                   QStringLiteral("INSERT INTO TITULARES VALUES ('%1', 'Frutas Ñoño S.A.', %2)").arg(kCodigo, clave.isNull() ? "NULL" : "'" + clave + "'"),
                   QStringLiteral("INSERT INTO TITULARES VALUES ('B22222222', 'Otro', 'otra')")}) &&
               CarpetaPrueba::ejecutarEn(RutaBaseLocal(), {QStringLiteral("INSERT INTO Titular VALUES ('%1')").arg(kCodigo)}) && m->Cargar();
    }
    void entrar(const QString &clave)
    {
        hijo<QLineEdit>(*m, "txtclave")->setText(clave);
        hijo<QPushButton>(*m, "Command1")->click();
    }

private Q_SLOTS:
    void init()
    {
        carpeta = std::make_unique<CarpetaPrueba>();
        dialogos = std::make_unique<DialogosGuion>();
        QVERIFY(carpeta->crearServicioVacio() && carpeta->crearBaseLocal());
        Module1::CodigoTitular.clear();
        Module1::NombreTitular.clear();
        Module1::ClaveAcceso.clear();
    }
    void cleanup()
    {
        m.reset();
        dialogos.reset();
        carpeta.reset();
    }

    void claveSinMayusculasPeroConBlancos_data()
    {
        QTest::addColumn<QString>("escrita");
        QTest::addColumn<bool>("aceptada");
        QTest::newRow("igual") << "Secreta1" << true;
        QTest::newRow("mayusculas") << "SECRETA1" << true;
        QTest::newRow("minusculas") << "secreta1" << true;
        QTest::newRow("blanco al final") << "Secreta1 " << false;
        QTest::newRow("blanco al principio") << " Secreta1" << false;
        QTest::newRow("otra") << "Secreta2" << false;
        QTest::newRow("vacia") << "" << false;
    }
    void claveSinMayusculasPeroConBlancos()
    {
        QFETCH(QString, escrita);
        QFETCH(bool, aceptada);
        QVERIFY(cargar(QStringLiteral("Secreta1")));
        QCOMPARE(m->EstadoActual(), frmmenu::Estado::EsperandoClave);
        QCOMPARE(Module1::CodigoTitular, kCodigo);
        QCOMPARE(hijo<QLabel>(*m, "lblnombretitular")->text() + '|' + hijo<QLabel>(*m, "lblcliente")->text(),
                 QStringLiteral("Frutas Ñoño S.A.|Frutas Ñoño S.A."));
        QVERIFY(!hijo<QFrame>(*m, "pnlclave")->isHidden() && hijo<QLineEdit>(*m, "txtclave")->accessibleName() == "Clave de Acceso:");
        entrar(escrita);
        QCOMPARE(algunoVisible(*m), aceptada);
        QCOMPARE(hijo<QFrame>(*m, "pnlclave")->isHidden(), aceptada);
        QCOMPARE(hijo<QLabel>(*m, "lblmsgacceso")->text(), aceptada ? QString() : QStringLiteral("Clave de Acceso incorrecto"));
        QVERIFY(dialogos->mensajes.isEmpty());
    }

    // A holder without a password is never let in; Return or Enter in the box checks once each.
    void claveVaciaSiempreRechazada()
    {
        QVERIFY(cargar(QString()));
        m->show();
        QLineEdit *t = hijo<QLineEdit>(*m, "txtclave");
        QTest::keyClick(t, Qt::Key_Return);
        QTest::keyClick(t, Qt::Key_Enter);
        QCOMPARE(dialogos->textos(), QStringList(2, "No se le ha proporcionado clave de acceso.Hable con el administrador!"));
        QVERIFY(dialogos->mensajes[0].estilo == vb::vbInformation && dialogos->mensajes[0].titulo.isEmpty());
        QVERIFY(!algunoVisible(*m) && !hijo<QFrame>(*m, "pnlclave")->isHidden());
        QVERIFY(hijo<QLabel>(*m, "lblmsgacceso")->text().isEmpty());
    }

    void titularDesconocidoLoDice()
    {
        QVERIFY(CarpetaPrueba::ejecutarEn(RutaBaseLocal(), {"INSERT INTO Titular VALUES ('B00000000')"}));
        m = std::make_unique<frmmenu>();
        QVERIFY(m->Cargar());
        QCOMPARE(m->EstadoActual(), frmmenu::Estado::Atascado);
        QCOMPARE(dialogos->mensajes.size(), 1);
        QVERIFY(dialogos->mensajes[0].texto.contains("B00000000"));
        QVERIFY(hijo<QFrame>(*m, "pnlclave")->isHidden() && !algunoVisible(*m) && !hijo<QToolButton>(*m, "btnsalir")->isHidden());
    }

    void bandejaRestauraSinAbrirDescarga()
    {
        QVERIFY(cargar(QStringLiteral("x")));
        QCOMPARE(m->SysTrayIcon1->toolTip(), QStringLiteral("KvLocalizador"));
        m->showMaximized();
        QTRY_VERIFY(m->isVisible());
        m->SysTrayIcon1_Click();  // not minimized: nothing happens
        QVERIFY(!m->isMinimized());
        m->showMinimized();
        QTRY_VERIFY(m->isMinimized());
        m->SysTrayIcon1_Click();
        QTRY_VERIFY(m->windowState() & Qt::WindowMaximized);
        QVERIFY(!m->isMinimized() && !m->VentanaDescarga() && !QApplication::activeModalWidget());
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY(w == m.get() || !w->isVisible());
    }

    // Each menu button shows its own window, application-modal from its first event on: the menu
    // underneath ignores clicks (here on its exit button) until the window closes.
    void cadaBotonAbreSuVentana()
    {
        QVERIFY(cargar(QStringLiteral("x")));
        m->show();
        QVERIFY(QTest::qWaitForWindowExposed(m.get()));
        entrar("x");
        const QString ventanas[] = {"frmdownload", "frmdiferido", "frmestadisticas", "frmmantenimiento", "frmrejillazonas", "frmtiemporeal"};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(Prueba::abiertaModal(hijo<QToolButton>(*m, kBotones[i]), m->btnsalir), ventanas[i]);
            QVERIFY(!QApplication::activeModalWidget() && m->isVisible());
        }
    }

    // The zone editor blocks the zone list underneath from its first event on.
    void editorDeZonasModal()
    {
        QVERIFY(cargar(QStringLiteral("x")));
        entrar("x");
        QString editor;
        QTimer::singleShot(0, m.get(), [&editor] {
            auto *lista = qobject_cast<frmrejillazonas *>(QApplication::activeModalWidget());
            QVERIFY(lista && QTest::qWaitForWindowExposed(lista));
            editor = Prueba::abiertaModal(lista->btnnuevazona, lista->btnsalir);
            lista->reject();
        });
        m->btnconfigurarzonas->click();
        QCOMPARE(editor, QStringLiteral("frmnuevazona"));
    }
};

VARDEN_TEST_WEB_MAIN(TstFrmMenu)
#include "tst_frmmenu.moc"
