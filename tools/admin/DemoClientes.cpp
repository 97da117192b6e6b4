// Clientes de la tienda de demostración: nombres con tildes y eñes para la
// búsqueda, algunos con dinero en depósito, uno sin tienda
#include "DemoPartes.h"
#include "Lotes.h"

#include <QStringList>

namespace Demo {
namespace {

struct Cliente {
    const char* nombre;
    const char* apellidos;
    const char* tienda;  // nullptr: cliente sin tienda
    double deposito;
    int depositoActivo;
};

const Cliente kClientes[] = {
    {"María", "García Fernández", "Centro", 0, 0},
    {"José", "Martínez López", "Centro", 0, 0},
    {"Ana", "Rodríguez Pérez", "Centro", 150, -1},
    {"Anabel", "Sánchez Romero", "Centro", 0, 0},
    {"Mariana", "Torres Molina", "Centro", 0, 0},
    {"Ana María", "Jiménez Ruiz", "Centro", 45.5, -1},
    {"José Luis", "Hernández Díaz", "Centro", 0, 0},
    {"María José", "Moreno Álvarez", "Centro", 80, 0},  // tiene dinero pero no lo usa en caja
    {"Begoña", "Muñoz Iglesias", "Centro", 0, 0},
    {"Íñigo", "Núñez Castaño", "Centro", 300, -1},
    {"Lucía", "Gutiérrez Navarro", "Centro", 0, 0},
    {"Carmen", "Domínguez Vázquez", "Centro", 20, -1},
    {"Pilar", "Ramos Gil", "Centro", 0, 0},
    {"Isabel", "Serrano Blanco", "Centro", 0, 0},
    {"Rocío", "Castro Ortiz", "Centro", 500, -1},
    {"Teresa", "Rubio Marín", "Centro", 0, 0},
    {"Cristina", "Sanz Medina", "Centro", 0, 0},
    {"Raquel", "Garrido Cortés", "Centro", 60, 0},
    {"Sonia", "Castillo Santos", "Centro", 0, 0},
    {"Laura", "Lozano Guerrero", "Centro", 0, 0},
    {"Marta", "Cano Prieto", "Centro", 0, 0},
    {"Elena", "Méndez Cruz", "Centro", 95, -1},
    {"Patricia", "Calvo Gallego", "Centro", 0, 0},
    {"Nuria", "Vidal León", "Centro", 0, 0},
    {"Beatriz", "Márquez Herrera", "Centro", 0, 0},
    {"Silvia", "Peña Flores", "Centro", 0, 0},
    {"Rosa", "Cabrera Campos", "Centro", 0, 0},
    {"Montserrat", "Vega Fuentes", "Centro", 0, 0},
    {"Inmaculada", "Carrasco Diez", "Centro", 0, 0},
    {"Ángela", "Caballero Reyes", "Centro", 35, -1},
    {"Alba", "Nieto Aguilar", "Centro", 0, 0},
    {"Noelia", "Pascual Santana", "Centro", 0, 0},
    {"Susana", "Herrero Lorenzo", "Centro", 0, 0},
    {"Yolanda", "Montero Hidalgo", "Centro", 0, 0},
    {"Antonio", "Giménez Ibáñez", "Centro", 0, 0},
    {"Manuel", "Ferrer Durán", "Centro", 0, 0},
    {"Francisco", "Santiago Benítez", "Centro", 0, 0},
    {"David", "Mora Vicente", "Centro", 0, 0},
    {"Javier", "Arias Carmona", "Centro", 0, 0},
    {"Daniel", "Crespo Román", "Centro", 0, 0},
    {"Carlos", "Pastor Soto", "Centro", 120, -1},
    {"Alejandro", "Sáez Velasco", "Centro", 0, 0},
    {"Miguel Ángel", "Moya Soler", "Centro", 0, 0},
    {"Sergio", "Parra Esteban", "Centro", 0, 0},
    {"Adrián", "Bravo Gallardo", "Centro", 0, 0},
    {"Rubén", "Rojas Pardo", "Centro", 0, 0},
    {"Iván", "Merino Franco", "Centro", 0, 0},
    {"Óscar", "Espinosa Izquierdo", "Centro", 0, 0},
    {"Paula", "Lara Rivas", "Delicias", 0, 0},
    {"Claudia", "Silva Rivera", "Delicias", 70, -1},
    {"Andrea", "Casado Arroyo", "Delicias", 0, 0},
    {"Irene", "Redondo Camacho", "Delicias", 0, 0},
    {"Sara", "Vargas Méndez", "Delicias", 0, 0},
    {"Natalia", "Bermúdez Soto", "Parquesol", 0, 0},
    {"Eva", "Benito Polo", "Parquesol", 0, 0},
    {"Lorena", "Salas Mateo", "Parquesol", 0, 0},
    {"Verónica", "Robles Villar", "Parquesol", 0, 0},
    {"Alicia", "Aparicio Conde", nullptr, 0, 0},  // alta antigua, sin tienda
    {"Julia", "Quintana Ferrero", "Centro", 0, 0},
    {"Miriam", "Ñíguez Ochoa", "Centro", 0, 0},
    {"Cliente", "Genérico", "Centro", 0, 0},
};

const char* const kCalles[] = {"Calle Santiago", "Calle Miguel Íscar", "Paseo de Zorrilla", "Calle Gamazo",
                               "Calle Muro", "Avenida de Segovia", "Calle Labradores", "Calle Cigüeña",
                               "Plaza de España", "Calle Panaderos"};
const char* const kPoblaciones[] = {"Valladolid", "Valladolid", "Valladolid", "Laguna de Duero",
                                    "Arroyo de la Encomienda", "Simancas", "Zaratán"};
const char* const kCodigosPostales[] = {"47001", "47004", "47014", "47140", "47195", "47130", "47610"};

const char* const kNombresInventados[] = {"Ainhoa", "Aitana", "Amparo", "Ariadna", "Blanca", "Candela", "Celia",
                                          "Clara", "Diana", "Emma", "Esther", "Gloria", "Inés", "Jimena", "Lidia",
                                          "Lola", "Mar", "Nerea", "Olga", "Reyes", "Sandra", "Vera", "Luis",
                                          "Hugo", "Mario", "Álvaro", "Jorge", "Raúl", "Tomás", "Víctor"};
const char* const kApellidosInventados[] = {"Álvarez", "Blanco", "Cuesta", "Delgado", "Escudero", "Fernández",
                                            "Gallego", "Hidalgo", "Ibáñez", "Jurado", "Luengo", "Manzano",
                                            "Novoa", "Olmedo", "Peña", "Quiroga", "Ríos", "Sastre", "Toledo",
                                            "Urrutia", "Valverde", "Zamora", "Cordero", "Muñoz"};

QStringList columnas()
{
    return {"codigo", "borrar", "nombre", "apellidos", "telefono1", "telefono2", "email", "codigocliente", "nif",
            "direccion", "poblacion", "provincia", "cp", "fecha_alta", "ultima_visita", "dindep", "activardindep",
            "tienda"};
}

QString sinTildes(QString s)
{
    const QString con = QStringLiteral("áéíóúüñÁÉÍÓÚÜÑ ");
    const QString sin = QStringLiteral("aeiouunAEIOUUN.");
    for (int i = 0; i < con.size(); ++i)
        s.replace(con.at(i), sin.at(i));
    return s;
}

QVariantList fila(int codigo, const QString& nombre, const QString& apellidos, const QVariant& tienda,
                  double deposito, int depositoActivo, const QDate& hoy)
{
    const int numeroDni = 12000000 + codigo * 104729 % 60000000;
    const int i = codigo - 1;
    const int pob = i % int(std::size(kPoblaciones));
    const QString correo = sinTildes(nombre.section(QLatin1Char(' '), 0, 0) + QLatin1Char('.')
                                     + apellidos.section(QLatin1Char(' '), 0, 0))
                               .toLower()
                           + QStringLiteral("@correo.es");
    return {codigo,
            0,
            nombre,
            apellidos,
            // Los primeros tienen fijo y móvil; algunos solo móvil
            codigo % 4 == 0 ? QVariant(QMetaType::fromType<QString>())
                            : QVariant(QStringLiteral("983 %1 %2")
                                           .arg(200 + codigo * 7 % 700, 3, 10, QLatin1Char('0'))
                                           .arg(codigo * 131 % 1000, 3, 10, QLatin1Char('0'))),
            QStringLiteral("6%1 %2 %3")
                .arg(10 + codigo * 17 % 89, 2, 10, QLatin1Char('0'))
                .arg(codigo * 53 % 1000, 3, 10, QLatin1Char('0'))
                .arg(codigo * 97 % 1000, 3, 10, QLatin1Char('0')),
            correo,
            QStringLiteral("%1").arg(codigo, 5, 10, QLatin1Char('0')),
            QString::number(numeroDni) + letraDni(numeroDni),
            QStringLiteral("%1, %2").arg(QString::fromUtf8(kCalles[i % int(std::size(kCalles))])).arg(1 + codigo * 7 % 60),
            QString::fromUtf8(kPoblaciones[pob]),
            QStringLiteral("Valladolid"),
            QString::fromLatin1(kCodigosPostales[pob]),
            hoy.addDays(-30 - codigo * 41 % 1500),
            hoy.addDays(-(codigo * 13 % 120)),
            deposito,
            depositoActivo,
            tienda};
}

}  // namespace

QChar letraDni(int numero)
{
    static const char letras[] = "TRWAGMYFPDXBNJZSQVHLCKE";
    return QLatin1Char(letras[numero % 23]);
}

void sembrarClientes(Conexion& c, const QDate& hoy)
{
    InsercionPorLotes lote(c, QStringLiteral("clientes"), columnas());
    int codigo = 0;
    for (const Cliente& k : kClientes) {
        ++codigo;
        lote.anadir(fila(codigo, QString::fromUtf8(k.nombre), QString::fromUtf8(k.apellidos),
                         k.tienda ? QVariant(QString::fromLatin1(k.tienda)) : QVariant(QMetaType::fromType<QString>()),
                         k.deposito, k.depositoActivo, hoy));
    }
    lote.terminar();
}

int sembrarClientesGenerados(Conexion& c, int desde, int n, const QDate& hoy)
{
    InsercionPorLotes lote(c, QStringLiteral("clientes"), columnas());
    const int nn = int(std::size(kNombresInventados));
    const int na = int(std::size(kApellidosInventados));
    for (int k = 0; k < n; ++k) {
        const int codigo = desde + k;
        const QString nombre = QString::fromUtf8(kNombresInventados[codigo % nn]);
        const QString apellidos = QString::fromUtf8(kApellidosInventados[codigo % na]) + QLatin1Char(' ')
                                  + QString::fromUtf8(kApellidosInventados[(codigo / nn + 7) % na]);
        const QString tienda = codigo % 5 == 0 ? QStringLiteral("Delicias") : QStringLiteral("Centro");
        lote.anadir(fila(codigo, nombre, apellidos, tienda, codigo % 11 == 0 ? 50.0 : 0.0,
                         codigo % 11 == 0 ? -1 : 0, hoy));
    }
    lote.terminar();
    return lote.filasEscritas();
}

}  // namespace Demo
