#include "recovery/recover_code.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <exception>
#include <limits>
#include <memory>
#include <system_error>
#include <thread>
#include <unordered_map>

#include "engine/crypt_text.h"
#include "engine/key_step.h"
#include "recovery/text_model.h"

namespace vellumark {
namespace {

using text_model::kContextOf;
using text_model::kCost;
using text_model::kCostUnits;

// The plausibility line: a plain text stays a candidate while the cost of every prefix of k
// characters is at most kSlack + k * kRate. Prose costs 3 to 5 bits a character and random
// bytes about 9, so a wrong code number is mostly dropped after two or three characters; the
// slack lets a real text open with an odd character or two.
constexpr int kRate = 7 * kCostUnits;
constexpr int kSlack = 40 * kCostUnits;

constexpr int kCodesPerChunk = 4096;

// Costs stay below 256 * kMaxCipherSymbols, well within an int.
struct Candidate {
    int cost;
    int code;

    bool operator<(const Candidate& other) const {
        return cost != other.cost ? cost < other.cost : code < other.code;
    }
};

std::string Decrypt(std::string_view bytes, int code) {
    return ShiftBack(bytes, static_cast<float>(code));
}

// The candidates of one thread: every one whose cost is among the `top` lowest distinct costs
// seen so far. Plain texts of equal cost count once, so at least `top` plain texts survive.
class Keeper {
public:
    explicit Keeper(std::size_t top) : top_(top) {}

    // The cost that a candidate must not exceed to matter.
    [[nodiscard]] int bound() const { return bound_; }

    void Add(Candidate candidate) {
        kept_.push_back(candidate);
        if (kept_.size() >= compactAt_) {
            Compact();
        }
    }

    std::vector<Candidate> Take() {
        Compact();
        return std::move(kept_);
    }

private:
    void Compact() {
        std::sort(kept_.begin(), kept_.end());
        std::size_t distinct = 0;
        for (std::size_t i = 0; i < kept_.size(); ++i) {
            if (i == 0 || kept_[i].cost != kept_[i - 1].cost) {
                if (++distinct > top_) {
                    kept_.resize(i);
                    bound_ = kept_.back().cost;
                    break;
                }
            }
        }
        compactAt_ = std::max<std::size_t>(2 * kept_.size(), 64);
    }

    std::size_t top_;
    std::vector<Candidate> kept_;
    std::size_t compactAt_ = 64;
    int bound_ = std::numeric_limits<int>::max();
};

// The search runs breadth first over a chunk of code numbers: one character for every code
// number still in play, then the next character for those that stayed plausible. Each pass is
// free of unpredictable branches, and the keystreams of different code numbers overlap in the
// processor, where one code number at a time would wait on its own chain of draws.
struct Chunk {
    float seed[kCodesPerChunk];
    int cost[kCodesPerChunk];
    std::uint8_t context[kCodesPerChunk];
    int code[kCodesPerChunk];
};

// Scores code numbers taken chunk by chunk from `next` until all are done.
void Search(std::string_view bytes, std::string_view known, std::atomic<int>& next,
            Keeper& keeper) {
    const std::size_t n = bytes.size();
    auto chunk = std::make_unique<Chunk>();
    for (int first = next.fetch_add(kCodesPerChunk); first <= kMaxCodeNumber;
         first = next.fetch_add(kCodesPerChunk)) {
        int inPlay = std::min(kCodesPerChunk, kMaxCodeNumber - first + 1);
        for (int j = 0; j < inPlay; ++j) {
            chunk->code[j] = first + j;
            chunk->seed[j] = FirstSeed(static_cast<float>(first + j));
            chunk->cost[j] = 0;
            chunk->context[j] = text_model::kStartContext;
        }
        const int bound = keeper.bound();
        int line = kSlack;
        for (std::size_t i = 0; i < n && inPlay > 0; ++i) {
            line += kRate;
            const int limit = std::min(line, bound);
            const auto symbol = static_cast<unsigned char>(bytes[i]);
            int kept = 0;
            for (int j = 0; j < inPlay; ++j) {
                const KeyStep key = NextKey(chunk->seed[j]);
                const auto plain = static_cast<std::uint8_t>(symbol - key.shift);
                const int cost = chunk->cost[j] + kCost[chunk->context[j]][plain];
                chunk->seed[kept] = key.nextSeed;
                chunk->cost[kept] = cost;
                chunk->context[kept] = kContextOf[plain];
                chunk->code[kept] = chunk->code[j];
                kept += cost <= limit ? 1 : 0;
            }
            inPlay = kept;
        }
        for (int j = 0; j < inPlay; ++j) {
            if (known.empty() || Decrypt(bytes, chunk->code[j]).find(known) != std::string::npos) {
                keeper.Add({chunk->cost[j], chunk->code[j]});
            }
        }
    }
}

std::vector<Candidate> SearchAllCores(std::string_view bytes, std::size_t top,
                                      std::string_view known) {
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    std::atomic<int> next{1};
    std::vector<Keeper> keepers(threads, Keeper(top));
    // A worker's exception (std::bad_alloc) is thrown again here, where the caller can catch it,
    // instead of ending the process.
    std::vector<std::exception_ptr> failures(threads);
    std::vector<std::thread> workers;
    for (unsigned t = 1; t < threads; ++t) {
        try {
            workers.emplace_back([&, t] {
                try {
                    Search(bytes, known, next, keepers[t]);
                } catch (...) {
                    failures[t] = std::current_exception();
                }
            });
        } catch (const std::system_error&) {
            break;  // the threads that did start share all the work
        }
    }
    try {
        Search(bytes, known, next, keepers[0]);
    } catch (...) {
        failures[0] = std::current_exception();
        next = kMaxCodeNumber + 1;  // the workers stop after their chunk
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    for (const std::exception_ptr& failure : failures) {
        if (failure) {
            std::rethrow_exception(failure);
        }
    }
    std::vector<Candidate> all;
    for (Keeper& keeper : keepers) {
        const std::vector<Candidate> kept = keeper.Take();
        all.insert(all.end(), kept.begin(), kept.end());
    }
    std::sort(all.begin(), all.end());
    return all;
}

}  // namespace

std::vector<RecoveredText> RecoverCodeNumbers(std::string_view cipherText, std::size_t top,
                                              std::string_view known) {
    const std::string bytes = DecodeCipherText(cipherText);
    std::vector<RecoveredText> texts;
    if (bytes.empty() || top == 0) {
        return texts;
    }
    const std::vector<Candidate> candidates = SearchAllCores(bytes, top, known);
    // Candidates come by cost, then code number. Equal plain texts have equal costs, so each
    // run of one cost is split into its plain texts; the run that holds the last wanted plain
    // text is read to its end, for the code numbers that give the same texts.
    std::unordered_map<std::string, std::size_t> run;  // plain text -> index in texts
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const Candidate& candidate = candidates[i];
        if (i > 0 && candidate.cost != candidates[i - 1].cost) {
            if (texts.size() >= top) {
                break;
            }
            run.clear();
        }
        std::string plain = Decrypt(bytes, candidate.code);
        if (const auto same = run.find(plain); same != run.end()) {
            texts[same->second].codeNumbers.push_back(candidate.code);
        } else if (texts.size() < top) {
            run.emplace(plain, texts.size());
            const double score = -static_cast<double>(candidate.cost) /
                                 (kCostUnits * static_cast<double>(bytes.size()));
            texts.push_back({{candidate.code}, std::move(plain), score});
        }
    }
    return texts;
}

}  // namespace vellumark
