#!/usr/bin/env bash
# Servidor PostgreSQL de usar y tirar para las pruebas, solo en 127.0.0.1.
#   tools/pg-prueba.sh arrancar DIRECTORIO PUERTO
#   tools/pg-prueba.sh parar DIRECTORIO
set -euo pipefail
accion=${1:?arrancar|parar}
dir=${2:?directorio de datos}
bin=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -1)
como_postgres() { if [ "$(id -u)" = 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi; }
case "$accion" in
  arrancar)
    puerto=${3:-55432}
    mkdir -p "$dir"
    [ "$(id -u)" = 0 ] && chown postgres:postgres "$dir"
    if [ ! -f "$dir/PG_VERSION" ]; then
      como_postgres "$bin/initdb" -D "$dir" -U postgres -A trust -E UTF8 --locale=C.UTF-8 >/dev/null
    fi
    como_postgres "$bin/pg_ctl" -D "$dir" -l "$dir/servidor.log" -w \
      -o "-c listen_addresses=127.0.0.1 -p $puerto -k $dir -c fsync=off -c max_connections=200" start >/dev/null
    echo "PostgreSQL de prueba en 127.0.0.1:$puerto"
    ;;
  parar)
    como_postgres "$bin/pg_ctl" -D "$dir" -m fast -w stop >/dev/null || true
    ;;
  *) echo "uso: $0 arrancar|parar DIRECTORIO [PUERTO]" >&2; exit 2 ;;
esac
