#pragma once
// Which date each of the 42 cells of a month grid shows (six weeks, Monday first), shared by
// KVCalen and MiniCalendar.
#include <QDate>
#include <array>

struct DiaCuadricula {
    QDate fecha;        // the date the cell shows
    int dia = 0;        // its day number
    bool enMes = false; // true for the days of the displayed month, false for the grey neighbours
};

namespace MesCalendario {
constexpr int Celdas = 42;
constexpr int AnioMinimo = 100;
constexpr int AnioMaximo = 9999;

// Number of days of the month (28 to 31); 0 for a month outside 1..12.
int DiasDelMes(int anio, int mes);
// Weekday of the 1st, Monday = 1 to Sunday = 7.
int PrimerDiaSemana(int anio, int mes);
// The 42 cells: the month's day d in cell d + F - 2, the next month's days after it, the previous
// month's last days before it.
std::array<DiaCuadricula, Celdas> Cuadricula(int anio, int mes);
// Cell index of a day of the month, -1 when the day is not in it.
int IndiceDia(int anio, int mes, int dia);

// Keeps years and months inside what the controls can show.
int LimitarAnio(int anio);
int LimitarMes(int mes);
// The month after/before (anio, mes), crossing the year; stays put at the ends of the year range.
void MesSiguiente(int &anio, int &mes);
void MesAnterior(int &anio, int &mes);
}
