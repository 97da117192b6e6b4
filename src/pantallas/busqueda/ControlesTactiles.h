#pragma once
// Controles de la búsqueda hechos para el dedo.
#include <QLineEdit>
#include <functional>

class QListWidget;

// Campo de texto que avisa al recibir el foco y al perderlo. También avisa
// tras el toque que le dio el foco, porque ese toque mueve el cursor y
// quitaría la selección que se ponga al enfocarlo.
class CampoTexto : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    std::function<void()> alEnfocar;
    std::function<void()> alDesenfocar;

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    bool m_enfocadoConToque = false;
};

// Filas una vez y media más altas que la letra y barra de desplazamiento de
// ese mismo ancho; siguen a la letra cuando la pantalla se escala
void hacerListaTactil(QListWidget* lista);
