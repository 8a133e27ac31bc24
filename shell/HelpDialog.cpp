#include "shell/HelpDialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

constexpr int kIconSize = 64;
constexpr int kMargin = 20;

QLabel* TextLabel(const QString& text, int pixelSize, bool bold, const QColor& colour)
{
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

} // namespace

HelpDialog::HelpDialog(
    const QImage& icon, const QString& title, const QString& text, const QColor& background, QWidget* parent)
    // A popup takes every tap and key while it shows, wherever they land, also
    // on an X server without a window manager, where nothing would give a
    // modal window the keyboard; a tap outside it closes it and goes no further.
    : QDialog(parent, Qt::Popup | Qt::FramelessWindowHint)
    , m_background(background)
    , m_foreground(qGray(background.rgb()) < 128 ? Qt::white : Qt::black)
{
    setObjectName(QStringLiteral("HelpDialog"));
    setWindowTitle(title);
    setModal(true);
    setFixedSize(kSize);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(12);
    layout->addWidget(CreateHeader(icon, title));
    layout->addWidget(CreateBody(text), 1);
    PlaceOverParent();
}

QWidget* HelpDialog::CreateHeader(const QImage& icon, const QString& title)
{
    auto* header = new QWidget;
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 36, 0); // room for the close mark
    row->setSpacing(16);
    if (!icon.isNull()) {
        auto* picture = new QLabel;
        picture->setObjectName(QStringLiteral("icon"));
        picture->setPixmap(QPixmap::fromImage(icon.scaled(
            QSize(kIconSize, kIconSize).boundedTo(icon.size()), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        row->addWidget(picture);
    }
    QLabel* heading = TextLabel(title, 26, true, m_foreground);
    heading->setObjectName(QStringLiteral("title"));
    row->addWidget(heading, 1);
    return header;
}

QWidget* HelpDialog::CreateBody(const QString& text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QLabel* body = TextLabel(lines, 19, false, m_foreground);
    body->setObjectName(QStringLiteral("text"));
    body->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    body->installEventFilter(this);

    auto* scroller = new QScrollArea;
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setStyleSheet(
        QStringLiteral("QScrollArea, QScrollArea > QWidget > QWidget { background: transparent; }"));
    scroller->setWidget(body);
    scroller->viewport()->installEventFilter(this);
    return scroller;
}

void HelpDialog::PlaceOverParent()
{
    QRect area;
    if (parentWidget())
        area = parentWidget()->window()->geometry();
    else if (QGuiApplication::primaryScreen())
        area = QGuiApplication::primaryScreen()->geometry();
    QRect frame(QPoint(), kSize);
    frame.moveCenter(area.center());
    move(frame.topLeft());
}

void HelpDialog::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    accept();
}

void HelpDialog::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (!rect().contains(event->position().toPoint()))
        accept();
}

void HelpDialog::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    accept();
}

bool HelpDialog::eventFilter(QObject* watched, QEvent* event)
{
    // A tap on the text closes the window as a tap anywhere else does.
    if (event->type() == QEvent::MouseButtonRelease) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void HelpDialog::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), m_background);
    painter.setPen(QPen(m_foreground, 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    const QPointF mark(width() - kMargin - 12, kMargin + 12);
    painter.setPen(QPen(m_foreground, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(mark + QPointF(-9, -9), mark + QPointF(9, 9));
    painter.drawLine(mark + QPointF(9, -9), mark + QPointF(-9, 9));
}
