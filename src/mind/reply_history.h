#ifndef CHATMIND_MIND_REPLY_HISTORY_H_
#define CHATMIND_MIND_REPLY_HISTORY_H_

#include <cstddef>
#include <deque>
#include <initializer_list>
#include <string>
#include <string_view>
#include <unordered_set>

namespace chatmind {

// The replies given since the last fallback, in the order given, with a
// constant-time membership test.
class ReplyHistory {
 public:
  ReplyHistory() = default;
  ReplyHistory(std::initializer_list<std::string_view> replies);
  ReplyHistory(const ReplyHistory& other);
  ReplyHistory& operator=(const ReplyHistory& other);

  // True when `reply` was recorded since the last Clear.
  bool Contains(std::string_view reply) const { return members_.contains(reply); }

  // Records `reply`. When memory runs out (std::bad_alloc) nothing changes.
  void Add(std::string reply);

  void Clear();

  std::size_t size() const { return replies_.size(); }
  bool empty() const { return replies_.empty(); }
  std::deque<std::string>::const_iterator begin() const { return replies_.begin(); }
  std::deque<std::string>::const_iterator end() const { return replies_.end(); }

 private:
  // A deque never moves its elements, so the views in members_ stay valid.
  std::deque<std::string> replies_;
  std::unordered_set<std::string_view> members_;
};

}  // namespace chatmind

#endif  // CHATMIND_MIND_REPLY_HISTORY_H_
