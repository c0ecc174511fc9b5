#include "dialogos.h"
#include "dialogosguion.h"
#include "entorno.h"

#include <QtTest>

class TstDialogos : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Scripted answers first; without one, the default button.
    void guion()
    {
        DialogosGuion g;
        g.respuestasMsgBox.enqueue(vb::vbNo);
        g.respuestasInputBox.enqueue(QStringLiteral("B123"));
        QCOMPARE(MsgBox(QStringLiteral("¿Seguro?"), vb::vbYesNo + vb::vbQuestion, QStringLiteral("Atención")), vb::vbNo);
        QCOMPARE(InputBox(QStringLiteral("Código")), QStringLiteral("B123"));
        QCOMPARE(g.sinRespuesta, 0);
        QCOMPARE(MsgBox(QStringLiteral("a"), vb::vbYesNo + vb::vbDefaultButton2), vb::vbNo);
        QCOMPARE(MsgBox(QStringLiteral("b"), vb::vbYesNo), vb::vbYes);
        QVERIFY(InputBox(QStringLiteral("d")).isEmpty());
        QCOMPARE(g.sinRespuesta, 3);
        QCOMPARE(g.mensajes[0].estilo, vb::vbYesNo + vb::vbQuestion);
        QCOMPARE(g.mensajes[0].titulo, QStringLiteral("Atención"));
        QCOMPARE(g.textos(), (QStringList{"¿Seguro?", "a", "b"}));
        QCOMPARE(g.preguntas, (QStringList{"Código", "d"}));
    }

    void guionSeRetira()
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

    void relojRestauraPuntero()
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
};

QTEST_MAIN(TstDialogos)
#include "tst_dialogos.moc"
