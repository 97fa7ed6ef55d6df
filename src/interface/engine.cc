#include "chatmind/engine.hpp"

#include <new>
#include <utility>

#include "interface/explanation.h"
#include "interface/reply_buffer.h"
#include "interface/settings.h"
#include "mind/mind.h"
#include "mind/mind_reader.h"
#include "mind/mind_writer.h"
#include "reply/compose_reply.h"
#include "reply/indexed_matcher.h"

namespace chatmind {
namespace {

// A load gives the reply buffer this much fresh storage.
constexpr std::size_t kLoadReplyCapacity = 16;

std::string_view UpToFirstNul(std::string_view text) { return text.substr(0, text.find('\0')); }

}  // namespace

struct Engine::State {
  explicit State(std::string settings) : settings_path(std::move(settings)) {}

  Mind mind;
  IndexedMatcher matcher;
  ReplyBuffer reply_buffer;
  std::string settings_path;
  bool explaining = false;
  ReplyExplanation explanation;
  // False when an update of the matcher ran out of memory: it no longer
  // follows the mind and is rebuilt before the next reply.
  bool matcher_current = true;

  // Brings the matcher up to date after the mind changed: by its appended
  // records, or anew. Running out of memory leaves the mind as it is and
  // the matcher to be rebuilt later, since the change to the mind stands.
  void FollowMind(bool anew) {
    try {
      if (anew || !matcher_current) {
        matcher.Rebuild(mind);
      } else {
        matcher.Update(mind);
      }
      matcher_current = true;
    } catch (const std::bad_alloc&) {
      matcher.Clear();
      matcher_current = false;
    }
  }
};

Engine::Engine(std::string settings_path)
    : state_(std::make_unique<State>(std::move(settings_path))) {}

Engine::~Engine() = default;

std::string_view Engine::GetReplyTo(std::string_view text) {
  if (!state_->matcher_current) {
    state_->matcher.Rebuild(state_->mind);
    state_->matcher_current = true;
  }
  ReplyTrace trace;
  std::string_view reply;
  try {
    reply = ComposeReply(
        state_->mind, state_->matcher, UpToFirstNul(text),
        [this] {
          return ReadSetting(state_->settings_path, "Search", "NotClear", kDefaultFallbackReply);
        },
        state_->explaining ? &trace : nullptr);
  } catch (const std::bad_alloc&) {
    // A pair may have been learned that the matcher did not take in.
    state_->matcher_current = false;
    throw;
  }
  if (state_->explaining) state_->explanation = Explain(state_->mind, trace);
  return state_->reply_buffer.Store(reply);
}

void Engine::SetExplaining(bool on) {
  state_->explaining = on;
  state_->explanation = ReplyExplanation();
}

const ReplyExplanation& Engine::LastExplanation() const { return state_->explanation; }

bool Engine::LoadMind(std::string_view path) {
  state_->reply_buffer.Renew(kLoadReplyCapacity);
  if (!LoadMindFile(state_->mind, UpToFirstNul(path))) return false;
  state_->FollowMind(false);
  return true;
}

bool Engine::SaveMind(std::string_view path) {
  state_->reply_buffer.Release();
  const std::string_view file = UpToFirstNul(path);
  const bool saved = SaveMindFile(state_->mind, file);
  // An empty path touches nothing; any other save reorders or empties the
  // lists, whether or not the file could be written.
  if (!file.empty()) state_->FollowMind(true);
  return saved;
}

}  // namespace chatmind
