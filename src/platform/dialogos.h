#pragma once
// Message box, input box and file dialogs behind one interface, with the VB style numbers.
// The Qt implementation shows real dialogs; tests install DialogosGuion, which answers from a queue.
#include <QString>

namespace vb {
// Buttons
constexpr int vbOKOnly = 0, vbOKCancel = 1, vbAbortRetryIgnore = 2, vbYesNoCancel = 3, vbYesNo = 4, vbRetryCancel = 5;
// Icons
constexpr int vbCritical = 16, vbQuestion = 32, vbExclamation = 48, vbInformation = 64;
// Default button
constexpr int vbDefaultButton2 = 256, vbDefaultButton3 = 512;
// Results
constexpr int vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7;
}

class Dialogos {
public:
    virtual ~Dialogos() = default;
    // Answers one of the vb result constants.
    virtual int MsgBox(const QString &texto, int estilo, const QString &titulo) = 0;
    // Answers the typed text; cancelling answers an empty text (as VB does).
    virtual QString InputBox(const QString &pregunta, const QString &titulo, const QString &porDefecto) = 0;
    // Answers the chosen file's path, or an empty text when cancelled.
    virtual QString AbrirArchivo(const QString &titulo, const QString &filtro, const QString &carpeta) = 0;
    // Answers the path to write, or an empty text when cancelled. filtro lists the formats
    // ("Libro de Excel (*.xlsx);;CSV (*.csv)"); a name typed without one of their extensions gets
    // the extension of the format chosen. Replacing a file is asked by the caller, not here.
    virtual QString GuardarArchivo(const QString &titulo, const QString &filtro, const QString &propuesto) = 0;
};

// The dialog layer in use (the Qt one unless a test installed another). Not owned.
Dialogos &DialogosActuales();
void EstablecerDialogos(Dialogos *d);  // nullptr restores the Qt dialogs

// The title used when a caller passes an empty one.
QString TituloAplicacion();

inline int MsgBox(const QString &texto, int estilo = vb::vbOKOnly, const QString &titulo = QString())
{
    return DialogosActuales().MsgBox(texto, estilo, titulo);
}
inline QString InputBox(const QString &pregunta, const QString &titulo = QString(), const QString &porDefecto = QString())
{
    return DialogosActuales().InputBox(pregunta, titulo, porDefecto);
}

class DialogosQt : public Dialogos {
public:
    int MsgBox(const QString &texto, int estilo, const QString &titulo) override;
    QString InputBox(const QString &pregunta, const QString &titulo, const QString &porDefecto) override;
    QString AbrirArchivo(const QString &titulo, const QString &filtro, const QString &carpeta) override;
    QString GuardarArchivo(const QString &titulo, const QString &filtro, const QString &propuesto) override;
};
