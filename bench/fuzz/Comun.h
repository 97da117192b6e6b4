#pragma once
// Lo común de los objetivos: texto de la entrada y una parada que dice por qué.
#include <QString>

#include <cstdio>
#include <cstdlib>

inline QString textoDe(const uint8_t* datos, size_t tam)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(datos), qsizetype(tam));
}

// Un hallazgo: se cuenta y se para, y libFuzzer guarda la entrada
[[noreturn]] inline void hallazgo(const char* que, const QString& detalle)
{
    std::fprintf(stderr, "HALLAZGO: %s\n%s\n", que, detalle.toUtf8().constData());
    std::abort();
}
