-- Tienda, versión 1: catálogo, clientes, documentos de venta y configuración.
@POSTGRESQL@ create extension if not exists unaccent;

-- Contadores y ajustes sueltos (indice, daton, datoa)
create table if not exists relaciones_fijas (
  indice varchar(50) not null primary key,
  daton integer,
  datoa varchar(255)
);

create table if not exists semaforos (
  nombre varchar(50) not null primary key,
  estado varchar(10) not null default 'verde'
);

-- Configuración de la tienda (se lee la primera fila)
create table if not exists opciones (
  id @ID_AUTO@,
  nombre varchar(100),
  direccion varchar(150),
  poblacion varchar(60),
  provincia varchar(60),
  cp varchar(10),
  cif varchar(20),
  telefono varchar(30),
  iva smallint not null default -1,
  logo varchar(255),
  utilizacolores_fpago smallint not null default 0,
  utilizacolores_empleados smallint not null default 0,
  numdecimales smallint default 2,
  modopantallacaja smallint not null default 0,
  multitienda varchar(1) default 'N',
  nombretienda varchar(50),
  agenda smallint default -1
);

create table if not exists opciones_terminal (
  identificador varchar(100) not null primary key,
  terminal varchar(50),
  animacionesactivas smallint not null default 0,
  empleado integer not null default 0
);

create table if not exists impresoras (
  terminal varchar(50) not null,
  tipo varchar(1) not null,
  impresora varchar(255),
  primary key (terminal, tipo)
);

create table if not exists configuracionregional (
  id @ID_AUTO@,
  nombre varchar(50),
  bandera varchar(255),
  identificacion_fiscal varchar(30)
);

create table if not exists multitienda (
  nombre varchar(50) not null primary key
);

-- Horario de cada puesto, para la fecha de jornada
create table if not exists entradas (
  identificador varchar(100) not null primary key,
  horaapertura time,
  horacierre time
);

-- Traspaso de trabajo a los programas hermanos
create table if not exists pasardatos (
  id @ID_AUTO@,
  terminal varchar(200),
  indice varchar(50),
  texto1 text,
  texto2 text
);
create index if not exists ix_pasardatos_terminal on pasardatos (terminal, indice);

-- Catálogo
create table if not exists seccion (
  codigo integer not null primary key,
  nombre varchar(60),
  color varchar(20),
  sec_color smallint default 0,
  borrar smallint not null default 0,
  posicion integer default 0
);

create table if not exists servicios (
  codigo integer not null primary key,
  nombre varchar(100),
  color varchar(20),
  precio double precision default 0,
  iva double precision default 0,
  seccion integer,
  borrar smallint not null default 0,
  mostrarencaja smallint not null default -1,
  posicion integer default 0
);
create index if not exists ix_servicios_seccion on servicios (seccion);

create table if not exists familias (
  codigo integer not null primary key,
  nombre varchar(100),
  color varchar(20),
  precio double precision default 0,
  iva double precision default 0,
  seccion integer,
  borrar smallint not null default 0,
  mostrarencaja smallint not null default -1,
  posicion integer default 0
);
create index if not exists ix_familias_seccion on familias (seccion);

-- Servicios de cada pack, en su orden
create table if not exists detalle_familia (
  id @ID_AUTO@,
  familia integer not null,
  servicio integer not null
);
create index if not exists ix_detalle_familia_familia on detalle_familia (familia);

create table if not exists empleados (
  codigo integer not null primary key,
  nombre varchar(60),
  apellidos varchar(100),
  imagen varchar(255),
  emp_color smallint default 0,
  color varchar(20),
  baja smallint not null default 0,
  mostrar_caja smallint not null default -1,
  posicion integer default 0,
  tienda varchar(50)
);

create table if not exists formapago (
  codigo integer not null primary key,
  nombre varchar(50),
  imagen varchar(255),
  color varchar(20),
  fpa_color smallint default 0,
  borrar smallint not null default 0,
  posicion integer default 0
);

-- Clientes, con su dinero en depósito
create table if not exists clientes (
  codigo integer not null primary key,
  borrar smallint not null default 0,
  nombre varchar(60),
  apellidos varchar(100),
  telefono1 varchar(20),
  telefono2 varchar(20),
  email varchar(100),
  codigocliente varchar(20),
  nif varchar(20),
  direccion varchar(150),
  poblacion varchar(60),
  provincia varchar(60),
  cp varchar(10),
  fecha_alta date,
  ultima_visita date,
  dindep double precision default 0,
  activardindep smallint not null default 0,
  tienda varchar(50)
);
create index if not exists ix_clientes_nombre on clientes (nombre, apellidos);
create index if not exists ix_clientes_apellidos on clientes (apellidos);
create index if not exists ix_clientes_codigocliente on clientes (codigocliente);
create index if not exists ix_clientes_nif on clientes (nif);
create index if not exists ix_clientes_telefono1 on clientes (telefono1);
create index if not exists ix_clientes_telefono2 on clientes (telefono2);

-- Bonos y su consumo. El número del bono sale del contador 'Bonos'; la
-- clave es propia porque los contadores pueden repetir (fila que falta: 0).
create table if not exists cabecera_bonos (
  id @ID_AUTO@,
  numbono integer not null,
  cliente integer,
  empleado integer,
  servicio integer,
  familia integer,
  precio double precision default 0,
  descuento double precision default 0,
  fecha_alta date,
  fecha_desde date,
  fecha_hasta date,
  num_sesiones integer default 0,
  estado smallint not null default 0,
  num_factura integer,
  facturaperuchile smallint not null default 0,
  tienda varchar(50)
);
create index if not exists ix_cabecera_bonos_numbono on cabecera_bonos (numbono);
create index if not exists ix_cabecera_bonos_estado_hasta on cabecera_bonos (estado, fecha_hasta);
create index if not exists ix_cabecera_bonos_estado_desde on cabecera_bonos (estado, fecha_desde);
create index if not exists ix_cabecera_bonos_factura on cabecera_bonos (num_factura);
create index if not exists ix_cabecera_bonos_cliente on cabecera_bonos (cliente);

create table if not exists detalle_bono (
  id @ID_AUTO@,
  num_bono integer not null,
  fecha_consumo date,
  empleado integer,
  tienda varchar(50)
);
create index if not exists ix_detalle_bono_num_bono on detalle_bono (num_bono);

-- Facturas, serie 0
create table if not exists cabecera_factura (
  id @ID_AUTO@,
  numero integer not null,
  fecha date,
  cliente integer,
  empleado varchar(100),
  total double precision default 0,
  pago integer,
  descuento double precision default 0,
  hora time,
  codigo_empleado integer,
  hora_inicio time,
  borrar smallint not null default 0,
  impuesto double precision default 0,
  tarjeta double precision default 0,
  efectivo double precision default 0,
  recargo double precision default 0,
  impuestoincluido smallint not null default 0,
  fechaventa date,
  terminal varchar(50),
  caracteristicaventa varchar(5),
  tienda varchar(50)
);
create index if not exists ix_cabecera_factura_numero on cabecera_factura (numero);
create index if not exists ix_cabecera_factura_cliente on cabecera_factura (cliente);

create table if not exists detalle_factura (
  id @ID_AUTO@,
  num_factura integer not null,
  codigo integer,
  producto varchar(100),
  unidades integer default 0,
  precio double precision default 0,
  descuento double precision default 0,
  precio_unit double precision default 0,
  impuesto double precision default 0,
  tipoimpuesto double precision default 0,
  codempleado integer,
  nombreempleado varchar(100),
  tipo_venta varchar(5),
  tienda varchar(50)
);
create index if not exists ix_detalle_factura_num on detalle_factura (num_factura);

-- Facturas, segunda serie
create table if not exists cabecera_factura_1 (
  id @ID_AUTO@,
  numero integer not null,
  fecha date,
  cliente integer,
  empleado varchar(100),
  total double precision default 0,
  pago integer,
  descuento double precision default 0,
  hora time,
  codigo_empleado integer,
  hora_inicio time,
  borrar smallint not null default 0,
  impuesto double precision default 0,
  tarjeta double precision default 0,
  efectivo double precision default 0,
  recargo double precision default 0,
  impuestoincluido smallint not null default 0,
  fechaventa date,
  terminal varchar(50),
  caracteristicaventa varchar(5),
  tienda varchar(50)
);
create index if not exists ix_cabecera_factura_1_numero on cabecera_factura_1 (numero);
create index if not exists ix_cabecera_factura_1_cliente on cabecera_factura_1 (cliente);

create table if not exists detalle_factura_1 (
  id @ID_AUTO@,
  num_factura integer not null,
  codigo integer,
  producto varchar(100),
  unidades integer default 0,
  precio double precision default 0,
  descuento double precision default 0,
  precio_unit double precision default 0,
  impuesto double precision default 0,
  tipoimpuesto double precision default 0,
  codempleado integer,
  nombreempleado varchar(100),
  tipo_venta varchar(5),
  tienda varchar(50)
);
create index if not exists ix_detalle_factura_1_num on detalle_factura_1 (num_factura);

-- Pagos a cuenta (deuda del cliente) y lo pagado contra ellos
create table if not exists cabecera_pago (
  id @ID_AUTO@,
  num_pago integer not null,
  num_factura integer,
  cliente integer,
  importe double precision default 0,
  fecha date,
  estado smallint not null default 0,
  empleado integer,
  observaciones text,
  tienda varchar(50)
);
create index if not exists ix_cabecera_pago_cliente on cabecera_pago (cliente, estado);
create index if not exists ix_cabecera_pago_num on cabecera_pago (num_pago);

create table if not exists detalle_pago (
  id @ID_AUTO@,
  num_pago integer not null,
  importe double precision default 0,
  fecha date,
  pago integer,
  empleado integer,
  tienda varchar(50)
);
create index if not exists ix_detalle_pago_num on detalle_pago (num_pago);

-- Abonos (devoluciones), de las dos series
create table if not exists cabecera_abono (
  id @ID_AUTO@,
  numero integer not null,
  fecha date,
  cliente integer,
  empleado varchar(100),
  total double precision default 0,
  pago integer,
  descuento double precision default 0,
  hora time,
  codigo_empleado integer,
  hora_inicio time,
  borrar smallint not null default 0,
  impuesto double precision default 0,
  tarjeta double precision default 0,
  efectivo double precision default 0,
  recargo double precision default 0,
  impuestoincluido smallint not null default 0,
  fechaventa date,
  terminal varchar(50),
  num_factura integer,
  facturaperuchile smallint not null default 0,
  caracteristicaventa varchar(5),
  tienda varchar(50)
);
create index if not exists ix_cabecera_abono_numero on cabecera_abono (numero);

create table if not exists detalle_abono (
  id @ID_AUTO@,
  num_abono integer not null,
  codigo integer,
  producto varchar(100),
  unidades integer default 0,
  precio double precision default 0,
  descuento double precision default 0,
  precio_unit double precision default 0,
  impuesto double precision default 0,
  tipoimpuesto double precision default 0,
  codempleado integer,
  nombreempleado varchar(100),
  tipo_venta varchar(5),
  num_factura integer,
  tienda varchar(50)
);
create index if not exists ix_detalle_abono_num on detalle_abono (num_abono);
