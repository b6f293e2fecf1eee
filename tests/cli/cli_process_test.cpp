#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <ostream>
#include <sstream>
#include <string>

#include "run_process.h"
#include "tests/quoted.h"
#include "tests/row_name.h"

namespace {

// The program under test: the vellumark-cli built alongside, or the command line in
// VELLUMARK_CLI_COMMAND, split at blanks, to test another build of it
// ("/usr/lib/wine/wine64 build-windows/vellumark-cli.exe").
std::vector<std::string> CliCommand() {
    const char* command = std::getenv("VELLUMARK_CLI_COMMAND");
    if (command == nullptr || *command == '\0') {
        return {VELLUMARK_CLI};
    }
    std::istringstream words(command);
    return {std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()};
}

// `text` as text mode writes it on the build under test: CR LF for LF on Windows (.exe).
std::string Lines(std::string text) {
    const bool windows = CliCommand().back().find(".exe") != std::string::npos;
    for (std::size_t at = text.find('\n'); windows && at != std::string::npos;
         at = text.find('\n', at + 2)) {
        text.insert(at, 1, '\r');
    }
    return text;
}

ProcessResult Cli(const std::vector<std::string>& arguments, const std::string& input,
                  const std::vector<std::string>& environment = {}) {
    static const std::vector<std::string> command = CliCommand();
    std::vector<std::string> all(command.begin() + 1, command.end());
    all.insert(all.end(), arguments.begin(), arguments.end());
    return RunProcess(command.front(), all, input, environment);
}

using vellumark::RowName;

struct TextRow {
    const char* name;
    std::vector<std::string> arguments;
    std::string input;
    std::string output;
};

// Names the row in the test's name and its failures: encrypt --code 408153 reads "Hello\n".
void PrintTo(const TextRow& row, std::ostream* out) {
    for (const std::string& argument : row.arguments) {
        *out << argument << ' ';
    }
    *out << "reads " << Quoted(row.input);
}

class CliText : public testing::TestWithParam<TextRow> {};

TEST_P(CliText, WritesTheKnownResult) {
    const ProcessResult result = Cli(GetParam().arguments, GetParam().input);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    const std::vector<std::string>& arguments = GetParam().arguments;
    const bool bytes = std::find(arguments.begin(), arguments.end(), "--bytes") != arguments.end();
    EXPECT_EQ(result.out, bytes ? GetParam().output : Lines(GetParam().output));
    EXPECT_EQ(result.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    KnownAnswers, CliText,
    testing::Values(
        TextRow{"Encrypt", {"encrypt", "--code", "408153"}, "Hello\n", "w76Yo!5A\n"},
        TextRow{"CodeWithEqualsSign", {"encrypt", "--code=408153"}, "Hello\r\n", "w76Yo!5A\n"},
        TextRow{"CodeBeforeCommand", {"--code", "408153", "encrypt"}, "Hello", "w76Yo!5A\n"},
        // Only one trailing line ending goes.
        TextRow{"OneTrailingLineBreakOnly", {"encrypt", "--code", "408153"}, "Hello\n\n",
                "w76Yo!5NEIAA\n"},
        TextRow{"Decrypt", {"decrypt", "--code", "408153"}, "w76Yo!5A\n", "Hello\n"},
        TextRow{"DecryptAcrossLineBreaks", {"decrypt", "--code", "408153"},
                "w76Yo!5\r\n6g7VD3e?\nHPQAA\n", "Hello, World!\n"},
        // UTF-8 in, Windows-1252 inside, UTF-8 out.
        TextRow{"EncryptUtf8", {"encrypt", "--code", "408153"}, "caf\xC3\xA9\n", "1VuV0AAA\n"},
        TextRow{"DecryptToUtf8", {"decrypt", "--code", "408153"}, "1VuV0AAA", "caf\xC3\xA9\n"},
        TextRow{"EncryptNothing", {"encrypt", "--code", "408153"}, "", "\n"},
        // In bytes mode the line feed is data, and nothing is added.
        TextRow{"EncryptBytes", {"encrypt", "--code", "408153", "--bytes"}, "Hello\n", "w76Yo!5l"},
        TextRow{"DecryptBytesOfWindows1252", {"decrypt", "--bytes", "--code", "408153"},
                "1VuV0AAA", "caf\xE9"},
        // Line breaks: CR LF inside the cipher, as the windows hold them, whichever came in;
        // the system's line ends out (the LF of this table are CR LF for the Windows build).
        TextRow{"EncryptLf", {"encrypt", "--code", "408153"}, "ab\ncd\n", "1FWicPey\n"},
        TextRow{"EncryptCrLf", {"encrypt", "--code", "408153"}, "ab\r\ncd\r\n", "1FWicPey\n"},
        TextRow{"EncryptLoneCr", {"encrypt", "--code", "408153"}, "ab\rcd\r", "1FWicPey\n"},
        TextRow{"DecryptCrLf", {"decrypt", "--code", "408153"}, "1FWicPey", "ab\ncd\n"},
        TextRow{"DecryptEarlierLf", {"decrypt", "--code", "408153"}, "1FWHnXGA", "ab\ncd\n"},
        TextRow{"DecryptALoneCr", {"decrypt", "--code", "408153"}, "1FWinXGA", "ab\ncd\n"},
        TextRow{"DecryptBytesKeepsTheCrLf", {"decrypt", "--code", "408153", "--bytes"}, "1FWicPey",
                "ab\r\ncd"}),
    RowName<TextRow>);

TEST(Cli, TakesTheCodeFromTheEnvironment) {
    const ProcessResult result = Cli({"encrypt"}, "Hello", {"VELLUMARK_CODE=408153"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, Lines("w76Yo!5A\n"));
}

TEST(Cli, NamesTheVariableOfABadCodeAndTakesAnEmptyOneForUnset) {
    const ProcessResult bad = Cli({"encrypt"}, "Hello", {"VELLUMARK_CODE=12a"});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_EQ(bad.err, "vellumark-cli: VELLUMARK_CODE: Invalid Code Number\n");
    const ProcessResult empty = Cli({"encrypt"}, "Hello", {"VELLUMARK_CODE="});
    EXPECT_EQ(empty.exitCode, 2);
    EXPECT_NE(empty.err.find("give a code number"), std::string::npos) << empty.err;
}

TEST(Cli, CommandLineCodeWinsOverTheEnvironment) {
    const ProcessResult result =
        Cli({"encrypt", "--code", "1"}, "Hello", {"VELLUMARK_CODE=408153"});
    EXPECT_EQ(result.out, Lines("mdLvy5IA\n"));
}

struct InvalidCodeRow {
    const char* name;
    std::string code;
};

void PrintTo(const InvalidCodeRow& row, std::ostream* out) {
    *out << "--code " << Quoted(row.code);
}

class CliInvalidCode : public testing::TestWithParam<InvalidCodeRow> {};

TEST_P(CliInvalidCode, SaysInvalidCodeNumberAndExitsTwo) {
    const ProcessResult result = Cli({"encrypt", "--code", GetParam().code}, "Hello");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "vellumark-cli: --code: Invalid Code Number\n");
}

INSTANTIATE_TEST_SUITE_P(
    ValidationTable, CliInvalidCode,
    // Which texts are code numbers is the engine's (tests/engine/code_number_test.cpp); here
    // only that the CLI asks it, also for an empty --code, which is given and so not missing.
    testing::Values(InvalidCodeRow{"Empty", ""}, InvalidCodeRow{"Letter", "12a"}),
    RowName<InvalidCodeRow>);

struct UsageRow {
    const char* name;
    std::vector<std::string> arguments;
};

void PrintTo(const UsageRow& row, std::ostream* out) {
    for (const std::string& argument : row.arguments) {
        *out << Quoted(argument) << ' ';
    }
}

class CliUsage : public testing::TestWithParam<UsageRow> {};

TEST_P(CliUsage, ExitsTwoWithAOneLineHint) {
    const ProcessResult result = Cli(GetParam().arguments, "Hello");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("--help"), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Mistakes, CliUsage,
    testing::Values(UsageRow{"NoCommand", {"--code", "1"}},
                    UsageRow{"NoCode", {"encrypt"}},
                    UsageRow{"CodeWithoutNumber", {"encrypt", "--code"}},
                    UsageRow{"TwoCommands", {"encrypt", "decrypt", "--code", "1"}},
                    UsageRow{"UnknownOption", {"encrypt", "--code", "1", "--frobnicate"}},
                    UsageRow{"TopZero", {"recover", "--top", "0"}},
                    UsageRow{"TopTooBig", {"recover", "--top", "1000000"}},
                    UsageRow{"TopNotANumber", {"recover", "--top", "5x"}},
                    UsageRow{"KnownWithoutText", {"recover", "--known"}},
                    UsageRow{"RecoverWithCode", {"recover", "--code", "1"}},
                    UsageRow{"DecryptWithKnown", {"decrypt", "--code", "1", "--known", "He"}}),
    RowName<UsageRow>);

TEST(Cli, HelpAndVersion) {
    const ProcessResult help = Cli({"--help"}, "");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("Usage: vellumark-cli"), std::string::npos);
    EXPECT_NE(help.out.find("vellumark-cli recover [--top N] [--known TEXT]"), std::string::npos);
    const ProcessResult version = Cli({"--version"}, "");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "vellumark-cli " VELLUMARK_VERSION "\n");
}

struct RefusalRow {
    const char* name;
    std::string input;
    std::string err;
};

void PrintTo(const RefusalRow& row, std::ostream* out) {
    *out << row.name;
}

class CliRefusesToEncrypt : public testing::TestWithParam<RefusalRow> {};

TEST_P(CliRefusesToEncrypt, SaysWhatAndWhereAndExitsOne) {
    const ProcessResult result = Cli({"encrypt", "--code", "408153"}, GetParam().input);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, GetParam().err);
}

// 30,000 euro signs take 90,000 bytes: standard input comes in more than one piece, and a
// piece may end inside a character.
std::string Euros() {
    std::string euros;
    for (int i = 0; i < 30000; ++i) {
        euros += "\xE2\x82\xAC";
    }
    return euros;
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, CliRefusesToEncrypt,
    testing::Values(
        RefusalRow{"CharacterOutsideWindows1252",
                   "ab\xE2\x98\x83"
                   "c",
                   "vellumark-cli: character U+2603 \"\xE2\x98\x83\" at position 3 has no place "
                   "in the cipher's character set (Windows-1252)\n"},
        RefusalRow{"RealReplacementCharacter",
                   "ab\xEF\xBF\xBD"
                   "c",
                   "vellumark-cli: character U+FFFD at position 3 has no place in the cipher's "
                   "character set (Windows-1252)\n"},
        RefusalRow{"InvalidUtf8",
                   "ab\xFF"
                   "cd",
                   "vellumark-cli: invalid UTF-8 at byte offset 2 (0xFF)\n"},
        RefusalRow{"CharacterAfterTheFirstPiece", Euros() + "\xE2\x98\x83",
                   "vellumark-cli: character U+2603 \"\xE2\x98\x83\" at position 30001 has no "
                   "place in the cipher's character set (Windows-1252)\n"},
        RefusalRow{"InvalidUtf8AfterTheFirstPiece", Euros() + "\xC3",
                   "vellumark-cli: invalid UTF-8 at byte offset 90000 (0xC3)\n"}));

TEST(Cli, CountsSuchACharacterAsOutsideTheAlphabetWhenDecrypting) {
    // The snowman stands where "~" would, which decodes as -1.
    const ProcessResult snowman = Cli({"decrypt", "--code", "408153", "--bytes"}, "w76\x1A");
    const ProcessResult viaText = Cli({"decrypt", "--code", "408153"}, "w76\xE2\x98\x83");
    EXPECT_EQ(viaText.exitCode, 0);
    EXPECT_EQ(snowman.exitCode, 0);
    const ProcessResult tilde = Cli({"decrypt", "--code", "408153"}, "w76~");
    EXPECT_EQ(viaText.out, tilde.out);
}

TEST(Cli, BeyondTheLimitSaysSoAndWritesNothing) {
    const ProcessResult tooLong = Cli({"encrypt", "--code", "408153"}, std::string(32767, 'x'));
    EXPECT_EQ(tooLong.exitCode, 1);
    EXPECT_EQ(tooLong.out, "");
    EXPECT_NE(tooLong.err.find("32766"), std::string::npos) << tooLong.err;

    const ProcessResult longest = Cli({"encrypt", "--code", "408153"}, std::string(32766, 'x'));
    EXPECT_EQ(longest.exitCode, 0);
    EXPECT_EQ(longest.out, Lines(longest.out.substr(0, 43688) + "\n"));
    const ProcessResult back = Cli({"decrypt", "--code", "408153"}, longest.out);
    EXPECT_EQ(back.out, Lines(std::string(32766, 'x') + "\n"));

    const ProcessResult tooMany = Cli({"decrypt", "--code", "408153"}, std::string(43689, 'A'));
    EXPECT_EQ(tooMany.exitCode, 1);
    EXPECT_EQ(tooMany.out, "");
    EXPECT_NE(tooMany.err.find("43688"), std::string::npos) << tooMany.err;
}

TEST(Cli, AFailedWriteExitsOneAndSaysSo) {
    // The shell points standard output at a full device; its own stderr is ours.
    for (const char* command : {"encrypt --code 408153", "--help"}) {
        const ProcessResult full = RunProcess(
            "/bin/sh", {"-c", std::string("exec \"$0\" ") + command + " >/dev/full", VELLUMARK_CLI},
            "Hello");
        EXPECT_EQ(full.exitCode, 1) << command;
        EXPECT_NE(full.err.find("standard output"), std::string::npos) << command << full.err;
    }
}

struct ShellRow {
    std::string command;  // for /bin/sh, with "$0" for the program
    int exitCode;
    std::string out;
    std::string err;
};

void PrintTo(const ShellRow& row, std::ostream* out) {
    std::string command = row.command;
    command.replace(command.find("\"$0\""), 4, "vellumark-cli");
    *out << command;
}

class CliStandardInput : public testing::TestWithParam<ShellRow> {};

// Under an address-space limit of 32 MB: endless inputs are read in the same memory, and a
// failed read is no empty text.
TEST_P(CliStandardInput, IsReadWithinA32MegabyteLimit) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves far more address space than the 32 MB limit";
#endif
    if (CliCommand().front() != VELLUMARK_CLI) {
        GTEST_SKIP() << "Linux only: Wine does not start under the memory limit, and a "
                        "directory as standard input fails there with another reason (Invalid "
                        "argument)";
    }
    const ProcessResult result = RunProcess(
        "/bin/sh", {"-c", "ulimit -v 32768 && " + GetParam().command, VELLUMARK_CLI}, "");
    EXPECT_EQ(result.exitCode, GetParam().exitCode) << result.err;
    EXPECT_EQ(result.out, GetParam().out);
    EXPECT_EQ(result.err, GetParam().err);
}

const std::string kTextTooLong =
    "vellumark-cli: the text is longer than 32766 characters (a line break counts as two), the "
    "most that can be encrypted\n";
const std::string kBytesTooLong =
    "vellumark-cli: the text is longer than 32766 characters, the most that can be encrypted\n";
const std::string kCipherTooLong =
    "vellumark-cli: the cipher text is longer than 43688 symbols, the most that can be "
    "decrypted\n";

INSTANTIATE_TEST_SUITE_P(
    Pipelines, CliStandardInput,
    testing::Values(
        ShellRow{"yes | \"$0\" encrypt --code 5", 1, "", kTextTooLong},
        ShellRow{"yes | \"$0\" encrypt --code 5 --bytes", 1, "", kBytesTooLong},
        ShellRow{"yes AAAA | \"$0\" decrypt --code 5", 1, "", kCipherTooLong},
        ShellRow{"yes AAAA | \"$0\" recover", 1, "", kCipherTooLong},
        // 40 MB of blanks and line breaks, which decryption skips as they come.
        ShellRow{"{ yes ' ' | head -c 40000000; echo 'w76Yo!5A'; } | \"$0\" decrypt --code 408153",
                 0, "Hello\n", ""},
        ShellRow{"\"$0\" encrypt --code 5 </", 1, "",
                 "vellumark-cli: cannot read standard input: Is a directory\n"},
        ShellRow{"\"$0\" recover </", 1, "",
                 "vellumark-cli: cannot read standard input: Is a directory\n"}));

TEST(Cli, WarnsWhenTheCipherTextWillNotDecryptBack) {
    const ProcessResult lossy = Cli({"encrypt", "--code", "408153", "--bytes"}, "Hi\xFC");
    EXPECT_EQ(lossy.exitCode, 0);
    EXPECT_EQ(lossy.out, "w8EA");
    EXPECT_NE(lossy.err.find("will not decrypt back"), std::string::npos);

    const ProcessResult fine = Cli({"encrypt", "--code", "408153", "--bytes"}, "Hi!");
    EXPECT_EQ(fine.err, "");
}

TEST(CliRecover, PrintsEachCodeNumberThatGivesTheBestPlainText) {
    // The seed chains of 251404 and 526626 meet after two characters: one keystream.
    // In bytes mode, so that the line break stays one LF.
    const ProcessResult cipher = Cli({"encrypt", "--code", "251404", "--bytes"},
                                     "Ch\xE8re Ann,\n\tthe spare key lies in the \x01 drawer "
                                     "of the desk, under the maps.");
    const ProcessResult found = Cli({"recover", "--top", "1"}, cipher.out);
    EXPECT_EQ(found.exitCode, 0) << found.err;
    // 60 characters, one line, UTF-8.
    const std::string preview =
        "\t-4.60\tCh\xC3\xA8re Ann,\\n\\tthe spare key lies in the \\x01 drawer of the desk, \n";
    EXPECT_EQ(found.out, "251404" + preview + "526626" + preview);
}

TEST(CliRecover, ExitsOneWhenNothingFitsAndTwoWithoutACipherText) {
    const std::string cipher = Cli({"encrypt", "--code", "408153"}, "Hello there").out;
    EXPECT_EQ(Cli({"recover", "--known", "there"}, cipher).out.substr(0, 7), "408153\t");
    EXPECT_EQ(Cli({"recover", "--known=there", "--top=1"}, cipher).out,
              "408153\t-3.80\tHello there\n");
    const ProcessResult all = Cli({"recover", "--top", "999999"}, cipher);
    EXPECT_EQ(all.exitCode, 0) << all.err;
    EXPECT_EQ(all.out.substr(0, 7), "408153\t");
    const ProcessResult unknown = Cli({"recover", "--known", "where"}, cipher);
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_EQ(unknown.out, "");
    EXPECT_NE(unknown.err.find("'where'"), std::string::npos) << unknown.err;
    // Decodes to no byte at all.
    EXPECT_EQ(Cli({"recover"}, "AAAA\n").exitCode, 1);
    for (const char* empty : {"", " \r\n", "~~~ ###"}) {
        const ProcessResult none = Cli({"recover"}, empty);
        EXPECT_EQ(none.exitCode, 2) << empty;
        EXPECT_NE(none.err.find("cipher"), std::string::npos) << none.err;
    }
}

}  // namespace
