#pragma once
// A statement prepared once and run many times with new values ("?" marks them), for writes of
// many rows. Dates bound to a SQLite file are written as the ISO text FECHA is stored as.
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

class SentenciaPreparada {
public:
    SentenciaPreparada(QSqlQuery consulta, QString texto, bool fechasComoTexto)
        : consulta(std::move(consulta)), texto(std::move(texto)), fechasComoTexto(fechasComoTexto)
    {
    }
    // The text as the caller wrote it.
    const QString &Texto() const { return texto; }
    // Rows affected, or -1 on failure (with error set).
    qint64 Ejecutar(const QVariantList &valores, QString &error);

private:
    QSqlQuery consulta;
    QString texto;
    bool fechasComoTexto;
};
