#include "platform/MessageBox.h"

#include "platform/Message.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace {

QMessageBox::Icon IconOf(unsigned type)
{
    switch (type & 0xF0) {
    case MB_ICONERROR:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONWARNING:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

int MessageBox(QWidget* parent, const QString& text, const QString& caption, unsigned type)
{
    QMessageBox box(IconOf(type), caption, text, QMessageBox::NoButton, parent);
    QMessageBox::StandardButton last = QMessageBox::Ok;
    switch (type & 0x0F) {
    case MB_OKCANCEL:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        last = QMessageBox::Cancel;
        break;
    case MB_YESNO:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        last = QMessageBox::No;
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    box.setEscapeButton(last);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    switch (clicked ? box.standardButton(clicked) : last) {
    case QMessageBox::Ok:
        return IDOK;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    default:
        return IDCANCEL;
    }
}
