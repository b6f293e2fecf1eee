#include "cli/cli.h"

#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>

#include "cli/recover_command.h"
#include "engine/code_number.h"
#include "engine/crypt_text.h"
#include "runtime/windows1252.h"
#include "vellumark/version.h"

namespace vellumark {
namespace {

constexpr const char* kHelp =
    "Usage: vellumark-cli encrypt|decrypt [--code N] [--bytes]\n"
    "       vellumark-cli recover [--top N] [--known TEXT]\n"
    "\n"
    "Encrypts or decrypts the text on standard input under a code number and writes the\n"
    "result to standard output. The cipher text is made of letters, digits, '!' and '?'.\n"
    "\n"
    "  --code N    the code number: one to six digits, not all zeros; without it the\n"
    "              environment variable VELLUMARK_CODE is used (it stays out of the\n"
    "              process list)\n"
    "  --bytes     take and give raw bytes: no text conversion, nothing added or removed\n"
    "  --help      show this help\n"
    "  --version   show the version\n"
    "\n"
    "Text mode (the default) reads UTF-8, drops one trailing line break and writes UTF-8\n"
    "followed by a line break. Texts are Windows-1252 inside the cipher.\n"
    "\n"
    "recover finds the lost code number of the cipher text on standard input: it tries every\n"
    "code number from 1 to 999999 and prints the most plausible plain texts, best first, one\n"
    "a line: the code number as six digits, a tab, the score (the higher, the more the plain\n"
    "text looks like text; prose scores about -4), a tab, and the first 60 characters of the\n"
    "plain text, with a tab, CR and LF written as \\t, \\r and \\n and other control\n"
    "characters as \\xNN. Code numbers whose keystreams agree over the whole text give the\n"
    "same plain text: each of them is printed, as they are equally right.\n"
    "\n"
    "  --top N       how many plain texts to print, 1 to 999999 (default 5)\n"
    "  --known TEXT  keep only code numbers whose plain text contains TEXT (case-sensitive)\n"
    "\n"
    "Exit status: 0 done, 1 the text cannot be processed or recover found no plausible plain\n"
    "text, 2 usage error or invalid code number.\n";

struct Options {
    std::optional<CryptMode> mode;
    bool recover = false;
    std::optional<std::string> code;
    bool bytes = false;
    RecoverOptions recovery;
    bool recoveryOption = false;  // --top or --known given
};

// Parses the arguments, or returns an exit code when there is nothing more to do.
std::optional<int> Parse(const std::vector<std::string>& arguments, Options& options,
                         std::ostream& out, std::ostream& err) {
    const auto usage = [&err](const std::string& problem) {
        err << "vellumark-cli: " << problem << ". " << kUsageHint << '\n';
        return std::optional<int>(kExitUsage);
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            out << kHelp;
            return kExitOk;
        }
        if (argument == "--version") {
            out << "vellumark-cli " << kVersion << '\n';
            return kExitOk;
        }
        if (argument == "--bytes") {
            options.bytes = true;
        } else if (argument == "--code") {
            if (i + 1 == arguments.size()) {
                return usage("--code needs a code number");
            }
            options.code = arguments[++i];
        } else if (argument.rfind("--code=", 0) == 0) {
            options.code = argument.substr(7);
        } else if (argument == "encrypt" || argument == "decrypt" || argument == "recover") {
            if (options.mode || options.recover) {
                return usage("say encrypt, decrypt or recover once");
            }
            options.recover = argument == "recover";
            if (!options.recover) {
                options.mode = argument == "encrypt" ? kModeEncrypt : kModeDecrypt;
            }
        } else if (const std::optional<std::string> problem =
                       ParseRecoverOption(arguments, i, options.recovery)) {
            if (!problem->empty()) {
                return usage(*problem);
            }
            options.recoveryOption = true;
        } else {
            return usage("unknown argument '" + argument + "'");
        }
    }
    if (options.recover) {
        if (options.code || options.bytes) {
            return usage("recover takes no --code and no --bytes");
        }
    } else if (!options.mode) {
        return usage("say encrypt, decrypt or recover");
    } else if (options.recoveryOption) {
        return usage("--top and --known go with recover");
    }
    return std::nullopt;
}

std::string ReadAll(std::istream& in) {
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

void DropOneLineEnding(std::string& text) {
    if (!text.empty() && text.back() == '\n') {
        text.pop_back();
        if (!text.empty() && text.back() == '\r') {
            text.pop_back();
        }
    }
}

int Run(const std::vector<std::string>& arguments, const char* environmentCode, std::istream& in,
        std::ostream& out, std::ostream& err) {
    Options options;
    if (const auto done = Parse(arguments, options, out, err)) {
        return *done;
    }
    if (options.recover) {
        return RunRecover(options.recovery, ReadAll(in), out, err);
    }
    if (!options.code && environmentCode != nullptr) {
        options.code = environmentCode;
    }
    if (!options.code) {
        err << "vellumark-cli: give a code number with --code or VELLUMARK_CODE. " << kUsageHint
            << '\n';
        return kExitUsage;
    }
    const float codeNum = ValidateCodeNumber(*options.code);
    if (codeNum == kInvalidCodeNumber) {
        err << kInvalidCodeNumberText << '\n';
        return kExitUsage;
    }

    std::string input = ReadAll(in);
    if (!options.bytes) {
        DropOneLineEnding(input);
        Windows1252Text converted = Utf8ToWindows1252(input);
        if (converted.unmappable && options.mode == kModeEncrypt) {
            err << "vellumark-cli: character " << DescribeCharacter(converted.unmappable->character)
                << " at position " << converted.unmappable->position
                << " has no place in the cipher's character set (Windows-1252)\n";
            return kExitFailure;
        }
        input = std::move(converted.bytes);
    }

    std::string result;
    try {
        result = CryptText(input, *options.mode, codeNum);
    } catch (const OverflowError&) {
        if (options.mode == kModeEncrypt) {
            err << "vellumark-cli: the text has " << input.size() << " characters; at most "
                << kMaxTextLength << " can be encrypted\n";
        } else {
            err << "vellumark-cli: the cipher text is longer than " << kMaxCipherSymbols
                << " symbols, the most that can be decrypted\n";
        }
        return kExitFailure;
    }
    if (options.mode == kModeEncrypt && !DecryptsBack(input, codeNum)) {
        err << "vellumark-cli: warning: this cipher text will not decrypt back exactly; its "
               "last characters shift to a byte that the cipher-text format drops. Another "
               "code number avoids it.\n";
    }

    if (options.bytes) {
        out << result;
    } else {
        out << Windows1252ToUtf8(result) << '\n';
    }
    return kExitOk;
}

}  // namespace

int RunCli(const std::vector<std::string>& arguments, const char* environmentCode, std::istream& in,
           std::ostream& out, std::ostream& err) {
    const int status = Run(arguments, environmentCode, in, out, err);
    // A script must not take a result that never arrived, the help included, for done.
    out.flush();
    if (!out) {
        err << "vellumark-cli: could not write the result to standard output\n";
        return kExitFailure;
    }
    return status;
}

}  // namespace vellumark
