#!/usr/bin/env bash
# Compila y arranca el programa sobre la tienda de demostración (SQLite,
# creada en demo/ la primera vez). Sin pantalla, lo sirve por VNC en 127.0.0.1.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
"$raiz/tools/instalar-dependencias.sh"
cmake -S "$raiz" -B "$raiz/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$raiz/build" -j"$(nproc)" --target q_tarvelo tarvelo-admin recursos
bin="$raiz/build/bin"
# La tienda de demostración y la configuración de la suite del puesto
"$bin/tarvelo-admin" demo --carpeta "$raiz/demo" --suite "$bin/suite.ini"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  puerto=${PUERTO_VNC:-5900}
  echo "No hay pantalla: el programa se sirve por VNC en 127.0.0.1:$puerto (p. ej. 'vncviewer 127.0.0.1:$puerto')."
  export QT_QPA_PLATFORM="vnc:addr=127.0.0.1:port=$puerto:size=1024x768"
fi
exec "$bin/q_tarvelo"
