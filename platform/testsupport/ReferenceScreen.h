#pragma once

#include <QImage>
#include <QString>
#include <gtest/gtest.h>

// Whether a rendered screen matches its reference image, a PNG in the source
// tree named by its path there ("go/window/tests/screens/start.png").
// Each channel of each pixel may differ by kReferenceScreenTolerance at most.
// On a mismatch the rendered image and a difference image (differing pixels
// red over a dimmed reference) are written to reference-screens/ in the
// test's working folder, and the message names them. With
// ORVA_UPDATE_REFERENCE_SCREENS=1 in the environment a rendering that does
// not match replaces its reference instead, and the test passes.
::testing::AssertionResult MatchesReferenceScreen(const QImage& rendered, const QString& referencePath);

inline constexpr int kReferenceScreenTolerance = 1;
