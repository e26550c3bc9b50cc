// One scan: a worker thread that walks the roots, builds the size index,
// compares the contents and reports through its host.
#pragma once

#include "scan/scanhost.h"
#include "scan/scansettings.h"

#include <string>
#include <thread>
#include <vector>

class ScanThread {
public:
    // The roots are walked in this order.
    ScanThread(ScanHost& host, std::vector<std::string> roots);
    // Waits for the worker; the host must stay able to answer until then.
    ~ScanThread();
    ScanThread(const ScanThread&) = delete;
    ScanThread& operator=(const ScanThread&) = delete;

    // Starts the worker, which runs Execute.
    void Start();
    void Join();

    // The scan driver, on the worker thread.
    void Execute();

    ScanSettings Settings;  // read from the host when the loading step starts

private:
    enum class Ending { Finished, Stopped };
    Ending Scan();

    ScanHost& host;
    const std::vector<std::string> roots;
    std::thread worker;
};
