-- The chapter database: users who may log in, the activity log of their exports, the
-- movies and the chapters of each movie's editions. Load it into the schema that carries
-- the program's built-in account name, for example:
--   mariadb --default-character-set=utf8mb4 tessel01 < sql/schema.sql
-- The program reads every table and writes only `logs`; its account needs SELECT on the
-- schema and INSERT on `logs`.
--
-- Movie and user numbers are integers so that the range listing (fid BETWEEN start AND
-- start + 200) compares numbers, not texts.

CREATE TABLE IF NOT EXISTS users (
  uid INT NOT NULL AUTO_INCREMENT,
  `user` VARCHAR(64) NOT NULL,
  -- Stored as typed; compared with letter case.
  pass VARCHAR(64) CHARACTER SET utf8mb4 COLLATE utf8mb4_bin NOT NULL,
  `level` INT NOT NULL DEFAULT 0,
  PRIMARY KEY (uid),
  KEY users_by_name (`user`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- One row per export: who (l_uid), when (local date and the exporting machine's long
-- time text) and what ("fid=<movie number as typed>:down>CLI:<form>").
CREATE TABLE IF NOT EXISTS logs (
  lid INT NOT NULL AUTO_INCREMENT,
  l_uid INT NOT NULL,
  datum DATE NOT NULL,
  uhr VARCHAR(32) NOT NULL,
  log TEXT NOT NULL,
  PRIMARY KEY (lid),
  KEY logs_by_user (l_uid)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- One row per movie. typ: 1 Blu-Ray, 2 DVD, 3 HD-DVD, 4 self created, 5 unknown.
-- sprache: the English name of the language ("German", "English", ...).
-- version: the number of editions; kaps: the number of chapters.
CREATE TABLE IF NOT EXISTS filme (
  fid INT NOT NULL,
  title VARCHAR(255) NOT NULL DEFAULT '',
  folge VARCHAR(255) NULL,
  notiz TEXT NULL,
  typ INT NULL,
  sprache VARCHAR(32) NULL,
  rang VARCHAR(32) NULL,
  `time` VARCHAR(32) NULL,
  version INT NULL,
  kaps INT NULL,
  PRIMARY KEY (fid),
  KEY filme_by_title (title)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- One row per chapter of one edition (version, counting from 1) of a movie. Times are
-- nanosecond timecodes "HH:MM:SS.nnnnnnnnn"; etime may be empty. hidden: 0 visible,
-- otherwise hidden. ordered: 1 for a chapter of an ordered edition.
CREATE TABLE IF NOT EXISTS kapitel (
  kid INT NOT NULL AUTO_INCREMENT,
  k_fid INT NOT NULL,
  version INT NOT NULL DEFAULT 1,
  kapnr INT NOT NULL,
  kapname VARCHAR(255) NOT NULL DEFAULT '',
  stime VARCHAR(32) NOT NULL DEFAULT '',
  etime VARCHAR(32) NOT NULL DEFAULT '',
  hidden INT NOT NULL DEFAULT 0,
  ordered INT NOT NULL DEFAULT 0,
  PRIMARY KEY (kid),
  KEY kapitel_by_movie (k_fid, version, kapnr)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;
