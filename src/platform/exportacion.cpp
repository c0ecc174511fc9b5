#include "exportacion.h"

#include "dialogos.h"
#include "escritorcsv.h"
#include "escritorxlsx.h"
#include "tablaexportada.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <filesystem>

namespace Exportacion {

Formato FormatoDeRuta(const QString &ruta)
{
    const QString e = QFileInfo(ruta).suffix().toLower();
    if (e == QLatin1String("csv"))
        return Formato::Csv;
    if (e == QLatin1String("xlsx"))
        return Formato::Xlsx;
    if (e == QLatin1String("gpx"))
        return Formato::Gpx;
    if (e == QLatin1String("kml"))
        return Formato::Kml;
    if (e == QLatin1String("pdf"))
        return Formato::Pdf;
    return Formato::Ninguno;
}

QString MensajeReemplazar(const QString &ruta)
{
    return QStringLiteral("El archivo ") + QDir::toNativeSeparators(ruta) + QStringLiteral(" ya existe. ¿Desea reemplazarlo?");
}

QString MensajeEscrito(const QString &ruta) { return QStringLiteral("Exportado en ") + QDir::toNativeSeparators(ruta); }

QString MensajeFallo(const QString &ruta, const QString &motivo)
{
    return QStringLiteral("No se pudo exportar a ") + QDir::toNativeSeparators(ruta) + QStringLiteral(": ") + motivo;
}

QString PedirRuta(const QString &titulo, const QString &filtro, const QString &nombrePropuesto)
{
    const QString ruta = DialogosActuales().GuardarArchivo(titulo, filtro, QDir::home().filePath(nombrePropuesto));
    if (ruta.isEmpty())
        return QString();
    if (QFileInfo::exists(ruta) &&
        MsgBox(MensajeReemplazar(ruta), vb::vbYesNo + vb::vbQuestion + vb::vbDefaultButton2, QStringLiteral("Atención")) != vb::vbYes)
        return QString();
    return ruta;
}

bool EscribirBytes(const QString &ruta, const QByteArray &datos, QString &error)
{
    QSaveFile f(ruta);
    if (!f.open(QIODevice::WriteOnly) || f.write(datos) != datos.size() || !f.commit()) {
        error = f.errorString();
        return false;
    }
    return true;
}

bool EscribirConTemporal(const QString &ruta, const std::function<bool(const QString &, QString &)> &escribir,
                         QString &error)
{
    const QFileInfo destino(ruta);
    QTemporaryFile temporal(destino.absoluteDir().filePath(QLatin1Char('.') + destino.fileName() + QStringLiteral(".XXXXXX")));
    if (!temporal.open()) {
        error = temporal.errorString();
        return false;
    }
    temporal.close();
    if (!escribir(temporal.fileName(), error)) {
        if (error.isEmpty())
            error = QStringLiteral("no se pudo escribir el archivo.");
        return false;
    }
    // A temporary file is private to its owner; the export gets the target's permissions, or a
    // new file's usual ones.
    const auto permisos = destino.exists() ? QFile::permissions(ruta)
                                           : QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                                 QFileDevice::ReadOther;
    QFile::setPermissions(temporal.fileName(), permisos);
    std::error_code ec;
    std::filesystem::rename(QFile::encodeName(temporal.fileName()).toStdString(), QFile::encodeName(ruta).toStdString(), ec);
    if (ec) {
        error = QString::fromLocal8Bit(ec.message().c_str());
        return false;
    }
    temporal.setAutoRemove(false);  // it is the target now
    return true;
}

void Informar(const QString &ruta, bool escrito, const QString &error)
{
    if (escrito)
        MsgBox(MensajeEscrito(ruta), vb::vbInformation, QString());
    else
        MsgBox(MensajeFallo(ruta, error), vb::vbExclamation, QString());
}

QString ExportarTabla(const QAbstractItemModel &modelo, const QString &titulo, const QString &nombrePropuesto)
{
    const QString ruta = PedirRuta(QStringLiteral("Exportar"),
                                   QStringLiteral("Libro de Excel (*.xlsx);;CSV para hoja de cálculo (*.csv)"),
                                   nombrePropuesto);
    if (ruta.isEmpty())
        return QString();
    const TablaExportada tabla = TablaExportada::DeModelo(modelo, titulo);
    QString error;
    bool escrito = false;
    switch (FormatoDeRuta(ruta)) {
    case Formato::Csv: escrito = EscribirBytes(ruta, EscritorCsv::DeTabla(tabla), error); break;
    case Formato::Xlsx:
        escrito = EscribirConTemporal(ruta, [&](const QString &t, QString &e) { return EscritorXlsx::Escribir(tabla, t, e); }, error);
        break;
    default: error = QStringLiteral("el nombre debe acabar en .xlsx o .csv."); break;
    }
    Informar(ruta, escrito, error);
    return escrito ? ruta : QString();
}

QString ExportarPdf(const QString &nombrePropuesto, const std::function<bool(const QString &)> &pintar)
{
    const QString ruta = PedirRuta(QStringLiteral("Guardar PDF"), QStringLiteral("PDF (*.pdf)"), nombrePropuesto);
    if (ruta.isEmpty())
        return QString();
    QString error;
    const bool escrito = EscribirConTemporal(ruta, [&](const QString &t, QString &) { return pintar(t); }, error);
    Informar(ruta, escrito, error);
    return escrito ? ruta : QString();
}

}
