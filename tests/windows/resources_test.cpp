// The resources the Windows executable carries, linked into this test exactly as into tarvel.exe
// (the object library tarvel_win32_resources): the icon, the globe picture, the version
// information 1.1 and the application manifest, which Windows (here Wine) applies at start.
#include <gtest/gtest.h>
#include <windows.h>

#include <cwctype>
#include <string>
#include <string_view>

#include "window/win32/resource_ids.h"

namespace tarvel {
namespace {

std::string_view resourceBytes(LPCWSTR type, int id) {
  HMODULE module = ::GetModuleHandleW(nullptr);
  HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), type);
  if (!found) return {};
  HGLOBAL loaded = ::LoadResource(module, found);
  if (!loaded) return {};
  return {static_cast<const char*>(::LockResource(loaded)), ::SizeofResource(module, found)};
}

TEST(ExecutableResources, IconLoadsInBothSizes) {
  for (const int size : {16, 32}) {
    HICON icon = static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr),
                                                 MAKEINTRESOURCEW(TARVEL_IDI_ICON), IMAGE_ICON,
                                                 size, size, LR_DEFAULTCOLOR));
    ASSERT_NE(icon, nullptr) << size << " pixels";
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(icon, &info));
    BITMAP bitmap{};
    ::GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, size);
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    ::DestroyIcon(icon);
  }
}

TEST(ExecutableResources, GlobesAreThePngFilesAsTheyAre) {
  const std::string_view globe = resourceBytes(RT_RCDATA, TARVEL_IDR_GLOBE_PNG);
  const std::string_view globe2x = resourceBytes(RT_RCDATA, TARVEL_IDR_GLOBE_2X_PNG);
  ASSERT_EQ(globe.size(), TARVEL_GLOBE_PNG_SIZE);
  ASSERT_EQ(globe2x.size(), TARVEL_GLOBE_2X_PNG_SIZE);
  EXPECT_EQ(globe.substr(0, 8), std::string_view("\x89PNG\r\n\x1a\n", 8));
  EXPECT_EQ(globe2x.substr(0, 8), std::string_view("\x89PNG\r\n\x1a\n", 8));
}

TEST(ExecutableResources, VersionIsOnePointOne) {
  wchar_t self[MAX_PATH];
  ASSERT_GT(::GetModuleFileNameW(nullptr, self, MAX_PATH), 0u);
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(self, &ignored);
  ASSERT_GT(size, 0u);
  std::string block(size, '\0');
  ASSERT_TRUE(::GetFileVersionInfoW(self, 0, size, block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(HIWORD(fixed->dwFileVersionMS), 1);
  EXPECT_EQ(LOWORD(fixed->dwFileVersionMS), 1);
  EXPECT_EQ(HIWORD(fixed->dwProductVersionMS), 1);
  EXPECT_EQ(LOWORD(fixed->dwProductVersionMS), 1);
  wchar_t* text = nullptr;
  ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\StringFileInfo\\040C04B0\\ProductVersion",
                               reinterpret_cast<void**>(&text), &length));
  EXPECT_EQ(std::wstring(text), L"1.1");
}

TEST(ExecutableResources, ManifestAsksAsInvokerPerMonitorDpiAndCommonControls6) {
  const std::string_view manifest = resourceBytes(RT_MANIFEST, 1);
  ASSERT_FALSE(manifest.empty());
  for (const std::string_view wanted :
       {"level=\"asInvoker\"", ">true/pm<", ">PerMonitorV2, PerMonitor<",
        "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""})
    EXPECT_NE(manifest.find(wanted), std::string_view::npos) << wanted;
}

// The loader applied the manifest: the process is DPI-aware per monitor, and "comctl32.dll" is
// the side-by-side common controls 6, not the system's version 5. (Wine's DllGetVersion answers 5
// for both, so the test looks at where the library was loaded from, as Windows names it too.)
TEST(ExecutableResources, ManifestIsAppliedAtStart) {
  const DPI_AWARENESS_CONTEXT awareness = ::GetThreadDpiAwarenessContext();
  EXPECT_EQ(::GetAwarenessFromDpiAwarenessContext(awareness), DPI_AWARENESS_PER_MONITOR_AWARE);
  HMODULE controls = ::LoadLibraryW(L"comctl32.dll");
  ASSERT_NE(controls, nullptr);
  wchar_t path[MAX_PATH];
  ASSERT_GT(::GetModuleFileNameW(controls, path, MAX_PATH), 0u);
  std::wstring lower(path);
  for (wchar_t& letter : lower)
    letter = static_cast<wchar_t>(::towlower(letter));
  EXPECT_NE(lower.find(L"\\winsxs\\"), std::wstring::npos) << lower;
  EXPECT_NE(lower.find(L"microsoft.windows.common-controls_6595b64144ccf1df_6."),
            std::wstring::npos)
      << lower;
}

}  // namespace
}  // namespace tarvel
