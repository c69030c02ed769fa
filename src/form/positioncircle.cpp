#include "form/positioncircle.h"

#include "analysis/starsandspokes.h"
#include "analysis/ring.h"
#include "platform/picturebox.h"
#include "platform/scrollbar.h"
#include "platform/textbox.h"

namespace form {

PositionCircle::PositionCircle(const Controls &controls, Selection &selection)
    : m_controls(controls), m_selection(selection)
{
}

void PositionCircle::fillHeaderRows()
{
    const analysis::HeaderRows rows = analysis::headerRows(m_selection.n);
    m_controls.txtKopf->setText(rows.numbers);
    m_controls.txtSchub->setText(rows.spacings);
}

void PositionCircle::HScroll1_Change()
{
    const int v = m_controls.HScroll1->value();
    m_controls.txtN->setText(QString::number(v));
    m_controls.Picture1->cls();
    m_selection.angleStep = analysis::angleStepFor(v);
    analysis::drawPositionRing(m_controls.Picture1->canvas(), v, m_selection.angleStep);
    m_selection.n = v;
    fillHeaderRows();
}

void PositionCircle::HScroll2_Change()
{
    m_controls.txtk->setText(QString::number(m_controls.HScroll2->value()));
}

void PositionCircle::showStartValue()
{
    m_controls.txtN->setText(QString::number(m_controls.HScroll1->value()));
}

} // namespace form
