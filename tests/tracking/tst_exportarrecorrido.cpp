// The playback window with locators by name and the loaded track as a file: the list and the
// read-out show the name, the query and the page keep the IMEI; GPX, KML and CSV hold every row.
#include "archivosprueba.h"
#include "carpetaprueba.h"
#include "dialogosguion.h"
#include "esquema.h"
#include "exportacion.h"
#include "frmdiferido.h"
#include "module1.h"
#include "proveedor.h"
#include "pruebaweb.h"

#include <QtWidgets>

using namespace PruebaWeb;

namespace {
const QString kImei = QStringLiteral("356000000000009");
const QDate kDia = QDate::currentDate().addDays(-2);
constexpr int kFilas = 4;

int Contar(const QString &ruta, const QByteArray &que) { return int(Prueba::leerArchivo(ruta).count(que)); }
}

class TstExportarRecorrido : public QObject {
    Q_OBJECT
    std::unique_ptr<CarpetaPrueba> carpeta;
    std::unique_ptr<DialogosGuion> dialogos;
    std::unique_ptr<frmdiferido> w;
    QTemporaryDir salida;
    template <class T = QLabel> T *hijo(const char *nombre) { return w->findChild<T *>(QLatin1String(nombre)); }

private Q_SLOTS:
    void init()
    {
        carpeta = std::make_unique<CarpetaPrueba>();
        QVERIFY(carpeta->crearBaseLocal() && carpeta->crearServicioVacio() && carpeta->enlazarPaginas());
        QVERIFY(carpeta->conectarLocal() && carpeta->conectarRemoto());
        dialogos = std::make_unique<DialogosGuion>();
        Module1::CodigoTitular = QStringLiteral("B11111111");
        QVERIFY(CarpetaPrueba::ejecutarEn(RutaServicioDemo(), {QStringLiteral(
            "INSERT INTO LOCALIZADORES (TITULAR, NOMBRE, DESCRIPCION) VALUES ('B11111111', '%1', 'Grúa 7')").arg(kImei)}));
        QStringList sql;
        for (int i = 0; i < kFilas; ++i)
            sql << QStringLiteral("INSERT INTO DATOS (IMEI, FECHA, LATITUD, LONGITUD, VELOCIDAD, ZONA) VALUES "
                                  "('%1', '%2', '40.4%3', '-3.7', '12', 'Nave 1')")
                       .arg(kImei, QDateTime(kDia, QTime(8, i)).toString("yyyy-MM-dd HH:mm:ss")).arg(i);
        QVERIFY(CarpetaPrueba::ejecutarEn(RutaBaseLocal(), sql));
        w = std::make_unique<frmdiferido>();
        w->show();
        QVERIFY(esperar([&] { return w->Mapa()->Cargada(); }));
    }

    void cleanup()
    {
        w.reset();
        dialogos.reset();
        carpeta.reset();
    }

    void nombreEnPantallaImeiEnConsultaYPagina()
    {
        auto *lista = hijo<QListWidget>("lbldiferido");
        QCOMPARE(lista->count(), 1);
        QCOMPARE(lista->item(0)->text(), "Grúa 7 (" + kImei + ")");
        QVERIFY(hijo("sspanelcaption")->text().startsWith(" El localizador Grúa 7 (" + kImei + ") ha registrado 1 "));
        hijo<QAbstractButton>("btninicia")->click();
        QVERIFY(hijo<QGroupBox>("frmmapa")->isVisible());
        QCOMPARE(hijo("lbllocalizadorseguimiento")->text(), "Grúa 7 (" + kImei + ")");
        const QStringList enviados = Module1::BaseLocal().TextosEnviados();
        QVERIFY(std::any_of(enviados.begin(), enviados.end(), [](const QString &s) {
            return s.startsWith("SELECT * FROM DATOS WHERE IMEI='" + kImei + "' AND FECHA BETWEEN ");
        }));
        QMetaObject::invokeMethod(hijo<QTimer>("timerdiferido"), "timeout");
        vaciarCola(*w->Mapa());
        const QString etiqueta = evaluar(*w->Mapa(), "lecturaPunto().textContent").toString();
        QVERIFY2(etiqueta.contains(kImei) && !etiqueta.contains("Grúa"), qPrintable(etiqueta));
    }

    void exportarRecorrido()
    {
        hijo<QAbstractButton>("btninicia")->click();
        QMetaObject::invokeMethod(hijo<QTimer>("timerdiferido"), "timeout");  // the cursor moved: all rows still go
        const QString gpx = salida.filePath("r.gpx"), kml = salida.filePath("r.kml"), csv = salida.filePath("r.csv");
        dialogos->respuestasArchivo << gpx << kml << csv;
        for (int i = 0; i < 3; ++i)
            hijo<QPushButton>("btnexportar")->click();
        QCOMPARE(dialogos->textos(), (QStringList{Exportacion::MensajeEscrito(gpx), Exportacion::MensajeEscrito(kml),
                                                  Exportacion::MensajeEscrito(csv)}));
        QCOMPARE(Contar(gpx, "<trkpt "), kFilas);
        QCOMPARE(Contar(gpx, "<name>Grúa 7 (" + kImei.toUtf8() + ")</name>"), 1);
        QCOMPARE(Contar(kml, "<when>"), kFilas);
        QCOMPARE(Contar(csv, "\r\n\"" + kImei.toUtf8() + "\";"), kFilas);
    }
};

VARDEN_TEST_WEB_MAIN(TstExportarRecorrido)
#include "tst_exportarrecorrido.moc"
