// Either calendar in use (picks, grey days, month and year buttons: the date, month, outline and events
// they leave) and read back from a stored control. Every row runs on the control its name starts with.
#include "kvcalen.h"
#include "minicalendar.h"

#include <QLabel>
#include <QToolButton>
#include <QtTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {
// The control the running row names.
RejillaMes *crear(QWidget *padre)
{
    if (QByteArray(QTest::currentDataTag()).startsWith("KV"))
        return new KVCalen(padre);
    return new MiniCalendar(padre);
}
QString mesMostrado(const RejillaMes *r) { return QDate(r->Anio(), r->Mes(), 1).toString(u"yyyy-MM"_s); }

// The date a use starts on and the FechaActual it leaves; what is done (cN click cell N; L R U D E(nter)
// S(pace) < > keys; a longer word clicks that button); then the month on show, the day the selection
// outline is on (0 hidden) and the events (Click(the day held when raised), CambiaAnio, CambiaMes).
struct Uso {
    QDate desde, fecha;
    QString acciones, mostrado;
    int contorno;
    QString avisos;
};
}
Q_DECLARE_METATYPE(Uso)

class tst_rejillames : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void usar_data()
    {
        QTest::addColumn<Uso>("uso");
        for (const char *c : {"KV", "Mini"}) {
            auto fila = [c](const char *nombre) -> QTestData & { return QTest::addRow("%s %s", c, nombre); };
            fila("clic en un día") << Uso{{2010, 8, 5}, {2010, 8, 15}, "c20", "2010-08", 15, "Click(15)"};
            fila("días grises") << Uso{{2010, 8, 5}, {2010, 8, 5}, "c0 c5 c37 c41", "2010-08", 5, ""};
            fila("flechas y Enter") << Uso{{2010, 3, 5}, {2010, 3, 13}, "R D E", "2010-03", 13, "Click(13)"};
            fila("no salen del mes") << Uso{{2010, 3, 31}, {2010, 3, 30}, "R D L E", "2010-03", 30, "Click(30)"};
            fila("arriba hasta el 1") << Uso{{2010, 9, 8}, {2010, 9, 1}, "U U E S", "2010-09", 1, "Click(1) Click(1)"};
        }
        // KVCalen: a new month has no day (FechaActual reads the last day of the month before) and the
        // first arrow takes the 1st.
        QTest::newRow("KV página abajo") << Uso{{2010, 3, 5}, {2010, 4, 1}, "> L E", "2010-04", 1, "CambiaMes Click(1)"};
        QTest::newRow("KV página arriba") << Uso{{2010, 1, 5}, {2009, 11, 30}, "< E", "2009-12", 0, "CambiaAnio CambiaMes"};
        QTest::newRow("KV a enero") << Uso{{2010, 12, 5}, {2010, 12, 31}, "btnmasmes", "2011-01", 0, "CambiaAnio CambiaMes"};
        QTest::newRow("KV fin del rango") << Uso{{9999, 12, 5}, {9999, 11, 30}, "btnmasmes", "9999-12", 0, ""};
        QTest::newRow("KV inicio del rango") << Uso{{100, 1, 5}, {99, 12, 31}, "btnmenosmes", "0100-01", 0, ""};
        QTest::newRow("KV año siguiente") << Uso{{2012, 2, 29}, {2013, 1, 31}, u"btnmasaño"_s, "2013-02", 0, "CambiaAnio"};
        QTest::newRow("KV año anterior") << Uso{{2012, 2, 29}, {2011, 1, 31}, u"btnmenosaño"_s, "2011-02", 0, "CambiaAnio"};
        // The date picker: navigation picks nothing; btnmasaño / btnmenosaño move the month, XPButton2 /
        // XPButton1 the year, and only XPButton1 leaves the outline on the day number.
        QTest::newRow("Mini página abajo") << Uso{{2010, 9, 14}, {2010, 10, 13}, "> L E", "2010-10", 13, "Click(13)"};
        QTest::newRow("Mini página arriba") << Uso{{2010, 1, 5}, {2009, 12, 5}, "< E", "2009-12", 5, "Click(5)"};
        QTest::newRow("Mini mes siguiente") << Uso{{2010, 9, 14}, {2010, 9, 14}, u"btnmasaño"_s, "2010-10", 0, ""};
        QTest::newRow("Mini a diciembre") << Uso{{2010, 1, 14}, {2010, 1, 14}, u"btnmenosaño"_s, "2009-12", 0, ""};
        QTest::newRow("Mini año siguiente") << Uso{{2010, 9, 14}, {2010, 9, 14}, "XPButton2", "2011-09", 0, ""};
        QTest::newRow("Mini año anterior") << Uso{{2010, 9, 14}, {2010, 9, 14}, "XPButton1", "2009-09", 14, ""};
        QTest::newRow("Mini sin 29") << Uso{{2024, 2, 29}, {2024, 2, 29}, "XPButton1", "2023-02", 0, ""};
    }
    void usar()
    {
        QFETCH(Uso, uso);
        const auto contenedor = std::make_unique<QWidget>();
        RejillaMes *r = crear(contenedor.get());
        auto *kv = qobject_cast<KVCalen *>(r);
        r->setFechaActual(uso.desde);
        r->setGeometry(0, 0, 700, 500);
        contenedor->show();
        QVERIFY(QTest::qWaitForWindowExposed(contenedor.get()));
        QStringList vistos;
        connect(r, &RejillaMes::Click, this, [&] { vistos << u"Click(%1)"_s.arg(r->FechaActual().day()); });
        if (kv) {
            connect(kv, &KVCalen::CambiaAnio, this, [&] { vistos << u"CambiaAnio"_s; });
            connect(kv, &KVCalen::CambiaMes, this, [&] { vistos << u"CambiaMes"_s; });
        }
        const QMap<QChar, Qt::Key> teclas{{'L', Qt::Key_Left}, {'R', Qt::Key_Right}, {'U', Qt::Key_Up}, {'D', Qt::Key_Down},
                                          {'E', Qt::Key_Return}, {'S', Qt::Key_Space}, {'<', Qt::Key_PageUp}, {'>', Qt::Key_PageDown}};
        for (const QString &a : uso.acciones.split(' ')) {
            if (a.size() == 1)
                QTest::keyClick(r, teclas.value(a[0]));
            else if (a[0] == 'c' && a[1].isDigit())
                QTest::mouseClick(r, Qt::LeftButton, {}, r->RectanguloCelda(a.mid(1).toInt()).center());
            else
                QTest::mouseClick(r->findChild<QToolButton *>(a), Qt::LeftButton);
        }
        QCOMPARE(vistos.join(' '), uso.avisos);
        QCOMPARE(r->FechaActual(), uso.fecha);
        QCOMPARE(mesMostrado(r), uso.mostrado);
        QCOMPARE(r->findChild<QLabel *>(u"lblaño"_s)->text().toInt(), uso.mostrado.left(4).toInt());
        const QWidget *contorno = r->findChild<QWidget *>(kv ? u"Cursor"_s : u"CursorHoy"_s);
        const int celda = r->CeldaEn(contorno->geometry().center());
        QCOMPARE(contorno->isHidden() ? 0 : r->DiaEnCelda(celda), uso.contorno);
    }
    void guardado_data()
    {
        QTest::addColumn<QVariantMap>("guardado");
        QTest::addColumn<QString>("leido");   // the month on show, Dia, FechaActual
        const QDate hoy = QDate::currentDate(), d(2010, 9, 14);
        const QString mes = hoy.toString(u"yyyy-MM"_s);
        QTest::newRow("KV vacío") << QVariantMap() << mes + u" 0 "_s + hoy.addDays(-hoy.day()).toString(Qt::ISODate);
        QTest::newRow("KV fecha") << QVariantMap{{u"FechaActual"_s, d}, {u"Dia"_s, 14}} << "2010-09 14 2010-09-14";
        QTest::newRow("KV fuera de rango") << QVariantMap{{u"Mes"_s, 13}, {u"Año"_s, 20000}, {u"Dia"_s, 40}} << "9999-12 31 9999-12-31";
        QTest::newRow("KV mes 0") << QVariantMap{{u"Mes"_s, 0}, {u"Año"_s, 2010}} << "2010-01 0 2009-12-31";
        QTest::newRow("Mini vacío") << QVariantMap() << mes + u" 0 "_s + hoy.toString(Qt::ISODate);
        QTest::newRow("Mini fuera de rango") << QVariantMap{{u"Mes"_s, 14}, {u"Año"_s, -5}, {u"Dia"_s, 40}, {u"FechaActual"_s, d}} << "0100-12 31 2010-09-14";
        QTest::newRow("Mini año y mes 0") << QVariantMap{{u"Año"_s, 0}, {u"Mes"_s, 0}, {u"Dia"_s, 3}, {u"FechaActual"_s, d}} << "2010-09 3 2010-09-14";
    }
    void guardado()
    {
        QFETCH(QVariantMap, guardado);
        QFETCH(QString, leido);
        const std::unique_ptr<RejillaMes> r(crear(nullptr)), otro(crear(nullptr));
        r->LeerPropiedades(guardado);
        QCOMPARE(mesMostrado(r.get()) + u" %1 "_s.arg(r->Dia()) + r->FechaActual().toString(Qt::ISODate), leido);
        otro->LeerPropiedades(r->GuardarPropiedades());   // what is stored reads back the same
        QCOMPARE(otro->GuardarPropiedades(), r->GuardarPropiedades());
    }
    void selectorGuardado()
    {
        MiniCalendar mini;
        mini.LeerPropiedades({{u"BackColor"_s, int(0x8000000F)}, {u"FechaActual"_s, QDate(2010, 9, 14)}});   // a signed colour
        mini.findChild<QToolButton *>(u"btnmasaño"_s)->click();
        QCOMPARE(mini.GuardarPropiedades(), (QVariantMap{{u"Año"_s, 2010}, {u"Mes"_s, 10}, {u"Dia"_s, 0},
                                                          {u"FechaActual"_s, QDate(2010, 9, 14)}, {u"BackColor"_s, 0x8000000Fu}}));
        QStringList textos{mini.findChild<QLabel *>(u"lblmes"_s)->text()};
        for (int i = 0; i < 7; ++i)
            textos << mini.findChild<QLabel *>(u"lblsemana(%1)"_s.arg(i))->text();
        QCOMPARE(textos.join(' '), u"octubre Lun Mar Mier Jue Vie Sab Dom"_s);
        QCOMPARE(mini.findChild<QToolButton *>(u"XPButton1"_s)->accessibleName(), u"Año anterior"_s);
    }
};

QTEST_MAIN(tst_rejillames)
#include "tst_rejillames.moc"
