// The locator icons window in the real page engine: the stored icon shown, a chosen one shown and stored.
#include "carpetaprueba.h"
#include "consultasiconos.h"
#include "esquema.h"
#include "frmiconoslocalizadores.h"
#include "module1.h"
#include "posiciones.h"
#include "pruebaweb.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

using namespace ConsultasIconos;
using Module1::BaseLocal;

class TstFrmIconosLocalizadores : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { v.reset(); carpeta.reset(); }

    void init()
    {
        carpeta = std::make_unique<CarpetaPrueba>();
        QVERIFY(carpeta->crearBaseLocal() && carpeta->enlazarPaginas());
        QList<Posicion> filas = Posiciones::recta(QDateTime(QDate(2010, 3, 1), QTime(10, 0), Qt::UTC), 2);
        filas << filas[0] << filas[0];
        filas[2].imei = "Furgón d'Aurelio";
        filas[3].imei = "356938035643803";
        QVERIFY(Posiciones::guardarLocal(filas));
        QVERIFY(carpeta->conectarLocal());
    }

    void iconos()
    {
        QVERIFY(CarpetaPrueba::ejecutarEn(RutaBaseLocal(), {"INSERT INTO LOCALIZADORES VALUES ('356000000000001', 'moto1')",
                                                            "INSERT INTO LOCALIZADORES VALUES ('356938035643803', 'Ana''s')"}));
        abrir();
        QStringList iconos, localizadores;
        for (int i = 0; i < v->List1->count(); ++i)
            iconos << v->List1->item(i)->text();
        for (int i = 0; i < v->cmblocalizadores->count(); ++i)
            localizadores << v->cmblocalizadores->itemText(i);
        QStringList archivos = QDir(carpeta->archivo("GPS")).entryList({"*.png"});  // every picture, once
        archivos.replaceInStrings(".png", "");
        archivos.sort();
        iconos.sort();
        QCOMPARE(iconos, archivos);
        QCOMPARE(v->cmblocalizadores->currentIndex(), 0);
        localizadores.sort();
        QCOMPARE(localizadores, (QStringList{"356000000000001", "356938035643803", "Furgón d'Aurelio"}));
        // Before the timer the list shows no choice; while the window loads, clicks on the lists do nothing.
        QCOMPARE(eleccionAlMostrar, QString());
        v->Cargando = true;
        pulsar("coche1");
        elegirLocalizador("Furgón d'Aurelio");
        QCOMPARE(filas(), 2);
        QCOMPARE(enPagina(), QString());
        v->Cargando = false;
        // The timer shows the locator's stored icon.
        v->cmblocalizadores->setCurrentText("356000000000001");
        QVERIFY(QMetaObject::invokeMethod(v->Timer1, "timeout"));
        QVERIFY(!v->Timer1->isActive());
        QCOMPARE(elegido() + " " + enPagina(), QString("moto1 moto1.png"));
        // A locator without a row keeps what was shown; a click stores its choice at once (insert, then update).
        elegirLocalizador("Furgón d'Aurelio");
        QCOMPARE(elegido() + " " + enPagina(), QString("moto1 moto1.png"));
        pulsar("coche2");
        pulsar("niños1");
        QCOMPARE(guardado("Furgón d'Aurelio") + " " + enPagina(), QString("niños1 niños1.png"));
        QCOMPARE(guardado("356000000000001"), QString("moto1"));
        QCOMPARE(filas(), 3);
        for (const char *sql : {"Select DISTINCT IMEI FROM DATOS", "SELECT * FROM LOCALIZADORES WHERE NOMBRE='Furgón d''Aurelio'",
                                "Insert into localizadores Values('Furgón d''Aurelio','coche2')",
                                "Update Localizadores SET [Icono]='niños1' where Nombre='Furgón d''Aurelio'"})
            QVERIFY2(BaseLocal().TextosEnviados().contains(QString::fromUtf8(sql)), sql);
        // A stored icon that is not in the list is previewed; the list keeps its choice; nothing is stored.
        elegirLocalizador("356938035643803");
        QCOMPARE(elegido() + " " + enPagina(), QString("niños1 Ana's.png"));
        QCOMPARE(guardado("356938035643803"), QString("Ana's"));
        // With no locator, a click previews the icon and sends nothing to the file.
        v->cmblocalizadores->clear();
        const qsizetype enviados = BaseLocal().TextosEnviados().size();
        pulsar("Ninguno");
        QCOMPARE(enPagina() + " " + QString::number(BaseLocal().TextosEnviados().size() - enviados), QString("Ninguno.png 0"));
    }

    // A typed name shows beside the IMEI, now and at the next opening; the icon is stored under the IMEI.
    void nombrePropio()
    {
        abrir();
        const QString imei = "356938035643803";
        v->cmblocalizadores->setCurrentIndex(v->cmblocalizadores->findData(imei));
        QCOMPARE(v->txtalias->text(), QString());
        v->txtalias->setText("Camión 3");
        v->btnalias->click();
        QCOMPARE(v->cmblocalizadores->currentText(), "Camión 3 (" + imei + ")");
        pulsar("coche2");
        QCOMPARE(guardado(imei), QString("coche2"));
        QVERIFY(BaseLocal().TextosEnviados().contains("Insert into localizadores Values('" + imei + "','coche2')"));
        abrir();
        v->cmblocalizadores->setCurrentIndex(v->cmblocalizadores->findData(imei));
        QCOMPARE(v->cmblocalizadores->currentText() + " / " + v->txtalias->text(), "Camión 3 (" + imei + ") / Camión 3");
    }

    // A click (also on the chosen icon), Enter or Space stores the icon; entering or moving stores nothing.
    void eleccionPorClicOTecla_data()
    {
        QTest::addColumn<QString>("previa");    // the list's choice before the user acts ("" none)
        QTest::addColumn<QString>("accion");
        QTest::addColumn<QString>("almacenado");  // the locator's stored icon afterwards
        QTest::newRow("clic en la ya elegida") << "moto1" << "clic" << "moto1";
        QTest::newRow("entrar con el tabulador") << "" << "tabulador" << "sin fila";
        QTest::newRow("flecha abajo") << "moto1" << "abajo" << "sin fila";
        QTest::newRow("flecha e Intro") << "moto1" << "abajo Intro" << "niños1";
        QTest::newRow("Espacio") << "moto1" << "Espacio" << "moto1";
    }

    void eleccionPorClicOTecla()
    {
        QFETCH(QString, previa);
        QFETCH(QString, accion);
        QFETCH(QString, almacenado);
        abrir();
        QVERIFY(QTest::qWaitForWindowActive(v.get()));
        elegirLocalizador("Furgón d'Aurelio");  // no stored icon: the list keeps its choice
        if (previa.isEmpty())
            v->List1->setCurrentItem(nullptr);
        else
            v->PosicionaListaen(previa);
        v->MyButton1->setFocus();
        for (const QString &paso : accion.split(' ')) {
            if (paso == "clic")
                pulsar(previa);
            else if (paso == "tabulador")
                QTest::keyClick(v->MyButton1, Qt::Key_Backtab);
            else
                QTest::keyClick(v->List1, paso == "abajo" ? Qt::Key_Down : paso == "Intro" ? Qt::Key_Return : Qt::Key_Space);
        }
        QCOMPARE(guardado("Furgón d'Aurelio"), almacenado);
    }

private:
    void abrir()
    {
        v = std::make_unique<frmiconoslocalizadores>();
        v->show();
        eleccionAlMostrar = elegido();
        QVERIFY(Prueba::esperar([this] { return !v->Cargando; }));
        QVERIFY(!v->Cargando && v->Timer1->isActive() && v->Timer1->isSingleShot());
        QVERIFY(Prueba::esperar([this] { return v->Mapa->Cargada(); }));
    }

    void pulsar(const QString &icono)
    {
        const QList<QListWidgetItem *> hay = v->List1->findItems(icono, Qt::MatchExactly);
        QCOMPARE(hay.size(), 1);
        v->List1->scrollToItem(hay.first());
        QTest::mouseClick(v->List1->viewport(), Qt::LeftButton, {}, v->List1->visualItemRect(hay.first()).center());
        QCOMPARE(elegido(), icono);
    }
    std::unique_ptr<CarpetaPrueba> carpeta;
    std::unique_ptr<frmiconoslocalizadores> v;
    QString eleccionAlMostrar;  // List1's choice right after the window showed

    QString enPagina() { return PruebaWeb::evaluar(*v->Mapa, "estadoMapa().archivo").toString(); }
    QString elegido() { return v->List1->currentItem() ? v->List1->currentItem()->text() : QString(); }
    QString guardado(const QString &l) { return IconoGuardado(BaseLocal(), l).value_or("sin fila"); }
    int filas() { return BaseLocal().NumRegistros("SELECT Count(*) FROM LOCALIZADORES"); }
    void elegirLocalizador(const QString &nombre)
    {
        v->cmblocalizadores->setCurrentText(nombre);
        Q_EMIT v->cmblocalizadores->activated(v->cmblocalizadores->currentIndex());
    }
};

VARDEN_TEST_WEB_MAIN(TstFrmIconosLocalizadores)
#include "tst_frmiconoslocalizadores.moc"
