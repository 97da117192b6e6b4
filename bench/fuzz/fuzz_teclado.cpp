// Filtro de teclas de las cajas numéricas: tecleando lo que sea (y
// seleccionando trozos, que la tecla sustituye) la caja solo tiene cifras y,
// con decimales, un separador como mucho
#include "Comun.h"
#include "plataforma/GestorTecladoPuesto.h"

#include <QApplication>
#include <QLineEdit>

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tam)
{
    FuzzedDataProvider f(datos, tam);
    const int decimales = f.ConsumeIntegralInRange(0, 3);
    AjustesRegionales a = AjustesRegionales::espanoles();
    a.separadorDecimal = f.ConsumeBool() ? QLatin1Char(',') : QLatin1Char('.');
    Valores::ponerRegionales(a);
    GestorTecladoPuesto teclado;
    QLineEdit caja;
    QString pulsado;
    while (f.remaining_bytes() > 0) {
        if (f.ConsumeIntegralInRange(0, 7) == 0) {
            const int desde = f.ConsumeIntegralInRange(0, int(caja.text().size()));
            caja.setSelection(desde, f.ConsumeIntegralInRange(0, int(caja.text().size()) - desde));
            continue;
        }
        const int tecla = f.ConsumeBool() ? f.ConsumeIntegralInRange(0, 0x7f)
                                          : f.PickValueInArray({int(Qt::Key_Backspace), int(Qt::Key_Delete), 0x20AC});
        pulsado += QString::number(tecla) + QLatin1Char(' ');
        const int aceptada = teclado.FiltrarTecla(tecla, &caja, decimales);
        if (aceptada == 0)
            continue;
        if (aceptada == 8 || aceptada == Qt::Key_Backspace)
            caja.backspace();
        else if (aceptada == 127 || aceptada == Qt::Key_Delete)
            caja.del();
        else
            caja.insert(QString(QChar(aceptada)));
    }
    int separadores = 0;
    for (const QChar c : caja.text()) {
        if (c == QLatin1Char(',') || c == QLatin1Char('.'))
            ++separadores;
        else if (!c.isDigit() || c.unicode() > '9')
            hallazgo("la caja numérica acepta otra cosa que cifras", pulsado + caja.text());
    }
    if (separadores > (decimales > 0 ? 1 : 0))
        hallazgo("la caja numérica acepta separadores de más", pulsado + caja.text());
    return 0;
}
