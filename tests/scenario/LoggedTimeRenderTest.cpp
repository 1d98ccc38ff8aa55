// A correlation run with logged times rendered to a GIF: its frames last exactly as long as the
// log, and a size limit still holds.

#include "../core/TempDir.h"
#include "app/RenderCommand.h"
#include "correlation/core/CorrSetupFile.h"
#include "data/SetupFile.h"

#include <QImageReader>
#include <gtest/gtest.h>
#include <numeric>
#include <sstream>

namespace {

std::vector<int> gifDelaysMs(const std::string &path)
{
    QImageReader reader(QString::fromStdString(path));
    std::vector<int> delays;
    for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read())
        delays.push_back(reader.nextImageDelay());
    return delays;
}

int render(const std::vector<std::string> &args)
{
    std::vector<std::string> command { "render" };
    command.insert(command.end(), args.begin(), args.end());
    std::ostringstream out, err;
    return renderCommand(command, out, err);
}

TEST(LoggedTimeRenderTest, gifFramesSumToTheLoggedSpanAndKeepTheSizeLimit)
{
    TempDir dir;
    // Uneven steps whose hundredths round up and down: 7.777 s logged, played at 2× = 3889 ms.
    dir.write("log.csv",
        "x,y,t\n1,2,0\n2,5,0.333\n3,4,0.337\n4,8,1.999\n5,7,2.004\n6,11,6.5\n7,12,7.777\n");
    const std::string setup = dir.write("log.kvs",
        setupFileText(kCorrSetupMagic,
            { "log.csv", "1", "2", "2", "50", "1", "100.0", "-100.0", "100.0", "-100.0" },
            { { "TIME_COLUMN", "3" }, { "TIME_UNIT", "s" }, { "PLAY_SPEED", "2" } }));

    ASSERT_EQ(render({ setup, "-o", dir.file("log.gif") }), 0);
    const std::vector<int> delays = gifDelaysMs(dir.file("log.gif"));
    ASSERT_EQ(delays.size(), 5u); // 0.333 and 0.337, 1.999 and 2.004: one hundredth apart at 2×
    EXPECT_EQ(std::accumulate(delays.begin(), delays.end() - 1, 0), 3890); // 3889 in hundredths
    EXPECT_EQ(delays.back(), 2000); // rests on the finished picture

    ASSERT_EQ(render({ setup, "-o", dir.file("few.gif"), "--size-limit", "3" }), 0);
    const std::vector<int> few = gifDelaysMs(dir.file("few.gif"));
    ASSERT_EQ(few.size(), 3u);
    EXPECT_EQ(std::accumulate(few.begin(), few.end() - 1, 0), 2590); // at 1297, 2594, 3891 ms
}

} // namespace
