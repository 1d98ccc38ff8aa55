#pragma once

// A dialog built from a template table, with a message map of (message, control, handler)
// entries. DoModal runs its modal loop through the platform seam, so a script can answer it.

#include "platform/CWnd.h"
#include "platform/DialogTemplate.h"

#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

class CDialog;

struct MessageMapEntry
{
    UINT message;
    int code;
    int id;
    void (*handler)(CDialog &, const MSG &);
};

class CMenu
{
public:
    struct Item
    {
        UINT flags;
        UINT id;
        std::string text;
    };
    BOOL AppendMenu(UINT flags, UINT id = 0, const std::string &text = {});
    // Sets or clears the item's check mark (MF_CHECKED or MF_UNCHECKED).
    void CheckMenuItem(UINT id, UINT check);
    const std::vector<Item> &items() const { return m_items; }

private:
    std::vector<Item> m_items;
};

class CDataExchange
{
public:
    explicit CDataExchange(CDialog *dialog)
        : m_dialog(dialog)
    {
    }
    CDialog *dialog() const { return m_dialog; }

private:
    CDialog *m_dialog;
};

// Binds a member control to the dialog's control of that id.
void DDX_Control(CDataExchange *dx, int id, CWnd &control);

class CDialog : public CWnd
{
public:
    explicit CDialog(const DialogTemplate &dialogTemplate, CWnd *parent = nullptr);
    ~CDialog() override;

    // Builds the widgets, binds the members and runs OnInitDialog; then the modal loop; then
    // DestroyWindow. Returns the value given to EndDialog.
    virtual int DoModal();
    // The first part of DoModal alone: the dialog exists and is initialised, with no loop.
    bool Create();
    void EndDialog(int result);
    bool IsEnded() const { return m_ended; }
    int Result() const { return m_result; }
    int TemplateId() const { return m_template.id; }
    const DialogTemplate &Template() const { return m_template; }

    CWnd *GetDlgItem(int id);
    QWidget *controlWidget(int id) const;
    // What a click on a button does: its BN_CLICKED goes through the message map, and OK and
    // cancel fall back to OnOK and OnCancel.
    void PressButton(int id);
    CMenu *GetSystemMenu(BOOL revert);

    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    virtual void DoDataExchange(CDataExchange *) { }
    virtual BOOL PreTranslateMessage(MSG *) { return FALSE; }
    BOOL DestroyWindow() override;
    bool OnMessage(const MSG &msg) override;

protected:
    virtual std::span<const MessageMapEntry> GetMessageMap() const { return {}; }
    // Default processing: nothing beyond what Qt does by itself.
    void Default() { }

private:
    void buildWidgets();
    void connectControl(QWidget *w, int id, QWidget *dialog);
    void deliverMouse(UINT message, QPoint clientPos, UINT flags);
    void showSystemMenu(QPoint globalPos);

    DialogTemplate m_template;
    CWnd *m_parent;
    std::map<int, QPointer<QWidget>> m_controls;
    std::map<int, std::unique_ptr<CWnd>> m_itemWrappers;
    CMenu m_systemMenu;
    bool m_ended = false;
    int m_result = 0;
};

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    std::span<const MessageMapEntry> GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass)                                                                \
    std::span<const MessageMapEntry> theClass::GetMessageMap() const                               \
    {                                                                                              \
        using ThisClass = theClass;                                                                \
        static const std::vector<MessageMapEntry> entries                                          \
        {
#define END_MESSAGE_MAP()                                                                          \
    }                                                                                              \
    ;                                                                                              \
    return entries;                                                                                \
    }

#define ON_BN_CLICKED(ctlId, fn)                                                                   \
    MessageMapEntry { WM_COMMAND, BN_CLICKED, ctlId,                                               \
        [](CDialog &d, const MSG &) { static_cast<ThisClass &>(d).fn(); } },
#define ON_NOTIFY(notifyCode, ctlId, fn)                                                           \
    MessageMapEntry { WM_NOTIFY, notifyCode, ctlId, [](CDialog &d, const MSG &) {                  \
                         LRESULT result = 0;                                                       \
                         static_cast<ThisClass &>(d).fn(&result);                                  \
                     } },
#define ON_WM_TIMER()                                                                              \
    MessageMapEntry { WM_TIMER, 0, 0, [](CDialog &d, const MSG &m) {                               \
                         static_cast<ThisClass &>(d).OnTimer(static_cast<UINT>(m.id));             \
                     } },
#define ON_WM_MOUSEMOVE()                                                                          \
    MessageMapEntry { WM_MOUSEMOVE, 0, 0, [](CDialog &d, const MSG &m) {                           \
                         static_cast<ThisClass &>(d).OnMouseMove(m.flags, m.pt);                   \
                     } },
#define ON_WM_LBUTTONDOWN()                                                                        \
    MessageMapEntry { WM_LBUTTONDOWN, 0, 0, [](CDialog &d, const MSG &m) {                         \
                         static_cast<ThisClass &>(d).OnLButtonDown(m.flags, m.pt);                 \
                     } },
#define ON_WM_RBUTTONDOWN()                                                                        \
    MessageMapEntry { WM_RBUTTONDOWN, 0, 0, [](CDialog &d, const MSG &m) {                         \
                         static_cast<ThisClass &>(d).OnRButtonDown(m.flags, m.pt);                 \
                     } },
#define ON_WM_SYSCOMMAND()                                                                         \
    MessageMapEntry { WM_SYSCOMMAND, 0, 0, [](CDialog &d, const MSG &m) {                          \
                         static_cast<ThisClass &>(d).OnSysCommand(static_cast<UINT>(m.id), 0);     \
                     } },
#define ON_WM_PAINT()                                                                              \
    MessageMapEntry { WM_PAINT, 0, 0,                                                              \
        [](CDialog &d, const MSG &) { static_cast<ThisClass &>(d).OnPaint(); } },
#define ON_WM_QUERYDRAGICON()                                                                      \
    MessageMapEntry { WM_QUERYDRAGICON, 0, 0,                                                      \
        [](CDialog &d, const MSG &) { static_cast<ThisClass &>(d).OnQueryDragIcon(); } },
#define ON_WM_HELPINFO()                                                                           \
    MessageMapEntry { WM_HELP, 0, 0,                                                               \
        [](CDialog &d, const MSG &) { static_cast<ThisClass &>(d).OnHelpInfo(); } },
#define ON_WM_KILLFOCUS()                                                                          \
    MessageMapEntry { WM_KILLFOCUS, 0, 0,                                                          \
        [](CDialog &d, const MSG &) { static_cast<ThisClass &>(d).OnKillFocus(nullptr); } },
