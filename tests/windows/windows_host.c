/* A Windows host written in C: loads chatmind.dll with LoadLibraryA, finds
 * the three functions by decorated name and by ordinal, and holds a
 * conversation through them. Also checks that the settings file is read from
 * the Windows directory and not from beside the library, that mind files
 * held open elsewhere are neither loaded nor saved over, that a save clears
 * away what a killed one left, and that the library starts afresh after an
 * unload.
 * Usage: run in a scratch directory holding chatmind.dll, for it writes
 * files there and chatmind.INI in the Windows directory. */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "support/host_conversation.h"

#define LIBRARY ".\\chatmind.dll"
#define SETTINGS "chatmind.INI"

/* What GetProcAddress finds, in the form that casts to any function type. */
typedef void (*AnyFunction)(void);

static AnyFunction Find(HMODULE library, const char* name, WORD ordinal) {
  FARPROC by_name = GetProcAddress(library, name);
  if (!by_name || GetProcAddress(library, MAKEINTRESOURCEA(ordinal)) != by_name) {
    fprintf(stderr, "%s is not exported with ordinal %u\n", name, ordinal);
    exit(1);
  }
  return (AnyFunction)by_name;
}

static HMODULE Open(struct Functions* functions) {
  HMODULE library = LoadLibraryA(LIBRARY);
  if (!library) {
    fprintf(stderr, "LoadLibraryA failed: %lu\n", GetLastError());
    exit(1);
  }
  functions->get_reply_to =
      (ChatmindGetReplyTo)Find(library, CHATMIND_GET_REPLY_TO_NAME, CHATMIND_GET_REPLY_TO_ORDINAL);
  functions->load_mind =
      (ChatmindLoadMind)Find(library, CHATMIND_LOAD_MIND_NAME, CHATMIND_LOAD_MIND_ORDINAL);
  functions->save_mind =
      (ChatmindSaveMind)Find(library, CHATMIND_SAVE_MIND_NAME, CHATMIND_SAVE_MIND_ORDINAL);
  return library;
}

static void NoOtherExports(HMODULE library) {
  static const char* const kPlainNames[] = {"GetReplyTo", "LoadMind", "SaveMind"};
  for (size_t i = 0; i < sizeof kPlainNames / sizeof kPlainNames[0]; ++i) {
    CHECK(GetProcAddress(library, kPlainNames[i]) == NULL);
  }
  CHECK(GetProcAddress(library, MAKEINTRESOURCEA(4)) == NULL);
}

/* Where the profile functions look for a settings file named without
 * directory. */
static void WindowsSettingsPath(char* path, size_t size) {
  UINT length = GetWindowsDirectoryA(path, (UINT)size);
  if (length == 0 || length + sizeof "\\" SETTINGS > size) exit(1);
  strcat(path, "\\" SETTINGS);
}

static int NoTemporaryFiles(void) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA("*.tmp", &found);
  if (search == INVALID_HANDLE_VALUE) return 1;
  fprintf(stderr, "left behind: %s\n", found.cFileName);
  FindClose(search);
  return 0;
}

/* A mind file that another program holds open can be neither loaded nor
 * saved over; the failed save leaves it as it was, and no save leaves a
 * temporary file behind. */
static void FilesInUse(const struct Functions* functions) {
  HANDLE held =
      CreateFileA("talk.mind", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
  CHECK(held != INVALID_HANDLE_VALUE);
  CHECK(functions->load_mind("talk.mind") == 0);
  CHECK(functions->save_mind("talk.mind") == 0);
  CloseHandle(held);
  CHECK(FileEquals("talk.mind", CONVERSATION_MIND));
  CHECK(NoTemporaryFiles());

  CHECK(functions->load_mind("talk.mind") == -1);
  CHECK(Replies(functions, "Again.", "Hi!"));
}

/* A temporary file that a killed save left behind is removed by the next
 * save of its mind file; one that a running save holds is not, nor is one
 * of another mind file. */
static void LeftoverTemporaries(const struct Functions* functions) {
  static const char* const kFiles[] = {"talk.mind.0123abcd.tmp", "talk.mind.0123abce.tmp",
                                       "other.mind.0123abcd.tmp"};
  for (size_t i = 0; i < sizeof kFiles / sizeof kFiles[0]; ++i) WriteBytes(kFiles[i], "x", 1);
  HANDLE held = CreateFileA(kFiles[1], GENERIC_WRITE, 0, NULL, OPEN_EXISTING, 0, NULL);
  CHECK(held != INVALID_HANDLE_VALUE);
  CHECK(functions->save_mind("talk.mind") == -1);
  CHECK(GetFileAttributesA(kFiles[0]) == INVALID_FILE_ATTRIBUTES);
  CHECK(GetFileAttributesA(kFiles[1]) != INVALID_FILE_ATTRIBUTES);
  CHECK(GetFileAttributesA(kFiles[2]) != INVALID_FILE_ATTRIBUTES);
  CloseHandle(held);
  remove(kFiles[1]);
  remove(kFiles[2]);
}

/* The fallback reply comes from the settings file in the Windows directory,
 * read again at every fallback. */
static void Settings(const struct Functions* functions, const char* windows_settings) {
  static const struct {
    const char* beside_library;
    const char* in_windows_directory;
    const char* fallback;
  } kCases[] = {
      {"[Search]\r\nNotClear=Beside.\r\n", NULL, NOT_UNDERSTOOD},
      {NULL, "[Search]\r\nNotClear=Again.\r\n", "Again."},
      {NULL, "[Search]\r\nNotClear=Once more.\r\n", "Once more."},
      {NULL, "[Search]\r\nNotClear=\r\n", NOT_UNDERSTOOD},
      {NULL, "[Other]\r\nNotClear=Again.\r\n", NOT_UNDERSTOOD},
  };
  for (size_t i = 0; i < sizeof kCases / sizeof kCases[0]; ++i) {
    remove(SETTINGS);
    remove(windows_settings);
    if (kCases[i].beside_library) {
      WriteBytes(SETTINGS, kCases[i].beside_library, strlen(kCases[i].beside_library));
    }
    if (kCases[i].in_windows_directory) {
      WriteBytes(windows_settings, kCases[i].in_windows_directory,
                 strlen(kCases[i].in_windows_directory));
    }
    if (!Replies(functions, "x", kCases[i].fallback)) {
      fprintf(stderr, "in settings case %u\n", (unsigned)i);
      ++failures;
    }
  }
  remove(SETTINGS);

  /* Values are cut to 4095 bytes. */
  enum { kLong = 5000, kKept = 4095 };
  static const char kEntry[] = "[Search]\r\nNotClear=";
  static char settings[sizeof kEntry + kLong];
  memcpy(settings, kEntry, sizeof kEntry - 1);
  memset(settings + sizeof kEntry - 1, 'y', kLong);
  WriteBytes(windows_settings, settings, sizeof kEntry - 1 + kLong);
  const char* reply = functions->get_reply_to("x");
  CHECK(strlen(reply) == kKept && strspn(reply, "y") == kKept);
  remove(windows_settings);
}

int main(void) {
  char windows_settings[MAX_PATH];
  WindowsSettingsPath(windows_settings, sizeof windows_settings);
  struct Functions functions;
  HMODULE library = Open(&functions);
  NoOtherExports(library);
  Conversation(&functions, windows_settings);
  FilesInUse(&functions);
  LeftoverTemporaries(&functions);

  /* Unloading ends the conversation; a new load starts with an empty mind. */
  CHECK(FreeLibrary(library));
  library = Open(&functions);
  CHECK(Replies(&functions, "Hi!", NOT_UNDERSTOOD));
  Settings(&functions, windows_settings);
  CHECK(FreeLibrary(library));

  remove("talk.mind");
  if (failures) fprintf(stderr, "%d checks failed\n", failures);
  return failures ? 1 : 0;
}
