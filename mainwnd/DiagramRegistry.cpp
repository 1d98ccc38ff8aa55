// The one place that names the concrete diagrams: a new diagram is one line here.

#include "mainwnd/DiagramRegistry.h"

#include "correlation/ui/CorrelationDiagram.h"
#include "path/ui/PathDiagram.h"

#include <algorithm>
#include <cctype>

namespace {

std::vector<DiagramDescriptor> &registry()
{
    static std::vector<DiagramDescriptor> diagrams {
        pathDiagramDescriptor(),
        correlationDiagramDescriptor(),
    };
    return diagrams;
}

bool endsWithIgnoringCase(std::string_view text, std::string_view suffix)
{
    return text.size() >= suffix.size()
        && std::ranges::equal(text.substr(text.size() - suffix.size()), suffix, [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a))
                   == std::tolower(static_cast<unsigned char>(b));
           });
}

} // namespace

const std::vector<DiagramDescriptor> &diagramRegistry() { return registry(); }

void registerDiagram(const DiagramDescriptor &descriptor) { registry().push_back(descriptor); }

const DiagramDescriptor *diagramForSetupName(std::string_view fileName)
{
    for (const DiagramDescriptor &d : registry())
        if (endsWithIgnoringCase(fileName, d.setupExtension))
            return &d;
    return nullptr;
}

const DiagramDescriptor *diagramForSetupFirstLine(std::string_view line)
{
    for (const DiagramDescriptor &d : registry())
        if (d.isSetupFirstLine(line))
            return &d;
    return nullptr;
}

const DiagramDescriptor *diagramNamed(std::string_view name)
{
    for (const DiagramDescriptor &d : registry())
        if (d.name == name)
            return &d;
    return nullptr;
}

std::string mimeInfoXml(const std::function<std::string(const char *)> &english)
{
    std::string xml
        = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
          "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
    for (const DiagramDescriptor &d : registry()) {
        const auto &t = d.fileType;
        xml += std::string("  <mime-type type=\"") + t.mimeType + "\">\n";
        xml += "    <comment>" + english(t.comment) + "</comment>\n";
        xml += std::string("    <comment xml:lang=\"ja\">") + t.comment + "</comment>\n";
        xml += "    <sub-class-of type=\"text/plain\"/>\n"
               "    <generic-icon name=\"text-x-generic\"/>\n";
        xml += "    <glob pattern=\"*" + std::string(d.setupExtension) + "\"/>\n";
        if (*t.magic)
            xml += std::string("    <magic priority=\"50\">\n"
                               "      <match type=\"string\" offset=\"0\" value=\"")
                + t.magic + "\"/>\n    </magic>\n";
        xml += "  </mime-type>\n";
    }
    return xml + "</mime-info>\n";
}
