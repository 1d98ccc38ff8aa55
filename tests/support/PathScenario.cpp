#include "PathScenario.h"

#include "data/NumberText.h"
#include "platform/CBitmapButton.h"
#include "platform/Resources.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"

#include <QAbstractButton>
#include <sstream>

std::string PathScenario::background(const std::string &name, int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x % 251, y % 251, 0x40));
    const std::string path = (tempDir() / name).string();
    image.save(QString::fromStdString(path), "BMP");
    return path;
}

std::string PathScenario::character(const std::string &name, const std::vector<Mark> &marks)
{
    // A 32-bit picture is written as a 24-bit bottom-up BMP with the 54-byte header.
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (const Mark &m : marks)
        image.setPixel(
            m.column, m.row, qRgb(GetRValue(m.colour), GetGValue(m.colour), GetBValue(m.colour)));
    const std::string path = (tempDir() / name).string();
    image.save(QString::fromStdString(path), "BMP");
    return path;
}

std::string PathScenario::arrow(const std::string &name)
{
    std::vector<Mark> bar;
    for (int row = 4; row < 16; ++row)
        bar.push_back({ 16, row, RGB(255, 0, 0) });
    return character(name, bar);
}

std::string PathScenario::dataFile(
    const std::string &name, const std::vector<Point> &points, int periodMs)
{
    std::ostringstream out;
    out << "X,Y,direction,interp_speed,plot_speed\n";
    for (std::size_t i = 0; i < points.size(); ++i) {
        out << formatFixed(points[i].x, 2) << ',' << formatFixed(points[i].y, 2) << ','
            << formatFixed(points[i].direction, 2);
        if (i == 0)
            out << ",1000," << periodMs;
        out << '\n';
    }
    return writeFile(name, out.str()).string();
}

std::string PathScenario::setupFile(const std::string &name, const std::string &background,
    double originX, double originY, const std::string &character, const std::string &character2,
    const std::string &data)
{
    const std::string text = "KVT_GRIDWALK_SETUP\r\n" + background + "\r\n"
        + formatFixed(originX, 6) + "\r\n" + formatFixed(originY, 6) + "\r\n" + character + "\r\n"
        + character2 + "\r\n" + data + "\r\n";
    return writeFile(name, text).string();
}

void PathScenario::startRun(const std::string &kvt)
{
    if (path().setup().done)
        scripted.expectDialog(IDD_CONFIRM, { ScriptedPlatform::click(IDOK) });
    scripted.answerFileDialog(kvt);
    scripted.expectDialog(IDD_PATH_SETUP,
        { ScriptedPlatform::click(IDC_PATH_LOAD_SETUP), ScriptedPlatform::click(IDOK) });
    click(IDC_PATH_RUN);
}

void PathScenario::startTeaching(const std::string &kvt, const std::string &route, bool curve,
    int divisions, int moveTimeMs, bool utf8Heading)
{
    using S = ScriptedPlatform;
    scripted.answerFileDialog(kvt);
    scripted.answerFileDialog(route);
    scripted.expectDialog(IDD_PATH_SETUP,
        { S::click(IDC_PATH_LOAD_SETUP), toggle(IDC_PATH_TEACHING),
            S::setCheck(IDC_PATH_CURVE, curve), S::setCheck(IDC_PATH_LINEAR, !curve),
            S::setCheck(IDC_PATH_UTF8_HEADING, utf8Heading),
            S::typeText(IDC_PATH_DIVISIONS, std::to_string(divisions)),
            S::typeText(IDC_PATH_MOVE_TIME, std::to_string(moveTimeMs)), S::click(IDOK) });
    scripted.expectDialog(IDD_CONFIRM, { S::click(IDCANCEL) });
    click(IDC_PATH_RUN);
    scripted.clearMessages(); // the teaching check box explains itself
    scripted.advance(200); // the one refresh of timer 1
}

void PathScenario::play(int count)
{
    click(IDC_PLAY_PAUSE);
    ticks(count);
}

std::string PathScenario::scrollArrows()
{
    std::string shown;
    for (auto [id, letter] : { std::pair(IDC_SCROLL_UP, 'U'), std::pair(IDC_SCROLL_DOWN, 'D'),
             std::pair(IDC_SCROLL_LEFT, 'L'), std::pair(IDC_SCROLL_RIGHT, 'R') })
        shown += dlg->GetDlgItem(id)->IsWindowEnabled() ? letter : '-';
    return shown;
}

Step PathScenario::toggle(int id)
{
    return ScriptedPlatform::call(
        [id](CDialog &d) { qobject_cast<QAbstractButton *>(d.controlWidget(id))->click(); });
}

bool PathScenario::showsFace(int controlId, int bitmapId) const
{
    auto *button = qobject_cast<BitmapButtonWidget *>(dlg->controlWidget(controlId));
    return button
        && button->upFace().convertToFormat(QImage::Format_RGB32)
        == loadResourceBitmap(bitmapId).convertToFormat(QImage::Format_RGB32);
}

std::optional<std::pair<int, int>> PathScenario::shownBackgroundPixel(
    int canvasX, int canvasY) const
{
    const QRgb p = canvas().pixel(canvasX, canvasY);
    if (qBlue(p) != 0x40)
        return std::nullopt;
    return std::pair(qRed(p), qGreen(p));
}

std::vector<std::string> PathScenario::picture(int left, int top, int width, int height)
{
    std::vector<std::string> rows;
    for (int y = top; y < top + height; ++y) {
        std::string &row = rows.emplace_back();
        for (int x = left; x < left + width; ++x) {
            const COLORREF p = canvasPixel(x, y);
            const auto shown = shownBackgroundPixel(x, y);
            row += p == RGB(255, 0, 255) ? 'M'
                : p == RGB(255, 0, 0)    ? 'R'
                : shown && *shown == std::pair((x + view().srcX) % 251, (y + view().srcY) % 251)
                ? '.'
                : '?';
        }
    }
    return rows;
}
