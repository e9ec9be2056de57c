#include "AddSheetsCommand.h"

#include "Catalogue.h"
#include "CommandLine.h"
#include "ImportSummary.h"
#include "SheetFolders.h"
#include "SheetImport.h"
#include "SheetLoader.h"
#include "Startup.h"
#include "WindowDescription.h"

#include <algorithm>
#include <cstdio>

namespace shell {

namespace {

// Paths are printed as the bytes they are. Valid UTF-8 is read as text; any other byte is kept
// aside as a lone surrogate, U+DC80 to U+DCFF, which print() writes back as that byte. The words
// around them are written as UTF-8, whatever their language.
QString bytePath(const std::string &path)
{
    QString text;
    for (std::size_t i = 0; i < path.size();) {
        const auto lead = static_cast<unsigned char>(path[i]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x06 ? 2
                                   : (lead >> 4) == 0x0e ? 3
                                   : (lead >> 3) == 0x1e ? 4
                                                         : 0;
        const QByteArrayView piece(path.data() + i, qsizetype(std::min(length, path.size() - i)));
        if (length > 0 && piece.size() == qsizetype(length) && piece.isValidUtf8()) {
            text += QString::fromUtf8(piece);
            i += length;
        } else {
            text += QChar(char16_t(0xdc00 + lead));
            ++i;
        }
    }
    return escapeControls(text);
}

void print(const QString &line)
{
    QByteArray bytes;
    qsizetype run = 0; // where the text not yet written starts
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char16_t c = line[i].unicode();
        if (c < 0xdc80 || c > 0xdcff || (i > 0 && line[i - 1].isHighSurrogate()))
            continue;
        bytes += line.sliced(run, i - run).toUtf8();
        bytes += char(c - 0xdc00);
        run = i + 1;
    }
    bytes += line.sliced(run).toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
}

} // namespace

int addSheetsCommand(const CommandLine &commandLine)
{
    const sheets::SheetStore store(sheets::sheetPlaces(commandLine.sheetsFolder).userFolder);
    const sheets::SheetNames names(catalogue::kSheets);
    const QSize box(kPictureBox.pixelWidth(), kPictureBox.pixelHeight());
    // Every file is decoded by the helpers, as a choice would show it, before it is taken.
    const sheets::SheetLoader loader(sheets::SheetLocator(), decodeService());
    sheets::ImportPlan plan =
        sheets::planImport(commandLine.addSheetsFrom, names, store, loader, box);
    const int conflicts = plan.conflicts();
    const sheets::ImportResult result =
        sheets::runImport(std::move(plan), store, commandLine.replace);

    for (const QString &line : importSummary(result, store.folder(), bytePath))
        print(line);
    if (conflicts > 0 && !commandLine.replace)
        print(QStringLiteral("%1 of them differ from the ones being added: --replace replaces "
                             "them, and keeps the old ones in replaced/.")
                  .arg(conflicts));
    for (const QString &line : detailLines(result, bytePath))
        print(QStringLiteral("  ") + line);
    // Every path gave a sheet that is now there exactly when nothing was refused or left alone:
    // a path that gave none is left alone itself, or its files are.
    return result.refused.empty() && result.leftAlone.empty() && !result.cancelled ? 0 : 1;
}

} // namespace shell
