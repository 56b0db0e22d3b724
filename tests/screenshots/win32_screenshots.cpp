// Writes pictures of the Win32 window in the states make screenshots shows the Qt window in:
//   duplexa-screenshots OUTPUT_FOLDER

#include <objbase.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "window/win32/frm_main.h"
#include "window_picture.h"

namespace {

using duplexa::Control;
using duplexa::win32::frmMain;
namespace fs = std::filesystem;

std::vector<char> Pattern(std::size_t size) {
    std::vector<char> bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 131 + 7) & 0xFF);
    }
    return bytes;
}

std::string Write(const fs::path& folder, const std::wstring& name,
                  const std::vector<char>& bytes) {
    const fs::path path = folder / name;
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}

void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message != WM_QUIT) {
            duplexa::win32::Dispatch(GetActiveWindow(), message);
        }
    }
}

// The system colours the window uses, as Windows numbers them.
constexpr int kIndices[] = {COLOR_WINDOW,    COLOR_WINDOWTEXT, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT,
                            COLOR_BTNFACE,   COLOR_BTNSHADOW,  COLOR_GRAYTEXT,  COLOR_BTNTEXT,
                            COLOR_3DHILIGHT, COLOR_3DDKSHADOW, COLOR_3DLIGHT,   COLOR_HOTLIGHT};
using Colours = std::array<COLORREF, std::size(kIndices)>;

// A dark scheme as a user sets it under Control Panel\Colors, and High Contrast Black.
constexpr Colours kDark = {RGB(45, 45, 45),    RGB(255, 255, 255), RGB(21, 83, 158),
                           RGB(255, 255, 255), RGB(53, 53, 53),    RGB(27, 27, 27),
                           RGB(145, 145, 144), RGB(238, 238, 236), RGB(80, 80, 80),
                           RGB(10, 10, 10),    RGB(60, 60, 60),    RGB(53, 132, 228)};
constexpr Colours kHighContrastBlack = {RGB(0, 0, 0),       RGB(255, 255, 255), RGB(26, 235, 255),
                                        RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(128, 128, 128),
                                        RGB(63, 242, 63),   RGB(255, 255, 255), RGB(255, 255, 255),
                                        RGB(128, 128, 128), RGB(128, 128, 128), RGB(255, 255, 0)};

Colours SystemColours() {
    Colours colours{};
    for (std::size_t i = 0; i < colours.size(); ++i) {
        colours[i] = GetSysColor(kIndices[i]);
    }
    return colours;
}

// Through the system, as the control panel does: every window hears of it.
void SetColours(const Colours& colours, bool highContrast) {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof(contrast);
    contrast.dwFlags = highContrast ? HCF_HIGHCONTRASTON : 0;
    SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof(contrast), &contrast, SPIF_SENDCHANGE);
    SetSysColors(static_cast<int>(colours.size()), kIndices, colours.data());
}

class Shooter {
  public:
    explicit Shooter(fs::path folder) : folder_(std::move(folder)) {}

    // The next pictures go to folder, of windows at dotsPerInch (0: the screen's).
    void SetFolder(const fs::path& folder, int dotsPerInch = 0) {
        folder_ = folder;
        dotsPerInch_ = dotsPerInch;
        fs::create_directories(folder_);
    }

    // A fresh window after a first start (English, stacked), on a settings key of its own that
    // is deleted afterwards, handed to prepare, then saved as name.png unless prepare saved it
    // itself while the window was busy (then it returns false).
    void Shoot(const std::wstring& name, const std::function<bool(frmMain&)>& prepare) {
        const std::string key =
            "Software\\Veltrimo-screenshots-" + std::to_string(GetCurrentProcessId());
        {
            duplexa::frmMainServices services;
            services.settingsKey = key;
            frmMain form(std::move(services), dotsPerInch_);
            form.Form_Load();
            form.ShowCentred();
            Pump();
            if (prepare(form)) {
                Save(form, name);
            }
        }
        RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
        Pump();
    }

    void Save(frmMain& form, const std::wstring& name) {
        Pump();
        const fs::path path = folder_ / (name + L".png");
        if (!duplexa::win32::SaveWindowPicture(form.Handle(), path.wstring())) {
            std::fwprintf(stderr, L"cannot save %ls\n", path.c_str());
            ok_ = false;
            return;
        }
        std::wprintf(L"%ls\n", path.c_str());
    }

    bool ok() const { return ok_; }

  private:
    fs::path folder_;
    int dotsPerInch_ = 0;
    bool ok_ = true;
};

void Drop(frmMain& form, int box, const std::string& path) {
    form.FilesGiven(form.ControlWindow(duplexa::lblFile(box)), {path});
}

void Press(frmMain& form, Control button) {
    SendMessageW(form.ControlWindow(button), BM_CLICK, 0, 0);
}

// Hungarian, as a click on the Hungarian flag chooses it; the focus stays where it was.
void SwitchToHungarian(frmMain& form) {
    HWND flag = form.ControlWindow(Control::imgLangHUN);
    SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(flag), BN_CLICKED),
                 reinterpret_cast<LPARAM>(flag));
}

// The pointer moved onto a control, as the window hears of it.
void PointAt(frmMain& form, Control control) {
    RECT place{};
    GetWindowRect(form.ControlWindow(control), &place);
    MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&place), 2);
    SendMessageW(form.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(place.left + 2, place.top + 2));
}

// The progress picture is taken by a timer tick during the run's turns of the message loop,
// past the middle of the files; then the run is stopped.
frmMain* runningForm = nullptr;
Shooter* runningShooter = nullptr;

void CALLBACK DuringRun(HWND, UINT, UINT_PTR timer, DWORD) {
    if (runningForm == nullptr || runningForm->state().blockStart <= (32 << 20)) {
        return;
    }
    KillTimer(nullptr, timer);
    frmMain& form = *std::exchange(runningForm, nullptr);
    runningShooter->Save(form, L"8-progress");
    Press(form, Control::comCompare);  // Stop
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fputs("usage: duplexa-screenshots OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const fs::path out = argv[1];
    fs::create_directories(out);
    const fs::path dir =
        fs::temp_directory_path() / ("duplexa-shots-" + std::to_string(GetCurrentProcessId()));
    fs::create_directories(dir);
    fs::create_directories(dir / "photos");

    const std::vector<char> pattern = Pattern(3000);
    std::vector<char> changed = pattern;
    for (std::size_t i = 0; i < 12; ++i) {
        changed[i * 200] = static_cast<char>(~changed[i * 200]);
    }
    const std::string first = Write(dir, L"report-2023.pdf", pattern);
    const std::string copy = Write(dir, L"report-2023 (copy).pdf", pattern);
    const std::string edited = Write(dir, L"report-2023 edited.pdf", changed);
    const std::string shorter = Write(dir, L"report-2023 draft.pdf",
                                      std::vector<char>(pattern.begin(), pattern.begin() + 2000));
    const std::string big1 = Write(dir, L"disk-image-a.iso", std::vector<char>(64 << 20, 'x'));
    const std::string big2 = Write(dir, L"disk-image-b.iso", std::vector<char>(64 << 20, 'x'));
    const std::string folder = (dir / "photos").string();

    // The pointer rests off the windows, so that only the pictures that say so show a highlight.
    SetCursorPos(0, 0);
    Shooter shooter{out};
    const auto compare = [](frmMain& form) { Press(form, Control::comCompare); };
    // Every state but the progress also under dark system colours, in high contrast and at 200 %.
    const auto shootStates = [&] {
        shooter.Shoot(L"1-start", [](frmMain&) { return true; });
        // Two drops, and a press of Compare where the verdict is the picture.
        const struct {
            const wchar_t* name;
            const std::string* second;
            bool compared;
        } pairs[] = {
            {L"2-dropped", &copy, false},    {L"3-identical", &copy, true},
            {L"4-different", &edited, true}, {L"5-size-differs", &shorter, true},
            {L"6-same-file", &first, false}, {L"7-unusable", &folder, false},
        };
        for (const auto& pair : pairs) {
            shooter.Shoot(pair.name, [&](frmMain& form) {
                Drop(form, 0, first);
                Drop(form, 1, *pair.second);
                if (pair.compared) {
                    compare(form);
                }
                return true;
            });
        }
        shooter.Shoot(L"9-side-by-side", [&](frmMain& form) {
            Press(form, Control::cmdOrder1);
            Drop(form, 0, first);
            Drop(form, 1, edited);
            compare(form);
            return true;
        });
        shooter.Shoot(L"10-hungarian", [&](frmMain& form) {
            SwitchToHungarian(form);
            Drop(form, 0, first);
            Drop(form, 1, edited);
            compare(form);
            PointAt(form, Control::imgLangHUN);
            return true;
        });
        shooter.Shoot(L"11-hungarian-side-by-side", [&](frmMain& form) {
            SwitchToHungarian(form);
            Press(form, Control::cmdOrder1);
            Drop(form, 0, first);
            PointAt(form, Control::lblHomepage);
            return true;
        });
    };
    shootStates();
    const Colours light = SystemColours();
    SetColours(kDark, false);
    shooter.SetFolder(out / "dark");
    shootStates();
    SetColours(kHighContrastBlack, true);
    shooter.SetFolder(out / "high-contrast");
    shootStates();
    SetColours(light, false);
    shooter.SetFolder(out / "2x", 192);
    shootStates();
    shooter.SetFolder(out);
    shooter.Shoot(L"8-progress", [&](frmMain& form) {
        Drop(form, 0, big1);
        Drop(form, 1, big2);
        runningForm = &form;
        runningShooter = &shooter;
        SetTimer(nullptr, 0, USER_TIMER_MINIMUM, DuringRun);
        compare(form);
        if (runningForm != nullptr) {
            std::fputs("the run ended before a picture of its progress was taken\n", stderr);
            runningForm = nullptr;
        }
        return false;
    });
    fs::remove_all(dir);
    CoUninitialize();
    return shooter.ok() ? 0 : 1;
}
