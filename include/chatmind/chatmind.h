/* The C interface of the chatmind reply engine.
 *
 * One engine per process, shared by every caller: make one call at a time.
 * All text is zero-terminated Windows-1251. A null argument is taken as the
 * empty string. No function writes to its argument. */
#ifndef CHATMIND_CHATMIND_H_
#define CHATMIND_CHATMIND_H_

#if defined(__GNUC__) && !defined(_WIN32)
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

#endif /* CHATMIND_CHATMIND_H_ */
