#pragma once

// What the window, the command line and the desktop know of a diagram before it runs: its name,
// its setup file, its run button, and how to make one. The window's run buttons, the file a
// double click opens, the render command's choice of diagram and the desktop's file types are
// built from this list.

#include "mainwnd/Diagram.h"

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

struct DiagramDescriptor
{
    std::string_view name; // "correlation", "path"
    std::string_view setupExtension; // ".kvs"
    // Whether a setup file's first line (without its line end) is this diagram's.
    bool (*isSetupFirstLine)(std::string_view line) = nullptr;
    // The run button: its control id, its place in the main window (dialog units), its idle and
    // active faces, and its tooltip (translated in its context).
    struct RunButton
    {
        int controlId = 0;
        int x = 0, y = 0, width = 0, height = 0;
        int idleFace = 0, activeFace = 0;
        const char *tipContext = "";
        const char *tip = "";
    } runButton;
    // The desktop's file type of its setup files: its name, its description (translated in the
    // "FileTypes" context), and the text the file begins with when that tells it from the others'.
    struct FileType
    {
        const char *mimeType = "";
        const char *comment = "";
        const char *magic = "";
    } fileType;
    // The picture is a map the view moves over: a render may zoom it and mark taught points.
    bool mapView = false;
    std::unique_ptr<Diagram> (*create)(const DiagramContext &context) = nullptr;
};

// Every diagram the program offers, in the order of their run buttons.
const std::vector<DiagramDescriptor> &diagramRegistry();
// Adds a diagram after those of the program (a test's diagram); windows made from now on offer it.
void registerDiagram(const DiagramDescriptor &descriptor);

// The diagram whose setup file has that name (by its extension), or whose setup file begins with
// that line; nullptr when none.
const DiagramDescriptor *diagramForSetupName(std::string_view fileName);
const DiagramDescriptor *diagramForSetupFirstLine(std::string_view line);
const DiagramDescriptor *diagramNamed(std::string_view name);

// The shared-mime-info description of every diagram's setup files: each description as written
// (Japanese) and in English.
std::string mimeInfoXml(const std::function<std::string(const char *)> &english);
