#pragma once
// Fills DATOS straight through SQLite, outside the program's classes: one prepared insert and one
// transaction. ligar(q, i) binds the seven values of row i (no per-row copies, so a timed
// baseline pays only for SQLite).
#include "proveedor.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <functional>

inline void LlenarDatosCrudo(const QString &ruta, int filas, const std::function<void(QSqlQuery &, int)> &ligar)
{
    const QString nombre = QStringLiteral("llenado-crudo");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nombre);
        db.setDatabaseName(ruta);
        db.open();
        RegistrarColacionTSQL(db);
        db.transaction();
        QSqlQuery q(db);
        q.prepare(QStringLiteral("INSERT INTO DATOS VALUES (?,?,?,?,?,?,?)"));
        for (int i = 0; i < filas; ++i) {
            ligar(q, i);
            q.exec();
        }
        db.commit();
    }
    QSqlDatabase::removeDatabase(nombre);
}
