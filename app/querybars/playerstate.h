#pragma once

#include <QString>

class QWidget;
struct UsState;

// The state where the player buys tickets: the program's one setting, kept
// per user, asked once where first needed and changed with "Your State...".
// It says whose draws of a game states draw apart are fetched, and, for a
// ticket that names no state of its own, where its prizes are claimed. A
// choice of whose draws an earlier release kept, for one game, carries over.
class PlayerState
{
public:
    // The state kept; nothing where none was chosen yet.
    static const UsState *kept();
    // The state kept, or asked for now; nothing where the user cancelled.
    static const UsState *keptOrAsked(QWidget *parent);
    // Asks again, the state kept first; nothing where the user cancelled.
    static const UsState *ask(QWidget *parent);
};
