// Step 3 of a scan: finding the identical files and publishing them.
#pragma once

#include "scan/scanhost.h"
#include "scan/scansettings.h"
#include "scan/sizeindex.h"
#include "scan/steps.h"
#include "support/afile.h"

// Publishes, run by run of equal size, every group of identical files to the
// identical-files list (reference first, then the others in index order; the
// groups of a run in the order of their references) and, with ProcessEmpty,
// every empty file to the empty-files list as a group of its own. Marks what
// it publishes Done. ScanPercent and FilesCounter follow the positions of the
// index: a position counts when it ends its run, or when its file is a
// reference that could be opened and does not already belong to a group.
StepResult CompareContents(const ScanSettings& settings, AFile& list, SizeIndex& index, ScanHost& host);
