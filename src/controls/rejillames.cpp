#include "rejillames.h"

#include "contorno.h"
#include "mescalendario.h"
#include "regional.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

RejillaMes::RejillaMes(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Calendario"));
    const QDate hoy = QDate::currentDate();
    m_Anio = hoy.year();
    m_Mes = hoy.month();
    m_Dia = hoy.day();
    lblanio = new QLabel(this);
    lblanio->setObjectName(QString::fromUtf8("lblaño"));
    lblmes = new QLabel(this);
    lblmes->setObjectName(QStringLiteral("lblmes"));
    for (QLabel *l : {lblanio, lblmes})
        l->setTextFormat(Qt::PlainText);
}

void RejillaMes::ponerCaptions()
{
    lblanio->setText(QString::number(m_Anio));
    lblmes->setText(Regional::NombreMes(m_Mes));
}

QToolButton *RejillaMes::crearBoton(const char *nombre, const QString &texto)
{
    auto *b = new QToolButton(this);
    b->setObjectName(QString::fromUtf8(nombre));
    b->setToolTip(texto);
    b->setAccessibleName(texto);
    return b;
}

QRect RejillaMes::RectanguloCelda(int i) const
{
    return i >= 0 && i < MesCalendario::Celdas ? rectangulos[size_t(i)].toAlignedRect() : QRect();
}

int RejillaMes::CeldaEn(const QPoint &pos) const
{
    for (int i = 0; i < MesCalendario::Celdas; ++i)
        if (rectangulos[size_t(i)].contains(pos))
            return i;
    return -1;
}

int RejillaMes::DiaEnCelda(int i) const
{
    const int dia = i - MesCalendario::IndiceDia(m_Anio, m_Mes, 1) + 1;
    return i >= 0 && i < MesCalendario::Celdas && dia >= 1 && dia <= MesCalendario::DiasDelMes(m_Anio, m_Mes) ? dia : 0;
}

void RejillaMes::ponerContorno(Contorno *contorno, int celda, int margen)
{
    if (celda < 0 || celda >= MesCalendario::Celdas) {
        contorno->hide();
        return;
    }
    contorno->setGeometry(RectanguloCelda(celda).adjusted(margen, margen, -margen, -margen));
    contorno->show();
}

void RejillaMes::dibujarFoco(QPainter &p, int margen) const
{
    if (!hasFocus())
        return;
    const int foco = celdaFoco() >= 0 ? celdaFoco() : MesCalendario::IndiceDia(m_Anio, m_Mes, 1);
    if (foco < 0)
        return;
    p.setPen(QPen(QColor(40, 40, 40), 1, Qt::DotLine));
    p.drawRect(rectangulos[size_t(foco)].adjusted(margen, margen, -margen - 1, -margen - 1));
}

void RejillaMes::elegir(int celda)
{
    const int dia = DiaEnCelda(celda);
    if (dia == 0)
        return;
    elegirDia(dia);
    Q_EMIT Click();
}

void RejillaMes::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        elegir(CeldaEn(e->position().toPoint()));
}

void RejillaMes::keyPressEvent(QKeyEvent *e)
{
    int paso = 0;
    switch (e->key()) {
    case Qt::Key_Left: paso = -1; break;
    case Qt::Key_Right: paso = 1; break;
    case Qt::Key_Up: paso = -7; break;
    case Qt::Key_Down: paso = 7; break;
    case Qt::Key_PageUp: pasarMes(-1); return;
    case Qt::Key_PageDown: pasarMes(1); return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: elegir(celdaFoco()); return;
    default: QWidget::keyPressEvent(e); return;
    }
    const int foco = celdaFoco();
    const int dia = foco < 0 ? 1 : DiaEnCelda(foco + paso);
    if (dia > 0)
        enfocarDia(dia);
}

void RejillaMes::resizeEvent(QResizeEvent *) { disponer(); }

void RejillaMes::showEvent(QShowEvent *)
{
    disponer();
    dibujarMes();
}
