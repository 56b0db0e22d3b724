#include "window/win32/frm_main.h"

// DragAcceptFiles; the result line's tip
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "core/language.h"
#include "core/text_catalogue.h"
#include "runtime/file_table.h"
#include "runtime/wide_text_windows.h"
#include "window/design/frm_main_design.h"
#include "window/logic/accessible_facts.h"
#include "window/win32/dropped_files.h"
#include "window/win32/form_painter.h"
#include "window/win32/gdi_colour.h"
#include "window/win32/result_line.h"

namespace duplexa::win32 {
namespace {

constexpr wchar_t kClassName[] = L"DuplexaFrmMain";
constexpr UINT_PTR kHoverTimer = 1;
constexpr UINT_PTR kResultTipId = 1;
constexpr int kFirstChildId = 100;  // clear of IDOK and IDCANCEL, which dialog keys send
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

int ChildId(Control id) {
    return kFirstChildId + static_cast<int>(Row(id));
}

std::optional<Control> IdOfChild(int childId) {
    const int row = childId - kFirstChildId;
    if (row < 0 || row >= static_cast<int>(kControlCount)) {
        return std::nullopt;
    }
    return static_cast<Control>(row);
}

TTTOOLINFOW ResultTool(HWND window) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = window;
    tool.uId = kResultTipId;
    return tool;
}

RECT ToRect(const PixelRect& rect) {
    return {rect.left, rect.top, rect.left + rect.width, rect.top + rect.height};
}

int ScreenDotsPerInch() {
    HDC screen = GetDC(nullptr);
    const int dots = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dots > 0 ? dots : 96;
}

void RegisterWindowClass(WNDPROC windowProc) {
    static const bool registered = [windowProc] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        // Double-clicks arrive as messages of their own, which no handler takes.
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = windowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
        windowClass.hIcon = static_cast<HICON>(
            LoadImageW(windowClass.hInstance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                       GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
        windowClass.hIconSm = static_cast<HICON>(
            LoadImageW(windowClass.hInstance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                       GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
        windowClass.lpszClassName = kClassName;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

}  // namespace

frmMain::frmMain(frmMainServices services, int dotsPerInch)
    : controls_(FrmMainControlDesigns()),
      scale_{dotsPerInch > 0 ? dotsPerInch : ScreenDotsPerInch()},
      run_(state_, *this, pump_, Files()),
      services_(std::move(services)),
      logic_(state_, *this, *services_.pointer, *services_.opener, services_.settingsKey) {
    RegisterWindowClass(&frmMain::WindowProc);
    RefreshScheme();  // colours changed while no window was there to hear of it
    RECT outer{0, 0, scale_.ToDevice(float(kFrmMainForm.clientWidth)),
               scale_.ToDevice(float(kFrmMainForm.clientHeight))};
    AdjustWindowRectEx(&outer, kStyle, FALSE, kExStyle);
    window_ = CreateWindowExW(kExStyle, kClassName, Widen(kFrmMainForm.caption).c_str(), kStyle,
                              CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                              outer.bottom - outer.top, nullptr, nullptr, GetModuleHandleW(nullptr),
                              this);
    pump_.SetForm(window_);
    CreateChildWindows();
    run_.ShowOnDesktop(*services_.desktop);
}

// Going away with its owner, not closed by the user: nothing is stored.
frmMain::~frmMain() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

void frmMain::CreateChildWindows() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HFONT formFont = fonts_.Get(kFrmMainForm.font, false, scale_.dotsPerInch);
    const int count = static_cast<int>(controls_.all().size());
    for (int index = 0; index < count; ++index) {
        FormControl& control = controls_.at(index);
        if ((control.design->flags & kAutoSize) != 0) {
            FitToCaption(index);
        }
        if (!control.IsWindowed()) {
            continue;
        }
        const bool box = control.kind() == ControlKind::DropBox;
        const bool picture = control.kind() == ControlKind::PictureButton;
        const bool standIn = control.IsStandIn();
        const bool label = control.kind() == ControlKind::Label && !standIn;
        // A label draws itself as the window would and, without SS_NOTIFY, lets the mouse
        // through to the window, whose hover and click handlers serve it.
        DWORD style = WS_CHILD | WS_VISIBLE;
        if (label) {
            style |= SS_OWNERDRAW;
        } else if (box) {
            style |= WS_TABSTOP | ES_MULTILINE | ES_READONLY;
        } else if (standIn) {
            style |= WS_TABSTOP | BS_OWNERDRAW;
        } else if (picture) {
            // Pressed in while its layout is in force, which readers hear too.
            style |= WS_TABSTOP | BS_CHECKBOX | BS_PUSHLIKE | BS_ICON;
        } else {
            style |= WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE;
        }
        const wchar_t* windowClass = label ? L"STATIC" : box ? L"EDIT" : L"BUTTON";
        control.window = CreateWindowExW(
            box ? WS_EX_CLIENTEDGE : 0, windowClass, Widen(control.caption).c_str(), style, 0, 0, 0,
            0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(ChildId(control.design->id))),
            instance, nullptr);
        SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(formFont), FALSE);
        EnableWindow(control.window, control.enabled);
        PlaceWindow(index);
        if (box) {
            RefreshBoxBrush(index);
            DragAcceptFiles(control.window, TRUE);
            MakeDropBox(control.window, *this);
        } else if (standIn) {
            MakeKeyboardStandIn(control.window);
        } else if (!label) {
            MakeSingleClickButton(control.window);
        }
        ScalePicture(index);
    }
    // Tab visits the windows from the top of the sibling order down.
    HWND previous = HWND_TOP;
    for (const Control id : FrmMainTabOrder()) {
        HWND child = ControlWindow(id);
        SetWindowPos(child, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = child;
    }
    // The result line, where the focus lands after a run, sits after Compare as designed: Tab
    // goes on from it to Close.
    SetWindowPos(ControlWindow(kFocusAfterRun), ControlWindow(FrmMainTabOrder().front()), 0, 0, 0,
                 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    MakeResultLine(ControlWindow(Control::lblResult));
    // The line lets the pointer through to the window, so the tip watches the window's pointer
    // over the line's place.
    const INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
    resultTip_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance, nullptr);
}

void frmMain::Form_Load() {
    logic_.Form_Load();
}

void frmMain::ShowCentred(int showCommand) {
    RECT work{};
    RECT outer{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(window_, &outer);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    SetWindowPos(window_, nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    SetFocus(GetNextDlgTabItem(window_, nullptr, FALSE));
}

std::optional<Control> frmMain::IdOf(HWND child) const {
    const std::optional<Control> id =
        child != nullptr ? IdOfChild(GetDlgCtrlID(child)) : std::nullopt;
    return id && controls_.at(*id).window == child ? id : std::nullopt;
}

// The window's own procedure from its first message on: CreateWindowExW hands it the form.
LRESULT CALLBACK frmMain::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created =
            static_cast<frmMain*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        created->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* form = reinterpret_cast<frmMain*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (form == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return form->OnMessage(message, wParam, lParam);
}

LRESULT frmMain::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // Explorer made the window's task bar button, the first time or after a restart.
    static const UINT taskbarButtonCreated = RegisterWindowMessageW(L"TaskbarButtonCreated");
    if (message == taskbarButtonCreated) {
        services_.desktop->SetWindow(WindowHandle());
        return 0;
    }
    switch (message) {
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT covers every pixel
        case WM_MOUSEMOVE:
            OnMouseMove(lParam);
            return 0;
        case WM_LBUTTONDOWN:
            pressed_ = HitTest(lParam);
            SetCapture(window_);
            return 0;
        case WM_LBUTTONUP:
            OnMouseUp(lParam);
            return 0;
        case WM_COMMAND:
            OnCommand(wParam);
            return 0;
        case WM_DRAWITEM:
            OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_CONTEXTMENU:
            if (OnContextMenu(reinterpret_cast<HWND>(wParam), lParam)) {
                return 0;
            }
            break;
        case WM_TIMER:
            if (wParam == kHoverTimer) {
                logic_.tmrLang_Timer();
            }
            return 0;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            if (IdOf(reinterpret_cast<HWND>(lParam))) {
                return OnBoxColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
            }
            break;
        case WM_SETTINGCHANGE:
            if (wParam != SPI_SETHIGHCONTRAST) {
                break;
            }
            [[fallthrough]];
        case WM_SYSCOLORCHANGE:
            RefreshScheme();
            for (int box = 0; box < 2; ++box) {
                RefreshBoxBrush(static_cast<int>(Row(lblFile(box))));
            }
            RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_NCDESTROY:
            window_ = nullptr;
            break;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void frmMain::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    RECT client{};
    GetClientRect(window_, &client);
    // Drawn off screen first, so a result line that changes after every block does not flicker.
    HDC buffer = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
    HGDIOBJ old = SelectObject(buffer, bitmap);
    PaintForm(buffer, client, BackColour(), controls_, fonts_, scale_);
    const RECT& area = paint.rcPaint;
    BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, buffer,
           area.left, area.top, SRCCOPY);
    SelectObject(buffer, old);
    DeleteObject(bitmap);
    DeleteDC(buffer);
    EndPaint(window_, &paint);
}

// Labels, and the stand-ins of the flags and the link with their focus mark.
void frmMain::OnDrawItem(const DRAWITEMSTRUCT& item) {
    const auto id = IdOf(item.hwndItem);
    if (!id) {
        return;
    }
    const FormControl& control = controls_.at(*id);
    if (control.kind() == ControlKind::Image) {
        // What the window paints there: the flag, or its pale flag under the pointer.
        const RECT place = scale_.ToDevice(controls_.InWindow(static_cast<int>(Row(*id))));
        RECT client{};
        GetClientRect(window_, &client);
        POINT origin{};
        SetViewportOrgEx(item.hDC, -place.left, -place.top, &origin);
        PaintForm(item.hDC, client, BackColour(), controls_, fonts_, scale_);
        SetViewportOrgEx(item.hDC, origin.x, origin.y, nullptr);
        if (control.inForce) {
            RECT mark = item.rcItem;
            mark.top = mark.bottom - scale_.ToDevice(2);
            HBRUSH brush = CreateSolidBrush(ToColorRef(kSystemColourFlag + COLOR_HIGHLIGHT));
            FillRect(item.hDC, &mark, brush);
            DeleteObject(brush);
        }
    } else {
        PaintLabel(item.hDC, control, item.rcItem, fonts_, scale_);
    }
    if ((item.itemState & ODS_FOCUS) != 0) {
        RECT focus = item.rcItem;
        DrawFocusRect(item.hDC, &focus);
    }
}

std::optional<Control> frmMain::HitTest(LPARAM where) const {
    const auto x = static_cast<short>(LOWORD(where));
    const auto y = static_cast<short>(HIWORD(where));
    return controls_.HitTest(scale_.ToLogical(x), scale_.ToLogical(y));
}

void frmMain::OnMouseMove(LPARAM where) {
    if (const auto hit = HitTest(where)) {
        logic_.Control_MouseMove(*hit);
    } else {
        logic_.Form_MouseMove();  // the background, or a shape or line on it
    }
}

// A click is a press and a release on the same control.
void frmMain::OnMouseUp(LPARAM where) {
    ReleaseCapture();
    const std::optional<Control> pressed = std::exchange(pressed_, std::nullopt);
    if (pressed && HitTest(where) == pressed) {
        Control_Click(*pressed);
    }
}

void frmMain::OnCommand(WPARAM wParam) {
    if (HIWORD(wParam) != BN_CLICKED) {
        return;
    }
    if (LOWORD(wParam) == kCopyResultLine) {
        if (const std::string text = logic_.ResultLineCopy(); !text.empty()) {
            CopyText(window_, text);
        }
        return;
    }
    if (LOWORD(wParam) == IDOK) {
        // Enter with the focus on a button presses it, as in a dialog.
        HWND focus = GetFocus();
        const auto id = IdOf(focus);
        if (id && controls_.at(*id).kind() != ControlKind::DropBox) {
            SendMessageW(focus, BM_CLICK, 0, 0);
        }
        return;
    }
    if (const auto id = IdOfChild(LOWORD(wParam))) {
        Control_Click(PressTarget(*id));  // a flag's stand-in presses its pale flag
    }
}

bool frmMain::OnContextMenu(HWND from, LPARAM where) {
    HWND line = ControlWindow(Control::lblResult);
    POINT at{static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
    if (at.x == -1 && at.y == -1) {  // Shift+F10 or the menu key: below the line's start
        if (from != line) {
            return false;
        }
        RECT place{};
        GetWindowRect(line, &place);
        at = {place.left, place.bottom};
    } else {
        POINT inside = at;
        ScreenToClient(window_, &inside);
        if (HitTest(MAKELPARAM(inside.x, inside.y)) != Control::lblResult) {
            return false;
        }
    }
    HMENU menu = CreatePopupMenu();
    const UINT grey = logic_.ResultLineCopy().empty() ? MF_GRAYED : 0;
    AppendMenuW(menu, MF_STRING | grey, kCopyResultLine,
                Widen(PickText(TXT_COPY.hu, TXT_COPY.en)).c_str());
    // The chosen entry comes back as a WM_COMMAND.
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, at.x, at.y, 0, window_, nullptr);
    DestroyMenu(menu);
    return true;
}

// Compare's click is the run's; the handlers know what any other click concerns.
void frmMain::Control_Click(Control id) {
    if (id == Control::comCompare) {
        comCompare_Click();
    } else {
        logic_.Control_Click(id);
    }
}

LRESULT frmMain::OnBoxColour(HDC dc, HWND box) {
    const FormControl& control = controls_.at(*IdOf(box));
    if (control.kind() != ControlKind::DropBox) {
        return DefWindowProcW(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(box));
    }
    const ColourScheme& scheme = CurrentScheme();
    const Rgb back = Resolve(control.backColour, scheme);
    SetTextColor(dc, ToColorRef(ReadableText(control.foreColour, back, scheme)));
    SetBkColor(dc, ToColorRef(back));
    return reinterpret_cast<LRESULT>(control.brush);
}

void frmMain::comCompare_Click() {
    run_.comCompare_Click();
    logic_.AfterCompare();  // a close that waited for the run goes ahead
}

// Closed during a run, the window stays until the run has stopped; then it closes for good.
void frmMain::OnClose() {
    if (logic_.Form_QueryUnload()) {
        DestroyWindow(window_);
    }
}

void frmMain::OnDestroy() {
    KillTimer(window_, kHoverTimer);
    if (logic_.Unloaded()) {
        PostQuitMessage(0);
    }
}

void frmMain::ChooserAsked(HWND box) {
    const auto id = IdOf(box);
    if (!id || BoxOf(*id) < 0) {
        return;
    }
    const std::optional<FileChooser> chooser = logic_.ChooserFor(BoxOf(*id));
    if (!chooser) {
        MessageBeep(MB_OK);
        return;
    }
    if (const auto path = AskForFile(window_, chooser->title, chooser->folder, chooser->allFiles)) {
        FilesFromKeyboard(box, {*path});
    }
}

void frmMain::FilesGiven(HWND box, const std::vector<std::string>& paths) {
    if (const auto id = IdOf(box); id && BoxOf(*id) >= 0) {
        logic_.lblFile_FilesGiven(BoxOf(*id), paths);
    }
}

void frmMain::FilesFromKeyboard(HWND box, const std::vector<std::string>& paths) {
    if (const auto id = IdOf(box); id && BoxOf(*id) >= 0) {
        logic_.lblFile_FilesFromKeyboard(BoxOf(*id), paths);
    }
}

void frmMain::PaintOver(HWND box, HDC dc) {
    const auto id = IdOf(box);
    if (!map_ || !id) {
        return;
    }
    RECT client{};
    GetClientRect(box, &client);
    const ColourScheme& scheme = CurrentScheme();
    const Rgb back = Resolve(controls_.at(*id).backColour, scheme);
    HBRUSH brush = CreateSolidBrush(ToColorRef(MapMarkColour(back, scheme)));
    for (const PixelRect& mark : MapMarks(mapEdge_, {0, 0, client.right, client.bottom},
                                          scale_.ToDevice(float(kMapStripDepth)), *map_)) {
        const RECT rect = ToRect(mark);
        FillRect(dc, &rect, brush);
    }
    DeleteObject(brush);
}

// The box takes the rectangle as it takes its client area, within its border and margins.
void frmMain::FitBoxText(int index) {
    HWND box = controls_.at(index).window;
    RECT text{};
    GetClientRect(box, &text);
    if (map_) {
        text = ToRect(BesideMapStrip(mapEdge_, {0, 0, text.right, text.bottom},
                                     scale_.ToDevice(float(kMapStripDepth)),
                                     scale_.ToDevice(float(kMapStripGap))));
    }
    SendMessageW(box, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&text));
}

void frmMain::PlaceResultTip() {
    TTTOOLINFOW tool = ResultTool(window_);
    tool.rect = scale_.ToDevice(controls_.InWindow(static_cast<int>(Row(Control::lblResult))));
    SendMessageW(resultTip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void frmMain::Repaint(int index) {
    if (window_ == nullptr) {
        return;
    }
    if (HWND own = controls_.at(index).window; own != nullptr) {
        InvalidateRect(own, nullptr, FALSE);
        return;
    }
    // Also the stand-ins above it, which draw what the window paints.
    const RECT area = PaintedArea(controls_, index, scale_);
    RedrawWindow(window_, &area, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void frmMain::PlaceWindow(int index) {
    const FormControl& control = controls_.at(index);
    const RECT rect = scale_.ToDevice(controls_.InWindow(index));
    SIZE size{rect.right - rect.left, rect.bottom - rect.top};
    if ((control.design->flags & kAutoSize) != 0) {
        // Text does not grow exactly with the scaling: the label keeps its 96-dpi size for the
        // handlers, and its window takes what the caption needs on this screen.
        const SIZE needed = CaptionSize(control, scale_.dotsPerInch);
        size = {std::max(size.cx, needed.cx), std::max(size.cy, needed.cy)};
    }
    MoveWindow(control.window, rect.left, rect.top, size.cx, size.cy, TRUE);
    // A resized box, or one given a new font, gives its text the whole client area again.
    if (map_ && control.kind() == ControlKind::DropBox) {
        FitBoxText(index);
    }
}

SIZE frmMain::CaptionSize(const FormControl& label, int dotsPerInch) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, fonts_.Get(FontOf(label), false, dotsPerInch));
    const std::wstring text = Widen(label.caption);
    RECT size{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &size,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    DeleteDC(dc);
    return {size.right - size.left, size.bottom - size.top};
}

void frmMain::FitToCaption(int index) {
    FormControl& label = controls_.at(index);
    const SIZE size = CaptionSize(label, 96);
    Repaint(index);
    label.place.width = static_cast<float>(size.cx);
    label.place.height = static_cast<float>(size.cy);
    if (label.window != nullptr) {
        PlaceWindow(index);
    }
    Repaint(index);
}

void frmMain::RefreshBoxBrush(int index) {
    FormControl& box = controls_.at(index);
    if (box.brush != nullptr) {
        DeleteObject(box.brush);
    }
    box.brush = CreateSolidBrush(ToColorRef(box.backColour));
    InvalidateRect(box.window, nullptr, TRUE);
}

// What the run and the drop do to the window.

void frmMain::SetCompareEnabled(bool enabled) {
    FormControl& button = controls_.at(Control::comCompare);
    if (!enabled && GetFocus() == button.window) {
        SetFocus(ControlWindow(kFocusAfterRun));  // where the verdict is read
    }
    button.enabled = enabled;
    EnableWindow(button.window, enabled);
}

void frmMain::SetDifferenceMap(const DiffCells* cells) {
    const bool shown = map_.has_value();
    map_ = cells != nullptr ? std::optional(*cells) : std::nullopt;
    for (int box = 0; box < 2; ++box) {
        const auto index = static_cast<int>(Row(lblFile(box)));
        if (map_ || shown) {
            FitBoxText(index);
        }
        InvalidateRect(controls_.at(index).window, nullptr, TRUE);
    }
}

void frmMain::SetResultDetail(const std::string& text) {
    const std::wstring detail = Widen(text);
    SetResultDescription(ControlWindow(Control::lblResult), detail);
    TTTOOLINFOW tool = ResultTool(window_);
    SendMessageW(resultTip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    if (!detail.empty()) {
        tool.uFlags = TTF_SUBCLASS;
        tool.lpszText = const_cast<wchar_t*>(detail.c_str());  // copied by the tip
        SendMessageW(resultTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        PlaceResultTip();
    }
}

void frmMain::SetDropMode(int box, DropMode mode) {
    // Without it the shell shows its no-drop pointer over the box.
    DragAcceptFiles(ControlWindow(lblFile(box)), mode == DropMode::Manual);
}

void frmMain::SetCloseEnabled(bool enabled) {
    FormControl& button = controls_.at(Control::ComClose);
    button.enabled = enabled;
    EnableWindow(button.window, enabled);
}

// What the layout, language, hover and start-up handlers do to the window.

float frmMain::Left(Control control) const {
    return controls_.at(control).place.left;
}

float frmMain::Top(Control control) const {
    return controls_.at(control).place.top;
}

float frmMain::Width(Control control) const {
    return controls_.at(control).place.width;
}

float frmMain::Height(Control control) const {
    return controls_.at(control).place.height;
}

void frmMain::SetLeft(Control control, float left) {
    MoveEdge(control, &LogicalRect::left, left);
}

void frmMain::SetTop(Control control, float top) {
    MoveEdge(control, &LogicalRect::top, top);
}

void frmMain::SetWidth(Control control, float width) {
    MoveEdge(control, &LogicalRect::width, width);
}

void frmMain::SetHeight(Control control, float height) {
    MoveEdge(control, &LogicalRect::height, height);
}

// The old place is repainted too, so a painted control leaves nothing behind.
void frmMain::MoveEdge(Control control, float LogicalRect::*edge, float value) {
    const auto index = static_cast<int>(Row(control));
    Repaint(index);
    controls_.at(index).place.*edge = value;
    controls_.at(index).window != nullptr ? PlaceWindow(index) : Repaint(index);
}

void frmMain::SetCaption(Control control, const std::string& caption) {
    const auto index = static_cast<int>(Row(control));
    FormControl& target = controls_.at(index);
    switch (target.kind()) {
        case ControlKind::DropBox:
        case ControlKind::Button:
        case ControlKind::PictureButton:
            target.caption = caption;
            SetWindowTextW(target.window, Widen(caption).c_str());
            break;
        case ControlKind::Label:
            target.caption = caption;
            if (target.window != nullptr) {
                SetWindowTextW(target.window, Widen(caption).c_str());
            }
            if ((target.design->flags & kAutoSize) != 0) {
                FitToCaption(index);
            }
            Repaint(index);
            break;
        default:
            throw std::invalid_argument("the control has no caption");
    }
}

std::string frmMain::Caption(Control control) const {
    return controls_.at(control).caption;
}

void frmMain::SetVisible(Control control, bool visible) {
    FormControl& target = controls_.at(control);
    target.visible = visible;
    if (target.window != nullptr) {
        ShowWindow(target.window, visible ? SW_SHOWNA : SW_HIDE);
    } else {
        Repaint(static_cast<int>(Row(control)));
    }
}

// A box's window paints itself in its colours; anything else is painted by the window.
void frmMain::SetForeColour(Control control, OleColour colour) {
    FormControl& target = controls_.at(control);
    target.foreColour = colour;
    if (target.kind() == ControlKind::DropBox) {
        InvalidateRect(target.window, nullptr, TRUE);
    } else {
        Repaint(static_cast<int>(Row(control)));
    }
}

void frmMain::SetFontUnderline(Control control, bool underline) {
    controls_.at(control).underline = underline;
    Repaint(static_cast<int>(Row(control)));
}

void frmMain::SetBackColour(Control control, OleColour colour) {
    const auto index = static_cast<int>(Row(control));
    controls_.at(index).backColour = colour;
    if (controls_.at(index).kind() == ControlKind::DropBox) {
        RefreshBoxBrush(index);
    } else {
        Repaint(index);
    }
}

void frmMain::SetInForce(Control control, bool inForce) {
    FormControl& target = controls_.at(control);
    target.inForce = inForce;
    if (target.kind() == ControlKind::PictureButton) {
        SendMessageW(target.window, BM_SETCHECK, inForce ? BST_CHECKED : BST_UNCHECKED, 0);
    } else if (target.window != nullptr) {
        InvalidateRect(target.window, nullptr, FALSE);
    }
}

void frmMain::SetMapEdge(MapEdge edge) {
    mapEdge_ = edge;
    if (map_) {
        SetDifferenceMap(&*map_);  // along the new edge
    }
}

// Readers hear a box's new text as its value changing.
void frmMain::AnnounceCaption(Control control) {
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, ControlWindow(control), OBJID_CLIENT, CHILDID_SELF);
}

void frmMain::SetTimerEnabled(bool enabled) {
    if (window_ == nullptr) {
        return;
    }
    if (enabled) {
        const FormControl& timer = controls_.at(Control::tmrLang);
        SetTimer(window_, kHoverTimer, static_cast<UINT>(timer.design->intervalMs), nullptr);
    } else {
        KillTimer(window_, kHoverTimer);
    }
}

void frmMain::SetWindowCaption(const std::string& caption) {
    SetWindowTextW(window_, Widen(caption).c_str());
    // A language switch ends here: the picture buttons draw no text, so their window text is
    // only what a screen reader says, in the language now in force.
    for (const ControlDesign& design : FrmMainControlDesigns()) {
        if (design.kind != ControlKind::PictureButton) {
            continue;
        }
        if (const auto facts = DescribeControl(design.id, {}, state_)) {
            SetWindowTextW(ControlWindow(design.id), Widen(facts->name).c_str());
        }
    }
}

OleColour frmMain::BackColour() const {
    return kFrmMainForm.backColour;
}

// The window cannot be resized: its inner width is the design's, in the handlers' pixels at
// any scaling.
float frmMain::ScaleWidth() const {
    return static_cast<float>(kFrmMainForm.clientWidth);
}

// The pointer position is in the same physical pixels, whatever the display scaling.
TwipsRect frmMain::OuterRectTwips() const {
    RECT outer{};
    GetWindowRect(window_, &outer);
    const auto twips = [](LONG pixels) { return static_cast<float>(pixels * kTwipsPerPixel); };
    return {twips(outer.left), twips(outer.top), twips(outer.right - outer.left),
            twips(outer.bottom - outer.top)};
}

NativeWindowHandle frmMain::WindowHandle() const {
    return reinterpret_cast<NativeWindowHandle>(window_);
}

// Closes the window as its title bar does (OnClose).
void frmMain::Unload() {
    if (window_ != nullptr) {
        OnClose();
    }
}

void frmMain::EndProgram() {
    PostQuitMessage(0);
}

}  // namespace duplexa::win32
