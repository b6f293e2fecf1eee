// The cipher's cost per character at the longest text it accepts, and the search over all
// code numbers against the plain loop that draws their keystreams.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/code_text.h"
#include "engine/crypt_text.h"
#include "engine/key_step.h"
#include "recovery/recover_code.h"

namespace {

using namespace vellumark;

std::string LongestText() {
    std::string text(kMaxTextLength, ' ');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char>(32 + (i * 7919) % 95);
    }
    return text;
}

void PerCharacter(benchmark::State& state, std::size_t characters) {
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * characters));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * characters));
}

void BM_CryptTextEncrypt(benchmark::State& state) {
    const std::string text = LongestText();
    for (auto _ : state) {
        benchmark::DoNotOptimize(CryptText(text, kModeEncrypt, 408153));
    }
    PerCharacter(state, text.size());
}
BENCHMARK(BM_CryptTextEncrypt);

void BM_CryptTextDecrypt(benchmark::State& state) {
    const std::string text = LongestText();
    const std::string cipher = CryptText(text, kModeEncrypt, 408153);
    for (auto _ : state) {
        benchmark::DoNotOptimize(CryptText(cipher, kModeDecrypt, 408153));
    }
    PerCharacter(state, text.size());
}
BENCHMARK(BM_CryptTextDecrypt);

void BM_DecryptsBack(benchmark::State& state) {
    const std::string text = LongestText();
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecryptsBack(text, 408153));
    }
    PerCharacter(state, text.size());
}
BENCHMARK(BM_DecryptsBack);

void BM_CodeTextEncode(benchmark::State& state) {
    const std::string text = LongestText();
    for (auto _ : state) {
        benchmark::DoNotOptimize(CodeText(text, kEncode));
    }
    PerCharacter(state, text.size());
}
BENCHMARK(BM_CodeTextEncode);

void BM_CodeTextDecode(benchmark::State& state) {
    const std::string symbols = CodeText(LongestText(), kEncode);
    for (auto _ : state) {
        benchmark::DoNotOptimize(CodeText(symbols, kDecode));
    }
    PerCharacter(state, symbols.size());
}
BENCHMARK(BM_CodeTextDecode);

// The floor of any search: 16 shifts of the keystream of every code number, on one core.
void BM_DrawSixteenShiftsOfEveryCode(benchmark::State& state) {
    for (auto _ : state) {
        int sum = 0;
        for (int code = 1; code <= kMaxCodeNumber; ++code) {
            float seed = FirstSeed(static_cast<float>(code));
            for (int i = 0; i < 16; ++i) {
                const KeyStep key = NextKey(seed);
                sum += key.shift;
                seed = key.nextSeed;
            }
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_DrawSixteenShiftsOfEveryCode)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

// The whole search, on every core, for the cipher text of a prose text of `range(0)`
// characters under the default code number.
void BM_RecoverCodeNumbers(benchmark::State& state) {
    const std::string prose =
        "Vellumark turns a piece of text into a cipher text made only of 64 printable symbols, "
        "and back. Type or paste the text; the output box shows the result on every keystroke.";
    std::string text;
    while (text.size() < static_cast<std::size_t>(state.range(0))) {
        text += prose;
    }
    text.resize(static_cast<std::size_t>(state.range(0)));
    const std::string cipher = CryptText(text, kModeEncrypt, 408153);
    for (auto _ : state) {
        benchmark::DoNotOptimize(RecoverCodeNumbers(cipher, 5));
    }
}
BENCHMARK(BM_RecoverCodeNumbers)
    ->Arg(8)
    ->Arg(16)
    ->Arg(48)
    ->Arg(static_cast<std::int64_t>(kMaxTextLength))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();  // both threads

}  // namespace
