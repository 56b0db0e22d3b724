// The Win32 window on real controls: what the handlers do, read back through the Win32 API.

// commctrl.h and oleacc.h need windows.h, which the fixture brings, before them.
#include "win32_form_fixture.h"

#include <commctrl.h>
#include <oleacc.h>

#include <array>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

#include "duplexa_version.h"
#include "runtime/file_table.h"
#include "runtime/wide_text_windows.h"
#include "support/recording_desktop.h"
#include "window/design/frm_main_design.h"
#include "window/design/maker.h"
#include "window/logic/accessible_facts.h"

namespace duplexa::test {
namespace {

using enum Control;

constexpr COLORREF kGreenPixel = RGB(0, 0xC0, 0);
constexpr COLORREF kRedPixel = RGB(0xFF, 0, 0);

class Win32WindowTest : public Win32FormTest {
  protected:
    // Both files dropped through real file lists, each at the middle of its box.
    void DropBoth(const std::string& first, const std::string& second) {
        for (int box = 0; box < 2; ++box) {
            const RECT place = PlaceOf(Box(box));
            const POINT middle{(place.right - place.left) / 2, (place.bottom - place.top) / 2};
            DropOn(Box(box), {Widen(box == 0 ? first : second)}, middle);
        }
    }
    HWND Box(int box) const { return Real(lblFile(box)); }
    void Press(Control button) { SendMessageW(Real(button), BM_CLICK, 0, 0); }
    // The result line as a screen reader reads it.
    std::string Result() { return Narrow(TextOf(Real(lblResult))); }
    // A point of the result sign, in the window: the upper bar, or the stroke below the bars.
    COLORREF SignPixel(float x, float y) {
        return PixelAt(form().Left(frResult) + x, form().Top(frResult) + y);
    }
    // A flag shows its choice in force by a mark along its foot in the highlight colour.
    bool Marked(Control flag) {
        HWND window = Real(flag);
        UpdateWindow(window);
        RECT inside{};
        GetClientRect(window, &inside);
        HDC dc = GetDC(window);
        const COLORREF foot = GetPixel(dc, inside.right / 2, inside.bottom - 1);
        ReleaseDC(window, dc);
        return foot == GetSysColor(COLOR_HIGHLIGHT);
    }
    void ExpectPlaceAsHandlersSee(Control control) {
        const char* name = FrmMainDesign(control).name;
        const RECT place = PlaceOf(Real(control));
        EXPECT_EQ(place.left, form().Left(control)) << name;
        EXPECT_EQ(place.top, form().Top(control)) << name;
        EXPECT_EQ(place.right - place.left, form().Width(control)) << name;
        EXPECT_EQ(place.bottom - place.top, form().Height(control)) << name;
    }
};

TEST_F(Win32WindowTest, StartsAsDesignedOnRealControls) {
    Open();
    HWND window = form().Handle();
    EXPECT_EQ(TextOf(window), L"Duplexa");
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 473);
    EXPECT_EQ(client.bottom, 336);
    RECT outer{};
    RECT work{};
    GetWindowRect(window, &outer);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(std::abs((outer.left + outer.right) - (work.left + work.right)), 1);
    EXPECT_LE(std::abs((outer.top + outer.bottom) - (work.top + work.bottom)), 1);

    const struct {
        Control id;
        const wchar_t* text;
        bool enabled;
    } real[] = {
        {lblFile_0, L"Drag and drop the first file here", true},
        {lblFile_1, L"Drag and drop the second file here", true},
        {comCompare, L"Compare", false},
        {ComClose, L"Close", true},
    };
    for (const auto& control : real) {
        EXPECT_EQ(TextOf(Real(control.id)), control.text) << Row(control.id);
        EXPECT_EQ(IsWindowEnabled(Real(control.id)) != FALSE, control.enabled) << Row(control.id);
    }
    const RECT close = PlaceOf(Real(ComClose));
    EXPECT_EQ(close.left, 376);
    EXPECT_EQ(close.top, 304);
    EXPECT_EQ(close.right, 376 + 81);
    EXPECT_EQ(close.bottom, 304 + 25);
    ExpectPlaceAsHandlersSee(lblFile_0);
    ExpectPlaceAsHandlersSee(lblFile_1);
    ExpectPlaceAsHandlersSee(cmdOrder1);

    // Tab walks the focus order; the disabled Compare is passed over.
    HWND focus = GetNextDlgTabItem(window, nullptr, FALSE);
    for (const Control id : {ComClose, cmdOrder1, cmdOrder2, lblFile_0, lblFile_1}) {
        EXPECT_EQ(focus, Real(id)) << Row(id);
        focus = GetNextDlgTabItem(window, focus, FALSE);
    }

    // Header band, the separator with its light edge, the window's face, the resting sign.
    EXPECT_EQ(PixelAt(300, 20), RGB(255, 255, 255));
    EXPECT_EQ(PixelAt(10, 295), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(PixelAt(10, 296), RGB(255, 255, 255));
    EXPECT_EQ(PixelAt(470, 333), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(SignPixel(20, 20), GetSysColor(COLOR_BTNFACE));
}

TEST_F(Win32WindowTest, EachVerdictInBothLanguages) {
    const auto bytes = PatternBytes(3000);
    auto twelveOff = bytes;
    for (int i = 0; i < 12; ++i) {
        twelveOff[static_cast<std::size_t>(i * 100)] ^= 0x5A;
    }
    const std::vector<std::uint8_t> shorter(bytes.begin(), bytes.end() - 1);
    const struct {
        int language;
        const std::vector<std::uint8_t>& second;
        const char* result;
        COLORREF bar;
        bool struck;
    } cases[] = {
        {1, bytes, "They are exactly the same.", kGreenPixel, false},
        {0, bytes, "A két fájl egyezik egymással.", kGreenPixel, false},
        {1, twelveOff, "Differ in 12 bytes of the total 3000 ! (0%)", kRedPixel, true},
        {0, twelveOff, "Eltér 12 bájtban az összes 3000 bájtból ! (0%)", kRedPixel, true},
        {1, shorter, "Different file size!", kRedPixel, true},
        {0, shorter, "Nem egyezik a fájlméret!", kRedPixel, true},
    };
    int round = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.result);
        Open();
        Press(c.language == 0 ? imgLangHUN : imgLangENG);  // a flag's keyboard stand-in
        const std::string tag = std::to_string(round++);
        DropBoth(dir.Write("a" + tag + ".bin", bytes), dir.Write("b" + tag + ".bin", c.second));
        EXPECT_EQ(TextOf(Box(1)), Widen("b" + tag + ".bin"));
        EXPECT_EQ(PixelAt(form().Left(lblFile_0) + 100, form().Top(lblFile_0) + 40),
                  RGB(200, 255, 200));
        ASSERT_TRUE(IsWindowEnabled(Real(comCompare)));
        Press(comCompare);
        EXPECT_EQ(Result(), c.result);
        EXPECT_EQ(SignPixel(30, 20), c.bar);
        EXPECT_EQ(SignPixel(20, 55) == kRedPixel, c.struck);
        EXPECT_EQ(TextOf(Real(comCompare)), L"Compare");
        EXPECT_EQ(Files().FreeFile(), 1);  // both files closed again
    }
}

TEST_F(Win32WindowTest, DropsTakeTheFirstWideNamedFileOnlyWhereAndWhenTheBoxTakesDrops) {
    Open();
    const std::string named = dir.Write("ünnep ő.bin", "abc");
    const std::string other = dir.Write("other.bin", "abc");
    DropOn(Box(0), {Widen(named), Widen(other)}, {10, 10});
    EXPECT_EQ(TextOf(Box(0)), L"ünnep ő.bin");
    // A point outside the box is no drop on it.
    DropOn(Box(1), {Widen(other)}, {-5, 10});
    EXPECT_EQ(TextOf(Box(1)), L"Drag and drop the second file here");
    // Copied files pasted into a box are taken as a drop.
    CopyFiles({Widen(other)});
    SendMessageW(Box(1), WM_PASTE, 0, 0);
    EXPECT_EQ(TextOf(Box(1)), L"other.bin");
    // During a run the boxes take nothing.
    form().SetDropMode(1, DropMode::None);
    DropOn(Box(1), {Widen(named)}, {10, 10});
    SendMessageW(Box(1), WM_PASTE, 0, 0);
    EXPECT_EQ(TextOf(Box(1)), L"other.bin");
    EXPECT_EQ(GetWindowLongW(Box(1), GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
}

// The open dialog runs its own message loop; a timer there finds it and cancels it.
HWND seenDialogOwner = nullptr;
std::wstring seenDialogTitle;

void CALLBACK CancelFileDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = FindWindowW(L"#32770", nullptr);
    if (dialog != nullptr) {
        KillTimer(nullptr, timer);
        seenDialogOwner = GetWindow(dialog, GW_OWNER);
        seenDialogTitle.resize(256);
        seenDialogTitle.resize(static_cast<std::size_t>(GetWindowTextW(
            dialog, seenDialogTitle.data(), static_cast<int>(seenDialogTitle.size()))));
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    }
}

TEST_F(Win32WindowTest, WithoutAMouseTabMovesOnAndEnterOnABoxOpensTheFileDialog) {
    Open();
    SetFocus(Real(ComClose));
    PostMessageW(Real(ComClose), WM_KEYDOWN, VK_TAB, 0);
    Pump();
    EXPECT_EQ(GetFocus(), Real(cmdOrder1));

    SetFocus(Box(0));
    SetTimer(nullptr, 0, 50, CancelFileDialog);
    PostMessageW(Box(0), WM_KEYDOWN, VK_RETURN, 0);
    Pump();
    EXPECT_EQ(seenDialogOwner, form().Handle());
    EXPECT_EQ(TextOf(Box(0)), L"Drag and drop the first file here");  // cancelled: no file
}

// Keys as a keyboard user presses them, with Shift or Ctrl held where the key wants it.
void Key(HWND target, WPARAM key, int held = 0) {
    BYTE keys[256]{};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = held == VK_SHIFT ? 0x80 : 0;
    keys[VK_CONTROL] = held == VK_CONTROL ? 0x80 : 0;
    SetKeyboardState(keys);
    const bool system = key == VK_F10;  // the menu bar's key
    PostMessageW(target, system ? WM_SYSKEYDOWN : WM_KEYDOWN, key, 0);
    PostMessageW(target, system ? WM_SYSKEYUP : WM_KEYUP, key, 0xC0000000);
}

// Readers are told of a file given from the keyboard as the box's value changing.
int valueChanges = 0;

void CALLBACK CountValueChanges(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) {
    ++valueChanges;
}

TEST_F(Win32WindowTest, BoxKeysOpenTheChooserForThatBoxOrPasteAndNoEditMenuShows) {
    Open();
    Press(imgLangHUN);
    const std::string first = dir.Write("picked.bin", "abc");
    for (const WPARAM key : {WPARAM{VK_SPACE}, WPARAM{VK_RETURN}, WPARAM{0}}) {
        seenDialogTitle.clear();
        SetFocus(Box(1));
        SetTimer(nullptr, 0, 50, CancelFileDialog);
        if (key == 0) {  // a double-click
            PostMessageW(Box(1), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
        } else {
            Key(Box(1), key);
        }
        Pump();
        EXPECT_EQ(Narrow(seenDialogTitle), "A második fájl kiválasztása") << key;
    }
    HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr,
                        CountValueChanges, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    DropOn(Box(1), {Widen(first)}, {10, 10});
    Pump();
    EXPECT_EQ(valueChanges, 0) << "a drop is seen";
    CopyFiles({Widen(first)});
    SetFocus(Box(0));
    Key(Box(0), VK_INSERT, VK_SHIFT);
    Pump();
    EXPECT_EQ(TextOf(Box(0)), L"picked.bin");
    EXPECT_EQ(valueChanges, 1);
    UnhookWinEvent(hook);
    EXPECT_EQ(SendMessageW(Box(0), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Box(0)), -1), 0);
    EXPECT_EQ(FindWindowW(L"#32768", nullptr), nullptr) << "no edit menu";
}

// The flags and the link come after the design's order; the choices in force show as checked.
TEST_F(Win32WindowTest, TheKeyboardReachesTheFlagsAndTheLinkAndTheFocusLandsOnTheVerdict) {
    Open();
    EXPECT_EQ(SendMessageW(Real(cmdOrder2), BM_GETCHECK, 0, 0), BST_CHECKED) << "stacked";
    EXPECT_EQ(SendMessageW(Real(cmdOrder1), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    Press(cmdOrder1);
    EXPECT_EQ(SendMessageW(Real(cmdOrder1), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(Marked(imgLangENG));

    SetFocus(Box(1));
    for (const Control next : {imgLangENG, imgLangHUN, lblHomepage}) {
        Key(GetFocus(), VK_TAB);
        Pump();
        EXPECT_EQ(GetFocus(), Real(next)) << FrmMainDesign(next).name;
    }
    Key(Real(lblHomepage), VK_RETURN);
    Pump();
    EXPECT_EQ(opened.size(), 1u);
    SetFocus(Real(imgLangHUN));
    Key(Real(imgLangHUN), VK_SPACE);
    Pump();
    EXPECT_EQ(TextOf(Real(ComClose)), L"Bez\u00e1r");
    EXPECT_TRUE(Marked(imgLangHUN));
    EXPECT_FALSE(Marked(imgLangENG));

    const auto bytes = PatternBytes(3000);
    DropBoth(dir.Write("a.bin", bytes), dir.Write("b.bin", bytes));
    SetFocus(Real(comCompare));
    Key(Real(comCompare), VK_RETURN);
    Pump();
    EXPECT_EQ(Result(), "A két fájl egyezik egymással.");
    EXPECT_EQ(GetFocus(), Real(lblResult));
}

// A device pixel of a box's client area.
COLORREF BoxPixel(HWND box, POINT at) {
    UpdateWindow(box);
    HDC dc = GetDC(box);
    const COLORREF colour = GetPixel(dc, at.x, at.y);
    ReleaseDC(box, dc);
    return colour;
}

RECT TextRectOf(HWND box) {
    RECT text{};
    SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
    return text;
}

// One differing byte, the first, marks the start of a strip along the bottom of the stacked
// boxes and the right of those side by side, out of the text's way, at each scaling the window
// moves to; a drop clears it.
TEST_F(Win32WindowTest, TheMapLiesAlongTheLayoutsEdgeAtAnyScalingUntilADrop) {
    const auto bytes = PatternBytes(3000);
    auto firstOff = bytes;
    firstOff[0] ^= 0x5A;
    Open(96);
    HWND window = form().Handle();
    const RECT plain = TextRectOf(Box(1));
    DropBoth(dir.Write("a.bin", bytes), dir.Write("b.bin", firstOff));
    Press(comCompare);
    for (const int dotsPerInch : {144, 96}) {
        SCOPED_TRACE(dotsPerInch);
        const auto scaled = [&](int pixels) {
            return int(std::lround(pixels * dotsPerInch / 96.0));
        };
        RECT suggested{0, 0, scaled(473), scaled(336)};
        AdjustWindowRectEx(&suggested, DWORD(GetWindowLongW(window, GWL_STYLE)), FALSE,
                           DWORD(GetWindowLongW(window, GWL_EXSTYLE)));
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dotsPerInch, dotsPerInch),
                     reinterpret_cast<LPARAM>(&suggested));
        // Stacked as it was, then side by side and stacked again.
        for (int step = 0; step < 3; ++step) {
            if (step > 0) {
                Press(step == 1 ? cmdOrder1 : cmdOrder2);
            }
            const bool stacked = step != 1;
            for (int box = 0; box < 2; ++box) {
                RECT client{};
                GetClientRect(Box(box), &client);
                const LONG strip = (stacked ? client.bottom : client.right) - scaled(4);
                const LONG end = (stacked ? client.right : client.bottom) - 1;
                const auto at = [&](LONG along, LONG across) {
                    return stacked ? POINT{along, across} : POINT{across, along};
                };
                EXPECT_EQ(BoxPixel(Box(box), at(0, strip)), kRedPixel) << box;
                EXPECT_NE(BoxPixel(Box(box), at(0, strip - 1)), kRedPixel) << "beside the strip";
                EXPECT_NE(BoxPixel(Box(box), at(end, strip)), kRedPixel) << "no difference there";
                const RECT text = TextRectOf(Box(box));
                EXPECT_LT(stacked ? text.bottom : text.right, strip) << "the text keeps out";
            }
        }
    }
    // A drop clears the map and gives the text its room back.
    DropOn(Box(1), {Widen(dir.Write("c.bin", bytes))}, {10, 10});
    RECT client{};
    GetClientRect(Box(1), &client);
    EXPECT_NE(BoxPixel(Box(1), {0, client.bottom - 4}), kRedPixel);
    const RECT text = TextRectOf(Box(1));
    EXPECT_TRUE(EqualRect(&text, &plain));
}

// What the tip over the result line says, and where it lies; nothing without a tip.
std::pair<std::wstring, RECT> TipOf(HWND form) {
    HWND tip = nullptr;
    while ((tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) != nullptr &&
           GetWindow(tip, GW_OWNER) != form) {
    }
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    std::wstring text(1024, L'\0');
    if (SendMessageW(tip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool)) == FALSE) {
        return {};
    }
    tool.lpszText = text.data();
    SendMessageW(tip, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
    return {text.c_str(), tool.rect};
}

// What a screen reader reads as a window's description.
std::wstring DescriptionOf(HWND window) {
    IAccessible* object = nullptr;
    BSTR text = nullptr;
    VARIANT self{};
    self.vt = VT_I4;  // CHILDID_SELF
    if (SUCCEEDED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                                             reinterpret_cast<void**>(&object)))) {
        object->get_accDescription(self, &text);
        object->Release();
    }
    const std::wstring description = text != nullptr ? text : L"";
    SysFreeString(text);
    return description;
}

std::wstring ClipboardText() {
    std::wstring text;
    OpenClipboard(nullptr);
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT); data != nullptr) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// A timer in an open menu's own loop reads its first entry and chooses it.
std::wstring seenMenuEntry;

void CALLBACK ChooseFirstMenuEntry(HWND, UINT, UINT_PTR timer, DWORD) {
    if (HWND menu = FindWindowW(L"#32768", nullptr); menu != nullptr) {
        KillTimer(nullptr, timer);
        seenMenuEntry.assign(64, L'\0');
        GetMenuStringW(reinterpret_cast<HMENU>(SendMessageW(menu, MN_GETHMENU, 0, 0)), 0,
                       seenMenuEntry.data(), 64, MF_BYPOSITION);
        seenMenuEntry = seenMenuEntry.c_str();
        PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    }
}

TEST_F(Win32WindowTest, AfterADifferingRunTheLineTellsWhereInItsLanguageAndCopiesBothLines) {
    Open();
    const auto bytes = PatternBytes(3000);
    auto twoOff = bytes;
    twoOff[0] ^= 0x5A;
    twoOff[1100] ^= 0x5A;
    DropBoth(dir.Write("a.bin", bytes), dir.Write("b.bin", twoOff));
    Press(comCompare);
    HWND line = Real(lblResult);
    const std::wstring english = L"First difference at byte 1, last at byte 1101.";
    const struct {
        int language;
        std::wstring where;
        const wchar_t* entry;       // of the menu; none for Ctrl+C
        std::function<void()> ask;  // for the copy
    } cases[] = {
        {1, english, nullptr, [&] { Key(line, 'C', VK_CONTROL); }},
        {0, L"Els\u0151 elt\u00e9r\u00e9s: 1. b\u00e1jt, utols\u00f3: 1101. b\u00e1jt.",
         L"M\u00e1sol\u00e1s", [&] { Key(line, VK_APPS); }},
        {1, english, L"Copy", [&] { Key(line, VK_F10, VK_SHIFT); }},
        {1, english, L"Copy",
         [&] {
             const RECT place = PlaceOf(line);
             SendMessageW(form().Handle(), WM_RBUTTONUP, 0, MAKELPARAM(place.left, place.top));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        Press(c.language == 0 ? imgLangHUN : imgLangENG);
        const auto [tip, place] = TipOf(form().Handle());
        const RECT lineOn = PlaceOf(line);
        EXPECT_EQ(tip, c.where);
        EXPECT_TRUE(EqualRect(&place, &lineOn));
        EXPECT_EQ(DescriptionOf(line), c.where);
        CopyFiles({});  // no text
        seenMenuEntry.clear();
        SetFocus(line);
        if (c.entry != nullptr) {
            SetTimer(nullptr, 0, 50, ChooseFirstMenuEntry);
        }
        c.ask();
        Pump();
        EXPECT_EQ(ClipboardText(), TextOf(line) + L"\r\n" + c.where);
        EXPECT_EQ(seenMenuEntry, c.entry != nullptr ? c.entry : L"");
    }
    DropOn(Box(1), {Widen(dir.Write("c.bin", bytes))}, {10, 10});
    EXPECT_EQ(TipOf(form().Handle()).first, L"") << "a drop takes the tip away";
    EXPECT_EQ(DescriptionOf(line), L"");
}

TEST_F(Win32WindowTest, StopInTheMiddleOfARun) {
    Open();
    const auto bytes = PatternBytes(8 << 20);
    DropBoth(dir.Write("a.bin", bytes), dir.Write("b.bin", bytes));
    // The press waits in the queue for the run's first turn of the message loop.
    PostMessageW(Real(comCompare), BM_CLICK, 0, 0);
    Press(comCompare);
    EXPECT_EQ(Result(), "Cancelled by user.");
    EXPECT_FALSE(form().state().isRunning);
    EXPECT_TRUE(IsWindowEnabled(Real(ComClose)));
    EXPECT_EQ(GetWindowLongW(Box(0), GWL_EXSTYLE) & WS_EX_ACCEPTFILES, WS_EX_ACCEPTFILES);
}

// The button Explorer made shows each run, and sleep is held until its end; every other test
// here runs on the real task bar, which takes the same calls under Wine.
TEST_F(Win32WindowTest, TheTaskBarButtonShowsEachRunAndSleepIsHeldUntilItsEnd) {
    auto recording = std::make_unique<RecordingDesktop>();
    const RecordingDesktop& desktop = *recording;
    Open(0, std::move(recording));
    const auto bytes = PatternBytes(3000);
    DropBoth(dir.Write("a.bin", bytes), dir.Write("b.bin", bytes));
    Press(comCompare);
    const auto window = std::to_string(reinterpret_cast<NativeWindowHandle>(form().Handle()));
    EXPECT_EQ(desktop.log, (std::vector<std::string>{"window " + window, "show 0",
                                                     "hold Comparing files", "hide", "release"}));
}

TEST_F(Win32WindowTest, ClosingDuringARunStopsItStoresTheLayoutOnceAndEndsWithZero) {
    Open();
    const auto bytes = PatternBytes(8 << 20);
    DropBoth(dir.Write("a.bin", bytes), dir.Write("b.bin", bytes));
    HWND window = form().Handle();
    PostMessageW(window, WM_CLOSE, 0, 0);
    Press(comCompare);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(form().Unloaded());
    EXPECT_EQ(sandbox.StoredLayout(), (Bytes{2, 0}));
    EXPECT_EQ(Files().FreeFile(), 1);
    int exitCode = -1;
    EXPECT_TRUE(Pump(&exitCode));
    EXPECT_EQ(exitCode, 0);
}

TEST_F(Win32WindowTest, HoverFollowsTheRealPointerAndTheTimerClearsItOutsideTheWindow) {
    Open();
    const auto pointAt = [&](Control control) {
        POINT at{static_cast<LONG>(form().Left(control)) + 10,
                 static_cast<LONG>(form().Top(control)) + 10};
        ClientToScreen(form().Handle(), &at);
        SetCursorPos(at.x, at.y);
    };
    // The link is a static control of its own, and lets the pointer through to the window.
    pointAt(lblHomepage);
    ASSERT_TRUE(PumpUntil([&] { return form().state().hoverTarget == 3; }));
    pointAt(imgLangENG);
    ASSERT_TRUE(PumpUntil([&] { return form().state().hoverTarget == 1; }));
    EXPECT_NE(PixelAt(form().Left(imgLangENG) + 10, form().Top(imgLangENG) + 10), 0u);
    // Straight off the window, crossing no background: the next tick notices.
    SetCursorPos(0, 0);
    ASSERT_TRUE(PumpUntil([&] { return form().state().hoverTarget == 0; }));
}

TEST_F(Win32WindowTest, TheLinkOpensTheHomePageOncePerDoubleClick) {
    Open();
    const float x = form().Left(lblHomepage) + 50;
    const float y = form().Top(lblHomepage) + 8;
    ClickAt(x, y);
    ClickAt(x, y, 2);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].address, kHomepageAddress);
    EXPECT_EQ(opened[0].owner, form().WindowHandle());
}

TEST_F(Win32WindowTest, CloseStoresTheLayoutInTheRegistryAndARestartReadsItBack) {
    Open();
    const std::wstring englishName = TextOf(Real(cmdOrder1));
    EXPECT_FALSE(englishName.empty());
    Press(cmdOrder1);
    ExpectPlaceAsHandlersSee(lblFile_1);
    ExpectPlaceAsHandlersSee(comCompare);
    const RECT sideBySide = PlaceOf(Real(lblFile_1));
    Press(imgLangHUN);
    Press(ComClose);
    int exitCode = -1;
    EXPECT_TRUE(Pump(&exitCode));
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(sandbox.StoredLayout(), (Bytes{1, 0}));

    Open();
    const RECT again = PlaceOf(Real(lblFile_1));
    EXPECT_EQ(again.left, sideBySide.left);
    EXPECT_EQ(again.top, sideBySide.top);
    EXPECT_EQ(TextOf(Real(ComClose)), L"Bezár");
    // The picture buttons' names for screen readers follow the language too.
    EXPECT_EQ(Narrow(TextOf(Real(cmdOrder1))),
              DescribeControl(cmdOrder1, {}, form().state())->name);
    EXPECT_NE(TextOf(Real(cmdOrder1)), englishName);
}

TEST_F(Win32WindowTest, ScaledDisplaysDrawLargerWhileTheHandlersKeepTheirPixels) {
    Open(96);
    const float versionWidth = form().Width(lblVersion);
    for (const int dotsPerInch : {120, 144, 192}) {
        SCOPED_TRACE(dotsPerInch);
        Open(dotsPerInch);
        const auto scaled = [&](int pixels) { return std::lround(pixels * dotsPerInch / 96.0); };
        RECT client{};
        GetClientRect(form().Handle(), &client);
        EXPECT_EQ(client.right, scaled(473));
        EXPECT_EQ(client.bottom, scaled(336));
        const RECT close = PlaceOf(Real(ComClose));
        EXPECT_EQ(close.left, scaled(376));
        EXPECT_EQ(close.top, scaled(304));
        // Start-up placed the corner as at 96 dpi, with widths measured in the same pixels.
        EXPECT_EQ(form().Left(imgLangHUN), 448);
        EXPECT_EQ(form().Left(lblHomepage), 364);
        EXPECT_EQ(form().Width(lblVersion), versionWidth);
        EXPECT_EQ(PixelAt(10, 295), GetSysColor(COLOR_BTNSHADOW));
        EXPECT_EQ(PixelAt(300, 20), RGB(255, 255, 255));
    }
}

TEST_F(Win32WindowTest, AMoveToAMonitorOfOtherScalingDrawsAsAWindowOpenedThere) {
    // What a scaling shows in the real windows: places, fonts, pictures and painted pixels.
    const auto seen = [&] {
        std::vector<long> facts;
        for (const ControlDesign& design : FrmMainControlDesigns()) {
            if (HWND window = Real(design.id)) {
                const RECT place = PlaceOf(window);
                facts.insert(facts.end(), {place.left, place.top, place.right, place.bottom});
            }
        }
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Real(ComClose), WM_GETFONT, 0, 0)),
                   sizeof font, &font);
        ICONINFO icon{};
        GetIconInfo(reinterpret_cast<HICON>(SendMessageW(Real(cmdOrder1), BM_GETIMAGE, 0, 0)),
                    &icon);
        BITMAP picture{};
        GetObjectW(icon.hbmColor, sizeof picture, &picture);
        DeleteObject(icon.hbmColor);
        DeleteObject(icon.hbmMask);
        facts.insert(facts.end(), {font.lfHeight, picture.bmWidth, long(PixelAt(10, 295))});
        return facts;
    };
    Open(96);
    const std::vector<long> at96 = seen();
    Open(144);
    const std::vector<long> at144 = seen();
    ASSERT_NE(at96, at144);

    Open(96);
    HWND window = form().Handle();
    for (const auto& [dotsPerInch, expected] : {std::pair{144, at144}, std::pair{96, at96}}) {
        SCOPED_TRACE(dotsPerInch);
        const auto scaled = [&](int pixels) { return std::lround(pixels * dotsPerInch / 96.0); };
        RECT suggested{30, 20, 30 + scaled(473), 20 + scaled(336)};
        AdjustWindowRectEx(&suggested, DWORD(GetWindowLongW(window, GWL_STYLE)), FALSE,
                           DWORD(GetWindowLongW(window, GWL_EXSTYLE)));
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dotsPerInch, dotsPerInch),
                     reinterpret_cast<LPARAM>(&suggested));
        Pump();
        RECT outer{};
        GetWindowRect(window, &outer);
        EXPECT_TRUE(EqualRect(&outer, &suggested));
        EXPECT_EQ(seen(), expected);
        EXPECT_EQ(form().Left(imgLangHUN), 448) << "the handlers keep their pixels";
    }
}

TEST_F(Win32WindowTest, ProgramFileCarriesItsRecordInEnglishAndHungarianAndEveryIconSize) {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::vector<char> record(GetFileVersionInfoSizeW(path, nullptr));
    ASSERT_FALSE(record.empty());
    ASSERT_TRUE(GetFileVersionInfoW(path, 0, static_cast<DWORD>(record.size()), record.data()));
    const wchar_t* shippedAs = sizeof(void*) == 8 ? L"duplexa.exe" : L"duplexa-x86.exe";
    for (const wchar_t* block : {L"040904B0", L"040E04B0"}) {
        for (const auto& [field, expected] :
             std::array<std::pair<const wchar_t*, const wchar_t*>, 5>{
                 {{L"ProductName", L"Duplexa"},
                  {L"CompanyName", L"Veltrimo"},
                  {L"FileVersion", L"" DUPLEXA_VERSION_TEXT},
                  {L"OriginalFilename", shippedAs},
                  {L"LegalCopyright", L"Copyright (c) the Duplexa authors, MIT licence"}}}) {
            wchar_t* value = nullptr;
            UINT length = 0;
            const std::wstring query = std::wstring(L"\\StringFileInfo\\") + block + L"\\" + field;
            ASSERT_TRUE(VerQueryValueW(record.data(), query.c_str(),
                                       reinterpret_cast<void**>(&value), &length))
                << query;
            EXPECT_EQ(std::wstring(value), expected) << query;
        }
    }

    // The icon group lists each picture's width, 0 standing for 256.
    HRSRC found =
        FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
    ASSERT_NE(found, nullptr);
    const auto* group = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
    const WORD count = *reinterpret_cast<const WORD*>(group + 4);
    std::vector<int> widths;
    for (WORD entry = 0; entry < count; ++entry) {
        widths.push_back(group[6 + 14 * entry] == 0 ? 256 : group[6 + 14 * entry]);
    }
    EXPECT_EQ(widths, (std::vector<int>{16, 20, 24, 32, 40, 48, 64, 256}));
}

}  // namespace
}  // namespace duplexa::test
