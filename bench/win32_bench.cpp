// Times vellumark.exe's text boxes under Wine against bare multi-line EDIT boxes doing the same
// work, for scripts/bench-windows.sh. vellumark.exe must be running, in encrypt mode. The bare
// boxes are Common Controls 6 edit boxes with the styles, sizes and font of vellumark.exe's
// input and output boxes, in a thread of their own. Each step is sent to the boxes from the
// timing thread and timed until they have handled it and drawn themselves. The sides take turns,
// vellumark.exe first, and the bare boxes show the very texts that it showed; the key and the
// mode change are the medians of a few runs a side, the paste is timed once a side. In seconds.
//
//   key    the input holds 32,765 characters; a key brings it to 32,766, the most the cipher
//          encrypts. vellumark.exe: its input box takes the key, the window reads and encrypts
//          the input and sets the output box (break-anywhere procedure) and the status bar.
//          Bare: the input box takes the key, the output box (break-anywhere procedure) is set
//          to the text that vellumark.exe's output box showed after that key.
//   mode   Ctrl+D's command with a cipher text of 32,766 characters, to decrypt and back.
//          vellumark.exe: both boxes change their break procedures, the window computes the
//          other mode and sets the output where it changed. Bare: both boxes change their break
//          procedures, the output box is set where vellumark.exe's output changed, to the same
//          text.
//   paste  WM_PASTE of 10,000,000 characters, in lines of 76 and CR LF, into the empty input,
//          in encrypt mode. Both input boxes are limited to 131,064 characters and take that
//          many. vellumark.exe then refuses the input as too long to encrypt and says so in the
//          status bar.
//
// A step that takes longer than its bound stops the run with a message and exit status 3.

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "engine/crypt_text.h"
#include "win32/control_makers.h"
#include "win32/menus.h"
#include "win32/metrics.h"
#include "window_core/crypt_view.h"

namespace {

constexpr int kRuns = 3;
constexpr std::size_t kLongest = 32766;
constexpr std::size_t kPasted = 10000000;
constexpr WPARAM kInputLimit = 131064;
// Bounds in seconds, some ten times what a step takes under Wine on a busy machine.
constexpr int kKeyBound = 60;
constexpr int kModeBound = 120;
constexpr int kPasteBound = 60;

using Clock = std::chrono::steady_clock;

// The step under way and when it must be over, for the watchdog.
std::atomic<const char*> stepName{nullptr};
std::atomic<int> stepBound{0};
std::atomic<Clock::rep> stepDeadline{0};

DWORD WINAPI Watchdog(LPVOID /*unused*/) {
    for (;;) {
        Sleep(250);
        const Clock::rep deadline = stepDeadline.load();
        if (deadline != 0 && Clock::now().time_since_epoch().count() > deadline) {
            std::fprintf(stderr, "win32_bench: %s took more than %d s; stopped\n", stepName.load(),
                         stepBound.load());
            std::fflush(stderr);
            TerminateProcess(GetCurrentProcess(), 3);
        }
    }
}

// Runs `work` within `seconds`, else the watchdog ends the run naming `what`.
void Bounded(const char* what, int seconds, const std::function<void()>& work) {
    stepName = what;
    stepBound = seconds;
    stepDeadline = (Clock::now() + std::chrono::seconds(seconds)).time_since_epoch().count();
    work();
    stepDeadline = 0;
}

int CALLBACK BreakAnywhere(LPWSTR /*text*/, int position, int /*length*/, int action) {
    return action == WB_ISDELIMITER ? FALSE : position;
}

struct Boxes {
    const char* name;
    HWND window;
    HWND input;
    HWND output;
};

double Seconds(const Boxes& boxes, const char* what, int bound, const std::function<void()>& work) {
    std::string label = std::string(boxes.name) + ": " + what;
    double seconds = 0;
    Bounded(label.c_str(), bound, [&] {
        const auto start = Clock::now();
        work();
        RedrawWindow(boxes.window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        // The window has handled everything sent to it meanwhile.
        SendMessageW(boxes.window, WM_NULL, 0, 0);
        seconds = std::chrono::duration<double>(Clock::now() - start).count();
    });
    return seconds;
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void SetText(HWND box, const std::wstring& text) {
    SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// By message: GetWindowTextW reads only captions of another process's windows.
std::wstring TextOf(HWND box) {
    const auto length = static_cast<std::size_t>(SendMessageW(box, WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(length + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(box, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

void PutOnClipboard(const std::wstring& text) {
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::copy(text.c_str(), text.c_str() + text.size() + 1,
              static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    OpenClipboard(nullptr);
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

// Where `box` lies in its parent.
RECT PlaceOf(HWND box) {
    RECT place{};
    GetWindowRect(box, &place);
    MapWindowPoints(nullptr, GetParent(box), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

// Boxes of the same styles, places and font as `program`'s, in encrypt mode, in a window
// beside `program`'s.
Boxes BareBoxes(const Boxes& program, HFONT font) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RECT window{};
    GetWindowRect(program.window, &window);
    // A plain window, as vellumark.exe's is, not a control's.
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"BareBoxes";
    RegisterClassExW(&windowClass);
    const HWND parent = CreateWindowExW(
        0, windowClass.lpszClassName, L"bare", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE,
        window.right + 8, window.top, window.right - window.left, window.bottom - window.top,
        nullptr, nullptr, instance, nullptr);
    constexpr DWORD kBox = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL |
                           WS_VSCROLL | ES_NOHIDESEL;
    const auto make = [&](HWND like, DWORD style) {
        const RECT place = PlaceOf(like);
        const HWND box = CreateWindowExW(
            WS_EX_CLIENTEDGE, L"EDIT", L"", kBox | style, place.left, place.top,
            place.right - place.left, place.bottom - place.top, parent, nullptr, instance, nullptr);
        SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        return box;
    };
    const HWND input = make(program.input, ES_WANTRETURN);
    const HWND output = make(program.output, ES_READONLY);
    SendMessageW(input, EM_SETLIMITTEXT, kInputLimit, 0);
    SendMessageW(output, EM_SETLIMITTEXT, 0, 0);
    SendMessageW(output, EM_SETWORDBREAKPROC, 0, reinterpret_cast<LPARAM>(BreakAnywhere));
    return {"bare EDIT", parent, input, output};
}

// The bare boxes live in a thread of their own with its message loop, so that they take every
// message from the timing thread as vellumark.exe's boxes do: sent from another thread, and
// drawn when that thread asks.
struct BareThread {
    const Boxes* program;
    HFONT font;
    HANDLE ready;
    Boxes boxes;
};

DWORD WINAPI RunBareBoxes(LPVOID parameter) {
    auto* bare = static_cast<BareThread*>(parameter);
    bare->boxes = BareBoxes(*bare->program, bare->font);
    SetEvent(bare->ready);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

void Prepare(const Boxes& boxes, const char* what, const std::function<void()>& work) {
    const std::string label = std::string(boxes.name) + ": " + what;
    Bounded(label.c_str(), kModeBound, work);
}

// The medians of both sides, in seconds.
struct Medians {
    double bare;
    double program;
};

// A key at the limit, then Backspace, kRuns times on each side, turn about, so that a load from
// elsewhere falls on both alike.
Medians KeyAtLimit(const Boxes& program, const Boxes& bare) {
    for (const Boxes* boxes : {&program, &bare}) {
        Prepare(*boxes, "setting the input",
                [&] { SetText(boxes->input, std::wstring(kLongest - 1, L'x')); });
    }
    std::vector<double> programTimes;
    std::vector<double> bareTimes;
    const auto key = [](const Boxes& boxes, const std::function<void()>& also) {
        SendMessageW(boxes.input, EM_SETSEL, kLongest, kLongest);
        const double seconds = Seconds(boxes, "a key at 32,766 characters", kKeyBound, [&] {
            SendMessageW(boxes.input, WM_CHAR, L'y', 1);
            also();
        });
        return seconds;
    };
    const auto backspace = [](const Boxes& boxes) {
        Prepare(boxes, "Backspace", [&] { SendMessageW(boxes.input, WM_CHAR, VK_BACK, 1); });
    };
    for (int run = 0; run < kRuns; ++run) {
        programTimes.push_back(key(program, [] {}));
        const std::wstring output = TextOf(program.output);
        backspace(program);
        bareTimes.push_back(key(bare, [&] { SetText(bare.output, output); }));
        backspace(bare);
    }
    return {Median(bareTimes), Median(programTimes)};
}

// A cipher text of 32,766 characters under the window's code number. Wine's edit box crashes on
// a line that starts with U+02C6 or U+02DC, which the decryption of any other text may give;
// this one decrypts to x's, and encrypts to cipher symbols.
std::wstring CipherTextAtLimit(HWND codeNumberBox) {
    const std::wstring code = TextOf(codeNumberBox);
    const std::string cipher =
        vellumark::CryptText(std::string(kLongest / 4 * 3, 'x'), vellumark::kModeEncrypt,
                             vellumark::CodeNumberOf(std::u16string(code.begin(), code.end())));
    std::wstring text(cipher.begin(), cipher.end());
    // Blanks, which decryption skips.
    text.resize(kLongest, L' ');
    return text;
}

// Ctrl+D's command 2 * kRuns times, to decrypt and back, turn about with the bare boxes.
Medians ModeChange(const Boxes& program, const Boxes& bare, const std::wstring& input) {
    std::wstring shown;
    Prepare(program, "setting the input", [&] {
        SetText(program.input, input);
        shown = TextOf(program.output);
    });
    Prepare(bare, "setting the input", [&] {
        SetText(bare.input, input);
        SetText(bare.output, shown);
    });
    std::vector<double> programTimes;
    std::vector<double> bareTimes;
    const char* what = "a mode change at 32,766 characters";
    for (int run = 0; run < 2 * kRuns; ++run) {
        programTimes.push_back(Seconds(program, what, kModeBound, [&] {
            SendMessageW(program.window, WM_COMMAND,
                         vellumark::win32::IdOf(vellumark::Command::kChangeMode), 0);
        }));
        const std::wstring next = TextOf(program.output);
        const bool inputIsCipher = run % 2 == 0;
        bareTimes.push_back(Seconds(bare, what, kModeBound, [&] {
            SendMessageW(bare.input, EM_SETWORDBREAKPROC, 0,
                         reinterpret_cast<LPARAM>(inputIsCipher ? BreakAnywhere : nullptr));
            SendMessageW(bare.output, EM_SETWORDBREAKPROC, 0,
                         reinterpret_cast<LPARAM>(inputIsCipher ? nullptr : BreakAnywhere));
            if (next != shown) {
                SetText(bare.output, next);
            }
        }));
        shown = next;
    }
    return {Median(bareTimes), Median(programTimes)};
}

double Paste(const Boxes& boxes) {
    Prepare(boxes, "clearing the input", [&] { SetText(boxes.input, L""); });
    const double seconds = Seconds(boxes, "a paste of 10,000,000 characters", kPasteBound,
                                   [&] { SendMessageW(boxes.input, WM_PASTE, 0, 0); });
    Prepare(boxes, "clearing the input", [&] { SetText(boxes.input, L""); });
    return seconds;
}

// 10,000,000 characters in lines of 76 and CR LF, as a mailed cipher text comes. Wine's box
// analyses the rest of a line for each row that it wraps the line into, so a line of 131,064
// characters without a break would keep either side busy for many minutes.
std::wstring PastedText() {
    std::wstring line(76, L'x');
    line += L"\r\n";
    std::wstring text;
    text.reserve(kPasted);
    while (text.size() + line.size() <= kPasted) {
        text += line;
    }
    text.resize(kPasted, L'x');
    return text;
}

void Row(const char* what, double bare, double vellumark, double target) {
    std::printf("| %s | %.3f | %.3f | %.2f | %.2f |\n", what, bare, vellumark, vellumark / bare,
                target);
    // Each row as soon as it is measured: the whole run takes minutes.
    std::fflush(stdout);
}

}  // namespace

int main() {
    const HWND main = FindWindowW(L"VellumarkMain", L"Vellumark");
    if (main == nullptr) {
        std::fprintf(stderr, "win32_bench: vellumark.exe is not running\n");
        return 2;
    }
    CloseHandle(CreateThread(nullptr, 0, Watchdog, nullptr, 0, nullptr));
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const Boxes program{"vellumark.exe", main,
                        GetDlgItem(main, vellumark::win32::kMainControls.IdOf("txtIn")),
                        GetDlgItem(main, vellumark::win32::kMainControls.IdOf("txtOut"))};
    SetWindowPos(main, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // vellumark.exe's font, which sets how many lines the boxes wrap their texts into.
    BareThread bareThread{
        &program,
        vellumark::win32::MakeFont(vellumark::kDialogFont, vellumark::win32::DpiOf(main)),
        CreateEventW(nullptr, TRUE, FALSE, nullptr),
        {}};
    CloseHandle(CreateThread(nullptr, 0, RunBareBoxes, &bareThread, 0, nullptr));
    WaitForSingleObject(bareThread.ready, INFINITE);
    const Boxes bare = bareThread.boxes;
    std::printf("| step | bare EDIT (s) | vellumark.exe (s) | ratio | target |\n");
    std::printf("|---|---|---|---|---|\n");
    std::fflush(stdout);

    const Medians key = KeyAtLimit(program, bare);
    Row("a key at 32,766 characters", key.bare, key.program, 1.25);
    const Medians mode = ModeChange(
        program, bare,
        CipherTextAtLimit(GetDlgItem(main, vellumark::win32::kMainControls.IdOf("txtCodeNum"))));
    Row("a mode change at 32,766 characters", mode.bare, mode.program, 2);

    PutOnClipboard(PastedText());
    const double pasteProgram = Paste(program);
    Row("a paste of 10,000,000 characters", Paste(bare), pasteProgram, 2);
    return 0;
}
