#!/usr/bin/env bash
# Pasa los objetivos de fuzzing, uno tras otro, con clang, AddressSanitizer y
# UndefinedBehaviorSanitizer.
#   bash bench/fuzz/fuzz.sh [segundos]        600 en total por defecto, repartidos; lo
#                                             nuevo que cubre más se guarda en corpus/
#   bash bench/fuzz/fuzz.sh --ci [segundos]   unos 30 s por objetivo sobre el corpus, sin tocarlo,
#                                             con semilla fija y un número fijo de pasadas (las
#                                             que da cada uno en esos segundos en una máquina de 2
#                                             núcleos): la CI da siempre lo mismo y un hallazgo se
#                                             repite en cualquier máquina
# Con TARVELO_PG el del dialecto comprueba también PostgreSQL. Un hallazgo
# para el script con la entrada guardada en build-fuzz/hallazgos/.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/../.." && pwd)
ci=0
if [ "${1:-}" = "--ci" ]; then ci=1; shift; fi
objetivos=(dialecto numeros listacampos teclado plantilla ticket)
# Pasadas por segundo de cada objetivo, medidas (la del dialecto, con PostgreSQL)
declare -A ritmo=([dialecto]=4000 [numeros]=60000 [listacampos]=12000 [teclado]=5000 [plantilla]=2800 [ticket]=3500)
if [ $ci = 1 ]; then segundos=${1:-30}; else segundos=$(( ${1:-600} / ${#objetivos[@]} )); fi
build=${TARVELO_FUZZ_BUILD:-$raiz/build-fuzz}
"$raiz/tools/instalar-dependencias.sh" clang libclang-rt-14-dev libpq-dev libqrencode-dev
lanzador=(); command -v ccache >/dev/null && lanzador=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$raiz/bench/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      "${lanzador[@]}" >/dev/null
cmake --build "$build" -j2 >/dev/null
mkdir -p "$build/hallazgos"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
for o in "${objetivos[@]}"; do
  corpus="$raiz/bench/fuzz/corpus/$o"
  nuevo=$(mktemp -d)
  echo "== $o: $segundos s"
  set +e
  if [ $ci = 1 ]; then limite=(-seed=1 -runs=$(( segundos * ritmo[$o] ))); else limite=(-max_total_time="$segundos"); fi
  "$build/fuzz_$o" "${limite[@]}" -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
      -artifact_prefix="$build/hallazgos/$o-" "$nuevo" "$corpus" > "$build/hallazgos/$o.txt" 2>&1
  estado=$?
  set -e
  grep -E -A3 "HALLAZGO|ERROR: |SUMMARY|stat::number_of_executed_units" "$build/hallazgos/$o.txt" || true
  if [ $ci = 0 ] && [ "$estado" = 0 ]; then
    # Solo lo que añade cobertura entra en el corpus del repositorio
    "$build/fuzz_$o" -merge=1 "$corpus" "$nuevo" >/dev/null 2>&1
  fi
  rm -rf "$nuevo"
  if [ "$estado" != 0 ]; then
    echo "Hallazgo en $o: la entrada está en $build/hallazgos/" >&2
    exit 1
  fi
done
