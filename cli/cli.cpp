#include "cli/cli.h"

#include <iostream>
#include <new>
#include <optional>
#include <string_view>

#include "cli/read_input.h"
#include "cli/recover_command.h"
#include "engine/code_number.h"
#include "engine/crypt_answer.h"
#include "engine/crypt_text.h"
#include "runtime/windows1252.h"
#include "vellumark/version.h"

namespace vellumark {
namespace {

// What text mode writes for a line break.
#ifdef _WIN32
constexpr std::string_view kLineEnd = "\r\n";
#else
constexpr std::string_view kLineEnd = "\n";
#endif

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
    "Text mode (the default) reads UTF-8 and drops one trailing line break; it writes UTF-8\n"
    "with the system's line breaks (LF, CR LF on Windows) and one after the result. Texts\n"
    "are Windows-1252 inside the cipher, where a line break (LF, CR LF or a lone CR) is\n"
    "CR LF, as in the windows: the same text gives the same cipher text everywhere, and a\n"
    "line break counts as two characters against the limit.\n"
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

int Run(const std::vector<std::string>& arguments, const char* environmentCode, std::istream& in,
        std::ostream& out, std::ostream& err) {
    Options options;
    if (const auto done = Parse(arguments, options, out, err)) {
        return *done;
    }
    if (options.recover) {
        const std::optional<std::string> cipher = ReadInput(in, InputKind::kCipherText, true, err);
        return cipher ? RunRecover(options.recovery, *cipher, out, err) : kExitFailure;
    }
    // A variable set empty, as by "VELLUMARK_CODE= command", is taken for unset.
    const char* source = "--code";
    if (!options.code && environmentCode != nullptr && *environmentCode != '\0') {
        options.code = environmentCode;
        source = "VELLUMARK_CODE";
    }
    if (!options.code) {
        err << "vellumark-cli: give a code number with --code or VELLUMARK_CODE. " << kUsageHint
            << '\n';
        return kExitUsage;
    }
    const float codeNum = ValidateCodeNumber(*options.code);
    if (codeNum == kInvalidCodeNumber) {
        err << "vellumark-cli: " << source << ": " << kInvalidCodeNumberText << '\n';
        return kExitUsage;
    }

    const InputKind kind =
        *options.mode == kModeEncrypt ? InputKind::kPlainText : InputKind::kCipherText;
    // ReadInput has refused what it cannot hold or convert; the engine decides the rest.
    const std::optional<std::string> input = ReadInput(in, kind, !options.bytes, err);
    if (!input) {
        return kExitFailure;
    }
    const CryptAnswer answer = AnswerCrypt(*input, *options.mode, codeNum);
    if (answer.refusal != CryptRefusal::kNone) {
        // The only refusal left: the bytes carry no unmappable character.
        SayOverLimit(kind, !options.bytes, err);
        return kExitFailure;
    }
    if (!answer.decryptsBack) {
        err << "vellumark-cli: warning: this cipher text will not decrypt back exactly; its "
               "last characters shift to a byte that the cipher-text format drops. Another "
               "code number avoids it.\n";
    }

    if (options.bytes) {
        out << answer.result;
    } else {
        out << Windows1252ToUtf8(WithLineEnds(answer.result, kLineEnd)) << kLineEnd;
    }
    return kExitOk;
}

}  // namespace

int RunCli(const std::vector<std::string>& arguments, const char* environmentCode, std::istream& in,
           std::ostream& out, std::ostream& err) {
    int status = kExitFailure;
    try {
        status = Run(arguments, environmentCode, in, out, err);
    } catch (const std::bad_alloc&) {
        err << "vellumark-cli: out of memory\n";
        return kExitFailure;
    }
    // A script must not take a result that never arrived, the help included, for done.
    out.flush();
    if (!out) {
        err << "vellumark-cli: could not write the result to standard output\n";
        return kExitFailure;
    }
    return status;
}

}  // namespace vellumark
