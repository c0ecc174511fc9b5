// Exports: CSV for a Spanish spreadsheet, the XLSX read back by openpyxl, tracks read back by
// gpsbabel, and the save flow (ask before replacing, temporary file renamed, path or reason told).
#include "archivosprueba.h"
#include "dialogosguion.h"
#include "escritorcsv.h"
#include "escritorrecorrido.h"
#include "exportacion.h"
#include "tablaexportada.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QXmlStreamReader>
#include <QtTest>

namespace {
// A grid as the statistics window shows a zones result: two zones and the totals row styled.
std::unique_ptr<QStandardItemModel> Rejilla()
{
    auto m = std::make_unique<QStandardItemModel>(3, 3);
    m->setHorizontalHeaderLabels({"Zona", "9H", "SubTotal"});
    const QList<QStringList> filas{{"Nave; \"1\"", "3", "3"}, {"Almacén", "", "12345"}, {"Totales:", "3", "12348"}};
    QFont negrita;
    negrita.setBold(true);
    for (int f = 0; f < 3; ++f)
        for (int c = 0; c < 3; ++c) {
            auto *i = new QStandardItem(filas[f][c]);
            if (f == 2) {
                i->setForeground(QColor(0, 0, 255));
                i->setBackground(QColor(150, 150, 160));
                i->setFont(negrita);
            }
            m->setItem(f, c, i);
        }
    return m;
}

RecorridoExportado Recorrido()
{
    RecorridoExportado r;
    r.nombre = "Furgoneta ñ (356000000000001)";
    r.localizador = "356000000000001";
    const QDateTime inicio(QDate(2026, 7, 14), QTime(9, 0, 5), Qt::UTC);
    r.puntos = {{inicio, 40.4168, -3.7038, 18.52, "Nave 1", "GPS"},
                {inicio.addSecs(60), 40.4201234, -3.7001, 0, "", ""},
                {inicio.addSecs(3600), 40.43, -3.69, 100.934, "Almacén", ""}};
    return r;
}

// gpsbabel's reading of a file's points (the track's, or the waypoints) as "lat;lon;yyyy/mm/dd;hh:mm:ss", UTC.
QStringList PorGpsbabel(const QString &formato, const QString &ruta, bool track)
{
    const QString estilo = ruta + ".style";
    Prueba::escribirArchivo(estilo, "FIELD_DELIMITER SEMICOLON\nRECORD_DELIMITER NEWLINE\nOFIELD LAT_DECIMAL,\"\",\"%.6f\"\n"
                                    "OFIELD LON_DECIMAL,\"\",\"%.6f\"\nOFIELD GMT_TIME,\"\",\"%Y/%m/%d\"\nOFIELD GMT_TIME,\"\",\"%H:%M:%S\"\n");
    QProcess p;
    p.start(VARDEN_GPSBABEL, {"-i", formato, "-f", ruta, "-x", track ? "transform,wpt=trk,del" : "nuketypes,tracks,routes",
                              "-o", "xcsv,style=" + estilo, "-F", "-"});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {QString::fromUtf8(p.readAllStandardError())};
    return QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

// The speeds of a GPX's track points, from Garmin's extension.
QStringList Velocidades(const QByteArray &gpx)
{
    QXmlStreamReader x(gpx);
    QStringList r;
    while (x.readNextStartElement() || !x.atEnd()) {
        if (x.isStartElement() && x.name() == QLatin1String("speed") &&
            x.namespaceUri() == QLatin1String("http://www.garmin.com/xmlschemas/TrackPointExtension/v2"))
            r << x.readElementText();
        else if (!x.isStartElement())
            x.readNext();
    }
    return r;
}
}

class TstExportacion : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<DialogosGuion> dialogos;

private Q_SLOTS:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        dialogos = std::make_unique<DialogosGuion>();
    }

    void cleanup()
    {
        dialogos.reset();
        dir.reset();
    }

    void celdaCsv_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("campo");
        QTest::newRow("entero") << QStringLiteral("12345") << QStringLiteral("12345");
        QTest::newRow("decimal con punto") << QStringLiteral("40.4168") << QStringLiteral("40,4168");
        QTest::newRow("negativo con coma") << QStringLiteral("-3,70") << QStringLiteral("-3,7");
        QTest::newRow("separador y comillas") << QStringLiteral("Nave; \"1\"") << QStringLiteral("\"Nave; \"\"1\"\"\"");
        QTest::newRow("salto de linea") << QStringLiteral("a\r\nb") << QStringLiteral("\"a\r\nb\"");
        QTest::newRow("IMEI") << QStringLiteral("356000000000001") << QStringLiteral("\"356000000000001\"");
        QTest::newRow("cero delante") << QStringLiteral("0123") << QStringLiteral("\"0123\"");
    }

    void celdaCsv()
    {
        QFETCH(QString, texto);
        QFETCH(QString, campo);
        QCOMPARE(EscritorCsv::Celda(texto), campo);
    }

    void xlsxLeidoPorOpenpyxl()
    {
        const auto m = Rejilla();
        const QString ruta = dir->filePath(QStringLiteral("Estadística.xlsx"));
        dialogos->respuestasArchivo.enqueue(ruta);
        QCOMPARE(Exportacion::ExportarTabla(*m, QStringLiteral("Estadistica Impacto por Zonas"), QStringLiteral("e.xlsx")), ruta);
        QCOMPARE(dialogos->textos(), QStringList{Exportacion::MensajeEscrito(ruta)});
        // Each cell as "value type [bold] [font colour] [solid fill]".
        const char *script = R"(
import sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
ws = wb.active
print(wb.sheetnames, ws.freeze_panes, ws.auto_filter.ref)
for fila in ws.iter_rows():
    print('|'.join(' '.join([repr(c.value), type(c.value).__name__] + (['b'] if c.font.b else [])
        + ([c.font.color.rgb] if c.font.color is not None and c.font.color.type == 'rgb' else [])
        + ([c.fill.fgColor.rgb] if c.fill.fill_type == 'solid' else [])) for c in fila))
)";
        QProcess p;
        p.start(QStringLiteral(VARDEN_PYTHON3), {QStringLiteral("-c"), QString::fromUtf8(script), ruta});
        QVERIFY(p.waitForFinished(60000));
        QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
        const QStringList l = QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(l.size(), 5);
        QCOMPARE(l[0], QStringLiteral("['Estadistica Impacto por Zonas'] A2 A1:C4"));
        QVERIFY2(l[1].startsWith("'Zona' str b"), qPrintable(l[1]));
        // Numbers as numbers, an empty cell as none, the totals as values styled as in the grid.
        QCOMPARE(l[2], QStringLiteral("'Nave; \"1\"' str|3 int|3 int"));
        QCOMPARE(l[3], QStringLiteral("'Almacén' str|None NoneType|12345 int"));
        QCOMPARE(l[4].split(u'|').value(2), QStringLiteral("12348 int b FF0000FF FF9696A0"));
    }

    void guardado_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<bool>("existe");
        QTest::addColumn<int>("respuesta");  // to the question about replacing, 0 when none is asked
        QTest::addColumn<bool>("escrito");
        QTest::newRow("nuevo csv") << QStringLiteral("a.csv") << false << 0 << true;
        QTest::newRow("existe, no reemplazar") << QStringLiteral("a.csv") << true << int(vb::vbNo) << false;
        QTest::newRow("existe, reemplazar xlsx") << QStringLiteral("a.xlsx") << true << int(vb::vbYes) << true;
        QTest::newRow("carpeta inexistente csv") << QStringLiteral("no/hay/a.csv") << false << 0 << false;
        QTest::newRow("carpeta inexistente xlsx") << QStringLiteral("no/hay/a.xlsx") << false << 0 << false;
        QTest::newRow("extension desconocida") << QStringLiteral("a.txt") << false << 0 << false;
        QTest::newRow("cancelado") << QString() << false << 0 << false;
    }

    void guardado()
    {
        QFETCH(QString, nombre);
        QFETCH(bool, existe);
        QFETCH(int, respuesta);
        QFETCH(bool, escrito);
        const QString ruta = nombre.isEmpty() ? QString() : dir->filePath(nombre);
        if (existe)
            QVERIFY(QFile(ruta).open(QIODevice::WriteOnly) && QFile(ruta).size() == 0);
        dialogos->respuestasArchivo.enqueue(ruta);
        if (respuesta)
            dialogos->respuestasMsgBox.enqueue(respuesta);
        const auto m = Rejilla();
        const QString escrita = Exportacion::ExportarTabla(*m, QStringLiteral("t"), QStringLiteral("e.xlsx"));

        QCOMPARE(escrita, escrito ? ruta : QString());
        QStringList esperados;
        if (existe)
            esperados << Exportacion::MensajeReemplazar(ruta);
        if (escrito)
            esperados << Exportacion::MensajeEscrito(ruta);
        // A failed write names the path and a reason; a refused or cancelled one says nothing more.
        const bool fallo = !escrito && !ruta.isEmpty() && respuesta != vb::vbNo;
        const QStringList t = dialogos->textos();
        QCOMPARE(t.size(), esperados.size() + (fallo ? 1 : 0));
        QCOMPARE(t.mid(0, esperados.size()), esperados);
        const QString falloSinMotivo = Exportacion::MensajeFallo(ruta, QString());
        QVERIFY(!fallo || (t.last().startsWith(falloSinMotivo) && t.last().size() > falloSinMotivo.size()));
        if (existe)
            QCOMPARE(QFileInfo(ruta).size() > 0, escrito);
        // Readable by others as any new file, not private as a temporary one.
        if (escrito && !existe)
            QVERIFY(QFileInfo(ruta).permissions() & QFileDevice::ReadOther);
        // Only the target is left in the folder: no temporary file.
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden).size(), escrito || existe ? 1 : 0);
    }

    void recorridoLeidoPorGpsbabel_data()
    {
        QTest::addColumn<QString>("formato");
        QTest::addColumn<bool>("track");
        QTest::newRow("gpx, el track") << QStringLiteral("gpx") << true;
        // The KML's timed points are read as waypoints.
        QTest::newRow("kml, los puntos") << QStringLiteral("kml") << false;
    }

    void recorridoLeidoPorGpsbabel()
    {
        QFETCH(QString, formato);
        QFETCH(bool, track);
        const RecorridoExportado r = Recorrido();
        const QString ruta = dir->filePath(QStringLiteral("recorrido.") + formato);
        const QByteArray datos = formato == QLatin1String("gpx") ? EscritorRecorrido::Gpx(r) : EscritorRecorrido::Kml(r);
        QString error;
        QVERIFY(Exportacion::EscribirBytes(ruta, datos, error));
        QStringList esperadas;
        for (const PuntoRecorrido &p : r.puntos) {
            const QDateTime utc = QDateTime(p.fecha.date(), p.fecha.time(), QTimeZone::systemTimeZone()).toUTC();
            esperadas << QStringList{QString::number(p.latitud, 'f', 6), QString::number(p.longitud, 'f', 6),
                                     utc.toString(QStringLiteral("yyyy/MM/dd")), utc.toString(QStringLiteral("HH:mm:ss"))}.join(u';');
        }
        QCOMPARE(PorGpsbabel(formato, ruta, track), esperadas);
        // gpsbabel leaves the extension alone: the speeds in m/s are read here.
        if (formato == QLatin1String("gpx"))
            QCOMPARE(Velocidades(datos), (QStringList{QStringLiteral("5.144"), QStringLiteral("0.000"), QStringLiteral("28.037")}));
    }

    void recorridoCsv()
    {
        const QList<QByteArray> lineas = EscritorRecorrido::Csv(Recorrido()).split('\n');
        QCOMPARE(lineas.size(), 5);
        QVERIFY(lineas[0].startsWith("\xEF\xBB\xBF\"Localizador\";\"Fecha\";"));
        QCOMPARE(lineas[1], QByteArray("\"356000000000001\";\"14/07/2026 09:00:05\";40,4168;-3,7038;10;\"Nave 1\";\"GPS\"\r"));
        QCOMPARE(lineas[3], QByteArray("\"356000000000001\";\"14/07/2026 10:00:05\";40,43;-3,69;54,5;\"Almac\xC3\xA9n\";\r"));
    }
};

QTEST_MAIN(TstExportacion)
#include "tst_exportacion.moc"
