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

private:
    int m_valueAtPress = 0;
};

} // namespace platform
