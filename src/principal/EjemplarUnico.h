#pragma once
// Un solo ejemplar del programa por puesto: un fichero de bloqueo y un
// enchufe local, los dos con el identificador del puesto en el nombre. Un
// segundo arranque no abre nada: pide al que ya corre que traiga su ventana
// al frente y termina.
#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;

class EjemplarUnico : public QObject {
    Q_OBJECT
public:
    explicit EjemplarUnico(const QString& puesto);
    ~EjemplarUnico() override;

    // true si este es el único ejemplar del puesto (y queda escuchando); si
    // no, avisa al que corre y devuelve false
    bool tomar();

    // Carpeta del bloqueo y del enchufe: la temporal del sistema salvo que se
    // fije otra (las pruebas usan la suya)
    static void ponerCarpeta(const QString& carpeta);
    static QString ficheroBloqueo(const QString& puesto);
    static QString nombreEnchufe(const QString& puesto);

    // Lo que hace el primer ejemplar cuando otro arranca
    static void traerAlFrente();

private:
    void avisarAlQueCorre();
    void atender();

    QString m_puesto;
    QLockFile m_bloqueo;
    QLocalServer* m_servidor = nullptr;
};
