#include "platform/desktop/textcodec.h"

#include <QStringDecoder>

#include <cerrno>
#include <iconv.h>
#include <vector>

namespace qc {

namespace {

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

// One iconv conversion descriptor for the lifetime of a call.
class IconvHandle {
public:
    IconvHandle(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~IconvHandle()
    {
        if (valid())
            iconv_close(cd_);
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }
    void reset() const { iconv(cd_, nullptr, nullptr, nullptr, nullptr); }

private:
    iconv_t cd_;
};

} // namespace

QList<QByteArrayView> splitRawLines(QByteArrayView bytes, int maxLines)
{
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    const qsizetype size = bytes.size();
    while (start < size && lines.size() < maxLines) {
        qsizetype end = start;
        while (end < size && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        lines.append(bytes.sliced(start, end - start));
        if (end < size && bytes[end] == '\r' && end + 1 < size && bytes[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

Utf8Census utf8Census(QByteArrayView bytes)
{
    Utf8Census census;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int extra = 0;
        unsigned int codePoint = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
            codePoint = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            codePoint = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            codePoint = c & 0x07;
        }
        bool valid = extra > 0 && i + extra < size;
        for (int k = 1; valid && k <= extra; ++k) {
            const unsigned char next = p[i + k];
            valid = (next & 0xC0) == 0x80;
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values beyond U+10FFFF are not UTF-8.
        valid = valid && !((extra == 2 && codePoint < 0x800) || (extra == 3 && codePoint < 0x10000)
                           || (codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF);
        if (valid) {
            ++census.sequences;
            i += extra + 1;
        } else {
            ++census.strayBytes;
            ++i;
        }
    }
    return census;
}

bool isValidUtf8(QByteArrayView bytes)
{
    return utf8Census(bytes).strayBytes == 0;
}

bool readsAsUtf8(QByteArrayView bytes)
{
    const Utf8Census census = utf8Census(bytes);
    // A few stray bytes in a UTF-8 file are damage, not a sign of code page 932, whose text
    // makes stray bytes of most of its characters.
    return census.strayBytes * 100 <= (census.sequences + census.strayBytes) * 1;
}

QString decodeCp932(QByteArrayView bytes)
{
    static constexpr char16_t kReplacement = 0xFFFD;
    QString result;
    if (bytes.isEmpty())
        return result;
    const IconvHandle cd("UTF-16LE", "CP932");
    if (!cd.valid())
        return QString(bytes.size(), QChar(kReplacement));

    // Every code page 932 character, of one byte or two, is one UTF-16 unit.
    std::vector<char16_t> out(std::size_t(bytes.size()) + 1);
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = std::size_t(bytes.size());
    char* outPtr = reinterpret_cast<char*>(out.data());
    size_t outLeft = out.size() * sizeof(char16_t);
    while (inLeft > 0) {
        if (iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft) != size_t(-1))
            break;
        if (errno == E2BIG)
            break;
        // An undecodable or cut-off byte: one replacement character, then go on after it.
        *reinterpret_cast<char16_t*>(outPtr) = kReplacement;
        outPtr += sizeof(char16_t);
        outLeft -= sizeof(char16_t);
        ++in;
        --inLeft;
        cd.reset();
    }
    const auto units = (reinterpret_cast<char16_t*>(outPtr) - out.data());
    return QString(reinterpret_cast<const QChar*>(out.data()), units);
}

std::optional<QByteArray> encodeCp932(const QString& text)
{
    if (text.isEmpty())
        return QByteArray();
    const IconvHandle cd("CP932", "UTF-16LE");
    if (!cd.valid())
        return std::nullopt;
    QByteArray out(text.size() * 2, Qt::Uninitialized);
    char* in = reinterpret_cast<char*>(const_cast<QChar*>(text.constData()));
    size_t inLeft = std::size_t(text.size()) * sizeof(QChar);
    char* outPtr = out.data();
    size_t outLeft = std::size_t(out.size());
    if (iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft) == size_t(-1))
        return std::nullopt;
    out.truncate(outPtr - out.data());
    return out;
}

namespace {

// Text saved as UTF-16 by an editor, recognised by its byte order mark.
std::optional<QString> utf16Text(QByteArrayView bytes)
{
    const bool little = bytes.startsWith("\xFF\xFE");
    if (!little && !bytes.startsWith("\xFE\xFF"))
        return std::nullopt;
    QString text;
    text.reserve((bytes.size() - 2) / 2);
    for (qsizetype i = 2; i + 1 < bytes.size(); i += 2) {
        const auto first = char16_t(static_cast<unsigned char>(bytes[i]));
        const auto second = char16_t(static_cast<unsigned char>(bytes[i + 1]));
        text.append(QChar(little ? char16_t(first | second << 8) : char16_t(first << 8 | second)));
    }
    return text;
}

} // namespace

QStringList decodeTextLines(QByteArrayView bytes, int maxLines)
{
    // Read through the UTF-8 road, so that lines split the same whatever the form.
    if (const std::optional<QString> text = utf16Text(bytes))
        return decodeTextLines(QByteArray(kUtf8Mark) + text->toUtf8(), maxLines);
    const bool marked = bytes.startsWith(kUtf8Mark);
    if (marked)
        bytes = bytes.sliced(3);
    const QList<QByteArrayView> rawLines = splitRawLines(bytes, maxLines);
    const qsizetype consumed =
        rawLines.isEmpty() ? 0 : (rawLines.last().data() + rawLines.last().size()) - bytes.data();
    const bool utf8 = marked || readsAsUtf8(bytes.first(consumed));

    // Each line on its own, and a U+FEFF that starts a line is text, not a mark to drop (the
    // file's own mark went above).
    QStringDecoder fromUtf8(QStringDecoder::Utf8,
                            QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QStringList lines;
    lines.reserve(rawLines.size());
    for (QByteArrayView raw : rawLines)
        lines.append(utf8 ? QString(fromUtf8(raw)) : decodeCp932(raw));
    return lines;
}

QByteArray encodeTextLines(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    // Some characters have a code page 932 form that reads back as another character (the
    // yen sign becomes a backslash, a wave dash a full-width tilde), and some code page 932
    // bytes are also UTF-8 (pairs of half-width katakana): only a form that the reader takes
    // back to the very same lines will do.
    if (std::optional<QByteArray> cp932 = encodeCp932(text);
        cp932 && decodeTextLines(*cp932, int(lines.size()) + 1) == lines)
        return *cp932;
    return QByteArray(kUtf8Mark) + text.toUtf8();
}

} // namespace qc
