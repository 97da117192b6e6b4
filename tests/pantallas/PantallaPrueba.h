#pragma once
// Sesión de las pruebas de pantallas: una base de datos nueva con los datos
// que toda instalación tiene (esquemas de colores...), gConexion abierta,
// la carpeta del programa en la carpeta temporal, las medidas de pantalla de
// diseño, los mensajes anotados y los temporizadores acortados.
#include "Modal.h"
#include "SesionPrueba.h"
#include "DatosBase.h"
#include "pantallas/comun/ConvencionesPantalla.h"
#include "plataforma/DialogoEleccion.h"
#include "principal/Mensajes.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <memory>

namespace PantallaPrueba {

inline std::unique_ptr<BaseDatosPrueba::Temporal> abrir(const QString& motor,
                                                        const QString& tipoNegocio = QStringLiteral("ESTETICA"))
{
    auto db = std::make_unique<BaseDatosPrueba::Temporal>(motor, BaseDatosPrueba::Contenido::TiendaEInformes);
    SesionPrueba::abrir(*db, QStringLiteral("CAJA1"));
    DatosBase::sembrar(gConexion, QStringLiteral("PELUQUERIA"));
    ponerCarpetaPrograma(db->carpeta());
    QDir(db->carpeta()).mkpath(QStringLiteral("fotos/fotos1"));
    gCarpetaFotos = db->carpeta() + QStringLiteral("/fotos/");
    gTipoNegocio = tipoNegocio;
    gAnchoPantalla = gAnchoDiseno = 15360;
    gAltoPantalla = gAltoDiseno = 11085;
    gEsquemaColores = 1;
    gOpcionVisual = 0;
    Mensajes::activarModoPrueba(true);
    Mensajes::limpiarAnotados();
    ConvencionesPantalla::ponerEscalaTiempo(0.02);
    return db;
}

inline void cerrar()
{
    DialogoEleccion::quitarSiguienteRespuesta();
    ConvencionesPantalla::ponerEscalaTiempo(1);
    Mensajes::activarModoPrueba(false);
    SesionPrueba::cerrar();
}

// Una imagen de verdad en un fichero
inline void escribirImagen(const QString& ruta, const QColor& color, const QSize& tam = QSize(90, 60))
{
    QImage i(tam, QImage::Format_RGB32);
    i.fill(color);
    i.save(ruta);
}

using Modal::alAbrirse;

}  // namespace PantallaPrueba
