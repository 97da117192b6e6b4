-- Tienda, versión 2: almacenamiento de los componentes de la suite.

-- Historial de cambios del escritor de registros
create table if not exists historial (
  id @ID_AUTO@,
  fecha date,
  hora time,
  puesto text,
  empleado integer,
  tabla text,
  operacion text,
  campos text,
  descripcion text,
  condicion text,
  valores_anteriores text,
  valores_nuevos text,
  tienda text
);
create index if not exists ix_historial_tabla on historial (tabla, fecha);

-- Ajustes de cada puesto (tamaños en twips)
create table if not exists puestos (
  identificador text not null primary key,
  ancho_pantalla double precision,
  alto_pantalla double precision,
  esquema_colores integer,
  opcion_visual integer,
  tipo_negocio text,
  separador_decimal text,
  formato_fecha text,
  formato_hora text
);

-- Ajustes de la instalación (p. ej. 'TipoNegocio')
create table if not exists ajustes_suite (
  clave text not null primary key,
  valor text
);

-- Colores como texto decimal del número de color (orden BGR: rojo = 255)
create table if not exists esquemas_colores (
  esquema integer not null primary key,
  nombre text,
  color1 text,
  color2 text,
  color3 text,
  color4 text,
  color_foco text,
  color_marca text,
  color_fondo text,
  color_texto text,
  color_boton text,
  color_texto_boton text
);

create table if not exists traducciones (
  pantalla text not null,
  control text not null,
  idioma text not null,
  texto_original text,
  texto text,
  primary key (pantalla, control, idioma)
);

create table if not exists controles_permisos (
  pantalla text not null,
  control text not null,
  descripcion text,
  primary key (pantalla, control)
);

create table if not exists permisos (
  pantalla text not null,
  control text not null,
  empleado integer not null,
  visible smallint not null default -1,
  activo smallint not null default -1,
  primary key (pantalla, control, empleado)
);
