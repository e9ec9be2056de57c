<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>sheets::SheetStore</name>
    <message>
        <source>not enough room on the disk</source>
        <translation>недостаточно места на диске</translation>
    </message>
    <message>
        <source>the sheet folder is read-only</source>
        <translation>папка листов доступна только для чтения</translation>
    </message>
    <message>
        <source>no permission to write in the sheet folder</source>
        <translation>нет прав на запись в папку листов</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>The sheet folder %1 could not be made: %2</source>
        <translation>Не удалось создать папку листов %1: %2</translation>
    </message>
    <message>
        <source>The sheet folder %1 cannot be opened: %2</source>
        <translation>Не удаётся открыть папку листов %1: %2</translation>
    </message>
    <message>
        <source>%1 grew larger than a sheet may be</source>
        <translation>%1 стал больше допустимого размера листа</translation>
    </message>
    <message>
        <source>%1 is already in the sheet folder</source>
        <translation>%1 уже есть в папке листов</translation>
    </message>
    <message>
        <source>%1 in the sheet folder is not a file; it was left alone</source>
        <translation>%1 в папке листов — не файл; он оставлен как есть</translation>
    </message>
</context>
<context>
    <name>shell::AddSheetsCommand</name>
    <message numerus="yes">
        <source>%n of them differ from the ones being added: --replace replaces them, and keeps the old ones in replaced/.</source>
        <translation>
            <numerusform>%n из них отличается от добавляемого: --replace заменяет его, а старый сохраняет в replaced/.</numerusform>
            <numerusform>%n из них отличаются от добавляемых: --replace заменяет их, а старые сохраняет в replaced/.</numerusform>
            <numerusform>%n из них отличаются от добавляемых: --replace заменяет их, а старые сохраняет в replaced/.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>shell::CommandLine</name>
    <message>
        <source>Shows the picture sheet of a mission editor catalogue entry.</source>
        <translation>Показывает лист с изображением элемента каталога редактора миссий.</translation>
    </message>
    <message>
        <source>With --add-sheets: a folder or file to add from.</source>
        <translation>С --add-sheets: папка или файл, откуда добавлять.</translation>
    </message>
    <message>
        <source>Also look for picture sheets in &lt;folder&gt;, after the current folder.</source>
        <translation>Искать листы также в папке &lt;папка&gt;, после текущей папки.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>папка</translation>
    </message>
    <message>
        <source>Copy the picture sheets that each PATH holds (a folder, or sheet files) into your sheet folder, say what was done, and end without a window.</source>
        <translation>Скопировать листы из каждого PATH (папки или файлов листов) в вашу папку листов, сообщить, что сделано, и завершиться без окна.</translation>
    </message>
    <message>
        <source>With --add-sheets: replace sheets that are already there and differ; the old ones are kept in replaced/ in the sheet folder.</source>
        <translation>С --add-sheets: заменять уже имеющиеся листы, если они отличаются; старые сохраняются в replaced/ в папке листов.</translation>
    </message>
    <message>
        <source>--add-sheets: name the folders or files to add from</source>
        <translation>--add-sheets: укажите папки или файлы, откуда добавлять</translation>
    </message>
    <message>
        <source>--add-sheets: &apos;%1&apos; does not exist</source>
        <translation>--add-sheets: «%1» не существует</translation>
    </message>
    <message>
        <source>--replace goes with --add-sheets</source>
        <translation>--replace используется вместе с --add-sheets</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>неожиданный аргумент «%1»</translation>
    </message>
    <message>
        <source>--sheets: &apos;%1&apos; is not a folder</source>
        <translation>--sheets: «%1» — не папка</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Неизвестный параметр «%1».</translation>
    </message>
</context>
<context>
    <name>shell::FindPopup</name>
    <message>
        <source>Find an entry</source>
        <translation>Поиск записи</translation>
    </message>
    <message>
        <source>Find text</source>
        <translation>Текст для поиска</translation>
    </message>
    <message>
        <source>Find an entry in all lists</source>
        <translation>Поиск записи во всех списках</translation>
    </message>
    <message>
        <source>Matching entries</source>
        <translation>Подходящие записи</translation>
    </message>
</context>
<context>
    <name>shell::Form1</name>
    <message>
        <source>No picture sheets were found. They go in %1.

To add yours, choose Add Sheets… (right-click the picture box) or drop a folder of sheets on the window. To give the chosen entry a picture, paste a screenshot on the picture box (click it, then Ctrl+V).</source>
        <translation>Листы с изображениями не найдены. Их место — %1.

Чтобы добавить свои, выберите «Добавить листы…» (правый щелчок по полю изображения) или перетащите папку с листами в окно. Чтобы задать выбранной записи изображение, вставьте снимок экрана в поле изображения (щёлкните по нему, затем Ctrl+V).</translation>
    </message>
    <message>
        <source>Sheets are read without the sandbox: %1</source>
        <translation>Листы читаются без песочницы: %1</translation>
    </message>
    <message>
        <source>&amp;Gallery of All Entries</source>
        <translation>&amp;Галерея всех записей</translation>
    </message>
    <message>
        <source>The picture is kept as %1, but %2 is found first, so that one still shows.</source>
        <translation>Изображение сохранено как %1, но первым находится %2, поэтому по-прежнему показывается он.</translation>
    </message>
</context>
<context>
    <name>shell::Gallery</name>
    <message>
        <source>No entry matches</source>
        <translation>Нет подходящих записей</translation>
    </message>
    <message>
        <source>Gallery — %1</source>
        <translation>Галерея — %1</translation>
    </message>
    <message>
        <source>All entries</source>
        <translation>Все записи</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>Show the entries whose name contains…</source>
        <translation>Показать записи, название которых содержит…</translation>
    </message>
    <message>
        <source>&amp;Add Sheets…</source>
        <translation>&amp;Добавить листы…</translation>
    </message>
</context>
<context>
    <name>shell::GalleryModel</name>
    <message>
        <source>%1, being read</source>
        <translation>%1, читается</translation>
    </message>
</context>
<context>
    <name>shell::ImportActions</name>
    <message>
        <source>A&amp;dd Sheets…</source>
        <translation>&amp;Добавить листы…</translation>
    </message>
    <message>
        <source>P&amp;aste Picture</source>
        <translation>&amp;Вставить изображение</translation>
    </message>
    <message>
        <source>&amp;Use Picture for This Entry…</source>
        <translation>&amp;Использовать изображение для этой записи…</translation>
    </message>
    <message>
        <source>. The sheet there stays as it was.</source>
        <translation>. Имеющийся лист остаётся как был.</translation>
    </message>
    <message>
        <source>. Nothing was written.</source>
        <translation>. Ничего не записано.</translation>
    </message>
    <message>
        <source>The picture could not be taken.</source>
        <translation>Не удалось взять изображение.</translation>
    </message>
    <message>
        <source>Choose an entry first: the pasted picture becomes its sheet.</source>
        <translation>Сначала выберите запись: вставленное изображение станет её листом.</translation>
    </message>
    <message>
        <source>There is no picture to paste.</source>
        <translation>Нет изображения для вставки.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a picture.</source>
        <translation>%1 не удаётся прочитать как изображение.</translation>
    </message>
    <message>
        <source>The pasted picture</source>
        <translation>Вставленное изображение</translation>
    </message>
    <message>
        <source>%1 cannot be a sheet: %2.</source>
        <translation>%1 не может быть листом: %2.</translation>
    </message>
    <message>
        <source>This picture is %1 already.</source>
        <translation>Это изображение уже является %1.</translation>
    </message>
    <message>
        <source>Use this picture as %1?

This picture will be shown for:
%2</source>
        <translation>Использовать это изображение как %1?

Оно будет показываться для:
%2</translation>
    </message>
    <message>
        <source>

The %1 there now will be kept in %2.</source>
        <translation>

Текущий %1 будет сохранён в %2.</translation>
    </message>
    <message>
        <source>&amp;Use Picture</source>
        <translation>&amp;Использовать</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
</context>
<context>
    <name>shell::ImportSummary</name>
    <message>
        <source>Cancelled: no sheet was added.</source>
        <translation>Отменено: ни один лист не добавлен.</translation>
    </message>
    <message numerus="yes">
        <source>Added %n sheet(s) to %1.</source>
        <translation>
            <numerusform>Добавлен %n лист в %1.</numerusform>
            <numerusform>Добавлено %n листа в %1.</numerusform>
            <numerusform>Добавлено %n листов в %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>No sheet was added.</source>
        <translation>Ни один лист не добавлен.</translation>
    </message>
    <message numerus="yes">
        <source>Replaced %n sheet(s); the old ones are kept in %1/%2.</source>
        <translation>
            <numerusform>Заменён %n лист; старый сохранён в %1/%2.</numerusform>
            <numerusform>Заменено %n листа; старые сохранены в %1/%2.</numerusform>
            <numerusform>Заменено %n листов; старые сохранены в %1/%2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Kept %n sheet(s) that were already there.</source>
        <translation>
            <numerusform>Оставлен %n уже имевшийся лист.</numerusform>
            <numerusform>Оставлено %n уже имевшихся листа.</numerusform>
            <numerusform>Оставлено %n уже имевшихся листов.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Refused %n file(s).</source>
        <translation>
            <numerusform>Отклонён %n файл.</numerusform>
            <numerusform>Отклонено %n файла.</numerusform>
            <numerusform>Отклонено %n файлов.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left alone %n file(s) or folder(s) that give no sheet.</source>
        <translation>
            <numerusform>Пропущен %n файл или папка без листов.</numerusform>
            <numerusform>Пропущено %n файла или папки без листов.</numerusform>
            <numerusform>Пропущено %n файлов или папок без листов.</numerusform>
        </translation>
    </message>
    <message>
        <source>left alone: not named like a sheet</source>
        <translation>пропущен: назван не как лист</translation>
    </message>
    <message>
        <source>left alone: another file for %1, which is taken from %2</source>
        <translation>пропущен: ещё один файл для %1, который берётся из %2</translation>
    </message>
    <message>
        <source>kept the %1 already there, which differs</source>
        <translation>оставлен уже имеющийся %1, который отличается</translation>
    </message>
    <message>
        <source>left alone: a link, not followed</source>
        <translation>пропущен: ссылка, по ней не переходят</translation>
    </message>
    <message numerus="yes">
        <source>left alone: a folder more than %n levels down</source>
        <translation>
            <numerusform>пропущена: папка глубже %n уровня</numerusform>
            <numerusform>пропущена: папка глубже %n уровней</numerusform>
            <numerusform>пропущена: папка глубже %n уровней</numerusform>
        </translation>
    </message>
    <message>
        <source>left alone: the folder cannot be read</source>
        <translation>пропущена: папку не удаётся прочитать</translation>
    </message>
    <message>
        <source>holds no file named like a sheet</source>
        <translation>не содержит файлов с именем листа</translation>
    </message>
    <message numerus="yes">
        <source>and %n more file(s) not named like a sheet</source>
        <translation>
            <numerusform>и ещё %n файл с именем не как у листа</numerusform>
            <numerusform>и ещё %n файла с именем не как у листа</numerusform>
            <numerusform>и ещё %n файлов с именем не как у листа</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>shell::PictureBox</name>
    <message>
        <source>No picture sheet shown</source>
        <translation>Лист не показан</translation>
    </message>
    <message>
        <source>Picture sheet %1</source>
        <translation>Лист %1</translation>
    </message>
</context>
<context>
    <name>shell::QtDialogs</name>
    <message>
        <source>Use Picture for %1</source>
        <translation>Изображение для %1</translation>
    </message>
    <message>
        <source>Pictures (%1);;All files (*)</source>
        <translation>Изображения (%1);;Все файлы (*)</translation>
    </message>
</context>
<context>
    <name>shell::SheetActions</name>
    <message>
        <source>&amp;View Full Size</source>
        <translation>Показать в полном &amp;размере</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Копировать изображение</translation>
    </message>
    <message>
        <source>Copy File &amp;Path</source>
        <translation>Копировать &amp;путь к файлу</translation>
    </message>
    <message>
        <source>&amp;Open Containing Folder</source>
        <translation>&amp;Открыть папку с файлом</translation>
    </message>
    <message>
        <source>The folder %1 could not be opened: no program to show folders was found.</source>
        <translation>Не удалось открыть папку %1: не найдена программа для просмотра папок.</translation>
    </message>
</context>
<context>
    <name>shell::SheetImporter</name>
    <message>
        <source>Looking at the files…</source>
        <translation>Просмотр файлов…</translation>
    </message>
    <message numerus="yes">
        <source>Adding %n sheet(s)…</source>
        <translation>
            <numerusform>Добавление %n листа…</numerusform>
            <numerusform>Добавление %n листов…</numerusform>
            <numerusform>Добавление %n листов…</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding Sheets</source>
        <translation>Добавление листов</translation>
    </message>
    <message numerus="yes">
        <source>%n of these sheets are already in your sheet folder, different from the ones being added.

Replace them? The ones there now will be kept in %1.</source>
        <translation>
            <numerusform>%n из этих листов уже есть в вашей папке листов и отличается от добавляемого.

Заменить? Текущий будет сохранён в %1.</numerusform>
            <numerusform>%n из этих листов уже есть в вашей папке листов и отличаются от добавляемых.

Заменить их? Текущие будут сохранены в %1.</numerusform>
            <numerusform>%n из этих листов уже есть в вашей папке листов и отличаются от добавляемых.

Заменить их? Текущие будут сохранены в %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Заменить</translation>
    </message>
    <message>
        <source>&amp;Keep Them</source>
        <translation>&amp;Оставить</translation>
    </message>
</context>
<context>
    <name>shell::SheetReasons</name>
    <message>
        <source>The file is missing</source>
        <translation>Файл отсутствует</translation>
    </message>
    <message>
        <source>The file is not a readable picture</source>
        <translation>Файл не является читаемым изображением</translation>
    </message>
    <message>
        <source>The picture is too large to show</source>
        <translation>Изображение слишком велико для показа</translation>
    </message>
    <message>
        <source>No permission to read the file</source>
        <translation>Нет прав на чтение файла</translation>
    </message>
    <message>
        <source>It is a folder, pipe or device, not a file</source>
        <translation>Это папка, канал или устройство, а не файл</translation>
    </message>
</context>
<context>
    <name>shell::SheetSourceDialog</name>
    <message>
        <source>Add Sheets from Folders or Files</source>
        <translation>Добавить листы из папок или файлов</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Добавить</translation>
    </message>
</context>
<context>
    <name>shell::SheetViewer</name>
    <message>
        <source>Picture sheet at full size</source>
        <translation>Лист в полном размере</translation>
    </message>
    <message>
        <source>%1, %2 × %3 pixels</source>
        <translation>%1, %2 × %3 пикселей</translation>
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
        <translation>невозможно показать окно на этом рабочем столе Wayland: платформа Wayland для Qt не установлена (пакет Debian qt6-wayland), а дисплей X (DISPLAY) не задан</translation>
    </message>
    <message>
        <source>cannot connect to a display; is DISPLAY or WAYLAND_DISPLAY set?</source>
        <translation>не удаётся подключиться к дисплею; задана ли переменная DISPLAY или WAYLAND_DISPLAY?</translation>
    </message>
</context>
<context>
    <name>shell::ZoomView</name>
    <message>
        <source>Ctrl+wheel, + and − zoom in and out; 1 shows 100 %, F fits the window.
Drag, the arrow keys or the scroll bars move the picture. Esc closes.</source>
        <translation>Ctrl+колесо, + и − увеличивают и уменьшают; 1 — 100 %, F — по размеру окна.
Перетаскивание, клавиши со стрелками или полосы прокрутки двигают изображение. Esc закрывает.</translation>
    </message>
</context>
</TS>
