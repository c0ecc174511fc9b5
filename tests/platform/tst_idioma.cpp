// Qt's own dialogs speak Spanish: their texts through Qt's translations, the dates they show (a
// file's modification time in the file dialog) in the Spanish format, under any session language.
#include "entorno.h"
#include "prueba.h"

#include <QFile>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <QtTest>

class TstIdioma : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { InstalarTraduccionesQt(); }
    void textos_data();
    void textos();
    void fechaDeArchivo();
};

void TstIdioma::textos_data()
{
    QTest::addColumn<QString>("contexto");
    QTest::addColumn<QString>("texto");  // Qt's English text, which must come out translated
    QTest::newRow("diálogo de archivos") << "QFileDialog" << "Look in:";
    QTest::newRow("columna de fecha") << "QFileSystemModel" << "Date Modified";
    QTest::newRow("vista previa") << "QPrintPreviewDialog" << "Print Preview";
    QTest::newRow("configurar página") << "QPrintPreviewDialog" << "Page Setup";
}

void TstIdioma::textos()
{
    QFETCH(QString, contexto);
    QFETCH(QString, texto);
    const QString traducido = QCoreApplication::translate(contexto.toLatin1(), texto.toLatin1());
    QVERIFY2(!traducido.isEmpty() && traducido != texto, qPrintable(traducido));
}

void TstIdioma::fechaDeArchivo()
{
    QTemporaryDir dir;
    QFile f(dir.filePath("copia.sdf"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    const QDateTime cuando(QDate(2026, 3, 5), QTime(16, 27));
    QVERIFY(f.setFileTime(cuando, QFileDevice::FileModificationTime));
    f.close();
    QFileSystemModel m;
    m.setRootPath(dir.path());
    QVERIFY(Prueba::esperar([&] { return m.index(f.fileName(), 3).data().isValid(); }));
    QCOMPARE(m.index(f.fileName(), 3).data().toString(), QString("5/3/26 16:27"));
}

int main(int argc, char *argv[])
{
    qputenv("LC_ALL", "C.UTF-8");  // a session in another language
    FijarFechasEspanolas();
    QApplication app(argc, argv);
    TstIdioma prueba;
    return QTest::qExec(&prueba, argc, argv);
}
#include "tst_idioma.moc"
