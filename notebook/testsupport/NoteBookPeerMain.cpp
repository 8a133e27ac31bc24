// A notebook in a process of its own, driven line by line on its standard
// input, as a person would use it: for tests and benchmarks that need two
// notebooks on two devices. The environment gives its device root, settings
// and registry folders (ORVA_ROOT, XDG_CONFIG_HOME, XDG_RUNTIME_DIR); its
// notes folder is "\Notes". Commands:
//   type TEXT   types TEXT (\n for a line break) into the page
//   tick        the 10-second tick, at once
//   next, prev  the Next and Prev buttons
//   pages       one line per page, "<caption>\t<text>" (line breaks as \n;
//               the shown page as its editor shows it, marked by a leading
//               "*"), then "end"
//   quit        closes the notebook as its Close button does
// Every command is answered by at least the line "end".
#include "notebook/storage/SyncConflict.h"
#include "notebook/window/NoteBookDlg.h"
#include "notebook/window/NoteBookResource.h"
#include "platform/testsupport/DialogDriver.h"
#include "shell/ShellSettings.h"

#include <QApplication>
#include <QSocketNotifier>

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

QString OneLine(QString text)
{
    return text.replace(u'\\', QStringLiteral("\\\\")).replace(u'\r', QString()).replace(u'\n', QStringLiteral("\\n"));
}

void Answer(const QString& lines)
{
    std::fputs(lines.toUtf8().constData(), stdout);
    std::fputs("end\n", stdout);
    std::fflush(stdout);
}

QString Pages(CNoteBookDlg& dlg)
{
    QString lines;
    for (int index = 0; index < dlg.GetNotes().GetCount(); ++index) {
        const CNote& note = *dlg.GetNotes().GetAt(index);
        const bool shown = index == dlg.GetPage();
        lines += (shown ? QStringLiteral("*") : QString()) + PageCaption(note) + u'\t'
            + OneLine(shown ? dlg.GetEdit().toPlainText() : note.m_strText) + u'\n';
    }
    return lines;
}

void Run(CNoteBookDlg& dlg, const QString& line)
{
    const QString command = line.section(u' ', 0, 0);
    if (command == QStringLiteral("type")) {
        dlg.GetEdit().setFocus();
        Drive(dlg).PressQtKey(
            Qt::Key_unknown, line.section(u' ', 1).replace(QStringLiteral("\\n"), QStringLiteral("\n")));
    } else if (command == QStringLiteral("tick")) {
        Drive(dlg).FireTimer(IDT_AUTOSAVE);
    } else if (command == QStringLiteral("next")) {
        Drive(dlg).SendCommand(IDC_BTN_NEXT);
    } else if (command == QStringLiteral("prev")) {
        Drive(dlg).SendCommand(IDC_BTN_PREV);
    } else if (command == QStringLiteral("pages")) {
        Answer(Pages(dlg));
        return;
    } else if (command == QStringLiteral("quit")) {
        dlg.DestroyWindow();
        QApplication::quit();
    }
    Answer({});
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    QApplication app(argc, argv);
    ShellSettings::SetValue(QStringLiteral("note_path"), QStringLiteral("\\Notes"));
    CNoteBookDlg dlg;
    Drive(dlg).Create();
    dlg.activateWindow();

    std::string pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[4096];
        const ssize_t count = read(STDIN_FILENO, buffer, sizeof buffer);
        if (count <= 0) {
            dlg.DestroyWindow();
            QApplication::quit();
            return;
        }
        pending.append(buffer, std::size_t(count));
        for (std::size_t end; (end = pending.find('\n')) != std::string::npos;) {
            Run(dlg, QString::fromUtf8(pending.data(), qsizetype(end)));
            pending.erase(0, end + 1);
        }
    });
    Answer(QStringLiteral("ready\n"));
    return QApplication::exec();
}
