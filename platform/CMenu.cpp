#include "platform/CDialog.h"

BOOL CMenu::AppendMenu(UINT flags, UINT id, const std::string &text)
{
    m_items.push_back(Item { flags, id, text });
    return TRUE;
}

void CMenu::CheckMenuItem(UINT id, UINT check)
{
    for (Item &item : m_items)
        if (item.id == id)
            item.flags = (item.flags & ~UINT { MF_CHECKED }) | (check & MF_CHECKED);
}
