#include "engine/crypt_answer.h"

#include "engine/overflow_error.h"

namespace vellumark {

CryptAnswer AnswerCrypt(std::string_view bytes, CryptMode mode, float codeNum,
                        const std::optional<UnmappableCharacter>& unmappable) {
    CryptAnswer answer;
    const bool encrypting = Encrypts(mode, codeNum);
    if (encrypting && bytes.size() > kMaxTextLength) {
        answer.refusal = CryptRefusal::kTooLong;
        return answer;
    }
    if (encrypting && unmappable) {
        answer.refusal = CryptRefusal::kUnmappable;
        answer.unmappable = unmappable;
        return answer;
    }
    try {
        answer.result = CryptText(bytes, mode, codeNum);
    } catch (const OverflowError&) {
        answer.refusal = CryptRefusal::kTooLong;
        return answer;
    }
    answer.decryptsBack = !encrypting || DecryptsBack(bytes, codeNum);
    return answer;
}

}  // namespace vellumark
