#include "history/core/transition_merge.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <unordered_map>

namespace chronel {
namespace {

// The merge rule looks, for every own line, for the first entry of a reckoning among a prefix
// of the list and for the first entry dated after the line: done on one flat list that is
// quadratic in the lengths. Here the list is cut into blocks of about sqrt(length) entries,
// each knowing its latest date and how many entries of each reckoning it holds, so that both
// searches skip whole blocks and an insertion moves one block's entries only.

using Reckoning = std::array<int, 3>;  // calendar code, era, style

struct ReckoningHash {
    std::size_t operator()(const Reckoning& r) const {
        std::uint64_t h = 1469598103934665603ull;  // FNV-1a over the three numbers
        for (int v : r) {
            h ^= static_cast<std::uint32_t>(v);
            h *= 1099511628211ull;
        }
        return static_cast<std::size_t>(h);
    }
};

Reckoning ReckoningOf(const CTransition& t) { return {t.m_calendar, t.m_era, t.m_style}; }

struct Entry {
    CTransition transition;
    double day;  // TransitionDayNumber(transition)
};

struct Block {
    std::vector<Entry> entries;
    double latest = -std::numeric_limits<double>::infinity();  // the largest day; NaN never counts
    std::unordered_map<Reckoning, int, ReckoningHash> reckonings;

    void Recount() {
        latest = -std::numeric_limits<double>::infinity();
        reckonings.clear();
        for (const Entry& e : entries) {
            if (e.day > latest) latest = e.day;
            ++reckonings[ReckoningOf(e.transition)];
        }
    }
};

class BlockList {
public:
    BlockList(const std::vector<CTransition>& list, std::size_t blockSize) : blockSize_(blockSize) {
        for (std::size_t i = 0; i < list.size(); i += blockSize_) {
            Block block;
            const std::size_t end = std::min(list.size(), i + blockSize_);
            block.entries.reserve(end - i);
            for (std::size_t k = i; k < end; ++k)
                block.entries.push_back({list[k], TransitionDayNumber(list[k])});
            block.Recount();
            blocks_.push_back(std::move(block));
        }
    }

    // Overwrites the first entry of t's reckoning among positions 0..prefix-1; false if none.
    bool ReplaceInPrefix(const CTransition& t, std::size_t prefix) {
        const Reckoning wanted = ReckoningOf(t);
        std::size_t start = 0;  // position of the block's first entry
        for (Block& block : blocks_) {
            if (start >= prefix) return false;
            if (block.reckonings.contains(wanted)) {
                for (std::size_t k = 0; k < block.entries.size() && start + k < prefix; ++k) {
                    Entry& e = block.entries[k];
                    if (!SameReckoning(e.transition, t)) continue;
                    e = {t, TransitionDayNumber(t)};  // same reckoning: the counts stay
                    block.latest = -std::numeric_limits<double>::infinity();
                    for (const Entry& other : block.entries)
                        if (other.day > block.latest) block.latest = other.day;
                    return true;
                }
                return false;  // its first entry of the reckoning lies at prefix or beyond
            }
            start += block.entries.size();
        }
        return false;
    }

    // Inserts t before the first entry dated strictly later, or at the end.
    void InsertByDate(const CTransition& t) {
        const Entry entry{t, TransitionDayNumber(t)};
        std::size_t b = 0;
        while (b < blocks_.size() && !(blocks_[b].latest > entry.day)) ++b;
        if (b == blocks_.size()) {
            if (blocks_.empty() || blocks_.back().entries.size() >= 2 * blockSize_) blocks_.emplace_back();
            b = blocks_.size() - 1;
            Add(blocks_[b], blocks_[b].entries.end(), entry);
        } else {
            auto& entries = blocks_[b].entries;
            const auto later = std::find_if(entries.begin(), entries.end(),
                                            [&](const Entry& e) { return e.day > entry.day; });
            Add(blocks_[b], later, entry);
        }
        if (blocks_[b].entries.size() > 2 * blockSize_) Split(b);
    }

    std::vector<CTransition> Flatten() const {
        std::vector<CTransition> list;
        std::size_t total = 0;
        for (const Block& block : blocks_) total += block.entries.size();
        list.reserve(total);
        for (const Block& block : blocks_)
            for (const Entry& e : block.entries) list.push_back(e.transition);
        return list;
    }

private:
    static void Add(Block& block, std::vector<Entry>::iterator where, const Entry& entry) {
        block.entries.insert(where, entry);
        if (entry.day > block.latest) block.latest = entry.day;
        ++block.reckonings[ReckoningOf(entry.transition)];
    }

    void Split(std::size_t b) {
        Block second;
        auto& entries = blocks_[b].entries;
        const auto middle = entries.begin() + static_cast<std::ptrdiff_t>(entries.size() / 2);
        second.entries.assign(middle, entries.end());
        entries.erase(middle, entries.end());
        blocks_[b].Recount();
        second.Recount();
        blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(b) + 1, std::move(second));
    }

    std::size_t blockSize_;
    std::vector<Block> blocks_;
};

}  // namespace

void MergeOwnLines(std::vector<CTransition>& list, std::span<const CTransition> ownLines) {
    if (ownLines.empty()) return;
    const std::size_t inherited = list.size();  // counted once, before the first own line
    const auto total = static_cast<double>(inherited + ownLines.size());
    const std::size_t blockSize = std::max<std::size_t>(32, static_cast<std::size_t>(std::sqrt(total)));
    BlockList blocks(list, blockSize);
    for (const CTransition& t : ownLines) {
        // The list only grows, so positions 0..inherited-1 always exist.
        if (inherited > 0 && blocks.ReplaceInPrefix(t, inherited)) continue;
        blocks.InsertByDate(t);
    }
    list = blocks.Flatten();
}

}  // namespace chronel
