#pragma once
// Scripted dialogs for tests: answers come from queues, every message shown is recorded.
// Installs itself on construction and restores the previous layer on destruction.
#include "dialogos.h"

#include <QList>
#include <QQueue>
#include <QStringList>

struct MensajeMostrado {
    QString texto;
    int estilo = 0;
    QString titulo;
};

class DialogosGuion : public Dialogos {
public:
    DialogosGuion();
    ~DialogosGuion() override;

    QQueue<int> respuestasMsgBox;       // vb result per MsgBox; when empty the default button answers
    QQueue<QString> respuestasInputBox; // when empty InputBox answers empty (cancel)
    QQueue<QString> respuestasArchivo;  // open and save dialogs; when empty they answer empty (cancel)

    QList<MensajeMostrado> mensajes;    // every MsgBox shown, in order
    QStringList preguntas;              // every InputBox prompt, in order
    int sinRespuesta = 0;               // boxes answered by default because the queue was empty

    QStringList textos() const;

    int MsgBox(const QString &texto, int estilo, const QString &titulo) override;
    QString InputBox(const QString &pregunta, const QString &titulo, const QString &porDefecto) override;
    QString AbrirArchivo(const QString &titulo, const QString &filtro, const QString &carpeta) override;
    QString GuardarArchivo(const QString &titulo, const QString &filtro, const QString &propuesto) override;

private:
    Dialogos *anterior;
};
