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

#include "support/host_conversation.h"

_Static_assert(__builtin_types_compatible_p(__typeof__(&SaveMind), MindFileFn),
               "SaveMind and LoadMind take the same argument");

struct Library {
  void* handle;
  struct Functions functions;
};

static void Open(struct Library* library, const char* path) {
  library->handle = dlopen(path, RTLD_NOW | RTLD_LOCAL);
  if (!library->handle) {
    fprintf(stderr, "dlopen: %s\n", dlerror());
    exit(1);
  }
  struct Functions* functions = &library->functions;
  *(void**)&functions->get_reply_to = dlsym(library->handle, "GetReplyTo");
  *(void**)&functions->load_mind = dlsym(library->handle, "LoadMind");
  *(void**)&functions->save_mind = dlsym(library->handle, "SaveMind");
  if (!functions->get_reply_to || !functions->load_mind || !functions->save_mind) {
    fprintf(stderr, "dlsym: a function is missing\n");
    exit(1);
  }
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
static void OutOfMemory(const struct Functions* functions) {
  enum { kRecords = 1000000 };
  static const char kMind[] = "Hi!\r\nHello.\r\n";
  WriteBytes("small.mind", kMind, sizeof kMind - 1);
  CHECK(functions->load_mind("small.mind") == -1);

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
  const char* reply = functions->get_reply_to(huge);
  CHECK(reply != NULL && reply[0] == '\0');
  CHECK(functions->load_mind("big.mind") == 0);
  CHECK(setrlimit(RLIMIT_AS, &previous) == 0);
  free(huge);

  CHECK(Replies(functions, "k0.", NOT_UNDERSTOOD));
  CHECK(Replies(functions, "Hi!", "Hello."));
  CHECK(functions->load_mind("big.mind") == -1);
  CHECK(Replies(functions, "k0.", "v"));
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
  Conversation(&library.functions, "libchatmind.INI");

  /* Unloading ends the conversation; a new load starts with an empty mind. */
  CHECK(Replies(&library.functions, "Again", NOT_UNDERSTOOD));
  dlclose(library.handle);
  Open(&library, library_path);
  CHECK(Replies(&library.functions, NOT_UNDERSTOOD, NOT_UNDERSTOOD));

#ifndef CHATMIND_SKIP_OUT_OF_MEMORY
  OutOfMemory(&library.functions);
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
