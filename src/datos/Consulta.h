#pragma once
// Lectura de un conjunto de registros: solo hacia delante, campos por nombre
// sin distinguir mayúsculas, cerrada al destruirse.
#include "datos/Conexion.h"
#include "datos/Error.h"
#include <QDate>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTime>
#include <QVariant>

class Consulta {
public:
    // Ejecuta la consulta al construirse; lanza ErrorTarvelo si falla.
    Consulta(Conexion& conexion, const QString& sql, const QVariantList& valores = {});
    ~Consulta();

    // Avanza a la fila siguiente; false al terminar.
    bool siguiente();

    int columnas() const;
    QString nombreColumna(int i) const;
    bool existeCampo(const QString& campo) const;

    // Valor por nombre de campo (sin distinguir mayúsculas) o por posición.
    // Un campo que no está en el conjunto es un error con su nombre.
    QVariant valor(const QString& campo) const;
    QVariant valor(int i) const;
    bool esNulo(const QString& campo) const { return valor(campo).isNull(); }

    // Lecturas con el valor vacío del programa para los nulos
    QString texto(const QString& campo) const;

    // Lecturas estrictas: un nulo es un error que nombra el campo
    int entero(const QString& campo) const;
    double numero(const QString& campo) const;
    bool bandera(const QString& campo) const;  // -1/0 (o cualquier distinto de 0)
    QDate fecha(const QString& campo) const;    // nulo -> fecha nula
    QDate fechaEstricta(const QString& campo) const;
    QTime hora(const QString& campo) const;     // nulo -> hora nula

    void cerrar();

private:
    int indice(const QString& campo) const;
    QVariant valorEstricto(const QString& campo, const char* tipo) const;
    ErrorTarvelo noValido(const QString& campo, const char* tipo) const;

    QSqlQuery m_consulta;
    QSqlRecord m_registro;
    QString m_sql;
};

// Lectura de valores de un QVariant tal como los devuelven los dos motores
QDate fechaDeValor(const QVariant& v);
QTime horaDeValor(const QVariant& v);
