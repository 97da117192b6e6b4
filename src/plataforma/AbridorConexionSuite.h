#pragma once
// Apertura de la conexión de la sesión y de los orígenes de datos con nombre,
// desde la configuración de la suite del puesto (ConfiguracionSuite).
#include "datos/ComponentesSuite.h"

class AbridorConexionSuite : public AbridorConexion {
public:
    // cadena vacía: la base de datos de la tienda; "dsn=Nombre": ese origen.
    // Sirve también para volver a abrir una conexión cerrada.
    void Abrir(const QString& cadena, Conexion& conexion) override;
    ParametrosConexion Origen(const QString& cadena) override;
};
