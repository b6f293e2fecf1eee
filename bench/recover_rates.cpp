// How often `vellumark-cli recover` puts the true code number first and among the first five,
// by text length, on excerpts of real prose under random code numbers (not those of the
// ranking test: another seed). Prints a table. Options: --cases N (per length, default 1000),
// --seed S, --folder F (the UTF-8 texts to cut excerpts from; default the licence texts).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "engine/crypt_text.h"
#include "recovery/recover_code.h"
#include "tests/engine/prose_excerpts.h"

int main(int argc, char** argv) {
    using namespace vellumark;
    int cases = 1000;
    unsigned seed = 1;
    std::string folder = "/usr/share/common-licenses";
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--cases") {
            cases = std::atoi(argv[i + 1]);
        } else if (option == "--seed") {
            seed = static_cast<unsigned>(std::atol(argv[i + 1]));
        } else if (option == "--folder") {
            folder = argv[i + 1];
        }
    }
    const ProseExcerpts prose(folder);
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> anyCode(1, kMaxCodeNumber);
    std::printf("| characters | true code first | among the first five | its mean score |\n");
    std::printf("|---|---|---|---|\n");
    for (const std::size_t length : {8, 12, 16, 24, 48}) {
        int first = 0;
        int topFive = 0;
        double scores = 0;
        for (int c = 0; c < cases; ++c) {
            const int code = anyCode(random);
            const std::string cipher =
                CryptText(prose.Pick(random, length), kModeEncrypt, static_cast<float>(code));
            const std::vector<RecoveredText> found = RecoverCodeNumbers(cipher, 5);
            for (std::size_t rank = 0; rank < found.size(); ++rank) {
                const auto& codes = found[rank].codeNumbers;
                if (std::find(codes.begin(), codes.end(), code) != codes.end()) {
                    first += rank == 0 ? 1 : 0;
                    topFive += 1;
                    scores += found[rank].score;
                }
            }
        }
        std::printf("| %zu | %.1f %% | %.1f %% | %.2f |\n", length, 100.0 * first / cases,
                    100.0 * topFive / cases, scores / std::max(topFive, 1));
        std::fflush(stdout);
    }
}
