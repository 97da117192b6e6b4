#!/usr/bin/env bash
# Compila y pasa todas las pruebas. Con TARVELO_PG="host=... port=... user=..."
# las pruebas de base de datos se hacen también en PostgreSQL; sin él, solo en
# SQLite (y lo dicen).
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
"$raiz/tools/instalar-dependencias.sh"
cmake -S "$raiz" -B "$raiz/build-pruebas" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$raiz/build-pruebas" -j"$(nproc)"
[ -z "${TARVELO_PG:-}" ] && echo "Aviso: sin TARVELO_PG, las pruebas de PostgreSQL se saltan."
cd "$raiz/build-pruebas" && ctest --output-on-failure -j2
