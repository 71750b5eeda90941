#include "fire_generator/ui/graph_form.h"

#include "common/axis_scaling.h"
#include "common/fire_file_writer.h"
#include "common/ui/form_builders.h"
#include "common/ui/message_texts.h"
#include "common/ui/platform_services.h"
#include "fire_generator/curves/fire_file_save.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <filesystem>
#include <system_error>

namespace vorla::generator {

using vorla::ui::MessageButton;
using vorla::ui::MessageButtons;
using vorla::ui::MessageIcon;

frmGraph::frmGraph(StandardModule& module, vorla::ui::PlatformServices& services)
    : GraphWindow(services), module_(module), services_(services) {
    setWindowTitle("QDOT-XW: Graph");
    lblPlotTitle->setText("QDOT-XW DESCRIPTION");
    // Enter presses the button that has the focus, as in the curve forms.
    cmdSave = vorla::ui::MakeButton("cmdSave", "&Save", this, true);
    ButtonRow()->addWidget(cmdSave);
    cmdClose->setAutoDefault(true);
    setTabOrder(cmdSave, cmdClose);
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    // Room for a curve to be read at a glance; the window can still be made
    // as small as its layout allows.
    resize(QSize(760, 540).expandedTo(sizeHint()));
}

void frmGraph::Form_Activate() {
    cmdSave->setEnabled(true);
    saved_ = false;
    lblPlotTitle->setText(QString::fromStdString(module_.FireDescription));

    const int last = module_.LastPoint;
    for (int i = 0; i <= last; ++i) {
        PlotX[i] = module_.FireTime[i] / 60.0;
    }
    ScaleTimeAxis(vorla::ArrayMaximum(PlotX, last));
    // The unit factor is 1 in S.I. units, so the rates are shown in kW then.
    const double factor = module_.Units.HeatReleaseRate.ToSI;
    for (int j = 0; j <= last; ++j) {
        PlotY[j] = module_.FireRate[j] / factor;
    }
    lblYTitle->setText(QString::fromStdString(
        "Rate of Heat Release (" + std::string(module_.Units.HeatReleaseRate.Label) + ")"));
    ScaleValueAxis(vorla::ArrayMaximum(PlotY, last));
    PlotSeries(last);
    cmdSave->setFocus(Qt::OtherFocusReason);
}

void frmGraph::ShowOpenedFire() {
    Form_Activate();
    saved_ = true;
}

void frmGraph::FileNameConfirmed(std::string path) {
    confirmedFileName_ = std::move(path);
}

bool frmGraph::MayReplace() {
    const std::string& path = module_.FireFileName;
    std::error_code ignored;
    if (path == confirmedFileName_ || !std::filesystem::exists(path, ignored)) {
        return true;
    }
    const auto answer = services_.ShowMessage(
        {path + " already exists.\nDo you want to replace it?", "QDOT-XW: Save Data?",
         MessageIcon::Exclamation, MessageButtons::YesNo, MessageButton::No});
    return answer == MessageButton::Yes;
}

void frmGraph::cmdSave_Click() {
    if (!MayReplace()) {
        return; // nothing written: the curve stays unsaved
    }
    if (const auto error = SaveFireFile(module_, TodayShortDate())) {
        services_.ShowMessage({error->Message, std::string(error->Title), MessageIcon::Exclamation,
                               MessageButtons::Ok});
        return;
    }
    // The focus leaves Save before it is disabled, so Enter and Escape still work.
    cmdClose->setFocus(Qt::OtherFocusReason);
    cmdSave->setEnabled(false);
    saved_ = true;
    emit FileSaved(QString::fromStdString(module_.FireFileName));
}

void frmGraph::cmdClose_Click() {
    if (!saved_) {
        vorla::ui::MessageRequest question(ui::kSaveQuestion, "QDOT-XW: Save Data?",
                                           MessageIcon::Exclamation, MessageButtons::YesNo);
        question.EscapeLeaves = true;
        const auto answer = services_.ShowMessage(question);
        if (answer == MessageButton::Cancel) {
            return; // Escape: the curve stays on screen, unsaved
        }
        if (answer == MessageButton::Yes) {
            cmdSave_Click();
            return;
        }
    }
    // The next curve is another piece of work: its Save asks before replacing.
    confirmedFileName_.clear();
    // The main form is shown first, so there is never a moment without a window.
    emit Left();
    hide();
}

} // namespace vorla::generator
