#include "data/TextLineReader.h"

#include "TempDir.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> readAll(const std::string &path)
{
    TextLineReader reader(path);
    std::vector<std::string> lines;
    while (const auto line = reader.readLine())
        lines.emplace_back(*line);
    return lines;
}

TEST(TextLineReader, crLfBecomesLfAndALoneCrStays)
{
    TempDir dir;
    const auto lines = readAll(dir.write("a.txt", "a\r\nb\rc\r\n\r\nlast"));
    EXPECT_EQ(lines, (std::vector<std::string> { "a\n", "b\rc\n", "\n", "last" }));
}

TEST(TextLineReader, longLinesArriveIn499BytePieces)
{
    TempDir dir;
    const std::string line600(600, 'x');
    const std::string line499(499, 'y');
    const auto lines = readAll(dir.write("a.txt", line600 + "\r\n" + line499 + "\n"));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], std::string(499, 'x'));
    EXPECT_EQ(lines[1], std::string(101, 'x') + "\n");
    EXPECT_EQ(lines[2], line499);
    EXPECT_EQ(lines[3], "\n");
}

TEST(TextLineReader, crLfAcrossTheReadBufferIsOneLineFeed)
{
    TempDir dir;
    std::string text;
    while (text.size() < 64 * 1024 - 1)
        text += std::string(99, 'z') + "\n";
    text.resize(64 * 1024 - 1, 'z');
    text += "\r\nend";
    const auto lines = readAll(dir.write("a.txt", text));
    EXPECT_EQ(lines.back(), "end");
    EXPECT_EQ(lines[lines.size() - 2].back(), '\n');
    EXPECT_EQ(lines[lines.size() - 2].find('\r'), std::string::npos);
}

TEST(TextLineReader, aLineEndsAtAnEmbeddedNulAsACStringDoes)
{
    TempDir dir;
    const auto lines = readAll(dir.write("a.txt", std::string("ab\0cd\nef\n", 9)));
    EXPECT_EQ(lines, (std::vector<std::string> { "ab", "ef\n" }));
}

TEST(TextLineReader, missingFileIsNotOpen)
{
    TempDir dir;
    TextLineReader reader(dir.file("missing.txt"));
    EXPECT_FALSE(reader.isOpen());
    EXPECT_FALSE(reader.readLine());
}

} // namespace
