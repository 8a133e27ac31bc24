#include "notebook/storage/PoemList.h"
#include "notebook/storage/tests/DeviceFixture.h"

#include <QDir>
#include <QImage>

#include <vector>

namespace {

// The picture rectangle of the notebook's left-hand page.
const QRect kRect(QPoint(40, 82), QPoint(339, 407));
const QColor kGrey(128, 128, 128);

class PoemList : public DeviceFixture {
protected:
    void SetUp() override
    {
        DeviceFixture::SetUp();
        // Only the pictures a test makes, none of the built-in ones.
        m_savedAssets = qgetenv("ORVA_ASSETS_DIR");
        qputenv("ORVA_ASSETS_DIR", QFile::encodeName(m_dir.filePath(QStringLiteral("assets"))));
        QDir().mkpath(HostPath(QStringLiteral("\\Orva\\Poem")));
    }

    void TearDown() override
    {
        qputenv("ORVA_ASSETS_DIR", m_savedAssets);
        DeviceFixture::TearDown();
    }

    // A bitmap whose top-left part, of the rectangle's size, is red and the
    // rest blue.
    void MakePicture(const QString& name, int width, int height)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::blue);
        for (int y = 0; y < std::min(height, kRect.height()); ++y)
            for (int x = 0; x < std::min(width, kRect.width()); ++x)
                image.setPixelColor(x, y, Qt::red);
        ASSERT_TRUE(image.save(HostPath(QStringLiteral("\\Orva\\Poem\\") + name), "BMP"));
    }

    static CPoemList::RandomSource Sequence(std::vector<int> values)
    {
        auto next = std::make_shared<std::size_t>(0);
        return [values, next] { return values[(*next)++ % values.size()]; };
    }

    static QString NameOf(const CPoemPicture* picture)
    {
        return picture ? picture->GetPath().section(u'\\', -1) : QStringLiteral("none");
    }

    // Draws picture on a grey surface; returns the surface.
    static QImage DrawOnSurface(const CPoemPicture& picture)
    {
        QImage surface(800, 480, QImage::Format_RGB32);
        surface.fill(kGrey);
        QPainter painter(&surface);
        picture.Draw(painter, kRect);
        return surface;
    }

    // Expects the rectangle white except for the red block, and grey around it.
    static void ExpectRedBlock(const QImage& surface, const QRect& block)
    {
        for (int y = 0; y < surface.height(); y += 1)
            for (int x = 0; x < surface.width(); x += 1) {
                const QColor expected = block.contains(x, y) ? QColor(Qt::red)
                    : kRect.contains(x, y)                    ? QColor(Qt::white)
                                                              : kGrey;
                if (surface.pixelColor(x, y) != expected) {
                    ADD_FAILURE() << "pixel (" << x << ", " << y << ")";
                    return;
                }
            }
    }

    QByteArray m_savedAssets;
};

TEST_F(PoemList, DealsTheOrderByTheExchangeRule)
{
    for (const char* name : { "a.bmp", "b.bmp", "c.bmp", "d.bmp" })
        MakePicture(QString::fromLatin1(name), 4, 4);
    // [0 1 2 3] -> swap 0,3 -> swap 1,0 -> swap 2,1 -> swap 3,0 = [0 2 3 1]
    CPoemList poems(Sequence({ 32767, 0, 16384, 10000 }));
    poems.Load(QStringLiteral("Poem"));
    ASSERT_EQ(poems.GetCount(), 4);
    EXPECT_EQ(NameOf(poems.GetAt(0)), QStringLiteral("a.bmp"));
    EXPECT_EQ(NameOf(poems.GetAt(1)), QStringLiteral("c.bmp"));
    EXPECT_EQ(NameOf(poems.GetAt(2)), QStringLiteral("d.bmp"));
    EXPECT_EQ(NameOf(poems.GetAt(3)), QStringLiteral("b.bmp"));
    EXPECT_EQ(poems.GetAt(0)->GetPath(), QStringLiteral("\\Orva\\Poem\\a.bmp"));
}

TEST_F(PoemList, PagesCycleThroughThePlaces)
{
    for (const char* name : { "a.bmp", "b.bmp", "c.bmp" })
        MakePicture(QString::fromLatin1(name), 4, 4);
    // [0 1 2] -> swap 0,1 -> [1 0 2] -> swap 1,2 -> [1 2 0] -> swap 2,0 -> [0 2 1]
    CPoemList poems(Sequence({ 16384, 32767, 0 }));
    poems.Load(QStringLiteral("Poem"));
    QStringList shown;
    for (int page = 0; page < 5; ++page)
        shown << NameOf(poems.GetAt(page));
    EXPECT_EQ(shown, (QStringList { "a.bmp", "c.bmp", "b.bmp", "a.bmp", "c.bmp" }));
}

TEST_F(PoemList, OnePictureOnEveryPage)
{
    MakePicture(QStringLiteral("only.bmp"), 4, 4);
    CPoemList poems(Sequence({ 32767 }));
    poems.Load(QStringLiteral("Poem"));
    for (int page = 0; page < 4; ++page)
        EXPECT_EQ(NameOf(poems.GetAt(page)), QStringLiteral("only.bmp"));
}

TEST_F(PoemList, NoPicturesGiveNone)
{
    CPoemList poems(Sequence({ 0 }));
    poems.Load(QStringLiteral("Poem"));
    EXPECT_EQ(poems.GetAt(0), nullptr);
    poems.Load(QStringLiteral("Missing"));
    EXPECT_EQ(poems.GetAt(0), nullptr);
    MakePicture(QStringLiteral("a.bmp"), 4, 4);
    poems.Load(QString());
    EXPECT_EQ(poems.GetAt(0), nullptr);
    poems.Load(QStringLiteral("Poem"));
    EXPECT_EQ(poems.GetAt(-1), nullptr);
    EXPECT_NE(poems.GetAt(0), nullptr);
}

TEST_F(PoemList, WideBitmapIsCutAtTheRightEdge)
{
    MakePicture(QStringLiteral("wide.bmp"), 400, 50);
    CPoemPicture picture;
    ASSERT_TRUE(picture.SetPath(QStringLiteral("\\Orva\\Poem\\wide.bmp")));
    ExpectRedBlock(DrawOnSurface(picture), QRect(40, 358, 300, 50));
}

TEST_F(PoemList, TallBitmapIsCutAtTheBottomEdge)
{
    MakePicture(QStringLiteral("tall.bmp"), 100, 400);
    CPoemPicture picture;
    picture.SetPath(QStringLiteral("\\Orva\\Poem\\tall.bmp"));
    ExpectRedBlock(DrawOnSurface(picture), QRect(140, 82, 100, 326));
}

TEST_F(PoemList, SmallBitmapStandsCentredOnTheBottomEdge)
{
    MakePicture(QStringLiteral("small.bmp"), 51, 20);
    CPoemPicture picture;
    picture.SetPath(QStringLiteral("\\Orva\\Poem\\small.bmp"));
    ExpectRedBlock(DrawOnSurface(picture), QRect(40 + 124, 388, 51, 20));
}

TEST_F(PoemList, FolderNamedLikeABitmapLeavesTheRectangleWhite)
{
    QDir().mkpath(HostPath(QStringLiteral("\\Orva\\Poem\\x.bmp")));
    CPoemList poems(Sequence({ 0 }));
    poems.Load(QStringLiteral("Poem"));
    ASSERT_EQ(poems.GetCount(), 1);
    ExpectRedBlock(DrawOnSurface(*poems.GetAt(0)), QRect());
}

TEST_F(PoemList, RemovedPictureLeavesTheRectangleWhite)
{
    MakePicture(QStringLiteral("gone.bmp"), 10, 10);
    CPoemList poems(Sequence({ 0 }));
    poems.Load(QStringLiteral("Poem"));
    QFile::remove(HostPath(QStringLiteral("\\Orva\\Poem\\gone.bmp")));
    ExpectRedBlock(DrawOnSurface(*poems.GetAt(0)), QRect());
}

} // namespace
