#include "window/win32/picture.hpp"

#include <wincodec.h>
#include <wrl/client.h>

#include "window/win32/com_scope.hpp"

namespace tarvel::win32 {
namespace {

using Microsoft::WRL::ComPtr;

struct ResourceBytes {
  const BYTE* data = nullptr;
  DWORD size = 0;
};

// Resources live as long as the module: nothing to release.
ResourceBytes findResource(int resourceId) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(resourceId), RT_RCDATA);
  if (!found) return {};
  HGLOBAL loaded = LoadResource(module, found);
  if (!loaded) return {};
  return {static_cast<const BYTE*>(LockResource(loaded)), SizeofResource(module, found)};
}

ComPtr<IWICBitmapSource> decode(IWICImagingFactory& factory, const ResourceBytes& bytes) {
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  ComPtr<IWICFormatConverter> converter;
  const bool decoded =
      SUCCEEDED(factory.CreateStream(&stream)) &&
      SUCCEEDED(stream->InitializeFromMemory(const_cast<BYTE*>(bytes.data), bytes.size)) &&
      SUCCEEDED(factory.CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnLoad,
                                                &decoder)) &&
      SUCCEEDED(decoder->GetFrame(0, &frame)) &&
      SUCCEEDED(factory.CreateFormatConverter(&converter)) &&
      SUCCEEDED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGR,
                                      WICBitmapDitherTypeNone, nullptr, 0,
                                      WICBitmapPaletteTypeCustom));
  if (!decoded) return nullptr;
  return converter;
}

Picture toBitmap(IWICBitmapSource& source) {
  UINT width = 0, height = 0;
  if (FAILED(source.GetSize(&width, &height))) return {};
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = static_cast<LONG>(width);
  info.bmiHeader.biHeight = -static_cast<LONG>(height);  // rows from the top, as WIC gives them
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
  const UINT stride = width * 4;
  if (!bitmap ||
      FAILED(source.CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(pixels))))
    return {};
  return {std::move(bitmap), {static_cast<LONG>(width), static_cast<LONG>(height)}};
}

}  // namespace

Picture loadPngResource(int resourceId) {
  const ResourceBytes bytes = findResource(resourceId);
  if (!bytes.data) return {};
  const ComScope com;
  ComPtr<IWICImagingFactory> factory;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_PPV_ARGS(&factory))))
    return {};
  const ComPtr<IWICBitmapSource> source = decode(*factory.Get(), bytes);
  if (!source) return {};
  return toBitmap(*source.Get());
}

}  // namespace tarvel::win32
