// The devices block of a batch command's `--summary` (its JSON) in the words
// of the report windows' Key Results panel, written here from the summary's
// numbers: "First detection at 61.3 s", "First sprinkler: none", then one line
// a device ("  S1 (sprinkler) operated at 61.3 s", "  S2 (sprinkler) did not
// operate"). A window's panel is compared with it line for line.
#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <string>

namespace vorla::test_support {

inline QStringList SummaryDeviceLines(const std::string& summaryJson) {
    const QJsonObject keys =
        QJsonDocument::fromJson(QByteArray::fromStdString(summaryJson)).object();
    const auto seconds = [](const QJsonValue& time) {
        return QString::number(time.toDouble(), 'f', 1) + " s";
    };
    const auto at = [&](const QString& what, const QJsonValue& time) {
        return time.isDouble() ? what + " at " + seconds(time) : what + ": none";
    };
    QStringList lines{at("First detection", keys["first_detection_s"]),
                      at("First sprinkler", keys["first_sprinkler_s"])};
    for (const QJsonValue device : keys["devices"].toArray()) {
        const QString what =
            "  " + device["name"].toString() + " (" + device["kind"].toString() + ")";
        const QJsonValue time = device["activation_time_s"];
        lines << (time.isDouble() ? what + " operated at " + seconds(time)
                                  : what + " did not operate");
    }
    return lines;
}

} // namespace vorla::test_support
