-- The predefined weightings delivered with the database.
INSERT INTO tblPonderacao (Nome, Aspecto, c1, c2, c3, c4, c5, c6, c7, c8, c9, c10, c11, c12, c13) VALUES
  ('Referência',  'Geral',       10.0, 14.1, 4.9, 8.1, 7.8, 10.9, 7.7, 9.4, 5.9, 6.1, 5.1, 4.2, 5.6),
  ('Hidrológica', 'Hidrológico', 15, 20, 15, 6, 6, 6, 6, 5, 5, 4, 4, 4, 4),
  ('Sanitária',   'Sanitário',   8, 8, 6, 18, 18, 8, 8, 5, 5, 4, 4, 4, 4),
  ('Ambiental',   'Ambiental',   8, 8, 8, 5, 5, 9, 9, 16, 16, 4, 4, 4, 4),
  ('Social',      'Social',      8, 8, 6, 6, 6, 5, 5, 6, 6, 11, 11, 11, 11);
