#include "analysis/analysis.h"

namespace analysis {

Analysis::Analysis(QWidget &window, circle::PositionCircle &circle)
    : m_window(window), m_circle(circle)
{
}

void Analysis::Command2_Click()
{
}

} // namespace analysis
