#include "reply/phrase_lookup.h"

#include <algorithm>
#include <functional>

#include "reply/fresh_reply.h"

namespace chatmind {
namespace {

constexpr std::uint32_t kNone = IdHashTable::kNone;

std::size_t HashOf(std::string_view text) { return std::hash<std::string_view>{}(text); }

std::size_t PairHash(std::size_t key_hash, std::string_view reply) {
  constexpr std::size_t kGoldenRatio = static_cast<std::size_t>(0x9e3779b97f4a7c15u);
  return key_hash ^ (HashOf(reply) + kGoldenRatio + (key_hash << 6) + (key_hash >> 2));
}

}  // namespace

void PhraseLookup::Update(const Mind& mind) {
  const std::size_t count = std::min(mind.PhraseKeys.size(), mind.PhraseReplies.size());
  if (count > next_.capacity()) {
    // Geometric growth: learning adds one pair at a time.
    next_.reserve(std::max(count, 2 * next_.capacity()));
    last_.reserve(std::max(count, 2 * last_.capacity()));
  }
  first_of_key_.Reserve(count);
  pairs_.Reserve(count);
  for (std::size_t position = size(); position < count; ++position) {
    Add(mind, static_cast<std::uint32_t>(position));
  }
}

std::optional<std::size_t> PhraseLookup::FirstFresh(const Mind& mind, std::string_view text) const {
  std::uint32_t position = first_of_key_.Find(
      HashOf(text), [&](std::uint32_t id) { return mind.PhraseKeys[id] == text; });
  for (; position != kNone; position = next_[position]) {
    if (IsFreshReply(mind, mind.PhraseReplies[position])) return position;
  }
  return std::nullopt;
}

bool PhraseLookup::Contains(const Mind& mind, std::string_view key, std::string_view reply) const {
  return FindPair(mind, HashOf(key), key, reply) != kNone;
}

std::uint32_t PhraseLookup::FindPair(const Mind& mind, std::size_t key_hash, std::string_view key,
                                     std::string_view reply) const {
  return pairs_.Find(PairHash(key_hash, reply), [&](std::uint32_t id) {
    return mind.PhraseKeys[id] == key && mind.PhraseReplies[id] == reply;
  });
}

void PhraseLookup::Clear() {
  first_of_key_.Clear();
  pairs_.Clear();
  next_ = {};
  last_ = {};
}

void PhraseLookup::Add(const Mind& mind, std::uint32_t position) {
  const std::string_view key = mind.PhraseKeys[position];
  const std::string_view reply = mind.PhraseReplies[position];
  const std::size_t key_hash = HashOf(key);
  const std::uint32_t first =
      first_of_key_.Find(key_hash, [&](std::uint32_t id) { return mind.PhraseKeys[id] == key; });
  next_.push_back(kNone);
  last_.push_back(position);
  if (first == kNone) {
    first_of_key_.Insert(key_hash, position);
  } else {
    next_[last_[first]] = position;
    last_[first] = position;
  }
  if (FindPair(mind, key_hash, key, reply) == kNone) {
    pairs_.Insert(PairHash(key_hash, reply), position);
  }
}

}  // namespace chatmind
