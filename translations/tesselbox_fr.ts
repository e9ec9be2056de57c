<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>sheets::SheetStore</name>
    <message>
        <source>not enough room on the disk</source>
        <translation>espace disque insuffisant</translation>
    </message>
    <message>
        <source>the sheet folder is read-only</source>
        <translation>le dossier des planches est en lecture seule</translation>
    </message>
    <message>
        <source>no permission to write in the sheet folder</source>
        <translation>pas le droit d&apos;écrire dans le dossier des planches</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>The sheet folder %1 could not be made: %2</source>
        <translation>Impossible de créer le dossier des planches %1 : %2</translation>
    </message>
    <message>
        <source>The sheet folder %1 cannot be opened: %2</source>
        <translation>Impossible d&apos;ouvrir le dossier des planches %1 : %2</translation>
    </message>
    <message>
        <source>%1 grew larger than a sheet may be</source>
        <translation>%1 est devenu plus grand qu&apos;une planche ne peut l&apos;être</translation>
    </message>
    <message>
        <source>%1 is already in the sheet folder</source>
        <translation>%1 est déjà dans le dossier des planches</translation>
    </message>
    <message>
        <source>%1 in the sheet folder is not a file; it was left alone</source>
        <translation>%1 dans le dossier des planches n&apos;est pas un fichier ; il a été laissé tel quel</translation>
    </message>
</context>
<context>
    <name>shell::AddSheetsCommand</name>
    <message numerus="yes">
        <source>%n of them differ from the ones being added: --replace replaces them, and keeps the old ones in replaced/.</source>
        <translation>
            <numerusform>%n d&apos;entre elles diffère de celle ajoutée : --replace la remplace et garde l&apos;ancienne dans replaced/.</numerusform>
            <numerusform>%n d&apos;entre elles diffèrent de celles ajoutées : --replace les remplace et garde les anciennes dans replaced/.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>shell::CommandLine</name>
    <message>
        <source>Shows the picture sheet of a mission editor catalogue entry.</source>
        <translation>Affiche la planche d&apos;illustrations d&apos;une entrée du catalogue de l&apos;éditeur de missions.</translation>
    </message>
    <message>
        <source>With --add-sheets: a folder or file to add from.</source>
        <translation>Avec --add-sheets : un dossier ou un fichier d&apos;où ajouter.</translation>
    </message>
    <message>
        <source>Also look for picture sheets in &lt;folder&gt;, after the current folder.</source>
        <translation>Chercher aussi les planches dans &lt;dossier&gt;, après le dossier courant.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>dossier</translation>
    </message>
    <message>
        <source>Copy the picture sheets that each PATH holds (a folder, or sheet files) into your sheet folder, say what was done, and end without a window.</source>
        <translation>Copier dans votre dossier des planches les planches que contient chaque PATH (un dossier ou des fichiers de planches), dire ce qui a été fait et terminer sans fenêtre.</translation>
    </message>
    <message>
        <source>With --add-sheets: replace sheets that are already there and differ; the old ones are kept in replaced/ in the sheet folder.</source>
        <translation>Avec --add-sheets : remplacer les planches déjà présentes qui diffèrent ; les anciennes sont gardées dans replaced/ du dossier des planches.</translation>
    </message>
    <message>
        <source>--add-sheets: name the folders or files to add from</source>
        <translation>--add-sheets : indiquez les dossiers ou fichiers d&apos;où ajouter</translation>
    </message>
    <message>
        <source>--add-sheets: &apos;%1&apos; does not exist</source>
        <translation>--add-sheets : « %1 » n&apos;existe pas</translation>
    </message>
    <message>
        <source>--replace goes with --add-sheets</source>
        <translation>--replace s&apos;utilise avec --add-sheets</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu « %1 »</translation>
    </message>
    <message>
        <source>--sheets: &apos;%1&apos; is not a folder</source>
        <translation>--sheets : « %1 » n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option inconnue « %1 ».</translation>
    </message>
</context>
<context>
    <name>shell::FindPopup</name>
    <message>
        <source>Find an entry</source>
        <translation>Rechercher une entrée</translation>
    </message>
    <message>
        <source>Find text</source>
        <translation>Texte à rechercher</translation>
    </message>
    <message>
        <source>Find an entry in all lists</source>
        <translation>Rechercher une entrée dans toutes les listes</translation>
    </message>
    <message>
        <source>Matching entries</source>
        <translation>Entrées correspondantes</translation>
    </message>
</context>
<context>
    <name>shell::Form1</name>
    <message>
        <source>No picture sheets were found. They go in %1.

To add yours, choose Add Sheets… (right-click the picture box) or drop a folder of sheets on the window. To give the chosen entry a picture, paste a screenshot on the picture box (click it, then Ctrl+V).</source>
        <translation>Aucune planche n&apos;a été trouvée. Elles vont dans %1.

Pour ajouter les vôtres, choisissez « Ajouter des planches… » (clic droit sur le cadre de l&apos;image) ou déposez un dossier de planches sur la fenêtre. Pour donner une image à l&apos;entrée choisie, collez une capture d&apos;écran sur le cadre de l&apos;image (cliquez dessus, puis Ctrl+V).</translation>
    </message>
    <message>
        <source>Sheets are read without the sandbox: %1</source>
        <translation>Les planches sont lues hors du bac à sable : %1</translation>
    </message>
    <message>
        <source>&amp;Gallery of All Entries</source>
        <translation>&amp;Galerie de toutes les entrées</translation>
    </message>
    <message>
        <source>The picture is kept as %1, but %2 is found first, so that one still shows.</source>
        <translation>L&apos;image est gardée sous %1, mais %2 est trouvée en premier : c&apos;est donc elle qui reste affichée.</translation>
    </message>
</context>
<context>
    <name>shell::Gallery</name>
    <message>
        <source>No entry matches</source>
        <translation>Aucune entrée ne correspond</translation>
    </message>
    <message>
        <source>Gallery — %1</source>
        <translation>Galerie — %1</translation>
    </message>
    <message>
        <source>All entries</source>
        <translation>Toutes les entrées</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Show the entries whose name contains…</source>
        <translation>Afficher les entrées dont le nom contient…</translation>
    </message>
    <message>
        <source>&amp;Add Sheets…</source>
        <translation>&amp;Ajouter des planches…</translation>
    </message>
</context>
<context>
    <name>shell::GalleryModel</name>
    <message>
        <source>%1, being read</source>
        <translation>%1, en cours de lecture</translation>
    </message>
</context>
<context>
    <name>shell::ImportActions</name>
    <message>
        <source>A&amp;dd Sheets…</source>
        <translation>Ajouter des &amp;planches…</translation>
    </message>
    <message>
        <source>P&amp;aste Picture</source>
        <translation>Co&amp;ller une image</translation>
    </message>
    <message>
        <source>&amp;Use Picture for This Entry…</source>
        <translation>&amp;Utiliser une image pour cette entrée…</translation>
    </message>
    <message>
        <source>. The sheet there stays as it was.</source>
        <translation>. La planche existante reste telle quelle.</translation>
    </message>
    <message>
        <source>. Nothing was written.</source>
        <translation>. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The picture could not be taken.</source>
        <translation>L&apos;image n&apos;a pas pu être prise.</translation>
    </message>
    <message>
        <source>Choose an entry first: the pasted picture becomes its sheet.</source>
        <translation>Choisissez d&apos;abord une entrée : l&apos;image collée devient sa planche.</translation>
    </message>
    <message>
        <source>There is no picture to paste.</source>
        <translation>Il n&apos;y a aucune image à coller.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture.</source>
        <translation>%1 ne peut pas être lu comme une image.</translation>
    </message>
    <message>
        <source>The pasted picture</source>
        <translation>L&apos;image collée</translation>
    </message>
    <message>
        <source>%1 cannot be a sheet: %2.</source>
        <translation>%1 ne peut pas être une planche : %2.</translation>
    </message>
    <message>
        <source>This picture is %1 already.</source>
        <translation>Cette image est déjà %1.</translation>
    </message>
    <message>
        <source>Use this picture as %1?

This picture will be shown for:
%2</source>
        <translation>Utiliser cette image comme %1 ?

Cette image sera affichée pour :
%2</translation>
    </message>
    <message>
        <source>

The %1 there now will be kept in %2.</source>
        <translation>

Le %1 actuel sera gardé dans %2.</translation>
    </message>
    <message>
        <source>&amp;Use Picture</source>
        <translation>&amp;Utiliser l&apos;image</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>shell::ImportSummary</name>
    <message>
        <source>Cancelled: no sheet was added.</source>
        <translation>Annulé : aucune planche n&apos;a été ajoutée.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n sheet(s) to %1.</source>
        <translation>
            <numerusform>%n planche ajoutée à %1.</numerusform>
            <numerusform>%n planches ajoutées à %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No sheet was added.</source>
        <translation>Aucune planche n&apos;a été ajoutée.</translation>
    </message>
    <message numerus="yes">
        <source>Replaced %n sheet(s); the old ones are kept in %1/%2.</source>
        <translation>
            <numerusform>%n planche remplacée ; l&apos;ancienne est gardée dans %1/%2.</numerusform>
            <numerusform>%n planches remplacées ; les anciennes sont gardées dans %1/%2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Kept %n sheet(s) that were already there.</source>
        <translation>
            <numerusform>%n planche déjà présente conservée.</numerusform>
            <numerusform>%n planches déjà présentes conservées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Refused %n file(s).</source>
        <translation>
            <numerusform>%n fichier refusé.</numerusform>
            <numerusform>%n fichiers refusés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left alone %n file(s) or folder(s) that give no sheet.</source>
        <translation>
            <numerusform>%n fichier ou dossier qui ne donne aucune planche laissé de côté.</numerusform>
            <numerusform>%n fichiers ou dossiers qui ne donnent aucune planche laissés de côté.</numerusform>
        </translation>
    </message>
    <message>
        <source>left alone: not named like a sheet</source>
        <translation>laissé de côté : pas nommé comme une planche</translation>
    </message>
    <message>
        <source>left alone: another file for %1, which is taken from %2</source>
        <translation>laissé de côté : un autre fichier pour %1, qui est pris dans %2</translation>
    </message>
    <message>
        <source>kept the %1 already there, which differs</source>
        <translation>le %1 déjà présent, qui diffère, a été conservé</translation>
    </message>
    <message>
        <source>left alone: a link, not followed</source>
        <translation>laissé de côté : un lien, non suivi</translation>
    </message>
    <message numerus="yes">
        <source>left alone: a folder more than %n levels down</source>
        <translation>
            <numerusform>laissé de côté : un dossier à plus de %n niveau de profondeur</numerusform>
            <numerusform>laissé de côté : un dossier à plus de %n niveaux de profondeur</numerusform>
        </translation>
    </message>
    <message>
        <source>left alone: the folder cannot be read</source>
        <translation>laissé de côté : le dossier ne peut pas être lu</translation>
    </message>
    <message>
        <source>holds no file named like a sheet</source>
        <translation>ne contient aucun fichier nommé comme une planche</translation>
    </message>
    <message numerus="yes">
        <source>and %n more file(s) not named like a sheet</source>
        <translation>
            <numerusform>et %n autre fichier qui n&apos;est pas nommé comme une planche</numerusform>
            <numerusform>et %n autres fichiers qui ne sont pas nommés comme une planche</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>shell::PictureBox</name>
    <message>
        <source>No picture sheet shown</source>
        <translation>Aucune planche affichée</translation>
    </message>
    <message>
        <source>Picture sheet %1</source>
        <translation>Planche %1</translation>
    </message>
</context>
<context>
    <name>shell::QtDialogs</name>
    <message>
        <source>Use Picture for %1</source>
        <translation>Utiliser une image pour %1</translation>
    </message>
    <message>
        <source>Pictures (%1);;All files (*)</source>
        <translation>Images (%1);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>shell::SheetActions</name>
    <message>
        <source>&amp;View Full Size</source>
        <translation>&amp;Afficher en taille réelle</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Copier l&apos;image</translation>
    </message>
    <message>
        <source>Copy File &amp;Path</source>
        <translation>Copier le c&amp;hemin du fichier</translation>
    </message>
    <message>
        <source>&amp;Open Containing Folder</source>
        <translation>&amp;Ouvrir le dossier parent</translation>
    </message>
    <message>
        <source>The folder %1 could not be opened: no program to show folders was found.</source>
        <translation>Le dossier %1 n&apos;a pas pu être ouvert : aucun programme pour afficher les dossiers n&apos;a été trouvé.</translation>
    </message>
</context>
<context>
    <name>shell::SheetImporter</name>
    <message>
        <source>Looking at the files…</source>
        <translation>Examen des fichiers…</translation>
    </message>
    <message numerus="yes">
        <source>Adding %n sheet(s)…</source>
        <translation>
            <numerusform>Ajout de %n planche…</numerusform>
            <numerusform>Ajout de %n planches…</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding Sheets</source>
        <translation>Ajout de planches</translation>
    </message>
    <message numerus="yes">
        <source>%n of these sheets are already in your sheet folder, different from the ones being added.

Replace them? The ones there now will be kept in %1.</source>
        <translation>
            <numerusform>%n de ces planches est déjà dans votre dossier des planches, différente de celle ajoutée.

La remplacer ? L&apos;actuelle sera gardée dans %1.</numerusform>
            <numerusform>%n de ces planches sont déjà dans votre dossier des planches, différentes de celles ajoutées.

Les remplacer ? Les actuelles seront gardées dans %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>&amp;Keep Them</source>
        <translation>&amp;Conserver</translation>
    </message>
</context>
<context>
    <name>shell::SheetReasons</name>
    <message>
        <source>The file is missing</source>
        <translation>Le fichier est manquant</translation>
    </message>
    <message>
        <source>The file is not a readable picture</source>
        <translation>Le fichier n&apos;est pas une image lisible</translation>
    </message>
    <message>
        <source>The picture is too large to show</source>
        <translation>L&apos;image est trop grande pour être affichée</translation>
    </message>
    <message>
        <source>No permission to read the file</source>
        <translation>Pas le droit de lire le fichier</translation>
    </message>
    <message>
        <source>It is a folder, pipe or device, not a file</source>
        <translation>C&apos;est un dossier, un tube ou un périphérique, pas un fichier</translation>
    </message>
</context>
<context>
    <name>shell::SheetSourceDialog</name>
    <message>
        <source>Add Sheets from Folders or Files</source>
        <translation>Ajouter des planches depuis des dossiers ou des fichiers</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
</context>
<context>
    <name>shell::SheetViewer</name>
    <message>
        <source>Picture sheet at full size</source>
        <translation>Planche en taille réelle</translation>
    </message>
    <message>
        <source>%1, %2 × %3 pixels</source>
        <translation>%1, %2 × %3 pixels</translation>
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
        <translation>impossible d&apos;afficher une fenêtre sur ce bureau Wayland : la plateforme Wayland de Qt n&apos;est pas installée (paquet Debian qt6-wayland) et aucun affichage X (DISPLAY) n&apos;est défini</translation>
    </message>
    <message>
        <source>cannot connect to a display; is DISPLAY or WAYLAND_DISPLAY set?</source>
        <translation>impossible de se connecter à un affichage ; DISPLAY ou WAYLAND_DISPLAY est-il défini ?</translation>
    </message>
</context>
<context>
    <name>shell::ZoomView</name>
    <message>
        <source>Ctrl+wheel, + and − zoom in and out; 1 shows 100 %, F fits the window.
Drag, the arrow keys or the scroll bars move the picture. Esc closes.</source>
        <translation>Ctrl+molette, + et − zooment et dézooment ; 1 affiche à 100 %, F ajuste à la fenêtre.
Faites glisser, utilisez les flèches ou les barres de défilement pour déplacer l&apos;image. Échap ferme.</translation>
    </message>
</context>
</TS>
