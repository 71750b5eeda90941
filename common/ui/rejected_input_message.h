// Showing an input a check refused, the same way in every form of the suite:
// the check's message under its title (an exclamation, OK), then the focus on
// the box the check names, found by its object name. A file name box opens its
// dialog as it gets the focus; a text box has its text selected, where the
// form asks for that, so typing replaces the wrong value.
#pragma once

#include "common/inputs/rejected_input.h"

class QWidget;

namespace vorla::ui {

class PlatformServices;

enum class RejectedText { Selected, LeftAsIs };

void ShowRejectedInput(PlatformServices& services, const RejectedInput& rejected, QWidget& form,
                       RejectedText text = RejectedText::Selected);

} // namespace vorla::ui
