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

    void textos()
    {
        // Qt's English texts of the file dialog and the print preview come out translated.
        for (const auto &[contexto, texto] : {std::pair{"QFileDialog", "Look in:"}, {"QFileSystemModel", "Date Modified"},
                                              {"QPrintPreviewDialog", "Print Preview"}}) {
            const QString traducido = QCoreApplication::translate(contexto, texto);
            QVERIFY2(!traducido.isEmpty() && traducido != QLatin1String(texto), texto);
        }
    }

    void fechaDeArchivo()
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
};

int main(int argc, char *argv[])
{
    qputenv("LC_ALL", "C.UTF-8");  // a session in another language
    FijarFechasEspanolas();
    QApplication app(argc, argv);
    TstIdioma prueba;
    return QTest::qExec(&prueba, argc, argv);
}
#include "tst_idioma.moc"
