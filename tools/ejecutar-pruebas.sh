#!/usr/bin/env bash
# Compila y pasa todas las pruebas, con AddressSanitizer y
# UndefinedBehaviorSanitizer. Con TARVELO_PG="host=... port=... user=..." las
# pruebas de base de datos se hacen también en PostgreSQL; sin él, solo en
# SQLite (y lo dicen).
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
"$raiz/tools/instalar-dependencias.sh"
# -g1: los informes de los sanitizers dan fichero y línea, y se compila en bastante menos tiempo que con -g
cmake -S "$raiz" -B "$raiz/build-pruebas" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DTARVELO_SANEAR=ON \
      >/dev/null
cmake --build "$raiz/build-pruebas" -j"$(nproc)"
[ -z "${TARVELO_PG:-}" ] && echo "Aviso: sin TARVELO_PG, las pruebas de PostgreSQL se saltan."
# Las fugas no: Qt deja memoria suya sin liberar al salir
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0} UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
# Dos pruebas por núcleo: las de varios puestos, caídas y pantallas pasan buena parte del tiempo esperando
cd "$raiz/build-pruebas" && ctest --output-on-failure -j"$(( $(nproc) * 2 ))"
