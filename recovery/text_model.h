#pragma once
// How much a string of Windows-1252 bytes looks like text a person wrote, in any Western
// European language: a bigram model over bytes with a coarse context (the letter before, with
// its case; blank; digit; line break; punctuation; anything else). A byte's cost is
// -log2 of its probability after its context, in eighths of a bit; control characters cost
// about 32 bits, a usual letter two to four. No dictionary, no language of its own.

#include <cstdint>

namespace vellumark::text_model {

#include "recovery/text_model_table.inc"

}  // namespace vellumark::text_model
