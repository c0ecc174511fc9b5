#include "mescalendario.h"

#include <algorithm>

namespace MesCalendario {

int DiasDelMes(int anio, int mes)
{
    if (mes < 1 || mes > 12)
        return 0;
    return QDate(anio, mes, 1).daysInMonth();
}

int PrimerDiaSemana(int anio, int mes) { return QDate(anio, mes, 1).dayOfWeek(); }

std::array<DiaCuadricula, Celdas> Cuadricula(int anio, int mes)
{
    std::array<DiaCuadricula, Celdas> celdas{};
    const QDate primero(anio, LimitarMes(mes), 1);
    if (!primero.isValid())
        return celdas;
    // Cell 0 holds the Monday on or before the 1st.
    const QDate inicio = primero.addDays(1 - primero.dayOfWeek());
    for (int i = 0; i < Celdas; ++i) {
        DiaCuadricula &c = celdas[size_t(i)];
        c.fecha = inicio.addDays(i);
        c.dia = c.fecha.day();
        c.enMes = c.fecha.month() == primero.month() && c.fecha.year() == primero.year();
    }
    return celdas;
}

int IndiceDia(int anio, int mes, int dia)
{
    if (dia < 1 || dia > DiasDelMes(anio, mes))
        return -1;
    return dia + PrimerDiaSemana(anio, mes) - 2;
}

int LimitarAnio(int anio) { return std::clamp(anio, AnioMinimo, AnioMaximo); }
int LimitarMes(int mes) { return std::clamp(mes, 1, 12); }

void MesSiguiente(int &anio, int &mes)
{
    if (mes < 12) {
        ++mes;
    } else if (anio < AnioMaximo) {
        mes = 1;
        ++anio;
    }
}

void MesAnterior(int &anio, int &mes)
{
    if (mes > 1) {
        --mes;
    } else if (anio > AnioMinimo) {
        mes = 12;
        --anio;
    }
}
}
