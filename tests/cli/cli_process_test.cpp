#include <gtest/gtest.h>

#include <cstdlib>
#include <iterator>
#include <sstream>
#include <string>

#include "run_process.h"

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

ProcessResult Cli(const std::vector<std::string>& arguments, const std::string& input,
                  const std::vector<std::string>& environment = {}) {
    static const std::vector<std::string> command = CliCommand();
    std::vector<std::string> all(command.begin() + 1, command.end());
    all.insert(all.end(), arguments.begin(), arguments.end());
    return RunProcess(command.front(), all, input, environment);
}

struct TextRow {
    std::vector<std::string> arguments;
    std::string input;
    std::string output;
};

class CliText : public testing::TestWithParam<TextRow> {};

TEST_P(CliText, WritesTheKnownResult) {
    const ProcessResult result = Cli(GetParam().arguments, GetParam().input);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, GetParam().output);
    EXPECT_EQ(result.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    KnownAnswers, CliText,
    testing::Values(
        TextRow{{"encrypt", "--code", "408153"}, "Hello\n", "w76Yo!5A\n"},
        TextRow{{"encrypt", "--code=408153"}, "Hello\r\n", "w76Yo!5A\n"},
        TextRow{{"--code", "408153", "encrypt"}, "Hello", "w76Yo!5A\n"},
        // Only one trailing line ending goes.
        TextRow{{"encrypt", "--code", "408153"}, "Hello, World!\n", "w76Yo!56g7VD3e?HPQAA\n"},
        TextRow{{"decrypt", "--code", "408153"}, "w76Yo!5A\n", "Hello\n"},
        TextRow{{"decrypt", "--code", "408153"}, "w76Yo!5\r\n6g7VD3e?\nHPQAA\n", "Hello, World!\n"},
        TextRow{{"encrypt", "--code", "000042"},
                "The quick brown fox",
                "Og!gl6y74EzEplvMS8LMr7JIrQAA\n"},
        // UTF-8 in, Windows-1252 inside, UTF-8 out.
        TextRow{{"encrypt", "--code", "408153"}, "caf\xC3\xA9\n", "1VuV0AAA\n"},
        TextRow{{"decrypt", "--code", "408153"}, "1VuV0AAA", "caf\xC3\xA9\n"},
        TextRow{{"encrypt", "--code", "408153"}, "", "\n"},
        // In bytes mode the line feed is data, and nothing is added.
        TextRow{{"encrypt", "--code", "408153", "--bytes"}, "Hello\n", "w76Yo!5l"},
        TextRow{{"decrypt", "--code", "408153", "--bytes"}, "w76Yo!5l", "Hello\n"},
        TextRow{{"decrypt", "--bytes", "--code", "408153"}, "1VuV0AAA", "caf\xE9"}));

TEST(Cli, TakesTheCodeFromTheEnvironment) {
    const ProcessResult result = Cli({"encrypt"}, "Hello", {"VELLUMARK_CODE=408153"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "w76Yo!5A\n");
}

TEST(Cli, CommandLineCodeWinsOverTheEnvironment) {
    const ProcessResult result =
        Cli({"encrypt", "--code", "1"}, "Hello", {"VELLUMARK_CODE=408153"});
    EXPECT_EQ(result.out, "mdLvy5IA\n");
}

class CliInvalidCode : public testing::TestWithParam<std::string> {};

TEST_P(CliInvalidCode, SaysInvalidCodeNumberAndExitsTwo) {
    const ProcessResult result = Cli({"encrypt", "--code", GetParam()}, "Hello");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "Invalid Code Number\n");
}

INSTANTIATE_TEST_SUITE_P(ValidationTable, CliInvalidCode,
                         testing::Values("", "0", "000000", " 12", "12 ", "+12", "12a", "1.5",
                                         "1e3", "1234567", "-5"));

class CliUsage : public testing::TestWithParam<std::vector<std::string>> {};

TEST_P(CliUsage, ExitsTwoWithAOneLineHint) {
    const ProcessResult result = Cli(GetParam(), "Hello");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("--help"), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Mistakes, CliUsage,
    testing::Values(std::vector<std::string>{}, std::vector<std::string>{"--code", "1"},
                    std::vector<std::string>{"encrypt"},
                    std::vector<std::string>{"encrypt", "--code"},
                    std::vector<std::string>{"encrypt", "decrypt", "--code", "1"},
                    std::vector<std::string>{"encrypt", "--code", "1", "--frobnicate"}));

TEST(Cli, HelpAndVersion) {
    const ProcessResult help = Cli({"--help"}, "");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("Usage: vellumark-cli"), std::string::npos);
    const ProcessResult version = Cli({"--version"}, "");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "vellumark-cli 1.00\n");
}

TEST(Cli, RefusesACharacterOutsideWindows1252ToEncryptNamingIt) {
    const ProcessResult result = Cli({"encrypt", "--code", "408153"},
                                     "ab\xE2\x98\x83"
                                     "c");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("U+2603"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("position 3"), std::string::npos) << result.err;
}

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
    EXPECT_EQ(longest.out.size(), 43688u + 1);
    const ProcessResult back = Cli({"decrypt", "--code", "408153"}, longest.out);
    EXPECT_EQ(back.out, std::string(32766, 'x') + "\n");

    const ProcessResult tooMany = Cli({"decrypt", "--code", "408153"}, std::string(43689, 'A'));
    EXPECT_EQ(tooMany.exitCode, 1);
    EXPECT_EQ(tooMany.out, "");
    EXPECT_NE(tooMany.err.find("43688"), std::string::npos) << tooMany.err;
}

TEST(Cli, WarnsWhenTheCipherTextWillNotDecryptBack) {
    const ProcessResult lossy = Cli({"encrypt", "--code", "408153", "--bytes"}, "Hi\xFC");
    EXPECT_EQ(lossy.exitCode, 0);
    EXPECT_EQ(lossy.out, "w8EA");
    EXPECT_NE(lossy.err.find("will not decrypt back"), std::string::npos);

    const ProcessResult fine = Cli({"encrypt", "--code", "408153", "--bytes"}, "Hi!");
    EXPECT_EQ(fine.err, "");
}

}  // namespace
