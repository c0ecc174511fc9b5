#pragma once
// A record set that holds its rows: the ADO-like cursor the windows use. No query stays open
// behind it, so the database file can be closed, copied or replaced while one is alive.
#include <QList>
#include <QStringList>
#include <QVariant>

class Recordset {
public:
    Recordset(QStringList nombres, QList<QVariantList> filas);

    // End of file / beginning of file. (EOF itself is a C macro, hence the spelling.)
    bool Eof() const { return actual >= filas.size() || filas.isEmpty(); }
    bool Bof() const { return actual < 0 || filas.isEmpty(); }
    void MoveFirst() { actual = 0; }
    void MoveLast() { actual = filas.size() - 1; }
    void MoveNext() { if (actual < filas.size()) ++actual; }
    void MovePrevious() { if (actual >= 0) --actual; }
    // Moves n rows from the current one; past either end it stops at Eof or Bof.
    void Move(int n);

    int RecordCount() const { return filas.size(); }
    int FieldCount() const { return nombres.size(); }
    QString NombreCampo(int i) const { return nombres.value(i); }

    // The current row's value; a null QVariant outside the rows or the fields.
    QVariant Fields(int i) const;
    QVariant Fields(const QString &nombre) const;   // by name, letter case ignored
    QString Texto(int i) const { return Fields(i).toString(); }

    // Position: 0-based row index, usable as a bookmark.
    int Bookmark() const { return actual; }
    void SetBookmark(int b) { actual = qBound(-1, b, int(filas.size())); }
    int AbsolutePosition() const { return actual + 1; }

    const QList<QVariantList> &Filas() const { return filas; }

private:
    QStringList nombres;
    QList<QVariantList> filas;
    int actual = 0;
};
