#pragma once
// The position download: from today backwards, each day whose remote count differs from the
// local one is fetched whole from the service and written into the local DATOS table, each row
// as it arrives, the whole day in one local transaction.
// The loop talks to its window only through VistaDescarga, so it runs without one as well.
#include "adosqlserver.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

// The SQL texts of the download.
QString SqlCuentaRemota(const QDate &dia, const QString &titular);
QString SqlCuentaLocal(const QDate &dia);
QString SqlFilasRemotas(const QDate &dia, const QString &titular);
// The INSERT of one fetched row; every value is quoted with its inner quotes doubled.
QString SqlInsertarFila(const FilaDescarga &fila);
// The same INSERT prepared once, and the values of one row for it (the same values as the text's).
QString SqlInsertarPreparada();
QVariantList ValoresFila(const FilaDescarga &fila);

// What the day loop shows and asks; the download window implements it.
class VistaDescarga {
public:
    virtual ~VistaDescarga() = default;
    virtual void MostrarEstado(const QString &texto) = 0;     // the progress label
    virtual void AnadirLinea(const QString &texto) = 0;       // a new last line of the day list
    virtual void MostrarInsertados(qint32 total) = 0;         // the caption "Registros Insertados: N"
    virtual void Repintar() = 0;
    virtual void EstablecerPorcentaje(double porcentaje) = 0;  // the fill of the progress panel
    // After a month of days with nothing to download: true to go on.
    virtual bool PreguntarContinuar() = 0;
};

class DescargaPosiciones {
public:
    explicit DescargaPosiciones(VistaDescarga &vista) : vista(vista) {}

    // How the loop ended: stopped (Cerrar), declined after 31 empty days, or a failure it reported.
    enum class Fin { Detenida, Rechazada, Fallo };
    Fin DownLoad();

    // What one day came to.
    enum class Dia { NadaQueBajar, Bajado, FalloRemoto, FalloLocal };
    // Counts, fetches and writes the day Module1::FechaDescarga, adding its line to the list.
    Dia BajarDia();

    bool Descargando = false;   // the loop may start another day; Cerrar clears it
    qint32 TotalInsertados = 0; // rows committed since the window opened

    // While rows arrive, the progress is shown and events run at most once in this many milliseconds.
    static constexpr int MsEntreAvisos = 25;
    static constexpr int DiasParaPreguntar = 30;

private:
    VistaDescarga &vista;
    qint32 InsertadosMostrados = 0;  // the count the caption shows (none shown while 0)
    void mostrarInsertados(qint32 total);
};
