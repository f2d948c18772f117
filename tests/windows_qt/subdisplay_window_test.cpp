#include "subdisplay/qtsubdisplay.h"

#include "subdisplay/subdisplayhost.h"
#include "windows/windowflags.h"
#include "windows/windowmanager.h"
#include "windows/windowregistry.h"

#include "doubles/defaultsettings.h"
#include "doubles/fakescreen.h"
#include "doubles/fakewindows.h"
#include "platform/picturefiles.h"
#include "qtprinters.h"

#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace qc {
namespace {

using namespace subslot;

const QColor kRed(0xFF, 0, 0);
const QColor kBlue(0, 0, 0xFF);
const QColor kWhite(0xFF, 0xFF, 0xFF);

// 20 x 10 pixels: a red left quarter, the rest blue, so a mirror image cannot pass for it.
QImage asymmetricPicture()
{
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(kBlue);
    QPainter(&picture).fillRect(0, 0, 5, 10, kRed);
    return picture;
}

bool near(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) <= 2 && std::abs(a.green() - b.green()) <= 2
           && std::abs(a.blue() - b.blue()) <= 2;
}

// The sub display windows on the offscreen platform over their real logic; the window manager
// drives stand-ins of the same names, so what it does to them shows in the loader's log.
class SubDisplayWidgets : public ::testing::Test {
protected:
    std::unique_ptr<QtSubDisplay> open(int id)
    {
        windows.loadSubDisplay(id);
        auto window = std::make_unique<QtSubDisplay>(
            id, screen, SubDisplayLogic::Parts{id, settings, windows, flags, request, applied, host});
        window->logic().onLoad();
        return window;
    }

    QString write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    template <typename T = QWidget>
    T* child(QWidget& window, const char* name)
    {
        return window.findChild<T*>(QString::fromLatin1(name));
    }

    // The picture area as it shows on the screen.
    QImage shown(QtSubDisplay& window)
    {
        return child(window, "picSubPicture")->grab().toImage();
    }

    Settings settings = test::defaultSettings();
    test::FakeScreen screen{15360, 11520};
    test::FakeWindowLoader loader;
    WindowRegistry registry{loader};
    ShowStateRecords records;
    WindowManager windows{registry, records, settings, screen};
    WindowFlags flags;
    SubRequest request{};
    SubApplied applied{};
    SubDisplayHost host;
    QTemporaryDir dir;
};

TEST_F(SubDisplayWidgets, ControlsStartHidden)
{
    auto window = open(0);
    window->show();
    EXPECT_EQ(window->objectName(), "frmSb00");
    EXPECT_EQ(window->windowTitle(), "サブ表示０");
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(window->palette().color(QPalette::Window), kWhite);

    for (const char* name : {"picSubPicture", "picSubPictureLoad", "lblText", "lblCaption"}) {
        QWidget* control = child(*window, name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_FALSE(control->isVisible()) << name;
    }
    EXPECT_EQ(child(*window, "picSubPicture")->size(), QSize(137, 129));
    EXPECT_EQ(window->pictureArea().width, 2055);
    EXPECT_EQ(window->pictureArea().height, 1935);
    for (const char* name : {"lblText", "lblCaption"}) {
        auto* label = child<QLabel>(*window, name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->font().pointSize(), 20) << name;
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << name;
    }
    EXPECT_EQ(host.window(0), &window->logic());
}

TEST_F(SubDisplayWidgets, OnlyThreeAndFourMaximiseAndMinimise)
{
    const bool hasButtons[kSubDisplayCount] = {false, false, false, true, true};
    for (int id = 0; id < kSubDisplayCount; ++id) {
        auto window = open(id);
        const Qt::WindowFlags flags = window->windowFlags();
        EXPECT_EQ(window->objectName(), windowname::subDisplay(id));
        EXPECT_EQ(window->windowTitle(), subDisplayTitle(id));
        EXPECT_TRUE(flags & Qt::WindowCloseButtonHint) << id;
        EXPECT_TRUE(flags & Qt::WindowTitleHint) << id;
        EXPECT_EQ(bool(flags & Qt::WindowMaximizeButtonHint), hasButtons[id]) << id;
        EXPECT_EQ(bool(flags & Qt::WindowMinimizeButtonHint), hasButtons[id]) << id;
    }
}

TEST_F(SubDisplayWidgets, LabelsMeasureTheirTextAtOnce)
{
    auto window = open(0);  // never shown: the sizes must not wait for a showing
    for (const SubLabel which : {SubLabel::Text, SubLabel::Caption}) {
        auto* label = child<QLabel>(*window, which == SubLabel::Text ? "lblText" : "lblCaption");
        window->setLabelText(which, "Ab");
        const TwipSize small = window->labelSize(which);
        EXPECT_GT(small.width, 0);
        EXPECT_GT(small.height, 0);
        EXPECT_EQ(label->size(), label->sizeHint());

        window->setLabelText(which, "AbAbAbAbAbAbAbAbAbAb");
        const TwipSize wide = window->labelSize(which);
        EXPECT_GT(wide.width, small.width * 5);
        EXPECT_EQ(wide.height, small.height);

        window->setLabelText(which, "Ab\r\nAb");
        EXPECT_EQ(label->text(), "Ab\nAb");
        EXPECT_LT(window->labelSize(which).width, wide.width);
        EXPECT_GT(window->labelSize(which).height, small.height * 3 / 2);

        window->setLabelText(which, "Ab");
        window->setLabelFont(which, {kDefaultFontName, 40, false, false});
        const TwipSize big = window->labelSize(which);
        EXPECT_GT(big.width, small.width * 3 / 2);
        EXPECT_GT(big.height, small.height * 3 / 2);
        EXPECT_EQ(label->size(), label->sizeHint());

        window->setLabelFont(which, {kDefaultFontName, 40, true, true});
        EXPECT_TRUE(label->font().bold());
        EXPECT_TRUE(label->font().italic());
        window->setLabelColor(which, "00FF00");
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0xFF, 0));
    }
}

TEST_F(SubDisplayWidgets, ThePictureAreaCoversTheLabels)
{
    auto window = open(0);
    window->show();
    auto* text = child<QLabel>(*window, "lblText");
    window->setLabelText(SubLabel::Text, "WWWWWWWW");
    window->placeLabel(SubLabel::Text, 300, 300);
    window->setLabelVisible(SubLabel::Text, true);
    window->placePictureArea({150, 150, 3000, 3000});
    const QPoint inside = text->geometry().center();
    EXPECT_EQ(window->childAt(inside), text);
    window->setPictureAreaVisible(true);
    EXPECT_EQ(window->childAt(inside), child(*window, "picSubPicture"));
}

TEST_F(SubDisplayWidgets, PlacesThePictureAreaInTwips)
{
    auto window = open(0);
    const WindowRect placed{50, 65, 1234, 600};
    window->placePictureArea(placed);
    EXPECT_EQ(child(*window, "picSubPicture")->geometry(), QRect(3, 4, 82, 40));
    const WindowRect back = window->pictureArea();
    EXPECT_EQ(back.left, 50);
    EXPECT_EQ(back.top, 65);
    EXPECT_EQ(back.width, 1234);
    EXPECT_EQ(back.height, 600);
}

TEST_F(SubDisplayWidgets, LoadsAPictureAtItsNaturalSize)
{
    auto window = open(0);
    // 36 pixels are 540 twips, 952.5 HIMETRIC: the half goes to the even neighbour.
    ASSERT_TRUE(window->loadPicture(write("a.png", test::encodedPicture(test::noisePicture(36, 12), "png"))));
    const LoadedPicture loaded = window->loadedPicture();
    EXPECT_EQ(loaded.natural.width, 540);
    EXPECT_EQ(loaded.natural.height, 180);
    EXPECT_EQ(loaded.himetric.width, 952);
    EXPECT_EQ(loaded.himetric.height, 318);
    EXPECT_EQ(loaded.outer.width, 540);
    EXPECT_EQ(loaded.outer.height, 180);
    QWidget* loader = child(*window, "picSubPictureLoad");
    EXPECT_EQ(loader->size(), QSize(36, 12));
    window->show();
    EXPECT_FALSE(loader->isVisible());

    EXPECT_TRUE(window->loadPicture(""));
    EXPECT_EQ(window->loadedPicture().natural.width, 0);
    EXPECT_EQ(window->loadedPicture().himetric.height, 0);
    EXPECT_EQ(loader->size(), QSize(0, 0));
}

TEST_F(SubDisplayWidgets, AFileThatIsNoPictureEmptiesTheLoader)
{
    auto window = open(0);
    const QString good = write("good.png", test::encodedPicture(test::noisePicture(30, 20), "png"));
    const QByteArray png = test::encodedPicture(test::noisePicture(120, 90), "png");
    const QString bad[] = {
        dir.filePath("missing.png"),
        write("corrupt.png", QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(300, '\x5a')),
        write("cut.png", png.left(png.size() / 2)),
        write("huge.png", test::pngHeaderOnly(20000, 20000)),
        write("empty.jpg", {}),
    };
    for (const QString& path : bad) {
        ASSERT_TRUE(window->loadPicture(good));
        EXPECT_FALSE(window->loadPicture(path)) << path.toStdString();
        const LoadedPicture loaded = window->loadedPicture();
        EXPECT_EQ(loaded.natural.width, 0) << path.toStdString();
        EXPECT_EQ(loaded.outer.height, 0) << path.toStdString();
        EXPECT_EQ(child(*window, "picSubPictureLoad")->size(), QSize(0, 0));
        // Nothing is left to draw.
        window->placePictureArea({0, 0, 600, 600});
        window->drawPicture({450, 300}, false);
        EXPECT_EQ(shown(*window).pixelColor(5, 5), kWhite) << path.toStdString();
    }
}

TEST_F(SubDisplayWidgets, AMirroredPictureCoversTheSameAreaReversed)
{
    auto window = open(0);
    ASSERT_TRUE(window->loadPicture(write("a.png", test::encodedPicture(asymmetricPicture(), "png"))));
    window->show();
    window->placePictureArea({50, 50, 900, 450});  // 60 x 30 pixels
    window->setPictureAreaVisible(true);

    window->drawPicture({600, 300}, false);  // 40 x 20 pixels, twice the natural size
    const QImage plain = shown(*window);
    window->drawPicture({600, 300}, true);
    const QImage mirrored = shown(*window);
    ASSERT_EQ(plain.size(), QSize(60, 30));
    ASSERT_EQ(mirrored.size(), plain.size());

    EXPECT_TRUE(near(plain.pixelColor(1, 10), kRed));
    EXPECT_TRUE(near(plain.pixelColor(38, 10), kBlue));
    int mismatches = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 60; ++x) {
            if (x < 40 && y < 20) {
                mismatches += !near(mirrored.pixelColor(x, y), plain.pixelColor(39 - x, y));
            } else {
                mismatches += plain.pixelColor(x, y) != kWhite;
                mismatches += mirrored.pixelColor(x, y) != kWhite;
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST_F(SubDisplayWidgets, APictureLargerThanTheAreaShowsFromItsTopLeft)
{
    auto window = open(0);
    ASSERT_TRUE(window->loadPicture(write("a.png", test::encodedPicture(asymmetricPicture(), "png"))));
    window->show();
    window->placePictureArea({50, 50, 300, 150});  // 20 x 10 pixels
    window->setPictureAreaVisible(true);
    // Ten times the natural size: the red quarter alone covers the area, mirrored the blue.
    window->drawPicture({3000, 1500}, false);
    const QImage plain = shown(*window);
    window->drawPicture({3000, 1500}, true);
    const QImage mirrored = shown(*window);
    for (const QPoint point : {QPoint(0, 0), QPoint(19, 9), QPoint(10, 5)}) {
        EXPECT_TRUE(near(plain.pixelColor(point), kRed)) << point.x() << "," << point.y();
        EXPECT_TRUE(near(mirrored.pixelColor(point), kBlue)) << point.x() << "," << point.y();
    }
}

TEST_F(SubDisplayWidgets, TheDrawingStaysUntilDrawnOverOrCleared)
{
    auto window = open(0);
    ASSERT_TRUE(window->loadPicture(write("a.png", test::encodedPicture(asymmetricPicture(), "png"))));
    window->show();
    window->placePictureArea({50, 50, 900, 450});
    window->setPictureAreaVisible(true);
    window->drawPicture({300, 150}, false);

    // A new background shows around the picture at once and leaves the picture be.
    window->setBackColor("000080");
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(0, 0, 0x80));
    QImage image = shown(*window);
    EXPECT_TRUE(near(image.pixelColor(1, 5), kRed));
    EXPECT_EQ(image.pixelColor(50, 25), QColor(0, 0, 0x80));

    // Hidden and shown again, uncovered by a larger area: still there.
    window->hide();
    window->placePictureArea({50, 50, 1500, 900});
    window->show();
    image = shown(*window);
    EXPECT_TRUE(near(image.pixelColor(1, 5), kRed));
    EXPECT_TRUE(near(image.pixelColor(18, 5), kBlue));
    EXPECT_EQ(image.pixelColor(90, 50), QColor(0, 0, 0x80));

    window->clearPictureArea();
    image = shown(*window);
    EXPECT_EQ(image.pixelColor(1, 5), QColor(0, 0, 0x80));
    EXPECT_EQ(image.pixelColor(18, 5), QColor(0, 0, 0x80));
}

TEST_F(SubDisplayWidgets, ACaptionClickOnlyBringsTheWindowBack)
{
    auto window = open(0);
    applied[Text] = "words";
    applied[Caption] = "caption";
    window->logic().setLabelText(SubLabel::Text, "words");
    window->logic().setLabelText(SubLabel::Caption, "caption");
    window->setPictureAreaVisible(true);
    window->show();
    // Outer sizes, frame included.
    const QSize natural(toPixels(window->logic().subDisplayWidth(), screen),
                        toPixels(window->logic().subDisplayHeight(), screen));
    const QSize dragged(toPixels(9000, screen), toPixels(7000, screen));
    ASSERT_NE(natural, dragged);

    const struct {
        const char* name;
        Qt::MouseButton button;
        bool fits;      // back to the natural size
        bool onScreen;  // pulled back onto the screen
    } cases[] = {
        {"lblCaption", Qt::LeftButton, false, true}, {"lblCaption", Qt::RightButton, false, false},
        {"lblText", Qt::LeftButton, true, true},     {"lblText", Qt::RightButton, false, false},
        {"picSubPicture", Qt::LeftButton, true, true}, {"frmSb00", Qt::LeftButton, true, true},
    };
    for (const auto& c : cases) {
        window->resizeTo(9000, 7000);
        ASSERT_EQ(window->frameGeometry().size(), dragged) << c.name;
        loader.rects["frmSb00"] = {-3000, 200, 3000, 3000};
        loader.log.clear();
        QWidget* target = std::strcmp(c.name, "frmSb00") == 0 ? window.get() : child(*window, c.name);
        ASSERT_NE(target, nullptr) << c.name;
        QTest::mouseClick(target, c.button, {}, QPoint(2, 2));
        EXPECT_EQ(window->frameGeometry().size(), c.fits ? natural : dragged) << c.name << " " << c.button;
        EXPECT_EQ(loader.log.contains("frmSb00.move 0 200"), c.onScreen) << c.name << " " << c.button;
    }
}

TEST_F(SubDisplayWidgets, KeysReachTheWindowFirst)
{
    auto window = open(0);
    window->show();
    window->setPictureAreaVisible(true);
    QWidget* control = child(*window, "picSubPicture");
    loader.log.clear();

    QTest::keyClick(control, 'C');
    EXPECT_TRUE(loader.log.isEmpty()) << loader.log.join(", ").toStdString();
    QTest::keyClick(control, 'c');
    EXPECT_TRUE(loader.log.contains("frmMi02.show")) << loader.log.join(", ").toStdString();
    EXPECT_TRUE(loader.log.contains("frmMi01.show")) << loader.log.join(", ").toStdString();
    EXPECT_FALSE(flags.quitting);

    QTest::keyClick(control, Qt::Key_Escape);
    EXPECT_TRUE(flags.quitting);
}

// The layout rule with Qt's own measurements: a text sizes the window, within 2000 x 1500
// twips and 95 % of the screen; the caption keeps a band at the bottom, the text centred above.
TEST_F(SubDisplayWidgets, TheWindowFollowsItsTextWithinItsLimits)
{
    auto window = open(0);
    SubDisplayLogic& logic = window->logic();
    window->show();
    const auto set = [&](SubLabel label, std::size_t slot, const QString& text) {
        applied[slot] = text;
        logic.setLabelText(label, text);
    };

    set(SubLabel::Text, Text, QStringLiteral("Hi"));
    const TwipSize small = window->labelSize(SubLabel::Text);
    EXPECT_EQ(window->rect().width, 2000);               // never narrower
    EXPECT_EQ(window->rect().height, std::max(1500, small.height + settings.winTuneHeight + 500));

    const QString line(15, u'M');
    set(SubLabel::Text, Text, line + QStringLiteral("\r\n") + line);
    const TwipSize measured = window->labelSize(SubLabel::Text);
    EXPECT_GT(measured.width, 2000);
    EXPECT_EQ(window->rect().width, measured.width + settings.winTuneWidth + 500);
    EXPECT_EQ(window->rect().height, measured.height + settings.winTuneHeight + 500);

    set(SubLabel::Text, Text, QString(400, u'M'));
    EXPECT_EQ(window->rect().width, 14592);              // 95 % of the screen

    set(SubLabel::Text, Text, QStringLiteral("Centred"));
    set(SubLabel::Caption, Caption, QStringLiteral("Caption"));
    logic.resizeWindow(9000, 6000);
    auto* text = child<QLabel>(*window, "lblText");
    auto* caption = child<QLabel>(*window, "lblCaption");
    ASSERT_TRUE(text && caption);
    EXPECT_TRUE(text->isVisible());
    EXPECT_TRUE(caption->isVisible());
    // Within a pixel of the rule's places, the caption below the text.
    const TwipSize captionSize = window->labelSize(SubLabel::Caption);
    const int band = captionSize.height + 200;
    EXPECT_EQ(logic.layout().captionBandHeight, band);
    const int captionTop = 6000 - captionSize.height - settings.winTuneHeight;
    EXPECT_NEAR(caption->y() * 15, captionTop, 15);
    const TwipSize textSize = window->labelSize(SubLabel::Text);
    EXPECT_NEAR(text->y() * 15, (6000 - textSize.height - band - settings.winTuneHeight) / 2 + 50, 15);
    EXPECT_LT(text->y(), caption->y());
}

} // namespace
} // namespace qc
