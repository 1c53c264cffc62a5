#include "app/help.h"

#include <array>
#include <string_view>

#include "common/console.h"
#include "common/text.h"

namespace app {

namespace {

const std::array<std::string_view, 64> kEnglishHelp = {
    "tessellaPilotCLI(init) help",
    "---------------------------",
    "",
    "-a / --anleitung  The help on german",
    "",
    "-h / --help       Show this help",
    "",
    "--mid             Movie ID, an integer greater then 0",
    "                  Displays all movie information and chapters",
    "",
    "--names           Save a simple chapter names list of a movie",
    "                  output: a file name without an extension",
    "",
    "--ogg             Output format: ogg-chapter.txt",
    "                  output: a file name without an extension",
    "",
    "--pass            your database password",
    "",
    "--range           A Movie ID. Displays the following 200 movies",
    "",
    "--title           Displays all movies(max: 200) with titles",
    "                  (at least 2 characters)",
    "",
    "--user            your database user name",
    "",
    "--xml             Output format: matroska-xml-chapter.xml",
    "                  output: a file name without an extension",
    "",
    "X: / X:\\          a drive",
    "",
    "\"path DVD\"        a DVD path to VIDEO_TS folder",
    "\"path Blu-Ray\"    a Blu-Ray path to BDMV or PLAYLIST folder",
    "",
    "VTS_xx_0          VTS ifo file: xx = 01 .. 99",
    "                  without the \".ifo\" extension",
    "",
    "1..99             a title number for VTS ifo file",
    "",
    "00000..99999      a mpls file/number without the \".mpls\" extension",
    "",
    "---------------------------",
    "Mode 1: database syntax",
    "1-2.parameter:  --user=\"your name\" --pass=\"your password\"",
    "3.parameter:    --mid= OR --range= OR --title=\"a title\"",
    "  If 3.parameter equal  --mid  you can enter a 4. parameter",
    "4.parameter:    --ogg=\"output txt\" OR --xml=\"output xml\" OR",
    "                --names=\"file path and name\"",
    "",
    "Mode 2: DVD/Blu-Ray/folder syntax",
    "1.parameter:    Drive(X:) OR a folder path \"DVD/Blu-Ray path\"",
    "*** Blu-Ray ***",
    "2.parameter:    00000..99999",
    "3.parameter:    --ogg=\"output txt\" OR --xml=\"output xml\"",
    "  generate a chapter file with chapter names",
    "4-6.parameters: --user=\"your name\" --pass=\"your password\" --mid=",
    "*** DVD ***",
    "2.parameter:    VTS_xx_0",
    "3.parameter:    1..99",
    "4.parameter:    --ogg=\"output txt\" OR --xml=\"output xml\"",
    "  generate a chapter file with chapter names",
    "5-7.parameters: --user=\"your name\" --pass=\"your password\" --mid=",
    "",
    "NOTE:",
    "File names can be empty, a default file is then created in the root directory.",
};

const std::array<std::string_view, 64> kGermanHelp = {
    "tessellaPilotCLI(init) Hilfe",
    "----------------------------",
    "",
    "-a / --anleitung  Zeigt die Hilfe",
    "",
    "-h / --help       Zeigt die Hilfe auf English",
    "",
    "--mid             Film ID, eine Zahl größer als 0",
    "                  Zeigt alle Filminformationen und Kapitel",
    "",
    "--names           Speichert eine einfache Liste der Kapitelnamen",
    "                  Ausgabe: ein Dateiname ohne Erweiterung",
    "",
    "--ogg             Ausgabeformat: ogg-Kaptel.txt",
    "                  Ausgabe: ein Dateiname ohne Erweiterung",
    "",
    "--pass            dein Datenbank Passwort",
    "",
    "--range           Eine Film ID. weitere 200 Filme werden angezeigt",
    "",
    "--title           Zeigt alle Filme(max: 200) mit dem Titel",
    "                  (mindestens 2 Zeichen)",
    "",
    "--user            dein Datenbank Benutzername",
    "",
    "--xml             Ausgabeformat: matroska-xml-Kapitel.xml",
    "                  Ausgabe: ein Dateiname ohne Erweiterung",
    "",
    "X: / X:\\          ein Laufwerk",
    "",
    "\"Pfad DVD\"        ein DVD Pfad zu dem VIDEO_TS Ordner",
    "\"Pfad Blu-Ray\"    ein Blu-Ray Pfad zu einem BDMV oder PLAYLIST Ordner",
    "",
    "VTS_xx_0          VTS ifo Datei: xx = 01 .. 99",
    "                  ohne die \".ifo\" Erweiterung",
    "",
    "1..99             eine Titelnummer von einer VTS ifo Datei",
    "",
    "00000..99999      eine mpls Datei/Nummer ohne die \".mpls\" Erweiterung",
    "",
    "----------------------------",
    "Modus 1: Datenbank Syntax",
    "1-2.Parameter: --user=\"dein Name\" --pass=\"dein Passwort\"",
    "3.Parameter:   --mid= ODER --range= ODER --title=\"ein Titel\"",
    "  Wenn der 3.Parameter --mid ist, kann ein 4.Parameter angegeben werden",
    "4.Parameter:   --ogg=\"output txt\" ODER --xml=\"output xml\" ODER",
    "               --names=\"Dateipfad und Name\"",
    "",
    "Modus 2: DVD/Blu-Ray/Ordner Syntax",
    "1.Parameter:    Laufwerk(X:) ODER ein Ordnerpfad \"DVD/Blu-Ray Pfad\"",
    "*** Blu-Ray ***",
    "2.Parameter:    00000..99999",
    "3.Parameter:    --ogg=\"output txt\" OR --xml=\"output xml\"",
    "  erzeuge eine Kapitel Datei mit Kapitelnamen",
    "4-6.Parameters: --user=\"dein Name\" --pass=\"dein Passwort\" --mid=",
    "*** DVD ***",
    "2.Parameter:    VTS_xx_0",
    "3.Parameter:    1..99",
    "4.Parameter:    --ogg=\"output txt\" OR --xml=\"output xml\"",
    "  erzeuge eine Kapitel Datei mit Kapitelnamen",
    "5-7.Parameters: --user=\"dein Name\" --pass=\"dein Passwort\" --mid=",
    "",
    "HINWEIS:",
    "Dateinamen können leer sein, eine Standard Datei wird dann im Wurzelverzeichnis erstellt.",
};

// Lines of the German help that hold non-ASCII letters (1-based), shown in the
// console's code page.
constexpr std::array<size_t, 2> kGermanNonAsciiLines = {8, 64};

}  // namespace

void ShowHelp() {
  for (std::string_view line : kEnglishHelp) common::WriteLine(line);
}

void ShowGermanHelp() {
  for (size_t i = 0; i < kGermanHelp.size(); ++i) {
    bool non_ascii = i + 1 == kGermanNonAsciiLines[0] || i + 1 == kGermanNonAsciiLines[1];
    common::WriteLine(non_ascii ? common::ToConsoleCodePage(kGermanHelp[i]) : std::string(kGermanHelp[i]));
  }
}

}  // namespace app
