#pragma once
// Visor de ayuda: una página HTML de la carpeta "ayudas" del programa con un
// botón "Cerrar". No se mueve solo: la pantalla lo sube desde el borde
// inferior y lo baja (ConvencionesPantalla). Al pulsar "Cerrar" la propiedad
// cerrar pasa a true y se emite pideCierre().
#include <QFrame>

class QPushButton;
class QTextBrowser;
class QLabel;

class Visorel : public QFrame {
    Q_OBJECT
    Q_PROPERTY(bool cerrar READ cerrar)
public:
    explicit Visorel(QWidget* padre = nullptr);

    // Ruta completa de la página, o su nombre dentro de carpetaPrograma()/ayudas
    void ponerPagina(const QString& pagina);
    QString pagina() const { return m_pagina; }
    // Carga la página (o un aviso si no se encuentra) y deja cerrar en false
    void abrir();
    bool cerrar() const { return m_cerrar; }
    // true si la última apertura encontró la página
    bool paginaEncontrada() const { return m_encontrada; }

    QTextBrowser* navegador() const { return m_navegador; }
    QPushButton* botonCerrar() const { return m_botonCerrar; }

    static QString carpetaAyudas();

Q_SIGNALS:
    void pideCierre();

protected:
    void changeEvent(QEvent* evento) override;

private:
    void ajustarBoton();

    QString m_pagina;
    bool m_cerrar = false;
    bool m_encontrada = false;
    QLabel* m_titulo = nullptr;
    QTextBrowser* m_navegador = nullptr;
    QPushButton* m_botonCerrar = nullptr;
};
