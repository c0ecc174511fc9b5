#include "motorestadisticas.h"

#include "consultasestadisticas.h"
#include "entorno.h"
#include "mapazonas.h"
#include "module1.h"

using namespace FiltroEstadistica;

MotorEstadisticas::Salida MotorEstadisticas::Filtrar(const FiltroPantalla &f)
{
    const Validacion v = Validar(f.fecha1, f.fecha2);
    if (!v.valida)
        return {Desenlace::Rechazado, v.mensaje, v.foco};
    Modelo.EstilosPorFila(true);
    if (f.indiceTipo < 0 || f.indiceTipo > 2)
        return {};
    return Ejecutar(f.indiceTipo + 1, f);
}

MotorEstadisticas::Salida MotorEstadisticas::Ejecutar(int tipo, const FiltroPantalla &f)
{
    Resultado.TipoEstadistica = tipo;
    if (PeriodoExcesivo(f.fecha1, f.fecha2))
        return {Desenlace::PeriodoExcesivo, kPeriodoExcesivo};
    const QString sql =
        ConsultasEstadisticas::SqlEstadistica(tipo, f.entradas, f.localizador, f.fecha1, f.fecha2, f.zona);
    RelojArena reloj;
    auto rs = Module1::BaseLocal().DevuelveRecordset(sql);
    if (!rs) {
        if (tipo == 2) {
            Modelo.AntesDeCambiar();
            Resultado.LimpiaArray();
            Modelo.DespuesDeCambiar();
        }
        return {Desenlace::SinPosiciones, kSinPosiciones};
    }
    Modelo.AntesDeCambiar();
    Resultado.Llenar(tipo, rs->Filas());
    Modelo.ConfigurarColumnas(tipo);
    Modelo.DespuesDeCambiar();
    // An earlier message must not stand beside a full grid.
    return {Desenlace::Mostrado, QStringLiteral("")};
}

bool MotorEstadisticas::DameLocalizadores(QStringList &entradas)
{
    entradas = QStringList{kTodos};
    auto rs =
        Module1::ServidorRemoto().DevuelveRecordset(ConsultasEstadisticas::SqlLocalizadores(Module1::CodigoTitular));
    if (!rs)
        return false;
    for (; !rs->Eof(); rs->MoveNext())
        entradas << rs->Texto(2);
    return true;
}

bool MotorEstadisticas::DameZonas(QStringList &entradas)
{
    entradas = QStringList{QString()};
    auto rs = Module1::ServidorRemoto().DevuelveRecordset(ConsultasEstadisticas::SqlZonas(Module1::CodigoTitular));
    if (!rs)
        return false;
    for (; !rs->Eof(); rs->MoveNext())
        entradas << rs->Texto(1);
    return true;
}

QString MotorEstadisticas::DameCoordenadasZona(const QString &zona)
{
    auto rs = Module1::ServidorRemoto().DevuelveRecordset(
        ConsultasEstadisticas::SqlCoordenadasZona(Module1::CodigoTitular, zona));
    return rs ? rs->Texto(0) : QString();
}

QString MotorEstadisticas::TextoMapa()
{
    return MapaZonas::Texto(Resultado, [this](const QString &zona) { return DameCoordenadasZona(zona); });
}
