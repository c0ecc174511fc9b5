#include "dialogos.h"
#include "dialogosguion.h"
#include "entorno.h"

#include <QtTest>

class TstDialogos : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void guionResponde();
    void guionSinRespuestaUsaBotonPorDefecto();
    void guionSeRetira();
    void relojRestauraPuntero();
};

void TstDialogos::guionResponde()
{
    DialogosGuion g;
    g.respuestasMsgBox.enqueue(vb::vbNo);
    g.respuestasInputBox.enqueue(QStringLiteral("B123"));
    QCOMPARE(MsgBox(QStringLiteral("¿Seguro?"), vb::vbYesNo + vb::vbQuestion, QStringLiteral("Atención")), vb::vbNo);
    QCOMPARE(InputBox(QStringLiteral("Código")), QStringLiteral("B123"));
    QCOMPARE(g.mensajes.size(), 1);
    QCOMPARE(g.mensajes[0].texto, QStringLiteral("¿Seguro?"));
    QCOMPARE(g.mensajes[0].estilo, 36);
    QCOMPARE(g.mensajes[0].titulo, QStringLiteral("Atención"));
    QCOMPARE(g.preguntas, QStringList{QStringLiteral("Código")});
    QCOMPARE(g.sinRespuesta, 0);
}

void TstDialogos::guionSinRespuestaUsaBotonPorDefecto()
{
    DialogosGuion g;
    QCOMPARE(MsgBox(QStringLiteral("a"), vb::vbYesNo + vb::vbDefaultButton2), vb::vbNo);
    QCOMPARE(MsgBox(QStringLiteral("b"), vb::vbYesNo), vb::vbYes);
    QCOMPARE(MsgBox(QStringLiteral("c"), vb::vbExclamation), vb::vbOK);
    QVERIFY(InputBox(QStringLiteral("d")).isEmpty());
    QCOMPARE(g.sinRespuesta, 4);
}

void TstDialogos::guionSeRetira()
{
    Dialogos *antes = &DialogosActuales();
    {
        DialogosGuion externo;
        {
            DialogosGuion interno;
            QCOMPARE(&DialogosActuales(), static_cast<Dialogos *>(&interno));
        }
        QCOMPARE(&DialogosActuales(), static_cast<Dialogos *>(&externo));
    }
    QCOMPARE(&DialogosActuales(), antes);
}

void TstDialogos::relojRestauraPuntero()
{
    PunteroRaton(vb::vbCustom);
    {
        RelojArena r;
        QCOMPARE(PunteroRatonActual(), vb::vbHourglass);
        QVERIFY(QGuiApplication::overrideCursor());
    }
    QCOMPARE(PunteroRatonActual(), vb::vbCustom);
    QVERIFY(!QGuiApplication::overrideCursor());
}

QTEST_MAIN(TstDialogos)
#include "tst_dialogos.moc"
