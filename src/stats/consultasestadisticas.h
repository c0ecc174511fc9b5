#pragma once
// The SQL texts of the statistics window: its two lists, a zone's outline and the query of each
// statistic kind. Every value placed between quotes has its quotes doubled.
#include <QString>
#include <QStringList>

namespace ConsultasEstadisticas {
// The holder's locators and zones on the service (lstlocalizadores, lstzonas).
QString SqlLocalizadores(const QString &titular);
QString SqlZonas(const QString &titular);
// The stored vertex list of one of the holder's zones.
QString SqlCoordenadasZona(const QString &titular, const QString &zona);

// The query of a statistic kind (1 days and hours, 2 zones, 3 locator and zone) on the local file.
// entradas: every entry of the locator list ("Todos" first); localizador: the list's text.
// d1 and d2 go in as typed (they passed the filter's checks, so they hold no quote).
QString SqlEstadistica(int tipo, const QStringList &entradas, const QString &localizador, const QString &d1,
                       const QString &d2, const QString &zona);
}
