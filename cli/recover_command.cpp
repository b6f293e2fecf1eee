#include "cli/recover_command.h"

#include <charconv>
#include <iomanip>
#include <iostream>
#include <sstream>

#include "cli/cli.h"
#include "engine/code_text.h"
#include "recovery/recover_code.h"
#include "runtime/windows1252.h"

namespace vellumark {
namespace {

constexpr std::size_t kPreviewLength = 60;

// The first characters of a plain text on one line: UTF-8, with the control characters
// spelled out.
std::string Preview(std::string_view plain) {
    std::string line;
    for (const char c : plain.substr(0, kPreviewLength)) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\t') {
            line += "\\t";
        } else if (c == '\r') {
            line += "\\r";
        } else if (c == '\n') {
            line += "\\n";
        } else if (byte < 0x20 || byte == 0x7F || byte == 0x81 || byte == 0x8D || byte == 0x8F ||
                   byte == 0x90 || byte == 0x9D) {  // Windows-1252 leaves these five as controls
            constexpr std::string_view kHex = "0123456789ABCDEF";
            line += "\\x";
            line += kHex[byte >> 4];
            line += kHex[byte & 0xF];
        } else {
            line += Windows1252ToUtf8(std::string_view(&c, 1));
        }
    }
    return line;
}

int Usage(std::ostream& err, const std::string& problem) {
    err << "vellumark-cli: " << problem << ". " << kUsageHint << '\n';
    return kExitUsage;
}

}  // namespace

std::optional<std::string> ParseRecoverOption(const std::vector<std::string>& arguments,
                                              std::size_t& i, RecoverOptions& options) {
    const std::string& argument = arguments[i];
    std::string name = argument.substr(0, argument.find('='));
    if (name != "--top" && name != "--known") {
        return std::nullopt;
    }
    std::string value;
    if (name.size() < argument.size()) {
        value = argument.substr(name.size() + 1);
    } else if (i + 1 < arguments.size()) {
        value = arguments[++i];
    } else {
        return name + (name == "--top" ? " needs a number" : " needs a text");
    }
    if (name == "--known") {
        options.known = value;
        return "";
    }
    std::size_t top = 0;
    const char* end = value.data() + value.size();
    const auto [stop, error] = std::from_chars(value.data(), end, top);
    if (error != std::errc() || stop != end || top < 1 || top > 999999) {
        return "--top needs a number from 1 to 999999, not '" + value + "'";
    }
    options.top = top;
    return "";
}

int RunRecover(const RecoverOptions& options, const std::string& cipher, std::ostream& out,
               std::ostream& err) {
    const Windows1252Text known = Utf8ToWindows1252(options.known);
    if (known.unmappable) {
        return Usage(err, "--known holds " + DescribeCharacter(known.unmappable->character) +
                              ", which has no place in the cipher's character set "
                              "(Windows-1252)");
    }
    if (cipher.find_first_of(kCodeAlphabet) == std::string::npos) {
        return Usage(err, cipher.empty() ? "recover needs a cipher text on standard input"
                                         : "the input holds no cipher-text symbol (letters, "
                                           "digits, '!' and '?')");
    }
    // Within the limit, so no OverflowError.
    const std::vector<RecoveredText> texts = RecoverCodeNumbers(cipher, options.top, known.bytes);
    if (texts.empty()) {
        err << "vellumark-cli: no code number gives a plausible plain text";
        if (!options.known.empty()) {
            err << " that contains '" << options.known << "'";
        }
        err << '\n';
        return kExitFailure;
    }
    for (const RecoveredText& text : texts) {
        std::ostringstream tail;
        tail << '\t' << std::fixed << std::setprecision(2) << text.score + 0.0  // no "-0.00"
             << '\t' << Preview(text.plainText) << '\n';
        for (const int code : text.codeNumbers) {
            out << std::setw(6) << std::setfill('0') << code << tail.str();
        }
    }
    return kExitOk;
}

}  // namespace vellumark
