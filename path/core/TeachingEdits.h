#pragma once

// Changes to the teaching points that can be taken back: every change replaces a run of points
// (none, one, or all of them) by another, so one kind of step serves adding, inserting, moving,
// deleting and opening a points file, and undoing a step is the same splice the other way.

#include "path/core/Teaching.h"

#include <array>
#include <vector>

using TaughtPoint = std::array<double, 2>;

struct TeachingEdit
{
    int at = 0; // index of the first point replaced
    std::vector<TaughtPoint> removed;
    std::vector<TaughtPoint> inserted;
};

class TeachingHistory
{
public:
    // Applies the edit and keeps it for undo; redo starts over. False, changing nothing, when the
    // edit does not fit the points (an index out of range, or more points than teaching takes).
    bool apply(TeachingPoints &points, TeachingEdit edit);
    // False when there is nothing to take back, or to do again.
    bool undo(TeachingPoints &points);
    bool redo(TeachingPoints &points);
    void clear();

private:
    std::vector<TeachingEdit> m_done;
    std::vector<TeachingEdit> m_undone;
};

// The points as a list.
std::vector<TaughtPoint> taughtList(const TeachingPoints &points);

// The first point within reach of (x, y) on both axes (strictly), or -1.
int pointWithinReach(const TeachingPoints &points, double x, double y, double reach);

// Where a point at (x, y) goes in to lie on the route's nearest segment: the index after that
// segment's first point. Ties go to the earlier segment; with fewer than two points, the end.
int insertionIndex(const TeachingPoints &points, double x, double y);

// The edits a person makes; a point k that is not there gives an edit apply refuses.
TeachingEdit addEdit(const TeachingPoints &points, TaughtPoint p);
TeachingEdit insertEdit(int at, TaughtPoint p);
TeachingEdit moveEdit(const TeachingPoints &points, int k, TaughtPoint p);
TeachingEdit deleteEdit(const TeachingPoints &points, int k);
TeachingEdit replaceAllEdit(const TeachingPoints &points, std::vector<TaughtPoint> list);
