#include "dialogos.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {
DialogosQt &dialogosQt()
{
    static DialogosQt d;
    return d;
}
Dialogos *actuales = nullptr;

QWidget *ventanaActiva()
{
    QWidget *w = QApplication::activeModalWidget();
    return w ? w : QApplication::activeWindow();
}
}

Dialogos &DialogosActuales() { return actuales ? *actuales : dialogosQt(); }
void EstablecerDialogos(Dialogos *d) { actuales = d; }

QString TituloAplicacion() { return QStringLiteral("VARDENCliente"); }

int DialogosQt::MsgBox(const QString &texto, int estilo, const QString &titulo)
{
    QMessageBox box(ventanaActiva());
    box.setWindowTitle(titulo.isEmpty() ? TituloAplicacion() : titulo);
    box.setText(texto);
    box.setTextFormat(Qt::PlainText);
    switch (estilo & 0x70) {
    case vb::vbCritical: box.setIcon(QMessageBox::Critical); break;
    case vb::vbQuestion: box.setIcon(QMessageBox::Question); break;
    case vb::vbExclamation: box.setIcon(QMessageBox::Warning); break;
    case vb::vbInformation: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    struct Boton { QString texto; int resultado; QMessageBox::ButtonRole rol; };
    QList<Boton> botones;
    switch (estilo & 0x7) {
    case vb::vbOKCancel: botones = {{"Aceptar", vb::vbOK, QMessageBox::AcceptRole}, {"Cancelar", vb::vbCancel, QMessageBox::RejectRole}}; break;
    case vb::vbAbortRetryIgnore: botones = {{"Anular", vb::vbAbort, QMessageBox::RejectRole}, {"Reintentar", vb::vbRetry, QMessageBox::AcceptRole}, {"Omitir", vb::vbIgnore, QMessageBox::AcceptRole}}; break;
    case vb::vbYesNoCancel: botones = {{"Sí", vb::vbYes, QMessageBox::YesRole}, {"No", vb::vbNo, QMessageBox::NoRole}, {"Cancelar", vb::vbCancel, QMessageBox::RejectRole}}; break;
    case vb::vbYesNo: botones = {{"Sí", vb::vbYes, QMessageBox::YesRole}, {"No", vb::vbNo, QMessageBox::NoRole}}; break;
    case vb::vbRetryCancel: botones = {{"Reintentar", vb::vbRetry, QMessageBox::AcceptRole}, {"Cancelar", vb::vbCancel, QMessageBox::RejectRole}}; break;
    default: botones = {{"Aceptar", vb::vbOK, QMessageBox::AcceptRole}}; break;
    }
    int porDefecto = (estilo & vb::vbDefaultButton3) ? 2 : (estilo & vb::vbDefaultButton2) ? 1 : 0;
    QList<QPushButton *> creados;
    for (const Boton &b : botones)
        creados << box.addButton(b.texto, b.rol);
    box.setDefaultButton(creados.value(porDefecto, creados.first()));
    box.exec();
    for (int i = 0; i < creados.size(); ++i)
        if (box.clickedButton() == creados[i])
            return botones[i].resultado;
    // Closed with Escape or the close box: VB answers Cancel (or OK for a lone OK button).
    return (estilo & 0x7) == vb::vbOKOnly ? vb::vbOK : (estilo & 0x7) == vb::vbYesNo ? vb::vbNo : vb::vbCancel;
}

QString DialogosQt::InputBox(const QString &pregunta, const QString &titulo, const QString &porDefecto)
{
    QInputDialog d(ventanaActiva());
    d.setWindowTitle(titulo.isEmpty() ? TituloAplicacion() : titulo);
    d.setLabelText(pregunta);
    d.setTextValue(porDefecto);
    d.setOkButtonText(QStringLiteral("Aceptar"));
    d.setCancelButtonText(QStringLiteral("Cancelar"));
    return d.exec() == QDialog::Accepted ? d.textValue() : QString();
}

QString DialogosQt::AbrirArchivo(const QString &titulo, const QString &filtro, const QString &carpeta)
{
    return QFileDialog::getOpenFileName(ventanaActiva(), titulo, carpeta, filtro);
}

QString DialogosQt::GuardarArchivo(const QString &titulo, const QString &filtro, const QString &propuesto)
{
    QString elegido;
    QString ruta = QFileDialog::getSaveFileName(ventanaActiva(), titulo, propuesto, filtro, &elegido,
                                                QFileDialog::DontConfirmOverwrite);
    if (ruta.isEmpty())
        return ruta;
    // "(*.xlsx)": the extensions a format accepts. A name typed with any format's extension stays;
    // otherwise it gets the chosen format's first one.
    auto extensiones = [](const QString &formatos) {
        QStringList r;
        auto it = QRegularExpression(QStringLiteral("\\(([^)]*)\\)")).globalMatch(formatos);
        while (it.hasNext())
            for (const QString &patron : it.next().captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts))
                if (patron.startsWith(QLatin1String("*.")))
                    r << patron.mid(2).toLower();
        return r;
    };
    const QStringList propias = extensiones(elegido);
    if (!propias.isEmpty() && !extensiones(filtro).contains(QFileInfo(ruta).suffix().toLower()))
        ruta += QLatin1Char('.') + propias.first();
    return ruta;
}
