#include "TerminalText.h"

#include "ImportSummary.h"

#include <algorithm>

namespace shell {

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

QByteArray terminalBytes(const QString &line)
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
    return bytes + line.sliced(run).toUtf8();
}

} // namespace shell
