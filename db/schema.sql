-- Tessaura database: the working alternatives table, the weightings and the
-- saved projects. Row order is creation order (ORDER BY id).

CREATE TABLE tblTessaura (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  Marcador TEXT,
  Nome TEXT,
  Anotacao TEXT,
  TR INTEGER,
  TRD INTEGER,
  QJmin REAL,
  QJmax REAL,
  Qalvo REAL,
  Qinf REAL,
  Qnat REAL,
  Ainf REAL,
  Anat REAL,
  PTD INTEGER,
  PPI INTEGER,
  IAsup INTEGER,
  IAsub INTEGER,
  Aapta1 REAL,
  Aapta2 REAL,
  IP INTEGER,
  ARL1 REAL,
  ARL2 REAL,
  ICC INTEGER,
  PUOF INTEGER,
  Ades REAL,
  PerMP REAL,
  PerPC REAL,
  Eco INTEGER,
  CustoImplantacao REAL,
  CustoOperacao REAL,
  CustoManutencao REAL,
  VidaUtil REAL,
  ErroEco REAL
) STRICT;

CREATE TABLE tblPonderacao (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  Nome TEXT,
  Aspecto TEXT,
  c1 REAL, c2 REAL, c3 REAL, c4 REAL, c5 REAL, c6 REAL, c7 REAL,
  c8 REAL, c9 REAL, c10 REAL, c11 REAL, c12 REAL, c13 REAL
) STRICT;

CREATE TABLE tblSaveNome (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  Projeto TEXT,
  Data TEXT,
  Time TEXT,
  Pass TEXT,
  Responsavel TEXT,
  Descricao TEXT
) STRICT;

CREATE TABLE tblSave (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  Projeto TEXT,
  Nome TEXT,
  Anotacao TEXT,
  Marcador TEXT,
  TR INTEGER,
  TRD INTEGER,
  QJmin REAL,
  QJmax REAL,
  Qalvo REAL,
  Qinf REAL,
  Qnat REAL,
  Ainf REAL,
  Anat REAL,
  PTD INTEGER,
  PPI INTEGER,
  IAsup INTEGER,
  IAsub INTEGER,
  IP INTEGER,
  ARL1 REAL,
  ARL2 REAL,
  ICC INTEGER,
  PUOF INTEGER,
  Ades REAL,
  Aapta1 REAL,
  Aapta2 REAL
) STRICT;
