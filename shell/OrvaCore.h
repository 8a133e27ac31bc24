#pragma once

#include <QWidget>

// Kestrel: the registry of running programs, the shell's paths and parameters.
// Strings are NUL-terminated UTF-16; buffers hold MAX_PATH characters.
constexpr int MAX_PATH = 260;

// The programs' ids in the shell's registry.
enum OrvaAppId : int {
    kGoAppId = 7,
    kNoteBookAppId = 16,
    // The home screen, orva-home: an id no program of the device used.
    kHomeAppId = 2,
};

// The commands of the shell message.
enum class ShellCode : unsigned long {
    ComeToFront = 1,
    Quit = 2,
    // The shell's appearance changed: the skin (or the touch setting), the
    // language.
    SkinChanged = 3,
    LanguageChanged = 4,
    OpenNote = 28,
};

constexpr unsigned long ShellWParam(ShellCode code)
{
    return static_cast<unsigned long>(code);
}

class COrvaCore {
public:
    // Non-zero when a program with this id is registered as running.
    static int IsAppRunning(int appId);
    // Delivers the shell message with wParam = code to the program's window.
    static int SendAppMsg(int appId, int reserved, unsigned long code);
    // 1: this process is the program; 0: it no longer is.
    static void SetAppStatus(int appId, unsigned long status);
    // The window that receives the shell message for this program. Also sets
    // the pointer policy: hidden on request only with the "touch" setting 1.
    static void SetAppMainWnd(int appId, QWidget* window);

    // The shell's home folder as a device path, without a trailing backslash.
    static const char16_t* GetHomePath();
    // The device path of a file of that name in a writable shell folder.
    static void GetPath(char16_t* out, const char16_t* name, int reserved);
    // The configured value of a shell setting, or defaultValue when absent;
    // out receives at most MAX_PATH characters, terminator included.
    static int GetStrParam(const char16_t* key, char16_t* out, const char16_t* defaultValue);
};
