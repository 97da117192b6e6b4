-- Tienda, versión 5: registros de facturación de VERI*FACTU, encadenados por
-- su huella, sus envíos a la agencia tributaria y la respuesta de cada uno.
-- Las cuatro tablas solo crecen: un disparador rechaza cualquier cambio o
-- borrado, y una corrección es siempre un registro nuevo.

-- Una cadena por NIF emisor (opciones.cif). La fila no cambia nunca: se
-- bloquea para añadir un registro a la cadena, uno cada vez.
create table if not exists verifactu_cadenas (
  id @ID_AUTO@,
  nif text not null unique,
  creada text not null
);

-- Cada registro con los textos exactos que entran en su huella (se pueden
-- volver a calcular), su XML tal como se envía y el documento que registra.
-- Dos registros no pueden seguir al mismo anterior ni ocupar el mismo lugar:
-- la cadena no se bifurca ni vuelve a empezar.
create table if not exists verifactu_registros (
  id @ID_AUTO@,
  cadena integer not null references verifactu_cadenas (id),
  secuencia integer not null check (secuencia > 0),
  tipo_registro text not null check (tipo_registro in ('alta', 'anulacion')),
  id_emisor text not null,
  num_serie_factura text not null,
  fecha_expedicion text not null,
  tipo_factura text,
  cuota_total text,
  importe_total text,
  huella_anterior text not null,
  fecha_hora_huso text not null,
  huella text not null,
  xml text not null,
  url_qr text,
  documento text not null,
  numero_documento integer not null,
  check ((secuencia = 1 and huella_anterior = '') or (secuencia > 1 and length(huella_anterior) = 64)),
  unique (cadena, secuencia),
  unique (cadena, huella_anterior)
);
create index if not exists ix_verifactu_registros_documento on verifactu_registros (documento, numero_documento);

-- Un intento de envío, escrito entero cuando ha terminado: con la respuesta
-- de la agencia (estado), o con el fallo del transporte o del servidor
-- (error, sin estado). espera: segundos hasta el envío siguiente, los que
-- pidió la agencia o los de reintentar tras un fallo. ultima_secuencia: la
-- del último registro de la cadena al intentarlo; lo que quedó pendiente en
-- un intento fallido se envía después con incidencia.
create table if not exists verifactu_envios (
  id @ID_AUTO@,
  cadena integer not null references verifactu_cadenas (id),
  inicio text not null,
  fin text not null,
  incidencia smallint not null default 0,
  registros integer not null,
  ultima_secuencia integer not null,
  estado text,
  csv text,
  espera integer not null,
  error text
);
create index if not exists ix_verifactu_envios_cadena on verifactu_envios (cadena, id);

-- Lo que la agencia contestó de cada registro de un envío
create table if not exists verifactu_respuestas (
  id @ID_AUTO@,
  envio integer not null references verifactu_envios (id),
  registro integer not null references verifactu_registros (id),
  estado text not null,
  codigo_error integer,
  descripcion_error text
);
create index if not exists ix_verifactu_respuestas_registro on verifactu_respuestas (registro, id);

-- Solo altas: ni cambios ni borrados (ni vaciados en PostgreSQL)
@SQLITE@ create trigger if not exists verifactu_cadenas_sin_cambios before update on verifactu_cadenas begin select raise(abort, 'La tabla verifactu_cadenas solo admite altas: sus filas no se cambian ni se borran.'); end;
@SQLITE@ create trigger if not exists verifactu_cadenas_sin_borrados before delete on verifactu_cadenas begin select raise(abort, 'La tabla verifactu_cadenas solo admite altas: sus filas no se cambian ni se borran.'); end;
@SQLITE@ create trigger if not exists verifactu_registros_sin_cambios before update on verifactu_registros begin select raise(abort, 'La tabla verifactu_registros solo admite altas: sus filas no se cambian ni se borran.'); end;
@SQLITE@ create trigger if not exists verifactu_registros_sin_borrados before delete on verifactu_registros begin select raise(abort, 'La tabla verifactu_registros solo admite altas: sus filas no se cambian ni se borran.'); end;
@SQLITE@ create trigger if not exists verifactu_envios_sin_cambios before update on verifactu_envios begin select raise(abort, 'La tabla verifactu_envios solo admite altas: sus filas no se cambian ni se borran.'); end;
@SQLITE@ create trigger if not exists verifactu_envios_sin_borrados before delete on verifactu_envios begin select raise(abort, 'La tabla verifactu_envios solo admite altas: sus filas no se cambian ni se borran.'); end;
@SQLITE@ create trigger if not exists verifactu_respuestas_sin_cambios before update on verifactu_respuestas begin select raise(abort, 'La tabla verifactu_respuestas solo admite altas: sus filas no se cambian ni se borran.'); end;
@SQLITE@ create trigger if not exists verifactu_respuestas_sin_borrados before delete on verifactu_respuestas begin select raise(abort, 'La tabla verifactu_respuestas solo admite altas: sus filas no se cambian ni se borran.'); end;
@POSTGRESQL@ create or replace function verifactu_solo_altas() returns trigger language plpgsql as $$ begin raise exception 'La tabla % solo admite altas: sus filas no se cambian ni se borran.', tg_table_name; end $$;
@POSTGRESQL@ create or replace trigger verifactu_cadenas_solo_altas before update or delete on verifactu_cadenas for each row execute function verifactu_solo_altas();
@POSTGRESQL@ create or replace trigger verifactu_cadenas_sin_vaciar before truncate on verifactu_cadenas for each statement execute function verifactu_solo_altas();
@POSTGRESQL@ create or replace trigger verifactu_registros_solo_altas before update or delete on verifactu_registros for each row execute function verifactu_solo_altas();
@POSTGRESQL@ create or replace trigger verifactu_registros_sin_vaciar before truncate on verifactu_registros for each statement execute function verifactu_solo_altas();
@POSTGRESQL@ create or replace trigger verifactu_envios_solo_altas before update or delete on verifactu_envios for each row execute function verifactu_solo_altas();
@POSTGRESQL@ create or replace trigger verifactu_envios_sin_vaciar before truncate on verifactu_envios for each statement execute function verifactu_solo_altas();
@POSTGRESQL@ create or replace trigger verifactu_respuestas_solo_altas before update or delete on verifactu_respuestas for each row execute function verifactu_solo_altas();
@POSTGRESQL@ create or replace trigger verifactu_respuestas_sin_vaciar before truncate on verifactu_respuestas for each statement execute function verifactu_solo_altas();
