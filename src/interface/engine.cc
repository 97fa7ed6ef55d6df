#include "chatmind/engine.hpp"

#include <utility>

#include "interface/reply_buffer.h"
#include "interface/settings.h"
#include "mind/mind.h"
#include "mind/mind_reader.h"
#include "mind/mind_writer.h"
#include "reply/compose_reply.h"

namespace chatmind {
namespace {

// A load gives the reply buffer this much fresh storage.
constexpr std::size_t kLoadReplyCapacity = 16;

std::string_view UpToFirstNul(std::string_view text) { return text.substr(0, text.find('\0')); }

}  // namespace

struct Engine::State {
  explicit State(std::string settings) : settings_path(std::move(settings)) {}

  Mind mind;
  ReplyBuffer reply_buffer;
  std::string settings_path;
};

Engine::Engine(std::string settings_path)
    : state_(std::make_unique<State>(std::move(settings_path))) {}

Engine::~Engine() = default;

std::string_view Engine::GetReplyTo(std::string_view text) {
  const std::string reply = ComposeReply(state_->mind, UpToFirstNul(text), [this] {
    return ReadSetting(state_->settings_path, "Search", "NotClear", kDefaultFallbackReply);
  });
  return state_->reply_buffer.Store(reply);
}

bool Engine::LoadMind(std::string_view path) {
  state_->reply_buffer.Renew(kLoadReplyCapacity);
  return LoadMindFile(state_->mind, UpToFirstNul(path));
}

bool Engine::SaveMind(std::string_view path) {
  state_->reply_buffer.Release();
  return SaveMindFile(state_->mind, UpToFirstNul(path));
}

}  // namespace chatmind
