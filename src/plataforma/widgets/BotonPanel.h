#pragma once
// Un botón del panel táctil: fondo de color redondeado, imagen arriba si la
// hay y el texto debajo, del mayor tamaño que quepa, negro o blanco según el fondo.
#include <QAbstractButton>
#include <QColor>
#include <QPixmap>

class BotonPanel : public QAbstractButton {
    Q_OBJECT
public:
    explicit BotonPanel(QWidget* padre = nullptr);

    // Un texto vacío y una imagen nula dejan el botón sin ellos
    void mostrar(const QString& texto, const QColor& fondo, const QPixmap& imagen, const QColor& marco);

    // Texto legible sobre un fondo: negro o blanco según su luminancia
    static QColor colorTextoSobre(const QColor& fondo);

    QColor colorFondo() const { return m_fondo; }
    QColor colorTexto() const;
    bool tieneImagen() const { return !m_imagen.isNull(); }
    // Dónde y con qué letra se escribe el texto al tamaño actual
    QRect zonaTexto() const { return m_zonaTexto; }
    QFont letraTexto() const { return m_letra; }

    QSize sizeHint() const override { return {150, 90}; }

protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    void ajustar();  // imagen escalada y letra del texto para el tamaño actual
    void colocar(const QRect& cuerpo, int altoImagen);  // zonas de imagen y texto

    QColor m_fondo;
    QColor m_marco;
    QPixmap m_imagen;
    QPixmap m_escalada;
    QRect m_zonaImagen;
    QRect m_zonaTexto;
    QFont m_letra;
};
