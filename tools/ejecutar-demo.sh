#!/usr/bin/env bash
# Compila y arranca el programa sobre la tienda de demostración (SQLite,
# creada en demo/ la primera vez). Sin pantalla, lo arranca en una pantalla
# virtual (Xvfb) que se ve por VNC solo desde esta máquina (127.0.0.1).
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
sin_pantalla=false
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  sin_pantalla=true
fi
if $sin_pantalla; then "$raiz/tools/instalar-dependencias.sh" x11vnc; else "$raiz/tools/instalar-dependencias.sh"; fi
cmake -S "$raiz" -B "$raiz/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$raiz/build" -j"$(nproc)" --target q_tarvelo tarvelo-admin recursos
bin="$raiz/build/bin"
# La tienda de demostración y la configuración de la suite del puesto
"$bin/tarvelo-admin" demo --carpeta "$raiz/demo" --suite "$bin/suite.ini"
if $sin_pantalla; then
  puerto=${PUERTO_VNC:-5900}
  pantalla=:$((puerto - 5900 + 57))
  Xvfb "$pantalla" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  sleep 1
  x11vnc -display "$pantalla" -localhost -rfbport "$puerto" -forever -shared -nopw -quiet >/dev/null 2>&1 &
  vnc=$!
  trap 'kill $vnc $xvfb 2>/dev/null' EXIT
  echo "No hay pantalla: el programa se ve por VNC desde esta máquina en 127.0.0.1:$puerto"
  echo "(p. ej. 'vncviewer 127.0.0.1:$puerto', o un túnel 'ssh -L $puerto:127.0.0.1:$puerto' desde otra)."
  DISPLAY=$pantalla "$bin/q_tarvelo"
else
  "$bin/q_tarvelo"
fi
