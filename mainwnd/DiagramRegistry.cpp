// The one place that names the concrete diagrams: a new diagram is one line here.

#include "correlation/ui/CorrelationDiagram.h"
#include "mainwnd/Diagram.h"
#include "path/ui/PathDiagram.h"

std::vector<std::unique_ptr<Diagram>> createDiagrams(const DiagramContext &context)
{
    std::vector<std::unique_ptr<Diagram>> diagrams;
    diagrams.push_back(std::make_unique<PathDiagram>(context));
    diagrams.push_back(std::make_unique<CorrelationDiagram>(context));
    return diagrams;
}
