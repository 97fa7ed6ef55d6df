/* The C interface of the chatmind reply engine.
 *
 * One engine per process, shared by every caller: make one call at a time.
 * All text is zero-terminated Windows-1251. A null argument is taken as the
 * empty string. No function writes to its argument. */
#ifndef CHATMIND_CHATMIND_H_
#define CHATMIND_CHATMIND_H_

#ifndef _WIN32

#if defined(__GNUC__)
#define CHATMIND_API __attribute__((visibility("default")))
#else
#define CHATMIND_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Answers one line of user text and learns from it. Returns the reply, never
 * a null address; the text belongs to the library and stays valid until the
 * next call of any of these functions. A text of spaces only, and a call
 * that runs out of memory, get the empty string. */
CHATMIND_API const char* GetReplyTo(const char* text);

/* Appends the records of the mind file at `path` to the engine's knowledge.
 * Returns -1 when the file was read, 0 otherwise (empty path, a file that
 * cannot be opened or read, no memory); on 0 the knowledge is unchanged. */
CHATMIND_API int LoadMind(const char* path);

/* Writes the knowledge to the mind file at `path` and unloads it. Returns -1
 * when the file was written, 0 otherwise; on 0 the knowledge stays loaded
 * and the file keeps its previous content. */
CHATMIND_API int SaveMind(const char* path);

#ifdef __cplusplus
}
#endif

#else /* _WIN32 */

/* chatmind.dll has the same three functions, exported only under these
 * decorated names and ordinals, with the standard calling convention (the
 * callee removes the argument); no plain name is exported. A host finds them
 * with GetProcAddress, by name or by MAKEINTRESOURCEA(ordinal), and calls
 * them through these pointer types. */
#define CHATMIND_GET_REPLY_TO_NAME "?GetReplyTo@@YGPBDPBD@Z"
#define CHATMIND_GET_REPLY_TO_ORDINAL 1
#define CHATMIND_LOAD_MIND_NAME "?LoadMind@@YGHPAD@Z"
#define CHATMIND_LOAD_MIND_ORDINAL 2
#define CHATMIND_SAVE_MIND_NAME "?SaveMind@@YGHPAD@Z"
#define CHATMIND_SAVE_MIND_ORDINAL 3

typedef const char*(__stdcall* ChatmindGetReplyTo)(const char* text);
/* The path is declared writable, as the decorated names have it; it is only
 * read. */
typedef int(__stdcall* ChatmindLoadMind)(char* path);
typedef int(__stdcall* ChatmindSaveMind)(char* path);

#endif /* _WIN32 */

#endif /* CHATMIND_CHATMIND_H_ */
