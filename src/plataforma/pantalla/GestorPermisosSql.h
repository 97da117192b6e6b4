#pragma once
// Permisos de los empleados sobre los controles de las pantallas.
//   controles_permisos (pantalla, control, descripcion): los controles que
//     se pueden restringir, grabados desde cada pantalla (mantenimiento).
//   permisos (pantalla, control, empleado, visible, activo): sin fila, el
//     control queda como lo deja la pantalla; visible 0 lo oculta y activo 0
//     lo desactiva (se ve pero no se puede pulsar).
// Los permisos se aplican los últimos al cargar: mandan sobre lo que la
// pantalla haya mostrado.
#include "datos/ComponentesSuite.h"

class GestorPermisosSql : public GestorPermisos {
public:
    void Aplicar(Conexion& c, QWidget* pantalla, int empleado) override;
    // Graba los controles con nombre de la pantalla (con su texto como
    // descripción) y quita los que ya no tiene; todo o nada
    void GrabarControles(Conexion& c, QWidget* pantalla) override;

    // Descripción con que se graba un control
    static QString descripcion(const QWidget* control);
};
