// The cipher's cost per character at the longest text it accepts.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/code_text.h"
#include "engine/crypt_text.h"

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

}  // namespace
