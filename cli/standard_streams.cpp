#include "cli/standard_streams.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <iostream>
#include <optional>
#include <streambuf>
#include <string>
#include <system_error>

#include "runtime/utf16.h"
#include "runtime/windows1252.h"

namespace vellumark {
namespace {

// Standard input read with the system's own call: a failed read (standard input a directory,
// say) throws std::system_error with the system's reason, where std::cin's buffer would only
// leave the stream bad and the reason lost.
class FileInput : public std::streambuf {
protected:
    int_type underflow() override {
        for (;;) {
#ifdef _WIN32
            const int count = _read(0, buffer_.data(), static_cast<unsigned>(buffer_.size()));
#else
            const ssize_t count = read(0, buffer_.data(), buffer_.size());
#endif
            if (count > 0) {
                setg(buffer_.data(), buffer_.data(), buffer_.data() + count);
                return traits_type::to_int_type(*gptr());
            }
            if (count == 0) {
                return traits_type::eof();
            }
            if (errno != EINTR) {
                throw std::system_error(errno, std::generic_category());
            }
        }
    }

private:
    std::array<char, 65536> buffer_{};
};

}  // namespace
}  // namespace vellumark

#ifdef _WIN32

namespace vellumark {
namespace {

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return GetFileType(handle) == FILE_TYPE_CHAR && GetConsoleMode(handle, &mode) != 0;
}

std::wstring Widen(const std::string& text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string Narrow(const std::wstring& wide) {
    if (wide.empty()) {
        return {};
    }
    const int size = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
    return text;
}

// Writes UTF-8 to a console as UTF-16. Unbuffered towards the stream: it holds the text until
// the stream flushes, which the program does once at the end and std::cerr after every write.
class ConsoleOutput : public std::streambuf {
public:
    explicit ConsoleOutput(HANDLE console) : console_(console) {}

protected:
    int_type overflow(int_type c) override {
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            pending_.push_back(traits_type::to_char_type(c));
        }
        return traits_type::not_eof(c);
    }

    std::streamsize xsputn(const char* text, std::streamsize count) override {
        pending_.append(text, static_cast<std::size_t>(count));
        return count;
    }

    int sync() override {
        const std::size_t complete = CompleteUtf8Length(pending_);
        const std::wstring wide = Widen(pending_.substr(0, complete));
        pending_.erase(0, complete);
        for (std::size_t done = 0; done < wide.size();) {
            DWORD written = 0;
            const auto chunk = static_cast<DWORD>(std::min<std::size_t>(wide.size() - done, 8192));
            if (!WriteConsoleW(console_, wide.data() + done, chunk, &written, nullptr) ||
                written == 0) {
                return -1;
            }
            done += written;
        }
        return 0;
    }

private:
    HANDLE console_;
    std::string pending_;
};

// Reads a console's UTF-16 as UTF-8, up to a Ctrl+Z, which ends console input on Windows as
// Ctrl+D does on a Linux terminal.
class ConsoleInput : public std::streambuf {
public:
    explicit ConsoleInput(HANDLE console) : console_(console) {}

protected:
    int_type underflow() override {
        while (gptr() == egptr()) {
            if (ended_) {
                return traits_type::eof();
            }
            std::array<wchar_t, 4096> buffer{};
            DWORD read = 0;
            if (!ReadConsoleW(console_, buffer.data(), static_cast<DWORD>(buffer.size()), &read,
                              nullptr)) {
                throw std::system_error(static_cast<int>(GetLastError()), std::system_category());
            }
            if (read == 0) {
                ended_ = true;
            }
            std::wstring wide = highSurrogate_ + std::wstring(buffer.data(), read);
            highSurrogate_.clear();
            if (const std::size_t end = wide.find(L'\x1A'); end != std::wstring::npos) {
                wide.resize(end);
                ended_ = true;
            } else if (!wide.empty() && IsHighSurrogate(wide.back())) {
                // Half of a character beyond the basic plane; its other half comes next.
                highSurrogate_ = wide.back();
                wide.pop_back();
            }
            text_ = Narrow(wide);
            setg(text_.data(), text_.data(), text_.data() + text_.size());
        }
        return traits_type::to_int_type(*gptr());
    }

private:
    HANDLE console_;
    std::string text_;
    std::wstring highSurrogate_;
    bool ended_ = false;
};

// Puts our buffers under the standard streams for the rest of the run, the console ones in text
// mode, and the old buffers back at exit, before the streams' own last flush would reach
// destroyed ones.
class ConsoleStreams {
public:
    explicit ConsoleStreams(bool text) {
        if (HANDLE handle = GetStdHandle(STD_INPUT_HANDLE); text && IsConsole(handle)) {
            std::cin.rdbuf(&input_.emplace(handle));
        } else {
            std::cin.rdbuf(&fileInput_);
        }
        if (HANDLE handle = GetStdHandle(STD_OUTPUT_HANDLE); text && IsConsole(handle)) {
            std::cout.rdbuf(&output_.emplace(handle));
        }
        if (HANDLE handle = GetStdHandle(STD_ERROR_HANDLE); text && IsConsole(handle)) {
            std::cerr.rdbuf(&error_.emplace(handle));
        }
    }
    ~ConsoleStreams() {
        std::cout.flush();
        std::cerr.flush();
        std::cin.rdbuf(savedIn_);
        std::cout.rdbuf(savedOut_);
        std::cerr.rdbuf(savedErr_);
    }
    ConsoleStreams(const ConsoleStreams&) = delete;
    ConsoleStreams& operator=(const ConsoleStreams&) = delete;
    ConsoleStreams(ConsoleStreams&&) = delete;
    ConsoleStreams& operator=(ConsoleStreams&&) = delete;

private:
    std::streambuf* savedIn_ = std::cin.rdbuf();
    std::streambuf* savedOut_ = std::cout.rdbuf();
    std::streambuf* savedErr_ = std::cerr.rdbuf();
    FileInput fileInput_;
    std::optional<ConsoleInput> input_;
    std::optional<ConsoleOutput> output_;
    std::optional<ConsoleOutput> error_;
};

}  // namespace

void SetUpStandardStreams(bool text) {
    for (FILE* stream : {stdin, stdout, stderr}) {
        _setmode(_fileno(stream), _O_BINARY);
    }
    static ConsoleStreams consoles(text);
}

}  // namespace vellumark

#else

namespace vellumark {

void SetUpStandardStreams(bool /*text*/) {
    // Put back at exit, before the streams' own last flush.
    static const struct StandardInput {
        StandardInput() { std::cin.rdbuf(&input); }
        ~StandardInput() { std::cin.rdbuf(saved); }
        StandardInput(const StandardInput&) = delete;
        StandardInput& operator=(const StandardInput&) = delete;
        StandardInput(StandardInput&&) = delete;
        StandardInput& operator=(StandardInput&&) = delete;
        std::streambuf* saved = std::cin.rdbuf();
        FileInput input;
    } standardInput;
}

}  // namespace vellumark

#endif
