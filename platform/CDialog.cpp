#include "platform/CDialog.h"

#include "platform/BitmapButtonWidget.h"
#include "platform/CanvasWidget.h"
#include "platform/DialogWidget.h"
#include "platform/Resources.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

void DDX_Control(CDataExchange *dx, int id, CWnd &control)
{
    if (dx && dx->dialog())
        control.Attach(dx->dialog()->controlWidget(id));
}

CDialog::CDialog(const DialogTemplate &dialogTemplate, CWnd *parent)
    : m_template(dialogTemplate)
    , m_parent(parent)
{
}

CDialog::~CDialog()
{
    if (auto *d = qobject_cast<DialogWidget *>(widget()))
        d->detach();
    CWnd::DestroyWindow();
}

int CDialog::DoModal()
{
    Create();
    const int result = m_ended ? m_result : platform().runModalLoop(*this);
    DestroyWindow();
    return result;
}

bool CDialog::Create()
{
    m_ended = false;
    m_result = 0;
    buildWidgets();
    CDataExchange dx(this);
    DoDataExchange(&dx);
    return OnInitDialog() != FALSE;
}

void CDialog::EndDialog(int result)
{
    m_result = result;
    m_ended = true;
    if (auto *d = qobject_cast<QDialog *>(widget()))
        d->QDialog::done(result);
}

QWidget *CDialog::controlWidget(int id) const
{
    auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second.data();
}

CWnd *CDialog::GetDlgItem(int id)
{
    QWidget *w = controlWidget(id);
    if (!w)
        return nullptr;
    auto &wrapper = m_itemWrappers[id];
    if (!wrapper)
        wrapper = std::make_unique<CWnd>();
    wrapper->Attach(w);
    return wrapper.get();
}

void CDialog::PressButton(int id)
{
    MSG msg;
    msg.message = WM_COMMAND;
    msg.code = BN_CLICKED;
    msg.id = id;
    if (OnMessage(msg))
        return;
    if (id == IDOK)
        OnOK();
    else if (id == IDCANCEL)
        OnCancel();
}

CMenu *CDialog::GetSystemMenu(BOOL) { return &m_systemMenu; }

BOOL CDialog::DestroyWindow()
{
    if (auto *d = qobject_cast<DialogWidget *>(widget()))
        d->detach();
    m_itemWrappers.clear();
    m_controls.clear();
    return CWnd::DestroyWindow();
}

bool CDialog::OnMessage(const MSG &msg)
{
    for (const MessageMapEntry &entry : GetMessageMap()) {
        if (entry.message != msg.message)
            continue;
        const bool perControl = msg.message == WM_COMMAND || msg.message == WM_NOTIFY;
        if (perControl && (entry.code != msg.code || entry.id != msg.id))
            continue;
        entry.handler(*this, msg);
        return true;
    }
    return false;
}

void CDialog::deliverMouse(UINT message, QPoint clientPos, UINT flags)
{
    MSG msg;
    msg.message = message;
    msg.pt = POINT { clientPos.x(), clientPos.y() };
    msg.flags = flags;
    PreTranslateMessage(&msg);
    OnMessage(msg);
}

void CDialog::showSystemMenu(QPoint globalPos)
{
    if (m_systemMenu.items().empty())
        return;
    QMenu menu(widget());
    for (const CMenu::Item &item : m_systemMenu.items()) {
        if (item.flags & MF_SEPARATOR) {
            menu.addSeparator();
            continue;
        }
        const UINT id = item.id;
        QAction *action = menu.addAction(QString::fromStdString(item.text), [this, id] {
            MSG msg;
            msg.message = WM_SYSCOMMAND;
            msg.id = static_cast<int>(id);
            OnMessage(msg);
        });
        action->setCheckable((item.flags & MF_CHECKED) != 0);
        action->setChecked((item.flags & MF_CHECKED) != 0);
    }
    menu.exec(globalPos);
}

namespace {

// As the system the dialogs come from shows them: a read-only edit takes the dialog's own face
// colour, so that nobody takes it for a field to type in.
void showAsReadOnly(QWidget *edit)
{
    QPalette palette = edit->palette();
    for (const auto group : { QPalette::Active, QPalette::Inactive })
        palette.setColor(group, QPalette::Base, palette.color(group, QPalette::Window));
    edit->setPalette(palette);
}

Qt::Alignment alignmentOf(unsigned style)
{
    if (style & CS_RIGHT)
        return Qt::AlignRight | Qt::AlignVCenter;
    if (style & CS_CENTER)
        return Qt::AlignHCenter | Qt::AlignVCenter;
    return Qt::AlignLeft | Qt::AlignVCenter;
}

QWidget *createEdit(const ControlTemplate &c, DialogWidget *dialog)
{
    if (c.style & CS_MULTILINE) {
        auto *e = new QPlainTextEdit(dialog);
        e->setReadOnly(c.style & CS_READONLY);
        if (c.style & CS_READONLY)
            showAsReadOnly(e);
        if (c.style & CS_NOBORDER)
            e->setFrameShape(QFrame::NoFrame);
        return e;
    }
    auto *e = new QLineEdit(dialog);
    e->setReadOnly(c.style & CS_READONLY);
    if (c.style & CS_READONLY)
        showAsReadOnly(e);
    e->setAlignment(alignmentOf(c.style));
    e->setFrame(!(c.style & CS_NOBORDER));
    e->setTextMargins(0, 0, 0, 0);
    return e;
}

QWidget *createControl(const ControlTemplate &c, DialogWidget *dialog)
{
    const QString text = QString::fromStdString(c.text);
    switch (c.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: {
        auto *b = new QPushButton(text, dialog);
        b->setAutoDefault(false);
        b->setDefault(c.kind == ControlKind::DefPushButton);
        return b;
    }
    case ControlKind::Edit:
        return createEdit(c, dialog);
    case ControlKind::Static: {
        auto *l = new QLabel(text, dialog);
        l->setTextFormat(Qt::PlainText);
        // Only statics tall enough for two lines wrap; a short label stays on one line.
        l->setWordWrap(dluToPixelsY(c.height) >= 24);
        l->setAlignment((c.style & (CS_RIGHT | CS_CENTER) ? alignmentOf(c.style) : Qt::AlignLeft)
            | Qt::AlignTop);
        if (c.style & CS_SUNKEN)
            l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        dialog->routeMouseFrom(l);
        return l;
    }
    case ControlKind::GroupBox: {
        auto *g = new QGroupBox(text, dialog);
        dialog->routeMouseFrom(g);
        return g;
    }
    case ControlKind::CheckBox:
        return new QCheckBox(text, dialog);
    case ControlKind::RadioButton:
        return new QRadioButton(text, dialog);
    case ControlKind::Trackbar: {
        auto *s = new QSlider(Qt::Horizontal, dialog);
        s->setTickPosition(QSlider::NoTicks);
        return s;
    }
    case ControlKind::Picture: {
        auto *p = new CanvasWidget(loadResourceBitmap(std::stoi(c.text)), dialog);
        dialog->routeMouseFrom(p);
        return p;
    }
    case ControlKind::Icon: {
        auto *l = new QLabel(dialog);
        l->setPixmap(QPixmap::fromImage(loadResourceIcon(std::stoi(c.text), 32)));
        return l;
    }
    case ControlKind::OwnerDrawButton:
        return new BitmapButtonWidget(dialog);
    }
    return nullptr;
}

// A message of the dialog's own input (help, a key) for the message map.
MSG inputMessage(UINT message, int id = 0, UINT flags = 0)
{
    return MSG { .message = message, .code = 0, .id = id, .pt = {}, .flags = flags };
}

} // namespace

void CDialog::buildWidgets()
{
    DialogInput input {
        [this](int id) { PressButton(id); },
        [this](UINT message, QPoint at, UINT flags) { deliverMouse(message, at, flags); },
        [this] { return OnMessage(inputMessage(WM_HELP)); },
        [this](QPoint at) { showSystemMenu(at); },
        [this](int key, UINT flags) { return OnMessage(inputMessage(WM_KEYDOWN, key, flags)); },
    };
    auto *dialog = new DialogWidget(std::move(input), m_parent ? m_parent->widget() : nullptr);
    dialog->setWindowTitle(QString::fromStdString(m_template.caption));
    QFont font(QString::fromStdString(m_template.fontFace));
    font.setPixelSize(m_template.fontPoints * 96 / 72);
    dialog->setFont(font);
    dialog->setFixedSize(dluToPixelsX(m_template.width), dluToPixelsY(m_template.height));
    // A dialog of its own with a minimise box is a program's main window: desktops give it a
    // taskbar entry and a minimise button only when it is a normal window, not a dialog.
    const bool mainWindow = !m_parent && m_template.minimizeBox;
    Qt::WindowFlags flags = (mainWindow ? Qt::Window : Qt::Dialog) | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (m_template.minimizeBox)
        flags |= Qt::WindowMinimizeButtonHint;
    dialog->setWindowFlags(flags);

    m_controls.clear();
    m_itemWrappers.clear();
    m_systemMenu = CMenu(); // every window starts with a fresh system menu
    std::vector<QWidget *> groups;
    QButtonGroup *radios = nullptr; // the radio buttons of one choice, from a CS_GROUP one on
    for (const ControlTemplate &c : m_template.controls) {
        QWidget *w = createControl(c, dialog);
        if (c.kind == ControlKind::RadioButton) {
            if (!radios || (c.style & CS_GROUP))
                radios = new QButtonGroup(dialog);
            radios->addButton(qobject_cast<QAbstractButton *>(w));
        }
        const QRect r(
            dluToPixelsX(c.x), dluToPixelsY(c.y), dluToPixelsX(c.width), dluToPixelsY(c.height));
        if (c.kind == ControlKind::Picture || c.kind == ControlKind::Icon)
            w->move(r.topLeft());
        else
            w->setGeometry(r);
        if (c.style & CS_HIDDEN)
            w->setHidden(true);
        if (c.style & CS_DISABLED)
            w->setEnabled(false);
        if (c.style & CS_NOTABSTOP)
            w->setFocusPolicy(Qt::ClickFocus);
        if (c.kind == ControlKind::GroupBox)
            groups.push_back(w);
        if (c.id != IDC_STATIC)
            m_controls[c.id] = w;

        connectControl(w, c.id, dialog);
        dialog->routeKeysFrom(w);
    }
    // Group boxes frame the controls inside them and must not cover them.
    for (QWidget *g : groups)
        g->lower();
    Attach(dialog);
}

// A button's click and a slider's moves reach the message map as the control's messages.
void CDialog::connectControl(QWidget *w, int id, QWidget *dialog)
{
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        QObject::connect(
            button, &QAbstractButton::clicked, dialog, [this, id] { PressButton(id); });
    if (auto *slider = qobject_cast<QSlider *>(w)) {
        auto notify = [this, id](int code) {
            MSG msg;
            msg.message = WM_NOTIFY;
            msg.code = code;
            msg.id = id;
            OnMessage(msg);
        };
        // The slider repaints (custom draw) whenever it moves, by mouse or keyboard.
        QObject::connect(
            slider, &QSlider::valueChanged, dialog, [notify] { notify(NM_CUSTOMDRAW); });
        QObject::connect(
            slider, &QSlider::sliderReleased, dialog, [notify] { notify(NM_RELEASEDCAPTURE); });
    }
}
