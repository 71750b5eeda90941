#include "zone_models/ui/compared_run.h"

#include <QFileInfo>

namespace vorla::ui {

GraphResults GraphResultsOfSavedRows(const QString& runTitle,
                                     const std::vector<SavedReportRow>& rows, UnitSystem units) {
    const bool us = units == UnitSystem::US;
    GraphResults graph;
    graph.RunTitle = runTitle;
    graph.Quantities = GraphQuantitiesIn(units);
    for (const auto& row : rows) {
        graph.Minutes.push_back(row.Seconds / 60.0);
        graph.Quantities[0].Values.push_back(us ? row.LayerFahrenheit : row.LayerCelsius);
        graph.Quantities[1].Values.push_back(us ? row.InterfaceFeet : row.InterfaceMetres);
        graph.Quantities[2].Values.push_back(row.RateKilowatts);
        graph.Quantities[3].Values.push_back(us ? row.VentFlowPoundsPerSecond
                                                : row.VentFlowKilogramsPerSecond);
    }
    return graph;
}

std::pair<QString, QString> ComparisonLegendNames(const QString& currentTitle,
                                                  const QString& comparedTitle,
                                                  const std::string& comparedPath) {
    const QString current = currentTitle.trimmed().isEmpty() ? QString("This run") : currentTitle;
    const QString file = QFileInfo(QString::fromStdString(comparedPath)).fileName();
    if (comparedTitle.trimmed().isEmpty()) {
        return {current, file};
    }
    if (comparedTitle == current) {
        return {current, QString("%1 (%2)").arg(comparedTitle, file)};
    }
    return {current, comparedTitle};
}

} // namespace vorla::ui
