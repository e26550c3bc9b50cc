#include "tests/scan/recording_host.h"

ScanSettings RecordingHost::ReadSettings()
{
    if (OnReadSettings)
        OnReadSettings();
    return Settings;
}

void RecordingHost::AddResultEntry(const PendingEntry& entry)
{
    Entries.push_back(Published{entry.List, std::string(entry.Path), entry.SameGroup, entry.Size});
    if (OnEntry)
        OnEntry(Entries.back());
}

void RecordingHost::StepBarrier()
{
    ++Barriers;
    if (OnBarrier)
        OnBarrier(Barriers);
}

void RecordingHost::ScanFinished()
{
    ++Finished;
}

void RecordingHost::ScanStopped()
{
    ++Stopped;
}
