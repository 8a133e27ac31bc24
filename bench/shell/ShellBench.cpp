// Prints what the shell's calls cost that the programs make often: the
// language at every text lookup, the colour words at every paint, a skin
// image at every skin load. Each reads its file anew, as it must.
#include "shell/OrvaCore.h"
#include "shell/OrvaSkins.h"
#include "shell/Wren.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <string>

namespace {

void Measure(const char* what, int repeats, const std::function<void()>& call)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < repeats; ++i)
        call();
    const double microseconds = static_cast<double>(timer.nsecsElapsed()) / 1000.0 / repeats;
    std::printf("%-40s %10.1f us per call (%d calls)\n", what, microseconds, repeats);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // A settings file and device root of its own, never the user's.
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    qputenv("ORVA_ROOT", (dir.path() + QStringLiteral("/root")).toUtf8());

    Measure("GetLanguage, no settings file", 10000, [] { COrvaSkins::GetLanguage(); });
    QDir().mkpath(dir.path() + QStringLiteral("/orva"));
    QFile settings(dir.path() + QStringLiteral("/orva/shell.ini"));
    settings.open(QIODevice::WriteOnly);
    settings.write("language=1\nskin=Ocean\nnote_path=\\NAND Flash\\Note\ncodepage=936\n");
    settings.close();
    Measure("GetLanguage", 10000, [] { COrvaSkins::GetLanguage(); });
    char16_t buffer[MAX_PATH];
    Measure(
        "GetStrParam note_path", 10000, [&] { COrvaCore::GetStrParam(u"note_path", buffer, u"\\NAND Flash\\Note"); });
    Measure("GetSkinInfo", 1000, [] { COrvaSkins::GetSkinInfo(); });
    Measure("LoadBitmapW GAME (800 by 480)", 100, [] { COrvaSkins::LoadBitmapW(u"GAME", 0); });
    Measure("LoadBitmapW GO_Black (24 by 24)", 1000, [] { COrvaSkins::LoadBitmapW(u"GO_Black", 0); });
    const std::u16string page(4000, u'中');
    std::string ansi(page.size() * 2 + 2, '\0');
    Measure("UnicodeToAnsi 4000 characters, CP936", 1000,
        [&] { UnicodeToAnsi(page.c_str(), ansi.data(), static_cast<int>(ansi.size())); });
    return 0;
}
