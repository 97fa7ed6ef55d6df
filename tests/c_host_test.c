/* A host written in C: loads libchatmind.so with dlopen, finds the three
 * functions by name, and holds a conversation through them. Also checks that
 * the library reads its settings file from the current directory, starts
 * afresh after an unload, and answers sensibly when memory runs out.
 * Usage: c_host_test PATH_TO_LIBRARY */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <unistd.h>

#include "chatmind/chatmind.h"

#define NOT_UNDERSTOOD "\xCD\xE5 \xEF\xEE\xED\xFF\xEB."

static int failures = 0;

#define CHECK(condition)                                                            \
  do {                                                                              \
    if (!(condition)) {                                                             \
      fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      ++failures;                                                                   \
    }                                                                               \
  } while (0)

/* The function types come from the header's declarations, which proves
 * that it compiles as C and matches what the host calls. */
typedef __typeof__(&GetReplyTo) GetReplyToFn;
typedef __typeof__(&LoadMind) MindFileFn;
_Static_assert(__builtin_types_compatible_p(__typeof__(&SaveMind), MindFileFn),
               "SaveMind and LoadMind take the same argument");

struct Library {
  void* handle;
  GetReplyToFn get_reply_to;
  MindFileFn load_mind;
  MindFileFn save_mind;
};

static void Open(struct Library* library, const char* path) {
  library->handle = dlopen(path, RTLD_NOW | RTLD_LOCAL);
  if (!library->handle) {
    fprintf(stderr, "dlopen: %s\n", dlerror());
    exit(1);
  }
  *(void**)&library->get_reply_to = dlsym(library->handle, "GetReplyTo");
  *(void**)&library->load_mind = dlsym(library->handle, "LoadMind");
  *(void**)&library->save_mind = dlsym(library->handle, "SaveMind");
  if (!library->get_reply_to || !library->load_mind || !library->save_mind) {
    fprintf(stderr, "dlsym: a function is missing\n");
    exit(1);
  }
}

static int Replies(struct Library* library, const char* text, const char* expected) {
  const char* reply = library->get_reply_to(text);
  if (reply && strcmp(reply, expected) == 0) return 1;
  fprintf(stderr, "to \"%s\" expected \"%s\", got \"%s\"\n", text ? text : "(null)", expected,
          reply ? reply : "(null)");
  return 0;
}

static void WriteFile(const char* path, const char* bytes, size_t size) {
  FILE* file = fopen(path, "wb");
  if (!file || fwrite(bytes, 1, size, file) != size || fclose(file) != 0) {
    perror(path);
    exit(1);
  }
}

static int FileEquals(const char* path, const char* bytes) {
  char buffer[4096];
  FILE* file = fopen(path, "rb");
  if (!file) return 0;
  size_t size = fread(buffer, 1, sizeof buffer, file);
  fclose(file);
  return size == strlen(bytes) && memcmp(buffer, bytes, size) == 0;
}

static void Conversation(struct Library* library) {
  CHECK(Replies(library, NULL, NOT_UNDERSTOOD));
  WriteFile("libchatmind.INI", "[Search]\r\nNotClear=Again.\r\n", 26);
  CHECK(Replies(library, "x", "Again."));
  CHECK(remove("libchatmind.INI") == 0);
  CHECK(Replies(library, "   ", ""));

  static const char kMind[] = "Hi!\r\nHello.\r\n <ESCAPE>\r\nTell me more.\r\n";
  WriteFile("talk.mind", kMind, sizeof kMind - 1);
  CHECK(library->load_mind(NULL) == 0);
  CHECK(library->load_mind("") == 0);
  CHECK(library->load_mind("missing.mind") == 0);
  CHECK(library->load_mind("talk.mind") == -1);

  CHECK(Replies(library, "Hi!", "Hello."));
  CHECK(Replies(library, "Hi!", "Tell me more."));
  CHECK(Replies(library, "  Hi!", NOT_UNDERSTOOD));
  CHECK(Replies(library, "Hi!", "Hello."));
  CHECK(Replies(library, "Tell me more.", "Hi!"));

  CHECK(library->save_mind(NULL) == 0);
  CHECK(library->save_mind("no/such/dir/talk.mind") == 0);
  CHECK(library->save_mind("talk.mind") == -1);
  /* Seven pairs, reordered by the failed save and again by this one. */
  CHECK(FileEquals("talk.mind",
                   "Again.\r\nHi!\r\nHello.\r\nTell me more.\r\nHello.\r\nHi!\r\n" NOT_UNDERSTOOD
                   "\r\nx?\r\nTell me more.\r\nHi!\r\nHi!\r\nHello.\r\n" NOT_UNDERSTOOD
                   "\r\nHi!\r\n <ESCAPE>\r\nTell me more.\r\n"));
  CHECK(Replies(library, "Hi!", NOT_UNDERSTOOD));
}

#ifndef CHATMIND_SKIP_OUT_OF_MEMORY
static size_t AddressSpaceInUse(void) {
  unsigned long pages = 0;
  FILE* statm = fopen("/proc/self/statm", "r");
  if (!statm || fscanf(statm, "%lu", &pages) != 1) exit(1);
  fclose(statm);
  return (size_t)pages * (size_t)sysconf(_SC_PAGESIZE);
}

/* With the address space capped, a huge line and a huge mind file cannot be
 * handled: the functions must say so and leave the knowledge as it was. */
static void OutOfMemory(struct Library* library) {
  enum { kRecords = 1000000 };
  static const char kMind[] = "Hi!\r\nHello.\r\n";
  WriteFile("small.mind", kMind, sizeof kMind - 1);
  CHECK(library->load_mind("small.mind") == -1);

  FILE* big = fopen("big.mind", "wb");
  if (!big) exit(1);
  for (int i = 0; i < kRecords; ++i) fprintf(big, "k%d.\r\nv\r\n", i);
  fclose(big);
  size_t huge_size = 64u << 20;
  char* huge = malloc(huge_size + 1);
  if (!huge) exit(1);
  memset(huge, 'a', huge_size);
  huge[huge_size] = '\0';

  struct rlimit previous, capped;
  getrlimit(RLIMIT_AS, &previous);
  capped = previous;
  capped.rlim_cur = AddressSpaceInUse() + (40u << 20);
  CHECK(setrlimit(RLIMIT_AS, &capped) == 0);
  const char* reply = library->get_reply_to(huge);
  CHECK(reply != NULL && reply[0] == '\0');
  CHECK(library->load_mind("big.mind") == 0);
  CHECK(setrlimit(RLIMIT_AS, &previous) == 0);
  free(huge);

  CHECK(Replies(library, "k0.", NOT_UNDERSTOOD));
  CHECK(Replies(library, "Hi!", "Hello."));
  CHECK(library->load_mind("big.mind") == -1);
  CHECK(Replies(library, "k0.", "v"));
}
#endif

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: %s LIBRARY\n", argv[0]);
    return 2;
  }
  char* library_path = realpath(argv[1], NULL);
  char directory[] = "/tmp/chatmind-host-XXXXXX";
  if (!library_path || !mkdtemp(directory) || chdir(directory) != 0) {
    perror("set-up");
    return 1;
  }
  struct Library library;
  Open(&library, library_path);
  Conversation(&library);

  /* Unloading ends the conversation; a new load starts with an empty mind. */
  CHECK(Replies(&library, "Again", NOT_UNDERSTOOD));
  dlclose(library.handle);
  Open(&library, library_path);
  CHECK(Replies(&library, NOT_UNDERSTOOD, NOT_UNDERSTOOD));

#ifndef CHATMIND_SKIP_OUT_OF_MEMORY
  OutOfMemory(&library);
#endif
  dlclose(library.handle);

  remove("talk.mind");
  remove("small.mind");
  remove("big.mind");
  if (chdir("/") != 0 || rmdir(directory) != 0) perror("clean-up");
  free(library_path);
  if (failures) fprintf(stderr, "%d checks failed\n", failures);
  return failures ? 1 : 0;
}
