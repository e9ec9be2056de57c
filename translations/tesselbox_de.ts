<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>sheets::SheetStore</name>
    <message>
        <source>not enough room on the disk</source>
        <translation>nicht genug Platz auf dem Datenträger</translation>
    </message>
    <message>
        <source>the sheet folder is read-only</source>
        <translation>der Tafelordner ist schreibgeschützt</translation>
    </message>
    <message>
        <source>no permission to write in the sheet folder</source>
        <translation>keine Berechtigung, in den Tafelordner zu schreiben</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The sheet folder %1 could not be made: %2</source>
        <translation>Der Tafelordner %1 konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>The sheet folder %1 cannot be opened: %2</source>
        <translation>Der Tafelordner %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 grew larger than a sheet may be</source>
        <translation>%1 ist größer geworden, als eine Tafel sein darf</translation>
    </message>
    <message>
        <source>%1 is already in the sheet folder</source>
        <translation>%1 ist bereits im Tafelordner</translation>
    </message>
    <message>
        <source>%1 in the sheet folder is not a file; it was left alone</source>
        <translation>%1 im Tafelordner ist keine Datei; es wurde nicht angetastet</translation>
    </message>
</context>
<context>
    <name>shell::AddSheetsCommand</name>
    <message numerus="yes">
        <source>%n of them differ from the ones being added: --replace replaces them, and keeps the old ones in replaced/.</source>
        <translation>
            <numerusform>%n davon unterscheidet sich von der hinzugefügten: --replace ersetzt sie und bewahrt die alte in replaced/ auf.</numerusform>
            <numerusform>%n davon unterscheiden sich von den hinzugefügten: --replace ersetzt sie und bewahrt die alten in replaced/ auf.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>shell::CommandLine</name>
    <message>
        <source>Shows the picture sheet of a mission editor catalogue entry.</source>
        <translation>Zeigt die Bildtafel eines Katalogeintrags des Missionseditors.</translation>
    </message>
    <message>
        <source>With --add-sheets: a folder or file to add from.</source>
        <translation>Mit --add-sheets: ein Ordner oder eine Datei, aus dem bzw. der hinzugefügt wird.</translation>
    </message>
    <message>
        <source>Also look for picture sheets in &lt;folder&gt;, after the current folder.</source>
        <translation>Bildtafeln auch in &lt;Ordner&gt; suchen, nach dem aktuellen Ordner.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Copy the picture sheets that each PATH holds (a folder, or sheet files) into your sheet folder, say what was done, and end without a window.</source>
        <translation>Die Bildtafeln, die jeder PATH enthält (ein Ordner oder Tafeldateien), in Ihren Tafelordner kopieren, sagen, was getan wurde, und ohne Fenster beenden.</translation>
    </message>
    <message>
        <source>With --add-sheets: replace sheets that are already there and differ; the old ones are kept in replaced/ in the sheet folder.</source>
        <translation>Mit --add-sheets: bereits vorhandene, abweichende Tafeln ersetzen; die alten werden in replaced/ im Tafelordner aufbewahrt.</translation>
    </message>
    <message>
        <source>--add-sheets: name the folders or files to add from</source>
        <translation>--add-sheets: Geben Sie die Ordner oder Dateien an, aus denen hinzugefügt werden soll</translation>
    </message>
    <message>
        <source>--add-sheets: &apos;%1&apos; does not exist</source>
        <translation>--add-sheets: „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>--replace goes with --add-sheets</source>
        <translation>--replace gehört zu --add-sheets</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>--sheets: &apos;%1&apos; is not a folder</source>
        <translation>--sheets: „%1“ ist kein Ordner</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option „%1“.</translation>
    </message>
</context>
<context>
    <name>shell::FindPopup</name>
    <message>
        <source>Find an entry</source>
        <translation>Eintrag suchen</translation>
    </message>
    <message>
        <source>Find text</source>
        <translation>Suchtext</translation>
    </message>
    <message>
        <source>Find an entry in all lists</source>
        <translation>Eintrag in allen Listen suchen</translation>
    </message>
    <message>
        <source>Matching entries</source>
        <translation>Passende Einträge</translation>
    </message>
</context>
<context>
    <name>shell::Form1</name>
    <message>
        <source>No picture sheets were found. They go in %1.

To add yours, choose Add Sheets… (right-click the picture box) or drop a folder of sheets on the window. To give the chosen entry a picture, paste a screenshot on the picture box (click it, then Ctrl+V).</source>
        <translation>Es wurden keine Bildtafeln gefunden. Sie gehören nach %1.

Um Ihre hinzuzufügen, wählen Sie „Tafeln hinzufügen…“ (Rechtsklick auf das Bildfeld) oder ziehen Sie einen Ordner mit Tafeln auf das Fenster. Um dem gewählten Eintrag ein Bild zu geben, fügen Sie ein Bildschirmfoto in das Bildfeld ein (anklicken, dann Strg+V).</translation>
    </message>
    <message>
        <source>Sheets are read without the sandbox: %1</source>
        <translation>Tafeln werden ohne Sandbox gelesen: %1</translation>
    </message>
    <message>
        <source>&amp;Gallery of All Entries</source>
        <translation>&amp;Galerie aller Einträge</translation>
    </message>
    <message>
        <source>The picture is kept as %1, but %2 is found first, so that one still shows.</source>
        <translation>Das Bild ist als %1 gespeichert, aber %2 wird zuerst gefunden, daher wird weiterhin jenes angezeigt.</translation>
    </message>
</context>
<context>
    <name>shell::Gallery</name>
    <message>
        <source>No entry matches</source>
        <translation>Kein Eintrag passt</translation>
    </message>
    <message>
        <source>Gallery — %1</source>
        <translation>Galerie — %1</translation>
    </message>
    <message>
        <source>All entries</source>
        <translation>Alle Einträge</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Show the entries whose name contains…</source>
        <translation>Einträge zeigen, deren Name enthält…</translation>
    </message>
    <message>
        <source>&amp;Add Sheets…</source>
        <translation>Tafeln &amp;hinzufügen…</translation>
    </message>
</context>
<context>
    <name>shell::GalleryModel</name>
    <message>
        <source>%1, being read</source>
        <translation>%1, wird gelesen</translation>
    </message>
</context>
<context>
    <name>shell::ImportActions</name>
    <message>
        <source>A&amp;dd Sheets…</source>
        <translation>Tafeln &amp;hinzufügen…</translation>
    </message>
    <message>
        <source>P&amp;aste Picture</source>
        <translation>Bild &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;Use Picture for This Entry…</source>
        <translation>Bild für diesen Eintrag &amp;verwenden…</translation>
    </message>
    <message>
        <source>. The sheet there stays as it was.</source>
        <translation>. Die vorhandene Tafel bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>. Nothing was written.</source>
        <translation>. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The picture could not be taken.</source>
        <translation>Das Bild konnte nicht übernommen werden.</translation>
    </message>
    <message>
        <source>Choose an entry first: the pasted picture becomes its sheet.</source>
        <translation>Wählen Sie zuerst einen Eintrag: Das eingefügte Bild wird seine Tafel.</translation>
    </message>
    <message>
        <source>There is no picture to paste.</source>
        <translation>Es gibt kein Bild zum Einfügen.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture.</source>
        <translation>%1 kann nicht als Bild gelesen werden.</translation>
    </message>
    <message>
        <source>The pasted picture</source>
        <translation>Das eingefügte Bild</translation>
    </message>
    <message>
        <source>%1 cannot be a sheet: %2.</source>
        <translation>%1 kann keine Tafel sein: %2.</translation>
    </message>
    <message>
        <source>This picture is %1 already.</source>
        <translation>Dieses Bild ist bereits %1.</translation>
    </message>
    <message>
        <source>Use this picture as %1?

This picture will be shown for:
%2</source>
        <translation>Dieses Bild als %1 verwenden?

Dieses Bild wird angezeigt für:
%2</translation>
    </message>
    <message>
        <source>

The %1 there now will be kept in %2.</source>
        <translation>

Das jetzige %1 wird in %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>&amp;Use Picture</source>
        <translation>Bild &amp;verwenden</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>shell::ImportSummary</name>
    <message>
        <source>Cancelled: no sheet was added.</source>
        <translation>Abgebrochen: Es wurde keine Tafel hinzugefügt.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n sheet(s) to %1.</source>
        <translation>
            <numerusform>%n Tafel zu %1 hinzugefügt.</numerusform>
            <numerusform>%n Tafeln zu %1 hinzugefügt.</numerusform>
        </translation>
    </message>
    <message>
        <source>No sheet was added.</source>
        <translation>Es wurde keine Tafel hinzugefügt.</translation>
    </message>
    <message numerus="yes">
        <source>Replaced %n sheet(s); the old ones are kept in %1/%2.</source>
        <translation>
            <numerusform>%n Tafel ersetzt; die alte wird in %1/%2 aufbewahrt.</numerusform>
            <numerusform>%n Tafeln ersetzt; die alten werden in %1/%2 aufbewahrt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Kept %n sheet(s) that were already there.</source>
        <translation>
            <numerusform>%n bereits vorhandene Tafel behalten.</numerusform>
            <numerusform>%n bereits vorhandene Tafeln behalten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Refused %n file(s).</source>
        <translation>
            <numerusform>%n Datei abgelehnt.</numerusform>
            <numerusform>%n Dateien abgelehnt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left alone %n file(s) or folder(s) that give no sheet.</source>
        <translation>
            <numerusform>%n Datei oder Ordner ohne Tafel nicht angetastet.</numerusform>
            <numerusform>%n Dateien oder Ordner ohne Tafel nicht angetastet.</numerusform>
        </translation>
    </message>
    <message>
        <source>left alone: not named like a sheet</source>
        <translation>nicht angetastet: nicht wie eine Tafel benannt</translation>
    </message>
    <message>
        <source>left alone: another file for %1, which is taken from %2</source>
        <translation>nicht angetastet: eine weitere Datei für %1, die aus %2 übernommen wird</translation>
    </message>
    <message>
        <source>kept the %1 already there, which differs</source>
        <translation>die bereits vorhandene, abweichende %1 behalten</translation>
    </message>
    <message>
        <source>left alone: a link, not followed</source>
        <translation>nicht angetastet: eine Verknüpfung, der nicht gefolgt wird</translation>
    </message>
    <message numerus="yes">
        <source>left alone: a folder more than %n levels down</source>
        <translation>
            <numerusform>nicht angetastet: ein Ordner mehr als %n Ebene tief</numerusform>
            <numerusform>nicht angetastet: ein Ordner mehr als %n Ebenen tief</numerusform>
        </translation>
    </message>
    <message>
        <source>left alone: the folder cannot be read</source>
        <translation>nicht angetastet: der Ordner kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>holds no file named like a sheet</source>
        <translation>enthält keine wie eine Tafel benannte Datei</translation>
    </message>
    <message numerus="yes">
        <source>and %n more file(s) not named like a sheet</source>
        <translation>
            <numerusform>und %n weitere nicht wie eine Tafel benannte Datei</numerusform>
            <numerusform>und %n weitere nicht wie eine Tafel benannte Dateien</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>shell::PictureBox</name>
    <message>
        <source>No picture sheet shown</source>
        <translation>Keine Bildtafel angezeigt</translation>
    </message>
    <message>
        <source>Picture sheet %1</source>
        <translation>Bildtafel %1</translation>
    </message>
</context>
<context>
    <name>shell::QtDialogs</name>
    <message>
        <source>Use Picture for %1</source>
        <translation>Bild für %1 verwenden</translation>
    </message>
    <message>
        <source>Pictures (%1);;All files (*)</source>
        <translation>Bilder (%1);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>shell::SheetActions</name>
    <message>
        <source>&amp;View Full Size</source>
        <translation>In voller Größe &amp;anzeigen</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Bild kopieren</translation>
    </message>
    <message>
        <source>Copy File &amp;Path</source>
        <translation>Datei&amp;pfad kopieren</translation>
    </message>
    <message>
        <source>&amp;Open Containing Folder</source>
        <translation>Übergeordneten &amp;Ordner öffnen</translation>
    </message>
    <message>
        <source>The folder %1 could not be opened: no program to show folders was found.</source>
        <translation>Der Ordner %1 konnte nicht geöffnet werden: Es wurde kein Programm zum Anzeigen von Ordnern gefunden.</translation>
    </message>
</context>
<context>
    <name>shell::SheetImporter</name>
    <message>
        <source>Looking at the files…</source>
        <translation>Dateien werden angesehen…</translation>
    </message>
    <message numerus="yes">
        <source>Adding %n sheet(s)…</source>
        <translation>
            <numerusform>%n Tafel wird hinzugefügt…</numerusform>
            <numerusform>%n Tafeln werden hinzugefügt…</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding Sheets</source>
        <translation>Tafeln werden hinzugefügt</translation>
    </message>
    <message numerus="yes">
        <source>%n of these sheets are already in your sheet folder, different from the ones being added.

Replace them? The ones there now will be kept in %1.</source>
        <translation>
            <numerusform>%n dieser Tafeln ist bereits in Ihrem Tafelordner und weicht von der hinzugefügten ab.

Ersetzen? Die jetzige wird in %1 aufbewahrt.</numerusform>
            <numerusform>%n dieser Tafeln sind bereits in Ihrem Tafelordner und weichen von den hinzugefügten ab.

Ersetzen? Die jetzigen werden in %1 aufbewahrt.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>&amp;Keep Them</source>
        <translation>&amp;Behalten</translation>
    </message>
</context>
<context>
    <name>shell::SheetReasons</name>
    <message>
        <source>The file is missing</source>
        <translation>Die Datei fehlt</translation>
    </message>
    <message>
        <source>The file is not a readable picture</source>
        <translation>Die Datei ist kein lesbares Bild</translation>
    </message>
    <message>
        <source>The picture is too large to show</source>
        <translation>Das Bild ist zu groß zum Anzeigen</translation>
    </message>
    <message>
        <source>No permission to read the file</source>
        <translation>Keine Berechtigung, die Datei zu lesen</translation>
    </message>
    <message>
        <source>It is a folder, pipe or device, not a file</source>
        <translation>Es ist ein Ordner, eine Pipe oder ein Gerät, keine Datei</translation>
    </message>
</context>
<context>
    <name>shell::SheetSourceDialog</name>
    <message>
        <source>Add Sheets from Folders or Files</source>
        <translation>Tafeln aus Ordnern oder Dateien hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
</context>
<context>
    <name>shell::SheetViewer</name>
    <message>
        <source>Picture sheet at full size</source>
        <translation>Bildtafel in voller Größe</translation>
    </message>
    <message>
        <source>%1, %2 × %3 pixels</source>
        <translation>%1, %2 × %3 Pixel</translation>
    </message>
    <message>
        <source>%1 %</source>
        <comment>zoom, in percent</comment>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>shell::Startup</name>
    <message>
        <source>cannot show a window on this Wayland desktop: Qt&apos;s Wayland platform is not installed (Debian package qt6-wayland), and no X display (DISPLAY) is set</source>
        <translation>kann auf diesem Wayland-Desktop kein Fenster zeigen: Qts Wayland-Plattform ist nicht installiert (Debian-Paket qt6-wayland), und keine X-Anzeige (DISPLAY) ist gesetzt</translation>
    </message>
    <message>
        <source>cannot connect to a display; is DISPLAY or WAYLAND_DISPLAY set?</source>
        <translation>keine Verbindung zu einer Anzeige möglich; ist DISPLAY oder WAYLAND_DISPLAY gesetzt?</translation>
    </message>
</context>
<context>
    <name>shell::ZoomView</name>
    <message>
        <source>Ctrl+wheel, + and − zoom in and out; 1 shows 100 %, F fits the window.
Drag, the arrow keys or the scroll bars move the picture. Esc closes.</source>
        <translation>Strg+Mausrad, + und − vergrößern und verkleinern; 1 zeigt 100 %, F passt in das Fenster ein.
Ziehen, die Pfeiltasten oder die Bildlaufleisten verschieben das Bild. Esc schließt.</translation>
    </message>
</context>
</TS>
