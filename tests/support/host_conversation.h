/* What the C hosts share: checks, files, and one conversation through the
 * three exported functions whose replies and saved bytes are known. */
#ifndef CHATMIND_TESTS_SUPPORT_HOST_CONVERSATION_H_
#define CHATMIND_TESTS_SUPPORT_HOST_CONVERSATION_H_

#include <stddef.h>
#include <stdio.h>

#include "chatmind/chatmind.h"

#define NOT_UNDERSTOOD "\xCD\xE5 \xEF\xEE\xED\xFF\xEB."

/* What the conversation leaves in talk.mind, byte for byte. */
#define CONVERSATION_MIND                                                        \
  "Again.\r\nHi!\r\nHello.\r\nTell me more.\r\nHello.\r\nHi!\r\n" NOT_UNDERSTOOD \
  "\r\nx?\r\nTell me more.\r\nHi!\r\nHi!\r\nHello.\r\n" NOT_UNDERSTOOD           \
  "\r\nHi!\r\n <ESCAPE>\r\nTell me more.\r\n"

extern int failures;

#define CHECK(condition)                                                            \
  do {                                                                              \
    if (!(condition)) {                                                             \
      fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      ++failures;                                                                   \
    }                                                                               \
  } while (0)

/* The function types come from the header's declarations, which proves that
 * it compiles as C and matches what the host calls. */
#ifdef _WIN32
typedef ChatmindGetReplyTo GetReplyToFn;
typedef ChatmindLoadMind MindFileFn;
#else
typedef __typeof__(&GetReplyTo) GetReplyToFn;
typedef __typeof__(&LoadMind) MindFileFn;
#endif

struct Functions {
  GetReplyToFn get_reply_to;
  MindFileFn load_mind;
  MindFileFn save_mind;
};

/* Whether the reply to `text` is `expected`; says what it got when not. */
int Replies(const struct Functions* functions, const char* text, const char* expected);

/* Writes `size` bytes to the file at `path`, replacing it; exits on failure. */
void WriteBytes(const char* path, const char* bytes, size_t size);

/* Whether the file at `path` holds exactly the zero-terminated `bytes`. */
int FileEquals(const char* path, const char* bytes);

/* Talks to a freshly loaded library with the settings file at
 * `settings_path`, in the current directory: fallbacks, loading, replies,
 * learning, failed and successful saves. Leaves talk.mind holding
 * CONVERSATION_MIND and no settings file. */
void Conversation(const struct Functions* functions, const char* settings_path);

#endif /* CHATMIND_TESTS_SUPPORT_HOST_CONVERSATION_H_ */
