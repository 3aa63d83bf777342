#pragma once
// The end of the program in two steps: closing the main window or F10 asks to end; the
// next timer event asks the user, who confirms or takes it back.

namespace qx {

class Requesters;

// 0 running, 1 the user asked to end, 2 the end is confirmed.
enum class QuitRequest : int { None = 0, Asked = 1, Confirmed = 2 };

// Once the user has asked to end the program: "Beenden?", Yes confirms, No takes it back.
void askQuitQuestion(QuitRequest& quit, Requesters& requesters);

}  // namespace qx
