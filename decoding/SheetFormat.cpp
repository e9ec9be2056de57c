#include "SheetFormat.h"

#include <cctype>
#include <cstring>
#include <string_view>

namespace sheets {

QByteArray imageFormatOf(const QByteArray &head, const QByteArray &tail)
{
    auto startsWith = [&head](std::string_view magic) {
        return head.size() >= qsizetype(magic.size()) &&
               std::memcmp(head.constData(), magic.data(), magic.size()) == 0;
    };
    if (startsWith("\xFF\xD8\xFF"))
        return "jpeg";
    if (startsWith("\x89PNG\r\n\x1A\n"))
        return "png";
    if (startsWith("GIF87a") || startsWith("GIF89a"))
        return "gif";
    if (startsWith("RIFF") && head.size() >= 12 && head.mid(8, 4) == "WEBP")
        return "webp";
    if (startsWith(std::string_view("II*\0", 4)) || startsWith(std::string_view("MM\0*", 4)))
        return "tiff";
    if (startsWith("BM"))
        return "bmp";
    if (startsWith(std::string_view("\0\0\1\0", 4)))
        return "ico";
    if (startsWith("\x8AMNG\r\n\x1A\n"))
        return "mng";
    if (startsWith("icns"))
        return "icns";
    if (startsWith("/* XPM */"))
        return "xpm";
    if (head.size() >= 3 && head[0] == 'P' && head[1] >= '1' && head[1] <= '6' &&
        std::isspace(static_cast<unsigned char>(head[2]))) {
        static constexpr const char *kNetpbm[] = {"pbm", "pgm", "ppm"};
        return kNetpbm[(head[1] - '1') % 3];
    }
    if (startsWith("\x1F\x8B"))
        return "svgz"; // the only gzip-packed format Qt's plugins read
    if (head.trimmed().startsWith('<') && head.contains("<svg"))
        return "svg";
    // TGA has no signature at its start; version 2 files end with one.
    if (tail == QByteArrayView("TRUEVISION-XFILE.\0", 18))
        return "tga";
    return {};
}

} // namespace sheets
