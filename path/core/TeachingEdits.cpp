#include "path/core/TeachingEdits.h"

#include <cmath>
#include <limits>

namespace {

std::size_t at(int index) { return static_cast<std::size_t>(index); }

TaughtPoint pointAt(const TeachingPoints &points, int k)
{
    return { points.x[at(k)], points.y[at(k)] };
}

bool fits(const TeachingPoints &points, const TeachingEdit &edit)
{
    const int removed = static_cast<int>(edit.removed.size());
    if (edit.at < 0 || edit.at + removed > points.count)
        return false;
    return points.count - removed + static_cast<long long>(edit.inserted.size())
        <= kTeachingCapacity;
}

// Points [at, at + removed) become `inserted`; the points after them shift.
void splice(
    TeachingPoints &points, int start, int removed, const std::vector<TaughtPoint> &inserted)
{
    std::vector<TaughtPoint> list = taughtList(points);
    const auto first = list.begin() + start;
    list.erase(first, first + removed);
    list.insert(list.begin() + start, inserted.begin(), inserted.end());
    for (std::size_t i = 0; i < list.size(); ++i) {
        points.x[i] = list[i][0];
        points.y[i] = list[i][1];
    }
    points.count = static_cast<int>(list.size());
}

double squaredDistanceToSegment(TaughtPoint a, TaughtPoint b, double x, double y)
{
    const double dx = b[0] - a[0], dy = b[1] - a[1];
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((x - a[0]) * dx + (y - a[1]) * dy) / length2 : 0.0;
    t = std::fmax(0.0, std::fmin(1.0, t));
    const double ex = a[0] + t * dx - x, ey = a[1] + t * dy - y;
    return ex * ex + ey * ey;
}

} // namespace

bool TeachingHistory::apply(TeachingPoints &points, TeachingEdit edit)
{
    if (!fits(points, edit))
        return false;
    splice(points, edit.at, static_cast<int>(edit.removed.size()), edit.inserted);
    m_done.push_back(std::move(edit));
    m_undone.clear();
    return true;
}

bool TeachingHistory::undo(TeachingPoints &points)
{
    if (m_done.empty())
        return false;
    TeachingEdit &edit = m_done.back();
    splice(points, edit.at, static_cast<int>(edit.inserted.size()), edit.removed);
    m_undone.push_back(std::move(edit));
    m_done.pop_back();
    return true;
}

bool TeachingHistory::redo(TeachingPoints &points)
{
    if (m_undone.empty())
        return false;
    TeachingEdit &edit = m_undone.back();
    splice(points, edit.at, static_cast<int>(edit.removed.size()), edit.inserted);
    m_done.push_back(std::move(edit));
    m_undone.pop_back();
    return true;
}

void TeachingHistory::clear()
{
    m_done.clear();
    m_undone.clear();
}

std::vector<TaughtPoint> taughtList(const TeachingPoints &points)
{
    std::vector<TaughtPoint> list;
    list.reserve(at(points.count));
    for (int k = 0; k < points.count; ++k)
        list.push_back(pointAt(points, k));
    return list;
}

int pointWithinReach(const TeachingPoints &points, double x, double y, double reach)
{
    for (int k = 0; k < points.count; ++k)
        if (std::fabs(points.x[at(k)] - x) < reach && std::fabs(points.y[at(k)] - y) < reach)
            return k;
    return -1;
}

int insertionIndex(const TeachingPoints &points, double x, double y)
{
    if (points.count < 2)
        return points.count;
    int best = 1;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (int j = 0; j + 1 < points.count; ++j) {
        const double d = squaredDistanceToSegment(pointAt(points, j), pointAt(points, j + 1), x, y);
        if (d < bestDistance) {
            bestDistance = d;
            best = j + 1;
        }
    }
    return best;
}

TeachingEdit addEdit(const TeachingPoints &points, TaughtPoint p)
{
    return insertEdit(points.count, p);
}

TeachingEdit insertEdit(int at, TaughtPoint p) { return { at, {}, { p } }; }

// A point that is not there gives an edit that apply refuses.
TeachingEdit moveEdit(const TeachingPoints &points, int k, TaughtPoint p)
{
    if (k < 0 || k >= points.count)
        return { -1, {}, {} };
    return { k, { pointAt(points, k) }, { p } };
}

TeachingEdit deleteEdit(const TeachingPoints &points, int k)
{
    if (k < 0 || k >= points.count)
        return { -1, {}, {} };
    return { k, { pointAt(points, k) }, {} };
}

TeachingEdit replaceAllEdit(const TeachingPoints &points, std::vector<TaughtPoint> list)
{
    return { 0, taughtList(points), std::move(list) };
}
