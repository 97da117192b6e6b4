#pragma once
// Imagen de una pantalla (logotipo, bandera, foto): se dibuja entera, sin
// deformarla, en el espacio del control, que puede cambiar con el tamaño de
// la pantalla. Recuerda el fichero de donde salió ("" si es la de diseño).
#include <QPixmap>
#include <QWidget>

class ImagenPantalla : public QWidget {
    Q_OBJECT
public:
    explicit ImagenPantalla(QWidget* padre = nullptr);

    // Imagen de diseño (no viene de ningún fichero)
    void ponerImagen(const QPixmap& imagen);
    // Carga un fichero; false si no se puede (la imagen no cambia)
    bool cargar(const QString& ruta);

    const QPixmap& imagen() const { return m_imagen; }
    QString ruta() const { return m_ruta; }

    // Esquinas redondeadas y marco (para las fotos)
    void ponerMarco(bool marco) { m_marco = marco; update(); }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QPixmap m_imagen;
    QString m_ruta;
    bool m_marco = false;
};
