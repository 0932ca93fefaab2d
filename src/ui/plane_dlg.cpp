#include "plane_dlg.h"

#include <iterator>

#include "build_planes.h"
#include "damage_warning.h"
#include "data_exchange.h"
#include "design_files.h"
#include "error_report.h"
#include "file_dialog.h"
#include "help_dlg.h"
#include "message_box.h"
#include "plane_dialog_template.h"
#include "stdio_file.h"
#include "wait_cursor.h"

namespace {

constexpr const char* designFilter = "PCB files (*.pcb)|*.pcb|All Files (*.*)|*.*||";
constexpr const char* designExtension = "pcb";

void warn(const std::string& text) {
    messageBox(text, MessageButtons::ok, MessageIcon::exclamation);
}

}  // namespace

CPlaneDlg::CPlaneDlg() : CDialog(planeDialogTemplate) {
    onClicked(planeControl::openPcb, [this] { OnOpenPcb(); });
    onClicked(planeControl::run, [this] { OnRun(); });
    onClicked(planeControl::help, [this] { OnHelp(); });
    // One handler per layer choice, in the order of the layer table.
    using Handler = void (CPlaneDlg::*)();
    constexpr Handler groundHandlers[] = {
        &CPlaneDlg::OnGroundTopLayer,       &CPlaneDlg::OnGroundInternalLayer1,
        &CPlaneDlg::OnGroundInternalLayer2, &CPlaneDlg::OnGroundInternalLayer3,
        &CPlaneDlg::OnGroundInternalLayer4, &CPlaneDlg::OnGroundBottomLayer};
    constexpr Handler powerHandlers[] = {
        &CPlaneDlg::OnPowerTopLayer,       &CPlaneDlg::OnPowerInternalLayer1,
        &CPlaneDlg::OnPowerInternalLayer2, &CPlaneDlg::OnPowerInternalLayer3,
        &CPlaneDlg::OnPowerInternalLayer4, &CPlaneDlg::OnPowerBottomLayer};
    static_assert(std::size(groundHandlers) == sourceLayers.size());
    static_assert(std::size(powerHandlers) == sourceLayers.size());
    for (std::size_t k = 0; k < sourceLayers.size(); ++k) {
        onClicked(sourceLayers[k].groundControl, [this, h = groundHandlers[k]] { (this->*h)(); });
        onClicked(sourceLayers[k].powerControl, [this, h = powerHandlers[k]] { (this->*h)(); });
    }
}

CPlaneDlg::~CPlaneDlg() {
    // Nobody is left to hear about a failure to close: the input was only
    // read, and a failed output was closed when its run failed.
    CloseFileQuietly(inputFile);
    CloseFileQuietly(outputFile);
}

PlaneOptions CPlaneDlg::planeOptions() const {
    return {groundEnlargement, powerEnlargement, buildGround, buildPower,
            groundPadsAndVias, powerPadsAndVias, powerSource, groundSource};
}

void CPlaneDlg::exchangeData(DataExchange& exchange) {
    CDialog::exchangeData(exchange);
    exchangeInteger(exchange, planeControl::groundEnlargement, groundEnlargement);
    validateRange(exchange, groundEnlargement, minEnlargement, maxEnlargement);
    exchangeInteger(exchange, planeControl::powerEnlargement, powerEnlargement);
    validateRange(exchange, powerEnlargement, minEnlargement, maxEnlargement);
    exchangeCheck(exchange, planeControl::buildGround, buildGround);
    exchangeCheck(exchange, planeControl::buildPower, buildPower);
    exchangeCheck(exchange, planeControl::groundPadsAndVias, groundPadsAndVias);
    exchangeCheck(exchange, planeControl::powerPadsAndVias, powerPadsAndVias);
}

bool CPlaneDlg::initDialog() {
    CDialog::initDialog();
    enableControl(planeControl::run, false);
    setChecked(planeControl::buildGround, true);
    selectRadioButton(planeControl::groundTopLayer, planeControl::groundBottomLayer,
                      planeControl::groundTopLayer);
    selectRadioButton(planeControl::powerTopLayer, planeControl::powerBottomLayer,
                      planeControl::powerTopLayer + 1);
    return true;
}

void CPlaneDlg::OnOpenPcb() {
    if (inputFile) {
        if (messageBox(fileMessages::confirmClose, MessageButtons::yesNo) != MessageAnswer::yes) {
            return;
        }
        CloseFile(inputFile);
    }
    CFileDialog chooser(designFilter, designExtension);
    if (!chooser.runModal()) {
        return;
    }
    DesignFileResult opened = openInputDesign(chooser.path());
    if (!opened) {
        warn(opened.message);
        enableControl(planeControl::run, false);
        return;
    }
    inputFile = std::move(opened.file);
    inputPath = chooser.path();
    enableControl(planeControl::run, true);
}

bool CPlaneDlg::OpenOutput() {
    if (!inputFile) {
        warn(fileMessages::noInput);
        return false;
    }
    outputPath = outputPathFor(inputPath);
    if (outputFile) {
        CloseFile(outputFile);
    }
    DesignFileResult opened = openOutputDesign(outputPath);
    if (!opened) {
        warn(opened.message);
        enableControl(planeControl::run, false);
        return false;
    }
    outputFile = std::move(opened.file);
    return true;
}

void CPlaneDlg::CloseFile(std::unique_ptr<CStdioFile>& file) {
    ::CloseFile(file);
}

void CPlaneDlg::OnRun() {
    if (!updateData(true)) {
        return;
    }
    if (!OpenOutput()) {
        return;
    }
    DamageWarning damage;
    try {
        {
            WaitCursor wait;
            BuildPlanes(*inputFile, *outputFile, planeOptions(),
                        [&damage](const DamagedRecord& record) { damage.add(record.lineNumber); });
        }
        CloseFile(outputFile);
    } catch (const std::exception& error) {
        // What was written is a fragment: let go of it now, and say so.
        CloseFileQuietly(outputFile);
        reportError(error, "The output file " + outputPath + " is incomplete.");
        return;
    }
    if (!damage.empty()) {
        warn(damage.text());
    }
}

void CPlaneDlg::OnHelp() {
    CHelpDlg help;
    help.runModal();
}
