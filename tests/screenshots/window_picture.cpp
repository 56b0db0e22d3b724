#include "window_picture.h"

#include <wincodec.h>

#include <vector>

namespace duplexa::win32 {
namespace {

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<BYTE> bgra;
};

Pixels Capture(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT outer{};
    GetWindowRect(window, &outer);
    Pixels pixels{outer.right - outer.left, outer.bottom - outer.top, {}};
    HDC source = GetWindowDC(window);
    HDC copy = CreateCompatibleDC(source);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = pixels.width;
    info.bmiHeader.biHeight = -pixels.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, pixels.width, pixels.height, source, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* begin = static_cast<const BYTE*>(bits);
    pixels.bgra.assign(begin, begin + static_cast<std::size_t>(pixels.width) * pixels.height * 4);
    for (std::size_t at = 3; at < pixels.bgra.size(); at += 4) {
        pixels.bgra[at] = 0xFF;  // GDI leaves the alpha byte empty
    }
    SelectObject(copy, old);
    DeleteObject(bitmap);
    DeleteDC(copy);
    ReleaseDC(window, source);
    return pixels;
}

}  // namespace

bool SaveWindowPicture(HWND window, const std::wstring& path) {
    Pixels pixels = Capture(window);
    IWICImagingFactory* factory = nullptr;
    IWICStream* stream = nullptr;
    IWICBitmapEncoder* encoder = nullptr;
    IWICBitmapFrameEncode* frame = nullptr;
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
    const UINT stride = static_cast<UINT>(pixels.width) * 4;
    const bool saved =
        SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_PPV_ARGS(&factory))) &&
        SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
        SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
        SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
        SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) &&
        SUCCEEDED(frame->Initialize(nullptr)) &&
        SUCCEEDED(
            frame->SetSize(static_cast<UINT>(pixels.width), static_cast<UINT>(pixels.height))) &&
        SUCCEEDED(frame->SetPixelFormat(&format)) &&
        SUCCEEDED(frame->WritePixels(static_cast<UINT>(pixels.height), stride,
                                     static_cast<UINT>(pixels.bgra.size()), pixels.bgra.data())) &&
        SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
    for (IUnknown* held : {static_cast<IUnknown*>(frame), static_cast<IUnknown*>(encoder),
                           static_cast<IUnknown*>(stream), static_cast<IUnknown*>(factory)}) {
        if (held != nullptr) {
            held->Release();
        }
    }
    return saved;
}

}  // namespace duplexa::win32
