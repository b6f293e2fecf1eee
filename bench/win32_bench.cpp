// Times vellumark.exe's text boxes under Wine against bare multi-line EDIT boxes doing the same
// work, for scripts/bench-windows.sh. vellumark.exe must be running, in encrypt mode with an
// empty input. Each step is sent to the boxes and timed until they have handled it and drawn
// themselves; each figure is the median of a few runs, in seconds.
//
//   key      a key that brings the input to 32,766 characters, the most the cipher encrypts:
//            the bare box takes the key and its neighbour a text of the output's length
//   mode     a mode change with that input: the bare boxes change their break procedures and
//            the output box takes a text of the output's length
//   paste    a paste of 10,000,000 characters into an empty input, in encrypt mode: the bare
//            box has the same size limit as vellumark.exe's input box

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kInputId = 303;
constexpr int kOutputId = 308;
constexpr int kChangeMode = 202;
constexpr int kRuns = 3;
constexpr std::size_t kLongest = 32766;
constexpr std::size_t kLongestOutput = 43688;
constexpr std::size_t kPasted = 10000000;
constexpr WPARAM kInputLimit = 131064;

int CALLBACK BreakAnywhere(LPWSTR /*text*/, int position, int /*length*/, int action) {
    return action == WB_ISDELIMITER ? FALSE : position;
}

struct Boxes {
    HWND window;
    HWND input;
    HWND output;
};

double Seconds(HWND window, const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    // Anything the window posted to itself meanwhile is handled before this returns.
    SendMessageW(window, WM_NULL, 0, 0);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void SetText(HWND box, const std::wstring& text) {
    SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void PutOnClipboard(const std::wstring& text) {
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::copy(text.c_str(), text.c_str() + text.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    OpenClipboard(nullptr);
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

Boxes BareBoxes() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const HWND window = CreateWindowExW(0, L"STATIC", L"bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                        0, 480, 360, nullptr, nullptr, instance, nullptr);
    constexpr DWORD kBox = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL |
                           WS_VSCROLL | ES_NOHIDESEL;
    // The sizes of vellumark.exe's boxes at 96 DPI.
    const HWND input = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", kBox | ES_WANTRETURN, 88,
                                       16, 297, 67, window, nullptr, instance, nullptr);
    const HWND output = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", kBox | ES_READONLY, 88,
                                        112, 297, 67, window, nullptr, instance, nullptr);
    SendMessageW(input, EM_SETLIMITTEXT, kInputLimit, 0);
    SendMessageW(output, EM_SETLIMITTEXT, 0, 0);
    SendMessageW(output, EM_SETWORDBREAKPROC, 0, reinterpret_cast<LPARAM>(BreakAnywhere));
    return {window, input, output};
}

// A key at the limit, then Backspace, as often as kRuns: the key's times.
double KeyAtLimit(const Boxes& boxes, bool bare) {
    SetText(boxes.input, std::wstring(kLongest - 1, L'x'));
    std::vector<double> times;
    const std::wstring output(kLongestOutput, L'A');
    for (int run = 0; run < kRuns; ++run) {
        SendMessageW(boxes.input, EM_SETSEL, kLongest, kLongest);
        times.push_back(Seconds(boxes.window, [&] {
            SendMessageW(boxes.input, WM_CHAR, L'y', 1);
            if (bare) {
                SetText(boxes.output, output);
            }
        }));
        SendMessageW(boxes.input, WM_CHAR, VK_BACK, 1);
    }
    return Median(times);
}

double ModeChange(const Boxes& boxes, bool bare) {
    SetText(boxes.input, std::wstring(kLongest, L'x'));
    std::vector<double> times;
    const std::wstring output(kLongestOutput, L'A');
    for (int run = 0; run < 2 * kRuns; ++run) {
        const bool inputIsCipher = run % 2 == 0;
        times.push_back(Seconds(boxes.window, [&] {
            if (!bare) {
                SendMessageW(boxes.window, WM_COMMAND, kChangeMode, 0);
                return;
            }
            SendMessageW(boxes.input, EM_SETWORDBREAKPROC, 0,
                         reinterpret_cast<LPARAM>(inputIsCipher ? BreakAnywhere : nullptr));
            SendMessageW(boxes.output, EM_SETWORDBREAKPROC, 0,
                         reinterpret_cast<LPARAM>(inputIsCipher ? nullptr : BreakAnywhere));
            SetText(boxes.output, output);
        }));
    }
    return Median(times);
}

double Paste(const Boxes& boxes) {
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        SetText(boxes.input, L"");
        times.push_back(
            Seconds(boxes.window, [&] { SendMessageW(boxes.input, WM_PASTE, 0, 0); }));
    }
    SetText(boxes.input, L"");
    return Median(times);
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
    const Boxes program{main, GetDlgItem(main, kInputId), GetDlgItem(main, kOutputId)};
    const Boxes bare = BareBoxes();
    std::printf("| step | bare EDIT (s) | vellumark.exe (s) | ratio | target |\n");
    std::printf("|---|---|---|---|---|\n");
    Row("a key at 32,766 characters", KeyAtLimit(bare, true), KeyAtLimit(program, false), 1.25);
    Row("a mode change at 32,766 characters", ModeChange(bare, true), ModeChange(program, false),
        2);
    SetText(program.input, L"");
    PutOnClipboard(std::wstring(kPasted, L'x'));
    Row("a paste of 10,000,000 characters", Paste(bare), Paste(program), 2);
    return 0;
}
