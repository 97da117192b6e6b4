#pragma once
// Teclado en pantalla de la búsqueda de clientes: una tecla por carácter
// (bt_letra00, bt_letra01...), cada una con su código de carácter en la
// propiedad "tag": "BORRAR" 8, "OK" 13, "ESPACIO" 32, "," 44, "0".."9"
// 48..57, "A".."Z" 65..90 y "Ñ" 209. Las teclas no se quedan con el foco:
// se escribe en el campo que lo tenía.
#include <QFrame>

class QPushButton;

class TecladoBuscar : public QFrame {
    Q_OBJECT
public:
    explicit TecladoBuscar(QWidget* padre = nullptr);

    // Tecla por su código (13 es OK); nullptr si no la hay
    QPushButton* tecla(int codigo) const;
    QList<QPushButton*> teclas() const { return m_teclas; }

Q_SIGNALS:
    void pulsada(int codigo);

private:
    void crear(const QString& rotulo, int codigo, int columna, int fila, int ancho = 1, int alto = 1);

    QList<QPushButton*> m_teclas;
};
