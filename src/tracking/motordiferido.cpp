#include "motordiferido.h"

#include "ajustesdiferido.h"
#include "argumentosscript.h"
#include "module1.h"
#include "regional.h"

namespace {
constexpr int PuntosPorTramo = 350;
const QString JavaScript = QStringLiteral("JavaScript");

QString citado(const QString &v) { return u'\'' + ArgumentoScript(v) + u'\''; }

int columna(const Recordset &r, const char *nombre)
{
    for (int i = 0; i < r.FieldCount(); ++i)
        if (r.NombreCampo(i).compare(QLatin1String(nombre), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

// Sets PasoOcupado for the length of a jump, whichever way it ends.
class Ocupado {
public:
    explicit Ocupado(bool &b) : b(b) { b = true; }
    ~Ocupado() { b = false; }
    Ocupado(const Ocupado &) = delete;
    Ocupado &operator=(const Ocupado &) = delete;
private:
    bool &b;
};
}

const QString MotorDiferido::Limpiar = QStringLiteral("limpiamapa();");
const QString MotorDiferido::MensajeBorrado = QStringLiteral("msg1('Pantalla Renovada.Demasiados Puntos');");
const QString MotorDiferido::MensajeSinHora = QStringLiteral("msg1('No se encontrarón posiciones a esa hora!');");

QString SentenciaPonerMapa(const ArgumentosPonerMapa &a)
{
    // Data texts go through the script quoting: ordinary values stay exactly as composed.
    QString s;
    s.reserve(160);
    s += QStringLiteral("ponermapa(");
    s += citado(a.zona) + u',' + citado(a.latitud) + u',' + citado(a.longitud) + u',' + citado(a.localizador1) + u',' +
         citado(a.velocidad) + u',' + citado(a.hora) + u',' + citado(a.fecha) + u',' + citado(a.localizador) + u',' +
         citado(a.etiquetas) + u',' + (a.zoom.isEmpty() ? QStringLiteral("null") : a.zoom) + u',' + citado(a.borrar) +
         u',' + citado(a.tiempo) + u',' + citado(a.kilometros);
    s += QStringLiteral(");");
    return s;
}

void MotorDiferido::Cargar(std::unique_ptr<Recordset> recorrido)
{
    Recorrido = std::move(recorrido);
    TotalPuntos = Recorrido ? Recorrido->RecordCount() : 0;
    Posicion = 1;
    Lecturas = LecturasDiferido();  // nothing of the previous track stays on show
    if (Recorrido) {
        Recorrido->MoveFirst();
        colFecha = columna(*Recorrido, "FECHA");
        colLatitud = columna(*Recorrido, "LATITUD");
        colLongitud = columna(*Recorrido, "LONGITUD");
        colVelocidad = columna(*Recorrido, "VELOCIDAD");
        colZona = columna(*Recorrido, "ZONA");
    }
    resetKilometraje();
}

QString MotorDiferido::FormatoHoraMinutosSegundos(qint32 sgs)
{
    if (sgs == 0)
        return QStringLiteral("00:00:00");
    const qint32 h = sgs / 3600, m = (sgs % 3600) / 60, s = sgs % 60;
    return QStringLiteral("%1:%2:%3").arg(h, 2, 10, QLatin1Char('0')).arg(m, 2, 10, QLatin1Char('0')).arg(s, 2, 10, QLatin1Char('0'));
}

void MotorDiferido::resetKilometraje()
{
    LatitudAnterior.clear();
    LongitudAnterior.clear();
    PuntosTramo = 0;
    SumaVelocidades = 0;
    Kilometros = 0;
    Lecturas.lblkilometros = QStringLiteral("0");
    Lecturas.lbltiempoparcial = QStringLiteral("0");
    Lecturas.lblvelocidadmedia.clear();
}

bool MotorDiferido::BorradoAutomatico(QList<SentenciaPagina> &sentencias)
{
    ++PuntosTramo;
    if (PuntosTramo > PuntosPorTramo) {
        resetKilometraje();
        sentencias.append({MensajeBorrado, QString()});
        return true;
    }
    return false;
}

bool MotorDiferido::EstableceVelocidad(const QString &texto)
{
    FactorTiempoReal = 0;
    if (auto v = AjustesDiferido::IntervaloVelocidad(texto)) {
        IntervaloTimer = *v;
        return true;
    }
    if (auto f = AjustesDiferido::FactorTiempoReal(texto)) {
        // The step sets the interval from the recorded times; until then the next point is due at once.
        FactorTiempoReal = *f;
        IntervaloTimer = 1;
        return true;
    }
    return false;
}

void MotorDiferido::intervaloHastaSiguiente()
{
    if (FactorTiempoReal <= 0)
        return;
    qint64 ms = 0;
    if (!Recorrido->Eof()) {
        const QDateTime siguiente = Recorrido->Fields(colFecha).toDateTime();
        if (siguiente.isValid())
            ms = FechaPunto.msecsTo(siguiente);
    }
    IntervaloTimer = AjustesDiferido::IntervaloTiempoReal(ms, FactorTiempoReal);
}

void MotorDiferido::EstableceZoom(const QString &texto)
{
    if (auto z = AjustesDiferido::NivelZoom(texto))
        NivelZoom = *z;
}

void MotorDiferido::MoveNextSeguimiento(const QString &texto)
{
    const int n = AjustesDiferido::PasoSeguimiento(texto);
    if (n == 0 || !Recorrido)
        return;
    Recorrido->Move(n);
    Posicion += n;
}

MotorDiferido::Paso MotorDiferido::GestionSigPunto(const AjustesPaso &ajustes)
{
    Paso paso;
    if (Finalizado()) {
        PuntosTramo = 0;
        Posicion = 1;
        paso.resultado = Resultado::Fin;
        return paso;
    }
    EstableceVelocidad(ajustes.velocidad);
    Lecturas.lblposicion = QString::number(Posicion) + u'/' + QString::number(TotalPuntos);

    const QString latitud = Recorrido->Fields(colLatitud).toString();
    const QString longitud = Recorrido->Fields(colLongitud).toString();
    bool okLat = false, okLon = false;
    const double lat = Regional::LeerNumero(latitud, &okLat);
    const double lon = Regional::LeerNumero(longitud, &okLon);
    if (!okLat || !okLon)
        return paso;
    const QDateTime fecha = Recorrido->Fields(colFecha).toDateTime();
    if (!fecha.isValid())
        return paso;

    if (!LatitudAnterior.isEmpty()) {
        Kilometros += Module1::DistanciaKm(latitudAnterior, longitudAnterior, lat, lon);
        Lecturas.lblkilometros = Regional::NumeroEstandar(Kilometros);
    }
    LatitudAnterior = latitud;
    LongitudAnterior = longitud;
    latitudAnterior = lat;
    longitudAnterior = lon;

    if (PuntosTramo == 0)
        InicioTramo = fecha;
    Lecturas.lbltiempoparcial = FormatoHoraMinutosSegundos(qint32(InicioTramo.secsTo(fecha)));

    const QString latitudPagina = QString(latitud).replace(u',', u'.') + u'|';
    const QString longitudPagina = QString(longitud).replace(u',', u'.') + u'|';
    EstableceZoom(ajustes.zoom);
    const QString localizadorPagina = ajustes.localizador + u'|';

    // Speed in knots; an empty value is 0.
    const QString nudosTexto = Recorrido->Fields(colVelocidad).toString();
    bool okVel = true;
    const double nudos = nudosTexto.trimmed().isEmpty() ? 0 : Regional::LeerNumero(nudosTexto, &okVel);
    if (!okVel)
        return paso;
    VelocidadTexto = Regional::NumeroDecimales(nudos * 1.852, 2).replace(u'.', u',');
    Lecturas.lblvelocidad = QStringLiteral("v: ") + VelocidadTexto + QStringLiteral(" km/h");

    SumaVelocidades += float(Regional::LeerNumero(VelocidadTexto));
    const float media = SumaVelocidades / float(PuntosTramo + 1);
    Lecturas.lblvelocidadmedia = Regional::NumeroDecimales(media, 2) + QStringLiteral(" km/h");

    FechaPunto = fecha;
    const QString fechaGeneral = Regional::FechaGeneral(FechaPunto);
    Lecturas.lblfecha = fechaGeneral;

    ZonaPunto = Recorrido->Fields(colZona).toString();
    Lecturas.lblzona = QStringLiteral("zona: ") + ZonaPunto;

    ArgumentosPonerMapa a;
    a.zona = ZonaPunto.isEmpty() ? QStringLiteral("Desconocida") : ZonaPunto;
    a.latitud = latitudPagina;
    a.longitud = longitudPagina;
    a.localizador1 = localizadorPagina;
    a.velocidad = VelocidadTexto + u'|';
    a.hora = FechaPunto.toString(QStringLiteral("HH:mm:ss")) + QStringLiteral("<br>");
    a.fecha = fechaGeneral;
    a.localizador = ajustes.localizador;
    a.etiquetas = ajustes.etiquetas ? QStringLiteral("SI") : QStringLiteral("NO");
    a.zoom = NivelZoom;
    a.borrar = BorradoAutomatico(paso.sentencias) ? QStringLiteral("SI") : QStringLiteral("NO");
    a.tiempo = Lecturas.lbltiempoparcial;
    a.kilometros = Lecturas.lblkilometros;
    paso.sentencias.append({SentenciaPonerMapa(a), QString()});

    MoveNextSeguimiento(ajustes.seguimiento);
    intervaloHastaSiguiente();
    paso.resultado = Resultado::Punto;
    return paso;
}

QList<SentenciaPagina> MotorDiferido::Reproducir()
{
    QList<SentenciaPagina> s;
    if (PuntosTramo == 0)
        resetKilometraje();
    if (Recorrido && Recorrido->Eof()) {
        s.append({Limpiar, JavaScript});
        Recorrido->MoveFirst();
    }
    return s;
}

void MotorDiferido::alUltimaFila()
{
    // The error path of a jump: the last row, whose number is the track's count.
    Recorrido->MoveLast();
    Posicion = TotalPuntos;
}

bool MotorDiferido::IrPrimeraPosicion(QList<SentenciaPagina> &sentencias)
{
    if (PasoOcupado)
        return false;
    Ocupado ocupado(PasoOcupado);
    sentencias.append({Limpiar, JavaScript});
    if (!Recorrido)
        return true;
    Recorrido->MoveFirst();
    Posicion = 1;
    Lecturas.lblposicion = QStringLiteral("1/") + QString::number(TotalPuntos);
    resetKilometraje();
    return true;
}

bool MotorDiferido::IrAPunto(int n, QList<SentenciaPagina> &sentencias)
{
    if (PasoOcupado)
        return false;
    if (!Recorrido || n < 1 || n > Recorrido->Filas().size())
        return false;
    Ocupado ocupado(PasoOcupado);
    sentencias.append({Limpiar, JavaScript});
    Recorrido->SetBookmark(n - 1);
    Posicion = n;
    Lecturas.lblposicion = QString::number(n) + u'/' + QString::number(TotalPuntos);
    resetKilometraje();
    return true;
}

bool MotorDiferido::avanzar(int n, bool volverAlPrincipio, QList<SentenciaPagina> &sentencias)
{
    if (PasoOcupado)
        return false;
    Ocupado ocupado(PasoOcupado);
    sentencias.append({Limpiar, JavaScript});
    if (!Recorrido)
        return true;
    if (volverAlPrincipio && Posicion + n > TotalPuntos) {
        Recorrido->MoveFirst();
        resetKilometraje();
        Posicion = 1;
        return true;
    }
    if (Recorrido->Eof()) {
        // A finished track cannot move forward: the error path, to the last row.
        alUltimaFila();
        if (volverAlPrincipio)
            resetKilometraje();
        return true;
    }
    Recorrido->Move(n);
    Posicion += n;
    Lecturas.lblposicion = QString::number(Posicion) + u'/' + QString::number(TotalPuntos);
    resetKilometraje();
    if (Recorrido->Eof())
        Recorrido->MoveLast();
    return true;
}

bool MotorDiferido::Avanzar4(QList<SentenciaPagina> &sentencias) { return avanzar(4, false, sentencias); }
bool MotorDiferido::Avanzar8(QList<SentenciaPagina> &sentencias) { return avanzar(8, true, sentencias); }

MotorDiferido::SaltoHora MotorDiferido::MoverDetrasDeHora(const QTime &hora)
{
    SaltoHora r;
    if (!Recorrido)
        return r;
    const QList<QVariantList> &filas = Recorrido->Filas();
    // The search counts its own rows: the stretch's counter is left alone.
    qint32 k = 0;
    for (; k < filas.size(); ++k) {
        const QTime t = filas[k].value(colFecha).toDateTime().time();
        if (QTime(t.hour(), t.minute()) > hora)
            break;
    }
    if (k < filas.size()) {
        r.encontrado = true;
        Recorrido->SetBookmark(k);
        Posicion = k + 1;
        r.sentencias.append({Limpiar, JavaScript});
        resetKilometraje();
    } else {
        // The track stays on the row it was on, and Posicion with it.
        r.sentencias.append({MensajeSinHora, QString()});
    }
    return r;
}
