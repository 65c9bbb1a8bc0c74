-- Sample articles of the demo shop (names and barcodes made up for the demonstration).
BEGIN;
INSERT INTO articol VALUES (1, 'PAINE ALBA FELIATA', 'BUC', 4.50, '2', '2', '');
INSERT INTO articol VALUES (2, 'LAPTE INTEGRAL 1L', 'BUC', 7.20, '2', '2', '');
INSERT INTO articol VALUES (3, 'APA PLATA 2L', 'BUC', 3.10, '2', '1', '');
INSERT INTO articol VALUES (4, 'CAFEA MACINATA 250G', 'BUC', 18.90, '2', '1', '');
INSERT INTO articol VALUES (5, 'MERE ROSII', 'KG', 5.49, '2', '2', '');
INSERT INTO articol VALUES (6, 'CIOCOLATA CU ALUNE', 'BUC', 6.75, '2', '1', '');
INSERT INTO articol VALUES (7, 'DETERGENT VASE 500ML', 'BUC', 9.99, '2', '1', '');
INSERT INTO articol VALUES (8, 'ZAHAR TOS 1KG', 'BUC', 5.30, '2', '2', '');
INSERT INTO codbar VALUES (4, '5940000000017', '1');
INSERT INTO codbar VALUES (5, '5940000000024', '2');
INSERT INTO codbar VALUES (6, '5940000000031', '3');
INSERT INTO codbar VALUES (7, '5940000000048', '4');
INSERT INTO codbar VALUES (8, '105', '5');
INSERT INTO codbar VALUES (9, '5940000000062', '6');
INSERT INTO codbar VALUES (10, '5940000000079', '7');
INSERT INTO codbar VALUES (11, '5940000000086', '8');
COMMIT;
