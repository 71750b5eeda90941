// dlgModelOptions, "<program>: Model Options": the model options of both input
// forms (zone_models/model_options.h), as the batch command takes them: where the
// fire stands (--fire-position), the plume correlation (--plume) and whether
// the Key Results panel gives the model uncertainty (--model-uncertainty).
// OK keeps the choices; Cancel and Escape leave them as they were.
#pragma once

#include "zone_models/model_options.h"
#include "common/ui/platform_services.h"

#include <QDialog>
#include <string>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace vorla::ui {

class ModelOptionsDialog final : public QDialog {
    Q_OBJECT
  public:
    ModelOptionsDialog(const std::string& programName, const ModelOptions& current,
                       QWidget* parent);

    // The options the dialog shows (once OK has closed it, the accepted ones).
    ModelOptions Options() const;

    // File Open's options of the saved report at `path` (the defaults in a
    // report saved without them); a line that cannot be read is named in a
    // message, and the report opens with the defaults.
    static ModelOptions ModelOptionsOfReport(PlatformServices& services,
                                             const std::string& programName,
                                             const std::string& path);

    // Run's check of the options: false after a message naming why the
    // validation has no model uncertainty for the run (`rule`) when the options
    // show it; true otherwise.
    static bool UncertaintyKnown(PlatformServices& services, const std::string& programName,
                                 const ModelOptions& options, const UncertaintyRule& rule);

    QComboBox* cboFirePosition;
    QComboBox* cboPlume;
    QCheckBox* chkModelUncertainty;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

} // namespace vorla::ui
