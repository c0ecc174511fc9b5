#include "fechastexto.h"
#include "regional.h"

#include <QtTest>

class TstRegional : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void formatos()
    {
        QCOMPARE(Regional::FechaCorta(QDate(2010, 3, 5)), QStringLiteral("05/03/2010"));
        QCOMPARE(Regional::FechaGeneral(QDateTime(QDate(2010, 3, 5), QTime(7, 4, 9))), QStringLiteral("05/03/2010 7:04:09"));
        QCOMPARE(Regional::FechaGeneral(QDateTime(QDate(2010, 3, 5), QTime(0, 0))), QStringLiteral("05/03/2010"));
        QCOMPARE(Regional::FechaLarga(QDate(2011, 1, 1)), QStringLiteral("sábado, 1 de enero de 2011"));
        QCOMPARE(Regional::HoraCorta(QTime(7, 4, 59)), QStringLiteral("07:04"));
        QCOMPARE(Regional::NombreMes(9), QStringLiteral("septiembre"));
    }

    // The date-to-text forms of the SQL texts, on the same dates.
    void fechasTexto_data()
    {
        QTest::addColumn<QDateTime>("fecha");
        QTest::addColumn<QString>("dma");
        QTest::addColumn<QString>("mdaHora");
        QTest::newRow("un dígito") << QDateTime(QDate(2010, 3, 5), QTime(7, 4, 9)) << "05/03/2010" << "03/05/2010 07:04:09";
        QTest::newRow("fin de año") << QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59)) << "31/12/1999" << "12/31/1999 23:59:59";
    }

    void fechasTexto()
    {
        QFETCH(QDateTime, fecha);
        QFETCH(QString, dma);
        QFETCH(QString, mdaHora);
        const QString mda = mdaHora.left(10);
        QCOMPARE(ConvFechaDMA(fecha.date()), dma);
        QCOMPARE(ConvFechayHora(fecha), mdaHora);
        QCOMPARE(ConvFecha(fecha.date()), mda);
        QCOMPARE(ConvFecha1(fecha.date()), mda);
        QCOMPARE(ConvFecha2(mda), dma);
        QCOMPARE(ConvFechayHora(QDateTime()), QString());
        QCOMPARE(ConvFecha1(QDate()), QString());
    }

    void numeros_data()
    {
        QTest::addColumn<double>("valor");
        QTest::addColumn<QString>("estandar");
        QTest::newRow("millones") << 1234567.0 << "1.234.567,00";
        QTest::newRow("negativo") << -1234.567 << "-1.234,57";
        QTest::newRow("menos cero") << -0.001 << "0,00";
    }

    void numeros()
    {
        QFETCH(double, valor);
        QFETCH(QString, estandar);
        QCOMPARE(Regional::NumeroEstandar(valor), estandar);
    }

    // Numbers typed with either decimal mark, thousands included.
    void leerNumero_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<double>("valor");  // 0: unreadable
        QTest::newRow("punto") << "40.4168" << 40.4168;
        QTest::newRow("negativo con coma") << "-3,7038" << -3.7038;
        QTest::newRow("miles y coma") << "1.234,5" << 1234.5;
        QTest::newRow("miles y punto") << "1,234.5" << 1234.5;
        QTest::newRow("vacio") << "" << 0.0;
        QTest::newRow("basura") << "abc" << 0.0;
    }

    void leerNumero()
    {
        QFETCH(QString, texto);
        QFETCH(double, valor);
        bool leido = valor == 0;
        QCOMPARE(Regional::LeerNumero(texto, &leido), valor);
        QCOMPARE(leido, valor != 0);
    }

    void esFecha_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QDateTime>("valor");  // invalid: not a date
        QTest::newRow("corta") << "05/03/2010" << QDateTime(QDate(2010, 3, 5), QTime(0, 0));
        QTest::newRow("sin ceros") << "5/3/2010" << QDateTime(QDate(2010, 3, 5), QTime(0, 0));
        QTest::newRow("con segundos") << "05/03/2010 08:30:15" << QDateTime(QDate(2010, 3, 5), QTime(8, 30, 15));
        QTest::newRow("guiones") << "05-03-2010" << QDateTime(QDate(2010, 3, 5), QTime(0, 0));
        QTest::newRow("anio corto") << "05/03/10" << QDateTime(QDate(2010, 3, 5), QTime(0, 0));
        QTest::newRow("anio corto 1900") << "05/03/75" << QDateTime(QDate(1975, 3, 5), QTime(0, 0));
        QTest::newRow("solo hora") << "23:59" << QDateTime(QDate(1899, 12, 30), QTime(23, 59));
        QTest::newRow("bisiesto") << "29/02/2012" << QDateTime(QDate(2012, 2, 29), QTime(0, 0));
        QTest::newRow("30 de febrero") << "30/02/2010" << QDateTime();
        QTest::newRow("hora 24") << "24:00" << QDateTime();
        QTest::newRow("minuto 60") << "10:60" << QDateTime();
        QTest::newRow("blancos") << "   " << QDateTime();
        QTest::newRow("texto") << "mañana" << QDateTime();
        QTest::newRow("separadores mezclados") << "05/03-2010" << QDateTime();
    }

    void esFecha()
    {
        QFETCH(QString, texto);
        QFETCH(QDateTime, valor);
        QCOMPARE(Regional::EsFecha(texto), valor.isValid());
        QDateTime leido;
        QCOMPARE(Regional::LeerFechaHora(texto, leido), valor.isValid());
        if (valor.isValid())
            QCOMPARE(leido, valor);
    }

    void dateSerial_data()
    {
        QTest::addColumn<int>("anio");
        QTest::addColumn<int>("mes");
        QTest::addColumn<int>("dia");
        QTest::addColumn<QDate>("fecha");
        QTest::newRow("dia 0") << 2010 << 3 << 0 << QDate(2010, 2, 28);
        QTest::newRow("mes 13") << 2010 << 13 << 1 << QDate(2011, 1, 1);
        QTest::newRow("mes -1") << 2010 << -1 << 15 << QDate(2009, 11, 15);
        QTest::newRow("dia 32") << 2010 << 1 << 32 << QDate(2010, 2, 1);
    }

    void dateSerial()
    {
        QFETCH(int, anio);
        QFETCH(int, mes);
        QFETCH(int, dia);
        QFETCH(QDate, fecha);
        QCOMPARE(Regional::DateSerial(anio, mes, dia), fecha);
    }
};

QTEST_GUILESS_MAIN(TstRegional)
#include "tst_regional.moc"
