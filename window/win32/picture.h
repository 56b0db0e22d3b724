#pragma once
// The window's pictures, compiled into the program as PNG resources and decoded by Windows'
// own imaging component into bitmaps with premultiplied alpha.

#include <string>

#include "window/win32/win32_api.h"

namespace duplexa::win32 {

class Picture {
  public:
    Picture() = default;
    // fileName as the design table names it ("flag_en.png"); the resource is FLAG_EN_PNG.
    explicit Picture(const std::string& fileName);
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    Picture(Picture&& other) noexcept;
    Picture& operator=(Picture&& other) noexcept;
    ~Picture();

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Blends the picture onto dc at (x, y), scaled to width × height.
    void Draw(HDC dc, int x, int y, int width, int height) const;
    // An icon of the picture at width × height, for picture buttons; the caller destroys it.
    HICON MakeIcon(int width, int height) const;

  private:
    HBITMAP bitmap_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

// "flag_en.png" gives "FLAG_EN_PNG".
std::wstring PictureResourceName(const std::string& fileName);

}  // namespace duplexa::win32
