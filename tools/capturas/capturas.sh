#!/usr/bin/env bash
# Compila el programa de capturas y dibuja, sin pantalla, el menú principal,
# la selección de tienda y la búsqueda de clientes sobre una tienda de
# demostración nueva. Las deja en docs/capturas/ (o en la carpeta que se dé).
set -euo pipefail
raiz=$(cd "$(dirname "$0")/../.." && pwd)
construccion=${CONSTRUCCION:-$raiz/build}
salida=${1:-$raiz/docs/capturas}
cmake -S "$raiz" -B "$construccion" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$construccion" -j"$(nproc)" --target capturas
QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 "$construccion/bin/capturas" "$salida"
