#pragma once

#include "DecodeResult.h"
#include "FileDescriptor.h"
#include "SheetError.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <atomic>
#include <string_view>

namespace sheets {

// A sheet file as a thumbnail names it: its URI, and its modification time and size now.
struct ThumbnailSource {
    QByteArray uri;
    qint64 mtime = -1; // whole seconds
    qint64 size = -1;

    bool isValid() const { return !uri.isEmpty() && mtime >= 0; }
};

// The desktop's thumbnail cache, which every program of the desktop reads and writes: a picture
// of each file under the MD5 of its URI, in "normal" (128) or "large" (256), with the file's URI
// and modification time in its text keys; and under "fail/<program>/" a record of each file the
// program could not read. A cached file is anyone's, so it is only ever opened here (no link, a
// regular file, of bounded size) and read by the decoding helpers, never in this process.
// Nothing is written outside the cache folder, and no link inside it is followed.
//
// Threads: nothing changes after construction but the flag that says once in the log that the
// cache cannot be written, which is atomic; any thread may use one cache at once.
class ThumbnailCache {
public:
    static constexpr int kNormalEdge = 128;
    static constexpr int kLargeEdge = 256;
    // A cached file larger than this is no thumbnail: left unread.
    static constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;

    // The cache in `cacheHome`, the user's cache folder ($XDG_CACHE_HOME); `program` names this
    // program's failure records and its thumbnails' Software key.
    explicit ThumbnailCache(QString cacheHome = defaultCacheHome(),
                            QByteArray program = "tesselbox");
    ThumbnailCache(const ThumbnailCache &) = delete;
    ThumbnailCache &operator=(const ThumbnailCache &) = delete;

    static QString defaultCacheHome();
    QString folder() const;

    // The file:// URI of the file at `path`, bytes as the system has them, made absolute: every
    // byte a URI path may not hold percent-encoded, whatever the bytes, as the desktop does.
    static QByteArray uriOf(std::string_view path);
    // The name of the thumbnail of the file at `uri`: the MD5 of the URI in hex, then ".png".
    static QByteArray fileNameOf(const QByteArray &uri);
    // The edge of the thumbnails that serve pictures shown at `size` device pixels: the smallest
    // that is at least as large; the larger of the two for larger pictures, shown scaled.
    static int edgeFor(QSize size);
    // The sheet open as `file`, found at `path`; not valid when it is no regular file or its URI
    // is too long to keep.
    static ThumbnailSource sourceOf(int file, std::string_view path);
    // Whether keys read from a cached file say that it stands for `source` as it is now.
    static bool matches(const ThumbnailKeys &keys, const ThumbnailSource &source);

    // The thumbnail of `source` at `edge`, or its failure record, open to be read: closed when
    // there is none that could be one.
    FileDescriptor openThumbnail(const ThumbnailSource &source, int edge) const;
    FileDescriptor openFailure(const ThumbnailSource &source) const;

    // Writes the thumbnail of `source`: `picture` fitted into `edge` with its own proportions,
    // never enlarged. Blocks on the disk, so never on the window's thread. False when the cache
    // cannot be written, which the log says once.
    bool store(const ThumbnailSource &source, const QImage &picture, int edge) const;
    // Records that `source` was refused, and `why`.
    bool storeFailure(const ThumbnailSource &source, SheetError why) const;

private:
    FileDescriptor openFolder(const QByteArrayList &path, bool make) const;
    FileDescriptor openCached(const QByteArrayList &path, const ThumbnailSource &source) const;
    bool write(const QByteArrayList &path, const QByteArray &name, QImage image,
               const ThumbnailSource &source) const;
    bool cannotWrite(const QString &why) const;

    const QByteArray m_home; // the user's cache folder, bytes
    const QByteArray m_program;
    mutable std::atomic_flag m_saidCannotWrite;
};

} // namespace sheets
