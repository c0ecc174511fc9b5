// The statistics window's report, chart and zone map buttons, driven through their control names;
// the zone map text and frmzonas drawing it in the real page engine.
#include "archivoinforme.h"
#include "carpetaprueba.h"
#include "dialogosguion.h"
#include "frmestadisticas.h"
#include "frmzonas.h"
#include "mapazonas.h"
#include "module1.h"
#include "proveedor.h"
#include "puentemapa.h"

#include <QBarCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QWebEngineView>
#include <QtTest>

using Module1::BaseLocal;

namespace {
const QString kTitular = "B11111111";
const QString kImei = "100000000000001";
const QString kNaveA = "Nave 'A' <sig> & 2";
const QString kContornoAlmacen = "(40.41,-3.71)(40.42,-3.71)(40.42,-3.72)";
const QString kContornoNave = "(40.43,-3.69)(40.44,-3.69)(40.44,-3.70)(40.43,-3.70)";

void posiciones(const QDateTime &desde, int n, const QString &zona)
{
    for (int i = 0; i < n; ++i)
        QVERIFY(BaseLocal().Execute(QStringLiteral("INSERT INTO DATOS (IMEI, FECHA, LATITUD, LONGITUD, VELOCIDAD, "
                                                   "INFORMACION, ZONA) VALUES('%1','%2','40.4','-3.7','12','','%3')")
                                        .arg(kImei, desde.addSecs(i).toString("MM/dd/yyyy HH:mm:ss"),
                                             QString(zona).replace("'", "''"))) == 1);
}

template <typename F> bool esperar(F listo, int ms = 20000)
{
    QElapsedTimer t;
    t.start();
    while (!listo() && t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return listo();
}

// Clicks a button and hands every modal window it opens to alAbrir, which answers true once it
// is done with it; the window is then closed. Answers the class names of the windows opened.
QStringList pulsarConModal(QPushButton *b, std::function<bool(QWidget *)> alAbrir)
{
    QStringList abiertas;
    QTimer t;
    t.setInterval(30);
    QObject::connect(&t, &QTimer::timeout, &t, [&] {
        QWidget *w = QApplication::activeModalWidget();
        if (!w)
            return;
        const QString clase = QString::fromLatin1(w->metaObject()->className());
        if (abiertas.isEmpty() || abiertas.last() != clase)
            abiertas << clase;
        if (alAbrir(w))
            w->close();
    });
    t.start();
    QTest::mouseClick(b, Qt::LeftButton);
    return abiertas;
}
}

class TstBotonesEstadisticas : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void informeSinEstadistica();
    void informeDeZonas();
    void graficasSegunResultado_data();
    void graficasSegunResultado();
    void textoMapa();
    void coordenadasConComillas();
    void mapaDibujaZonas();

private:
    std::unique_ptr<CarpetaPrueba> carpeta;
    std::unique_ptr<DialogosGuion> guion;
    std::unique_ptr<frmestadisticas> ventana(int tipo);
};

void TstBotonesEstadisticas::init()
{
    carpeta = std::make_unique<CarpetaPrueba>();
    guion = std::make_unique<DialogosGuion>();
    QVERIFY(carpeta->crearBaseLocal());
    QVERIFY(carpeta->crearServicioVacio());
    QVERIFY(carpeta->enlazarPaginas());
    QStringList filas;
    filas << QString("INSERT INTO LOCALIZADORES (TITULAR, NOMBRE, DESCRIPCION) VALUES('%1','%2','Furgoneta')")
                 .arg(kTitular, kImei);
    filas << QString("INSERT INTO Zonas (TITULAR, [Descripcion zona], [Coor Geo], Area) VALUES('%1','Almacén','%2','1,00')")
                 .arg(kTitular, kContornoAlmacen);
    filas << QString("INSERT INTO Zonas (TITULAR, [Descripcion zona], [Coor Geo], Area) VALUES('%1','%2','%3','2,00')")
                 .arg(kTitular, QString(kNaveA).replace("'", "''"), kContornoNave);
    filas << QString("INSERT INTO Zonas (TITULAR, [Descripcion zona], [Coor Geo], Area) VALUES('A0000000','Almacén','(1,1)(2,2)(3,3)','0')");
    QVERIFY(CarpetaPrueba::ejecutarEn(RutaServicioDemo(), filas));
    QVERIFY(carpeta->conectarLocal());
    QVERIFY(carpeta->conectarRemoto());
    Module1::CodigoTitular = kTitular;
    Module1::NombreTitular = "Pruebas Norte S.L.";
    const QDate d(2026, 12, 3);
    posiciones(QDateTime(d, QTime(9, 0)), 3, "Almacén");
    posiciones(QDateTime(d, QTime(10, 0)), 2, kNaveA);
    posiciones(QDateTime(d.addDays(1), QTime(15, 0)), 1, "Desconocida");
}

void TstBotonesEstadisticas::cleanup()
{
    guion.reset();
    carpeta.reset();
}

std::unique_ptr<frmestadisticas> TstBotonesEstadisticas::ventana(int tipo)
{
    auto w = std::make_unique<frmestadisticas>();
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get()))
        qWarning("window not exposed");
    if (tipo > 0) {
        w->findChild<QLineEdit *>("txtfecha1")->setText("01/12/2026");
        w->findChild<QLineEdit *>("txtfecha2")->setText("10/12/2026");
        w->findChild<QComboBox *>("DropDownList1")->setCurrentIndex(tipo - 1);
        QTest::mouseClick(w->findChild<QPushButton *>("btnfiltrar"), Qt::LeftButton);
    }
    return w;
}

void TstBotonesEstadisticas::informeSinEstadistica()
{
    auto w = ventana(0);
    QVERIFY(!QFile::exists(ArchivoInforme::Ruta()));
    const QStringList abiertas = pulsarConModal(w->findChild<QPushButton *>("btnvergoogle"), [](QWidget *) { return true; });
    QVERIFY2(abiertas.isEmpty(), qPrintable(abiertas.join(',')));
    QFile f(ArchivoInforme::Ruta());
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray datos = f.readAll();
    QCOMPARE(datos.count("\r\n"), 202);  // header, 200 rows of the initial grid, the final empty line
    QVERIFY(datos.startsWith("\"\";\"\";\"\";\"\";\r\n"));
}

void TstBotonesEstadisticas::informeDeZonas()
{
    auto w = ventana(2);
    QString titulo;
    const QStringList abiertas = pulsarConModal(w->findChild<QPushButton *>("btnvergoogle"), [&](QWidget *m) {
        titulo = m->windowTitle();
        return true;
    });
    QCOMPARE(abiertas, QStringList{"QPrintPreviewDialog"});
    QCOMPARE(titulo, QString("TOTAL LOCALIZACIONES POR ZONAS"));
    DatosInforme d;
    QVERIFY(d.Abrir(ArchivoInforme::Ruta()));
    QCOMPARE(d.Campos.value(25), QString("SubTotal"));
    QCOMPARE(d.Registros.size(), w->Resultado.MaxFilas);
    QCOMPARE(d.Registros.last().value(0), QString("Totales:"));
    QCOMPARE(d.Registros.last().value(25), QString("6"));
}

void TstBotonesEstadisticas::graficasSegunResultado_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("ventana");
    QTest::addColumn<QStringList>("zonas");
    QTest::newRow("dias y horas") << 1 << "frmgraficas" << QStringList();
    QTest::newRow("zonas") << 2 << "frmgraficaszonas" << QStringList{"Almacén", "Desconocida", kNaveA, "Totales:"};
    QTest::newRow("localizadores y zonas") << 3 << "" << QStringList();
}

void TstBotonesEstadisticas::graficasSegunResultado()
{
    QFETCH(int, tipo);
    QFETCH(QString, ventana);
    QFETCH(QStringList, zonas);
    auto w = this->ventana(tipo);
    QCOMPARE(w->Resultado.TipoResultado, tipo);
    QStringList horas, porZona;
    const QStringList abiertas = pulsarConModal(w->findChild<QPushButton *>("btnestadisticas"), [&](QWidget *m) {
        auto categorias = [m](const char *nombre) {
            auto *v = m->findChild<QChartView *>(nombre);
            for (QAbstractAxis *e : v ? v->chart()->axes(Qt::Horizontal) : QList<QAbstractAxis *>())
                if (auto *c = qobject_cast<QBarCategoryAxis *>(e))
                    return c->categories();
            return QStringList();
        };
        horas = categorias(tipo == 1 ? "MSChart1" : "MSChart2");
        if (tipo == 2)
            porZona = categorias("MSChart1");
        return true;
    });
    QCOMPARE(abiertas, ventana.isEmpty() ? QStringList() : QStringList{ventana});
    if (!ventana.isEmpty())
        QCOMPARE(horas.size(), 24);
    QCOMPARE(porZona, zonas);
}

void TstBotonesEstadisticas::textoMapa()
{
    ResultadoEstadistica r;
    r.Llenar(2, {{"Almacén", 9, 3}, {"Puerto", 10, 2}, {"Sin zona", 11, 1}});
    QStringList pedidas;
    const QString texto = MapaZonas::Texto(r, [&](const QString &zona) {
        pedidas << zona;
        if (zona == "Almacén")
            return QString("(40.1,-3.2)(40.3,-3.1)(40.2,-3.4)");
        return zona == "Puerto" ? QString("(41,-2)(41.1,-2)(41.1,-2.1)") : QString();
    });
    QCOMPARE(texto, QString("Almacén|40.1,-3.2)(40.3,-3.1)(40.2,-3.4|3<sig>Puerto|41,-2)(41.1,-2)(41.1,-2.1|2<sig>"));
    QCOMPARE(pedidas, (QStringList{"Almacén", "Puerto", "Sin zona", "Totales:"}));  // the totals row is asked too
    // A name that could end its record travels escaped.
    QCOMPARE(MapaZonas::Registro("A<sig>&B", "(1,2)(3,4)(5,6)", "7"), QString("A&lt;sig>&amp;B|1,2)(3,4)(5,6|7<sig>"));
    QCOMPARE(MapaZonas::Sentencia("Nave 'A'|1,2)(3,4|5<sig>"), QString("visualizamapa('Nave \\'A\\'|1,2)(3,4|5<sig>');"));
}

void TstBotonesEstadisticas::coordenadasConComillas()
{
    auto w = ventana(0);
    QCOMPARE(w->DameCoordenadasZona("Almacén"), kContornoAlmacen);  // the holder's own zone only
    QCOMPARE(w->DameCoordenadasZona(kNaveA), kContornoNave);
    QCOMPARE(w->DameCoordenadasZona("Totales:"), QString());
    const QStringList sql = Module1::ServidorRemoto().TextosEnviados();
    QVERIFY(sql.contains("SELECT [Coor Geo] from Zonas WHERE TITULAR LIKE 'B11111111' and [Descripcion zona]='Almacén'"));
    QVERIFY(sql.contains("SELECT [Coor Geo] from Zonas WHERE TITULAR LIKE 'B11111111' and [Descripcion zona]='Nave ''A'' <sig> & 2'"));
}

void TstBotonesEstadisticas::mapaDibujaZonas()
{
    auto w = ventana(2);
    auto *mapa = w->findChild<QPushButton *>("btnmapa");
    QVERIFY(mapa->isVisible());
    QVariantMap estado;
    QString argumento, etiqueta;
    bool pedido = false;
    const QStringList abiertas = pulsarConModal(mapa, [&](QWidget *m) {
        auto *z = qobject_cast<frmzonas *>(m);
        if (!z)
            return true;
        argumento = z->argumento;
        etiqueta = z->findChild<QLabel *>("Label1")->text();
        if (!pedido && z->Puente()->Cargada()) {
            pedido = true;
            z->Puente()->Evaluar("JSON.stringify(estadoMapa())", z, [&](const QVariant &v) {
                estado = QJsonDocument::fromJson(v.toString().toUtf8()).object().toVariantMap();
            });
        }
        if (!estado.isEmpty() && estado.value("poligonos").toInt() < 2) {  // not drawn yet: ask again
            estado.clear();
            pedido = false;
        }
        return !estado.isEmpty();
    });
    QCOMPARE(abiertas, QStringList{"frmzonas"});
    QCOMPARE(etiqueta, QString("Total Impactos por Zonas"));
    QCOMPARE(argumento, QString("Almacén|40.41,-3.71)(40.42,-3.71)(40.42,-3.72|3<sig>"
                                "Nave 'A' &lt;sig> &amp; 2|40.43,-3.69)(40.44,-3.69)(40.44,-3.70)(40.43,-3.70|2<sig>"));
    QCOMPARE(estado.value("poligonos").toInt(), 2);
    const QStringList textos = estado.value("textos").toStringList();
    QCOMPARE(textos.size(), 2);
    QVERIFY2(textos.join('#').contains("Almacén3 impactos"), qPrintable(textos.join('#')));
    QVERIFY2(textos.join('#').contains(kNaveA + "2 impactos"), qPrintable(textos.join('#')));
}

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TstBotonesEstadisticas prueba;
    return QTest::qExec(&prueba, argc, argv);
}

#include "tst_botonesestadisticas.moc"
