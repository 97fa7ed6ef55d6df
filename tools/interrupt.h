#ifndef CHATMIND_TOOLS_INTERRUPT_H_
#define CHATMIND_TOOLS_INTERRUPT_H_

namespace chatmind::tool {

// Makes Ctrl-C (SIGINT) and SIGTERM end the conversation instead of the
// process, so that what was learned can still be saved: the handler only
// notes the signal, and a read that it interrupts returns early.
void CatchInterrupts();

// Whether one of those signals has arrived.
bool Interrupted();

}  // namespace chatmind::tool

#endif  // CHATMIND_TOOLS_INTERRUPT_H_
