#include "escritorxlsx.h"

#include "tablaexportada.h"

#include <QFile>
#include <QHash>

#include <xlsxwriter.h>

namespace {
lxw_color_t Rgb(const QColor &c) { return lxw_color_t((c.red() << 16) | (c.green() << 8) | c.blue()); }

// One format per distinct look; libxlsxwriter keeps them until the workbook closes.
class Formatos {
public:
    explicit Formatos(lxw_workbook *libro) : libro(libro) {}
    lxw_format *De(const CeldaExportada &c, bool numero)
    {
        const bool derecha = c.derecha && !numero;
        const QString clave = QStringLiteral("%1|%2|%3|%4").arg(c.negrita).arg(derecha)
                                  .arg(c.color.isValid() ? c.color.name() : QString())
                                  .arg(c.fondo.isValid() ? c.fondo.name() : QString());
        if (lxw_format *f = cache.value(clave))
            return f;
        lxw_format *f = workbook_add_format(libro);
        if (c.negrita)
            format_set_bold(f);
        if (derecha)
            format_set_align(f, LXW_ALIGN_RIGHT);
        if (c.color.isValid())
            format_set_font_color(f, Rgb(c.color));
        if (c.fondo.isValid()) {
            format_set_pattern(f, LXW_PATTERN_SOLID);
            format_set_bg_color(f, Rgb(c.fondo));
        }
        cache.insert(clave, f);
        return f;
    }

private:
    lxw_workbook *libro;
    QHash<QString, lxw_format *> cache;
};
}

namespace EscritorXlsx {

QString NombreHoja(const QString &titulo)
{
    QString n;
    for (const QChar c : titulo)
        if (!QStringLiteral("[]:*?/\\").contains(c))
            n += c;
    n = n.trimmed().left(31).trimmed();
    return n.isEmpty() ? QStringLiteral("Hoja1") : n;
}

bool Escribir(const TablaExportada &tabla, const QString &ruta, QString &error)
{
    const QByteArray nombre = QFile::encodeName(ruta);
    lxw_workbook *libro = workbook_new(nombre.constData());
    if (!libro) {
        error = QStringLiteral("No se pudo crear el libro.");
        return false;
    }
    const QByteArray hoja = NombreHoja(tabla.titulo).toUtf8();
    lxw_worksheet *h = workbook_add_worksheet(libro, hoja.constData());
    Formatos formatos(libro);
    lxw_format *cabecera = workbook_add_format(libro);
    format_set_bold(cabecera);
    format_set_bottom(cabecera, LXW_BORDER_THIN);

    const int columnas = int(tabla.encabezados.size());
    QList<int> anchos(columnas, 4);
    for (int c = 0; c < columnas; ++c) {
        worksheet_write_string(h, 0, lxw_col_t(c), tabla.encabezados[c].toUtf8().constData(), cabecera);
        anchos[c] = qMax(anchos[c], int(tabla.encabezados[c].size()) + 3);
    }
    for (int f = 0; f < tabla.filas.size(); ++f) {
        const auto &fila = tabla.filas[f];
        for (int c = 0; c < qMin(columnas, int(fila.size())); ++c) {
            const CeldaExportada &celda = fila[c];
            double v = 0;
            const bool numero = NumeroDeCelda(celda.texto, v);
            lxw_format *formato = formatos.De(celda, numero);
            const auto r = lxw_row_t(f + 1);
            if (numero)
                worksheet_write_number(h, r, lxw_col_t(c), v, formato);
            else if (celda.texto.isEmpty())
                worksheet_write_blank(h, r, lxw_col_t(c), formato);
            else
                worksheet_write_string(h, r, lxw_col_t(c), celda.texto.toUtf8().constData(), formato);
            anchos[c] = qMax(anchos[c], int(celda.texto.size()) + 2);
        }
    }
    for (int c = 0; c < columnas; ++c)
        worksheet_set_column(h, lxw_col_t(c), lxw_col_t(c), qMin(60, anchos[c]), nullptr);
    worksheet_freeze_panes(h, 1, 0);
    if (columnas > 0)
        worksheet_autofilter(h, 0, 0, lxw_row_t(tabla.filas.size()), lxw_col_t(columnas - 1));
    const lxw_error e = workbook_close(libro);
    if (e != LXW_NO_ERROR) {
        error = QString::fromUtf8(lxw_strerror(e));
        return false;
    }
    return true;
}

}
