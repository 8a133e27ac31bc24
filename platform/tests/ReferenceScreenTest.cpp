#include "platform/testsupport/ReferenceScreen.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A comparison that can fail, and whose failure leaves the images it names.
TEST(ScreenComparison, ToleratesRoundingOnlyAndLeavesTheImagesItNames)
{
    QTemporaryDir source;
    const QByteArray sourceBefore = qgetenv("ORVA_SOURCE_DIR");
    const QByteArray updateBefore = qgetenv("ORVA_UPDATE_REFERENCE_SCREENS");
    qputenv("ORVA_SOURCE_DIR", source.path().toUtf8());
    qunsetenv("ORVA_UPDATE_REFERENCE_SCREENS");
    QImage reference(40, 30, QImage::Format_RGB32);
    reference.fill(qRgb(100, 150, 200));
    ASSERT_TRUE(QDir().mkpath(source.path() + QStringLiteral("/screens")));
    ASSERT_TRUE(reference.save(source.path() + QStringLiteral("/screens/plain.png")));

    QImage shown = reference;
    shown.setPixel(3, 4, qRgb(101, 149, 201));
    EXPECT_TRUE(MatchesReferenceScreen(shown, QStringLiteral("screens/plain.png")));
    shown.setPixel(5, 6, qRgb(100, 152, 200));
    const testing::AssertionResult result = MatchesReferenceScreen(shown, QStringLiteral("screens/plain.png"));
    ASSERT_FALSE(result);
    const QString rendered = QDir::current().absoluteFilePath(QStringLiteral("reference-screens/plain.rendered.png"));
    const QString difference
        = QDir::current().absoluteFilePath(QStringLiteral("reference-screens/plain.difference.png"));
    EXPECT_TRUE(QString::fromUtf8(result.message())
                    .startsWith(QStringLiteral("1 pixels differ from screens/plain.png, the first at (5, 6)")))
        << result.message();
    EXPECT_TRUE(QString::fromUtf8(result.message()).contains(rendered)) << result.message();
    EXPECT_EQ(QImage(rendered).convertToFormat(QImage::Format_RGB32), shown);
    const QImage marked = QImage(difference);
    EXPECT_EQ(marked.pixel(5, 6), qRgb(255, 0, 0));
    EXPECT_EQ(marked.pixel(3, 4), qRgb(25, 37, 50));
    EXPECT_FALSE(MatchesReferenceScreen(shown.copy(0, 0, 40, 29), QStringLiteral("screens/plain.png")));
    EXPECT_FALSE(MatchesReferenceScreen(shown, QStringLiteral("screens/missing.png")));
    qputenv("ORVA_SOURCE_DIR", sourceBefore);
    qputenv("ORVA_UPDATE_REFERENCE_SCREENS", updateBefore);
}

} // namespace
