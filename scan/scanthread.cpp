#include "scan/scanthread.h"

#include "platform/sysinfo.h"
#include "platform/tempfiles.h"
#include "scan/compare.h"
#include "scan/filelist.h"
#include "scan/scanstate.h"
#include "scan/sizeindex.h"
#include "scan/walk.h"
#include "support/afile.h"
#include "support/boxes.h"

#include <array>

namespace {

// Creates a new temporary file and names it in TempFileName; the previous
// scan's file goes first.
bool CreateTempFileName()
{
    DeleteScanTempFile();
    char folder[MAX_PATH];
    char name[MAX_PATH];
    const DWORD length = GetTempPathA(MAX_PATH, folder);
    if (length == 0 || length >= MAX_PATH || GetTempFileNameA(folder, "sfq", 0, name) == 0)
        return false;
    TempFileName.Set(name);
    return true;
}

std::string WindowsFolder()
{
    std::array<char, 256> folder{};
    const UINT length = GetWindowsDirectoryA(folder.data(), static_cast<UINT>(folder.size()));
    return std::string(folder.data(), length < folder.size() ? length : 0);
}

}  // namespace

ScanThread::ScanThread(ScanHost& scanHost, std::vector<std::string> scanRoots)
    : host(scanHost), roots(std::move(scanRoots))
{
}

ScanThread::~ScanThread()
{
    Join();
}

void ScanThread::Start()
{
    worker = std::thread(&ScanThread::Execute, this);
}

void ScanThread::Join()
{
    if (worker.joinable())
        worker.join();
}

void ScanThread::Execute()
{
    ScanRunning = true;
    ScanStep = StepIdle;
    ScanPercent = 0;
    FilesCounter = 0;
    const Ending ending = Scan();
    if (ending == Ending::Stopped) {
        StopRequested = false;
        ScanRunning = false;
        host.ScanStopped();
    } else {
        ScanRunning = false;
        ScanStep = StepIdle;
        // A request that came after the last look is void: the scan is over.
        StopRequested = false;
        host.ScanFinished();
    }
}

ScanThread::Ending ScanThread::Scan()
{
    if (!CreateTempFileName()) {
        ErrorBox("Temp file wasn't created. The process will be terminated.", "Samefold");
        return Ending::Stopped;
    }
    AFile list;
    list.Flags = AFile::FILE_FLAG_RANDOM_ACCESS;
    list.Create(TempFileName.Get().c_str());
    // Whatever happens below, the list is closed before the end is reported.
    struct Closer {
        AFile& file;
        ~Closer()
        {
            if (file.IsOpen)
                file.Close();
        }
    } closer{list};

    StepText.Set("1 Step of 4: Loading file system...");
    ScanStep = StepLoading;
    Settings = host.ReadSettings();
    FolderWalk walk(Settings, list, WindowsFolder());
    for (const std::string& root : roots) {
        if (!walk.WalkRoot(root))
            break;
    }
    const std::uint32_t n = FilesCounter;
    const std::array<char, FileListFillerSize> filler{};
    list.Write(filler.data(), FileListFillerSize);
    host.StepBarrier();
    if (StopRequested)
        return Ending::Stopped;

    SizeIndex index;
    StepText.Set("2 Step of 4: Analyzing data...");
    ScanStep = StepAnalysing;
    // An index that could not be filled must not be compared.
    if (AnalyseSizes(list, index, n) == StepResult::Failed)
        return Ending::Stopped;
    host.StepBarrier();
    if (StopRequested)
        return Ending::Stopped;

    StepText.Set("3 Step of 4: Comparing files...");
    ScanStep = StepComparing;
    CompareContents(Settings, list, index, host);
    host.StepBarrier();
    if (StopRequested)
        return Ending::Stopped;
    return Ending::Finished;
}
