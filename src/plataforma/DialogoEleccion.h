#pragma once
// Elección táctil entre unas pocas opciones (tamaño de pantalla, opción
// visual, esquema de colores): botones grandes, la opción en vigor marcada y
// "Cancelar". Las pruebas pueden dejar preparada la respuesta de la próxima
// elección, que entonces no se muestra.
#include <QColor>
#include <QDialog>
#include <QList>
#include <QVariant>
#include <optional>

struct OpcionEleccion {
    QString texto;
    QVariant dato;
    QList<QColor> muestras;  // colores que se enseñan en el botón (esquemas)
};

class DialogoEleccion : public QDialog {
    Q_OBJECT
public:
    DialogoEleccion(const QString& titulo, const QString& pregunta, const QList<OpcionEleccion>& opciones, int actual,
                    QWidget* padre = nullptr);

    // Índice elegido; -1 si se canceló
    int elegida() const { return m_elegida; }

    // Muestra la elección (modal) o usa la respuesta preparada; -1 si se cancela
    static int elegir(const QString& titulo, const QString& pregunta, const QList<OpcionEleccion>& opciones,
                      int actual);

    // Pruebas: la próxima elección elige la opción con este dato; un dato que
    // no está entre las opciones (o QVariant()) la cancela
    static void ponerSiguienteRespuesta(const QVariant& dato);
    static void quitarSiguienteRespuesta();

private:
    int m_elegida = -1;
};
