// Prints one digest of the cipher's answers: every code number 1..999999 on a short text, a
// long text under odd floats, and the code-number helpers over their whole ranges.
// scripts/check-32bit.sh builds it for x86-64 (SSE) and for 32-bit x87 and compares the two
// digests: cipher texts must not depend on the floating-point unit.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

#include "engine/code_number.h"
#include "engine/code_text.h"
#include "engine/crypt_text.h"

namespace {

class Digest {
public:
    void Add(const std::string& text) {
        for (const char c : text) {
            Byte(static_cast<unsigned char>(c));
        }
        Byte(0xFF);  // a separator, so "ab" + "c" and "a" + "bc" differ
    }
    void Add(float value) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        for (int shift = 0; shift < 32; shift += 8) {
            Byte((bits >> shift) & 0xFFU);
        }
    }
    [[nodiscard]] std::uint64_t value() const { return hash_; }

private:
    void Byte(std::uint32_t byte) {
        hash_ = (hash_ ^ byte) * 0x100000001B3ULL;  // FNV-1a
    }
    std::uint64_t hash_ = 0xCBF29CE484222325ULL;
};

}  // namespace

int main() {
    using namespace vellumark;
    Digest digest;
    std::string shortText = "Hi \xFC\x01\x80~";
    std::string longText(3000, '\0');
    for (std::size_t i = 0; i < longText.size(); ++i) {
        longText[i] = static_cast<char>((i * 37 + 11) & 0xFF);
    }

    for (int code = 1; code <= 999999; ++code) {
        const auto codeNum = static_cast<float>(code);
        const std::string cipher = CryptText(shortText, kModeEncrypt, codeNum);
        digest.Add(cipher);
        digest.Add(CryptText(cipher, kModeDecrypt, codeNum));
        digest.Add(std::string(1, DecryptsBack(shortText, codeNum) ? 'y' : 'n'));
    }

    const float odd[] = {0.0f,
                         -0.0f,
                         0.5f,
                         -0.3f,
                         1e-40f,
                         3.4e38f,
                         16777217.0f,
                         std::numeric_limits<float>::infinity(),
                         -std::numeric_limits<float>::infinity(),
                         std::numeric_limits<float>::quiet_NaN(),
                         1.0f,
                         408153.0f,
                         999999.0f};
    for (const float codeNum : odd) {
        const std::string cipher = CryptText(longText, kModeEncrypt, codeNum);
        digest.Add(cipher);
        digest.Add(CryptText(cipher, kModeDecrypt, codeNum));
        digest.Add(CryptText(longText, kModeDecrypt, codeNum));
    }

    char text[8];
    for (int number = 0; number <= 999999; ++number) {
        std::snprintf(text, sizeof text, "%06d", number);
        digest.Add(ValidateCodeNumber(text));
    }
    // Every 7th of the 2^24 draws that the generator can give.
    for (std::uint32_t state = 0; state < (1U << 24); state += 7) {
        digest.Add(RandomCodeText(static_cast<float>(state) / 16777216.0f));
    }

    std::printf("%016llx\n", static_cast<unsigned long long>(digest.value()));
    return 0;
}
