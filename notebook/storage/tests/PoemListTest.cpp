#include "notebook/storage/PoemList.h"
#include "shell/tests/ShellEnvironment.h"

#include <QDir>
#include <QImage>

#include <vector>

namespace {

// The picture rectangle of the notebook's left-hand page.
const QRect kRect(QPoint(40, 82), QPoint(339, 407));
const QColor kGrey(128, 128, 128);

class PoemList : public BareShellEnvironment {
protected:
    // A bitmap whose top-left part, of the rectangle's size, is red and the rest blue.
    void MakePicture(const QString& name, int width = 4, int height = 4)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::blue);
        QPainter(&image).fillRect(0, 0, kRect.width(), kRect.height(), Qt::red);
        QDir().mkpath(HostPath(QStringLiteral("\\Orva\\Poem")));
        ASSERT_TRUE(image.save(HostPath(QStringLiteral("\\Orva\\Poem\\") + name), "BMP"));
    }

    // Pictures of the Poem folder dealt by the given random draws.
    static std::unique_ptr<CPoemList> Deal(std::vector<int> draws)
    {
        auto next = std::make_shared<std::size_t>(0);
        auto poems = std::make_unique<CPoemList>([draws, next] { return draws[(*next)++ % draws.size()]; });
        poems->Load(QStringLiteral("Poem"));
        return poems;
    }

    // Expects the rectangle white except for the red block, and grey around
    // it, once picture is drawn on a grey surface.
    static void ExpectRedBlock(const CPoemPicture& picture, const QRect& block)
    {
        QImage surface(800, 480, QImage::Format_RGB32);
        surface.fill(kGrey);
        QPainter painter(&surface);
        picture.Draw(painter, kRect);
        for (int y = 0; y < surface.height(); ++y)
            for (int x = 0; x < surface.width(); ++x) {
                const QColor expected = block.contains(x, y) ? QColor(Qt::red)
                    : kRect.contains(x, y)                   ? QColor(Qt::white)
                                                             : kGrey;
                if (surface.pixelColor(x, y) != expected) {
                    ADD_FAILURE() << "pixel (" << x << ", " << y << ")";
                    return;
                }
            }
    }
};

TEST_F(PoemList, DealsTheOrderByTheExchangeRuleAndPagesCycleThroughIt)
{
    EXPECT_EQ(Deal({ 0 })->GetAt(0), nullptr) << "no pictures";
    const struct {
        int count;
        std::vector<int> draws;
        const char* pages;
    } cases[] = {
        // [0 1 2 3] -> swap 0,3 -> swap 1,0 -> swap 2,1 -> swap 3,0 = [0 2 3 1]
        { 4, { 32767, 0, 16384, 10000 }, "acdbacdb" },
        { 1, { 32767 }, "aaaaaaaa" },
    };
    for (const auto& c : cases) {
        QDir(HostPath(QStringLiteral("\\Orva\\Poem"))).removeRecursively();
        for (int i = 0; i < c.count; ++i)
            MakePicture(QChar(u'a' + i) + QStringLiteral(".bmp"));
        const auto poems = Deal(c.draws);
        ASSERT_EQ(poems->GetCount(), c.count);
        QString pages;
        for (int page = 0; page < 8; ++page)
            pages += poems->GetAt(page)->GetPath().section(u'\\', -1).at(0);
        EXPECT_EQ(pages, QString::fromLatin1(c.pages));
    }
}

TEST_F(PoemList, BitmapStandsCentredOnTheBottomEdgeCutToTheRectangle)
{
    const struct {
        int width;
        int height;
        QRect block;
    } cases[] = { { 400, 50, QRect(40, 358, 300, 50) }, { 100, 400, QRect(140, 82, 100, 326) },
        { 51, 20, QRect(40 + 124, 388, 51, 20) } };
    for (const auto& c : cases) {
        MakePicture(QStringLiteral("p.bmp"), c.width, c.height);
        CPoemPicture picture;
        ASSERT_TRUE(picture.SetPath(QStringLiteral("\\Orva\\Poem\\p.bmp")));
        ExpectRedBlock(picture, c.block);
    }
}

} // namespace
