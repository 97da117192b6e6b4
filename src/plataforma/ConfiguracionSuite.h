#pragma once
// Configuración de la suite en este puesto: un fichero INI que escribe
// tarvelo-admin. El programa no tiene configuración propia: lo que necesita
// saber de la instalación (dónde está la base de datos, qué puesto es, dónde
// están los programas hermanos) está aquí.
//
//   [tienda]     driver=QSQLITE|QPSQL, basedatos, servidor, puerto, usuario, clave
//   [origen_NOMBRE] un origen de datos por nombre ("dsn=ListBrisalo" -> [origen_ListBrisalo])
//   [puesto]     identificador (por defecto, el nombre de la máquina)
//   [programas]  Q_AgendaCitas.exe=orden, Q_Listados.exe=orden
//   [verifactu]  certificado (fichero PKCS#12), clave
//
// Se busca "suite.ini" junto al ejecutable y, si no está, en la carpeta de
// configuración del usuario (~/.config/tarvelo/suite.ini). Los guardar*
// lanzan ErrorTarvelo si el fichero no se puede escribir; el fichero que
// guarda una clave solo lo lee su dueño.
#include "datos/Conexion.h"

#include <QString>

namespace ConfiguracionSuite {

// Fichero en uso (existente o el que se crearía)
QString ruta();
// Las pruebas y tarvelo-admin --suite fijan el fichero
void ponerRuta(const QString& ruta);

ParametrosConexion tienda();
void guardarTienda(const ParametrosConexion& p);

// Origen de datos con nombre; sin configurar, "ListBrisalo" es un fichero
// SQLite "informes.db" junto a la base de datos de la tienda.
ParametrosConexion origen(const QString& nombre);
void guardarOrigen(const QString& nombre, const ParametrosConexion& p);

QString identificadorPuesto();
void guardarIdentificadorPuesto(const QString& identificador);

// Orden con que se arranca un programa hermano; "" si no está configurado
QString programa(const QString& nombreFichero);
void guardarPrograma(const QString& nombreFichero, const QString& orden);

// Certificado del contribuyente con que se envían los registros de
// facturación: su fichero PKCS#12 y la clave que lo abre. Vacío si no hay.
struct Certificado {
    QString fichero;
    QString clave;
};
Certificado certificado();
void guardarCertificado(const Certificado& c);

}  // namespace ConfiguracionSuite
