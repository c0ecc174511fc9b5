#include "descargaposiciones.h"

#include "comillas.h"
#include "entorno.h"
#include "fechaflotante.h"
#include "fechastexto.h"
#include "module1.h"
#include "posicionespresentes.h"
#include "regional.h"

#include <QElapsedTimer>

using namespace Module1;

QString SqlCuentaRemota(const QDate &dia, const QString &titular)
{
    return QStringLiteral("SELECT Count(*) from [CONSULTA GPS DETALLE] Where CONVERT(VarChar(100), FECHA, 103) = "
                          "CONVERT(VarChar(100),'") +
           Regional::FechaCorta(dia) + QStringLiteral("', 103) and TITULAR='") + EscaparComillas(titular) + '\'';
}

QString SqlCuentaLocal(const QDate &dia)
{
    return QStringLiteral("SELECT Count(*) from [DATOS] Where CONVERT(nVarChar(100), FECHA, 103) = "
                          "CONVERT(nVarChar(100),'") +
           ConvFechaDMA(dia) + QStringLiteral("', 103)");
}

QString SqlFilasRemotas(const QDate &dia, const QString &titular)
{
    return QStringLiteral("SELECT NOMBRE,FECHA,LATITUD,LONGITUD,VELOCIDAD,INFORMACION,ZONA FROM [CONSULTA GPS DETALLE] "
                          "where  CONVERT(VarChar(100), FECHA, 103) = CONVERT(VarChar(100),'") +
           Regional::FechaCorta(dia) + QStringLiteral("', 103) and TITULAR='") + EscaparComillas(titular) + '\'';
}

namespace {
const QString kInsertarDatos =
    QStringLiteral("INSERT INTO DATOS (IMEI, FECHA, LATITUD, LONGITUD, VELOCIDAD, INFORMACION, ZONA) VALUES(");
}

QString SqlInsertarPreparada() { return kInsertarDatos + QStringLiteral("?,?,?,?,?,?,?)"); }

QVariantList ValoresFila(const FilaDescarga &fila)
{
    QVariantList valores;
    const qsizetype n = fila.valores.size();
    valores.reserve(n);
    for (qsizetype i = 0; i < n; ++i) {
        const QVariant &v = fila.valores[i];
        if (i == 1) {
            // The text carries whole seconds; a missing date stays invalid and the row is refused.
            const QDateTime f = v.toDateTime();
            valores << QVariant(f.isValid() ? f.addMSecs(-f.time().msec()) : f);
        } else {
            // Stored as sent, as text: an empty value (the service's empty or missing text) stays ''.
            const QString c = v.toString();
            valores << QVariant(c.isNull() ? QStringLiteral("") : c);
        }
    }
    return valores;
}

QString SqlInsertarFila(const FilaDescarga &fila)
{
    QString sql = kInsertarDatos + '\'';
    const qsizetype n = fila.valores.size();
    for (qsizetype i = 0; i < n; ++i) {
        // The date and time from its raw value: the row text drops the time at midnight.
        const QString valor = i == 1 ? ConvFechayHora(fila.valores.value(1).toDateTime()) : fila.Campo(i);
        sql += EscaparComillas(valor);
        sql += i + 1 < n ? QStringLiteral("','") : QStringLiteral("')");
    }
    return sql;
}

namespace {
QString textoFalloRemoto(const QString &dia)
{
    return QStringLiteral("No se ha podido leer el servidor el día ") + dia + QStringLiteral(". Descarga detenida.");
}
QString textoFalloLocal(const QString &dia)
{
    return QStringLiteral("No se ha podido grabar el día ") + dia +
           QStringLiteral(" en la base local. Descarga detenida.");
}
}

DescargaPosiciones::Fin DescargaPosiciones::DownLoad()
{
    Descargando = true;
    FechaDescarga = FechaFlotante(QDate::currentDate());
    qint16 DiasSinDatos = 0;
    while (Descargando) {
        const Dia dia = BajarDia();
        if (dia == Dia::FalloRemoto || dia == Dia::FalloLocal)
            return Fin::Fallo;
        DiasSinDatos = dia == Dia::NadaQueBajar ? DiasSinDatos + 1 : 0;
        FechaDescarga = FechaDescarga.addDays(-1);
        vista.Repintar();
        // A Cerrar or close still waiting its turn is heard before another day starts or the
        // month question comes up over a window the user has closed.
        DoEvents();
        if (DiasSinDatos > DiasParaPreguntar) {
            if (!Descargando)
                break;  // Cerrar was pressed during this day: nothing to ask
            if (!vista.PreguntarContinuar())
                return Fin::Rechazada;
            DiasSinDatos = 0;
        }
    }
    return Fin::Detenida;
}

DescargaPosiciones::Dia DescargaPosiciones::BajarDia()
{
    const QDate fecha = FechaDescarga.date();
    const QString dia = Regional::FechaCorta(fecha);
    ADOSQLSERVER &remoto = ServidorRemoto();
    ADOSQLSERVER &local = BaseLocal();

    vista.MostrarEstado('(' + dia + ')');
    vista.Repintar();
    TotalRemotoDia = remoto.NumRegistros(SqlCuentaRemota(fecha, CodigoTitular));
    if (remoto.UltimaOperacionFallida()) {
        vista.AnadirLinea(textoFalloRemoto(dia));
        return Dia::FalloRemoto;
    }
    // A failed local count reads as 0: the day is fetched again and its rows are rejected as present.
    const qint32 locales = local.NumRegistros(SqlCuentaLocal(fecha));
    DoEvents();

    if (TotalRemotoDia < 1 || TotalRemotoDia == locales) {
        vista.AnadirLinea(QStringLiteral("Nada que bajar el día ") + dia);
        return Dia::NadaQueBajar;
    }

    // Each row is written as it arrives, in one transaction for the day: a fetch cut off part-way
    // still commits the rows that came, and a day that cannot be committed leaves nothing behind.
    TransaccionLocal transaccion(local);
    const auto insertar = transaccion.Activa() ? local.Preparar(SqlInsertarPreparada()) : nullptr;
    PosicionesPresentes presentes;
    if (!insertar || !presentes.Cargar(local, fecha)) {
        vista.AnadirLinea(textoFalloLocal(dia));
        return Dia::FalloLocal;
    }
    vista.Repintar();
    int bajados = 0, mostrada = 0;
    qint32 insertados = 0;
    // The label, the panel and the caption show the row n of the day.
    const auto mostrarFila = [&](int n) {
        vista.MostrarEstado(dia + '(' + QString::number(n) + '/' + QString::number(TotalRemotoDia) + ')');
        const double porcentaje = TotalRemotoDia > 0 ? n * 100.0 / TotalRemotoDia : 0.0;
        vista.EstablecerPorcentaje(qBound(0.0, porcentaje, 100.0));
        mostrarInsertados(TotalInsertados + insertados);
        mostrada = n;
    };
    QElapsedTimer desdeAviso;
    remoto.DameRecordset(SqlFilasRemotas(fecha, CodigoTitular), [&](const FilaDescarga &fila, int n) {
        bajados = n;
        // A row the local file already holds is not written again, nor counted.
        if (!presentes.Consumir(fila) && local.Execute(*insertar, ValoresFila(fila)) == 1)
            ++insertados;
        // The progress and pending events at the first row, then once a pause has passed: the
        // window repaints and answers as often as the eye sees, not once per row.
        if (n == 1 || desdeAviso.hasExpired(MsEntreAvisos)) {
            mostrarFila(n);
            DoEvents();
            desdeAviso.start();
        }
    });
    if (bajados > mostrada)
        mostrarFila(bajados);
    const bool lecturaFallida = remoto.UltimaOperacionFallida();
    if (lecturaFallida && bajados == 0) {
        vista.AnadirLinea(textoFalloRemoto(dia));
        return Dia::FalloRemoto;
    }

    vista.MostrarEstado(QStringLiteral("Grabando en Local (") + dia + ')');
    vista.Repintar();
    if (!transaccion.Confirmar()) {
        mostrarInsertados(TotalInsertados);
        vista.AnadirLinea(textoFalloLocal(dia));
        return Dia::FalloLocal;
    }
    TotalInsertados += insertados;
    mostrarInsertados(TotalInsertados);
    // The remote count, unless the fetch was cut off: then the rows that did arrive.
    vista.AnadirLinea(QStringLiteral("Bajados ") + QString::number(lecturaFallida ? bajados : TotalRemotoDia) +
                      QStringLiteral(" regs el día ") + dia);
    if (lecturaFallida) {
        vista.AnadirLinea(textoFalloRemoto(dia));
        return Dia::FalloRemoto;
    }
    vista.Repintar();
    return Dia::Bajado;
}

void DescargaPosiciones::mostrarInsertados(qint32 total)
{
    // The caption changes with the count only: a day that inserts nothing leaves it as it is.
    if (total == InsertadosMostrados)
        return;
    InsertadosMostrados = total;
    vista.MostrarInsertados(total);
}
