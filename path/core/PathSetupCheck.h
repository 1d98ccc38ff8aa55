#pragma once

// The path setup's checks and its file load, as values: the dialog shows what they tell, a run
// without the dialog reports it.

#include "path/core/PathSetupFile.h"

#include <functional>
#include <string>
#include <vector>

enum class PathSetupIssue {
    FilesElsewhere, // a note: files found beside the setup file instead, or not at all
    FaultySetupFile, // no magic line or too few lines: what was read stays
    NoDataFile, // refuses OK; "check again" follows
    CheckAgain, // the reminder after a refusal about the data file
    RouteFileNotChosen, // refuses OK in teaching: the route file is chosen in every showing
    BackgroundFailed, // refuses OK
    CharacterFault, // told; the run walks without that character
    BadMoveTime, // told; teaching takes 1000 ms
    BadDivisions, // refuses OK
    BadTimeColumn, // refuses OK
};

struct PathSetupMessage
{
    PathSetupIssue issue;
    std::string text; // what the dialog shows, in the chosen language

    bool operator==(const PathSetupMessage &) const = default;
};

// What the dialog shows besides the files its setup holds: the origin's texts (shown only, OK
// keeps the values the load or the origin question gave), teaching and its settings as shown.
struct PathSetupEntries
{
    std::string originX = "0.0", originY = "0.0";
    bool teaching = false;
    bool curve = false;
    bool utf8Heading = false; // the route file's heading in UTF-8
    std::string moveTime = "1000", divisions = "10";
    bool replaceRouteFile = false; // replacing an existing route file was agreed to
    TimeColumnEntries time {};
};

// Why a background cannot be used, in words; empty when it can.
using BackgroundTrial = std::function<std::string(const std::string &path)>;

// Loads a setup file as the dialog's load does: every line read into the setup and the entries
// (also from a faulty file), each file looked for beside the setup file when it is not where the
// file says. A path shorter than two characters counts as not given. Nothing is applied to a
// file that does not open.
struct PathSetupLoad
{
    bool opened = false;
    int linesRead = 0; // value lines applied: file lines 2 .. linesRead + 1
    std::vector<PathSetupMessage> told; // the notes, then the faulty file
};
PathSetupLoad loadPathSetup(PathSetup &setup, PathSetupEntries &entries, const std::string &path);

// What OK makes of the entries and the setup as it stands: the setup as OK leaves it (also when
// it refuses), and what it tells in order. Teaching over an existing route file stops before the
// files are tried, with the question to ask; agreed, the check runs again with replaceRouteFile.
struct PathSetupCheck
{
    PathSetup setup;
    std::vector<PathSetupMessage> told;
    bool accepted = false; // OK closes the dialog
    std::string replaceQuestion; // not empty: ask this first; declined, the dialog stays open
};
PathSetupCheck checkPathSetup(
    const PathSetupEntries &entries, const PathSetup &setup, const BackgroundTrial &background);

// A setup file loaded into a fresh dialog and OK pressed once, without the dialog: what the run
// starts from and everything the dialog would have told, in order.
struct PathSetupStart
{
    PathSetup setup; // values, given flags, source and characters told, as OK left them
    bool accepted = false; // OK closed the dialog
    std::vector<PathSetupMessage> told;
};
PathSetupStart startPathSetup(const std::string &setupFile, const BackgroundTrial &background);
