#pragma once
// A download view that shows nothing, keeps the lines written and answers No to going on.
// Header only: the tests that use it link the download library.
#include "descargaposiciones.h"

#include <QStringList>

struct VistaMuda : VistaDescarga {
    QStringList lineas;
    void MostrarEstado(const QString &) override {}
    void AnadirLinea(const QString &t) override { lineas << t; }
    void MostrarInsertados(qint32) override {}
    void Repintar() override {}
    void EstablecerPorcentaje(double) override {}
    bool PreguntarContinuar() override { return false; }
};
