// The zone editor's decisions without a screen; the zone list and the editor (on zonas.html) wired to them.
#include "carpetaprueba.h"
#include "dialogosguion.h"
#include "edicionzona.h"
#include "frmnuevazona.h"
#include "frmrejillazonas.h"
#include "geometriazona.h"
#include "intercambiozonas.h"
#include "module1.h"
#include "proveedor.h"
#include "pruebaweb.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

using EdicionZona::Zona;
using namespace PruebaWeb;

namespace {
const QString kTitular = QStringLiteral("B11111111");
const QString kPoligono = QStringLiteral("DibujaPoligono('#FF00FF');");

// The first column of every row the query finds on the service.
QStringList leer(const QString &sql)
{
    QStringList r;
    for (auto rs = Module1::ServidorRemoto().DevuelveRecordset(sql); rs && !rs->Eof(); rs->MoveNext())
        r << rs->Texto(0);
    return r;
}
QStringList zonas() { return leer("SELECT [Descripcion zona] FROM Zonas ORDER BY IdZona"); }
QString columna(const QString &col, const QString &zona)
{
    return leer("SELECT " + col + " FROM Zonas WHERE [Descripcion zona]='" + zona + "'").value(0);
}
QString punto(const QString &lat, const QString &lon, const QString &etiqueta)
{
    return "PonerPunto('" + lat + "','" + lon + "',\"" + etiqueta + "\");";
}

// The zone editor as the list opens it for a grid row (the last row is a new zone). The page's load
// starts Timer1 (5 s); the test runs its handler at once, and so that of Timer2 (8 s, one shot).
struct Editor {
    frmrejillazonas lista;
    frmnuevazona editor{&lista};
    Editor(bool soloVer, int fila, const QString &zona = QString())
    {
        lista.TDBGrid1->setCurrentIndex(lista.Adodc1->index(fila, 1));
        lista.BookmarkZona = fila;
        editor.SoloVer = soloVer, editor.ZonaEdicion = zona, editor.EsteFrm = &lista;
        editor.show();
    }
    bool arrancar()
    {
        const bool t1 = esperar([this] { return editor.Timer1->isActive(); }) && editor.Timer1->interval() == 5000;
        editor.Timer1_Timer();
        const bool t2 = !editor.Timer1->isActive() && editor.Timer2->isActive() && editor.Timer2->interval() == 8000;
        editor.Timer2_Timer();
        return t1 && t2 && !editor.Timer2->isActive();
    }
    void clic(const char *la, const char *lo) { editor.Puente()->Ejecutar(QStringLiteral("simulaleftClick('%1','%2');").arg(la, lo)); }
    bool guardar()
    {
        QSignalSpy fin(&editor, &frmnuevazona::GuardadoTerminado);
        editor.btnasignarzona->click();
        return esperar([&] { return !fin.isEmpty(); }) && fin.first().first().toBool();
    }
};
}

class TstZonas : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup() { dialogos.reset(), carpeta.reset(); }
    void dibujar_data();
    void dibujar();
    void rechazo_data();
    void rechazo();
    void lista();
    void grabarCiudad_data();
    void grabarCiudad();
    void editorGuarda();
    void area_data();
    void area();
    void editorVerTodas();
    void editarUnaDeDosIguales();
    void herramientasPagina();
    void importar();

private:
    SinRed sinRed;
    std::unique_ptr<CarpetaPrueba> carpeta;
    std::unique_ptr<DialogosGuion> dialogos;
};

void TstZonas::init()
{
    carpeta = std::make_unique<CarpetaPrueba>();
    dialogos = std::make_unique<DialogosGuion>();
    QVERIFY(carpeta->enlazarPaginas() && carpeta->crearServicioVacio());
    QVERIFY(CarpetaPrueba::ejecutarEn(RutaServicioDemo(), {
        "INSERT INTO Zonas (TITULAR, [Descripcion zona], [Coor Geo], Area) VALUES "
        "('B11111111', 'Casa', '(40.1,-3.1)(40.2,-3.2)(40.3,-3.1)', '12,5'), "
        "('B11111111', 'Nave O''Donnell', '(40.5,-3.5)(40.6,-3.6)(40.7,-3.5)', '1234,5'), "
        "('B99999999', 'Ajena', '(1,1)(2,2)(3,1)', '1')",
        "INSERT INTO MiCiudad VALUES ('B11111111', 'Madrid')"}));
    Module1::CodigoTitular = kTitular;
    QVERIFY(carpeta->conectarRemoto());
}

// Vertex list reading: "(" + latitude, longitude as written; the piece after the last ")" is ignored.
void TstZonas::dibujar_data()
{
    QTest::addColumn<QList<Zona>>("zonas");
    QTest::addColumn<int>("registro");
    QTest::addColumn<QStringList>("sentencias");
    const QList<Zona> zonas{{"Casa", "(40.1,-3.1)(40.2, -3.2)(7,8", "12,5"}, {"<b>O'Donnell</b>", "(4'0,-3)", "1,5"}, {"", "", ""}};
    const QString casa = QStringLiteral("<B>Casa</B> <Br>12,5");
    const QStringList casaDibujada{punto("40.1", "-3.1", casa), punto("40.2", " -3.2", casa), kPoligono};
    const QStringList otras{punto("4\\'0", "-3", "<B>&lt;b&gt;O&#39;Donnell&lt;/b&gt;</B> <Br>1,5"), kPoligono, kPoligono};
    QTest::newRow("nueva: todas, datos escapados") << zonas << -1 << casaDibujada + otras;
    // Two records named Casa: the one the list stood on is rebuilt, the other is drawn fixed.
    QTest::newRow("edicion: el registro elegido, no el ultimo de ese nombre")
        << QList<Zona>{{"Casa", "(40.1,-3.1)(40.3, -3)", ""}, zonas[1], zonas[2], zonas[0]} << 0
        << otras + casaDibujada + QStringList{"simulaleftClick('40.1','-3.1');", "simulaleftClick('40.3',' -3');"};
}

void TstZonas::dibujar()
{
    QFETCH(QList<Zona>, zonas);
    QFETCH(int, registro);
    QFETCH(QStringList, sentencias);
    const EdicionZona::Dibujo d = EdicionZona::Dibujar(zonas, registro);
    QCOMPARE(d.sentencias, sentencias);
}

void TstZonas::rechazo_data()
{
    QTest::addColumn<QString>("coordenadas");
    QTest::addColumn<bool>("edicion");
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QString>("mensaje");
    QTest::newRow("sin poligono ni nombre") << "" << false << "" << "No hay configurada ninguna Zona";
    QTest::newRow("dos vertices, sin nombre") << "(1,2)(3,4)(5,6" << false << ""
                                              << "La zona debe estar formada por un polígono de al menos tres vértices";
    QTest::newRow("nueva sin nombre") << "(1,2)(3,4)(5,6)" << false << "" << "Debe especificar un nombre para la zona.";
    QTest::newRow("edicion sin nombre") << "(1,2)(3,4)(5,2)" << true << "" << "";
    QTest::newRow("en linea: vuelve sobre si") << "(1,2)(3,4)(5,6)" << true << ""
                                               << "El contorno se cruza consigo mismo: el lado 1 corta al lado 3 en (1.000000, 2.000000).";
    QTest::newRow("se cruza") << "(0,0)(1,1)(1,0)(0,1)" << true << ""
                              << "El contorno se cruza consigo mismo: el lado 1 corta al lado 3 en (0.500000, 0.500000).";
}

void TstZonas::rechazo()
{
    QFETCH(QString, coordenadas);
    QFETCH(bool, edicion);
    QFETCH(QString, nombre);
    QFETCH(QString, mensaje);
    QCOMPARE(EdicionZona::Rechazo(coordenadas, edicion, nombre), mensaje);
}

// The data control's writes by position (new, changed, deleted zones) are checked through the windows.
void TstZonas::lista()
{
    frmrejillazonas f;
    f.show();
    QCOMPARE(f.Adodc1->RecordSource, QStringLiteral("SELECT *  from ZONAS where TITULAR LIKE 'B11111111'"));
    QCOMPARE(f.Adodc1->rowCount(), 3);  // the holder's two zones and the empty new-zone row
    QAbstractItemModelTester tester(f.Adodc1, QAbstractItemModelTester::FailureReportingMode::QtTest);
    // Area on the ellipsoid and vertices: Casa is a triangle of 0.2 degrees of latitude (22.2 km) by
    // 0.1 of longitude (8.5 km at 40.2 N), about 94.5 km².
    QCOMPARE(f.Adodc1->index(0, 6).data().toInt(), 3);
    const QString superficie = f.Adodc1->index(0, 5).data().toString();
    QVERIFY2(QRegularExpression("^(9[45])\\.\\d{3}\\.\\d{3} m²$").match(superficie).hasMatch(), qPrintable(superficie));
    // The search box hides the zones whose name does not hold the text; the new-zone row stays.
    f.txtbuscar->setText("o'don");
    QCOMPARE((QList<bool>{f.TDBGrid1->isRowHidden(0), f.TDBGrid1->isRowHidden(1), f.TDBGrid1->isRowHidden(2)}),
             (QList<bool>{true, false, false}));
    f.txtbuscar->clear();
    QVERIFY(!f.TDBGrid1->isRowHidden(0));
    // The city read at load is kept; "Grabar" saves the box: the insert refused, the update naming it.
    QCOMPARE(f.txtciudad->text(), QStringLiteral("Madrid"));
    f.txtciudad->setText("A Coruña'");
    Prueba::hijo<QPushButton>(f, "MyButton2")->click();
    const QStringList sql = Module1::ServidorRemoto().TextosEnviados();
    QCOMPARE(sql.mid(sql.size() - 2), (QStringList{"Insert into MiCiudad Values('B11111111','A Coruña''')",
                                                   "Update Miciudad SET [Mi Ciudad]='A Coruña''' where titular='B11111111'"}));
    QCOMPARE(leer("SELECT [Mi Ciudad] FROM MiCiudad"), QStringList{"A Coruña'"});
    QCOMPARE(f.ElCodigoPostal, QStringLiteral("Madrid"));
    // Delete asks first; No keeps the zone.
    f.TDBGrid1->setCurrentIndex(f.Adodc1->index(1, 1));
    dialogos->respuestasMsgBox << vb::vbNo << vb::vbYes;
    QTest::keyClick(f.TDBGrid1, Qt::Key_Delete);
    QCOMPARE(zonas().size(), 3);
    Prueba::hijo<QPushButton>(f, "btneliminarzona")->click();  // the visible button asks the same
    QCOMPARE(zonas(), (QStringList{"Casa", "Ajena"}));
    // A wildcard in the holder's code stands for itself: no other holder's zones.
    Module1::CodigoTitular = "B1111111_";
    QCOMPARE(frmrejillazonas().Adodc1->rowCount(), 1);
    // A holder without zones: "Ver todas" opens nothing and says so.
    Module1::CodigoTitular = "B00000000";
    Prueba::hijo<QPushButton>(frmrejillazonas(), "MyButton1")->click();
    const QString pregunta = QStringLiteral("¿Seguro que quiere eliminar esta zona?");
    QCOMPARE(dialogos->textos(),
             (QStringList{"Se grabó el nombre de la ciudad", pregunta, pregunta, "No hay todavía zonas asignadas"}));
    const QList<MensajeMostrado> &m = dialogos->mensajes;
    QCOMPARE(QList<int>({m[0].estilo, m[1].estilo, m[3].estilo}), QList<int>({vb::vbExclamation, 52, vb::vbExclamation}));
    QCOMPARE(m[1].titulo, QStringLiteral("Atención"));
}

void TstZonas::grabarCiudad_data()
{
    QTest::addColumn<QString>("titular");
    QTest::addColumn<QStringList>("averia");  // run on the service first
    QTest::addColumn<QString>("mensaje");
    QTest::addColumn<QStringList>("ciudades");
    const QString hecho = "Se grabó el nombre de la ciudad";
    const QString fallo = "No se ha podido grabar el nombre de la ciudad en el servidor: ";
    QTest::newRow("sin fila: la inserta") << "B00000000" << QStringList{} << hecho << QStringList{"Madrid", "Toledo"};
    QTest::newRow("cambio rehusado") << kTitular
        << QStringList{"CREATE TRIGGER t BEFORE UPDATE ON MiCiudad BEGIN SELECT RAISE(ABORT, 'ciudad bloqueada'); END"}
        << fallo + "ciudad bloqueada" << QStringList{"Madrid"};
    QTest::newRow("sin tabla") << kTitular << QStringList{"DROP TABLE MiCiudad"}
        << fallo + "no such table" << QStringList{};
}

void TstZonas::grabarCiudad()
{
    QFETCH(QString, titular);
    QFETCH(QStringList, averia);
    QFETCH(QString, mensaje);
    QFETCH(QStringList, ciudades);
    QVERIFY(CarpetaPrueba::ejecutarEn(RutaServicioDemo(), averia));
    Module1::CodigoTitular = titular;
    frmrejillazonas f;
    f.txtciudad->setText("Toledo");
    Prueba::hijo<QPushButton>(f, "MyButton2")->click();
    QCOMPARE(dialogos->textos().size(), 1);
    QVERIFY2(dialogos->textos()[0].startsWith(mensaje), qPrintable(dialogos->textos()[0]));
    if (!averia.contains("DROP TABLE MiCiudad"))
        QCOMPARE(leer("SELECT [Mi Ciudad] FROM MiCiudad ORDER BY [Mi Ciudad]"), ciudades);
}

void TstZonas::editorGuarda()
{
    Editor nueva(false, 2);
    QVERIFY(nueva.arrancar());
    // A triangle drawn on the page: refused without a name, nothing written; saved with one.
    nueva.clic("40.41", "-3.70"), nueva.clic("40.42", "-3.69"), nueva.clic("40.40", "-3.68");
    QVERIFY(!nueva.guardar());
    QCOMPARE(dialogos->textos(), QStringList{"Debe especificar un nombre para la zona."});
    nueva.editor.txtzona->setText("Almacén");
    // A fourth vertex that makes the outline cross itself: refused, naming where.
    nueva.clic("40.425", "-3.675");
    QVERIFY(!nueva.guardar());
    QCOMPARE(dialogos->textos().last(),
             QStringLiteral("El contorno se cruza consigo mismo: el lado 2 corta al lado 4 en (40.416923, -3.688462)."));
    QVERIFY(columna("[Coor Geo]", "Almacén").isEmpty());
    nueva.editor.Puente()->Ejecutar(QStringLiteral("quitarultimo();"));
    QVERIFY(nueva.guardar());
    QCOMPARE(columna("TITULAR", "Almacén"), kTitular);
    QCOMPARE(columna("[Coor Geo]", "Almacén"), QStringLiteral("(40.41,-3.70)(40.42,-3.69)(40.40,-3.68)"));
    QCOMPARE(nueva.lista.Adodc1->RecordCount(), 3);
    // Editing: the zone rebuilt from its vertices and its row written under its name.
    Editor e(false, 0, "Casa");
    QVERIFY(e.arrancar());
    QCOMPARE(e.editor.SentenciasEnviadas().mid(9), (QStringList{"simulaleftClick('40.1','-3.1');", "simulaleftClick('40.2','-3.2');",
                                                                "simulaleftClick('40.3','-3.1');", "permitiredicion();"}));
    e.clic("40.35", "-3.0");
    QVERIFY(e.guardar());
    QCOMPARE(columna("[Coor Geo]", "Casa"), QStringLiteral("(40.1,-3.1)(40.2,-3.2)(40.3,-3.1)(40.35,-3.0)"));
    QCOMPARE(zonas().size(), 4);
}

void TstZonas::area_data()
{
    QTest::addColumn<QString>("cambios");   // run on the page
    QTest::addColumn<QString>("contorno");  // the vertex list after them
    const QString tres = "clicEnMapa(L.latLng(40.41,-3.7));clicEnMapa(L.latLng(40.42,-3.69));"
                         "clicEnMapa(L.latLng(40.4,-3.68));";
    QTest::newRow("triangulo") << tres << "(40.41,-3.7)(40.42,-3.69)(40.4,-3.68)";
    QTest::newRow("vertice arrastrado") << tres + "vertices[2].marcador.setLatLng([40.39,-3.675]).fire('drag');"
                                        << "(40.41,-3.7)(40.42,-3.69)(40.39,-3.675)";
    QTest::newRow("ultimo vertice quitado") << tres + "quitarultimo();" << "(40.41,-3.7)(40.42,-3.69)";
}

// The area under the map and the one stored are the zone list's (on the ellipsoid), in square
// metres to the hundredth: "." under the map, "," stored.
void TstZonas::area()
{
    QFETCH(QString, cambios);
    QFETCH(QString, contorno);
    Editor e(false, 2);
    QVERIFY(e.arrancar());
    PuenteMapa &p = *e.editor.Puente();
    p.Ejecutar(cambios);
    const double metros = GeometriaZona(*GeometriaZona::Leer(contorno)).AreaMetros();
    const QString esperada = QString::number(std::round(metros * 100) / 100, 'g', 15);
    auto mostrada = [&] { return evaluar(p, "document.getElementById('status').textContent").toString(); };
    esperar([&] { return mostrada() == esperada; });
    const QString vertices = evaluar(p, "document.forms[0].elements['Coordenadas'].value").toString();
    QCOMPARE(vertices + ' ' + mostrada(), contorno + ' ' + esperada);
    e.editor.txtzona->setText("Medida");
    QCOMPARE(e.guardar(), metros > 0);
    QCOMPARE(columna("Area", "Medida"), metros > 0 ? QString(esperada).replace('.', ',') : QString());
}

void TstZonas::editorVerTodas()
{
    Editor e(true, 0);
    e.lista.txtciudad->setText("Sevilla");  // typed, not saved: the map looks for the city read at load
    QVERIFY(e.arrancar());
    QCOMPARE(e.editor.SentenciasEnviadas().first(), QStringLiteral("showAddress(\"Madrid\",15);"));
    QCOMPARE(e.editor.pnlzonas->text(), QStringLiteral("Zonas de Sevilla"));
    QCOMPARE(e.editor.SentenciasEnviadas().count(kPoligono), 2);
    QCOMPARE(evaluar(*e.editor.Puente(), "document.getElementById('leyenda').innerHTML").toString(), QString());
}

// Editing the first of two zones named Casa and saving it unchanged keeps both outlines.
void TstZonas::editarUnaDeDosIguales()
{
    QVERIFY(CarpetaPrueba::ejecutarEn(RutaServicioDemo(), {
        "INSERT INTO Zonas (TITULAR, [Descripcion zona], [Coor Geo], Area) VALUES "
        "('B11111111', 'Casa', '(41.1,-4.1)(41.2,-4.2)(41.3,-4.1)(41.2,-4.0)', '3')"}));
    const QString sql = "SELECT [Coor Geo] FROM Zonas WHERE [Descripcion zona]='Casa' ORDER BY IdZona";
    const QStringList antes = leer(sql);
    QCOMPARE(antes.size(), 2);
    Editor e(false, 0, "Casa");
    QVERIFY(e.arrancar());
    // The second Casa is drawn as a fixed polygon; the first is rebuilt from its own vertices.
    QVERIFY(e.editor.SentenciasEnviadas().contains(punto("41.1", "-4.1", "<B>Casa</B> <Br>3")));
    QVERIFY(e.editor.SentenciasEnviadas().contains("simulaleftClick('40.1','-3.1');"));
    QVERIFY(e.guardar());
    QCOMPARE(leer(sql), antes);
}

// The page's drawing tools: undo and redo, removing the last vertex, snapping to a stored zone's
// vertex, circle and rectangle; labels of zones drawn on top of each other are not both shown.
void TstZonas::herramientasPagina()
{
    QVERIFY(CarpetaPrueba::ejecutarEn(RutaServicioDemo(), {
        "INSERT INTO Zonas (TITULAR, [Descripcion zona], [Coor Geo], Area) VALUES "
        "('B11111111', 'Casa bis', '(40.1,-3.1)(40.2,-3.2)(40.3,-3.1)', '12,5')"}));
    Editor e(false, 3);
    QVERIFY(e.arrancar());
    PuenteMapa &p = *e.editor.Puente();
    QCOMPARE(evaluar(p, "estadoMapa().etiquetasVisibles").toInt(), 2);  // Casa and Casa bis share a place
    auto clic = [&](const char *lat, const char *lon) { p.Ejecutar(QStringLiteral("clicEnMapa(L.latLng(%1,%2));").arg(lat, lon)); };
    auto coordenadas = [&] { return evaluar(p, "document.forms[0].elements['Coordenadas'].value").toString(); };
    p.Ejecutar("mapa.setView([40.41, -3.69], 14, {animate: false});");
    clic("40.41", "-3.70"), clic("40.42", "-3.69"), clic("40.40", "-3.68");
    QCOMPARE(coordenadas(), QStringLiteral("(40.41,-3.7)(40.42,-3.69)(40.4,-3.68)"));
    p.Ejecutar("deshacer(); deshacer();");
    QCOMPARE(coordenadas(), QStringLiteral("(40.41,-3.7)"));
    p.Ejecutar("rehacer();");
    QCOMPARE(coordenadas(), QStringLiteral("(40.41,-3.7)(40.42,-3.69)"));
    p.Ejecutar("quitarultimo();");
    QCOMPARE(coordenadas(), QStringLiteral("(40.41,-3.7)"));
    p.Ejecutar("deshacer();");
    QCOMPARE(coordenadas(), QStringLiteral("(40.41,-3.7)(40.42,-3.69)"));
    // A click a hair away from a stored zone's vertex takes that vertex.
    clic("40.3000001", "-3.0999999");
    QCOMPARE(coordenadas(), QStringLiteral("(40.41,-3.7)(40.42,-3.69)(40.3,-3.1)"));
    p.Ejecutar("elegirHerramienta('rectangulo');");
    clic("40.41", "-3.70"), clic("40.43", "-3.66");
    QCOMPARE(coordenadas(), QStringLiteral("(40.41,-3.7)(40.43,-3.7)(40.43,-3.66)(40.41,-3.66)"));
    // A circle of 1 km: 64 vertices, as far from the centre as the edge that was clicked.
    p.Ejecutar("elegirHerramienta('circulo');");
    clic("40.41", "-3.70"), clic("40.419", "-3.70");
    const auto circulo = GeometriaZona::Leer(coordenadas());
    QVERIFY(circulo && circulo->size() == 64);
    const GeometriaZona g(*circulo);
    QVERIFY2(std::abs(g.AreaMetros() / (M_PI * 999.4 * 999.4) - 1) < 0.01, qPrintable(QString::number(g.AreaMetros())));
    QVERIFY(g.Contiene(40.41, -3.70) && !g.Contiene(40.42, -3.70) && g.Defecto().isEmpty());
    e.editor.txtzona->setText("Círculo");
    QVERIFY(e.guardar());
    QCOMPARE(columna("[Coor Geo]", "Círculo").count(')'), 64);
}

// A file with a new zone, one named like a stored zone and a crossing one: the stored one replaced
// only when the user says so; the report names what was refused and why.
void TstZonas::importar()
{
    const QString ruta = carpeta->archivo("zonas.kml");
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(IntercambioZonas::Escribir({{"Almacén <2>", "(40.41,-3.7)(40.42,-3.69)(40.4,-3.68)"},
                                        {"CASA", "(41,-3)(41.1,-3)(41.1,-2.9)"},
                                        {"Lazo", "(0,0)(1,1)(0,1)(1,0)"}},
                                       IntercambioZonas::Formato::Kml));
    f.close();
    frmrejillazonas lista;
    lista.show();
    dialogos->respuestasArchivo << ruta << ruta;
    dialogos->respuestasMsgBox << vb::vbNo << vb::vbOK << vb::vbYes << vb::vbYes << vb::vbOK;
    Prueba::hijo<QPushButton>(lista, "btnimportar")->click();
    QCOMPARE(dialogos->textos().value(1), QStringLiteral("Zonas importadas: 1\n  · Almacén <2>\nZonas rechazadas: 2\n"
                                                         "  · Lazo: El contorno se cruza consigo mismo: el lado 1 corta al lado 3 en (0.500000, 0.500000).\n"
                                                         "  · CASA: ya existe una zona con ese nombre"));
    QCOMPARE(columna("[Coor Geo]", "Casa"), QStringLiteral("(40.1,-3.1)(40.2,-3.2)(40.3,-3.1)"));
    QCOMPARE(columna("[Coor Geo]", "Almacén <2>"), QStringLiteral("(40.41,-3.7)(40.42,-3.69)(40.4,-3.68)"));
    Prueba::hijo<QPushButton>(lista, "btnimportar")->click();  // again: Casa replaced, Almacén <2> asked too
    QCOMPARE(columna("[Coor Geo]", "Casa"), QStringLiteral("(41,-3)(41.1,-3)(41.1,-2.9)"));
    QCOMPARE(zonas(), (QStringList{"CASA", "Nave O'Donnell", "Ajena", "Almacén <2>"}));
}

VARDEN_TEST_WEB_MAIN(TstZonas)
#include "tst_zonas.moc"
