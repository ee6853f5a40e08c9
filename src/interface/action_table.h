// The action table: every menu entry names its command by an "f." action name,
// looked up here once when the menu is built.
#pragma once

// Handler kinds. The widget is opaque to the core (the Motif front end passes
// its Widget, the batch program null).
using DIactionFn = int (*)(void* widget, char* label, void* call);
using DIaction1Fn = int (*)(char* text);
using DIaction2Fn = int (*)();

struct _Actionindex {
  char name[32];
  DIactionFn action;    // wants the callback arguments (uses the button label)
  DIaction1Fn action1;  // takes a string
  DIaction2Fn action2;  // plain command
};

inline constexpr int DI_ACTION_COUNT = 89;
extern const _Actionindex DactionIndex[DI_ACTION_COUNT];

// The handler found for a name: exactly one pointer is set.
struct DIcallback {
  DIactionFn action = nullptr;
  DIaction1Fn action1 = nullptr;
  DIaction2Fn action2 = nullptr;
  // Runs it as a push button's activate callback would: `action` gets
  // (widget, label, call), `action1` the label, `action2` nothing.
  int invoke(void* widget, char* label, void* call) const;
};

// First row of that name with a handler; NullAction when there is none.
DIcallback DIfindCallback(const char* name);
// First row of that name, or null when the table has no such name.
const _Actionindex* DIfindAction(const char* name);

int NullAction();
[[noreturn]] int DIexit();
int DIeditor();
