// KVCalen: stored values and captions, events, day records and the boxes of its cells.
#include "kvcalen.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <memory>

using namespace Qt::StringLiterals;

class tst_kvcalen : public QObject {
    Q_OBJECT
    std::unique_ptr<QWidget> contenedor;
    KVCalen *cal = nullptr;
    const QFont fuente{u"DejaVu Serif"_s, 13};   // the container's
    QStringList eventos;                          // each signal with the draw count it saw
    void anotar(const QString &senal) { eventos << senal + '@' + QString::number(cal->VecesDibujado()); }
    template <typename T = QWidget> T *hijo(const QString &nombre) { return cal->findChild<T *>(nombre); }

private Q_SLOTS:
    void init()
    {
        contenedor = std::make_unique<QWidget>();
        contenedor->setFont(fuente);
        cal = new KVCalen(contenedor.get());
        cal->setGeometry(0, 0, 700, 500);
        contenedor->show();
        QVERIFY(QTest::qWaitForWindowExposed(contenedor.get()));
        eventos.clear();
        connect(cal, &KVCalen::CambiaAnio, this, [this] { anotar(u"CambiaAnio"_s); });
        connect(cal, &KVCalen::CambiaMes, this, [this] { anotar(u"CambiaMes"_s); });
        connect(cal, &KVCalen::Click, this, [this] { anotar(u"Click"_s); });
    }
    void valoresGuardados()
    {
        // The values derived from a stored date (Dia 0: FechaActual is the month before's last day), the fonts inherited.
        cal->LeerPropiedades({{u"FechaActual"_s, QDate(2010, 3, 5)}});
        const QVariantMap m = cal->GuardarPropiedades();
        QStringList pares;
        for (const QString &k : {u"Año"_s, u"Mes"_s, u"Dia"_s, u"FechaActual"_s, u"FechaActualSQL"_s, u"TotalDiasMesActual"_s})
            pares << k + '=' + m[k].toString();
        for (const QString &k : {u"Font"_s, u"FontAño"_s, u"FontDias"_s, u"FontMes"_s})
            pares << k + (m[k].value<QFont>() == fuente ? u"=contenedor"_s : u"=?"_s);
        QCOMPARE(pares.join(' '), u"Año=2010 Mes=3 Dia=0 FechaActual=2010-02-28 FechaActualSQL=3/0/2010 TotalDiasMesActual=31 "
                                  "Font=contenedor FontAño=contenedor FontDias=contenedor FontMes=contenedor"_s);
        QVERIFY(eventos.isEmpty());   // loading raises no events
        const QFont f(u"DejaVu Sans"_s, 15);   // the captions show what is read
        cal->LeerPropiedades({{u"FechaActual"_s, QDate(2010, 3, 5)}, {u"DiasLargos"_s, true}, {u"FontAño"_s, f}});
        QVERIFY(hijo<QLabel>(u"lblaño"_s)->font() == f && hijo<QLabel>(u"lbldia(2)"_s)->text() == u"Miércoles"_s);
        cal->setDiasLargos(false);
        QCOMPARE(hijo<QLabel>(u"lbldia(2)"_s)->text() + hijo<QLabel>(u"lbldia(5)"_s)->text() + hijo<QLabel>(u"lblmes"_s)->text(),
                 u"MiéSábmarzo"_s);
    }
    void cadaValorGuardadoVuelve_data()
    {
        QTest::addColumn<QString>("clave");
        QVariantMap tabla{{u"Font"_s, {}}};   // the table's keys and the widget's font
        PropiedadesKVCalen(QFont()).Guardar(tabla);
        for (const QString &clave : tabla.keys())
            QTest::newRow(qPrintable(clave)) << clave;
    }
    void cadaValorGuardadoVuelve()
    {
        QFETCH(QString, clave);
        cal->LeerPropiedades({});
        const QVariantMap inicial = cal->GuardarPropiedades();
        const QVariant v = inicial[clave];
        const QVariant otro = v.typeId() == QMetaType::Bool    ? QVariant(!v.toBool())
                              : v.typeId() == QMetaType::QFont ? QVariant(QFont(u"DejaVu Sans Mono"_s, 9))
                              : v.typeId() == QMetaType::Int   ? QVariant(v.toInt() ^ 1)
                                                               : QVariant(v.toUInt() ^ 0x010203u);
        cal->LeerPropiedades({{clave, otro}});
        QVariantMap esperado = inicial;
        esperado[clave] = otro;
        QCOMPARE(cal->GuardarPropiedades(), esperado);   // that key only
        cal->LeerPropiedades({});
        QCOMPARE(cal->GuardarPropiedades(), inicial);      // and back to its default
    }
    void fechaActual()
    {
        const QWidget *hoy = hijo(u"CursorHoy"_s);   // on today's cell, hidden in other months
        QCOMPARE(cal->DiaEnCelda(cal->CeldaEn(hoy->geometry().center())), QDate::currentDate().day());
        QVERIFY(cal->FechaActual() == QDate::currentDate() && !hoy->isHidden());
        cal->setFechaActual(QDate(2010, 3, 5));
        QVERIFY(hoy->isHidden());
        eventos.clear();
        const int antes = cal->VecesDibujado();
        cal->setFechaActual(QDate(2011, 7, 9));    // both before the month is drawn
        cal->setFechaActual(QDate(2011, 8, 31));   // same year: CambiaMes only; same month: nothing
        cal->setFechaActual(QDate(2011, 8, 20));
        cal->setFechaActual(QDate());              // ignored
        QCOMPARE(eventos.join(' '), u"CambiaAnio@%1 CambiaMes@%1 CambiaMes@%2"_s.arg(antes).arg(antes + 1));
        QVERIFY(cal->RectanguloCelda(19).contains(hijo(u"Cursor"_s)->geometry()));   // August 2011 starts in cell 0
        cal->setFechaActual(QDate(2012, 3, 31));
        cal->setMes(2);   // the day stays inside the month
        QCOMPARE(cal->FechaActual(), QDate(2012, 2, 29));
        cal->setAnio(2013);
        cal->setMes(13);
        QCOMPARE(cal->FechaActual(), QDate(2013, 12, 28));
        const int dibujos = cal->VecesDibujado();   // a click draws before it raises Click
        QTest::mouseClick(cal, Qt::LeftButton, {}, cal->RectanguloCelda(20).topLeft() + QPoint(4, 4));
        QCOMPARE(eventos.last(), u"Click@%1"_s.arg(dibujos + 1));
    }
    void registrosDelDia()
    {
        cal->setFechaActual(QDate(2010, 3, 5));
        const QDate d(2010, 3, 10);   // cell 9
        const int antes = cal->VecesDibujado();
        for (int i = -3500; i <= 3500; ++i)
            cal->PonColorFondoCelda(d.addDays(i), 0xFED7CD);
        cal->PonColorDigito(d, 0xC0C0C1);
        cal->PonerTexto(d, u"t"_s, ObjetoCelda::CajaTexto);
        cal->PonerFondoColorTexto(d, 4, ObjetoCelda::CajaTexto);
        cal->PonerColorPrimerPlanoTexto(d, 5, ObjetoCelda::CajaTexto);
        cal->PonerTexto(d, u"i"_s, ObjetoCelda::EtiquetaIzquierda, true);
        cal->PonerTexto(d, u"d"_s, ObjetoCelda::EtiquetaDerecha);
        cal->PonerVisible(d, true, ObjetoCelda::VisibleChequeo);
        QImage imagen(2, 2, QImage::Format_RGB32);
        imagen.fill(Qt::blue);
        cal->PonerImagen(d, imagen);
        QCOMPARE(cal->Registros().Valor(d, Ranura::Clave).toString(), u"21983"_s);  // days from 1 January 1950
        QCOMPARE(*cal->Registros().Buscar(d), (RegistroDia{QVariant(), 0xFED7CDu, 0xC0C0C1u, u"t"_s, 4u, 5u, true, u"i"_s, {}, {},
                                                           false, u"d"_s, {}, {}, true, {}, true, imagen}));
        QCOMPARE(cal->DevuelveTexto(d) + cal->DevuelveEtiqueta1(d) + cal->DevuelveEtiqueta2(d), u"tid"_s);
        cal->QuitarImagen(d);
        QVERIFY(!cal->Registros().Valor(d, Ranura::Imagen).isValid());
        QCOMPARE(QList<qint64>({cal->VecesDibujado(), cal->Celda(9).colorFondo}), QList<qint64>({antes, 0xC0FFFF}));   // not drawn
        cal->Refresh();
        QCOMPARE(QList<qint64>({cal->Celda(9).colorFondo, cal->Registros().Cantidad()}), QList<qint64>({0xFED7CD, 7001}));
    }
    void controlesDeCelda()
    {
        cal->setFechaActual(QDate(2010, 3, 5));
        const QDate d(2010, 3, 9);   // cell 8
        QStringList avisos;   // the date and value raised, and the value stored by then
        connect(cal, &KVCalen::CeldaChequeada, this,
                [&](const QDate &f, int v) { avisos << f.toString(Qt::ISODate) + u" %1 %2"_s.arg(v).arg(cal->DevuelveChequeado(f)); });
        cal->ChequearCelda(d, 1);
        cal->setVisiblesTodosChequeos(true);   // drawing sets the boxes without reporting them
        auto *marca = hijo<QCheckBox>(u"Check1(8)"_s);
        QVERIFY(!marca->isHidden() && marca->checkState() == Qt::Checked && hijo(u"Check1(41)"_s)->isHidden());
        QTest::mouseClick(marca, Qt::LeftButton);   // the user unticks it
        QCOMPARE(avisos, QStringList({u"2010-03-09 1 0"_s, u"2010-03-09 0 1"_s}));   // raised before storing
        QCOMPARE(cal->DevuelveChequeado(d), 0);
        cal->PonerVisible(d, false, ObjetoCelda::VisibleChequeo);
        cal->PonerTexto(QDate(2010, 3, 10), u"visita"_s, ObjetoCelda::CajaTexto);    // cell 9, shown
        cal->PonerTexto(QDate(2010, 3, 11), u"oculto"_s, ObjetoCelda::CajaTexto, true);
        cal->setVisiblesTodasCajasTexto(true);   // a record's own slot wins
        QVERIFY(marca->isHidden() && hijo(u"Text1(10)"_s)->isHidden() && !hijo(u"Text1(11)"_s)->isHidden());
        auto *caja = hijo<QLineEdit>(u"Text1(9)"_s);
        QCOMPARE(caja->text(), u"visita"_s);
        caja->selectAll();   // Enter stores what the user typed
        QTest::keyClicks(caja, u"revisado"_s);
        QTest::keyClick(caja, Qt::Key_Return);
        QCOMPARE(cal->DevuelveTexto(QDate(2010, 3, 10)), u"revisado"_s);
    }
};

QTEST_MAIN(tst_kvcalen)
#include "tst_kvcalen.moc"
