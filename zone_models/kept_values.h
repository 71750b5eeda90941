// The S.I. values an input form keeps for the boxes a unit change rewrote. A
// box then shows its value converted and rounded for reading, while Run, the
// estimator, Explore and Save read the value kept, so switching units never
// changes a run. A box whose text is no longer the one the unit change wrote,
// or that the user typed into, holds its value again.
#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorla {

template <typename Box> class KeptValues {
  public:
    // The S.I. value kept for `box` while it shows `text`, the text the unit
    // change wrote; nothing when the box holds another text.
    std::optional<double> Of(Box box, std::string_view text) const {
        const auto found = std::find_if(kept_.begin(), kept_.end(),
                                        [box](const Entry& entry) { return entry.box == box; });
        if (found == kept_.end() || found->shown != text) {
            return std::nullopt;
        }
        return found->siValue;
    }

    void Keep(Box box, double siValue, std::string shown) {
        Forget(box);
        kept_.push_back({box, siValue, std::move(shown)});
    }

    // The user typed into the box: its text is the value again.
    void Forget(Box box) {
        std::erase_if(kept_, [box](const Entry& entry) { return entry.box == box; });
    }

    // File New and File Open: every box holds what it shows.
    void Clear() { kept_.clear(); }

  private:
    struct Entry {
        Box box;
        double siValue;
        std::string shown;
    };
    std::vector<Entry> kept_;
};

} // namespace vorla
