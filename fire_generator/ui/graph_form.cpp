#include "fire_generator/ui/graph_form.h"

#include "common/plot/axis_scaling.h"
#include "fire_generator/curves/fire_file_writer.h"
#include "common/ui/form_builders.h"
#include "common/ui/message_texts.h"
#include "common/ui/platform_services.h"
#include "common/ui/report_exports.h"
#include "fire_generator/curves/design_sheet.h"
#include "fire_generator/curves/fire_file_save.h"
#include "fire_generator/curves/opened_fire.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <filesystem>
#include <system_error>

namespace vorla::generator {

using vorla::ui::MessageButton;
using vorla::ui::MessageButtons;
using vorla::ui::MessageIcon;

namespace {

constexpr const char* kCompareFilter = "QDOT-XW Files (*.fir)|*.fir|All files (*)|*";
constexpr const char* kSaveAsFilter = "QDOT-XW Files (*.fir)|*.fir";

} // namespace

frmGraph::frmGraph(DesignFireState& module, vorla::ui::PlatformServices& services)
    : GraphWindow(services), module_(module), services_(services) {
    setWindowTitle("QDOT-XW: Graph");
    lblPlotTitle->setText("QDOT-XW DESCRIPTION");
    // Enter presses the button that has the focus, as in the curve forms.
    cmdSave = vorla::ui::MakeButton("cmdSave", "&Save", this, true);
    ButtonRow()->addWidget(cmdSave);
    cmdSaveAs = vorla::ui::MakeButton("cmdSaveAs", "Save &As…", this, true);
    cmdSaveAs->setToolTip("Save the curve as a fire file under another name");
    ButtonRow()->addWidget(cmdSaveAs);
    cmdClose->setAutoDefault(true);
    setTabOrder(cmdSave, cmdSaveAs);
    setTabOrder(cmdSaveAs, cmdClose);
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(cmdSaveAs, &QPushButton::clicked, this, [this] { cmdSaveAs_Click(); });
    cmdCompare =
        AddCommandButton("cmdCompare", "Compare &With…", QKeySequence(Qt::CTRL | Qt::Key_O),
                         "Draw the curve of another fire file beside this one (up to four)");
    cmdRemoveComparisons = AddCommandButton("cmdRemoveComparisons", "&Remove Comparisons",
                                            QKeySequence(Qt::CTRL | Qt::Key_R),
                                            "Take the compared fires off the graph");
    cmdRemoveComparisons->setEnabled(false);
    cmdDesignSheet = AddCommandButton(
        "cmdDesignSheet", "Design S&heet…", QKeySequence(Qt::CTRL | Qt::Key_D),
        "Write the design-fire sheet of the curve as PDF: its values, graph and table");
    connect(cmdDesignSheet, &QPushButton::clicked, this, [this] { cmdDesignSheet_Click(); });
    connect(cmdCompare, &QPushButton::clicked, this, [this] { cmdCompare_Click(); });
    connect(cmdRemoveComparisons, &QPushButton::clicked, this,
            [this] { cmdRemoveComparisons_Click(); });
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
    // The compared fires in the units (and beside the curve) shown now.
    SetComparisons(CurrentCurveName(), ComparedCurves());
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

bool frmGraph::MayReplace(const std::string& path) {
    std::error_code ignored;
    if (path == confirmedFileName_ || !std::filesystem::exists(path, ignored)) {
        return true;
    }
    const auto answer = services_.ShowMessage(
        {path + " already exists.\nDo you want to replace it?", "QDOT-XW: Save Data?",
         MessageIcon::Exclamation, MessageButtons::YesNo, MessageButton::No});
    return answer == MessageButton::Yes;
}

void frmGraph::cmdDesignSheet_Click() {
    vorla::ui::ExportDesignReport(services_, "QDOT-XW", module_.FireFileName, module_.FireFileName,
                                  DesignFireSheet(module_, TodayShortDate()));
}

bool frmGraph::WriteTo(const std::string& path) {
    if (const auto error = SaveFireFileTo(module_, path, TodayShortDate())) {
        services_.ShowMessage({error->Message, std::string(error->Title), MessageIcon::Exclamation,
                               MessageButtons::Ok});
        return false;
    }
    return true;
}

void frmGraph::cmdSave_Click() {
    if (!MayReplace(module_.FireFileName) || !WriteTo(module_.FireFileName)) {
        return; // nothing written: the curve stays unsaved, everything kept
    }
    // The focus leaves Save before it is disabled, so Enter and Escape still work.
    cmdClose->setFocus(Qt::OtherFocusReason);
    cmdSave->setEnabled(false);
    saved_ = true;
    emit FileSaved(QString::fromStdString(module_.FireFileName));
}

void frmGraph::cmdSaveAs_Click() {
    auto request = vorla::ui::SaveAsDialog("Save Fire File As", kSaveAsFilter,
                                           services_.DataDirectory(), module_.FireFileName);
    // The question is Save's own, asked below, not the dialog's.
    request.ConfirmOverwrite = false;
    const auto path = services_.ChooseFile(request);
    if (!path || !MayReplace(*path) || !WriteTo(*path)) {
        return;
    }
    module_.FireFileName = *path;
    confirmedFileName_ = *path;
    cmdClose->setFocus(Qt::OtherFocusReason);
    cmdSave->setEnabled(false);
    saved_ = true;
    emit FileNameChanged(QString::fromStdString(*path));
    emit FileSaved(QString::fromStdString(*path));
}

QString frmGraph::CurrentCurveName() const {
    const QString description = QString::fromStdString(module_.FireDescription).trimmed();
    return description.isEmpty() ? QString("Current curve") : description;
}

std::vector<vorla::ui::ComparedCurve> frmGraph::ComparedCurves() const {
    const double factor = module_.Units.HeatReleaseRate.ToSI;
    std::vector<vorla::ui::ComparedCurve> curves;
    for (const auto& fire : comparedFires_) {
        vorla::ui::ComparedCurve curve{fire.Name, {}, {}};
        for (std::size_t i = 0; i < fire.Seconds.size(); ++i) {
            curve.Minutes.push_back(fire.Seconds[i] / 60.0);
            curve.Values.push_back(fire.Kilowatts[i] / factor);
        }
        curves.push_back(std::move(curve));
    }
    return curves;
}

void frmGraph::cmdCompare_Click() {
    if (comparedFires_.size() >= kMostComparedFires) {
        services_.ShowMessage({"The graph compares at most " + std::to_string(kMostComparedFires) +
                                   " fire files with the current curve. Remove Comparisons "
                                   "before adding another.",
                               "QDOT-XW", MessageIcon::Exclamation, MessageButtons::Ok});
        return;
    }
    const auto path = services_.ChooseFile(vorla::ui::OpenDialog(
        "Compare With Fire File", kCompareFilter, services_.DataDirectory(), {}));
    if (!path) {
        return;
    }
    const auto read = ReadFireFileForEditing(*path);
    if (const auto* error = std::get_if<FireFileError>(&read)) {
        services_.ShowMessage(
            {DescribeFireFileError(*error), "QDOT-XW", MessageIcon::Critical, MessageButtons::Ok});
        return;
    }
    const auto& opened = std::get<OpenedFire>(read);
    const QString file = QFileInfo(QString::fromStdString(opened.Path)).fileName();
    QString name = QString::fromStdString(opened.Description).trimmed();
    if (name.isEmpty()) {
        name = file;
    }
    // A name the legend already has is told apart by the file name.
    bool taken = name == CurrentCurveName();
    for (const auto& fire : comparedFires_) {
        taken = taken || fire.Name == name;
    }
    if (taken && name != file) {
        name = QString("%1 (%2)").arg(name, file);
    }
    ComparedFire fire{name, {}, {}};
    for (int i = 0; i <= opened.Curve.LastPoint; ++i) {
        fire.Seconds.push_back(opened.Curve.Time[static_cast<std::size_t>(i)]);
        fire.Kilowatts.push_back(opened.Curve.Rate[static_cast<std::size_t>(i)]);
    }
    comparedFires_.push_back(std::move(fire));
    ShowComparisons(CurrentCurveName(), ComparedCurves());
    cmdRemoveComparisons->setEnabled(true);
}

void frmGraph::cmdRemoveComparisons_Click() {
    comparedFires_.clear();
    ShowComparisons({}, {});
    // The focus leaves the button before it is disabled, so the keys still work.
    cmdCompare->setFocus(Qt::OtherFocusReason);
    cmdRemoveComparisons->setEnabled(false);
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
