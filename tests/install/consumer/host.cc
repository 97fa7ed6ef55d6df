// The same as host.c, through chatmind::Engine.
#include <chatmind/engine.hpp>
#include <string_view>

int main(int argc, char** argv) {
  chatmind::Engine engine("consumer.INI");
  if (argc != 2 || !engine.LoadMind(argv[1])) return 1;
  const std::string_view reply = engine.GetReplyTo("\xCF\xF0\xE8\xE2\xE5\xF2!");  // «Привет!»
  return !reply.empty() && reply != "\xCD\xE5 \xEF\xEE\xED\xFF\xEB." ? 0 : 1;
}
