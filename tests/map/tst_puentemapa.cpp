#include "argumentosscript.h"
#include "carpetaprueba.h"
#include "entorno.h"
#include "pruebaweb.h"
#include "puentemapa.h"

#include <QDir>
#include <QFile>
#include <QWebEngineView>
#include <memory>

using namespace PruebaWeb;

namespace {
// A page that records what is done to it.
const char *const paginaPrueba = R"HTML(<!DOCTYPE html>
<html><head><meta charset="utf-8"><script>
window.onerror = function () { return true; };
var registro = [];
function anota(x) { registro.push(x); }
function falla() { throw new Error('fallo a propósito'); }
</script></head>
<body><form><input name="Coordenadas" value="(1,2)"></form>
<div id="status">12.5</div><div id="leyenda"><b>Leyenda</b></div><div id="salida"></div></body></html>
)HTML";

QStringList mensajesQt;
void capturar(QtMsgType, const QMessageLogContext &, const QString &m) { mensajesQt << m; }
}

class TstPuenteMapa : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void colaAntesDeCargarCorreUnaVezYEnOrden();
    void lecturasDeCampoYElementos();
    void sentenciaEjecutadaPermiteUnaEnVuelo();
    void errorDeScriptSilenciadoYSigueLaCola();
    void argumentosLleganComoTexto_data();
    void argumentosLleganComoTexto();
    void cargaFallidaDescartaLaCola();
    void nuevaNavegacionEmpiezaColaNueva();
    void respuestaNoTocaVentanaCerrada();
    void carpetaConBlancosAlmohadillaYPorcentaje();

private:
    std::unique_ptr<CarpetaPrueba> carpeta;
    std::unique_ptr<QWebEngineView> vista;
    PuenteMapa *puente = nullptr;
};

void TstPuenteMapa::init()
{
    carpeta = std::make_unique<CarpetaPrueba>();
    QDir(carpeta->ruta()).mkdir(QStringLiteral("GPS"));
    QFile f(carpeta->archivo(QStringLiteral("GPS/prueba.htm")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(paginaPrueba);
    f.close();
    vista = std::make_unique<QWebEngineView>();
    puente = new PuenteMapa(vista.get());
}

void TstPuenteMapa::cleanup()
{
    vista.reset();
    puente = nullptr;
    carpeta.reset();
}

void TstPuenteMapa::colaAntesDeCargarCorreUnaVezYEnOrden()
{
    QSignalSpy cargada(puente, &PuenteMapa::DocumentoCompleto);
    puente->AbrirPagina(QStringLiteral("prueba.htm"));
    QVERIFY(!puente->Cargada());
    QStringList leidos;
    QObject ctx;
    for (int i = 0; i < 5; ++i) {
        puente->Ejecutar(QStringLiteral("anota(%1);").arg(i), i % 2 ? QStringLiteral("JavaScript") : QString());
        // Each read sees exactly the statements sent before it.
        puente->Evaluar(QStringLiteral("registro.join(',')"), &ctx,
                        [&](const QVariant &v) { leidos << v.toString(); });
    }
    QCOMPARE(puente->Pendientes(), 10);
    QVERIFY(esperar([&] { return leidos.size() == 5; }));
    QCOMPARE(cargada.size(), 1);
    QCOMPARE(cargada.first().first().toBool(), true);
    QCOMPARE(leidos, (QStringList{"0", "0,1", "0,1,2", "0,1,2,3", "0,1,2,3,4"}));
    QCOMPARE(puente->Pendientes(), 0);
    // After the load, statements run directly, still once each.
    puente->Ejecutar(QStringLiteral("anota(5);"));
    QCOMPARE(puente->Pendientes(), 0);
    QCOMPARE(evaluar(*puente, QStringLiteral("registro.join(',')")).toString(), QStringLiteral("0,1,2,3,4,5"));
}

void TstPuenteMapa::lecturasDeCampoYElementos()
{
    puente->AbrirPagina(QStringLiteral("prueba.htm"));
    QString campo, estado, leyenda = QStringLiteral("sin leer"), inexistente = QStringLiteral("sin leer");
    QObject ctx;
    puente->Ejecutar(QStringLiteral("document.forms[0].elements['Coordenadas'].value='(40.1,-3.2)';"));
    puente->LeerCampoFormulario(QStringLiteral("Coordenadas"), &ctx, [&](const QString &v) { campo = v; });
    puente->LeerHtmlElemento(QStringLiteral("status"), &ctx, [&](const QString &v) { estado = v; });
    puente->VaciarElemento(QStringLiteral("leyenda"));
    puente->LeerHtmlElemento(QStringLiteral("leyenda"), &ctx, [&](const QString &v) { leyenda = v; });
    puente->LeerHtmlElemento(QStringLiteral("no-existe"), &ctx, [&](const QString &v) { inexistente = v; });
    QVERIFY(esperar([&] { return inexistente != QStringLiteral("sin leer"); }));
    QCOMPARE(campo, QStringLiteral("(40.1,-3.2)"));
    QCOMPARE(estado, QStringLiteral("12.5"));
    QCOMPARE(leyenda, QString());
    QCOMPARE(inexistente, QString());
    // A field of a form that does not exist answers empty, not an error.
    QString otro = QStringLiteral("x");
    puente->LeerCampoFormulario(QStringLiteral("Coordenadas"), &ctx, [&](const QString &v) { otro = v; }, 3);
    QVERIFY(esperar([&] { return otro.isEmpty(); }));
}

void TstPuenteMapa::sentenciaEjecutadaPermiteUnaEnVuelo()
{
    QVERIFY(abrir(*puente, QStringLiteral("prueba.htm")));
    QSignalSpy ejecutadas(puente, &PuenteMapa::SentenciaEjecutada);
    // A caller that sends the next statement only when the previous one has run.
    int enviadas = 0;
    quint64 enVuelo = 0;
    int maximoEnVuelo = 0, enVueloAhora = 0;
    auto enviar = [&] {
        ++enviadas;
        ++enVueloAhora;
        maximoEnVuelo = std::max(maximoEnVuelo, enVueloAhora);
        enVuelo = puente->Ejecutar(QStringLiteral("anota(%1);").arg(enviadas));
    };
    QObject ctx;
    connect(puente, &PuenteMapa::SentenciaEjecutada, &ctx, [&](quint64 id) {
        QCOMPARE(id, enVuelo);
        --enVueloAhora;
        if (enviadas < 20)
            enviar();
    });
    enviar();
    QVERIFY(esperar([&] { return ejecutadas.size() == 20; }));
    QCOMPARE(maximoEnVuelo, 1);
    QCOMPARE(evaluar(*puente, QStringLiteral("registro.length")).toInt(), 20);
}

void TstPuenteMapa::errorDeScriptSilenciadoYSigueLaCola()
{
    puente->AbrirPagina(QStringLiteral("prueba.htm"));
    mensajesQt.clear();
    QtMessageHandler anterior = qInstallMessageHandler(capturar);
    const int antes = evaluar(*puente, QStringLiteral("window.vardenErroresSilenciados")).toInt();
    QSignalSpy ejecutadas(puente, &PuenteMapa::SentenciaEjecutada);
    const quint64 a = puente->Ejecutar(QStringLiteral("falla();"), QStringLiteral("JavaScript"));
    const quint64 b = puente->Ejecutar(QStringLiteral("noDefinida(1,2);"));
    const quint64 c = puente->Ejecutar(QStringLiteral("ponermapa('a',;"));  // does not even parse
    const quint64 d = puente->Ejecutar(QStringLiteral("setTimeout(falla, 0);anota('despues');"));
    QVERIFY(esperar([&] { return ejecutadas.size() == 4; }));
    // Every error reached the silenced handler, also the one raised later outside any statement.
    auto silenciados = [&] { return evaluar(*puente, QStringLiteral("window.vardenErroresSilenciados")).toInt(); };
    QVERIFY(esperar([&] { return silenciados() == antes + 4; }, 3000));
    qInstallMessageHandler(anterior);
    const quint64 ids[] = {a, b, c, d};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(ejecutadas.at(i).first().toULongLong(), ids[i]);
    QCOMPARE(evaluar(*puente, QStringLiteral("registro.join(',')")).toString(), QStringLiteral("despues"));
    QVERIFY2(mensajesQt.isEmpty(), qPrintable(mensajesQt.join(QLatin1Char('\n'))));
}

void TstPuenteMapa::argumentosLleganComoTexto_data()
{
    QTest::addColumn<QString>("texto");
    QTest::newRow("comilla simple") << QStringLiteral("O'Donnell");
    QTest::newRow("comilla doble") << QStringLiteral("El \"Rápido\"");
    QTest::newRow("barra invertida") << QStringLiteral("C:\\ruta\\n");
    QTest::newRow("salto de línea") << QStringLiteral("línea 1\nlínea 2\r\n") + QChar(0x2028);
    QTest::newRow("markup") << QStringLiteral("<img src=x onerror=\"anota('inyectado')\">");
    QTest::newRow("cierre de llamada") << QStringLiteral("');anota('inyectado');//");
}

void TstPuenteMapa::argumentosLleganComoTexto()
{
    QFETCH(QString, texto);
    QVERIFY(abrir(*puente, QStringLiteral("prueba.htm")));
    for (QChar comilla : {QChar(u'\''), QChar(u'"')}) {
        puente->Ejecutar(QStringLiteral("registro=[];anota(") + comilla + ArgumentoScript(texto, comilla) + comilla +
                         QStringLiteral(");"));
        QCOMPARE(evaluar(*puente, QStringLiteral("registro.length")).toInt(), 1);
        QCOMPARE(evaluar(*puente, QStringLiteral("registro[0]")).toString(), texto);
    }
    // Data escaped for markup shows as text, and nothing in it runs.
    puente->Ejecutar(QStringLiteral("registro=[];document.getElementById('salida').innerHTML='<B>") +
                     ArgumentoScript(EscaparHtml(texto)) + QStringLiteral("</B>';"));
    QString comoHtml = texto; // markup parsing turns \r\n into \n
    comoHtml.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(evaluar(*puente, QStringLiteral("document.getElementById('salida').textContent")).toString(), comoHtml);
    QCOMPARE(evaluar(*puente, QStringLiteral("document.querySelectorAll('#salida *').length")).toInt(), 1);
    QTest::qWait(50);
    QCOMPARE(evaluar(*puente, QStringLiteral("registro.length")).toInt(), 0);
}

void TstPuenteMapa::cargaFallidaDescartaLaCola()
{
    QSignalSpy cargada(puente, &PuenteMapa::DocumentoCompleto);
    QSignalSpy ejecutadas(puente, &PuenteMapa::SentenciaEjecutada);
    bool respondida = false;
    QObject ctx;
    puente->AbrirPagina(QStringLiteral("no-existe.htm"));
    puente->Ejecutar(QStringLiteral("anota(1);"));
    puente->Evaluar(QStringLiteral("1"), &ctx, [&](const QVariant &) { respondida = true; });
    QCOMPARE(puente->Pendientes(), 2);
    QVERIFY(esperar([&] { return !cargada.isEmpty(); }));
    QCOMPARE(cargada.first().first().toBool(), false);
    QCOMPARE(puente->Pendientes(), 0);
    // Sent after the failure: dropped as well, nothing runs on the engine's error page.
    puente->Ejecutar(QStringLiteral("anota(2);"));
    QCOMPARE(puente->Pendientes(), 0);
    QTest::qWait(300);
    QCOMPARE(ejecutadas.size(), 0);
    QVERIFY(!respondida);
    // A new navigation works again.
    QVERIFY(abrir(*puente, QStringLiteral("prueba.htm")));
    QCOMPARE(evaluar(*puente, QStringLiteral("registro.length")).toInt(), 0);
}

void TstPuenteMapa::nuevaNavegacionEmpiezaColaNueva()
{
    puente->AbrirPagina(QStringLiteral("prueba.htm"));
    puente->Ejecutar(QStringLiteral("anota('vieja');"));
    puente->AbrirPagina(QStringLiteral("prueba.htm"));
    QCOMPARE(puente->Pendientes(), 0);
    puente->Ejecutar(QStringLiteral("anota('nueva');"));
    QCOMPARE(evaluar(*puente, QStringLiteral("registro.join(',')")).toString(), QStringLiteral("nueva"));
}

void TstPuenteMapa::respuestaNoTocaVentanaCerrada()
{
    int llamadas = 0;
    auto ventana = std::make_unique<QObject>();
    puente->AbrirPagina(QStringLiteral("prueba.htm"));
    puente->LeerHtmlElemento(QStringLiteral("status"), ventana.get(), [&](const QString &) { ++llamadas; });
    ventana.reset();  // closed before the page loaded
    auto otra = std::make_unique<QObject>();
    bool vista2 = false;
    puente->Evaluar(QStringLiteral("1"), otra.get(), [&](const QVariant &) { vista2 = true; });
    QVERIFY(esperar([&] { return vista2; }));
    QCOMPARE(llamadas, 0);
    // A read already sent to the engine when the window and its view go away.
    puente->LeerHtmlElemento(QStringLiteral("status"), otra.get(), [&](const QString &) { ++llamadas; });
    otra.reset();
    vista.reset();
    QTest::qWait(200);
    QCOMPARE(llamadas, 0);
}

void TstPuenteMapa::carpetaConBlancosAlmohadillaYPorcentaje()
{
    const QString raro = carpeta->archivo(QStringLiteral("mi app #1 %20"));
    QVERIFY(QDir().mkpath(raro + QStringLiteral("/GPS")));
    QVERIFY(QFile::copy(carpeta->archivo(QStringLiteral("GPS/prueba.htm")), raro + QStringLiteral("/GPS/prueba.htm")));
    EstablecerCarpetaAplicacion(raro);
    QVERIFY(abrir(*puente, QStringLiteral("prueba.htm")));
    QCOMPARE(vista->url().toLocalFile(), raro + QStringLiteral("/GPS/prueba.htm"));
    QCOMPARE(evaluar(*puente, QStringLiteral("typeof anota")).toString(), QStringLiteral("function"));
}

VARDEN_TEST_WEB_MAIN(TstPuenteMapa)
#include "tst_puentemapa.moc"
