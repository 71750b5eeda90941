// What a program remembers from one run to the next, in the user's settings
// (QSettings: ~/.config/VORLA/<program>.conf on Linux, the organization and
// application names main() sets). Every key lives here, so the programs name
// the same thing the same way and a key is never spelled twice.
//
//   units               "SI" or "US": the unit option last chosen
//   windows/<name>      a window's frame rectangle, by its object name
//   windowGeometry/<name>
//                       the same window as QWidget::saveGeometry keeps it (the
//                       place of its inside, its size, maximized or not)
//   folders/<dialog>    the folder the user last chose a file in, per dialog
//   recentFiles         the last files opened or saved, most recent first
//   criteria/interface_heights_m, criteria/layer_temperatures_c
//                       the key results' criteria, comma-separated, in S.I.
//                       (zone_models/ui/criteria_settings.h reads and writes them)
//   preferences/flashoverAnswer
//                       "ask" (the default), "stop" or "continue": whether the
//                       flashover question is asked, or answered as remembered
//   preferences/graphTheme
//                       "dark" (the default, the graph windows' own look) or
//                       "light" (white, for reports and print)
//   preferences/timeAxisUnit
//                       "min" (the default) or "s": the graphs' time axis
#pragma once

#include "common/plot/plot.h"
#include "common/text/unit_system.h"

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

namespace vorla::ui {

inline constexpr int kRecentFilesKept = 8;

namespace settings_keys {
inline constexpr const char* kUnits = "units";
inline constexpr const char* kWindows = "windows/";
inline constexpr const char* kWindowGeometries = "windowGeometry/";
inline constexpr const char* kFolders = "folders/";
inline constexpr const char* kRecentFiles = "recentFiles";
inline constexpr const char* kInterfaceHeights = "criteria/interface_heights_m";
inline constexpr const char* kLayerTemperatures = "criteria/layer_temperatures_c";
inline constexpr const char* kFlashoverAnswer = "preferences/flashoverAnswer";
inline constexpr const char* kGraphTheme = "preferences/graphTheme";
inline constexpr const char* kTimeAxisUnit = "preferences/timeAxisUnit";
} // namespace settings_keys

// What the program does when a run reaches flashover: ask the user (as it
// always has), or take the answer the user asked it to remember.
enum class FlashoverAnswer { Ask, Stop, Continue };
// The look of every graph the programs draw or export (common/plot/plot.h).
using GraphTheme = plot::GraphTheme;
// The unit of every graph's time axis, shown and exported (common/plot/plot.h).
using TimeAxisUnit = plot::TimeAxisUnit;

class ProgramSettings {
  public:
    // The settings of the running program (QSettings' default place for the
    // application's organization and name).
    ProgramSettings() = default;

    std::optional<UnitSystem> Units() const;
    void SetUnits(UnitSystem units);

    // A window's frame rectangle as it was last left; nothing when none is kept.
    std::optional<QRect> WindowFrame(const QString& windowName) const;
    void SetWindowFrame(const QString& windowName, const QRect& frame);

    // The window as QWidget::saveGeometry gave it when it was last left;
    // nothing when none is kept (or only the frame, by an earlier version).
    std::optional<QByteArray> WindowGeometry(const QString& windowName) const;
    void SetWindowGeometry(const QString& windowName, const QByteArray& geometry);

    // The folder the user last chose a file in with this dialog (its title and
    // whether it opens or saves); nothing when none, or when it is gone.
    std::optional<QString> LastFolder(const QString& dialog) const;
    void SetLastFolder(const QString& dialog, const QString& folder);

    // The user's preferences; a missing or unknown value gives the default
    // (ask, dark, minutes), so a settings file edited by hand never stops a start.
    FlashoverAnswer FlashoverAnswerPreference() const;
    void SetFlashoverAnswerPreference(FlashoverAnswer answer);
    GraphTheme GraphThemePreference() const;
    void SetGraphThemePreference(GraphTheme theme);
    TimeAxisUnit TimeAxisUnitPreference() const;
    void SetTimeAxisUnitPreference(TimeAxisUnit unit);

    QStringList RecentFiles() const;
    // `path` goes to the top of the list (once), which keeps kRecentFilesKept.
    void AddRecentFile(const QString& path);
    void RemoveRecentFile(const QString& path);
};

// Whether a window frame fits wholly on one of the screens' available areas:
// a window kept from a larger or a second screen that is gone is not restored.
bool FitsOnScreens(const QRect& frame, const QList<QRect>& availableAreas);

// The list after `path` was opened: it first, then the others in their order,
// at most kRecentFilesKept.
QStringList WithRecentFile(QStringList files, const QString& path);

} // namespace vorla::ui
