#include "platform/testsupport/ReferenceScreen.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <cstdlib>

namespace {

bool PixelsMatch(QRgb shown, QRgb reference)
{
    return std::abs(qRed(shown) - qRed(reference)) <= kReferenceScreenTolerance
        && std::abs(qGreen(shown) - qGreen(reference)) <= kReferenceScreenTolerance
        && std::abs(qBlue(shown) - qBlue(reference)) <= kReferenceScreenTolerance;
}

std::string Hex(QRgb pixel)
{
    return QColor(pixel).name().toStdString();
}

// The reference at a quarter of its brightness, so that the red stands out
// and the place of each difference can still be told.
QImage DifferenceImage(const QImage& shown, const QImage& reference)
{
    QImage difference(reference.size(), QImage::Format_RGB32);
    for (int y = 0; y < reference.height(); ++y) {
        for (int x = 0; x < reference.width(); ++x) {
            const QRgb pixel = reference.pixel(x, y);
            difference.setPixel(x, y,
                PixelsMatch(shown.pixel(x, y), pixel) ? qRgb(qRed(pixel) / 4, qGreen(pixel) / 4, qBlue(pixel) / 4)
                                                      : qRgb(255, 0, 0));
        }
    }
    return difference;
}

// Saves image under the test's working folder and returns the path it got.
QString SaveBeside(const QImage& image, const QString& referencePath, const char* kind)
{
    const QString folder = QDir::current().absoluteFilePath(QStringLiteral("reference-screens"));
    QDir().mkpath(folder);
    const QString path = folder + u'/' + QFileInfo(referencePath).completeBaseName() + u'.' + QLatin1String(kind)
        + QStringLiteral(".png");
    return image.save(path) ? path : QStringLiteral("(could not write %1)").arg(path);
}

::testing::AssertionResult Replace(const QImage& shown, const QString& file, const QString& referencePath)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    if (!shown.save(file))
        return ::testing::AssertionFailure() << "could not write the reference " << referencePath.toStdString();
    return ::testing::AssertionSuccess() << "wrote " << referencePath.toStdString();
}

} // namespace

::testing::AssertionResult MatchesReferenceScreen(const QImage& rendered, const QString& referencePath)
{
    const QString sourceDir = qEnvironmentVariable("ORVA_SOURCE_DIR");
    if (sourceDir.isEmpty())
        return ::testing::AssertionFailure() << "ORVA_SOURCE_DIR names no source tree";
    const QString file = sourceDir + u'/' + referencePath;
    const QImage shown = rendered.convertToFormat(QImage::Format_RGB32);
    const QImage reference = QImage(file).convertToFormat(QImage::Format_RGB32);
    const bool update = qEnvironmentVariable("ORVA_UPDATE_REFERENCE_SCREENS") == u"1";

    if (reference.size() != shown.size()) {
        if (update)
            return Replace(shown, file, referencePath);
        auto failure = ::testing::AssertionFailure();
        if (reference.isNull())
            failure << "no reference image " << referencePath.toStdString();
        else
            failure << referencePath.toStdString() << " is " << reference.width() << " by " << reference.height()
                    << ", the screen " << shown.width() << " by " << shown.height();
        return failure << "; rendered: " << SaveBeside(shown, referencePath, "rendered").toStdString();
    }
    int differing = 0;
    QPoint first;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (!PixelsMatch(shown.pixel(x, y), reference.pixel(x, y)) && differing++ == 0)
                first = QPoint(x, y);
        }
    }
    if (differing == 0)
        return ::testing::AssertionSuccess();
    if (update)
        return Replace(shown, file, referencePath);
    return ::testing::AssertionFailure()
        << differing << " pixels differ from " << referencePath.toStdString() << ", the first at (" << first.x() << ", "
        << first.y() << "): " << Hex(shown.pixel(first)) << " for " << Hex(reference.pixel(first))
        << "; rendered: " << SaveBeside(shown, referencePath, "rendered").toStdString()
        << ", difference: " << SaveBeside(DifferenceImage(shown, reference), referencePath, "difference").toStdString();
}
