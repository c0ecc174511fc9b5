// The floating panel of a date box: what asks to close it, and where it opens.
#include "paneldesplegable.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class TstPanelDesplegable : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cierre_data();
    void cierre();
};

namespace {
struct Ventana {
    QDialog d;
    QLineEdit *caja = new QLineEdit(&d);
    QPushButton *otro = new QPushButton(QStringLiteral("Otro"), &d);
    QWidget *panel = new QWidget(&d);
    QPushButton *dentro = new QPushButton(QStringLiteral("Dentro"), panel);
    PanelDesplegable desplegable{panel};
    QString pedido;  // "" none, "caja" or "fuera": where the owner is to leave the focus

    Ventana()
    {
        panel->setObjectName(QStringLiteral("panel"));
        d.resize(400, 400);
        caja->setGeometry(20, 300, 120, 24);  // no room below: the panel opens above
        otro->setGeometry(250, 20, 100, 30);
        panel->resize(200, 150);
        dentro->setGeometry(10, 10, 80, 30);
        panel->hide();
        QObject::connect(&desplegable, &PanelDesplegable::CierrePedido, &d, [this](bool enCaja) {
            pedido = enCaja ? QStringLiteral("caja") : QStringLiteral("fuera");
            panel->hide();
        });
    }
};
}

void TstPanelDesplegable::cierre_data()
{
    QTest::addColumn<QString>("accion");
    QTest::addColumn<QString>("pedido");
    QTest::newRow("Escape en la caja") << "Escape caja" << "fuera";
    QTest::newRow("Escape en el panel") << "Escape panel" << "caja";
    QTest::newRow("clic fuera") << "clic otro" << "fuera";
    QTest::newRow("clic en la caja") << "clic caja" << "";
    QTest::newRow("clic en el panel") << "clic dentro" << "";
    QTest::newRow("foco a otro control") << "foco otro" << "fuera";
    QTest::newRow("foco al panel") << "foco dentro" << "";
}

void TstPanelDesplegable::cierre()
{
    QFETCH(QString, accion);
    QFETCH(QString, pedido);
    Ventana v;
    v.d.show();
    QVERIFY(QTest::qWaitForWindowActive(&v.d));
    v.caja->setFocus();
    v.desplegable.Mostrar(v.caja);
    QVERIFY(v.panel->isVisible() && v.panel->geometry().bottom() < v.caja->geometry().top());
    const QString que = accion.section(' ', 0, 0), donde = accion.section(' ', 1);
    QWidget *w = donde == "caja" ? static_cast<QWidget *>(v.caja) : donde == "otro" ? v.otro : v.dentro;
    if (que == "Escape") {
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Escape);
    } else if (que == "clic") {
        QTest::mouseClick(v.d.windowHandle(), Qt::LeftButton, {}, w->mapTo(&v.d, w->rect().center()));
    } else {
        w->setFocus();
    }
    QCOMPARE(v.pedido, pedido);
    QCOMPARE(v.panel->isVisible(), pedido.isEmpty());
    QVERIFY(v.d.isVisible());  // Escape closed the panel, not the window
}

QTEST_MAIN(TstPanelDesplegable)
#include "tst_paneldesplegable.moc"
