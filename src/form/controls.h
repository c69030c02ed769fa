#pragma once

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace platform {
class PictureBox;
class ScrollBar;
class TextBox;
} // namespace platform

// Form1's 28 controls as designed: made from one table with their design
// properties, screen-reader texts, stacking and tab order, each carrying its
// name as its object name, and handed back as typed pointers. The controls
// are owned by their Qt parents.
struct Form1Controls {
    platform::TextBox *txtSchub2, *txtSumme, *txtSchub, *txtKopf, *txtAbs, *txtAbstand,
            *txtFolge, *txtAusgabe, *txtk, *txtN;
    QPushButton *Command1, *Command2, *Command3, *Command4;
    platform::PictureBox *Picture1;
    QRadioButton *Option1, *Option2;
    QGroupBox *Frame1;
    platform::ScrollBar *HScroll1, *HScroll2;
    QCheckBox *Check1;
    QLabel *Label1, *Label2, *Label3, *Label6, *Label7, *Label8, *Label9;

    // The first and last stop of the tab column.
    QWidget *firstStop, *lastStop;
};

// Makes every control inside `client`, Form1's central widget.
Form1Controls createControls(QWidget &client);
