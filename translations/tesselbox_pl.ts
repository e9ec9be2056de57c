<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>sheets::SheetStore</name>
    <message>
        <source>not enough room on the disk</source>
        <translation>za mało miejsca na dysku</translation>
    </message>
    <message>
        <source>the sheet folder is read-only</source>
        <translation>folder plansz jest tylko do odczytu</translation>
    </message>
    <message>
        <source>no permission to write in the sheet folder</source>
        <translation>brak uprawnień do zapisu w folderze plansz</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Nie udało się zapisać %1: %2</translation>
    </message>
    <message>
        <source>The sheet folder %1 could not be made: %2</source>
        <translation>Nie udało się utworzyć folderu plansz %1: %2</translation>
    </message>
    <message>
        <source>The sheet folder %1 cannot be opened: %2</source>
        <translation>Nie można otworzyć folderu plansz %1: %2</translation>
    </message>
    <message>
        <source>%1 grew larger than a sheet may be</source>
        <translation>%1 urósł ponad dopuszczalny rozmiar planszy</translation>
    </message>
    <message>
        <source>%1 is already in the sheet folder</source>
        <translation>%1 jest już w folderze plansz</translation>
    </message>
    <message>
        <source>%1 in the sheet folder is not a file; it was left alone</source>
        <translation>%1 w folderze plansz nie jest plikiem; pozostawiono go bez zmian</translation>
    </message>
</context>
<context>
    <name>shell::AddSheetsCommand</name>
    <message numerus="yes">
        <source>%n of them differ from the ones being added: --replace replaces them, and keeps the old ones in replaced/.</source>
        <translation>
            <numerusform>%n z nich różni się od dodawanej: --replace ją zastępuje, a starą zachowuje w replaced/.</numerusform>
            <numerusform>%n z nich różnią się od dodawanych: --replace je zastępuje, a stare zachowuje w replaced/.</numerusform>
            <numerusform>%n z nich różni się od dodawanych: --replace je zastępuje, a stare zachowuje w replaced/.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>shell::CommandLine</name>
    <message>
        <source>Shows the picture sheet of a mission editor catalogue entry.</source>
        <translation>Pokazuje planszę z obrazem wpisu z katalogu edytora misji.</translation>
    </message>
    <message>
        <source>With --add-sheets: a folder or file to add from.</source>
        <translation>Z --add-sheets: folder lub plik, z którego dodać.</translation>
    </message>
    <message>
        <source>Also look for picture sheets in &lt;folder&gt;, after the current folder.</source>
        <translation>Szukaj plansz także w folderze &lt;folder&gt;, po bieżącym folderze.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>folder</translation>
    </message>
    <message>
        <source>Copy the picture sheets that each PATH holds (a folder, or sheet files) into your sheet folder, say what was done, and end without a window.</source>
        <translation>Skopiuj plansze z każdego PATH (folderu lub plików plansz) do swojego folderu plansz, powiedz, co zrobiono, i zakończ bez okna.</translation>
    </message>
    <message>
        <source>With --add-sheets: replace sheets that are already there and differ; the old ones are kept in replaced/ in the sheet folder.</source>
        <translation>Z --add-sheets: zastąp plansze, które już są i się różnią; stare zostają zachowane w replaced/ w folderze plansz.</translation>
    </message>
    <message>
        <source>--add-sheets: name the folders or files to add from</source>
        <translation>--add-sheets: podaj foldery lub pliki, z których dodać</translation>
    </message>
    <message>
        <source>--add-sheets: &apos;%1&apos; does not exist</source>
        <translation>--add-sheets: „%1” nie istnieje</translation>
    </message>
    <message>
        <source>--replace goes with --add-sheets</source>
        <translation>--replace działa tylko z --add-sheets</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>nieoczekiwany argument „%1”</translation>
    </message>
    <message>
        <source>--sheets: &apos;%1&apos; is not a folder</source>
        <translation>--sheets: „%1” nie jest folderem</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Nieznana opcja „%1”.</translation>
    </message>
</context>
<context>
    <name>shell::FindPopup</name>
    <message>
        <source>Find an entry</source>
        <translation>Znajdź wpis</translation>
    </message>
    <message>
        <source>Find text</source>
        <translation>Szukany tekst</translation>
    </message>
    <message>
        <source>Find an entry in all lists</source>
        <translation>Znajdź wpis na wszystkich listach</translation>
    </message>
    <message>
        <source>Matching entries</source>
        <translation>Pasujące wpisy</translation>
    </message>
</context>
<context>
    <name>shell::Form1</name>
    <message>
        <source>No picture sheets were found. They go in %1.

To add yours, choose Add Sheets… (right-click the picture box) or drop a folder of sheets on the window. To give the chosen entry a picture, paste a screenshot on the picture box (click it, then Ctrl+V).</source>
        <translation>Nie znaleziono plansz. Ich miejsce to %1.

Aby dodać własne, wybierz „Dodaj plansze…” (prawy przycisk myszy na polu obrazu) lub upuść folder z planszami na okno. Aby nadać wybranemu wpisowi obraz, wklej zrzut ekranu na pole obrazu (kliknij je, a potem Ctrl+V).</translation>
    </message>
    <message>
        <source>Sheets are read without the sandbox: %1</source>
        <translation>Plansze są czytane bez piaskownicy: %1</translation>
    </message>
    <message>
        <source>&amp;Gallery of All Entries</source>
        <translation>&amp;Galeria wszystkich wpisów</translation>
    </message>
    <message>
        <source>The picture is kept as %1, but %2 is found first, so that one still shows.</source>
        <translation>Obraz zapisano jako %1, ale najpierw znajdowany jest %2, więc nadal wyświetlany jest tamten.</translation>
    </message>
</context>
<context>
    <name>shell::Gallery</name>
    <message>
        <source>No entry matches</source>
        <translation>Żaden wpis nie pasuje</translation>
    </message>
    <message>
        <source>Gallery — %1</source>
        <translation>Galeria — %1</translation>
    </message>
    <message>
        <source>All entries</source>
        <translation>Wszystkie wpisy</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtr</translation>
    </message>
    <message>
        <source>Show the entries whose name contains…</source>
        <translation>Pokaż wpisy, których nazwa zawiera…</translation>
    </message>
    <message>
        <source>&amp;Add Sheets…</source>
        <translation>&amp;Dodaj plansze…</translation>
    </message>
</context>
<context>
    <name>shell::GalleryModel</name>
    <message>
        <source>%1, being read</source>
        <translation>%1, trwa odczyt</translation>
    </message>
</context>
<context>
    <name>shell::ImportActions</name>
    <message>
        <source>A&amp;dd Sheets…</source>
        <translation>Dod&amp;aj plansze…</translation>
    </message>
    <message>
        <source>P&amp;aste Picture</source>
        <translation>Wkl&amp;ej obraz</translation>
    </message>
    <message>
        <source>&amp;Use Picture for This Entry…</source>
        <translation>Użyj obrazu &amp;dla tego wpisu…</translation>
    </message>
    <message>
        <source>. The sheet there stays as it was.</source>
        <translation>. Dotychczasowa plansza pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>. Nothing was written.</source>
        <translation>. Nic nie zapisano.</translation>
    </message>
    <message>
        <source>The picture could not be taken.</source>
        <translation>Nie udało się pobrać obrazu.</translation>
    </message>
    <message>
        <source>Choose an entry first: the pasted picture becomes its sheet.</source>
        <translation>Najpierw wybierz wpis: wklejony obraz stanie się jego planszą.</translation>
    </message>
    <message>
        <source>There is no picture to paste.</source>
        <translation>Brak obrazu do wklejenia.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture.</source>
        <translation>Nie można odczytać %1 jako obrazu.</translation>
    </message>
    <message>
        <source>The pasted picture</source>
        <translation>Wklejony obraz</translation>
    </message>
    <message>
        <source>%1 cannot be a sheet: %2.</source>
        <translation>%1 nie może być planszą: %2.</translation>
    </message>
    <message>
        <source>This picture is %1 already.</source>
        <translation>Ten obraz już jest %1.</translation>
    </message>
    <message>
        <source>Use this picture as %1?

This picture will be shown for:
%2</source>
        <translation>Użyć tego obrazu jako %1?

Ten obraz będzie wyświetlany dla:
%2</translation>
    </message>
    <message>
        <source>

The %1 there now will be kept in %2.</source>
        <translation>

Obecny %1 zostanie zachowany w %2.</translation>
    </message>
    <message>
        <source>&amp;Use Picture</source>
        <translation>Użyj o&amp;brazu</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
</context>
<context>
    <name>shell::ImportSummary</name>
    <message>
        <source>Cancelled: no sheet was added.</source>
        <translation>Anulowano: nie dodano żadnej planszy.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n sheet(s) to %1.</source>
        <translation>
            <numerusform>Dodano %n planszę do %1.</numerusform>
            <numerusform>Dodano %n plansze do %1.</numerusform>
            <numerusform>Dodano %n plansz do %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No sheet was added.</source>
        <translation>Nie dodano żadnej planszy.</translation>
    </message>
    <message numerus="yes">
        <source>Replaced %n sheet(s); the old ones are kept in %1/%2.</source>
        <translation>
            <numerusform>Zastąpiono %n planszę; stara jest zachowana w %1/%2.</numerusform>
            <numerusform>Zastąpiono %n plansze; stare są zachowane w %1/%2.</numerusform>
            <numerusform>Zastąpiono %n plansz; stare są zachowane w %1/%2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Kept %n sheet(s) that were already there.</source>
        <translation>
            <numerusform>Zachowano %n planszę, która już była.</numerusform>
            <numerusform>Zachowano %n plansze, które już były.</numerusform>
            <numerusform>Zachowano %n plansz, które już były.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Refused %n file(s).</source>
        <translation>
            <numerusform>Odrzucono %n plik.</numerusform>
            <numerusform>Odrzucono %n pliki.</numerusform>
            <numerusform>Odrzucono %n plików.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left alone %n file(s) or folder(s) that give no sheet.</source>
        <translation>
            <numerusform>Pominięto %n plik lub folder, który nie daje planszy.</numerusform>
            <numerusform>Pominięto %n pliki lub foldery, które nie dają planszy.</numerusform>
            <numerusform>Pominięto %n plików lub folderów, które nie dają planszy.</numerusform>
        </translation>
    </message>
    <message>
        <source>left alone: not named like a sheet</source>
        <translation>pominięto: nazwa nie jest nazwą planszy</translation>
    </message>
    <message>
        <source>left alone: another file for %1, which is taken from %2</source>
        <translation>pominięto: kolejny plik dla %1, który jest brany z %2</translation>
    </message>
    <message>
        <source>kept the %1 already there, which differs</source>
        <translation>zachowano istniejący %1, który się różni</translation>
    </message>
    <message>
        <source>left alone: a link, not followed</source>
        <translation>pominięto: dowiązanie, nie jest śledzone</translation>
    </message>
    <message numerus="yes">
        <source>left alone: a folder more than %n levels down</source>
        <translation>
            <numerusform>pominięto: folder głębiej niż %n poziom</numerusform>
            <numerusform>pominięto: folder głębiej niż %n poziomy</numerusform>
            <numerusform>pominięto: folder głębiej niż %n poziomów</numerusform>
        </translation>
    </message>
    <message>
        <source>left alone: the folder cannot be read</source>
        <translation>pominięto: nie można odczytać folderu</translation>
    </message>
    <message>
        <source>holds no file named like a sheet</source>
        <translation>nie zawiera pliku o nazwie planszy</translation>
    </message>
    <message numerus="yes">
        <source>and %n more file(s) not named like a sheet</source>
        <translation>
            <numerusform>i jeszcze %n plik bez nazwy planszy</numerusform>
            <numerusform>i jeszcze %n pliki bez nazwy planszy</numerusform>
            <numerusform>i jeszcze %n plików bez nazwy planszy</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>shell::PictureBox</name>
    <message>
        <source>No picture sheet shown</source>
        <translation>Nie wyświetlono planszy</translation>
    </message>
    <message>
        <source>Picture sheet %1</source>
        <translation>Plansza %1</translation>
    </message>
</context>
<context>
    <name>shell::QtDialogs</name>
    <message>
        <source>Use Picture for %1</source>
        <translation>Użyj obrazu dla %1</translation>
    </message>
    <message>
        <source>Pictures (%1);;All files (*)</source>
        <translation>Obrazy (%1);;Wszystkie pliki (*)</translation>
    </message>
</context>
<context>
    <name>shell::SheetActions</name>
    <message>
        <source>&amp;View Full Size</source>
        <translation>&amp;Wyświetl w pełnym rozmiarze</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Kopiuj obraz</translation>
    </message>
    <message>
        <source>Copy File &amp;Path</source>
        <translation>Kopiuj ścieżkę &amp;pliku</translation>
    </message>
    <message>
        <source>&amp;Open Containing Folder</source>
        <translation>&amp;Otwórz folder zawierający</translation>
    </message>
    <message>
        <source>The folder %1 could not be opened: no program to show folders was found.</source>
        <translation>Nie udało się otworzyć folderu %1: nie znaleziono programu do wyświetlania folderów.</translation>
    </message>
</context>
<context>
    <name>shell::SheetImporter</name>
    <message>
        <source>Looking at the files…</source>
        <translation>Przeglądanie plików…</translation>
    </message>
    <message numerus="yes">
        <source>Adding %n sheet(s)…</source>
        <translation>
            <numerusform>Dodawanie %n planszy…</numerusform>
            <numerusform>Dodawanie %n plansz…</numerusform>
            <numerusform>Dodawanie %n plansz…</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding Sheets</source>
        <translation>Dodawanie plansz</translation>
    </message>
    <message numerus="yes">
        <source>%n of these sheets are already in your sheet folder, different from the ones being added.

Replace them? The ones there now will be kept in %1.</source>
        <translation>
            <numerusform>%n z tych plansz jest już w Twoim folderze plansz i różni się od dodawanej.

Zastąpić? Obecna zostanie zachowana w %1.</numerusform>
            <numerusform>%n z tych plansz są już w Twoim folderze plansz i różnią się od dodawanych.

Zastąpić je? Obecne zostaną zachowane w %1.</numerusform>
            <numerusform>%n z tych plansz jest już w Twoim folderze plansz i różni się od dodawanych.

Zastąpić je? Obecne zostaną zachowane w %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Zastąp</translation>
    </message>
    <message>
        <source>&amp;Keep Them</source>
        <translation>&amp;Pozostaw</translation>
    </message>
</context>
<context>
    <name>shell::SheetReasons</name>
    <message>
        <source>The file is missing</source>
        <translation>Brak pliku</translation>
    </message>
    <message>
        <source>The file is not a readable picture</source>
        <translation>Plik nie jest czytelnym obrazem</translation>
    </message>
    <message>
        <source>The picture is too large to show</source>
        <translation>Obraz jest za duży, by go wyświetlić</translation>
    </message>
    <message>
        <source>No permission to read the file</source>
        <translation>Brak uprawnień do odczytu pliku</translation>
    </message>
    <message>
        <source>It is a folder, pipe or device, not a file</source>
        <translation>To folder, potok lub urządzenie, a nie plik</translation>
    </message>
</context>
<context>
    <name>shell::SheetSourceDialog</name>
    <message>
        <source>Add Sheets from Folders or Files</source>
        <translation>Dodaj plansze z folderów lub plików</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Dodaj</translation>
    </message>
</context>
<context>
    <name>shell::SheetViewer</name>
    <message>
        <source>Picture sheet at full size</source>
        <translation>Plansza w pełnym rozmiarze</translation>
    </message>
    <message>
        <source>%1, %2 × %3 pixels</source>
        <translation>%1, %2 × %3 pikseli</translation>
    </message>
    <message>
        <source>%1 %</source>
        <comment>zoom, in percent</comment>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>shell::Startup</name>
    <message>
        <source>cannot show a window on this Wayland desktop: Qt&apos;s Wayland platform is not installed (Debian package qt6-wayland), and no X display (DISPLAY) is set</source>
        <translation>nie można pokazać okna na tym pulpicie Wayland: platforma Wayland biblioteki Qt nie jest zainstalowana (pakiet Debiana qt6-wayland), a ekran X (DISPLAY) nie jest ustawiony</translation>
    </message>
    <message>
        <source>cannot connect to a display; is DISPLAY or WAYLAND_DISPLAY set?</source>
        <translation>nie można połączyć się z ekranem; czy ustawiono DISPLAY lub WAYLAND_DISPLAY?</translation>
    </message>
</context>
<context>
    <name>shell::ZoomView</name>
    <message>
        <source>Ctrl+wheel, + and − zoom in and out; 1 shows 100 %, F fits the window.
Drag, the arrow keys or the scroll bars move the picture. Esc closes.</source>
        <translation>Ctrl+kółko, + i − przybliżają i oddalają; 1 pokazuje 100%, F dopasowuje do okna.
Przeciąganie, klawisze strzałek lub paski przewijania przesuwają obraz. Esc zamyka.</translation>
    </message>
</context>
</TS>
