#include "zone_models/ui/criteria_settings.h"

#include "common/text/round_trip_text.h"

#include <QSettings>

namespace vorla::ui {
namespace {

QString ListText(const std::vector<double>& values) {
    std::string text;
    for (const double value : values) {
        if (!text.empty()) {
            text += ',';
        }
        text += RoundTripText(value);
    }
    return QString::fromStdString(text);
}

using Parse = CriteriaList (*)(std::string_view, UnitSystem, std::string_view);

void LoadList(const QSettings& settings, const char* key, Parse parse,
              std::vector<double>& criteria) {
    if (!settings.contains(key)) {
        return;
    }
    const std::string text = settings.value(key).toString().trimmed().toStdString();
    if (text.empty()) {
        criteria.clear();
        return;
    }
    if (auto read = parse(text, UnitSystem::SI, key);
        std::holds_alternative<std::vector<double>>(read)) {
        criteria = std::move(std::get<std::vector<double>>(read));
    }
}

} // namespace

KeyCriteria LoadCriteria(const QSettings& settings) {
    KeyCriteria criteria;
    LoadList(settings, kInterfaceHeightsKey, ParseCriteriaHeights, criteria.InterfaceHeightsM);
    LoadList(settings, kLayerTemperaturesKey, ParseCriteriaTemperatures,
             criteria.LayerTemperaturesC);
    return criteria;
}

void SaveCriteria(QSettings& settings, const KeyCriteria& criteria) {
    settings.setValue(kInterfaceHeightsKey, ListText(criteria.InterfaceHeightsM));
    settings.setValue(kLayerTemperaturesKey, ListText(criteria.LayerTemperaturesC));
}

} // namespace vorla::ui
