#include "platform/MessageBox.h"

#include "platform/Message.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Answers the message box that is about to open with button, or closes it
// without a choice when button is NoButton.
void Answer(QMessageBox::StandardButton button)
{
    QTimer::singleShot(0, [button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        if (button == QMessageBox::NoButton)
            box->reject();
        else
            box->button(button)->click();
    });
}

TEST(MessageBox, ReturnsTheChosenButton)
{
    Answer(QMessageBox::Yes);
    EXPECT_EQ(MessageBox(nullptr, QStringLiteral("Play again?"), QStringLiteral("GO"), MB_YESNO), IDYES);
    Answer(QMessageBox::Ok);
    EXPECT_EQ(MessageBox(nullptr, QStringLiteral("Saved"), QStringLiteral("NOTE"), MB_OKCANCEL | MB_ICONINFORMATION),
              IDOK);
}

TEST(MessageBox, ClosingWithoutAChoiceIsTheLastButton)
{
    Answer(QMessageBox::NoButton);
    EXPECT_EQ(MessageBox(nullptr, QStringLiteral("?"), QString(), MB_OKCANCEL), IDCANCEL);
    Answer(QMessageBox::NoButton);
    EXPECT_EQ(MessageBox(nullptr, QStringLiteral("?"), QString(), MB_YESNO), IDNO);
    Answer(QMessageBox::NoButton);
    EXPECT_EQ(MessageBox(nullptr, QStringLiteral("?"), QString(), MB_OK), IDOK);
}

} // namespace
