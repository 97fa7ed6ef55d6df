/* Loads the mind named on the command line and greets it; fails unless a
 * strategy answers (the fallback is «Не понял.»). */
#include <stdio.h>
#include <string.h>

#include <chatmind/chatmind.h>

int main(int argc, char** argv) {
  const char* reply;
  if (argc != 2 || !LoadMind(argv[1])) return 1;
  reply = GetReplyTo("\xCF\xF0\xE8\xE2\xE5\xF2!"); /* «Привет!» */
  return reply[0] != '\0' && strcmp(reply, "\xCD\xE5 \xEF\xEE\xED\xFF\xEB.") != 0 ? 0 : 1;
}
