#ifndef CHATMIND_TESTS_REFERENCE_REFERENCE_ENGINE_H_
#define CHATMIND_TESTS_REFERENCE_REFERENCE_ENGINE_H_

#include <string>
#include <string_view>

#include "mind/mind.h"
#include "reference/plain_matcher.h"
#include "reply/compose_reply.h"

namespace chatmind::reference {

// The plain engine that the shipped one must agree with, byte for byte: the
// strategies scan every list and classify every entry and rule on every
// reply. Used only by tests and benchmarks; slow by design.
//
// Its methods behave as those of chatmind::Engine, except that the fallback
// reply is fixed at construction instead of read from a settings file.
class ReferenceEngine {
 public:
  explicit ReferenceEngine(std::string fallback_reply = std::string(kDefaultFallbackReply));

  // The reply to `text` (everything after a NUL ignored); the mind learns.
  std::string GetReplyTo(std::string_view text);

  // As chatmind::Engine::LoadMind and SaveMind.
  bool LoadMind(std::string_view path);
  bool SaveMind(std::string_view path);

 private:
  Mind mind_;
  PlainMatcher matcher_;
  std::string fallback_reply_;
};

}  // namespace chatmind::reference

#endif  // CHATMIND_TESTS_REFERENCE_REFERENCE_ENGINE_H_
