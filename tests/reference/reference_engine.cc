#include "reference/reference_engine.h"

#include <utility>

#include "mind/mind_reader.h"
#include "mind/mind_writer.h"

namespace chatmind::reference {
namespace {

std::string_view UpToFirstNul(std::string_view text) { return text.substr(0, text.find('\0')); }

}  // namespace

ReferenceEngine::ReferenceEngine(std::string fallback_reply)
    : fallback_reply_(std::move(fallback_reply)) {}

std::string ReferenceEngine::GetReplyTo(std::string_view text) {
  return ComposeReply(mind_, matcher_, UpToFirstNul(text), [this] { return fallback_reply_; });
}

bool ReferenceEngine::LoadMind(std::string_view path) {
  return LoadMindFile(mind_, UpToFirstNul(path));
}

bool ReferenceEngine::SaveMind(std::string_view path) {
  return SaveMindFile(mind_, UpToFirstNul(path));
}

}  // namespace chatmind::reference
