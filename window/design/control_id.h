#pragma once
// Every control of the main window by its id. The design table lists the controls in this
// order, back to front, so an id is also its control's row there and its place in the arrays
// in which the front ends hold their controls.

#include <array>
#include <cstddef>

namespace duplexa {

enum class Control : unsigned char {
    Shape3,  // the white header band
    lblResult,
    imgLangHUN,
    imgLangENG,
    lblHomepage,
    Image2,  // the maker's emblem
    Label10,
    lblTitle,
    Line3,
    Image1,  // the logo
    lblVersion,
    lblLayout,
    Line1,
    Line2,
    imgLangENG_hl,
    imgLangHUN_hl,
    lblFile_0,
    lblFile_1,
    frResult,  // holds the result sign
    strikeLine,
    sEqual1,
    sEqual2,
    comCompare,
    cmdOrder1,
    cmdOrder2,
    ComClose,
    tmrLang,
};

inline constexpr std::size_t kControlCount = static_cast<std::size_t>(Control::tmrLang) + 1;

constexpr std::size_t Row(Control id) {
    return static_cast<std::size_t>(id);
}

constexpr Control lblFile(int box) {
    return box == 0 ? Control::lblFile_0 : Control::lblFile_1;
}

// The box a control is, 0 or 1, or -1 for any other control.
constexpr int BoxOf(Control id) {
    return id == Control::lblFile_0 ? 0 : id == Control::lblFile_1 ? 1 : -1;
}

// One T for every control of the window, reached by the control's id.
template <typename T>
class PerControl {
  public:
    T& operator[](Control id) { return items_[Row(id)]; }
    const T& operator[](Control id) const { return items_[Row(id)]; }

  private:
    std::array<T, kControlCount> items_{};
};

}  // namespace duplexa
