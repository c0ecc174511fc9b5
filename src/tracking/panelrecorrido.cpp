#include "panelrecorrido.h"

#include "controles.h"
#include "paginarecorrido.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

PanelRecorrido::PanelRecorrido(QWidget *padre) : QWidget(padre)
{
    setObjectName(QStringLiteral("pnlrecorrido"));
    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    btncompleto = BotonNombrado(this, "btncompleto", QStringLiteral("Ver recorrido completo"));
    btncompleto->setToolTip(QStringLiteral("Dibuja todo el periodo de una vez, con su resumen"));
    btncompleto->setEnabled(false);
    lblresumen = EtiquetaNombrada(this, "lblresumen", QString());
    lblresumen->setAccessibleName(QStringLiteral("Resumen del recorrido"));
    lblresumen->setWordWrap(true);
    lblresumen->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblresumen->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *rotulo = EtiquetaNombrada(this, "", QStringLiteral("&Paradas:"));
    rotulo->setTextFormat(Qt::AutoText);
    lstparadas = ControlRotulado<QTreeWidget>(this, "lstparadas", rotulo);
    lstparadas->setHeaderLabels({QStringLiteral("Inicio"), QStringLiteral("Fin"), QStringLiteral("Duración"),
                                 QStringLiteral("Zona")});
    lstparadas->setRootIsDecorated(false);
    lstparadas->setUniformRowHeights(true);
    lstparadas->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    lstparadas->setToolTip(QStringLiteral("Haga clic en una parada para seguir desde ella"));
    v->addWidget(btncompleto);
    v->addWidget(lblresumen);
    v->addWidget(rotulo);
    v->addWidget(lstparadas, 1);
    connect(lstparadas, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *i) {
        const int k = lstparadas->indexOfTopLevelItem(i);
        if (k >= 0 && k < tramos.size())
            Q_EMIT PuntoPedido(tramos[k].desde + 1);
    });
    connect(lstparadas, &QTreeWidget::itemClicked, lstparadas, &QTreeWidget::itemActivated);
}

void PanelRecorrido::Poner(const ResumenRecorrido &r, const QList<TramoRecorrido> &paradas)
{
    tramos = paradas;
    lblresumen->setText(PaginaRecorrido::TextoResumen(r));
    lstparadas->clear();
    for (const TramoRecorrido &t : paradas)
        lstparadas->addTopLevelItem(new QTreeWidgetItem(
            {t.inicio.toString(QStringLiteral("HH:mm")), t.fin.toString(QStringLiteral("HH:mm")),
             AnalisisRecorrido::TextoDuracion(t.Segundos()), t.zona}));
    btncompleto->setEnabled(true);
}

void PanelRecorrido::Vaciar()
{
    tramos.clear();
    lblresumen->clear();
    lstparadas->clear();
    btncompleto->setEnabled(false);
}
