#include "ScenarioFixture.h"

#include "res/ControlIds.h"
#include "res/TraceletResources.h"

#include <QCoreApplication>
#include <QKeyEvent>

void ScenarioTest::SetUp()
{
    registerTraceletResources();
    installPlatform(&scripted);
    dlg = std::make_unique<CMainDlg>();
    gs = &dlg->gdi();
    initOk = dlg->Create();
}

void ScenarioTest::TearDown()
{
    if (dlg)
        dlg->DestroyWindow();
    dlg.reset();
    installPlatform(nullptr);
    EXPECT_TRUE(scripted.problems().empty()) << scripted.problems().front();
}

void ScenarioTest::click(int id)
{
    auto *button = qobject_cast<QAbstractButton *>(dlg->controlWidget(id));
    ASSERT_NE(button, nullptr) << "no button " << id;
    button->click();
}

void ScenarioTest::mouse(UINT message, int x, int y, UINT flags)
{
    MSG msg;
    msg.message = message;
    msg.flags = flags;
    msg.pt = POINT { dlg->controls().canvasRect.left + x, dlg->controls().canvasRect.top + y };
    dlg->OnMessage(msg);
}

void ScenarioTest::key(int virtualKey, UINT flags)
{
    int qtKey = virtualKey; // letters and digits have the same codes
    if (virtualKey == VK_DELETE)
        qtKey = Qt::Key_Delete;
    else if (virtualKey >= VK_F1 && virtualKey <= VK_F1 + 11)
        qtKey = Qt::Key_F1 + (virtualKey - VK_F1);
    Qt::KeyboardModifiers modifiers;
    modifiers.setFlag(Qt::ControlModifier, flags & MK_CONTROL);
    modifiers.setFlag(Qt::ShiftModifier, flags & MK_SHIFT);
    QKeyEvent press(QEvent::KeyPress, qtKey, modifiers);
    QCoreApplication::sendEvent(dlg->widget(), &press);
}

QImage ScenarioTest::canvas() const
{
    auto *c = qobject_cast<CanvasWidget *>(dlg->controlWidget(IDC_CANVAS));
    return c ? c->image() : QImage();
}

COLORREF ScenarioTest::canvasPixel(int x, int y) const
{
    const QRgb p = canvas().pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

bool ScenarioTest::canvasShowsText(
    QRect cell, CFont &font, COLORREF colour, const std::string &text) const
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateFromImage(QImage(cell.width(), cell.height(), QImage::Format_RGB32));
    dc.SelectObject(&bitmap);
    dc.FillSolidRect(QRect(QPoint(0, 0), cell.size()), RGB(255, 255, 255));
    dc.SelectObject(&font);
    dc.SetTextColor(colour);
    dc.TextOut(0, 0, text);
    const QImage ink = *dc.image(), shown = canvas();
    const auto is = [colour](QRgb p) { return RGB(qRed(p), qGreen(p), qBlue(p)) == colour; };
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            if (is(ink.pixel(x, y)) != is(shown.pixel(cell.x() + x, cell.y() + y)))
                return false;
    return true;
}
