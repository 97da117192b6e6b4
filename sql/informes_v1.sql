-- Informes, versión 1: datos de las plantillas y tabla temporal de listados.
@POSTGRESQL@ create extension if not exists unaccent;

-- Una fila por línea impresa del documento
create table if not exists informes (
  id @ID_AUTO@,
  texto1 text, texto2 text, texto3 text, texto4 text, texto5 text,
  texto6 text, texto7 text, texto8 text, texto9 text, texto10 text,
  texto11 text, texto12 text, texto13 text, texto14 text, texto15 text,
  texto16 text, texto17 text, texto18 text, texto19 text, texto20 text,
  texto21 text, texto22 text, texto23 text, texto24 text, texto25 text,
  texto26 text, texto27 text, texto28 text, texto29 text, texto30 text,
  numerico1 double precision, numerico2 double precision, numerico3 double precision,
  numerico4 double precision, numerico5 double precision, numerico6 double precision,
  numerico7 double precision, numerico8 double precision, numerico9 double precision,
  numerico10 double precision, numerico11 double precision, numerico12 double precision,
  numerico13 double precision, numerico14 double precision, numerico15 double precision,
  numerico16 double precision, numerico17 double precision, numerico18 double precision,
  numerico19 double precision, numerico20 double precision, numerico21 double precision,
  fecha1 date,
  fecha2 date
);

create table if not exists listadostemporal (
  id @ID_AUTO@,
  list1 text
);
