#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "dialog.h"
#include "plane_options.h"

class CStdioFile;

// The main dialog: the settings of a run, the input design held open between
// runs, and the commands Open PCB, Run, Help and Quit.
class CPlaneDlg : public CDialog {
public:
    CPlaneDlg();
    ~CPlaneDlg() override;

    // The settings as the pass reads them.
    PlaneOptions planeOptions() const;

    const std::string& currentInputPath() const { return inputPath; }
    const std::string& currentOutputPath() const { return outputPath; }
    bool hasInputFile() const { return inputFile != nullptr; }
    bool hasOutputFile() const { return outputFile != nullptr; }

    void OnOpenPcb();
    void OnRun();
    void OnHelp();

protected:
    bool initDialog() override;
    void exchangeData(DataExchange& exchange) override;

private:
    bool OpenOutput();
    void CloseFile(std::unique_ptr<CStdioFile>& file);

    void OnGroundTopLayer() { groundSource = 1; }
    void OnGroundInternalLayer1() { groundSource = 2; }
    void OnGroundInternalLayer2() { groundSource = 3; }
    void OnGroundInternalLayer3() { groundSource = 4; }
    void OnGroundInternalLayer4() { groundSource = 5; }
    void OnGroundBottomLayer() { groundSource = 6; }
    void OnPowerTopLayer() { powerSource = 1; }
    void OnPowerInternalLayer1() { powerSource = 2; }
    void OnPowerInternalLayer2() { powerSource = 3; }
    void OnPowerInternalLayer3() { powerSource = 4; }
    void OnPowerInternalLayer4() { powerSource = 5; }
    void OnPowerBottomLayer() { powerSource = 6; }

    std::int32_t groundEnlargement = 10;
    std::int32_t powerEnlargement = 10;
    std::int32_t buildGround = 0;
    std::int32_t buildPower = 0;
    std::int32_t groundPadsAndVias = 0;
    std::int32_t powerPadsAndVias = 0;
    std::string outputPath;
    std::int32_t powerSource = 2;
    std::int32_t groundSource = 1;
    std::string inputPath;
    std::unique_ptr<CStdioFile> outputFile;
    std::unique_ptr<CStdioFile> inputFile;
};
