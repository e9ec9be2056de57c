#include "SheetFiles.h"

#include "Catalogue.h"
#include "SheetCache.h"
#include "SheetDecode.h"
#include "SheetFolders.h"
#include "SheetImport.h"
#include "SheetLoader.h"
#include "SheetProbe.h"
#include "ThumbnailCache.h"

#include <QDir>
#include <QDirIterator>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <ctime>
#include <fstream>
#include <thread>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace sheets;
using namespace testing_support;

namespace {

const QSize kBox(393, 305);

// The error a load ended in, as a table can hold it beside a path.
QString errorOf(SheetError error)
{
    return QStringLiteral("error %1").arg(int(error));
}
const QString kMissing = errorOf(SheetError::Missing);

// The processor time this thread has used: what a load costs, whatever else the machine does.
double processorSeconds()
{
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + now.tv_nsec / 1e9;
}

// The processor time of the helpers that have ended.
double endedHelpersSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The decode service as the program has it, with helpers of the given program and memory.
std::shared_ptr<DecodeService> service(std::string program = PROPSCOPE_DECODER,
                                       int memoryMiB = kHelperMemoryMiB)
{
    DecodeServiceOptions options;
    options.helper.program = std::move(program);
    options.helper.memoryMiB = memoryMiB;
    options.backgroundHelpers = 2;
    return std::make_shared<DecodeService>(std::move(options));
}

// Three sheet folders a, b and c under one temporary root.
class SheetsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char *f : {"a", "b", "c"})
            ASSERT_TRUE(QDir(root.path()).mkdir(f));
    }
    QString path(const QString &relative) const { return root.filePath(relative); }
    // Reading through the decoding helpers, as the program does.
    SheetLoader loader() const
    {
        return SheetLoader(SheetLocator({path("a").toStdString(), path("b").toStdString(),
                                         path("c").toStdString()}),
                           decoders);
    }
    // "a/x.qpk" a small red PNG, "a/x.qpk/" a folder, "a/x.qpk|" a FIFO, "a/x.qpk->target" a link.
    void make(const QString &file) const
    {
        if (file.endsWith('/'))
            ASSERT_TRUE(QDir().mkpath(path(file)));
        else if (file.endsWith('|'))
            ASSERT_EQ(::mkfifo(QFile::encodeName(path(file.chopped(1))), 0644), 0);
        else if (file.contains("->"))
            ASSERT_TRUE(QFile::link(file.section("->", 1), path(file.section("->", 0, 0))));
        else
            ASSERT_TRUE(QDir().mkpath(QFileInfo(path(file)).path()) &&
                        writeBytes(path(file), encoded(Qt::red, "png")));
    }
    // Where `name` was found, relative to the root, or why it was not; each within a second of
    // processor time.
    QString find(const std::string &name) const
    {
        const double start = processorSeconds();
        const DecodeResult s = loader().load(name, DecodeRequest::box(kBox));
        EXPECT_LT(processorSeconds() - start, 1.0) << name;
        if (s.error != SheetError::None)
            return errorOf(s.error);
        return QDir(root.path()).relativeFilePath(QFile::decodeName(s.path.c_str()));
    }

    QTemporaryDir root;
    std::shared_ptr<DecodeService> decoders = service();
};

} // namespace

TEST_F(SheetsTest, FindsTheSheetByItsBareName)
{
    const QString lower = "abcdefghijklmnopqrstuvwxyz.qpk";
    struct Case {
        QStringList files;
        QString wanted;
        QString found;
    };
    const Case cases[] = {
        {{"c/ghost.qpk", "b/ghost.qpk"}, "ghost.qpk", "b/ghost.qpk"}, // the first folder wins
        {{"a/day1.qpk", "a/Day1.qpk"}, "Day1.qpk", "a/Day1.qpk"},     // the exact name wins
        {{"a/day1.qpk", "b/Day1.qpk"}, "Day1.qpk", "a/day1.qpk"},     // folder order comes first
        {{"a/dAY1.qpk", "a/DAY1.QPK", "a/Day1.QPK"}, "Day1.qpk", "a/DAY1.QPK"}, // byte order
        {{"b/" + lower.toUpper()}, lower, "b/" + lower.toUpper()}, // every letter, both ways
        {{"b/" + lower}, lower.toUpper(), "b/" + lower},
        {{"a/Day1@.qpk", "a/Day1.qpk.bak", "a/Day11.qpk"}, "Day1`.qpk", kMissing},
        {{"a/sub/x.qpk", "a/secret.qpk"}, "sub/x.qpk", kMissing}, // a name is never a path
        {{"a/secret.qpk"}, "../a/secret.qpk", kMissing},
        {{"a/ghost.qpk->nowhere", "c/ghost.qpk"}, "ghost.qpk", "c/ghost.qpk"},
        {{"a/ghost.qpk->nowhere", "a/GHOST.qpk"}, "ghost.qpk", "a/GHOST.qpk"}, // not hidden
        {{"a/d1.qpk/", "a/D1.qpk", "b/d1.qpk"}, "d1.qpk", "a/D1.qpk"},
        {{"a/d1.qpk|"},
         "d1.qpk",
         errorOf(SheetError::NotAFile)}, // opened without waiting for a writer
        {{"a/d1.qpk->/dev/zero"}, "d1.qpk", errorOf(SheetError::NotAFile)},
        {{"a/d1.qpk/"}, "d1.qpk", errorOf(SheetError::NotAFile)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.files.join(' ').toStdString());
        for (const char *f : {"a", "b", "c"}) {
            QDir(path(f)).removeRecursively();
            QDir(root.path()).mkdir(f);
        }
        for (const QString &file : c.files)
            make(file);
        EXPECT_EQ(find(c.wanted.toStdString()), c.found);
    }
}

// Every file either shows, decoded straight to the requested size, or is refused with its
// reason, within a second of processor time; and the next sheet still loads.
TEST_F(SheetsTest, ShowsWhatItCanAndRefusesTheRest)
{
    QByteArray noise(64 * 1024, Qt::Uninitialized);
    QRandomGenerator(3).fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
    const QByteArray photo = encoded(Qt::green, "jpeg", QSize(800, 600));
    QByteArray tga(18, '\0'); // only its footer says what it is
    tga[2] = 2, tga[12] = 2, tga[14] = 2, tga[16] = 24, tga[17] = 0x20;
    tga += QByteArray(4, '\x7F').repeated(3) + QByteArray(8, '\0') + "TRUEVISION-XFILE.";
    tga += '\0';
    const QString svg = "<svg xmlns='http://www.w3.org/2000/svg' width='%1' height='%1' "
                        "viewBox='0 0 4 4'><rect width='4' height='4' fill='red'/>%2</svg>";
    struct Case {
        const char *what;
        QByteArray bytes;
        QColor shows; // invalid: refused
        SheetError error;
        QSize size = kBox;
    };
    const Case cases[] = {
        {"PNG", encoded(Qt::red, "png"), Qt::red, SheetError::None},
        {"JPEG for a dense screen", photo, Qt::green, SheetError::None, kBox * 2},
        {"BMP", encoded(Qt::yellow, "bmp"), Qt::yellow, SheetError::None},
        {"TIFF", encoded(Qt::cyan, "tiff"), Qt::cyan, SheetError::None},
        {"WebP", encoded(Qt::magenta, "webp"), Qt::magenta, SheetError::None},
        {"TGA", tga, QColor(0x7F, 0x7F, 0x7F), SheetError::None},
        {"JPEG of 20000 x 15000, read at 1/8", flatJpeg(20000, 15000), QColor(128, 128, 128),
         SheetError::None},
        {"empty file", {}, {}, SheetError::NotAPicture},
        {"random bytes", noise, {}, SheetError::NotAPicture},
        {"JPEG cut short in its header", photo.left(200), {}, SheetError::NotAPicture},
        {"SVG declaring 100000 x 100000", svg.arg(100000).arg("").toUtf8(), Qt::red,
         SheetError::None},
        {"packed SVG", gzip(svg.arg(40).arg("").toUtf8()), Qt::red, SheetError::None},
    };
    ASSERT_TRUE(writeBytes(path("a/good.qpk"), encoded(Qt::blue, "png")));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(writeBytes(path("a/s.qpk"), c.bytes));
        const double start = processorSeconds();
        const DecodeResult s = loader().load("s.qpk", DecodeRequest::box(c.size));
        EXPECT_LT(processorSeconds() - start, 1.0);
        EXPECT_EQ(int(s.error), int(c.error)) << s.detail.toStdString();
        if (c.shows.isValid()) {
            ASSERT_EQ(s.image.size(), shownInBox(s.fullSize, c.size));
            const QColor centre = s.image.pixelColor(s.image.rect().center());
            EXPECT_LT(qAbs(centre.red() - c.shows.red()) + qAbs(centre.blue() - c.shows.blue()), 16)
                << centre.name().toStdString();
        }
        EXPECT_FALSE(loader().load("good.qpk", DecodeRequest::box(kBox)).image.isNull());
    }
}

// Every limit, pinned by a file just within it, which passes the look at its headers, and one
// just past it, which is refused as too large; and the drawings made to get past them.
TEST_F(SheetsTest, EachLimitHoldsWhereItIs)
{
    const QByteArray scan("\xFF\xDA\x00\x08\x01\x01\x00\x01\x3F\x00\x00\x00", 12);
    const QString svg = "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/"
                        "1999/xlink' width='4' height='4'>%1</svg>";
    const QString rect = "<rect width='1' height='1'/>";
    auto nested = [&](int depth) {
        return QString("<g>").repeated(depth) + rect + QString("</g>").repeated(depth);
    };
    auto padded = [&](qsizetype bytes) {
        const QByteArray head = svg.arg(rect + "<!--").toUtf8().replace("</svg>", "");
        return head + QByteArray(bytes - head.size() - 9, ' ') + "--></svg>";
    };
    auto gifScreen = [](int width, int height) { // drawn on a screen this large, one pixel set
        QByteArray gif("GIF89a");
        for (int v : {width, height})
            gif.append(char(v)).append(char(v >> 8));
        return gif +
               QByteArray("\x80\0\0\0\0\0\xFF\xFF\xFF,\0\0\0\0\x01\0\x01\0\0\x02\x02\x44\x01\0;",
                          25);
    };
    QString bomb = "<g id='g0'>" + rect + "</g>";
    for (int i = 1; i <= 16; ++i) // each level draws the one below twice
        bomb += QString("<g id='g%1'><use xlink:href='#g%2'/><use xlink:href='#g%2'/></g>")
                    .arg(i)
                    .arg(i - 1);
    const std::tuple<const char *, QByteArray, qint64, QSize> cases[] = {
        // what; the file; its size on disk, made up with a hole where it is larger; the size
        // asked for
        {"30 megapixels", bmpHeaderOnly(5477, 5477), 0, kBox},
        {"30 megapixels", bmpHeaderOnly(5478, 5477), 0, kBox},
        {"64 MiB of JPEG", flatJpeg(64, 48), 64 << 20, kBox},
        {"64 MiB of JPEG", flatJpeg(64, 48), (64 << 20) + 1, kBox},
        {"100 scans", flatJpeg(64, 48, true) + scan.repeated(99), 0, kBox},
        {"100 scans", flatJpeg(64, 48, true) + scan.repeated(100), 0, kBox},
        {"12 M scan blocks", flatJpeg(4000, 3000, true) + scan.repeated(61), 0, kBox},
        {"12 M scan blocks", flatJpeg(20456, 2888, true) + scan.repeated(10), 0, kBox}, // + 1
        {"512 MiB of coefficients", flatJpeg(9464, 9448, true), 0, kBox},
        {"512 MiB of coefficients", flatJpeg(9472, 9448, true), 0, kBox},
        {"512 MiB asked for", encoded(Qt::red, "png", {40, 40}), 0, QSize(11585, 11585)},
        {"512 MiB asked for", encoded(Qt::red, "png", {40, 40}), 0, QSize(11586, 11585)},
        {"16 MiB of SVG", padded(16 << 20), 0, kBox},
        {"16 MiB of SVG", padded((16 << 20) + 1), 0, kBox},
        {"10000 shapes", svg.arg(rect.repeated(9999)).toUtf8(), 0, kBox},
        {"10000 shapes", svg.arg(rect.repeated(10000)).toUtf8(), 0, kBox},
        {"256 deep", svg.arg(nested(255)).toUtf8(), 0, kBox},
        {"256 deep", svg.arg(nested(256)).toUtf8(), 0, kBox},
        {"30 megapixels of GIF screen", gifScreen(5477, 5477), 0, kBox},
        {"30 megapixels of GIF screen", gifScreen(5478, 5477), 0, kBox},
        {"a <use> bomb", svg.arg(bomb).toUtf8(), 0, kBox},
        {"a <use> of itself", svg.arg("<g id='a'><use xlink:href='#a'/></g>").toUtf8(), 0, kBox},
        {"a gzip bomb", gzip(padded(17 << 20)), 0, kBox},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto &[what, bytes, size, asked] = cases[i];
        SCOPED_TRACE(std::string(what) + (i % 2 || i > 19 ? ", past it" : ", within it"));
        ASSERT_TRUE(writeBytes(path("a/s.qpk"), bytes));
        ASSERT_TRUE(size == 0 || ::truncate(QFile::encodeName(path("a/s.qpk")), size) == 0);
        SheetFile file{FileDescriptor(::open(QFile::encodeName(path("a/s.qpk")), O_RDONLY))};
        const SheetProbe check(file, DecodeRequest::box(asked));
        EXPECT_EQ(int(check.error()),
                  int(i % 2 || i > 19 ? SheetError::TooLarge : SheetError::None))
            << check.detail().toStdString();
    }
}

// Adding sheets from a folder "a" to the user's folder "b": what each file becomes, what "b"
// holds afterwards (files written aside included), and that nothing is half written or lost.
// The words "replace", "cancel", "gone" (the files, once looked at) and "full" (the disk) in a
// case's name say how it is added.
TEST_F(SheetsTest, AddingSheetsLosesNothing)
{
    const std::tuple<QString, QStringList, const char *, QString> cases[] = {
        // what; "a/..." to add and "b/..." already there, with their colour, "->" a link; added,
        // kept, replaced, refused, what was left alone and why; what "b" holds afterwards
        {"odd case, no sheet, no picture",
         {"a/GHOST.QPK=red", "a/readme.txt", "a/house.qpk"},
         "1 0 0 1 /readme.txt:name",
         "ghost.qpk=red"},
        {"the exact spelling first",
         {"a/ghost.qpk=red", "a/Ghost.qpk=blue"},
         "1 0 0 0 /Ghost.qpk:same",
         "ghost.qpk=red"},
        {"subfolders, three levels down, and no links",
         {"a/sub/GHOST.qpk=blue", "a/ghost.qpk=red", "a/1/2/3/Radar.qpk=red",
          "a/1/2/3/4/house.qpk=red", "a/link->1", "c/armory.qpk=blue",
          "a/armory.qpk->../c/armory.qpk"},
         "2 0 0 0 /armory.qpk:link /link:link /1/2/3/4:deep /sub/GHOST.qpk:same",
         "ghost.qpk=red radar.qpk=red"},
        {"no sheet at all", {"a/sub/readme.txt"}, "0 0 0 0 /sub/readme.txt:name :empty", ""},
        {"replace: the same there",
         {"a/ghost.qpk=red", "b/ghost.qpk=red"},
         "0 1 0 0 ",
         "ghost.qpk=red"},
        {"another there",
         {"a/ghost.qpk=red", "b/ghost.qpk=blue"},
         "0 1 0 0 /ghost.qpk:differs",
         "ghost.qpk=blue"},
        {"replace: another appears meanwhile", // the yes was for none
         {"a/ghost.qpk=red"},
         "0 0 0 1 ",
         "ghost.qpk=blue"},
        {"replace another there",
         {"a/ghost.qpk=red", "b/ghost.qpk=blue"},
         "0 0 1 0 ",
         "ghost.qpk=red replaced/ghost-DATE.qpk=blue"},
        {"cancel",
         {"a/ghost.qpk=red", "a/house.qpk=blue", "b/armory.qpk=blue", "b/ghost.qpk=blue"},
         "0 0 0 0  cancelled",
         "armory.qpk=blue ghost.qpk=blue"},
        {"replace on a full disk",
         {"a/ghost.qpk=red", "a/house.qpk=red", "b/ghost.qpk=blue"},
         "0 0 0 2 ",
         "ghost.qpk=blue"},
        {"gone", {"a/ghost.qpk=red"}, "1 0 0 0 ", "ghost.qpk=red"},
    };
    const char *const why[] = {"name", "same", "differs", "link", "deep", "unreadable", "empty"};
    auto holds = [this] {
        QStringList found;
        QDirIterator it(path("b"), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QImage image(it.next());
            found << QDir(path("b"))
                             .relativeFilePath(it.filePath())
                             .replace(QRegularExpression("-\\d{4}-\\d\\d-\\d\\d-\\d{6}"), "-DATE") +
                         (image.isNull()                         ? "=?"
                          : image.pixel(0, 0) == qRgb(255, 0, 0) ? "=red"
                                                                 : "=blue");
        }
        found.sort();
        return found.join(' ').toStdString();
    };
    const SheetStore store(path("b").toStdString());
    const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY}, full{64, RLIM_INFINITY};
    std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails with EFBIG instead
    for (const auto &[what, files, outcome, holding] : cases) {
        SCOPED_TRACE(what.toStdString());
        for (const char *f : {"a", "b"}) {
            QDir(path(f)).removeRecursively();
            QDir(root.path()).mkdir(f);
        }
        for (const QString &file : files)
            ASSERT_TRUE(file.contains("->")
                            ? QFile::link(file.section("->", 1), path(file.section("->", 0, 0)))
                            : QDir().mkpath(QFileInfo(path(file)).path()) &&
                                  writeBytes(path(file.section('=', 0, 0)),
                                             file.endsWith("=red")    ? encoded(Qt::red, "png")
                                             : file.endsWith("=blue") ? encoded(Qt::blue, "png")
                                                                      : "text"));
        ImportPlan plan = planImport({path("a").toStdString()}, SheetNames(catalogue::kSheets),
                                     store, loader(), kBox);
        if (what.contains("gone"))
            QDir(path("a")).removeRecursively();
        if (what.contains("appears")) {
            ASSERT_TRUE(writeBytes(path("b/ghost.qpk"), encoded(Qt::blue, "png")));
        }
        std::atomic_bool cancelled = false;
        const ImportProgress progress{
            [&](int done, int) { cancelled = what.contains("cancel") && done > 0; }, &cancelled};
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, what.contains("full") ? &full : &unlimited), 0);
        const ImportResult r =
            runImport(std::move(plan), store, what.contains("replace"), progress);
        ::setrlimit(RLIMIT_FSIZE, &unlimited);
        QString refused;
        for (const ImportRefusal &refusal : r.refused)
            refused += refusal.detail + '\n';
        QStringList leftAlone;
        for (const ImportLeftAlone &l : r.leftAlone)
            leftAlone << QString::fromStdString(l.source).mid(path("a").size()) + ':' +
                             why[int(l.why)];
        EXPECT_EQ(QString::asprintf("%d %d %d %d %s%s", r.added, r.kept, r.replaced,
                                    int(r.refused.size()), qPrintable(leftAlone.join(' ')),
                                    r.cancelled ? " cancelled" : ""),
                  outcome)
            << refused.toStdString();
        EXPECT_EQ(holds(), holding.toStdString());
        EXPECT_EQ(refused.contains("not enough room on the disk"), what.contains("full"));
    }
}

// A PNG of `depth` bits a sample and colour type `type` (0 grey, 2 RGB, 3 palette, 4 grey and
// alpha, 6 RGBA), 120 x 90, every sample one of four levels in a fine weave, and colours under
// transparent pixels.
QByteArray weavePng(int depth, int type)
{
    const int channels = std::array{1, 0, 3, 1, 2, 0, 4}[std::size_t(type)], top = (1 << depth) - 1;
    QByteArray rows, palette, ihdr("\0\0\0\x78\0\0\0\x5A\0\0\0\0\0", 13);
    ihdr[8] = char(depth), ihdr[9] = char(type);
    for (int y = 0; y < 90; ++y) {
        rows += '\0';
        quint32 held = 0;
        for (int i = 0, bits = 0; i < 120 * channels; ++i) {
            held = held << depth | ((i / channels) * 7 + y * 3 + i % channels * 5) % 4 * top / 3;
            for (bits += depth; bits >= 8; bits -= 8)
                rows += char(held >> (bits - 8));
        }
    }
    for (int i = 0; i <= top && type == 3; ++i)
        palette += QByteArray(1, char(i * 255 / top)) + char(255 - i * 255 / top) + char(i * 97);
    QByteArray png("\x89PNG\r\n\x1A\n", 8);
    const auto be32 = [](quint32 v) {
        return QByteArray(1, char(v >> 24)) + char(v >> 16) + char(v >> 8) + char(v);
    };
    const auto chunk = [&](const char *name, const QByteArray &body) {
        const QByteArray named = name + body;
        png += be32(quint32(body.size())) + named +
               be32(quint32(
                   crc32(0, reinterpret_cast<const Bytef *>(named.data()), uInt(named.size()))));
    };
    chunk("IHDR", ihdr);
    if (type == 3)
        chunk("PLTE", palette);
    chunk("IDAT", qCompress(rows).mid(4));
    chunk("IEND", {});
    return png;
}

// Shrunk for Image1, a gallery tile or a part of the viewer, every format at every depth comes
// out as its picture read whole and averaged: never re-quantised to its palette (noise), nor
// with the colours under transparent pixels bled in.
TEST_F(SheetsTest, ShrunkPicturesAreThePictureAveraged)
{
    std::vector<std::pair<std::string, QByteArray>> files;
    for (const auto &[type, depths] : {std::pair{0, std::vector{1, 2, 4, 8, 16}},
                                       {3, {1, 2, 4, 8}},
                                       {4, {8, 16}},
                                       {2, {8, 16}},
                                       {6, {8, 16}}})
        for (int depth : depths)
            files.emplace_back("PNG type " + std::to_string(type) + " depth " +
                                   std::to_string(depth),
                               weavePng(depth, type));
    const QImage weave = QImage::fromData(weavePng(8, 6));
    for (const auto &[format, pixels] : {std::pair{"bmp", QImage::Format_Mono},
                                         {"bmp", QImage::Format_Indexed8},
                                         {"tiff", QImage::Format_Mono},
                                         {"tiff", QImage::Format_RGBA64},
                                         {"pbm", QImage::Format_Mono},
                                         {"xpm", QImage::Format_Indexed8},
                                         {"webp", QImage::Format_ARGB32}}) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) &&
                    weave.convertToFormat(pixels).save(&buffer, format));
        files.emplace_back(std::string(format) + " " + std::to_string(int(pixels)), bytes);
    }
    for (const auto &[what, bytes] : files) {
        ASSERT_TRUE(writeBytes(path("a/s.qpk"), bytes));
        auto decode = [this](const DecodeRequest &request) {
            SheetFile file{FileDescriptor(::open(QFile::encodeName(path("a/s.qpk")), O_RDONLY))};
            return decodeSheet(file, request)
                .image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        };
        const QImage whole = decode(DecodeRequest::ownSize());
        for (const DecodeRequest &request :
             {DecodeRequest::box({40, 30}), DecodeRequest::thumbnail({50, 50}),
              DecodeRequest::region({60, 45}, {10, 10, 30, 20})}) {
            SCOPED_TRACE(what + " for " + std::to_string(int(request.kind)));
            const QImage shrunk = decode(request);
            const QImage expected =
                whole
                    .scaled(request.clip.isEmpty() ? shrunk.size() : request.size,
                            Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .copy(request.clip.isEmpty() ? shrunk.rect() : request.clip);
            ASSERT_EQ(shrunk.size(), expected.size());
            double off = 0;
            for (int y = 0; y < shrunk.height(); ++y)
                for (int x = 0; x < shrunk.width() * 4; ++x)
                    off += std::abs(shrunk.constScanLine(y)[x] - expected.constScanLine(y)[x]);
            EXPECT_LT(off / (shrunk.width() * shrunk.height() * 4), 2.0);
        }
    }
}

TEST_F(SheetsTest, EveryLoadReadsTheFileAsItIsNow)
{
    auto centre = [this] {
        const QImage image = loader().load("ghost.qpk", DecodeRequest::box(kBox)).image;
        return image.isNull() ? QColor() : image.pixelColor(10, 10);
    };
    ASSERT_TRUE(writeBytes(path("a/ghost.qpk"), encoded(Qt::red, "png")));
    EXPECT_EQ(centre(), QColor(Qt::red));
    ASSERT_TRUE(writeBytes(path("a/ghost.qpk"), encoded(Qt::blue, "bmp")));
    EXPECT_EQ(centre(), QColor(Qt::blue));
    ASSERT_TRUE(QFile::remove(path("a/ghost.qpk")));
    EXPECT_EQ(find("ghost.qpk"), kMissing);
}

// Sheets kept decoded for the window stay within their budget, the least recently used going
// first, and are found only for the same file, unchanged, at the same size; refusals are not kept.
TEST(SheetCache, KeepsTheMostRecentlyUsedWithinItsBudget)
{
    SheetCache cache(3 * 100 * 100 * 4);
    DecodeResult picture;
    picture.image = QImage(100, 100, QImage::Format_RGB32);
    const auto file = [](std::uint64_t inode) { return FileIdentity{1, inode, 5, 7, 7}; };
    for (std::uint64_t n = 1; n <= 3; ++n)
        cache.insert(file(n), kBox, "s.qpk", picture);
    ASSERT_NE(cache.find(file(1), kBox), nullptr); // now the second the oldest
    cache.insert(file(4), kBox, "t.qpk", picture);
    EXPECT_EQ(cache.bytes(), 3 * 100 * 100 * 4);
    EXPECT_EQ(cache.find(file(2), kBox), nullptr);
    EXPECT_NE(cache.find(file(3), kBox), nullptr);
    EXPECT_EQ(cache.find(FileIdentity{1, 1, 5, 8, 8}, kBox), nullptr); // written over since
    EXPECT_EQ(cache.find(file(1), QSize(50, 50)), nullptr);
    DecodeResult refused;
    refused.error = SheetError::Missing;
    cache.insert(file(5), kBox, "u.qpk", refused);
    FileIdentity justWritten = file(6); // on a file system of coarse times
    justWritten.settled = false;
    cache.insert(justWritten, kBox, "v.qpk", picture);
    cache.forget("s.qpk");
    EXPECT_EQ(cache.count(), 1u);
    EXPECT_NE(cache.find(file(4), kBox), nullptr);
}

TEST_F(SheetsTest, FileNotOursToReadIsSaidSo)
{
    ASSERT_TRUE(writeBytes(path("a/spy.qpk"), encoded(Qt::red, "png")));
    ASSERT_EQ(::chmod(QFile::encodeName(path("a/spy.qpk")), 0), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(root.path()), 0755), 0);
    // Root reads anything: look as an unprivileged user, in a child process.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        ::_exit(loader().load("spy.qpk", DecodeRequest::box(kBox)).error == SheetError::NoPermission
                    ? 0
                    : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

// Thousands of loads through the helper over every sheet of the catalogue while another process
// keeps rewriting, truncating and removing the files; PROPSCOPE_SOAK_LOADS sets how many (default
// 2000). Each either shows or is refused, and memory stays flat, in the window and the helper.
TEST_F(SheetsTest, SoakWhileSheetsChangeUnderfoot)
{
    const int loads = std::max(2000, qEnvironmentVariableIntValue("PROPSCOPE_SOAK_LOADS"));
    std::vector<std::string> names, paths;
    for (const catalogue::Category &c : catalogue::kCategories)
        for (const catalogue::Entry &e : c.entries) {
            names.emplace_back(e.sheet);
            paths.push_back(path("a/" + QString::fromStdString(names.back())).toStdString());
        }
    const QByteArray kinds[] = {encoded(Qt::red, "png", {240, 180}),
                                encoded(Qt::green, "jpeg", {240, 180}), "not a picture"};
    const pid_t churner = ::fork(); // only system calls there, as in a child of a threaded parent
    if (churner == 0) {
        for (unsigned i = 1;; i = i * 1103515245u + 12345u) {
            const char *file = paths[(i >> 8) % paths.size()].c_str();
            const QByteArray &bytes = kinds[(i >> 16) % 3];
            const unsigned change = (i >> 4) % 4; // rewrite in place (half the time), cut, remove
            const int fd = change > 1 ? ::open(file, O_WRONLY | O_CREAT | O_TRUNC, 0644) : -1;
            if (fd >= 0 && ::write(fd, bytes.constData(), std::size_t(bytes.size())) >= 0)
                ::close(fd);
            const int failed = change == 1   ? ::truncate(file, off_t(i % 300))
                               : change == 0 ? ::unlink(file)
                                             : 0;
            (void)failed; // the loads cope with whatever is there
            ::usleep(200);
        }
    }
    // The window's memory and its helper's, which must not grow either.
    auto residentKiB = [this] {
        std::vector<pid_t> helper = decoders->helpers(Requester::Window);
        std::array<long, 3> resident{0, 0, helper.empty() ? 0 : helper.front()};
        long size = 0;
        std::ifstream("/proc/self/statm") >> size >> resident[0];
        std::ifstream("/proc/" + std::to_string(resident[2]) + "/statm") >> size >> resident[1];
        for (long &pages : {std::ref(resident[0]), std::ref(resident[1])})
            pages *= ::sysconf(_SC_PAGESIZE) / 1024;
        return resident;
    };
    int shown = 0, refused = 0, wrong = 0;
    std::array<long, 3> warm{};
    for (int i = 0; i < loads; ++i) {
        const DecodeResult s =
            loader().load(names[std::size_t(i * 37) % names.size()], DecodeRequest::box(kBox));
        (s.error == SheetError::None ? (s.image.size() == kBox ? shown : wrong)
                                     : (s.image.isNull() ? refused : wrong)) += 1;
        warm = i == loads / 4 ? residentKiB() : warm;
    }
    const std::array<long, 3> last = residentKiB();
    const long growth = last[0] - warm[0];
    const long helperGrowth = last[1] - warm[1];
    ::kill(churner, SIGKILL);
    ::waitpid(churner, nullptr, 0);
    std::printf("  %d loads: %d shown, %d refused; memory grew %ld KiB, the helper's %ld KiB\n",
                loads, shown, refused, growth, helperGrowth);
    EXPECT_TRUE(warm[1] > 0 && last[2] == warm[2]); // the same helper throughout
    EXPECT_TRUE(wrong == 0 && shown > 0 && refused > 0);
#if !defined(__SANITIZE_ADDRESS__)
    EXPECT_LT(growth, 2048); // AddressSanitizer holds freed memory back on purpose
    EXPECT_LT(helperGrowth, 2048);
#endif
}

// Thumbnails are named as the desktop names them, whatever bytes a path holds, and kept at the
// smallest of its two sizes that is at least the tile.
TEST(ThumbnailCache, NamesAsTheDesktopDoes)
{
    const std::pair<std::string, QByteArray> uris[] = {
        {"/home/jens/photos/me.png", "file:///home/jens/photos/me.png"},
        {"/tmp/d\xe9mo/a b;c#?%\n.png", "file:///tmp/d%E9mo/a%20b%3Bc%23%3F%25%0A.png"},
        {"/\xc3\xa9t\xc3\xa9//./old/../x(1)+~,@=.qpk", "file:///%C3%A9t%C3%A9/x(1)+~,@=.qpk"},
        {"sheets/x.qpk", "file://" + QDir::currentPath().toUtf8() + "/sheets/x.qpk"},
    };
    for (const auto &[path, uri] : uris)
        EXPECT_EQ(ThumbnailCache::uriOf(path), uri) << path;
    EXPECT_EQ(ThumbnailCache::fileNameOf("file:///home/jens/photos/me.png"),
              "c6ee772d9e49320e97ec29a7eb5b1697.png");
    for (const auto &[tile, edge] : {std::pair{QSize(128, 96), 128},
                                     {QSize(96, 128), 128},
                                     {QSize(129, 96), 256},
                                     {QSize(320, 240), 256}})
        EXPECT_EQ(ThumbnailCache::edgeFor(tile), edge) << tile.width();
}

// Written whole, 0600 in folders of 0700, fitted and never enlarged, with keys the decoder reads
// back as they were and believes only in shape; a cached file is opened only when it is a plain
// file of bounded size inside the cache; a cache that cannot be written is no error.
TEST(ThumbnailCache, WritesSafelyAndOpensOnlyPlainFiles)
{
    const QTemporaryDir home;
    const ThumbnailCache cache(home.path());
    const ThumbnailSource source{"file:///s/a.qpk", 1700000000, 1234};
    const QString name = ThumbnailCache::fileNameOf(source.uri);
    const auto mode = [&](const QString &path) {
        struct stat st {};
        return ::lstat(home.filePath(path).toLocal8Bit().constData(), &st) == 0 ? st.st_mode & 0777
                                                                                : 0u;
    };
    const auto keysOf = [](const QString &path) {
        SheetFile file{FileDescriptor(::open(path.toLocal8Bit().constData(), O_RDONLY))};
        const DecodeResult read = decodeSheet(file, DecodeRequest::thumbnail({256, 256}));
        return std::pair(read.image.size(), read.thumbnail);
    };
    for (const auto &[picture, edge, fitted, folder] :
         {std::tuple{QSize(400, 300), 256, QSize(256, 192), "large"},
          {QSize(100, 300), 128, QSize(42, 128), "normal"},
          {QSize(100, 50), 128, QSize(100, 50), "normal"}}) {
        QImage image(picture, QImage::Format_RGB32);
        image.fill(Qt::red);
        ASSERT_TRUE(cache.store(source, image, edge));
        const auto [size, keys] =
            keysOf(home.filePath(QStringLiteral("thumbnails/%1/%2").arg(folder, name)));
        EXPECT_EQ(size, fitted) << folder;
        EXPECT_TRUE(ThumbnailCache::matches(keys, source)) << folder;
        EXPECT_EQ(keys.size, 1234);
    }
    ASSERT_TRUE(cache.storeFailure(source, SheetError::TooLarge));
    EXPECT_EQ(keysOf(home.filePath("thumbnails/fail/tesselbox/" + name)).second.refusal,
              int(SheetError::TooLarge));
    for (const char *folder : {"thumbnails", "thumbnails/large", "thumbnails/fail/tesselbox"})
        EXPECT_EQ(mode(folder), 0700u) << folder;
    EXPECT_EQ(mode("thumbnails/large/" + name), 0600u);
    EXPECT_EQ(QDir(home.filePath("thumbnails/large")).entryList(QDir::Files), QStringList{name});

    // Keys of the wrong shape are no keys.
    QImage forged(4, 4, QImage::Format_RGB32);
    forged.setText("Thumb::URI", "file:///s/a b.qpk");
    forged.setText("Thumb::MTime", "17e8");
    forged.setText("Thumb::Size", "-3");
    forged.setText(kRefusalKey, "4");
    ASSERT_TRUE(forged.save(home.filePath("forged.png")));
    const ThumbnailKeys none = keysOf(home.filePath("forged.png")).second;
    EXPECT_TRUE(none.uri.isEmpty() && none.mtime == -1 && none.size == -1 && none.refusal == 0);

    const QString large = home.filePath("thumbnails/large/" + name);
    EXPECT_TRUE(cache.openThumbnail(source, 256).isOpen());
    const std::function<bool(const QString &)> plants[] = {
        [&](const QString &p) { return QFile::link(home.filePath("forged.png"), p); },
        [&](const QString &p) { return QDir().mkdir(p); },
        [&](const QString &p) { return ::mkfifo(p.toLocal8Bit().constData(), 0600) == 0; },
        [&](const QString &p) { return writeBytes(p, {}); },
        [&](const QString &p) { return writeBytes(p, QByteArray(4 * 1024 * 1024 + 1, 'x')); },
    };
    for (const auto &plant : plants) {
        ASSERT_TRUE(QFile::remove(large) || QDir(large).removeRecursively());
        ASSERT_TRUE(plant(large));
        EXPECT_FALSE(cache.openThumbnail(source, 256).isOpen()) << int(&plant - plants);
    }
    ASSERT_TRUE(QDir(home.filePath("thumbnails/large")).removeRecursively());
    ASSERT_TRUE(QFile::link(home.filePath("elsewhere"), home.filePath("thumbnails/large")));
    EXPECT_FALSE(cache.openThumbnail(source, 256).isOpen());
    EXPECT_FALSE(cache.store(source, QImage(8, 8, QImage::Format_RGB32), 256));
    EXPECT_FALSE(QFile::exists(home.filePath("elsewhere")));
    ASSERT_TRUE(writeBytes(home.filePath("file"), "x"));
    EXPECT_FALSE(
        ThumbnailCache(home.filePath("file")).storeFailure(source, SheetError::NotAPicture));
}

TEST(SheetFolders, WorkingFolderFirstProgramFolderLast)
{
    qputenv("XDG_DATA_HOME", "/home/u/data");
    qputenv("XDG_DATA_DIRS", "/usr/local/share:relative:/usr/share");
    QDir::setCurrent("/"); // apart from the program's folder, which would be searched once
    char exe[4096] = {};
    ASSERT_GT(::readlink("/proc/self/exe", exe, sizeof exe - 1), 0);
    const std::string program(exe);
    const SheetPlaces places = sheetPlaces("/opt/sheets");
    EXPECT_EQ(places.searchOrder(),
              (std::vector<std::string>{
                  ".", "/opt/sheets", "/home/u/data/tesselbox/sheets",
                  "/usr/local/share/tesselbox/sheets", "/usr/share/tesselbox/sheets",
                  program.substr(0, program.rfind('/')), "/home/u/data/tesselbox/demo-sheets"}));
    EXPECT_EQ(places.userFolder, "/home/u/data/tesselbox/sheets");
}

// Files made to get past every check before decoding, one for each way of doing harm: each is
// refused with its reason where it is chosen and where it is added, within its bounds, costing
// the window almost nothing; an ended helper is replaced, and the next sheet shows.
TEST_F(SheetsTest, HostileFilesAreRefusedWhereverTheyCome)
{
    std::vector<HostileSheet> hostile = writeHostileSheets(path("a"));
    QByteArray tga(18, '\0'); // 5000 x 5000 uncompressed, cut short after its header
    tga[2] = 2, tga[12] = tga[14] = char(5000 & 0xFF), tga[13] = tga[15] = char(5000 >> 8);
    tga[16] = 24, tga[17] = 0x20;
    tga += QByteArray(100, '\x7F') + QByteArray(8, '\0') + "TRUEVISION-XFILE." + '\0';
    const QString circle = "<circle cx='200' cy='200' r='190' fill='none' stroke='red' "
                           "stroke-width='30' stroke-dasharray='0.5 0.5'/>";
    ASSERT_TRUE(writeBytes(path("a/bunker.qpk"),
                           ("<svg xmlns='http://www.w3.org/2000/svg' width='400' height='400'>" +
                            circle.repeated(9998) + "</svg>")
                               .toUtf8()) &&
                writeBytes(path("a/comm.qpk"), tga) &&
                writeBytes(path("b/good.qpk"), encoded(Qt::green, "png")));
    hostile.push_back({"bunker.qpk", "past the processor bound", SheetError::TooLarge});
    hostile.push_back({"comm.qpk", "a TGA cut short", SheetError::TooLarge});
    for (const HostileSheet &h : hostile) {
        SCOPED_TRACE(h.what);
        const double start = processorSeconds();
        const double helpersStart = endedHelpersSeconds();
        const DecodeResult s = loader().load(h.sheet.toStdString(), DecodeRequest::box(kBox));
        EXPECT_LT(processorSeconds() - start, 0.1);
        EXPECT_LT(endedHelpersSeconds() - helpersStart, 1.5); // its bound, not the wall guard
        EXPECT_EQ(int(s.error), int(h.refusal)) << s.detail.toStdString();
        const DecodeResult next = loader().load("good.qpk", DecodeRequest::box(kBox));
        EXPECT_EQ(next.image.pixelColor(0, 0), QColor(Qt::green));
    }
    const double start = processorSeconds();
    const ImportPlan plan = planImport({path("a").toStdString()}, SheetNames(catalogue::kSheets),
                                       SheetStore(path("c").toStdString()), loader(), kBox);
    EXPECT_LT(processorSeconds() - start, 0.2);
    ASSERT_EQ(plan.candidates.size(), hostile.size());
    for (const ImportCandidate &c : plan.candidates) {
        const auto h = std::find_if(hostile.begin(), hostile.end(), [&](const HostileSheet &h) {
            return h.sheet == c.sheet.c_str();
        });
        EXPECT_EQ(int(c.refusal), int(h->refusal)) << h->what;
    }

    // A helper outlives the thread that started it; one ended from outside while it waited
    // costs the next sheet nothing.
    const DecodeRequest viewer = DecodeRequest::box(kBox, Requester::Viewer);
    std::thread([&] { loader().load("good.qpk", viewer); }).join();
    const std::vector<pid_t> started = decoders->helpers(Requester::Viewer);
    for (bool killed : {false, true}) {
        const DecodeResult s = loader().load("good.qpk", viewer);
        EXPECT_EQ(s.image.pixelColor(0, 0), QColor(Qt::green)) << s.detail.toStdString();
        EXPECT_EQ(decoders->helpers(Requester::Viewer) == started, !killed);
        ASSERT_EQ(started.size(), 1u);
        ::kill(started.front(), SIGKILL);
        ::usleep(100'000); // ended by the time the next sheet is asked for
    }
}
