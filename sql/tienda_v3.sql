-- Tienda, versión 3: la clave de los traspasos a los listados es el puesto
-- seguido de un texto de la base de informes, sin largo fijo. SQLite no
-- limita el largo de varchar: solo cambia PostgreSQL.
@POSTGRESQL@ alter table pasardatos alter column terminal type text;
