#include "platform/desktop/qtpictures.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <cstdint>
#include <cstdlib>

namespace qc {

namespace {

// Enough for the largest picture at 8 bytes a pixel (16-bit channels); a reader that cannot
// tell the size before decoding still stops here.
constexpr int kAllocationLimitMegabytes = int((kMostPicturePixels * 8) >> 20) + 1;

std::uint32_t littleEndian(const uchar* bytes, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

// Qt's BMP reader shows the rows missing from a cut file as black instead of failing: an
// uncompressed bitmap must hold all the rows its header promises.
bool isCutBitmap(const uchar* bytes, qint64 size)
{
    if (size < 26 || bytes[0] != 'B' || bytes[1] != 'M')
        return false;
    const std::uint32_t offset = littleEndian(bytes + 10, 4);
    const std::uint32_t headerSize = littleEndian(bytes + 14, 4);
    qint64 width = 0;
    qint64 height = 0;
    qint64 bitCount = 0;
    std::uint32_t compression = 0;
    if (headerSize == 12) {
        width = littleEndian(bytes + 18, 2);
        height = littleEndian(bytes + 20, 2);
        bitCount = littleEndian(bytes + 24, 2);
    } else if (headerSize >= 40 && size >= 34) {
        width = std::int32_t(littleEndian(bytes + 18, 4));
        height = std::int32_t(littleEndian(bytes + 22, 4));
        bitCount = littleEndian(bytes + 28, 2);
        compression = littleEndian(bytes + 30, 4);
    } else {
        return false;
    }
    // Run-length encoded rows have no size known in advance; Qt's reader checks those.
    constexpr std::uint32_t kRgb = 0, kBitFields = 3, kAlphaBitFields = 6;
    if (compression != kRgb && compression != kBitFields && compression != kAlphaBitFields)
        return false;
    if (width <= 0 || height == 0 || bitCount == 0)
        return false;
    const qint64 rowBytes = (width * bitCount + 31) / 32 * 4;
    return size < qint64(offset) + rowBytes * std::abs(height);
}

// libjpeg fills what is missing from a cut file with grey and only warns. A whole file ends
// its last scan with the end-of-image marker; neither marker occurs inside the coded data.
bool isCutJpeg(const uchar* bytes, qint64 size)
{
    if (size < 3 || bytes[0] != 0xFF || bytes[1] != 0xD8 || bytes[2] != 0xFF)
        return false;
    qint64 lastScan = -1;
    qint64 lastEnd = -1;
    for (qint64 i = 0; i + 1 < size; ++i) {
        if (bytes[i] != 0xFF)
            continue;
        if (bytes[i + 1] == 0xDA)
            lastScan = i;
        else if (bytes[i + 1] == 0xD9)
            lastEnd = i;
    }
    return lastEnd < lastScan;
}

bool isCut(QFile& file)
{
    const qint64 size = file.size();
    const uchar* bytes = file.map(0, size);
    if (!bytes)
        return false;
    const bool cut = isCutBitmap(bytes, size) || isCutJpeg(bytes, size);
    file.unmap(const_cast<uchar*>(bytes));
    return cut;
}

bool tooManyPixels(QSize size)
{
    return qint64(size.width()) * qint64(size.height()) > kMostPicturePixels;
}

} // namespace

std::optional<QImage> readPicture(const QString& path)
{
    // Only regular files: a pipe or a device would block the reader or never end.
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || info.size() <= 0)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (isCut(file))
        return std::nullopt;

    QImageReader::setAllocationLimit(kAllocationLimitMegabytes);
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (size.isValid() && (size.isEmpty() || tooManyPixels(size)))
        return std::nullopt;
    QImage image;
    if (!reader.read(&image) || image.isNull() || tooManyPixels(image.size()))
        return std::nullopt;
    return image;
}

bool QtPictures::canLoad(const QString& path) const
{
    return readPicture(path).has_value();
}

} // namespace qc
