#pragma once
// File operations with the VB error numbers the windows report:
// 0 success, 53 file not found, 58 file already exists, 75 path/file access error, 76 path not found.
#include <QString>

namespace vb { constexpr int errArchivoNoEncontrado = 53, errArchivoExiste = 58, errAcceso = 75, errRutaNoEncontrada = 76; }

struct ResultadoArchivo {
    int codigo = 0;        // 0 on success
    QString descripcion;   // what failed, where, and what the user can do, in Spanish
    explicit operator bool() const { return codigo == 0; }
};

// The reason of a system error number in Spanish, with what the user can do about it.
QString MotivoErrorSistema(int errorSistema);
// For tests: the next writes of CopiarArchivo fail with this system error (0: they write).
void SimularFalloEscritura(int errorSistema);

bool ArchivoExiste(const QString &ruta);
bool CarpetaExiste(const QString &ruta);
// Copies origen onto destino, replacing it: the copy is written beside the target and renamed
// over it, so destino is either the old file or the complete new one. Never copies a file onto itself.
ResultadoArchivo CopiarArchivo(const QString &origen, const QString &destino);
ResultadoArchivo BorrarArchivo(const QString &ruta);
// Renames; with reemplazar the target is replaced in one step, else an existing target is error 58.
ResultadoArchivo RenombrarArchivo(const QString &origen, const QString &destino, bool reemplazar = false);
ResultadoArchivo CrearCarpeta(const QString &ruta);
