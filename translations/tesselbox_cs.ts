<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>sheets::SheetStore</name>
    <message>
        <source>not enough room on the disk</source>
        <translation>na disku není dost místa</translation>
    </message>
    <message>
        <source>the sheet folder is read-only</source>
        <translation>složka archů je jen pro čtení</translation>
    </message>
    <message>
        <source>no permission to write in the sheet folder</source>
        <translation>chybí oprávnění k zápisu do složky archů</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 nelze zapsat: %2</translation>
    </message>
    <message>
        <source>The sheet folder %1 could not be made: %2</source>
        <translation>Složku archů %1 nelze vytvořit: %2</translation>
    </message>
    <message>
        <source>The sheet folder %1 cannot be opened: %2</source>
        <translation>Složku archů %1 nelze otevřít: %2</translation>
    </message>
    <message>
        <source>%1 grew larger than a sheet may be</source>
        <translation>%1 narostl nad povolenou velikost archu</translation>
    </message>
    <message>
        <source>%1 is already in the sheet folder</source>
        <translation>%1 už ve složce archů je</translation>
    </message>
    <message>
        <source>%1 in the sheet folder is not a file; it was left alone</source>
        <translation>%1 ve složce archů není soubor; zůstal nedotčen</translation>
    </message>
</context>
<context>
    <name>shell::AddSheetsCommand</name>
    <message numerus="yes">
        <source>%n of them differ from the ones being added: --replace replaces them, and keeps the old ones in replaced/.</source>
        <translation>
            <numerusform>%n z nich se liší od přidávaného: --replace jej nahradí a starý ponechá v replaced/.</numerusform>
            <numerusform>%n z nich se liší od přidávaných: --replace je nahradí a staré ponechá v replaced/.</numerusform>
            <numerusform>%n z nich se liší od přidávaných: --replace je nahradí a staré ponechá v replaced/.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>shell::CommandLine</name>
    <message>
        <source>Shows the picture sheet of a mission editor catalogue entry.</source>
        <translation>Zobrazí obrazový arch položky katalogu editoru misí.</translation>
    </message>
    <message>
        <source>With --add-sheets: a folder or file to add from.</source>
        <translation>S --add-sheets: složka nebo soubor, ze kterých se přidává.</translation>
    </message>
    <message>
        <source>Also look for picture sheets in &lt;folder&gt;, after the current folder.</source>
        <translation>Hledat archy také ve složce &lt;složka&gt;, po aktuální složce.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>složka</translation>
    </message>
    <message>
        <source>Copy the picture sheets that each PATH holds (a folder, or sheet files) into your sheet folder, say what was done, and end without a window.</source>
        <translation>Zkopírovat obrazové archy z každé PATH (složky nebo souborů archů) do vaší složky archů, vypsat, co se stalo, a skončit bez okna.</translation>
    </message>
    <message>
        <source>With --add-sheets: replace sheets that are already there and differ; the old ones are kept in replaced/ in the sheet folder.</source>
        <translation>S --add-sheets: nahradit archy, které už existují a liší se; staré se ponechají v replaced/ ve složce archů.</translation>
    </message>
    <message>
        <source>--add-sheets: name the folders or files to add from</source>
        <translation>--add-sheets: uveďte složky nebo soubory, ze kterých přidat</translation>
    </message>
    <message>
        <source>--add-sheets: &apos;%1&apos; does not exist</source>
        <translation>--add-sheets: „%1“ neexistuje</translation>
    </message>
    <message>
        <source>--replace goes with --add-sheets</source>
        <translation>--replace patří k --add-sheets</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>neočekávaný argument „%1“</translation>
    </message>
    <message>
        <source>--sheets: &apos;%1&apos; is not a folder</source>
        <translation>--sheets: „%1“ není složka</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Neznámá volba „%1“.</translation>
    </message>
</context>
<context>
    <name>shell::FindPopup</name>
    <message>
        <source>Find an entry</source>
        <translation>Najít položku</translation>
    </message>
    <message>
        <source>Find text</source>
        <translation>Hledaný text</translation>
    </message>
    <message>
        <source>Find an entry in all lists</source>
        <translation>Najít položku ve všech seznamech</translation>
    </message>
    <message>
        <source>Matching entries</source>
        <translation>Odpovídající položky</translation>
    </message>
</context>
<context>
    <name>shell::Form1</name>
    <message>
        <source>No picture sheets were found. They go in %1.

To add yours, choose Add Sheets… (right-click the picture box) or drop a folder of sheets on the window. To give the chosen entry a picture, paste a screenshot on the picture box (click it, then Ctrl+V).</source>
        <translation>Nebyly nalezeny žádné obrazové archy. Patří do %1.

Chcete-li přidat své, zvolte „Přidat archy…“ (pravým tlačítkem na pole obrázku) nebo přetáhněte složku s archy na okno. Chcete-li vybrané položce dát obrázek, vložte snímek obrazovky do pole obrázku (klikněte na něj a pak Ctrl+V).</translation>
    </message>
    <message>
        <source>Sheets are read without the sandbox: %1</source>
        <translation>Archy se čtou bez izolovaného prostředí: %1</translation>
    </message>
    <message>
        <source>&amp;Gallery of All Entries</source>
        <translation>&amp;Galerie všech položek</translation>
    </message>
    <message>
        <source>The picture is kept as %1, but %2 is found first, so that one still shows.</source>
        <translation>Obrázek je uložen jako %1, ale dříve se najde %2, takže se dál zobrazuje ten.</translation>
    </message>
</context>
<context>
    <name>shell::Gallery</name>
    <message>
        <source>No entry matches</source>
        <translation>Žádná položka neodpovídá</translation>
    </message>
    <message>
        <source>Gallery — %1</source>
        <translation>Galerie — %1</translation>
    </message>
    <message>
        <source>All entries</source>
        <translation>Všechny položky</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtr</translation>
    </message>
    <message>
        <source>Show the entries whose name contains…</source>
        <translation>Zobrazit položky, jejichž název obsahuje…</translation>
    </message>
    <message>
        <source>&amp;Add Sheets…</source>
        <translation>&amp;Přidat archy…</translation>
    </message>
</context>
<context>
    <name>shell::GalleryModel</name>
    <message>
        <source>%1, being read</source>
        <translation>%1, načítá se</translation>
    </message>
</context>
<context>
    <name>shell::ImportActions</name>
    <message>
        <source>A&amp;dd Sheets…</source>
        <translation>Přid&amp;at archy…</translation>
    </message>
    <message>
        <source>P&amp;aste Picture</source>
        <translation>&amp;Vložit obrázek</translation>
    </message>
    <message>
        <source>&amp;Use Picture for This Entry…</source>
        <translation>&amp;Použít obrázek pro tuto položku…</translation>
    </message>
    <message>
        <source>. The sheet there stays as it was.</source>
        <translation>. Stávající arch zůstává, jak byl.</translation>
    </message>
    <message>
        <source>. Nothing was written.</source>
        <translation>. Nic nebylo zapsáno.</translation>
    </message>
    <message>
        <source>The picture could not be taken.</source>
        <translation>Obrázek se nepodařilo převzít.</translation>
    </message>
    <message>
        <source>Choose an entry first: the pasted picture becomes its sheet.</source>
        <translation>Nejprve vyberte položku: vložený obrázek se stane jejím archem.</translation>
    </message>
    <message>
        <source>There is no picture to paste.</source>
        <translation>Není k dispozici žádný obrázek k vložení.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture.</source>
        <translation>%1 nelze načíst jako obrázek.</translation>
    </message>
    <message>
        <source>The pasted picture</source>
        <translation>Vložený obrázek</translation>
    </message>
    <message>
        <source>%1 cannot be a sheet: %2.</source>
        <translation>%1 nemůže být archem: %2.</translation>
    </message>
    <message>
        <source>This picture is %1 already.</source>
        <translation>Tento obrázek už je %1.</translation>
    </message>
    <message>
        <source>Use this picture as %1?

This picture will be shown for:
%2</source>
        <translation>Použít tento obrázek jako %1?

Tento obrázek se zobrazí pro:
%2</translation>
    </message>
    <message>
        <source>

The %1 there now will be kept in %2.</source>
        <translation>

Stávající %1 bude ponechán v %2.</translation>
    </message>
    <message>
        <source>&amp;Use Picture</source>
        <translation>&amp;Použít obrázek</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Zrušit</translation>
    </message>
</context>
<context>
    <name>shell::ImportSummary</name>
    <message>
        <source>Cancelled: no sheet was added.</source>
        <translation>Zrušeno: nebyl přidán žádný arch.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n sheet(s) to %1.</source>
        <translation>
            <numerusform>Do %1 byl přidán %n arch.</numerusform>
            <numerusform>Do %1 byly přidány %n archy.</numerusform>
            <numerusform>Do %1 bylo přidáno %n archů.</numerusform>
        </translation>
    </message>
    <message>
        <source>No sheet was added.</source>
        <translation>Nebyl přidán žádný arch.</translation>
    </message>
    <message numerus="yes">
        <source>Replaced %n sheet(s); the old ones are kept in %1/%2.</source>
        <translation>
            <numerusform>Nahrazen %n arch; starý je ponechán v %1/%2.</numerusform>
            <numerusform>Nahrazeny %n archy; staré jsou ponechány v %1/%2.</numerusform>
            <numerusform>Nahrazeno %n archů; staré jsou ponechány v %1/%2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Kept %n sheet(s) that were already there.</source>
        <translation>
            <numerusform>Ponechán %n arch, který už existoval.</numerusform>
            <numerusform>Ponechány %n archy, které už existovaly.</numerusform>
            <numerusform>Ponecháno %n archů, které už existovaly.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Refused %n file(s).</source>
        <translation>
            <numerusform>Odmítnut %n soubor.</numerusform>
            <numerusform>Odmítnuty %n soubory.</numerusform>
            <numerusform>Odmítnuto %n souborů.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left alone %n file(s) or folder(s) that give no sheet.</source>
        <translation>
            <numerusform>Vynechán %n soubor či složka bez archu.</numerusform>
            <numerusform>Vynechány %n soubory či složky bez archu.</numerusform>
            <numerusform>Vynecháno %n souborů či složek bez archu.</numerusform>
        </translation>
    </message>
    <message>
        <source>left alone: not named like a sheet</source>
        <translation>vynecháno: není pojmenováno jako arch</translation>
    </message>
    <message>
        <source>left alone: another file for %1, which is taken from %2</source>
        <translation>vynecháno: další soubor pro %1, který se bere z %2</translation>
    </message>
    <message>
        <source>kept the %1 already there, which differs</source>
        <translation>ponechán stávající %1, který se liší</translation>
    </message>
    <message>
        <source>left alone: a link, not followed</source>
        <translation>vynecháno: odkaz, nesleduje se</translation>
    </message>
    <message numerus="yes">
        <source>left alone: a folder more than %n levels down</source>
        <translation>
            <numerusform>vynecháno: složka hlouběji než %n úroveň</numerusform>
            <numerusform>vynecháno: složka hlouběji než %n úrovně</numerusform>
            <numerusform>vynecháno: složka hlouběji než %n úrovní</numerusform>
        </translation>
    </message>
    <message>
        <source>left alone: the folder cannot be read</source>
        <translation>vynecháno: složku nelze číst</translation>
    </message>
    <message>
        <source>holds no file named like a sheet</source>
        <translation>neobsahuje žádný soubor pojmenovaný jako arch</translation>
    </message>
    <message numerus="yes">
        <source>and %n more file(s) not named like a sheet</source>
        <translation>
            <numerusform>a ještě %n soubor nepojmenovaný jako arch</numerusform>
            <numerusform>a ještě %n soubory nepojmenované jako arch</numerusform>
            <numerusform>a ještě %n souborů nepojmenovaných jako arch</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>shell::PictureBox</name>
    <message>
        <source>No picture sheet shown</source>
        <translation>Nezobrazen žádný arch</translation>
    </message>
    <message>
        <source>Picture sheet %1</source>
        <translation>Arch %1</translation>
    </message>
</context>
<context>
    <name>shell::QtDialogs</name>
    <message>
        <source>Use Picture for %1</source>
        <translation>Použít obrázek pro %1</translation>
    </message>
    <message>
        <source>Pictures (%1);;All files (*)</source>
        <translation>Obrázky (%1);;Všechny soubory (*)</translation>
    </message>
</context>
<context>
    <name>shell::SheetActions</name>
    <message>
        <source>&amp;View Full Size</source>
        <translation>&amp;Zobrazit v plné velikosti</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Kopírovat obrázek</translation>
    </message>
    <message>
        <source>Copy File &amp;Path</source>
        <translation>Kopírovat &amp;cestu k souboru</translation>
    </message>
    <message>
        <source>&amp;Open Containing Folder</source>
        <translation>&amp;Otevřít nadřazenou složku</translation>
    </message>
    <message>
        <source>The folder %1 could not be opened: no program to show folders was found.</source>
        <translation>Složku %1 nelze otevřít: nebyl nalezen žádný program pro zobrazení složek.</translation>
    </message>
</context>
<context>
    <name>shell::SheetImporter</name>
    <message>
        <source>Looking at the files…</source>
        <translation>Prohlížení souborů…</translation>
    </message>
    <message numerus="yes">
        <source>Adding %n sheet(s)…</source>
        <translation>
            <numerusform>Přidává se %n arch…</numerusform>
            <numerusform>Přidávají se %n archy…</numerusform>
            <numerusform>Přidává se %n archů…</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding Sheets</source>
        <translation>Přidávání archů</translation>
    </message>
    <message numerus="yes">
        <source>%n of these sheets are already in your sheet folder, different from the ones being added.

Replace them? The ones there now will be kept in %1.</source>
        <translation>
            <numerusform>%n z těchto archů už ve vaší složce archů je a liší se od přidávaného.

Nahradit? Stávající bude ponechán v %1.</numerusform>
            <numerusform>%n z těchto archů už ve vaší složce archů jsou a liší se od přidávaných.

Nahradit je? Stávající budou ponechány v %1.</numerusform>
            <numerusform>%n z těchto archů už ve vaší složce archů je a liší se od přidávaných.

Nahradit je? Stávající budou ponechány v %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Nahradit</translation>
    </message>
    <message>
        <source>&amp;Keep Them</source>
        <translation>&amp;Ponechat</translation>
    </message>
</context>
<context>
    <name>shell::SheetReasons</name>
    <message>
        <source>The file is missing</source>
        <translation>Soubor chybí</translation>
    </message>
    <message>
        <source>The file is not a readable picture</source>
        <translation>Soubor není čitelný obrázek</translation>
    </message>
    <message>
        <source>The picture is too large to show</source>
        <translation>Obrázek je příliš velký na zobrazení</translation>
    </message>
    <message>
        <source>No permission to read the file</source>
        <translation>Chybí oprávnění ke čtení souboru</translation>
    </message>
    <message>
        <source>It is a folder, pipe or device, not a file</source>
        <translation>Je to složka, roura nebo zařízení, ne soubor</translation>
    </message>
</context>
<context>
    <name>shell::SheetSourceDialog</name>
    <message>
        <source>Add Sheets from Folders or Files</source>
        <translation>Přidat archy ze složek nebo souborů</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Přid&amp;at</translation>
    </message>
</context>
<context>
    <name>shell::SheetViewer</name>
    <message>
        <source>Picture sheet at full size</source>
        <translation>Arch v plné velikosti</translation>
    </message>
    <message>
        <source>%1, %2 × %3 pixels</source>
        <translation>%1, %2 × %3 pixelů</translation>
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
        <translation>na této ploše Wayland nelze zobrazit okno: platforma Wayland pro Qt není nainstalována (balíček Debianu qt6-wayland) a není nastaven displej X (DISPLAY)</translation>
    </message>
    <message>
        <source>cannot connect to a display; is DISPLAY or WAYLAND_DISPLAY set?</source>
        <translation>nelze se připojit k displeji; je nastaveno DISPLAY nebo WAYLAND_DISPLAY?</translation>
    </message>
</context>
<context>
    <name>shell::ZoomView</name>
    <message>
        <source>Ctrl+wheel, + and − zoom in and out; 1 shows 100 %, F fits the window.
Drag, the arrow keys or the scroll bars move the picture. Esc closes.</source>
        <translation>Ctrl+kolečko, + a − přibližují a oddalují; 1 zobrazí 100 %, F přizpůsobí oknu.
Tažení, šipky nebo posuvníky posouvají obrázek. Esc zavře.</translation>
    </message>
</context>
</TS>
