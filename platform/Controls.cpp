#include "platform/Controls.h"

#include <QAbstractButton>
#include <QSlider>

int CButton::GetCheck() const
{
    auto *button = qobject_cast<QAbstractButton *>(widget());
    return button && button->isChecked() ? 1 : 0;
}

void CButton::SetCheck(int check)
{
    if (auto *button = qobject_cast<QAbstractButton *>(widget()))
        button->setChecked(check != 0);
}

namespace {
QSlider *slider(const CWnd &wnd) { return qobject_cast<QSlider *>(wnd.widget()); }
}

void CSliderCtrl::SetRange(int minimum, int maximum, BOOL)
{
    if (auto *s = slider(*this))
        s->setRange(minimum, maximum);
}

int CSliderCtrl::SetPageSize(int size)
{
    auto *s = slider(*this);
    if (!s)
        return 0;
    const int previous = s->pageStep();
    s->setPageStep(size);
    return previous;
}

int CSliderCtrl::GetPageSize() const
{
    auto *s = slider(*this);
    return s ? s->pageStep() : 0;
}

void CSliderCtrl::SetPos(int position)
{
    if (auto *s = slider(*this))
        s->setValue(position);
}

int CSliderCtrl::GetPos() const
{
    auto *s = slider(*this);
    return s ? s->value() : 0;
}

int CSliderCtrl::GetRangeMin() const
{
    auto *s = slider(*this);
    return s ? s->minimum() : 0;
}

int CSliderCtrl::GetRangeMax() const
{
    auto *s = slider(*this);
    return s ? s->maximum() : 0;
}

BOOL CToolTipCtrl::Create(CWnd *parent, DWORD)
{
    // Qt shows a widget's tool tip by itself; the control only needs to know its owner.
    Attach(parent ? parent->widget() : nullptr);
    return parent != nullptr;
}

BOOL CToolTipCtrl::AddTool(CWnd *tool, const std::string &text)
{
    if (!tool || !tool->widget())
        return FALSE;
    tool->widget()->setToolTip(QString::fromStdString(text));
    return TRUE;
}
