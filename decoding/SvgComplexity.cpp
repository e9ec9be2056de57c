#include "SvgComplexity.h"

#include "SheetLimits.h"

#include <QHash>
#include <QXmlStreamReader>

#include <vector>

#include <zlib.h>

namespace sheets {

namespace {

struct Element {
    QString useTarget; // the id a <use> draws again
    std::vector<int> children;
    qint64 drawn = -1; // -1 not yet counted, -2 being counted
};

class Counter {
public:
    Counter(std::vector<Element> &elements, const QHash<QString, int> &ids, qint64 limit)
        : m_elements(elements)
        , m_ids(ids)
        , m_limit(limit)
    {}

    // Elements drawn for `index`, itself included; past the limit when too many or circular.
    qint64 drawn(int index, int depth)
    {
        Element &e = m_elements[std::size_t(index)];
        if (e.drawn >= 0)
            return e.drawn;
        if (e.drawn == -2 || depth > kMaxVectorDepth)
            return m_limit + 1;
        e.drawn = -2;
        qint64 total = 1;
        for (int child : e.children)
            total = std::min(m_limit + 1, total + drawn(child, depth + 1));
        if (const auto target = m_ids.constFind(e.useTarget); target != m_ids.constEnd())
            total = std::min(m_limit + 1, total + drawn(*target, depth + 1));
        return e.drawn = total;
    }

private:
    std::vector<Element> &m_elements;
    const QHash<QString, int> &m_ids;
    qint64 m_limit;
};

} // namespace

std::optional<SvgDrawing> svgDrawing(const QByteArray &document, qint64 limit)
{
    SvgDrawing drawing;
    std::vector<Element> elements;
    QHash<QString, int> ids;
    std::vector<int> open;
    QXmlStreamReader xml(document);
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            open.pop_back();
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (qint64(elements.size()) > limit || int(open.size()) > kMaxVectorDepth)
            return SvgDrawing{limit + 1, drawing.readsFiles};
        const int index = int(elements.size());
        elements.emplace_back();
        const QXmlStreamAttributes attributes = xml.attributes();
        if (const QStringView id = attributes.value(QLatin1String("id")); !id.isEmpty())
            ids.insert(id.toString(), index);
        QStringView href =
            attributes.value(QLatin1String("http://www.w3.org/1999/xlink"), QLatin1String("href"));
        if (href.isEmpty())
            href = attributes.value(QLatin1String("href"));
        if (xml.name() == QLatin1String("use") && href.startsWith(QLatin1Char('#')))
            elements.back().useTarget = href.mid(1).toString();
        if (xml.name() == QLatin1String("image") &&
            !href.trimmed().startsWith(QLatin1String("data:"), Qt::CaseInsensitive))
            drawing.readsFiles = true;
        if (!open.empty())
            elements[std::size_t(open.back())].children.push_back(index);
        open.push_back(index);
    }
    if (xml.hasError() || elements.empty())
        return std::nullopt;
    Counter counter(elements, ids, limit);
    drawing.elements = counter.drawn(0, 0);
    return drawing;
}

std::optional<QByteArray> gunzip(const QByteArray &packed, qsizetype limit, bool *tooLarge)
{
    *tooLarge = false;
    z_stream stream{};
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK)
        return std::nullopt;
    QByteArray out(std::min<qsizetype>(limit, 1 << 20), Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.constData()));
    stream.avail_in = uInt(packed.size());
    int status = Z_OK;
    while (status == Z_OK) {
        if (stream.total_out == uLong(out.size())) {
            *tooLarge = out.size() >= limit;
            if (*tooLarge)
                break;
            out.resize(std::min<qsizetype>(limit, out.size() * 2));
        }
        stream.next_out = reinterpret_cast<Bytef *>(out.data()) + stream.total_out;
        stream.avail_out = uInt(out.size() - qsizetype(stream.total_out));
        status = inflate(&stream, Z_NO_FLUSH);
    }
    const qsizetype size = qsizetype(stream.total_out);
    inflateEnd(&stream);
    if (status != Z_STREAM_END)
        return std::nullopt;
    out.truncate(size);
    return out;
}

} // namespace sheets
