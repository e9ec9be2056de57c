<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>sheets::SheetStore</name>
    <message>
        <source>not enough room on the disk</source>
        <translation>não há espaço suficiente no disco</translation>
    </message>
    <message>
        <source>the sheet folder is read-only</source>
        <translation>a pasta de pranchas é somente leitura</translation>
    </message>
    <message>
        <source>no permission to write in the sheet folder</source>
        <translation>sem permissão para gravar na pasta de pranchas</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>The sheet folder %1 could not be made: %2</source>
        <translation>Não foi possível criar a pasta de pranchas %1: %2</translation>
    </message>
    <message>
        <source>The sheet folder %1 cannot be opened: %2</source>
        <translation>Não é possível abrir a pasta de pranchas %1: %2</translation>
    </message>
    <message>
        <source>%1 grew larger than a sheet may be</source>
        <translation>%1 ficou maior do que uma prancha pode ser</translation>
    </message>
    <message>
        <source>%1 is already in the sheet folder</source>
        <translation>%1 já está na pasta de pranchas</translation>
    </message>
    <message>
        <source>%1 in the sheet folder is not a file; it was left alone</source>
        <translation>%1 na pasta de pranchas não é um arquivo; foi deixado como estava</translation>
    </message>
</context>
<context>
    <name>shell::AddSheetsCommand</name>
    <message numerus="yes">
        <source>%n of them differ from the ones being added: --replace replaces them, and keeps the old ones in replaced/.</source>
        <translation>
            <numerusform>%n delas é diferente da que está sendo adicionada: --replace a substitui e guarda a antiga em replaced/.</numerusform>
            <numerusform>%n delas são diferentes das que estão sendo adicionadas: --replace as substitui e guarda as antigas em replaced/.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>shell::CommandLine</name>
    <message>
        <source>Shows the picture sheet of a mission editor catalogue entry.</source>
        <translation>Mostra a prancha de imagens de um item do catálogo do editor de missões.</translation>
    </message>
    <message>
        <source>With --add-sheets: a folder or file to add from.</source>
        <translation>Com --add-sheets: uma pasta ou arquivo de onde adicionar.</translation>
    </message>
    <message>
        <source>Also look for picture sheets in &lt;folder&gt;, after the current folder.</source>
        <translation>Procurar pranchas também na pasta &lt;pasta&gt;, depois da pasta atual.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>pasta</translation>
    </message>
    <message>
        <source>Copy the picture sheets that each PATH holds (a folder, or sheet files) into your sheet folder, say what was done, and end without a window.</source>
        <translation>Copiar as pranchas que cada PATH contém (uma pasta ou arquivos de pranchas) para a sua pasta de pranchas, dizer o que foi feito e terminar sem janela.</translation>
    </message>
    <message>
        <source>With --add-sheets: replace sheets that are already there and differ; the old ones are kept in replaced/ in the sheet folder.</source>
        <translation>Com --add-sheets: substituir as pranchas que já existem e são diferentes; as antigas são guardadas em replaced/ na pasta de pranchas.</translation>
    </message>
    <message>
        <source>--add-sheets: name the folders or files to add from</source>
        <translation>--add-sheets: indique as pastas ou arquivos de onde adicionar</translation>
    </message>
    <message>
        <source>--add-sheets: &apos;%1&apos; does not exist</source>
        <translation>--add-sheets: &quot;%1&quot; não existe</translation>
    </message>
    <message>
        <source>--replace goes with --add-sheets</source>
        <translation>--replace é usado com --add-sheets</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--sheets: &apos;%1&apos; is not a folder</source>
        <translation>--sheets: &quot;%1&quot; não é uma pasta</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opção desconhecida &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>shell::FindPopup</name>
    <message>
        <source>Find an entry</source>
        <translation>Localizar um item</translation>
    </message>
    <message>
        <source>Find text</source>
        <translation>Texto a localizar</translation>
    </message>
    <message>
        <source>Find an entry in all lists</source>
        <translation>Localizar um item em todas as listas</translation>
    </message>
    <message>
        <source>Matching entries</source>
        <translation>Itens correspondentes</translation>
    </message>
</context>
<context>
    <name>shell::Form1</name>
    <message>
        <source>No picture sheets were found. They go in %1.

To add yours, choose Add Sheets… (right-click the picture box) or drop a folder of sheets on the window. To give the chosen entry a picture, paste a screenshot on the picture box (click it, then Ctrl+V).</source>
        <translation>Nenhuma prancha foi encontrada. Elas ficam em %1.

Para adicionar as suas, escolha &quot;Adicionar pranchas…&quot; (clique com o botão direito na área da imagem) ou solte uma pasta de pranchas na janela. Para dar uma imagem ao item escolhido, cole uma captura de tela na área da imagem (clique nela e depois Ctrl+V).</translation>
    </message>
    <message>
        <source>Sheets are read without the sandbox: %1</source>
        <translation>As pranchas são lidas sem a área restrita: %1</translation>
    </message>
    <message>
        <source>&amp;Gallery of All Entries</source>
        <translation>&amp;Galeria de todos os itens</translation>
    </message>
    <message>
        <source>The picture is kept as %1, but %2 is found first, so that one still shows.</source>
        <translation>A imagem foi guardada como %1, mas %2 é encontrada primeiro, por isso continua sendo mostrada.</translation>
    </message>
</context>
<context>
    <name>shell::Gallery</name>
    <message>
        <source>No entry matches</source>
        <translation>Nenhum item corresponde</translation>
    </message>
    <message>
        <source>Gallery — %1</source>
        <translation>Galeria — %1</translation>
    </message>
    <message>
        <source>All entries</source>
        <translation>Todos os itens</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Show the entries whose name contains…</source>
        <translation>Mostrar os itens cujo nome contém…</translation>
    </message>
    <message>
        <source>&amp;Add Sheets…</source>
        <translation>&amp;Adicionar pranchas…</translation>
    </message>
</context>
<context>
    <name>shell::GalleryModel</name>
    <message>
        <source>%1, being read</source>
        <translation>%1, sendo lida</translation>
    </message>
</context>
<context>
    <name>shell::ImportActions</name>
    <message>
        <source>A&amp;dd Sheets…</source>
        <translation>Adicionar &amp;pranchas…</translation>
    </message>
    <message>
        <source>P&amp;aste Picture</source>
        <translation>Co&amp;lar imagem</translation>
    </message>
    <message>
        <source>&amp;Use Picture for This Entry…</source>
        <translation>&amp;Usar imagem para este item…</translation>
    </message>
    <message>
        <source>. The sheet there stays as it was.</source>
        <translation>. A prancha que estava lá continua como era.</translation>
    </message>
    <message>
        <source>. Nothing was written.</source>
        <translation>. Nada foi gravado.</translation>
    </message>
    <message>
        <source>The picture could not be taken.</source>
        <translation>Não foi possível pegar a imagem.</translation>
    </message>
    <message>
        <source>Choose an entry first: the pasted picture becomes its sheet.</source>
        <translation>Escolha um item primeiro: a imagem colada vira a prancha dele.</translation>
    </message>
    <message>
        <source>There is no picture to paste.</source>
        <translation>Não há imagem para colar.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture.</source>
        <translation>%1 não pode ser lido como imagem.</translation>
    </message>
    <message>
        <source>The pasted picture</source>
        <translation>A imagem colada</translation>
    </message>
    <message>
        <source>%1 cannot be a sheet: %2.</source>
        <translation>%1 não pode ser uma prancha: %2.</translation>
    </message>
    <message>
        <source>This picture is %1 already.</source>
        <translation>Esta imagem já é %1.</translation>
    </message>
    <message>
        <source>Use this picture as %1?

This picture will be shown for:
%2</source>
        <translation>Usar esta imagem como %1?

Esta imagem será mostrada para:
%2</translation>
    </message>
    <message>
        <source>

The %1 there now will be kept in %2.</source>
        <translation>

O %1 atual será guardado em %2.</translation>
    </message>
    <message>
        <source>&amp;Use Picture</source>
        <translation>&amp;Usar imagem</translation>
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
        <translation>Cancelado: nenhuma prancha foi adicionada.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n sheet(s) to %1.</source>
        <translation>
            <numerusform>%n prancha adicionada a %1.</numerusform>
            <numerusform>%n pranchas adicionadas a %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No sheet was added.</source>
        <translation>Nenhuma prancha foi adicionada.</translation>
    </message>
    <message numerus="yes">
        <source>Replaced %n sheet(s); the old ones are kept in %1/%2.</source>
        <translation>
            <numerusform>%n prancha substituída; a antiga está guardada em %1/%2.</numerusform>
            <numerusform>%n pranchas substituídas; as antigas estão guardadas em %1/%2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Kept %n sheet(s) that were already there.</source>
        <translation>
            <numerusform>%n prancha que já existia foi mantida.</numerusform>
            <numerusform>%n pranchas que já existiam foram mantidas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Refused %n file(s).</source>
        <translation>
            <numerusform>%n arquivo recusado.</numerusform>
            <numerusform>%n arquivos recusados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left alone %n file(s) or folder(s) that give no sheet.</source>
        <translation>
            <numerusform>%n arquivo ou pasta que não dá prancha foi deixado de lado.</numerusform>
            <numerusform>%n arquivos ou pastas que não dão prancha foram deixados de lado.</numerusform>
        </translation>
    </message>
    <message>
        <source>left alone: not named like a sheet</source>
        <translation>deixado de lado: não tem nome de prancha</translation>
    </message>
    <message>
        <source>left alone: another file for %1, which is taken from %2</source>
        <translation>deixado de lado: outro arquivo para %1, que é tirado de %2</translation>
    </message>
    <message>
        <source>kept the %1 already there, which differs</source>
        <translation>mantido o %1 que já existia, que é diferente</translation>
    </message>
    <message>
        <source>left alone: a link, not followed</source>
        <translation>deixado de lado: um link, não seguido</translation>
    </message>
    <message numerus="yes">
        <source>left alone: a folder more than %n levels down</source>
        <translation>
            <numerusform>deixado de lado: uma pasta a mais de %n nível de profundidade</numerusform>
            <numerusform>deixado de lado: uma pasta a mais de %n níveis de profundidade</numerusform>
        </translation>
    </message>
    <message>
        <source>left alone: the folder cannot be read</source>
        <translation>deixado de lado: a pasta não pode ser lida</translation>
    </message>
    <message>
        <source>holds no file named like a sheet</source>
        <translation>não contém arquivo com nome de prancha</translation>
    </message>
    <message numerus="yes">
        <source>and %n more file(s) not named like a sheet</source>
        <translation>
            <numerusform>e mais %n arquivo sem nome de prancha</numerusform>
            <numerusform>e mais %n arquivos sem nome de prancha</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>shell::PictureBox</name>
    <message>
        <source>No picture sheet shown</source>
        <translation>Nenhuma prancha mostrada</translation>
    </message>
    <message>
        <source>Picture sheet %1</source>
        <translation>Prancha %1</translation>
    </message>
</context>
<context>
    <name>shell::QtDialogs</name>
    <message>
        <source>Use Picture for %1</source>
        <translation>Usar imagem para %1</translation>
    </message>
    <message>
        <source>Pictures (%1);;All files (*)</source>
        <translation>Imagens (%1);;Todos os arquivos (*)</translation>
    </message>
</context>
<context>
    <name>shell::SheetActions</name>
    <message>
        <source>&amp;View Full Size</source>
        <translation>&amp;Ver em tamanho real</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Copiar imagem</translation>
    </message>
    <message>
        <source>Copy File &amp;Path</source>
        <translation>Copiar ca&amp;minho do arquivo</translation>
    </message>
    <message>
        <source>&amp;Open Containing Folder</source>
        <translation>&amp;Abrir pasta do arquivo</translation>
    </message>
    <message>
        <source>The folder %1 could not be opened: no program to show folders was found.</source>
        <translation>Não foi possível abrir a pasta %1: nenhum programa para mostrar pastas foi encontrado.</translation>
    </message>
</context>
<context>
    <name>shell::SheetImporter</name>
    <message>
        <source>Looking at the files…</source>
        <translation>Examinando os arquivos…</translation>
    </message>
    <message numerus="yes">
        <source>Adding %n sheet(s)…</source>
        <translation>
            <numerusform>Adicionando %n prancha…</numerusform>
            <numerusform>Adicionando %n pranchas…</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding Sheets</source>
        <translation>Adicionando pranchas</translation>
    </message>
    <message numerus="yes">
        <source>%n of these sheets are already in your sheet folder, different from the ones being added.

Replace them? The ones there now will be kept in %1.</source>
        <translation>
            <numerusform>%n destas pranchas já está na sua pasta de pranchas, diferente da que está sendo adicionada.

Substituí-la? A atual será guardada em %1.</numerusform>
            <numerusform>%n destas pranchas já estão na sua pasta de pranchas, diferentes das que estão sendo adicionadas.

Substituí-las? As atuais serão guardadas em %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Substituir</translation>
    </message>
    <message>
        <source>&amp;Keep Them</source>
        <translation>&amp;Manter</translation>
    </message>
</context>
<context>
    <name>shell::SheetReasons</name>
    <message>
        <source>The file is missing</source>
        <translation>O arquivo está faltando</translation>
    </message>
    <message>
        <source>The file is not a readable picture</source>
        <translation>O arquivo não é uma imagem legível</translation>
    </message>
    <message>
        <source>The picture is too large to show</source>
        <translation>A imagem é grande demais para ser mostrada</translation>
    </message>
    <message>
        <source>No permission to read the file</source>
        <translation>Sem permissão para ler o arquivo</translation>
    </message>
    <message>
        <source>It is a folder, pipe or device, not a file</source>
        <translation>É uma pasta, um pipe ou um dispositivo, não um arquivo</translation>
    </message>
</context>
<context>
    <name>shell::SheetSourceDialog</name>
    <message>
        <source>Add Sheets from Folders or Files</source>
        <translation>Adicionar pranchas de pastas ou arquivos</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;dicionar</translation>
    </message>
</context>
<context>
    <name>shell::SheetViewer</name>
    <message>
        <source>Picture sheet at full size</source>
        <translation>Prancha em tamanho real</translation>
    </message>
    <message>
        <source>%1, %2 × %3 pixels</source>
        <translation>%1, %2 × %3 pixels</translation>
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
        <translation>não é possível mostrar uma janela neste ambiente Wayland: a plataforma Wayland do Qt não está instalada (pacote Debian qt6-wayland) e nenhuma tela X (DISPLAY) está definida</translation>
    </message>
    <message>
        <source>cannot connect to a display; is DISPLAY or WAYLAND_DISPLAY set?</source>
        <translation>não é possível conectar a uma tela; DISPLAY ou WAYLAND_DISPLAY está definido?</translation>
    </message>
</context>
<context>
    <name>shell::ZoomView</name>
    <message>
        <source>Ctrl+wheel, + and − zoom in and out; 1 shows 100 %, F fits the window.
Drag, the arrow keys or the scroll bars move the picture. Esc closes.</source>
        <translation>Ctrl+roda, + e − aproximam e afastam; 1 mostra 100%, F ajusta à janela.
Arrastar, as setas ou as barras de rolagem movem a imagem. Esc fecha.</translation>
    </message>
</context>
</TS>
