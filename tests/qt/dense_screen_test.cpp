// The window at 200 % (QT_SCALE_FACTOR=2, set by main): the globe is the double-size picture drawn
// at the screen's own pixels, not the design picture blown up.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <filesystem>

#include "tests/runner/qt/qt_backend.hpp"
#include "tests/support/temporary_folder.hpp"
#include "window/qt/canvas.hpp"

namespace tarvel {
namespace {

// The share of the canvas's device pixels that are exactly the picture's pixels at the same place.
double shareOfPixelsFrom(const QImage& shown, const QImage& picture) {
  long same = 0;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x)
      same += shown.pixel(x, y) == picture.pixel(x, y);
  }
  return static_cast<double>(same) / (static_cast<double>(shown.width()) * shown.height());
}

TEST(DenseScreenTest, GlobeIsDrawnFromTheDoubleSizePicture) {
  const test_support::TemporaryFolder folder;
  scenarios::ScriptedToolkitPlatform platform;
  platform.folders = {folder.path(), folder.path() / "user"};
  WinDurOzirozador window{platform};
  qt::WindowView view{window};
  platform.attach(view);
  window.Form_Load();
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  ASSERT_EQ(view.devicePixelRatioF(), 2.0);

  auto* canvas = view.findChild<qt::Canvas*>();
  ASSERT_NE(canvas, nullptr);
  const QImage shown = canvas->grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shown.size(), canvas->size() * 2);

  const QImage dense =
      QImage(QStringLiteral(":/globe@2x.png")).convertToFormat(QImage::Format_RGB32);
  const QImage blownUp = QImage(QStringLiteral(":/globe.png"))
                             .scaled(dense.size())
                             .convertToFormat(QImage::Format_RGB32);
  ASSERT_GE(dense.width(), shown.width());
  ASSERT_GE(dense.height(), shown.height());
  // Only the compass rose and its needle cover the picture.
  EXPECT_GT(shareOfPixelsFrom(shown, dense), 0.95);
  EXPECT_LT(shareOfPixelsFrom(shown, blownUp), 0.9);
}

}  // namespace
}  // namespace tarvel

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
