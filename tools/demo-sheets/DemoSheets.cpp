#include "DemoSheets.h"

#include "Catalogue.h"
#include "QtText.h"
#include "SheetFolders.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>

#include <array>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace demosheets {

using sheets::qs;

namespace {

struct Scheme {
    QColor top;
    QColor bottom;
    QColor text;
};

// One colour scheme per category, dark enough for white text to stand out.
// clang-format off
constexpr std::array<std::array<int, 9>, catalogue::kCategoryCount> kSchemes{{
    {140, 59,  42,   92,  36,  26,  255, 244, 232}, // Buildings: brick
    {46,  110, 58,   24,  66,  34,  238, 255, 236}, // Decorations: foliage
    {70,  88,  112,  38,  48,  64,  236, 242, 255}, // Objects: steel
    {104, 62,  128,  58,  32,  76,  250, 238, 255}, // People: violet
    {102, 104, 48,   60,  62,  26,  252, 252, 228}, // Vehicles: olive
    {42,  104, 168,  186, 92,  44,  255, 255, 255}, // Sky settings: day to dusk
    {128, 92,  52,   70,  50,  28,  255, 246, 230}, // Mission terrain: earth
}};
// clang-format on

Scheme schemeOf(int category)
{
    const auto &s = kSchemes[std::size_t(category - 1)];
    return {QColor(s[0], s[1], s[2]), QColor(s[3], s[4], s[5]), QColor(s[6], s[7], s[8])};
}

} // namespace

namespace {

QByteArray png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "png").write(image);
    return bytes;
}

// Writes `bytes` aside, then links them in under `target`: a file already there is never
// replaced. The file gets the usual mode (0644 under umask 022), not a temporary file's 0600,
// so that sheets an administrator writes into a shared folder can be read by everyone.
enum class Written { Yes, AlreadyThere, Failed };
Written writeNew(const std::string &folder, const std::string &target, const QByteArray &bytes)
{
    std::string temporary = folder + "/.demo-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return Written::Failed;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const bool written = ::fchmod(fd, 0666 & ~mask) == 0 &&
                         ::write(fd, bytes.constData(), std::size_t(bytes.size())) == bytes.size();
    ::close(fd);
    const int linked = written ? ::link(temporary.c_str(), target.c_str()) : -1;
    const int linkErrno = errno;
    ::unlink(temporary.c_str());
    if (linked == 0)
        return Written::Yes;
    return written && linkErrno == EEXIST ? Written::AlreadyThere : Written::Failed;
}

} // namespace

std::vector<SheetPlan> allSheets()
{
    std::vector<SheetPlan> sheets;
    for (const catalogue::Category &c : catalogue::kCategories) {
        for (const catalogue::Entry &e : c.entries) {
            auto it = std::find_if(sheets.begin(), sheets.end(),
                                   [&](const SheetPlan &s) { return s.name == e.sheet; });
            if (it == sheets.end())
                it = sheets.insert(sheets.end(), SheetPlan{e.sheet, c.number, {}});
            it->texts << qs(e.text);
        }
    }
    return sheets;
}

QImage drawSheet(const SheetPlan &sheet)
{
    const Scheme scheme = schemeOf(sheet.category);
    QImage image(kSheetWidth, kSheetHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient fill(0, 0, 0, kSheetHeight);
    fill.setColorAt(0.0, scheme.top);
    fill.setColorAt(0.25, scheme.top);
    fill.setColorAt(1.0, scheme.bottom);
    p.fillRect(image.rect(), fill);

    // A faint map grid, so the sheet reads as a placeholder rather than a real picture.
    p.setPen(QPen(QColor(255, 255, 255, 28), 2));
    for (int x = 0; x < kSheetWidth; x += 48)
        p.drawLine(x, 0, x, kSheetHeight);
    for (int y = 0; y < kSheetHeight; y += 48)
        p.drawLine(0, y, kSheetWidth, y);

    const int margin = 44;
    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(52);
    title.setBold(true);
    p.setFont(title);
    p.setPen(scheme.text);
    p.drawText(QRect(margin, 28, kSheetWidth - 2 * margin, 70), Qt::AlignLeft | Qt::AlignVCenter,
               qs(sheet.name));

    QFont caption(QStringLiteral("DejaVu Sans"));
    caption.setPixelSize(26);
    p.setFont(caption);
    p.setPen(QColor(scheme.text.red(), scheme.text.green(), scheme.text.blue(), 200));
    const catalogue::Category *category = catalogue::category(sheet.category);
    p.drawText(QRect(margin, 100, kSheetWidth - 2 * margin, 36), Qt::AlignLeft | Qt::AlignVCenter,
               qs(category->name) + QStringLiteral(" \u2014 demo sheet"));
    p.setPen(QPen(QColor(255, 255, 255, 120), 2));
    p.drawLine(margin, 148, kSheetWidth - margin, 148);

    // The entries, as large as the longest list allows.
    const int banner = 64;
    const QRect listArea(margin, 168, kSheetWidth - 2 * margin, kSheetHeight - 168 - banner - 24);
    const int lineHeight =
        std::min(58, listArea.height() / std::max<int>(1, int(sheet.texts.size())));
    QFont entry(QStringLiteral("DejaVu Sans"));
    entry.setPixelSize(std::max(18, lineHeight * 62 / 100));
    while (entry.pixelSize() > 18) {
        bool fits = true;
        for (const QString &text : sheet.texts)
            fits = fits && QFontMetrics(entry).horizontalAdvance(text) + 40 <= listArea.width();
        if (fits)
            break;
        entry.setPixelSize(entry.pixelSize() - 1);
    }
    p.setFont(entry);
    p.setPen(scheme.text);
    int y = listArea.top();
    for (const QString &text : sheet.texts) {
        p.setBrush(scheme.text);
        p.drawEllipse(QPointF(listArea.left() + 10, y + lineHeight / 2.0), 6, 6);
        p.drawText(QRect(listArea.left() + 32, y, listArea.width() - 32, lineHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, text);
        y += lineHeight;
    }

    // Said plainly, so a demo is never taken for the game's own picture.
    p.fillRect(QRect(0, kSheetHeight - banner, kSheetWidth, banner), QColor(0, 0, 0, 150));
    title.setPixelSize(34);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(0, kSheetHeight - banner, kSheetWidth, banner), Qt::AlignCenter,
               QStringLiteral("DEMO \u2014 not the game\u2019s picture"));
    return image;
}

FillResult fillFolder(const std::string &folder)
{
    FillResult result;
    if (!sheets::makeFolders(folder)) {
        // Said of the path itself: what stands in the way, not only the system's word.
        result.error = errno == ENOTDIR || errno == EEXIST
                           ? QStringLiteral("it is a file, or lies under one, not a folder")
                           : QStringLiteral("cannot make the folder: ") + qt_error_string(errno);
        return result;
    }
    for (const SheetPlan &sheet : allSheets()) {
        switch (writeNew(folder, folder + "/" + std::string(sheet.name), png(drawSheet(sheet)))) {
        case Written::Yes:
            ++result.written;
            break;
        case Written::AlreadyThere:
            ++result.kept;
            break;
        case Written::Failed:
            result.error = qs(sheet.name) + QStringLiteral(": ") + qt_error_string(errno);
            return result;
        }
    }
    return result;
}

} // namespace demosheets
