<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>sheets::SheetStore</name>
    <message>
        <source>not enough room on the disk</source>
        <translation>no hay espacio suficiente en el disco</translation>
    </message>
    <message>
        <source>the sheet folder is read-only</source>
        <translation>la carpeta de láminas es de solo lectura</translation>
    </message>
    <message>
        <source>no permission to write in the sheet folder</source>
        <translation>no hay permiso para escribir en la carpeta de láminas</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>The sheet folder %1 could not be made: %2</source>
        <translation>No se pudo crear la carpeta de láminas %1: %2</translation>
    </message>
    <message>
        <source>The sheet folder %1 cannot be opened: %2</source>
        <translation>No se puede abrir la carpeta de láminas %1: %2</translation>
    </message>
    <message>
        <source>%1 grew larger than a sheet may be</source>
        <translation>%1 ha crecido más de lo que puede ocupar una lámina</translation>
    </message>
    <message>
        <source>%1 is already in the sheet folder</source>
        <translation>%1 ya está en la carpeta de láminas</translation>
    </message>
    <message>
        <source>%1 in the sheet folder is not a file; it was left alone</source>
        <translation>%1 en la carpeta de láminas no es un archivo; se ha dejado como estaba</translation>
    </message>
</context>
<context>
    <name>shell::AddSheetsCommand</name>
    <message numerus="yes">
        <source>%n of them differ from the ones being added: --replace replaces them, and keeps the old ones in replaced/.</source>
        <translation>
            <numerusform>%n de ellas es distinta de la que se añade: --replace la reemplaza y guarda la antigua en replaced/.</numerusform>
            <numerusform>%n de ellas son distintas de las que se añaden: --replace las reemplaza y guarda las antiguas en replaced/.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>shell::CommandLine</name>
    <message>
        <source>Shows the picture sheet of a mission editor catalogue entry.</source>
        <translation>Muestra la lámina de imágenes de una entrada del catálogo del editor de misiones.</translation>
    </message>
    <message>
        <source>With --add-sheets: a folder or file to add from.</source>
        <translation>Con --add-sheets: una carpeta o un archivo desde el que añadir.</translation>
    </message>
    <message>
        <source>Also look for picture sheets in &lt;folder&gt;, after the current folder.</source>
        <translation>Buscar también láminas en &lt;carpeta&gt;, después de la carpeta actual.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>carpeta</translation>
    </message>
    <message>
        <source>Copy the picture sheets that each PATH holds (a folder, or sheet files) into your sheet folder, say what was done, and end without a window.</source>
        <translation>Copiar a su carpeta de láminas las láminas que contiene cada PATH (una carpeta o archivos de láminas), decir qué se ha hecho y terminar sin ventana.</translation>
    </message>
    <message>
        <source>With --add-sheets: replace sheets that are already there and differ; the old ones are kept in replaced/ in the sheet folder.</source>
        <translation>Con --add-sheets: reemplazar las láminas que ya están y son distintas; las antiguas se guardan en replaced/ dentro de la carpeta de láminas.</translation>
    </message>
    <message>
        <source>--add-sheets: name the folders or files to add from</source>
        <translation>--add-sheets: indique las carpetas o archivos desde los que añadir</translation>
    </message>
    <message>
        <source>--add-sheets: &apos;%1&apos; does not exist</source>
        <translation>--add-sheets: «%1» no existe</translation>
    </message>
    <message>
        <source>--replace goes with --add-sheets</source>
        <translation>--replace se usa con --add-sheets</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>--sheets: &apos;%1&apos; is not a folder</source>
        <translation>--sheets: «%1» no es una carpeta</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opción desconocida «%1».</translation>
    </message>
</context>
<context>
    <name>shell::FindPopup</name>
    <message>
        <source>Find an entry</source>
        <translation>Buscar una entrada</translation>
    </message>
    <message>
        <source>Find text</source>
        <translation>Texto a buscar</translation>
    </message>
    <message>
        <source>Find an entry in all lists</source>
        <translation>Buscar una entrada en todas las listas</translation>
    </message>
    <message>
        <source>Matching entries</source>
        <translation>Entradas coincidentes</translation>
    </message>
</context>
<context>
    <name>shell::Form1</name>
    <message>
        <source>No picture sheets were found. They go in %1.

To add yours, choose Add Sheets… (right-click the picture box) or drop a folder of sheets on the window. To give the chosen entry a picture, paste a screenshot on the picture box (click it, then Ctrl+V).</source>
        <translation>No se han encontrado láminas. Van en %1.

Para añadir las suyas, elija «Añadir láminas…» (clic derecho en el recuadro de la imagen) o suelte una carpeta de láminas en la ventana. Para dar una imagen a la entrada elegida, pegue una captura de pantalla en el recuadro de la imagen (haga clic en él y luego Ctrl+V).</translation>
    </message>
    <message>
        <source>Sheets are read without the sandbox: %1</source>
        <translation>Las láminas se leen sin el entorno aislado: %1</translation>
    </message>
    <message>
        <source>&amp;Gallery of All Entries</source>
        <translation>&amp;Galería de todas las entradas</translation>
    </message>
    <message>
        <source>The picture is kept as %1, but %2 is found first, so that one still shows.</source>
        <translation>La imagen se ha guardado como %1, pero %2 se encuentra antes, así que sigue mostrándose esa.</translation>
    </message>
</context>
<context>
    <name>shell::Gallery</name>
    <message>
        <source>No entry matches</source>
        <translation>Ninguna entrada coincide</translation>
    </message>
    <message>
        <source>Gallery — %1</source>
        <translation>Galería — %1</translation>
    </message>
    <message>
        <source>All entries</source>
        <translation>Todas las entradas</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Show the entries whose name contains…</source>
        <translation>Mostrar las entradas cuyo nombre contiene…</translation>
    </message>
    <message>
        <source>&amp;Add Sheets…</source>
        <translation>Añadir &amp;láminas…</translation>
    </message>
</context>
<context>
    <name>shell::GalleryModel</name>
    <message>
        <source>%1, being read</source>
        <translation>%1, leyéndose</translation>
    </message>
</context>
<context>
    <name>shell::ImportActions</name>
    <message>
        <source>A&amp;dd Sheets…</source>
        <translation>Añadir &amp;láminas…</translation>
    </message>
    <message>
        <source>P&amp;aste Picture</source>
        <translation>&amp;Pegar imagen</translation>
    </message>
    <message>
        <source>&amp;Use Picture for This Entry…</source>
        <translation>&amp;Usar una imagen para esta entrada…</translation>
    </message>
    <message>
        <source>. The sheet there stays as it was.</source>
        <translation>. La lámina que había se queda como estaba.</translation>
    </message>
    <message>
        <source>. Nothing was written.</source>
        <translation>. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>The picture could not be taken.</source>
        <translation>No se ha podido tomar la imagen.</translation>
    </message>
    <message>
        <source>Choose an entry first: the pasted picture becomes its sheet.</source>
        <translation>Elija primero una entrada: la imagen pegada se convierte en su lámina.</translation>
    </message>
    <message>
        <source>There is no picture to paste.</source>
        <translation>No hay ninguna imagen para pegar.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture.</source>
        <translation>%1 no se puede leer como imagen.</translation>
    </message>
    <message>
        <source>The pasted picture</source>
        <translation>La imagen pegada</translation>
    </message>
    <message>
        <source>%1 cannot be a sheet: %2.</source>
        <translation>%1 no puede ser una lámina: %2.</translation>
    </message>
    <message>
        <source>This picture is %1 already.</source>
        <translation>Esta imagen ya es %1.</translation>
    </message>
    <message>
        <source>Use this picture as %1?

This picture will be shown for:
%2</source>
        <translation>¿Usar esta imagen como %1?

Esta imagen se mostrará para:
%2</translation>
    </message>
    <message>
        <source>

The %1 there now will be kept in %2.</source>
        <translation>

El %1 actual se guardará en %2.</translation>
    </message>
    <message>
        <source>&amp;Use Picture</source>
        <translation>&amp;Usar imagen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>shell::ImportSummary</name>
    <message>
        <source>Cancelled: no sheet was added.</source>
        <translation>Cancelado: no se ha añadido ninguna lámina.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n sheet(s) to %1.</source>
        <translation>
            <numerusform>Se ha añadido %n lámina a %1.</numerusform>
            <numerusform>Se han añadido %n láminas a %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No sheet was added.</source>
        <translation>No se ha añadido ninguna lámina.</translation>
    </message>
    <message numerus="yes">
        <source>Replaced %n sheet(s); the old ones are kept in %1/%2.</source>
        <translation>
            <numerusform>Se ha reemplazado %n lámina; la antigua se guarda en %1/%2.</numerusform>
            <numerusform>Se han reemplazado %n láminas; las antiguas se guardan en %1/%2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Kept %n sheet(s) that were already there.</source>
        <translation>
            <numerusform>Se ha conservado %n lámina que ya estaba.</numerusform>
            <numerusform>Se han conservado %n láminas que ya estaban.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Refused %n file(s).</source>
        <translation>
            <numerusform>Se ha rechazado %n archivo.</numerusform>
            <numerusform>Se han rechazado %n archivos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left alone %n file(s) or folder(s) that give no sheet.</source>
        <translation>
            <numerusform>Se ha dejado de lado %n archivo o carpeta que no da ninguna lámina.</numerusform>
            <numerusform>Se han dejado de lado %n archivos o carpetas que no dan ninguna lámina.</numerusform>
        </translation>
    </message>
    <message>
        <source>left alone: not named like a sheet</source>
        <translation>dejado de lado: no se llama como una lámina</translation>
    </message>
    <message>
        <source>left alone: another file for %1, which is taken from %2</source>
        <translation>dejado de lado: otro archivo para %1, que se toma de %2</translation>
    </message>
    <message>
        <source>kept the %1 already there, which differs</source>
        <translation>se ha conservado el %1 que ya estaba, que es distinto</translation>
    </message>
    <message>
        <source>left alone: a link, not followed</source>
        <translation>dejado de lado: un enlace, no se sigue</translation>
    </message>
    <message numerus="yes">
        <source>left alone: a folder more than %n levels down</source>
        <translation>
            <numerusform>dejado de lado: una carpeta a más de %n nivel de profundidad</numerusform>
            <numerusform>dejado de lado: una carpeta a más de %n niveles de profundidad</numerusform>
        </translation>
    </message>
    <message>
        <source>left alone: the folder cannot be read</source>
        <translation>dejado de lado: no se puede leer la carpeta</translation>
    </message>
    <message>
        <source>holds no file named like a sheet</source>
        <translation>no contiene ningún archivo llamado como una lámina</translation>
    </message>
    <message numerus="yes">
        <source>and %n more file(s) not named like a sheet</source>
        <translation>
            <numerusform>y %n archivo más que no se llama como una lámina</numerusform>
            <numerusform>y %n archivos más que no se llaman como una lámina</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>shell::PictureBox</name>
    <message>
        <source>No picture sheet shown</source>
        <translation>No se muestra ninguna lámina</translation>
    </message>
    <message>
        <source>Picture sheet %1</source>
        <translation>Lámina %1</translation>
    </message>
</context>
<context>
    <name>shell::QtDialogs</name>
    <message>
        <source>Use Picture for %1</source>
        <translation>Usar una imagen para %1</translation>
    </message>
    <message>
        <source>Pictures (%1);;All files (*)</source>
        <translation>Imágenes (%1);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>shell::SheetActions</name>
    <message>
        <source>&amp;View Full Size</source>
        <translation>&amp;Ver a tamaño completo</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Copiar imagen</translation>
    </message>
    <message>
        <source>Copy File &amp;Path</source>
        <translation>Copiar &amp;ruta del archivo</translation>
    </message>
    <message>
        <source>&amp;Open Containing Folder</source>
        <translation>&amp;Abrir la carpeta contenedora</translation>
    </message>
    <message>
        <source>The folder %1 could not be opened: no program to show folders was found.</source>
        <translation>No se ha podido abrir la carpeta %1: no se ha encontrado ningún programa para mostrar carpetas.</translation>
    </message>
</context>
<context>
    <name>shell::SheetImporter</name>
    <message>
        <source>Looking at the files…</source>
        <translation>Examinando los archivos…</translation>
    </message>
    <message numerus="yes">
        <source>Adding %n sheet(s)…</source>
        <translation>
            <numerusform>Añadiendo %n lámina…</numerusform>
            <numerusform>Añadiendo %n láminas…</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding Sheets</source>
        <translation>Añadiendo láminas</translation>
    </message>
    <message numerus="yes">
        <source>%n of these sheets are already in your sheet folder, different from the ones being added.

Replace them? The ones there now will be kept in %1.</source>
        <translation>
            <numerusform>%n de estas láminas ya está en su carpeta de láminas y es distinta de la que se añade.

¿Reemplazarla? La actual se guardará en %1.</numerusform>
            <numerusform>%n de estas láminas ya están en su carpeta de láminas y son distintas de las que se añaden.

¿Reemplazarlas? Las actuales se guardarán en %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>&amp;Keep Them</source>
        <translation>&amp;Conservarlas</translation>
    </message>
</context>
<context>
    <name>shell::SheetReasons</name>
    <message>
        <source>The file is missing</source>
        <translation>Falta el archivo</translation>
    </message>
    <message>
        <source>The file is not a readable picture</source>
        <translation>El archivo no es una imagen legible</translation>
    </message>
    <message>
        <source>The picture is too large to show</source>
        <translation>La imagen es demasiado grande para mostrarla</translation>
    </message>
    <message>
        <source>No permission to read the file</source>
        <translation>No hay permiso para leer el archivo</translation>
    </message>
    <message>
        <source>It is a folder, pipe or device, not a file</source>
        <translation>Es una carpeta, una tubería o un dispositivo, no un archivo</translation>
    </message>
</context>
<context>
    <name>shell::SheetSourceDialog</name>
    <message>
        <source>Add Sheets from Folders or Files</source>
        <translation>Añadir láminas desde carpetas o archivos</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Aña&amp;dir</translation>
    </message>
</context>
<context>
    <name>shell::SheetViewer</name>
    <message>
        <source>Picture sheet at full size</source>
        <translation>Lámina a tamaño completo</translation>
    </message>
    <message>
        <source>%1, %2 × %3 pixels</source>
        <translation>%1, %2 × %3 píxeles</translation>
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
        <translation>no se puede mostrar una ventana en este escritorio Wayland: la plataforma Wayland de Qt no está instalada (paquete de Debian qt6-wayland) y no hay ninguna pantalla X (DISPLAY) definida</translation>
    </message>
    <message>
        <source>cannot connect to a display; is DISPLAY or WAYLAND_DISPLAY set?</source>
        <translation>no se puede conectar a una pantalla; ¿están definidas DISPLAY o WAYLAND_DISPLAY?</translation>
    </message>
</context>
<context>
    <name>shell::ZoomView</name>
    <message>
        <source>Ctrl+wheel, + and − zoom in and out; 1 shows 100 %, F fits the window.
Drag, the arrow keys or the scroll bars move the picture. Esc closes.</source>
        <translation>Ctrl+rueda, + y − acercan y alejan; 1 muestra al 100 %, F ajusta a la ventana.
Arrastrar, las teclas de flecha o las barras de desplazamiento mueven la imagen. Esc cierra.</translation>
    </message>
</context>
</TS>
