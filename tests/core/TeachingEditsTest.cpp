#include "path/core/TeachingEdits.h"

#include <gtest/gtest.h>

namespace {

TeachingPoints pointsOf(const std::vector<TaughtPoint> &list)
{
    TeachingPoints points;
    TeachingHistory history;
    history.apply(points, replaceAllEdit(points, list));
    return points;
}

TEST(TeachingEdits, insertionGoesOnTheNearestSegment_tiesToTheEarlierOne)
{
    // An L: (0,0) → (100,0) → (100,100).
    const TeachingPoints points = pointsOf({ { 0, 0 }, { 100, 0 }, { 100, 100 } });
    struct Row
    {
        const char *name;
        double x, y;
        int at;
    } rows[] = {
        { "beside the first segment", 50, 10, 1 },
        { "beside the second segment", 90, 60, 2 },
        { "before the first point", -40, 0, 1 },
        { "past the last point", 100, 150, 2 },
        { "as near to both", 110, -10, 1 },
    };
    for (const Row &r : rows)
        EXPECT_EQ(insertionIndex(points, r.x, r.y), r.at) << r.name;
    EXPECT_EQ(insertionIndex(pointsOf({ { 5, 5 } }), 0, 0), 1) << "one point: at the end";
}

TEST(TeachingEdits, editsOutsideThePointsOrBeyondCapacity_changeNothing)
{
    TeachingPoints points = pointsOf({ { 1, 1 }, { 2, 2 } });
    TeachingHistory history;
    EXPECT_FALSE(history.apply(points, deleteEdit(points, 2)));
    EXPECT_FALSE(history.apply(points, moveEdit(points, -1, { 0, 0 })));
    EXPECT_FALSE(history.apply(points, insertEdit(3, { 0, 0 })));
    EXPECT_FALSE(history.apply(
        points, replaceAllEdit(points, std::vector<TaughtPoint>(kTeachingCapacity + 1))));
    EXPECT_FALSE(history.undo(points));
    EXPECT_EQ(taughtList(points), (std::vector<TaughtPoint> { { 1, 1 }, { 2, 2 } }));
}

} // namespace
