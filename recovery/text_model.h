#pragma once
// How much a string of Windows-1252 bytes looks like text a person wrote, in any Western
// European language: a bigram model over bytes with a coarse context (the letter before, with
// its case; blank; digit; line break; punctuation; anything else). A byte's cost is
// -log2 of its probability after its context, in eighths of a bit; control characters cost
// about 32 bits, a usual letter two to four. No dictionary, no language of its own.

#include <cstdint>
#include <string_view>

namespace vellumark::text_model {

#include "recovery/text_model_table.inc"

// The cost of `bytes` from the start of a text, in 1/kCostUnits bit.
inline std::int64_t TextCost(std::string_view bytes) {
    std::int64_t cost = 0;
    std::uint8_t context = kStartContext;
    for (const char c : bytes) {
        const auto byte = static_cast<std::uint8_t>(c);
        cost += kCost[context][byte];
        context = kContextOf[byte];
    }
    return cost;
}

}  // namespace vellumark::text_model
