-- A sample chapter database for the demo: one user and three movies. Movie 1 has two
-- editions: the theatrical one, whose 24 chapter names fit the sample Blu-ray playlist
-- 00800 (the last name is hidden), and an ordered extended edition.
-- Load it into the chapter schema after sql/schema.sql, as scripts/demo does:
--   scripts/private-mariadb load DIR samples/chapter_database.sql

INSERT INTO users (uid, `user`, pass, `level`) VALUES (1, 'demo', 'demo', 1);

INSERT INTO filme (fid, title, folge, notiz, typ, sprache, rang, `time`, version, kaps) VALUES
  (1, 'The Tessellated Journey', NULL, 'Restored edition with an extended cut', 1, 'English', '12', '01:50:12', 2, 24),
  (2, 'The Tessellated Journey', 'Loop', 'Menu loop', 1, 'English', '0', '00:00:45', 1, 2),
  (3, 'Three Tiles', 'Episode 1', NULL, 2, 'German', '6', '01:36:09', 1, 0);

INSERT INTO kapitel (k_fid, version, kapnr, kapname, stime, etime, hidden, ordered) VALUES
  (1, 1, 1, 'Opening Titles', '00:00:00.000000000', '', 0, 0),
  (1, 1, 2, 'The Workshop', '00:04:22.762000000', '', 0, 0),
  (1, 1, 3, 'First Tile', '00:09:08.131000000', '', 0, 0),
  (1, 1, 4, 'A Pattern Emerges', '00:13:21.092000000', '', 0, 0),
  (1, 1, 5, 'Market Day', '00:18:12.466000000', '', 0, 0),
  (1, 1, 6, 'The Apprentice', '00:22:45.740000000', '', 0, 0),
  (1, 1, 7, 'Rain on the Roof', '00:27:13.508000000', '', 0, 0),
  (1, 1, 8, 'Broken Glaze', '00:31:51.244000000', '', 0, 0),
  (1, 1, 9, 'Night Kiln', '00:36:50.001000000', '', 0, 0),
  (1, 1, 10, 'Letters from Lisbon', '00:41:27.695000000', '', 0, 0),
  (1, 1, 11, 'The Commission', '00:46:08.143000000', '', 0, 0),
  (1, 1, 12, 'Gold & Cobalt', '00:50:44.585000000', '', 0, 0),
  (1, 1, 13, 'Doubt', '00:55:01.217000000', '', 0, 0),
  (1, 1, 14, 'The Long Winter', '00:59:50.089000000', '', 0, 0),
  (1, 1, 15, 'Café Azul', '01:04:22.861000000', '', 0, 0),
  (1, 1, 16, 'Return of the Master', '01:08:59.347000000', '', 0, 0),
  (1, 1, 17, 'Cracks', '01:13:40.003000000', '', 0, 0),
  (1, 1, 18, 'The Great Wall', '01:18:17.822000000', '', 0, 0),
  (1, 1, 19, 'Fire', '01:23:01.646000000', '', 0, 0),
  (1, 1, 20, 'Restoration', '01:27:40.385000000', '', 0, 0),
  (1, 1, 21, 'The Unveiling', '01:32:15.910000000', '', 0, 0),
  (1, 1, 22, 'Epilogue: Über den Dächern', '01:37:00.778000000', '', 0, 0),
  (1, 1, 23, 'End Credits', '01:41:41.517000000', '', 0, 0),
  (1, 1, 24, 'After the Credits', '01:46:35.312000000', '', 1, 0),
  (1, 2, 1, 'Prologue (extended)', '00:00:00.000000000', '00:06:10.000000000', 0, 1),
  (1, 2, 2, 'The Workshop', '00:04:22.762000000', '00:36:50.001000000', 0, 1),
  (1, 2, 3, 'Deleted Scene: The Harbour', '00:00:00.000000000', '00:03:45.500000000', 0, 1),
  (1, 2, 4, 'Night Kiln to the End', '00:36:50.001000000', '01:50:12.407000000', 0, 1),
  (2, 1, 1, 'Loop Start', '00:00:00.000000000', '', 0, 0),
  (2, 1, 2, 'Loop Half', '00:00:22.500000000', '', 0, 0);
