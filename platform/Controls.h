#pragma once

// The common controls, as thin handles on their widgets.

#include "platform/CWnd.h"

#include <string>

class CEdit : public CWnd
{
};

class CStatic : public CWnd
{
};

class CButton : public CWnd
{
public:
    int GetCheck() const;
    void SetCheck(int check);
};

class CSliderCtrl : public CWnd
{
public:
    void SetRange(int minimum, int maximum, BOOL redraw = FALSE);
    int SetPageSize(int size); // returns the previous page size
    int GetPageSize() const;
    void SetPos(int position);
    int GetPos() const;
    int GetRangeMin() const;
    int GetRangeMax() const;
};

class CToolTipCtrl : public CWnd
{
public:
    BOOL Create(CWnd *parent, DWORD style = 0);
    BOOL AddTool(CWnd *tool, const std::string &text);
};
