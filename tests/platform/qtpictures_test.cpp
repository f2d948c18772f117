#include "platform/desktop/qtpictures.h"

#include "platform/picturefiles.h"
#include "qtprinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace qc {
namespace {

class DesktopPictures : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    QTemporaryDir dir;
    QtPictures pictures;
};

TEST_F(DesktopPictures, ReadsEachAcceptedKindByItsContent)
{
    const QImage picture = test::noisePicture(40, 30);
    const QByteArray png = test::encodedPicture(picture, "png");
    const QByteArray jpeg = test::encodedPicture(picture, "jpg");
    const QByteArray bitmap = test::encodedPicture(picture, "bmp");
    const struct {
        const char* name;
        QByteArray bytes;
        QSize size;
    } cases[] = {
        {"a.png", png, {40, 30}},
        {"a.jpg", jpeg, {40, 30}},
        {"a.jpe", jpeg, {40, 30}},
        {"a.JPEG", jpeg, {40, 30}},
        {"a.bmp", bitmap, {40, 30}},
        {"a.dib", bitmap, {40, 30}},
        {"a.rle", test::runLengthBitmap(), {2, 2}},
        {"a.gif", test::tinyGif(), {1, 1}},
        {"a.ico", test::encodedPicture(picture, "ico"), {40, 30}},
        {"a.cur", test::encodedPicture(picture, "cur"), {40, 30}},
        {"png-really.jpg", png, {40, 30}},
        {"no-extension", png, {40, 30}},
    };
    for (const auto& c : cases) {
        ASSERT_FALSE(c.bytes.isEmpty()) << c.name;
        const QString path = write(QString::fromLatin1(c.name), c.bytes);
        const std::optional<QImage> read = readPicture(path);
        ASSERT_TRUE(read.has_value()) << c.name;
        EXPECT_EQ(read->size(), c.size) << c.name;
        EXPECT_TRUE(pictures.canLoad(path)) << c.name;
    }
}

TEST_F(DesktopPictures, TheRunLengthBitmapDecodesRowByRow)
{
    const std::optional<QImage> read = readPicture(write("a.rle", test::runLengthBitmap()));
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(read->pixelColor(1, 1), QColor(Qt::black));
}

TEST_F(DesktopPictures, RefusesWhatIsNotAWholePicture)
{
    const QImage picture = test::noisePicture(120, 90);
    const QByteArray png = test::encodedPicture(picture, "png");
    const QByteArray jpeg = test::encodedPicture(picture, "jpg");
    const QByteArray bitmap = test::encodedPicture(picture, "bmp");
    const QByteArray icon = test::encodedPicture(test::noisePicture(40, 30), "ico");
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"empty.png", {}},
        {"words.png", "this is not a picture at all"},
        {"zeros.bmp", QByteArray(4096, '\0')},
        {"cut.png", png.left(png.size() / 2)},
        {"nearly.png", png.left(png.size() - 20)},
        {"cut.jpg", jpeg.left(jpeg.size() * 6 / 10)},
        {"nearly.jpg", jpeg.left(jpeg.size() - 2)},
        {"cut.bmp", bitmap.left(bitmap.size() * 9 / 10)},
        {"cut.ico", icon.left(icon.size() / 2)},
        {"headeronly.png", test::pngHeaderOnly(20000, 20000)},
        {"widest.png", test::pngHeaderOnly(0x7FFFFFFF, 1)},
        {"zero.png", test::pngHeaderOnly(0, 0)},
        {"drawing.wmf", test::metafileStart()},
    };
    for (const auto& c : cases) {
        const QString path = write(QString::fromLatin1(c.name), c.bytes);
        EXPECT_FALSE(readPicture(path).has_value()) << c.name;
        EXPECT_FALSE(pictures.canLoad(path)) << c.name;
    }
}

TEST_F(DesktopPictures, RefusesPathsThatAreNoReadableFile)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("pipe.png")).constData(), 0600), 0);
    const QString unreadable = write("locked.png", test::encodedPicture(test::noisePicture(4, 4), "png"));
    QFile::setPermissions(unreadable, QFileDevice::Permissions());
    const bool rootReadsAnyway = QFile(unreadable).open(QIODevice::ReadOnly);

    // A pipe would block its reader until a writer came; a device would never end.
    for (const QString& path : {QString(), dir.filePath("missing.png"), dir.path(), dir.filePath("pipe.png"),
                                QStringLiteral("/dev/zero")}) {
        EXPECT_FALSE(pictures.canLoad(path)) << path.toStdString();
    }
    if (!rootReadsAnyway) {
        EXPECT_FALSE(pictures.canLoad(unreadable));
    }
}

// The size is judged from the header; the limit is 64 million pixels.
TEST_F(DesktopPictures, TakesPicturesUpToTheMostPixels)
{
    QImage largest(8000, 8000, QImage::Format_Mono);
    largest.fill(0);
    const QString atLimit = write("largest.png", test::encodedPicture(largest, "png"));
    QImage wider(8001, 8000, QImage::Format_Mono);
    wider.fill(0);
    const QString overLimit = write("wider.png", test::encodedPicture(wider, "png"));

    const std::optional<QImage> read = readPicture(atLimit);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->size(), QSize(8000, 8000));
    EXPECT_FALSE(readPicture(overLimit).has_value());
}

} // namespace
} // namespace qc
