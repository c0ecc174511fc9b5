// The backup folder chooser through its controls.
#include "carpetaprueba.h"
#include "dialogosguion.h"
#include "frmcopiaseg.h"
#include "listacarpetas.h"

#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

class TstFrmCopiaSeg : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void aceptarSinTocarDaLaCarpetaActual();
    void cerrarSinAceptarCancela_data();
    void cerrarSinAceptarCancela();
    void nuevaCarpetaDosVeces();
    void nuevaCarpetaSinNombreNoHaceNada_data();
    void nuevaCarpetaSinNombreNoHaceNada();
    void nuevaCarpetaImposible();
    void unidadIlegible_data();
    void unidadIlegible();
    void modoRestauraEnRojo_data();
    void modoRestauraEnRojo();
    void centradaYAccesible();

private:
    std::unique_ptr<DialogosGuion> dialogos;
    std::unique_ptr<QTemporaryDir> temporal;
    std::unique_ptr<frmcopiaseg> ventana;
};

void TstFrmCopiaSeg::init()
{
    dialogos = std::make_unique<DialogosGuion>();
    temporal = std::make_unique<QTemporaryDir>();
    ventana = std::make_unique<frmcopiaseg>();
}

void TstFrmCopiaSeg::cleanup()
{
    ventana.reset();
    temporal.reset();
    dialogos.reset();
}

void TstFrmCopiaSeg::aceptarSinTocarDaLaCarpetaActual()
{
    QVERIFY(ventana->Cancel);
    ventana->show();
    QCOMPARE(ventana->Dir1->Path(), QDir::cleanPath(QDir::currentPath()));
    // The drive shown is the one holding the current folder.
    const QString unidad = ventana->Drive1->currentData().toString();
    QVERIFY(unidad == "/" || QDir::currentPath().startsWith(unidad + "/"));
    ventana->SSCommand1->click();
    QVERIFY(!ventana->Cancel);
    QCOMPARE(ventana->result(), int(QDialog::Accepted));
    QVERIFY(!ventana->isVisible());
    QCOMPARE(ventana->Dir1->Path(), QDir::cleanPath(QDir::currentPath()));
    QVERIFY(dialogos->mensajes.isEmpty());
}

void TstFrmCopiaSeg::cerrarSinAceptarCancela_data()
{
    QTest::addColumn<QString>("como");
    QTest::newRow("Cancelar") << "Cancelar";
    QTest::newRow("cuadro de cierre") << "cierre";
    QTest::newRow("Escape") << "Escape";
}

void TstFrmCopiaSeg::cerrarSinAceptarCancela()
{
    QFETCH(QString, como);
    ventana->show();
    ventana->Dir1->setPath(temporal->path());
    if (como == "Cancelar")
        ventana->SSCommand2->click();
    else if (como == "cierre")
        ventana->close();
    else
        QTest::keyClick(ventana.get(), Qt::Key_Escape);
    QVERIFY(!ventana->isVisible());
    QVERIFY(ventana->Cancel);
    QCOMPARE(ventana->result(), int(QDialog::Rejected));
}

void TstFrmCopiaSeg::nuevaCarpetaDosVeces()
{
    ventana->show();
    ventana->Dir1->setPath(temporal->path());
    dialogos->respuestasInputBox << "LISTADOS Y ESTADISTICAS" << "LISTADOS Y ESTADISTICAS";
    ventana->SSCommand3->click();
    QCOMPARE(dialogos->preguntas, QStringList{"Nueva Carpeta:"});
    QVERIFY(dialogos->mensajes.isEmpty());
    QVERIFY(QFileInfo(QDir(temporal->path()).filePath("LISTADOS Y ESTADISTICAS")).isDir());
    // The new folder goes below the one shown, which stays chosen.
    QCOMPARE(ventana->Dir1->Path(), QDir::cleanPath(temporal->path()));

    ventana->SSCommand3->click();
    QCOMPARE(dialogos->textos(), QStringList{"Ya existe esa carpeta!"});
    QCOMPARE(dialogos->mensajes[0].estilo, vb::vbInformation);
    QCOMPARE(dialogos->mensajes[0].titulo, QString());
    QVERIFY(ventana->isVisible());
}

void TstFrmCopiaSeg::nuevaCarpetaSinNombreNoHaceNada_data()
{
    QTest::addColumn<QString>("nombre");
    QTest::newRow("cancelado") << QString();
    QTest::newRow("en blanco") << "   ";
}

void TstFrmCopiaSeg::nuevaCarpetaSinNombreNoHaceNada()
{
    QFETCH(QString, nombre);
    ventana->show();
    ventana->Dir1->setPath(temporal->path());
    dialogos->respuestasInputBox << nombre;
    ventana->SSCommand3->click();
    QVERIFY(dialogos->mensajes.isEmpty());
    QVERIFY(QDir(temporal->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    QVERIFY(ventana->isVisible());
}

void TstFrmCopiaSeg::nuevaCarpetaImposible()
{
    ventana->show();
    ventana->Dir1->setPath(QStringLiteral("/proc"));
    dialogos->respuestasInputBox << "LISTADOS Y ESTADISTICAS";
    ventana->SSCommand3->click();
    QCOMPARE(dialogos->textos(), QStringList{"Error inesperado.!No se pudo crear la carpeta!"});
    QCOMPARE(dialogos->mensajes[0].estilo, vb::vbInformation);
    QVERIFY(!QFileInfo::exists("/proc/LISTADOS Y ESTADISTICAS"));
}

void TstFrmCopiaSeg::unidadIlegible_data()
{
    QTest::addColumn<QList<int>>("respuestas");
    QTest::addColumn<bool>("aparece");  // the media is back when the drive is chosen
    QTest::newRow("Cancelar") << QList<int>{vb::vbCancel} << false;
    QTest::newRow("Reintentar y Cancelar") << QList<int>{vb::vbRetry, vb::vbCancel} << false;
    QTest::newRow("vuelta a poner") << QList<int>{} << true;
}

void TstFrmCopiaSeg::unidadIlegible()
{
    QFETCH(QList<int>, respuestas);
    QFETCH(bool, aparece);
    // A removable drive that was listed and then taken out.
    const QString sacada = QDir(temporal->path()).filePath("memoria");
    ventana->LlenarUnidades({temporal->path(), sacada});
    ventana->show();
    const QString antes = ventana->Dir1->Path();
    QCOMPARE(antes, QDir::cleanPath(temporal->path()));
    for (int r : respuestas)
        dialogos->respuestasMsgBox << r;
    ventana->Drive1->setCurrentIndex(1);
    if (aparece)
        QVERIFY(QDir().mkpath(sacada));  // put back in before the drive is looked at
    ventana->Drive1_Change(1);
    if (aparece) {
        QVERIFY(dialogos->mensajes.isEmpty());
        QCOMPARE(ventana->Dir1->Path(), QDir::cleanPath(sacada));
        QCOMPARE(ventana->Drive1->currentIndex(), 1);
        return;
    }
    QCOMPARE(dialogos->mensajes.size(), respuestas.size());
    for (const MensajeMostrado &m : dialogos->mensajes) {
        QCOMPARE(m.texto, QStringLiteral(" !No encuentro disquete! "));
        QCOMPARE(m.estilo, vb::vbRetryCancel | vb::vbExclamation);
        QCOMPARE(m.titulo, QString());
    }
    QCOMPARE(ventana->Dir1->Path(), antes);
    QCOMPARE(ventana->Drive1->currentIndex(), 0);
}

void TstFrmCopiaSeg::modoRestauraEnRojo_data()
{
    QTest::addColumn<bool>("restaura");
    QTest::newRow("copia") << false;
    QTest::newRow("restauración") << true;
}

void TstFrmCopiaSeg::modoRestauraEnRojo()
{
    QFETCH(bool, restaura);
    ventana->Restaura = restaura;
    ventana->show();
    const QColor rojo(255, 0, 0);
    for (QWidget *w : {static_cast<QWidget *>(ventana->Label1), static_cast<QWidget *>(ventana->Label2),
                       static_cast<QWidget *>(ventana->SSPanel1)})
        QCOMPARE(w->palette().color(QPalette::Window) == rojo, restaura);
    QVERIFY(ventana->Label3->textFormat() == Qt::PlainText);
}

void TstFrmCopiaSeg::centradaYAccesible()
{
    ventana->show();
    const QRect pantalla = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(qAbs(ventana->frameGeometry().center().x() - pantalla.center().x()) <= 20);
    QVERIFY(qAbs(ventana->frameGeometry().center().y() - pantalla.center().y()) <= 40);
    QCOMPARE(ventana->Label1->text(), QStringLiteral("Unidad Disco"));
    QCOMPARE(ventana->Label2->text(), QStringLiteral("Escoja una carpeta "));
    QCOMPARE(ventana->SSCommand2->text(), QStringLiteral("Cancelar"));
    QCOMPARE(ventana->SSCommand3->text(), QStringLiteral("Nueva carpeta"));
    for (const char *n : {"Drive1", "Dir1", "SSCommand1", "SSCommand2", "SSCommand3"}) {
        auto *w = ventana->findChild<QWidget *>(QLatin1String(n));
        QVERIFY2(w, n);
        QVERIFY2(!w->accessibleName().isEmpty(), n);
        QVERIFY2(w->focusPolicy() & Qt::TabFocus, n);
    }
    QVERIFY(ventana->Drive1->findText("/") >= 0);
}

QTEST_MAIN(TstFrmCopiaSeg)
#include "tst_frmcopiaseg.moc"
