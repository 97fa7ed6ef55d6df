#include <memory>
#include <string_view>

#include "chatmind/chatmind.h"
#include "chatmind/engine.hpp"
#include "interface/settings.h"

// Windows hosts call with the standard calling convention; the
// module-definition files export these functions under decorated names.
#ifdef _WIN32
#define CHATMIND_CALL __stdcall
#else
#define CHATMIND_CALL
#endif

namespace {

// The one engine behind the C functions, made when the library is loaded and
// destroyed when it is unloaded: a static object, which the loader on POSIX
// and the runtime's DLL entry point on Windows (at process attach and
// detach) construct and destroy. Should making it fail for lack of memory,
// the next call tries again.
class ProcessEngine {
 public:
  ProcessEngine() noexcept { Create(); }

  chatmind::Engine* Get() noexcept {
    if (!engine_) Create();
    return engine_.get();
  }

 private:
  void Create() noexcept {
    try {
      engine_ =
          std::make_unique<chatmind::Engine>(chatmind::SettingsFileName(chatmind::OwnModulePath()));
    } catch (...) {
      engine_.reset();
    }
  }

  std::unique_ptr<chatmind::Engine> engine_;
};

ProcessEngine process_engine;

std::string_view Argument(const char* text) {
  return text ? std::string_view(text) : std::string_view();
}

// The one place where engine results and failures become C results.
template <typename Call>
int ResultCode(Call call) noexcept {
  try {
    chatmind::Engine* engine = process_engine.Get();
    return engine && call(*engine) ? -1 : 0;
  } catch (...) {
    return 0;
  }
}

}  // namespace

extern "C" {

const char* CHATMIND_CALL GetReplyTo(const char* text) {
  try {
    if (chatmind::Engine* engine = process_engine.Get()) {
      return engine->GetReplyTo(Argument(text)).data();
    }
  } catch (...) {
  }
  return "";
}

int CHATMIND_CALL LoadMind(const char* path) {
  return ResultCode([path](chatmind::Engine& engine) { return engine.LoadMind(Argument(path)); });
}

int CHATMIND_CALL SaveMind(const char* path) {
  return ResultCode([path](chatmind::Engine& engine) { return engine.SaveMind(Argument(path)); });
}

}  // extern "C"
