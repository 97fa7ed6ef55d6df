#ifndef CHATMIND_TOOLS_INTERRUPT_H_
#define CHATMIND_TOOLS_INTERRUPT_H_

namespace chatmind::tool {

// Makes Ctrl-C (SIGINT) and SIGTERM end the conversation instead of the
// process, so that what was learned can still be saved: the handler only
// notes the signal.
void CatchInterrupts();

// Whether one of those signals has arrived.
bool Interrupted();

// Blocks until `fd` can be read without blocking (input, its end or an
// error). Returns false instead once one of those signals has arrived, even
// one that came just before the call, so that a reader never blocks after an
// interrupt it has not yet seen.
bool WaitForInput(int fd);

}  // namespace chatmind::tool

#endif  // CHATMIND_TOOLS_INTERRUPT_H_
