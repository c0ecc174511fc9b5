#include "dialogosguion.h"

DialogosGuion::DialogosGuion() : anterior(&DialogosActuales()) { EstablecerDialogos(this); }

DialogosGuion::~DialogosGuion() { EstablecerDialogos(dynamic_cast<DialogosQt *>(anterior) ? nullptr : anterior); }

QStringList DialogosGuion::textos() const
{
    QStringList r;
    for (const MensajeMostrado &m : mensajes)
        r << m.texto;
    return r;
}

int DialogosGuion::MsgBox(const QString &texto, int estilo, const QString &titulo)
{
    mensajes.append({texto, estilo, titulo});
    if (!respuestasMsgBox.isEmpty())
        return respuestasMsgBox.dequeue();
    ++sinRespuesta;
    switch (estilo & 0x7) {
    case vb::vbOKCancel: return (estilo & vb::vbDefaultButton2) ? vb::vbCancel : vb::vbOK;
    case vb::vbYesNo:
    case vb::vbYesNoCancel: return (estilo & vb::vbDefaultButton2) ? vb::vbNo : vb::vbYes;
    case vb::vbRetryCancel: return vb::vbRetry;
    case vb::vbAbortRetryIgnore: return vb::vbAbort;
    default: return vb::vbOK;
    }
}

QString DialogosGuion::InputBox(const QString &pregunta, const QString &, const QString &)
{
    preguntas << pregunta;
    if (respuestasInputBox.isEmpty()) {
        ++sinRespuesta;
        return QString();
    }
    return respuestasInputBox.dequeue();
}

QString DialogosGuion::AbrirArchivo(const QString &, const QString &, const QString &)
{
    if (respuestasArchivo.isEmpty()) {
        ++sinRespuesta;
        return QString();
    }
    return respuestasArchivo.dequeue();
}

QString DialogosGuion::GuardarArchivo(const QString &titulo, const QString &filtro, const QString &propuesto)
{
    return AbrirArchivo(titulo, filtro, propuesto);
}
