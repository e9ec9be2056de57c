#include "SheetFile.h"

#include <sys/stat.h>
#include <unistd.h>

namespace sheets {

SheetFile::SheetFile(FileDescriptor file)
    : m_file(std::move(file))
{
    struct stat st {};
    if (m_file.isOpen() && ::fstat(m_file.get(), &st) == 0) {
        m_size = st.st_size;
        open(QIODevice::ReadOnly);
    }
}

QByteArray SheetFile::tail(qint64 bytes) const
{
    return m_size >= bytes ? readAt(m_size - bytes, bytes) : QByteArray();
}

QByteArray SheetFile::readAt(qint64 offset, qint64 bytes) const
{
    QByteArray data(qsizetype(std::max<qint64>(0, std::min(bytes, m_size - offset))),
                    Qt::Uninitialized);
    qsizetype got = 0;
    while (got < data.size()) {
        const ssize_t n = ::pread(m_file.get(), data.data() + got, std::size_t(data.size() - got),
                                  off_t(offset + got));
        if (n <= 0)
            break;
        got += n;
    }
    data.truncate(got);
    return data;
}

qint64 SheetFile::readData(char *data, qint64 maxSize)
{
    const ssize_t n = ::pread(m_file.get(), data, std::size_t(maxSize), off_t(pos()));
    return n < 0 ? -1 : n;
}

} // namespace sheets
