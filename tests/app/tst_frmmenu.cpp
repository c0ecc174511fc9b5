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
#include <QDialog>
#include <QtTest>

namespace {
const QString kCodigo = QStringLiteral("B11111111");

QList<QToolButton *> botonesMenu(frmmenu &m)
{
    QList<QToolButton *> r;
    for (const char *n : {"btnbajardatos", "btndiferido", "btnestadisticas", "btnadministrar", "btnconfigurarzonas", "btntiemporeal"})
        r << m.findChild<QToolButton *>(QLatin1String(n));
    return r;
}
bool algunoVisible(frmmenu &m)
{
    for (QToolButton *b : botonesMenu(m))
        if (!b->isHidden())
            return true;
    return false;
}
}

class TstFrmMenu : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void claveSinMayusculasPeroConBlancos_data();
    void claveSinMayusculasPeroConBlancos();
    void claveVaciaSiempreRechazada();
    void enterEnLaClaveCompruebaUnaVez();
    void titularDesconocidoLoDice();
    void bandejaRestauraSinAbrirDescarga();
    void cadaBotonAbreSuVentana();
    void editorDeZonasModal();

private:
    std::unique_ptr<CarpetaPrueba> carpeta;
    std::unique_ptr<DialogosGuion> dialogos;
    void titulares(const QString &clave);
};

void TstFrmMenu::init()
{
    carpeta = std::make_unique<CarpetaPrueba>();
    dialogos = std::make_unique<DialogosGuion>();
    QVERIFY(carpeta->crearServicioVacio());
    QVERIFY(carpeta->crearBaseLocal());
    Module1::CodigoTitular.clear();
    Module1::NombreTitular.clear();
    Module1::ClaveAcceso.clear();
}

void TstFrmMenu::cleanup()
{
    dialogos.reset();
    carpeta.reset();
}

void TstFrmMenu::titulares(const QString &clave)
{
    QVERIFY(CarpetaPrueba::ejecutarEn(RutaServicioDemo(), {
        QStringLiteral("INSERT INTO TITULARES VALUES ('%1', 'Frutas Ñoño S.A.', %2)").arg(kCodigo, clave.isNull() ? "NULL" : "'" + clave + "'"),
        QStringLiteral("INSERT INTO TITULARES VALUES ('B22222222', 'Otro', 'otra')"),
    }));
    QVERIFY(CarpetaPrueba::ejecutarEn(RutaBaseLocal(), {QStringLiteral("INSERT INTO Titular VALUES ('%1')").arg(kCodigo)}));
}

void TstFrmMenu::claveSinMayusculasPeroConBlancos_data()
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

void TstFrmMenu::claveSinMayusculasPeroConBlancos()
{
    QFETCH(QString, escrita);
    QFETCH(bool, aceptada);
    titulares(QStringLiteral("Secreta1"));
    frmmenu m;
    QVERIFY(m.Cargar());
    QCOMPARE(m.EstadoActual(), frmmenu::Estado::EsperandoClave);
    QCOMPARE(Module1::CodigoTitular, kCodigo);
    QCOMPARE(m.findChild<QLabel *>("lblnombretitular")->text(), QStringLiteral("Frutas Ñoño S.A."));
    QCOMPARE(m.findChild<QLabel *>("lblcliente")->text(), QStringLiteral("Frutas Ñoño S.A."));
    QVERIFY(!m.findChild<QFrame *>("pnlclave")->isHidden());
    QCOMPARE(m.findChild<QLineEdit *>("txtclave")->accessibleName(), QStringLiteral("Clave de Acceso:"));
    m.findChild<QLineEdit *>("txtclave")->setText(escrita);
    m.findChild<QPushButton *>("Command1")->click();
    QCOMPARE(algunoVisible(m), aceptada);
    QCOMPARE(m.findChild<QFrame *>("pnlclave")->isHidden(), aceptada);
    QCOMPARE(m.findChild<QLabel *>("lblmsgacceso")->text(), aceptada ? QString() : QStringLiteral("Clave de Acceso incorrecto"));
    QVERIFY(dialogos->mensajes.isEmpty());
}

void TstFrmMenu::claveVaciaSiempreRechazada()
{
    titulares(QString());  // no password at all
    frmmenu m;
    QVERIFY(m.Cargar());
    QCOMPARE(Module1::ClaveAcceso, QString());
    m.findChild<QPushButton *>("Command1")->click();
    QCOMPARE(dialogos->textos(), QStringList{"No se le ha proporcionado clave de acceso.Hable con el administrador!"});
    QCOMPARE(dialogos->mensajes[0].estilo, vb::vbInformation);
    QVERIFY(dialogos->mensajes[0].titulo.isEmpty());
    QVERIFY(!algunoVisible(m));
    QVERIFY(m.findChild<QLabel *>("lblmsgacceso")->text().isEmpty());
    QVERIFY(!m.findChild<QFrame *>("pnlclave")->isHidden());
}

void TstFrmMenu::enterEnLaClaveCompruebaUnaVez()
{
    titulares(QString());
    frmmenu m;
    QVERIFY(m.Cargar());
    m.show();
    QLineEdit *t = m.findChild<QLineEdit *>("txtclave");
    QTest::keyClick(t, Qt::Key_Return);
    QCOMPARE(dialogos->mensajes.size(), 1);
    QTest::keyClick(t, Qt::Key_Enter);
    QCOMPARE(dialogos->mensajes.size(), 2);
    QVERIFY(!m.findChild<QPushButton *>("Command1")->isDefault());
}

void TstFrmMenu::titularDesconocidoLoDice()
{
    QVERIFY(CarpetaPrueba::ejecutarEn(RutaBaseLocal(), {"INSERT INTO Titular VALUES ('B00000000')"}));
    frmmenu m;
    QVERIFY(m.Cargar());
    QCOMPARE(m.EstadoActual(), frmmenu::Estado::Atascado);
    QCOMPARE(dialogos->mensajes.size(), 1);
    QVERIFY(dialogos->mensajes[0].texto.contains("B00000000"));
    QVERIFY(m.findChild<QFrame *>("pnlclave")->isHidden());
    QVERIFY(!algunoVisible(m));
    QVERIFY(!m.findChild<QToolButton *>("btnsalir")->isHidden());
}

void TstFrmMenu::bandejaRestauraSinAbrirDescarga()
{
    titulares(QStringLiteral("x"));
    frmmenu m;
    QVERIFY(m.Cargar());
    QCOMPARE(m.SysTrayIcon1->toolTip(), QStringLiteral("KvLocalizador"));
    m.showMaximized();
    QTRY_VERIFY(m.isVisible());
    m.SysTrayIcon1_Click();  // not minimized: nothing happens
    QVERIFY(!m.isMinimized());
    m.showMinimized();
    QTRY_VERIFY(m.isMinimized());
    m.SysTrayIcon1_Click();
    QTRY_VERIFY(m.windowState() & Qt::WindowMaximized);
    QVERIFY(!m.isMinimized());
    QVERIFY(!m.VentanaDescarga());
    QVERIFY(!QApplication::activeModalWidget());
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY(w == &m || !w->isVisible());
}

// Each menu button shows its own window, application-modal from its first event on: the menu
// underneath ignores clicks (here on its exit button) until the window closes.
void TstFrmMenu::cadaBotonAbreSuVentana()
{
    titulares(QStringLiteral("x"));
    frmmenu m;
    QVERIFY(m.Cargar());
    m.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m));
    m.findChild<QLineEdit *>("txtclave")->setText("x");
    m.Command1_Click();
    const QList<QPair<const char *, QString>> botones = {
        {"btnbajardatos", "frmdownload"},       {"btndiferido", "frmdiferido"},
        {"btnestadisticas", "frmestadisticas"}, {"btnadministrar", "frmmantenimiento"},
        {"btnconfigurarzonas", "frmrejillazonas"}, {"btntiemporeal", "frmtiemporeal"}};
    for (const auto &[boton, ventana] : botones) {
        QCOMPARE(Prueba::abiertaModal(m.findChild<QToolButton *>(QLatin1String(boton)), m.btnsalir), ventana);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(m.isVisible());
    }
}

// The zone editor blocks the zone list underneath from its first event on.
void TstFrmMenu::editorDeZonasModal()
{
    titulares(QStringLiteral("x"));
    frmmenu m;
    QVERIFY(m.Cargar());
    m.findChild<QLineEdit *>("txtclave")->setText("x");
    m.Command1_Click();
    QString editor;
    QTimer::singleShot(0, &m, [&editor] {
        auto *lista = qobject_cast<frmrejillazonas *>(QApplication::activeModalWidget());
        QVERIFY(lista && QTest::qWaitForWindowExposed(lista));
        editor = Prueba::abiertaModal(lista->btnnuevazona, lista->btnsalir);
        lista->reject();
    });
    m.btnconfigurarzonas->click();
    QCOMPARE(editor, QStringLiteral("frmnuevazona"));
}

VARDEN_TEST_WEB_MAIN(TstFrmMenu)
#include "tst_frmmenu.moc"
