#pragma once

#include <QScrollBar>

namespace platform {

// A horizontal scroll bar of the forms runtime, with its two events:
//  - change: the value has settled at a new number, whether the user clicked
//    an arrow or the trough, released a dragged thumb, or code assigned it;
//  - scroll: the value follows the thumb while the user drags it.
// Both are plain signals with direct connections, so a handler connected to
// change runs to completion inside setValue() when code assigns a new value.
// Assigning the current value raises nothing.
class ScrollBar : public QScrollBar
{
    Q_OBJECT
public:
    // setValue() is QAbstractSlider's: it clamps to min..max and emits
    // valueChanged only when the value really changes.
    ScrollBar(int min, int max, int value, QWidget *parent = nullptr);

signals:
    void change();
    void scroll();

protected:
    // From the keyboard: Right and Down add one, Left and Up take one, Page
    // Down and Page Up move by the large change, Home and End go to the
    // ends. Each key is a Change, as a click on an arrow is. (QScrollBar
    // inverts its keys for scrolling content, which would turn Right into
    // a smaller N.)
    void keyPressEvent(QKeyEvent *event) override;

private:
    int m_valueAtPress = 0;
};

} // namespace platform
