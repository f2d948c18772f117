#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <QtEndian>

#include <cstdint>

namespace qc::test {

// Picture files made on the spot: well-formed ones in Qt's own encodings, and hand-made
// awkward ones.

inline QByteArray encodedPicture(const QImage& picture, const char* format)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    return writer.write(picture) ? buffer.data() : QByteArray();
}

// Noise does not compress, so a JPEG of it keeps coded data to the end of the file.
inline QImage noisePicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    std::uint32_t seed = 12345;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            seed = seed * 1103515245u + 12345u;
            picture.setPixel(x, y, seed >> 8);
        }
    }
    return picture;
}

inline std::uint32_t pngCrc(const QByteArray& bytes)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= std::uint8_t(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc ^ 0xFFFFFFFFu;
}

inline QByteArray pngChunk(const char* type, const QByteArray& data)
{
    QByteArray chunk(4, '\0');
    qToBigEndian(std::uint32_t(data.size()), chunk.data());
    const QByteArray typed = QByteArray(type, 4) + data;
    QByteArray crc(4, '\0');
    qToBigEndian(pngCrc(typed), crc.data());
    return chunk + typed + crc;
}

// A PNG whose header claims the size given and which holds no image data at all.
inline QByteArray pngHeaderOnly(std::uint32_t width, std::uint32_t height)
{
    QByteArray header(13, '\0');
    qToBigEndian(width, header.data());
    qToBigEndian(height, header.data() + 4);
    header[8] = 8;  // bits per channel
    header[9] = 6;  // RGBA
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) + pngChunk("IEND", {});
}

// A 2 x 2 bitmap compressed with 8-bit run lengths, as .rle files are: the bottom row black,
// the top row white.
inline QByteArray runLengthBitmap()
{
    const unsigned char bytes[] = {
        'B', 'M', 72, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0,        // file header: size 72, data at 62
        40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 8, 0,      // 2 x 2, one plane, 8 bits
        1, 0, 0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,      // RLE8, 10 bytes of data
        2, 0, 0, 0, 2, 0, 0, 0,                               // two colours
        0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0,                      // black, white
        2, 0, 0, 0, 2, 1, 0, 0, 0, 1,                         // 2 x colour 0, end of line, 2 x colour 1, ...
    };
    return QByteArray(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

// A 1 x 1 GIF.
inline QByteArray tinyGif()
{
    const unsigned char bytes[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00,
                                   0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x21, 0xF9, 0x04, 0x01, 0x00, 0x00, 0x00,
                                   0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x02, 0x02,
                                   0x44, 0x01, 0x00, 0x3B};
    return QByteArray(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

// The start of a placeable Windows metafile, which Qt has no reader for.
inline QByteArray metafileStart()
{
    const unsigned char bytes[] = {0xD7, 0xCD, 0xC6, 0x9A, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xE8, 0x03, 0xE8,
                                   0x03, 0xA0, 0x05, 0x00, 0x00, 0x00, 0x00, 0xB1, 0x52, 0x01, 0x00, 0x09, 0x00,
                                   0x00, 0x03, 0x0A, 0x00, 0x00, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x00};
    return QByteArray(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

} // namespace qc::test
