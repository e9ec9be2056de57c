#include "ThumbnailCache.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QtDebug>

#include <cerrno>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sheets {

namespace {

constexpr char kFolder[] = "thumbnails";
constexpr char kHex[] = "0123456789ABCDEF";
constexpr int kPngQuality = 100; // zlib's level 0

// The bytes a URI path keeps as they are, as the desktop's own libraries have it: letters,
// digits and -._~!$&'()*+,=:@/. Any other is percent-encoded, whatever encoding it is in.
bool keptInUri(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::strchr("-._~!$&'()*+,=:@/", c) != nullptr;
}

// `path` made absolute and clean: no empty, "." or ".." parts, as the desktop names a file.
std::string absoluteClean(std::string_view path)
{
    std::string whole;
    if (path.empty() || path.front() != '/') {
        std::vector<char> here(4096);
        if (::getcwd(here.data(), here.size()) == nullptr)
            return {};
        whole = here.data();
        whole += '/';
    }
    whole += path;
    std::vector<std::string_view> parts;
    const std::string_view all(whole);
    for (std::size_t start = 0; start <= all.size();) {
        const std::size_t end = std::min(all.find('/', start), all.size());
        const std::string_view part = all.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string clean;
    for (const std::string_view part : parts)
        clean.append("/").append(part);
    return clean.empty() ? "/" : clean;
}

QByteArray decimal(qint64 value)
{
    return QByteArray::number(value);
}

} // namespace

ThumbnailCache::ThumbnailCache(QString cacheHome, QByteArray program)
    : m_home(QFile::encodeName(cacheHome))
    , m_program(std::move(program))
{}

QString ThumbnailCache::defaultCacheHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
}

QString ThumbnailCache::folder() const
{
    return QFile::decodeName(m_home + '/' + kFolder);
}

QByteArray ThumbnailCache::uriOf(std::string_view path)
{
    const std::string clean = absoluteClean(path);
    if (clean.empty())
        return {};
    QByteArray uri("file://");
    for (const char byte : clean) {
        const auto c = static_cast<unsigned char>(byte);
        if (keptInUri(c))
            uri += char(c);
        else
            uri.append('%').append(kHex[c >> 4]).append(kHex[c & 15]);
    }
    return uri;
}

QByteArray ThumbnailCache::fileNameOf(const QByteArray &uri)
{
    return QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex() + ".png";
}

int ThumbnailCache::edgeFor(QSize size)
{
    return std::max(size.width(), size.height()) <= kNormalEdge ? kNormalEdge : kLargeEdge;
}

ThumbnailSource ThumbnailCache::sourceOf(int file, std::string_view path)
{
    struct stat st {};
    if (::fstat(file, &st) != 0 || !S_ISREG(st.st_mode) || st.st_mtim.tv_sec < 0)
        return {};
    ThumbnailSource source{uriOf(path), st.st_mtim.tv_sec, st.st_size};
    if (source.uri.size() > kMaxThumbnailUriBytes)
        source.uri.clear();
    return source;
}

bool ThumbnailCache::matches(const ThumbnailKeys &keys, const ThumbnailSource &source)
{
    return source.isValid() && keys.uri == source.uri && keys.mtime == source.mtime &&
           (keys.size < 0 || keys.size == source.size);
}

// The folder `path` below the cache folder, made (0700) where it is missing when `make`. The
// user's cache folder may be a link of theirs; nothing below it is followed.
FileDescriptor ThumbnailCache::openFolder(const QByteArrayList &path, bool make) const
{
    if (m_home.isEmpty())
        return {};
    if (make && ::mkdir(m_home.constData(), 0700) != 0 && errno != EEXIST)
        return {};
    FileDescriptor folder(::open(m_home.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    for (const QByteArray &name : QByteArrayList{kFolder} + path) {
        if (!folder.isOpen())
            return {};
        const int flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
        int below = ::openat(folder.get(), name.constData(), flags);
        if (below < 0 && errno == ENOENT && make &&
            (::mkdirat(folder.get(), name.constData(), 0700) == 0 || errno == EEXIST))
            below = ::openat(folder.get(), name.constData(), flags);
        folder.reset(below);
    }
    return folder;
}

FileDescriptor ThumbnailCache::openCached(const QByteArrayList &path,
                                          const ThumbnailSource &source) const
{
    const FileDescriptor folder = openFolder(path, false);
    if (!folder.isOpen() || !source.isValid())
        return {};
    // Not blocking, so that a FIFO planted here cannot hold the opening up.
    FileDescriptor file(::openat(folder.get(), fileNameOf(source.uri).constData(),
                                 O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st {};
    if (!file.isOpen() || ::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode) ||
        st.st_size <= 0 || st.st_size > kMaxFileBytes)
        return {};
    return file;
}

FileDescriptor ThumbnailCache::openThumbnail(const ThumbnailSource &source, int edge) const
{
    return openCached({edge <= kNormalEdge ? "normal" : "large"}, source);
}

FileDescriptor ThumbnailCache::openFailure(const ThumbnailSource &source) const
{
    return openCached({"fail", m_program}, source);
}

bool ThumbnailCache::store(const ThumbnailSource &source, const QImage &picture, int edge) const
{
    if (picture.isNull())
        return false;
    QImage fitted = picture.width() > edge || picture.height() > edge
                        ? picture.scaled(edge, edge, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                        : picture;
    return write({edge <= kNormalEdge ? "normal" : "large"}, fileNameOf(source.uri),
                 std::move(fitted), source);
}

bool ThumbnailCache::storeFailure(const ThumbnailSource &source, SheetError why) const
{
    QImage empty(1, 1, QImage::Format_ARGB32);
    empty.fill(Qt::transparent);
    empty.setText(QLatin1String(kRefusalKey), QString::number(int(why)));
    return write({"fail", m_program}, fileNameOf(source.uri), std::move(empty), source);
}

// Written whole to a file of its own in the same folder, then renamed over the old one, so that
// no reader ever sees half a thumbnail; the rename replaces a link planted there, never follows it.
bool ThumbnailCache::write(const QByteArrayList &path, const QByteArray &name, QImage image,
                           const ThumbnailSource &source) const
{
    if (!source.isValid())
        return false;
    image.setText(QStringLiteral("Thumb::URI"), QString::fromLatin1(source.uri));
    image.setText(QStringLiteral("Thumb::MTime"), QString::fromLatin1(decimal(source.mtime)));
    image.setText(QStringLiteral("Thumb::Size"), QString::fromLatin1(decimal(source.size)));
    image.setText(QStringLiteral("Software"), QString::fromLatin1(m_program));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    // Stored rather than deflated: read back in half the time, which is what an opening waits
    // for, written in a tenth, for two to three times the bytes.
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "png", kPngQuality))
        return false;
    const FileDescriptor folder = openFolder(path, true);
    if (!folder.isOpen())
        return cannotWrite(qt_error_string(errno));
    const QByteArray temporary =
        m_program + '-' + QByteArray::number(QRandomGenerator::system()->generate64(), 16) + ".tmp";
    FileDescriptor file(::openat(folder.get(), temporary.constData(),
                                 O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!file.isOpen())
        return cannotWrite(qt_error_string(errno));
    bool written = true;
    for (qsizetype done = 0; written && done < bytes.size();) {
        const ssize_t step =
            ::write(file.get(), bytes.constData() + done, std::size_t(bytes.size() - done));
        written = step > 0 || (step < 0 && errno == EINTR);
        done += std::max<ssize_t>(step, 0);
    }
    const int error = written ? 0 : errno;
    written = written && ::close(file.release()) == 0 &&
              ::renameat(folder.get(), temporary.constData(), folder.get(), name.constData()) == 0;
    if (written)
        return true;
    const QString why = qt_error_string(error != 0 ? error : errno);
    ::unlinkat(folder.get(), temporary.constData(), 0);
    return cannotWrite(why);
}

bool ThumbnailCache::cannotWrite(const QString &why) const
{
    if (!m_saidCannotWrite.test_and_set())
        qWarning("tesselbox: the thumbnail cache %s cannot be written (%s): thumbnails are made "
                 "anew at each opening of the gallery",
                 qPrintable(folder()), qPrintable(why));
    return false;
}

} // namespace sheets
