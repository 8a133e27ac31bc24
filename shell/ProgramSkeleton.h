#pragma once

#include "platform/Message.h"

#include <functional>
#include <memory>

class CDialog;

// What every program of the shell does the same way: the single-instance
// start, the switch over the shell message's codes and coming to the front.

// Runs the program with application id appId once per user: when it already
// runs, only brings that one forward (code 1); else marks it running, runs
// the dialog that makeDialog builds modally, marks it no longer running and
// then destroys the dialog.
void RunProgramOnce(int appId, const std::function<std::unique_ptr<CDialog>()>& makeDialog);

// Shows window over every other and gives it the keyboard, also on an X
// server without a window manager.
void ComeToFront(CDialog& window);

// A program's own answers to the shell's commands; code 1 (come to the front)
// is the same for every program. An empty openNote ignores code 28.
struct ShellCommandHandlers {
    std::function<void()> quit;
    std::function<void()> appearanceChanged;
    std::function<void()> openNote;
};

// The shell message's switch: runs what code asks of window, then answers 0
// as for every code.
LRESULT HandleShellMessage(CDialog& window, WPARAM code, const ShellCommandHandlers& handlers);
