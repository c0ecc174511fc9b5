#pragma once
// Process-wide state shared by every window, and the small helpers that go with it.
// The download's share of it (TotalRemotoDia, FechaDescarga, EtiquetaProgreso,
// FormularioDescarga) is declared beside the data-access class that reads it.
#include "adosqlserver.h"
#include "progresodescarga.h"

#include <QDate>
#include <QString>

namespace Module1 {
extern QString CodigoTitular;
extern QString NombreTitular;
extern QString ClaveAcceso;

// Created on first use: an unconnected instance until start-up connects it.
ADOSQLSERVER &ServidorRemoto();
ADOSQLSERVER &BaseLocal();
// Releases both instances, closing their connections (program end, and tests).
void LiberarConexiones();

// dd/mm/yyyy, the time of day ignored.
QString ConvFechaDMA(const QDate &Fecha);
}
