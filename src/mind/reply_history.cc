#include "mind/reply_history.h"

#include <utility>

namespace chatmind {

ReplyHistory::ReplyHistory(std::initializer_list<std::string_view> replies) {
  for (std::string_view reply : replies) Add(std::string(reply));
}

ReplyHistory::ReplyHistory(const ReplyHistory& other) {
  for (const std::string& reply : other) Add(reply);
}

ReplyHistory& ReplyHistory::operator=(const ReplyHistory& other) {
  ReplyHistory copy(other);
  std::swap(replies_, copy.replies_);
  std::swap(members_, copy.members_);
  return *this;
}

void ReplyHistory::Add(std::string reply) {
  replies_.push_back(std::move(reply));
  try {
    members_.insert(replies_.back());
  } catch (...) {
    replies_.pop_back();
    throw;
  }
}

void ReplyHistory::Clear() {
  members_.clear();
  replies_.clear();
}

}  // namespace chatmind
