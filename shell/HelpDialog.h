#pragma once

#include <QColor>
#include <QDialog>
#include <QImage>

class QLabel;

// The help window: a borderless panel with an icon, a title and a scrolling
// text, closed by a tap anywhere, on it or outside it, or by any key.
class HelpDialog : public QDialog {
    Q_OBJECT
public:
    HelpDialog(const QImage& icon, const QString& title, const QString& text, const QColor& background,
        QWidget* parent = nullptr);

    static constexpr QSize kSize { 600, 380 };

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* CreateHeader(const QImage& icon, const QString& title);
    QWidget* CreateBody(const QString& text);
    void PlaceOverParent();

    QColor m_background;
    QColor m_foreground;
};
