#include "sentenciapreparada.h"

#include "literalesfecha.h"
#include "proveedor.h"

#include <QSqlError>

qint64 SentenciaPreparada::Ejecutar(const QVariantList &valores, QString &error)
{
    for (int i = 0; i < valores.size(); ++i) {
        const QVariant &v = valores[i];
        if (fechasComoTexto && v.typeId() == QMetaType::QDateTime) {
            const QDateTime fecha = v.toDateTime();
            const QString iso = FechaAISO(fecha);
            if (iso.isEmpty()) {
                error = TextoFechaFueraDeIntervalo(fecha.toString(QStringLiteral("MM/dd/yyyy HH:mm:ss")));
                return -1;
            }
            consulta.bindValue(i, iso);
        } else {
            consulta.bindValue(i, v);
        }
    }
    if (!consulta.exec()) {
        error = TextoErrorSql(consulta.lastError());
        return -1;
    }
    return consulta.numRowsAffected();
}
