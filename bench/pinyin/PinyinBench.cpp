// Times the pinyin keyboard on the real notebook: the keyboard's first
// opening (the engine's start included) with its first candidates, and each
// tap of a pinyin letter until the candidate bar has painted, over a few
// hundred taps of everyday sentences. Runs offscreen, in folders of its own.
#include "bench/notes/BenchNoteFolder.h"
#include "notebook/window/NoteBookDlg.h"
#include "notebook/window/NoteBookResource.h"
#include "platform/testsupport/DialogDriver.h"
#include "shell/CandidateBar.h"
#include "shell/ShellSettings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

// Everyday sentences, each taken with Space (its best candidate) at the end.
const char* const kSentences[] = {
    "nihao",
    "women",
    "jintiantianqihenhao",
    "woshizhongguoren",
    "ta",
    "qu",
    "xuexiao",
    "shangke",
    "zhegewentihenjiandan",
    "mingtianjian",
    "xiexieni",
    "wo",
    "xihuan",
    "chi",
    "jiaozi",
    "zhongwen",
    "henyouyisi",
    "ni",
    "jiaoshenmemingzi",
    "dianhuahaoma",
    "shijian",
    "bu",
    "zao",
    "le",
    "zaijian",
    "beijing",
    "shanghai",
    "pengyou",
    "gongzuo",
    "xiawu",
    "yiqi",
    "qu",
    "kandianying",
    "women",
    "yinggai",
    "duo",
    "he",
    "shui",
    "zhege",
    "difang",
    "feichangpiaoliang",
    "qingwen",
    "huochezhan",
    "zainali",
};

QDateTime Now()
{
    return QDateTime(QDate(2026, 12, 6), QTime(4, 15, 48));
}

// Counts the candidate bar's paints, to tell how many taps painted it.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Wall-clock time and the process's processor time, in ms: on a machine
// shared with other work the second tells what a tap costs.
struct Cost {
    double wall = 0;
    double cpu = 0;

    static Cost Now()
    {
        timespec cpu {};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
        return { std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count(),
            cpu.tv_sec * 1e3 + cpu.tv_nsec / 1e6 };
    }
    Cost operator-(const Cost& start) const { return { wall - start.wall, cpu - start.cpu }; }
};

class Keyboard {
public:
    explicit Keyboard(CNoteBookDlg& dlg)
        : m_dlg(dlg)
    {
    }

    void Tap(const QString& key)
    {
        for (QAbstractButton* button : m_dlg.findChildren<QAbstractButton*>()) {
            if (button->parentWidget() != &m_dlg && button->isVisible()
                && (button->objectName() == key || button->text() == key)) {
                Drive(m_dlg).TapAt(button->mapTo(&m_dlg, button->rect().center()));
                return;
            }
        }
        std::fprintf(stderr, "no key %s\n", qPrintable(key));
        std::exit(1);
    }
    // Taps a key and lets the window paint what changed (the candidate bar,
    // the editor's pre-edit text).
    Cost TapAndPaint(const QString& key)
    {
        const Cost start = Cost::Now();
        Tap(key);
        QCoreApplication::processEvents();
        return Cost::Now() - start;
    }

private:
    CNoteBookDlg& m_dlg;
};

void Print(const char* what, const std::vector<Cost>& costs)
{
    for (const bool cpu : { false, true }) {
        std::vector<double> times;
        for (const Cost& cost : costs)
            times.push_back(cpu ? cost.cpu : cost.wall);
        std::sort(times.begin(), times.end());
        std::printf("%s (%s): median %.2f ms, 95th percentile %.2f ms, slowest %.2f ms (%zu taps)\n", what,
            cpu ? "processor time" : "wall clock", times[times.size() / 2], times[times.size() * 95 / 100],
            times.back(), times.size());
    }
}

void Measure()
{
    CNoteBookDlg dlg(&Now);
    Drive(dlg).Create();
    dlg.activateWindow();
    QCoreApplication::processEvents();
    Keyboard keyboard(dlg);
    PaintCounter counter;

    const Cost start = Cost::Now();
    Drive(dlg).TapAt(dlg.GetDlgItem(IDC_BTN_INPUT)->geometry().center());
    CandidateBar* bar = dlg.findChild<CandidateBar*>();
    if (!bar) {
        std::fprintf(stderr, "no pinyin keyboard (is libpinyin-data installed?)\n");
        std::exit(1);
    }
    bar->installEventFilter(&counter);
    QCoreApplication::processEvents();
    const Cost opened = Cost::Now() - start;
    const Cost firstLetter = keyboard.TapAndPaint(QStringLiteral("n"));
    std::printf("keyboard opened (engine started): %.1f ms; first candidates painted %.1f ms later: %.1f ms in all"
                " (processor time %.1f ms)\n",
        opened.wall, firstLetter.wall, opened.wall + firstLetter.wall, opened.cpu + firstLetter.cpu);
    keyboard.Tap(QStringLiteral("backspace"));

    std::vector<Cost> letters;
    std::vector<Cost> spaces;
    for (const char* sentence : kSentences) {
        for (const char letter : QByteArray(sentence))
            letters.push_back(keyboard.TapAndPaint(QString(QChar(letter))));
        spaces.push_back(keyboard.TapAndPaint(QStringLiteral("space")));
    }
    Print("pinyin letter tap to candidate bar painted", letters);
    Print("Space (best candidate into the text) to candidate bar painted", spaces);
    std::printf(
        "the candidate bar painted %d times for %zu taps\n", counter.paints, letters.size() + spaces.size() + 1);
    std::printf("typed: %s\n", qPrintable(dlg.GetEdit().toPlainText()));
    dlg.DestroyWindow();
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    UseOwnFolders(dir.path());
    QApplication application(argc, argv);
    QApplication::setCursorFlashTime(0);
    ShellSettings::SetValue(QStringLiteral("note_path"), QStringLiteral("\\Notes"));
    ShellSettings::SetValue(QStringLiteral("language"), QStringLiteral("1"));
    Measure();
    return 0;
}
