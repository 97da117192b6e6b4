#!/usr/bin/env bash
# Hace los documentos de una venta de demostración (factura, hoja de
# seguimiento, normativa UVA en PDF y la imagen del ticket) y una vista en PNG
# de la primera página de cada PDF. Los deja en docs/documentos/.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/../.." && pwd)
construccion=${CONSTRUCCION:-$raiz/build}
salida=${1:-$raiz/docs/documentos}
cmake -S "$raiz" -B "$construccion" >/dev/null
cmake --build "$construccion" -j2 --target documentos
mkdir -p "$salida"
QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 "$construccion/bin/documentos" "$salida"
for pdf in "$salida"/*.pdf; do
  pdftoppm -r 70 -png -singlefile "$pdf" "${pdf%.pdf}"
done
