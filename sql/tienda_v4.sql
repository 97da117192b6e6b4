-- Tienda, versión 4: impresora de documentos de cada puesto (cola de CUPS) y
-- página de códigos de su impresora de tickets.
alter table puestos add column impresora_documentos text;
alter table puestos add column pagina_codigos_ticket integer;
