#!/usr/bin/env bash
# The Windows program end to end under Wine.
#
#   tests/wine/run_suite.sh WINDOWS_EXE LINUX_PROGRAM TOOLS_DIR
#
# Runs the cross-built .exe on disc folders made by the fixture tools in TOOLS_DIR
# (make_sample_discs, and make_playlist_folder when present) with Windows path forms:
# drive letters mapped to disc folders, folders below a drive root, lower-case and
# doubled separators, relative paths. Listings and exported chapter files must be the
# same bytes as the Linux program gives for the same folders. Also checks the console
# code pages of the German help, non-ASCII folder and file names, default output names
# in the program's folder, and the checks for the MySQL client library file.
#
# Environment (all optional):
#   TESSELLA_WINE_DIR     a folder prepared with `scripts/wine-prefix start`; without it
#                         the suite prepares its own prefix and removes it at the end
#   TESSELLA_CORPUS_DIR   the corpus of real disc files (../shared/corpus beside the
#                         source tree by default); when its files/ folder is there, every
#                         playlist and title set in it is compared as well
#   TESSELLA_WINE_KEEP=1  keep the work folder for a look after a failure
#
# Prints one line per failed check and a summary; exits 0 only when every check passed.
set -uo pipefail

if [ $# -ne 3 ]; then
  echo "usage: $0 WINDOWS_EXE LINUX_PROGRAM TOOLS_DIR" >&2
  exit 2
fi
suite_dir=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$suite_dir/../.." && pwd)
exe=$(realpath "$1")
linux_program=$(realpath "$2")
tools=$(realpath "$3")
for f in "$exe" "$linux_program" "$tools/make_sample_discs"; do
  [ -f "$f" ] || { echo "not found: $f" >&2; exit 2; }
done
corpus=${TESSELLA_CORPUS_DIR:-$root/../shared/corpus}/files
started=$SECONDS

work=$(mktemp -d /tmp/tpwine.XXXXXX)
wine_dir=${TESSELLA_WINE_DIR:-}
own_prefix=0
cleanup() {
  if [ -n "${db_dir:-}" ]; then "$root/scripts/private-mariadb" stop "$db_dir" >/dev/null 2>&1 || true; fi
  if [ "$own_prefix" = 1 ]; then "$root/scripts/wine-prefix" stop "$wine_dir" || true; fi
  if [ "${TESSELLA_WINE_KEEP:-0}" = 1 ]; then echo "work folder kept: $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

if [ -z "$wine_dir" ]; then
  wine_dir=$work/wine
  own_prefix=1
  if ! "$root/scripts/wine-prefix" start "$wine_dir"; then
    echo "FAILED: the Wine prefix could not be prepared"
    exit 1
  fi
fi
eval "$("$root/scripts/wine-prefix" env "$wine_dir")"
export PATH WINEPREFIX WINEDEBUG WINEDLLOVERRIDES WINEARCH
prefix_seconds=$((SECONDS - started))

# ---------------------------------------------------------------------------------------
# Folders. D: is a disc root with both structures and more folders below it, E: a DVD
# root, O: a folder for output files. Windows runs start in $win, Linux runs in $lin.
discs=$work/discs
win=$work/win
lin=$work/lin
res=$work/results
mkdir -p "$discs" "$win" "$lin" "$res" "$work/out" "$work/empty"

"$tools/make_sample_discs" "$work/samples" >/dev/null || { echo "FAILED: make_sample_discs"; exit 1; }
sample_bdmv=$(find "$work/samples" -type d -name BDMV | head -n 1)
sample_video_ts=$(find "$work/samples" -type d -name VIDEO_TS | head -n 1)
if [ -z "$sample_bdmv" ] || [ -z "$sample_video_ts" ]; then
  echo "FAILED: make_sample_discs wrote no BDMV or no VIDEO_TS folder"
  exit 1
fi

both=$discs/both
mkdir -p "$both/Film" "$both/Größe" "$both/Extra/VIDEO_TS" "$both/Extra/PLAYLIST" "$discs/dvd"
cp -r "$sample_bdmv" "$both/BDMV"
cp -r "$sample_video_ts" "$both/VIDEO_TS"
cp -r "$sample_bdmv" "$both/Film/BDMV"
cp -r "$sample_bdmv" "$both/Größe/BDMV"
cp -r "$sample_video_ts" "$both/Größe/VIDEO_TS"
cp -r "$sample_video_ts" "$discs/dvd/VIDEO_TS"
first_ifo=$(cd "$sample_video_ts" && ls VTS_*_0.IFO | head -n 1)
first_mpls=$(cd "$sample_bdmv/PLAYLIST" && ls *.mpls | head -n 1)
# Sorted without regard to case these come between VTS_0x and VTS_99; by bytes, after it.
cp "$sample_video_ts/$first_ifo" "$discs/dvd/VIDEO_TS/vts_98_0.ifo"
cp "$sample_video_ts/$first_ifo" "$discs/dvd/VIDEO_TS/VTS_99_0.IFO"
# Folders whose names look like a title set and a playlist: no file, so "not found".
cp "$sample_video_ts/$first_ifo" "$both/Extra/VIDEO_TS/"
mkdir "$both/Extra/VIDEO_TS/VTS_05_0.IFO"
cp "$sample_bdmv/PLAYLIST/$first_mpls" "$both/Extra/PLAYLIST/"
mkdir "$both/Extra/PLAYLIST/99999.mpls"

ln -sfn "$both" "$WINEPREFIX/dosdevices/d:"
ln -sfn "$discs/dvd" "$WINEPREFIX/dosdevices/e:"
ln -sfn "$work/out" "$WINEPREFIX/dosdevices/o:"
rm -f "$WINEPREFIX/dosdevices/q:"

# Program copies: plain (no client library), in a non-ASCII folder, and beside files
# that are no loadable library, under the expected name and in other letter case.
mkdir -p "$work/prog" "$work/Prögramm" "$work/garbage" "$work/garbage-case"
for d in prog Prögramm garbage garbage-case; do cp "$exe" "$work/$d/tessellaPilotCLI.exe"; done
printf 'this is no library\r\n' >"$work/garbage/libmySQL.dll"
printf 'this is no library\r\n' >"$work/garbage-case/LIBMYSQL.DLL"
program="$work/prog/tessellaPilotCLI.exe"

# ---------------------------------------------------------------------------------------
# Running and checking.
passed=0
failed=0
wine_runs=0
win_locale=de_DE.UTF-8

fail() {  # name, details...
  failed=$((failed + 1))
  echo "FAIL $1"
  shift
  local line
  for line in "$@"; do printf '     %s\n' "$line"; done
}

# Shows where two files differ, as escaped text.
show_difference() {  # expected, actual
  diff <(cat -A "$1") <(cat -A "$2") | head -n 12 | sed 's/^/     /'
}

# run_windows NAME CWD PROGRAM ARGS...: stdout to $res/NAME.win; the exit status and
# anything on stderr are checks of their own (the program always ends with 0 and
# writes only to stdout).
run_windows() {
  local name=$1 cwd=$2 prog=$3
  shift 3
  wine_runs=$((wine_runs + 1))
  (cd "$cwd" && LC_ALL=$win_locale timeout -k 5 60 wine64 "$prog" "$@" \
    </dev/null >"$res/$name.win" 2>"$res/$name.win.err")
  local status=$?
  if [ $status -ne 0 ]; then
    fail "$name: exit status $status (124: timed out)" "args: $*"
    return 1
  fi
  if [ -s "$res/$name.win.err" ]; then
    fail "$name: output on stderr" "$(head -c 300 "$res/$name.win.err")"
    return 1
  fi
  return 0
}

run_linux() {  # NAME ARGS...
  local name=$1
  shift
  (cd "$lin" && LC_ALL=C.UTF-8 timeout -k 5 60 "$linux_program" "$@" </dev/null >"$res/$name.lin" 2>/dev/null)
}

# The exception address may differ between the builds, and a path in a message is
# written in each system's own form.
normalise() {  # file, folder as the program was given it
  FOLDER=$2 perl -pe '
    s/exception at [0-9A-F]{8}:/exception at ADDRESS:/;
    if (/"/) { s/\Q$ENV{FOLDER}\E/<folder>/g; tr{\\}{/}; }' "$1"
}

# same_output NAME WINDOWS-FOLDER LINUX-FOLDER: both runs printed the same, apart from
# what normalise evens out.
same_output() {
  cmp -s "$res/$1.win" "$res/$1.lin" ||
    cmp -s <(normalise "$res/$1.win" "$2") <(normalise "$res/$1.lin" "$3")
}

# same NAME WINDOWS-ARGS... -- LINUX-ARGS...: the .exe's stdout equals the Linux
# program's. Unless allow_empty is 1 it must not be empty (a fixture that lists nothing
# shows nothing).
allow_empty=0
same() {
  local name=$1
  shift
  local -a wargs=() largs=()
  while [ "$1" != "--" ]; do wargs+=("$1"); shift; done
  shift
  largs=("$@")
  run_windows "$name" "$win" "$program" "${wargs[@]}" || return
  run_linux "$name" "${largs[@]}"
  if [ ! -s "$res/$name.lin" ] && [ "$allow_empty" = 0 ]; then
    fail "$name: the Linux program printed nothing, nothing to compare" "args: ${largs[*]}"
    return
  fi
  if same_output "$name" "${wargs[0]}" "${largs[0]}"; then
    passed=$((passed + 1))
  else
    fail "$name: stdout differs from the Linux program's (< Linux, > Windows)" "windows args: ${wargs[*]}"
    show_difference "$res/$name.lin" "$res/$name.win"
  fi
}

# expect_file NAME EXPECTED-FILE PROGRAM CWD ARGS...: stdout is exactly the file's bytes.
expect_file() {
  local name=$1 expected_file=$2 prog=$3 cwd=$4
  shift 4
  run_windows "$name" "$cwd" "$prog" "$@" || return
  if cmp -s "$expected_file" "$res/$name.win"; then
    passed=$((passed + 1))
  else
    fail "$name: stdout differs from the expected bytes (< expected, > Windows)" "args: $*"
    show_difference "$expected_file" "$res/$name.win"
  fi
}

# expect NAME EXPECTED-BYTES PROGRAM CWD ARGS...: stdout is exactly the given bytes.
expect() {
  local name=$1
  printf '%s' "$2" >"$res/$name.expected"
  shift 2
  expect_file "$name" "$res/$name.expected" "$@"
}

# same_file NAME WINDOWS-FILE LINUX-FILE: an exported file exists on both sides with the
# same bytes, and the export printed nothing.
same_file() {
  local name=$1 wfile=$2 lfile=$3
  if [ -s "$res/$name.win" ] || [ -s "$res/$name.lin" ]; then
    fail "$name: the export printed something" "$(head -c 300 "$res/$name.win")" "$(head -c 300 "$res/$name.lin")"
  elif [ ! -f "$wfile" ]; then
    fail "$name: the .exe wrote no file $wfile"
  elif [ ! -f "$lfile" ]; then
    fail "$name: the Linux program wrote no file $lfile"
  elif cmp -s "$lfile" "$wfile"; then
    passed=$((passed + 1))
  else
    fail "$name: exported file differs from the Linux program's (< Linux, > Windows)" "$wfile"
    show_difference "$lfile" "$wfile"
  fi
}

# run_export NAME OPTION WINDOWS-ARGS... -- LINUX-ARGS...: the same export (OPTION is ogg
# or xml) on both sides, to NAME in each side's current folder. Sets export_wargs,
# export_largs and export_extension; fails when the Windows run fails.
run_export() {
  local name=$1 option=$2
  shift 2
  export_wargs=()
  while [ "$1" != "--" ]; do export_wargs+=("$1"); shift; done
  shift
  export_largs=("$@")
  export_extension=txt
  [ "$option" = xml ] && export_extension=xml
  run_windows "$name" "$win" "$program" "${export_wargs[@]}" "--$option=$name" || return
  run_linux "$name" "${export_largs[@]}" "--$option=$name" || true
}

# export_both NAME OPTION WINDOWS-ARGS... -- LINUX-ARGS...: both sides write the same file.
export_both() {
  run_export "$@" || return
  same_file "$1" "$win/$1.$export_extension" "$lin/$1.$export_extension"
}

absent() {  # name, file that must not exist
  if [ -e "$2" ]; then fail "$1: $2 was written"; else passed=$((passed + 1)); fi
}

no_structure=$'No Bluray or DVD structure detected!\r\n'
no_library=$'The libmySQL.dll could not be found.\r\n'
no_ifo=$'The ifo file could not be found.\r\nPlease check the 2. parameter.\r\n'
no_mpls=$'The MPLS parameter is invalid.\r\n'

# ---------------------------------------------------------------------------------------
# Disc paths: each form the .exe understands gives the listing the Linux program gives
# for the same folder; the others give the fixed message or nothing.
same root-colon-bluray-wins D: -- "$both/BDMV"
same root-backslash-bluray-wins 'D:\' -- "$both/BDMV"
same root-lower-case-letter d: -- "$both/BDMV"
same root-dvd-only E: -- "$discs/dvd/VIDEO_TS"
same root-dvd-only-backslash 'E:\' -- "$discs/dvd/VIDEO_TS"
same video-ts-below-root 'D:\VIDEO_TS' -- "$both/VIDEO_TS"
same video-ts-below-root-backslash 'D:\VIDEO_TS\' -- "$both/VIDEO_TS"
same bdmv-below-root 'D:\BDMV' -- "$both/BDMV"
same playlist-below-root 'D:\BDMV\PLAYLIST\' -- "$both/BDMV"
same film-bdmv 'D:\Film\BDMV' -- "$both/Film/BDMV"
same film-bdmv-backslash 'D:\Film\BDMV\' -- "$both/Film/BDMV"
same film-playlist 'D:\Film\BDMV\PLAYLIST' -- "$both/Film/BDMV"
same non-ascii-video-ts 'D:\Größe\VIDEO_TS' -- "$both/Größe/VIDEO_TS"
same non-ascii-bdmv 'D:\Größe\BDMV' -- "$both/Größe/BDMV"

for form in 'd:\video_ts' 'D:\bdmv' 'D:\BDMV\playlist' 'D:\\' 'E:\\' 'D:\Film' 'D:\Größe' 'Q:' 'Q:\'; do
  expect "no-structure $form" "$no_structure" "$program" "$win" "$form"
done
for form in VIDEO_TS BDMV '.\VIDEO_TS' '\VIDEO_TS' '\\localhost\share\VIDEO_TS' ''; do
  expect "silent relative '$form'" "" "$program" "$both" "$form"
done
expect "silent no parameters" "" "$program" "$both"

# ---------------------------------------------------------------------------------------
# Every playlist and title of the sample discs: listings and both exports.
for mpls in "$both"/BDMV/PLAYLIST/*.mpls; do
  p=$(basename "$mpls" .mpls)
  same "show-playlist-$p" D: "$p" -- "$both/BDMV" "$p"
  export_both "bd-$p-ogg" ogg D: "$p" -- "$both/BDMV" "$p"
  export_both "bd-$p-xml" xml 'D:\' "$p" -- "$both/BDMV" "$p"
done
expect show-playlist-missing "$no_mpls" "$program" "$win" D: 77777
expect export-playlist-missing "$no_mpls" "$program" "$win" D: 77777 --ogg=missing
expect export-playlist-is-a-folder "$no_mpls" "$program" "$win" 'D:\Extra\PLAYLIST' 99999 --ogg=missing
absent export-playlist-missing-no-file "$win/missing.txt"
# The folder entries match "*.mpls" and "*.IFO" too, and reading them fails.
same listing-with-folder-entry-bluray 'D:\Extra\PLAYLIST' -- "$both/Extra/PLAYLIST"
same listing-with-folder-entry-dvd 'D:\Extra\VIDEO_TS' -- "$both/Extra/VIDEO_TS"

dvd_titles=()
for ifo in "$sample_video_ts"/VTS_*_0.IFO; do
  vts=$(basename "$ifo" .IFO)
  same "show-title-set-$vts" E: "$vts" -- "$discs/dvd/VIDEO_TS" "$vts"
  count=$(grep -c '^[0-9]*\.title' "$res/show-title-set-$vts.lin")
  for ((t = 1; t <= count; t++)); do
    dvd_titles+=("$vts $t")
    same "dvd-chapters-$vts-$t" 'E:\VIDEO_TS' "$vts" "$t" -- "$discs/dvd/VIDEO_TS" "$vts" "$t"
    export_both "dvd-$vts-$t-ogg" ogg E: "$vts" "$t" -- "$discs/dvd/VIDEO_TS" "$vts" "$t"
    export_both "dvd-$vts-$t-xml" xml 'D:\VIDEO_TS' "$vts" "$t" -- "$both/VIDEO_TS" "$vts" "$t"
  done
done
[ ${#dvd_titles[@]} -gt 0 ] || fail "the sample DVD has no title to compare"
first_vts=${first_ifo%.IFO}
same dvd-title-not-an-integer E: "$first_vts" abc -- "$discs/dvd/VIDEO_TS" "$first_vts" abc
same dvd-export-title-zero E: "$first_vts" 0 --ogg=zero -- "$discs/dvd/VIDEO_TS" "$first_vts" 0 --ogg=zero
expect dvd-title-set-missing "$no_ifo" "$program" "$win" E: VTS_42_0
expect dvd-export-title-set-missing "$no_ifo" "$program" "$win" E: VTS_42_0 1 --xml=missing
expect dvd-export-title-set-is-a-folder "$no_ifo" "$program" "$win" 'D:\Extra\VIDEO_TS' VTS_05_0 1 --ogg=missing
absent dvd-export-missing-no-file "$win/missing.xml"

# ---------------------------------------------------------------------------------------
# Output names: drive paths, non-ASCII letters (the file system gets them in the ANSI
# code page, so Linux sees the same letters in UTF-8), blanks, an existing file replaced
# whole, a missing folder, and the default names in the program's folder.
bd_main=$(basename "$(ls -S "$both"/BDMV/PLAYLIST/*.mpls | head -n 1)" .mpls)
bd_ogg=$lin/bd-$bd_main-ogg.txt
bd_xml=$lin/bd-$bd_main-xml.xml
read -r dvd_vts dvd_title <<<"${dvd_titles[0]:-VTS_01_0 1}"
dvd_ogg=$lin/dvd-$dvd_vts-$dvd_title-ogg.txt
dvd_xml=$lin/dvd-$dvd_vts-$dvd_title-xml.xml

run_windows out-drive-path "$win" "$program" D: "$bd_main" '--ogg=O:\film' &&
  same_file out-drive-path "$work/out/film.txt" "$bd_ogg"
run_windows out-non-ascii-drive-path "$win" "$program" 'D:\Größe\BDMV' "$bd_main" '--xml=O:\Kapitelübersicht' &&
  same_file out-non-ascii-drive-path "$work/out/Kapitelübersicht.xml" "$bd_xml"
run_windows out-non-ascii-relative "$win" "$program" 'D:\Größe\VIDEO_TS' "$dvd_vts" "$dvd_title" '--ogg=Größe' &&
  same_file out-non-ascii-relative "$win/Größe.txt" "$dvd_ogg"
run_windows out-blank-in-name "$win" "$program" E: "$dvd_vts" "$dvd_title" '--xml=Mein Film' &&
  same_file out-blank-in-name "$win/Mein Film.xml" "$dvd_xml"
run_windows out-extension-appended "$win" "$program" D: "$bd_main" '--ogg=doppelt.txt' &&
  same_file out-extension-appended "$win/doppelt.txt.txt" "$bd_ogg"
printf 'an older and much longer file that the export replaces as a whole\r\n%.0s' {1..50} >"$work/out/ersetzt.txt"
run_windows out-replaces-file "$win" "$program" D: "$bd_main" '--ogg=O:\ersetzt' &&
  same_file out-replaces-file "$work/out/ersetzt.txt" "$bd_ogg"
expect out-missing-folder $'Unable to create file "O:\\fehlt\\film.txt"\r\n' "$program" "$win" D: "$bd_main" '--ogg=O:\fehlt\film'
absent out-missing-folder-nothing-made "$work/out/fehlt"
leftovers=$(find "$win" "$work/out" -name '*.tmp*' | head -n 3)
if [ -n "$leftovers" ]; then fail "temporary files left behind" "$leftovers"; else passed=$((passed + 1)); fi

default_prog="$work/Prögramm/tessellaPilotCLI.exe"
printf 'an earlier file\r\n' >"$work/Prögramm/chapter file OGG.txt"
run_windows default-ogg-name "$work/empty" "$default_prog" D: "$bd_main" --ogg= &&
  same_file default-ogg-name "$work/Prögramm/chapter file OGG.txt" "$bd_ogg"
run_windows default-xml-name "$work/empty" "$default_prog" E: "$dvd_vts" "$dvd_title" --xml= &&
  same_file default-xml-name "$work/Prögramm/chapter file matroska.xml" "$dvd_xml"
if [ -n "$(ls -A "$work/empty")" ]; then
  fail "default names: files written to the current folder" "$(ls -A "$work/empty")"
else
  passed=$((passed + 1))
fi

# ---------------------------------------------------------------------------------------
# Console code pages: the German help's two non-ASCII lines in the OEM code page of the
# locale (850 German, 437 English), every other line the stored text; the English help
# is ASCII throughout.
expected=$suite_dir/expected
for case in de_DE.UTF-8:CP850 en_US.UTF-8:CP437; do
  locale_name=${case%%:*}
  code_page=${case#*:}
  iconv -f UTF-8 -t "$code_page" "$expected/help-de.txt" >"$res/german-help-$locale_name.expected"
  win_locale=$locale_name
  expect_file "german-help-$locale_name" "$res/german-help-$locale_name.expected" "$program" "$win" -a
  expect_file "english-help-$locale_name" "$expected/help-en.txt" "$program" "$win" --help
done
win_locale=de_DE.UTF-8

# ---------------------------------------------------------------------------------------
# The MySQL client library: the file beside the program is looked for before any
# database work, and loaded only when there.
db_args=(--user=someone --pass=secret --mid=1)
expect library-missing-database-mode "$no_library" "$program" "$win" "${db_args[@]}"
expect library-missing-dvd-seven "$no_library" "$program" "$win" E: "$dvd_vts" "$dvd_title" --ogg=named "${db_args[@]}"
expect library-missing-dvd-seven-ifo-first "$no_ifo" "$program" "$win" E: VTS_42_0 1 --ogg=named "${db_args[@]}"
expect library-missing-bluray-six "$no_library" "$program" "$win" D: "$bd_main" --xml=named "${db_args[@]}"
absent library-missing-no-ogg "$win/named.txt"
absent library-missing-no-xml "$win/named.xml"
no_load=$'error: Can not load default MySQL library ("libmysql.dll" or "libmysql.dll"). Check your installation.\r\n'
expect library-not-loadable "$no_load" "$work/garbage/tessellaPilotCLI.exe" "$win" "${db_args[@]}"
expect library-not-loadable-other-case "$no_load" "$work/garbage-case/tessellaPilotCLI.exe" "$win" "${db_args[@]}"

# ---------------------------------------------------------------------------------------
# The chapter database through a real client library: MariaDB Connector/C cross-built by
# scripts/build-windows-client (TESSELLA_WINE_CLIENT_DLL) beside a copy of the .exe, and
# a private server of this run. The .exe connects to the built-in host "localhost",
# which the Windows client library reaches by TCP on the port in MYSQL_TCP_PORT; the
# Linux program connects through the server's socket. Movie information goes through
# the console code page (850 under de_DE) line for line; a Blu-ray export with chapter
# names keeps them UTF-8 in the file; the export leaves one row in the activity log with
# the date and the locale's long time format.
db_runs_note="no TESSELLA_WINE_CLIENT_DLL, database checks skipped"
if [ -n "${TESSELLA_WINE_CLIENT_DLL:-}" ]; then
  db_runs_note="database checks with $(basename "$TESSELLA_WINE_CLIENT_DLL")"
  db_dir=$work/db
  if ! "$root/scripts/private-mariadb" start "$db_dir" >"$res/db-start.log" 2>&1; then
    fail "the private database server did not start" "$(tail -n 5 "$res/db-start.log")"
  else
    db_query() {  # SQL: runs it as root in the chapter schema, prints the rows without heading
      printf '%s\n' "$1" >"$res/db-query.sql"
      "$root/scripts/private-mariadb" load "$db_dir" "$res/db-query.sql" | tail -n +2
    }
    "$root/scripts/private-mariadb" load "$db_dir" "$root/samples/chapter_database.sql"
    # A movie whose title, episode, note and chapter names need the code pages.
    db_query "INSERT INTO filme (fid, title, folge, notiz, typ, sprache, rang, \`time\`, version, kaps)
                VALUES (4, 'Größenwahn', 'Folge Ä', 'Café Überlänge', 2, 'German', '6', '01:36:09', 1, 2);
              INSERT INTO kapitel (k_fid, version, kapnr, kapname, stime, etime, hidden, ordered)
                VALUES (4, 1, 1, 'Straße', '00:00:00.000000000', '', 0, 0),
                       (4, 1, 2, 'Épilogue', '01:30:00.000000000', '', 0, 0);"
    export MYSQL_TCP_PORT MYSQL_UNIX_PORT
    MYSQL_TCP_PORT=$(cat "$db_dir/port")
    MYSQL_UNIX_PORT=$db_dir/sock
    mkdir -p "$work/dbprog"
    cp "$exe" "$work/dbprog/tessellaPilotCLI.exe"
    cp "$TESSELLA_WINE_CLIENT_DLL" "$work/dbprog/libmySQL.dll"
    db_program=$work/dbprog/tessellaPilotCLI.exe
    login=(--user=demo --pass=demo)

    for mid in 1 4; do
      run_linux "db-movie-info-$mid" "${login[@]}" "--mid=$mid"
      if ! grep -q '^chapters: ' "$res/db-movie-info-$mid.lin"; then
        fail "db-movie-info-$mid: the Linux program showed no movie information" "$(head -c 300 "$res/db-movie-info-$mid.lin")"
        continue
      fi
      iconv -f UTF-8 -t CP850 "$res/db-movie-info-$mid.lin" >"$res/db-movie-info-$mid.expected"
      expect_file "db-movie-info-$mid-cp850" "$res/db-movie-info-$mid.expected" "$db_program" "$win" \
        "${login[@]}" "--mid=$mid"
    done
    expect db-login-refused $'The user or password is incorrect.\r\n' "$db_program" "$win" \
      --user=demo --pass=falsch --mid=1

    # Each side's export, and the .exe's log row checked before the Linux run adds its own.
    check_log_row() {  # name, time pattern, log text: the newest row of the activity log
      local row expected_row
      row=$(db_query "SELECT l_uid, datum, uhr, log FROM logs ORDER BY lid DESC LIMIT 1")
      expected_row=$(printf '1\t%s\t%s\t%s' "$(date +%F)" "$2" "$3")
      if [[ "$row" =~ ^$expected_row$ ]]; then
        passed=$((passed + 1))
      else
        fail "$1: log row '$row' does not match '$expected_row'"
      fi
    }
    before=$(db_query "SELECT COUNT(*) FROM logs")
    if run_windows db-bd-named-ogg "$win" "$db_program" D: 00800 --ogg=db-bd-named "${login[@]}" --mid=1; then
      after=$(db_query "SELECT COUNT(*) FROM logs")
      if [ "$after" != $((before + 1)) ]; then
        fail "db-bd-named-ogg: $((after - before)) log rows written, not 1"
      else
        check_log_row db-bd-named-ogg-log '[0-9]{2}:[0-9]{2}:[0-9]{2}' 'fid=1:down>CLI:BD>ogg'
      fi
      run_linux db-bd-named-ogg "$both/BDMV" 00800 --ogg=db-bd-named "${login[@]}" --mid=1
      same_file db-bd-named-ogg "$win/db-bd-named.txt" "$lin/db-bd-named.txt"
      if grep -q $'^CHAPTER14NAME=Caf\xc3\xa9 Azul\r$' "$win/db-bd-named.txt" &&
         grep -q $'^CHAPTER21NAME=Epilogue: \xc3\x9cber den D\xc3\xa4chern\r$' "$win/db-bd-named.txt"; then
        passed=$((passed + 1))
      else
        fail "db-bd-named-ogg: the names are not the database's UTF-8 text" \
          "$(grep -a 'CHAPTER1[45]NAME\|CHAPTER21NAME' "$win/db-bd-named.txt" | cat -A)"
      fi
    fi
    # The English locale's long time format: hour without leading zero, then AM or PM.
    win_locale=en_US.UTF-8
    if run_windows db-bd-named-xml "$win" "$db_program" D: 00800 --xml=db-bd-named "${login[@]}" --mid=1; then
      check_log_row db-bd-named-xml-log '[0-9]{1,2}:[0-9]{2}:[0-9]{2} (AM|PM)' 'fid=1:down>CLI:BD>xml'
      run_linux db-bd-named-xml "$both/BDMV" 00800 --xml=db-bd-named "${login[@]}" --mid=1
      same_file db-bd-named-xml "$win/db-bd-named.xml" "$lin/db-bd-named.xml"
    fi
    win_locale=de_DE.UTF-8
    unset MYSQL_TCP_PORT MYSQL_UNIX_PORT
  fi
fi

# ---------------------------------------------------------------------------------------
# Many discs: generated playlists (up to 60 marks, link points among them) and, when the
# corpus is there, every real playlist and title set in it. Chapter times come out of
# floating-point arithmetic and number formatting in two C runtimes, so they are compared
# where they are printed in nanoseconds: each playlist's chapter list, and the XML export
# of the first titles of each title set.

# export_same NAME OPTION WINDOWS-ARGS... -- LINUX-ARGS...: like export_both, but a file
# that cannot be read may end the export with its message, which must then be the same.
export_same() {
  run_export "$@" || return
  local name=$1
  if ! same_output "$name" "${export_wargs[0]}" "${export_largs[0]}"; then
    fail "$name: stdout differs from the Linux program's (< Linux, > Windows)" "windows args: ${export_wargs[*]}"
    show_difference "$res/$name.lin" "$res/$name.win"
  elif [ -e "$win/$name.$export_extension" ] || [ -e "$lin/$name.$export_extension" ]; then
    same_file "$name" "$win/$name.$export_extension" "$lin/$name.$export_extension"
  else
    passed=$((passed + 1))
  fi
}

# many_discs DRIVE FOLDER TITLE-LIMIT TAG: lists the BDMV and VIDEO_TS folders below
# FOLDER (mapped to DRIVE) and compares every playlist's chapter list (nanoseconds) and,
# for up to TITLE-LIMIT titles per title set, the XML export (nanoseconds).
many_discs() {
  local drive=$1 folder=$2 title_limit=$3 tag=$4
  ln -sfn "$folder" "$WINEPREFIX/dosdevices/${drive,,}"
  local mpls p ifo vts count t
  allow_empty=1
  if [ -d "$folder/BDMV" ]; then
    same "$tag-listing-bluray" "$drive\\BDMV" -- "$folder/BDMV"
    for mpls in "$folder"/BDMV/PLAYLIST/*.mpls; do
      p=$(basename "$mpls" .mpls)
      same "$tag-playlist-$p" "$drive\\BDMV" "$p" -- "$folder/BDMV" "$p"
    done
  fi
  if [ -d "$folder/VIDEO_TS" ]; then
    same "$tag-listing-dvd" "$drive\\VIDEO_TS" -- "$folder/VIDEO_TS"
    for ifo in "$folder"/VIDEO_TS/VTS_*.IFO; do
      vts=$(basename "$ifo" .IFO)
      same "$tag-title-set-$vts" "$drive\\VIDEO_TS" "$vts" -- "$folder/VIDEO_TS" "$vts"
      count=$(grep -c '^[0-9]*\.title' "$res/$tag-title-set-$vts.lin")
      [ "$count" -gt "$title_limit" ] && count=$title_limit
      for ((t = 1; t <= count; t++)); do
        export_same "$tag-chapters-$vts-$t-xml" xml "$drive\\VIDEO_TS" "$vts" "$t" -- "$folder/VIDEO_TS" "$vts" "$t"
      done
    done
  fi
  allow_empty=0
}

if [ -x "$tools/make_playlist_folder" ]; then
  "$tools/make_playlist_folder" "$discs/generated/BDMV/PLAYLIST" 25 >/dev/null &&
    many_discs G: "$discs/generated" 0 generated
fi

corpus_files=0
if [ -d "$corpus" ]; then
  # Copied under numbered names, which the program's parameters can name.
  mkdir -p "$discs/corpus/BDMV/PLAYLIST" "$discs/corpus/VIDEO_TS"
  n=0
  while IFS= read -r -d '' f; do
    n=$((n + 1))
    cp "$f" "$(printf '%s/BDMV/PLAYLIST/%05d.mpls' "$discs/corpus" "$n")"
  done < <(find "$corpus" -type f -iname '*.mpls' -print0 | sort -z)
  corpus_files=$n
  n=0
  while IFS= read -r -d '' f; do
    n=$((n + 1))
    [ $n -le 99 ] && cp "$f" "$(printf '%s/VIDEO_TS/VTS_%02d_0.IFO' "$discs/corpus" "$n")"
  done < <(find "$corpus" -type f -iname 'VTS_*_0.IFO' -print0 | sort -z)
  corpus_files=$((corpus_files + n))
  [ "$(ls "$discs/corpus/BDMV/PLAYLIST")" ] || rm -r "$discs/corpus/BDMV"
  [ "$(ls "$discs/corpus/VIDEO_TS")" ] || rm -r "$discs/corpus/VIDEO_TS"
  many_discs K: "$discs/corpus" 4 corpus
fi

# ---------------------------------------------------------------------------------------
seconds=$((SECONDS - started))
echo
if [ -d "$corpus" ]; then corpus_note="$corpus_files corpus files"; else corpus_note="no corpus"; fi
echo "Windows suite under Wine: $passed passed, $failed failed; $wine_runs runs of the .exe, $corpus_note;" \
  "${seconds}s (Wine prefix ${prefix_seconds}s); $db_runs_note"
if [ $failed -ne 0 ]; then
  echo "FAILED"
  exit 1
fi
echo "PASSED"
