#pragma once
// Etiqueta discreta con los registros de facturación que aún no han llegado
// a la agencia tributaria («3 registros de facturación sin enviar») y los que
// hay que corregir; al pulsarla se abre la pantalla de los registros. Solo se
// ve mientras hay alguno; cuenta al crearse y luego cada poco.
#include <QLabel>

class QTimer;

class EtiquetaPendientes : public QLabel {
    Q_OBJECT
public:
    explicit EtiquetaPendientes(QWidget* padre);

    // Vuelve a contar (p. ej. tras una venta)
    void actualizar();

    static QString texto(int pendientes, bool falloUltimoEnvio, int porCorregir);

protected:
    void mouseReleaseEvent(QMouseEvent* evento) override;

private:
    QTimer* m_temporizador;
};
