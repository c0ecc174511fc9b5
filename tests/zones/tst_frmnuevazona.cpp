// The zone editor on the real zonas.html page: what it draws, and what it saves.
#include "carpetaprueba.h"
#include "dialogosguion.h"
#include "frmnuevazona.h"
#include "frmrejillazonas.h"
#include "module1.h"
#include "proveedor.h"
#include "puentemapa.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

namespace {
const QString kTitular = QStringLiteral("B11111111");

QString zonaGuardada(const QString &nombre, int columna)
{
    auto rs = Module1::ServidorRemoto().DevuelveRecordset("SELECT * FROM Zonas WHERE [Descripcion zona]='" + nombre + "'");
    return rs ? rs->Texto(columna) : QString();
}

// Opens the editor like the list does, waits for the page and runs both timers at once.
struct Editor {
    frmrejillazonas lista;
    frmnuevazona editor{&lista};
    Editor(bool soloVer, const QString &zona)
    {
        lista.show();
        if (!zona.isEmpty()) {
            for (int f = 0; f < lista.Adodc1->RecordCount(); ++f)
                if (lista.Adodc1->index(f, 1).data().toString() == zona)
                    lista.TDBGrid1->setCurrentIndex(lista.Adodc1->index(f, 1));
            lista.BookmarkZona = lista.FilaActual();
        } else {
            lista.TDBGrid1->setCurrentIndex(lista.Adodc1->index(lista.Adodc1->RecordCount(), 1));
        }
        editor.SoloVer = soloVer;
        editor.ZonaEdicion = zona;
        editor.EsteFrm = &lista;
        editor.show();
    }
    bool listo()
    {
        if (!QTest::qWaitFor([this] { return editor.Puente()->Cargada(); }, 20000))
            return false;
        editor.Timer1_Timer();
        editor.Timer2_Timer();
        return true;
    }
    QVariant evaluar(const QString &js)
    {
        QVariant r;
        bool hecho = false;
        editor.Puente()->Evaluar(js, &editor, [&](const QVariant &v) { r = v, hecho = true; });
        if (!QTest::qWaitFor([&] { return hecho; }, 10000))
            return QVariant();
        return r;
    }
    bool guardar()
    {
        QSignalSpy fin(&editor, &frmnuevazona::GuardadoTerminado);
        editor.btnasignarzona->click();
        return fin.wait(10000) && fin.first().first().toBool();
    }
};
}

class TstFrmNuevaZona : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void nuevaZonaDibujaLasGuardadasYGuarda();
    void guardarSinPoligono();
    void editarReconstruyeLaZona();
    void verTodas();

private:
    std::unique_ptr<CarpetaPrueba> carpeta;
    std::unique_ptr<DialogosGuion> dialogos;
};

void TstFrmNuevaZona::init()
{
    carpeta = std::make_unique<CarpetaPrueba>();
    dialogos = std::make_unique<DialogosGuion>();
    QVERIFY(carpeta->enlazarPaginas());
    QVERIFY(carpeta->crearServicioVacio());
    QVERIFY(CarpetaPrueba::ejecutarEn(RutaServicioDemo(), {
        "INSERT INTO Zonas (TITULAR, [Descripcion zona], [Coor Geo], Area) VALUES ('B11111111', 'Casa', '(40.1,-3.1)(40.2,-3.2)(40.3,-3.1)', '12,5')",
        "INSERT INTO Zonas (TITULAR, [Descripcion zona], [Coor Geo], Area) VALUES ('B11111111', 'Nave <b>O''Donnell</b>', '(40.5,-3.5)(40.6,-3.6)(40.7,-3.5)(40.7,-3.4)', '1234,5')",
        "INSERT INTO MiCiudad VALUES ('B11111111', 'Madrid')",
    }));
    Module1::CodigoTitular = kTitular;
    QVERIFY(carpeta->conectarRemoto());
}

void TstFrmNuevaZona::cleanup()
{
    dialogos.reset();
    carpeta.reset();
}

void TstFrmNuevaZona::nuevaZonaDibujaLasGuardadasYGuarda()
{
    Editor e(false, QString());
    QVERIFY(e.listo());
    const QStringList s = e.editor.SentenciasEnviadas();
    QCOMPARE(s.value(0), QStringLiteral("showAddress(\"Madrid\",15);"));
    QCOMPARE(s.value(1), QStringLiteral("PonerPunto('40.1','-3.1',\"<B>Casa</B> <Br>12,5\");"));
    QCOMPARE(s.value(4), QStringLiteral("DibujaPoligono('#FF00FF');"));
    QVERIFY(s.value(5).startsWith("PonerPunto('40.5','-3.5',\"<B>Nave &lt;b&gt;O&#39;Donnell&lt;/b&gt;</B> <Br>1234,5\");"));
    QCOMPARE(s.count("DibujaPoligono('#FF00FF');"), 2);
    QCOMPARE(s.last(), QStringLiteral("permitiredicion();"));
    QVERIFY(e.editor.frminicio->isHidden());
    // The user draws a triangle: the page keeps its vertices and area in the form.
    for (const char *v : {"simulaleftClick('40.41','-3.70');", "simulaleftClick('40.42','-3.69');", "simulaleftClick('40.40','-3.68');"})
        e.editor.Puente()->Ejecutar(QLatin1String(v), "JavaScript");
    e.editor.txtzona->setText("Almacén");
    QVERIFY(e.guardar());
    QCOMPARE(zonaGuardada("Almacén", 0), kTitular);
    const QString vertices = zonaGuardada("Almacén", 2);
    QCOMPARE(vertices.count(')'), 3);
    QVERIFY2(vertices.startsWith("(40.41,") && vertices.contains("-3.68"), qPrintable(vertices));
    QVERIFY(zonaGuardada("Almacén", 3).contains(','));
    QVERIFY(!zonaGuardada("Almacén", 3).contains('.'));
    QCOMPARE(e.lista.Adodc1->RecordCount(), 3);
    QVERIFY(dialogos->mensajes.isEmpty());
}

void TstFrmNuevaZona::guardarSinPoligono()
{
    Editor e(false, QString());
    QVERIFY(e.listo());
    QVERIFY(!e.guardar());
    QCOMPARE(dialogos->textos(), QStringList{"No hay configurada ninguna Zona"});
    e.editor.Puente()->Ejecutar("simulaleftClick('40.41','-3.70');", "JavaScript");
    e.editor.Puente()->Ejecutar("simulaleftClick('40.42','-3.69');", "JavaScript");
    QVERIFY(!e.guardar());
    QCOMPARE(dialogos->textos().last(), QStringLiteral("La zona debe estar formada por un polígono de al menos tres vértices"));
    e.editor.Puente()->Ejecutar("simulaleftClick('40.40','-3.68');", "JavaScript");
    QVERIFY(!e.guardar());  // no name
    QCOMPARE(dialogos->textos().last(), QStringLiteral("Debe especificar un nombre para la zona."));
    QCOMPARE(Module1::ServidorRemoto().NumRegistros("SELECT Count(*) FROM Zonas"), 2);
}

void TstFrmNuevaZona::editarReconstruyeLaZona()
{
    Editor e(false, "Casa");
    QVERIFY(e.listo());
    const QStringList s = e.editor.SentenciasEnviadas();
    QVERIFY(!s.join('\n').contains("<B>Casa</B>"));
    QCOMPARE(s.count("DibujaPoligono('#FF00FF');"), 1);
    QCOMPARE(s.mid(s.size() - 4), (QStringList{"simulaleftClick('40.1','-3.1');", "simulaleftClick('40.2','-3.2');",
                                               "simulaleftClick('40.3','-3.1');", "permitiredicion();"}));
    QVERIFY(!e.editor.txtzona->isEnabled());
    QCOMPARE(e.editor.txtzona->text(), QStringLiteral("Casa"));
    e.editor.Puente()->Ejecutar("simulaleftClick('40.35','-3.0');", "JavaScript");
    QVERIFY(e.guardar());
    QCOMPARE(zonaGuardada("Casa", 2).count(')'), 4);
    QCOMPARE(Module1::ServidorRemoto().NumRegistros("SELECT Count(*) FROM Zonas"), 2);
}

void TstFrmNuevaZona::verTodas()
{
    Editor e(true, QString());
    e.lista.txtciudad->setText("Sevilla");  // typed, not saved
    QVERIFY(e.listo());
    QVERIFY(e.editor.btnasignarzona->isHidden());
    QVERIFY(e.editor.panelprincipal->isHidden());
    QCOMPARE(e.editor.pnlzonas->text(), QStringLiteral("Zonas de Sevilla"));
    QCOMPARE(e.editor.SentenciasEnviadas().value(0), QStringLiteral("showAddress(\"Madrid\",15);"));
    QCOMPARE(e.editor.SentenciasEnviadas().count("DibujaPoligono('#FF00FF');"), 2);
    QCOMPARE(e.evaluar("document.getElementById('leyenda') ? document.getElementById('leyenda').innerHTML : 'x'").toString(), QString());
}

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TstFrmNuevaZona t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_frmnuevazona.moc"
