#pragma once

class QWidget;

namespace circle {
class PositionCircle;
}

namespace analysis {

// The "Analyse" command.
class Analysis
{
public:
    explicit Analysis(QWidget &window, circle::PositionCircle &circle);

    void Command2_Click();

private:
    QWidget &m_window;
    circle::PositionCircle &m_circle;
};

} // namespace analysis
