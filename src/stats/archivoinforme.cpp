#include "archivoinforme.h"

#include "entorno.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFile>

namespace {
const QLatin1String kFinLinea("\r\n");

void Campo(QString &s, const QString &texto)
{
    s += QLatin1Char('"');
    s += QString(texto).replace(QLatin1Char('"'), QLatin1String("\"\""));
    s += QLatin1String("\";");
}
}

QString ArchivoInforme::Ruta()
{
    return QDir(CarpetaAplicacion()).filePath(QLatin1String(kNombre));
}

QString CadenaGrid(const QAbstractItemModel &rejilla)
{
    QString s;
    const int columnas = rejilla.columnCount(), filas = rejilla.rowCount();
    for (int c = 0; c < columnas; ++c)
        Campo(s, rejilla.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
    s += kFinLinea;
    for (int f = 0; f < filas; ++f) {
        for (int c = 0; c < columnas; ++c)
            Campo(s, rejilla.data(rejilla.index(f, c), Qt::EditRole).toString());  // as stored
        s += kFinLinea;
    }
    return s;
}

bool GrabarArchivoTexto(const QString &nombrearchivo, const QString &str)
{
    QFile f(nombrearchivo);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray datos = (str + kFinLinea).toUtf8();
    const bool ok = f.write(datos) == datos.size();
    f.close();
    return ok && f.error() == QFileDevice::NoError;
}

bool DatosInforme::Abrir(const QString &ruta)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) {
        Campos.clear();
        Registros.clear();
        return false;
    }
    Leer(QString::fromUtf8(f.readAll()));
    return true;
}

void DatosInforme::Leer(const QString &texto)
{
    Campos.clear();
    Registros.clear();
    QList<QStringList> lineas;
    QStringList linea;
    QString campo;
    bool entreComillas = false, citado = false, hayCampo = false;
    auto cerrarCampo = [&] {
        linea << campo;
        campo.clear();
        citado = hayCampo = false;
    };
    auto cerrarLinea = [&] {
        // The ";" after the last field leaves nothing behind it.
        if (hayCampo || citado)
            cerrarCampo();
        if (!linea.isEmpty())
            lineas << linea;
        linea.clear();
    };
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar ch = texto.at(i);
        if (entreComillas) {
            if (ch == QLatin1Char('"')) {
                if (i + 1 < texto.size() && texto.at(i + 1) == QLatin1Char('"')) {
                    campo += ch;
                    ++i;
                } else {
                    entreComillas = false;
                }
            } else {
                campo += ch;
            }
        } else if (ch == QLatin1Char('"')) {
            entreComillas = citado = hayCampo = true;
        } else if (ch == QLatin1Char(';')) {
            cerrarCampo();
        } else if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n')) {
            if (ch == QLatin1Char('\r') && i + 1 < texto.size() && texto.at(i + 1) == QLatin1Char('\n'))
                ++i;
            cerrarLinea();
        } else {
            campo += ch;
            hayCampo = true;
        }
    }
    cerrarLinea();
    if (lineas.isEmpty())
        return;
    Campos = lineas.takeFirst();
    Registros = lineas;
}

int DatosInforme::IndiceCampo(const QString &nombre) const
{
    for (int i = 0; i < Campos.size(); ++i)
        if (Campos[i].compare(nombre, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString DatosInforme::Valor(const QStringList &registro, const QString &nombre) const
{
    return Posicion(registro, IndiceCampo(nombre));
}

QString DatosInforme::Posicion(const QStringList &registro, int i)
{
    return i >= 0 && i < registro.size() ? registro[i] : QString();
}
