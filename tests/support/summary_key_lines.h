// What a batch command's `--summary` (its JSON) fixes of a window's Key
// Results, written here from the summary's numbers in the panel's words: the
// start of the peak layer temperature, lowest interface, peak heat release
// rate and heat released lines (the S.I. value the panel rounds to, whole
// degrees, centimetres, tenths), and the model uncertainty's rise line. A
// window's lines are checked against them with MissingLine.
#pragma once

#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <string>

namespace vorla::test_support {

inline QJsonObject SummaryObject(const std::string& summaryJson) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(summaryJson)).object();
}

inline QStringList SummaryValueLineStarts(const QJsonObject& keys) {
    const auto number = [&keys](const char* key, int decimals) {
        return QString::number(keys[key].toDouble(), 'f', decimals);
    };
    return {"Peak layer temperature " + number("peak_layer_temperature_c", 0) + " °C (",
            "Lowest interface height " + number("lowest_interface_height_m", 2) + " m (",
            "Peak heat release rate " + number("peak_heat_release_rate_kw", 1) + " kW (",
            "Heat released " + number("heat_released_mj", 1) + " MJ ("};
}

// "Peak layer temperature rise 180 K (324 °F), bias-corrected 179 K (322 °F)".
inline QString SummaryRiseLine(const QJsonObject& keys) {
    const auto kelvins = [](double k) {
        return QString::number(k, 'f', 0) + " K (" + QString::number(k * 9 / 5, 'f', 0) + " °F)";
    };
    return "Peak layer temperature rise " +
           kelvins(keys["peak_layer_temperature_rise_k"].toDouble()) + ", bias-corrected " +
           kelvins(keys["peak_layer_temperature_rise_k_corrected"].toDouble());
}

// The first of `starts` that begins none of `lines`; empty when each begins one.
inline QString MissingLine(const QStringList& lines, const QStringList& starts) {
    for (const QString& start : starts) {
        bool found = false;
        for (const QString& line : lines) {
            found = found || line.startsWith(start);
        }
        if (!found) {
            return start;
        }
    }
    return {};
}

} // namespace vorla::test_support
