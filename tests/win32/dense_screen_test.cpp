// The drawing on a screen at 200 %: the globe is the double-size picture at the screen's own
// pixels, not the design picture blown up.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <vector>

#include "tests/runner/win32/win32_backend.hpp"
#include "tests/support/temporary_folder.hpp"
#include "window/win32/canvas.hpp"
#include "window/win32/design_values.hpp"
#include "window/win32/resource_ids.h"

namespace tarvel::win32 {
namespace {

constexpr UINT kDoubleDpi = 2 * kDesignDpi;

// A bitmap of `size` that GDI draws into and the test reads, one 32-bit pixel per point.
class Surface {
 public:
  explicit Surface(SIZE size) : size_(size) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    pixels_ = static_cast<const std::uint32_t*>(bits);
    SelectObject(dc_.get(), bitmap_.get());
  }

  HDC dc() const { return dc_.get(); }
  // The colour without the unused fourth byte.
  std::uint32_t at(int x, int y) const {
    GdiFlush();
    return pixels_[y * size_.cx + x] & 0x00FFFFFF;
  }

 private:
  SIZE size_;
  UniqueBitmap bitmap_;  // outlives the device context it is selected into
  UniqueMemoryDc dc_{CreateCompatibleDC(nullptr)};
  const std::uint32_t* pixels_ = nullptr;
};

void copyInto(const Surface& target, const Picture& picture, SIZE size) {
  const UniqueMemoryDc source(CreateCompatibleDC(nullptr));
  const SelectedObject selected(source.get(), picture.bitmap.get());
  SetStretchBltMode(target.dc(), COLORONCOLOR);
  StretchBlt(target.dc(), 0, 0, size.cx, size.cy, source.get(), 0, 0, picture.size.cx,
             picture.size.cy, SRCCOPY);
}

double shareOfPixelsFrom(const Surface& shown, const Surface& picture, SIZE area) {
  long same = 0;
  for (int y = 0; y < area.cy; ++y) {
    for (int x = 0; x < area.cx; ++x)
      same += shown.at(x, y) == picture.at(x, y);
  }
  return static_cast<double>(same) / (static_cast<double>(area.cx) * area.cy);
}

TEST(DenseScreenTest, GlobeIsDrawnFromTheDoubleSizePicture) {
  const test_support::TemporaryFolder folder;
  scenarios::ScriptedToolkitPlatform platform;
  platform.folders = {folder.path(), folder.path() / "user"};
  const WinDurOzirozador window{platform};
  Canvas canvas(window);
  const SIZE client = clientSize(kDoubleDpi);
  const Surface shown(client);
  canvas.paint(shown.dc(), kDoubleDpi);

  const Picture dense = loadPngResource(TARVEL_IDR_GLOBE_2X_PNG);
  const Picture design = loadPngResource(TARVEL_IDR_GLOBE_PNG);
  ASSERT_TRUE(dense.bitmap && design.bitmap) << "the pictures are resources of the test";
  ASSERT_GE(dense.size.cx, client.cx);
  ASSERT_GE(dense.size.cy, client.cy);
  const Surface densePicture(dense.size);
  copyInto(densePicture, dense, dense.size);
  const Surface blownUp(dense.size);
  copyInto(blownUp, design, dense.size);
  // Only the compass rose and its needle cover the picture.
  EXPECT_GT(shareOfPixelsFrom(shown, densePicture, client), 0.95);
  EXPECT_LT(shareOfPixelsFrom(shown, blownUp, client), 0.9);
}

}  // namespace
}  // namespace tarvel::win32
