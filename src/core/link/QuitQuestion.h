#pragma once

namespace qx {

struct Program;
class Requesters;

// The last part of the connection step: once the user has asked to end the program, ask
// whether the setup is saved; Yes confirms the end, No keeps the program running.
void askQuitQuestion(Program& program, Requesters& requesters);

}  // namespace qx
