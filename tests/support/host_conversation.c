#include "support/host_conversation.h"

#include <stdlib.h>
#include <string.h>

int failures = 0;

int Replies(const struct Functions* functions, const char* text, const char* expected) {
  const char* reply = functions->get_reply_to(text);
  if (reply && strcmp(reply, expected) == 0) return 1;
  fprintf(stderr, "to \"%s\" expected \"%s\", got \"%s\"\n", text ? text : "(null)", expected,
          reply ? reply : "(null)");
  return 0;
}

void WriteBytes(const char* path, const char* bytes, size_t size) {
  FILE* file = fopen(path, "wb");
  if (!file || fwrite(bytes, 1, size, file) != size || fclose(file) != 0) {
    perror(path);
    exit(1);
  }
}

int FileEquals(const char* path, const char* bytes) {
  char buffer[4096];
  FILE* file = fopen(path, "rb");
  if (!file) return 0;
  size_t size = fread(buffer, 1, sizeof buffer, file);
  fclose(file);
  return size == strlen(bytes) && memcmp(buffer, bytes, size) == 0;
}

void Conversation(const struct Functions* functions, const char* settings_path) {
  CHECK(Replies(functions, NULL, NOT_UNDERSTOOD));
  WriteBytes(settings_path, "[Search]\r\nNotClear=Again.\r\n", 26);
  CHECK(Replies(functions, "x", "Again."));
  CHECK(remove(settings_path) == 0);
  CHECK(Replies(functions, "   ", ""));

  static const char kMind[] = "Hi!\r\nHello.\r\n <ESCAPE>\r\nTell me more.\r\n";
  WriteBytes("talk.mind", kMind, sizeof kMind - 1);
  CHECK(functions->load_mind(NULL) == 0);
  CHECK(functions->load_mind("") == 0);
  CHECK(functions->load_mind("missing.mind") == 0);
  CHECK(functions->load_mind("talk.mind") == -1);

  CHECK(Replies(functions, "Hi!", "Hello."));
  CHECK(Replies(functions, "Hi!", "Tell me more."));
  CHECK(Replies(functions, "  Hi!", NOT_UNDERSTOOD));
  CHECK(Replies(functions, "Hi!", "Hello."));
  CHECK(Replies(functions, "Tell me more.", "Hi!"));

  CHECK(functions->save_mind(NULL) == 0);
  CHECK(functions->save_mind("no/such/dir/talk.mind") == 0);
  CHECK(functions->save_mind("talk.mind") == -1);
  /* Seven pairs, reordered by the failed save and again by this one. */
  CHECK(FileEquals("talk.mind", CONVERSATION_MIND));
  CHECK(Replies(functions, "Hi!", NOT_UNDERSTOOD));
}
