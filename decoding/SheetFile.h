#pragma once

#include "FileDescriptor.h"
#include "JpegFrame.h"

#include <QByteArray>
#include <QIODevice>

namespace sheets {

// An open sheet file: the device its picture is read from, and what its probe needs
// (size, first and last bytes, JPEG frame). Every read names its own offset, so the file's
// position is never shared between readers.
class SheetFile : public QIODevice {
public:
    explicit SheetFile(FileDescriptor file);

    int descriptor() const { return m_file.get(); }
    // The size when opened; a file that shrinks later reads as cut short.
    qint64 size() const override { return m_size; }
    bool isSequential() const override { return false; }

    QByteArray head(qint64 bytes) const { return readAt(0, bytes); }
    QByteArray tail(qint64 bytes) const;
    // `bytes` bytes from `offset`, fewer where the file ends.
    QByteArray readAt(qint64 offset, qint64 bytes) const;
    JpegFrame jpegFrame() const { return readJpegFrame(m_file.get()); }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    FileDescriptor m_file;
    qint64 m_size = 0;
};

} // namespace sheets
