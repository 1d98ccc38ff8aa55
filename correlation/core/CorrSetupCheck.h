#pragma once

// The correlation setup's checks and its file load, as values: the dialog shows what they tell,
// a run without the dialog reports it.

#include "correlation/core/CorrSetupFile.h"

#include <array>
#include <string>
#include <vector>

enum class CorrSetupIssue {
    DataFileElsewhere, // a note: the data file was found beside the setup file instead
    FaultySetupFile, // no magic line or too few lines: what was read stays
    NoDataFile, // refuses OK
    BadColumn, // told; the column accepted before stays
    BadPlotSpeed, // told; the plot speed accepted before stays
    BadStartRow, // refuses OK
    BadTimeColumn, // refuses OK
};

struct CorrSetupMessage
{
    CorrSetupIssue issue;
    std::string text; // what the dialog shows, in the chosen language

    bool operator==(const CorrSetupMessage &) const = default;
};

// The dialog's entries as it shows them: the texts of the edits (whole, as shown) and its boxes.
struct CorrSetupEntries
{
    std::string xColumn, yColumn, startRow, plotSpeed;
    bool plotSpeedOn = false;
    bool autoScale = true;
    std::string xTop, xBottom, yTop, yBottom;
    bool fitFrame = false;
    bool axisTitles = true;
    TimeColumnEntries time {};

    bool operator==(const CorrSetupEntries &) const = default;
};

// A dialog that opens without an accepted setup: the entries it shows, and the values it puts
// into `setup` for them.
CorrSetupEntries showCorrDefaults(CorrSetup &setup);

// Loads a setup file as the dialog's load does: the setup file's path, every line read into the
// setup and the entries (also from a faulty file), the data file looked for beside the setup
// file. Nothing is applied to a file that does not open.
struct CorrSetupLoad
{
    bool opened = false;
    int linesRead = 0; // value lines applied: file lines 2 .. linesRead + 1
    std::vector<CorrSetupMessage> told; // the note, then the faulty file, in the dialog's order
};
CorrSetupLoad loadCorrSetup(CorrSetup &setup, CorrSetupEntries &entries, const std::string &path);

// What OK makes of the entries. `setup` as it stands (values a load or a choice put there, their
// changed flags, whether a data file is given); `acceptedBefore` the values when the dialog
// opened, which a refused column or plot speed goes back to. The values and flags hold what OK
// took, also when a refusal keeps the dialog open.
struct CorrSetupCheck
{
    CorrSetupValues values;
    std::array<bool, kCorrSetupFieldCount> changed {};
    std::vector<CorrSetupMessage> problems; // in the order the dialog tells them
    bool accepted = false; // OK closes the dialog
};
CorrSetupCheck checkCorrSetup(
    const CorrSetupEntries &entries, const CorrSetup &setup, const CorrSetupValues &acceptedBefore);

// A setup file loaded into a fresh dialog and OK pressed once, without the dialog: what the run
// starts from and everything the dialog would have told, in order.
struct CorrSetupStart
{
    CorrSetup setup; // values and dataFileGiven as OK left them
    bool accepted = false; // OK closed the dialog
    std::vector<CorrSetupMessage> told; // notes and problems, in the dialog's order

    // What refuses a run made without the dialog: the first thing told that is not a note.
    const CorrSetupMessage *refusal() const;
    std::vector<std::string> notes() const;
};
CorrSetupStart startCorrSetup(const std::string &setupFile);
