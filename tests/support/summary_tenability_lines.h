// The tenability block of a batch command's `--summary` (its JSON) in the
// words of the report windows' Key Results panel, written here from the
// summary's numbers: "Tenability: ASET 61.3 s, visibility governs" (or
// "Tenability: every criterion held to the end"), one line a criterion
// ("  Limit of toxic dose (FED) at 70.2 s", "  Limit of gas temperature:
// held") and, with devices, "Detection to ASET: 31.0 s". A window's panel is
// compared with it line for line.
#pragma once

#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <cmath>
#include <string>

namespace vorla::test_support {

inline QStringList SummaryTenabilityLines(const std::string& summaryJson) {
    const QJsonObject keys =
        QJsonDocument::fromJson(QByteArray::fromStdString(summaryJson)).object();
    const auto seconds = [](double time) { return QString::number(time, 'f', 1) + " s"; };
    // The criteria as the panel names them, in the summary's order.
    const std::pair<const char*, const char*> kCriteria[] = {
        {"visibility", "visibility"},     {"fed_toxic", "toxic dose (FED)"},
        {"fed_heat", "heat dose (FED)"},  {"radiant_flux", "radiant heat flux"},
        {"layer_height", "layer height"}, {"temperature", "gas temperature"},
    };
    const auto words = [&](const QString& key) {
        for (const auto& [k, w] : kCriteria) {
            if (key == k) {
                return QString(w);
            }
        }
        return key;
    };
    const QJsonValue aset = keys["aset_s"];
    QStringList lines{aset.isDouble() ? "Tenability: ASET " + seconds(aset.toDouble()) + ", " +
                                            words(keys["aset_criterion"].toString()) + " governs"
                                      : QString("Tenability: every criterion held to the end")};
    const QJsonObject reached = keys["tenability_reached_s"].toObject();
    for (const auto& [key, w] : kCriteria) {
        const QJsonValue time = reached[key];
        lines << (time.isDouble() ? "  Limit of " + QString(w) + " at " + seconds(time.toDouble())
                                  : "  Limit of " + QString(w) + ": held");
    }
    const QJsonValue detection = keys["first_detection_s"];
    if (detection.isDouble() && aset.isDouble()) {
        lines << "Detection to ASET: " +
                     seconds(std::round((aset.toDouble() - detection.toDouble()) * 10) / 10);
    }
    return lines;
}

} // namespace vorla::test_support
